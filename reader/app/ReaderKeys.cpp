#include "reader/app/ReaderDlg.h"

#include "framework/win/FocusFrame.h"
#include "reader/logic/DayKeys.h"

namespace {

// The window whose day keys the thread's keyboard hook hands over; one main window at a time.
ReaderDlg* dayKeysWindow = nullptr;
HHOOK dayKeysHook = nullptr;

// The dialog's loop hands every message to IsDialogMessage, which lets a message-filter hook see the
// keys first.
LRESULT CALLBACK DayKeys(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && dayKeysWindow &&
        dayKeysWindow->OnDayKey(message->hwnd, message->wParam))
        return TRUE;
    return ::CallNextHookEx(dayKeysHook, code, wParam, lParam);
}

bool IsPushButton(HWND window) {
    const auto code = ::SendMessageW(window, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

Key KeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        return Key::left;
    case VK_RIGHT:
        return Key::right;
    case VK_UP:
        return Key::up;
    case VK_DOWN:
        return Key::down;
    case VK_RETURN:
        return Key::enter;
    case VK_HOME:
        return Key::home;
    case VK_PRIOR:
        return Key::pageUp;
    case VK_NEXT:
        return Key::pageDown;
    case 'C':
        return Key::letterC;
    case 'D':
        return Key::letterD;
    case 'G':
        return Key::letterG;
    case 'F':
        return Key::letterF;
    case VK_F3:
        return Key::f3;
    default:
        return Key::other;
    }
}

} // namespace

// The keyboard's place always shows: a frame in the controls that draw no focus, and the look of
// the default button only on the push button that has the focus, for Enter presses no other.
void ReaderDlg::ShowKeyboardPlace() {
    for (HWND control :
         {m_calendar.m_hWnd, m_settings.GetDlgItem(IDC_AUTORUN_TIME), m_settings.GetDlgItem(IDC_PLAN_START)})
        ShowFocusFrame(control);
    SendMessage(DM_SETDEFID, noDefaultButton);
}

// A click may leave the look of the default button on the push button clicked before.
LRESULT ReaderDlg::OnParentNotify(WPARAM event, LPARAM) {
    if (LOWORD(event) == WM_LBUTTONDOWN) ::PostMessageW(m_hWnd, WM_FOCUS_SETTLED, 0, 0);
    return 0;
}

void ReaderDlg::OnFocusSettled() {
    const HWND focus = ::GetFocus();
    for (HWND parent : {m_hWnd, m_settings.m_hWnd})
        for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (IsPushButton(child)) {
                const bool shown = (::SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
                if (shown != (child == focus))
                    ::SendMessageW(child, BM_SETSTYLE, child == focus ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
            }
}

void ReaderDlg::HookDayKeys() {
    dayKeysWindow = this;
    dayKeysHook = ::SetWindowsHookExW(WH_MSGFILTER, DayKeys, nullptr, ::GetCurrentThreadId());
}

void ReaderDlg::UnhookDayKeys() {
    if (dayKeysHook) ::UnhookWindowsHookEx(dayKeysHook);
    dayKeysHook = nullptr;
    dayKeysWindow = nullptr;
}

bool ReaderDlg::OnDayKey(HWND window, WPARAM key) {
    if (window != m_hWnd && !::IsChild(m_hWnd, window)) return false;
    const KeyPlace place = window == m_verseBox.m_hWnd   ? KeyPlace::verseBox
                           : window == m_calendar.m_hWnd ? KeyPlace::calendar
                           : IsPushButton(window)        ? KeyPlace::pushButton
                                                         : KeyPlace::elsewhere;
    const int day = DaysSinceEpoch(SelectedDate());
    switch (DayCommandOf(KeyOf(key), ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0, place)) {
    case DayCommand::previousDay:
        SelectDate(DateOfDaysSinceEpoch(day - 1));
        return true;
    case DayCommand::nextDay:
        SelectDate(DateOfDaysSinceEpoch(day + 1));
        return true;
    case DayCommand::previousWeek:
        SelectDate(DateOfDaysSinceEpoch(day - 7));
        return true;
    case DayCommand::nextWeek:
        SelectDate(DateOfDaysSinceEpoch(day + 7));
        return true;
    case DayCommand::today:
        SelectDate(Today());
        return true;
    case DayCommand::showDay:
        ShowVerse();
        return true;
    case DayCommand::ignore:
        return true;
    case DayCommand::markRead:
        OnRead();
        return true;
    case DayCommand::copyDay:
        CopyDay();
        return true;
    case DayCommand::goTo:
        OnGoTo();
        return true;
    case DayCommand::find:
        OnFind();
        return true;
    case DayCommand::nextMatch:
        ShowNextMatch(1);
        return true;
    case DayCommand::previousMatch:
        ShowNextMatch(-1);
        return true;
    case DayCommand::none:
        break;
    }
    return false;
}
