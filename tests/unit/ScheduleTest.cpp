#include "scheduler/Schedule.h"

#include <gtest/gtest.h>

TEST(Schedule, TheTailIsWhatFollowsTheProgramName) {
    const struct {
        const char *commandLine, *tail;
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
    for (const auto& c : cases)
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
