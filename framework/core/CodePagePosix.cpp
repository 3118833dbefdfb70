#include "framework/core/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

// POSIX systems have no ANSI code page: Windows-1252 stands for it.
namespace {

std::string IconvName(unsigned codePage) {
    if (codePage == utf8CodePage) return "UTF-8";
    return "CP" + std::to_string(codePage == ansiCodePage ? 1252 : codePage);
}

// Converts text with iconv; where a byte sequence does not convert, replacement takes its place
// and skip says how many bytes it covers. False where anything was replaced.
bool Convert(const std::string& text, const std::string& to, const std::string& from, const std::string& replacement,
             std::size_t (*skip)(const std::string&, std::size_t), std::string& out) {
    out.clear();
    const iconv_t conversion = iconv_open(to.c_str(), from.c_str());
    if (conversion == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input = text;
    char* in = input.data();
    std::size_t inLeft = input.size();
    bool whole = true;
    while (inLeft > 0) {
        char buffer[4096];
        char* at = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t result = iconv(conversion, &in, &inLeft, &at, &room);
        out.append(buffer, at - buffer);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            whole = false;
            out += replacement;
            const std::size_t skipped = std::min(inLeft, skip(input, in - input.data()));
            in += skipped;
            inLeft -= skipped;
        }
    }
    iconv_close(conversion);
    return whole;
}

bool Converts(unsigned codePage) {
    const iconv_t conversion = iconv_open(IconvName(codePage).c_str(), "UTF-8");
    if (conversion == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(conversion);
    return true;
}

std::size_t OneByte(const std::string&, std::size_t) { return 1; }

// A UTF-8 sequence: its lead byte and the continuation bytes after it.
std::size_t Utf8Sequence(const std::string& text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

} // namespace

bool KnownCodePage(unsigned codePage) { return codePage != ansiCodePage && Converts(codePage); }

std::string ToUtf8(const std::string& text, unsigned codePage) {
    if (!Converts(codePage)) return text;
    std::string out;
    Convert(text, "UTF-8", IconvName(codePage), "\xEF\xBF\xBD", OneByte, out);
    return out;
}

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out) {
    if (!Converts(codePage)) {
        out.clear();
        return false;
    }
    return Convert(text, IconvName(codePage), "UTF-8", "?", Utf8Sequence, out);
}
