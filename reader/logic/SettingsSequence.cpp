#include "reader/logic/SettingsSequence.h"

#include "framework/core/CodePage.h"
#include "reader/logic/AutorunSequence.h"
#include "reader/logic/NextStart.h"

bool LoadSettingsFromFolder(const ProgramFiles& files, CTime now, const FontDescription& fallbackFont,
                            Settings& settings) {
    SettingsRecord record;
    const bool found = !files.settings.empty() && ReadSettingsFile(files.settings.c_str(), record);
    settings = SettingsWithDefaults(found ? record : SettingsRecord{}, now, files.defaultBook, fallbackFont);
    return found;
}

bool WriteSettingsToFolder(const ProgramFiles& files, CTime now, const Settings& settings) {
    // A path that the ANSI code page holds is written as every reader reads it; another is written
    // there as near as it goes, and whole in UTF-8 after it. The text's look is written only where
    // it is not the one every reader shows.
    std::string ansiPath;
    const bool fits = FromUtf8(settings.bookPath, ansiCodePage, ansiPath);
    const std::string bytes =
        SettingsBytes(settings.autorun, NextStartTime(now, settings.autorunTime).GetTime(), settings.chime,
                      settings.font, ansiPath, fits ? "" : settings.bookPath, settings.window,
                      settings.look == TextLook{} ? std::nullopt : std::optional(settings.look));
    return !files.settings.empty() && WriteSettingsFile(files.settings.c_str(), bytes);
}

bool SaveSettingsToFolder(const ProgramFiles& files, CTime now, AutorunPlatform& platform, Settings& settings) {
    settings.autorunTime = NextStartTime(now, settings.autorunTime);
    if (!WriteSettingsToFolder(files, now, settings)) return false;
    autorun::ApplyAutorun(settings.autorun, files, settings.autorunTime.GetTime(), platform);
    return true;
}

bool KeepStoredDailyStart(const ProgramFiles& files, bool fromFile, const Settings& settings, CTime now,
                          AutorunPlatform& platform) {
    if (!fromFile || !settings.autorun) return false;
    autorun::KeepDailyStart(files, NextStartTime(now, settings.autorunTime).GetTime(), platform);
    return true;
}

void KeepDailyStartOfFolder(const ProgramFiles& files, CTime now, AutorunPlatform& platform) {
    Settings settings;
    const bool found = LoadSettingsFromFolder(files, now, FontDescription{}, settings);
    KeepStoredDailyStart(files, found, settings, now, platform);
}
