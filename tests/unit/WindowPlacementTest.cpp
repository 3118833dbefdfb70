#include "reader/logic/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

// A primary screen with a taskbar below, and a second one to its left.
const std::vector<Rect> screens{{0, 0, 1920, 1040}, {-1280, 0, 0, 1024}};
const Rect smallest{0, 0, 815, 430};

} // namespace

TEST(WindowPlacement, AWindowComesBackWholeOnAScreen) {
    const struct {
        const char* what;
        Rect saved;
        int savedDpi;
        Rect placed;
    } rows[] = {
        {"where it was", {100, 100, 1100, 700}, 96, {100, 100, 1100, 700}},
        {"on the second screen", {-1200, 50, -300, 600}, 96, {-1200, 50, -300, 600}},
        {"half off the primary", {1500, 900, 2500, 1500}, 96, {920, 440, 1920, 1040}},
        {"across both, on the one with more of it", {-200, 100, 900, 600}, 96, {0, 100, 1100, 600}},
        {"on a screen unplugged since", {3000, 200, 4000, 800}, 96, {920, 200, 1920, 800}},
        {"far off above", {100, -90000, 1100, -89400}, 96, {100, 0, 1100, 600}},
        {"of no size", {300, 300, 300, 300}, 96, {300, 300, 1115, 730}},
        {"inverted", {900, 900, 100, 100}, 96, {900, 610, 1715, 1040}},
        {"larger than the screen", {-50, -50, 5000, 5000}, 96, {0, 0, 1920, 1040}},
        {"at the extremes of an int", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 96, {0, 0, 1920, 1040}},
        {"saved at 144 DPI", {90, 90, 1590, 990}, 144, {90, 90, 1090, 690}},
        {"saved at no DPI", {100, 100, 1100, 700}, 0, {100, 100, 1100, 700}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlacedOnScreens(row.saved, row.savedDpi, 96, smallest, screens), row.placed) << row.what;
}

// Whatever was saved, the window lies whole within one screen and is no smaller than the smallest.
TEST(WindowPlacement, AnyPlaceGivesAWholeWindowOnAScreen) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX), near(-5000, 5000), dpi(-10, 1000);
    for (int i = 0; i < 20000; ++i) {
        auto& coordinate = i % 2 ? any : near;
        const Rect saved{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
        const Rect placed = PlacedOnScreens(saved, dpi(random), 96, smallest, screens);
        bool whole = false;
        for (const Rect& screen : screens)
            whole |= placed.left >= screen.left && placed.top >= screen.top && placed.right <= screen.right &&
                     placed.bottom <= screen.bottom;
        ASSERT_TRUE(whole) << saved.left << " " << saved.top << " " << saved.right << " " << saved.bottom;
        ASSERT_GE(placed.Width(), smallest.Width());
        ASSERT_GE(placed.Height(), smallest.Height());
    }
}
