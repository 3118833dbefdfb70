#include "reader/logic/AutorunSequence.h"

#include "contract/ProgramNames.h"
#include "contract/ScheduleFile.h"
#include "reader/logic/AutorunPaths.h"

namespace autorun {

namespace {

constexpr char shortcutDescription[] = "Quillwaker";

void StartScheduler(const ProgramFiles& files, const char* parameters, AutorunPlatform& platform) {
    if (!files.scheduler.empty()) platform.Start(files.scheduler, parameters);
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

void StopScheduler(const ProgramFiles& files, AutorunPlatform& platform) {
    if (platform.SchedulerWaiting()) StartScheduler(files, " QUIT", platform);
}

void ArmScheduler(const ProgramFiles& files, std::int64_t nextStartTime, AutorunPlatform& platform) {
    if (!files.schedule.empty() && WriteScheduleFile(files.schedule.c_str(), nextStartTime))
        StartScheduler(files, nullptr, platform);
}

void KeepDailyStart(const ProgramFiles& files, std::int64_t nextStartTime, AutorunPlatform& platform) {
    if (files.schedule.empty()) return;
    std::int64_t stored = 0;
    if (!ReadScheduleFile(files.schedule.c_str(), stored) || stored != nextStartTime)
        ArmScheduler(files, nextStartTime, platform);
    else if (!platform.SchedulerWaiting())
        StartScheduler(files, nullptr, platform);
    if (!ShortcutSaved(SCHEDULER_FILE_NAME, platform))
        CreateStartupShortcut(shortcutDescription, files.scheduler, SCHEDULER_FILE_NAME, platform);
}

void ApplyAutorun(bool autorun, const ProgramFiles& files, std::int64_t nextStartTime, AutorunPlatform& platform) {
    if (autorun) {
        ArmScheduler(files, nextStartTime, platform);
        CreateStartupShortcut(shortcutDescription, files.scheduler, SCHEDULER_FILE_NAME, platform);
        return;
    }
    DeleteStartupShortcut(SCHEDULER_FILE_NAME, platform);
    if (!files.schedule.empty()) platform.Delete(files.schedule);
    StopScheduler(files, platform);
}

bool CreateStartupShortcut(const char* description, const std::string& target, const char* fileName,
                           AutorunPlatform& platform) {
    std::string folder, link;
    if (target.empty()) return false;
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
