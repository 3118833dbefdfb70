#pragma once

#include <string>

// An 8-bit string: in the window layer, UTF-8, which it converts where it meets Windows; in a
// book, the book's code page. It never holds a NUL byte: text given with a length ends at its
// first NUL, as a C string would.
class CString {
public:
    CString() = default;
    CString(const char* text);
    CString(const char* text, int length);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    operator const char*() const { return m_text.c_str(); }

    // Position of the first or last ch, or -1.
    int Find(char ch) const;
    int ReverseFind(char ch) const;

    CString Left(int count) const;
    CString Right(int count) const;

    // Replaces every old by replacement, left to right; returns how many.
    int Replace(const char* old, const char* replacement);

    // Formats like printf; a format that cannot be formatted leaves the string empty.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    CString& operator+=(const CString& tail);
    friend CString operator+(CString head, const CString& tail) { return head += tail; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};
