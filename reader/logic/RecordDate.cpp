#include "reader/logic/RecordDate.h"

#include "reader/book/PlanDay.h"

Date DateOfRecord(BookKind kind, int record, const Date& start, int year) {
    if (kind == BookKind::plan) return DateOfPlanDay(start, record);
    const int afterLeapDay = IsLeapYear(year) && record >= DayOfCommonYear(3, 1) ? 1 : 0;
    return DateOfDaysSinceEpoch(DaysSinceEpoch(year, 1, 1) + record - 1 + afterLeapDay);
}
