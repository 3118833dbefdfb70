#include "framework/win/Resources.h"

#include "framework/core/LanguageChoice.h"
#include "framework/core/WideText.h"

#include <cstddef>
#include <vector>

namespace {

LANGID chosenLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<LanguageId>*>(languages)->push_back(language);
    return TRUE;
}

} // namespace

void ChooseResourceLanguage(LPCSTR type, UINT id, LANGID fallback) {
    std::vector<LanguageId> languages;
    ::EnumResourceLanguagesA(::GetModuleHandleA(nullptr), type, MAKEINTRESOURCEA(id), AddLanguage,
                             reinterpret_cast<LONG_PTR>(&languages));
    chosenLanguage = ChooseLanguage(::GetUserDefaultUILanguage(), languages, fallback);
}

const void* LoadLocalResource(LPCSTR type, UINT id, DWORD* size) {
    const HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceExA(module, type, MAKEINTRESOURCEA(id), chosenLanguage);
    if (!found) found = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found) return nullptr;
    if (size) *size = ::SizeofResource(module, found);
    return ::LockResource(::LoadResource(module, found));
}

// Strings lie in blocks of 16, each a count of UTF-16 units and that many units; a count that runs
// past the block's end finds nothing.
CString LoadStringResource(UINT id) {
    DWORD size = 0;
    const auto* block = static_cast<const WCHAR*>(LoadLocalResource(RT_STRING, id / 16 + 1, &size));
    if (!block) return CString();
    const std::size_t units = size / sizeof(WCHAR);
    std::size_t at = 0;
    for (UINT index = id % 16; index > 0 && at < units; --index)
        at += 1 + block[at];
    if (at >= units || block[at] > units - at - 1) return CString();
    return CString(Utf8FromWide(block + at + 1, block[at]).c_str());
}

HMENU LoadMenuResource(UINT id) {
    const void* menu = LoadLocalResource(RT_MENU, id);
    return menu ? ::LoadMenuIndirectW(menu) : nullptr;
}
