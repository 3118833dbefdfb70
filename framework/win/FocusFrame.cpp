#include "framework/win/FocusFrame.h"

namespace {

constexpr UINT_PTR subclassId = 0x46524D45; // "FRME"

LRESULT CALLBACK FramedControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = ::DefSubclassProc(control, message, wParam, lParam);
        ::InvalidateRect(control, nullptr, FALSE);
        return result;
    }
    case WM_PAINT: {
        if (wParam || ::GetFocus() != control) break;
        // The frame is drawn over what the control painted, and only there: elsewhere it is whole.
        HRGN painted = ::CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(control, painted, FALSE);
        const LRESULT result = ::DefSubclassProc(control, message, wParam, lParam);
        HDC dc = ::GetDC(control);
        ::SelectClipRgn(dc, painted);
        RECT frame;
        ::GetClientRect(control, &frame);
        ::InflateRect(&frame, -1, -1);
        ::DrawFocusRect(dc, &frame);
        ::ReleaseDC(control, dc);
        ::DeleteObject(painted);
        return result;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(control, FramedControl, subclassId);
        break;
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void ShowFocusFrame(HWND control) { ::SetWindowSubclass(control, FramedControl, subclassId, 0); }
