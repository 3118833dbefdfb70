#pragma once

#include "framework/win/Win32.h"

// Owns one GDI font at a time and deletes it when it gets another or is destroyed.
class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    BOOL CreateFontIndirect(const LOGFONTA* description) {
        DeleteObject();
        m_font = ::CreateFontIndirectA(description);
        return m_font != nullptr;
    }
    BOOL CreateFontIndirect(const LOGFONTW* description) {
        DeleteObject();
        m_font = ::CreateFontIndirectW(description);
        return m_font != nullptr;
    }
    void DeleteObject() {
        if (m_font) ::DeleteObject(m_font);
        m_font = nullptr;
    }
    HFONT GetSafeHandle() const { return m_font; }

private:
    HFONT m_font = nullptr;
};
