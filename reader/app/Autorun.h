#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "reader/logic/AutorunPlatform.h"

// Keeps the scheduler and the start-up shortcut in step with the autorun setting, on this machine:
// each operation is the one of AutorunSequence.h over Windows' platform. Nothing here is reported
// to the user: each step that fails is left out silently. The reader runs the sequences over
// Win32AutorunPlatform() itself; the operations other than SaveShortcutFile are kept by the names
// its design gives them, and nothing calls them.

// Windows: the scheduler's window, ShellExecuteW, the start-up folders, shell links, and files by
// their wide paths.
AutorunPlatform& Win32AutorunPlatform();

// Tells a waiting scheduler to stop: starts the scheduler with " QUIT" when one is running.
void StopScheduler(const CString& programDirectory);

// Writes the next start time to sched.dat, closes it, then starts the scheduler.
void ArmScheduler(const CString& programDirectory, CTime nextStartTime);

// After the settings are saved: with autorun on, arms the scheduler for nextStartTime and saves the
// start-up shortcut; with it off, deletes the shortcut and sched.dat and stops the scheduler.
void ApplyAutorun(bool autorun, const CString& programDirectory, CTime nextStartTime);

// Saves the shortcut to programDirectory + fileName in the all-users start-up folder or, where
// that cannot be written, in the user's own; true when it was saved.
bool CreateStartupShortcut(const char* description, const CString& programDirectory, const char* fileName);

// Deletes the shortcut for fileName from both start-up folders; true when a folder was found. The
// description and the program directory play no part: a shortcut is known by its file name.
bool DeleteStartupShortcut(const char* description, const CString& programDirectory, const char* fileName);

// Saves a shell link to target with description at linkPath, all in UTF-8; true when it was saved.
bool SaveShortcutFile(const char* target, const char* linkPath, const char* description);
