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

// Rounding of shown figures. Expected values: the decimal value of each input
// rounded by hand, half away from zero; inputs that are decimal halves held a
// hair below in binary (44.55, 359.95, 38 + 10/60) show the value above.
TEST(RoundTo, HalfAwayFromZeroWithTheGuardBelowEveryHalf) {
    struct Case {
        double x;
        int places;
        const char* text;
    };
    const Case cases[] = {
        {359.95, 1, "360.0"},     // held as 359.94999999999998863
        {359.9499, 1, "359.9"},   // well below the half
        {44.55, 1, "44.6"},       // held as 44.54999999999999716
        {44.5499999, 1, "44.5"},  // 1e-7 below the half: outside the guard
        {2.675, 2, "2.68"},       // held as 2.67499999999999982
        {-0.004, 2, "0.00"},      // rounds to zero: no sign
        {-0.005, 2, "-0.01"},    {-0.04, 1, "0.0"}, {13.57, 2, "13.57"},
        {0.25, 0, "0"},          {0.5, 0, "1"},     {-2.5, 0, "-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ephemeris::RoundedText(c.x, c.places), c.text) << c.x;
        EXPECT_EQ(ephemeris::RoundTo(c.x, c.places), std::stod(c.text)) << c.x;
    }
    EXPECT_FALSE(std::signbit(ephemeris::RoundTo(-0.004, 2)));
    EXPECT_EQ(ephemeris::RoundedText(std::nan(""), 1), "");
    EXPECT_EQ(ephemeris::RoundedText(INFINITY, 1), "");
    EXPECT_EQ(ephemeris::RoundTo(-INFINITY, 1), -INFINITY);
}

TEST(RoundTo, HugeValuesKeepEveryFigure) {
    // A double this large is a whole number: rounding leaves it, and its
    // text is its exact decimal value (1e300 is held as 1.00000000000000005e300;
    // the largest double has 309 figures) with the places asked for.
    EXPECT_EQ(ephemeris::RoundTo(1e300, 1), 1e300);
    const std::string e300 = ephemeris::RoundedText(1e300, 1);
    ASSERT_EQ(e300.size(), 303u);
    EXPECT_EQ(e300.rfind("10000000000000000525", 0), 0u) << e300;
    EXPECT_EQ(e300.substr(e300.size() - 2), ".0");
    const std::string largest = ephemeris::RoundedText(1.7976931348623157e308, 9);
    ASSERT_EQ(largest.size(), 319u);
    EXPECT_EQ(largest.rfind("17976931348623157081", 0), 0u) << largest;
    EXPECT_EQ(largest.substr(largest.size() - 10), ".000000000");
}

TEST(RoundDegMin, MinutesRoundedWithTheCarryIntoTheDegree) {
    struct Case {
        double x;
        int places;
        double deg, min;
        int sign;
    };
    const Case cases[] = {
        {38 + 10.0 / 60, 1, 38, 10, 1},       // minutes held as 9.99999999999986
        {-(29 + 50.0 / 60), 0, 29, 50, -1},   // the dead reckoning's W 29 50
        {10 + 59.95 / 60, 1, 11, 0, 1},       // 59.95' carries
        {10 + 59.9499 / 60, 1, 10, 59.9, 1},  // 59.9499' does not
        {359 + 59.96 / 60, 1, 360, 0, 1},
        {35 + 13.57 / 60, 2, 35, 13.57, 1},  // Bowditch's worked Hc
        {35 + 13.57 / 60, 1, 35, 13.6, 1},
        {40 + 24.75 / 60, 0, 40, 25, 1},  // whole minutes round
        {-0.004 / 60, 2, 0, 0, 0},        // -0.004' is no angle: no sign
        {-0.5, 1, 0, 30, -1},
        {0, 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto r = ephemeris::RoundDegMin(c.x, c.places);
        EXPECT_TRUE(r.Finite);
        EXPECT_EQ(r.Deg, c.deg) << c.x;
        EXPECT_NEAR(r.Min, c.min, 1e-12) << c.x;
        EXPECT_EQ(r.Sign, c.sign) << c.x;
    }
    EXPECT_FALSE(ephemeris::RoundDegMin(std::nan(""), 1).Finite);
    EXPECT_FALSE(ephemeris::RoundDegMin(INFINITY, 1).Finite);
}

// Every decimal of the place is written; an hour angle that rounds up to
// 360 is 0, while any other angle (an azimuth, a course) keeps 360.
TEST(RoundedText, EveryDecimalOfThePlaceAndHourAnglesBelow360) {
    struct Case {
        double x;
        int places;
        const char* text;       // RoundedText
        const char* hourAngle;  // HourAngleText
    };
    const Case cases[] = {
        {56.9, 2, "56.90", "56.90"},    // a trailing zero is kept
        {63 + 0.0, 1, "63.0", "63.0"},  // so is a tenth that is 0
        {2, 1, "2.0", "2.0"},           // a magnitude
        {0.15, 2, "0.15", "0.15"},      // the 0 before the point
        {-0.5, 1, "-0.5", "-0.5"},
        {359.96, 1, "360.0", "0.0"},          // an azimuth keeps 360.0
        {359.9996, 3, "360.000", "0.000"},    // the detailed output's GHA
        {359.9994, 3, "359.999", "359.999"},  // just below: no wrap
        {360, 0, "360", "0"},
        {0, 3, "0.000", "0.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ephemeris::RoundedText(c.x, c.places), c.text) << c.x;
        EXPECT_EQ(ephemeris::HourAngleText(c.x, c.places), c.hourAngle) << c.x;
    }
}

TEST(RoundHourAngle, RoundingUpTo360IsZeroDegreesAndMinutes) {
    struct Case {
        double x;
        int places;
        double deg, min;
    };
    const Case cases[] = {
        {359 + 59.996 / 60, 2, 0, 0},  // 359 59.996' shows 0 0.00'
        {359 + 59.96 / 60, 1, 0, 0},
        {359 + 59.994 / 60, 2, 359, 59.99},  // stays below 360
        {10 + 59.995 / 60, 2, 11, 0},        // the carry as RoundDegMin
        {0, 2, 0, 0},
    };
    for (const auto& c : cases) {
        const auto r = ephemeris::RoundHourAngle(c.x, c.places);
        EXPECT_TRUE(r.Finite);
        EXPECT_EQ(r.Deg, c.deg) << c.x;
        EXPECT_NEAR(r.Min, c.min, 1e-12) << c.x;
    }
    // Other angles keep 360.
    EXPECT_EQ(ephemeris::RoundDegMin(359 + 59.996 / 60, 2).Deg, 360);
    EXPECT_FALSE(ephemeris::RoundHourAngle(std::nan(""), 2).Finite);
}

TEST(RoundHMS, SecondsRoundedWithTheCarryIntoTheNextDay) {
    struct Case {
        double hours;
        int places;
        double days, h, m, s;
    };
    const Case cases[] = {
        {23 + 59.0 / 60 + 59.5 / 3600, 0, 1, 0, 0, 0},     // 23:59:59.5: next day
        {23 + 59.0 / 60 + 59.4 / 3600, 0, 0, 23, 59, 59},  // 23:59:59.4 stays
        {23 + 59.0 / 60 + 59.7 / 3600, 0, 1, 0, 0, 0},
        {12 + 30.0 / 60 + 58.5 / 3600, 0, 0, 12, 30, 59},
        {12 + 30.0 / 60 + 58.44 / 3600, 1, 0, 12, 30, 58.4},
        {10 + 59.0 / 60 + 59.96 / 3600, 1, 0, 11, 0, 0},
        {-0.5, 0, -1, 23, 30, 0},        // the day before
        {-(0.4 / 3600), 0, 0, 0, 0, 0},  // rounds to midnight
        {25.5, 0, 1, 1, 30, 0},
    };
    for (const auto& c : cases) {
        const auto r = ephemeris::RoundHMS(c.hours, c.places);
        EXPECT_TRUE(r.Finite);
        EXPECT_EQ(r.Days, c.days) << c.hours;
        EXPECT_EQ(r.H, c.h) << c.hours;
        EXPECT_EQ(r.M, c.m) << c.hours;
        EXPECT_NEAR(r.S, c.s, 1e-12) << c.hours;
        EXPECT_FALSE(r.Days == 0 && std::signbit(r.Days)) << c.hours;
    }
    EXPECT_FALSE(ephemeris::RoundHMS(std::nan(""), 0).Finite);
}

TEST(TimeOfDayText, TwoDigitsEachOfTheRoundedTime) {
    using ephemeris::RoundHMS;
    using ephemeris::TimeOfDayText;
    EXPECT_EQ(TimeOfDayText(RoundHMS(9 + 5.0 / 60 + 7.4 / 3600, 0)), "09:05:07");
    EXPECT_EQ(TimeOfDayText(RoundHMS(23 + 59.0 / 60 + 59.5 / 3600, 0)), "00:00:00");  // next day
    EXPECT_EQ(TimeOfDayText(RoundHMS(12 + 30.0 / 60 + 58.5 / 3600, 0)), "12:30:59");
}

}  // namespace
