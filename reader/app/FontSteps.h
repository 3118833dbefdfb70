#pragma once

#include <optional>

// One step of the verse font's lfHeight, a character height when negative: "-" makes the
// characters smaller down to height 10, "+" larger up to height 30. Nothing at all happens for
// "-" at exactly -10 and for "+" at exactly -30. The steps know nothing of the sign convention:
// any height above -10 goes to -10 with "-", and "+" lowers a positive height one by one.
std::optional<int> SmallerFontHeight(int height);
std::optional<int> LargerFontHeight(int height);
