#pragma once

#include "framework/core/CString.h"
#include "framework/win/Win32.h"

// The program's dialogs, menus and strings, in the language of the user's display where the
// program has them in it, and in fallback where it does not. Chosen once at start, among the
// languages that the resource of type and id exists in; until then, Windows chooses.
void ChooseResourceLanguage(LPCSTR type, UINT id, LANGID fallback);

// The bytes of the program's resource of type and id in the chosen language, or in the language
// Windows finds where it has none in that one, and where size is given, their count; null where
// there is none. type is one of the numbered types, as RT_DIALOG. The bytes are the module's, and
// last as long as the program runs.
const void* LoadLocalResource(LPCSTR type, UINT id, DWORD* size = nullptr);

// The text of the program's string resource id in UTF-8; empty when there is none.
CString LoadStringResource(UINT id);

// The program's menu resource id, which the caller destroys; null when there is none.
HMENU LoadMenuResource(UINT id);
