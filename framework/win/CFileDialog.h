#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

// The common open-file dialog.
class CFileDialog {
public:
    // filter as "Name|pattern|...|", the pairs ended by "|".
    CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                const char* filter, CWnd* parent);

    INT_PTR DoModal();
    CString GetPathName() const { return CString(m_path); }

private:
    OPENFILENAMEA m_dialog{};
    BOOL m_open;
    char m_path[MAX_PATH] = {};
    char m_filter[MAX_PATH] = {};
};
