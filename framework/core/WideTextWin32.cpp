#include "framework/core/WideText.h"

#include <windows.h>

Wide::Wide(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    m_text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, m_text.data(), length);
}

std::string Utf8FromWide(const wchar_t* text, int length) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    // A length of -1 converts the NUL too.
    if (length < 0 && !utf8.empty()) utf8.pop_back();
    return utf8;
}
