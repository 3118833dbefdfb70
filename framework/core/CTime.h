#pragma once

#include <cstdint>

// A point in time as seconds since 1970-01-01 00:00:00 UTC. Local dates and times of day
// come from the C library's local-time conversion, so daylight saving is decided for the
// date in question.
class CTime {
public:
    CTime() = default;
    explicit CTime(std::int64_t time) : m_time(time) {}
    // Joins a local date and time of day as mktime does with tm_isdst -1; -1 when they cannot be joined.
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();

    std::int64_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    CTime operator+(std::int64_t seconds) const { return CTime(m_time + seconds); }
    friend bool operator==(CTime a, CTime b) { return a.m_time == b.m_time; }
    friend bool operator!=(CTime a, CTime b) { return a.m_time != b.m_time; }
    friend bool operator<(CTime a, CTime b) { return a.m_time < b.m_time; }
    friend bool operator>(CTime a, CTime b) { return a.m_time > b.m_time; }

private:
    std::int64_t m_time = 0;
};
