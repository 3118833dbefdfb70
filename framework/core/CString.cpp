#include "framework/core/CString.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

CString::CString(const char* text) : m_text(text ? text : "") {}

CString::CString(const char* text, int length) {
    if (!text || length <= 0) return;
    const void* nul = std::memchr(text, '\0', static_cast<size_t>(length));
    m_text.assign(text, nul ? static_cast<const char*>(nul) - text : length);
}

int CString::Find(char ch) const {
    size_t at = m_text.find(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.c_str(), count);
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.c_str() + m_text.size() - count);
}

int CString::Replace(const char* old, const char* replacement) {
    const size_t oldLength = std::strlen(old);
    if (oldLength == 0) return 0;
    std::string result;
    int replaced = 0;
    size_t from = 0;
    for (size_t at; (at = m_text.find(old, from)) != std::string::npos; from = at + oldLength) {
        result.append(m_text, from, at - from).append(replacement);
        ++replaced;
    }
    if (replaced) m_text = result.append(m_text, from, std::string::npos);
    return replaced;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    m_text.clear();
    if (length > 0) {
        m_text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(&m_text[0], m_text.size(), format, again);
        m_text.resize(std::strlen(m_text.c_str()));
    }
    va_end(again);
}

CString& CString::operator+=(const CString& tail) {
    m_text += tail.m_text;
    return *this;
}
