#pragma once

#include "framework/win/CWnd.h"

// The common font dialog. It starts at *font and writes the user's choice into that same
// LOGFONTA; the caller keeps ownership of it.
class CFontDialog {
public:
    CFontDialog(LOGFONTA* font, DWORD flags, HDC printer = nullptr, CWnd* parent = nullptr);
    INT_PTR DoModal();

private:
    CHOOSEFONTA m_dialog{};
};
