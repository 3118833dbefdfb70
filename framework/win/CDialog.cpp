#include "framework/win/CDialog.h"

#include "framework/win/Resources.h"

#include <cstring>

namespace {

// The month calendar, the date-time picker and the list view are registered once, before the first
// dialog.
void RegisterCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
}

// Messages whose result the dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

} // namespace

// The dialog runs in a loop of its own, as a modal one does, with its owner disabled meanwhile. A
// dialog already shown, maximised for one, keeps its state: only one still hidden is shown, at the
// first moment nothing waits, where Wine's dialog box loop would show any dialog normal again.
INT_PTR CDialog::DoModal() {
    RegisterCommonControls();
    const HWND owner = m_parent ? m_parent->m_hWnd : nullptr;
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(LoadLocalResource(RT_DIALOG, m_templateId));
    if (!dialogTemplate) return -1;
    m_modal = true;
    m_ended = false;
    m_result = -1;
    m_disabledOwner = owner && ::IsWindowEnabled(owner) ? owner : nullptr;
    if (m_disabledOwner) ::EnableWindow(m_disabledOwner, FALSE);
    if (::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this)))
        RunModalLoop();
    EnableOwner();
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    return m_result;
}

void CDialog::EnableOwner() {
    if (m_disabledOwner) ::EnableWindow(m_disabledOwner, TRUE);
    m_disabledOwner = nullptr;
}

void CDialog::RunModalLoop() {
    bool showWhenIdle = !(::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE);
    MSG message;
    while (!m_ended && m_hWnd) {
        if (showWhenIdle && !::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(SW_SHOWNORMAL);
            showWhenIdle = false;
        }
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) { // a quit asked for while the dialog runs is left for the loop outside it
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!::IsDialogMessageW(m_hWnd, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    RegisterCommonControls();
    m_templateId = templateId;
    m_parent = parent;
    m_modal = false;
    const HWND owner = parent ? parent->m_hWnd : nullptr;
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(LoadLocalResource(RT_DIALOG, templateId));
    return dialogTemplate && ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, owner,
                                                          DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int result) {
    if (m_modal && !m_ended) {
        m_ended = true;
        m_result = result;
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0); // wakes the loop when ended from a message sent to it
        EnableOwner(); // before the dialog goes, so that the owner becomes the active window again
    }
    ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange{this, saveAndValidate};
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    ExecuteDialogInit();
    UpdateData(FALSE);
    return TRUE;
}

// The dialog initialisation data of the template, a resource of type 240 with the template's id:
// entries of a control id (16 bits), a message (16 bits), a length (32 bits) and that many bytes,
// which are sent to the control as the message's lParam; a control id of 0 ends the list.
void CDialog::ExecuteDialogInit() {
    DWORD size = 0;
    const auto* data = static_cast<const BYTE*>(LoadLocalResource(MAKEINTRESOURCEA(240), m_templateId, &size));
    for (DWORD at = 0; data && at + 8 <= size;) {
        WORD id, message;
        DWORD length;
        std::memcpy(&id, data + at, 2);
        std::memcpy(&message, data + at + 2, 2);
        std::memcpy(&length, data + at + 4, 4);
        at += 8;
        if (id == 0 || length > size - at) break;
        ::SendDlgItemMessageA(m_hWnd, id, message, 0, reinterpret_cast<LPARAM>(data + at));
        at += length;
    }
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    switch (message) {
    case WM_INITDIALOG:
        *result = OnInitDialog();
        if (m_modal && !m_keepPosition) CenterOnScreen();
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return false;
        if (LOWORD(wParam) == IDOK)
            OnOK();
        else if (LOWORD(wParam) == IDCANCEL)
            OnCancel();
        else
            return false;
        *result = 0;
        return true;
    default:
        return false;
    }
}

// A modal dialog whose template gives no position of its own is centred on the work area.
void CDialog::CenterOnScreen() {
    if (::GetWindowLongA(m_hWnd, GWL_STYLE) & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) return;
    RECT window, area;
    GetWindowRect(&window);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int x = area.left + (area.right - area.left - (window.right - window.left)) / 2;
    const int y = area.top + (area.bottom - area.top - (window.bottom - window.top)) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!dialog) return FALSE;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    }

    // A handler may send messages that come back here before it returns.
    const bool outerLeftToDefault = dialog->m_leftToDefault;
    dialog->m_leftToDefault = false;
    LRESULT result = 0;
    const bool handled = dialog->OnWndMsg(message, wParam, lParam, &result) && !dialog->m_leftToDefault;
    dialog->m_leftToDefault = outerLeftToDefault;
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}
