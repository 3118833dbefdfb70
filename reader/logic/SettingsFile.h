#pragma once

#include "reader/logic/Rect.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The font description as the file keeps it: a LOGFONTA exactly as it lies in memory.
using FontDescription = std::array<unsigned char, 60>;

// Where the main window was when it was last left: its rectangle, not maximised, in screen pixels
// on a screen of dpi, and whether it was maximised.
struct WindowPlace {
    Rect rect;
    bool maximized = false;
    int dpi = 0;

    friend bool operator==(const WindowPlace& a, const WindowPlace& b) {
        return a.rect == b.rect && a.maximized == b.maximized && a.dpi == b.dpi;
    }
};

// How the day's text is shown: with its verse numbers or without, on the system's colours or dark.
struct TextLook {
    bool verseNumbers = true;
    bool darkBackground = false;

    friend bool operator==(const TextLook& a, const TextLook& b) {
        return a.verseNumbers == b.verseNumbers && a.darkBackground == b.darkBackground;
    }
};

// The fields of settings.dat. A field that the file does not hold whole is empty, and the
// settings panel takes its default for it.
struct SettingsRecord {
    bool autorun = true;
    std::optional<std::int64_t> autorunTime;
    bool chime = true;
    std::optional<FontDescription> font;
    // The path in the system's ANSI code page, which every reader reads.
    std::string bookPath;
    // The whole path in UTF-8, kept after the last field where the ANSI code page cannot hold it.
    std::string bookPathUtf8;
    std::optional<WindowPlace> window;
    std::optional<TextLook> look;

    friend bool operator==(const SettingsRecord& a, const SettingsRecord& b) {
        return a.autorun == b.autorun && a.autorunTime == b.autorunTime && a.chime == b.chime && a.font == b.font &&
               a.bookPath == b.bookPath && a.bookPathUtf8 == b.bookPathUtf8 && a.window == b.window && a.look == b.look;
    }
};

// The file's fixed fields, and the longest book path it is taken to hold: a longer one is
// no path Windows can open.
constexpr std::size_t settingsFixedSize = 76;
constexpr std::size_t longestBookPath = 32767;

// Reads the fields from the bytes of a settings file, however many there are. Flags other than 0
// count as on; a path whose length is 0, larger than what follows or longer than longestBookPath
// is empty; a path ends at its first zero byte. Where the ANSI path is whole, the blocks after it
// follow, each a tag, a length and that many bytes: "UTF8", the whole path, read as the ANSI one
// is; "WNDW", the window's place, and "LOOK", the text's look, each taken only whole; any other,
// passed over.
SettingsRecord ParseSettings(const std::string& bytes);

// The 76 + n bytes of a settings file: flags as 0 or 1, all numbers little-endian. Then, where
// given, the UTF-8 path, the window's place and the text's look as blocks; readers that know only the 76 + n bytes
// never look beyond them, and the one that knows the UTF-8 path finds it right after them.
std::string SettingsBytes(bool autorun, std::int64_t autorunTime, bool chime, const FontDescription& font,
                          const std::string& bookPath, const std::string& bookPathUtf8 = "",
                          const std::optional<WindowPlace>& window = std::nullopt,
                          const std::optional<TextLook>& look = std::nullopt);

// Reads the settings file at path; false when it cannot be opened.
bool ReadSettingsFile(const char* path, SettingsRecord& record);

// Writes bytes as the settings file at path: into a new file beside it first, flushed to the disk,
// which then takes the old one's place in one step, so that neither a failed write nor a power cut
// leaves the old file anything but whole. False when the new file could not be written or put in
// place.
bool WriteSettingsFile(const char* path, const std::string& bytes);
