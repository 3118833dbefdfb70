// The reader's load and save sequences, and the autorun under them, over a made-up machine.
#include "contract/ScheduleFile.h"
#include "reader/app/AutorunSequence.h"
#include "reader/app/SettingsSequence.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Calls = std::vector<std::string>;

// A program folder of its own; its path in the programs' own form, with a trailing separator.
class SettingsSequenceTest : public ::testing::Test {
protected:
    std::string Directory() const { return folder.Path(""); }
    Settings Saved(bool autorun) const {
        Settings settings;
        settings.autorun = autorun;
        settings.autorunTime = CTime(2026, 3, 14, 8, 0, 0);
        settings.bookPath = "C:\\Books\\psalms.pdb";
        return settings;
    }
    bool Save(Settings& settings) {
        return SaveSettingsToFolder(Directory(), "settings.dat", CTime(2026, 3, 14, 9, 0, 0), platform, settings);
    }
    // Saves with autorun on or off; what the save asked of the machine.
    Calls SaveCalls(bool autorun) {
        Settings settings = Saved(autorun);
        EXPECT_TRUE(Save(settings));
        return platform.calls;
    }

    TempFolder folder;
    RecordingPlatform platform;
};

} // namespace

TEST_F(SettingsSequenceTest, LoadingWithoutAFileTakesTheDefaultsAndLoadingAFileTakesItsFields) {
    Settings settings;
    const CTime now(2026, 3, 14, 12, 0, 0);
    EXPECT_FALSE(LoadSettingsFromFolder(Directory(), "settings.dat", now, FontDescription{}, settings));
    EXPECT_TRUE(settings.autorun && settings.chime);
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 14, 8, 0, 0));
    EXPECT_EQ(settings.bookPath, Directory() + "quillmere.pdb");

    folder.Write("settings.dat",
                 SettingsBytes(false, CTime(2020, 1, 1, 21, 30, 15).GetTime(), false, FontDescription{}, "C:\\b.pdb"));
    EXPECT_TRUE(LoadSettingsFromFolder(Directory(), "settings.dat", now, FontDescription{}, settings));
    EXPECT_FALSE(settings.autorun || settings.chime);
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 14, 21, 30, 15));
    EXPECT_EQ(settings.bookPath, "C:\\b.pdb");
    EXPECT_FALSE(LoadSettingsFromFolder("", "settings.dat", now, FontDescription{}, settings)) << "no folder";
}

TEST_F(SettingsSequenceTest, AStartStopsOnlyAWaitingScheduler) {
    autorun::StopScheduler(Directory(), platform);
    EXPECT_EQ(platform.calls, Calls{});
    platform.schedulerWaiting = true;
    autorun::StopScheduler(Directory(), platform);
    EXPECT_EQ(platform.calls, Calls{"start " + Directory() + "Quillwake.exe [ QUIT]"});
}

TEST_F(SettingsSequenceTest, SavingWithAutorunOnWritesBothFilesThenArmsTheSchedulerAndSavesTheShortcut) {
    Settings settings = Saved(true);
    ASSERT_TRUE(Save(settings));
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 15, 8, 0, 0)) << "09:00 is past 08:00: tomorrow";
    const std::string bytes = TempFolder::Read(folder.Path("settings.dat"));
    EXPECT_EQ(bytes,
              SettingsBytes(true, settings.autorunTime.GetTime(), true, FontDescription{}, "C:\\Books\\psalms.pdb"));
    EXPECT_EQ(TempFolder::Read(folder.Path("sched.dat")), bytes.substr(4, 4));
    EXPECT_EQ(platform.calls,
              (Calls{"start " + Directory() + "Quillwake.exe", "shortcut C:\\ProgramData\\StartUp\\Quillwake.lnk -> " +
                                                                   Directory() + "Quillwake.exe (Quillwaker)"}));
}

TEST_F(SettingsSequenceTest, AShortcutTheAllUsersFolderRefusesGoesToTheUsersOwn) {
    platform.allUsersWritable = false;
    const Calls calls = SaveCalls(true);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].rfind("refused shortcut C:\\ProgramData", 0), 0u);
    EXPECT_EQ(calls[2].rfind("shortcut C:\\Users\\me\\StartUp\\Quillwake.lnk", 0), 0u);
}

TEST_F(SettingsSequenceTest, AFailedShortcutStillLeavesTheSchedulerArmed) {
    platform.allUsersWritable = platform.userWritable = false;
    EXPECT_EQ(SaveCalls(true).front(), "start " + Directory() + "Quillwake.exe");
    EXPECT_TRUE(std::filesystem::exists(folder.Path("sched.dat")));
}

TEST_F(SettingsSequenceTest, ASettingsFileThatCannotBeWrittenArmsAndStopsNothing) {
    std::filesystem::create_directory(folder.Path("settings.dat"));
    for (bool autorun : {true, false}) {
        platform.schedulerWaiting = true;
        Settings settings = Saved(autorun);
        EXPECT_FALSE(Save(settings));
        EXPECT_EQ(platform.calls, Calls{}) << autorun;
        EXPECT_FALSE(std::filesystem::exists(folder.Path("sched.dat")));
    }
}

TEST_F(SettingsSequenceTest, AScheduleThatCannotBeWrittenStartsNoSchedulerButTheShortcutIsSaved) {
    std::filesystem::create_directory(folder.Path("sched.dat"));
    const Calls calls = SaveCalls(true);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rfind("shortcut ", 0), 0u);
}

TEST_F(SettingsSequenceTest, SavingWithAutorunOffDeletesBothShortcutsAndTheScheduleThenStopsTheScheduler) {
    folder.Write("sched.dat", ScheduleBytes(1));
    platform.schedulerWaiting = true;
    Settings settings = Saved(false);
    ASSERT_TRUE(Save(settings));
    EXPECT_EQ(platform.calls,
              (Calls{"delete C:\\ProgramData\\StartUp\\Quillwake.lnk", "delete C:\\Users\\me\\StartUp\\Quillwake.lnk",
                     "delete " + Directory() + "sched.dat", "start " + Directory() + "Quillwake.exe [ QUIT]"}));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("sched.dat")));
    EXPECT_EQ(ParseSettings(TempFolder::Read(folder.Path("settings.dat"))).autorun, false);
}

TEST_F(SettingsSequenceTest, WithoutStartUpFoldersNoShortcutIsSavedOrDeleted) {
    platform.allUsersFolder = platform.userFolder = "";
    EXPECT_FALSE(autorun::CreateStartupShortcut("Quillwaker", Directory(), "Quillwake.exe", platform));
    EXPECT_FALSE(autorun::DeleteStartupShortcut("Quillwake.exe", platform));
    EXPECT_EQ(platform.calls, Calls{});
}
