#include "tests/support/Unicode.h"

#include <windows.h>

std::wstring WideOf(const std::string& utf8) {
    std::wstring wide(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8Of(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    std::string utf8(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}
