// The daily cycle between the real reader and the real scheduler under Wine.
#include "contract/ProgramNames.h"
#include "reader/res/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Shortcut.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool SameFile(const std::string& a, const std::string& b) { return fs::equivalent(fs::u8path(a), fs::u8path(b)); }

const std::string commonLink = StartupLink(CSIDL_COMMON_STARTUP);

class AutorunTest : public ::testing::Test {
protected:
    void SetUp() override {
        EndScheduler();
        ::DeleteFileA(commonLink.c_str());
    }
    void TearDown() override {
        EndScheduler();
        ::DeleteFileA(commonLink.c_str());
    }

    static HWND Panel(HWND window) { return ::FindWindowExA(window, nullptr, "#32770", nullptr); }
    // The all-users start-up folder holds the shortcut that starts this folder's scheduler.
    void ExpectTheShortcut() const {
        std::string target, description;
        ASSERT_TRUE(ReadShortcut(commonLink, target, description)) << commonLink;
        EXPECT_TRUE(SameFile(target, folder.Path("Quillwake.exe")))
            << target << " for " << folder.Path("Quillwake.exe");
        EXPECT_EQ(description, "Quillwaker");
    }
    // Unchecks "AutoRun Daily at", leaves with the exit button, and checks that nothing is armed.
    void LeaveWithAutorunOff() {
        ::SendMessageA(::GetDlgItem(Panel(reader.Window()), IDC_AUTORUN), BM_CLICK, 0, 0);
        EXPECT_EQ(reader.Leave(), 0);
        EXPECT_FALSE(folder.Exists("sched.dat"));
        EXPECT_FALSE(fs::exists(commonLink));
        // A scheduler that the start stopped may still be on its way out, but none comes back.
        EXPECT_TRUE(WaitUntil([] { return !SchedulerWaiting(); }));
        EXPECT_TRUE(NeverHolds(SchedulerWaiting));
    }

    // The reader's start arms the day; the scheduler starts the reader at its time, which arms the
    // next day at once, and again on leaving.
    void RoadOfOneDay() {
        const std::time_t at = std::time(nullptr) + 5;
        folder.WriteSettings(true, at, FontDescription{});
        ASSERT_TRUE(reader.Start(false));
        EXPECT_EQ(reader.Leave(), 0); // arms the scheduler for today at that time
        ASSERT_EQ(folder.ScheduledTime(), at);
        ASSERT_TRUE(WaitUntil(SchedulerWaiting));

        HWND window = reader.WaitForMainWindow(20000); // started by the scheduler
        ASSERT_TRUE(window) << "the scheduler did not start the reader; windows: " << VisibleWindows()
                            << "; sched.dat holds " << folder.ScheduledTime() << " for " << at;
        EXPECT_GE(std::time(nullptr), at);
        EXPECT_EQ(ItemText(window, IDC_VERSE), TodaysVerse(folder.Path("quillmere.pdb")));
        // The reader's start has armed the next day already, before anyone leaves it.
        EXPECT_GE(folder.ScheduledTime(), at + 82800);
        EXPECT_TRUE(WaitUntil(SchedulerWaiting)) << "the start did not arm the next day";

        Press(window, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); })) << "the reader's window did not close";
        EXPECT_TRUE(WaitUntil(SchedulerWaiting)) << "the scheduler is not armed for the next day";
        const std::int64_t next = folder.ScheduledTime();
        EXPECT_GE(next, at + 82800);
        EXPECT_LE(next, at + 90000);
    }

    explicit AutorunTest(const std::string& folderName = "")
        : folder({"Quillview.exe", "quill.wav", "quillmere.pdb", "Quillwake.exe"}, folderName), reader(folder.Path()) {}

    ProgramFolder folder;
    Reader reader;
};

class AutorunInAFolderOfAnyNameTest : public AutorunTest {
protected:
    AutorunInAFolderOfAnyNameTest() : AutorunTest("Łódź 日本") {}
};

} // namespace

TEST_F(AutorunTest, LeavingWithAutorunOnArmsTheSchedulerAndSavesTheShortcut) {
    ASSERT_TRUE(reader.Start(true));
    EXPECT_EQ(reader.Leave(), 0);

    ASSERT_EQ(folder.Read("sched.dat").size(), 4u);
    EXPECT_EQ(folder.ScheduledTime(), folder.Settings().autorunTime.value_or(-2));
    EXPECT_TRUE(WaitUntil(SchedulerWaiting)) << "no scheduler is waiting";

    ExpectTheShortcut();

    ASSERT_TRUE(reader.Start(false)); // the scheduler waits on while the reader is open
    EXPECT_TRUE(NeverHolds([] { return !SchedulerWaiting(); })) << "the reader's start stopped the scheduler";
    EXPECT_EQ(reader.Leave(), 0);
    ExpectTheShortcut();
    EXPECT_TRUE(WaitUntil(SchedulerWaiting));
}

namespace {

// How a reader opened by hand, with autorun on in settings.dat, is left without the exit button.
enum class Ending { esc, closeBox, killed };

class DailyStartTest : public AutorunTest, public ::testing::WithParamInterface<Ending> {};

std::string EndingName(const ::testing::TestParamInfo<Ending>& info) {
    const char* names[] = {"Esc", "CloseBox", "Killed"};
    return names[static_cast<int>(info.param)];
}

} // namespace

// The start armed by the settings outlives the reader, however it ends: sched.dat holds the next
// daily time, a scheduler waits for it, and the shortcut starts one at the next log-on.
TEST_P(DailyStartTest, SurvivesAReaderLeftAnyWay) {
    const std::time_t at = std::time(nullptr) + 7200; // ahead today, or tomorrow at that time
    folder.WriteSettings(true, at, FontDescription{});
    HWND window = reader.Start(false);
    ASSERT_TRUE(window);
    switch (GetParam()) {
    case Ending::esc:
        EXPECT_EQ(reader.Leave(IDCANCEL), 0);
        break;
    case Ending::closeBox:
        ASSERT_TRUE(::GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU) << "no close box";
        ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(reader.process().WaitForExit(), 0);
        break;
    case Ending::killed:
        ::TerminateProcess(reader.process().Handle(), 9);
        EXPECT_EQ(reader.process().WaitForExit(), 9);
        break;
    }
    EXPECT_EQ(folder.ScheduledTime(), at);
    EXPECT_TRUE(WaitUntil(SchedulerWaiting)) << "no scheduler waits for the next start";
    ExpectTheShortcut();
}

INSTANTIATE_TEST_SUITE_P(Ending, DailyStartTest, ::testing::Values(Ending::esc, Ending::closeBox, Ending::killed),
                         EndingName);

// The daily time comes while the reader is open: the scheduler's start brings the open reader
// forward, opens no second one, and arms the day after.
TEST_F(AutorunTest, AReaderOpenAtItsDailyTimeComesForwardAndTheNextDayIsArmed) {
    const std::time_t at = std::time(nullptr) + 8;
    folder.WriteSettings(true, at, FontDescription{});
    HWND window = reader.Start(false);
    ASSERT_TRUE(window);
    ASSERT_EQ(folder.ScheduledTime(), at);
    ASSERT_TRUE(WaitUntil(SchedulerWaiting));

    EXPECT_TRUE(WaitUntil([&] { return folder.ScheduledTime() >= at + 82800; }, 20000))
        << "the day after was not armed; sched.dat holds " << folder.ScheduledTime();
    EXPECT_LE(folder.ScheduledTime(), at + 90000);
    EXPECT_TRUE(WaitUntil(SchedulerWaiting)) << "no scheduler waits for the day after";
    EXPECT_EQ(::FindWindowA("#32770", QUILLMERE_CAPTION), window);
    EXPECT_EQ(::FindWindowExA(nullptr, window, "#32770", QUILLMERE_CAPTION), nullptr) << "a second reader opened";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}

TEST_F(AutorunTest, LeavingWithAutorunOffWhenNothingWasArmedLeavesNothing) {
    ASSERT_TRUE(reader.Start(true));
    LeaveWithAutorunOff();
}

TEST_F(AutorunTest, LeavingWithAutorunOffRemovesShortcutScheduleAndScheduler) {
    ASSERT_TRUE(reader.Start(true));
    EXPECT_EQ(reader.Leave(), 0);
    ASSERT_TRUE(WaitUntil(SchedulerWaiting));
    ASSERT_TRUE(fs::exists(commonLink));

    ASSERT_TRUE(reader.Start(false));
    LeaveWithAutorunOff();
    EXPECT_FALSE(folder.Settings().autorun);
}

TEST_F(AutorunTest, ASecondReaderTurnedAwayStopsNothing) {
    ASSERT_TRUE(reader.Start(true));
    folder.Write("sched.dat", std::string(4, '\x7f')); // far ahead
    Process scheduler;
    ASSERT_TRUE(scheduler.Start(folder.Path("Quillwake.exe")));
    ASSERT_TRUE(WaitUntil(SchedulerWaiting));

    ProgramFolder secondFolder{"Quillview.exe", "quill.wav", "quillmere.pdb", "Quillwake.exe"};
    Reader second(secondFolder.Path());
    ASSERT_TRUE(second.Launch());
    EXPECT_EQ(second.process().WaitForExit(), 0);
    EXPECT_TRUE(NeverHolds([] { return !SchedulerWaiting(); })) << "the reader that was turned away stopped it";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}

namespace {

// A window titled "Quillwake" of the class given, or none; "QUILLWAKE" is the scheduler's class.
HWND WindowTitledQuillwake(const char* windowClass) {
    if (!windowClass) return nullptr;
    WNDCLASSA info{};
    info.lpfnWndProc = ::DefWindowProcA;
    info.lpszClassName = windowClass;
    ::RegisterClassA(&info);
    return ::CreateWindowExA(0, windowClass, SCHEDULER_WINDOW_TITLE, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                             nullptr);
}

// Whether the test's own message queue received a quit request or the scheduler's wake message.
bool ReceivedSchedulerMessages() {
    bool received = false;
    for (MSG message; ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
        received |= message.message == WM_QUIT || message.message == schedulerWakeMessage;
    return received;
}

} // namespace

// A stand-in scheduler records each start of its own: the reader starts one to carry a quit request
// only while the scheduler's window is there, and not for another program's window of its title.
TEST_F(AutorunTest, TheReaderSendsAQuitRequestOnlyWhileASchedulerIsThere) {
    for (const char* windowClass : {static_cast<const char*>(nullptr), "Static", SCHEDULER_WINDOW_CLASS}) {
        ProgramFolder standIn{"Quillview.exe", "quill.wav", "quillmere.pdb"};
        standIn.Copy(QUILLMERE_STAND_IN, "Quillwake.exe");
        Reader quitting(standIn.Path());
        HWND scheduler = WindowTitledQuillwake(windowClass);
        ASSERT_TRUE(quitting.Start(true));
        const auto started = [&] { return standIn.Exists("started.txt"); };
        const bool schedulerThere = windowClass && std::string(windowClass) == SCHEDULER_WINDOW_CLASS;
        if (schedulerThere)
            EXPECT_TRUE(WaitUntil(started)) << "no quit request for the scheduler";
        else
            EXPECT_TRUE(NeverHolds(started)) << "a quit request for " << (windowClass ? windowClass : "no window");
        EXPECT_EQ(quitting.Leave(IDCANCEL), 0);
        if (scheduler) ::DestroyWindow(scheduler);
    }
}

TEST_F(AutorunTest, AnotherProgramsWindowTitledQuillwakeNeitherStopsNorTakesTheScheduler) {
    HWND foreign = WindowTitledQuillwake("Static");
    ASSERT_TRUE(reader.Start(true));
    EXPECT_EQ(reader.Leave(), 0);
    EXPECT_TRUE(WaitUntil(SchedulerWaiting)) << "no scheduler is waiting";
    EXPECT_FALSE(ReceivedSchedulerMessages()) << "the foreign window was sent the scheduler's messages";
    ::DestroyWindow(foreign);
}

TEST_F(AutorunTest, TheRoadOfOneDay) { RoadOfOneDay(); }

// The programs in a folder whose name no ANSI code page holds: the path of the book that the
// reader saves is whole in UTF-8 after the ANSI fields.
TEST_F(AutorunInAFolderOfAnyNameTest, TheRoadOfOneDay) {
    RoadOfOneDay();
    ExpectTheShortcut();
    EXPECT_EQ(folder.Settings().bookPathUtf8, folder.Path("quillmere.pdb"));
}

TEST_F(AutorunTest, AScheduleFileThatCannotBeWrittenStartsNoSchedulerButTheShortcutIsSaved) {
    fs::create_directory(folder.Path("sched.dat"));
    ASSERT_TRUE(reader.Start(true));
    EXPECT_EQ(reader.Leave(), 0);
    EXPECT_TRUE(NeverHolds(SchedulerWaiting));
    std::string target, description;
    EXPECT_TRUE(ReadShortcut(commonLink, target, description));
}

TEST_F(AutorunTest, AShortcutThatCannotGoToAllUsersGoesToTheUsersOwnStartUpFolder) {
    const std::string userLink = StartupLink(CSIDL_STARTUP);
    ::DeleteFileA(userLink.c_str());
    fs::create_directory(commonLink); // the all-users shortcut cannot be written now
    ASSERT_TRUE(reader.Start(true));
    EXPECT_EQ(reader.Leave(), 0);
    std::string target, description;
    EXPECT_TRUE(ReadShortcut(userLink, target, description)) << userLink;
    EXPECT_EQ(description, "Quillwaker");
    fs::remove(commonLink);

    HWND window = reader.Start(false);
    ASSERT_TRUE(window);
    ::SendMessageA(::GetDlgItem(Panel(window), IDC_AUTORUN), BM_CLICK, 0, 0);
    EXPECT_EQ(reader.Leave(), 0);
    EXPECT_FALSE(fs::exists(userLink)) << "turning autorun off left the user's shortcut";
}
