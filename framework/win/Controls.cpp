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
    const LRESULT result = ::CallWindowProcA(editProcedure, window, message, wParam, lParam);
    return message == WM_GETDLGCODE && ::GetPropA(window, keepSelectionProperty) ? result & ~DLGC_HASSETSEL : result;
}

void Subclass(HWND window) {
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (previous == OwnEdit) return;
    editProcedure = previous;
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnEdit));
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
