#pragma once

#include "framework/core/CString.h"

class BookFile;

// The day of the year on a common-year calendar, 1 to 365; 29 February of a year divisible by 4
// and not by 100 gives 1, the verse of 1 January.
int VerseNumberForDate(int day, int month, int year);

// "Verse N:", an empty line, then the text of record N of book, read afresh.
CString VerseTextForDate(BookFile& book, int day, int month, int year);
