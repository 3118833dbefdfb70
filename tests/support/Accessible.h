#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A control as a screen reader finds it from outside: its accessible object's name, in UTF-8.
std::string AccessibleName(HWND control);

// What a screen reader hears of a process while it listens: the names of the objects whose name
// or value changed, as it reads them when the events come. It listens from a thread of its own,
// out of context, as screen readers do.
class WinEventListener {
public:
    explicit WinEventListener(DWORD process);
    ~WinEventListener();
    // True once one of the names heard holds part.
    bool Heard(const std::string& part);

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD);

    DWORD m_process;
    DWORD m_threadId = 0;
    std::thread m_thread;
    static std::mutex s_lock;
    static std::vector<std::string> s_names;
};
