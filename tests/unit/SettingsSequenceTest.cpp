// The reader's load and save sequences, and the autorun under them, over a made-up machine.
#include "contract/ScheduleFile.h"
#include "framework/core/CFile.h"
#include "framework/core/ProgramPath.h"
#include "reader/logic/AutorunSequence.h"
#include "reader/logic/SettingsSequence.h"
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
    ProgramFiles Files() const { return FilesOfFolder(Directory()); }
    Settings Saved(bool autorun) const {
        Settings settings;
        settings.autorun = autorun;
        settings.autorunTime = CTime(2026, 3, 14, 8, 0, 0);
        settings.bookPath = "C:\\Books\\psalms.pdb";
        return settings;
    }
    bool Save(Settings& settings) {
        return SaveSettingsToFolder(Files(), CTime(2026, 3, 14, 9, 0, 0), platform, settings);
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

// What a reader that knows only the fixed fields and the ANSI path takes from a settings file: it
// reads the 76 bytes, then the n bytes of the path, one field after another, and stops there.
// Its offsets are written out here on purpose, apart from the settings file's own code.
struct OlderReading {
    bool autorun = false, chime = false;
    std::string bookPath;
};
OlderReading ReadAsOlderReader(const std::string& path) {
    OlderReading reading;
    CFile file;
    unsigned char fields[76] = {};
    if (!file.Open(path.c_str(), CFile::typeBinary | CFile::modeRead) || file.Read(fields, 76) != 76) return reading;
    const auto field = [&](int offset) {
        return fields[offset] | fields[offset + 1] << 8 | fields[offset + 2] << 16 | unsigned(fields[offset + 3]) << 24;
    };
    reading.autorun = field(0) != 0;
    reading.chime = field(8) != 0;
    reading.bookPath.resize(field(72));
    reading.bookPath.resize(file.Read(reading.bookPath.data(), static_cast<unsigned>(reading.bookPath.size())));
    return reading;
}

} // namespace

TEST_F(SettingsSequenceTest, LoadingWithoutAFileTakesTheDefaultsAndLoadingAFileTakesItsFields) {
    Settings settings;
    const CTime now(2026, 3, 14, 12, 0, 0);
    EXPECT_FALSE(LoadSettingsFromFolder(Files(), now, FontDescription{}, settings));
    EXPECT_TRUE(settings.autorun && settings.chime);
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 14, 8, 0, 0));
    EXPECT_EQ(settings.bookPath, Directory() + "quillmere.pdb");

    folder.Write("settings.dat",
                 SettingsBytes(false, CTime(2020, 1, 1, 21, 30, 15).GetTime(), false, FontDescription{}, "C:\\b.pdb"));
    EXPECT_TRUE(LoadSettingsFromFolder(Files(), now, FontDescription{}, settings));
    EXPECT_FALSE(settings.autorun || settings.chime);
    EXPECT_EQ(settings.autorunTime, CTime(2026, 3, 14, 21, 30, 15));
    EXPECT_EQ(settings.bookPath, "C:\\b.pdb");
    EXPECT_FALSE(LoadSettingsFromFolder(FilesOfFolder(""), now, FontDescription{}, settings)) << "no folder";
}

// Paths are UTF-8 in the reader. One that the ANSI code page holds is written in it, as every reader
// reads it; another goes whole after the fields too. Both come back whole. (Windows-1252 stands
// for the ANSI code page here.)
TEST_F(SettingsSequenceTest, ABookPathComesBackWholeWhateverItsScript) {
    const struct {
        std::string path, ansiField, utf8Field;
    } cases[] = {
        {"C:\\Caf\xC3\xA9\\b.pdb", "C:\\Caf\xE9\\b.pdb", ""},
        {"C:\\\xC5\x81\xC3\xB3"
         "d\xC5\xBA \xE6\x97\xA5\\b.pdb",
         "C:\\?\xF3"
         "d? ?\\b.pdb",
         "C:\\\xC5\x81\xC3\xB3"
         "d\xC5\xBA \xE6\x97\xA5\\b.pdb"},
    };
    for (const auto& c : cases) {
        Settings settings = Saved(false);
        settings.bookPath = c.path;
        settings.window = WindowPlace{{10, 20, 1010, 820}, true, 96};
        settings.look = {false, true};
        ASSERT_TRUE(Save(settings));
        const SettingsRecord record = ParseSettings(TempFolder::Read(folder.Path("settings.dat")));
        EXPECT_EQ(record.bookPath, c.ansiField);
        EXPECT_EQ(record.bookPathUtf8, c.utf8Field);
        const OlderReading older = ReadAsOlderReader(folder.Path("settings.dat"));
        EXPECT_EQ(older.bookPath, c.ansiField) << "an older reader finds the path it always found";
        EXPECT_FALSE(older.autorun);
        EXPECT_TRUE(older.chime);
        Settings loaded;
        ASSERT_TRUE(LoadSettingsFromFolder(Files(), CTime(2026, 3, 14, 9, 0, 0), FontDescription{}, loaded));
        EXPECT_EQ(loaded.bookPath, c.path);
        EXPECT_EQ(loaded.window, settings.window);
        EXPECT_EQ(loaded.look, settings.look);
    }
}

// A choice is kept as soon as it is made: the file is written with the next start, and nothing is
// armed or stopped until the reader is left.
TEST_F(SettingsSequenceTest, WritingAChoiceArmsAndStopsNothing) {
    for (bool autorun : {true, false}) {
        const Settings settings = Saved(autorun);
        ASSERT_TRUE(WriteSettingsToFolder(Files(), CTime(2026, 3, 14, 9, 0, 0), settings));
        EXPECT_EQ(TempFolder::Read(folder.Path("settings.dat")),
                  SettingsBytes(autorun, CTime(2026, 3, 15, 8, 0, 0).GetTime(), true, FontDescription{},
                                "C:\\Books\\psalms.pdb"));
        EXPECT_EQ(platform.calls, Calls{});
        EXPECT_FALSE(std::filesystem::exists(folder.Path("sched.dat")));
    }
}

TEST_F(SettingsSequenceTest, AStartStopsOnlyAWaitingScheduler) {
    autorun::StopScheduler(Files(), platform);
    EXPECT_EQ(platform.calls, Calls{});
    platform.schedulerWaiting = true;
    autorun::StopScheduler(Files(), platform);
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
    EXPECT_FALSE(autorun::CreateStartupShortcut("Quillwaker", Files().scheduler, "Quillwake.exe", platform));
    EXPECT_FALSE(autorun::DeleteStartupShortcut("Quillwake.exe", platform));
    EXPECT_EQ(platform.calls, Calls{});
}

namespace {

// What a start of the reader finds armed, and what it asks of the machine to keep the daily start.
struct StartRow {
    const char* what;
    std::optional<std::int64_t> scheduled; // sched.dat, or none
    bool schedulerWaiting;
    const char* shortcutIn; // the start-up folder that holds the shortcut, or none
    bool writes, startsScheduler, savesShortcut;
};

} // namespace

// Stored autorun at 08:00, a start at 09:00: the next start is tomorrow at 08:00, whichever way
// the reader will end.
TEST_F(SettingsSequenceTest, AStartKeepsTheNextDailyStartArmedAndDoesNoMoreThanThat) {
    const CTime now(2026, 3, 14, 9, 0, 0);
    const std::int64_t tomorrow = CTime(2026, 3, 15, 8, 0, 0).GetTime();
    const std::int64_t today = CTime(2026, 3, 14, 8, 0, 0).GetTime();
    const StartRow rows[] = {
        {"nothing armed: started by hand after a start by the scheduler", {}, false, nullptr, true, true, true},
        {"all armed already", tomorrow, true, "all", false, false, false},
        {"all armed, the user's own shortcut", tomorrow, true, "user", false, false, false},
        {"the time, but no scheduler: after a log-off", tomorrow, false, "all", false, true, false},
        {"a time already past: the computer was off", today, true, "all", true, true, false},
        {"a later time: the time was moved earlier", tomorrow + 3600, true, "all", true, true, false},
        {"the shortcut was removed", tomorrow, true, nullptr, false, false, true},
    };
    for (const StartRow& row : rows) {
        TempFolder program;
        RecordingPlatform machine;
        machine.schedulerWaiting = row.schedulerWaiting;
        if (row.shortcutIn)
            machine.files.insert((std::string(row.shortcutIn) == "all" ? machine.allUsersFolder : machine.userFolder) +
                                 "\\Quillwake.lnk");
        if (row.scheduled) program.Write("sched.dat", ScheduleBytes(*row.scheduled));
        const std::string directory = program.Path("");
        Settings settings = Saved(true);
        settings.autorunTime = CTime(2026, 3, 14, 8, 0, 0);

        EXPECT_TRUE(KeepStoredDailyStart(FilesOfFolder(directory), true, settings, now, machine)) << row.what;

        EXPECT_EQ(TempFolder::Read(program.Path("sched.dat")), ScheduleBytes(tomorrow)) << row.what;
        Calls expected;
        if (row.startsScheduler) expected.push_back("start " + directory + "Quillwake.exe");
        if (row.savesShortcut)
            expected.push_back("shortcut C:\\ProgramData\\StartUp\\Quillwake.lnk -> " + directory +
                               "Quillwake.exe (Quillwaker)");
        EXPECT_EQ(machine.calls, expected) << row.what;
        if (!row.writes) {
            EXPECT_EQ(row.scheduled, tomorrow) << row.what;
        }
    }
}

TEST_F(SettingsSequenceTest, AStartWithoutStoredAutorunArmsNothing) {
    for (bool fromFile : {false, true}) {
        Settings settings = Saved(!fromFile); // defaults have autorun on, but no file asked for it
        EXPECT_FALSE(KeepStoredDailyStart(Files(), fromFile, settings, CTime(2026, 3, 14, 9, 0, 0), platform));
    }
    EXPECT_EQ(platform.calls, Calls{});
    EXPECT_FALSE(std::filesystem::exists(folder.Path("sched.dat")));
}

// The reader opens at the daily time while one is open: the scheduler has deleted sched.dat and
// ended, and the start that finds the open reader arms the next day, so that the time that came is
// not greeted twice and the day after is not lost. Without settings it leaves everything alone.
TEST_F(SettingsSequenceTest, AStartThatFindsTheReaderOpenArmsTheDayAfter) {
    KeepDailyStartOfFolder(Files(), CTime(2026, 3, 14, 8, 0, 1), platform);
    EXPECT_EQ(platform.calls, Calls{});

    folder.Write("settings.dat",
                 SettingsBytes(true, CTime(2026, 3, 14, 8, 0, 0).GetTime(), true, FontDescription{}, "C:\\b.pdb"));
    KeepDailyStartOfFolder(Files(), CTime(2026, 3, 14, 8, 0, 1), platform);
    EXPECT_EQ(TempFolder::Read(folder.Path("sched.dat")), ScheduleBytes(CTime(2026, 3, 15, 8, 0, 0).GetTime()));
    ASSERT_FALSE(platform.calls.empty());
    EXPECT_EQ(platform.calls.front(), "start " + Directory() + "Quillwake.exe");
}

// Where the machine names no all-users start-up folder, turning autorun off still deletes the
// shortcut from the user's own, and sched.dat with it.
TEST_F(SettingsSequenceTest, SavingWithAutorunOffWithoutAnAllUsersFolderStillDeletesTheUsersShortcut) {
    platform.allUsersFolder = "";
    platform.files.insert("C:\\Users\\me\\StartUp\\Quillwake.lnk");
    folder.Write("sched.dat", ScheduleBytes(1));
    EXPECT_EQ(SaveCalls(false),
              (Calls{"delete C:\\Users\\me\\StartUp\\Quillwake.lnk", "delete " + Directory() + "sched.dat"}));
    EXPECT_TRUE(platform.files.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path("sched.dat")));
}

TEST(ProgramFiles, AreTheFolderFilesAndNoneWhereTheFolderMakesNoPath) {
    const auto names = [](const ProgramFiles& files) {
        return Calls{files.settings, files.progress, files.chime, files.defaultBook, files.schedule, files.scheduler};
    };
    EXPECT_EQ(names(FilesOfFolder("C:\\Q\\")),
              (Calls{"C:\\Q\\settings.dat", "C:\\Q\\progress.dat", "C:\\Q\\quill.wav", "C:\\Q\\quillmere.pdb",
                     "C:\\Q\\sched.dat", "C:\\Q\\Quillwake.exe"}));
    EXPECT_EQ(names(FilesOfFolder("")), Calls(6));
    EXPECT_EQ(names(FilesOfFolder("C:\\" + std::string(programPathBuffer, 'f') + "\\")), Calls(6));
}
