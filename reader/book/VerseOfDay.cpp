#include "reader/book/VerseOfDay.h"

#include "framework/core/Calendar.h"
#include "reader/book/BookFile.h"

const DayWords& EnglishDayWords() {
    static const DayWords words{"Verse %d:\r\n\r\n%s", "Day %d of %d:\r\n\r\n%s",
                                "Not begun yet:\r\n\r\nThis plan starts on %s.",
                                "Plan ended:\r\n\r\nThis plan ended on %s.", ", day %d"};
    return words;
}

int VerseNumberForDate(int day, int month, int year) {
    int verse = DayOfCommonYear(month, day);
    if (year % 100 != 0 && year % 4 == 0 && day == 29 && month == 2) verse = 1;
    return verse;
}

CString VerseTextForDate(BookFile& book, int day, int month, int year, const DayWords& words) {
    const int verse = VerseNumberForDate(day, month, year);
    CString text;
    text.Format(words.verse, verse, static_cast<const char*>(book.GetRecordText(verse)));
    return text;
}

CString PlanTextForDate(BookFile& book, const Date& start, const Date& date, const CString& startText,
                        const CString& endText, const DayWords& words, int days) {
    const PlanDay day = PlanDayOn(start, date, days);
    CString text;
    if (day.where == PlanDay::Where::beforeStart)
        text.Format(words.notBegun, static_cast<const char*>(startText));
    else if (day.where == PlanDay::Where::afterEnd)
        text.Format(words.ended, static_cast<const char*>(endText));
    else
        text.Format(words.planDay, day.day, days, static_cast<const char*>(book.GetRecordText(day.day)));
    return text;
}

CString CopiedDayText(BookFile& book, BookKind kind, const Date& start, const Date& date, const CString& title,
                      const DayWords& words, int planDays) {
    CString source = title;
    int record = VerseNumberForDate(date.day, date.month, date.year);
    if (kind == BookKind::plan) {
        const PlanDay day = PlanDayOn(start, date, planDays);
        if (day.where != PlanDay::Where::within) return CString();
        CString dayNumber;
        dayNumber.Format(words.copiedPlanDay, day.day);
        source += dayNumber;
        record = day.day;
    }
    return book.GetRecordText(record) + "\r\n\r\n" + source;
}

CString TextForDate(BookFile& book, BookKind kind, const Date& start, const Date& date, const CString& startText,
                    const CString& endText, const DayWords& words, int planDays) {
    if (kind == BookKind::plan) return PlanTextForDate(book, start, date, startText, endText, words, planDays);
    return VerseTextForDate(book, date.day, date.month, date.year, words);
}

std::string SpokenHeading(const std::string& shown) {
    std::string heading;
    for (std::size_t at = 0; at < shown.size();) {
        std::size_t end = shown.find_first_of("\r\n", at);
        if (end == std::string::npos) end = shown.size();
        if (end > at) {
            if (!heading.empty()) return heading + " " + shown.substr(at, end - at);
            heading = shown.substr(at, end - at);
            if (heading.back() != ':') return heading;
        }
        at = end + 1;
    }
    return heading;
}
