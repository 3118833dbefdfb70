#include "reader/logic/NextStart.h"

CTime DateAt(CTime day, int hour, int minute, int second) {
    return CTime(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute, second);
}

CTime DateAtTimeOfDay(CTime day, CTime timeOfDay) {
    return DateAt(day, timeOfDay.GetHour(), timeOfDay.GetMinute(), timeOfDay.GetSecond());
}

CTime NextStartTime(CTime now, CTime autorunTime) {
    const CTime today = DateAtTimeOfDay(now, autorunTime);
    if (!(now > today)) return today;
    // The day after, as the calendar counts it: the C library carries day 32 into the next month.
    return CTime(now.GetYear(), now.GetMonth(), now.GetDay() + 1, autorunTime.GetHour(), autorunTime.GetMinute(),
                 autorunTime.GetSecond());
}
