#include "reader/app/SettingsDefaults.h"

#include <gtest/gtest.h>

namespace {

const CTime now(2026, 3, 14, 15, 9, 26);

FontDescription Font(unsigned char fill) {
    FontDescription font;
    font.fill(fill);
    return font;
}

} // namespace

TEST(SettingsDefaults, AnEmptyRecordGivesAutorunAndChimeAtEightTodayWithTheBookBesideTheProgram) {
    const Settings settings = SettingsWithDefaults(SettingsRecord(), now, "C:\\Q\\", Font(7));
    EXPECT_TRUE(settings.autorun);
    EXPECT_TRUE(settings.chime);
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 14, 8, 0, 0));
    EXPECT_EQ(settings.font, Font(7));
    EXPECT_EQ(settings.bookPath, "C:\\Q\\quillmere.pdb");
}

TEST(SettingsDefaults, AFieldTheFileHoldsIsKeptAndAStoredTimeMovesToToday) {
    SettingsRecord record;
    record.autorun = false;
    record.chime = false;
    record.nextStartTime = CTime(2025, 12, 24, 21, 30, 5).GetTime();
    record.font = Font(1);
    record.bookPath = "D:\\psalms.pdb";
    const Settings settings = SettingsWithDefaults(record, now, "C:\\Q\\", Font(7));
    EXPECT_FALSE(settings.autorun);
    EXPECT_FALSE(settings.chime);
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 14, 21, 30, 5));
    EXPECT_EQ(settings.font, Font(1));
    EXPECT_EQ(settings.bookPath, "D:\\psalms.pdb");

    record.font.reset();
    record.bookPath.clear(); // a path that did not fit the file
    const Settings defaulted = SettingsWithDefaults(record, now, "C:\\Q\\", Font(7));
    EXPECT_EQ(defaulted.font, Font(7));
    EXPECT_EQ(defaulted.bookPath, "C:\\Q\\quillmere.pdb");
    EXPECT_EQ(defaulted.autorunTime, settings.autorunTime);
}
