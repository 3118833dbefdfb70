#pragma once

#include <windows.h>

#include <functional>

// How long a test waits at most for what it expects to come about. What it waits for comes within
// a second, but a Wine prefix that has been idle a while can take ten seconds to bring its desktop
// back for the next program's first window (seen in the Cyrillic prefix).
constexpr DWORD deadline = 30000;

// Waits until condition holds, looking every pollMs; false when it did not within milliseconds.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = deadline, DWORD pollMs = 10);

// A check that something does not happen has no event to wait for. What the programs do in
// answer to a start, an exit or a message comes within a fraction of this time, even on a busy
// machine; a condition that has not come to hold by its end is taken never to. True when the
// condition held at no time within it.
bool NeverHolds(const std::function<bool()>& condition);
