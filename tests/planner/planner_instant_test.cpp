// The planner's inputs and its altitude with the optional parallax.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "planner/planner_instant.h"

namespace {

using namespace planner;
constexpr double kRad = ephemeris::kRadPerDeg;

TEST(PlannerInput, FieldsGiveTheInstantAndPosition) {
    PlannerTexts t;
    t.Year = "2024";
    t.Month = "1";
    t.Day = "32";
    t.Hour = "17.5";
    t.Minute = "30";
    t.Second = "36";
    // Signs typed into the boxes are ignored; the options give the side.
    t.LatDegrees = "-10";
    t.LatMinutes = "-30";
    t.LonDegrees = "70";
    t.LonMinutes = "15";
    t.West = true;
    t.DeltaT = "69.2 s";
    t.StarCount = "2.9";
    t.SwitchEastWest = true;
    const PlannerInput in = plannerInput(t);
    EXPECT_EQ(in.Year, 2024);
    EXPECT_EQ(in.Day, 32);
    EXPECT_DOUBLE_EQ(in.UtHours, 17.5 + 0.5 + 0.01);
    EXPECT_DOUBLE_EQ(in.Lat, 10.5 * kRad);
    EXPECT_DOUBLE_EQ(in.Lon, -70.25 * kRad);
    EXPECT_EQ(in.DeltaT, 69.2);
    EXPECT_EQ(in.N, 2);
    EXPECT_EQ(in.EastWestSign, -1);

    t.South = true;
    EXPECT_DOUBLE_EQ(plannerInput(t).Lat, -10.5 * kRad);
    // Empty fields read 0.
    const PlannerInput empty = plannerInput(PlannerTexts{});
    EXPECT_EQ(empty.Year, 0);
    EXPECT_EQ(empty.Lat, 0);
    EXPECT_EQ(empty.N, 0);
    EXPECT_EQ(empty.EastWestSign, 1);
    t.StarCount = "-2.5";
    EXPECT_EQ(plannerInput(t).N, -3);
}

// The refresh's boxes: each must hold a number as a whole text (an empty box
// reads 0), then the date, time, latitude, longitude, minutes and Delta T
// must be possible. A box's text is refused before any range.
TEST(PlannerProblem, EveryNumberBoxAndRange) {
    PlannerTexts ordinary;
    ordinary.Year = "2024";
    ordinary.Month = "1";
    ordinary.Day = "15";
    ordinary.Hour = "2";
    ordinary.Minute = "0";
    ordinary.Second = "0";
    ordinary.LatDegrees = "40";
    ordinary.LatMinutes = "0";
    ordinary.LonDegrees = "70";
    ordinary.LonMinutes = "0";
    ordinary.DeltaT = "69";
    ordinary.StarCount = "20";
    ASSERT_FALSE(plannerProblem(ordinary).has_value());

    const std::string notANumber = " must be a number (use a point for decimals)";
    struct Case {
        std::vector<std::pair<std::string PlannerTexts::*, std::string>> typed;
        std::string message;  // empty: passes
    };
    const std::vector<Case> cases = {
        {{{&PlannerTexts::Year, "2,024"}}, "Year" + notANumber},
        {{{&PlannerTexts::Year, ""}}, "Year must be 1000 to 3000"},
        {{{&PlannerTexts::Month, "1.5.1"}}, "Month" + notANumber},
        {{{&PlannerTexts::Day, " 15 "}}, ""},
        {{{&PlannerTexts::Day, "15th"}}, "Day" + notANumber},
        {{{&PlannerTexts::Hour, "1e1"}}, "UT hour" + notANumber},
        {{{&PlannerTexts::Hour, "+2"}}, ""},
        {{{&PlannerTexts::Minute, ""}}, ""},
        {{{&PlannerTexts::Minute, "half"}}, "UT minute" + notANumber},
        {{{&PlannerTexts::Second, "12abc"}}, "UT second" + notANumber},
        // The position boxes: a typed sign is ignored, as the refresh reads
        // them.
        {{{&PlannerTexts::LatDegrees, "-40"}}, ""},
        {{{&PlannerTexts::LatDegrees, "4O"}}, "Latitude" + notANumber},
        {{{&PlannerTexts::LatDegrees, "90"}, {&PlannerTexts::LatMinutes, "0"}}, ""},
        {{{&PlannerTexts::LatDegrees, "90"}, {&PlannerTexts::LatMinutes, "0.6"}},
         "Latitude must be between 0 and 90 degrees"},
        {{{&PlannerTexts::LatDegrees, "89"}, {&PlannerTexts::LatMinutes, "60.6"}},
         "Latitude minutes must be 0 to below 60"},
        {{{&PlannerTexts::LatMinutes, "2,75"}}, "Latitude minutes" + notANumber},
        {{{&PlannerTexts::LatMinutes, ""}}, ""},
        {{{&PlannerTexts::LatMinutes, "59.99"}}, ""},
        {{{&PlannerTexts::LatMinutes, "-59.99"}}, ""},
        {{{&PlannerTexts::LatMinutes, "60"}}, "Latitude minutes must be 0 to below 60"},
        {{{&PlannerTexts::LatMinutes, "-60"}}, "Latitude minutes must be 0 to below 60"},
        {{{&PlannerTexts::LonDegrees, "1e3"}}, "Longitude" + notANumber},
        {{{&PlannerTexts::LonDegrees, "180"}}, ""},
        {{{&PlannerTexts::LonDegrees, "-180"}}, ""},
        {{{&PlannerTexts::LonDegrees, "180"}, {&PlannerTexts::LonMinutes, "0.1"}},
         "Longitude must be between 0 and 180 degrees"},
        {{{&PlannerTexts::LonDegrees, "200"}, {&PlannerTexts::LonMinutes, "15"}},
         "Longitude must be between 0 and 180 degrees"},
        {{{&PlannerTexts::LonDegrees, "200"}, {&PlannerTexts::LonMinutes, "75"}},
         "Longitude minutes must be 0 to below 60"},
        {{{&PlannerTexts::LonDegrees, "179"}, {&PlannerTexts::LonMinutes, "60"}},
         "Longitude minutes must be 0 to below 60"},
        {{{&PlannerTexts::LonMinutes, "12abc"}}, "Longitude minutes" + notANumber},
        {{{&PlannerTexts::DeltaT, "69.2 s"}}, "Delta T" + notANumber},
        {{{&PlannerTexts::DeltaT, ""}}, "Delta T must not be empty"},
        {{{&PlannerTexts::DeltaT, "  "}}, "Delta T must not be empty"},
        {{{&PlannerTexts::DeltaT, "abc"}}, "Delta T" + notANumber},
        {{{&PlannerTexts::DeltaT, "69,2"}}, "Delta T" + notANumber},
        {{{&PlannerTexts::DeltaT, " -2.5 "}}, ""},
        {{{&PlannerTexts::DeltaT, "1001"}}, "Delta T must be -100 to 1000 seconds"},
        {{{&PlannerTexts::StarCount, "twenty"}}, "Number of stars" + notANumber},
        {{{&PlannerTexts::StarCount, "2.9"}}, ""},
        {{{&PlannerTexts::StarCount, "-3"}}, ""},
        // A text that is no number comes before an impossible value.
        {{{&PlannerTexts::Year, ""}, {&PlannerTexts::StarCount, "x"}},
         "Number of stars" + notANumber},
    };
    for (const Case& c : cases) {
        PlannerTexts t = ordinary;
        std::string what;
        for (const auto& [box, text] : c.typed) {
            t.*box = text;
            what += "\"" + text + "\" ";
        }
        const platform::Problem problem = plannerProblem(t);
        EXPECT_EQ(problem.value_or(""), c.message) << what;
    }
}

TEST(SkyAltAz, ParallaxLowersTheMoonWhenAsked) {
    // The observer on the equator, the Moon on the equator 89.5 degrees west
    // of the meridian at 384400 km: 0.5 degree high, about -0.45 with the
    // parallax (57' at the horizon).
    const double dist = 384400.0 / 149597870;
    double Zn = 0, Hc = 0;
    SkyAltAz(dist, 89.5, 0, 0, 0, false, Zn, Hc);
    EXPECT_NEAR(Hc / kRad, 0.5, 1e-9);
    EXPECT_NEAR(Zn / kRad, 270, 1e-9);
    SkyAltAz(dist, 89.5, 0, 0, 0, true, Zn, Hc);
    EXPECT_NEAR(Hc / kRad, 0.5 - 6371 / 384400.0 * 57.29577951308238 * std::cos(0.5 * kRad), 1e-9);
    EXPECT_NEAR(Hc / kRad, -0.45, 0.01);
    // The Sun's parallax is 8.8".
    double ZnSun = 0, HcSun = 0, HcSunP = 0;
    SkyAltAz(1, 89.5, 0, 0, 0, false, ZnSun, HcSun);
    SkyAltAz(1, 89.5, 0, 0, 0, true, ZnSun, HcSunP);
    EXPECT_NEAR((HcSun - HcSunP) / kRad * 3600, 8.78, 0.01);
}

}  // namespace
