#include "framework/win/CFileDialog.h"

#include "framework/core/ProgramPath.h"
#include "framework/core/WideText.h"

#include <commdlg.h>

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_open(openFileDialog) {
    if (fileName) WidePath(fileName, m_path, MAX_PATH);
    if (defaultExtension) WidePath(defaultExtension, m_defaultExtension, sizeof m_defaultExtension / sizeof(wchar_t));
    // The pairs as Windows takes them: each text ended by a NUL, and the list by another.
    const Wide wideFilter(filter ? filter : "");
    m_filter.assign(static_cast<const wchar_t*>(wideFilter), wideFilter + wideFilter.Length() + 1);
    for (wchar_t& c : m_filter)
        if (c == L'|') c = L'\0';
    m_filter.push_back(L'\0');
    m_dialog.lStructSize = sizeof m_dialog;
    m_dialog.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_dialog.lpstrFilter = filter ? m_filter.data() : nullptr;
    m_dialog.lpstrFile = m_path;
    m_dialog.nMaxFile = MAX_PATH;
    m_dialog.lpstrDefExt = defaultExtension ? m_defaultExtension : nullptr;
    m_dialog.Flags = flags | OFN_EXPLORER;
}

void CFileDialog::SetInitialFolder(const char* folder) {
    m_dialog.lpstrInitialDir = WidePath(folder, m_initialFolder, MAX_PATH) ? m_initialFolder : nullptr;
}

INT_PTR CFileDialog::DoModal() {
    const BOOL chosen = m_open ? ::GetOpenFileNameW(&m_dialog) : ::GetSaveFileNameW(&m_dialog);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(Utf8FromWide(m_path).c_str()); }
