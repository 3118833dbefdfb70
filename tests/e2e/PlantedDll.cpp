// A DLL planted beside a program or in its current folder, under the name of a DLL the program
// loads: when it is loaded it records its own path in planted.log beside itself.
#include <windows.h>

#include <cstring>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(self, path, MAX_PATH);
    char log[MAX_PATH + 16] = {};
    std::memcpy(log, path, std::strrchr(path, '\\') + 1 - path);
    std::strcat(log, "planted.log");
    const HANDLE file = ::CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    std::strcat(path, "\r\n");
    ::WriteFile(file, path, static_cast<DWORD>(std::strlen(path)), &written, nullptr);
    ::CloseHandle(file);
    return TRUE;
}
