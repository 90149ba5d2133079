#include "platform/time/CivilTime.h"

#include <gtest/gtest.h>

namespace {
SYSTEMTIME BreakDown(int64_t seconds) {
    SYSTEMTIME t;
    EXPECT_TRUE(SecondsToSystemTime(seconds, &t));
    return t;
}
}  // namespace

TEST(CivilTime, KnownDatesAndLeapYears) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);  // 2000 is a leap year
    EXPECT_EQ(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28), 1);  // 1900 is not
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(CivilToSeconds(2004, 3, 8, 0, 0, 0), 1078704000);
}

TEST(CivilTime, OutOfRangeFieldsCarry) {
    EXPECT_EQ(DaysFromCivil(2011, 13, 1), DaysFromCivil(2012, 1, 1));
    EXPECT_EQ(DaysFromCivil(2011, 1, 32), DaysFromCivil(2011, 2, 1));
    EXPECT_EQ(DaysFromCivil(2011, 0, 1), DaysFromCivil(2010, 12, 1));
    // A time zone added across midnight moves the date on; a negative one moves it back.
    SYSTEMTIME t = BreakDown(CivilToSeconds(2011, 12, 31, 23 + 8, 30, 0));
    EXPECT_EQ(t.wYear, 2012);
    EXPECT_EQ(t.wMonth, 1);
    EXPECT_EQ(t.wDay, 1);
    EXPECT_EQ(t.wHour, 7);
    t = BreakDown(CivilToSeconds(2012, 3, 1, 2 - 6, 0, 0));
    EXPECT_EQ(t.wMonth, 2);
    EXPECT_EQ(t.wDay, 29);
    EXPECT_EQ(t.wHour, 20);
}

TEST(CivilTime, BreakDownRoundTripsWithDayOfWeek) {
    for (int64_t days = -130000; days < 200000; days += 997) {
        const SYSTEMTIME t = BreakDown(days * 86400 + 3723);
        EXPECT_EQ(DaysFromCivil(t.wYear, t.wMonth, t.wDay), days);
        EXPECT_EQ(t.wHour, 1);
        EXPECT_EQ(t.wMinute, 2);
        EXPECT_EQ(t.wSecond, 3);
    }
    EXPECT_EQ(BreakDown(0).wDayOfWeek, 4);                                      // Thursday
    EXPECT_EQ(BreakDown(CivilToSeconds(2011, 9, 26, 12, 0, 0)).wDayOfWeek, 1);  // Monday
    EXPECT_EQ(BreakDown(-1).wDayOfWeek, 3);
}

TEST(CivilTime, YearsOutsideTheRangeFail) {
    SYSTEMTIME t;
    t.wYear = 77;
    EXPECT_FALSE(SecondsToSystemTime(CivilToSeconds(1600, 12, 31, 0, 0, 0), &t));
    EXPECT_FALSE(SecondsToSystemTime(CivilToSeconds(30828, 1, 1, 0, 0, 0), &t));
    EXPECT_EQ(t.wYear, 77);
    EXPECT_TRUE(SecondsToSystemTime(CivilToSeconds(1601, 1, 1, 0, 0, 0), &t));
}
