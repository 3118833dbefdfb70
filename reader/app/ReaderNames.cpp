#include "reader/app/ReaderDlg.h"

#include "framework/win/AccessibleName.h"
#include "framework/win/Resources.h"

namespace {

void NameByString(HWND control, UINT id) {
    SetAccessibleName(control, [id] { return LoadStringResource(id); });
}

} // namespace

// The controls whose window text says nothing to a screen reader: "+" and "-", the calendar and
// the pickers, which name themselves by their dates, and the logo.
void ReaderDlg::NameControls() {
    NameByString(GetDlgItem(IDC_LARGER), IDS_NAME_LARGER);
    NameByString(GetDlgItem(IDC_SMALLER), IDS_NAME_SMALLER);
    NameByString(GetDlgItem(IDC_CALENDAR), IDS_NAME_CALENDAR);
    NameByString(m_settings.GetDlgItem(IDC_AUTORUN_TIME), IDS_NAME_AUTORUN_TIME);
    NameByString(m_settings.GetDlgItem(IDC_PLAN_START), IDS_NAME_PLAN_START);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            SetAccessibleName(child, [] { return CString("Quillmere"); });
}

// The verse box is named by the heading of what it shows; a change of reading direction may have
// made the box anew.
void ReaderDlg::NameVerseBox(const CString& shown) {
    m_verseName = SpokenHeading(static_cast<const char*>(shown)).c_str();
    SetAccessibleName(m_verseBox.m_hWnd, [this] { return m_verseName; });
}

// A screen reader reads out the day that the window now shows, and whether it is read, wherever the
// focus is. At the start the window's own appearance says it.
void ReaderDlg::TellDayShown() {
    if (!::IsWindowVisible(m_hWnd)) return;
    for (const DWORD event : {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE})
        ::NotifyWinEvent(event, m_verseBox.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    TellReadState();
}

void ReaderDlg::TellReadState() {
    if (!::IsWindowVisible(m_hWnd)) return;
    for (const DWORD event : {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_STATECHANGE})
        ::NotifyWinEvent(event, GetDlgItem(IDC_READ), OBJID_CLIENT, CHILDID_SELF);
}
