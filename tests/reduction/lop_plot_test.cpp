// Geometry of the lines-of-position plot and the pointer read-out.
// Expected values: worked by hand from the plot's geometry and print rules,
// unless a case names another source.
#include "reduction/lop_plot.h"
#include "tests/reduction/fix_sums.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/print_items.h"

namespace {

using reduction::errorEllipse;
using reduction::ErrorEllipse;
using reduction::FixResult;
using reduction::FixStatus;
using reduction::LopPlot;
using reduction::lopPlotGeometry;
using reduction::LopPlotInput;
using reduction::PlotPoint;
using reduction::PlotSegment;
using reduction::pointerReadout;

constexpr double kRad = 0.017453292519943278;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kDeg = "\xC2\xB0";  // "°"

// A 4000 x 2000 twips picture (r = 2) with a 20 n.mi. scale: the chart spans
// x -20..20 and y -10..10; 100 twips are 1 n.mi.
LopPlotInput baseInput() {
    LopPlotInput in;
    in.Fix.PlotScale = 20;
    in.PictureWidth = 4000;
    in.PictureHeight = 2000;
    in.Status = FixStatus::FewSights;
    return in;
}

// Sight i with intercept p (n.mi.), azimuth Z (degrees) and run R (n.mi.).
void addSight(LopPlotInput& in, int i, double p, double Z, double R = 0, bool included = true) {
    in.SightCount = std::max(in.SightCount, i);
    in.Included[i] = included ? 1 : 0;
    in.LopIntercept[i] = p;
    in.LopAzimuth[i] = Z;
    in.LopRun[i] = R;
}

std::vector<std::string> texts(const LopPlot& plot) {
    std::vector<std::string> out;
    for (const auto& t : plot.texts) {
        out.push_back(platform::printLineText(t.line));
    }
    return out;
}

void expectPoint(const PlotPoint& p, double x, double y, const char* what) {
    EXPECT_NEAR(p.x, x, 1e-12) << what;
    EXPECT_NEAR(p.y, y, 1e-12) << what;
}

// The x (or y) positions of the ticks that cross the horizontal (vertical)
// axis, each step giving +k and -k.
std::vector<double> tickPositions(const std::vector<PlotSegment>& ticks, bool acrossX) {
    std::vector<double> out;
    for (std::size_t i = 0; i < ticks.size(); i += 4) {
        const PlotSegment& s = ticks[acrossX ? i : i + 2];
        out.push_back(acrossX ? s.from.x : s.from.y);
    }
    return out;
}

// ------------------------------------------------------------ scale, axes

TEST(LopPlotTest, ScaleAxesAndTicksOfAWidePicture) {
    const LopPlot plot = lopPlotGeometry(baseInput());
    ASSERT_TRUE(plot.chart);
    EXPECT_EQ(plot.scaleLeft, -20);
    EXPECT_EQ(plot.scaleTop, 10);
    EXPECT_EQ(plot.scaleWidth, 40);
    EXPECT_EQ(plot.scaleHeight, -20);
    expectPoint(plot.verticalAxis.from, 0, 10, "vertical axis top");
    expectPoint(plot.verticalAxis.to, 0, -10, "vertical axis bottom");
    expectPoint(plot.horizontalAxis.from, -20, 0, "horizontal axis left");
    expectPoint(plot.horizontalAxis.to, 20, 0, "horizontal axis right");

    // Ten-mile ticks at 10 and 20 (S = 20 is a multiple of 10).
    ASSERT_EQ(plot.tenMileTicks.size(), 8u);
    const std::vector<PlotSegment>& t = plot.tenMileTicks;
    expectPoint(t[0].from, 10, -0.5, "x = 10 from");
    expectPoint(t[0].to, 10, 0.5, "x = 10 to");
    expectPoint(t[1].from, -10, -0.5, "x = -10 from");
    expectPoint(t[1].to, -10, 0.5, "x = -10 to");
    expectPoint(t[2].from, -1, 10, "y = 10 from");
    expectPoint(t[2].to, 1, 10, "y = 10 to");
    expectPoint(t[3].from, -1, -10, "y = -10 from");
    expectPoint(t[3].to, 1, -10, "y = -10 to");
    expectPoint(t[4].from, 20, -0.5, "x = 20 from");
    expectPoint(t[7].to, 1, -20, "y = -20 to");

    // One-mile ticks with half-lengths 0.02 T and 0.02 S.
    ASSERT_EQ(plot.oneMileTicks.size(), 36u);
    expectPoint(plot.oneMileTicks[0].from, 1, -0.2, "x = 1 from");
    expectPoint(plot.oneMileTicks[0].to, 1, 0.2, "x = 1 to");
    expectPoint(plot.oneMileTicks[35].from, -0.4, -9, "y = -9 from");
    expectPoint(plot.oneMileTicks[35].to, 0.4, -9, "y = -9 to");
}

TEST(LopPlotTest, RatioOfTheSidesIsSinglePrecision) {
    LopPlotInput in = baseInput();
    in.Fix.PlotScale = 25;
    in.PictureWidth = 6252;
    in.PictureHeight = 5415;
    const LopPlot plot = lopPlotGeometry(in);
    const float r = static_cast<float>(6252.0 / 5415.0);
    EXPECT_EQ(plot.scaleTop, 25 / static_cast<double>(r));
    EXPECT_NE(plot.scaleTop, 25 / (6252.0 / 5415.0));
    EXPECT_EQ(plot.scaleHeight, -2 * plot.scaleTop);
}

TEST(LopPlotTest, TickExtentsByScale) {
    struct Case {
        double scale;
        double width, height;
        std::vector<double> tenMile;  // positive positions, in order
    };
    const std::vector<Case> cases = {
        // 30 lies outside the horizontal axis; none between 11 and 19.
        {25, 4000, 2000, {10, 20, 30}},
        {20, 4000, 2000, {10, 20}},
        {5, 4000, 2000, {10}},
        {0.5, 4000, 2000, {10}},
        // Taller than wide: T = 50 > S, the ticks still end at 30.
        {25, 2000, 4000, {10, 20, 30}},
    };
    for (const Case& c : cases) {
        LopPlotInput in = baseInput();
        in.Fix.PlotScale = c.scale;
        in.PictureWidth = c.width;
        in.PictureHeight = c.height;
        const LopPlot plot = lopPlotGeometry(in);
        EXPECT_EQ(tickPositions(plot.tenMileTicks, true), c.tenMile) << c.scale;
        EXPECT_EQ(tickPositions(plot.tenMileTicks, false), c.tenMile) << c.scale;
        EXPECT_EQ(tickPositions(plot.oneMileTicks, true),
                  (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9}))
            << c.scale;
        for (std::size_t i = 0; i < plot.tenMileTicks.size(); i += 4) {
            EXPECT_EQ(plot.tenMileTicks[i + 1].from.x, -plot.tenMileTicks[i].from.x);
            EXPECT_EQ(plot.tenMileTicks[i + 3].from.y, -plot.tenMileTicks[i + 2].from.y);
        }
    }
}

TEST(LopPlotTest, TallPictureSpansTheVerticalAxisOverT) {
    LopPlotInput in = baseInput();
    in.Fix.PlotScale = 25;
    in.PictureWidth = 2000;
    in.PictureHeight = 4000;
    const LopPlot plot = lopPlotGeometry(in);
    EXPECT_EQ(plot.scaleTop, 50);
    EXPECT_EQ(plot.scaleHeight, -100);
    expectPoint(plot.verticalAxis.from, 0, 50, "top");
    expectPoint(plot.verticalAxis.to, 0, -50, "bottom");
    expectPoint(plot.horizontalAxis.to, 25, 0, "right");
    // Ticks across the horizontal axis are 0.05 T = 2.5 long each way.
    expectPoint(plot.tenMileTicks[0].to, 10, 2.5, "tick x = 10");
}

// ----------------------------------------------------- lines of position

TEST(LopPlotTest, LineOfPositionEndsAndLabel) {
    struct Case {
        const char* what;
        double p, Z, R, course;
        PlotPoint foot;       // advanced intercept point
        PlotPoint direction;  // (sin(Z - 90), cos(Z - 90))
    };
    const double s30 = std::sin(30 * kRad), c30 = std::cos(30 * kRad);
    const std::vector<Case> cases = {
        {"north, no run", 5, 0, 0, 0, {0, 5}, {-1, 0}},
        {"east, away", -3, 90, 0, 0, {-3, 0}, {0, 1}},
        {"south, run east", 2, 180, 4, 90, {4, -2}, {1, 0}},
        {"bearing 120, run north", 6, 120, 1.5, 0, {6 * c30, 1.5 - 6 * s30}, {s30, c30}},
    };
    for (const Case& c : cases) {
        LopPlotInput in = baseInput();
        in.Fix.Course = c.course;
        addSight(in, 1, c.p, c.Z, c.R);
        in.nextRandom = [] { return 0.5; };  // f = 0.5
        const LopPlot plot = lopPlotGeometry(in);
        ASSERT_EQ(plot.lops.size(), 1u) << c.what;
        const auto& lop = plot.lops[0];
        EXPECT_EQ(lop.sight, 1);
        const double dx = c.direction.x * 20, dy = c.direction.y * 20;
        EXPECT_NEAR(lop.segment.from.x, c.foot.x + dx, 1e-12) << c.what;
        EXPECT_NEAR(lop.segment.from.y, c.foot.y + dy, 1e-12) << c.what;
        EXPECT_NEAR(lop.segment.to.x, c.foot.x - dx, 1e-12) << c.what;
        EXPECT_NEAR(lop.segment.to.y, c.foot.y - dy, 1e-12) << c.what;
        // Half way toward the first end, then 100 twips (1 n.mi.) left and up.
        EXPECT_NEAR(lop.label.at.x, c.foot.x + 0.5 * dx - 1, 1e-12) << c.what;
        EXPECT_NEAR(lop.label.at.y, c.foot.y + 0.5 * dy + 1, 1e-12) << c.what;
        EXPECT_EQ(platform::printLineText(lop.label.line), "LOP# 1");
        ASSERT_EQ(lop.label.line.size(), 1u);
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(LopPlotTest, LabelOffsetsComeFromTheRandomNumbers) {
    LopPlotInput in = baseInput();
    addSight(in, 1, 5, 0);
    addSight(in, 2, 5, 0);
    addSight(in, 3, 5, 0);
    const std::vector<double> numbers = {0, 0.25, 0.9999};
    std::size_t draws = 0;
    in.nextRandom = [&] { return numbers[draws++ % numbers.size()]; };
    const LopPlot plot = lopPlotGeometry(in);
    EXPECT_EQ(draws, 3u);
    ASSERT_EQ(plot.lops.size(), 3u);
    // f = 0.3 + 0.4 u of the way to the end at x = -20; d = 200 S / W = 1.
    const double f[] = {0.3, 0.4, 0.3 + 0.4 * 0.9999};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(plot.lops[i].label.at.x, -20 * f[i] - 1, 1e-12) << i;
        EXPECT_NEAR(plot.lops[i].label.at.y, 6, 1e-12) << i;
    }
    // d follows the picture's width: 1000 twips wide, 100 twips = 4 n.mi.
    in.PictureWidth = 1000;
    draws = 0;
    const LopPlot narrow = lopPlotGeometry(in);
    EXPECT_NEAR(narrow.lops[0].label.at.x, -20 * 0.3 - 4, 1e-12);
    EXPECT_NEAR(narrow.lops[0].label.at.y, 5 + 4, 1e-12);

    // Without a source the labels sit at 30 %.
    in.nextRandom = nullptr;
    const LopPlot plain = lopPlotGeometry(in);
    EXPECT_NEAR(plain.lops[2].label.at.x, -20 * 0.3 - 4, 1e-12);
}

TEST(LopPlotTest, ExcludedSightKeepsItsNumberFree) {
    LopPlotInput in = baseInput();
    addSight(in, 1, 1, 10);
    addSight(in, 2, 2, 100, 0, false);
    addSight(in, 3, 3, 200);
    in.Included[4] = 1;  // beyond SightCount: not read
    int draws = 0;
    in.nextRandom = [&] {
        ++draws;
        return 0.0;
    };
    const LopPlot plot = lopPlotGeometry(in);
    ASSERT_EQ(plot.lops.size(), 2u);
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(plot.lops[0].sight, 1);
    EXPECT_EQ(plot.lops[1].sight, 3);
    EXPECT_EQ(platform::printLineText(plot.lops[0].label.line), "LOP# 1");
    EXPECT_EQ(platform::printLineText(plot.lops[1].label.line), "LOP# 3");
    // Sight 3's foot: p = 3 at 200 degrees.
    const double x0 = 3 * std::sin(200 * kRad), y0 = 3 * std::cos(200 * kRad);
    EXPECT_NEAR(plot.lops[1].segment.from.x, x0 + 20 * std::sin(110 * kRad), 1e-12);
    EXPECT_NEAR(plot.lops[1].segment.from.y, y0 + 20 * std::cos(110 * kRad), 1e-12);
}

TEST(LopPlotTest, IncludeFlagMustBeOne) {
    LopPlotInput in = baseInput();
    addSight(in, 1, 1, 10);
    addSight(in, 2, 1, 50);
    in.Included[1] = 2;
    in.Included[2] = 0.5;
    EXPECT_TRUE(lopPlotGeometry(in).lops.empty());
}

TEST(LopPlotTest, SightCountOutsideTheLogReadsNoFurther) {
    LopPlotInput in = baseInput();
    for (int i = 1; i <= reduction::kMaxSights; ++i) {
        addSight(in, i, i, 10 * i);
    }
    in.SightCount = 40;
    EXPECT_EQ(lopPlotGeometry(in).lops.size(), 25u);
    in.SightCount = -3;
    EXPECT_TRUE(lopPlotGeometry(in).lops.empty());
}

// --------------------------------------------------------- fix and texts

// Without a fix: no green circle; a "+" on the assumed position labelled "AP".
TEST(LopPlotTest, NoIncludedSightDrawsAxesTicksAssumedPositionMarkAndTexts) {
    LopPlotInput in = baseInput();
    addSight(in, 1, 4, 30, 0, false);
    addSight(in, 2, 4, 130, 0, false);
    in.AssumedLat = 12.25;
    in.AssumedLon = -45.5;
    int draws = 0;
    in.nextRandom = [&] {
        ++draws;
        return 0.5;
    };
    const LopPlot plot = lopPlotGeometry(in);
    EXPECT_TRUE(plot.chart);
    EXPECT_TRUE(plot.lops.empty());
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(plot.tenMileTicks.size(), 8u);
    EXPECT_EQ(plot.oneMileTicks.size(), 36u);
    EXPECT_EQ(plot.fixRadius, 0);
    // Arms of 105 twips: 1.05 n.mi. on this picture (100 twips a mile).
    ASSERT_EQ(plot.apMark.size(), 2u);
    expectPoint(plot.apMark[0].from, -1.05, 0, "AP mark, west arm");
    expectPoint(plot.apMark[0].to, 1.05, 0, "AP mark, east arm");
    expectPoint(plot.apMark[1].from, 0, -1.05, "AP mark, south arm");
    expectPoint(plot.apMark[1].to, 0, 1.05, "AP mark, north arm");
    EXPECT_EQ(platform::printLineText(plot.apLabel.line), "AP");
    expectPoint(plot.apLabel.at, 1.05, -0.525, "AP label");
    EXPECT_TRUE(plot.ellipse.empty());
    EXPECT_EQ(texts(plot), (std::vector<std::string>{"LONa -45.500 ", "LATa  12.250 ",
                                                     "No fix: fewer than two sights included"}));
    expectPoint(plot.texts[2].at, -20, 9.5, "no-fix line");
}

// The assumed longitude is shown round the Earth into -180..180; a position
// that is no number shows "---", never "inf" or "NaN".
TEST(LopPlotTest, AssumedPositionTextsAreWrappedAndNeverInfinite) {
    struct Case {
        double lat, lon;
        std::string lonText, latText;
    };
    const Case cases[] = {
        {12.25, 200, "LONa -160.000 ", "LATa  12.250 "},
        {12.25, -900.5, "LONa  179.500 ", "LATa  12.250 "},
        {12.25, -kInf, "LONa ---", "LATa  12.250 "},
        {kNaN, 1e300, "LONa ---", "LATa ---"},
    };
    for (const Case& c : cases) {
        LopPlotInput in = baseInput();
        in.AssumedLat = c.lat;
        in.AssumedLon = c.lon;
        const std::vector<std::string> shown = texts(lopPlotGeometry(in));
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown[0], c.lonText) << c.lon;
        EXPECT_EQ(shown[1], c.latText) << c.lat;
    }
}

TEST(LopPlotTest, ParallelLinesReplaceTheFixLines) {
    LopPlotInput in = baseInput();
    in.Status = FixStatus::ParallelLines;
    in.Fix.IncludedCount = 3;
    in.Fix.SumCos2 = 3;  // three sights due north: G = 0
    in.Fix.SumP2 = 1;
    addSight(in, 1, 1, 0);
    addSight(in, 2, 2, 0);
    addSight(in, 3, 3, 0);
    const LopPlot plot = lopPlotGeometry(in);
    EXPECT_EQ(plot.lops.size(), 3u);
    EXPECT_TRUE(plot.ellipse.empty());
    EXPECT_EQ(plot.fixRadius, 0);
    EXPECT_EQ(plot.apMark.size(), 2u);
    EXPECT_EQ(texts(plot),
              (std::vector<std::string>{"LONa  0.000 ", "LATa  0.000 ",
                                        "No fix: the lines of position are parallel"}));
}

TEST(LopPlotTest, FixAtTheAssumedOriginPrintsNorthEastAndZeros) {
    // Two crossing lines through the assumed position at 0, 0.
    LopPlotInput in = baseInput();
    in.Status = FixStatus::Fix;
    in.Fix.IncludedCount = 2;
    in.Fix.SumCos2 = 1;
    in.Fix.SumSin2 = 1;
    addSight(in, 1, 0, 0);
    addSight(in, 2, 0, 90);
    const LopPlot plot = lopPlotGeometry(in);
    EXPECT_EQ(plot.lops.size(), 2u);
    expectPoint(plot.fixCentre, 0, 0, "fix mark");
    EXPECT_EQ(plot.fixRadius, 0.5);
    EXPECT_TRUE(plot.apMark.empty());  // a fix on the assumed position is still a fix
    EXPECT_TRUE(plot.ellipse.empty());
    EXPECT_EQ(texts(plot), (std::vector<std::string>{
                               "LONa  0.000 ",
                               "LATa  0.000 ",
                               "Best Fix Latitude N 0 " + kDeg + "  0.0 ' ",
                               "Best Fix Longitude E 0 " + kDeg + "  0.0 ' ",
                               "Distance from assumed position 0.00  n.miles",
                           }));
    expectPoint(plot.texts[0].at, 0, 10, "LONa");
    expectPoint(plot.texts[1].at, -20, 0, "LATa");
    expectPoint(plot.texts[2].at, -20, 9.5, "latitude");
    expectPoint(plot.texts[3].at, -20, 9, "longitude");
    expectPoint(plot.texts[4].at, -20, 8, "distance");
}

// Two lines 0.5 degree apart: the fix is kept with its mark and texts, then
// the weak-fix line at 0.75 T and the recommendation below it at 0.7 T.
// Three well-spread lines: no weak-fix line.
TEST(LopPlotTest, WeakFixSaysSoBelowItsDistance) {
    struct Case {
        std::vector<double> azimuths;
        double distance;
        std::vector<std::string> after;  // the texts after the distance
    };
    const std::vector<Case> cases = {
        {{221, 221.5},
         40,
         {"Weak fix: as weak as two lines of position crossing at 0.5" + kDeg,
          "Recommend redo calculation with best fix as the new assumed position"}},
        {{221, 221.5}, 10, {"Weak fix: as weak as two lines of position crossing at 0.5" + kDeg}},
        {{221, 233}, 10, {"Weak fix: as weak as two lines of position crossing at 12.0" + kDeg}},
        {{44, 164, 284}, 10, {}},
        {{44, 164, 284},
         40,
         {"Recommend redo calculation with best fix as the new assumed position"}},
    };
    for (const Case& c : cases) {
        LopPlotInput in = baseInput();
        in.Status = FixStatus::Fix;
        int i = 0;
        for (const double z : c.azimuths) {
            fixsums::addLineOfPosition(in.Fix, 0.5, z);
            addSight(in, ++i, 0.5, z);
        }
        in.Fix.IncludedCount = i;
        in.Fix.FixDLat = 0.5;
        in.Fix.FixLat = 0.5;
        in.Fix.FixDistance = c.distance;
        const LopPlot plot = lopPlotGeometry(in);
        SCOPED_TRACE(std::to_string(c.azimuths[1]) + " " + std::to_string(c.distance));
        EXPECT_EQ(plot.fixRadius, 0.5);
        EXPECT_TRUE(plot.apMark.empty());
        const std::vector<std::string> shown = texts(plot);
        ASSERT_EQ(shown.size(), 5 + c.after.size());
        EXPECT_EQ(shown[4], "Distance from assumed position " +
                                std::string(c.distance == 40 ? "40.00" : "10.00") + "  n.miles");
        EXPECT_EQ(std::vector<std::string>(shown.begin() + 5, shown.end()), c.after);
        const double standardY[] = {7.5, 7};  // 0.75 T and 0.7 T, T = 10
        const bool weak = c.azimuths.size() == 2;
        for (std::size_t k = 0; k < c.after.size(); ++k) {
            expectPoint(plot.texts[5 + k].at, -20, weak ? standardY[k] : 7.5, "after the distance");
        }
    }
}

// Expected texts: worked by hand from the print form and the degrees and
// minutes rule.
TEST(LopPlotTest, FixMarkAndFixTexts) {
    struct Case {
        const char* what;
        double assumedLat, assumedLon;
        double dLat, dLon, fixLat, fixLon, distance;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {"south of the equator, unsigned numbers",
         0.1,
         -0.2,
         -0.3,
         -0.1,
         -0.2,
         -0.3,
         18.5,
         {"LONa -0.200 ", "LATa  0.100 ", "Best Fix Latitude S 0 " + kDeg + "  12.0 ' ",
          "Best Fix Longitude W 0 " + kDeg + "  18.0 ' ",
          "Distance from assumed position 18.50  n.miles"}},
        // 0.5125 degree is 30.75': rounded half away from zero.
        {"north-west, minutes rounded to tenths",
         41.5,
         -70.25,
         0.0125,
         0.05,
         41.5125,
         -70.2,
         2.54,
         {"LONa -70.250 ", "LATa  41.500 ", "Best Fix Latitude N 41 " + kDeg + "  30.8 ' ",
          "Best Fix Longitude W 70 " + kDeg + "  12.0 ' ",
          "Distance from assumed position 2.54  n.miles"}},
        // 59.96' and 0.35' (held a hair below) rounded: the next degree
        // and 0.4'; a longitude a hair west of 0 that rounds to 0 reads E.
        {"minutes carried into the degree",
         0,
         0,
         (59 + 59.96 / 60) - 0,
         0,
         59 + 59.96 / 60,
         -0.35 / 60,
         1.005,
         {"LONa  0.000 ", "LATa  0.000 ", "Best Fix Latitude N 60 " + kDeg + "  0.0 ' ",
          "Best Fix Longitude W 0 " + kDeg + "  0.4 ' ",
          "Distance from assumed position 1.01  n.miles"}},
        {"a value that rounds to zero has no side",
         0,
         0,
         -0.0001 / 60,
         0,
         -0.0001 / 60,
         -0.04 / 60,
         0.004,
         {"LONa  0.000 ", "LATa  0.000 ", "Best Fix Latitude N 0 " + kDeg + "  0.0 ' ",
          "Best Fix Longitude E 0 " + kDeg + "  0.0 ' ",
          "Distance from assumed position 0.00  n.miles"}},
        {"exactly 20 n.mi.: no recommendation",
         0,
         0,
         0.25,
         0,
         0.25,
         0,
         20,
         {"LONa  0.000 ", "LATa  0.000 ", "Best Fix Latitude N 0 " + kDeg + "  15.0 ' ",
          "Best Fix Longitude E 0 " + kDeg + "  0.0 ' ",
          "Distance from assumed position 20.00  n.miles"}},
        {"above 20 n.mi.: the recommendation",
         0,
         0,
         0.5,
         0,
         0.5,
         0,
         20.001,
         {"LONa  0.000 ", "LATa  0.000 ", "Best Fix Latitude N 0 " + kDeg + "  30.0 ' ",
          "Best Fix Longitude E 0 " + kDeg + "  0.0 ' ",
          "Distance from assumed position 20.00  n.miles",
          "Recommend redo calculation with best fix as the new assumed position"}},
    };
    for (const Case& c : cases) {
        LopPlotInput in = baseInput();
        in.Status = FixStatus::Fix;
        in.Fix.IncludedCount = 2;
        in.AssumedLat = c.assumedLat;
        in.AssumedLon = c.assumedLon;
        in.Fix.FixDLat = c.dLat;
        in.Fix.FixDLon = c.dLon;
        in.Fix.FixLat = c.fixLat;
        in.Fix.FixLon = c.fixLon;
        in.Fix.FixDistance = c.distance;
        const LopPlot plot = lopPlotGeometry(in);
        EXPECT_EQ(texts(plot), c.texts) << c.what;
        // Centre: 60 dLat north, 60 dLon cos(middle latitude) east.
        EXPECT_NEAR(plot.fixCentre.y, 60 * c.dLat, 1e-12) << c.what;
        EXPECT_NEAR(plot.fixCentre.x, 60 * c.dLon * std::cos((c.assumedLat + c.dLat / 2) * kRad),
                    1e-12)
            << c.what;
        if (plot.texts.size() == 6) {
            expectPoint(plot.texts[5].at, -20, 7.5, "recommendation");
        }
    }
}

// With the picture's text metrics the fix texts stand at least a line apart
// (the first where it always stands), and a label that would lie on a text
// moves along its own line. Metrics of the test: 200 twips a line (2 n.mi.
// on this picture) and 20 twips (0.2 n.mi.) a character.
TEST(LopPlotTest, TextMetricsKeepTheTextsApart) {
    LopPlotInput in = baseInput();
    in.Status = FixStatus::Fix;
    in.Fix.FixDistance = 25;
    in.Fix.IncludedCount = 2;
    // Sight 1's line runs east-west 5 n.mi. north, its label (f = 0.6) 12
    // n.mi. west of the foot: on "Distance from assumed position".
    addSight(in, 1, 5, 0);
    addSight(in, 2, 0, 90);
    in.nextRandom = [] { return 0.75; };
    const LopPlot standard = lopPlotGeometry(in);
    in.TextHeight = 200;
    in.TextWidth = [](const std::string& text) { return 20.0 * text.size(); };
    const LopPlot apart = lopPlotGeometry(in);

    // T = 10: the standard places are 9.5, 9, 8 and 7.5 n.mi. up.
    const double standardY[] = {9.5, 9, 8, 7.5};
    const double apartY[] = {9.5, 7.5, 5.5, 3.5};
    ASSERT_EQ(apart.texts.size(), 6u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(standard.texts[2 + k].at.y, standardY[k]) << k;
        EXPECT_DOUBLE_EQ(apart.texts[2 + k].at.y, apartY[k]) << k;
        EXPECT_EQ(apart.texts[2 + k].at.x, -20) << k;
    }

    // Sight 1's label: its standard place lies on the fix texts; moved, it
    // keeps the same offset from a point of its own line.
    const PlotPoint was = standard.lops[0].label.at;
    const PlotPoint now = apart.lops[0].label.at;
    EXPECT_FALSE(was.x == now.x && was.y == now.y);
    const double d = 200.0 * 20 / 4000;  // 100 twips in n.mi.
    expectPoint(was, -13, 6, "standard place of label 1");
    // (now + (d, -d)) - foot (0, 5) runs along the line: across it, nothing.
    EXPECT_NEAR(now.y - d - 5, 0, 1e-12);
    // Sight 2's label lies clear of the texts already: it stays.
    EXPECT_EQ(apart.lops[1].label.at.x, standard.lops[1].label.at.x);
    EXPECT_EQ(apart.lops[1].label.at.y, standard.lops[1].label.at.y);
}

// ------------------------------------------------------------- ellipse

// Three sights at 10, 130 and 250 degrees whose lines leave a small
// triangle; the sums and the fix as the reduction forms them.
LopPlotInput threeSightFix() {
    LopPlotInput in = baseInput();
    in.Status = FixStatus::Fix;
    const double Z[] = {10, 130, 250};
    const double p[] = {1.2, -0.4, 0.9};  // n.mi.
    FixResult& f = in.Fix;
    f.IncludedCount = 3;
    for (int i = 0; i < 3; ++i) {
        addSight(in, i + 1, p[i], Z[i]);
        fixsums::addLineOfPosition(f, p[i], Z[i]);
    }
    in.AssumedLat = 30;
    fixsums::solveFix(f, in.AssumedLat, in.AssumedLon);
    return in;
}

// Every point (X, Y) of the curve satisfies A n^2 + 2 B n e + C e^2 =
// (2.4 sigma)^2 with n = Y - yf, e = X - xf: the confidence ellipse of the
// normal matrix.
void expectOnEllipse(const LopPlot& plot, const FixResult& f) {
    const double Rs =
        f.SumP2 - f.FixDLat * f.SumPCos - std::cos(f.FixLat * kRad) * f.FixDLon * f.SumPSin;
    const double sigma = 60 * std::sqrt(Rs / (f.IncludedCount - 2));
    const double level = 2.4 * sigma * 2.4 * sigma;
    for (const PlotPoint& P : plot.ellipse) {
        const double n = P.y - plot.fixCentre.y;
        const double e = P.x - plot.fixCentre.x;
        const double form = f.SumCos2 * n * n + 2 * f.SumSinCos * n * e + f.SumSin2 * e * e;
        EXPECT_NEAR(form, level, 1e-9 * level);
    }
}

TEST(LopPlotTest, ThreeSightsDrawAClosedEllipseAroundTheFix) {
    const LopPlotInput in = threeSightFix();
    const LopPlot plot = lopPlotGeometry(in);
    EXPECT_EQ(plot.lops.size(), 3u);
    ASSERT_EQ(plot.ellipse.size(), 37u);  // a point and 36 segments
    EXPECT_NEAR(plot.ellipse.front().x, plot.ellipse.back().x, 1e-12);
    EXPECT_NEAR(plot.ellipse.front().y, plot.ellipse.back().y, 1e-12);
    expectOnEllipse(plot, in.Fix);

    // The first point lies a along bearing theta from the fix.
    const ErrorEllipse e = errorEllipse(in.Fix);
    ASSERT_TRUE(e.drawn);
    EXPECT_NEAR(plot.ellipse[0].x, plot.fixCentre.x + e.a * std::sin(e.theta), 1e-12);
    EXPECT_NEAR(plot.ellipse[0].y, plot.fixCentre.y + e.a * std::cos(e.theta), 1e-12);
    // The tenth point (t = 90 degrees) lies b along bearing theta + 90.
    EXPECT_NEAR(plot.ellipse[9].x, plot.fixCentre.x - e.b * std::cos(e.theta), 1e-12);
    EXPECT_NEAR(plot.ellipse[9].y, plot.fixCentre.y + e.b * std::sin(e.theta), 1e-12);
}

TEST(LopPlotTest, EllipseLeftOutWithoutAPositiveResidualOrEnoughSights) {
    struct Case {
        const char* what;
        double count;
        double sumP2;  // F
        FixStatus status;
    };
    const LopPlotInput good = threeSightFix();
    const std::vector<Case> cases = {
        {"two sights", 2, good.Fix.SumP2, FixStatus::Fix},
        {"residual negative", 3, 0, FixStatus::Fix},
        {"residual not a number", 3, kNaN, FixStatus::Fix},
        {"residual infinite", 3, kInf, FixStatus::Fix},
        {"count not a number", kNaN, good.Fix.SumP2, FixStatus::Fix},
        {"no fix", 3, good.Fix.SumP2, FixStatus::ParallelLines},
    };
    for (const Case& c : cases) {
        LopPlotInput in = good;
        in.Fix.IncludedCount = c.count;
        in.Fix.SumP2 = c.sumP2;
        in.Status = c.status;
        EXPECT_TRUE(lopPlotGeometry(in).ellipse.empty()) << c.what;
    }
    EXPECT_EQ(lopPlotGeometry(good).ellipse.size(), 37u);

    // A residual of exactly 0: the lines meet in one point.
    LopPlotInput exact = good;
    exact.Fix.FixDLat = 0;
    exact.Fix.FixDLon = 0;
    exact.Fix.SumP2 = 0;
    EXPECT_TRUE(lopPlotGeometry(exact).ellipse.empty());
    EXPECT_FALSE(errorEllipse(exact.Fix).drawn);
}

// Degenerate normal matrices, with sigma = 60 (Rs = 1, n = 3).
TEST(LopPlotTest, DegenerateEllipses) {
    struct Case {
        const char* what;
        double A, B, C;
        bool drawn;
        double theta, a, b;  // expected
    };
    const double s = 2.4 * 60;
    const std::vector<Case> cases = {
        // B = 0: axes north-south and east-west, q = (A - C) / 2 = 0.5.
        {"B = 0", 2, 0, 1, true, 0, s / std::sqrt(2.0), s / 1},
        {"B = 0, C > A", 1, 0, 2, true, 0, s / 1, s / std::sqrt(2.0)},
        // A = C: at 45 degrees on the side of B, q = |B|.
        {"A = C, B > 0", 1.5, 0.5, 1.5, true, 45 * kRad, s / std::sqrt(2.0), s / 1},
        {"A = C, B < 0", 1.5, -0.5, 1.5, true, -45 * kRad, s / std::sqrt(2.0), s / 1},
        // A = C and B = 0: a circle.
        {"A = C, B = 0", 1.5, 0, 1.5, true, 0, s / std::sqrt(1.5), s / std::sqrt(1.5)},
        // All lines parallel: n/2 - q = 0.
        {"parallel, B = 0", 3, 0, 0, false, 0, 0, 0},
        {"parallel, B = 0, east", 0, 0, 3, false, 0, 0, 0},
        // n/2 - q below 0 (sums that do not add up to n).
        {"eigenvalue negative", 1.5, 2, 1.5, false, 0, 0, 0},
        {"B not a number", 1.5, kNaN, 1.5, false, 0, 0, 0},
        {"A infinite", kInf, 0.5, 1, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        FixResult f;
        f.IncludedCount = 3;
        f.SumP2 = 1;
        f.SumCos2 = c.A;
        f.SumSinCos = c.B;
        f.SumSin2 = c.C;
        const ErrorEllipse e = errorEllipse(f);
        EXPECT_EQ(e.drawn, c.drawn) << c.what;
        if (c.drawn) {
            EXPECT_NEAR(e.theta, c.theta, 1e-15) << c.what;
            EXPECT_NEAR(e.a, c.a, 1e-12) << c.what;
            EXPECT_NEAR(e.b, c.b, 1e-12) << c.what;
        }
        LopPlotInput in = baseInput();
        in.Status = FixStatus::Fix;
        in.Fix = f;
        in.Fix.PlotScale = 20;
        const LopPlot plot = lopPlotGeometry(in);
        EXPECT_EQ(plot.ellipse.size(), c.drawn ? 37u : 0u) << c.what;
        if (c.drawn) {
            expectOnEllipse(plot, in.Fix);
        }
        for (const PlotPoint& P : plot.ellipse) {
            EXPECT_TRUE(std::isfinite(P.x) && std::isfinite(P.y)) << c.what;
        }
    }
}

TEST(LopPlotTest, GeneralEllipseUsesThePrincipalArctangent) {
    FixResult f;
    f.IncludedCount = 3;
    f.SumP2 = 1;
    f.SumCos2 = 2;
    f.SumSinCos = 0.5;
    f.SumSin2 = 1;
    const ErrorEllipse e = errorEllipse(f);
    ASSERT_TRUE(e.drawn);
    // tan 2 theta = 1: theta = 22.5 degrees; q = 0.5 / sin 45 = sqrt(0.5).
    EXPECT_NEAR(e.theta, 22.5 * kRad, 1e-15);
    EXPECT_NEAR(e.a, 144 / std::sqrt(1.5 + std::sqrt(0.5)), 1e-12);
    EXPECT_NEAR(e.b, 144 / std::sqrt(1.5 - std::sqrt(0.5)), 1e-12);
}

// ------------------------------------------------------- unusable sizes

TEST(LopPlotTest, UnusablePlottingScaleShowsOneLineInsteadOfAChart) {
    for (double scale : {0.0, -0.0, -5.0, kNaN, kInf, -kInf}) {
        LopPlotInput in = threeSightFix();
        in.Fix.PlotScale = scale;
        in.Fix.FixDistance = 30;
        int draws = 0;
        in.nextRandom = [&] {
            ++draws;
            return 0.5;
        };
        const LopPlot plot = lopPlotGeometry(in);
        EXPECT_FALSE(plot.chart) << scale;
        EXPECT_EQ(draws, 0) << scale;
        EXPECT_TRUE(plot.lops.empty() && plot.tenMileTicks.empty() && plot.oneMileTicks.empty() &&
                    plot.ellipse.empty())
            << scale;
        EXPECT_EQ(plot.fixRadius, 0) << scale;
        EXPECT_EQ(texts(plot),
                  (std::vector<std::string>{"Set a plotting scale above 0 in the main window"}))
            << scale;
        expectPoint(plot.texts[0].at, 0, 0, "message at the top-left corner");
        // A twips scale from the top-left corner.
        EXPECT_EQ(plot.scaleLeft, 0);
        EXPECT_EQ(plot.scaleTop, 0);
        EXPECT_EQ(plot.scaleWidth, 4000);
        EXPECT_EQ(plot.scaleHeight, 2000);
    }
}

TEST(LopPlotTest, PictureSizesStayPositive) {
    struct Case {
        double width, height;
    };
    const std::vector<Case> cases = {{4000, 0},    {0, 2000},   {-15, -15}, {kNaN, 2000},
                                     {4000, kInf}, {0.25, 0.5}, {1e300, 1}, {1, 1e300}};
    for (const Case& c : cases) {
        LopPlotInput in = threeSightFix();
        in.PictureWidth = c.width;
        in.PictureHeight = c.height;
        const LopPlot plot = lopPlotGeometry(in);
        ASSERT_TRUE(plot.chart);
        EXPECT_TRUE(std::isfinite(plot.scaleTop) && plot.scaleTop > 0)
            << c.width << " x " << c.height;
        EXPECT_TRUE(plot.scaleHeight < 0) << c.width << " x " << c.height;
        for (const auto& lop : plot.lops) {
            EXPECT_TRUE(std::isfinite(lop.label.at.x) && std::isfinite(lop.label.at.y))
                << c.width << " x " << c.height;
        }
        if (c.width == 4000 && c.height == 0) {
            // Taken as 1 twip high: T = S / 4000.
            EXPECT_EQ(plot.scaleTop, 20.0 / 4000);
        }
    }
}

TEST(LopPlotTest, AbsurdScaleStopsTheTenMileTicks) {
    LopPlotInput in = baseInput();
    in.Fix.PlotScale = 1e12;
    const LopPlot plot = lopPlotGeometry(in);
    ASSERT_EQ(plot.tenMileTicks.size(), 4u * 1080u);
    EXPECT_EQ(plot.tenMileTicks.back().from.y, -10800);
    in.Fix.PlotScale = 10800;
    EXPECT_EQ(lopPlotGeometry(in).tenMileTicks.size(), 4u * 1080u);
    in.Fix.PlotScale = 10795;
    EXPECT_EQ(lopPlotGeometry(in).tenMileTicks.size(), 4u * 1080u);
}

// ------------------------------------------------------ pointer read-out

TEST(LopPlotTest, PointerReadout) {
    struct Case {
        double assumedLat, assumedLon, X, Y;
        std::string label2, label3;
    };
    const std::vector<Case> cases = {
        // The window's own examples: no blanks inside the numbers. 12.35'
        // (held a hair below) rounds half away from zero to 12.4'.
        {41.5, -(70 + 12.35 / 60), 0, 0.5, "Latitude N41" + kDeg + " 30.5'",
         "Longitude W70" + kDeg + " 12.4'"},
        {0, 0, 0, -30, "Latitude S0" + kDeg + " 30'", "Longitude E0" + kDeg + " 0'"},
        {0, -70, -30, 0, "Latitude N0" + kDeg + " 0'", "Longitude W70" + kDeg + " 30'"},
        // Degrees and minutes unsigned; minutes rounded to tenths.
        {0, 0, 6.6, 0, "Latitude N0" + kDeg + " 0'", "Longitude E0" + kDeg + " 6.6'"},
        // -6.6 / 60 in single precision is -0.10999999940: 6.59999964
        // minutes, shown 6.6.
        {-12, 33, 0, -6.6, "Latitude S12" + kDeg + " 6.6'", "Longitude E33" + kDeg + " 0'"},
        // Scale of the assumed latitude without the middle latitude: 30 n.mi.
        // east at 60 N is one degree, less a hair as CosD(60) exceeds 0.5:
        // 59.99999' carries into the next degree.
        {60, 10, 30, 0, "Latitude N60" + kDeg + " 0'", "Longitude E11" + kDeg + " 0'"},
        // Past 180 degrees the longitude reads round the Earth: 180.4 E is
        // 179.6 W, a hair less in a double, which rounds to 36'.
        // No clamp past the pole.
        {0, 179.9, 30, 0, "Latitude N0" + kDeg + " 0'", "Longitude W179" + kDeg + " 36'"},
        {0, -179.9, -30, 0, "Latitude N0" + kDeg + " 0'", "Longitude E179" + kDeg + " 36'"},
        // Many turns east of the assumed position: 7200.5 n.mi. on the
        // equator is 120 degrees 0.5 minute east of 100 E: 139 deg 59.5 min W.
        {0, 100, 7200.5, 0, "Latitude N0" + kDeg + " 0'", "Longitude W139" + kDeg + " 59.5'"},
        {89.9, 0, 0, 30, "Latitude N90" + kDeg + " 24'", "Longitude E0" + kDeg + " 0'"},
        // Y / 60 in single precision: -141 / 60 is -2.3499999 there, 20.99999
        // minutes, shown 21.
        {0, 0, 0, -141, "Latitude S2" + kDeg + " 21'", "Longitude E0" + kDeg + " 0'"},
        // A pointer a hair south of the equator that rounds to 0' reads N.
        {0, 0, 0, -0.001, "Latitude N0" + kDeg + " 0'", "Longitude E0" + kDeg + " 0'"},
    };
    for (const Case& c : cases) {
        const auto r = pointerReadout(c.assumedLat, c.assumedLon, c.X, c.Y);
        EXPECT_EQ(r.Label2, c.label2) << c.assumedLat << " " << c.Y;
        EXPECT_EQ(r.Label3, c.label3) << c.assumedLon << " " << c.X;
    }
}

TEST(LopPlotTest, PointerReadoutOfNoFinitePositionIsEmpty) {
    for (const double Y : {1e300, -1e300, kNaN, kInf}) {
        const auto r = pointerReadout(0, 0, 0, Y);
        EXPECT_EQ(r.Label2, "") << Y;
        EXPECT_EQ(r.Label3, "") << Y;
    }
    EXPECT_EQ(pointerReadout(0, 0, kNaN, 0).Label3, "");
    EXPECT_EQ(pointerReadout(kNaN, 0, 0, 0).Label2, "");
}

}  // namespace
