#include "framework/win/StringResource.h"

#include <string>

CString LoadStringResource(UINT id) {
    // The text is copied into a buffer that grows until it holds the whole string.
    for (int size = 256; size <= 65536; size *= 2) {
        std::string text(static_cast<size_t>(size), '\0');
        const int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, &text[0], size);
        if (length <= 0) return CString();
        if (length < size - 1) return CString(text.data(), length);
    }
    return CString();
}
