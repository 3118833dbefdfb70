#pragma once

// What the reader, the scheduler, the build and the setup know of each other: all live in one program
// folder, and the reader finds a waiting scheduler by its window's class and title together, so
// that no other program's window passes for it. They are macros, written once here: the code and
// the resource scripts use them, and the build reads them for itself and for the setup
// (cmake/Quillmere.cmake).
#define READER_FILE_NAME "Quillview.exe"
#define SCHEDULER_FILE_NAME "Quillwake.exe"
#define SCHEDULE_FILE_NAME "sched.dat"
#define SETTINGS_FILE_NAME "settings.dat"
#define DEFAULT_BOOK_FILE_NAME "quillmere.pdb"
#define CHIME_FILE_NAME "quill.wav"
#define PROGRESS_FILE_NAME "progress.dat"
#define SCHEDULER_WINDOW_CLASS "QUILLWAKE"
#define SCHEDULER_WINDOW_TITLE "Quillwake"
// The product's addresses: the reader shows them, the setup's entry, the manifests and the
// signatures name the web address. The reader's book error message is a printf format that
// holds the web address, so it has no "%".
#define PRODUCT_URL "https://quillmere.example"
#define PRODUCT_EMAIL "hello@quillmere.example"

#ifndef RC_INVOKED
// What a second scheduler posts to the waiting one, unless it carries a quit request: read the
// schedule file again. (WM_USER + 1188, written out so that this header needs no windows.h.)
constexpr unsigned schedulerWakeMessage = 0x0400 + 1188;
#endif
