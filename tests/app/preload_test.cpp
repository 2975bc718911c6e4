// The preload's computation: the checks it shares with the reduction, the
// dead reckoning to the new fix time, the longitude brought into one turn and
// the whole-minute split, against the worked cases of plane sailing.
#include "app/preload.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reduction/sight_file.h"
#include "reduction/sight_reduction.h"

namespace {

using app::Preload;
using reduction::GeneralSettings;
using reduction::LegSettings;

// Last fix 10 00' N 20 00' W at 12:00 UT on 14 May 2025, new fix 18:00 the
// same day, course 90, speed 10.
LegSettings eastwardLeg() {
    LegSettings leg;
    leg.LastFixLatDegrees = "10";
    leg.LastFixLatMinutes = "0";
    leg.LastFixLonDegrees = "20";
    leg.LastFixLonMinutes = "0";
    leg.LastFixHour = "12";
    leg.LastFixMinutes = "0";
    leg.LastFixDay = "14";
    leg.LastFixMonth = "5";
    leg.LastFixYear = "2025";
    leg.NewFixHour = "18";
    leg.NewFixMinutes = "0";
    leg.NewFixDay = "14";
    leg.NewFixMonth = "5";
    leg.NewFixYear = "2025";
    leg.Course = "90";
    leg.Speed = "10";
    return leg;
}

struct Expected {
    std::string latDeg, latMin;
    bool north;
    std::string lonDeg, lonMin;
    bool east;
};

void expectDr(const Preload& p, const Expected& e, const std::string& what) {
    ASSERT_FALSE(p.Warning) << what << ": " << p.Warning->Text;
    EXPECT_EQ(p.Dr.LatDegrees, e.latDeg) << what;
    EXPECT_EQ(p.Dr.LatMinutes, e.latMin) << what;
    EXPECT_EQ(p.Dr.North, e.north) << what;
    EXPECT_EQ(p.Dr.LonDegrees, e.lonDeg) << what;
    EXPECT_EQ(p.Dr.LonMinutes, e.lonMin) << what;
    EXPECT_EQ(p.Dr.East, e.east) << what;
}

TEST(Preload, DeadReckonsToTheNewFixTime) {
    // The worked case: a run of 60 n.mi. east; dLon = 1 / cos 10 degrees
    // (1.01543), cut to whole minutes: 18 59' W.
    const Preload p = app::preload(eastwardLeg(), false, true, GeneralSettings{});
    expectDr(p, {"10", "0", true, "18", "59", false}, "worked case");
    EXPECT_NEAR(p.DrLon, -(18 + 59.0 / 60), 1e-12);
    EXPECT_EQ(p.DrLat, 10);
    // The new fix date and time and the settings, as typed.
    EXPECT_EQ(p.Year, "2025");
    EXPECT_EQ(p.Month, "5");
    EXPECT_EQ(p.Day, "14");
    EXPECT_EQ(p.Hour, "18");
    EXPECT_EQ(p.Minutes, "0");
    EXPECT_EQ(p.DeltaT, "67.0");
    EXPECT_EQ(p.TimeZone, GeneralSettings{}.TimeZone);
    EXPECT_EQ(p.AirTemperature, "15");
    EXPECT_EQ(p.Pressure, "1010");
}

TEST(Preload, CasesOfTheRun) {
    struct Case {
        const char* what;
        void (*change)(LegSettings&, bool& south, bool& west);
        Expected dr;
    };
    const Case cases[] = {
        // Six hours before the last fix: 60 n.mi. behind it, 21 00.9' W.
        {"new fix earlier",
         [](LegSettings& l, bool&, bool&) { l.NewFixHour = "6"; },
         {"10", "0", true, "21", "0", false}},
        // 179 50' E and 20' more: 179 50' W.
        {"past 180",
         [](LegSettings& l, bool&, bool& west) {
             l.LastFixLatDegrees = "0";
             l.LastFixLonDegrees = "179";
             l.LastFixLonMinutes = "50";
             l.NewFixHour = "14";
             west = false;
         },
         {"0", "0", true, "179", "50", false}},
        // 400 degrees of longitude at the equator: 20 W + 400 = 20 E, not 140 W.
        {"more than a turn",
         [](LegSettings& l, bool&, bool&) {
             l.LastFixLatDegrees = "0";
             l.Speed = "1000";
             l.NewFixHour = "12";
             l.NewFixDay = "15";
         },
         {"0", "0", true, "20", "0", true}},
        // From 0 10' S 0 10' W north-east across the equator and the meridian.
        {"crossing both",
         [](LegSettings& l, bool& south, bool&) {
             l.LastFixLatDegrees = "0";
             l.LastFixLatMinutes = "10";
             l.LastFixLonDegrees = "0";
             l.LastFixLonMinutes = "10";
             l.Course = "45";
             l.NewFixHour = "14";
             south = true;
         },
         {"0", "4", true, "0", "4", true}},
        // Speed 0: the last fix cut to whole minutes, 10 06' kept as 10 06'.
        {"speed 0, whole minutes",
         [](LegSettings& l, bool& south, bool&) {
             l.Speed = "0";
             l.LastFixLatMinutes = "6";
             l.LastFixLonDegrees = "64";
             l.LastFixLonMinutes = "12";
             south = true;
         },
         {"10", "6", false, "64", "12", false}},
        // Equal times.
        {"equal times",
         [](LegSettings& l, bool&, bool&) {
             l.NewFixHour = "12";
             l.LastFixLonMinutes = "41.9";
         },
         {"10", "0", true, "20", "41", false}},
    };
    for (const Case& c : cases) {
        LegSettings leg = eastwardLeg();
        bool south = false;
        bool west = true;
        c.change(leg, south, west);
        expectDr(app::preload(leg, south, west, GeneralSettings{}), c.dr, c.what);
    }
}

TEST(Preload, WholeMinutes) {
    struct Case {
        double x;
        double deg, min, cut;
    };
    const Case cases[] = {
        {10 + 6.0 / 60, 10, 6, 10.1},  // 60 * 0.1 is 5.99999999999996
        {-(18 + 59.0 / 60), -18, 59, -(18 + 59.0 / 60)},
        {10 + 59.9999999 / 60, 11, 0, 11},  // within 1e-6' of the next degree
        {10 + 59.99 / 60, 10, 59, 10 + 59.0 / 60},
        {-0.5, 0, 30, -0.5},
        {0, 0, 0, 0},
        {179.999999999, 180, 0, 180},
    };
    for (const Case& c : cases) {
        double deg = 99;
        double min = 99;
        double cut = 99;
        app::splitWholeMinutes(c.x, deg, min, cut);
        EXPECT_EQ(deg, c.deg) << c.x;
        EXPECT_EQ(min, c.min) << c.x;
        EXPECT_NEAR(cut, c.cut, 1e-12) << c.x;
        EXPECT_FALSE(deg == 0 && std::signbit(deg)) << c.x;  // no negative zero
    }
    // Across all whole minutes of a degree, none is lost.
    for (int m = 0; m < 60; ++m) {
        double deg = 0;
        double min = 0;
        double cut = 0;
        app::splitWholeMinutes(37 + m / 60.0, deg, min, cut);
        EXPECT_EQ(deg, 37) << m;
        EXPECT_EQ(min, m) << m;
    }
}

TEST(Preload, TheReductionsWarnings) {
    struct Case {
        void (*change)(LegSettings&);
        std::string_view message;
    };
    const Case cases[] = {
        {[](LegSettings& l) { l.LastFixHour = ""; }, reduction::kNoFixTimeMessage},
        {[](LegSettings& l) { l.NewFixHour = ""; }, reduction::kNoFixTimeMessage},
        {[](LegSettings& l) { l.LastFixLatDegrees = ""; }, reduction::kNoLastFixMessage},
        {[](LegSettings& l) { l.LastFixLonDegrees = ""; }, reduction::kNoLastFixMessage},
        {[](LegSettings& l) { l.LastFixMonth = "May"; },
         "Last fix month must be a number (use a point for decimals)"},
        {[](LegSettings& l) { l.NewFixYear = ""; }, "New fix year must be 1000 to 3000"},
        // The checks of the reduction: calendar dates, times of day, a last
        // fix latitude up to 90 degrees.
        {[](LegSettings& l) { l.NewFixDay = "32"; }, "New fix day must be 1 to 31"},
        {[](LegSettings& l) { l.LastFixHour = "25"; }, "Last fix hour must be 0 to below 24"},
        {[](LegSettings& l) { l.LastFixLatDegrees = "95"; },
         "Last fix latitude must be between 0 and 90 degrees"},
        {[](LegSettings& l) { l.NewFixMonth = "5."; }, std::string_view()},  // a number
        {[](LegSettings& l) { l.Speed = std::string(400, '9'); },
         "Speed must be a number (use a point for decimals)"},
        // 1e308 kn: the run overflows.
        {[](LegSettings& l) { l.Speed = "1" + std::string(308, '0'); },
         reduction::kBadDeadReckoningMessage},
        // Due north at 1000 kn for 6 h: 6000 n.mi., 100 degrees, past the pole.
        {[](LegSettings& l) {
             l.Course = "0";
             l.Speed = "1000";
         },
         reduction::kBadDeadReckoningMessage},
    };
    for (const Case& c : cases) {
        LegSettings leg = eastwardLeg();
        c.change(leg);
        const Preload p = app::preload(leg, false, true, GeneralSettings{});
        if (c.message.empty()) {
            EXPECT_FALSE(p.Warning);
            continue;
        }
        ASSERT_TRUE(p.Warning) << c.message;
        EXPECT_EQ(p.Warning->Text, c.message);
        EXPECT_EQ(p.Warning->Title, "Warning!");
    }
    // "0" and a blank pass the emptiness checks.
    LegSettings blank = eastwardLeg();
    blank.LastFixLatDegrees = " ";
    blank.LastFixLonDegrees = "0";
    EXPECT_FALSE(app::preload(blank, false, true, GeneralSettings{}).Warning);
}

}  // namespace
