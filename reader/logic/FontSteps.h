#pragma once

#include <optional>

// The character height that a font description's lfHeight stands for. A negative lfHeight is one
// already; a positive one is a cell height and 0 the font's default, so both stand for the cell
// height that the font reports less its internal leading.
int CharacterHeight(int lfHeight, int cellHeight, int internalLeading);

// One step of the verse font from a character height: the lfHeight one smaller ("-") or one
// larger ("+"), within character heights 10 to 30. Nothing happens where the step would leave that
// range, so a step never goes the other way: "-" does nothing at 10 or below, "+" at 30 or above.
std::optional<int> SmallerFontHeight(int characterHeight);
std::optional<int> LargerFontHeight(int characterHeight);

// The lfHeight that brings a character height chosen in the font dialog within what the reader
// shows: from the smallest step, 10, to 72 points on a screen of dpi; nothing where it is within.
std::optional<int> ChosenFontHeight(int characterHeight, int dpi);
