#include "framework/win/CFontDialog.h"

#include <commdlg.h>

CFontDialog::CFontDialog(LOGFONTA* font, DWORD flags, HDC printer, CWnd* parent) {
    m_dialog.lStructSize = sizeof m_dialog;
    m_dialog.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_dialog.hDC = printer;
    m_dialog.lpLogFont = font;
    m_dialog.Flags = flags;
}

INT_PTR CFontDialog::DoModal() { return ::ChooseFontA(&m_dialog) ? IDOK : IDCANCEL; }
