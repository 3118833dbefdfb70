#include "reader/logic/SettingsDefaults.h"

#include "contract/ProgramNames.h"
#include "framework/core/CodePage.h"
#include "framework/core/ProgramPath.h"
#include "reader/logic/NextStart.h"

Settings SettingsWithDefaults(const SettingsRecord& record, CTime now, const std::string& programDirectory,
                              const FontDescription& fallbackFont) {
    Settings settings;
    settings.autorun = record.autorun;
    settings.chime = record.chime;
    settings.autorunTime = record.autorunTime ? DateAtTimeOfDay(now, CTime(*record.autorunTime)) : DateAt(now, 8, 0, 0);
    settings.font = record.font.value_or(fallbackFont);
    settings.bookPath = record.bookPathUtf8.empty() ? ToUtf8(record.bookPath, ansiCodePage) : record.bookPathUtf8;
    settings.window = record.window;
    settings.look = record.look.value_or(TextLook{});
    if (settings.bookPath.empty()) JoinProgramPath(programDirectory, DEFAULT_BOOK_FILE_NAME, settings.bookPath);
    return settings;
}
