#include "reader/app/ReaderDlg.h"

#include "contract/ProgramNames.h"
#include "framework/core/ProgramPath.h"
#include "framework/win/CFileDialog.h"
#include "framework/win/CFontDialog.h"
#include "framework/win/CWinApp.h"
#include "framework/win/Dpi.h"
#include "framework/win/StringResource.h"
#include "reader/app/Autorun.h"
#include "reader/app/CalendarFont.h"
#include "reader/app/DpiScaling.h"
#include "reader/app/FontSteps.h"
#include "reader/book/VerseOfDay.h"

#include <mmsystem.h>

namespace {

// Posted to the window after a change of DPI, to run once the dialog manager has laid it out anew.
constexpr UINT WM_FIT_CALENDAR = WM_APP + 1;

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

} // namespace

const MessageEntry<ReaderDlg> ReaderDlg::messageMap[] = {
    OnMessage<&ReaderDlg::OnPaint>(WM_PAINT),
    OnMessage<&ReaderDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    OnNotify<&ReaderDlg::OnCalendarSelChange>(MCN_SELCHANGE, IDC_CALENDAR),
    OnNotify<&ReaderDlg::OnCalendarSelect>(MCN_SELECT, IDC_CALENDAR),
    OnClicked<&ReaderDlg::OnSettings>(IDC_SETTINGS),
    OnClicked<&ReaderDlg::OnExit>(IDOK),
    OnClicked<&ReaderDlg::OnSmaller>(IDC_SMALLER),
    OnClicked<&ReaderDlg::OnLarger>(IDC_LARGER),
    OnClicked<&ReaderDlg::OnFonts>(IDC_FONTS),
    OnClicked<&ReaderDlg::OnSelectBook>(IDC_SELECT_BOOK),
    OnClicked<&ReaderDlg::OnAbout>(IDC_ABOUT),
    OnMessageWithParams<&ReaderDlg::OnDpiChanged>(WM_DPICHANGED),
    OnMessage<&ReaderDlg::FitCalendar>(WM_FIT_CALENDAR),
};

ReaderDlg::ReaderDlg(CWnd* parent)
    : CDialog(IDD, parent), m_bookTitle(""), m_icon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

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

    if (!m_settings.LoadSettings(m_programDirectory, SETTINGS_FILE_NAME))
        AfxMessageBox("Welcome to Quillmere!  Click on Settings to configure Quillmere on your first use!", MB_OK);
    m_settingsShown = false;
    SetWindowPos(nullptr, 0, 0, width, m_compactHeight, SWP_NOMOVE);
    ShowLowerBand(false);
    if (m_settings.HasFont()) ShowVerseFont(m_settings.ApplyFont(nullptr));

    if (m_book.OpenBook(m_settings.m_bookPath)) {
        m_book.GetTitleAndDescription(m_bookTitle, m_bookDescription);
        std::string chime;
        if (m_settings.m_chime && JoinProgramPath(static_cast<const char*>(m_programDirectory), CHIME_FILE_NAME, chime))
            ::PlaySoundA(chime.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    } else {
        ShowBookError(m_settings.m_bookPath);
        m_bookTitle = "No book selected!";
    }
    UpdateData(FALSE);
    ShowVerse();
    return TRUE;
}

CString ReaderDlg::ProgramDirectory() const { return AfxGetProgramFolder(); }

AutorunPlatform& ReaderDlg::Platform() { return Win32AutorunPlatform(); }

void ReaderDlg::ShowVerse() {
    SYSTEMTIME date{};
    m_calendar.GetCurSel(&date);
    m_verseBox.SetWindowText(VerseTextForDate(m_book, date.wDay, date.wMonth, date.wYear));
    m_aboutShown = false;
    UpdateData(TRUE);
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
                       "Books (*.pdb)|*.pdb|", this);
    if (dialog.DoModal() != IDOK) return;
    const CString path = dialog.GetPathName();
    if (m_book.OpenBook(path)) {
        m_book.GetTitleAndDescription(m_bookTitle, m_bookDescription);
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

// About shows the book's description and the About text; About again shows the day's text.
void ReaderDlg::OnAbout() {
    if (m_aboutShown) {
        ShowVerse();
        return;
    }
    m_verseBox.SetWindowText(m_bookDescription + LoadStringResource(IDS_ABOUT));
    m_aboutShown = true;
    UpdateData(TRUE);
}

void ReaderDlg::GetVerseFont(LOGFONTA* description) {
    const auto font = reinterpret_cast<HGDIOBJ>(m_verseBox.SendMessage(WM_GETFONT));
    if (font && ::GetObjectA(font, sizeof *description, description) != 0) return;
    if (!font && ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof *description, description) != 0) return;
    *description = LOGFONTA{};
}

void ReaderDlg::SetVerseFont(const LOGFONTA* description) {
    if (!description) return;
    CWinApp* app = AfxGetApp();
    app->BeginWaitCursor();
    ShowVerseFont(m_settings.ApplyFont(description));
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

// The verse box keeps the user's font when the window moves to a screen of another DPI:
// OnDpiChanged scales it.
void ReaderDlg::ShowVerseFont(const CFont* font) {
    m_verseBox.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    KeepFontOnDpiChange(m_verseBox.m_hWnd);
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
    MessageBox(CString("Failed to open book \"") + path + "\"\nPlease download from " PRODUCT_URL, "Error!", MB_OK);
}
