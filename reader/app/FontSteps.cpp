#include "reader/app/FontSteps.h"

namespace {
constexpr int smallest = -10;
constexpr int largest = -30;
} // namespace

std::optional<int> SmallerFontHeight(int height) {
    if (height == smallest) return std::nullopt;
    return height >= smallest - 1 ? smallest : height + 1;
}

std::optional<int> LargerFontHeight(int height) {
    if (height == largest) return std::nullopt;
    return height <= largest + 1 ? largest : height - 1;
}
