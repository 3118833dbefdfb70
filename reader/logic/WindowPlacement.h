#pragma once

#include "reader/logic/Rect.h"

#include <vector>

// Where a window that was last at saved, on a screen of savedDpi, opens on screens of dpi whose work
// areas are given, the primary screen's first: at its saved size scaled to dpi, no smaller than
// smallest and no larger than the work area that shows most of it (the primary one where none
// shows any), and moved just far enough to lie whole inside that area. Any rectangle at all, however
// far off, inverted or large, gives a window whole on a screen.
Rect PlacedOnScreens(const Rect& saved, int savedDpi, int dpi, const Rect& smallest,
                     const std::vector<Rect>& workAreas);
