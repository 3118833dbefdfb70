#pragma once

#include <cstdint>

// A text colour and its background, as 0x00BBGGRR like Windows' COLORREF.
struct TextColours {
    std::uint32_t text;
    std::uint32_t background;
    bool operator==(const TextColours& other) const { return text == other.text && background == other.background; }
};

// Light text on a dark background, of a contrast well above 7:1.
constexpr TextColours darkColours{0x00E6E6E6, 0x001E1E1E};

// The verse box's colours: the system's window colours where Windows is in high contrast, whatever
// the user chose, or where the user did not choose the dark background; the dark ones where the
// user did.
TextColours VerseBoxColours(bool highContrast, bool darkBackground, const TextColours& system);
