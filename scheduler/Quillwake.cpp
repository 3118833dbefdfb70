// Quillwake: a hidden single-instance program that waits until the time in sched.dat, then
// deletes the file, starts the reader and ends. A second instance hands the running one a quit
// or wake request and ends at once.
#include "contract/ProgramNames.h"
#include "contract/ScheduleFile.h"
#include "framework/core/CFile.h"
#include "framework/core/ProgramPath.h"
#include "framework/win/SafeDllSearch.h"
#include "scheduler/Schedule.h"
#include "scheduler/res/resource.h"

#include <windows.h>
#include <shellapi.h>

#include <ctime>

namespace {

constexpr UINT_PTR schedulerTimer = 1188;
// The command that closes the window; the window has no menu, so nothing sends it but another program.
constexpr WORD closeCommand = 105;

// Set once at start-up; the process owns them until it ends.
char windowTitle[100];
char windowClass[100];
HWND schedulerWindow;
char schedulePath[programPathBuffer];
char readerPath[programPathBuffer];

void CheckSchedule();

void CALLBACK ScheduleTimerProc(HWND, UINT, UINT_PTR, DWORD) { CheckSchedule(); }

void CheckSchedule() {
    std::int64_t stored = 0;
    if (!ReadScheduleFile(schedulePath, stored)) {
        ::PostMessageA(schedulerWindow, WM_QUIT, 0, 0);
        return;
    }
    ::KillTimer(schedulerWindow, schedulerTimer);
    const ScheduleDecision decision = DecideSchedule(stored, std::time(nullptr));
    if (decision.startReader) {
        CFile::Remove(schedulePath);
        // The window gives up its title first: the reader, which arms its next start at once, must
        // not take this scheduler on its way out for one that waits.
        ::SetWindowTextA(schedulerWindow, "");
        wchar_t path[MAX_PATH];
        if (WidePath(readerPath, path, MAX_PATH))
            ::ShellExecuteW(nullptr, L"open", path, nullptr, nullptr, SW_SHOWNORMAL);
        ::PostMessageA(schedulerWindow, WM_QUIT, 0, 0);
        return;
    }
    ::SetTimer(schedulerWindow, schedulerTimer, decision.waitMs, ScheduleTimerProc);
}

LRESULT CALLBACK SchedulerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case schedulerWakeMessage:
    case WM_TIMECHANGE:
        CheckSchedule();
        return 0;
    case WM_POWERBROADCAST:
        // A computer that slept through the stored time starts the reader when it wakes.
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) CheckSchedule();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != closeCommand) break;
        ::DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void RegisterSchedulerClass(HINSTANCE instance) {
    WNDCLASSEXA windowClassInfo{};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.style = CS_HREDRAW | CS_VREDRAW;
    windowClassInfo.lpfnWndProc = SchedulerWndProc;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_LARGE));
    windowClassInfo.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClassInfo.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClassInfo.lpszClassName = windowClass;
    windowClassInfo.hIconSm = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    ::RegisterClassExA(&windowClassInfo);
}

// Creates the hidden window and the two paths, then runs the first check. False when the
// window cannot be made or the paths do not fit their buffers: the program then ends quietly.
bool InitScheduler(HINSTANCE instance, int show) {
    schedulerWindow = ::CreateWindowExA(0, windowClass, windowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                        CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!schedulerWindow) return false;
    ::ShowWindow(schedulerWindow, show);
    ::UpdateWindow(schedulerWindow);
    char modulePath[programPathBuffer];
    if (!OwnProgramFile(modulePath, sizeof modulePath) ||
        !ProgramFilePath(modulePath, SCHEDULE_FILE_NAME, schedulePath, sizeof schedulePath) ||
        !ProgramFilePath(modulePath, READER_FILE_NAME, readerPath, sizeof readerPath))
        return false;
    CheckSchedule();
    return true;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RestrictDllSearchForWindows();
    const bool quit = IsQuitRequest(CommandTail(::GetCommandLineA()));
    // Instances that start together take turns until one has its window, so that only one waits.
    const HANDLE turn = ::CreateMutexA(nullptr, FALSE, "Local\\Quillwake.start");
    if (turn) ::WaitForSingleObject(turn, 10000);
    const HWND running = ::FindWindowA(SCHEDULER_WINDOW_CLASS, SCHEDULER_WINDOW_TITLE);
    bool scheduling = false;
    if (running) {
        ::PostMessageA(running, quit ? WM_QUIT : schedulerWakeMessage, 0, 0);
    } else if (!quit) {
        ::LoadStringA(instance, IDS_WINDOW_TITLE, windowTitle, sizeof windowTitle);
        ::LoadStringA(instance, IDS_WINDOW_CLASS, windowClass, sizeof windowClass);
        RegisterSchedulerClass(instance);
        scheduling = InitScheduler(instance, SW_HIDE);
    }
    if (turn) ::ReleaseMutex(turn), ::CloseHandle(turn);
    if (!scheduling) return 0;

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
