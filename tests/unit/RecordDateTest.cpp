#include "reader/book/VerseOfDay.h"
#include "reader/logic/RecordDate.h"

#include <gtest/gtest.h>

// The day a record is shown on is a day that shows it: every record of a calendar book in common
// and leap years, and every day of a plan, begun in either.
TEST(RecordDate, IsADayThatShowsTheRecord) {
    for (int year : {2026, 2028}) {
        const Date start{year, 2, 27};
        for (int record = 1; record <= daysInCommonYear; ++record) {
            const Date day = DateOfRecord(BookKind::calendar, record, start, year);
            EXPECT_EQ(day.year, year);
            EXPECT_EQ(VerseNumberForDate(day.day, day.month, day.year), record) << year << " " << record;
            const PlanDay planDay = PlanDayOn(start, DateOfRecord(BookKind::plan, record, start, year));
            EXPECT_EQ(planDay.where, PlanDay::Where::within);
            EXPECT_EQ(planDay.day, record);
        }
    }
}
