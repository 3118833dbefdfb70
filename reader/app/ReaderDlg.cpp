#include "reader/app/ReaderDlg.h"

#include "contract/ProgramNames.h"
#include "framework/core/CodePage.h"
#include "framework/core/ProgramPath.h"
#include "framework/win/CFileDialog.h"
#include "framework/win/CWinApp.h"
#include "framework/win/Dpi.h"
#include "framework/win/FontFallback.h"
#include "framework/win/Resources.h"
#include "reader/app/Autorun.h"
#include "reader/book/TextDirection.h"
#include "reader/book/VerseNumbers.h"

#include <mmsystem.h>

namespace {

// The words around a day's text, in the language of the window.
DayWords LocalDayWords() {
    return {LoadStringResource(IDS_VERSE), LoadStringResource(IDS_PLAN_DAY), LoadStringResource(IDS_PLAN_NOT_BEGUN),
            LoadStringResource(IDS_PLAN_ENDED), LoadStringResource(IDS_COPIED_PLAN_DAY)};
}

// The folder of the book at bookPath where it is there, else the program's, where the shipped
// books lie.
std::string BookFolder(const std::string& bookPath, const std::string& programDirectory) {
    const std::string folder = bookPath.substr(0, FolderLength(bookPath.c_str()));
    wchar_t wide[MAX_PATH];
    const DWORD attributes = !folder.empty() && WidePath(folder.c_str(), wide, MAX_PATH) ? ::GetFileAttributesW(wide)
                                                                                         : INVALID_FILE_ATTRIBUTES;
    const bool there = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return there ? folder : programDirectory;
}

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
    // The rest in the order of their handlers' files: this one's, then the days read, the
    // passages, the look, the keys, the copies, the fonts and the window's size.
    OnNotify<&ReaderDlg::OnCalendarSelect>(MCN_SELECT, IDC_CALENDAR),
    OnMessage<&ReaderDlg::OnDestroy>(WM_DESTROY),
    OnMessageWithParams<&ReaderDlg::OnEndSession>(WM_ENDSESSION),
    OnClicked<&ReaderDlg::OnRead>(IDC_READ),
    OnNotify<&ReaderDlg::OnGetDayState>(MCN_GETDAYSTATE, IDC_CALENDAR),
    OnClicked<&ReaderDlg::OnCatchUp>(IDC_CATCH_UP),
    OnMenuCommand<&ReaderDlg::OnGoTo>(IDM_GO_TO),
    OnMenuCommand<&ReaderDlg::OnFind>(IDM_FIND),
    OnClicked<&ReaderDlg::OnLookClicked>(IDC_VERSE_NUMBERS),
    OnClicked<&ReaderDlg::OnLookClicked>(IDC_DARK_BACKGROUND),
    OnMessageWithParams<&ReaderDlg::OnCtlColorStatic>(WM_CTLCOLORSTATIC),
    OnMessageWithParams<&ReaderDlg::OnParentNotify>(WM_PARENTNOTIFY),
    OnMessage<&ReaderDlg::OnFocusSettled>(WM_FOCUS_SETTLED),
    OnMenuCommand<&ReaderDlg::CopyDay>(IDM_COPY_DAY),
    OnMenuCommand<&ReaderDlg::OnCopy>(IDM_COPY),
    OnMenuCommand<&ReaderDlg::OnSelectAll>(IDM_SELECT_ALL),
    OnMessageWithParams<&ReaderDlg::OnDpiChanged>(WM_DPICHANGED),
    OnMessage<&ReaderDlg::OnDpiSettled>(WM_DPI_SETTLED),
    OnMessageWithParams<&ReaderDlg::OnSize>(WM_SIZE),
    OnMessageWithParams<&ReaderDlg::OnGetMinMaxInfo>(WM_GETMINMAXINFO),
    OnMessageWithParams<&ReaderDlg::OnWindowPosChanged>(WM_WINDOWPOSCHANGED),
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
    m_fullHeight = window.bottom - window.top;
    m_compactHeight = m_fullHeight - (holder.bottom - holder.top);
    m_templateWidth = window.right - window.left;

    m_programDirectory = ProgramDirectory();

    RECT placeholder;
    ::GetWindowRect(GetDlgItem(IDC_SETTINGS_PLACEHOLDER), &placeholder);
    ScreenToClient(&placeholder);
    m_settings.m_platform = &Platform();
    m_settings.Create(SettingsDlg::IDD, this);
    // After "Fonts" in the keyboard's order: the panel's controls come after the Display buttons.
    ::SetWindowPos(m_settings.m_hWnd, GetDlgItem(IDC_FONTS), placeholder.left, placeholder.top, 0, 0, SWP_NOSIZE);
    m_settings.ShowWindow(SW_SHOWNORMAL);
    TakeTemplateLayout();
    m_verseBox.KeepSelectionOnTab();
    m_verseMenu = LoadMenuResource(IDR_VERSE_MENU);
    m_verseBox.SetContextMenu(m_verseMenu);
    NameControls();
    ShowKeyboardPlace();

    m_settings.m_onPlanStart = [this](const Date& start) { OnPlanStart(start); };
    const bool settingsFound = m_settings.LoadSettings(m_programDirectory, SETTINGS_FILE_NAME);
    const ProgramFiles& files = m_settings.m_files;
    if (!files.progress.empty()) m_progress = ReadProgressFile(files.progress.c_str());
    if (!settingsFound) AfxMessageBox(LoadStringResource(IDS_WELCOME), MB_OK);
    ShowLookChoice();
    m_settingsShown = false;
    // Hidden still, the window need not redraw: under Wine that alone is most of the move's time.
    SetWindowPos(nullptr, 0, 0, m_templateWidth, m_compactHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    ShowLowerBand(false);
    if (m_settings.m_window) RestorePlace(*m_settings.m_window);
    // The verse box takes the font with the day's text.
    if (m_settings.HasFont()) m_settings.ApplyFont(nullptr);

    if (OpenBook(m_settings.m_bookPath)) {
        // The book an older reader showed by the calendar, before there was any progress.
        BeginProgress(settingsFound && m_progress.empty());
        if (m_settings.m_chime && !files.chime.empty())
            ::PlaySoundW(Wide(files.chime.c_str()), nullptr, SND_FILENAME | SND_ASYNC);
    } else {
        ShowBookError(m_settings.m_bookPath);
        m_bookTitle = LoadStringResource(IDS_NO_BOOK);
    }
    UpdateData(FALSE);
    ShowVerse();
    ShowMaximizedIfLeftSo();
    HookDayKeys();
    return TRUE;
}

void ReaderDlg::OnDestroy() {
    if (m_verseMenu) ::DestroyMenu(m_verseMenu);
    m_verseMenu = nullptr;
    UnhookDayKeys();
    Default();
}

CString ReaderDlg::LongDate(const Date& date) {
    const SYSTEMTIME time = SystemTimeOf(date);
    wchar_t text[100] = {};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, text, 100);
    return Utf8FromWide(text).c_str();
}

CString ReaderDlg::ProgramDirectory() const { return AfxGetProgramFolder(); }

AutorunPlatform& ReaderDlg::Platform() { return Win32AutorunPlatform(); }

void ReaderDlg::ShowVerse() {
    const Date start = Progress().start;
    CString text = TextForDate(m_book, m_bookInfo.kind, start, SelectedDate(), LongDate(start),
                               LongDate(DateOfPlanDay(start, m_bookInfo.planDays)), m_dayWords, m_bookInfo.planDays);
    if (!m_settings.m_look.verseNumbers) text = ShownWithoutVerseNumbers(static_cast<const char*>(text)).c_str();
    ShowVerseText(text, text);
    m_aboutShown = false;
    ShowReadState();
    TellDayShown();
    UpdateData(TRUE);
}

void ReaderDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_CALENDAR, m_calendar);
    DDX_Control(pDX, IDC_VERSE, m_verseBox);
    DDX_Text(pDX, IDC_BOOK_TITLE, m_bookTitle);
}

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

void ReaderDlg::OnExit() { Leave(0); }

void ReaderDlg::OnCancel() { Leave(IDCANCEL); }

// However the reader is left, what the user chose is kept, the window's place with it, and the
// daily start armed or stopped as the settings say.
void ReaderDlg::Leave(int result) {
    m_settings.m_window = CurrentPlace();
    m_settings.SaveSettings();
    m_settings.EndDialog(0);
    m_book.CloseBook();
    EndDialog(result);
}

// Windows ends the reader once this returns, and starts no program while the session ends: the
// settings are written, and the daily start stays as the start of this reader armed it.
LRESULT ReaderDlg::OnEndSession(WPARAM ending, LPARAM) {
    if (ending) {
        m_settings.m_window = CurrentPlace();
        m_settings.SaveChoices();
    }
    return 0;
}

void ReaderDlg::OnSelectBook() {
    CFileDialog dialog(TRUE, "pdb", "*.pdb", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST,
                       LoadStringResource(IDS_BOOK_FILTER), this);
    dialog.SetInitialFolder(
        BookFolder(static_cast<const char*>(m_settings.m_bookPath), static_cast<const char*>(m_programDirectory))
            .c_str());
    if (dialog.DoModal() != IDOK) return;
    const CString path = dialog.GetPathName();
    if (OpenBook(path)) {
        BeginProgress(false);
        UpdateData(FALSE);
        m_settings.m_bookPath = path;
        m_settings.UpdateData(FALSE);
        m_settings.SaveChoices();
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
    ForgetMatches();
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
    const CString about = LoadStringResource(IDS_ABOUT);
    ShowVerseText(m_bookDescription + about, about);
    m_aboutShown = true;
    TellDayShown();
    UpdateData(TRUE);
}

// The text in the verse box, right-aligned in right-to-left order where it reads so, in a font that
// has its characters.
void ReaderDlg::ShowVerseText(const CString& text, const CString& named) {
    m_verseBox.SetRightToLeft(ReadsRightToLeft(static_cast<const char*>(text)));
    NameVerseBox(named);
    ShowInVerseFont(Wide(static_cast<const char*>(text)));
}

void ReaderDlg::ShowBookError(const CString& path) {
    CString message;
    message.Format(LoadStringResource(IDS_BOOK_NOT_OPENED), static_cast<const char*>(path));
    MessageBox(message, LoadStringResource(IDS_ERROR), MB_OK);
}
