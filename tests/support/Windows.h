#pragma once

#include "tests/support/Waits.h"

#include <windows.h>

#include <initializer_list>
#include <string>

// The programs' windows, found and worked from outside as a user would: by caption, by their
// texts, and by clicks, which are posted so that a dialog that a click opens does not hold the test.

// The visible top-level window with caption, in UTF-8, of windowClass where given, waited for; null
// when none came.
HWND WaitForWindow(const char* caption, const char* windowClass = nullptr, DWORD milliseconds = deadline);
// Texts in the test's ANSI code page, or whole, read as Unicode and made UTF-8.
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
std::string UnicodeText(HWND window);
std::string ItemUnicodeText(HWND dialog, int id);
// Sends message to a window of another process with an lParam that points at a copy of buffer in
// that process, and copies it back afterwards; false where the copies could not be made.
bool SendWithBuffer(HWND window, UINT message, WPARAM wParam, void* buffer, std::size_t size, LRESULT& result);
// Selects date in the month calendar of another process, as MCM_SETCURSEL does: no notification
// tells its window. False where it was not selected.
bool SetCalendarSelection(HWND calendar, SYSTEMTIME date);
// The text of a message box.
std::string MessageText(HWND box);
void Press(HWND dialog, int id);
// Presses button id of a message box and waits until the box is gone; false when it stayed.
bool Answer(HWND box, int id);
// Presses key with the keys held down, as the keyboard does, in the window that has the focus.
void PressKeys(std::initializer_list<WORD> held, WORD key);
// A left click at a point of a window's client area.
void ClickAt(HWND window, int x, int y);
// Waits until the thread of edit has handled every message posted to its windows so far: posts a
// marker behind them, a text limit that the programs never set, and waits until edit reports it,
// for a thread handles the messages posted to it in turn. False when that did not come about.
bool PostedMessagesHandled(HWND edit);
int WindowHeight(HWND window);
// How a control shows on the screen: the luminance, 0 to 255, of the colour most of its client
// area has, and of the colour farthest from it, its text's.
struct Shades {
    int background = -1, text = -1;
};
Shades ShadesOf(HWND control);
// Clicks a check box as a person does, turning it on or off.
void ClickCheckBox(HWND dialog, int id);
// The clipboard's text in format: wide text made UTF-8, or the bytes of another.
std::string ClipboardText(UINT format = CF_UNICODETEXT);
// The captions of the visible top-level windows, for a test that misses one.
std::string VisibleWindows();

// The waiting scheduler's window, known by its class and title, or null.
HWND SchedulerWindow();
bool SchedulerWaiting();
// Ends a waiting scheduler, and any on its way up, and waits until none runs.
void EndScheduler();
