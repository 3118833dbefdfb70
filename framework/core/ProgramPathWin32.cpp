#include "framework/core/ProgramPath.h"

#include <windows.h>

bool OwnProgramFile(char* out, std::size_t size) {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const int written = length == 0 || length >= MAX_PATH
                            ? 0
                            : ::WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length) + 1, out,
                                                    static_cast<int>(size), nullptr, nullptr);
    if (written == 0 && size > 0) out[0] = '\0';
    return written > 0;
}

bool WidePath(const char* path, wchar_t* out, int size) {
    if (::MultiByteToWideChar(CP_UTF8, 0, path, -1, out, size) > 0) return true;
    if (size > 0) out[0] = L'\0';
    return false;
}
