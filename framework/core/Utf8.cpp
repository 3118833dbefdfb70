#include "framework/core/Utf8.h"

std::size_t Utf8SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | codePoint >> 18);
        out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char32_t NextCodePoint(const std::string& text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = Utf8SequenceLength(lead);
    if (length == 1) {
        ++at;
        return lead < 0x80 ? lead : 0xFFFD;
    }
    char32_t codePoint = lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size() || (byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        codePoint = codePoint << 6 | (byte(at + i) & 0x3F);
    }
    at += length;
    return codePoint;
}

int Utf16Length(const std::string& text, std::size_t from, std::size_t to) {
    int length = 0;
    for (std::size_t at = from; at < to;)
        length += NextCodePoint(text, at) >= 0x10000 ? 2 : 1;
    return length;
}

std::size_t ByteOfUtf16Unit(const std::string& text, int unit) {
    std::size_t at = 0;
    for (int units = 0; at < text.size() && units < unit;)
        units += NextCodePoint(text, at) >= 0x10000 ? 2 : 1;
    return at;
}
