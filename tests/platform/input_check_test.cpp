// The plausibility checks of typed fields and the calendar arithmetic of the
// "Now" buttons. Expected values: the Gregorian calendar's rules, worked by
// hand (month lengths, leap years, carries across midnight and the year).
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/input_check.h"

namespace {

using platform::CalendarTime;
using platform::Problem;

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FieldCase {
    const char* what;
    Problem got;
    const char* message;  // nullptr: passes
};

void expectCases(const std::vector<FieldCase>& cases) {
    for (const FieldCase& c : cases) {
        if (c.message == nullptr) {
            EXPECT_FALSE(c.got.has_value()) << c.what << ": " << c.got.value_or("");
        } else {
            ASSERT_TRUE(c.got.has_value()) << c.what;
            EXPECT_EQ(*c.got, c.message) << c.what;
        }
    }
}

TEST(InputCheck, LatitudeInsideOnAndOutsideItsBound) {
    const char* bad = "Latitude must be between 0 and 90 degrees";
    expectCases({
        {"0", platform::latitudeProblem("Latitude", 0), nullptr},
        {"90 exactly", platform::latitudeProblem("Latitude", 90), nullptr},
        {"-90 exactly", platform::latitudeProblem("Latitude", -90), nullptr},
        {"89 deg 59.99'", platform::latitudeProblem("Latitude", 89 + 59.99 / 60), nullptr},
        {"90 deg 0.01'", platform::latitudeProblem("Latitude", 90 + 0.01 / 60), bad},
        {"95", platform::latitudeProblem("Latitude", 95), bad},
        {"-95", platform::latitudeProblem("Latitude", -95), bad},
        {"inf", platform::latitudeProblem("Latitude", kInf), bad},
        {"nan", platform::latitudeProblem("Latitude", kNaN), bad},
        {"own label", platform::latitudeProblem("Landmark A latitude", 91),
         "Landmark A latitude must be between 0 and 90 degrees"},
    });
}

TEST(InputCheck, DatesNameTheirFirstBadField) {
    using platform::dateProblem;
    expectCases({
        {"ordinary", dateProblem(2024, 3, 15), nullptr},
        {"first year", dateProblem(1000, 1, 1), nullptr},
        {"last year", dateProblem(3000, 12, 31), nullptr},
        {"year 999", dateProblem(999, 12, 31), "Year must be 1000 to 3000"},
        {"year 3001", dateProblem(3001, 1, 1), "Year must be 1000 to 3000"},
        {"year 1e20", dateProblem(1e20, 1, 1), "Year must be 1000 to 3000"},
        {"year 2024.5", dateProblem(2024.5, 1, 1), "Year must be 1000 to 3000"},
        {"empty year reads 0", dateProblem(0, 1, 1), "Year must be 1000 to 3000"},
        {"month 0", dateProblem(2024, 0, 1), "Month must be 1 to 12"},
        {"month 13", dateProblem(2024, 13, 1), "Month must be 1 to 12"},
        {"month nan", dateProblem(2024, kNaN, 1), "Month must be 1 to 12"},
        {"day 0", dateProblem(2024, 1, 0), "Day must be 1 to 31"},
        {"day 32", dateProblem(2024, 1, 32), "Day must be 1 to 31"},
        {"day 31 of April", dateProblem(2024, 4, 31), "Day must be 1 to 30"},
        {"day 30 of April", dateProblem(2024, 4, 30), nullptr},
        {"29 February 2024 (leap)", dateProblem(2024, 2, 29), nullptr},
        {"29 February 2023", dateProblem(2023, 2, 29), "Day must be 1 to 28"},
        {"29 February 1900 (century)", dateProblem(1900, 2, 29), "Day must be 1 to 28"},
        {"29 February 2000 (400 years)", dateProblem(2000, 2, 29), nullptr},
        {"day 1.5", dateProblem(2024, 1, 1.5), "Day must be 1 to 31"},
        {"year before month", dateProblem(0, 13, 32), "Year must be 1000 to 3000"},
        {"month before day", dateProblem(2024, 13, 32), "Month must be 1 to 12"},
        {"own labels", dateProblem(2024, 13, 1, {"Sight year", "Sight month", "Sight day"}),
         "Sight month must be 1 to 12"},
    });
}

TEST(InputCheck, TimesOfDayAllowDecimalsBelowTheirBound) {
    using platform::timeProblem;
    expectCases({
        {"midnight", timeProblem(0, 0, 0), nullptr},
        {"last second", timeProblem(23, 59, 59.99), nullptr},
        {"decimal hour", timeProblem(23.99, 0, 0), nullptr},
        {"hour 24", timeProblem(24, 0, 0), "Hour must be 0 to below 24"},
        {"hour 25", timeProblem(25, 0, 0), "Hour must be 0 to below 24"},
        {"hour -1", timeProblem(-1, 0, 0), "Hour must be 0 to below 24"},
        {"minute 60", timeProblem(12, 60, 0), "Minutes must be 0 to below 60"},
        {"second 60", timeProblem(12, 0, 60), "Seconds must be 0 to below 60"},
        {"second -0.5", timeProblem(12, 0, -0.5), "Seconds must be 0 to below 60"},
        {"second inf", timeProblem(12, 0, kInf), "Seconds must be 0 to below 60"},
        {"hour and minute alone", platform::hourMinuteProblem(23, 59.5), nullptr},
        {"minute alone 61", platform::hourMinuteProblem(3, 61), "Minutes must be 0 to below 60"},
    });
}

TEST(InputCheck, DeltaTAndTimeZoneRanges) {
    expectCases({
        {"Delta T 69", platform::deltaTProblem(69), nullptr},
        {"Delta T -100", platform::deltaTProblem(-100), nullptr},
        {"Delta T 1000", platform::deltaTProblem(1000), nullptr},
        {"Delta T 1000.5", platform::deltaTProblem(1000.5), "Delta T must be -100 to 1000 seconds"},
        {"Delta T 1e300", platform::deltaTProblem(1e300), "Delta T must be -100 to 1000 seconds"},
        {"zone -5.5", platform::zoneProblem(-5.5), nullptr},
        {"zone 14", platform::zoneProblem(14), nullptr},
        {"zone -14", platform::zoneProblem(-14), nullptr},
        {"zone 14.5", platform::zoneProblem(14.5), "Time zone must be -14 to 14 hours"},
        {"zone nan", platform::zoneProblem(kNaN), "Time zone must be -14 to 14 hours"},
    });
}

TEST(InputCheck, FirstProblemKeepsTheOrderGiven) {
    EXPECT_FALSE(platform::firstProblem({std::nullopt, std::nullopt}).has_value());
    EXPECT_EQ(platform::firstProblem({std::nullopt, Problem("b"), Problem("c")}), "b");
}

struct CalendarCase {
    const char* what;
    double Year, Month, Day, Hour, Minute, Second;
    CalendarTime want;
};

TEST(CalendarTime, CarriesDayMonthAndYearBothWays) {
    const std::vector<CalendarCase> cases = {
        {"in range", 2024, 3, 15, 12, 30, 45, {2024, 3, 15, 12, 30, 45}},
        {"day 32 of January", 2024, 1, 32, 2, 0, 0, {2024, 2, 1, 2, 0, 0}},
        {"day 0 of March, leap year", 2024, 3, 0, 11, 10, 0, {2024, 2, 29, 11, 10, 0}},
        {"day 0 of March", 2023, 3, 0, 11, 10, 0, {2023, 2, 28, 11, 10, 0}},
        {"hour 24 on New Year's Eve", 2023, 12, 31, 24, 0, 0, {2024, 1, 1, 0, 0, 0}},
        {"hour 25.5 on 31 December", 2023, 12, 31, 25.5, 0, 0, {2024, 1, 1, 1, 30, 0}},
        {"negative hour on 1 January", 2024, 1, 1, -0.5, 0, 0, {2023, 12, 31, 23, 30, 0}},
        {"zone -5.5 at 05:40 local", 2024, 3, 1, 5 - 5.5, 40, 0, {2024, 3, 1, 0, 10, 0}},
        {"zone -5.5 at 05:20 local", 2024, 3, 1, 5 - 5.5, 20, 0, {2024, 2, 29, 23, 50, 0}},
        {"zone +9.75 late", 2024, 2, 28, 20 + 9.75, 30, 15, {2024, 2, 29, 6, 15, 15}},
        {"28 February 2100 (no leap) + hours", 2100, 2, 28, 26, 0, 0, {2100, 3, 1, 2, 0, 0}},
        {"seconds 59.6 round up across midnight",
         2024,
         12,
         31,
         23,
         59,
         59.6,
         {2025, 1, 1, 0, 0, 0}},
        {"month 13", 2024, 13, 1, 0, 0, 0, {2025, 1, 1, 0, 0, 0}},
        {"month 0", 2024, 0, 31, 0, 0, 0, {2023, 12, 31, 0, 0, 0}},
    };
    for (const CalendarCase& c : cases) {
        const std::optional<CalendarTime> got =
            platform::calendarTime(c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Second);
        ASSERT_TRUE(got.has_value()) << c.what;
        EXPECT_EQ(got->Year, c.want.Year) << c.what;
        EXPECT_EQ(got->Month, c.want.Month) << c.what;
        EXPECT_EQ(got->Day, c.want.Day) << c.what;
        EXPECT_EQ(got->Hour, c.want.Hour) << c.what;
        EXPECT_EQ(got->Minute, c.want.Minute) << c.what;
        EXPECT_EQ(got->Second, c.want.Second) << c.what;
    }
}

TEST(CalendarTime, NoCalendarForValuesThatAreNoInstant) {
    EXPECT_FALSE(platform::calendarTime(kNaN, 1, 1, 0, 0, 0).has_value());
    EXPECT_FALSE(platform::calendarTime(2024, 1, 1, kInf, 0, 0).has_value());
    EXPECT_FALSE(platform::calendarTime(1e300, 1, 1, 0, 0, 0).has_value());
    EXPECT_FALSE(platform::calendarTime(2024, 1, 1, 1e300, 0, 0).has_value());
}

// The computer's offset, hours west positive, from the TZ rule in force.
TEST(ComputerZone, FollowsTheClockSetting) {
    const char* old = std::getenv("TZ");
    const std::string saved = old != nullptr ? old : "";
    struct Case {
        const char* tz;
        double west;
    };
    for (const Case& c :
         {Case{"UTC0", 0}, Case{"EST5", 5}, Case{"<+0530>-5:30", -5.5}, Case{"<-0330>3:30", 3.5}}) {
        setenv("TZ", c.tz, 1);
        tzset();
        EXPECT_DOUBLE_EQ(platform::computerZoneHours(), c.west) << c.tz;
    }
    if (old != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

TEST(InputCheck, DirectionsFromNorthAreZeroTo360) {
    const char* bad = "Desired True Course must be 0 to 360 degrees";
    const auto check = [](double degrees) {
        return platform::directionProblem("Desired True Course", degrees);
    };
    expectCases({
        {"0", check(0), nullptr},
        {"360 exactly", check(360), nullptr},
        {"359.99", check(359.99), nullptr},
        {"just past 360", check(360.001), bad},
        {"just below 0", check(-0.001), bad},
        {"-10", check(-10), bad},
        {"inf", check(kInf), bad},
        {"nan", check(kNaN), bad},
    });
}

// A box the navigator computes from holds a number as a whole text.
TEST(InputCheck, NumberBoxesHoldANumberAsAWholeText) {
    using platform::Empty;
    using platform::numberProblem;
    const char* bad = "Eye height must be a number (use a point for decimals)";
    expectCases({
        {"whole", numberProblem("Eye height", "2"), nullptr},
        {"decimal", numberProblem("Eye height", "2.75"), nullptr},
        {"blanks around", numberProblem("Eye height", "  2.75 "), nullptr},
        {"sign", numberProblem("Eye height", "-2.75"), nullptr},
        {"plus sign", numberProblem("Eye height", "+3"), nullptr},
        {"leading point", numberProblem("Eye height", ".5"), nullptr},
        {"trailing point", numberProblem("Eye height", "5."), nullptr},
        {"empty reads 0", numberProblem("Eye height", ""), nullptr},
        {"blank reads 0", numberProblem("Eye height", "   "), nullptr},
        {"decimal comma", numberProblem("Eye height", "2,75"), bad},
        {"letters", numberProblem("Eye height", "abc"), bad},
        {"two points", numberProblem("Eye height", "1.2.3"), bad},
        {"trailing letters", numberProblem("Eye height", "12abc"), bad},
        {"exponent", numberProblem("Eye height", "1e3"), bad},
        {"sign alone", numberProblem("Eye height", "-"), bad},
        {"point alone", numberProblem("Eye height", "."), bad},
        {"blank inside", numberProblem("Eye height", "1 2"), bad},
        {"inf", numberProblem("Eye height", "inf"), bad},
        {"empty refused", numberProblem("Sextant altitude", "", Empty::Refused),
         "Sextant altitude must not be empty"},
        {"blank refused", numberProblem("Sextant altitude", " ", Empty::Refused),
         "Sextant altitude must not be empty"},
        {"letters where empty is refused", numberProblem("Sextant altitude", "x", Empty::Refused),
         "Sextant altitude must be a number (use a point for decimals)"},
    });
}

// A time zone box as a whole text: its range first (a leading number beyond
// any place's zone, whatever follows it), then the whole text; the
// settings' zone, which cannot be typed into, says where it is set.
TEST(InputCheck, TimeZoneTexts) {
    using platform::settingsZoneProblem;
    using platform::zoneTextProblem;
    const char* range = "Time zone must be -14 to 14 hours";
    const char* bad = "Time zone must be a number (use a point for decimals)";
    const char* settingsRange =
        "The time zone of the settings must be -14 to 14 hours: set it in the sight planner and "
        "press \"Remember these settings as my default\"";
    const char* settingsBad =
        "The time zone of the settings is not a number: set it in the sight planner and press "
        "\"Remember these settings as my default\"";
    expectCases({
        {"5.5", zoneTextProblem("5.5"), nullptr},
        {"blanks and a sign", zoneTextProblem(" -3 "), nullptr},
        {"14", zoneTextProblem("14"), nullptr},
        {"-14", zoneTextProblem("-14"), nullptr},
        {"empty reads 0", zoneTextProblem(""), nullptr},
        {"decimal comma", zoneTextProblem("5,5"), bad},
        {"letters", zoneTextProblem("abc"), bad},
        {"unit", zoneTextProblem("5 h"), bad},
        {"exponent", zoneTextProblem("1e1"), bad},
        {"14.5", zoneTextProblem("14.5"), range},
        {"-15", zoneTextProblem("-15"), range},
        {"out of range with a unit", zoneTextProblem("24 h"), range},
        {"309 nines", zoneTextProblem(std::string(309, '9')), range},
        {"settings 5.5", settingsZoneProblem("5.5"), nullptr},
        {"settings empty", settingsZoneProblem(""), nullptr},
        {"settings 5,5", settingsZoneProblem("5,5"), settingsBad},
        {"settings abc", settingsZoneProblem("abc"), settingsBad},
        {"settings 25", settingsZoneProblem("25"), settingsRange},
        {"settings -14.01", settingsZoneProblem("-14.01"), settingsRange},
    });
}

// Each range at and just past its bounds, with the label it names.
TEST(InputCheck, RangesAtAndPastTheirBounds) {
    using namespace platform;
    const char* minutes = "Latitude minutes must be 0 to below 60";
    const char* lon = "Longitude must be between 0 and 180 degrees";
    const char* speed = "Speed must not be negative";
    const char* pressure = "Pressure must be above 0 hPa";
    const char* temperature = "Air temperature must be above -273 degrees C";
    const char* gha = "GHA must be 0 to 360 degrees";
    const char* angle = "Angle must be above 0 and below 180 degrees";
    expectCases({
        {"minutes 0", minutesProblem("Latitude minutes", 0), nullptr},
        {"minutes 59.99", minutesProblem("Latitude minutes", 59.99), nullptr},
        {"minutes 60", minutesProblem("Latitude minutes", 60), minutes},
        {"minutes -0.1", minutesProblem("Latitude minutes", -0.1), minutes},
        {"minutes nan", minutesProblem("Latitude minutes", kNaN), minutes},
        {"longitude 180", longitudeProblem("Longitude", 180), nullptr},
        {"longitude -180", longitudeProblem("Longitude", -180), nullptr},
        {"longitude 180 deg 0.01'", longitudeProblem("Longitude", 180 + 0.01 / 60), lon},
        {"longitude 200 deg 75'", longitudeProblem("Longitude", 200 + 75.0 / 60), lon},
        {"longitude inf", longitudeProblem("Longitude", kInf), lon},
        {"speed 0", nonNegativeProblem("Speed", 0), nullptr},
        {"speed 1e50", nonNegativeProblem("Speed", 1e50), nullptr},
        {"speed -0.01", nonNegativeProblem("Speed", -0.01), speed},
        {"speed nan", nonNegativeProblem("Speed", kNaN), speed},
        {"pressure 0.1", aboveProblem("Pressure", 0.1, 0, " hPa"), nullptr},
        {"pressure 0", aboveProblem("Pressure", 0, 0, " hPa"), pressure},
        {"temperature -272.9", aboveProblem("Air temperature", -272.9, -273, " degrees C"),
         nullptr},
        {"temperature -273", aboveProblem("Air temperature", -273, -273, " degrees C"),
         temperature},
        {"GHA 0", rangeProblem("GHA", 0, 0, 360, " degrees"), nullptr},
        {"GHA 360", rangeProblem("GHA", 360, 0, 360, " degrees"), nullptr},
        {"GHA 360.001", rangeProblem("GHA", 360.001, 0, 360, " degrees"), gha},
        {"GHA -0.001", rangeProblem("GHA", -0.001, 0, 360, " degrees"), gha},
        {"GHA inf", rangeProblem("GHA", kInf, 0, 360, " degrees"), gha},
        {"angle 0.001", openRangeProblem("Angle", 0.001, 0, 180, " degrees"), nullptr},
        {"angle 179.999", openRangeProblem("Angle", 179.999, 0, 180, " degrees"), nullptr},
        {"angle 0", openRangeProblem("Angle", 0, 0, 180, " degrees"), angle},
        {"angle 180", openRangeProblem("Angle", 180, 0, 180, " degrees"), angle},
        {"angle 200", openRangeProblem("Angle", 200, 0, 180, " degrees"), angle},
        {"angle -10", openRangeProblem("Angle", -10, 0, 180, " degrees"), angle},
    });
}

}  // namespace
