// DLLs planted beside the programs and in their current folder, under the names of the DLLs that the
// programs load themselves, with Wine told to prefer DLLs it finds over its own as Windows does (the
// test runs with those overrides, which its programs inherit): the reader and the scheduler go
// through everything that loads those DLLs, and none is ever loaded.
// (The DLLs that Wine's own DLLs load, such as version, uxtheme, dwmapi and propsys, Wine's loader
// searches for without the programs' restriction; check-load-config.sh checks those in the files.)
#include "reader/res/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const plantedNames[] = {"winmm", "comdlg32", "shell32", "ole32", "comctl32"};

class PlantedDllTest : public ::testing::Test {
protected:
    ProgramFolder folder{"Quillview.exe", "quill.wav", "quillmere.pdb", "Quillwake.exe"};
    const std::string current = folder.Path("current\\");
    Reader reader{folder.Path()};

    void SetUp() override {
        fs::create_directory(current);
        for (const char* name : plantedNames)
            for (const std::string& where : {folder.Path(), current})
                fs::copy_file(QUILLMERE_PLANTED_DLL, where + name + ".dll");
    }
    void TearDown() override {
        EndScheduler();
        for (const std::string& log : {folder.Path("planted.log"), current + "planted.log"})
            EXPECT_FALSE(fs::exists(log)) << folder.Read(log.substr(folder.Path().size()));
    }

    // Opens the dialog that button id opens, and cancels it.
    void OpenAndCancel(HWND window, int id, const char* caption) {
        Press(window, id);
        HWND dialog = WaitForWindow(caption);
        ASSERT_TRUE(dialog) << caption;
        ASSERT_TRUE(Answer(dialog, IDCANCEL));
    }
};

} // namespace

TEST_F(PlantedDllTest, NoneIsLoadedThroughAReadersSessionAndASchedulersWait) {
    // The reader: the chime, the open-file and font dialogs, and leaving with autorun on.
    HWND window = reader.Start(true, current);
    ASSERT_TRUE(window);
    OpenAndCancel(window, IDC_SELECT_BOOK, "Open");
    OpenAndCancel(window, IDC_FONTS, "Font");
    EXPECT_EQ(reader.Leave(), 0);
    EXPECT_TRUE(folder.Exists("settings.dat"));
    ASSERT_TRUE(WaitUntil(SchedulerWaiting)) << "no scheduler is waiting";

    // The scheduler: woken with a time that has passed, it starts the reader.
    folder.Write("sched.dat", std::string("\1\0\0\0", 4));
    Process waker;
    ASSERT_TRUE(waker.Start(folder.Path("Quillwake.exe"), "", current));
    window = reader.WaitForMainWindow();
    ASSERT_TRUE(window) << "the scheduler did not start the reader";
    EXPECT_TRUE(WaitUntil([] { return !SchedulerWaiting(); }));
    Press(window, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); })) << "the reader's window did not close";
}
