// The chart under the pointer: the elevation and azimuth read-outs, the near
// object, and the arc state machine with its distance text and colour.
// Expected values are the read-outs' worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "planner/chart_pointer.h"

namespace {

using namespace planner;

// A star at the centre's right, the Moon just beside it, the Sun far off.
ChartArrays threeObjects() {
    ChartArrays a;
    a.append(0.3, 0, "Sirius  ", 90, 54.84375);
    a.append(0.31, 0.005, "Moon", 90.5, 53.9);
    a.append(-0.4, -0.2, "Sun", 240, 30);
    return a;
}

TEST(PointerText, ElevationAndAzimuthUnderThePointer) {
    struct Case {
        float x, y;
        double sign;
        std::string elevation, azimuth;
    };
    const std::vector<Case> cases = {
        {0, 0, 1, "ELV = 90.0 deg", "AZM = 0.0 deg"},
        // Straight below, halfway to the horizon: 45 (in single precision a
        // hair off, which the rounding to 0.1 absorbs) and 180.
        {0, -0.384f, 1, "ELV = 45.0 deg", "AZM = 180.0 deg"},
        {0.384f, 0, 1, "ELV = 45.0 deg", "AZM = 90.0 deg"},
        {0.384f, 0, -1, "ELV = 45.0 deg", "AZM = 270.0 deg"},
        // Outside the horizon: 90 x (1 - 0.8 / 0.768) = -3.75, rounded away
        // from zero to -3.8; 0.77 gives -0.234375, rounded to -0.2.
        {0.8f, 0, 1, "ELV = -3.8 deg", "AZM = 90.0 deg"},
        {0, -0.77f, 1, "ELV = -0.2 deg", "AZM = 180.0 deg"},
        // Just west of north on the horizon: 359.97 degrees rounds to
        // 360.0, as due north shows. 0.0004 units outside the horizon is
        // -0.047 degree: 0.0 without a sign.
        {-0.768f * static_cast<float>(std::sin(0.03 * ephemeris::kRadPerDeg)),
         0.768f * static_cast<float>(std::cos(0.03 * ephemeris::kRadPerDeg)), 1, "ELV = 0.0 deg",
         "AZM = 360.0 deg"},
        {0, -0.7684f, 1, "ELV = 0.0 deg", "AZM = 180.0 deg"},
    };
    for (const Case& c : cases) {
        const PointerText t = pointerText(ChartArrays{}, c.sign, c.x, c.y);
        EXPECT_EQ(t.Label9, c.elevation) << c.x << " " << c.y;
        EXPECT_EQ(t.Label12, c.azimuth) << c.x << " " << c.y;
        EXPECT_EQ(t.Label22, "");
    }
}

TEST(PointerText, NamesTheLastNearObject) {
    const ChartArrays a = threeObjects();
    // Both the star and the Moon are within 0.025: the Moon comes later.
    EXPECT_EQ(pointerText(a, 1, 0.305f, 0).Label22, "Moon");
    EXPECT_EQ(nearestChartObject(a, 0.305, 0), 2);
    EXPECT_EQ(pointerText(a, 1, 0.28f, 0).Label22, "Sirius  ");
    EXPECT_EQ(pointerText(a, 1, -0.4f, -0.224f).Label22, "Sun");
    EXPECT_EQ(pointerText(a, 1, -0.4f, -0.226f).Label22, "");
    EXPECT_EQ(nearestChartObject(ChartArrays{}, 0, 0), 0);
}

TEST(Arc, BetweenTwoObjectsGivesTheLineAndItsDistance) {
    const ChartArrays a = threeObjects();
    ArcState arc;
    arcPress(arc, a, 1, 0.28f, 0);
    EXPECT_EQ(arc.ArcPending, 1);
    EXPECT_EQ(arc.ArcStartName, "Sirius  ");
    const std::optional<ArcDrawing> d = arcRelease(arc, a, -8, false, -0.4f, -0.2f);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(arc.ArcPending, 0);
    EXPECT_EQ(arc.ArcStartName, "");
    EXPECT_EQ(d->from.x, 0.3);
    EXPECT_EQ(d->to.x, -0.4);
    EXPECT_DOUBLE_EQ(d->middle.x, (-0.4 + 0.3) * 0.5);
    EXPECT_DOUBLE_EQ(d->middle.y, -0.1);
    // Nautical twilight: a white arc.
    EXPECT_EQ(d->color, (Rgb{255, 255, 255}));
    double expected = 0;
    ephemeris::AngularDistance(90, 240, 54.84375, 30, expected);
    EXPECT_EQ(d->distance, expected);
    EXPECT_EQ(d->text.rfind("Arc Distance = ", 0), 0u);
    EXPECT_EQ(d->text.substr(d->text.size() - 3), " ' ");

    // Early twilight, and the white background at night: a dark arc.
    for (const auto& [sun, white] : std::vector<std::pair<double, bool>>{{-4, false}, {-8, true}}) {
        ArcState again;
        arcPress(again, a, 1, 0.28f, 0);
        const std::optional<ArcDrawing> dark = arcRelease(again, a, sun, white, -0.4f, -0.2f);
        ASSERT_TRUE(dark.has_value());
        EXPECT_EQ(dark->color, (Rgb{25, 25, 25})) << sun << white;
    }
}

TEST(Arc, DistanceTextRoundsTheMinutes) {
    // Two objects on the horizon 30 degrees apart, and two whose distance
    // comes out a hair under 30.
    ChartArrays a;
    a.append(0, 0, "A", 0, 0);
    a.append(0.5, 0, "B", 30, 0);
    a.append(-0.5, 0, "C", 0, 10);
    a.append(-0.5, 0.5, "D", 0, 70.2712);
    // On the horizon 30 degrees apart AngularDistance returns a hair under
    // 30 (the program's pi): rounded to 0.1', 30 degrees and 0.0'.
    ArcState arc;
    arcPress(arc, a, 1, 0, 0);
    std::optional<ArcDrawing> d = arcRelease(arc, a, 0, false, 0.5f, 0);
    ASSERT_TRUE(d.has_value());
    EXPECT_LT(d->distance, 30);
    EXPECT_NEAR(d->distance, 30, 1e-12);
    EXPECT_EQ(d->text, "Arc Distance = 30° 0.0 ' ");
    // Up one azimuth from 10 to 70.2712 degrees: 60 degrees 16.272', shown
    // 16.3'.
    arcPress(arc, a, 1, -0.5f, 0);
    d = arcRelease(arc, a, 0, false, -0.5f, 0.5f);
    ASSERT_TRUE(d.has_value());
    EXPECT_NEAR(d->distance, 60.2712, 1e-12);
    EXPECT_EQ(d->text, "Arc Distance = 60° 16.3 ' ");
}

TEST(Arc, IncompleteArcsDrawNothing) {
    const ChartArrays a = threeObjects();
    // A press on empty sky, a release on an object.
    ArcState arc;
    arcPress(arc, a, 1, 0.1f, 0.6f);
    EXPECT_EQ(arc.ArcPending, 1);
    EXPECT_FALSE(arcRelease(arc, a, -20, false, -0.4f, -0.2f).has_value());
    EXPECT_EQ(arc.ArcPending, 0);
    // A press on an object, a release on empty sky: the first end is forgotten.
    arcPress(arc, a, 1, -0.4f, -0.2f);
    EXPECT_EQ(arc.ArcStartName, "Sun");
    EXPECT_FALSE(arcRelease(arc, a, -20, false, 0.1f, 0.6f).has_value());
    EXPECT_EQ(arc.ArcStartName, "");
    // The right button starts nothing; a release without a press does nothing.
    arcPress(arc, a, 2, -0.4f, -0.2f);
    EXPECT_EQ(arc.ArcPending, 0);
    EXPECT_FALSE(arcRelease(arc, a, -20, false, 0.3f, 0).has_value());
    // A second press while one is pending is ignored; any button's release
    // completes the arc.
    arcPress(arc, a, 1, -0.4f, -0.2f);
    arcPress(arc, a, 1, 0.28f, 0);
    EXPECT_EQ(arc.ArcStartName, "Sun");
    EXPECT_TRUE(arcRelease(arc, a, -20, false, 0.28f, 0).has_value());
    // Without objects nothing starts.
    ArcState empty;
    arcPress(empty, ChartArrays{}, 1, 0, 0);
    EXPECT_EQ(empty.ArcPending, 0);
}

}  // namespace
