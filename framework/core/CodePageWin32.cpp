#include "framework/core/CodePage.h"

#include <windows.h>

#include <vector>

namespace {

// UTF-16 in a vector: std::wstring would bring all of its library code into the programs.
using WideUnits = std::vector<wchar_t>;

WideUnits Wide(const std::string& text, UINT codePage, DWORD flags) {
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    WideUnits wide(length, L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

// Windows takes neither best-fit flags nor a default character for UTF-8.
std::string Narrow(const WideUnits& wide, UINT codePage, BOOL* usedDefault) {
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* used = utf8 ? nullptr : usedDefault;
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, used);
    std::string text(length, '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, used);
    return text;
}

bool Converts(unsigned codePage) { return codePage == ansiCodePage || KnownCodePage(codePage); }

} // namespace

bool KnownCodePage(unsigned codePage) { return codePage != ansiCodePage && ::IsValidCodePage(codePage); }

std::string ToUtf8(const std::string& text, unsigned codePage) {
    if (!Converts(codePage)) return text;
    return Narrow(Wide(text, codePage, 0), CP_UTF8, nullptr);
}

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out) {
    out.clear();
    if (!Converts(codePage)) return false;
    // Bytes that are no UTF-8 give no wide text at all; converted leniently, each is U+FFFD.
    const WideUnits strict = Wide(text, CP_UTF8, MB_ERR_INVALID_CHARS);
    const bool valid = !strict.empty() || text.empty();
    BOOL usedDefault = FALSE;
    out = Narrow(valid ? strict : Wide(text, CP_UTF8, 0), codePage, &usedDefault);
    return valid && !usedDefault;
}
