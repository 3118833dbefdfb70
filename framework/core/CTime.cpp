#include "framework/core/CTime.h"

#include <ctime>

namespace {

// The local broken-down time; all fields zero when the value cannot be converted.
std::tm LocalTime(std::int64_t value) {
    std::time_t time = static_cast<std::time_t>(value);
    std::tm local{};
#if defined(_WIN32)
    if (localtime_s(&local, &time) != 0) local = std::tm{};
#else
    if (!localtime_r(&time, &local)) local = std::tm{};
#endif
    return local;
}

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    m_time = std::mktime(&local);
}

CTime CTime::GetCurrentTime() { return CTime(std::time(nullptr)); }

int CTime::GetYear() const { return LocalTime(m_time).tm_year + 1900; }
int CTime::GetMonth() const { return LocalTime(m_time).tm_mon + 1; }
int CTime::GetDay() const { return LocalTime(m_time).tm_mday; }
int CTime::GetHour() const { return LocalTime(m_time).tm_hour; }
int CTime::GetMinute() const { return LocalTime(m_time).tm_min; }
int CTime::GetSecond() const { return LocalTime(m_time).tm_sec; }
