#include "framework/win/FontFallback.h"

#include <vector>

namespace {

// How many characters of text, line breaks and other controls aside, the font in dc has no glyph for.
int MissingGlyphs(HDC dc, const wchar_t* text, int length) {
    std::vector<WORD> glyphs(static_cast<std::size_t>(length));
    if (::GetGlyphIndicesW(dc, text, length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) return length;
    int missing = 0;
    for (int i = 0; i < length; ++i)
        missing += glyphs[i] == 0xFFFF && text[i] >= L' ';
    return missing;
}

int MissingGlyphsOf(HDC dc, const LOGFONTW& description, const wchar_t* text, int length) {
    const HFONT font = ::CreateFontIndirectW(&description);
    if (!font) return length;
    const HGDIOBJ previous = ::SelectObject(dc, font);
    const int missing = MissingGlyphs(dc, text, length);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    return missing;
}

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces) {
    // Vertical faces ("@...") are for text set in columns; bitmap fonts have few characters.
    if ((type & TRUETYPE_FONTTYPE) && font->lfFaceName[0] != L'@')
        reinterpret_cast<std::vector<LOGFONTW>*>(faces)->push_back(*font);
    return 1;
}

} // namespace

bool FindFallbackFont(HDC dc, const wchar_t* text, int length, LOGFONTW& fallback) {
    int fewest = MissingGlyphs(dc, text, length);
    if (fewest == 0) return false;
    LOGFONTW selected{};
    if (::GetObjectW(::GetCurrentObject(dc, OBJ_FONT), sizeof selected, &selected) == 0) return false;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    std::vector<LOGFONTW> faces;
    ::EnumFontFamiliesExW(dc, &all, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    bool found = false;
    for (const LOGFONTW& face : faces) {
        LOGFONTW candidate = selected;
        std::copy(std::begin(face.lfFaceName), std::end(face.lfFaceName), candidate.lfFaceName);
        candidate.lfCharSet = DEFAULT_CHARSET;
        const int missing = MissingGlyphsOf(dc, candidate, text, length);
        if (missing >= fewest) continue;
        fewest = missing;
        fallback = candidate;
        found = true;
        if (missing == 0) break;
    }
    return found;
}
