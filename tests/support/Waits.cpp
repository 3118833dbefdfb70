#include "tests/support/Waits.h"

namespace {

constexpr DWORD longestReaction = 1500;

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds, DWORD pollMs) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() >= end) return false;
        ::Sleep(pollMs);
    }
}

bool NeverHolds(const std::function<bool()>& condition) { return !WaitUntil(condition, longestReaction); }
