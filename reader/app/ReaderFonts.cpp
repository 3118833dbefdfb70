#include "reader/app/ReaderDlg.h"

#include "framework/win/CFontDialog.h"
#include "framework/win/CWinApp.h"
#include "framework/win/Dpi.h"
#include "framework/win/FontFallback.h"
#include "reader/logic/CalendarFont.h"
#include "reader/logic/DpiScaling.h"
#include "reader/logic/FontSteps.h"

#include <algorithm>

namespace {

// The face that font shows in, into description: the font dialog lists faces, not the names that
// stand for them, such as the dialogs' "MS Shell Dlg", and for a name it does not list it opens on
// its first face and size.
void TakeShownFace(HWND window, HFONT font, LOGFONTA& description) {
    HDC dc = ::GetDC(window);
    if (!dc) return;
    const HGDIOBJ previous = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    char face[LF_FACESIZE];
    if (::GetTextFaceA(dc, LF_FACESIZE, face) > 0) std::copy(std::begin(face), std::end(face), description.lfFaceName);
    ::SelectObject(dc, previous);
    ::ReleaseDC(window, dc);
}

} // namespace

// The verse box shows the chosen font where it has the characters of its text, and otherwise the
// same font in a face that has them, as Windows' font linking would. The box keeps the font when
// the window moves to a screen of another DPI: OnDpiChanged scales it.
void ReaderDlg::FitVerseFont(const Wide& text) {
    ShowInFittingFont(m_verseBox.m_hWnd, VerseFont(), text, text.Length(), m_fallbackFont);
    KeepFontOnDpiChange(m_verseBox.m_hWnd);
    FitVerseMargin();
}

// The box lays out its whole text anew at every change of font, of margin and of text: it takes
// the font and the margin while it is empty, and the text last.
void ReaderDlg::ShowInVerseFont(const Wide& text) {
    ::SetWindowTextW(m_verseBox.m_hWnd, L"");
    FitVerseFont(text);
    ::SetWindowTextW(m_verseBox.m_hWnd, text);
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
    const int top = m_verseBox.FirstVisibleCharacter();
    m_settings.ApplyFont(description);
    FitVerseFont(Wide(static_cast<const char*>(m_verseBox.GetWindowText())));
    m_verseBox.ScrollToTop(top);
    m_verseBox.UpdateWindow();
    m_settings.SaveChoices();
    app->EndWaitCursor();
}

void ReaderDlg::OnFonts() {
    LOGFONTA description;
    GetVerseFont(&description);
    TakeShownFace(m_verseBox.m_hWnd, VerseFont(), description);
    // Faces for text set in columns ("@...") would turn the verse on its side.
    CFontDialog dialog(&description, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS);
    if (dialog.DoModal() != IDOK) return;
    // A size beyond what the reader shows, 716 points say, would take the window minutes to lay out.
    if (const std::optional<int> height = ChosenFontHeight(VerseCharacterHeight(description), m_dpi))
        description.lfHeight = *height;
    SetVerseFont(&description);
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
    return minimum.right - minimum.left <= client.right - client.left &&
           minimum.bottom - minimum.top <= client.bottom - client.top;
}

// Windows moved the window to a screen of another DPI. The window takes the rectangle Windows
// suggests and its smallest sizes and layout follow; the verse font keeps its size in points, and
// is the font saved; the dialog manager then scales the template's fonts and controls, and once it
// has, the calendar is fitted and the window laid out anew.
LRESULT ReaderDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const int dpi = HIWORD(wParam);
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    m_template = ScaledTemplate(m_template, m_dpi, dpi);
    // The smallest size, rounded otherwise, never makes the window larger than the rectangle.
    m_templateWidth = std::min<int>(ScaledToDpi(m_templateWidth, m_dpi, dpi), suggested.right - suggested.left);
    m_fullHeight = ScaledToDpi(m_fullHeight, m_dpi, dpi);
    m_compactHeight = ScaledToDpi(m_compactHeight, m_dpi, dpi);
    int& smallest = m_settingsShown ? m_fullHeight : m_compactHeight;
    smallest = std::min<int>(smallest, suggested.bottom - suggested.top);
    SetWindowPos(nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_settings.HasFont()) {
        LOGFONTA description = m_settings.m_fontDescription;
        description.lfHeight = ScaledToDpi(description.lfHeight, m_dpi, dpi);
        description.lfWidth = ScaledToDpi(description.lfWidth, m_dpi, dpi);
        SetVerseFont(&description);
    }
    m_dpi = dpi;
    ::PostMessageA(m_hWnd, WM_DPI_SETTLED, 0, 0);
    return Default();
}

void ReaderDlg::OnDpiSettled() {
    FitCalendar();
    LayOut();
}
