#include "reader/logic/FontSteps.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FontSteps, ACellHeightStandsForItsCharacterHeight) {
    // lfHeight, then the cell height and the internal leading that the font reports, then the
    // character height
    const int rows[][4] = {
        {-12, 99, 99, 12}, // already a character height: the metrics play no part
        {-1, 0, 0, 1},
        {16, 16, 3, 13}, // the system font's description
        {0, 14, 2, 12},  // the font's default size
        {INT_MIN, 0, 0, INT_MAX},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CharacterHeight(row[0], row[1], row[2]), row[3]) << row[0];
}

TEST(FontSteps, FollowTheTableOfHeights) {
    struct Row {
        int characterHeight;
        std::optional<int> smaller, larger;
    } rows[] = {
        {40, -39, std::nullopt}, {31, -30, std::nullopt},
        {30, -29, std::nullopt}, {29, -28, -30},
        {20, -19, -21},          {11, -10, -12},
        {10, std::nullopt, -11}, {9, std::nullopt, -10},
        {1, std::nullopt, -2},   {INT_MAX, -(INT_MAX - 1), std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SmallerFontHeight(row.characterHeight), row.smaller) << row.characterHeight;
        EXPECT_EQ(LargerFontHeight(row.characterHeight), row.larger) << row.characterHeight;
    }
}

// From any height "-" makes the characters smaller and "+" larger, by one, or nothing happens; a
// step from within 10 to 30 stays there.
TEST(FontSteps, AStepGoesOneWayByOne) {
    for (int height = 1; height <= 60; ++height) {
        if (const auto smaller = SmallerFontHeight(height)) {
            EXPECT_EQ(-*smaller, height - 1);
            EXPECT_GE(-*smaller, 10);
        }
        if (const auto larger = LargerFontHeight(height)) {
            EXPECT_EQ(-*larger, height + 1);
            EXPECT_LE(-*larger, 30);
        }
        if (height >= 10 && height <= 30) {
            EXPECT_TRUE(SmallerFontHeight(height) || LargerFontHeight(height));
        }
    }
}

// A size chosen in the font dialog is kept from the smallest step to 72 points, and brought within.
TEST(FontSteps, AChosenSizeIsKeptWithinTenPixelsAnd72Points) {
    const struct {
        int characterHeight, dpi;
        std::optional<int> lfHeight;
    } cases[] = {{10, 96, std::nullopt}, {96, 96, std::nullopt}, {144, 144, std::nullopt}, {9, 96, -10},
                 {1, 144, -10},          {97, 96, -96},          {955, 96, -96},           {955, 144, -144}};
    for (const auto& c : cases)
        EXPECT_EQ(ChosenFontHeight(c.characterHeight, c.dpi), c.lfHeight) << c.characterHeight << " at " << c.dpi;
}
