#include "reader/app/Autorun.h"

#include "contract/ProgramNames.h"
#include "framework/win/Win32.h"
#include "reader/app/AutorunSequence.h"

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
        ::ShellExecuteA(nullptr, "OPEN", program.c_str(), parameters, nullptr, SW_SHOWNORMAL);
    }
    bool FindStartupFolder(StartupFolder which, std::string& folder) override {
        char path[MAX_PATH] = {};
        const int id = which == StartupFolder::allUsers ? CSIDL_COMMON_STARTUP : CSIDL_STARTUP;
        if (!::SHGetSpecialFolderPathA(nullptr, path, id, FALSE)) return false;
        folder = path;
        return true;
    }
    bool SaveShortcut(const std::string& target, const std::string& link, const char* description) override {
        ::CoInitialize(nullptr);
        const bool saved = SaveShortcutFile(target.c_str(), link.c_str(), description);
        ::CoUninitialize();
        return saved;
    }
    void Delete(const std::string& path) override { ::DeleteFileA(path.c_str()); }
    bool Exists(const std::string& path) override {
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

} // namespace

AutorunPlatform& Win32AutorunPlatform() {
    static Win32Platform platform;
    return platform;
}

void StopScheduler(const CString& programDirectory) {
    autorun::StopScheduler(static_cast<const char*>(programDirectory), Win32AutorunPlatform());
}

void ArmScheduler(const CString& programDirectory, CTime nextStartTime) {
    autorun::ArmScheduler(static_cast<const char*>(programDirectory), nextStartTime.GetTime(), Win32AutorunPlatform());
}

void ApplyAutorun(bool autorun, const CString& programDirectory, CTime nextStartTime) {
    autorun::ApplyAutorun(autorun, static_cast<const char*>(programDirectory), nextStartTime.GetTime(),
                          Win32AutorunPlatform());
}

bool CreateStartupShortcut(const char* description, const CString& programDirectory, const char* fileName) {
    return autorun::CreateStartupShortcut(description, static_cast<const char*>(programDirectory), fileName,
                                          Win32AutorunPlatform());
}

bool DeleteStartupShortcut(const char*, const CString&, const char* fileName) {
    return autorun::DeleteStartupShortcut(fileName, Win32AutorunPlatform());
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
