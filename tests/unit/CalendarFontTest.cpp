#include "reader/logic/CalendarFont.h"
#include "reader/logic/DpiScaling.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CalendarFont, TheSmallestHeightIsSevenPointsAtTheScreensDpi) {
    EXPECT_EQ(SmallestCalendarFontHeight(96), -9);
    EXPECT_EQ(SmallestCalendarFontHeight(120), -12);
    EXPECT_EQ(SmallestCalendarFontHeight(144), -14);
    EXPECT_EQ(SmallestCalendarFontHeight(192), -19);
}

// The calendar fits from a height on; the heights asked and the one chosen.
TEST(CalendarFont, StepsOnePixelSmallerUntilTheCalendarFitsAndNoFurther) {
    struct Case {
        int dialogHeight, smallest, fitsFrom, chosen;
        std::vector<int> asked;
    };
    const Case cases[] = {
        {-11, -9, -10, -10, {-10}},   // one step is enough
        {-11, -9, -9, -9, {-10, -9}}, // the smallest readable fits
        {-11, -9, -8, -9, {-10, -9}}, // nothing readable fits: the smallest
        {-16, -14, -15, -15, {-15}},  // 144 DPI
        {-9, -9, -8, -9, {}},         // the dialog font is already the smallest
        {-8, -9, -7, -8, {}},         // and smaller than it
    };
    for (const Case& c : cases) {
        std::vector<int> asked;
        const int chosen = SmallerCalendarFontHeight(c.dialogHeight, c.smallest, [&](int height) {
            asked.push_back(height);
            return height >= c.fitsFrom;
        });
        EXPECT_EQ(chosen, c.chosen) << c.dialogHeight << " " << c.fitsFrom;
        EXPECT_EQ(asked, c.asked) << c.dialogHeight << " " << c.fitsFrom;
        if (!asked.empty()) EXPECT_EQ(asked.back(), chosen) << "the calendar is left with the height chosen";
    }
}

TEST(DpiScaling, ScalesToTheNearestPixelBothWaysAndLeavesBadDpisAlone) {
    EXPECT_EQ(ScaledToDpi(-12, 96, 144), -18);
    EXPECT_EQ(ScaledToDpi(-18, 144, 96), -12);
    EXPECT_EQ(ScaledToDpi(-11, 96, 120), -14); // -13.75
    EXPECT_EQ(ScaledToDpi(-13, 96, 120), -16); // -16.25
    EXPECT_EQ(ScaledToDpi(375, 96, 144), 563); // 562.5 rounds away from zero
    EXPECT_EQ(ScaledToDpi(0, 96, 144), 0);
    EXPECT_EQ(ScaledToDpi(-12, 0, 144), -12);
    EXPECT_EQ(ScaledToDpi(-12, 96, 0), -12);
    EXPECT_EQ(ScaledToDpi(1000000000, 96, 192), 2000000000) << "no overflow on the way";
}

TEST(DpiScaling, ThereAndBackIsTheSameForEveryFontHeight) {
    for (int height = -72; height <= 72; ++height)
        for (int dpi : {120, 144, 168, 192, 288})
            ASSERT_EQ(ScaledToDpi(ScaledToDpi(height, 96, dpi), dpi, 96), height);
}
