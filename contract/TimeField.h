#pragma once

#include <algorithm>
#include <cstdint>

// The 4-byte time fields of settings.dat and sched.dat hold an unsigned count of seconds since
// 1970-01-01 00:00:00 UTC. That is the signed value for every time up to 2038-01-19 03:14:07 UTC,
// and it keeps counting until 2106, so the daily cycle goes on past 2038.
inline std::uint32_t ToTimeField(std::int64_t time) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(time, 0, UINT32_MAX));
}

inline std::int64_t FromTimeField(std::uint32_t field) { return field; }
