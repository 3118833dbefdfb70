#include "framework/win/CFileDialog.h"

#include <commdlg.h>
#include <cstring>

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_open(openFileDialog) {
    if (fileName) std::strncpy(m_path, fileName, sizeof m_path - 1);
    if (filter) std::strncpy(m_filter, filter, sizeof m_filter - 2);
    for (char& c : m_filter)
        if (c == '|') c = '\0';
    m_dialog.lStructSize = sizeof m_dialog;
    m_dialog.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_dialog.lpstrFilter = filter ? m_filter : nullptr;
    m_dialog.lpstrFile = m_path;
    m_dialog.nMaxFile = sizeof m_path;
    m_dialog.lpstrDefExt = defaultExtension;
    m_dialog.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
    const BOOL chosen = m_open ? ::GetOpenFileNameA(&m_dialog) : ::GetSaveFileNameA(&m_dialog);
    return chosen ? IDOK : IDCANCEL;
}
