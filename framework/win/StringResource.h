#pragma once

#include "framework/core/CString.h"
#include "framework/win/Win32.h"

// The text of the program's string resource id in UTF-8; empty when there is none.
CString LoadStringResource(UINT id);
