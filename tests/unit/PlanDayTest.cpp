#include "reader/book/PlanDay.h"

#include "framework/core/Calendar.h"

#include <gtest/gtest.h>

static std::ostream& operator<<(std::ostream& out, const Date& date) {
    return out << date.year << "-" << date.month << "-" << date.day;
}

TEST(PlanDay, CountsRealDaysFromTheStart) {
    using Where = PlanDay::Where;
    const struct {
        Date start, date;
        Where where;
        int day;
    } cases[] = {
        {{2026, 12, 8}, {2026, 12, 8}, Where::within, 1},     {{2026, 12, 8}, {2027, 1, 1}, Where::within, 25},
        {{2026, 12, 8}, {2027, 12, 7}, Where::within, 365},   {{2026, 12, 8}, {2026, 12, 7}, Where::beforeStart, 0},
        {{2026, 12, 8}, {2027, 12, 8}, Where::afterEnd, 366}, {{2028, 2, 29}, {2028, 3, 1}, Where::within, 2},
        {{2028, 1, 1}, {2028, 12, 30}, Where::within, 365}, // a leap year's 29 February is a day of the plan
        {{2028, 1, 1}, {2028, 12, 31}, Where::afterEnd, 366}, {{2027, 3, 1}, {2027, 2, 28}, Where::beforeStart, 0},
    };
    for (const auto& c : cases) {
        const PlanDay found = PlanDayOn(c.start, c.date);
        EXPECT_TRUE(found.where == c.where && found.day == c.day)
            << c.start << " " << c.date << ": day " << found.day << ", not " << c.day;
    }
}

// For every start of 2025 to 2029, consecutive dates give consecutive days, the date of each day
// gives that day back, and the start that puts a day on a date is that start.
TEST(PlanDay, ConsecutiveDatesGiveConsecutiveDays) {
    for (int year = 2025; year <= 2029; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                const Date start{year, month, day};
                Date date = start;
                for (int expected = 1; expected <= 366; ++expected) {
                    const PlanDay found = PlanDayOn(start, date);
                    ASSERT_EQ(found.day, expected) << start << " " << date;
                    ASSERT_EQ(found.where == PlanDay::Where::within, expected <= 365) << start << " " << date;
                    ASSERT_EQ(StartForPlanDay(date, expected), start) << date;
                    const Date next = DateOfPlanDay(start, expected + 1);
                    ASSERT_TRUE(next.day == date.day + 1 ||
                                (next.day == 1 && date.day == DaysInMonth(date.month, date.year)))
                        << date << " then " << next;
                    date = next;
                }
            }
        }
    }
}
