#include "reader/logic/SettingsDefaults.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const CTime now(2026, 3, 14, 15, 9, 26);

FontDescription Font(unsigned char fill) {
    FontDescription font;
    font.fill(fill);
    return font;
}

// The settings' fields, to compare whole.
auto Fields(const Settings& settings) {
    return std::make_tuple(settings.autorun, settings.chime, settings.autorunTime.GetTime(), settings.font,
                           settings.bookPath);
}

} // namespace

TEST(SettingsDefaults, AnEmptyRecordGivesAutorunAndChimeAtEightTodayWithTheBookBesideTheProgram) {
    const Settings settings = SettingsWithDefaults(SettingsRecord(), now, "C:\\Q\\quillmere.pdb", Font(7));
    EXPECT_EQ(Fields(settings),
              std::make_tuple(true, true, CTime(2026, 3, 14, 8, 0, 0).GetTime(), Font(7), "C:\\Q\\quillmere.pdb"));
}

TEST(SettingsDefaults, AFieldTheFileHoldsIsKeptAndAStoredTimeMovesToToday) {
    SettingsRecord record;
    record.autorun = false;
    record.chime = false;
    record.autorunTime = CTime(2025, 12, 24, 21, 30, 5).GetTime();
    record.font = Font(1);
    record.bookPath = "D:\\psalms.pdb";
    const std::int64_t evening = CTime(2026, 3, 14, 21, 30, 5).GetTime();
    EXPECT_EQ(Fields(SettingsWithDefaults(record, now, "C:\\Q\\quillmere.pdb", Font(7))),
              std::make_tuple(false, false, evening, Font(1), "D:\\psalms.pdb"));

    record.font.reset();
    record.bookPath.clear(); // a path that did not fit the file
    EXPECT_EQ(Fields(SettingsWithDefaults(record, now, "C:\\Q\\quillmere.pdb", Font(7))),
              std::make_tuple(false, false, evening, Font(7), "C:\\Q\\quillmere.pdb"));
}
