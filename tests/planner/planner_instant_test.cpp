// The planner's inputs and its altitude with the optional parallax.
#include <gtest/gtest.h>

#include <cmath>

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
