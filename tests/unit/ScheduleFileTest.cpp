#include "contract/ScheduleFile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ScheduleFile, ReadsTheFirstFourBytesOfAWholeScheduleFile) {
    TempFolder folder;
    std::int64_t stored = 0;
    EXPECT_FALSE(ReadScheduleFile(folder.Path("sched.dat").c_str(), stored));
    EXPECT_FALSE(ReadScheduleFile(folder.Write("short", "\x01\x02\x03").c_str(), stored));
    ASSERT_TRUE(ReadScheduleFile(folder.Write("long", std::string("\x10\x20\x30\x40\x55\x66", 6)).c_str(), stored));
    EXPECT_EQ(stored, 0x40302010);
    ASSERT_TRUE(ReadScheduleFile(folder.Write("late", "\xFF\xFF\xFF\xFF").c_str(), stored));
    EXPECT_EQ(stored, 0xFFFFFFFFLL);
}

TEST(ScheduleFile, AWrittenScheduleFileReadsBackItsTime) {
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

TEST(ScheduleFile, AScheduleFileThatCannotBeWrittenKeepsTheOldOne) {
    TempFolder folder;
    const std::string path = folder.Write("sched.dat", ScheduleBytes(1234));
    std::filesystem::create_directory(path + ".new");
    EXPECT_FALSE(WriteScheduleFile(path.c_str(), 99));
    EXPECT_EQ(TempFolder::Read(path), ScheduleBytes(1234));
    EXPECT_FALSE(WriteScheduleFile(folder.Path("missing/sched.dat").c_str(), 99));
}
