#include "reader/app/NextStart.h"

CTime DateAt(CTime day, int hour, int minute, int second) {
    return CTime(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute, second);
}

CTime DateAtTimeOfDay(CTime day, CTime timeOfDay) {
    return DateAt(day, timeOfDay.GetHour(), timeOfDay.GetMinute(), timeOfDay.GetSecond());
}

CTime NextStartTime(CTime now, CTime autorunTime) {
    constexpr std::int64_t day = 1 * 24 * 60 * 60;
    return DateAtTimeOfDay(now > autorunTime ? now + day : now, autorunTime);
}
