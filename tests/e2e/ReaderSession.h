#pragma once

#include "Version.h"
#include "framework/win/Win32.h"

#include <functional>
#include <string>

// One run of Quillview.exe in a fresh copy of the program folder, worked from outside as a user
// would: by finding its windows by caption, reading their texts and clicking their buttons.
class ReaderSession {
public:
    // Copies the program folder, without the default book unless withBook, and without the
    // scheduler unless withScheduler.
    explicit ReaderSession(bool withBook, bool withScheduler = false);
    ~ReaderSession();

    std::string Folder() const { return m_folder; }
    std::string FileInFolder(const std::string& name) const { return m_folder + name; }
    // Starts another Quillview.exe from the folder, in currentFolder or else in the program folder;
    // false when it could not be started.
    bool Start(const std::string& currentFolder = "");
    // Waits until the last started process has ended; its exit code, or -1 on a time-out.
    int WaitForExit(DWORD milliseconds = 10000);
    bool Running() const;

    // Waits until condition holds; false when it did not within milliseconds.
    static bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);
    // The waiting scheduler's window, known by its class and title, or null.
    static HWND SchedulerWindow() { return ::FindWindowA("QUILLWAKE", "Quillwake"); }
    // The visible top-level window with caption (and of windowClass, where given), waited for; null
    // when none came.
    static HWND WaitForWindow(const char* caption, DWORD milliseconds = 10000, const char* windowClass = nullptr);
    static std::string Text(HWND window);
    static std::string ItemText(HWND dialog, int id) { return Text(::GetDlgItem(dialog, id)); }
    // The text of a message box, and a click on one of its buttons.
    static std::string MessageText(HWND box) { return ItemText(box, 0xFFFF); }
    static void Press(HWND dialog, int id);
    // A left click at a point of a window's client area.
    static void ClickAt(HWND window, int x, int y);
    static void Settle(DWORD milliseconds = 300) { ::Sleep(milliseconds); }

private:
    std::string m_folder;
    PROCESS_INFORMATION m_process{};
};
