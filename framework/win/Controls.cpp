#include "framework/win/Controls.h"

namespace {

// Every edit control of the process has the same window procedure, so one variable holds it.
WNDPROC editProcedure = nullptr;

// What the control keeps of its own behaviour, as window properties.
constexpr char contextMenuProperty[] = "Quillmere.ContextMenu";
constexpr char keepSelectionProperty[] = "Quillmere.KeepSelection";

LRESULT CALLBACK OwnEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU) {
        if (const auto menu = static_cast<HMENU>(::GetPropA(window, contextMenuProperty))) {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) { // from the keyboard: at the control's corner
                at = {0, 0};
                ::ClientToScreen(window, &at);
            }
            ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, ::GetParent(window), nullptr);
            return 0;
        }
    }
    if (message == WM_NCDESTROY) {
        ::RemovePropA(window, contextMenuProperty);
        ::RemovePropA(window, keepSelectionProperty);
    }
    const LRESULT result = ::CallWindowProcW(editProcedure, window, message, wParam, lParam);
    return message == WM_GETDLGCODE && ::GetPropA(window, keepSelectionProperty) ? result & ~DLGC_HASSETSEL : result;
}

void Subclass(HWND window) {
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (previous == OwnEdit) return;
    editProcedure = previous;
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnEdit));
}

} // namespace

void CEdit::KeepSelectionOnTab() {
    ::SetPropA(m_hWnd, keepSelectionProperty, reinterpret_cast<HANDLE>(1));
    Subclass(m_hWnd);
}

void CEdit::SetContextMenu(HMENU menu) {
    ::SetPropA(m_hWnd, contextMenuProperty, menu);
    Subclass(m_hWnd);
}

// An edit control takes its alignment only when it is made: the control is made anew in its place,
// with the same id, font, place in the keyboard's order and behaviours of its own.
void CEdit::SetRightToLeft(bool rightToLeft) {
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    if (((exStyle & WS_EX_RTLREADING) != 0) == rightToLeft) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    const DWORD directionEx = WS_EX_RTLREADING | WS_EX_RIGHT;
    const HWND parent = ::GetParent(m_hWnd);
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    const HWND replacement = ::CreateWindowExW(
        (exStyle & ~directionEx) | (rightToLeft ? directionEx : 0), L"Edit", L"",
        (style & ~ES_RIGHT) | (rightToLeft ? ES_RIGHT : 0), rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(::GetDlgCtrlID(m_hWnd))),
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(m_hWnd, GWLP_HINSTANCE)), nullptr);
    if (!replacement) return;
    ::SetWindowPos(replacement, m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageW(replacement, WM_SETFONT, ::SendMessageW(m_hWnd, WM_GETFONT, 0, 0), FALSE);
    for (const char* property : {contextMenuProperty, keepSelectionProperty})
        if (HANDLE value = ::GetPropA(m_hWnd, property)) ::SetPropA(replacement, property, value);
    if (::GetPropA(replacement, contextMenuProperty) || ::GetPropA(replacement, keepSelectionProperty))
        Subclass(replacement);
    const bool focused = ::GetFocus() == m_hWnd;
    ::DestroyWindow(m_hWnd);
    m_hWnd = replacement;
    if (focused) ::SetFocus(replacement);
}

void CEdit::SetInnerMargin(int margin) {
    RECT text;
    ::GetClientRect(m_hWnd, &text);
    ::InflateRect(&text, -margin, -margin);
    ::SendMessageW(m_hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
}

int CEdit::FirstVisibleCharacter() const {
    return static_cast<int>(SendMessage(EM_LINEINDEX, SendMessage(EM_GETFIRSTVISIBLELINE)));
}

void CEdit::ScrollToTop(int character) {
    const auto line = SendMessage(EM_LINEFROMCHAR, character);
    SendMessage(EM_LINESCROLL, 0, line - SendMessage(EM_GETFIRSTVISIBLELINE));
}

BOOL CDateTimeCtrl::GetTime(CTime& time) const {
    SYSTEMTIME local{};
    if (SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&local)) != GDT_VALID) return FALSE;
    time = CTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond);
    return TRUE;
}

BOOL CDateTimeCtrl::SetTime(const CTime& time) {
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(time.GetYear());
    local.wMonth = static_cast<WORD>(time.GetMonth());
    local.wDay = static_cast<WORD>(time.GetDay());
    local.wHour = static_cast<WORD>(time.GetHour());
    local.wMinute = static_cast<WORD>(time.GetMinute());
    local.wSecond = static_cast<WORD>(time.GetSecond());
    return SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&local)) != 0;
}

SYSTEMTIME SystemTimeOf(const Date& date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    return time;
}

Date Today() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DateOf(now);
}
