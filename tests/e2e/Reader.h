#pragma once

#include "Version.h"
#include "tests/support/Process.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/Waits.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

// The reader of a program folder, started and left as a user does.
class Reader {
public:
    // folder ends in a backslash; caption is the main window's.
    explicit Reader(std::string folder, std::string caption = QUILLMERE_CAPTION)
        : m_folder(std::move(folder)), m_caption(std::move(caption)) {}

    // Starts Quillview.exe of the folder in currentFolder, or else in the folder, and waits for its
    // main window; on a first start it answers the welcome message first, whose text it checks.
    // The main window, or null when none came.
    HWND Start(bool firstTime, const std::string& currentFolder = "");
    // Starts it and leaves it to the caller: false when it could not be started.
    bool Launch(const std::string& currentFolder = "");
    // Waits for the main window; null when none came.
    HWND WaitForMainWindow(DWORD milliseconds = deadline);
    // Leaves with button, the exit button or Esc, and waits for the end; the exit code, or -1.
    int Leave(int button = IDOK);

    HWND Window() const { return m_window; }
    // Waits until the reader has handled every click and message posted to it so far.
    bool Handled() const;
    Process& process() { return m_process; }

private:
    std::string m_folder;
    std::string m_caption;
    Process m_process;
    HWND m_window = nullptr;
};

// A test's program folder with the reader, the chime and the default book, and its reader.
class ReaderFolderTest : public ::testing::Test {
protected:
    ProgramFolder folder{"Quillview.exe", "quill.wav", "quillmere.pdb"};
    Reader reader{folder.Path()};
};

// Chooses the book at path, in UTF-8, in the reader's open-file dialog, and waits until the dialog
// is gone.
void SelectBook(HWND window, const std::string& path);

// The text that the reader shows today for the book at bookPath.
std::string TodaysVerse(const std::string& bookPath);

// The first-use message of the reader.
constexpr char welcomeText[] = "Welcome to Quillmere!  Click on Settings to configure Quillmere on your first use!";
