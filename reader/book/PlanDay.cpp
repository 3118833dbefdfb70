#include "reader/book/PlanDay.h"

PlanDay PlanDayOn(const Date& start, const Date& date, int days) {
    const int day = DaysSinceEpoch(date) - DaysSinceEpoch(start) + 1;
    if (day < 1) return {PlanDay::Where::beforeStart, day};
    if (day > days) return {PlanDay::Where::afterEnd, day};
    return {PlanDay::Where::within, day};
}

Date DateOfPlanDay(const Date& start, int day) { return DateOfDaysSinceEpoch(DaysSinceEpoch(start) + day - 1); }

Date StartForPlanDay(const Date& date, int day) { return DateOfDaysSinceEpoch(DaysSinceEpoch(date) - day + 1); }
