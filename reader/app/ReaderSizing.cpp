#include "reader/app/ReaderDlg.h"

#include "reader/logic/DpiScaling.h"
#include "reader/logic/WindowPlacement.h"

namespace {

// The text keeps this far from the verse box's edges, at 96 DPI.
constexpr int verseMargin = 4;

Rect RectOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info)) return TRUE;
    auto& list = *reinterpret_cast<std::vector<Rect>*>(areas);
    const bool primary = info.dwFlags & MONITORINFOF_PRIMARY;
    list.insert(primary ? list.begin() : list.end(), RectOf(info.rcWork));
    return TRUE;
}

// Where Windows puts a maximised window that is restored to rect: over the work area of that
// rectangle's screen, with its sizing frame beyond the area's edges.
RECT MaximizedRect(const RECT& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
    const int padding = ::GetSystemMetrics(SM_CXPADDEDBORDER);
    ::InflateRect(&info.rcWork, ::GetSystemMetrics(SM_CXSIZEFRAME) + padding,
                  ::GetSystemMetrics(SM_CYSIZEFRAME) + padding);
    return info.rcWork;
}

// The work areas of the screens, the primary one first.
std::vector<Rect> WorkAreas() {
    std::vector<Rect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

} // namespace

// The controls where the template puts them, the settings panel among them, at the window's full
// height; and the lower band, below the resize holder's top: the compact window hides its controls,
// so that the keyboard does not reach what cannot be seen.
void ReaderDlg::TakeTemplateLayout() {
    RECT client, holder, text;
    GetClientRect(&client);
    ::GetWindowRect(GetDlgItem(IDC_RESIZE_HOLDER), &holder);
    ScreenToClient(&holder);
    ::GetWindowRect(m_verseBox.m_hWnd, &text);
    ScreenToClient(&text);
    m_template = {client.right, client.bottom, RectOf(text), holder.top, holder.bottom - holder.top, {}};
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        ::GetWindowRect(child, &rect);
        ScreenToClient(&rect);
        m_template.controls.push_back(RectOf(rect));
        m_laidOut.push_back(child);
        if (rect.top >= holder.top && (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) m_lowerBand.push_back(child);
    }
}

void ReaderDlg::ShowLowerBand(bool show) {
    for (HWND control : m_lowerBand)
        ::ShowWindow(control, show ? SW_SHOWNORMAL : SW_HIDE);
}

// The window grows by the band's height to show it and shrinks by as much to hide it; maximised, the
// verse box gives up that height instead.
void ReaderDlg::OnSettings() {
    m_settingsShown = !m_settingsShown;
    if (!m_settingsShown) ShowLowerBand(false);
    if (IsZoomed()) {
        LayOut();
    } else {
        RECT window;
        GetWindowRect(&window);
        const int band = (m_fullHeight - m_compactHeight) * (m_settingsShown ? 1 : -1);
        SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top + band,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    if (m_settingsShown) ShowLowerBand(true);
}

LRESULT ReaderDlg::OnSize(WPARAM type, LPARAM) {
    if (type != SIZE_MINIMIZED) LayOut();
    return 0;
}

// The window is never smaller than its template, with the band or without it as it is shown.
LRESULT ReaderDlg::OnGetMinMaxInfo(WPARAM, LPARAM info) {
    auto& limits = *reinterpret_cast<MINMAXINFO*>(info);
    if (m_templateWidth > 0)
        limits.ptMinTrackSize = {m_templateWidth, m_settingsShown ? m_fullHeight : m_compactHeight};
    return 0;
}

LRESULT ReaderDlg::OnWindowPosChanged(WPARAM, LPARAM) {
    if (IsZoomed() || IsIconic()) return Default();
    GetWindowRect(&m_normalRect);
    m_normalWithBand = m_settingsShown;
    return Default();
}

// Every control where the layout puts it for the client area, in one move so that nothing flickers,
// and the verse box's text with the same line on top. A control already in its place is left out:
// moving one to where it is costs as much as a real move.
void ReaderDlg::LayOut() {
    if (m_laidOut.empty()) return;
    RECT client;
    GetClientRect(&client);
    const std::vector<Rect> rects = LayOutReader(m_template, client.right, client.bottom, m_settingsShown);
    const int top = m_verseBox.FirstVisibleCharacter();
    RECT verseBefore, verseAfter;
    ::GetClientRect(m_verseBox.m_hWnd, &verseBefore);
    HDWP moves = ::BeginDeferWindowPos(static_cast<int>(rects.size()));
    for (std::size_t i = 0; i < rects.size() && moves; ++i) {
        const HWND control = m_template.controls[i] == m_template.text ? m_verseBox.m_hWnd : m_laidOut[i];
        const Rect& rect = rects[i];
        RECT placed;
        ::GetWindowRect(control, &placed);
        ScreenToClient(&placed);
        if (RectOf(placed) == rect) continue;
        moves = ::DeferWindowPos(moves, control, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) ::EndDeferWindowPos(moves);
    ::GetClientRect(m_verseBox.m_hWnd, &verseAfter);
    if (!::EqualRect(&verseBefore, &verseAfter)) FitVerseMargin();
    m_verseBox.ScrollToTop(top);
}

void ReaderDlg::FitVerseMargin() {
    m_verseBox.SetInnerMargin(ScaledToDpi(verseMargin, USER_DEFAULT_SCREEN_DPI, m_dpi));
}

// The window where it was last left, whole on a screen whatever that place was. One left maximised
// is laid out at its maximised size while it is still hidden, so that maximising it once its text is
// in moves nothing: a shown window redraws at every move, and its text wraps anew at every width.
// Hidden still, the window moves once and need not redraw.
void ReaderDlg::RestorePlace(const WindowPlace& place) {
    const Rect smallest{0, 0, m_templateWidth, m_compactHeight};
    const Rect rect = PlacedOnScreens(place.rect, place.dpi, m_dpi, smallest, WorkAreas());
    RECT shown{rect.left, rect.top, rect.right, rect.bottom};
    if (place.maximized) {
        m_restoreTo = shown;
        shown = MaximizedRect(shown);
    }
    SetWindowPos(nullptr, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    KeepPosition();
}

// Maximising keeps the rectangle the window had as the one to restore to; the one it was left with
// takes its place, moved as the placement's coordinates are from the screen's.
void ReaderDlg::ShowMaximizedIfLeftSo() {
    if (!m_restoreTo) return;
    RECT maximized;
    GetWindowRect(&maximized);
    ShowWindow(SW_MAXIMIZE);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(m_hWnd, &placement);
    const POINT shift{placement.rcNormalPosition.left - maximized.left, placement.rcNormalPosition.top - maximized.top};
    m_normalRect = *m_restoreTo;
    placement.rcNormalPosition = m_normalRect;
    ::OffsetRect(&placement.rcNormalPosition, shift.x, shift.y);
    ::SetWindowPlacement(m_hWnd, &placement);
    m_restoreTo.reset();
}

// Where the window is, as the next start opens it: without the band, which every start hides, and
// maximised where it is, or where it would be restored so from the taskbar.
WindowPlace ReaderDlg::CurrentPlace() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(m_hWnd, &placement);
    const bool maximized =
        placement.showCmd == SW_SHOWMAXIMIZED || (IsIconic() && (placement.flags & WPF_RESTORETOMAXIMIZED));
    Rect rect = RectOf(m_normalRect);
    if (m_normalWithBand) rect.bottom -= m_fullHeight - m_compactHeight;
    return {rect, maximized, m_dpi};
}
