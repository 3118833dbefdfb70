#include "tools/quillbook/CodePage.h"

#include "tools/quillbook/TextMarks.h"

#include <cstdio>

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
