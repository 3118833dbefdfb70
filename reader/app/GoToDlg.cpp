#include "reader/app/GoToDlg.h"

#include "framework/win/AccessibleName.h"

void GoToDlg::OnOK() {
    CWnd passage;
    passage.m_hWnd = GetDlgItem(IDC_PASSAGE);
    const CString message = m_goTo(static_cast<const char*>(passage.GetWindowText()));
    if (message.IsEmpty()) {
        EndDialog(IDOK);
        return;
    }
    SetSpokenText(GetDlgItem(IDC_PASSAGE_MESSAGE), message);
    passage.SendMessage(EM_SETSEL, 0, -1);
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(passage.m_hWnd), TRUE);
}
