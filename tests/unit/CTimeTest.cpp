#include "framework/core/CTime.h"

#include "tests/unit/TimeZone.h"

#include <gtest/gtest.h>

namespace {

using CTimeInZones = NamedZoneTest;

struct Joined {
    const char* zone;
    int year, month, day, hour;
    std::int64_t expected;
};

} // namespace

TEST_F(CTimeInZones, JoinsLocalDateAndTimeWithTheDaylightSavingOfThatDate) {
    const Joined cases[] = {
        {"Europe/Berlin", 2026, 3, 28, 8, 1774681200},    // winter time, UTC+1
        {"Europe/Berlin", 2026, 3, 29, 8, 1774764000},    // summer time from 02:00 that day
        {"Europe/Berlin", 2026, 10, 25, 8, 1792911600},   // winter time again
        {"America/New_York", 2026, 11, 1, 8, 1793538000}, // standard time from 02:00 that day
        {"Europe/Berlin", 2038, 6, 1, 12, 2158999200},    // beyond the signed 32-bit range
    };
    for (const Joined& c : cases) {
        ScopedTimeZone zone(c.zone);
        const CTime time(c.year, c.month, c.day, c.hour, 0, 0);
        EXPECT_EQ(time.GetTime(), c.expected) << c.zone << " " << c.month << "-" << c.day;
        EXPECT_EQ(time.GetYear(), c.year);
        EXPECT_EQ(time.GetMonth(), c.month);
        EXPECT_EQ(time.GetDay(), c.day);
        EXPECT_EQ(time.GetHour(), c.hour);
    }
}

TEST_F(CTimeInZones, ADayOfSecondsAcrossAChangeIsNotACalendarDay) {
    ScopedTimeZone zone("Europe/Berlin");
    const CTime spring = CTime(2026, 3, 28, 23, 30, 0) + 86400;
    EXPECT_EQ(spring.GetDay(), 30);
    EXPECT_EQ(spring.GetHour(), 0);
    const CTime autumn = CTime(2026, 10, 25, 0, 30, 0) + 86400;
    EXPECT_EQ(autumn.GetDay(), 25);
    EXPECT_EQ(autumn.GetHour(), 23);
}

TEST_F(CTimeInZones, SplitThenJoinGivesTheSameTimeOutsideTheRepeatedHour) {
    for (const char* name : {"Europe/Berlin", "America/New_York", "UTC"}) {
        ScopedTimeZone zone(name);
        for (std::int64_t t = 1767225600; t < 1798761600; t += 3 * 3600 + 17 * 60 + 11) {
            const CTime time(t);
            const bool repeatedHour =
                CTime(t + 3600).GetHour() == time.GetHour() || CTime(t - 3600).GetHour() == time.GetHour();
            if (repeatedHour) continue; // autumn's hour that comes twice joins to either
            const CTime joined(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(),
                               time.GetSecond());
            ASSERT_EQ(joined, time) << name << " " << t;
        }
    }
}

TEST(CTime, SplitsAndJoinsInTheLocalZoneOfThePlatform) {
    const CTime noon(2026, 12, 7, 12, 34, 56);
    EXPECT_EQ(noon.GetYear(), 2026);
    EXPECT_EQ(noon.GetMonth(), 12);
    EXPECT_EQ(noon.GetDay(), 7);
    EXPECT_EQ(noon.GetHour(), 12);
    EXPECT_EQ(noon.GetMinute(), 34);
    EXPECT_EQ(noon.GetSecond(), 56);
    EXPECT_TRUE(noon + 1 > noon);
    EXPECT_TRUE(noon < noon + 1);
    EXPECT_GT(CTime::GetCurrentTime().GetTime(), 1767225600); // after 2026 began
}
