#include "framework/win/CWnd.h"

#include <vector>

CString CWnd::GetWindowText() const {
    std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return CString(text.data());
}
