#pragma once

#include "framework/win/Win32.h"

// Where the font selected into dc lacks glyphs of text, the description of the same font in the
// face, among the machine's, that lacks the fewest, as Windows' own font linking would choose for
// an edit control, counting each character once; false where the selected font lacks none or no
// face lacks fewer.
bool FindFallbackFont(HDC dc, const wchar_t* text, int length, LOGFONTW& fallback);
