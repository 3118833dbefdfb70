#include "reader/book/VerseOfDay.h"

#include "framework/core/Calendar.h"
#include "reader/book/BookFile.h"

int VerseNumberForDate(int day, int month, int year) {
    int verse = DayOfCommonYear(month, day);
    if (year % 100 != 0 && year % 4 == 0 && day == 29 && month == 2) verse = 1;
    return verse;
}

CString VerseTextForDate(BookFile& book, int day, int month, int year) {
    const int verse = VerseNumberForDate(day, month, year);
    CString text;
    text.Format("Verse %d:\r\n\r\n%s", verse, static_cast<const char*>(book.GetRecordText(verse)));
    return text;
}
