#pragma once

#include <cstddef>
#include <cstdint>

// The scheduler's decisions, apart from any window.

// The command-line tail as the start-up code derives it, a pointer into commandLine: the program
// name (quoted or not) and the control characters and blanks after it skipped; trailing blanks kept.
const char* CommandTail(const char* commandLine);

// True for a tail of exactly "QUIT" in any letter case (ASCII letters fold, as _stricmp does).
bool IsQuitRequest(const char* tail);

struct ScheduleDecision {
    bool startReader;     // the stored time T has passed: start the reader now
    std::uint32_t waitMs; // otherwise check again after min(T - N, one day)
};

// What to do at time now for the stored time: start the reader once now is strictly later.
ScheduleDecision DecideSchedule(std::int64_t stored, std::int64_t now);
