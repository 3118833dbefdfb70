#include "tools/quillbook/CodePage.h"

#include "tools/quillbook/TextMarks.h"

#include <windows.h>

namespace {

std::wstring Wide(const std::string& text, UINT codePage, DWORD flags) {
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The text in codePage, where every character has its own byte there: no best-fit stand-ins.
// UTF-8 holds every character, and Windows takes no such flags for it.
bool Narrow(const std::wstring& wide, UINT codePage, std::string& out) {
    if (codePage == CP_UTF8) {
        const int length =
            ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        out.assign(length, '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr,
                              nullptr);
        return length > 0 || wide.empty();
    }
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, &usedDefault);
    out.assign(length, '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(),
                          length, nullptr, &usedDefault);
    return !usedDefault && (length > 0 || wide.empty());
}

} // namespace

bool KnownCodePage(unsigned codePage) { return ::IsValidCodePage(codePage); }

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out, std::string& unwritable) {
    out.clear();
    unwritable.clear();
    if (!KnownCodePage(codePage)) return false;
    // Bytes that are no UTF-8 give no wide text at all.
    const std::wstring wide = Wide(text, CP_UTF8, MB_ERR_INVALID_CHARS);
    if ((text.empty() || !wide.empty()) && Narrow(wide, codePage, out)) return true;
    // The first character that does not go over, looked for one at a time.
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[at]));
        const std::string character = text.substr(at, length);
        std::string ignored;
        const std::wstring wideCharacter = Wide(character, CP_UTF8, MB_ERR_INVALID_CHARS);
        if (wideCharacter.empty() || !Narrow(wideCharacter, codePage, ignored)) {
            unwritable = NameOfCharacter(text, at);
            break;
        }
        at += length;
    }
    out.clear();
    return false;
}

std::string ArgumentInUtf8(const char* argument) {
    const std::wstring wide = Wide(argument, CP_ACP, 0);
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr,
                          nullptr);
    return utf8;
}
