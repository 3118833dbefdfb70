#pragma once

#include "framework/win/Win32.h"

// The DPI that window is drawn at: its monitor's where Windows knows it per window (10, version
// 1607 on), else the screen's.
UINT WindowDpi(HWND window);

// Keeps the dialog manager from giving control the rescaled dialog font when its dialog moves to
// a screen of another DPI, where Windows can (10, version 1703 on); false where it cannot.
bool KeepFontOnDpiChange(HWND control);
