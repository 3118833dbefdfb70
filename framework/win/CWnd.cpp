#include "framework/win/CWnd.h"

#include "framework/core/WideText.h"

#include <vector>

void CWnd::SetWindowText(const char* text) { ::SetWindowTextW(m_hWnd, Wide(text)); }

CString CWnd::GetWindowText() const {
    std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
    return CString(Utf8FromWide(text.data()).c_str());
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ::MessageBoxW(m_hWnd, Wide(text), Wide(caption), type);
}
