#pragma once

#include <functional>

// Font heights are character heights in pixels, negative as LOGFONTA holds them.

// The smallest calendar font that stays readable: 7 points at dpi.
int SmallestCalendarFontHeight(int dpi);

// The height to draw a calendar at that does not fit its rectangle with the dialog font: the
// first of the heights one pixel smaller each, from just below dialogHeight down to smallest, at
// which fits(height) holds, or smallest where none does. fits is asked in that order and no
// further than needed, so the last height asked is the one returned. A dialog font no larger than
// smallest is kept, and fits is not asked.
int SmallerCalendarFontHeight(int dialogHeight, int smallest, const std::function<bool(int height)>& fits);
