#include "scheduler/Schedule.h"

#include "framework/core/Calendar.h"

#include <algorithm>
#include <cstring>

const char* CommandTail(const char* commandLine) {
    const auto* at = reinterpret_cast<const unsigned char*>(commandLine);
    if (*at == '"') {
        ++at;
        while (*at && *at != '"')
            ++at;
        if (*at == '"') ++at;
    } else {
        while (*at > ' ')
            ++at;
    }
    while (*at >= 1 && *at <= ' ')
        ++at;
    return reinterpret_cast<const char*>(at);
}

bool IsQuitRequest(const char* tail) {
    static const char quit[] = "QUIT";
    if (std::strlen(tail) != sizeof quit - 1) return false;
    for (std::size_t i = 0; i < sizeof quit - 1; ++i) {
        char c = tail[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != quit[i]) return false;
    }
    return true;
}

ScheduleDecision DecideSchedule(std::int64_t stored, std::int64_t now) {
    if (now > stored) return {true, 0};
    const std::int64_t wait = std::min<std::int64_t>(stored - now, secondsPerDay);
    return {false, static_cast<std::uint32_t>(wait * 1000)};
}
