#pragma once

#include "framework/core/Calendar.h"

// Where a calendar date falls in a plan of days days begun on a start date: day 1 on the start,
// and one day more for every real day after it, 29 February included.
struct PlanDay {
    enum class Where { beforeStart, within, afterEnd } where;
    // 1 to the plan's days within the plan.
    int day;
};

PlanDay PlanDayOn(const Date& start, const Date& date, int days = daysInCommonYear);

// The date on which a plan begun on start reads day, and the start on which it reads day on date:
// the day before the start and the day after the end are named with them.
Date DateOfPlanDay(const Date& start, int day);
Date StartForPlanDay(const Date& date, int day);
