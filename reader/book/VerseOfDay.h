#pragma once

#include "framework/core/CString.h"
#include "reader/book/BookLayout.h"
#include "reader/book/PlanDay.h"

class BookFile;

// The day of the year on a common-year calendar, 1 to 365; 29 February of a year divisible by 4
// and not by 100 gives 1, the verse of 1 January.
int VerseNumberForDate(int day, int month, int year);

// "Verse N:", an empty line, then the text of record N of book, read afresh.
CString VerseTextForDate(BookFile& book, int day, int month, int year);

// What a plan begun on start shows for date: "Day N of 365:", an empty line, then record N. A
// date before the start or after the last day shows no reading, but says when the plan starts,
// or ended: startText and endText are those dates as the user reads them.
CString PlanTextForDate(BookFile& book, const Date& start, const Date& date, const CString& startText,
                        const CString& endText);

// The day's text as a copy takes it, under no heading, with where it comes from: the record that
// date shows, an empty line, and title, for a plan with ", day N". Empty where a plan shows no
// reading on date.
CString CopiedDayText(BookFile& book, BookKind kind, const Date& start, const Date& date, const CString& title);

// What the reader shows for date: a plan's day, or a calendar book's verse.
CString TextForDate(BookFile& book, BookKind kind, const Date& start, const Date& date, const CString& startText,
                    const CString& endText);
