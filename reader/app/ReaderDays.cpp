#include "reader/app/ReaderDlg.h"

#include "framework/win/Resources.h"
#include "reader/logic/ProgressFile.h"

#include <cstdlib>

Date ReaderDlg::SelectedDate() const {
    SYSTEMTIME date{};
    m_calendar.GetCurSel(&date);
    return DateOf(date);
}

// Selects date in the calendar as a click on it would, and shows it.
void ReaderDlg::SelectDate(const Date& date) {
    SYSTEMTIME time = SystemTimeOf(date);
    m_calendar.SendMessage(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time));
    SetDayStates();
    ShowVerse();
}

// The open book's progress: a plan begun now starts today, or on 1 January for the book an
// upgrade finds chosen already, and is saved at once.
void ReaderDlg::BeginProgress(bool upgradedBook) {
    const std::vector<BookProgress> before = m_progress;
    const BookProgress& progress =
        ProgressOf(m_progress, static_cast<const char*>(m_bookTitle), m_bookInfo.kind, Today(), upgradedBook);
    if (m_bookInfo.kind == BookKind::plan && !(m_progress == before)) SaveProgress();
    m_settings.ShowPlanStart(m_bookInfo.kind == BookKind::plan, progress.start);
    ::EnableWindow(GetDlgItem(IDC_CATCH_UP), m_bookInfo.kind == BookKind::plan);
    SetDayStates();
}

BookProgress& ReaderDlg::Progress() {
    return ProgressOf(m_progress, static_cast<const char*>(m_bookTitle), m_bookInfo.kind, Today(), false);
}

// Each change of the progress is saved when it is made, so that a crash or a killed reader loses
// none.
void ReaderDlg::SaveProgress() {
    const std::string& path = m_settings.m_files.progress;
    if (!path.empty()) WriteProgressFile(path.c_str(), KeptProgress(m_progress));
}

// The "Read" box: whether the shown day is read, and how many are.
void ReaderDlg::ShowReadState() {
    const Date date = SelectedDate();
    const BookProgress& progress = Progress();
    const HWND box = GetDlgItem(IDC_READ);
    CString text;
    if (m_bookInfo.kind == BookKind::plan)
        text.Format(LoadStringResource(IDS_READ_OF_PLAN),
                    DaysRead(progress, m_bookInfo.kind, date.year, m_bookInfo.planDays), int{m_bookInfo.planDays});
    else
        text.Format(LoadStringResource(IDS_READ_IN_YEAR), DaysRead(progress, m_bookInfo.kind, date.year), date.year);
    ::SetWindowTextW(box, Wide(static_cast<const char*>(text)));
    ::SendMessageW(box, BM_SETCHECK,
                   IsRead(progress, m_bookInfo.kind, date, m_bookInfo.planDays) ? BST_CHECKED : BST_UNCHECKED, 0);
    ::EnableWindow(box, ReadMarkOf(m_bookInfo.kind, progress.start, date, m_bookInfo.planDays) != 0);
    ShowStanding();
}

// Where the reader stands on today, whatever day the window shows: "3 days behind", "On track ·
// 12 days in a row".
void ReaderDlg::ShowStanding() {
    const Standing standing = StandingOf(Progress(), m_bookInfo.kind, Today(), m_bookInfo.planDays);
    const int days = std::abs(standing.ahead);
    CString text = LoadStringResource(IDS_ON_TRACK);
    if (standing.ahead != 0)
        text.Format(LoadStringResource(standing.ahead < 0 ? (days == 1 ? IDS_ONE_DAY_BEHIND : IDS_DAYS_BEHIND)
                                                          : (days == 1 ? IDS_ONE_DAY_AHEAD : IDS_DAYS_AHEAD)),
                    days);
    if (standing.inARow >= 2) {
        CString run;
        run.Format(LoadStringResource(IDS_IN_A_ROW), standing.inARow);
        text += run;
    }
    ::SetWindowTextW(GetDlgItem(IDC_STANDING), Wide(static_cast<const char*>(text)));
}

void ReaderDlg::OnRead() {
    if (ToggleRead(Progress(), m_bookInfo.kind, SelectedDate(), m_bookInfo.planDays)) SaveProgress();
    ShowReadState();
    TellReadState();
    SetDayStates();
}

// The calendar shows the days read in bold.
void ReaderDlg::OnGetDayState(NMHDR* header, LRESULT* result) {
    *result = 0;
    const auto* request = reinterpret_cast<const NMDAYSTATE*>(header);
    FillDayStates(request->stStart, request->cDayState, request->prgDayState);
}

// The days read of count months from first's on, for the calendar's day states.
void ReaderDlg::FillDayStates(const SYSTEMTIME& first, int count, MONTHDAYSTATE* states) {
    const BookProgress& progress = Progress();
    int year = first.wYear, month = first.wMonth;
    for (int i = 0; i < count; ++i, month = month % 12 + 1, year += month == 1)
        states[i] = ReadDaysOfMonth(progress, m_bookInfo.kind, year, month, m_bookInfo.planDays);
}

void ReaderDlg::SetDayStates() {
    SYSTEMTIME range[2] = {};
    const int months =
        static_cast<int>(m_calendar.SendMessage(MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
    if (months <= 0 || months > 12) return;
    MONTHDAYSTATE states[12] = {};
    FillDayStates(range[0], months, states);
    m_calendar.SendMessage(MCM_SETDAYSTATE, months, reinterpret_cast<LPARAM>(states));
    // Drawn at once: another book's bold days must not stay until the calendar next paints.
    ::InvalidateRect(m_calendar.m_hWnd, nullptr, FALSE);
}

void ReaderDlg::OnPlanStart(const Date& start) {
    Progress().start = start;
    SaveProgress();
    SetDayStates();
    ShowVerse();
}

void ReaderDlg::OnCatchUp() {
    BookProgress& progress = Progress();
    progress.start = CatchUpStart(progress, Today(), m_bookInfo.planDays);
    SaveProgress();
    m_settings.ShowPlanStart(true, progress.start);
    SelectDate(Today());
}
