#include "reader/app/FontSteps.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FontSteps, FollowTheTableOfHeights) {
    struct Row {
        int height;
        std::optional<int> smaller, larger;
    } rows[] = {
        {-40, -39, -30},
        {-31, -30, -30},
        {-30, -29, std::nullopt},
        {-29, -28, -30},
        {-20, -19, -21},
        {-11, -10, -12},
        {-10, std::nullopt, -11},
        {-9, -10, -10},
        {-1, -10, -2},
        {0, -10, -1},
        {16, -10, 15},
        {INT_MAX, -10, INT_MAX - 1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SmallerFontHeight(row.height), row.smaller) << row.height;
        EXPECT_EQ(LargerFontHeight(row.height), row.larger) << row.height;
    }
}

TEST(FontSteps, AStepNeverLeavesTheRangeFromWithinIt) {
    for (int height = -30; height <= -10; ++height) {
        const auto smaller = SmallerFontHeight(height), larger = LargerFontHeight(height);
        EXPECT_TRUE(!smaller || (*smaller >= -29 && *smaller <= -10)) << height;
        EXPECT_TRUE(!larger || (*larger >= -30 && *larger <= -11)) << height;
    }
    EXPECT_EQ(LargerFontHeight(INT_MIN), -30);
}
