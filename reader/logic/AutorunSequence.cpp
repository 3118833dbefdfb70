#include "reader/logic/AutorunSequence.h"

#include "contract/ProgramNames.h"
#include "contract/ScheduleFile.h"
#include "framework/core/ProgramPath.h"
#include "reader/logic/AutorunPaths.h"

namespace autorun {

namespace {

constexpr char shortcutDescription[] = "Quillwaker";

void StartScheduler(const std::string& programDirectory, const char* parameters, AutorunPlatform& platform) {
    std::string scheduler;
    if (JoinProgramPath(programDirectory, SCHEDULER_FILE_NAME, scheduler)) platform.Start(scheduler, parameters);
}

bool ShortcutSaved(const char* fileName, AutorunPlatform& platform) {
    std::string folder, link;
    for (auto which : {AutorunPlatform::StartupFolder::allUsers, AutorunPlatform::StartupFolder::user}) {
        if (platform.FindStartupFolder(which, folder) && StartupLinkPath(folder, fileName, link) &&
            platform.Exists(link))
            return true;
    }
    return false;
}

} // namespace

void StopScheduler(const std::string& programDirectory, AutorunPlatform& platform) {
    if (platform.SchedulerWaiting()) StartScheduler(programDirectory, " QUIT", platform);
}

void ArmScheduler(const std::string& programDirectory, std::int64_t nextStartTime, AutorunPlatform& platform) {
    std::string schedule;
    if (JoinProgramPath(programDirectory, SCHEDULE_FILE_NAME, schedule) &&
        WriteScheduleFile(schedule.c_str(), nextStartTime))
        StartScheduler(programDirectory, nullptr, platform);
}

void KeepDailyStart(const std::string& programDirectory, std::int64_t nextStartTime, AutorunPlatform& platform) {
    std::string schedule;
    if (!JoinProgramPath(programDirectory, SCHEDULE_FILE_NAME, schedule)) return;
    std::int64_t stored = 0;
    if (!ReadScheduleFile(schedule.c_str(), stored) || stored != nextStartTime)
        ArmScheduler(programDirectory, nextStartTime, platform);
    else if (!platform.SchedulerWaiting())
        StartScheduler(programDirectory, nullptr, platform);
    if (!ShortcutSaved(SCHEDULER_FILE_NAME, platform))
        CreateStartupShortcut(shortcutDescription, programDirectory, SCHEDULER_FILE_NAME, platform);
}

void ApplyAutorun(bool autorun, const std::string& programDirectory, std::int64_t nextStartTime,
                  AutorunPlatform& platform) {
    if (autorun) {
        ArmScheduler(programDirectory, nextStartTime, platform);
        CreateStartupShortcut(shortcutDescription, programDirectory, SCHEDULER_FILE_NAME, platform);
        return;
    }
    DeleteStartupShortcut(SCHEDULER_FILE_NAME, platform);
    std::string schedule;
    if (JoinProgramPath(programDirectory, SCHEDULE_FILE_NAME, schedule)) platform.Delete(schedule);
    StopScheduler(programDirectory, platform);
}

bool CreateStartupShortcut(const char* description, const std::string& programDirectory, const char* fileName,
                           AutorunPlatform& platform) {
    std::string target, folder, link;
    if (!JoinProgramPath(programDirectory, fileName, target)) return false;
    // A user without administrator rights cannot write the all-users folder: the shortcut then
    // goes to the user's own start-up folder.
    for (auto which : {AutorunPlatform::StartupFolder::allUsers, AutorunPlatform::StartupFolder::user}) {
        if (platform.FindStartupFolder(which, folder) && StartupLinkPath(folder, fileName, link) &&
            platform.SaveShortcut(target, link, description))
            return true;
    }
    return false;
}

bool DeleteStartupShortcut(const std::string& fileName, AutorunPlatform& platform) {
    bool found = false;
    std::string folder, link;
    for (auto which : {AutorunPlatform::StartupFolder::allUsers, AutorunPlatform::StartupFolder::user}) {
        if (!platform.FindStartupFolder(which, folder)) continue;
        found = true;
        if (StartupLinkPath(folder, fileName, link)) platform.Delete(link);
    }
    return found;
}

} // namespace autorun
