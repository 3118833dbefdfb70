#include "reader/app/GoToDlg.h"

void GoToDlg::OnOK() {
    CWnd passage;
    passage.m_hWnd = GetDlgItem(IDC_PASSAGE);
    const CString message = m_goTo(static_cast<const char*>(passage.GetWindowText()));
    if (message.IsEmpty()) {
        EndDialog(IDOK);
        return;
    }
    CWnd said;
    said.m_hWnd = GetDlgItem(IDC_PASSAGE_MESSAGE);
    said.SetWindowText(message);
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, said.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    passage.SendMessage(EM_SETSEL, 0, -1);
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(passage.m_hWnd), TRUE);
}
