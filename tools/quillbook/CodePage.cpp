#include "tools/quillbook/CodePage.h"

#include "framework/core/Utf8.h"

#include <cstdio>

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out, std::string& unwritable) {
    unwritable.clear();
    if (FromUtf8(text, codePage, out)) return true;
    out.clear();
    if (!KnownCodePage(codePage)) return false;
    // The first character that does not go over, looked for one at a time.
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[at]));
        std::string ignored;
        if (!FromUtf8(text.substr(at, length), codePage, ignored)) {
            unwritable = NameOfCharacter(text, at);
            break;
        }
        at += length;
    }
    return false;
}

std::string NameOfCharacter(const std::string& text, std::size_t at) {
    std::size_t next = at;
    const char32_t codePoint = NextCodePoint(text, next);
    const std::string character = text.substr(at, next - at);
    if (codePoint == 0xFFFD && character != "\xEF\xBF\xBD") return "a byte that is no UTF-8";
    char number[16];
    std::snprintf(number, sizeof number, "U+%04lX", static_cast<unsigned long>(codePoint));
    return "\xE2\x80\x9C" + character + "\xE2\x80\x9D (" + number + ")";
}
