#include "framework/core/CodePage.h"

#include "framework/core/WideText.h"

#include <windows.h>

#include <vector>

namespace {

// UTF-16 in a vector: std::wstring would bring all of its library code into the programs.
using WideUnits = std::vector<wchar_t>;

WideUnits WideOf(const std::string& text, UINT codePage, DWORD flags) {
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    WideUnits wide(length, L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

// The text in codePage, each character by its own byte there, none by a best-fit stand-in. UTF-8
// holds every character, and Windows takes neither flags nor a default character for it.
std::string Narrow(const WideUnits& wide, UINT codePage, BOOL* usedDefault) {
    const int size = static_cast<int>(wide.size());
    if (codePage == CP_UTF8) return Utf8FromWide(wide.data(), size);
    const int length =
        ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    std::string text(length, '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, nullptr, usedDefault);
    return text;
}

bool Converts(unsigned codePage) { return codePage == ansiCodePage || KnownCodePage(codePage); }

} // namespace

bool KnownCodePage(unsigned codePage) { return codePage != ansiCodePage && ::IsValidCodePage(codePage); }

std::string ToUtf8(const std::string& text, unsigned codePage) {
    if (!Converts(codePage)) return text;
    return Narrow(WideOf(text, codePage, 0), CP_UTF8, nullptr);
}

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out) {
    out.clear();
    if (!Converts(codePage)) return false;
    // Bytes that are no UTF-8 give no wide text at all; converted leniently, each is U+FFFD.
    const WideUnits strict = WideOf(text, CP_UTF8, MB_ERR_INVALID_CHARS);
    const bool valid = !strict.empty() || text.empty();
    BOOL usedDefault = FALSE;
    out = Narrow(valid ? strict : WideOf(text, CP_UTF8, 0), codePage, &usedDefault);
    return valid && !usedDefault;
}
