// Apparent places of the planets: the worked instant of 1992 December 20,
// the light-time passes and aberration, the hour angle, the ranges of the
// outputs and the codes that name no planet.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ephemeris/ephemeris.h"
#include "ephemeris/planet_position.h"

namespace ephemeris {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The Sun's outputs that a window computes first for the same instant.
struct SunInputs {
    double JD = 0;
    double T_TT = 0;
    double GHAAries = 0;
    double EarthL = 0;
    double EarthB = 0;
    double EarthR = 0;
};

SunInputs sunFor(double Year, double Month, double Day, double UtHours, double DeltaT) {
    const TimeArguments t = TimeArgumentsFor(Year, Month, Day, UtHours, DeltaT);
    const SunPlace sun = SunPlaceAt(t.JD, t.T_TT);
    SunInputs s;
    s.JD = t.JD;
    s.T_TT = t.T_TT;
    s.GHAAries = sun.GHAAries;
    s.EarthL = sun.EarthL;
    s.EarthB = sun.EarthB;
    s.EarthR = sun.EarthR;
    return s;
}

struct Place {
    double GHA = kNaN;
    double Dec = kNaN;
    double SHA = kNaN;
    double HP = kNaN;
    double Dist = kNaN;
};

Place placeOf(int Code, const SunInputs& s) {
    Place p;
    PlanetPosition(s.JD, s.T_TT, Code, s.EarthL, s.EarthB, s.EarthR, p.GHA, p.Dec, p.SHA, p.HP,
                   p.Dist);
    return p;
}

SunInputs workedInstant() {
    return sunFor(1992, 12, 20, 0, 0);
}

TEST(PlanetPosition, WorkedInstantTakesTheSunOfTheSameInstant) {
    const SunInputs s = workedInstant();
    EXPECT_EQ(s.JD, 2448976.5);
    EXPECT_NEAR(s.T_TT, -0.070321697467, 1e-12);
    EXPECT_NEAR(s.EarthL, 88.356995, 1e-6);
    EXPECT_NEAR(s.EarthB, 0.000165, 1e-6);
    EXPECT_NEAR(s.EarthR, 0.98382448, 1e-8);
}

// Worked values agree to one unit of the last place shown.
TEST(PlanetPosition, WorkedInstantAllFourPlanets) {
    struct Case {
        const char* Name;
        int Code;
        double GHA, Dec, SHA, HP, Dist;
    };
    const Case cases[] = {
        {"Venus", 2, 132.656880, -18.888000, 43.827232, 0.16072, 0.91094752},
        {"Mars", 4, 331.682317, 24.592796, 242.852669, 0.22582, 0.64832664},
        {"Jupiter", 5, 257.039497, -3.698716, 168.209849, 0.02615, 5.59911143},
        {"Saturn", 6, 130.905133, -17.261234, 42.075484, 0.01392, 10.51440246},
    };
    const SunInputs s = workedInstant();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Place p = placeOf(c.Code, s);
        EXPECT_NEAR(p.GHA, c.GHA, 1e-6);
        EXPECT_NEAR(p.Dec, c.Dec, 1e-6);
        EXPECT_NEAR(p.SHA, c.SHA, 1e-6);
        EXPECT_NEAR(p.HP, c.HP, 1e-5);
        EXPECT_NEAR(p.Dist, c.Dist, 1e-8);
    }
}

// Venus at the worked instant, step by step: two light-time passes, the
// second pass's geometry, then the aberration.
TEST(PlanetPosition, WorkedInstantVenusWorking) {
    const SunInputs s = workedInstant();
    const PlanetPlaceWork w = PlanetPositionWork(s.JD, s.T_TT, 2, s.EarthL, s.EarthB, s.EarthR);
    struct Case {
        const char* Name;
        double Actual, Expected, Tolerance;
    };
    const Case cases[] = {
        {"first-pass distance", w.FirstDist, 0.91096181, 1e-8},
        {"second-pass light time", w.LightTime, 0.00526128, 1e-8},
        {"second-pass distance", w.Dist, 0.91094752, 1e-8},
        {"lambda", w.Lambda, -46.919158, 1e-6},
        {"beta", w.Beta, -2.084671, 1e-6},
        {"aberration in longitude", w.DLambda, -0.00412986, 1e-8},
        {"aberration in latitude", w.DBeta, -0.00014747, 1e-8},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.Actual, c.Expected, c.Tolerance) << c.Name;
    }
    // The second pass starts from the first pass's distance.
    EXPECT_EQ(w.LightTime, 0.0057755183 * w.FirstDist);
}

TEST(PlanetPosition, ProcedureReportsTheWorkingsOutputs) {
    const SunInputs s = workedInstant();
    for (int code : {2, 4, 5, 6}) {
        const Place p = placeOf(code, s);
        const PlanetPlaceWork w =
            PlanetPositionWork(s.JD, s.T_TT, code, s.EarthL, s.EarthB, s.EarthR);
        EXPECT_EQ(p.GHA, w.GHA) << code;
        EXPECT_EQ(p.Dec, w.Dec) << code;
        EXPECT_EQ(p.SHA, w.SHA) << code;
        EXPECT_EQ(p.HP, w.HP) << code;
        EXPECT_EQ(p.Dist, w.Dist) << code;
    }
}

// A southern latitude of the Earth comes from SunPosition just below 360; it
// enters only through its sine and cosine.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(PlanetPosition, EarthLatitudeJustBelow360IsTheNegativeLatitude) {
    const SunInputs s = sunFor(2000, 1, 1, 12, 0);
    ASSERT_GT(s.EarthB, 359.999);
    SunInputs negative = s;
    negative.EarthB = s.EarthB - 360;
    for (int code : {2, 4, 5, 6}) {
        SCOPED_TRACE(code);
        const Place a = placeOf(code, s);
        const Place b = placeOf(code, negative);
        EXPECT_NEAR(a.GHA, b.GHA, 1e-9);
        EXPECT_NEAR(a.Dec, b.Dec, 1e-9);
        EXPECT_NEAR(a.SHA, b.SHA, 1e-9);
        EXPECT_NEAR(a.HP, b.HP, 1e-12);
        EXPECT_NEAR(a.Dist, b.Dist, 1e-12);
    }
}

// Codes that name no planet give zeros on every output; code 3 (the Earth)
// would otherwise divide by a zero distance.
TEST(PlanetPosition, CodesOtherThanThePlanetsGiveZeros) {
    const SunInputs s = workedInstant();
    for (int code : {0, 1, 3, 7, -1, 8}) {
        SCOPED_TRACE(code);
        const Place p = placeOf(code, s);
        EXPECT_EQ(p.GHA, 0.0);
        EXPECT_EQ(p.Dec, 0.0);
        EXPECT_EQ(p.SHA, 0.0);
        EXPECT_EQ(p.HP, 0.0);
        EXPECT_EQ(p.Dist, 0.0);
        const PlanetPlaceWork w =
            PlanetPositionWork(s.JD, s.T_TT, code, s.EarthL, s.EarthB, s.EarthR);
        EXPECT_EQ(w.FirstDist, 0.0);
        EXPECT_EQ(w.LightTime, 0.0);
        EXPECT_EQ(w.Lambda, 0.0);
        EXPECT_EQ(w.DLambda, 0.0);
    }
}

// GHA + right ascension is the apparent sidereal time of the Sun's procedure
// for the same instant, with or without Delta T.
TEST(PlanetPosition, HourAngleFollowsTheSunsSiderealTime) {
    for (double deltaT : {0.0, 59.0}) {
        const SunInputs s = sunFor(1992, 12, 20, 0, deltaT);
        for (int code : {2, 4, 5, 6}) {
            const Place p = placeOf(code, s);
            EXPECT_NEAR(Normalize360(p.GHA + (360 - p.SHA)), s.GHAAries, 1e-9)
                << "code " << code << ", Delta T " << deltaT;
        }
    }
}

// The aberration's eccentricity and perihelion run on universal time (from
// JD); the geometric place depends on T_TT and the Earth alone.
TEST(PlanetPosition, AberrationRunsOnUniversalTime) {
    const SunInputs s = workedInstant();
    for (int code : {2, 4, 5, 6}) {
        SCOPED_TRACE(code);
        const PlanetPlaceWork a =
            PlanetPositionWork(s.JD, s.T_TT, code, s.EarthL, s.EarthB, s.EarthR);
        const PlanetPlaceWork b =
            PlanetPositionWork(s.JD + 36525, s.T_TT, code, s.EarthL, s.EarthB, s.EarthR);
        EXPECT_EQ(a.Dist, b.Dist);
        EXPECT_EQ(a.Lambda, b.Lambda);
        EXPECT_EQ(a.Beta, b.Beta);
        EXPECT_NE(a.DLambda, b.DLambda);
        EXPECT_NE(a.DBeta, b.DBeta);
    }
}

// The parallax is the ratio itself taken as radians, not its arcsine.
TEST(PlanetPosition, HorizontalParallaxIsTheRatioWithoutArcsine) {
    const SunInputs s = workedInstant();
    for (int code : {2, 4, 5, 6}) {
        const Place p = placeOf(code, s);
        const double ratio = 6371 / (149597870 * p.Dist);
        EXPECT_EQ(p.HP, ratio * 57.29577951308238 * 60) << code;
        EXPECT_NE(p.HP, std::asin(ratio) * 57.29577951308238 * 60) << code;
    }
}

TEST(PlanetPosition, OutputsStayInTheirRangesOverThirtyYears) {
    for (double day = 0; day < 30 * 365.25; day += 37) {
        const SunInputs s = sunFor(2000, 1, 1 + day, 0, 67);
        for (int code : {2, 4, 5, 6}) {
            const Place p = placeOf(code, s);
            EXPECT_GE(p.GHA, 0.0);
            EXPECT_LT(p.GHA, 360.0);
            EXPECT_GT(p.SHA, 0.0);
            EXPECT_LE(p.SHA, 360.0);
            EXPECT_LE(std::fabs(p.Dec), 30.0);
            EXPECT_GT(p.Dist, 0.2);
            EXPECT_LT(p.Dist, 11.2);
            EXPECT_GT(p.HP, 0.0);
        }
    }
}

// Where an output wraps (the right ascension through 0, or the hour angle
// through 0), an Earth input found by bisection down to adjacent doubles
// lands the result on both sides of the wrap: both stay in range. The hour
// angle comes out as 360 only for a right ascension and sidereal time both
// near 0 (GAST 0.17 at 17.3 h) and differences below a unit of 360, so there
// the fine steps of the Earth's radius vector do the bisecting.
TEST(PlanetPosition, WrapsStayInRangeAtTheLastDouble) {
    struct Case {
        const char* Name;
        int Code;
        double UtHours;
        bool VaryRadius;  // else the Earth's longitude over [0, 360)
        double EarthL;    // fixed longitude when the radius varies
        bool HourAngle;   // else the sidereal hour angle
    };
    const Case cases[] = {
        {"Venus SHA", 2, 12, false, 0, false},
        {"Mars SHA", 4, 12, false, 0, false},
        {"Venus GHA", 2, 17.3, true, 183.2517, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const SunInputs s = sunFor(2000, 1, 1, c.UtHours, 0);
        auto at = [&](double x) {
            return c.VaryRadius ? PlanetPositionWork(s.JD, s.T_TT, c.Code, c.EarthL, s.EarthB, x)
                                : PlanetPositionWork(s.JD, s.T_TT, c.Code, x, s.EarthB, s.EarthR);
        };
        auto output = [&](double x) { return c.HourAngle ? at(x).GHA : at(x).SHA; };
        // Bracket a jump of the output across the wrap.
        const double from = c.VaryRadius ? 0.5 : 0;
        const double to = c.VaryRadius ? 1.5 : 360;
        const double step = c.VaryRadius ? 0.001 : 0.1;
        double lo = from;
        double hi = from - 1;
        for (double x = from + step; x < to; x += step) {
            if (std::fabs(output(x) - output(lo)) > 300) {
                hi = x;
                break;
            }
            lo = x;
        }
        ASSERT_GT(hi, lo) << "no wrap found";
        const bool loHigh = output(lo) > 180;
        for (int i = 0; i < 200; ++i) {
            const double mid = 0.5 * (lo + hi);
            if (mid == lo || mid == hi) {
                break;
            }
            if ((output(mid) > 180) == loHigh) {
                lo = mid;
            } else {
                hi = mid;
            }
        }
        for (double x : {lo, hi}) {
            const PlanetPlaceWork w = at(x);
            EXPECT_GT(w.SHA, 0.0) << "Earth input " << x;
            EXPECT_LE(w.SHA, 360.0) << "Earth input " << x;
            EXPECT_GE(w.GHA, 0.0) << "Earth input " << x;
            EXPECT_LT(w.GHA, 360.0) << "Earth input " << x;
        }
    }
}

}  // namespace
}  // namespace ephemeris
