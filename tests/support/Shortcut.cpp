#include "tests/support/Shortcut.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

bool ReadShortcut(const std::string& path, std::string& target, std::string& description) {
    ::CoInitialize(nullptr);
    bool read = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t widePath[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            char text[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(widePath, STGM_READ))) {
                link->GetPath(text, MAX_PATH, nullptr, 0);
                target = text;
                link->GetDescription(text, MAX_PATH);
                description = text;
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
