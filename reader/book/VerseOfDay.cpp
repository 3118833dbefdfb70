#include "reader/book/VerseOfDay.h"

#include "reader/book/BookFile.h"

namespace {
constexpr int daysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

int VerseNumberForDate(int day, int month, int year) {
    int sum = 0;
    for (int i = 0; i < month - 1 && i < 12; ++i)
        sum += daysInMonth[i];
    int verse = sum + day;
    if (year % 100 != 0 && year % 4 == 0 && day == 29 && month == 2) verse = 1;
    return verse;
}

CString VerseTextForDate(BookFile& book, int day, int month, int year) {
    const int verse = VerseNumberForDate(day, month, year);
    CString text;
    text.Format("Verse %d:\r\n\r\n%s", verse, static_cast<const char*>(book.GetRecordText(verse)));
    return text;
}
