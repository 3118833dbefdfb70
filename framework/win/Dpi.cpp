#include "framework/win/Dpi.h"

namespace {

// Both functions are newer than the Windows the programs start on, so they are looked up.
template <class Function>
Function* User32Function(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

} // namespace

UINT WindowDpi(HWND window) {
    static const auto forWindow = User32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    if (forWindow) {
        if (const UINT dpi = forWindow(window)) return dpi;
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

bool KeepFontOnDpiChange(HWND control) {
    using Behavior = DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS;
    static const auto set = User32Function<BOOL WINAPI(HWND, Behavior, Behavior)>("SetDialogControlDpiChangeBehavior");
    return set && set(control, DCDC_DISABLE_FONT_UPDATE, DCDC_DISABLE_FONT_UPDATE);
}
