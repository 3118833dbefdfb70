#include "reader/app/ReaderDlg.h"

#include "reader/logic/TextColours.h"

namespace {

bool HighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

} // namespace

void ReaderDlg::ShowLookChoice() {
    ::CheckDlgButton(m_hWnd, IDC_VERSE_NUMBERS, m_settings.m_look.verseNumbers ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_DARK_BACKGROUND, m_settings.m_look.darkBackground ? BST_CHECKED : BST_UNCHECKED);
}

// A look chosen is kept and shows at once, the text where it was; matches found in the text as it
// was shown are found again.
void ReaderDlg::OnLookClicked() {
    const TextLook before = m_settings.m_look;
    m_settings.m_look = {::IsDlgButtonChecked(m_hWnd, IDC_VERSE_NUMBERS) == BST_CHECKED,
                         ::IsDlgButtonChecked(m_hWnd, IDC_DARK_BACKGROUND) == BST_CHECKED};
    m_settings.SaveChoices();
    if (m_settings.m_look.verseNumbers != before.verseNumbers) {
        ForgetMatches();
        const LRESULT topLine = m_verseBox.SendMessage(EM_GETFIRSTVISIBLELINE);
        if (!m_aboutShown) ShowVerse();
        m_verseBox.SendMessage(EM_LINESCROLL, 0, topLine);
    }
    ::InvalidateRect(m_verseBox.m_hWnd, nullptr, TRUE);
}

// The verse box, read-only, asks for its colours as a static control does: the system's window
// colours, or the dark ones where the user chose them and Windows is not in high contrast.
LRESULT ReaderDlg::OnCtlColorStatic(WPARAM context, LPARAM control) {
    if (reinterpret_cast<HWND>(control) != m_verseBox.m_hWnd) return Default();
    const TextColours colours = VerseBoxColours(HighContrast(), m_settings.m_look.darkBackground,
                                                {::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW)});
    const auto dc = reinterpret_cast<HDC>(context);
    ::SetTextColor(dc, colours.text);
    ::SetBkColor(dc, colours.background);
    ::SetDCBrushColor(dc, colours.background);
    return reinterpret_cast<LRESULT>(::GetStockObject(DC_BRUSH));
}
