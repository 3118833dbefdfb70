#pragma once

#include "framework/core/CString.h"
#include "framework/win/Win32.h"

#include <functional>

// Gives a control the name a screen reader hears for it, in place of its window text: a "+"
// button reads "Larger text", a date picker what it sets. The control answers a screen reader's
// WM_GETOBJECT with the system's own accessible object, all of it but the name; name is asked at
// each question, so it follows what the control shows. Naming a control again replaces its name.
void SetAccessibleName(HWND control, std::function<CString()> name);

// Shows text in a static, a message the user is to hear, and tells screen readers that its name
// changed: Wine raises no such event itself.
void SetSpokenText(HWND label, const CString& text);
