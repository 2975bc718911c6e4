// Display cutting (toward minus infinity), degree and hour splitting, and the
// date and time texts.
// Expected values: worked examples (exact doubles where compared exactly),
// unless a case names another source.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/ephemeris.h"

namespace {

using ephemeris::FloorTo1;
using ephemeris::FloorTo2;
using ephemeris::FloorTo3;
using ephemeris::FloorTo6;
using ephemeris::FormatDateTime;
using ephemeris::FormatTimeHMS;
using ephemeris::SplitDegMin;
using ephemeris::SplitDegWholeMin;

// Expected values: worked examples (exact doubles where compared exactly).
TEST(FloorTo, CutsTowardMinusInfinityWithTheRoundingOfTheStep) {
    struct Case {
        const char* name;
        double (*f)(double);
        double x;
        double expected;
    };
    const Case cases[] = {
        {"FloorTo1(-0.05)", FloorTo1, -0.05, -0.1},
        {"FloorTo2(2.675)", FloorTo2, 2.675, 2.67},
        {"FloorTo3(1.005)", FloorTo3, 1.005, 1.004},
        {"FloorTo6(12.34567891)", FloorTo6, 12.34567891, 12.345678},
        {"FloorTo1(0.3)", FloorTo1, 0.3, 0.30000000000000004},
        {"FloorTo2(0.29)", FloorTo2, 0.29, 0.28},
        {"FloorTo3(-1.2345)", FloorTo3, -1.2345, -1.235},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.f(c.x), c.expected) << c.name;
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(SplitDegMin, WholeDegreesAndMinutesCutToThousandths) {
    struct Case {
        double x;
        double deg, min;
    };
    const Case cases[] = {
        {10.1, 10, 5999 * 0.001},
        {-10.25, -10, 15},
        {-0.5, 0, -30},
        {0, 0, 0},
    };
    for (const auto& c : cases) {
        double deg = 99;
        double min = 99;
        SplitDegMin(c.x, deg, min);
        EXPECT_EQ(deg, c.deg) << "SplitDegMin(" << c.x << ")";
        EXPECT_EQ(min, c.min) << "SplitDegMin(" << c.x << ")";
        EXPECT_EQ(std::signbit(deg), std::signbit(c.deg)) << "SplitDegMin(" << c.x << ") degrees";
    }
}

TEST(SplitDegMin, NegativeZeroIsNeverReturned) {
    for (const double x : {-0.0, -0.5, -1e-9}) {
        double deg = 99;
        double min = 99;
        SplitDegMin(x, deg, min);
        EXPECT_FALSE(std::signbit(deg)) << x;
        if (min == 0) {
            EXPECT_FALSE(std::signbit(min)) << x;
        }
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(SplitDegWholeMin, WholeMinutesAndTheAngleCutToWholeMinutes) {
    struct Case {
        double x;
        double deg, min, decDeg;
    };
    const Case cases[] = {
        {-10.1, -10, 5, -10.084},
        {10.999, 10, 59, 10.983},
        {-0.5, 0, 30, -0.5},
    };
    for (const auto& c : cases) {
        double deg = 99;
        double min = 99;
        double decDeg = 99;
        SplitDegWholeMin(c.x, deg, min, decDeg);
        EXPECT_EQ(deg, c.deg) << "SplitDegWholeMin(" << c.x << ")";
        EXPECT_EQ(min, c.min) << "SplitDegWholeMin(" << c.x << ")";
        EXPECT_EQ(decDeg, c.decDeg) << "SplitDegWholeMin(" << c.x << ")";
        EXPECT_EQ(std::signbit(deg), std::signbit(c.deg))
            << "SplitDegWholeMin(" << c.x << ") degrees";
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(FormatDateTime, DateAndTimeTextsWithoutLeadingZeros) {
    struct Case {
        double year, month, day, hours;
        double h, m, s;
        const char* dateText;
        const char* timeText;
    };
    const Case cases[] = {
        // 7 h 4 min 59.99 s: the seconds are cut to 59 and carried.
        {2014, 1, 5, 7.0833333333, 7, 5, 0, "Jan/5/2014", "7:5:0"},
        {2014, 13, 5, 12, 12, 0, 0, "/5/2014", "12:0:0"},
        {2014, 12, 31, 0, 0, 0, 0, "Dec/31/2014", "0:0:0"},
    };
    for (const auto& c : cases) {
        double h = 99, m = 99, s = 99;
        std::string dateText = "x";
        std::string timeText = "x";
        FormatDateTime(c.year, c.month, c.day, c.hours, h, m, s, dateText, timeText);
        EXPECT_EQ(h, c.h) << c.dateText;
        EXPECT_EQ(m, c.m) << c.dateText;
        EXPECT_EQ(s, c.s) << c.dateText;
        EXPECT_EQ(dateText, c.dateText);
        EXPECT_EQ(timeText, c.timeText) << c.dateText;
    }
}

TEST(FormatDateTime, EveryMonthHasItsName) {
    const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month) {
        double h = 0, m = 0, s = 0;
        std::string dateText;
        std::string timeText;
        FormatDateTime(2020, month, 1, 0, h, m, s, dateText, timeText);
        EXPECT_EQ(dateText, std::string(names[month - 1]) + "/1/2020");
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(FormatTimeHMS, TwoDigitPartsWithTheMinuteAndHourCarries) {
    struct Case {
        double hours;
        double h, m, s;
        const char* text;
    };
    const Case cases[] = {
        {12.51638888, 12, 30, 58, "12:30:58"},
        {12.516666, 12, 31, 0, "12:31:00"},  // 12:30:59.998
        {9.99, 9, 59, 24, "09:59:24"},
        {23.9999, 0, 0, 0, "00:00:00"},  // carried into hour 24, wrapped to 0
        {0, 0, 0, 0, "00:00:00"},
        {-0.5, -1, 30, 0, "0-1:30:00"},  // a negative hour is below 10 too
    };
    for (const auto& c : cases) {
        double h = 99, m = 99, s = 99;
        std::string text = "x";
        FormatTimeHMS(c.hours, h, m, s, text);
        EXPECT_EQ(h, c.h) << c.text;
        EXPECT_EQ(m, c.m) << c.text;
        EXPECT_EQ(s, c.s) << c.text;
        EXPECT_EQ(text, c.text);
    }
}

}  // namespace
