#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

#include <vector>

// The common open-file dialog; its texts and the path chosen are UTF-8.
class CFileDialog {
public:
    // filter as "Name|pattern|...|", the pairs ended by "|".
    CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                const char* filter, CWnd* parent);

    // The dialog opens in folder, in UTF-8, rather than where the last one was left.
    void SetInitialFolder(const char* folder);
    INT_PTR DoModal();
    CString GetPathName() const;

private:
    OPENFILENAMEW m_dialog{};
    BOOL m_open;
    wchar_t m_path[MAX_PATH] = {};
    std::vector<wchar_t> m_filter;
    wchar_t m_defaultExtension[16] = {};
    wchar_t m_initialFolder[MAX_PATH] = {};
};
