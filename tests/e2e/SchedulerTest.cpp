// Quillwake under Wine, with a stand-in reader that records when it is started.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class Scheduler {
public:
    Scheduler() {
        static int serial = 0;
        m_folder = fs::temp_directory_path() /
                   ("quillwake-e2e-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        fs::copy_file(fs::path(QUILLMERE_DIST) / "Quillwake.exe", m_folder / "Quillwake.exe");
        fs::copy_file(QUILLMERE_STAND_IN, m_folder / "Quillview.exe");
    }
    ~Scheduler() {
        Run("QUIT");
        std::error_code ignored;
        for (int tries = 0; tries < 50 && fs::exists(m_folder); ++tries, ::Sleep(100))
            fs::remove_all(m_folder, ignored);
    }

    void Schedule(std::int64_t time, size_t bytes = 4) {
        std::ofstream(m_folder / "sched.dat", std::ios::binary).write(reinterpret_cast<const char*>(&time), bytes);
    }
    bool ScheduleLeft() const { return fs::exists(m_folder / "sched.dat"); }

    // Starts Quillwake.exe with arguments; its process, to be waited for and closed by the caller.
    HANDLE Start(const std::string& arguments = "") {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::string command =
            "\"" + (m_folder / "Quillwake.exe").string() + "\"" + (arguments.empty() ? "" : " " + arguments);
        if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, m_folder.string().c_str(),
                              &startup, &process))
            return nullptr;
        ::CloseHandle(process.hThread);
        return process.hProcess;
    }
    // Runs an instance to its end; its exit code, or -1 when it did not end within milliseconds.
    int Run(const std::string& arguments, DWORD milliseconds = 5000) { return Finish(Start(arguments), milliseconds); }
    static int Finish(HANDLE process, DWORD milliseconds = 5000) {
        if (!process) return -2;
        DWORD code = static_cast<DWORD>(-1);
        if (::WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0) ::GetExitCodeProcess(process, &code);
        ::CloseHandle(process);
        return static_cast<int>(code);
    }

    // When the stand-in reader was started, in milliseconds since 1970, waited for; 0 if never.
    std::uint64_t ReaderStarted(DWORD milliseconds, bool* scheduleLeft = nullptr) {
        for (DWORD waited = 0; waited <= milliseconds; waited += 50, ::Sleep(50)) {
            std::ifstream in(m_folder / "started.txt");
            std::uint64_t at = 0;
            int left = 0;
            if (in >> at >> left) {
                if (scheduleLeft) *scheduleLeft = left != 0;
                return at;
            }
        }
        return 0;
    }

private:
    fs::path m_folder;
};

bool Waiting() { return ::FindWindowA(nullptr, "Quillwake") != nullptr; }

void WaitUntilWaiting() {
    for (int tries = 0; tries < 100 && !Waiting(); ++tries)
        ::Sleep(50);
}

} // namespace

TEST(Scheduler, StartsTheReaderJustAfterTheStoredTimeAndEnds) {
    Scheduler scheduler;
    const std::int64_t at = std::time(nullptr) + 2;
    scheduler.Schedule(at);
    HANDLE process = scheduler.Start();
    bool scheduleLeft = true;
    const std::uint64_t started = scheduler.ReaderStarted(8000, &scheduleLeft);
    ASSERT_NE(started, 0u) << "the reader was not started";
    EXPECT_GE(started, static_cast<std::uint64_t>(at) * 1000);
    EXPECT_LE(started, static_cast<std::uint64_t>(at) * 1000 + 1500);
    EXPECT_FALSE(scheduleLeft) << "sched.dat was still there when the reader started";
    EXPECT_EQ(Scheduler::Finish(process), 0);
}

TEST(Scheduler, WithoutAWholeScheduleFileEndsAtOnceAndStartsNothing) {
    Scheduler scheduler;
    EXPECT_EQ(scheduler.Run("", 3000), 0);
    scheduler.Schedule(std::time(nullptr) - 100, 3);
    EXPECT_EQ(scheduler.Run("", 3000), 0);
    EXPECT_EQ(scheduler.ReaderStarted(500), 0u);
}

TEST(Scheduler, ASecondInstanceMakesTheWaitingOneReadTheFileAgain) {
    Scheduler scheduler;
    scheduler.Schedule(std::time(nullptr) + 100000);
    HANDLE waiting = scheduler.Start();
    WaitUntilWaiting();
    ASSERT_TRUE(Waiting());
    EXPECT_EQ(scheduler.Run(""), 0);
    EXPECT_TRUE(Waiting());

    scheduler.Schedule(std::time(nullptr) + 2);
    EXPECT_EQ(scheduler.Run(""), 0);
    EXPECT_NE(scheduler.ReaderStarted(6000), 0u);
    EXPECT_EQ(Scheduler::Finish(waiting), 0);
    EXPECT_FALSE(Waiting());
}

TEST(Scheduler, QuitInAnyCaseEndsTheWaitingOneAndNothingElseDoes) {
    for (const char* quit : {"QUIT", "quit", "Quit"}) {
        Scheduler scheduler;
        scheduler.Schedule(std::time(nullptr) + 100000);
        HANDLE waiting = scheduler.Start();
        WaitUntilWaiting();
        for (const char* other : {"QUIT ", "QUIT now"}) {
            EXPECT_EQ(scheduler.Run(other), 0) << other;
            EXPECT_TRUE(Waiting()) << other << " ended the scheduler";
        }
        EXPECT_EQ(scheduler.Run(quit), 0);
        EXPECT_EQ(Scheduler::Finish(waiting), 0) << quit;
        EXPECT_FALSE(Waiting());
        EXPECT_TRUE(scheduler.ScheduleLeft());
        EXPECT_EQ(scheduler.ReaderStarted(0), 0u);
    }
}

TEST(Scheduler, AQuitRequestWithNoSchedulerRunningLeavesNoneRunning) {
    Scheduler scheduler;
    scheduler.Schedule(std::time(nullptr) + 100000);
    EXPECT_EQ(scheduler.Run("QUIT"), 0);
    EXPECT_FALSE(Waiting());
}
