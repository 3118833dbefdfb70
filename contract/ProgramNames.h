#pragma once

// What the reader and the scheduler know of each other: both live in one program folder, and the
// reader finds a waiting scheduler by its window's class and title together, so that no other
// program's window passes for it.
constexpr char readerFileName[] = "Quillview.exe";
constexpr char schedulerFileName[] = "Quillwake.exe";
constexpr char scheduleFileName[] = "sched.dat";
constexpr char schedulerWindowClass[] = "QUILLWAKE";
constexpr char schedulerWindowTitle[] = "Quillwake";

// What a second scheduler posts to the waiting one, unless it carries a quit request: read the
// schedule file again. (WM_USER + 1188, written out so that this header needs no windows.h.)
constexpr unsigned schedulerWakeMessage = 0x0400 + 1188;
