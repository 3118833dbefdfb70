#pragma once

#include "framework/core/CString.h"
#include "reader/book/BookLayout.h"
#include "reader/book/PlanDay.h"

class BookFile;

// The words around a day's text in the language the user reads, as printf formats.
struct DayWords {
    CString verse;         // the record's number (%d) and text (%s)
    CString planDay;       // the day (%d), the plan's days (%d) and the day's text (%s)
    CString notBegun;      // the plan's first day (%s), as the user reads dates
    CString ended;         // the plan's last day (%s)
    CString copiedPlanDay; // after the title in a copy of a plan's day: the day (%d)
};

// The words in English, as the book tool prints a day.
const DayWords& EnglishDayWords();

// The day of the year on a common-year calendar, 1 to 365; 29 February of a year divisible by 4
// and not by 100 gives 1, the verse of 1 January. The rule is the book format's own, older than
// this reader, and unlike the calendar's (Calendar.h) it has no exception for years divisible by
// 400: on 29 February 2000 or 2400 it gives 60, as 1 March does. It stays so that every reader of
// a book shows the same verse on the same date.
int VerseNumberForDate(int day, int month, int year);

// The heading words.verse with N ("Verse N:" in English), an empty line, then the text of record
// N of book, read afresh.
CString VerseTextForDate(BookFile& book, int day, int month, int year, const DayWords& words);

// What a plan of days days begun on start shows for date: the heading words.planDay ("Day N of
// 365:" in English), an empty line, then record N. A date before the start or after the last day
// shows no reading, but says when the plan starts, or ended: startText and endText are those dates
// as the user reads them.
CString PlanTextForDate(BookFile& book, const Date& start, const Date& date, const CString& startText,
                        const CString& endText, const DayWords& words, int days = daysInCommonYear);

// The day's text as a copy takes it, under no heading, with where it comes from: the record that
// date shows, an empty line, and title, for a plan with the day as words give it (", day N" in
// English). Empty where a plan shows no reading on date.
CString CopiedDayText(BookFile& book, BookKind kind, const Date& start, const Date& date, const CString& title,
                      const DayWords& words, int planDays = daysInCommonYear);

// What the reader shows for date: a plan's day, of a plan of planDays days, or a calendar book's
// verse.
CString TextForDate(BookFile& book, BookKind kind, const Date& start, const Date& date, const CString& startText,
                    const CString& endText, const DayWords& words, int planDays = daysInCommonYear);

// What a screen reader names a shown text by: its heading with the first line after it ("Day 43 of
// 365: Leviticus 24-25"), or where the first line is no heading, that line alone ("About
// Quillmere"). Empty lines are passed over.
std::string SpokenHeading(const std::string& shown);
