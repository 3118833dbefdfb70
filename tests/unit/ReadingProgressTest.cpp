#include "reader/logic/ReadingProgress.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ReadingProgress, ANewPlanStartsTodayOrOnTheFirstOfJanuaryAfterAnUpgrade) {
    std::vector<BookProgress> books;
    const Date today{2026, 12, 8};
    EXPECT_EQ(ProgressOf(books, "Plan", BookKind::plan, today, false).start, today);
    EXPECT_EQ(ProgressOf(books, "Plan", BookKind::plan, {2027, 5, 5}, true).start, today) << "kept";
    EXPECT_EQ(ProgressOf(books, "Old plan", BookKind::plan, today, true).start, (Date{2026, 1, 1}));
    EXPECT_EQ(ProgressOf(books, "Proverbs", BookKind::calendar, today, false).start, Date{});
    EXPECT_EQ(books.size(), 3u);
    books[2].start = Date{};
    EXPECT_EQ(ProgressOf(books, "Proverbs", BookKind::plan, today, false).start, today)
        << "a calendar book's progress that became a plan's starts too";
}

// Marks go to the plan's days, so that they stay with their readings when the start moves, and to
// the dates of a calendar book; a date outside the plan takes none.
TEST(ReadingProgress, MarksAPlansDaysAndACalendarBooksDates) {
    BookProgress plan{"Plan", {2026, 12, 8}, {}};
    EXPECT_TRUE(ToggleRead(plan, BookKind::plan, {2027, 1, 1}));
    EXPECT_TRUE(ToggleRead(plan, BookKind::plan, {2026, 12, 8}));
    EXPECT_EQ(plan.read, (std::vector<int>{1, 25}));
    EXPECT_FALSE(ToggleRead(plan, BookKind::plan, {2026, 12, 7})) << "before the start";
    EXPECT_FALSE(ToggleRead(plan, BookKind::plan, {2027, 12, 8})) << "after the last day";
    EXPECT_TRUE(IsRead(plan, BookKind::plan, {2027, 1, 1}));
    EXPECT_FALSE(IsRead(plan, BookKind::plan, {2027, 1, 2}));
    EXPECT_TRUE(ToggleRead(plan, BookKind::plan, {2027, 1, 1}));
    EXPECT_EQ(plan.read, std::vector<int>{1}) << "a second mark takes the first back";
    EXPECT_EQ(DaysRead(plan, BookKind::plan, 1999), 1);
    plan.start = {2026, 12, 1};
    EXPECT_TRUE(IsRead(plan, BookKind::plan, {2026, 12, 1})) << "day 1 moved with the start";

    BookProgress calendar{"Proverbs", {}, {}};
    for (const Date& date : {Date{2026, 12, 31}, Date{2027, 1, 1}, Date{2027, 1, 3}})
        EXPECT_TRUE(ToggleRead(calendar, BookKind::calendar, date));
    EXPECT_EQ(DaysRead(calendar, BookKind::calendar, 2027), 2);
    EXPECT_EQ(DaysRead(calendar, BookKind::calendar, 2026), 1);
    EXPECT_EQ(ReadDaysOfMonth(calendar, BookKind::calendar, 2027, 1), 0b101u);
    EXPECT_EQ(ReadDaysOfMonth(plan, BookKind::plan, 2026, 12), 1u) << "1 December, day 1";
}

// Catching up moves the start so that the first day not read falls on today; read days stay read.
TEST(ReadingProgress, CatchingUpPutsTheFirstDayNotReadOnToday) {
    const Date today{2027, 3, 1};
    BookProgress plan{"Plan", {2027, 1, 1}, {1, 2, 3, 5}};
    const Date start = CatchUpStart(plan, today);
    EXPECT_EQ(PlanDayOn(start, today).day, 4);
    plan.start = start;
    EXPECT_TRUE(IsRead(plan, BookKind::plan, {2027, 2, 26})) << "day 1 is three days before";
    plan.read.clear();
    EXPECT_EQ(CatchUpStart(plan, today), today);
    for (int day = 1; day <= 365; ++day)
        plan.read.push_back(day);
    EXPECT_EQ(CatchUpStart(plan, today), plan.start) << "all read: nothing to catch up";
}

// A plan of 90 days begun on 29 February marks, counts and catches up by its own days, in any
// order, from the day before its start to the day after its end.
TEST(ReadingProgress, APlanOfNinetyDaysKeepsToItsOwnDays) {
    const Date start{2028, 2, 29};
    BookProgress plan{"Plan", start, {}};
    for (int offset = -1; offset <= 90; ++offset) {
        const Date date = DateOfDaysSinceEpoch(DaysSinceEpoch(start) + offset);
        const bool within = offset >= 0 && offset < 90;
        EXPECT_EQ(ReadMarkOf(BookKind::plan, start, date, 90), within ? offset + 1 : 0) << offset;
        EXPECT_EQ(ToggleRead(plan, BookKind::plan, date, 90), within) << offset;
    }
    EXPECT_EQ(DateOfPlanDay(start, 90), (Date{2028, 5, 28}));
    EXPECT_EQ(DaysRead(plan, BookKind::plan, 2028, 90), 90);
    EXPECT_EQ(CatchUpStart(plan, {2028, 7, 1}, 90), start) << "all read";
    plan.read = {1, 2, 3, 90, 200};
    EXPECT_EQ(DaysRead(plan, BookKind::plan, 2028, 90), 4) << "read ahead counts; a day past the plan does not";
    EXPECT_TRUE(IsRead(plan, BookKind::plan, {2028, 5, 28}, 90));
    EXPECT_EQ(CatchUpStart(plan, {2028, 7, 1}, 90), StartForPlanDay({2028, 7, 1}, 4));
    EXPECT_EQ(ReadDaysOfMonth(plan, BookKind::plan, 2028, 5, 90), 1u << 27) << "28 May, day 90";
}

TEST(ReadingProgress, OnlyBooksBegunOrMarkedAreKept) {
    const std::vector<BookProgress> books = {
        {"Looked at", {}, {}}, {"Begun", {2027, 1, 1}, {}}, {"Marked", {}, {10 + 20000}}};
    const std::vector<BookProgress> kept = KeptProgress(books);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].title, "Begun");
    EXPECT_EQ(kept[1].title, "Marked");
}

// Where the reader stands: days read against the days since the start, and the run of days read up
// to today, which a day not read yet today does not end.
TEST(ReadingProgress, TheStandingCountsTheDaysReadAndTheRunUpToToday) {
    const auto days = [](int first, int last, std::vector<int> more = {}) {
        for (int day = first; day <= last; ++day)
            more.push_back(day);
        std::sort(more.begin(), more.end());
        return more;
    };
    const Date start{2026, 12, 1}, today{2026, 12, 10};
    const struct {
        const char* what;
        Date start;
        std::vector<int> read;
        Date today;
        Standing standing;
    } cases[] = {
        {"none read", start, {}, today, {-9, 0}},
        {"read up to yesterday", start, days(1, 9), today, {0, 9}},
        {"read up to today", start, days(1, 10), today, {0, 10}},
        {"read ahead", start, days(1, 12), today, {2, 10}},
        {"a gap", start, days(7, 9, {1, 2, 3, 4, 5}), today, {-1, 3}},
        {"ahead but not in a row", start, {20, 21, 22}, {2026, 12, 2}, {1, 0}},
        {"begun today", today, {}, today, {0, 0}},
        {"begins in four days", {2026, 12, 14}, {}, today, {0, 0}},
        {"read before it begins", {2026, 12, 14}, {1, 2}, today, {2, 0}},
        {"ended, all read", start, days(1, 90), {2027, 4, 1}, {0, 90}},
        {"ended, ten not read", start, days(1, 80), {2027, 4, 1}, {-10, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StandingOf({"Plan", c.start, c.read}, BookKind::plan, c.today, 90), c.standing) << c.what;

    BookProgress calendar{"Proverbs", {}, {DaysSinceEpoch(2025, 12, 31)}};
    for (int day = DaysSinceEpoch(2026, 1, 1); day < DaysSinceEpoch(2026, 2, 28); ++day)
        calendar.read.push_back(day);
    EXPECT_EQ(StandingOf(calendar, BookKind::calendar, {2026, 2, 28}), (Standing{0, 58})) << "up to yesterday";
    EXPECT_EQ(StandingOf(calendar, BookKind::calendar, {2026, 3, 2}), (Standing{-2, 0})) << "two days missed";
}
