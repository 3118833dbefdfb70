#pragma once

#include "framework/win/CFont.h"
#include "framework/win/Win32.h"

// Where the font selected into dc lacks glyphs of text, the description of the same font in the
// face, among the machine's, that lacks the fewest, as Windows' own font linking would choose for
// an edit control, counting each character once; false where the selected font lacks none or no
// face lacks fewer.
bool FindFallbackFont(HDC dc, const wchar_t* text, int length, LOGFONTW& fallback);

// Shows control, which shows text, in chosen where that font has the characters of text, and
// otherwise in the font that FindFallbackFont finds, which fallback holds while it is shown.
void ShowInFittingFont(HWND control, HFONT chosen, const wchar_t* text, int length, CFont& fallback);
