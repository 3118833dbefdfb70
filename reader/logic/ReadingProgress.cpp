#include "reader/logic/ReadingProgress.h"

#include <algorithm>
#include <iterator>

BookProgress& ProgressOf(std::vector<BookProgress>& books, const std::string& title, BookKind kind, const Date& today,
                         bool upgradedBook) {
    const auto found =
        std::find_if(books.begin(), books.end(), [&](const BookProgress& b) { return b.title == title; });
    if (found != books.end()) {
        if (kind == BookKind::plan && found->start.year == 0) found->start = today;
        return *found;
    }
    BookProgress book{title, {}, {}};
    if (kind == BookKind::plan) book.start = upgradedBook ? Date{today.year, 1, 1} : today;
    books.push_back(book);
    return books.back();
}

int ReadMarkOf(BookKind kind, const Date& start, const Date& date, int planDays) {
    if (kind == BookKind::calendar) return DaysSinceEpoch(date);
    const PlanDay day = PlanDayOn(start, date, planDays);
    return day.where == PlanDay::Where::within ? day.day : 0;
}

bool IsRead(const BookProgress& progress, BookKind kind, const Date& date, int planDays) {
    const int mark = ReadMarkOf(kind, progress.start, date, planDays);
    return (kind == BookKind::calendar || mark != 0) &&
           std::binary_search(progress.read.begin(), progress.read.end(), mark);
}

bool ToggleRead(BookProgress& progress, BookKind kind, const Date& date, int planDays) {
    const int mark = ReadMarkOf(kind, progress.start, date, planDays);
    if (kind == BookKind::plan && mark == 0) return false;
    const auto at = std::lower_bound(progress.read.begin(), progress.read.end(), mark);
    if (at != progress.read.end() && *at == mark)
        progress.read.erase(at);
    else
        progress.read.insert(at, mark);
    return true;
}

int DaysRead(const BookProgress& progress, BookKind kind, int year, int planDays) {
    if (kind == BookKind::plan)
        return static_cast<int>(std::upper_bound(progress.read.begin(), progress.read.end(), planDays) -
                                std::lower_bound(progress.read.begin(), progress.read.end(), 1));
    const int first = DaysSinceEpoch(year, 1, 1), next = DaysSinceEpoch(year + 1, 1, 1);
    return static_cast<int>(std::lower_bound(progress.read.begin(), progress.read.end(), next) -
                            std::lower_bound(progress.read.begin(), progress.read.end(), first));
}

unsigned ReadDaysOfMonth(const BookProgress& progress, BookKind kind, int year, int month, int planDays) {
    unsigned days = 0;
    for (int day = 1; day <= DaysInMonth(month, year); ++day)
        if (IsRead(progress, kind, {year, month, day}, planDays)) days |= 1u << (day - 1);
    return days;
}

Date CatchUpStart(const BookProgress& progress, const Date& today, int planDays) {
    int firstUnread = 1;
    for (int day : progress.read)
        if (day == firstUnread) ++firstUnread;
    return firstUnread > planDays ? progress.start : StartForPlanDay(today, firstUnread);
}

Standing StandingOf(const BookProgress& progress, BookKind kind, const Date& today, int planDays) {
    const bool plan = kind == BookKind::plan;
    const Date start = plan ? progress.start : Date{today.year, 1, 1};
    const int days = plan ? planDays : DaysSinceEpoch(today.year + 1, 1, 1) - DaysSinceEpoch(start);
    // The marks of the calendar's days 1 to days: a plan's are its days, a calendar book's dates.
    const int firstMark = plan ? 1 : DaysSinceEpoch(start);
    const auto read = [&](int day) {
        return day >= 1 && day <= days &&
               std::binary_search(progress.read.begin(), progress.read.end(), firstMark + day - 1);
    };
    int readCount = 0;
    for (int day = 1; day <= days; ++day)
        readCount += read(day);
    const int todayDay = DaysSinceEpoch(today) - DaysSinceEpoch(start) + 1;
    const int dueBefore = std::clamp(todayDay - 1, 0, days), dueThrough = std::clamp(todayDay, 0, days);
    Standing standing;
    standing.ahead = readCount < dueBefore ? readCount - dueBefore : std::max(readCount - dueThrough, 0);
    int day = std::min(todayDay, days);
    if (!read(day)) --day;
    for (; read(day); --day)
        ++standing.inARow;
    return standing;
}

std::vector<BookProgress> KeptProgress(const std::vector<BookProgress>& books) {
    std::vector<BookProgress> kept;
    std::copy_if(books.begin(), books.end(), std::back_inserter(kept),
                 [](const BookProgress& book) { return book.start.year != 0 || !book.read.empty(); });
    return kept;
}
