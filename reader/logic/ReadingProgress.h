#pragma once

#include "reader/logic/ProgressFile.h"
#include "reader/book/BookLayout.h"
#include "reader/book/PlanDay.h"

#include <string>
#include <vector>

// The reading progress of the open book, over plain data: where a plan starts, which days are
// read, and what a date shows of it. A plan's days read are its day numbers, so that they stay
// with their readings when the start moves; a calendar book's are dates.

// The progress of the book titled title among books, added where there is none yet. A new plan
// starts on today, or on 1 January of today's year where it is the book that the settings already
// named before any progress was kept (the reader of an older version showed it by the calendar).
BookProgress& ProgressOf(std::vector<BookProgress>& books, const std::string& title, BookKind kind, const Date& today,
                         bool upgradedBook);

// A plan's functions take its days, planDays, which a calendar book's do not look at.

// The day number that marks date read in a book of kind kind begun on start; 0 where date is
// no day of the plan.
int ReadMarkOf(BookKind kind, const Date& start, const Date& date, int planDays = daysInCommonYear);

bool IsRead(const BookProgress& progress, BookKind kind, const Date& date, int planDays = daysInCommonYear);

// Marks date read, or not read where it was; false where date is no day of the plan.
bool ToggleRead(BookProgress& progress, BookKind kind, const Date& date, int planDays = daysInCommonYear);

// How many days are read: of a plan, those of the plan, in any order; of a calendar book, those
// of year.
int DaysRead(const BookProgress& progress, BookKind kind, int year, int planDays = daysInCommonYear);

// Which days of month are read, bit 0 for the 1st: the calendar shows them in bold.
unsigned ReadDaysOfMonth(const BookProgress& progress, BookKind kind, int year, int month,
                         int planDays = daysInCommonYear);

// Where the reader stands on today: how many days ahead of the plan's calendar (behind where
// negative), counting the days read against the days since the start, and the run of days read in a
// row up to today. A day not read yet today neither puts the reader behind nor ends the run. A
// calendar book's calendar starts on 1 January of today's year and ends with the year.
struct Standing {
    int ahead = 0;
    int inARow = 0;
    friend bool operator==(const Standing& a, const Standing& b) { return a.ahead == b.ahead && a.inARow == b.inARow; }
};
Standing StandingOf(const BookProgress& progress, BookKind kind, const Date& today, int planDays = daysInCommonYear);

// The books worth keeping: those begun as plans or with a day read. A book that was only looked
// at has nothing to keep.
std::vector<BookProgress> KeptProgress(const std::vector<BookProgress>& books);

// The start that puts the first day not yet read on today; the start as it is where every day is
// read.
Date CatchUpStart(const BookProgress& progress, const Date& today, int planDays = daysInCommonYear);
