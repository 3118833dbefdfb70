#pragma once

#include "framework/core/Calendar.h"
#include "reader/book/BookLayout.h"

// The day on which the reader shows a book's record: for a plan begun on start, the plan's day of
// that number; for a calendar book, the day of year that reads it, 1 to 365, a leap year's
// 29 February left out as it reads record 1.
Date DateOfRecord(BookKind kind, int record, const Date& start, int year);
