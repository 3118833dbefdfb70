#include "framework/core/CodePage.h"

#include "framework/core/Utf8.h"

#include <cerrno>
#include <iconv.h>
#include <optional>

// POSIX systems have no ANSI code page: Windows-1252 stands for it.
namespace {

std::string IconvName(unsigned codePage) {
    if (codePage == utf8CodePage) return "UTF-8";
    return "CP" + std::to_string(codePage == ansiCodePage ? 1252 : codePage);
}

// How many bytes of text at at a replacement stands for: one byte of a code page, one UTF-8
// character (or a byte that begins none).
using Skip = std::size_t (*)(const std::string& text, std::size_t at);
std::size_t OneByte(const std::string&, std::size_t) { return 1; }
std::size_t OneCharacter(const std::string& text, std::size_t at) {
    const std::size_t start = at;
    NextCodePoint(text, at);
    return at - start;
}

// Text converted with iconv, where replacement takes the place of each sequence that does not
// convert; whether nothing was replaced. None where iconv has no such conversion.
std::optional<bool> Convert(const std::string& text, const std::string& to, const std::string& from,
                            const std::string& replacement, Skip skip, std::string& out) {
    out.clear();
    const iconv_t conversion = iconv_open(to.c_str(), from.c_str());
    if (conversion == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
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

} // namespace

bool KnownCodePage(unsigned codePage) {
    if (codePage == ansiCodePage) return false;
    const iconv_t conversion = iconv_open(IconvName(codePage).c_str(), "UTF-8");
    if (conversion == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(conversion);
    return true;
}

std::string ToUtf8(const std::string& text, unsigned codePage) {
    std::string out;
    return Convert(text, "UTF-8", IconvName(codePage), "\xEF\xBF\xBD", OneByte, out) ? out : text;
}

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out) {
    return Convert(text, IconvName(codePage), "UTF-8", "?", OneCharacter, out).value_or(false);
}
