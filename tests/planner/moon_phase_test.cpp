// The Moon-phase picture: which half is dark, the terminator ellipse's
// colour and aspect, and the scale, for the worked phases of the picture.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "planner/moon_phase.h"

namespace {

using namespace planner;

TEST(MoonPhase, HalfAndTerminatorFollowThePhase) {
    struct Case {
        double phase;
        bool leftDark;
        Rgb ellipse;
        double halfWidth;  // R / aspect
        double tolerance;
    };
    const double R = 0.75;
    const std::vector<Case> cases = {
        // New Moon: the dark ellipse covers the whole disc.
        {0, true, kMoonDark, R, 1e-12},
        // A crescent lit on the right: semi-axis R cos 60 = 0.375.
        {60, true, kMoonDark, 0.375, 1e-12},
        // Taken as 89 in the gibbous row: a lit ellipse at the cap R / 25.
        {90, true, kMoonLit, R / 25, 1e-12},
        // Full Moon: the lit ellipse fills the dark half again.
        {180, false, kMoonLit, R, 1e-12},
        // Taken as 271 in the crescent row: a thin dark ellipse, lit on the left.
        {270, false, kMoonDark, R / 25, 1e-12},
        {300, false, kMoonDark, 0.375, 1e-12},
        {120, true, kMoonLit, 0.375, 1e-12},
    };
    for (const Case& c : cases) {
        const MoonPhase m = moonPhase(c.phase, 912, 804);
        EXPECT_EQ(m.Radius, 0.75);
        EXPECT_EQ(m.CentreX, 0);
        EXPECT_EQ(m.CentreY, 0);
        EXPECT_EQ(m.corner1.x, c.leftDark ? -R : R) << c.phase;
        EXPECT_EQ(m.corner1.y, -R);
        EXPECT_EQ(m.corner2.x, 0);
        EXPECT_EQ(m.corner2.y, R);
        EXPECT_EQ(m.ellipseColor, c.ellipse) << c.phase;
        EXPECT_NEAR(R / m.aspect, c.halfWidth, c.tolerance) << c.phase;
    }
}

TEST(MoonPhase, LitFractionOfTheDrawing) {
    // The lit area is (1 - cos phase) / 2 of the disc: half the disc with the
    // half-ellipse taken away (crescent) or added (gibbous).
    for (double phase : {30.0, 60.0, 120.0, 150.0, 210.0, 240.0, 300.0, 330.0}) {
        const MoonPhase m = moonPhase(phase, 912, 804);
        const double half = 0.5;
        const double ellipseHalf = 0.5 / m.aspect;
        const double lit = m.ellipseColor == kMoonLit ? half + ellipseHalf : half - ellipseHalf;
        EXPECT_NEAR(lit, (1 - std::cos(phase * 3.14159265358979 / 180)) / 2, 1e-12) << phase;
    }
}

TEST(MoonPhase, ScaleKeepsTheDiscRound) {
    const MoonPhase m = moonPhase(45, 912, 804);
    const double r = static_cast<double>(912.0f / 804.0f);
    EXPECT_EQ(m.scaleLeft, -1);
    EXPECT_EQ(m.scaleWidth, 2);
    EXPECT_NEAR(m.scaleTop, 1 / r, 1e-6);
    EXPECT_NEAR(m.scaleHeight, -2 / r, 1e-6);
    // The disc fits inside the vertical half-extent.
    EXPECT_GT(m.scaleTop, m.Radius);
    // A picture of no height never divides by zero.
    const MoonPhase flat = moonPhase(45, 912, 0);
    EXPECT_TRUE(std::isfinite(flat.scaleTop));
    EXPECT_TRUE(std::isfinite(flat.scaleHeight));
}

}  // namespace
