#include "reader/logic/NextStart.h"

#include "tests/unit/TimeZone.h"

#include <gtest/gtest.h>

namespace {

struct Local {
    int year, month, day, hour, minute, second;
    CTime Time() const { return CTime(year, month, day, hour, minute, second); }
};

struct Case {
    const char* zone;
    Local autorunTime, now, expected;
};

using NextStartInZones = NamedZoneTest;

} // namespace

TEST_F(NextStartInZones, IsTheNextMomentAtTheAutorunTimeOfDay) {
    const Case cases[] = {
        // before, at and after the autorun time on the same day
        {"Europe/Berlin", {2026, 6, 1, 8, 0, 0}, {2026, 6, 1, 7, 59, 59}, {2026, 6, 1, 8, 0, 0}},
        {"Europe/Berlin", {2026, 6, 1, 8, 0, 0}, {2026, 6, 1, 8, 0, 0}, {2026, 6, 1, 8, 0, 0}},
        {"Europe/Berlin", {2026, 6, 1, 8, 0, 0}, {2026, 6, 1, 8, 0, 1}, {2026, 6, 2, 8, 0, 0}},
        // started before midnight, left after it: that same evening, no day skipped
        {"America/New_York", {2026, 6, 1, 23, 0, 0}, {2026, 6, 2, 0, 30, 0}, {2026, 6, 2, 23, 0, 0}},
        // across the spring and the autumn change: the next calendar date, never two dates later
        // nor a time already past
        {"Europe/Berlin", {2026, 3, 28, 23, 30, 0}, {2026, 3, 28, 23, 45, 0}, {2026, 3, 29, 23, 30, 0}},
        {"Europe/Berlin", {2026, 10, 25, 0, 10, 0}, {2026, 10, 25, 0, 20, 0}, {2026, 10, 26, 0, 10, 0}},
        {"America/New_York", {2026, 11, 1, 8, 0, 0}, {2026, 11, 1, 9, 0, 0}, {2026, 11, 2, 8, 0, 0}},
        {"America/New_York", {2026, 3, 7, 23, 30, 0}, {2026, 3, 7, 23, 40, 0}, {2026, 3, 8, 23, 30, 0}},
        // a time of day that the spring change skips: that day, as late after midnight as the clock
        // would read had it not jumped
        {"Europe/Berlin", {2026, 3, 28, 2, 30, 0}, {2026, 3, 28, 10, 0, 0}, {2026, 3, 29, 3, 30, 0}},
        {"America/New_York", {2026, 3, 7, 2, 30, 0}, {2026, 3, 7, 2, 30, 1}, {2026, 3, 8, 3, 30, 0}},
    };
    for (const Case& c : cases) {
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(NextStartTime(c.now.Time(), c.autorunTime.Time()), c.expected.Time())
            << c.zone << " leaving " << c.now.month << "-" << c.now.day << " " << c.now.hour << ":" << c.now.minute;
    }
}

TEST_F(NextStartInZones, KeepsTheTimeOfDayOfAStoredTimeOnALaterDay) {
    ScopedTimeZone zone("Europe/Berlin");
    const CTime stored(2026, 1, 15, 21, 30, 15);
    EXPECT_EQ(DateAtTimeOfDay(CTime(2026, 7, 4, 6, 0, 0), stored), CTime(2026, 7, 4, 21, 30, 15));
    EXPECT_EQ(DateAt(CTime(2026, 3, 29, 12, 0, 0), 8, 0, 0).GetTime(), 1774764000);
}

// Whenever the reader is left, the next start is the first moment at the chosen time of day that
// is not already past: within a day and an hour of now, on today's or tomorrow's date.
TEST_F(NextStartInZones, IsNeverPastNorADayLate) {
    for (const char* zone : {"Europe/Berlin", "America/New_York"}) {
        ScopedTimeZone scoped(zone);
        const CTime autorunTime(2026, 1, 10, 8, 15, 0);
        for (CTime now(2026, 1, 1, 0, 5, 0); now < CTime(2027, 1, 1, 0, 0, 0); now = now + 3 * 3600 + 7 * 60) {
            const CTime next = NextStartTime(now, autorunTime);
            EXPECT_FALSE(now > next) << zone << " " << now.GetTime();
            EXPECT_LE(next.GetTime() - now.GetTime(), 25 * 3600) << zone << " " << now.GetTime();
            EXPECT_EQ(next.GetHour() * 60 + next.GetMinute(), 8 * 60 + 15) << zone << " " << now.GetTime();
        }
    }
}
