#include "reader/app/Autorun.h"

#include "contract/ProgramNames.h"
#include "framework/core/CFile.h"
#include "framework/core/CodePage.h"
#include "framework/core/ProgramPath.h"
#include "framework/core/WideText.h"
#include "framework/win/Win32.h"
#include "reader/logic/AutorunSequence.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

class Win32Platform : public AutorunPlatform {
public:
    bool SchedulerWaiting() override {
        return ::FindWindowA(SCHEDULER_WINDOW_CLASS, SCHEDULER_WINDOW_TITLE) != nullptr;
    }
    void Start(const std::string& program, const char* parameters) override {
        ::ShellExecuteW(nullptr, L"OPEN", Wide(program),
                        parameters ? static_cast<const wchar_t*>(Wide(parameters)) : nullptr, nullptr, SW_SHOWNORMAL);
    }
    bool FindStartupFolder(StartupFolder which, std::string& folder) override {
        wchar_t path[MAX_PATH] = {};
        const int id = which == StartupFolder::allUsers ? CSIDL_COMMON_STARTUP : CSIDL_STARTUP;
        if (!::SHGetSpecialFolderPathW(nullptr, path, id, FALSE)) return false;
        folder = Utf8FromWide(path);
        return true;
    }
    bool SaveShortcut(const std::string& target, const std::string& link, const char* description) override {
        ::CoInitialize(nullptr);
        const bool saved = SaveShortcutFile(target.c_str(), link.c_str(), description);
        ::CoUninitialize();
        return saved;
    }
    void Delete(const std::string& path) override { CFile::Remove(path.c_str()); }
    bool Exists(const std::string& path) override {
        return ::GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES;
    }
};

} // namespace

AutorunPlatform& Win32AutorunPlatform() {
    static Win32Platform platform;
    return platform;
}

void StopScheduler(const CString& programDirectory) {
    autorun::StopScheduler(FilesOfFolder(static_cast<const char*>(programDirectory)), Win32AutorunPlatform());
}

void ArmScheduler(const CString& programDirectory, CTime nextStartTime) {
    autorun::ArmScheduler(FilesOfFolder(static_cast<const char*>(programDirectory)), nextStartTime.GetTime(),
                          Win32AutorunPlatform());
}

void ApplyAutorun(bool autorun, const CString& programDirectory, CTime nextStartTime) {
    autorun::ApplyAutorun(autorun, FilesOfFolder(static_cast<const char*>(programDirectory)), nextStartTime.GetTime(),
                          Win32AutorunPlatform());
}

bool CreateStartupShortcut(const char* description, const CString& programDirectory, const char* fileName) {
    std::string target;
    JoinProgramPath(static_cast<const char*>(programDirectory), fileName, target);
    return autorun::CreateStartupShortcut(description, target, fileName, Win32AutorunPlatform());
}

bool DeleteStartupShortcut(const char*, const CString&, const char* fileName) {
    return autorun::DeleteStartupShortcut(fileName, Win32AutorunPlatform());
}

bool SaveShortcutFile(const char* target, const char* linkPath, const char* description) {
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return false;
    }
    // A link keeps its target's path in the ANSI code page too, and some shells (Wine's among them)
    // read only that: a path that the code page cannot hold is given by its short form, which names
    // the same file in ASCII where the volume keeps short names.
    const Wide path(target);
    std::string ansi;
    wchar_t shortPath[MAX_PATH];
    const DWORD shortLength = FromUtf8(target, ansiCodePage, ansi) ? 0 : ::GetShortPathNameW(path, shortPath, MAX_PATH);
    link->SetPath(shortLength > 0 && shortLength < MAX_PATH ? shortPath : path);
    link->SetDescription(Wide(description));
    const HRESULT status = file->Save(Wide(linkPath), TRUE);
    file->Release();
    link->Release();
    return SUCCEEDED(status);
}
