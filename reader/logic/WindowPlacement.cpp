#include "reader/logic/WindowPlacement.h"

#include "reader/logic/DpiScaling.h"

#include <algorithm>
#include <cstdint>

namespace {

// The area that a and b share, counted wide enough for any two rectangles.
std::int64_t SharedArea(const Rect& a, const Rect& b) {
    const std::int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// A saved length, from start to end, scaled to dpi, no shorter than smallest nor, where it can be,
// longer than room. No screen is near the longest length an int holds, so one is cut short first.
int Bounded(int start, int end, int savedDpi, int dpi, int smallest, int room) {
    constexpr std::int64_t longest = 1 << 20;
    const auto length = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{end} - start, 0, longest));
    return std::max(smallest, std::min(ScaledToDpi(length, savedDpi, dpi), room));
}

// start moved just far enough that length from it lies within low to high, or starting at low
// where it cannot.
int Within(int start, int length, int low, int high) {
    return static_cast<int>(std::max<std::int64_t>(low, std::min<std::int64_t>(start, std::int64_t{high} - length)));
}

} // namespace

Rect PlacedOnScreens(const Rect& saved, int savedDpi, int dpi, const Rect& smallest,
                     const std::vector<Rect>& workAreas) {
    if (workAreas.empty()) return {0, 0, smallest.Width(), smallest.Height()};
    const Rect* area = &workAreas.front();
    std::int64_t shown = 0;
    for (const Rect& candidate : workAreas)
        if (const std::int64_t shared = SharedArea(saved, candidate); shared > shown) {
            shown = shared;
            area = &candidate;
        }
    const int width = Bounded(saved.left, saved.right, savedDpi, dpi, smallest.Width(), area->Width());
    const int height = Bounded(saved.top, saved.bottom, savedDpi, dpi, smallest.Height(), area->Height());
    const int left = Within(saved.left, width, area->left, area->right);
    const int top = Within(saved.top, height, area->top, area->bottom);
    return {left, top, left + width, top + height};
}
