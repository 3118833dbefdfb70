#include "reader/logic/SettingsSequence.h"

#include "framework/core/CodePage.h"
#include "framework/core/ProgramPath.h"
#include "reader/logic/AutorunSequence.h"
#include "reader/logic/NextStart.h"

bool LoadSettingsFromFolder(const std::string& programDirectory, const std::string& fileName, CTime now,
                            const FontDescription& fallbackFont, Settings& settings) {
    std::string path;
    SettingsRecord record;
    const bool found = JoinProgramPath(programDirectory, fileName, path) && ReadSettingsFile(path.c_str(), record);
    settings = SettingsWithDefaults(found ? record : SettingsRecord{}, now, programDirectory, fallbackFont);
    return found;
}

bool WriteSettingsToFolder(const std::string& programDirectory, const std::string& fileName, CTime now,
                           const Settings& settings) {
    // A path that the ANSI code page holds is written as every reader reads it; another is written
    // there as near as it goes, and whole in UTF-8 after it. The text's look is written only where
    // it is not the one every reader shows.
    std::string ansiPath;
    const bool fits = FromUtf8(settings.bookPath, ansiCodePage, ansiPath);
    const std::string bytes =
        SettingsBytes(settings.autorun, NextStartTime(now, settings.autorunTime).GetTime(), settings.chime,
                      settings.font, ansiPath, fits ? "" : settings.bookPath, settings.window,
                      settings.look == TextLook{} ? std::nullopt : std::optional(settings.look));
    std::string path;
    return JoinProgramPath(programDirectory, fileName, path) && WriteSettingsFile(path.c_str(), bytes);
}

bool SaveSettingsToFolder(const std::string& programDirectory, const std::string& fileName, CTime now,
                          AutorunPlatform& platform, Settings& settings) {
    settings.autorunTime = NextStartTime(now, settings.autorunTime);
    if (!WriteSettingsToFolder(programDirectory, fileName, now, settings)) return false;
    autorun::ApplyAutorun(settings.autorun, programDirectory, settings.autorunTime.GetTime(), platform);
    return true;
}

bool KeepStoredDailyStart(const std::string& programDirectory, bool fromFile, const Settings& settings, CTime now,
                          AutorunPlatform& platform) {
    if (!fromFile || !settings.autorun) return false;
    autorun::KeepDailyStart(programDirectory, NextStartTime(now, settings.autorunTime).GetTime(), platform);
    return true;
}

void KeepDailyStartOfFolder(const std::string& programDirectory, const std::string& fileName, CTime now,
                            AutorunPlatform& platform) {
    Settings settings;
    const bool found = LoadSettingsFromFolder(programDirectory, fileName, now, FontDescription{}, settings);
    KeepStoredDailyStart(programDirectory, found, settings, now, platform);
}
