#include "framework/core/Utf8.h"

#include <gtest/gtest.h>

// Each length of sequence at its first and last character, and what is not a sequence: one
// U+FFFD for each byte that begins none or is cut short.
TEST(Utf8, DecodesEverySequenceLengthAtItsBoundsAndReplacesWhatIsNone) {
    const struct {
        const char* bytes;
        std::u32string decoded;
    } cases[] = {
        {"A\x7F", U"A\x7F"},
        {"\xC2\x80\xDF\xBF", U"\u0080\u07FF"},
        {"\xE0\xA0\x80\xEF\xBF\xBF", U"\u0800\uFFFF"},
        {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", U"\U00010000\U0010FFFF"},
        {"\x80x", U"\uFFFDx"},
        {"\xC3", U"\uFFFD"},
        {"\xE2\x82", U"\uFFFD\uFFFD"},
        {"\xF0\x90\x80x", U"\uFFFD\uFFFD\uFFFD"
                          U"x"},
    };
    for (const auto& c : cases) {
        const std::string text = c.bytes;
        std::u32string decoded;
        std::string encoded;
        for (std::size_t at = 0; at < text.size();) {
            decoded += NextCodePoint(text, at);
            AppendUtf8(encoded, decoded.back());
        }
        EXPECT_EQ(decoded, c.decoded) << c.bytes;
        if (decoded.find(U'\uFFFD') == std::u32string::npos) EXPECT_EQ(encoded, text) << "encoded back";
    }
    const std::string mixed = "a\xF0\x9F\x98\x80"
                              "b";
    EXPECT_EQ(Utf16Length(mixed, 0, mixed.size()), 4) << "a character above U+FFFF takes two units";
    EXPECT_EQ(ByteOfUtf16Unit(mixed, 3), 5u);
}
