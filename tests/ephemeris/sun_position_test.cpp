// Apparent place of the Sun, the GHA of Aries and the Earth's heliocentric
// position: worked instants, the split between UT and dynamical time, and the
// ends of the SHA range near the March equinox.
#include <gtest/gtest.h>

#include <limits>

#include "ephemeris/ephemeris.h"
#include "ephemeris/sidereal_time.h"

namespace {

using ephemeris::JulianDay;
using ephemeris::SunPosition;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SunOutputs {
    double GHA = kNaN;
    double Dec = kNaN;
    double SD = kNaN;
    double SHA = kNaN;
    double GHAAries = kNaN;
    double EarthL = kNaN;
    double EarthB = kNaN;
    double EarthR = kNaN;
    double SunAppLon = kNaN;
    double SunGeoLon = kNaN;
};

SunOutputs sunAt(double jd, double tTT) {
    SunOutputs o;
    SunPosition(jd, tTT, o.GHA, o.Dec, o.SD, o.SHA, o.GHAAries, o.EarthL, o.EarthB, o.EarthR,
                o.SunAppLon, o.SunGeoLon);
    return o;
}

// Dynamical time as the callers form it: T of JulianDay plus Delta T seconds.
struct Instant {
    double jd;
    double tTT;
};

Instant utInstant(double year, double month, double day, double hours, double deltaT) {
    double jd = 0;
    double t = 0;
    JulianDay(year, month, day, hours, jd, t);
    return {jd, t + deltaT / 3155760000};
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(SunPosition, CallersFormDynamicalTimeFromJulianDay) {
    const Instant j2000 = utInstant(2000, 1, 1, 12, 0);
    EXPECT_EQ(j2000.jd, 2451545.0);
    EXPECT_EQ(j2000.tTT, 0.0);
    const Instant oct1992 = utInstant(1992, 10, 13, 0, 0);
    EXPECT_EQ(oct1992.jd, 2448908.5);
    EXPECT_NEAR(oct1992.tTT, -0.072183436003, 0.5e-12);
    EXPECT_NEAR(utInstant(1992, 10, 13, 0, 59).tTT, -0.072183417307, 0.5e-12);
}

struct OutputRow {
    const char* instant;
    double year, month, day, hours, deltaT;
    const char* output;
    double SunOutputs::*member;
    double expected;
    double tolerance;  // one unit of the last place given
};

TEST(SunPosition, MatchesTheWorkedInstants) {
    const OutputRow rows[] = {
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "GHAAries", &SunOutputs::GHAAries, 280.45706, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "GHA", &SunOutputs::GHA, 359.17946, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "Dec", &SunOutputs::Dec, -23.03250, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "SD", &SunOutputs::SD, 16.2650, 1e-4},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "SHA", &SunOutputs::SHA, 78.72240, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "EarthL", &SunOutputs::EarthL, 100.37786, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "EarthB", &SunOutputs::EarthB, 359.99977, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "EarthR", &SunOutputs::EarthR, 0.9833278, 1e-7},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "SunAppLon", &SunOutputs::SunAppLon, 280.36819, 1e-5},
        {"2000-01-01 12h", 2000, 1, 1, 12, 0, "SunGeoLon", &SunOutputs::SunGeoLon, 280.37786, 1e-5},

        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "GHA", &SunOutputs::GHA, 183.42724, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "Dec", &SunOutputs::Dec, -7.78384, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "SD", &SunOutputs::SD, 16.0322, 1e-4},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "SHA", &SunOutputs::SHA, 161.62182, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "GHAAries", &SunOutputs::GHAAries, 21.80542, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "EarthL", &SunOutputs::EarthL, 19.90731, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "EarthB", &SunOutputs::EarthB, 359.99980, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "EarthR", &SunOutputs::EarthR, 0.9976088, 1e-7},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "SunAppLon", &SunOutputs::SunAppLon, 199.90605, 1e-5},
        {"1992-10-13 0h", 1992, 10, 13, 0, 0, "SunGeoLon", &SunOutputs::SunGeoLon, 199.90731, 1e-5},

        // Delta T moves the Sun's place but not the GHA of Aries.
        {"1992-10-13 0h, Delta T 59 s", 1992, 10, 13, 0, 59, "GHA", &SunOutputs::GHA, 183.42661,
         1e-5},
        {"1992-10-13 0h, Delta T 59 s", 1992, 10, 13, 0, 59, "Dec", &SunOutputs::Dec, -7.78409,
         1e-5},
        {"1992-10-13 0h, Delta T 59 s", 1992, 10, 13, 0, 59, "SunAppLon", &SunOutputs::SunAppLon,
         199.90673, 1e-5},
        {"1992-10-13 0h, Delta T 59 s", 1992, 10, 13, 0, 59, "GHAAries", &SunOutputs::GHAAries,
         21.80542, 1e-5},
    };
    for (const auto& r : rows) {
        const Instant at = utInstant(r.year, r.month, r.day, r.hours, r.deltaT);
        const SunOutputs o = sunAt(at.jd, at.tTT);
        EXPECT_NEAR(o.*r.member, r.expected, r.tolerance) << r.instant << ": " << r.output;
    }
}

// The sidereal time starts from JD alone: at J2000.0 the mean sidereal time is
// the constant of the rule, and the Sun's GHA of Aries adds only the equation
// of the equinoxes to it.
// Expected values: the rule's constants and the worked nutation and true
// obliquity at J2000.0.
TEST(SunPosition, SiderealTimeFollowsTheUtJulianDay) {
    EXPECT_EQ(ephemeris::ApparentSiderealTime(2451545.0, 0, 23.4), 280.46061837);

    const SunOutputs at = sunAt(2451545.0, 0);
    // Delta psi cos(epsilon) = -0.0038748840 deg x cos(23.4376898 deg).
    EXPECT_NEAR(at.GHAAries, 280.46061837 - 0.0035551797, 1e-9);

    // One UT day later at the same dynamical time: Aries and the Sun's GHA
    // advance by the mean sidereal rate; the Sun itself does not move.
    const SunOutputs next = sunAt(2451546.0, 0);
    EXPECT_NEAR(ephemeris::Normalize360(next.GHAAries - at.GHAAries), 0.98564736629, 1e-9);
    EXPECT_NEAR(ephemeris::Normalize360(next.GHA - at.GHA), 0.98564736629, 1e-9);
    EXPECT_EQ(next.Dec, at.Dec);
    EXPECT_EQ(next.SD, at.SD);
    EXPECT_EQ(next.SHA, at.SHA);
    EXPECT_EQ(next.EarthL, at.EarthL);
    EXPECT_EQ(next.EarthB, at.EarthB);
    EXPECT_EQ(next.EarthR, at.EarthR);
    EXPECT_EQ(next.SunAppLon, at.SunAppLon);
    EXPECT_EQ(next.SunGeoLon, at.SunGeoLon);
}

// Delta T reaches the GHA of Aries only through the nutation term, a few
// 1e-8 degrees for 59 s.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(SunPosition, DeltaTBarelyTouchesTheGhaOfAries) {
    const Instant ut = utInstant(1992, 10, 13, 0, 0);
    const Instant tt = utInstant(1992, 10, 13, 0, 59);
    const SunOutputs a = sunAt(ut.jd, ut.tTT);
    const SunOutputs b = sunAt(tt.jd, tt.tTT);
    EXPECT_NE(a.GHAAries, b.GHAAries);
    EXPECT_NEAR(a.GHAAries, b.GHAAries, 1e-7);
    EXPECT_GT(a.GHA - b.GHA, 0.0005);
}

// The Earth's latitude is reduced like a longitude: south of the ecliptic it
// comes back just below 360, never negative.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(SunPosition, SouthernEarthLatitudeComesBackBelow360) {
    const Instant instants[] = {utInstant(2000, 1, 1, 12, 0), utInstant(1992, 10, 13, 0, 0)};
    for (const auto& at : instants) {
        const SunOutputs o = sunAt(at.jd, at.tTT);
        EXPECT_GT(o.EarthB, 359.999) << at.jd;
        EXPECT_LT(o.EarthB, 360.0) << at.jd;
    }
}

// Near the March equinox the right ascension is zero to within rounding. SHA
// must come out as 360 there, never as 0: where 360 - alpha rounds to 360,
// and where a right ascension a hair below zero reduces to exactly 360 (it is
// taken as 0 then). The instants are dynamical times found by bisection on the
// sign of the right ascension; JD only sets the sidereal time.
TEST(SunPosition, ShaIs360NotZeroAtZeroRightAscension) {
    struct Case {
        const char* name;
        double tTT;
    };
    const Case cases[] = {
        {"1986 March, alpha 4e-16 deg", -0.13783930917591991},
        {"2001 March, alpha 5e-15 deg", 0.012157801386586316},
        {"2008 March, alpha -4e-15 deg reduced to 360", 0.082155854038878443},
    };
    for (const auto& c : cases) {
        const SunOutputs o = sunAt(2451545 + 36525 * c.tTT, c.tTT);
        EXPECT_EQ(o.SHA, 360.0) << c.name;
        const double fromEquinox = o.SunAppLon < 180 ? o.SunAppLon : 360 - o.SunAppLon;
        EXPECT_LT(fromEquinox, 0.001) << c.name;
        EXPECT_NEAR(o.Dec, 0.0, 0.001) << c.name;
        EXPECT_NEAR(o.GHA, o.GHAAries, 1e-12) << c.name;
    }
}

// Over a year in steps of a little over two days every output stays in its
// range and the semi-diameter follows the radius vector.
TEST(SunPosition, OutputsStayInTheirRangesOverAYear) {
    for (int step = 0; step < 170; ++step) {
        const double jd = 2451545.0 + 2.17 * step;
        const double tTT = (jd - 2451545) / 36525 + 64.0 / 3155760000;
        const SunOutputs o = sunAt(jd, tTT);
        for (double angle : {o.GHA, o.GHAAries, o.EarthL, o.EarthB, o.SunAppLon, o.SunGeoLon}) {
            EXPECT_GE(angle, 0.0) << jd;
            EXPECT_LT(angle, 360.0) << jd;
        }
        EXPECT_GT(o.SHA, 0.0) << jd;
        EXPECT_LE(o.SHA, 360.0) << jd;
        EXPECT_LE(o.Dec, 23.45) << jd;
        EXPECT_GE(o.Dec, -23.45) << jd;
        EXPECT_GT(o.EarthR, 0.98) << jd;
        EXPECT_LT(o.EarthR, 1.02) << jd;
        EXPECT_NEAR(o.SD * 60 * o.EarthR, 959.63, 1e-9) << jd;
    }
}

}  // namespace
