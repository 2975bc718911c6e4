// The globe window's computation: the first view, the drags, the zoom box,
// the read-out and which circles a redraw draws.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "globe/globe.h"

namespace {

using globe::GlobeDrag;
using globe::GlobeView;

globe::Matrix3 inverseOf(const GlobeView& v) {
    globe::Matrix3 M{};
    globe::Matrix3 T{};
    globe::RotationMatrix(v.SpinAngle, v.TiltAngle, 0, M);
    globe::MatTranspose(3, M, T);
    return T;
}

globe::GlobeSights oneSight(double gha, double dec, double ho) {
    globe::GlobeSights s;
    s.SightCount = 1;
    s.Included[1] = 1;
    s.CopGha[1] = gha;
    s.CopDec[1] = dec;
    s.CopHo[1] = ho;
    return s;
}

TEST(GlobeView, FirstViewIsCentredOnTheMiddleOfTheSights) {
    // One sight, GHA 30 and declination 20: about 20 N, 30 W.
    const GlobeView v = globe::initialView(oneSight(30, 20, 45));
    EXPECT_EQ(v.SpinAngle, -30 * 0.01745);
    EXPECT_EQ(v.TiltAngle, -20 * 0.01745);
    EXPECT_EQ(v.Zoom, 1);
    // The read-out at the centre: 0.01745 and 57.29578 are not reciprocal,
    // 20 x 0.01745 x 57.29578 = 19.996227 (59.774') and 30 x ... = 29.994341
    // (59.660'), rounded to 0.1'.
    const globe::PointerReadout r = globe::pointerReadout(1, 0, 0, inverseOf(v));
    ASSERT_TRUE(r.inside);
    EXPECT_EQ(r.Latitude, "Latitude = North 19\u00b0 59.8'");
    EXPECT_EQ(r.Longitude, "Longitude = West 29\u00b0 59.7'");

    // GHAs 350 and 10: faced across 0, not from 180 on the far side; a sight
    // left out of the fix still counts.
    globe::GlobeSights two = oneSight(350, 10, 30);
    two.SightCount = 2;
    two.Included[2] = 0;
    two.CopGha[2] = 10;
    two.CopDec[2] = -30;
    const GlobeView w = globe::initialView(two);
    EXPECT_EQ(w.SpinAngle, 0);
    EXPECT_EQ(w.TiltAngle, 0.01745 * 10);
    // No reduction yet: every entry 0, centred on 0, 0.
    const GlobeView none = globe::initialView(globe::GlobeSights{1, {}, {}, {}, {}});
    EXPECT_EQ(none.SpinAngle, 0);
    EXPECT_EQ(none.TiltAngle, 0);
}

// The GHA at the centre of the first view of sights with these GHAs.
double centreGha(const std::vector<double>& ghas) {
    globe::GlobeSights s;
    s.SightCount = static_cast<int>(ghas.size());
    for (std::size_t k = 0; k < ghas.size(); ++k) {
        s.CopGha[k + 1] = ghas[k];
    }
    return -globe::initialView(s).SpinAngle / 0.01745;
}

TEST(GlobeView, FirstViewFacesTheArcThatHoldsTheGhas) {
    // Three evening stars off the Azores: the gap from 93.5 to 357.6 is the
    // largest, so the view faces (357.6 + 93.5 + 360) / 2 - 360 = 45.55,
    // 45.6 W to the 0.1 degree.
    EXPECT_NEAR(centreGha({93.5, 357.6, 11.7}), 45.6, 0.1);
    EXPECT_NEAR(centreGha({11.7, 93.5, 357.6}), 45.55, 1e-9);  // any order

    // Hand-computed centres, each the middle of the arc outside the largest
    // gap (the gap across 0/360 is the span from the largest GHA back to the
    // smallest).
    const struct {
        std::vector<double> ghas;
        double centre;
    } cases[] = {
        {{350, 10}, 0},          // gaps 340 inside, 20 across 0
        {{340, 350, 10}, 355},   // arc 340 .. 370
        {{200, 350, 30}, 295},   // gaps 170, 150 and 40 across 0: arc 200 .. 390
        {{30, 100, 200}, 115},   // one side: across 0 is largest (190)
        {{10, 355}, 2.5},        // arc 355 .. 370
        {{179, 181}, 180},       // around 180 the middle of the range stays
        {{123.4}, 123.4},        // a single sight
        {{200, 200, 200}, 200},  // all GHAs equal
        // Ties: the gap across 0/360 first, so GHAs 0 and 180 face the middle
        // of their range, 90 (not 270); GHAs 0, 120 and 240 face 120.
        {{0, 180}, 90},
        {{180, 0}, 90},
        {{0, 120, 240}, 120},
        // Then the first largest gap in increasing GHA: 10 .. 130 before
        // 130 .. 250, so the arc 130 .. 370 and its middle 250.
        {{250, 10, 350, 130}, 250},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(centreGha(c.ghas), c.centre, 1e-9) << c.ghas.front() << " ...";
    }
}

TEST(GlobeView, SightsOnOneSideKeepTheMiddleOfTheirRange) {
    // Where the gap across 0/360 is the largest the centre is exactly
    // (GhaMax + GhaMin) / 2, and the declination middle is unchanged.
    globe::GlobeSights s = oneSight(30, 20, 45);
    s.SightCount = 3;
    s.CopGha[2] = 200.25;
    s.CopDec[2] = -40;
    s.CopGha[3] = 95;
    s.CopDec[3] = 5;
    const GlobeView v = globe::initialView(s);
    EXPECT_EQ(v.SpinAngle, (200.25 + 30) * -0.5 * 0.01745);
    EXPECT_EQ(v.TiltAngle, 0.01745 * -((20 + -40) * 0.5));
}

// A zoom drag sets the zoom from the pointer's height alone: Zoom0 x
// 10^((DragY0 - y) / 1.5), within 0.5 to 100.
TEST(GlobeView, ZoomDragFollowsThePointersHeightFromTheStart) {
    GlobeView v;
    v.Zoom = 2;
    GlobeDrag d;
    d.ButtonHeld = true;
    globe::dragMove(v, d, 2, 0.1, 0.2);  // records the start
    EXPECT_TRUE(d.DragStarted);
    EXPECT_EQ(d.Zoom0, 2);
    EXPECT_EQ(v.Zoom, 2);
    // 0.3 below the start: 2 x 10^0.2 = 3.1698, at every move to that place.
    for (int k = 0; k < 5; ++k) {
        globe::dragMove(v, d, 2, 0.1, 0.2 - 0.3);
        EXPECT_NEAR(v.Zoom, 3.169786384, 1e-9) << k;
    }
    // 1.5 below: ten times; back at the start: the start's zoom.
    globe::dragMove(v, d, 2, 0.7, 0.2 - 1.5);
    EXPECT_NEAR(v.Zoom, 20, 1e-12);
    globe::dragMove(v, d, 2, 0.1, 0.2);
    EXPECT_EQ(v.Zoom, 2);
    // Far below: 100 at most; far above: 0.5 at least.
    globe::dragMove(v, d, 2, 0.1, 0.2 - 3.0);
    EXPECT_EQ(v.Zoom, 100);
    EXPECT_EQ(globe::zoomBoxText(v.Zoom), "100");
    globe::dragMove(v, d, 2, 0.1, 0.2 + 1.0);
    EXPECT_EQ(v.Zoom, 0.5);
    EXPECT_EQ(globe::zoomBoxText(v.Zoom), "0.5");
    // A position that is no number leaves the start's zoom.
    globe::dragMove(v, d, 2, 0.1, std::nan(""));
    EXPECT_EQ(v.Zoom, 2);

    // A new drag starts from the zoom the last one left.
    globe::dragMove(v, d, 2, 0.1, 0.2 - 0.75);  // 2 x 10^0.5
    GlobeDrag next;
    next.ButtonHeld = true;
    globe::dragMove(v, next, 2, 0, 0);
    EXPECT_NEAR(next.Zoom0, 6.32455532, 1e-8);
    globe::dragMove(v, next, 2, 0, 0.75);  // back up by as much
    EXPECT_NEAR(v.Zoom, 2, 1e-12);
}

// The same drag reported in many small moves or a few large ones ends at the
// same zoom.
TEST(GlobeView, TheSameDragInSmallOrLargeStepsGivesTheSameZoom) {
    for (const double endY : {-1.2, 0.45}) {
        double zooms[2] = {0, 0};
        const int steps[2] = {120, 4};
        for (int k = 0; k < 2; ++k) {
            GlobeView v;
            v.Zoom = 1.5;
            GlobeDrag d;
            d.ButtonHeld = true;
            globe::dragStart(v, d, 0, 0);  // the press
            for (int s = 1; s <= steps[k]; ++s) {
                globe::dragMove(v, d, 2, 0, endY * s / steps[k]);
            }
            zooms[k] = v.Zoom;
        }
        EXPECT_DOUBLE_EQ(zooms[0], zooms[1]) << endY;
        EXPECT_NEAR(zooms[0], 1.5 * std::pow(10, -endY / 1.5), 1e-12) << endY;
    }
}

TEST(GlobeView, RotationDragTurnsFromTheDragStartAndOtherButtonsDoNot) {
    GlobeView v;
    v.SpinAngle = 0.2;
    v.TiltAngle = -0.1;
    v.Zoom = 2;
    GlobeDrag d;
    d.ButtonHeld = true;
    globe::dragMove(v, d, 1, 0.5, -0.25);
    // Across the half-width to the right and upward by 0.75: about 45 / zoom
    // degrees of spin back and 22.5 of tilt back.
    globe::dragMove(v, d, 1, 2.0, 0.5);
    EXPECT_DOUBLE_EQ(v.SpinAngle, 0.2 - 0.01745 * 90 * 1.5 / 1.5 / 2);
    EXPECT_DOUBLE_EQ(v.TiltAngle, -0.1 - 0.01745 * 90 * (-0.25 - 0.5) / 1.5 / 2);
    // Every move works from the same start.
    globe::dragMove(v, d, 1, 0.5, -0.25);
    EXPECT_DOUBLE_EQ(v.SpinAngle, 0.2);
    EXPECT_DOUBLE_EQ(v.TiltAngle, -0.1);
    // Middle button, two buttons: the start is recorded, the view stays.
    for (const int buttons : {4, 3}) {
        GlobeView m = v;
        GlobeDrag md;
        md.ButtonHeld = true;
        globe::dragMove(m, md, buttons, 0.3, 0.3);
        globe::dragMove(m, md, buttons, 1.0, -1.0);
        EXPECT_TRUE(md.DragStarted);
        EXPECT_EQ(md.DragX0, 0.3);
        EXPECT_EQ(m.SpinAngle, v.SpinAngle);
        EXPECT_EQ(m.TiltAngle, v.TiltAngle);
        EXPECT_EQ(m.Zoom, v.Zoom);
    }
}

TEST(GlobeView, ZoomBoxAndReadOutTexts) {
    EXPECT_EQ(globe::zoomBoxText(1.37), "1.3");
    EXPECT_EQ(globe::zoomBoxText(1), "1");
    EXPECT_EQ(globe::zoomBoxText(2.35), "2.3");
    const GlobeView centre;  // 0, 0
    const globe::Matrix3 I = inverseOf(centre);
    // Only strictly inside the disc of the radius given.
    EXPECT_FALSE(globe::pointerReadout(1.3, 1.32, 0, I).inside);
    EXPECT_FALSE(globe::pointerReadout(1.3, 1.3, 0, I).inside);
    EXPECT_TRUE(globe::pointerReadout(1.3, 1.29, 0, I).inside);
    // Latitude 0 reads North, longitude 0 East.
    const globe::PointerReadout zero = globe::pointerReadout(1, 0, 0, I);
    EXPECT_EQ(zero.Latitude, "Latitude = North 0\u00b0 0'");
    EXPECT_EQ(zero.Longitude, "Longitude = East 0\u00b0 0'");
    // Just south of the equator: South with 0 whole degrees.
    GlobeView south;
    south.TiltAngle = 0.2500004 / 57.29578;
    const globe::PointerReadout s = globe::pointerReadout(1, 0, 0, inverseOf(south));
    EXPECT_EQ(s.Latitude, "Latitude = South 0\u00b0 15'");
    // 41 deg 23.7 min N, 70 deg 5 min W seen at the centre.
    GlobeView nantucket;
    nantucket.SpinAngle = -(70 + 5.04 / 60) / 57.29578;
    nantucket.TiltAngle = -(41 + 23.74 / 60) / 57.29578;
    const globe::PointerReadout n = globe::pointerReadout(1, 0, 0, inverseOf(nantucket));
    EXPECT_EQ(n.Latitude, "Latitude = North 41\u00b0 23.7'");
    EXPECT_EQ(n.Longitude, "Longitude = West 70\u00b0 5'");
}

int circles(const globe::GlobeSights& sights) {
    globe::GlobeScene scene;
    globe::GlobeView v;
    globe::DrawGlobe(
        v, sights, 100, 100, [] { return 0.5; }, scene);
    int n = 0;
    for (const globe::SceneStep& s : scene.steps) {
        n += s.kind == globe::SceneStep::Kind::Lines && s.color == globe::kCopColor ? 1 : 0;
    }
    return n;
}

TEST(GlobeView, RedrawDrawsTheCirclesOfIncludedSightsWithResults) {
    EXPECT_EQ(circles(oneSight(30, 20, 45)), 1);
    EXPECT_EQ(circles(oneSight(0, 20, 45)), 0);  // GHA exactly 0
    EXPECT_EQ(circles(oneSight(30, 20, 0)), 0);  // Ho exactly 0
    globe::GlobeSights excluded = oneSight(30, 20, 45);
    excluded.Included[1] = 0;
    EXPECT_EQ(circles(excluded), 0);
    // A sight added after the last reduction has no results.
    globe::GlobeSights added = oneSight(30, 20, 45);
    added.SightCount = 2;
    added.Included[2] = 1;
    EXPECT_EQ(circles(added), 1);
    // Each circle is a polyline of its own, also next to another one.
    added.CopGha[2] = 120;
    added.CopDec[2] = -10;
    added.CopHo[2] = 30;
    EXPECT_EQ(circles(added), 2);
}

TEST(GlobeView, RedrawAtADegenerateSizeDrawsNothing) {
    globe::GlobeScene scene;
    const GlobeView v;
    const globe::GlobeSights s = oneSight(30, 20, 45);
    EXPECT_TRUE(globe::DrawGlobe(
                    v, s, 800, 600, [] { return 0.5; }, scene)
                    .drawn);
    for (const auto& [w, h] : {std::pair{0.0, 600.0}, {800.0, 0.0}, {-15.0, 600.0}}) {
        const globe::GlobeFrame f = globe::DrawGlobe(
            v, s, w, h, [] { return 0.5; }, scene);
        EXPECT_FALSE(f.drawn);
        EXPECT_TRUE(scene.steps.empty());
    }
    // The user scale: x from -1.5 to 1.5, y upward by the aspect.
    const globe::GlobeFrame f = globe::DrawGlobe(
        v, s, 800, 600, [] { return 0.5; }, scene);
    EXPECT_EQ(f.ScaleLeft, -1.5);
    EXPECT_EQ(f.ScaleWidth, 3);
    // The aspect is taken in single precision.
    EXPECT_NEAR(f.ScaleTop, 1.5 * 600 / 800, 1e-7);
    EXPECT_NEAR(f.ScaleHeight, -3 * 600.0 / 800, 2e-7);
}

}  // namespace

namespace {

TEST(GlobeView, RedrawOrderIsDiscGraticuleLimbOutlinesThenCircles) {
    globe::GlobeScene scene;
    globe::GlobeView v;
    v.SpinAngle = -0.5;
    v.TiltAngle = -0.6;
    const globe::GlobeSights s = oneSight(30, 20, 45);
    globe::DrawGlobe(
        v, s, 800, 600, [] { return 0.5; }, scene);
    std::vector<globe::SceneColor> order;
    for (const globe::SceneStep& step : scene.steps) {
        if (order.empty() || !(order.back() == step.color)) {
            order.push_back(step.color);
        }
    }
    // Disc; meridian 0, the other meridians and the southern parallels; the
    // equator; the northern parallels; the limb's start and the limb; the
    // coastlines; the circle.
    const std::vector<globe::SceneColor> expected = {
        globe::kDiscColor,  globe::kPrimeColor, globe::kGridColor,
        globe::kPrimeColor, globe::kGridColor,  globe::kLimbStartColor,
        globe::kLimbColor,  globe::kCoastColor, globe::kCopColor};
    EXPECT_EQ(order, expected);
}

TEST(GlobeView, PointsExactlyOnTheLimbAreVisibleForCirclesOfPosition) {
    // A view matrix that puts every point at w(1) = 0.
    const globe::Matrix3 limb{};
    globe::GlobeScene scene;
    int draws = 0;
    globe::DrawCircleOfPosition(
        1, 1, 0, 0, 10, 10, 40, limb,
        [&draws] {
            ++draws;
            return 0.5;
        },
        scene);
    EXPECT_EQ(scene.segments.size(), 361u);
    EXPECT_EQ(draws, 361);
}

}  // namespace
