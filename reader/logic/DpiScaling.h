#pragma once

// A size in pixels (a font's height, a window's) on a screen of toDpi for what it was on one of
// fromDpi, rounded to the nearest pixel; unchanged where either DPI is not positive.
int ScaledToDpi(int value, int fromDpi, int toDpi);
