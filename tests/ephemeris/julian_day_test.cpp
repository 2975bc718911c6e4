// Julian day of UT calendar instants (proleptic Gregorian, linear overflow of
// months, days and hours) and the local clock turned into UT fields.
// Expected values: worked examples (exact doubles where compared exactly),
// unless a case names another source.
#include <gtest/gtest.h>

#include <limits>

#include "ephemeris/ephemeris.h"

namespace {

using ephemeris::ClockReading;
using ephemeris::ClockToUT;
using ephemeris::JulianDay;

struct JulianDayCase {
    const char* name;
    double year, month, day, hours;
    double expectedJD;
};

// Expected values: worked examples, and the Julian days of whole calendar
// dates as the standard Gregorian count gives them.
TEST(JulianDay, CalendarInstantsGiveTheirJulianDay) {
    const JulianDayCase cases[] = {
        {"J2000.0", 2000, 1, 1, 12, 2451545.0},
        {"1900 Jan 1", 1900, 1, 1, 0, 2415020.5},
        {"1900 Feb 28", 1900, 2, 28, 0, 2415078.5},
        {"1900 Mar 1", 1900, 3, 1, 0, 2415079.5},
        {"2100 Feb 28", 2100, 2, 28, 0, 2488127.5},
        {"2100 Mar 1", 2100, 3, 1, 0, 2488128.5},
        {"2014 Jan 32", 2014, 1, 32, 0, 2456689.5},
        {"2014 Feb 1", 2014, 2, 1, 0, 2456689.5},
        {"2014 Dec 32", 2014, 12, 32, 0, 2457023.5},
        {"2014 month 13 day 1", 2014, 13, 1, 0, 2457023.5},
        {"2015 Jan 1", 2015, 1, 1, 0, 2457023.5},
        {"2014 Jun 15 -3 h", 2014, 6, 15, -3, 2456823.375},
        {"2014 Jun 14 21 h", 2014, 6, 14, 21, 2456823.375},
        {"1582 Oct 4 (no calendar switch)", 1582, 10, 4, 0, 2299149.5},
        // 30.6001 x 4.99999 is just above 153, where 30.6 would stay below it.
        {"month 3.99999 counts as April", 2014, 3.99999, 1, 0, 2456748.5},
    };
    for (const auto& c : cases) {
        double jd = 0;
        double t = 99;
        JulianDay(c.year, c.month, c.day, c.hours, jd, t);
        EXPECT_EQ(jd, c.expectedJD) << c.name;
        EXPECT_EQ(t, (c.expectedJD - 2451545) / 36525) << c.name;
    }
}

TEST(JulianDay, J2000IsCenturyZero) {
    double jd = 0;
    double t = 99;
    JulianDay(2000, 1, 1, 12, jd, t);
    EXPECT_EQ(t, 0.0);
}

TEST(JulianDay, MonthZeroIsDecemberOfTheYearBefore) {
    double jdZero = 0;
    double jdDecember = 0;
    double t = 0;
    JulianDay(2014, 0, 15, 6, jdZero, t);
    JulianDay(2013, 12, 15, 6, jdDecember, t);
    EXPECT_EQ(jdZero, jdDecember);
}

struct ClockCase {
    const char* name;
    ClockReading local;
    double zone;
    ClockReading expected;
};

TEST(ClockToUT, ZoneIsAddedAndOnlyTheDayTakesTheCarry) {
    const ClockCase cases[] = {
        {"zone 5, 21:30:10 on 31 Jan", {2014, 1, 31, 21, 30, 10}, 5, {2014, 1, 32, 2, 30, 10}},
        {"zone -3, 01:30 local", {2014, 6, 15, 1, 30, 0}, -3, {2014, 6, 15, -2, 30, 0}},
        {"zone 5.5, 12:00 local", {2014, 6, 15, 12, 0, 0}, 5.5, {2014, 6, 15, 17.5, 0, 0}},
        {"zone 5, 31 Dec 19:00 keeps the year",
         {2014, 12, 31, 19, 0, 0},
         5,
         {2014, 12, 32, 0, 0, 0}},
        {"zone 0 leaves the reading", {2020, 2, 29, 23, 59, 59}, 0, {2020, 2, 29, 23, 59, 59}},
    };
    for (const auto& c : cases) {
        double year = -1, month = -1, day = -1, hour = -1, minute = -1, second = -1;
        ClockToUT(c.local, c.zone, year, month, day, hour, minute, second);
        EXPECT_EQ(year, c.expected.Year) << c.name;
        EXPECT_EQ(month, c.expected.Month) << c.name;
        EXPECT_EQ(day, c.expected.Day) << c.name;
        EXPECT_EQ(hour, c.expected.Hour) << c.name;
        EXPECT_EQ(minute, c.expected.Minute) << c.name;
        EXPECT_EQ(second, c.expected.Second) << c.name;
    }
}

TEST(ClockToUT, DayPastTheMonthEndIsTheNextMonthForJulianDay) {
    double year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    ClockToUT(ClockReading{2014, 1, 31, 21, 30, 10}, 5, year, month, day, hour, minute, second);
    double jd = 0;
    double t = 0;
    JulianDay(year, month, day, hour + minute / 60 + second / 3600, jd, t);
    double jdFebruary = 0;
    JulianDay(2014, 2, 1, 2 + 30.0 / 60 + 10.0 / 3600, jdFebruary, t);
    EXPECT_EQ(jd, jdFebruary);
}

TEST(ClockToUT, SystemClockReadingIsPlausible) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double year = nan, month = nan, day = nan, hour = nan, minute = nan, second = nan;
    ClockToUT(0, year, month, day, hour, minute, second);
    EXPECT_GE(year, 2020);
    EXPECT_GE(month, 1);
    EXPECT_LE(month, 12);
    EXPECT_GE(day, 1);
    EXPECT_LE(day, 31);
    EXPECT_GE(hour, 0);
    EXPECT_LT(hour, 24);
    EXPECT_GE(minute, 0);
    EXPECT_LE(minute, 59);
    EXPECT_GE(second, 0);
    EXPECT_LE(second, 59);
}

}  // namespace
