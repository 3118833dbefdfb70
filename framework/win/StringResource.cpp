#include "framework/win/StringResource.h"

#include "framework/core/WideText.h"

CString LoadStringResource(UINT id) {
    // With no buffer, Windows gives the string where it lies in the resources, and its length.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? CString(Utf8FromWide(text, length).c_str()) : CString();
}
