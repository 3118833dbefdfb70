#pragma once

#include "reader/logic/Rect.h"

#include <vector>

// The main window's controls as its template places them: client pixels, at the template's size
// with the lower band shown.
struct ReaderTemplate {
    int width = 0, height = 0;
    // The verse box.
    Rect text;
    // The lower band below the verse box, which the compact window cuts off.
    int bandTop = 0, bandHeight = 0;
    std::vector<Rect> controls;
};

// Where each of the template's controls goes in a client area of width by height, in their order.
// The calendar column keeps its place at the top left; the book title, above the verse box and as
// wide, stays centred over it; the verse box takes all the room left to the right and below, less
// the template's margins and, while bandShown, the band's height; the band's controls keep their
// layout just below the verse box, those that end at its right edge moving with that edge. At the
// template's size every control is where the template puts it.
std::vector<Rect> LayOutReader(const ReaderTemplate& layout, int width, int height, bool bandShown);

// The template as a screen of toDpi shows it, for one taken on a screen of fromDpi.
ReaderTemplate ScaledTemplate(const ReaderTemplate& layout, int fromDpi, int toDpi);
