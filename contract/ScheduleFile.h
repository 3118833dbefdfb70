#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// sched.dat: the time at which the scheduler starts the reader, in one 4-byte time field. The
// reader writes it on leaving with autorun on; the scheduler reads it and deletes it when it acts.

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
