#include "reader/book/TextFolding.h"

#include "framework/core/Utf8.h"

namespace {

// U+00C0 to U+00FF, and U+0100 to U+017F, folded.
constexpr char16_t latin1[] = u"aaaaaaæceeeeiiiidnooooo×ouuuuyþßaaaaaaæceeeeiiiidnooooo÷ouuuuyþy";
constexpr char16_t latinExtendedA[] =
    u"aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiĳĳjjkkĸllllllllllnnnnnnŉŋŋooooooœœrrrrrrssssssssttttttuuuuuu"
    u"uuuuuuwwyyyzzzzzzs";
// U+0386 to U+03CE, folded, the final sigma as σ.
constexpr char16_t greek[] =
    u"α·εηι\u038Bο\u038Dυωιαβγδεζηθικλμνξοπρ\u03A2στυφχψωιυαεηιυαβγδεζηθικλμνξοπρσστυφχψωιυουω";
static_assert(sizeof latin1 / sizeof latin1[0] == 0x40 + 1);
static_assert(sizeof greek / sizeof greek[0] == 0x3CF - 0x386 + 1);
static_assert(sizeof latinExtendedA / sizeof latinExtendedA[0] == 0x80 + 1);

} // namespace

char16_t FoldedCharacter(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c < 0xC0) return c;
    if (c < 0x100) return latin1[c - 0xC0];
    if (c < 0x180) return latinExtendedA[c - 0x100];
    if (c >= 0x386 && c <= 0x3CE) return greek[c - 0x386];
    if (c == 0x401 || c == 0x451) return 0x435; // Ё and ё as е
    if (c >= 0x400 && c < 0x410) return static_cast<char16_t>(c + 0x50);
    if (c >= 0x410 && c < 0x430) return static_cast<char16_t>(c + 0x20);
    return c;
}

std::u16string FoldedText(const std::string& utf8) {
    std::u16string folded;
    folded.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) { // most of a text, and folded the quickest
            folded += static_cast<char16_t>(byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte);
            ++at;
            continue;
        }
        const char32_t c = NextCodePoint(utf8, at);
        if (c >= 0x10000) {
            folded += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            folded += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            folded += FoldedCharacter(static_cast<char16_t>(c));
        }
    }
    return folded;
}

bool IsWordCharacter(char16_t c) {
    if (c < 0x80) return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    // Latin-1's signs, Greek and Chinese stops, the general punctuation and the spaces are not letters;
    // the rest is taken for them.
    if (c < 0xC0 || c == 0xD7 || c == 0xF7 || c == 0x37E || c == 0x387 || c == 0x3001 || c == 0x3002) return false;
    return !(c >= 0x2000 && c <= 0x206F) && c != 0x3000 && c != 0xFEFF && c != 0xFFFD;
}
