// Nutation in longitude and obliquity and the true obliquity, to the exact
// double at J2000.0, in the present century and half a century before 1950.
// Expected values: worked examples (exact doubles where compared exactly),
// unless a case names another source.
#include <gtest/gtest.h>

#include <limits>

#include "ephemeris/ephemeris.h"

namespace {

using ephemeris::Nutation;
using ephemeris::TrueObliquity;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct NutationCase {
    const char* name;
    double t;
    double deltaPsiArcsec;
    double deltaEpsArcsec;
};

// The sums are formed in arc seconds; the outputs are degrees. A negative T
// exercises the reduction of the fundamental arguments (the node is near 12
// degrees at T = -0.5, after a reduction from below zero).
TEST(Nutation, MatchesTheSeriesInArcSeconds) {
    const NutationCase cases[] = {
        {"J2000.0", 0, -13.949582529587, -5.764602461276773},
        {"T = 0.14", 0.14, 10.401297442734128, -8.259736124627254},
        {"T = -0.5", -0.5, -3.304132591888836, 8.346410963723205},
    };
    for (const auto& c : cases) {
        double deltaPsi = kNaN;
        double deltaEps = kNaN;
        Nutation(c.t, deltaPsi, deltaEps);
        EXPECT_EQ(deltaPsi * 3600, c.deltaPsiArcsec) << c.name;
        EXPECT_EQ(deltaEps * 3600, c.deltaEpsArcsec) << c.name;
    }
}

// Three millennia from J2000.0 the tau^4 / 15299 and tau^5 / 1988000 terms of
// the Sun's mean longitude move the sums by 3e-9 to 3e-8 arc seconds. The
// expected values are the same series worked in 50-digit arithmetic; double
// rounding of the large arguments stays below 4e-11 arc seconds.
TEST(Nutation, KeepsTheHighPowersOfTheSunsMeanLongitude) {
    const NutationCase cases[] = {
        {"T = 30", 30, -14.533783853089429, 3.9373137000540805},
        {"T = -30", -30, 2.8393435297731989, -9.5767564076564228},
    };
    for (const auto& c : cases) {
        double deltaPsi = kNaN;
        double deltaEps = kNaN;
        Nutation(c.t, deltaPsi, deltaEps);
        EXPECT_NEAR(deltaPsi * 3600, c.deltaPsiArcsec, 1e-9) << c.name;
        EXPECT_NEAR(deltaEps * 3600, c.deltaEpsArcsec, 1e-9) << c.name;
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(Nutation, ReturnsDegreesAtJ2000) {
    double deltaPsi = kNaN;
    double deltaEps = kNaN;
    Nutation(0, deltaPsi, deltaEps);
    EXPECT_EQ(deltaPsi, -0.003874884035996389);
    EXPECT_EQ(deltaEps, -0.0016012784614657704);
}

TEST(TrueObliquity, AddsTheNutationToTheMeanObliquity) {
    struct Case {
        const char* name;
        double t;
        double deltaEps;
        double expected;
    };
    const Case cases[] = {
        {"mean obliquity at J2000.0", 0, 0, 23.439291111111114},
        {"true obliquity at J2000.0", 0, -0.0016012784614657704, 23.43768983264965},
    };
    for (const auto& c : cases) {
        double epsilon = kNaN;
        TrueObliquity(c.t, c.deltaEps, epsilon);
        EXPECT_EQ(epsilon, c.expected) << c.name;
    }
}

// IAU 1980 polynomial worked by hand a century either side of J2000.0:
// 84381.448 -+ 46.815 - 0.00059 +- 0.001813 arc seconds.
TEST(TrueObliquity, FollowsTheMeanObliquityPolynomial) {
    struct Case {
        double t;
        double expected;
    };
    const Case cases[] = {
        {1, 84334.634223 / 3600.0},
        {-1, 84428.260597 / 3600.0},
    };
    for (const auto& c : cases) {
        double epsilon = kNaN;
        TrueObliquity(c.t, 0, epsilon);
        EXPECT_NEAR(epsilon, c.expected, 1e-12) << "T = " << c.t;
    }
}

TEST(TrueObliquity, TakesTheNutationThatNutationReturns) {
    double deltaPsi = kNaN;
    double deltaEps = kNaN;
    Nutation(0, deltaPsi, deltaEps);
    double epsilon = kNaN;
    TrueObliquity(0, deltaEps, epsilon);
    EXPECT_EQ(epsilon, 23.43768983264965);
}

// The last T's sums are kept: a T asked again after another gives the same
// doubles, and +0 and -0 are each worked as their own argument.
TEST(Nutation, RepeatedArgumentGivesTheSameDoubles) {
    double psi1 = kNaN, eps1 = kNaN, psi2 = kNaN, eps2 = kNaN, psi3 = kNaN, eps3 = kNaN;
    Nutation(0.14, psi1, eps1);
    Nutation(-0.5, psi2, eps2);
    Nutation(0.14, psi3, eps3);
    EXPECT_EQ(psi3, psi1);
    EXPECT_EQ(eps3, eps1);
    EXPECT_EQ(psi1 * 3600, 10.401297442734128);
    EXPECT_EQ(eps2 * 3600, 8.346410963723205);
    Nutation(-0.0, psi2, eps2);
    Nutation(0.0, psi3, eps3);
    EXPECT_EQ(psi2, -0.003874884035996389);
    EXPECT_EQ(psi3, -0.003874884035996389);
}

// One mean obliquity for every caller: the polynomial of TrueObliquity.
// Expected values: the worked mean obliquity at J2000.0 and the polynomial
// worked by hand a century on (as above).
TEST(MeanObliquity, IsTheTrueObliquityWithoutNutation) {
    EXPECT_EQ(ephemeris::MeanObliquity(0), 23.439291111111114);
    for (const double t : {-1.0, -0.072183436003, 0.2399863, 1.0, 30.0}) {
        double epsilon = kNaN;
        TrueObliquity(t, 0.001, epsilon);
        EXPECT_EQ(epsilon, ephemeris::MeanObliquity(t) + 0.001) << t;
    }
    EXPECT_NEAR(ephemeris::MeanObliquity(1), 84334.634223 / 3600.0, 1e-12);
}

}  // namespace
