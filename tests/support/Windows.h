#pragma once

#include "tests/support/Waits.h"

#include <windows.h>

#include <string>

// The programs' windows, found and worked from outside as a user would: by caption, by their
// texts, and by clicks, which are posted so that a dialog that a click opens does not hold the test.

// The visible top-level window with caption, of windowClass where given, waited for; null when
// none came.
HWND WaitForWindow(const char* caption, const char* windowClass = nullptr, DWORD milliseconds = deadline);
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
// The text of a message box.
std::string MessageText(HWND box);
void Press(HWND dialog, int id);
// Presses button id of a message box and waits until the box is gone; false when it stayed.
bool Answer(HWND box, int id);
// A left click at a point of a window's client area.
void ClickAt(HWND window, int x, int y);
// Waits until the thread of edit has handled every message posted to its windows so far: posts a
// marker behind them, a text limit that the programs never set, and waits until edit reports it,
// for a thread handles the messages posted to it in turn. False when that did not come about.
bool PostedMessagesHandled(HWND edit);
int WindowHeight(HWND window);
// The captions of the visible top-level windows, for a test that misses one.
std::string VisibleWindows();

// The waiting scheduler's window, known by its class and title, or null.
HWND SchedulerWindow();
bool SchedulerWaiting();
// Ends a waiting scheduler, and any on its way up, and waits until none runs.
void EndScheduler();
