#include "reader/app/Autorun.h"

#include "contract/ProgramNames.h"
#include "contract/ScheduleFile.h"
#include "framework/win/Win32.h"
#include "reader/app/AutorunPaths.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

constexpr char shortcutDescription[] = "Quillwaker";

void StartScheduler(const CString& programDirectory, const char* parameters) {
    std::string scheduler;
    if (JoinAutorunPath(static_cast<const char*>(programDirectory), schedulerFileName, scheduler))
        ::ShellExecuteA(nullptr, "OPEN", scheduler.c_str(), parameters, nullptr, SW_SHOWNORMAL);
}

bool StartupFolder(int folderId, std::string& folder) {
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, folderId, FALSE)) return false;
    folder = path;
    return true;
}

} // namespace

// A quit request that finds no scheduler does nothing, so it is sent only to one that is there: the
// start of the messenger process would otherwise slow every start of the reader.
void StopScheduler(const CString& programDirectory) {
    if (::FindWindowA(schedulerWindowClass, schedulerWindowTitle)) StartScheduler(programDirectory, " QUIT");
}

void ArmScheduler(const CString& programDirectory, CTime nextStartTime) {
    std::string schedule;
    if (JoinAutorunPath(static_cast<const char*>(programDirectory), scheduleFileName, schedule) &&
        WriteScheduleFile(schedule.c_str(), nextStartTime.GetTime()))
        StartScheduler(programDirectory, nullptr);
}

void ApplyAutorun(bool autorun, const CString& programDirectory, CTime nextStartTime) {
    if (autorun) {
        ArmScheduler(programDirectory, nextStartTime);
        CreateStartupShortcut(shortcutDescription, programDirectory, schedulerFileName);
        return;
    }
    DeleteStartupShortcut(shortcutDescription, programDirectory, schedulerFileName);
    std::string schedule;
    if (JoinAutorunPath(static_cast<const char*>(programDirectory), scheduleFileName, schedule))
        ::DeleteFileA(schedule.c_str());
    StopScheduler(programDirectory);
}

bool CreateStartupShortcut(const char* description, const CString& programDirectory, const char* fileName) {
    ::CoInitialize(nullptr);
    std::string target, folder, link;
    bool saved = false;
    if (JoinAutorunPath(static_cast<const char*>(programDirectory), fileName, target)) {
        // A user without administrator rights cannot write the all-users folder: the shortcut then
        // goes to the user's own start-up folder.
        for (int folderId : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
            if (StartupFolder(folderId, folder) && StartupLinkPath(folder, fileName, link) &&
                SaveShortcutFile(target.c_str(), link.c_str(), description)) {
                saved = true;
                break;
            }
        }
    }
    ::CoUninitialize();
    return saved;
}

bool DeleteStartupShortcut(const char*, const CString&, const char* fileName) {
    bool found = false;
    std::string folder, link;
    for (int folderId : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
        if (!StartupFolder(folderId, folder)) continue;
        found = true;
        if (StartupLinkPath(folder, fileName, link)) ::DeleteFileA(link.c_str());
    }
    return found;
}

bool SaveShortcutFile(const char* target, const char* linkPath, const char* description) {
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return false;
    }
    link->SetPath(target);
    link->SetDescription(description);
    wchar_t widePath[MAX_PATH] = {};
    HRESULT status = E_FAIL;
    if (::MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH) > 0) status = file->Save(widePath, TRUE);
    file->Release();
    link->Release();
    return SUCCEEDED(status);
}
