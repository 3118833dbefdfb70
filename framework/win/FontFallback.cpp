#include "framework/win/FontFallback.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

// Wide text in vectors: std::wstring would bring all of its library code into the reader.
using Characters = std::vector<wchar_t>;

// The characters of text, line breaks and other controls aside, that the font in dc has no glyph
// for, each once.
Characters MissingCharacters(HDC dc, const wchar_t* text, int length) {
    std::vector<WORD> glyphs(static_cast<std::size_t>(length));
    if (::GetGlyphIndicesW(dc, text, length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return Characters(text, text + length);
    Characters missing;
    for (int i = 0; i < length; ++i)
        if (glyphs[i] == 0xFFFF && text[i] >= L' ' &&
            std::find(missing.begin(), missing.end(), text[i]) == missing.end())
            missing.push_back(text[i]);
    return missing;
}

std::size_t MissingCharactersOf(HDC dc, const LOGFONTW& description, const Characters& characters) {
    const HFONT font = ::CreateFontIndirectW(&description);
    if (!font) return characters.size();
    const HGDIOBJ previous = ::SelectObject(dc, font);
    const std::size_t missing = MissingCharacters(dc, characters.data(), static_cast<int>(characters.size())).size();
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    return missing;
}

// Each TrueType face once: Windows lists a face once for every character set it has. Vertical
// faces ("@...") are for text set in columns; bitmap fonts have few characters.
int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces) {
    auto& found = *reinterpret_cast<std::vector<LOGFONTW>*>(faces);
    const auto same = [&](const LOGFONTW& face) { return std::wcscmp(face.lfFaceName, font->lfFaceName) == 0; };
    if ((type & TRUETYPE_FONTTYPE) && font->lfFaceName[0] != L'@' && std::none_of(found.begin(), found.end(), same))
        found.push_back(*font);
    return 1;
}

} // namespace

bool FindFallbackFont(HDC dc, const wchar_t* text, int length, LOGFONTW& fallback) {
    const Characters missing = MissingCharacters(dc, text, length);
    if (missing.empty()) return false;
    LOGFONTW selected{};
    if (::GetObjectW(::GetCurrentObject(dc, OBJ_FONT), sizeof selected, &selected) == 0) return false;
    // The face of the windows' own texts first, which has every letter of the user's language and
    // of most others; then every face, which takes a while.
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    std::vector<LOGFONTW> faces(1);
    std::wcscpy(faces[0].lfFaceName, L"MS Shell Dlg");
    ::EnumFontFamiliesExW(dc, &all, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    std::size_t fewest = missing.size();
    for (const LOGFONTW& face : faces) {
        LOGFONTW candidate = selected;
        std::copy(std::begin(face.lfFaceName), std::end(face.lfFaceName), candidate.lfFaceName);
        candidate.lfCharSet = DEFAULT_CHARSET;
        const std::size_t stillMissing = MissingCharactersOf(dc, candidate, missing);
        if (stillMissing >= fewest) continue;
        fewest = stillMissing;
        fallback = candidate;
        if (fewest == 0) break;
    }
    return fewest < missing.size();
}

void ShowInFittingFont(HWND control, HFONT chosen, const wchar_t* text, int length, CFont& fallback) {
    LOGFONTW description;
    bool fallingBack = false;
    if (HDC dc = ::GetDC(control)) {
        const HGDIOBJ previous = ::SelectObject(dc, chosen ? chosen : ::GetStockObject(SYSTEM_FONT));
        fallingBack = FindFallbackFont(dc, text, length, description) && fallback.CreateFontIndirect(&description);
        ::SelectObject(dc, previous);
        ::ReleaseDC(control, dc);
    }
    const HFONT shown = fallingBack ? fallback.GetSafeHandle() : chosen;
    if (reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)) != shown)
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
    if (!fallingBack) fallback.DeleteObject();
}
