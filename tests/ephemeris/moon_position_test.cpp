// The Moon's apparent place: the term tables, the fundamental arguments and
// sums, the worked instants of 1992 April 12 and J2000.0, the phase cut at
// its edges, and finite results over ten thousand years either side.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "ephemeris/ephemeris.h"
#include "ephemeris/moon_terms.h"

namespace {

using ephemeris::JulianDay;
using ephemeris::kMoonLatTerms;
using ephemeris::kMoonLonDistTerms;
using ephemeris::MoonArguments;
using ephemeris::MoonEccentricityFactor;
using ephemeris::MoonFundamentalArguments;
using ephemeris::MoonPeriodicSums;
using ephemeris::MoonPosition;
using ephemeris::MoonSums;
using ephemeris::SunPosition;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct MoonPlace {
    double gha = kNaN;
    double dec = kNaN;
    double sd = kNaN;
    double hp = kNaN;
    double illum = kNaN;
    double distKm = kNaN;
    double elong = kNaN;
};

MoonPlace moonAt(double jd, double tTT, double sunAppLon) {
    MoonPlace p;
    MoonPosition(jd, tTT, sunAppLon, p.gha, p.dec, p.sd, p.hp, p.illum, p.distKm, p.elong);
    return p;
}

// JD and T_TT as every caller forms them.
void instant(double year, double month, double day, double hours, double deltaT, double& jd,
             double& tTT) {
    const ephemeris::TimeArguments t = ephemeris::TimeArgumentsFor(year, month, day, hours, deltaT);
    jd = t.JD;
    tTT = t.T_TT;
}

double sunApparentLongitude(double jd, double tTT) {
    return ephemeris::SunPlaceAt(jd, tTT).SunAppLon;
}

// --- Term tables -----------------------------------------------------------

struct LonDistRow {
    int row;
    int d, m, mp, f;
    double lon, dist;
};

TEST(MoonTerms, LongitudeAndDistanceRows) {
    ASSERT_EQ(kMoonLonDistTerms.size(), 60u);
    const LonDistRow rows[] = {
        {1, 0, 0, 1, 0, 6288774, -20905355},  // first: the equation of the centre
        {2, 2, 0, -1, 0, 1274027, -3699111},  // evection
        {5, 0, 1, 0, 0, -185116, 48888},      // annual equation, factor E
        {7, 2, 0, -2, 0, 58793, 246158},      // positive distance coefficient
        {15, 0, 0, 1, 2, -12528, 0},          // longitude only
        {32, 2, -2, 0, 0, 2236, -9884},       // factor E^2
        {34, 0, 2, 0, 0, -2069, 0},           // factor E^2, longitude only
        {44, 2, 2, -1, 0, -700, 2354},        // factor E^2
        {52, 0, 0, 2, -2, -381, -4421},       // small longitude, larger distance
        {57, 0, 2, 1, 0, -323, 1165},         // factor E^2
        {59, 2, 0, 3, 0, 294, 0},             // last longitude-only row
        {60, 2, 0, -1, -2, 0, 8752},          // last: distance only
    };
    for (const auto& r : rows) {
        const auto& t = kMoonLonDistTerms[r.row - 1];
        EXPECT_EQ(t.D, r.d) << "row " << r.row;
        EXPECT_EQ(t.M, r.m) << "row " << r.row;
        EXPECT_EQ(t.Mp, r.mp) << "row " << r.row;
        EXPECT_EQ(t.F, r.f) << "row " << r.row;
        EXPECT_EQ(t.Lon, r.lon) << "row " << r.row;
        EXPECT_EQ(t.Dist, r.dist) << "row " << r.row;
    }
}

// Row 60 feeds the distance alone; fourteen rows feed the longitude alone.
TEST(MoonTerms, RowsThatFeedOneSumOnly) {
    const std::set<int> longitudeOnly = {15, 29, 34, 37, 39, 45, 46, 51, 53, 54, 55, 56, 58, 59};
    for (int row = 1; row <= 60; ++row) {
        const auto& t = kMoonLonDistTerms[row - 1];
        EXPECT_EQ(t.Dist == 0, longitudeOnly.count(row) == 1) << "row " << row;
        EXPECT_EQ(t.Lon == 0, row == 60) << "row " << row;
    }
}

struct LatRow {
    int row;
    int d, m, mp, f;
    double lat;
};

TEST(MoonTerms, LatitudeRows) {
    ASSERT_EQ(kMoonLatTerms.size(), 60u);
    const LatRow rows[] = {
        {1, 0, 0, 0, 1, 5128122},  // first: the main term of latitude
        {4, 2, 0, 0, -1, 173237},  // the largest term in D
        {14, 2, 1, 0, -1, -3359},  // first negative coefficient, factor E
        {21, 0, 0, 0, 3, -1749},   // triple argument of latitude
        {44, 2, -2, 0, -1, 302},   // factor E^2
        {47, 1, 1, 0, -1, 223},    // equal pair 47 and 48, F of either sign
        {48, 1, 1, 0, 1, 223},     // second of the pair
        {49, 0, 1, -2, -1, -220},  // equal pair 49 and 50
        {50, 2, 1, -1, -1, -220},  // second of the pair
        {60, 2, -2, 0, 1, 107},    // last, factor E^2
    };
    for (const auto& r : rows) {
        const auto& t = kMoonLatTerms[r.row - 1];
        EXPECT_EQ(t.D, r.d) << "row " << r.row;
        EXPECT_EQ(t.M, r.m) << "row " << r.row;
        EXPECT_EQ(t.Mp, r.mp) << "row " << r.row;
        EXPECT_EQ(t.F, r.f) << "row " << r.row;
        EXPECT_EQ(t.Lat, r.lat) << "row " << r.row;
    }
    for (int row = 1; row <= 60; ++row) {
        EXPECT_NE(kMoonLatTerms[row - 1].Lat, 0) << "row " << row;
    }
}

// --- Arguments and sums ----------------------------------------------------

// Expected values: worked examples (exact doubles where compared exactly).
TEST(MoonSeries, ArgumentsAtJ2000AreTheConstantTerms) {
    const MoonArguments a = MoonFundamentalArguments(0);
    EXPECT_DOUBLE_EQ(a.D, 297.8502042);
    EXPECT_DOUBLE_EQ(a.F, 93.2720993);
    EXPECT_DOUBLE_EQ(a.Lp, 218.3164591);
    EXPECT_DOUBLE_EQ(a.M, 357.5291092);
    EXPECT_DOUBLE_EQ(a.Mp, 134.9634114);
    EXPECT_EQ(MoonEccentricityFactor(0), 1);
}

// 1992 April 12, 0 h UT, Delta T 0: arguments to 1e-6 degree, sums to 0.1 of
// their units (1e-6 degree and 1e-3 km).
TEST(MoonSeries, ArgumentsAndSumsOf1992April12) {
    double jd = 0;
    double t = 0;
    instant(1992, 4, 12, 0, 0, jd, t);
    ASSERT_EQ(jd, 2448724.5);
    ASSERT_NEAR(t, -0.077221081451, 5e-13);

    const MoonArguments a = MoonFundamentalArguments(t);
    EXPECT_NEAR(a.D, 113.842309, 1e-6);
    EXPECT_NEAR(a.M, 97.643514, 1e-6);
    EXPECT_NEAR(a.Mp, 5.150839, 1e-6);
    EXPECT_NEAR(a.F, 219.889726, 1e-6);
    EXPECT_NEAR(a.Lp, 134.290186, 1e-6);
    EXPECT_NEAR(MoonEccentricityFactor(t), 1.000194, 1e-6);

    const MoonSums s = MoonPeriodicSums(a, t);
    EXPECT_NEAR(s.Lon, -1127526.4, 0.1);
    EXPECT_NEAR(s.Lat, -3229126.8, 0.1);
    EXPECT_NEAR(s.Dist, -16590875.5, 0.1);
}

// --- Worked instants -------------------------------------------------------

struct WorkedCase {
    const char* name;
    double year, month, day, hours, deltaT;
    double sunAppLon;  // the Sun's apparent longitude as printed
    double gha, dec, sd, hp, illum, distKm, elong;
};

// The Sun's longitude is taken from SunPosition, as a window does; the printed
// value only checks it. Agreement to one unit of the last place shown; the
// percentage is cut to 0.1 (67.78 gives 67.7). At J2000.0 the right ascension
// is -137.556 before it enters the hour angle.
TEST(MoonPosition, WorkedInstants) {
    const WorkedCase cases[] = {
        {"1992 Apr 12 0h", 1992, 4, 12, 0, 0, 22.339793, 65.757980, 13.768361, 16.2179, 59.5194,
         67.7, 368409.685, 110.827484},
        {"J2000.0", 2000, 1, 1, 12, 0, 280.368192, 58.013366, -10.897518, 14.8463, 54.4854, 22.8,
         402444.816, 302.946654},
    };
    for (const auto& c : cases) {
        double jd = 0;
        double t = 0;
        instant(c.year, c.month, c.day, c.hours, c.deltaT, jd, t);
        const double sun = sunApparentLongitude(jd, t);
        EXPECT_NEAR(sun, c.sunAppLon, 1e-6) << c.name;

        const MoonPlace p = moonAt(jd, t, sun);
        EXPECT_NEAR(p.gha, c.gha, 1e-6) << c.name;
        EXPECT_NEAR(p.dec, c.dec, 1e-6) << c.name;
        EXPECT_NEAR(p.sd, c.sd, 1e-4) << c.name;
        EXPECT_NEAR(p.hp, c.hp, 1e-4) << c.name;
        EXPECT_NEAR(p.illum, c.illum, 1e-9) << c.name;
        EXPECT_NEAR(p.distKm, c.distKm, 1e-3) << c.name;
        EXPECT_NEAR(p.elong, c.elong, 1e-6) << c.name;
    }
}

// The Sun's longitude enters only the phase and the elongation.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(MoonPosition, SunLongitudeChangesOnlyPhaseAndElongation) {
    double jd = 0;
    double t = 0;
    instant(2000, 1, 1, 12, 0, jd, t);
    const MoonPlace ref = moonAt(jd, t, 280.368192);
    const double sunLons[] = {0, 22.339793, 123.25, 180, 302.946654, 359.999, -45, 720, 1e6};
    for (const double s : sunLons) {
        const MoonPlace p = moonAt(jd, t, s);
        EXPECT_EQ(p.gha, ref.gha) << s;
        EXPECT_EQ(p.dec, ref.dec) << s;
        EXPECT_EQ(p.sd, ref.sd) << s;
        EXPECT_EQ(p.hp, ref.hp) << s;
        EXPECT_EQ(p.distKm, ref.distKm) << s;
        // The elongation moves by the change of the Sun's longitude.
        const double expected = ephemeris::Normalize360(ref.elong + 280.368192 - s);
        EXPECT_NEAR(std::remainder(p.elong - expected, 360), 0, 1e-8) << s;
        EXPECT_GE(p.illum, 0) << s;
        EXPECT_LE(p.illum, 100) << s;
    }
    EXPECT_NE(moonAt(jd, t, 0).illum, ref.illum);
    EXPECT_NE(moonAt(jd, t, 0).elong, ref.elong);
}

// --- Phase edges -----------------------------------------------------------

// The Moon's apparent longitude as a double: with the Sun at 0 the elongation
// is that longitude, and a Sun placed 90 degrees behind must then give an
// elongation of exactly 90.
double moonApparentLongitude(double jd, double t) {
    const double lon = moonAt(jd, t, 0).elong;
    EXPECT_EQ(moonAt(jd, t, lon - 90).elong, 90) << "longitude not exact";
    return lon;
}

struct PhaseCase {
    double elongation;
    double illum;
};

// CosD(90) is a small positive number and the percentage is cut: 90 gives
// 49.9 but 270 gives 50.0.
TEST(MoonPosition, PhaseIsCutAtItsEdges) {
    double jd = 0;
    double t = 0;
    instant(1992, 4, 12, 0, 0, jd, t);
    const double moonLon = moonApparentLongitude(jd, t);
    const PhaseCase cases[] = {
        {0, 0.0}, {60, 24.9}, {90, 49.9}, {120, 74.9}, {180, 100.0}, {270, 50.0},
    };
    for (const auto& c : cases) {
        const MoonPlace p = moonAt(jd, t, moonLon - c.elongation);
        ASSERT_EQ(p.elong, ephemeris::Normalize360(c.elongation)) << c.elongation;
        EXPECT_NEAR(p.illum, c.illum, 1e-9) << c.elongation;
    }
}

// A Sun one step east of the Moon gives an elongation just below 0, which
// stays in [0, 360) as 0 rather than a full turn.
TEST(MoonPosition, ElongationNeverReachesAFullTurn) {
    double jd = 0;
    double t = 0;
    instant(1992, 4, 9, 0, 0, jd, t);  // Moon's longitude near 90
    const double moonLon = moonApparentLongitude(jd, t);
    ASSERT_LT(moonLon, 128);
    const MoonPlace p = moonAt(jd, t, std::nextafter(moonLon, 1000.0));
    EXPECT_EQ(p.elong, 0);
    EXPECT_EQ(p.illum, 0);
}

// --- Range -----------------------------------------------------------------

// Every output finite and in its range from 8000 BC to AD 12000, every 0.37
// century with a UT offset; the arcsine arguments of the parallax and the
// semi-diameter stay below 0.02.
TEST(MoonPosition, FiniteAndInRangeOverTenThousandYearsEitherSide) {
    for (double t = -100; t <= 100; t += 0.37) {
        const double jd = 2451545 + 36525 * t;
        const double tTT = t + 3e-8;
        const double sun = ephemeris::Normalize360(280 + 36000 * t);
        const MoonPlace p = moonAt(jd, tTT, sun);
        ASSERT_TRUE(std::isfinite(p.gha) && std::isfinite(p.dec) && std::isfinite(p.sd) &&
                    std::isfinite(p.hp) && std::isfinite(p.illum) && std::isfinite(p.distKm) &&
                    std::isfinite(p.elong))
            << "T = " << t;
        EXPECT_GE(p.gha, 0) << t;
        EXPECT_LT(p.gha, 360) << t;
        EXPECT_LE(std::fabs(p.dec), 30) << t;
        EXPECT_GE(p.illum, 0) << t;
        EXPECT_LE(p.illum, 100) << t;
        EXPECT_GE(p.elong, 0) << t;
        EXPECT_LT(p.elong, 360) << t;
        EXPECT_GT(p.distKm, 6378.14 / 0.02) << t;
        EXPECT_GT(p.sd, 0) << t;
        EXPECT_GT(p.hp, p.sd) << t;
    }
}

// A Julian day far outside any calendar and a Sun longitude of any size
// still give finite results.
TEST(MoonPosition, ExtremeArgumentsStayFinite) {
    struct Case {
        double jd, tTT, sun;
    };
    const Case cases[] = {
        {0, -67.11964, 0},
        {1e7, 211.4, 1e300},
        {2451545, 0, -1e300},
        {-1e9, 0, 90},
    };
    for (const auto& c : cases) {
        const MoonPlace p = moonAt(c.jd, c.tTT, c.sun);
        EXPECT_TRUE(std::isfinite(p.gha) && std::isfinite(p.dec) && std::isfinite(p.sd) &&
                    std::isfinite(p.hp) && std::isfinite(p.illum) && std::isfinite(p.distKm) &&
                    std::isfinite(p.elong))
            << c.jd;
        EXPECT_GE(p.gha, 0) << c.jd;
        EXPECT_LT(p.gha, 360) << c.jd;
    }
}

}  // namespace
