#include "framework/win/Controls.h"

namespace {

// Every edit control of the process has the same window procedure, so one variable holds it.
WNDPROC editProcedure = nullptr;

LRESULT CALLBACK EditWithoutSelectAll(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ::CallWindowProcA(editProcedure, window, message, wParam, lParam);
    return message == WM_GETDLGCODE ? result & ~DLGC_HASSETSEL : result;
}

} // namespace

void CEdit::KeepSelectionOnTab() {
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditWithoutSelectAll)));
    if (previous != EditWithoutSelectAll) editProcedure = previous;
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
