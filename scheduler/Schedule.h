#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The scheduler's decisions, apart from any window.

// The command-line tail as the start-up code derives it, a pointer into commandLine: the program
// name (quoted or not) and the control characters and blanks after it skipped; trailing blanks kept.
const char* CommandTail(const char* commandLine);

// True for a tail of exactly "QUIT" in any letter case (ASCII letters fold, as _stricmp does).
bool IsQuitRequest(const char* tail);

constexpr std::int64_t dayInSeconds = 86400;

struct ScheduleDecision {
    bool startReader;     // the stored time T has passed: start the reader now
    std::uint32_t waitMs; // otherwise check again after min(T - N, one day)
};

// What to do at time now for the stored time: start the reader once now is strictly later.
ScheduleDecision DecideSchedule(std::int64_t stored, std::int64_t now);

// The stored time in the bytes of a schedule file: false when there are fewer than 4, which the
// scheduler treats as no schedule. Bytes after the first 4 do not count.
bool ParseSchedule(const unsigned char* bytes, std::size_t size, std::int64_t& stored);

// The stored time of the schedule file at path: false when it cannot be opened or holds fewer
// than 4 bytes, which the scheduler treats alike.
bool ReadScheduleFile(const char* path, std::int64_t& stored);

// The 4 bytes of a schedule file for time: its unsigned little-endian count of seconds.
std::string ScheduleBytes(std::int64_t time);

// Writes time as the schedule file at path whole and durably (see SaveFile); false when it could
// not be written, and the old file is then as it was.
bool WriteScheduleFile(const char* path, std::int64_t time);

// The folder of modulePath (up to its last backslash) joined with fileName into out of size
// bytes; false, with out left empty, when the result does not fit.
bool ProgramFilePath(const char* modulePath, const char* fileName, char* out, std::size_t size);
