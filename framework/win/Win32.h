#pragma once

// The Windows headers as every part of the window layer includes them.
#include <windows.h>
#include <commctrl.h>

// winbase.h makes GetCurrentTime a macro for GetTickCount, which would rename CTime's member.
#undef GetCurrentTime
