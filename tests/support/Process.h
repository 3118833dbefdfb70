#pragma once

#include "tests/support/Waits.h"

#include <windows.h>

#include <string>

// UTF-8 text as Windows' wide functions take it, and wide text as UTF-8.
std::wstring WideOf(const std::string& utf8);
std::string Utf8Of(const std::wstring& wide);

// A program started by a test; a process still running at the end is ended.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Starts program with arguments in currentFolder, or else in the program's own folder, all
    // named in UTF-8; false
    // when it could not be started. What this object started before is let go.
    bool Start(const std::string& program, const std::string& arguments = "", const std::string& currentFolder = "");
    // Waits for the end of the process; its exit code, or -1 when it did not end within milliseconds.
    int WaitForExit(DWORD milliseconds = deadline);
    bool Running() const;
    HANDLE Handle() const { return m_process.hProcess; }

private:
    void Release();

    PROCESS_INFORMATION m_process{};
};
