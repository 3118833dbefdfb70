#pragma once

// The calendar facts that the programs and the book tool share. A book holds a verse for each day
// of a common year: day 1 is 1 January, day 365 is 31 December.
constexpr int daysInCommonYear = 365;
constexpr int secondsPerDay = 24 * 60 * 60;

// A date of the Gregorian calendar.
struct Date {
    int year = 0, month = 0, day = 0;

    friend constexpr bool operator==(const Date& a, const Date& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
};

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

// The number of days from 1970-01-01 to a date of the Gregorian calendar, negative before it, and
// the date of such a number.
constexpr int DaysSinceEpoch(int year, int month, int day) {
    // Years counted from March, so that 29 February ends its year.
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int DaysSinceEpoch(const Date& date) { return DaysSinceEpoch(date.year, date.month, date.day); }

constexpr Date DateOfDaysSinceEpoch(int number) {
    number += 719468;
    const int era = (number >= 0 ? number : number - 146096) / 146097;
    const int dayOfEra = number - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2), month, dayOfYear - (153 * shiftedMonth + 2) / 5 + 1};
}
