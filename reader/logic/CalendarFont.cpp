#include "reader/logic/CalendarFont.h"

int SmallestCalendarFontHeight(int dpi) { return -(7 * dpi + 36) / 72; }

int SmallerCalendarFontHeight(int dialogHeight, int smallest, const std::function<bool(int height)>& fits) {
    if (dialogHeight >= smallest) return dialogHeight;
    for (int height = dialogHeight + 1; height <= smallest; ++height)
        if (fits(height)) return height;
    return smallest;
}
