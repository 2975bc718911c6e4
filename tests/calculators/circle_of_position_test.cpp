// Circles of position from horizontal angles and the three-point resection.
#include "calculators/circle_of_position.h"
#include "ephemeris/ephemeris.h"
#include "tests/calculators/sphere_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using calculators::CircleOfPosition;
using calculators::ThreePointFix;
using calculators::ThreePointStatus;

using spheretest::destination;
using spheretest::haversineNm;
using spheretest::kTruePi;
using spheretest::kTrueRad;
using spheretest::LatLon;

struct Circle {
    double East = 0;
    double North = 0;
    double Radius = 0;
};

Circle circleOf(LatLon p1, LatLon p2, double angle) {
    Circle c;
    CircleOfPosition(p1.Lat, p1.Lon, p2.Lat, p2.Lon, angle, c.East, c.North, c.Radius);
    return c;
}

// Offset of p from the origin landmark in the flat frame, with the longitude
// difference taken the short way round.
void flatOffset(LatLon origin, LatLon p, double& east, double& north) {
    double dLon = p.Lon - origin.Lon;
    if (dLon > 180) {
        dLon -= 360;
    } else if (dLon < -180) {
        dLon += 360;
    }
    north = 60 * (p.Lat - origin.Lat);
    east = 60 * dLon * std::cos((origin.Lat + p.Lat) / 2 * kTrueRad);
}

// The angle (degrees, 0..180) at (x, y) between the directions to two points.
double angleAt(double x, double y, double x1, double y1, double x2, double y2) {
    const double b1 = std::atan2(x1 - x, y1 - y);
    const double b2 = std::atan2(x2 - x, y2 - y);
    double a = std::fabs(b2 - b1) / kTrueRad;
    if (a > 180) {
        a = 360 - a;
    }
    return a;
}

struct FixOutcome {
    ThreePointStatus Status = ThreePointStatus::NoCandidate;
    double East = -1;
    double North = -1;
    double Lat = -1;
    double Lon = -1;
};

FixOutcome fixOf(LatLon a, LatLon b, LatLon c, double angleAB, double angleBC) {
    FixOutcome f;
    f.Status = ThreePointFix(a.Lat, a.Lon, b.Lat, b.Lon, c.Lat, c.Lon, angleAB, angleBC, f.East,
                             f.North, f.Lat, f.Lon);
    return f;
}

// --- CircleOfPosition: the worked circles ----------------------------------

TEST(CircleOfPositionTest, WorkedCircles) {
    // Landmark 1 at 0, 0 and landmark 2 0.1 degree east or west (6 n.mi.),
    // angle 60: radius 2 sqrt(3), centre 3 n.mi. along the chord and sqrt(3)
    // to its right. Tolerance 5e-6: the shortened degree factor 0.01745329
    // is 1.4e-7 short, which moves the values by parts in 1e7.
    const double r3 = std::sqrt(3.0);
    struct Case {
        const char* name;
        LatLon p1, p2;
        double angle;
        double east, north, radius;
    };
    const std::vector<Case> cases = {
        {"east chord", {0, 0}, {0, 0.1}, 60, 3, -r3, 2 * r3},
        {"west chord", {0, 0}, {0, -0.1}, 60, -3, r3, 2 * r3},
        {"east chord across 180", {0, 179.95}, {0, -179.95}, 60, 3, -r3, 2 * r3},
        {"west chord across 180", {0, -179.95}, {0, 179.95}, 60, -3, r3, 2 * r3},
        {"north chord", {0, 0}, {0.1, 0}, 60, r3, 3, 2 * r3},
        // Above 90 degrees the centre moves to the left of the chord.
        {"obtuse", {0, 0}, {0, 0.1}, 120, 3, r3, 2 * r3},
    };
    for (const Case& c : cases) {
        const Circle got = circleOf(c.p1, c.p2, c.angle);
        EXPECT_NEAR(got.East, c.east, 5e-6) << c.name;
        EXPECT_NEAR(got.North, c.north, 5e-6) << c.name;
        EXPECT_NEAR(got.Radius, c.radius, 5e-6) << c.name;
    }
}

TEST(CircleOfPositionTest, RightAngleCentreOnChordMidpoint) {
    // 90 degrees: radius half the chord; the centre is the chord's midpoint,
    // off it by about 2.3e-7 of the radius from the shortened factors.
    const Circle got = circleOf({10, 20}, {10.05, 20.08}, 90);
    const double east2 = 60 * 0.08 * std::cos(10.025 * kTrueRad);
    const double north2 = 60 * 0.05;
    const double chord = std::hypot(east2, north2);
    EXPECT_NEAR(got.Radius, chord / 2, 1e-9);
    const double off = std::hypot(got.East - east2 / 2, got.North - north2 / 2);
    EXPECT_LT(off, 5e-7 * got.Radius);
}

TEST(CircleOfPositionTest, ZeroAngleAndCoincidentLandmarks) {
    // Angle 0: the half-angle tangent 0 is taken as 1e-06.
    const Circle wide = circleOf({0, 0}, {0, 0.1}, 0);
    EXPECT_NEAR(wide.Radius, 0.25 * 6 * (1e-06 + 1000000), 1e-3);
    // The quarter turn 1.5707963 is 2.7e-8 short: the far centre swings off
    // the bisector by that part of its distance.
    EXPECT_NEAR(wide.East, 3, 3e-8 * wide.Radius);
    EXPECT_LT(wide.North, -1e6);  // far to the right of the eastward chord
    EXPECT_TRUE(std::isfinite(wide.North));

    const Circle point = circleOf({12.5, -40.25}, {12.5, -40.25}, 45);
    EXPECT_EQ(point.Radius, 0);
    EXPECT_EQ(point.East, 0);
    EXPECT_EQ(point.North, 0);
}

TEST(CircleOfPositionTest, MirrorOrderGivesMirrorCircle) {
    // Landmarks swapped: the circle reflected across the chord. The second
    // circle's centre comes from landmark 2; move it into landmark 1's frame.
    const LatLon p1{45, -70}, p2{45.07, -69.9};
    double e2 = 0, n2 = 0;
    flatOffset(p1, p2, e2, n2);
    for (const double angle : {30.0, 75.0, 120.0}) {
        const Circle c = circleOf(p1, p2, angle);
        const Circle m = circleOf(p2, p1, angle);
        const double mEast = m.East + e2;
        const double mNorth = m.North + n2;
        EXPECT_NEAR(m.Radius, c.Radius, 1e-9) << angle;
        // Midpoint of the two centres is the chord's midpoint ...
        EXPECT_NEAR((c.East + mEast) / 2, e2 / 2, 1e-6) << angle;
        EXPECT_NEAR((c.North + mNorth) / 2, n2 / 2, 1e-6) << angle;
        // ... and the line between them is perpendicular to the chord.
        const double dot = (c.East - mEast) * e2 + (c.North - mNorth) * n2;
        EXPECT_NEAR(dot, 0, 1e-5) << angle;
        EXPECT_GT(std::hypot(c.East - mEast, c.North - mNorth), 0.1) << angle;
    }
}

TEST(CircleOfPositionTest, LongitudeReduction) {
    // Differences in -180..180 come back bit for bit (-180 as 180); others
    // are brought in.
    using ephemeris::wrapLongitude;
    for (const double lon : {0.0, 0.1, -0.1, 179.999, 180.0, 1e-300}) {
        EXPECT_EQ(wrapLongitude(lon), lon);
    }
    EXPECT_EQ(wrapLongitude(-180.0), 180);
    EXPECT_NEAR(wrapLongitude(359.9), -0.1, 1e-12);
    EXPECT_NEAR(wrapLongitude(-359.9), 0.1, 1e-12);
    EXPECT_NEAR(wrapLongitude(540.5), -179.5, 1e-12);
    EXPECT_NEAR(wrapLongitude(-190), 170, 1e-12);
    // The offsets take the short way round: 0.1 degree across 180 is 6 n.mi.
    // on the equator, east or west.
    double east = 0, north = 0;
    calculators::LandmarkOffset(0, 179.95, 0, -179.95, east, north);
    EXPECT_NEAR(east, 6, 1e-9);
    EXPECT_EQ(north, 0);
    calculators::LandmarkOffset(0, -179.95, 0, 179.95, east, north);
    EXPECT_NEAR(east, -6, 1e-9);
}

// --- ThreePointFix ----------------------------------------------------------

// The protractor's default landmarks: A 0 0, B 1' N 1' W, C 2' N 3' W.
const LatLon kA{0, 0};
const LatLon kB{1.0 / 60, -1.0 / 60};
const LatLon kC{2.0 / 60, -3.0 / 60};

TEST(ThreePointFixTest, WorkedFixSeesTheMeasuredAngles) {
    const FixOutcome f = fixOf(kA, kB, kC, 34, 56);
    ASSERT_EQ(f.Status, ThreePointStatus::Fix);
    double eB = 0, nB = 0, eC = 0, nC = 0;
    flatOffset(kA, kB, eB, nB);
    flatOffset(kA, kC, eC, nC);
    // From the fix the landmarks are seen under the two angles, left to right
    // (tolerance: the shortened degree factors, and the acceptance of a point
    // found on circle A alone).
    EXPECT_NEAR(angleAt(f.East, f.North, 0, 0, eB, nB), 34, 1e-4);
    EXPECT_NEAR(angleAt(f.East, f.North, eB, nB, eC, nC), 56, 1e-4);
    // Left of the middle landmark as seen from the fix: A, B, C clockwise.
    const double bA = std::atan2(-f.East, -f.North);
    const double bB = std::atan2(eB - f.East, nB - f.North);
    const double bC = std::atan2(eC - f.East, nC - f.North);
    EXPECT_GT(std::remainder(bB - bA, 2 * kTruePi), 0);
    EXPECT_GT(std::remainder(bC - bB, 2 * kTruePi), 0);
    // Latitude and longitude from the offsets.
    EXPECT_NEAR(f.Lat, f.North / 60, 1e-12);
    EXPECT_NEAR(f.Lon, f.East / 60 / std::cos(f.North / 120 * kTrueRad), 1e-12);
}

TEST(ThreePointFixTest, BothCirclesPassThroughFixAndTheirLandmarks) {
    struct Case {
        LatLon a, b, c;
        double ab, bc;
    };
    const std::vector<Case> cases = {
        {kA, kB, kC, 34, 56},
        {{50.1, -4.2}, {50.15, -4.1}, {50.12, -3.95}, 40, 65},
        {{-33.9, 151.2}, {-33.85, 151.3}, {-33.92, 151.4}, 70, 50},
    };
    for (const Case& c : cases) {
        const FixOutcome f = fixOf(c.a, c.b, c.c, c.ab, c.bc);
        ASSERT_EQ(f.Status, ThreePointStatus::Fix);
        double eB = 0, nB = 0, eC = 0, nC = 0;
        flatOffset(c.a, c.b, eB, nB);
        flatOffset(c.a, c.c, eC, nC);
        const Circle ca = circleOf(c.a, c.b, c.ab);
        const Circle cb = circleOf(c.b, c.c, c.bc);
        const double xb = cb.East + eB;
        const double yb = cb.North + nB;
        // Circle A: landmarks A and B and the fix.
        EXPECT_NEAR(std::hypot(ca.East, ca.North), ca.Radius, 1e-6);
        EXPECT_NEAR(std::hypot(ca.East - eB, ca.North - nB), ca.Radius, 1e-6);
        EXPECT_NEAR(std::hypot(ca.East - f.East, ca.North - f.North), ca.Radius, 1e-6);
        // Circle B: landmarks B and C (C in B's own frame) and the fix.
        double eCB = 0, nCB = 0;
        flatOffset(c.b, c.c, eCB, nCB);
        EXPECT_NEAR(std::hypot(cb.East, cb.North), cb.Radius, 1e-6);
        EXPECT_NEAR(std::hypot(cb.East - eCB, cb.North - nCB), cb.Radius, 1e-6);
        EXPECT_NEAR(std::hypot(xb - f.East, yb - f.North), cb.Radius, 1e-3 * cb.Radius);
        // The fix is not landmark B, the other crossing of the two circles.
        EXPECT_GT(std::hypot(f.East - eB, f.North - nB), 0.1 * cb.Radius);
    }
}

TEST(ThreePointFixTest, MirrorOrderIsNotTheObserver) {
    // The landmarks given right to left: the circles are mirrored, and the
    // point found is one from which C, B, A are seen left to right under the
    // same angles, not the observer.
    const FixOutcome f = fixOf(kA, kB, kC, 34, 56);
    const FixOutcome m = fixOf(kC, kB, kA, 56, 34);
    ASSERT_EQ(f.Status, ThreePointStatus::Fix);
    ASSERT_EQ(m.Status, ThreePointStatus::Fix);
    EXPECT_GT(haversineNm({f.Lat, f.Lon}, {m.Lat, m.Lon}), 0.5);
    double eB = 0, nB = 0, eA = 0, nA = 0;
    flatOffset(kC, kB, eB, nB);
    flatOffset(kC, kA, eA, nA);
    EXPECT_NEAR(angleAt(m.East, m.North, 0, 0, eB, nB), 56, 1e-4);
    EXPECT_NEAR(angleAt(m.East, m.North, eB, nB, eA, nA), 34, 1e-4);
}

TEST(ThreePointFixTest, EveryFailureEndsWithTheFlag) {
    struct Case {
        const char* name;
        LatLon a, b, c;
        double ab, bc;
        ThreePointStatus status;
    };
    const std::vector<Case> cases = {
        // Landmarks 2 and 3 at one place: circle B has no radius.
        {"B and C coincide", kA, kB, kB, 34, 56, ThreePointStatus::ZeroRadius},
        // Equally spaced on the equator with equal angles: the second circle
        // is the first moved east, its centre at exactly the same northing.
        {"level centres",
         {0, 0},
         {0, 1.0 / 60},
         {0, 2.0 / 60},
         40,
         40,
         ThreePointStatus::LevelCentres},
        // Observer 0.2 n.mi. from B, A and C 5 n.mi. away: the fix lies within
        // a tenth of circle B's radius of B, so every candidate is refused.
        {"fix beside B", destination({20, 30}, 0, 5), destination({20, 30}, 90, 0.2),
         destination({20, 30}, 180, 5), 90, 90, ThreePointStatus::NoCandidate},
    };
    for (const Case& c : cases) {
        const FixOutcome f = fixOf(c.a, c.b, c.c, c.ab, c.bc);
        EXPECT_EQ(f.Status, c.status) << c.name;
        // Every output is written, and none looks like a position.
        EXPECT_EQ(f.East, 0) << c.name;
        EXPECT_EQ(f.North, 0) << c.name;
        EXPECT_EQ(f.Lat, 0) << c.name;
        EXPECT_EQ(f.Lon, 0) << c.name;
    }
}

TEST(ThreePointFixTest, TangentCirclesEndWithoutFix) {
    // Both chords on one meridian and both angles near 90 degrees: the two
    // circles touch at B. Mathematically the discriminant is 0 (the only
    // crossing is B itself); rounding puts it below 0 for some of these
    // angles, which must end with NoCrossing, and the others find only B,
    // which is refused.
    int noCrossing = 0;
    for (int i = -200; i <= 200; ++i) {
        for (int j = -20; j <= 20; ++j) {
            const FixOutcome f =
                fixOf({0, 0}, {1.0 / 60, 0}, {2.0 / 60, 0}, 90 + i * 1e-7, 90 + j * 1e-7);
            ASSERT_NE(f.Status, ThreePointStatus::Fix) << i << " " << j;
            if (f.Status == ThreePointStatus::NoCrossing) {
                ++noCrossing;
                EXPECT_EQ(f.East, 0);
                EXPECT_EQ(f.Lat, 0);
            }
        }
    }
    EXPECT_GT(noCrossing, 0);
}

TEST(ThreePointFixTest, NonFiniteInputsEndWithoutFix) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double big = std::numeric_limits<double>::max();
    EXPECT_NE(fixOf({nan, 0}, kB, kC, 34, 56).Status, ThreePointStatus::Fix);
    EXPECT_NE(fixOf(kA, kB, kC, nan, 56).Status, ThreePointStatus::Fix);
    EXPECT_NE(fixOf({big, big}, kB, kC, 34, 56).Status, ThreePointStatus::Fix);
}

// --- Against independent geometry -----------------------------------------

// Coastal fixes made on the sphere: an observer, three landmarks at chosen
// bearings and distances (the direct problem), and the horizontal angles as
// the differences of those bearings at the observer. The resection must find
// the observer within 0.05 n.mi. (the flat frame alone costs up to 0.04 n.mi.
// at 60 degrees of latitude for landmarks within 15 n.mi.).
TEST(ThreePointFixTest, FindsTheObserverOnTheSphere) {
    struct Case {
        const char* name;
        LatLon observer;
        double bearing[3];
        double distance[3];
    };
    const std::vector<Case> cases = {
        {"tropics", {12.3, -61.7}, {300, 350, 40}, {6, 3, 8}},
        {"mid latitude, wide", {41.2, -70.6}, {200, 260, 320}, {10, 7, 12}},
        {"southern, obtuse angles", {-38.5, 145.1}, {10, 130, 250}, {5, 4, 9}},
        {"sixty north", {60.1, 5.2}, {70, 110, 160}, {12, 10, 14}},
        {"across 180", {-16.8, 179.97}, {260, 340, 60}, {9, 6, 11}},
        {"across 180, east of it", {51.6, -179.95}, {20, 80, 150}, {8, 5, 10}},
    };
    for (const Case& c : cases) {
        LatLon lm[3];
        for (int i = 0; i < 3; ++i) {
            lm[i] = destination(c.observer, c.bearing[i], c.distance[i]);
        }
        auto angle = [](double from, double to) { return std::fmod(to - from + 360.0, 360.0); };
        const double ab = angle(c.bearing[0], c.bearing[1]);
        const double bc = angle(c.bearing[1], c.bearing[2]);
        ASSERT_GE(ab, 30) << c.name;
        ASSERT_LE(ab, 150) << c.name;
        ASSERT_GE(bc, 30) << c.name;
        ASSERT_LE(bc, 150) << c.name;
        const FixOutcome f = fixOf(lm[0], lm[1], lm[2], ab, bc);
        ASSERT_EQ(f.Status, ThreePointStatus::Fix) << c.name;
        EXPECT_GE(f.Lon, -180) << c.name;
        EXPECT_LE(f.Lon, 180) << c.name;
        EXPECT_LT(haversineNm({f.Lat, f.Lon}, c.observer), 0.05) << c.name;
    }
}

}  // namespace
