#pragma once

// The calendar facts that the programs and the book tool share. A book holds a verse for each day
// of a common year: day 1 is 1 January, day 365 is 31 December.
constexpr int daysInCommonYear = 365;
constexpr int secondsPerDay = 24 * 60 * 60;

constexpr int commonMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// The days of month (1 to 12) in year of the Gregorian calendar.
constexpr int DaysInMonth(int month, int year) {
    return month == 2 && IsLeapYear(year) ? 29 : commonMonthLengths[month - 1];
}

// The day of a common year of a month and a day of it; a month past 12 counts the whole year.
constexpr int DayOfCommonYear(int month, int day) {
    for (int i = 0; i < month - 1 && i < 12; ++i)
        day += commonMonthLengths[i];
    return day;
}

// The day of the month of a day of a common year, 1 to 365.
constexpr int DayOfMonthOf(int dayOfCommonYear) {
    for (int length : commonMonthLengths) {
        if (dayOfCommonYear <= length) return dayOfCommonYear;
        dayOfCommonYear -= length;
    }
    return dayOfCommonYear;
}
