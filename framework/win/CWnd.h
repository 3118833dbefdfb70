#pragma once

#include "framework/core/CString.h"
#include "framework/win/Win32.h"

// A window known by its handle. The object does not own the window: destroying one never
// destroys the other. Texts are UTF-8, and reach the window whole, through the wide functions.
class CWnd {
public:
    virtual ~CWnd() = default;

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    void SetWindowText(const char* text);
    CString GetWindowText() const;
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void ScreenToClient(RECT* rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2); }
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
    }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    int MessageBox(const char* text, const char* caption, UINT type);

    HWND m_hWnd = nullptr;
};

// The device context of one WM_PAINT, between BeginPaint and EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window) : m_window(window->m_hWnd), m_hDC(::BeginPaint(m_window, &m_paint)) {}
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC() { ::EndPaint(m_window, &m_paint); }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};

public:
    HDC m_hDC;
};
