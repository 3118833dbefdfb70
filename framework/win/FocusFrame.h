#pragma once

#include "framework/win/Win32.h"

// Draws a dotted frame just inside control while it has the focus, for the controls that show
// none of their own (Wine's month calendar and date pickers), so that the keyboard's place shows.
void ShowFocusFrame(HWND control);
