#include "reader/app/ReaderDlg.h"

#include "contract/ProgramNames.h"
#include "framework/core/CodePage.h"
#include "framework/core/WideText.h"
#include "framework/core/ProgramPath.h"
#include "framework/win/CFileDialog.h"
#include "framework/win/CFontDialog.h"
#include "framework/win/CWinApp.h"
#include "framework/win/Dpi.h"
#include "framework/win/FontFallback.h"
#include "framework/win/Resources.h"
#include "reader/app/Autorun.h"
#include "reader/app/CalendarFont.h"
#include "reader/app/DpiScaling.h"
#include "reader/app/FontSteps.h"
#include "reader/book/TextDirection.h"
#include "reader/book/VerseOfDay.h"

#include <mmsystem.h>

#include <cstring>

namespace {

// Posted to the window after a change of DPI, to run once the dialog manager has laid it out anew.
constexpr UINT WM_FIT_CALENDAR = WM_APP + 1;

// The window whose day keys the thread's keyboard hook hands over; one main window at a time.
ReaderDlg* dayKeysWindow = nullptr;
HHOOK dayKeysHook = nullptr;

// The dialog manager's modal loop has no accelerators: a message-filter hook sees the keys first.
LRESULT CALLBACK DayKeys(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && dayKeysWindow &&
        dayKeysWindow->OnDayKey(message->hwnd, message->wParam))
        return TRUE;
    return ::CallNextHookEx(dayKeysHook, code, wParam, lParam);
}

Date Today() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DateOf(now);
}

// A date as the user's Windows writes it in full.
CString LongDate(const Date& date) {
    const SYSTEMTIME time = SystemTimeOf(date);
    wchar_t text[100] = {};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, text, 100);
    return Utf8FromWide(text).c_str();
}

void SetText(HWND window, const char* text) { ::SetWindowTextW(window, Wide(text)); }

// Puts text on the clipboard in format, as one block of memory.
void SetClipboardBytes(UINT format, const void* text, std::size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return;
    std::memcpy(::GlobalLock(memory), text, size);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(format, memory)) ::GlobalFree(memory);
}

// The words around a day's text, in the language of the window.
DayWords LocalDayWords() {
    return {LoadStringResource(IDS_VERSE), LoadStringResource(IDS_PLAN_DAY), LoadStringResource(IDS_PLAN_NOT_BEGUN),
            LoadStringResource(IDS_PLAN_ENDED), LoadStringResource(IDS_COPIED_PLAN_DAY)};
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

} // namespace

const MessageEntry<ReaderDlg> ReaderDlg::messageMap[] = {
    OnMessage<&ReaderDlg::OnPaint>(WM_PAINT),
    OnMessage<&ReaderDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    OnNotify<&ReaderDlg::OnCalendarSelChange>(MCN_SELCHANGE, IDC_CALENDAR),
    OnClicked<&ReaderDlg::OnSettings>(IDC_SETTINGS),
    OnClicked<&ReaderDlg::OnExit>(IDOK),
    OnClicked<&ReaderDlg::OnSmaller>(IDC_SMALLER),
    OnClicked<&ReaderDlg::OnLarger>(IDC_LARGER),
    OnClicked<&ReaderDlg::OnFonts>(IDC_FONTS),
    OnClicked<&ReaderDlg::OnSelectBook>(IDC_SELECT_BOOK),
    OnClicked<&ReaderDlg::OnAbout>(IDC_ABOUT),
    OnNotify<&ReaderDlg::OnCalendarSelect>(MCN_SELECT, IDC_CALENDAR),
    OnNotify<&ReaderDlg::OnGetDayState>(MCN_GETDAYSTATE, IDC_CALENDAR),
    OnClicked<&ReaderDlg::OnRead>(IDC_READ),
    OnClicked<&ReaderDlg::OnCatchUp>(IDC_CATCH_UP),
    OnClicked<&ReaderDlg::CopyDay>(IDM_COPY_DAY),
    OnClicked<&ReaderDlg::OnCopy>(IDM_COPY),
    OnClicked<&ReaderDlg::OnSelectAll>(IDM_SELECT_ALL),
    OnMessage<&ReaderDlg::OnDestroy>(WM_DESTROY),
    OnMessageWithParams<&ReaderDlg::OnDpiChanged>(WM_DPICHANGED),
    OnMessage<&ReaderDlg::FitCalendar>(WM_FIT_CALENDAR),
};

ReaderDlg::ReaderDlg(CWnd* parent)
    : CDialog(IDD, parent), m_bookTitle(""), m_icon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)), m_dayWords(LocalDayWords()) {
}

BOOL ReaderDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_dpi = WindowDpi(m_hWnd);
    FitCalendar();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    RECT holder, window;
    ::GetWindowRect(GetDlgItem(IDC_RESIZE_HOLDER), &holder);
    GetWindowRect(&window);
    m_fullHeight = Height(window);
    m_compactHeight = m_fullHeight - Height(holder);
    const int width = Width(window);

    m_programDirectory = ProgramDirectory();

    RECT placeholder;
    ::GetWindowRect(GetDlgItem(IDC_SETTINGS_PLACEHOLDER), &placeholder);
    ScreenToClient(&placeholder);
    m_settings.m_platform = &Platform();
    m_settings.Create(SettingsDlg::IDD, this);
    // After "Fonts" in the keyboard's order: the panel's controls come after the Display buttons.
    ::SetWindowPos(m_settings.m_hWnd, GetDlgItem(IDC_FONTS), placeholder.left, placeholder.top, 0, 0, SWP_NOSIZE);
    m_settings.ShowWindow(SW_SHOWNORMAL);
    FindLowerBand(holder.top);
    m_verseBox.KeepSelectionOnTab();
    m_verseMenu = LoadMenuResource(IDR_VERSE_MENU);
    m_verseBox.SetContextMenu(m_verseMenu);

    std::string progressPath;
    if (JoinProgramPath(static_cast<const char*>(m_programDirectory), PROGRESS_FILE_NAME, progressPath))
        m_progress = ReadProgressFile(progressPath.c_str());
    m_settings.m_onPlanStart = [this](const Date& start) { OnPlanStart(start); };
    const bool settingsFound = m_settings.LoadSettings(m_programDirectory, SETTINGS_FILE_NAME);
    if (!settingsFound) AfxMessageBox(LoadStringResource(IDS_WELCOME), MB_OK);
    m_settingsShown = false;
    SetWindowPos(nullptr, 0, 0, width, m_compactHeight, SWP_NOMOVE);
    ShowLowerBand(false);
    // The verse box takes the font with the day's text.
    if (m_settings.HasFont()) m_settings.ApplyFont(nullptr);

    if (OpenBook(m_settings.m_bookPath)) {
        // The book an older reader showed by the calendar, before there was any progress.
        BeginProgress(settingsFound && m_progress.empty());
        std::string chime;
        if (m_settings.m_chime && JoinProgramPath(static_cast<const char*>(m_programDirectory), CHIME_FILE_NAME, chime))
            ::PlaySoundW(Wide(chime), nullptr, SND_FILENAME | SND_ASYNC);
    } else {
        ShowBookError(m_settings.m_bookPath);
        m_bookTitle = LoadStringResource(IDS_NO_BOOK);
    }
    UpdateData(FALSE);
    ShowVerse();
    dayKeysWindow = this;
    dayKeysHook = ::SetWindowsHookExW(WH_MSGFILTER, DayKeys, nullptr, ::GetCurrentThreadId());
    return TRUE;
}

void ReaderDlg::OnCopy() { m_verseBox.SendMessage(WM_COPY); }

void ReaderDlg::OnSelectAll() { m_verseBox.SendMessage(EM_SETSEL, 0, -1); }

void ReaderDlg::OnDestroy() {
    if (m_verseMenu) ::DestroyMenu(m_verseMenu);
    m_verseMenu = nullptr;
    if (dayKeysHook) ::UnhookWindowsHookEx(dayKeysHook);
    dayKeysHook = nullptr;
    dayKeysWindow = nullptr;
    Default();
}

CString ReaderDlg::ProgramDirectory() const { return AfxGetProgramFolder(); }

AutorunPlatform& ReaderDlg::Platform() { return Win32AutorunPlatform(); }

void ReaderDlg::ShowVerse() {
    const Date start = Progress().start;
    ShowVerseText(TextForDate(m_book, m_bookInfo.kind, start, SelectedDate(), LongDate(start),
                              LongDate(DateOfPlanDay(start, daysInCommonYear)), m_dayWords));
    m_aboutShown = false;
    ShowReadState();
    UpdateData(TRUE);
}

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

// Each change of the progress is saved when it is made: a mark is the user's act, not a setting
// to confirm, so leaving with Esc keeps it, and a crash loses none.
void ReaderDlg::SaveProgress() {
    std::string path;
    if (!JoinProgramPath(static_cast<const char*>(m_programDirectory), PROGRESS_FILE_NAME, path)) return;
    WriteProgressFile(path.c_str(), KeptProgress(m_progress));
}

// The "Read" box: whether the shown day is read, and how many are.
void ReaderDlg::ShowReadState() {
    const Date date = SelectedDate();
    const BookProgress& progress = Progress();
    const HWND box = GetDlgItem(IDC_READ);
    CString text;
    if (m_bookInfo.kind == BookKind::plan)
        text.Format(LoadStringResource(IDS_READ_OF_PLAN), DaysRead(progress, m_bookInfo.kind, date.year),
                    daysInCommonYear);
    else
        text.Format(LoadStringResource(IDS_READ_IN_YEAR), DaysRead(progress, m_bookInfo.kind, date.year), date.year);
    SetText(box, text);
    ::SendMessageW(box, BM_SETCHECK, IsRead(progress, m_bookInfo.kind, date) ? BST_CHECKED : BST_UNCHECKED, 0);
    ::EnableWindow(box, ReadMarkOf(m_bookInfo.kind, progress.start, date) != 0);
}

void ReaderDlg::OnRead() {
    if (ToggleRead(Progress(), m_bookInfo.kind, SelectedDate())) SaveProgress();
    ShowReadState();
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
        states[i] = ReadDaysOfMonth(progress, m_bookInfo.kind, year, month);
}

void ReaderDlg::SetDayStates() {
    SYSTEMTIME range[2] = {};
    const int months =
        static_cast<int>(m_calendar.SendMessage(MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
    if (months <= 0 || months > 12) return;
    MONTHDAYSTATE states[12] = {};
    FillDayStates(range[0], months, states);
    m_calendar.SendMessage(MCM_SETDAYSTATE, months, reinterpret_cast<LPARAM>(states));
}

void ReaderDlg::OnPlanStart(const Date& start) {
    Progress().start = start;
    SaveProgress();
    SetDayStates();
    ShowVerse();
}

void ReaderDlg::OnCatchUp() {
    BookProgress& progress = Progress();
    progress.start = CatchUpStart(progress, Today());
    SaveProgress();
    m_settings.ShowPlanStart(true, progress.start);
    SelectDate(Today());
}

bool ReaderDlg::OnDayKey(HWND window, WPARAM key) {
    if (window != m_hWnd && !::IsChild(m_hWnd, window)) return false;
    const bool control = ::GetKeyState(VK_CONTROL) < 0, shift = ::GetKeyState(VK_SHIFT) < 0;
    // Page Up and Page Down scroll a long day in the verse box; elsewhere they change the day.
    const bool pages = window != m_verseBox.m_hWnd;
    const Date date = SelectedDate();
    const int day = DaysSinceEpoch(date);
    if ((control && key == VK_LEFT) || (pages && !control && key == VK_PRIOR))
        SelectDate(DateOfDaysSinceEpoch(day - 1));
    else if ((control && key == VK_RIGHT) || (pages && !control && key == VK_NEXT))
        SelectDate(DateOfDaysSinceEpoch(day + 1));
    else if ((control && key == VK_HOME) || (!control && key == VK_HOME && window == m_calendar.m_hWnd))
        SelectDate(Today());
    else if (control && !shift && key == 'D')
        OnRead();
    else if (control && shift && key == 'C')
        CopyDay();
    else
        return false;
    return true;
}

// The shown day's text, under no heading, with where it comes from: the book's title, and for a
// plan the day. On the clipboard as Unicode, and as ANSI text for programs that read no other.
void ReaderDlg::CopyDay() {
    const CString text =
        CopiedDayText(m_book, m_bookInfo.kind, Progress().start, SelectedDate(), m_bookTitle, m_dayWords);
    if (text.IsEmpty()) return;
    const Wide wide(static_cast<const char*>(text));
    std::string ansi;
    FromUtf8(static_cast<const char*>(text), ansiCodePage, ansi);
    if (!::OpenClipboard(m_hWnd)) return;
    ::EmptyClipboard();
    SetClipboardBytes(CF_UNICODETEXT, wide, (wide.Length() + 1) * sizeof(wchar_t));
    SetClipboardBytes(CF_TEXT, ansi.c_str(), ansi.size() + 1);
    ::CloseClipboard();
}

// clang-format off
void ReaderDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_CALENDAR,   m_calendar);
    DDX_Control(pDX, IDC_VERSE,      m_verseBox);
    DDX_Text(pDX,    IDC_BOOK_TITLE, m_bookTitle);
}
// clang-format on

bool ReaderDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return DispatchMessageMap(messageMap, *this, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

// While minimised the window shows the main icon in the middle of its client area.
void ReaderDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - cx + 1) / 2;
    const int y = (client.bottom - client.top - cy + 1) / 2;
    ::DrawIcon(dc.m_hDC, x, y, m_icon);
}

HCURSOR ReaderDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_icon); }

void ReaderDlg::OnCalendarSelChange(NMHDR*, LRESULT* result) {
    *result = 0;
    ShowVerse();
}

// A click on the day already selected changes no selection, but brings its text back from About.
void ReaderDlg::OnCalendarSelect(NMHDR*, LRESULT* result) {
    *result = 0;
    if (m_aboutShown) ShowVerse();
}

void ReaderDlg::OnSettings() {
    RECT window;
    GetWindowRect(&window);
    const int width = Width(window);
    m_settingsShown = !m_settingsShown;
    if (m_settingsShown) ShowLowerBand(true);
    SetWindowPos(nullptr, 0, 0, width, m_settingsShown ? m_fullHeight : m_compactHeight, SWP_NOMOVE);
    if (!m_settingsShown) ShowLowerBand(false);
}

// The controls in the band below the resize holder's top, the settings panel among them, that the
// window shows: the compact window cuts them off, and hides them, so that the keyboard does not
// reach what cannot be seen.
void ReaderDlg::FindLowerBand(int holderTop) {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        ::GetWindowRect(child, &rect);
        if (rect.top >= holderTop && (::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) m_lowerBand.push_back(child);
    }
}

void ReaderDlg::ShowLowerBand(bool show) {
    for (HWND control : m_lowerBand)
        ::ShowWindow(control, show ? SW_SHOWNORMAL : SW_HIDE);
}

void ReaderDlg::OnExit() {
    m_settings.SaveSettings();
    m_settings.EndDialog(0);
    m_book.CloseBook();
    EndDialog(0);
}

void ReaderDlg::OnSelectBook() {
    CFileDialog dialog(TRUE, "pdb", "*.pdb", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST,
                       LoadStringResource(IDS_BOOK_FILTER), this);
    if (dialog.DoModal() != IDOK) return;
    const CString path = dialog.GetPathName();
    if (OpenBook(path)) {
        BeginProgress(false);
        UpdateData(FALSE);
        m_settings.m_bookPath = path;
        m_settings.UpdateData(FALSE);
        ShowVerse();
    } else {
        ShowBookError(path);
        // The selection failed as if it had been cancelled: the previous book stays the current one.
        m_book.OpenBook(m_settings.m_bookPath);
    }
}

// Opens path as the current book, its texts read in its code page, or where it names none that
// this machine knows, in the system's.
bool ReaderDlg::OpenBook(const CString& path) {
    if (!m_book.OpenBook(path)) return false;
    m_bookInfo = m_book.GetBookInfo();
    m_book.SetTextCodePage(KnownCodePage(m_bookInfo.codePage) ? m_bookInfo.codePage : ansiCodePage);
    m_book.GetTitleAndDescription(m_bookTitle, m_bookDescription);
    // The title in the dialog's font, or one that has its characters.
    const Wide title(static_cast<const char*>(m_bookTitle));
    ShowInFittingFont(GetDlgItem(IDC_BOOK_TITLE), reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), title,
                      title.Length(), m_titleFallbackFont);
    return true;
}

// About shows the book's description and the About text; About again shows the day's text.
void ReaderDlg::OnAbout() {
    if (m_aboutShown) {
        ShowVerse();
        return;
    }
    ShowVerseText(m_bookDescription + LoadStringResource(IDS_ABOUT));
    m_aboutShown = true;
    UpdateData(TRUE);
}

// The text in the verse box, right-aligned in right-to-left order where it reads so, in a font that
// has its characters.
void ReaderDlg::ShowVerseText(const CString& text) {
    m_verseBox.SetRightToLeft(ReadsRightToLeft(static_cast<const char*>(text)));
    const Wide wide(static_cast<const char*>(text));
    ::SetWindowTextW(m_verseBox.m_hWnd, wide);
    FitVerseFont(wide);
}

// The verse box shows the chosen font where it has the characters of its text, and otherwise the
// same font in a face that has them, as Windows' font linking would. The box keeps the font when
// the window moves to a screen of another DPI: OnDpiChanged scales it.
void ReaderDlg::FitVerseFont(const Wide& wide) {
    ShowInFittingFont(m_verseBox.m_hWnd, VerseFont(), wide, wide.Length(), m_fallbackFont);
    KeepFontOnDpiChange(m_verseBox.m_hWnd);
}

// The font the user chose for the verse, or where none is chosen, the dialog's.
HFONT ReaderDlg::VerseFont() const {
    if (const HFONT chosen = m_settings.m_verseFont.GetSafeHandle()) return chosen;
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

void ReaderDlg::GetVerseFont(LOGFONTA* description) {
    const HGDIOBJ font = VerseFont();
    if (font && ::GetObjectA(font, sizeof *description, description) != 0) return;
    if (!font && ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof *description, description) != 0) return;
    *description = LOGFONTA{};
}

void ReaderDlg::SetVerseFont(const LOGFONTA* description) {
    if (!description) return;
    CWinApp* app = AfxGetApp();
    app->BeginWaitCursor();
    m_settings.ApplyFont(description);
    FitVerseFont(Wide(static_cast<const char*>(m_verseBox.GetWindowText())));
    m_verseBox.UpdateWindow();
    app->EndWaitCursor();
}

void ReaderDlg::OnFonts() {
    LOGFONTA description;
    GetVerseFont(&description);
    CFontDialog dialog(&description, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT);
    if (dialog.DoModal() == IDOK) SetVerseFont(&description);
}

void ReaderDlg::OnSmaller() { StepVerseFont(SmallerFontHeight); }

void ReaderDlg::OnLarger() { StepVerseFont(LargerFontHeight); }

// Changes only the height of the verse box's font, by the step rule given; nothing at all when
// the rule says the height stays.
void ReaderDlg::StepVerseFont(std::optional<int> (*step)(int characterHeight)) {
    LOGFONTA description;
    GetVerseFont(&description);
    if (const std::optional<int> height = step(VerseCharacterHeight(description))) {
        description.lfHeight = *height;
        SetVerseFont(&description);
    }
}

// A description that gives a cell height, or none, is measured as the verse box would show it.
int ReaderDlg::VerseCharacterHeight(const LOGFONTA& description) {
    TEXTMETRICA metrics{};
    if (description.lfHeight < 0) return CharacterHeight(description.lfHeight, 0, 0);
    CFont font;
    if (HDC dc = ::GetDC(m_verseBox.m_hWnd)) {
        if (font.CreateFontIndirect(&description)) {
            const HGDIOBJ previous = ::SelectObject(dc, font.GetSafeHandle());
            ::GetTextMetricsA(dc, &metrics);
            ::SelectObject(dc, previous);
        }
        ::ReleaseDC(m_verseBox.m_hWnd, dc);
    }
    return CharacterHeight(description.lfHeight, metrics.tmHeight, metrics.tmInternalLeading);
}

// Where the calendar needs more room than its rectangle in the template (Wine's calendar does in
// Tahoma 8), it is drawn in a smaller font, so that it shows whole and every other control stays
// where the template puts it. A calendar that fits keeps the dialog font.
void ReaderDlg::FitCalendar() {
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (m_calendarFont.GetSafeHandle()) {
        m_calendar.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
        m_calendarFont.DeleteObject();
    }
    LOGFONTA font{};
    if (CalendarFits() || !dialogFont || ::GetObjectA(dialogFont, sizeof font, &font) == 0) return;
    SmallerCalendarFontHeight(font.lfHeight, SmallestCalendarFontHeight(m_dpi), [&](int height) {
        font.lfHeight = height;
        if (!m_calendarFont.CreateFontIndirect(&font)) return false;
        m_calendar.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_calendarFont.GetSafeHandle()), TRUE);
        return CalendarFits();
    });
}

// MCM_GETMINREQRECT leaves out the border, as the client rectangle does.
bool ReaderDlg::CalendarFits() const {
    RECT client, minimum{};
    m_calendar.GetClientRect(&client);
    m_calendar.SendMessage(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum));
    return Width(minimum) <= Width(client) && Height(minimum) <= Height(client);
}

// Windows moved the window to a screen of another DPI. The window takes the rectangle Windows
// suggests and both its heights follow; the verse font keeps its size in points, and is the font
// saved on exit; the dialog manager then scales the template's fonts and controls.
LRESULT ReaderDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const int dpi = HIWORD(wParam);
    m_fullHeight = ScaledToDpi(m_fullHeight, m_dpi, dpi);
    m_compactHeight = ScaledToDpi(m_compactHeight, m_dpi, dpi);
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(nullptr, suggested.left, suggested.top, Width(suggested), Height(suggested),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_settings.HasFont()) {
        LOGFONTA description = m_settings.m_fontDescription;
        description.lfHeight = ScaledToDpi(description.lfHeight, m_dpi, dpi);
        description.lfWidth = ScaledToDpi(description.lfWidth, m_dpi, dpi);
        SetVerseFont(&description);
    }
    m_dpi = dpi;
    ::PostMessageA(m_hWnd, WM_FIT_CALENDAR, 0, 0);
    return Default();
}

void ReaderDlg::ShowBookError(const CString& path) {
    CString message;
    message.Format(LoadStringResource(IDS_BOOK_NOT_OPENED), static_cast<const char*>(path));
    MessageBox(message, LoadStringResource(IDS_ERROR), MB_OK);
}
