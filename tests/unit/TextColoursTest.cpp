#include "reader/logic/TextColours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The relative luminance of a colour, and the contrast of two, as the web's accessibility
// guidelines define them.
double Luminance(std::uint32_t colour) {
    double sum = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722}; // red, green, blue
    for (int channel = 0; channel < 3; ++channel) {
        const double value = ((colour >> (8 * channel)) & 0xFF) / 255.0;
        sum += weights[channel] * (value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double Contrast(const TextColours& colours) {
    const double a = Luminance(colours.text), b = Luminance(colours.background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace

TEST(TextColours, HighContrastAndTheSystemsColoursWinUnlessTheDarkBackgroundIsChosen) {
    const TextColours white{0x00000000, 0x00FFFFFF}, black{0x00FFFFFF, 0x00000000};
    const struct {
        bool highContrast, dark;
        TextColours system, expected;
    } rows[] = {
        {false, false, white, white}, {false, false, black, black}, {false, true, white, darkColours},
        {true, true, white, white},   {true, false, black, black},
    };
    for (const auto& row : rows)
        EXPECT_EQ(VerseBoxColours(row.highContrast, row.dark, row.system), row.expected)
            << row.highContrast << row.dark;
    EXPECT_GE(Contrast(darkColours), 7.0);
    EXPECT_LT(Luminance(darkColours.background), Luminance(darkColours.text)) << "light text on dark";
}
