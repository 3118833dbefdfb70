#pragma once

#include "framework/core/CTime.h"
#include "reader/logic/SettingsFile.h"

#include <string>

// The reader's settings as the panel starts with them.
struct Settings {
    bool autorun = true;
    bool chime = true;
    CTime autorunTime;
    FontDescription font{};
    // In UTF-8.
    std::string bookPath;
    // None where the window has never been left: it opens at its template's size.
    std::optional<WindowPlace> window;
    TextLook look;
};

// The settings of record, each field that the file did not hold taking its default: the autorun
// time 08:00:00 on now's date, the fallback font, the program folder's defaultBook, and the text
// with its verse numbers on the system's colours. A stored next start time counts only for its time
// of day, which is moved to now's date.
Settings SettingsWithDefaults(const SettingsRecord& record, CTime now, const std::string& defaultBook,
                              const FontDescription& fallbackFont);
