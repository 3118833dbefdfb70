#include "framework/win/DataExchange.h"

#include "framework/win/Controls.h"

namespace {

CWnd Control(CDataExchange* pDX, int id) {
    CWnd control;
    control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
    return control;
}

} // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!control.m_hWnd) control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd control = Control(pDX, id);
    if (pDX->m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    CWnd control = Control(pDX, id);
    if (pDX->m_bSaveAndValidate)
        value = control.SendMessage(BM_GETCHECK) == BST_CHECKED ? 1 : 0;
    else
        control.SendMessage(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int id, CTime& value) {
    CDateTimeCtrl picker;
    picker.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate)
        picker.GetTime(value);
    else
        picker.SetTime(value);
}
