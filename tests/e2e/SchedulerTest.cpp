// Quillwake under Wine, with a stand-in reader that records when it is started.
#include "contract/ScheduleFile.h"
#include "tests/support/Process.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <sstream>

namespace {

class SchedulerTest : public ::testing::Test {
protected:
    SchedulerTest() { folder.Copy(QUILLMERE_STAND_IN, "Quillview.exe"); }
    ~SchedulerTest() override { Run("QUIT"); }
    // A scheduler of another folder still waiting would take this test's scheduler for a second one.
    void SetUp() override { EndScheduler(); }

    void Schedule(std::int64_t time) { folder.Write("sched.dat", ScheduleBytes(time)); }
    // Starts Quillwake.exe with arguments.
    bool Start(Process& process, const std::string& arguments = "") {
        return process.Start(folder.Path("Quillwake.exe"), arguments);
    }
    // Starts a scheduler for a time far ahead and waits until it waits: on a loaded machine a
    // scheduler's start can take longer than the usual deadline.
    void StartWaiting(Process& waiting) {
        Schedule(std::time(nullptr) + 100000);
        ASSERT_TRUE(Start(waiting));
        ASSERT_TRUE(WaitUntil(SchedulerWaiting, 30000));
    }
    // Runs an instance to its end; its exit code, or -1 when it did not end in time.
    int Run(const std::string& arguments) {
        Process process;
        return Start(process, arguments) ? process.WaitForExit() : -2;
    }

    // When the stand-in reader was started, in milliseconds since 1970, and whether sched.dat was
    // still there then; false when it has not been started.
    bool ReaderStarted(std::uint64_t& at, bool& scheduleLeft) const {
        std::istringstream record(folder.Read("started.txt"));
        int left = 0;
        if (!(record >> at >> left)) return false;
        scheduleLeft = left != 0;
        return true;
    }
    bool ReaderStarted() const {
        std::uint64_t at;
        bool scheduleLeft;
        return ReaderStarted(at, scheduleLeft);
    }

    ProgramFolder folder{"Quillwake.exe"};
};

} // namespace

TEST_F(SchedulerTest, StartsTheReaderJustAfterTheStoredTimeAndEnds) {
    // The time counts from a scheduler that waits already, so that a slow start does not count.
    Process scheduler;
    StartWaiting(scheduler);
    ASSERT_FALSE(HasFatalFailure());
    const std::int64_t at = std::time(nullptr) + 2;
    Schedule(at);
    EXPECT_EQ(Run(""), 0) << "a second start makes it read the file again";
    std::uint64_t started = 0;
    bool scheduleLeft = true;
    ASSERT_TRUE(WaitUntil([&] { return ReaderStarted(started, scheduleLeft); }))
        << "the reader was not started; the scheduler runs: " << scheduler.Running()
        << ", sched.dat is there: " << folder.Exists("sched.dat") << ", windows shown: " << VisibleWindows();
    // The clock counts whole seconds, so the first moment later than T is T + 1 s; the reader's
    // start takes the reaction time after it.
    EXPECT_GE(started, static_cast<std::uint64_t>(at) * 1000);
    EXPECT_LE(started, static_cast<std::uint64_t>(at + 1) * 1000 + 1500);
    EXPECT_FALSE(scheduleLeft) << "sched.dat was still there when the reader started";
    EXPECT_EQ(scheduler.WaitForExit(), 0);
}

TEST_F(SchedulerTest, WithoutAWholeScheduleFileEndsAtOnceAndStartsNothing) {
    EXPECT_EQ(Run(""), 0);
    folder.Write("sched.dat", ScheduleBytes(std::time(nullptr) - 100).substr(0, 3));
    EXPECT_EQ(Run(""), 0);
    EXPECT_TRUE(NeverHolds([this] { return ReaderStarted(); }));
}

TEST_F(SchedulerTest, ASecondInstanceMakesTheWaitingOneReadTheFileAgain) {
    Process waiting;
    StartWaiting(waiting);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(Run(""), 0);
    EXPECT_TRUE(SchedulerWaiting());

    Schedule(std::time(nullptr) + 2);
    EXPECT_EQ(Run(""), 0);
    EXPECT_TRUE(WaitUntil([this] { return ReaderStarted(); }));
    EXPECT_EQ(waiting.WaitForExit(), 0);
    EXPECT_FALSE(SchedulerWaiting());
}

TEST_F(SchedulerTest, QuitInAnyCaseEndsTheWaitingOneAndNothingElseDoes) {
    for (const char* quit : {"QUIT", "quit", "Quit"}) {
        Process waiting;
        StartWaiting(waiting);
        ASSERT_FALSE(HasFatalFailure());
        for (const char* other : {"QUIT ", "QUIT now"}) {
            EXPECT_EQ(Run(other), 0) << other;
            EXPECT_TRUE(SchedulerWaiting()) << other << " ended the scheduler";
        }
        EXPECT_EQ(Run(quit), 0);
        EXPECT_EQ(waiting.WaitForExit(), 0) << quit;
        EXPECT_FALSE(SchedulerWaiting());
        EXPECT_TRUE(folder.Exists("sched.dat"));
        EXPECT_FALSE(ReaderStarted());
    }
}

TEST_F(SchedulerTest, AQuitRequestWithNoSchedulerRunningLeavesNoneRunning) {
    Schedule(std::time(nullptr) + 100000);
    EXPECT_EQ(Run("QUIT"), 0);
    EXPECT_FALSE(SchedulerWaiting());
}
