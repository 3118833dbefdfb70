// The daily cycle between the real reader and the real scheduler under Wine.
#include "tests/e2e/ReaderSession.h"
#include "tests/e2e/Shortcut.h"

#include "reader/app/SettingsFile.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr char mainCaption[] = QUILLMERE_CAPTION;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Field(const std::string& bytes, size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

std::string CommonStartupLink() {
    char folder[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_STARTUP, FALSE);
    return std::string(folder) + "\\Quillwake.lnk";
}

bool SchedulerWaiting() { return ReaderSession::SchedulerWindow() != nullptr; }

// Waits until the scheduler window is there, or gone; true when it came to be so.
bool WaitForScheduler(bool waiting, DWORD milliseconds = 5000) {
    return ReaderSession::WaitUntil([=] { return SchedulerWaiting() == waiting; }, milliseconds);
}

bool SameFile(const std::string& a, const std::string& b) { return fs::equivalent(fs::path(a), fs::path(b)); }

class AutorunTest : public ::testing::Test {
protected:
    void SetUp() override { ::DeleteFileA(CommonStartupLink().c_str()); }
    void TearDown() override {
        if (SchedulerWaiting()) ::PostMessageA(ReaderSession::SchedulerWindow(), WM_QUIT, 0, 0);
        WaitForScheduler(false);
        ::DeleteFileA(CommonStartupLink().c_str());
    }

    HWND Start(ReaderSession& session, bool firstTime) {
        EXPECT_TRUE(session.Start());
        if (firstTime) {
            HWND box = ReaderSession::WaitForWindow("Quillview");
            EXPECT_TRUE(box);
            if (box) ReaderSession::Press(box, IDOK);
        }
        return ReaderSession::WaitForWindow(mainCaption);
    }
    void Exit(ReaderSession& session, HWND window) {
        ReaderSession::Press(window, IDOK);
        EXPECT_EQ(session.WaitForExit(), 0);
    }
    static HWND Panel(HWND window) { return ::FindWindowExA(window, nullptr, "#32770", nullptr); }
    // Unchecks "AutoRun Daily at", leaves with the exit button, and checks that nothing is armed.
    void LeaveWithAutorunOff(ReaderSession& session, HWND window) {
        ::SendMessageA(::GetDlgItem(Panel(window), IDC_AUTORUN), BM_CLICK, 0, 0);
        Exit(session, window);
        EXPECT_FALSE(fs::exists(session.FileInFolder("sched.dat")));
        EXPECT_FALSE(fs::exists(CommonStartupLink()));
        ::Sleep(1000);
        EXPECT_FALSE(SchedulerWaiting());
    }
};

} // namespace

TEST_F(AutorunTest, LeavingWithAutorunOnArmsTheSchedulerAndSavesTheShortcut) {
    ReaderSession session(true, true);
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    Exit(session, window);

    const std::string settings = ReadFile(session.FileInFolder("settings.dat"));
    const std::string schedule = ReadFile(session.FileInFolder("sched.dat"));
    ASSERT_EQ(schedule.size(), 4u);
    EXPECT_EQ(schedule, settings.substr(4, 4));
    EXPECT_TRUE(WaitForScheduler(true)) << "no scheduler is waiting";

    std::string target, description;
    ASSERT_TRUE(ReadShortcut(CommonStartupLink(), target, description)) << CommonStartupLink();
    EXPECT_TRUE(SameFile(target, session.FileInFolder("Quillwake.exe"))) << target;
    EXPECT_EQ(description, "Quillwaker");

    window = Start(session, false); // stops the waiting scheduler, and saves the shortcut again
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitForScheduler(false)) << "the reader's start did not stop the scheduler";
    Exit(session, window);
    EXPECT_TRUE(ReadShortcut(CommonStartupLink(), target, description));
    EXPECT_TRUE(WaitForScheduler(true));
}

TEST_F(AutorunTest, LeavingWithAutorunOffWhenNothingWasArmedLeavesNothing) {
    ReaderSession session(true, true);
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    LeaveWithAutorunOff(session, window);
}

TEST_F(AutorunTest, LeavingWithAutorunOffRemovesShortcutScheduleAndScheduler) {
    ReaderSession session(true, true);
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    Exit(session, window);
    ASSERT_TRUE(WaitForScheduler(true));
    ASSERT_TRUE(fs::exists(CommonStartupLink()));

    window = Start(session, false);
    ASSERT_TRUE(window);
    LeaveWithAutorunOff(session, window);
    EXPECT_EQ(Field(ReadFile(session.FileInFolder("settings.dat")), 0), 0u);
}

TEST_F(AutorunTest, ASecondReaderTurnedAwayStopsNothing) {
    ReaderSession session(true, true);
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    std::ofstream(session.FileInFolder("sched.dat"), std::ios::binary)
        .write(std::string(4, '\x7f').data(), 4); // far ahead
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION scheduler{};
    std::string command = "\"" + session.FileInFolder("Quillwake.exe") + "\"";
    ASSERT_TRUE(
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &scheduler));
    ::CloseHandle(scheduler.hThread);
    ::CloseHandle(scheduler.hProcess);
    ASSERT_TRUE(WaitForScheduler(true));

    ReaderSession second(true, true);
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0);
    ::Sleep(1000);
    EXPECT_TRUE(SchedulerWaiting()) << "the reader that was turned away stopped the scheduler";
    ReaderSession::Press(window, IDCANCEL);
    session.WaitForExit();
}

// A window titled "Quillwake" of the class given, or none; "QUILLWAKE" is the scheduler's class.
HWND WindowTitledQuillwake(const char* windowClass) {
    if (!windowClass) return nullptr;
    WNDCLASSA info{};
    info.lpfnWndProc = ::DefWindowProcA;
    info.lpszClassName = windowClass;
    ::RegisterClassA(&info);
    return ::CreateWindowExA(0, windowClass, "Quillwake", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

// Whether the test's own message queue received a quit request or the scheduler's wake message.
bool ReceivedSchedulerMessages() {
    bool received = false;
    for (MSG message; ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
        received |= message.message == WM_QUIT || message.message == WM_USER + 1188;
    return received;
}

// A stand-in scheduler records each start of its own: the reader starts one to carry a quit request
// only while the scheduler's window is there, and not for another program's window of its title.
TEST_F(AutorunTest, TheReaderSendsAQuitRequestOnlyWhileASchedulerIsThere) {
    for (const char* windowClass : {static_cast<const char*>(nullptr), "Static", "QUILLWAKE"}) {
        ReaderSession session(true);
        fs::copy_file(QUILLMERE_STAND_IN, session.FileInFolder("Quillwake.exe"));
        HWND scheduler = WindowTitledQuillwake(windowClass);
        HWND window = Start(session, true);
        ASSERT_TRUE(window);
        ReaderSession::Settle(1500);
        const bool schedulerThere = windowClass && std::string(windowClass) == "QUILLWAKE";
        EXPECT_EQ(fs::exists(session.FileInFolder("started.txt")), schedulerThere) << (windowClass ? windowClass : "");
        ReaderSession::Press(window, IDCANCEL);
        session.WaitForExit();
        if (scheduler) ::DestroyWindow(scheduler);
    }
}

TEST_F(AutorunTest, AnotherProgramsWindowTitledQuillwakeNeitherStopsNorTakesTheScheduler) {
    HWND foreign = WindowTitledQuillwake("Static");
    ReaderSession session(true, true);
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    Exit(session, window);
    EXPECT_TRUE(WaitForScheduler(true)) << "no scheduler is waiting";
    EXPECT_FALSE(ReceivedSchedulerMessages()) << "the foreign window was sent the scheduler's messages";
    ::DestroyWindow(foreign);
}

TEST_F(AutorunTest, TheRoadOfOneDay) {
    ReaderSession session(true, true);
    const std::time_t at = std::time(nullptr) + 5;
    std::ofstream(session.FileInFolder("settings.dat"), std::ios::binary)
        << SettingsBytes(true, at, false, FontDescription{}, session.FileInFolder("quillmere.pdb"));
    HWND window = Start(session, false);
    ASSERT_TRUE(window);
    Exit(session, window); // arms the scheduler for today at that time
    ASSERT_EQ(Field(ReadFile(session.FileInFolder("sched.dat")), 0), static_cast<std::uint32_t>(at));
    ASSERT_TRUE(WaitForScheduler(true));

    window = ReaderSession::WaitForWindow(mainCaption, 12000); // started by the scheduler
    ASSERT_TRUE(window) << "the scheduler did not start the reader";
    EXPECT_GE(std::time(nullptr), at);
    EXPECT_FALSE(SchedulerWaiting());
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    BookFile book;
    book.OpenBook(session.FileInFolder("quillmere.pdb").c_str());
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE),
              std::string(VerseTextForDate(book, today.wDay, today.wMonth, today.wYear)));

    ReaderSession::Press(window, IDOK);
    ReaderSession::WaitUntil([&] { return !::IsWindow(window); }, 5000);
    EXPECT_TRUE(WaitForScheduler(true)) << "the scheduler is not armed for the next day";
    const std::uint32_t next = Field(ReadFile(session.FileInFolder("sched.dat")), 0);
    EXPECT_GE(next, static_cast<std::uint32_t>(at + 82800));
    EXPECT_LE(next, static_cast<std::uint32_t>(at + 90000));
}

TEST_F(AutorunTest, AScheduleFileThatCannotBeWrittenStartsNoSchedulerButTheShortcutIsSaved) {
    ReaderSession session(true, true);
    fs::create_directory(session.FileInFolder("sched.dat"));
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    Exit(session, window);
    ::Sleep(1500);
    EXPECT_FALSE(SchedulerWaiting());
    std::string target, description;
    EXPECT_TRUE(ReadShortcut(CommonStartupLink(), target, description));
    fs::remove(session.FileInFolder("sched.dat"));
}

TEST_F(AutorunTest, AShortcutThatCannotGoToAllUsersGoesToTheUsersOwnStartUpFolder) {
    char folder[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, TRUE);
    const std::string userLink = std::string(folder) + "\\Quillwake.lnk";
    ::DeleteFileA(userLink.c_str());
    fs::create_directory(CommonStartupLink()); // the all-users shortcut cannot be written now
    ReaderSession session(true, true);
    HWND window = Start(session, true);
    ASSERT_TRUE(window);
    Exit(session, window);
    std::string target, description;
    EXPECT_TRUE(ReadShortcut(userLink, target, description)) << userLink;
    EXPECT_EQ(description, "Quillwaker");
    fs::remove(CommonStartupLink());

    window = Start(session, false);
    ASSERT_TRUE(window);
    ::SendMessageA(::GetDlgItem(Panel(window), IDC_AUTORUN), BM_CLICK, 0, 0);
    Exit(session, window);
    EXPECT_FALSE(fs::exists(userLink)) << "turning autorun off left the user's shortcut";
}
