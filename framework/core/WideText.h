#pragma once

#include <string>
#include <vector>

// UTF-8 text as the wide (UTF-16) functions of Windows take it, ended by a NUL. Windows only.
class Wide {
public:
    explicit Wide(const std::string& text);
    operator const wchar_t*() const { return m_text.data(); }
    // In UTF-16 units, the NUL left out.
    int Length() const { return static_cast<int>(m_text.size()) - 1; }

private:
    std::vector<wchar_t> m_text;
};

// Wide text in UTF-8; length -1 reads to the NUL.
std::string Utf8FromWide(const wchar_t* text, int length = -1);
