#include "reader/logic/SettingsDefaults.h"

#include "framework/core/CodePage.h"
#include "reader/logic/NextStart.h"

Settings SettingsWithDefaults(const SettingsRecord& record, CTime now, const std::string& defaultBook,
                              const FontDescription& fallbackFont) {
    Settings settings;
    settings.autorun = record.autorun;
    settings.chime = record.chime;
    settings.autorunTime = record.autorunTime ? DateAtTimeOfDay(now, CTime(*record.autorunTime)) : DateAt(now, 8, 0, 0);
    settings.font = record.font.value_or(fallbackFont);
    settings.bookPath = record.bookPathUtf8.empty() ? ToUtf8(record.bookPath, ansiCodePage) : record.bookPathUtf8;
    settings.window = record.window;
    settings.look = record.look.value_or(TextLook{});
    if (settings.bookPath.empty()) settings.bookPath = defaultBook;
    return settings;
}
