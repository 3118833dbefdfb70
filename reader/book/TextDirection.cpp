#include "reader/book/TextDirection.h"

#include "framework/core/Utf8.h"

namespace {

bool IsRightToLeftLetter(char32_t c) {
    // Hebrew and Arabic with their neighbours, less their marks and digits, which read either way.
    const bool mark = (c >= 0x0591 && c <= 0x05C7) || (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) ||
                      (c >= 0x06D6 && c <= 0x06ED);
    const bool digit = (c >= 0x0660 && c <= 0x0669) || (c >= 0x06F0 && c <= 0x06F9);
    const bool block = (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
    return block && !mark && !digit;
}

// Letters of the scripts that read left to right, as far as a book's text needs them: Latin,
// Greek, Cyrillic, Armenian, the scripts of India and South-East Asia, and those of East Asia.
bool IsLeftToRightLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7) ||
           (c >= 0x0370 && c <= 0x058F && !(c >= 0x0483 && c <= 0x0489)) || (c >= 0x0900 && c <= 0x1FFF) ||
           (c >= 0x3040 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF);
}

} // namespace

bool ReadsRightToLeft(const std::string& text) {
    long balance = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = NextCodePoint(text, at);
        balance += IsRightToLeftLetter(c) ? 1 : IsLeftToRightLetter(c) ? -1 : 0;
    }
    return balance > 0;
}
