#pragma once

#include "tests/support/Waits.h"

#include <windows.h>

#include <string>

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
