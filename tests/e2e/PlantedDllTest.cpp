// DLLs planted beside the programs and in their current folder, under the names of the DLLs that the
// programs load themselves, with Wine told to prefer DLLs it finds over its own as Windows does (the
// test runs with those overrides, which its programs inherit): the reader and the scheduler go
// through everything that loads those DLLs, and none is ever loaded.
// (The DLLs that Wine's own DLLs load, such as version, uxtheme, dwmapi and propsys, Wine's loader
// searches for without the programs' restriction; check-load-config.sh checks those in the files.)
#include "tests/e2e/ReaderSession.h"

#include "reader/res/resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const plantedNames[] = {"winmm", "comdlg32", "shell32", "ole32", "comctl32"};

bool SchedulerWaiting() { return ReaderSession::SchedulerWindow() != nullptr; }

class PlantedDllTest : public ::testing::Test {
protected:
    ReaderSession session{true, true};
    const std::string current = session.FileInFolder("current\\");

    void SetUp() override {
        fs::create_directory(current);
        for (const char* name : plantedNames)
            for (const std::string& folder : {session.Folder(), current})
                fs::copy_file(QUILLMERE_PLANTED_DLL, folder + name + ".dll");
    }
    void TearDown() override {
        if (HWND scheduler = ReaderSession::SchedulerWindow()) ::PostMessageA(scheduler, WM_QUIT, 0, 0);
        ReaderSession::WaitUntil([] { return !SchedulerWaiting(); });
        for (const std::string& folder : {session.Folder(), current})
            EXPECT_FALSE(fs::exists(folder + "planted.log")) << ReadLog(folder + "planted.log");
    }
    static std::string ReadLog(const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Opens the dialog that button id opens, and cancels it.
    void OpenAndCancel(HWND window, int id, const char* caption) {
        ReaderSession::Press(window, id);
        HWND dialog = ReaderSession::WaitForWindow(caption);
        ASSERT_TRUE(dialog) << caption;
        ReaderSession::Press(dialog, IDCANCEL);
    }
};

} // namespace

TEST_F(PlantedDllTest, NoneIsLoadedThroughAReadersSessionAndASchedulersWait) {
    // The reader: the chime, the open-file and font dialogs, and leaving with autorun on.
    ASSERT_TRUE(session.Start(current));
    HWND welcome = ReaderSession::WaitForWindow("Quillview");
    ASSERT_TRUE(welcome);
    ReaderSession::Press(welcome, IDOK);
    HWND window = ReaderSession::WaitForWindow(QUILLMERE_CAPTION);
    ASSERT_TRUE(window);
    OpenAndCancel(window, IDC_SELECT_BOOK, "Open");
    OpenAndCancel(window, IDC_FONTS, "Font");
    ReaderSession::Press(window, IDOK);
    EXPECT_EQ(session.WaitForExit(), 0);
    EXPECT_TRUE(fs::exists(session.FileInFolder("settings.dat")));
    ASSERT_TRUE(ReaderSession::WaitUntil(SchedulerWaiting)) << "no scheduler is waiting";

    // The scheduler: woken with a time that has passed, it starts the reader.
    std::ofstream(session.FileInFolder("sched.dat"), std::ios::binary).write("\1\0\0\0", 4);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION waker{};
    std::string command = "\"" + session.FileInFolder("Quillwake.exe") + "\"";
    ASSERT_TRUE(
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, current.c_str(), &startup, &waker));
    ::CloseHandle(waker.hThread);
    ::CloseHandle(waker.hProcess);
    window = ReaderSession::WaitForWindow(QUILLMERE_CAPTION);
    ASSERT_TRUE(window) << "the scheduler did not start the reader";
    EXPECT_TRUE(ReaderSession::WaitUntil([] { return !SchedulerWaiting(); }));
    ReaderSession::Press(window, IDCANCEL);
    ReaderSession::WaitUntil([&] { return !::IsWindow(window); });
}
