#include "scheduler/Schedule.h"

#include "tests/unit/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Schedule, TheTailIsWhatFollowsTheProgramName) {
    struct Case {
        const char* commandLine;
        const char* tail;
    } cases[] = {
        {"Quillwake.exe QUIT", "QUIT"},
        {"\"C:\\Program Files\\Quillmere\\Quillwake.exe\"  QUIT", "QUIT"},
        {"\"C:\\Quillmere\\Quillwake.exe\"QUIT", "QUIT"},
        {"\"C:\\no closing quote QUIT", ""},
        {"Quillwake.exe \t\r QUIT now ", "QUIT now "},
        {"Quillwake.exe", ""},
        {"", ""},
        {"Quill\xE9wake.exe quit", "quit"}, // a byte above 127 belongs to the name
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CommandTail(c.commandLine), c.tail) << c.commandLine;
}

TEST(Schedule, OnlyTheWholeWordQuitInAnyCaseIsAQuitRequest) {
    for (const char* tail : {"QUIT", "quit", "Quit", "qUiT"})
        EXPECT_TRUE(IsQuitRequest(tail)) << tail;
    for (const char* tail : {"", "QUIT ", " QUIT", "QUIT now", "QUI", "QUITS", "Q\xC9IT"})
        EXPECT_FALSE(IsQuitRequest(tail)) << tail;
}

TEST(Schedule, StartsOnceTheStoredTimeHasPassedAndOtherwiseWaitsAtMostADay) {
    struct Case {
        std::int64_t stored, now;
        bool start;
        std::uint32_t waitMs;
    } cases[] = {
        {1000, 1001, true, 0},
        {1000, 1000, false, 0},
        {1000, 999, false, 1000},
        {3600, 0, false, 3600000},
        {86400, 0, false, 86400000},
        {86401, 0, false, 86400000},
        {4000000000LL, 0, false, 86400000}, // beyond 2038, read as an unsigned count
        {4000000000LL, 4000000001LL, true, 0},
    };
    for (const Case& c : cases) {
        const ScheduleDecision decision = DecideSchedule(c.stored, c.now);
        EXPECT_EQ(decision.startReader, c.start) << c.stored << " at " << c.now;
        EXPECT_EQ(decision.waitMs, c.waitMs) << c.stored << " at " << c.now;
    }
}

TEST(Schedule, ReadsTheFirstFourBytesOfAWholeScheduleFile) {
    TempFolder folder;
    std::int64_t stored = 0;
    EXPECT_FALSE(ReadScheduleFile(folder.Path("sched.dat").c_str(), stored));
    EXPECT_FALSE(ReadScheduleFile(folder.Write("short", "\x01\x02\x03").c_str(), stored));
    ASSERT_TRUE(ReadScheduleFile(folder.Write("long", std::string("\x10\x20\x30\x40\x55\x66", 6)).c_str(), stored));
    EXPECT_EQ(stored, 0x40302010);
    ASSERT_TRUE(ReadScheduleFile(folder.Write("late", "\xFF\xFF\xFF\xFF").c_str(), stored));
    EXPECT_EQ(stored, 0xFFFFFFFFLL);
}

TEST(Schedule, AWrittenScheduleFileReadsBackItsTime) {
    TempFolder folder;
    const std::string path = folder.Path("sched.dat");
    for (const std::int64_t time : {0LL, 1LL, 1798761600LL, 0x7FFFFFFFLL, 0x80000000LL, 0xFFFFFFFFLL}) {
        ASSERT_TRUE(WriteScheduleFile(path.c_str(), time));
        EXPECT_EQ(TempFolder::Read(path), ScheduleBytes(time));
        std::int64_t stored = -1;
        ASSERT_TRUE(ReadScheduleFile(path.c_str(), stored));
        EXPECT_EQ(stored, time);
    }
    EXPECT_EQ(ScheduleBytes(0x40302010), std::string("\x10\x20\x30\x40", 4));
    EXPECT_EQ(ScheduleBytes(-5), std::string(4, '\0')) << "times before 1970 are kept as 1970";
    EXPECT_EQ(ScheduleBytes(0x1FFFFFFFFLL), std::string(4, '\xFF')) << "times past 2106 are kept as 2106";
}

TEST(Schedule, AScheduleFileThatCannotBeWrittenKeepsTheOldOne) {
    TempFolder folder;
    const std::string path = folder.Write("sched.dat", ScheduleBytes(1234));
    std::filesystem::create_directory(path + ".new");
    EXPECT_FALSE(WriteScheduleFile(path.c_str(), 99));
    EXPECT_EQ(TempFolder::Read(path), ScheduleBytes(1234));
    EXPECT_FALSE(WriteScheduleFile(folder.Path("missing/sched.dat").c_str(), 99));
}

TEST(Schedule, ProgramFilePathsMustFitTheirBuffer) {
    char path[20];
    ASSERT_TRUE(ProgramFilePath("C:\\Q\\Quillwake.exe", "sched.dat", path, sizeof path));
    EXPECT_STREQ(path, "C:\\Q\\sched.dat");
    EXPECT_TRUE(ProgramFilePath("C:\\Quillm\\x.exe", "sched.dat", path, sizeof path)); // 19 bytes and the NUL
    EXPECT_FALSE(ProgramFilePath("C:\\Quillme\\x.exe", "sched.dat", path, sizeof path));
    EXPECT_STREQ(path, "");
}
