#include "tools/quillbook/CodePage.h"

#include "tools/quillbook/TextMarks.h"

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
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(lead));
    unsigned long codePoint = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return "a byte that is no UTF-8";
        codePoint = codePoint << 6 | (byte(at + i) & 0x3F);
    }
    if (length == 1 && lead >= 0x80) return "a byte that is no UTF-8";
    char number[16];
    std::snprintf(number, sizeof number, "U+%04lX", codePoint);
    return "\xE2\x80\x9C" + text.substr(at, length) + "\xE2\x80\x9D (" + number + ")";
}
