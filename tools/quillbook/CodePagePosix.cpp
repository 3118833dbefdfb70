#include "tools/quillbook/CodePage.h"

#include <cerrno>
#include <iconv.h>

namespace {

iconv_t OpenConversion(unsigned codePage) {
    return iconv_open(codePage == utf8CodePage ? "UTF-8" : ("CP" + std::to_string(codePage)).c_str(), "UTF-8");
}

} // namespace

bool KnownCodePage(unsigned codePage) {
    const iconv_t conversion = OpenConversion(codePage);
    if (conversion == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(conversion);
    return true;
}

bool FromUtf8(const std::string& text, unsigned codePage, std::string& out, std::string& unwritable) {
    out.clear();
    unwritable.clear();
    const iconv_t conversion = OpenConversion(codePage);
    if (conversion == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input = text;
    char* in = input.data();
    std::size_t inLeft = input.size();
    bool written = true;
    while (inLeft > 0) {
        char buffer[4096];
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        const std::size_t result = iconv(conversion, &in, &inLeft, &to, &toLeft);
        out.append(buffer, to - buffer);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            unwritable = NameOfCharacter(input, in - input.data());
            written = false;
            break;
        }
    }
    iconv_close(conversion);
    return written;
}

std::string ArgumentInUtf8(const char* argument) { return argument; }
