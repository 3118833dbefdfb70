#include "reader/logic/FontSteps.h"

#include <climits>

namespace {
constexpr int smallest = 10;
constexpr int largest = 30;
} // namespace

int CharacterHeight(int lfHeight, int cellHeight, int internalLeading) {
    if (lfHeight < 0) return lfHeight == INT_MIN ? INT_MAX : -lfHeight;
    return cellHeight - internalLeading;
}

std::optional<int> SmallerFontHeight(int characterHeight) {
    if (characterHeight <= smallest) return std::nullopt;
    return -(characterHeight - 1);
}

std::optional<int> ChosenFontHeight(int characterHeight, int dpi) {
    const int most = dpi; // 72 points
    if (characterHeight >= smallest && characterHeight <= most) return std::nullopt;
    return -(characterHeight < smallest ? smallest : most);
}

std::optional<int> LargerFontHeight(int characterHeight) {
    if (characterHeight >= largest) return std::nullopt;
    return -(characterHeight + 1);
}
