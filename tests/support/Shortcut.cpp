#include "tests/support/Shortcut.h"

#include "tests/support/Unicode.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

bool ReadShortcut(const std::string& path, std::string& target, std::string& description) {
    ::CoInitialize(nullptr);
    bool read = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                     reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t text[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(WideOf(path).c_str(), STGM_READ))) {
                link->GetPath(text, MAX_PATH, nullptr, 0);
                target = Utf8Of(text);
                link->GetDescription(text, MAX_PATH);
                description = Utf8Of(text);
                read = true;
            }
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return read;
}

std::string SpecialFolder(int folderId) {
    char folder[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, folder, folderId, FALSE);
    return std::string(folder) + "\\";
}

std::string StartupLink(int folderId) { return SpecialFolder(folderId) + "Quillwake.lnk"; }
