#include "reader/logic/ReaderLayout.h"

#include "reader/logic/DpiScaling.h"

#include <algorithm>

namespace {

Rect Moved(Rect rect, int dx, int dy) { return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy}; }

Rect Scaled(const Rect& rect, int fromDpi, int toDpi) {
    return {ScaledToDpi(rect.left, fromDpi, toDpi), ScaledToDpi(rect.top, fromDpi, toDpi),
            ScaledToDpi(rect.right, fromDpi, toDpi), ScaledToDpi(rect.bottom, fromDpi, toDpi)};
}

} // namespace

std::vector<Rect> LayOutReader(const ReaderTemplate& layout, int width, int height, bool bandShown) {
    const Rect& text = layout.text;
    const int below = layout.height - text.bottom - (bandShown ? 0 : layout.bandHeight);
    const Rect grown{text.left, text.top, std::max(text.right, width - (layout.width - text.right)),
                     std::max(text.bottom, height - below)};
    const int dx = grown.right - text.right, dy = grown.bottom - text.bottom;
    std::vector<Rect> placed;
    placed.reserve(layout.controls.size());
    for (const Rect& control : layout.controls) {
        if (control == text)
            placed.push_back(grown);
        else if (control.top >= layout.bandTop)
            placed.push_back(Moved(control, control.right >= text.right ? dx : 0, dy));
        else if (control.bottom <= text.top && control.left == text.left && control.right == text.right)
            placed.push_back({control.left, control.top, grown.right, control.bottom});
        else
            placed.push_back(control);
    }
    return placed;
}

ReaderTemplate ScaledTemplate(const ReaderTemplate& layout, int fromDpi, int toDpi) {
    ReaderTemplate scaled = layout;
    const auto scale = [&](int value) { return ScaledToDpi(value, fromDpi, toDpi); };
    scaled.width = scale(layout.width);
    scaled.height = scale(layout.height);
    scaled.text = Scaled(layout.text, fromDpi, toDpi);
    scaled.bandTop = scale(layout.bandTop);
    scaled.bandHeight = scale(layout.bandHeight);
    for (Rect& control : scaled.controls)
        control = Scaled(control, fromDpi, toDpi);
    return scaled;
}
