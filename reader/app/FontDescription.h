#pragma once

#include "framework/win/Win32.h"
#include "reader/logic/SettingsFile.h"

#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(FontDescription), "settings.dat keeps a LOGFONTA as it lies in memory");

inline FontDescription ToFontDescription(const LOGFONTA& font) {
    FontDescription description;
    std::memcpy(description.data(), &font, description.size());
    return description;
}

inline LOGFONTA ToLogFont(const FontDescription& description) {
    LOGFONTA font;
    std::memcpy(&font, description.data(), sizeof font);
    return font;
}
