// The sight reduction: the checks of the leg and the dead reckoning with the
// assumed-position pre-fills, the assumed position as typed, the altitude
// corrections, the intercepts and azimuths, the least-squares running fix and
// its report lines; warnings for values that cannot be computed; and fixes
// that land on a position placed in the sky by independent spherical trig.
#include "reduction/sight_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/numtext.h"
#include "reduction/sight_almanac.h"
#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
#include "tests/reduction/fix_sums.h"
#include "tests/reduction/report_columns.h"

namespace {

using reduction::AssumedPositionFields;
using reduction::FixStatus;
using reduction::GeneralSettings;
using reduction::LegSettings;
using reduction::prepareReduction;
using reduction::reduceSights;
using reduction::ReductionInput;
using reduction::ReductionOutcome;
using reduction::ReductionStart;
using reduction::SightLog;
using reportcolumns::columnEnds;

const double kInf = std::numeric_limits<double>::infinity();
const double kDegTest = 3.141592653589793 / 180;

// A leg that passes every check: last fix 40 N 30 W at 12:00 UT on
// 15 March 2024, new fix at the same instant, speed 0.
LegSettings goodLeg() {
    LegSettings leg;
    leg.LastFixLatDegrees = "40";
    leg.LastFixLatMinutes = "0";
    leg.LastFixLonDegrees = "30";
    leg.LastFixLonMinutes = "0";
    leg.LastFixHour = "12";
    leg.LastFixMinutes = "0";
    leg.LastFixDay = "15";
    leg.LastFixMonth = "3";
    leg.LastFixYear = "2024";
    leg.NewFixHour = "12";
    leg.NewFixMinutes = "0";
    leg.NewFixDay = "15";
    leg.NewFixMonth = "3";
    leg.NewFixYear = "2024";
    return leg;
}

// One sight as the sight entry window stores it.
struct Row {
    double limb = 0;
    double included = 1;
    double horizon = 2;  // bubble: no dip
    double hour = 12;
    double minute = 0;
    double second = 0;
    double day = 15;
    double month = 3;
    double year = 2024;
    double hsDeg = 30;
    double hsMin = 0;
    double ie = 0;
    double ieSide = -1;
    double gha = 0;
    double dec = 0;
    double sd = 0;
    double hp = 0;
    double object = 10;  // a star
};

SightLog logOf(const std::vector<Row>& rows) {
    SightLog log;
    log.SightCount = static_cast<int>(rows.size());
    for (size_t n = 0; n < rows.size(); ++n) {
        const Row& r = rows[n];
        auto& d = log.SightData[n + 1];
        d[reduction::kFieldLimb] = r.limb;
        d[reduction::kFieldIncluded] = r.included;
        d[reduction::kFieldHorizon] = r.horizon;
        d[reduction::kFieldUTHour] = r.hour;
        d[reduction::kFieldUTMinute] = r.minute;
        d[reduction::kFieldUTSecond] = r.second;
        d[reduction::kFieldUTDay] = r.day;
        d[reduction::kFieldUTMonth] = r.month;
        d[reduction::kFieldUTYear] = r.year;
        d[reduction::kFieldHsDegrees] = r.hsDeg;
        d[reduction::kFieldHsMinutes] = r.hsMin;
        d[reduction::kFieldIndexError] = r.ie;
        d[reduction::kFieldIndexErrorSide] = r.ieSide;
        d[reduction::kFieldGHA] = r.gha;
        d[reduction::kFieldDec] = r.dec;
        d[reduction::kFieldSD] = r.sd;
        d[reduction::kFieldHP] = r.hp;
        d[reduction::kFieldObjectIndex] = r.object;
    }
    return log;
}

// A reduction input straight from values: no dead reckoning, standard air.
ReductionInput inputAt(double AssumedLat, double AssumedLon) {
    ReductionInput in;
    in.Leg.PlotScale = 25;
    in.T = 10;
    in.P = 1010;
    in.AssumedLat = AssumedLat;
    in.AssumedLon = AssumedLon;
    in.DrLat = AssumedLat;
    in.DrLon = AssumedLon;
    return in;
}

// ------------------------------------------------------------------ checks

struct CheckCase {
    const char* name;
    void (*edit)(LegSettings&);
    const char* message;  // nullptr: the checks pass
};

TEST(PrepareReductionTest, ChecksInTheirOrder) {
    const CheckCase cases[] = {
        {"last fix hour empty", [](LegSettings& l) { l.LastFixHour = ""; },
         "You forgot to enter a new fix time!"},
        {"new fix hour empty", [](LegSettings& l) { l.NewFixHour = ""; },
         "You forgot to enter a new fix time!"},
        {"time before position",
         [](LegSettings& l) {
             l.NewFixHour = "";
             l.LastFixLatDegrees = "";
         },
         "You forgot to enter a new fix time!"},
        {"latitude empty", [](LegSettings& l) { l.LastFixLatDegrees = ""; },
         "You need to have an existing Lat-Lon position!"},
        {"longitude empty", [](LegSettings& l) { l.LastFixLonDegrees = ""; },
         "You need to have an existing Lat-Lon position!"},
        {"position before date",
         [](LegSettings& l) {
             l.LastFixLonDegrees = "";
             l.NewFixYear = "";
         },
         "You need to have an existing Lat-Lon position!"},
        {"last month empty", [](LegSettings& l) { l.LastFixMonth = ""; },
         "Last fix month must be 1 to 12"},
        // Every box a number as a whole text before any range is looked at.
        {"last year not a number", [](LegSettings& l) { l.LastFixYear = "abc"; },
         "Last fix year must be a number (use a point for decimals)"},
        {"new month with trailing text", [](LegSettings& l) { l.NewFixMonth = "3x"; },
         "New fix month must be a number (use a point for decimals)"},
        {"course with a unit", [](LegSettings& l) { l.Course = "075 deg"; },
         "Course must be a number (use a point for decimals)"},
        {"number before range",
         [](LegSettings& l) {
             l.LastFixLatDegrees = "95";
             l.Speed = "6,5";
         },
         "Speed must be a number (use a point for decimals)"},
        // The ranges of the course, the speed and the last fix.
        {"course 361", [](LegSettings& l) { l.Course = "361"; }, "Course must be 0 to 360 degrees"},
        {"speed -1", [](LegSettings& l) { l.Speed = "-1"; }, "Speed must not be negative"},
        {"last fix longitude minutes 60", [](LegSettings& l) { l.LastFixLonMinutes = "60"; },
         "Last fix longitude minutes must be 0 to below 60"},
        {"last fix longitude 1000000 E", [](LegSettings& l) { l.LastFixLonDegrees = "1000000"; },
         "Last fix longitude must be between 0 and 180 degrees"},
        {"last fix longitude 180", [](LegSettings& l) { l.LastFixLonDegrees = "180"; }, nullptr},
        {"new year blank", [](LegSettings& l) { l.NewFixYear = " "; },
         "New fix year must be 1000 to 3000"},
        {"month with blanks around it", [](LegSettings& l) { l.NewFixMonth = " 3 "; }, nullptr},
        {"empty minutes, course and speed",
         [](LegSettings& l) {
             l.LastFixMinutes = "";
             l.LastFixLatMinutes = "";
             l.Course = "";
             l.Speed = "";
         },
         nullptr},
        {"blank hours pass", [](LegSettings& l) { l.LastFixHour = " "; }, nullptr},
        {"blank degrees pass", [](LegSettings& l) { l.LastFixLatDegrees = " "; }, nullptr},
        // A latitude beyond the pole is refused before any dead reckoning
        // (95 N run south would otherwise come to 85 N); 90 is the pole.
        {"last fix latitude 95", [](LegSettings& l) { l.LastFixLatDegrees = "95"; },
         "Last fix latitude must be between 0 and 90 degrees"},
        {"last fix latitude 90 and 0.5 minutes",
         [](LegSettings& l) {
             l.LastFixLatDegrees = "90";
             l.LastFixLatMinutes = "0.5";
         },
         "Last fix latitude must be between 0 and 90 degrees"},
        {"last fix latitude -90", [](LegSettings& l) { l.LastFixLatDegrees = "-90"; }, nullptr},
        // Calendar dates and times of day, the field named.
        {"new fix month 13", [](LegSettings& l) { l.NewFixMonth = "13"; },
         "New fix month must be 1 to 12"},
        {"last fix day 0 (empty)", [](LegSettings& l) { l.LastFixDay = ""; },
         "Last fix day must be 1 to 31"},
        {"new fix 30 February",
         [](LegSettings& l) {
             l.NewFixMonth = "2";
             l.NewFixDay = "30";
         },
         "New fix day must be 1 to 29"},
        {"new fix year 1e20", [](LegSettings& l) { l.NewFixYear = "1e20"; },
         "New fix year must be a number (use a point for decimals)"},
        {"new fix year 20000", [](LegSettings& l) { l.NewFixYear = "20000"; },
         "New fix year must be 1000 to 3000"},
        {"last fix hour 24", [](LegSettings& l) { l.LastFixHour = "24"; },
         "Last fix hour must be 0 to below 24"},
        {"last fix minutes 60", [](LegSettings& l) { l.LastFixMinutes = "60"; },
         "Last fix minutes must be 0 to below 60"},
        {"new fix hour -1", [](LegSettings& l) { l.NewFixHour = "-1"; },
         "New fix hour must be 0 to below 24"},
        {"new fix minutes 59.9", [](LegSettings& l) { l.NewFixMinutes = "59.9"; }, nullptr},
        {"the last fix before the new one",
         [](LegSettings& l) {
             l.LastFixMonth = "13";
             l.NewFixMonth = "0";
         },
         "Last fix month must be 1 to 12"},
        // A dead reckoning past a pole is no position; a longitude too large
        // to take round by whole turns is none either.
        {"a month at 1000 kn north from 40 N",
         [](LegSettings& l) {
             l.NewFixMonth = "4";
             l.Speed = "1000";
             l.Course = "0";
         },
         reduction::kBadDeadReckoningMessage.data()},
        {"last fix longitude of 309 digits",
         [](LegSettings& l) { l.LastFixLonDegrees = std::string(309, '9'); },
         "Last fix longitude degrees must be a number (use a point for decimals)"},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        LegSettings leg = goodLeg();
        c.edit(leg);
        const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
        if (c.message == nullptr) {
            EXPECT_FALSE(start.Warning.has_value());
        } else {
            ASSERT_TRUE(start.Warning.has_value());
            EXPECT_EQ(start.Warning->Text, c.message);
            EXPECT_EQ(start.Warning->Title, "Warning!");
        }
    }
}

// The reduction also reads the eye height, the plotting scale and the
// settings window; the preload reads none of them. Messages: the shared input
// check's wording, the box named.
TEST(CheckLegTest, TheReductionAlsoChecksWhatOnlyItReads) {
    struct Case {
        const char* name;
        void (*edit)(LegSettings&, GeneralSettings&);
        const char* reduction;  // nullptr: the check passes
        const char* preload;
    };
    const Case cases[] = {
        {"eye height empty", [](LegSettings& l, GeneralSettings&) { l.EyeHeight = ""; },
         "Eye height must not be empty", nullptr},
        {"eye height 2,5", [](LegSettings& l, GeneralSettings&) { l.EyeHeight = "2,5"; },
         "Eye height must be a number (use a point for decimals)", nullptr},
        {"eye height -1", [](LegSettings& l, GeneralSettings&) { l.EyeHeight = "-1"; },
         "Eye height must not be negative", nullptr},
        {"plotting scale x", [](LegSettings& l, GeneralSettings&) { l.PlottingScale = "x"; },
         "Plotting scale must be a number (use a point for decimals)", nullptr},
        {"Delta T empty", [](LegSettings&, GeneralSettings& g) { g.DeltaT = ""; },
         "Delta T must not be empty", nullptr},
        {"Delta T 5000", [](LegSettings&, GeneralSettings& g) { g.DeltaT = "5000"; },
         "Delta T must be -100 to 1000 seconds", nullptr},
        {"chronometer correction empty",
         [](LegSettings&, GeneralSettings& g) { g.ChronometerCorrection = ""; }, nullptr, nullptr},
        {"chronometer correction 3s",
         [](LegSettings&, GeneralSettings& g) { g.ChronometerCorrection = "3s"; },
         "Chronometer correction must be a number (use a point for decimals)", nullptr},
        {"air temperature -300",
         [](LegSettings&, GeneralSettings& g) { g.AirTemperature = "-300"; },
         "Air temperature must be above -273 °C", nullptr},
        {"pressure 0", [](LegSettings&, GeneralSettings& g) { g.Pressure = "0"; },
         "Pressure must be above 0 millibars", nullptr},
        // The leg's own boxes come first, for both.
        {"speed and pressure",
         [](LegSettings& l, GeneralSettings& g) {
             l.Speed = "fast";
             g.Pressure = "";
         },
         "Speed must be a number (use a point for decimals)",
         "Speed must be a number (use a point for decimals)"},
        // All numbers before any range.
        {"course 400 and eye height e",
         [](LegSettings& l, GeneralSettings&) {
             l.Course = "400";
             l.EyeHeight = "e";
         },
         "Eye height must be a number (use a point for decimals)",
         "Course must be 0 to 360 degrees"},
        {"empty fix hour first",
         [](LegSettings& l, GeneralSettings& g) {
             l.NewFixHour = "";
             g.DeltaT = "";
         },
         "You forgot to enter a new fix time!", "You forgot to enter a new fix time!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LegSettings leg = goodLeg();
        GeneralSettings general;
        c.edit(leg, general);
        for (const reduction::LegUse use :
             {reduction::LegUse::Reduction, reduction::LegUse::Preload}) {
            const char* expected = use == reduction::LegUse::Reduction ? c.reduction : c.preload;
            const std::optional<reduction::ReductionWarning> w =
                reduction::checkLeg(leg, general, use);
            if (expected == nullptr) {
                EXPECT_FALSE(w.has_value()) << w->Text;
            } else {
                ASSERT_TRUE(w.has_value()) << expected;
                EXPECT_EQ(w->Text, expected);
                EXPECT_EQ(w->Title, "Warning!");
            }
        }
        // The reduce button's start gives the reduction's answer.
        const ReductionStart start = prepareReduction(leg, false, true, general);
        EXPECT_EQ(start.Warning.has_value(), c.reduction != nullptr);
    }
}

TEST(PrepareReductionTest, BlankHourReadsZero) {
    LegSettings leg = goodLeg();
    leg.LastFixHour = " ";
    leg.LastFixMinutes = "";
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    // 15 March 2024 0h UT is JD 2460384.5; the new fix is 12 hours later.
    EXPECT_EQ(start.Leg.JDLast, 2460384.5);
    EXPECT_EQ(start.Leg.JDNew, 2460385.0);
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(PrepareReductionTest, LegValuesAsTheFieldsHoldThem) {
    LegSettings leg = goodLeg();
    leg.Course = "075 deg";
    leg.Speed = "6.5";
    leg.EyeHeight = "9";
    leg.EyeHeightFeet = true;
    leg.EyeHeightMetres = false;
    leg.PlottingScale = "20";
    leg.LastFixLatDegrees = "-10";  // the typed sign is ignored
    leg.LastFixLatMinutes = "30";
    leg.LastFixLonDegrees = "65";
    leg.LastFixLonMinutes = "-15";
    const reduction::LegValues north = reduction::legValues(leg, false, false);
    EXPECT_EQ(north.Crs, 75);
    EXPECT_EQ(north.V, 6.5);
    EXPECT_EQ(north.h, 9 / 3.2808);
    EXPECT_EQ(north.PlotScale, 20);
    EXPECT_EQ(north.LastLat, 10.5);
    EXPECT_EQ(north.LastLon, 65.25);

    const reduction::LegValues southWest = reduction::legValues(leg, true, true);
    EXPECT_EQ(southWest.LastLat, -10.5);
    EXPECT_EQ(southWest.LastLon, -65.25);

    leg.EyeHeightFeet = false;
    leg.EyeHeightMetres = true;
    EXPECT_EQ(reduction::legValues(leg, false, false).h, 9);
}

// ------------------------------------------------------- dead reckoning

struct PrefillCase {
    const char* latDeg;
    const char* latMin;
    bool south;
    const char* lonDeg;
    const char* lonMin;
    bool west;
    const char* label5;
    const char* label6;
    const char* text58;
    const char* text3;
    const char* text2;
    const char* text1;
};

TEST(PrepareReductionTest, DeadReckoningTextsAndPrefills) {
    // Speed 0: the dead-reckoning position is the last fix.
    const PrefillCase cases[] = {
        {"1", "30", true, "65", "12.3", true, "1 deg 30.0 min  S", "65 deg 12.3 min  W", "1", "30",
         "65", "12"},
        {"0", "30", true, "0", "30", false, "0 deg 30.0 min  S", "0 deg 30.0 min  E", "0", "30",
         "0", "30"},
        // Minutes 44.95 show rounded as 45 and pre-fill as 45; 44.55 as 44.6
        // and, from the cut 44.5, 44.
        {"10", "44.95", false, "120", "44.55", false, "10 deg 45.0 min  N", "120 deg 44.6 min  E",
         "10", "45", "120", "44"},
        // 38 + 10/60 is held just below: its minutes still show 10.
        {"38", "10", false, "29", "50", true, "38 deg 10.0 min  N", "29 deg 50.0 min  W", "38",
         "10", "29", "50"},
        {"0", "0", false, "0", "0", false, "0 deg 0.0 min  N", "0 deg 0.0 min  E", "0", "0", "0",
         "0"},
        {"2", "0", true, "0", "30", true, "2 deg 0.0 min  S", "0 deg 30.0 min  W", "2", "0", "0",
         "30"},
        // Minutes from .6 round up, below it down.
        {"5", "12.5", false, "7", "30.6", false, "5 deg 12.5 min  N", "7 deg 30.6 min  E", "5",
         "12", "7", "31"},
        // A pre-fill of 60 minutes is carried into the degrees, on either side.
        {"45", "59.7", false, "179", "0", true, "45 deg 59.7 min  N", "179 deg 0.0 min  W", "46",
         "0", "179", "0"},
        {"12", "59.7", true, "100", "59.7", true, "12 deg 59.7 min  S", "100 deg 59.7 min  W", "13",
         "0", "101", "0"},
        // 59.96 shows as the next degree and 0.
        {"45", "59.96", false, "3", "59.99", false, "46 deg 0.0 min  N", "4 deg 0.0 min  E", "46",
         "0", "4", "0"},
    };
    for (const PrefillCase& c : cases) {
        SCOPED_TRACE(c.label5);
        LegSettings leg = goodLeg();
        leg.LastFixLatDegrees = c.latDeg;
        leg.LastFixLatMinutes = c.latMin;
        leg.LastFixLonDegrees = c.lonDeg;
        leg.LastFixLonMinutes = c.lonMin;
        leg.Speed = "8";  // no time passes: d = 0
        leg.Course = "45";
        const ReductionStart s = prepareReduction(leg, c.south, c.west, GeneralSettings{});
        ASSERT_FALSE(s.Warning.has_value());
        EXPECT_EQ(s.DrLat, s.Leg.LastLat);
        EXPECT_EQ(s.DrLon, s.Leg.LastLon);
        EXPECT_EQ(s.Prefill.Label5, c.label5);
        EXPECT_EQ(s.Prefill.Label6, c.label6);
        EXPECT_EQ(s.Prefill.Text58, c.text58);
        EXPECT_EQ(s.Prefill.Text3, c.text3);
        EXPECT_EQ(s.Prefill.Text2, c.text2);
        EXPECT_EQ(s.Prefill.Text1, c.text1);
        const bool north = s.DrLat >= 0;
        const bool east = s.DrLon >= 0;
        EXPECT_EQ(s.Prefill.Option1, north);
        EXPECT_EQ(s.Prefill.Option2, !north);
        EXPECT_EQ(s.Prefill.Option4, east);
        EXPECT_EQ(s.Prefill.Option3, !east);
    }
    // "0 deg 30.0 min  S" really is south of the equator.
    LegSettings leg = goodLeg();
    leg.LastFixLatDegrees = "0";
    leg.LastFixLatMinutes = "30";
    const ReductionStart s = prepareReduction(leg, true, false, GeneralSettings{});
    EXPECT_EQ(s.DrLat, -0.5);
    EXPECT_TRUE(s.Prefill.Option2);
    EXPECT_FALSE(s.Prefill.Option1);
}

struct SailingCase {
    const char* lat;
    bool south;
    const char* lon;
    bool west;
    const char* course;
    const char* speed;
    const char* newHour;
    const char* newDay;
    double drLat;
    double drLon;
};

// Expected values: plane sailing worked by hand (middle-latitude departure).
TEST(PrepareReductionTest, PlaneSailingWithMiddleLatitude) {
    const SailingCase cases[] = {
        // 60 n.mi. due north: one degree of latitude.
        {"40", false, "30", true, "0", "10", "18", "15", 41, -30},
        // 60 n.mi. due east on the parallel of 60: two degrees of longitude.
        {"60", false, "30", true, "90", "10", "18", "15", 60, -28},
        // 60 n.mi. due west on the equator across the date line.
        {"0", false, "179.5", true, "270", "10", "18", "15", 0, 179.5},
        {"0", false, "179.5", false, "90", "10", "18", "15", 0, -179.5},
        // The new fix 6 hours before the last one: d is negative.
        {"40", false, "30", true, "0", "10", "6", "15", 39, -30},
        // 24 hours at 5 knots on 180: 120 n.mi. south.
        {"1", false, "0", false, "180", "5", "12", "16", -1, 0},
        // 120 n.mi. on 045: the departure is divided by the cosine of the
        // middle latitude 40.7071 (not of 40 or of 41.4142).
        {"40", false, "30", true, "45", "10", "0", "16", 41.4142135623731, -28.1344144407751},
    };
    for (const SailingCase& c : cases) {
        SCOPED_TRACE(std::string(c.lat) + " " + c.lon + " " + c.course);
        LegSettings leg = goodLeg();
        leg.LastFixLatDegrees = c.lat;
        leg.LastFixLonDegrees = c.lon;
        leg.Course = c.course;
        leg.Speed = c.speed;
        leg.NewFixHour = c.newHour;
        leg.NewFixDay = c.newDay;
        const ReductionStart s = prepareReduction(leg, c.south, c.west, GeneralSettings{});
        ASSERT_FALSE(s.Warning.has_value());
        EXPECT_NEAR(s.DrLat, c.drLat, 1e-7);
        EXPECT_NEAR(s.DrLon, c.drLon, 1e-7);
    }
}

TEST(PrepareReductionTest, DeadReckoningThatIsNotANumberWarns) {
    LegSettings leg = goodLeg();
    leg.NewFixHour = "14";
    leg.Course = "45";
    leg.Speed = "1" + std::string(308, '0');  // 1e308 kn: the run overflows
    const ReductionStart s = prepareReduction(leg, false, false, GeneralSettings{});
    ASSERT_TRUE(s.Warning.has_value());
    EXPECT_EQ(s.Warning->Text, std::string(reduction::kBadDeadReckoningMessage));
    EXPECT_EQ(s.Warning->Title, "Warning!");
}

// A longitude is taken round by whole turns however far the run went.
TEST(PrepareReductionTest, DeadReckoningLongitudesWrapFully) {
    struct Case {
        const char* what;
        void (*edit)(LegSettings&);
        double drLat, drLon;
        const char* label6;
    };
    const Case cases[] = {
        // 61 days at 25 kn on 090 along the equator: 36 600 n.mi., 610
        // degrees east of 30 E, so 640 E is 80 W (one turn off would be 280).
        {"two months east along the equator",
         [](LegSettings& l) {
             l.LastFixLatDegrees = "0";
             l.LastFixLonDegrees = "30";
             l.Speed = "25";
             l.Course = "90";
             l.NewFixMonth = "5";
         },
         0, -80, "80 deg 0.0 min  W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LegSettings leg = goodLeg();
        c.edit(leg);
        const ReductionStart s = prepareReduction(leg, false, false, GeneralSettings{});
        ASSERT_FALSE(s.Warning.has_value());
        EXPECT_NEAR(s.DrLat, c.drLat, 1e-9);
        EXPECT_NEAR(s.DrLon, c.drLon, 1e-9);
        EXPECT_EQ(s.Prefill.Label6, c.label6);
    }
}

TEST(WrappedLongitudeTest, WholeTurnsIntoTheRange) {
    struct Case {
        double lon;
        double wrapped;
    };
    // Worked by hand: inside the range nothing moves, one turn off is one
    // step, further a full modulo; 180 and -180 stay as they are.
    const Case cases[] = {
        {0, 0},      {180, 180},     {-180, -180},   {179.5, 179.5},  {200, -160},     {-200, 160},
        {540, 180},  {-540, -180},   {541, -179},    {719.75, -0.25}, {900, 180},      {-900, 180},
        {-1000, 80}, {1000000, -80}, {-1000000, 80}, {1e8 + 30, -50}, {-7200.5, -0.5},
    };
    for (const Case& c : cases) {
        const std::optional<double> w = reduction::wrappedLongitude(c.lon);
        ASSERT_TRUE(w.has_value()) << c.lon;
        EXPECT_NEAR(*w, c.wrapped, 1e-7) << c.lon;
        EXPECT_LE(std::fabs(*w), 180) << c.lon;
    }
    const double huges[] = {1e9, -1e9, 1.7976931348623157e308, HUGE_VAL, -HUGE_VAL, NAN};
    for (const double huge : huges) {
        EXPECT_FALSE(reduction::wrappedLongitude(huge).has_value()) << huge;
    }
}

// ------------------------------------------------------ assumed position

TEST(AssumedPositionTest, TypedValuesThenOptions) {
    struct Case {
        AssumedPositionFields fields;
        double lat;
        double lon;
    };
    const Case cases[] = {
        {{"41", "30", "70", "15", false, false}, 41.5, 70.25},
        {{"41", "30", "70", "15", true, true}, -41.5, -70.25},
        // A typed sign counts, and the option does not override it.
        {{"-30", "30", "10", "0", false, false}, -29.5, 10},
        {{"-30", "30", "-10", "6", true, true}, 29.5, 9.9},
        {{"", "", "abc", "", false, true}, 0, 0},
    };
    for (const Case& c : cases) {
        double lat = 99;
        double lon = 99;
        reduction::assumedPositionOf(c.fields, lat, lon);
        EXPECT_EQ(lat, c.lat);
        EXPECT_EQ(lon, c.lon);
    }
}

TEST(ReductionInputTest, GeneralSettingsAndStart) {
    LegSettings leg = goodLeg();
    leg.Speed = "6";
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    GeneralSettings general;
    general.AirTemperature = "-5 C";
    general.Pressure = "990";
    general.ChronometerCorrection = "-2.5";
    const ReductionInput in = reduction::reductionInput(start, general, 40.25, -30.5);
    EXPECT_EQ(in.T, -5);
    EXPECT_EQ(in.P, 990);
    EXPECT_EQ(in.K, -2.5);
    EXPECT_EQ(in.AssumedLat, 40.25);
    EXPECT_EQ(in.AssumedLon, -30.5);
    EXPECT_EQ(in.DrLat, 40);
    EXPECT_EQ(in.DrLon, -30);
    EXPECT_EQ(in.Leg.V, 6);
    EXPECT_EQ(in.Leg.JDNew, start.Leg.JDNew);
}

// ------------------------------------------------------ the corrections

TEST(ReduceSightsTest, ReflectingHorizonHalvesWithoutDip) {
    Row r;
    r.horizon = 0;
    r.hsDeg = 60;
    ReductionInput in = inputAt(40, -30);
    in.Leg.h = 2.75;
    const ReductionOutcome out = reduceSights(in, logOf({r}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_EQ(out.Result.Sights[1].Hs, 60);
    EXPECT_EQ(out.Result.Sights[1].Ha, 30);
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(ReduceSightsTest, ApparentAltitudeByHorizon) {
    struct Case {
        double horizon;
        double ha;
    };
    // Hs 30 deg 15', index error 2' on the scale, eye height 4 m: dip 0.0586 deg.
    const double hs = 30.25;
    const double ic = -2.0 / 60;
    const Case cases[] = {
        {1, hs - 0.0586 + ic},
        {2, hs + ic},
        {0, (hs + ic) / 2},
        {3, (hs + ic) / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.horizon);
        Row r;
        r.horizon = c.horizon;
        r.hsMin = 15;
        r.ie = 2;
        r.ieSide = -1;
        ReductionInput in = inputAt(40, -30);
        in.Leg.h = 4;
        const ReductionOutcome out = reduceSights(in, logOf({r}));
        ASSERT_FALSE(out.Warning.has_value());
        EXPECT_NEAR(out.Result.Sights[1].Ha, c.ha, 1e-12);
    }
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(ReduceSightsTest, RefractionParallaxAndSemiDiameter) {
    // The Sun's lower limb at Ha 30 (reflecting horizon, Hs 60), SD 16',
    // HP 0.15', dead-reckoning latitude 0; 10 C and 1010 mb.
    Row r;
    r.horizon = 0;
    r.hsDeg = 60;
    r.limb = 1;
    r.sd = 16;
    r.hp = 0.15;
    r.object = 0;
    ReductionInput in = inputAt(0, 0);
    const ReductionOutcome out = reduceSights(in, logOf({r}));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& s = out.Result.Sights[1];
    EXPECT_NEAR(s.PA, 0.15 / 60 * std::sqrt(3.0) / 2, 1e-15);
    EXPECT_NEAR(s.SDc, 16.0 / 60, 1e-15);
    // Refraction at 30 deg: 1.72074' before the air's factor 0.28 * 1010 / 283.
    const double refraction = -1.72074 / 60 * 0.28 * 1010 / 283;
    EXPECT_NEAR(s.Ho, 30 + refraction + s.PA + s.SDc, 0.0001 / 60);
    EXPECT_EQ(out.Result.CopHo[1], s.Ho);

    // The upper limb subtracts; a centre sight has none.
    r.limb = -1;
    EXPECT_NEAR(reduceSights(in, logOf({r})).Result.Sights[1].SDc, -16.0 / 60, 1e-15);
    r.limb = 0;
    EXPECT_EQ(reduceSights(in, logOf({r})).Result.Sights[1].SDc, 0);

    // The parallax shrinks with the latitude: factor 1 - sin^2(lat) / 298.257.
    in.DrLat = 45;
    EXPECT_NEAR(reduceSights(in, logOf({r})).Result.Sights[1].PA,
                0.15 / 60 * std::sqrt(3.0) / 2 * (1 - 0.5 / 298.257), 1e-15);
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(ReduceSightsTest, MoonSemiDiameterFromHorizontalParallax) {
    // The Moon's lower limb at Ha 30 with HP 60': 0.2724 x 1 degree, not
    // augmented (the parallax at the limb's altitude holds the augmentation);
    // the stored semi-diameter is not used.
    Row r;
    r.object = 1;
    r.horizon = 0;
    r.hsDeg = 60;
    r.limb = 1;
    r.sd = 999;
    r.hp = 60;
    const ReductionInput in = inputAt(0, 0);
    const ReductionOutcome lower = reduceSights(in, logOf({r}));
    ASSERT_FALSE(lower.Warning.has_value());
    EXPECT_NEAR(lower.Result.Sights[1].SDc, 0.2724, 1e-14);
    r.limb = -1;
    EXPECT_NEAR(reduceSights(in, logOf({r})).Result.Sights[1].SDc, -0.2724, 1e-14);
    r.limb = 0;
    EXPECT_EQ(reduceSights(in, logOf({r})).Result.Sights[1].SDc, 0);
}

// The exact geometry of a limb sight, for an observer on the equator of a
// spherical Earth of radius 1 (where the parallax is all in altitude and the
// flattening term is 1): a body whose centre is 1 / sin HP from the Earth's
// centre and whose radius is k. From the limb's refraction-free apparent
// altitude Ha (degrees; limb 1 lower, -1 upper) the geocentric altitude of
// the centre, degrees: the centre stands the topocentric semi-diameter from
// the limb, at the observer's distance d from it.
double geocentricAltitudeOfLimbSight(double Ha, double limb, double HP, double k) {
    const double r = 1 / std::sin(HP / 60 * kDegTest);
    double sd = std::asin(k / r);  // first guess: the geocentric one
    double h = 0;
    double d = 0;
    for (int n = 0; n < 50; ++n) {
        h = Ha * kDegTest + limb * sd;
        // |observer + d (cos h, sin h)| = r with the observer at (0, 1).
        d = -std::sin(h) + std::sqrt(std::sin(h) * std::sin(h) + r * r - 1);
        sd = std::asin(k / d);
    }
    return std::atan2(1 + d * std::sin(h), d * std::cos(h)) / kDegTest;
}

TEST(ReduceSightsTest, MoonLimbSightsGiveTheGeocentricAltitude) {
    // Bubble horizon, no index error, pressure 0 and latitude 0: Ha is the
    // sextant altitude and only the parallax and the semi-diameter remain.
    // The Moon's radius is 0.2724 of the Earth's, the ratio the correction
    // takes. The plain semi-diameter once augmented overshoots by SD sin Ha
    // sin HP (0.045' at Ha 10 and HP 54', 0.27' at 85 and 61').
    for (const double HP : {54.0, 57.0, 61.0}) {
        for (const double Ha : {10.0, 30.0, 60.0, 85.0}) {
            for (const double limb : {1.0, -1.0}) {
                SCOPED_TRACE(testing::Message() << "HP " << HP << " Ha " << Ha << " limb " << limb);
                Row r;
                r.object = 1;
                r.limb = limb;
                r.horizon = 2;
                r.hsDeg = Ha;
                r.hp = HP;
                r.sd = 60 * std::asin(0.2724 * std::sin(HP / 60 * kDegTest)) / kDegTest;
                ReductionInput in = inputAt(0, 0);
                in.P = 0;
                const ReductionOutcome out = reduceSights(in, logOf({r}));
                ASSERT_FALSE(out.Warning.has_value());
                const double exact = geocentricAltitudeOfLimbSight(Ha, limb, HP, 0.2724);
                EXPECT_NEAR(out.Result.Sights[1].Ho, exact, 0.01 / 60);
            }
        }
    }
}

TEST(ReduceSightsTest, SunLimbSightGivesTheGeocentricAltitude) {
    // The Sun at perihelion, 2024 January 3, 00:39 UT: 0.98330699 au from
    // the Earth (ERFA epv00, pyerfa 2.0.0.1), 1 au 149597870.7 km, the
    // Earth's equatorial radius 6378.137 km. Its HP and SD as the sight entry
    // stores them; the exact sight from that distance. With the old fixed HP
    // of 0.08' every Ho here was low by 0.02' to 0.06'.
    reduction::SightAlmanacInput when;
    when.ObjectIndex = 0;
    when.Year = 2024;
    when.Month = 1;
    when.Day = 3;
    when.Minute = 39;
    when.DeltaT = 69.2;
    const reduction::SightAlmanac sun = reduction::sightAlmanac(when);
    ASSERT_TRUE(sun.Hidden.has_value());
    const double HP = platform::leadingNumber(sun.Hidden->Text8);
    const double SD = platform::leadingNumber(sun.Hidden->Text7);
    const double exactHP =
        60 * std::asin(6378.137 / (0.98330699 * 149597870.7)) / kDegTest;  // 0.14906'
    const double k = std::sin(SD / 60 * kDegTest) / std::sin(exactHP / 60 * kDegTest);
    for (const double Ha : {10.0, 30.0, 60.0, 85.0}) {
        for (const double limb : {1.0, -1.0}) {
            SCOPED_TRACE(testing::Message() << "Ha " << Ha << " limb " << limb);
            Row r;
            r.object = 0;
            r.limb = limb;
            r.horizon = 2;
            r.hsDeg = Ha;
            r.hp = HP;
            r.sd = SD;
            ReductionInput in = inputAt(0, 0);
            in.P = 0;
            const ReductionOutcome out = reduceSights(in, logOf({r}));
            ASSERT_FALSE(out.Warning.has_value());
            const double exact = geocentricAltitudeOfLimbSight(Ha, limb, exactHP, k);
            EXPECT_NEAR(out.Result.Sights[1].Ho, exact, 0.005 / 60);
        }
    }
}

TEST(ReduceSightsTest, ChronometerCorrectionEntersTheTime) {
    Row r;
    r.hour = 10;
    r.minute = 30;
    r.second = 15;
    ReductionInput in = inputAt(40, -30);
    in.K = -45;
    EXPECT_NEAR(reduceSights(in, logOf({r})).Result.Sights[1].UT, 10.5 - 30.0 / 3600, 1e-13);
}

// -------------------------------------------- altitude, azimuth, intercept

TEST(ReduceSightsTest, AltitudeAndAzimuthFromTheAssumedPosition) {
    struct Case {
        const char* name;
        double gha;
        double dec;
        double lat;
        double lon;
        double hc;
        double zn;
        double lha;
    };
    const Case cases[] = {
        // On the meridian (LHA exactly 0): 180 to the south, 360 (not 0) to the north.
        {"meridian south", 30, 20, 40, -30, 70, 180, 0},
        {"meridian north", 30, 60, 40, -30, 70, 360, 0},
        // On the equator, a body on the equator 30 deg east or west of the meridian.
        {"east", 330, 0, 0, 0, 60, 90, -30},
        {"west", 30, 0, 0, 0, 60, 270, 30},
        // LHA above 180 is brought below; negative LHA stays negative.
        {"lha wrap", 350, 0, 0, 20, 80, 270, 10},
        {"negative lha", 10, 0, 0, -50, 50, 90, -40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Row r;
        r.gha = c.gha;
        r.dec = c.dec;
        const ReductionOutcome out = reduceSights(inputAt(c.lat, c.lon), logOf({r}));
        ASSERT_FALSE(out.Warning.has_value());
        const auto& s = out.Result.Sights[1];
        EXPECT_NEAR(s.LHA, c.lha, 1e-12);
        EXPECT_NEAR(s.Hc, c.hc, 1e-9);
        EXPECT_NEAR(s.Zn, c.zn, 1e-5);
        EXPECT_EQ(out.Result.LopAzimuth[1], s.Zn);
        EXPECT_EQ(out.Result.CopGha[1], c.gha);
        EXPECT_EQ(out.Result.CopDec[1], c.dec);
        EXPECT_NEAR(out.Result.LopIntercept[1], (s.Ho - s.Hc) * 60, 1e-12);
    }
}

TEST(ReduceSightsTest, InterceptPositiveTowardTheBody) {
    // The body 30 deg above the horizon as seen from the true position; the
    // assumed position 10' further away from it (to the north of a body due
    // south) sees it 10' lower, so the intercept is +10 n.mi. toward it.
    Row r;
    r.gha = 0;
    r.dec = -20;
    r.hsDeg = 30;  // bubble, no refraction at zero pressure
    ReductionInput in = inputAt(40 + 10.0 / 60, 0);
    in.P = 0;
    const ReductionOutcome out = reduceSights(in, logOf({r}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_NEAR(out.Result.Sights[1].Hc, 30 - 10.0 / 60, 1e-9);
    EXPECT_NEAR(out.Result.LopIntercept[1], 10, 1e-7);
    EXPECT_NEAR(out.Result.LopAzimuth[1], 180, 1e-6);
}

TEST(ReduceSightsTest, RunsFromEachSightToTheFixTime) {
    // Last and new fix at the same instant, 6 knots: each run is the time
    // from the sight to the fix times the speed.
    LegSettings leg = goodLeg();
    leg.Speed = "6";
    leg.Course = "90";
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    EXPECT_EQ(start.DrLat, 40);
    EXPECT_EQ(start.DrLon, -30);
    Row early;
    early.hour = 10;
    Row later;
    later.hour = 13;
    later.minute = 30;
    Row otherDay;
    otherDay.hour = 12;
    otherDay.day = 14;
    const ReductionInput in = reduction::reductionInput(start, GeneralSettings{}, 40, -30);
    const ReductionOutcome out = reduceSights(in, logOf({early, later, otherDay}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_NEAR(out.Result.LopRun[1], 12, 1e-6);
    EXPECT_NEAR(out.Result.LopRun[2], -9, 1e-6);
    EXPECT_NEAR(out.Result.LopRun[3], 144, 1e-6);
}

TEST(ReduceSightsTest, ChronometerCorrectionEntersTheRun) {
    // The watch reads 10:00 but is 30 minutes slow: the sight was taken at
    // 10:30, 1.5 hours before the fix at 12:00; 6 knots make 9 n.mi.
    LegSettings leg = goodLeg();
    leg.Speed = "6";
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    GeneralSettings general;
    general.ChronometerCorrection = "1800";
    Row r;
    r.hour = 10;
    const ReductionOutcome out =
        reduceSights(reduction::reductionInput(start, general, 40, -30), logOf({r}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_NEAR(out.Result.Sights[1].UT, 10.5, 1e-13);
    EXPECT_NEAR(out.Result.LopRun[1], 9, 1e-6);
}

// ------------------------------------------------------------- the fix

TEST(ReduceSightsTest, PlotParamsInTheirOrder) {
    // Three sights, one excluded, on a leg of 4 knots on 120; the sums are
    // formed here from the per-sight results by the least-squares rule.
    LegSettings leg = goodLeg();
    leg.Speed = "4";
    leg.Course = "120";
    leg.PlottingScale = "15";
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    // Declinations that put each altitude within a few miles of the one
    // computed from 40 N 30 W, so that the lines meet near it.
    Row s1;
    s1.hour = 10;
    s1.gha = 10;
    s1.dec = 10;
    s1.hsDeg = 55;
    Row s2;
    s2.gha = 100;
    s2.dec = -10;
    s2.hsDeg = 20;
    s2.included = 0;
    Row s3;
    s3.hour = 11;
    s3.gha = 330;
    s3.dec = 20;
    s3.hsDeg = 35;
    const ReductionOutcome out = reduceSights(
        reduction::reductionInput(start, GeneralSettings{}, 40, -30), logOf({s1, s2, s3}));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& r = out.Result;
    double A = 0;
    double B = 0;
    double C = 0;
    double D = 0;
    double E = 0;
    double F = 0;
    for (int i : {1, 3}) {
        const double zn = r.LopAzimuth[i] * kDegTest;
        const double p = r.LopIntercept[i] / 60 +
                         r.LopRun[i] / 60 * std::cos((r.LopAzimuth[i] - 120) * kDegTest);
        A += std::cos(zn) * std::cos(zn);
        B += std::cos(zn) * std::sin(zn);
        C += std::sin(zn) * std::sin(zn);
        D += p * std::cos(zn);
        E += p * std::sin(zn);
        F += p * p;
    }
    const double G = A * C - B * B;
    const double dLat = (C * D - B * E) / G;
    const double dLon = (A * E - B * D) / (G * std::cos(40 * kDegTest));
    const double expected[15] = {
        0,         15,         2,
        120,       dLat,       dLon,
        40 + dLat, -30 + dLon, 60 * std::hypot(dLon * std::cos(40 * kDegTest), dLat),
        A,         B,          C,
        D,         E,          F};
    for (int j = 1; j <= 14; ++j) {
        EXPECT_NEAR(r.PlotParams[j], expected[j], 1e-9) << j;
    }
    EXPECT_EQ(r.PlotParams[4], r.Fix.FixDLat);
    EXPECT_EQ(r.PlotParams[8], r.Fix.FixDistance);
    EXPECT_EQ(r.PlotParams[14], r.Fix.SumP2);
    EXPECT_NEAR(r.G, G, 1e-12);
    EXPECT_NE(r.LopRun[1], 0);
}

TEST(ReduceSightsTest, NoFixCases) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        FixStatus status;
        const char* text;
        double included;
    };
    Row a;
    a.gha = 20;
    a.dec = 10;
    Row b;
    b.gha = 50;
    b.dec = -20;
    Row bOut = b;
    bOut.included = 0;
    Row aOut = a;
    aOut.included = 0;
    // Two bodies on the equator east of an assumed position on the equator:
    // both azimuths are exactly the same (sine exactly 1), so G is exactly 0.
    Row east1;
    east1.gha = 330;
    Row east2;
    east2.gha = 320;
    Row twoFlag = b;
    twoFlag.included = 2;  // only 1 counts as included
    const Case cases[] = {
        {"none included",
         {aOut, bOut},
         FixStatus::FewSights,
         "No fix: fewer than two sights included",
         0},
        {"one included",
         {a, bOut},
         FixStatus::FewSights,
         "No fix: fewer than two sights included",
         1},
        {"include flag 2",
         {a, twoFlag},
         FixStatus::FewSights,
         "No fix: fewer than two sights included",
         1},
        {"no sight at all", {}, FixStatus::FewSights, "No fix: fewer than two sights included", 0},
        {"parallel",
         {east1, east2},
         FixStatus::ParallelLines,
         "No fix: the lines of position are parallel",
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReductionInput in = inputAt(0, 0);
        in.Leg.Crs = 33;
        const ReductionOutcome out = reduceSights(in, logOf(c.rows));
        ASSERT_FALSE(out.Warning.has_value());
        const auto& r = out.Result;
        EXPECT_EQ(r.Status, c.status);
        EXPECT_EQ(reduction::noFixText(r.Status), c.text);
        EXPECT_EQ(r.Fix.IncludedCount, c.included);
        EXPECT_EQ(r.Fix.FixDLat, 0);
        EXPECT_EQ(r.Fix.FixDLon, 0);
        EXPECT_EQ(r.Fix.FixLat, 0);
        EXPECT_EQ(r.Fix.FixLon, 0);
        EXPECT_EQ(r.Fix.FixDistance, 0);
        EXPECT_EQ(r.PlotParams[1], 25);
        EXPECT_EQ(r.PlotParams[2], c.included);
        EXPECT_EQ(r.PlotParams[3], 33);
        for (int j = 4; j <= 8; ++j) {
            EXPECT_EQ(r.PlotParams[j], 0) << j;
        }
        // The intercepts and azimuths are still filled.
        for (int i = 1; i <= static_cast<int>(c.rows.size()); ++i) {
            EXPECT_NE(r.LopIntercept[i], 0) << i;
            EXPECT_NE(r.LopAzimuth[i], 0) << i;
        }
    }
    EXPECT_EQ(reduction::noFixText(FixStatus::Fix), "");
}

TEST(ReduceSightsTest, ParallelLinesReportGZero) {
    Row east1;
    east1.gha = 330;
    Row east2;
    east2.gha = 320;
    const ReductionOutcome out = reduceSights(inputAt(0, 0), logOf({east1, east2}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_EQ(out.Result.G, 0);
    EXPECT_EQ(out.Result.Status, FixStatus::ParallelLines);
    EXPECT_NEAR(out.Result.LopAzimuth[1], 90, 1e-9);
    EXPECT_EQ(out.Result.LopAzimuth[1], out.Result.LopAzimuth[2]);
    const auto& lines = out.Result.DetailedOutputLines;
    ASSERT_GE(lines.size(), 3u);
    const std::string& sums = lines[lines.size() - 2];
    EXPECT_EQ(sums.substr(0, 37), "Asum = 0.000 Bsum = 0.000 Csum= 2.000");
    EXPECT_EQ(sums.substr(sums.size() - 6), " G = 0");
    EXPECT_EQ(lines.back(), "No fix: the lines of position are parallel");
}

// The eigenvalues of the normal matrix are the least and the greatest of
// Q(t) = sum of cos^2(Zn - t) over the bearings t: found here by a scan of t
// in steps of 0.001 degree, with no matrix at all.
double scannedCrossingAngle(const std::vector<double>& azimuths) {
    double least = 1e300;
    double greatest = 0;
    for (int step = 0; step < 180000; ++step) {
        const double t = step * 0.001;
        double q = 0;
        for (const double z : azimuths) {
            const double c = std::cos((z - t) * kDegTest);
            q += c * c;
        }
        least = std::min(least, q);
        greatest = std::max(greatest, q);
    }
    return 2 * std::atan(std::sqrt(least / greatest)) / kDegTest;
}

TEST(WeakFixTest, CrossingAngleOfTheNormalMatrix) {
    const std::string deg = "\xC2\xB0";
    struct Case {
        std::vector<double> azimuths;  // the included lines' Zn, degrees
        double crossing;               // independent N, degrees; < 0: scanned
        bool weak;
        const char* angleText;  // as the weak line shows it
    };
    const Case cases[] = {
        // Two lines cross at the difference of their azimuths (folded to 90).
        {{221.0, 221.5}, 0.5, true, "0.5"},
        {{10, 24.9}, 14.9, true, "14.9"},
        {{10, 25.1}, 15.1, false, ""},
        {{30, 200}, 10, true, "10.0"},  // nearly reciprocal bearings
        {{0, 90}, 90, false, ""},
        {{300, 45}, 75, false, ""},
        // Three and more lines: the scan (numpy.linalg.eigvalsh agrees).
        {{0, 120, 240}, -1, false, ""},
        {{100, 103, 106}, -1, true, "4.9"},  // numpy eigvalsh: 4.898
        {{100, 103, 106, 190}, -1, false, ""},
        {{50, 52, 230.5, 231}, -1, true, "1.5"},  // numpy eigvalsh: 1.479
    };
    for (const Case& c : cases) {
        reduction::FixResult fix;
        for (const double z : c.azimuths) {
            fixsums::addLineOfPosition(fix, 1, z);
        }
        fix.IncludedCount = static_cast<double>(c.azimuths.size());
        const double want = c.crossing >= 0 ? c.crossing : scannedCrossingAngle(c.azimuths);
        SCOPED_TRACE(std::to_string(c.azimuths[0]) + " ... " + std::to_string(want));
        EXPECT_NEAR(reduction::equivalentCrossingAngle(fix.SumCos2, fix.SumSinCos, fix.SumSin2),
                    want, 1e-6);
        EXPECT_EQ(reduction::isWeakFix(fix, FixStatus::Fix), c.weak);
        EXPECT_EQ(reduction::weakFixText(fix, FixStatus::Fix),
                  c.weak ? "Weak fix: as weak as two lines of position crossing at " +
                               std::string(c.angleText) + deg
                         : "");
        // Without a fix there is nothing to call weak.
        EXPECT_EQ(reduction::weakFixText(fix, FixStatus::ParallelLines), "");
        EXPECT_EQ(reduction::weakFixText(fix, FixStatus::FewSights), "");
    }
    // The limit itself: tan^2(7.5 degrees) = 0.0173, two lines at 15 degrees.
    EXPECT_NEAR(std::pow(std::tan(reduction::kWeakFixCrossing / 2 * kDegTest), 2), 0.0173, 5e-5);
}

// Two lines 0.5 degree apart in azimuth: the fix is kept, the report says
// it is weak, and G = sin^2(0.5 degree) is printed with its digits.
TEST(WeakFixTest, ReportOfTwoNearlyParallelLines) {
    // From 0, 0: a body on the equator due east at 60 degrees, and one a
    // quarter degree north of it, 0.503 degree to the left in azimuth.
    Row a;
    a.gha = 330;
    a.dec = 0;
    a.hsDeg = 60;
    Row b;
    b.gha = 330.2;
    b.dec = 0.25;
    b.hsDeg = 60;
    const ReductionOutcome out = reduceSights(inputAt(0, 0), logOf({a, b}));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& r = out.Result;
    ASSERT_EQ(r.Status, FixStatus::Fix);
    // The azimuths by the bearing formula from the assumed position 0, 0.
    const auto bearing = [](double gha, double dec) {
        const double lha = gha * kDegTest;
        const double d = dec * kDegTest;
        return std::fmod(std::atan2(-std::cos(d) * std::sin(lha), std::sin(d)) / kDegTest + 360,
                         360);
    };
    const double z1 = bearing(330, 0);
    const double z2 = bearing(330.2, 0.25);
    EXPECT_NEAR(r.LopAzimuth[1], z1, 1e-9);
    EXPECT_NEAR(r.LopAzimuth[2], z2, 1e-9);
    const double delta = std::fabs(z1 - z2);
    EXPECT_NEAR(delta, 0.503, 0.0005);
    const double G = std::pow(std::sin(delta * kDegTest), 2);
    EXPECT_NEAR(r.G, G, 1e-12);

    const auto& lines = r.DetailedOutputLines;
    ASSERT_GE(lines.size(), 4u);
    const std::string& sums = lines[lines.size() - 3];
    const std::size_t at = sums.rfind(" G = ");
    ASSERT_NE(at, std::string::npos) << sums;
    const std::string gText = sums.substr(at + 5);
    EXPECT_NE(gText, "0");
    const std::optional<double> shownG = platform::parseWholeText(gText);
    ASSERT_TRUE(shownG.has_value()) << gText;
    EXPECT_NEAR(*shownG, G, 1e-14) << gText;
    EXPECT_EQ(lines[lines.size() - 2].rfind("Best Fix Latitude ", 0), 0u);
    EXPECT_EQ(lines.back(), "Weak fix: as weak as two lines of position crossing at 0.5\xC2\xB0");
}

TEST(ReduceSightsTest, ExcludedSightIsReducedAndReportedButNotInTheFix) {
    // Sights 1 and 3 fit 40 N 30 W to a few miles; sight 2 does not.
    Row s1;
    s1.gha = 10;
    s1.dec = 10;
    s1.hsDeg = 55;
    Row s2;
    s2.gha = 100;
    s2.dec = -10;
    s2.hsDeg = 20;
    s2.included = 0;
    Row s3;
    s3.gha = 330;
    s3.dec = 20;
    s3.hsDeg = 35;
    const ReductionInput in = inputAt(40, -30);
    const ReductionOutcome all = reduceSights(in, logOf({s1, s2, s3}));
    const ReductionOutcome two = reduceSights(in, logOf({s1, s3}));
    ASSERT_FALSE(all.Warning.has_value());
    ASSERT_FALSE(two.Warning.has_value());
    EXPECT_EQ(all.Result.Status, FixStatus::Fix);
    // The fix of the three with sight 2 excluded is the fix of the other two.
    for (int j = 1; j <= 14; ++j) {
        EXPECT_EQ(all.Result.PlotParams[j], two.Result.PlotParams[j]) << j;
    }
    EXPECT_EQ(all.Result.Fix.IncludedCount, 2);
    // Sight 2 still has its working values, and the report shows them.
    const auto& w = all.Result.Sights[2];
    EXPECT_NE(w.Ho, 0);
    EXPECT_NE(w.Hc, 0);
    EXPECT_NE(w.Zn, 0);
    EXPECT_NE(all.Result.LopIntercept[2], 0);
    EXPECT_EQ(all.Result.CopHo[2], w.Ho);
    EXPECT_NE(all.Result.DetailedOutputLines[11], two.Result.DetailedOutputLines[11]);
    EXPECT_EQ(all.Result.DetailedOutputLines[4],
              "Hs =        55.000 °      20.000 °      35.000 °");
    // Its heading is marked, and the mark explained.
    EXPECT_EQ(all.Result.DetailedOutputLines[1], "           Sight 1       Sight 2 *     Sight 3");
    EXPECT_EQ(two.Result.DetailedOutputLines[1], "           Sight 1       Sight 2");
    const auto& lines = all.Result.DetailedOutputLines;
    EXPECT_EQ(lines[lines.size() - 3], "* left out of the fix");
    for (const std::string& line : two.Result.DetailedOutputLines) {
        EXPECT_EQ(line.find('*'), std::string::npos) << line;
    }
}

// The values of a report line after its label: number, unit, number, unit...
std::vector<double> reportValues(const std::string& line, const std::string& label,
                                 const std::string& unit) {
    std::vector<double> values;
    EXPECT_EQ(line.substr(0, label.size()), label);
    std::vector<std::string> tokens;
    std::size_t pos = label.size();
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', pos);
        if (start == std::string::npos) {
            break;
        }
        const std::size_t end = std::min(line.find(' ', start), line.size());
        tokens.push_back(line.substr(start, end - start));
        pos = end;
    }
    for (std::size_t k = 0; k + 1 < tokens.size(); k += 2) {
        // Three decimals, always.
        const std::size_t point = tokens[k].find('.');
        EXPECT_EQ(tokens[k].size() - point, 4u) << tokens[k];
        const auto v = platform::parseWholeText(tokens[k]);
        EXPECT_TRUE(v.has_value()) << tokens[k];
        values.push_back(v.value_or(-9999));
        EXPECT_EQ(tokens[k + 1], unit) << line;
    }
    EXPECT_EQ(tokens.size() % 2, 0u) << line;
    return values;
}

TEST(ReduceSightsTest, SightsBeyondSixEnterTheFixAndTheReport) {
    // Altitudes 20 to 27 degrees on the meridian to the south and east and
    // west of it, each within a mile or so of the one computed from 40 N 30 W.
    struct Body {
        double gha, dec;
    };
    const Body bodies[8] = {{30, -30}, {102, 11}, {319, 12}, {30, -27},
                            {320, 14}, {100, 15}, {30, -24}, {99, 17}};
    std::vector<Row> rows;
    for (int i = 0; i < 8; ++i) {
        Row r;
        r.gha = bodies[i].gha;
        r.dec = bodies[i].dec;
        r.hsDeg = 20 + i;
        rows.push_back(r);
    }
    const ReductionOutcome out = reduceSights(inputAt(40, -30), logOf(rows));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_EQ(out.Result.SightCount, 8);
    EXPECT_EQ(out.Result.Fix.IncludedCount, 8);
    EXPECT_NE(out.Result.LopIntercept[8], 0);
    EXPECT_EQ(out.Result.Status, FixStatus::Fix);

    // Two blocks: sights 1 to 6, then 7 and 8 (none for sights that do not
    // exist), each a heading, a blank and twelve rows; then the sums and the fix.
    const auto& lines = out.Result.DetailedOutputLines;
    ASSERT_EQ(lines.size(), 1u + 14 + 1 + 14 + 1 + 2);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1],
              "           Sight 1       Sight 2       Sight 3       Sight 4       "
              "Sight 5       Sight 6");
    EXPECT_EQ(lines[4],
              "Hs =        20.000 °      21.000 °      22.000 °      23.000 °      24.000 °"
              "      25.000 °");
    EXPECT_EQ(lines[15], " ");
    EXPECT_EQ(lines[16], "           Sight 7       Sight 8");
    EXPECT_EQ(lines[17], " ");
    EXPECT_EQ(lines[19], "Hs =        26.000 °      27.000 °");
    const std::vector<double> azimuths = reportValues(lines[27], "AZM = ", "°");
    ASSERT_EQ(azimuths.size(), 2u);
    EXPECT_NEAR(azimuths[0], out.Result.LopAzimuth[7], 0.0005 + 1e-12);
    EXPECT_NEAR(azimuths[1], out.Result.LopAzimuth[8], 0.0005 + 1e-12);
    EXPECT_EQ(lines[30], " ");
    EXPECT_EQ(lines[31].rfind("Asum = ", 0), 0u);
    EXPECT_EQ(lines[32].rfind("Best Fix Latitude N 40 ", 0), 0u) << lines[32];

    // A sight 9 left in the log above SightCount is neither reduced nor reported.
    SightLog log = logOf(rows);
    log.SightData[9] = log.SightData[1];
    const ReductionOutcome same = reduceSights(inputAt(40, -30), log);
    EXPECT_EQ(same.Result.PlotParams, out.Result.PlotParams);
    EXPECT_EQ(same.Result.LopIntercept[9], 0);
    EXPECT_EQ(same.Result.DetailedOutputLines, lines);
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(ReduceSightsTest, ReportLinesWithThreeSights) {
    // A Sun sight (lower limb, SD 16', HP 0.15') and two stars, 6 knots on 090.
    LegSettings leg = goodLeg();
    leg.Speed = "6";
    leg.Course = "90";
    leg.NewFixHour = "12";
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    Row sun;
    sun.object = 0;
    sun.limb = 1;
    sun.sd = 16;
    sun.hp = 0.15;
    sun.hour = 10;
    sun.minute = 30;
    sun.hsDeg = 45;
    sun.hsMin = 12;
    sun.gha = 10;
    sun.dec = 12.5;
    Row star1;
    star1.hour = 11;
    star1.minute = 45;
    star1.hsDeg = 33;
    star1.hsMin = 3;
    star1.gha = 70.125;
    star1.dec = -13.75;
    Row star2;
    star2.hour = 12;
    star2.hsDeg = 20;
    star2.gha = 300;
    star2.dec = 51.5;
    // The declinations put each altitude within a few miles of the one
    // computed from 40 N 50 W.
    const ReductionInput in = reduction::reductionInput(start, GeneralSettings{}, 40, -50);
    const ReductionOutcome out = reduceSights(in, logOf({sun, star1, star2}));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& lines = out.Result.DetailedOutputLines;
    // One block of three columns, a blank, the sums and the fix.
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "           Sight 1       Sight 2       Sight 3");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3], "UT =        10.500 Hrs    11.750 Hrs    12.000 Hrs");
    EXPECT_EQ(lines[4], "Hs =        45.200 °      33.050 °      20.000 °");
    EXPECT_EQ(lines[6], "GHA =       10.000 °      70.125 °     300.000 °");
    EXPECT_EQ(lines[7], "DEC =       12.500 °     -13.750 °      51.500 °");
    // 16' is 0.26666...: rounded up, not cut to 0.266.
    EXPECT_EQ(lines[8], "SD =         0.267 °       0.000 °       0.000 °");
    // LHA -40 (10 - 50) is shown as 320; 70.125 - 50 = 20.125; 300 - 50 - 360 = -110 as 250.
    EXPECT_EQ(lines[10], "LHA =      320.000 °      20.125 °     250.000 °");
    // Runs: 1.5 h and 0.25 h at 6 knots.
    EXPECT_EQ(lines[14], "Roff =       9.000 nm      1.500 nm      0.000 nm");

    // The other rows: each value rounded to 3 decimals, half away from zero,
    // so within half a unit of the working value (a cut would be up to a
    // whole unit below it).
    struct Line {
        int number;
        const char* label;
        const char* unit;
        double reduction::SightWorking::*value;
    };
    const Line others[] = {
        {5, "Ho = ", "°", &reduction::SightWorking::Ho},
        {9, "PA = ", "°", &reduction::SightWorking::PA},
        {11, "Hc  = ", "°", &reduction::SightWorking::Hc},
        {12, "AZM = ", "°", &reduction::SightWorking::Zn},
        {13, "Doff = ", "nm", &reduction::SightWorking::Intercept},
    };
    for (const Line& l : others) {
        SCOPED_TRACE(l.label);
        const std::vector<double> v = reportValues(lines[l.number], l.label, l.unit);
        ASSERT_EQ(v.size(), 3u);
        for (int k = 1; k <= 3; ++k) {
            const double exact = out.Result.Sights[k].*(l.value);
            EXPECT_LE(std::fabs(v[k - 1] - exact), 0.0005 + 1e-12) << k;
        }
    }
    // Every column ends under the end of its heading.
    const std::vector<std::size_t> headings = columnEnds(lines[1]);
    ASSERT_EQ(headings.size(), 3u);
    for (int n = 3; n <= 14; ++n) {
        EXPECT_EQ(columnEnds(lines[n]), headings) << lines[n];
    }
    // The sun's Ho: 45.2 deg less 1' of refraction, plus 16' and parallax.
    EXPECT_NEAR(out.Result.Sights[1].Ho, 45.2 - 0.972 / 60 + 16.0 / 60 + 0.106 / 60, 0.002 / 60);

    // The sums, each rounded to 3 decimals, and G in full; then the fix.
    EXPECT_EQ(lines[15], " ");
    const auto& f = out.Result.Fix;
    auto rounded = [](double x) {
        const double r = std::floor(std::fabs(x) * 1000 + 0.5) / 1000;
        return platform::generalText(x < 0 && r != 0 ? -r : r);
    };
    EXPECT_EQ(lines[16], "Asum = " + rounded(f.SumCos2) + " Bsum = " + rounded(f.SumSinCos) +
                             " Csum= " + rounded(f.SumSin2) + " Dsum = " + rounded(f.SumPCos) +
                             " Esum = " + rounded(f.SumPSin) + " Fsum = " + rounded(f.SumP2) +
                             " G = " + platform::generalText(out.Result.G));
    EXPECT_NEAR(f.SumCos2 + f.SumSin2, 3, 1e-12);
    EXPECT_NEAR(out.Result.G, f.SumCos2 * f.SumSin2 - f.SumSinCos * f.SumSinCos, 1e-12);
    // The fix as the plot prints it, minutes rounded to 0.1 (both above one
    // here, so their print form is blank, digits, blank).
    const auto degMin = [](double x) {
        const double units = std::floor(std::fabs(x) * 600 + 0.5);
        const double deg = std::floor(units / 600);
        return " " + platform::generalText(deg) + " \xC2\xB0  " +
               platform::generalText((units - 600 * deg) / 10) + " '";
    };
    ASSERT_GT(f.FixLat, 1);
    ASSERT_LT(f.FixLon, -1);
    EXPECT_EQ(lines[17], "Best Fix Latitude N" + degMin(f.FixLat) + "  Best Fix Longitude W" +
                             degMin(f.FixLon) + "  Distance from assumed position " +
                             platform::generalText(std::floor(f.FixDistance * 100 + 0.5) / 100) +
                             "  n.miles");
}

// Values on the half and the carry: a GHA of 359.9996 shows 360.000, a
// declination of -0.0004 shows 0.000 without a sign, and 20 deg 0.03' (20.0005
// held just below) shows 20.001.
TEST(ReduceSightsTest, ReportValuesAreRoundedWithTheCarry) {
    Row a;
    a.gha = 359.9996;
    a.dec = -0.0004;
    a.hsDeg = 20;
    a.hsMin = 0.03;
    const ReductionOutcome out = reduceSights(inputAt(40, -30), logOf({a}));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& lines = out.Result.DetailedOutputLines;
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[1], "           Sight 1");
    EXPECT_EQ(lines[4], "Hs =        20.001 °");
    EXPECT_EQ(lines[6], "GHA =        0.000 °");
    EXPECT_EQ(lines[7], "DEC =        0.000 °");
    EXPECT_EQ(lines[17], "No fix: fewer than two sights included");
}

// With no sight in the log there is no block: only the sums and the reason.
TEST(ReduceSightsTest, ReportOfNoSight) {
    const ReductionOutcome out = reduceSights(inputAt(40, -30), logOf({}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_EQ(
        out.Result.DetailedOutputLines,
        (std::vector<std::string>{
            "",
            "Asum = 0.000 Bsum = 0.000 Csum= 0.000 Dsum = 0.000 Esum = 0.000 Fsum = 0.000 G = 0",
            "No fix: fewer than two sights included"}));
}

// Twenty-five sights of one body at one instant: A * C - B * B comes out a
// rounding residue (-2.8e-14 here), not exactly 0, and once gave a "fix".
TEST(ReduceSightsTest, IdenticalSightsAreParallelThoughGIsAResidue) {
    std::vector<Row> same(25);
    for (Row& r : same) {
        r.gha = 10;
        r.dec = 10;
        r.hsDeg = 55;
    }
    const ReductionOutcome out = reduceSights(inputAt(40, -30), logOf(same));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& r = out.Result;
    EXPECT_NE(r.G, 0);
    EXPECT_LE(std::fabs(r.G), 1e-9 * r.Fix.SumCos2 * r.Fix.SumSin2);
    EXPECT_EQ(r.Status, FixStatus::ParallelLines);
    EXPECT_EQ(reduction::noFixText(r.Status), "No fix: the lines of position are parallel");
    EXPECT_EQ(r.Fix.FixLat, 0);
    EXPECT_EQ(r.Fix.FixLon, 0);
    EXPECT_EQ(r.Fix.FixDistance, 0);
}

// Two bodies 0.0005 to 0.01 degree of GHA apart, one arc minute apart in
// altitude: azimuth spreads below about 0.002 degrees are parallel; above it
// the lines still cross, far from the assumed position, where the plot
// recommends a redo (a fix past 20 n.mi.).
TEST(ReduceSightsTest, NearlyParallelLinesFixFarAwayAboveTheResidue) {
    struct Case {
        double ghaApart;
        FixStatus status;
    };
    const Case cases[] = {
        {0.0005, FixStatus::ParallelLines},  // azimuths 0.0008 degree apart
        {0.001, FixStatus::ParallelLines},   // 0.0015 degree
        {0.01, FixStatus::Fix},              // 0.015 degree
        {0.02, FixStatus::Fix},              // 0.031 degree
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ghaApart);
        Row a;
        a.gha = 10;
        a.dec = 10;
        a.hsDeg = 55;
        Row b = a;
        b.gha = 10 + c.ghaApart;
        b.hsMin = 1;
        const ReductionOutcome out = reduceSights(inputAt(40, -30), logOf({a, b}));
        ASSERT_FALSE(out.Warning.has_value());
        const auto& r = out.Result;
        const double spread = std::fabs(r.LopAzimuth[2] - r.LopAzimuth[1]);
        EXPECT_GT(spread, 0);
        EXPECT_EQ(r.Status, c.status);
        if (c.status == FixStatus::Fix) {
            EXPECT_GT(spread, 0.002);
            EXPECT_GT(r.Fix.FixDistance, 20);
            EXPECT_LE(std::fabs(r.Fix.FixLat), 90);
        } else {
            EXPECT_LT(spread, 0.002);
            EXPECT_EQ(r.Fix.FixDistance, 0);
        }
    }
}

// Sights taken near 40 N 30 W, reduced from positions that do not fit them:
// a fix past a pole warns and nothing is to be committed.
TEST(ReduceSightsTest, FixPastAPoleWarns) {
    Row s1;
    s1.gha = 10;
    s1.dec = 10;
    s1.hsDeg = 55;
    Row s2;
    s2.gha = 330;
    s2.dec = 20;
    s2.hsDeg = 35;
    // The assumed latitude "abc" reads 0 and the longitude 200 is 160 W.
    LegSettings leg = goodLeg();
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    const ReductionInput far = reduction::reductionInput(start, GeneralSettings{}, 0, 200);
    EXPECT_EQ(far.AssumedLon, -160);
    const ReductionOutcome out = reduceSights(far, logOf({s1, s2}));
    ASSERT_TRUE(out.Warning.has_value());
    EXPECT_EQ(out.Warning->Text, std::string(reduction::kBadFixMessage));

    // An empty sight year reads 0: two thousand years of run at 6 kn.
    leg.Speed = "6";
    const ReductionStart moving = prepareReduction(leg, false, true, GeneralSettings{});
    Row old = s1;
    old.year = 0;
    const ReductionOutcome run = reduceSights(
        reduction::reductionInput(moving, GeneralSettings{}, 40, -30), logOf({old, s2}));
    ASSERT_TRUE(run.Warning.has_value());
    EXPECT_EQ(run.Warning->Text, std::string(reduction::kBadFixMessage));
}

TEST(ReduceSightsTest, AssumedLongitudeThatCannotBeWrappedWarns) {
    Row s1;
    s1.gha = 10;
    s1.dec = 10;
    for (const double lon : {1e300, -HUGE_VAL, 181.0}) {
        ReductionInput in = inputAt(40, -30);
        in.AssumedLon = lon;
        const ReductionOutcome out = reduceSights(in, logOf({}));
        ASSERT_TRUE(out.Warning.has_value()) << lon;
        EXPECT_EQ(out.Warning->Text, std::string(reduction::kAssumedLongitudeMessage));
        EXPECT_EQ(reduceSights(in, logOf({s1})).Warning->Text,
                  std::string(reduction::kAssumedLongitudeMessage));
    }
}

// ------------------------------------------------------- mended faults

struct WarningCase {
    const char* name;
    std::vector<Row> rows;
    void (*edit)(ReductionInput&);
    std::string message;
};

TEST(ReduceSightsTest, ValuesThatAreNotNumbersWarnAndNameTheSight) {
    Row good;
    good.gha = 20;
    good.dec = 10;
    Row good2;
    good2.gha = 80;
    good2.dec = -10;
    Row sea = good;
    sea.horizon = 1;
    Row ha44 = good;  // bubble horizon, Hs -4.4: the refraction divides by 0
    ha44.hsDeg = -4.4;
    Row badHp = good;
    badHp.hp = kInf;
    Row badSd = good;
    badSd.sd = kInf;
    badSd.limb = 1;
    Row badGha = good;
    badGha.gha = kInf;
    Row badTime = good;
    badTime.second = kInf;
    Row badDay = good;
    badDay.day = kInf;
    Row huge = good;
    huge.hsDeg = 1e300;
    Row excluded = sea;
    excluded.included = 0;
    auto none = [](ReductionInput&) {};
    const std::string correct =
        ": the apparent altitude cannot be corrected; check the sextant altitude, the index "
        "error, the horizon and the eye height.";
    const WarningCase cases[] = {
        {"negative eye height, sea horizon",
         {good, good2, sea},
         [](ReductionInput& in) { in.Leg.h = -1; },
         "Sight 3" + correct},
        {"negative eye height, excluded sight",
         {excluded, good, good2},
         [](ReductionInput& in) { in.Leg.h = -1; },
         "Sight 1" + correct},
        {"temperature -273",
         {good, good2},
         [](ReductionInput& in) { in.T = -273; },
         "Sight 1: the refraction cannot be computed; check the air temperature, the pressure "
         "and the apparent altitude."},
        {"Ha of -4.4",
         {good, ha44},
         none,
         "Sight 2: the refraction cannot be computed; check the air temperature, the pressure "
         "and the apparent altitude."},
        {"horizontal parallax",
         {badHp},
         none,
         "Sight 1: the parallax cannot be computed; check the horizontal parallax."},
        {"semi-diameter",
         {good, badSd},
         none,
         "Sight 2: the semi-diameter correction cannot be computed; check the semi-diameter and "
         "the horizontal parallax."},
        {"GHA",
         {good, good2, badGha},
         none,
         "Sight 3: the altitude and azimuth from the assumed position cannot be computed; check "
         "the GHA, the declination and the assumed position."},
        {"watch time",
         {badTime},
         none,
         "Sight 1: the time of the sight cannot be used; check the watch time and the "
         "chronometer correction."},
        {"date",
         {good, badDay},
         none,
         "Sight 2: the run to the fix time cannot be computed; check the date of the sight, the "
         "fix times and the speed."},
        {"assumed position at the pole",
         {good, good2},
         [](ReductionInput& in) { in.AssumedLat = 90; },
         std::string(reduction::kAssumedAtPoleMessage)},
        {"assumed position beyond the pole",
         {good, good2},
         [](ReductionInput& in) { in.AssumedLat = -95; },
         std::string(reduction::kAssumedAtPoleMessage)},
        {"sums overflow", {good, huge}, none, std::string(reduction::kBadFixMessage)},
    };
    for (const WarningCase& c : cases) {
        SCOPED_TRACE(c.name);
        ReductionInput in = inputAt(40, -30);
        in.Leg.h = 2.75;
        c.edit(in);
        const ReductionOutcome out = reduceSights(in, logOf(c.rows));
        ASSERT_TRUE(out.Warning.has_value());
        EXPECT_EQ(out.Warning->Text, c.message);
        EXPECT_EQ(out.Warning->Title, "Warning!");
    }
}

TEST(ReduceSightsTest, NegativeEyeHeightOnlyMattersWithASeaHorizon) {
    Row bubble;
    bubble.gha = 20;
    bubble.dec = 10;
    Row pan = bubble;
    pan.horizon = 0;
    ReductionInput in = inputAt(40, -30);
    in.Leg.h = -1;
    const ReductionOutcome out = reduceSights(in, logOf({bubble, pan}));
    EXPECT_FALSE(out.Warning.has_value());
}

TEST(ReduceSightsTest, NearPoleAssumedPositionStillReduces) {
    Row a;
    a.gha = 20;
    a.dec = 30;
    Row b;
    b.gha = 110;
    b.dec = 40;
    const ReductionOutcome out = reduceSights(inputAt(89.5, 0), logOf({a, b}));
    ASSERT_FALSE(out.Warning.has_value());
    EXPECT_EQ(out.Result.Status, FixStatus::Fix);
}

// ------------------------------------- fixes on an independently placed sky

constexpr double kTestPi = 3.141592653589793;
constexpr double kDeg = kTestPi / 180;

struct Body {
    double gha;
    double dec;
};

// Altitude and azimuth of a body seen from a position, by the cosine and
// sine rules of the navigational triangle.
void altitudeAzimuth(double lat, double lon, const Body& b, double& alt, double& az) {
    const double lha = (b.gha + lon) * kDeg;
    const double phi = lat * kDeg;
    const double d = b.dec * kDeg;
    alt = std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(lha));
    const double y = -std::cos(d) * std::sin(lha);
    const double x = std::sin(d) * std::cos(phi) - std::cos(d) * std::sin(phi) * std::cos(lha);
    az = std::atan2(y, x) / kDeg;
    if (az < 0) {
        az += 360;
    }
    alt = alt / kDeg;
}

// Distance in n.mi. between two nearby positions.
double distanceNm(double lat1, double lon1, double lat2, double lon2) {
    double dLon = lon2 - lon1;
    if (dLon > 180) {
        dLon -= 360;
    } else if (dLon < -180) {
        dLon += 360;
    }
    const double mid = (lat1 + lat2) / 2 * kDeg;
    return 60 * std::hypot(lat2 - lat1, dLon * std::cos(mid));
}

// The sextant altitude that the corrections turn into Ho: solved by
// fixed-point iteration on the apparent altitude.
double sextantFor(double ho, const Row& r, double h, double T, double P, double drLat) {
    const double hp = r.hp / 60;
    const double ic = r.ie * r.ieSide / 60;
    double ha = ho;
    for (int n = 0; n < 100; ++n) {
        const double refraction =
            -0.0167 / std::tan((ha + 7.31 / (ha + 4.4)) * kDeg) * (0.28 * P / (273 + T));
        const double pa =
            hp * std::cos(ha * kDeg) * (1 - std::pow(std::sin(drLat * kDeg), 2) / 298.257);
        const double sdc = r.object == 1 ? r.limb * 0.2724 * hp : r.limb * r.sd / 60;
        ha = ho - refraction - pa - sdc;
    }
    if (r.horizon == 1) {
        return ha + 0.0293 * std::sqrt(h) - ic;
    }
    if (r.horizon == 2) {
        return ha - ic;
    }
    return 2 * ha - ic;
}

// Whole degrees and minutes of a sextant altitude, as the log stores them.
void storeHs(Row& r, double hs) {
    r.hsDeg = std::floor(hs);
    r.hsMin = (hs - r.hsDeg) * 60;
}

TEST(ReduceSightsTest, StationaryFixOfThreeStarsLandsOnTheTruePosition) {
    const double trueLat = 36.7;
    const double trueLon = -24.35;
    const Body bodies[3] = {{334.35, 30}, {44.35, -10}, {104.35, 45}};
    std::vector<Row> rows;
    for (const Body& b : bodies) {
        double alt = 0;
        double az = 0;
        altitudeAzimuth(trueLat, trueLon, b, alt, az);
        ASSERT_GT(alt, 15);
        Row r;
        r.gha = b.gha;
        r.dec = b.dec;
        r.horizon = 2;
        storeHs(r, alt);  // bubble, zero pressure: Ho = Hs
        rows.push_back(r);
    }
    LegSettings leg = goodLeg();
    const ReductionStart start = prepareReduction(leg, false, true, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());
    GeneralSettings general;
    general.Pressure = "0";
    // The assumed position 10' from the true one.
    const double apLat = trueLat + 6.0 / 60;
    const double apLon = trueLon - 8.0 / 60 / std::cos(trueLat * kDeg);
    const ReductionInput in = reduction::reductionInput(start, general, apLat, apLon);
    const ReductionOutcome out = reduceSights(in, logOf(rows));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& f = out.Result.Fix;
    EXPECT_EQ(out.Result.Status, FixStatus::Fix);
    EXPECT_EQ(f.IncludedCount, 3);
    EXPECT_LT(distanceNm(f.FixLat, f.FixLon, trueLat, trueLon), 0.1);
    EXPECT_NEAR(f.FixDistance, 10, 0.1);
    EXPECT_NEAR(f.FixLat, apLat + f.FixDLat, 1e-12);
    EXPECT_NEAR(f.FixLon, apLon + f.FixDLon, 1e-12);
    // Every line of position passes within 0.1 n.mi. of the true position:
    // on the local chart around the assumed position, the true position's
    // component along the azimuth is the intercept.
    const double east = (trueLon - apLon) * 60 * std::cos(apLat * kDeg);
    const double north = (trueLat - apLat) * 60;
    for (int i = 1; i <= 3; ++i) {
        const double zn = out.Result.LopAzimuth[i] * kDeg;
        EXPECT_NEAR(east * std::sin(zn) + north * std::cos(zn), out.Result.LopIntercept[i], 0.1)
            << i;
    }
}

TEST(ReduceSightsTest, RunningFixOfSunMoonAndStarLandsOnTheTruePosition) {
    // The ship makes 6 knots on 050; the fix is wanted at 20:00 UT. Sights at
    // 17:00 (Sun, sea horizon), 18:30 (Moon, sea horizon) and 20:00 (star,
    // reflecting horizon), each taken from the ship's position at its time.
    const double crs = 50;
    const double v = 6;
    const double trueLat = -33.2;  // at 20:00
    const double trueLon = 151.9;
    const double h = 3.5;
    const double T = 22;
    const double P = 1016;
    LegSettings leg = goodLeg();
    leg.Course = "50";
    leg.Speed = "6";
    leg.EyeHeight = "3.5";
    leg.LastFixLatDegrees = "33";
    leg.LastFixLatMinutes = "40";
    leg.LastFixLonDegrees = "151";
    leg.LastFixLonMinutes = "20";
    leg.LastFixHour = "14";
    leg.NewFixHour = "20";
    const ReductionStart start = prepareReduction(leg, true, false, GeneralSettings{});
    ASSERT_FALSE(start.Warning.has_value());

    struct Plan {
        double hour;
        double minute;
        Body body;
        Row row;
    };
    Row sun;
    sun.object = 0;
    sun.limb = 1;
    sun.sd = 16.1;
    sun.hp = 0.15;
    sun.horizon = 1;
    sun.ie = 1.5;
    sun.ieSide = 1;
    Row moon;
    moon.object = 1;
    moon.limb = -1;
    moon.sd = 15;
    moon.hp = 57.3;
    moon.horizon = 1;
    moon.ie = 1.5;
    moon.ieSide = 1;
    Row star;
    star.horizon = 0;
    const Plan plans[3] = {
        {17, 0, {240, -12.3}, sun},
        {18, 30, {170, 8.4}, moon},
        {20, 0, {250, -52.7}, star},
    };
    std::vector<Row> rows;
    for (const Plan& plan : plans) {
        // The ship's position at the sight: back along the track by the run.
        const double run = v * ((20 - plan.hour) - plan.minute / 60);
        const double dLat = -run * std::cos(crs * kDeg) / 60;
        const double lat = trueLat + dLat;
        const double lon =
            trueLon - run * std::sin(crs * kDeg) / 60 / std::cos((trueLat + dLat / 2) * kDeg);
        double alt = 0;
        double az = 0;
        altitudeAzimuth(lat, lon, plan.body, alt, az);
        ASSERT_GT(alt, 15);
        Row r = plan.row;
        r.hour = plan.hour;
        r.minute = plan.minute;
        r.gha = plan.body.gha;
        r.dec = plan.body.dec;
        storeHs(r, sextantFor(alt, r, h, T, P, start.DrLat));
        rows.push_back(r);
    }
    GeneralSettings general;
    general.AirTemperature = "22";
    general.Pressure = "1016";
    const double apLat = trueLat - 7.0 / 60;
    const double apLon = trueLon + 7.0 / 60 / std::cos(trueLat * kDeg);
    const ReductionInput in = reduction::reductionInput(start, general, apLat, apLon);
    const ReductionOutcome out = reduceSights(in, logOf(rows));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& f = out.Result.Fix;
    EXPECT_EQ(out.Result.Status, FixStatus::Fix);
    EXPECT_NEAR(out.Result.LopRun[1], 18, 1e-6);
    EXPECT_NEAR(out.Result.LopRun[2], 9, 1e-6);
    EXPECT_NEAR(out.Result.LopRun[3], 0, 1e-6);
    // Straight lines of position advanced by up to 18 n.mi. stand for circles
    // of some 2000 n.mi. radius: that model costs up to about 0.1 n.mi.
    EXPECT_LT(distanceNm(f.FixLat, f.FixLon, trueLat, trueLon), 0.15);
    EXPECT_EQ(out.Result.PlotParams[3], 50);
    EXPECT_EQ(out.Result.PlotParams[6], f.FixLat);
    EXPECT_EQ(out.Result.PlotParams[7], f.FixLon);
}

TEST(ReduceSightsTest, FixLongitudeWrapsOnceAcrossTheDateLine) {
    const double trueLat = 10.2;
    const double trueLon = -179.95;
    const Body bodies[3] = {{150, 30.3}, {230, 5.5}, {190, -20}};
    std::vector<Row> rows;
    for (const Body& b : bodies) {
        double alt = 0;
        double az = 0;
        altitudeAzimuth(trueLat, trueLon, b, alt, az);
        ASSERT_GT(alt, 10);
        Row r;
        r.gha = b.gha;
        r.dec = b.dec;
        storeHs(r, alt);
        rows.push_back(r);
    }
    ReductionInput in = inputAt(trueLat, 179.9);
    in.P = 0;
    const ReductionOutcome out = reduceSights(in, logOf(rows));
    ASSERT_FALSE(out.Warning.has_value());
    const auto& f = out.Result.Fix;
    EXPECT_LT(f.FixLon, -179);
    EXPECT_GT(f.FixDLon, 0);
    EXPECT_LT(distanceNm(f.FixLat, f.FixLon, trueLat, trueLon), 0.1);
}

}  // namespace
