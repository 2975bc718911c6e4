// The globe's projection, its inverse and the drawing of the graticule, the
// circles of position and the outlines into a scene.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "globe/globe.h"

namespace {

using globe::GlobeScene;
using globe::Matrix3;
using globe::SceneColor;
using globe::SceneSegment;
using globe::SceneStep;

constexpr double kRad = 0.017453292519943278;
constexpr double kTwoPi = 6.283185307179586;

Matrix3 view(double spinDeg, double tiltDeg) {
    Matrix3 M{};
    globe::RotationMatrix(spinDeg * kRad, tiltDeg * kRad, 0, M);
    return M;
}

Matrix3 transposed(const Matrix3& M) {
    Matrix3 T{};
    globe::MatTranspose(3, M, T);
    return T;
}

// Segments of the scene in one colour.
std::vector<SceneSegment> segmentsIn(const GlobeScene& scene, const SceneColor& color) {
    std::vector<SceneSegment> out;
    for (const SceneStep& step : scene.steps) {
        if (step.kind == SceneStep::Kind::Lines && step.color == color) {
            const SceneSegment* s = scene.segmentsOf(step);
            out.insert(out.end(), s, s + step.count);
        }
    }
    return out;
}

int countSteps(const GlobeScene& scene, SceneStep::Kind kind) {
    int n = 0;
    for (const SceneStep& step : scene.steps) {
        n += step.kind == kind ? 1 : 0;
    }
    return n;
}

// A generator that gives the same number every time, counting its draws.
struct Scripted {
    double value;
    int draws = 0;
    std::function<double()> fn() {
        return [this] {
            ++draws;
            return value;
        };
    }
};

TEST(GlobeProjection, IdentityViewPutsKnownPointsWhereTheyBelong) {
    const Matrix3 I = view(0, 0);
    GlobeScene scene;
    struct Case {
        double latDeg, lonDeg, x, y;
    };
    const double R = 1.3;
    const Case cases[] = {{0, 0, 0, 0}, {0, 90, R, 0}, {90, 0, 0, R}, {0, -90, -R, 0}};
    for (const Case& c : cases) {
        double qx = 9;
        double qy = 9;
        // Point 1 draws nothing but writes its position.
        globe::PlotGlobePoint(1, R, 0, 0, I, c.latDeg * kRad, c.lonDeg * kRad, 0, 0, qx, qy, scene);
        EXPECT_NEAR(qx, c.x, 1e-15);
        EXPECT_NEAR(qy, c.y, 1e-15);
    }
    EXPECT_TRUE(scene.steps.empty());
    // Offsets move the picture point.
    double qx = 0;
    double qy = 0;
    globe::PlotGlobePoint(1, R, 0.25, -0.5, I, 0, 0, 0, 0, qx, qy, scene);
    EXPECT_EQ(qx, -0.25);
    EXPECT_EQ(qy, 0.5);
}

TEST(GlobeProjection, PlotGlobePointDrawsOnlyToVisiblePointsAfterTheFirst) {
    const Matrix3 I = view(0, 0);
    GlobeScene scene;
    double qx = 0;
    double qy = 0;
    // Visible, from the previous point.
    globe::PlotGlobePoint(2, 1, 0, 0, I, 0.1, 0.2, 0.5, 0.5, qx, qy, scene);
    ASSERT_EQ(scene.segments.size(), 1u);
    EXPECT_EQ(scene.segments[0].x1, 0.5);
    EXPECT_EQ(scene.segments[0].x2, qx);
    EXPECT_EQ(scene.steps[0].color, globe::kCoastColor);
    // On the far side, and exactly on the limb: hidden, outputs written.
    globe::PlotGlobePoint(3, 1, 0, 0, I, 0.1, 3.0, qx, qy, qx, qy, scene);
    EXPECT_EQ(scene.segments.size(), 1u);
    const Matrix3 limb{};  // every view coordinate 0: w(1) = 0 exactly
    globe::PlotGlobePoint(4, 1, 0, 0, limb, 0.1, 0.2, 0, 0, qx, qy, scene);
    EXPECT_EQ(scene.segments.size(), 1u);
    EXPECT_EQ(qx, 0);
}

TEST(GlobeProjection, ForwardAndInverseRoundTripAtManyViews) {
    for (double spin = -180; spin <= 180; spin += 37) {
        for (double tilt = -170; tilt <= 170; tilt += 29) {
            const Matrix3 M = view(spin, tilt);
            const Matrix3 T = transposed(M);
            for (double lat = -85; lat <= 85; lat += 17) {
                for (double lon = -175; lon <= 175; lon += 23) {
                    const double R = 1.7;
                    globe::Vector3 v{0, R * std::cos(lat * kRad) * std::cos(lon * kRad),
                                     R * std::cos(lat * kRad) * std::sin(lon * kRad),
                                     R * std::sin(lat * kRad)};
                    globe::Vector3 w{};
                    globe::MatVecMul(3, M, v, w);
                    if (w[1] < 0.05 * R) {
                        continue;  // behind or at the limb
                    }
                    double phi = 0;
                    double lambda = 0;
                    globe::ScreenToLatLon(R, 0, 0, w[2], w[3], T, phi, lambda);
                    // The half turn 3.14159 of the angle leaves up to 2.7e-6 rad.
                    EXPECT_NEAR(phi, lat * kRad, 1e-9);
                    double d = lambda - lon * kRad;
                    d -= kTwoPi * std::floor(d / kTwoPi + 0.5);
                    EXPECT_NEAR(d, 0, 3e-6) << spin << " " << tilt << " " << lat << " " << lon;
                    EXPECT_GT(lambda, -3.1416);
                    EXPECT_LE(lambda, 3.14159);
                }
            }
        }
    }
    // The centre with the identity.
    double phi = 1;
    double lambda = 1;
    globe::ScreenToLatLon(1, 0, 0, 0, 0, transposed(view(0, 0)), phi, lambda);
    EXPECT_EQ(phi, 0);
    EXPECT_EQ(lambda, 0);
}

TEST(GlobeDrawing, EveryDrawnSegmentEndLiesInsideTheDisc) {
    globe::GlobeSights sights;
    sights.SightCount = 3;
    const double gha[] = {80, 5, 40}, dec[] = {20, -10, 45}, ho[] = {43.0436, 34.8972, 81.1021};
    for (int i = 1; i <= 3; ++i) {
        sights.Included[i] = 1;
        sights.CopGha[i] = gha[i - 1];
        sights.CopDec[i] = dec[i - 1];
        sights.CopHo[i] = ho[i - 1];
    }
    Scripted random{0.5};
    GlobeScene scene;
    for (const double zoom : {0.5, 1.0, 7.3}) {
        for (double spin = -170; spin <= 180; spin += 50) {
            for (double tilt = -90; tilt <= 90; tilt += 30) {
                globe::GlobeView v;
                v.SpinAngle = spin * kRad;
                v.TiltAngle = tilt * kRad;
                v.Zoom = zoom;
                ASSERT_TRUE(globe::DrawGlobe(v, sights, 800, 600, random.fn(), scene).drawn);
                for (const SceneSegment& s : scene.segments) {
                    for (const auto& [x, y] : {std::pair{s.x1, s.y1}, {s.x2, s.y2}}) {
                        ASSERT_LE(std::hypot(x, y), zoom * (1 + 1e-12));
                    }
                }
            }
        }
    }
}

TEST(GlobeDrawing, RedOnlyOnTheZeroMeridianAndTheEquator) {
    GlobeScene scene;
    globe::DrawGraticule(1, 36, 17, 360, 0, 0, view(0, 0), scene);
    const std::vector<SceneSegment> red = segmentsIn(scene, globe::kPrimeColor);
    // The 0 degree meridian from 80 N to 80 S, the equator's near half.
    int meridian = 0;
    int equator = 0;
    for (const SceneSegment& s : red) {
        if (std::fabs(s.x1) < 1e-15 && std::fabs(s.x2) < 1e-15) {
            ++meridian;
            EXPECT_LE(std::fabs(s.y1), std::sin(80 * kRad) + 1e-12);
        } else {
            EXPECT_NEAR(s.y1, 0, 1e-15);
            EXPECT_NEAR(s.y2, 0, 1e-15);
            ++equator;
        }
    }
    EXPECT_EQ(meridian, 320);
    EXPECT_GT(equator, 170);
    // Turned to 180 degrees: the meridian through the centre is grey.
    GlobeScene turned;
    globe::DrawGraticule(1, 36, 17, 360, 0, 0, view(180, 0), turned);
    for (const SceneSegment& s : segmentsIn(turned, globe::kPrimeColor)) {
        EXPECT_FALSE(std::fabs(s.x1) < 1e-9 && std::fabs(s.x2) < 1e-9);
    }
    int centreGrey = 0;
    for (const SceneSegment& s : segmentsIn(turned, globe::kGridColor)) {
        centreGrey += std::fabs(s.x1) < 1e-9 && std::fabs(s.x2) < 1e-9 ? 1 : 0;
    }
    EXPECT_EQ(centreGrey, 320);
    // No meridian reaches a pole: nothing grey above 80 N but the parallel.
    for (const SceneSegment& s : segmentsIn(scene, globe::kGridColor)) {
        EXPECT_LE(s.y1, std::sin(80 * kRad) + 1e-12);
    }
}

TEST(GlobeDrawing, DiscFirstAndTheLimbAsOnePointAndThreeHundredSixtyLines) {
    GlobeScene scene;
    const double R = 2.5;
    globe::DrawGraticule(R, 36, 17, 360, 0, 0, view(33, -12), scene);
    ASSERT_FALSE(scene.steps.empty());
    EXPECT_EQ(scene.steps.front().kind, SceneStep::Kind::Disc);
    EXPECT_EQ(scene.steps.front().radius, R);
    EXPECT_EQ(scene.steps.front().color, globe::kDiscColor);
    ASSERT_EQ(countSteps(scene, SceneStep::Kind::Point), 1);
    const SceneStep& last = scene.steps.back();
    const SceneStep& start = scene.steps[scene.steps.size() - 2];
    EXPECT_EQ(start.kind, SceneStep::Kind::Point);
    EXPECT_EQ(start.color, globe::kLimbStartColor);
    EXPECT_EQ(start.x, R);
    EXPECT_EQ(start.y, 0);
    ASSERT_EQ(last.kind, SceneStep::Kind::Lines);
    EXPECT_EQ(last.color, globe::kLimbColor);
    ASSERT_EQ(last.count, 360u);
    const SceneSegment* limb = scene.segmentsOf(last);
    EXPECT_EQ(limb[0].x1, R);
    EXPECT_NEAR(limb[359].x2, R, 1e-12);
    EXPECT_NEAR(limb[359].y2, 0, 1e-12);
    for (std::size_t k = 1; k < 360; ++k) {
        EXPECT_EQ(limb[k].x1, limb[k - 1].x2);
        EXPECT_NEAR(std::hypot(limb[k].x2, limb[k].y2), R, 1e-12);
    }
}

TEST(GlobeDrawing, LabelOnTheFirstVisiblePointWhenTheGeneratorIsHigh) {
    // Ground position at the centre, Ho 60: k = 0 is 30 degrees east of it.
    const Matrix3 I = view(0, 0);
    Scripted high{0.99};
    GlobeScene scene;
    globe::DrawCircleOfPosition(7, 1, 0, 0, 0, 0, 60, I, high.fn(), scene);
    ASSERT_EQ(countSteps(scene, SceneStep::Kind::Label), 1);
    const SceneStep* label = nullptr;
    for (const SceneStep& s : scene.steps) {
        label = s.kind == SceneStep::Kind::Label ? &s : label;
    }
    EXPECT_EQ(label->text, "LOP# 7");
    EXPECT_NEAR(label->x, std::sin(30 * kRad), 1e-8);
    EXPECT_NEAR(label->y, 0, 1e-8);
    // One number for each of the 361 visible points.
    EXPECT_EQ(high.draws, 361);
    EXPECT_EQ(segmentsIn(scene, globe::kCopColor).size(), 361u);

    Scripted low{0.95};  // not above 0.95
    GlobeScene none;
    globe::DrawCircleOfPosition(7, 1, 0, 0, 0, 0, 60, I, low.fn(), none);
    EXPECT_EQ(countSteps(none, SceneStep::Kind::Label), 0);
    EXPECT_EQ(low.draws, 361);
}

TEST(GlobeDrawing, CirclesOnTheFarSideAtTheZenithAndThroughTheLimb) {
    const Matrix3 I = view(0, 0);
    Scripted high{0.99};
    // Wholly behind: nothing drawn, no number drawn, no label.
    GlobeScene behind;
    globe::DrawCircleOfPosition(1, 1, 0, 0, 180, 0, 60, I, high.fn(), behind);
    EXPECT_TRUE(behind.steps.empty());
    EXPECT_EQ(high.draws, 0);
    // Ho 90: every point at the ground position.
    GlobeScene zenith;
    globe::DrawCircleOfPosition(2, 1, 0, 0, 20, 10, 90, I, high.fn(), zenith);
    const std::vector<SceneSegment> z = segmentsIn(zenith, globe::kCopColor);
    ASSERT_EQ(z.size(), 361u);
    for (const SceneSegment& s : z) {
        EXPECT_NEAR(s.x2, std::cos(10 * kRad) * std::sin(20 * kRad), 1e-7);
        EXPECT_NEAR(s.y2, std::sin(10 * kRad), 1e-7);
    }
    // Ho 0 around the centre: the great circle through the limb; the first
    // segment after the hidden half starts at a hidden point's projection.
    GlobeScene limb;
    globe::DrawCircleOfPosition(3, 1, 0, 0, 90, 0, 0, I, high.fn(), limb);
    const std::vector<SceneSegment> l = segmentsIn(limb, globe::kCopColor);
    EXPECT_GT(l.size(), 170u);
    EXPECT_LT(l.size(), 190u);
}

TEST(GlobeDrawing, ZeroStepDrawsAtMostAPointAndAHiddenOutlineNothing) {
    const globe::CoastPoint points[] = {{10, 10}, {12, 12}, {12, 12}, {10, 10}};
    const globe::CoastOutline synthetic{"test", points, 4};
    GlobeScene scene;
    globe::DrawCoastline(synthetic, 1, 0, 0, view(0, 0), scene);
    ASSERT_EQ(scene.segments.size(), 3u);
    const SceneSegment& zero = scene.segments[1];
    EXPECT_EQ(zero.x1, zero.x2);
    EXPECT_EQ(zero.y1, zero.y2);
    // The last segment closes back on the first point.
    EXPECT_EQ(scene.segments[2].x2, scene.segments[0].x1);
    GlobeScene hidden;
    globe::DrawCoastline(synthetic, 1, 0, 0, view(190, 0), hidden);
    EXPECT_TRUE(hidden.steps.empty());
}

TEST(GlobeDrawing, AStepAcrossTheDateLineIsDrawnShort) {
    // Eurasia's steps across 180 degrees, seen from above the date line.
    const globe::CoastOutline& eurasia = globe::coastlineOutlines()[5];
    GlobeScene scene;
    globe::DrawCoastline(eurasia, 1, 0, 0, view(180, -67), scene);
    for (const SceneSegment& s : scene.segments) {
        EXPECT_LT(std::hypot(s.x2 - s.x1, s.y2 - s.y1), 0.13);
    }
}

}  // namespace

namespace {

// The point at the angular distance d from (lat, lon) on the bearing brg
// (degrees clockwise from north), by the navigator's destination formula.
std::pair<double, double> destination(double latDeg, double lonDeg, double dDeg, double brgDeg) {
    const double lat = latDeg * kRad;
    const double d = dDeg * kRad;
    const double brg = brgDeg * kRad;
    const double lat2 =
        std::asin(std::sin(lat) * std::cos(d) + std::cos(lat) * std::sin(d) * std::cos(brg));
    const double lon2 = lonDeg * kRad + std::atan2(std::sin(brg) * std::sin(d) * std::cos(lat),
                                                   std::cos(d) - std::sin(lat) * std::sin(lat2));
    return {lat2, lon2};
}

TEST(GlobeDrawing, CircleOfPositionRunsAnticlockwiseAtItsRadiusFromDueEast) {
    // Seen with the identity view: point k lies 90 - Ho from the ground
    // position on the bearing 90 - k (k = 0 due east, k = 90 due north);
    // hidden points only move the pen, the label is on the first visible one.
    struct Case {
        double dec, lon, Ho;
    };
    const Case cases[] = {
        {20, -30, 50},   // wholly in view
        {-35, 60, -20},  // Ho below 0: the circle lies beyond 90 degrees
        {10, 80, 60},    // its due-east point is behind the globe
        {-5, -100, 25},  // mostly behind, crossing the limb twice
    };
    const double R = 1.25;
    for (const Case& c : cases) {
        Scripted high{0.99};
        GlobeScene scene;
        globe::DrawCircleOfPosition(4, R, 0, 0, c.lon, c.dec, c.Ho, view(0, 0), high.fn(), scene);
        const std::vector<SceneSegment> drawn = segmentsIn(scene, globe::kCopColor);
        std::size_t next = 0;
        bool labelChecked = false;
        double px = 0;
        double py = 0;
        for (int k = 0; k <= 360; ++k) {
            const auto [lat, lon] = destination(c.dec, c.lon, 90 - c.Ho, 90 - k);
            const double x = R * std::cos(lat) * std::sin(lon);
            const double y = R * std::sin(lat);
            if (k == 0) {
                px = x;
                py = y;
            }
            if (std::cos(lat) * std::cos(lon) >= 0) {
                ASSERT_LT(next, drawn.size()) << c.Ho << " k " << k;
                const SceneSegment& s = drawn[next++];
                EXPECT_NEAR(s.x1, px, 1e-6) << c.Ho << " k " << k;
                EXPECT_NEAR(s.y1, py, 1e-6) << c.Ho << " k " << k;
                EXPECT_NEAR(s.x2, x, 1e-6) << c.Ho << " k " << k;
                EXPECT_NEAR(s.y2, y, 1e-6) << c.Ho << " k " << k;
                if (!labelChecked) {
                    for (const SceneStep& step : scene.steps) {
                        if (step.kind == SceneStep::Kind::Label) {
                            EXPECT_EQ(step.text, "LOP# 4");
                            EXPECT_NEAR(step.x, x, 1e-6) << c.Ho;
                            EXPECT_NEAR(step.y, y, 1e-6) << c.Ho;
                        }
                    }
                    labelChecked = true;
                }
            }
            px = x;
            py = y;
        }
        EXPECT_EQ(next, drawn.size()) << c.Ho;
        EXPECT_EQ(high.draws, static_cast<int>(drawn.size())) << c.Ho;
        EXPECT_EQ(countSteps(scene, SceneStep::Kind::Label), 1) << c.Ho;
    }
}

TEST(GlobeDrawing, EachNamedOutlineDrawsItsOwnLand) {
    // Seen from above the middle of each land, every point drawn lies on it.
    using Draw = void (*)(double, double, double, const Matrix3&, GlobeScene&);
    struct Case {
        const char* name;
        Draw draw;
        double centreLat, centreLon;
        double latMin, latMax, lonMin, lonMax;  // the land's extent, degrees
    };
    const Case cases[] = {
        {"Antarctica", globe::DrawAntarctica, -90, 0, -90, -60, -180, 180},
        {"North America", globe::DrawNorthAmerica, 50, -90, 5, 85, -180, -10},
        {"South America", globe::DrawSouthAmerica, -15, -60, -57, 24, -86, -33},
        {"Australia", globe::DrawAustralia, -22, 140, -45, 0, 112, 156},
        {"Africa", globe::DrawAfrica, 5, 20, -36, 38, -18, 53},
        // Eurasia's Chukchi Peninsula runs on beyond 180 degrees east.
        {"Eurasia", globe::DrawEurasia, 45, 60, -12, 82, -12, 192},
    };
    for (const Case& c : cases) {
        const Matrix3 M = view(c.centreLon, -c.centreLat);
        GlobeScene scene;
        c.draw(1, 0, 0, M, scene);
        const std::vector<SceneSegment> drawn = segmentsIn(scene, globe::kCoastColor);
        EXPECT_GT(drawn.size(), 50u) << c.name;
        for (const SceneSegment& s : drawn) {
            double lat = 0;
            double lon = 0;
            const double r2 = s.x2 * s.x2 + s.y2 * s.y2;
            if (r2 > 0.999) {
                continue;  // at the limb the inverse is ill-conditioned
            }
            globe::ScreenToLatLon(1, 0, 0, s.x2, s.y2, transposed(M), lat, lon);
            if (lon / kRad < c.lonMin - 0.1) {
                lon += kTwoPi;
            }
            EXPECT_GE(lat / kRad, c.latMin - 0.1) << c.name;
            EXPECT_LE(lat / kRad, c.latMax + 0.1) << c.name;
            EXPECT_GE(lon / kRad, c.lonMin - 0.1) << c.name;
            EXPECT_LE(lon / kRad, c.lonMax + 0.1) << c.name;
        }
    }
}

}  // namespace
