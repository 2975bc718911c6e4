// The sky chart as a scene: twilight bands, scale, grid, labels, ecliptic,
// star selection and discs, body discs and the chart arrays. Expected colours
// are the chart's worked values for its bands.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "planner/sky_chart.h"
#include "platform/numtext.h"
#include "tests/planner/january_night.h"

namespace {

using namespace planner;
constexpr double kRad = ephemeris::kRadPerDeg;
constexpr double R = kSkyRadius;

BodyAltAz at(double azimuthDeg, double elevationDeg) {
    return {azimuthDeg * kRad, elevationDeg * kRad};
}

ephemeris::StarTables starTables() {
    ephemeris::StarTables t;
    ephemeris::FillStarTable(t);
    return t;
}

// Full night over New England.
PlannerInput nightInput(double N = 20) {
    return plannerInput(plannertest::januaryNight(platform::generalText(N)));
}

TEST(TwilightBand, ColoursAndTextsFollowTheSunsDepression) {
    struct Case {
        double e;
        Rgb sky, text, grid;
        std::string label;
    };
    const std::vector<Case> cases = {
        {10, {255, 255, 255}, {0, 0, 0}, {50, 50, 50}, ""},
        {0, {255, 255, 255}, {0, 0, 0}, {50, 50, 50}, ""},
        {-3, {177, 177, 255}, {40, 40, 40}, {30, 30, 30}, kEarlyTwilightText},
        // Exactly -6 is nautical twilight, not daylight.
        {-6, {100, 100, 254}, {180, 180, 180}, {180, 180, 180}, kNauticalTwilightText},
        {-6.5, {93, 93, 235}, {180, 180, 180}, {175, 175, 175}, kNauticalTwilightText},
        {-9, {60, 60, 137}, {180, 180, 180}, {150, 150, 150}, kNauticalTwilightText},
        // Exactly -12 is full night.
        {-12, {0, 0, 0}, {160, 160, 160}, {80, 80, 80}, kFullNightText},
        {-12.5, {0, 0, 0}, {160, 160, 160}, {80, 80, 80}, kFullNightText},
        {-13, {0, 0, 0}, {160, 160, 160}, {80, 80, 80}, kFullNightText},
    };
    for (const Case& c : cases) {
        const TwilightBand b = twilightBand(c.e, false);
        EXPECT_EQ(b.sky, c.sky) << c.e;
        EXPECT_EQ(b.text, c.text) << c.e;
        EXPECT_EQ(b.grid, c.grid) << c.e;
        EXPECT_EQ(b.label, c.label) << c.e;
        // With the white background every band looks like day.
        const TwilightBand white = twilightBand(c.e, true);
        EXPECT_EQ(white.sky, (Rgb{255, 255, 255}));
        EXPECT_EQ(white.label, "");
    }
}

TEST(SkyChart, ScaleGridAndLabels) {
    const PlannerInput in = nightInput();
    const PlannerSky sky = plannerSky(in);
    const SkyChart c = skyChart(in, sky, starTables(), 2000, 1000);
    // Twice as wide as high: x from -2 to 2, y from 1 down to -1.
    EXPECT_EQ(c.scaleLeft, -2);
    EXPECT_EQ(c.scaleWidth, 4);
    EXPECT_EQ(c.scaleTop, 1);
    EXPECT_EQ(c.scaleHeight, -2);

    ASSERT_EQ(c.rings.size(), 9u);
    EXPECT_DOUBLE_EQ(c.rings[0].radius, R);
    EXPECT_FALSE(c.rings[0].dotted);  // the horizon
    for (int k = 1; k <= 8; ++k) {
        EXPECT_DOUBLE_EQ(c.rings[k].radius, (1 - 10.0 * k / 90) * R);
        EXPECT_TRUE(c.rings[k].dotted);
    }
    ASSERT_EQ(c.spokes.size(), 36u);
    // North reaches further out; every spoke ends just outside the 80 ring.
    EXPECT_NEAR(c.spokes[0].outer.y, 1.02 * 1.1 * R, 1e-12);
    EXPECT_NEAR(c.spokes[9].outer.x, 1.02 * R, 1e-12);  // east
    EXPECT_NEAR(c.spokes[9].inner.x, 1.02 * R * 0.111111, 1e-12);
    EXPECT_GT(std::hypot(c.spokes[18].inner.x, c.spokes[18].inner.y), R / 9);

    ASSERT_EQ(c.labels.size(), 8u + 36u + 4u);
    EXPECT_EQ(platform::printLineText(c.labels[0].line), " 0 ");
    EXPECT_EQ(platform::printLineText(c.labels[7].line), " 70 ");
    EXPECT_NEAR(c.labels[7].at.y, (1 - 70.0 / 90) * R + 0.05 * R, 1e-12);
    EXPECT_EQ(platform::printLineText(c.labels[8 + 9].line), " 90 ");
    EXPECT_NEAR(c.labels[8 + 9].at.x, 1.1 * R - 0.075 * R, 1e-12);
    const std::vector<std::string> cardinal = {"North", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(platform::printLineText(c.labels[44 + i].line), cardinal[i]);
    }
    EXPECT_NEAR(c.labels[45].at.x, 1.2 * R, 1e-12);    // "E"
    EXPECT_NEAR(c.labels[47].at.x, -1.27 * R, 1e-12);  // "W"
}

// Whatever the picture's proportions, one unit is as long across as down,
// and the shorter side runs from -1 to 1: the horizon circle and every label
// lie inside the picture.
TEST(SkyChart, TheHorizonAndItsLabelsFitEveryPicture) {
    const PlannerInput in = nightInput();
    const PlannerSky sky = plannerSky(in);
    struct Case {
        double width, height;
        double halfWidth, halfHeight;
    };
    const Case cases[] = {
        {2000, 1000, 2, 1},  {1000, 2000, 1, 2},
        {6315, 6315, 1, 1},  {6315, 6135, 6315.0f / 6135.0f, 1},
        {1500, 13500, 1, 9}, {24000, 9000, 24000.0f / 9000.0f, 1},
    };
    for (const Case& k : cases) {
        const SkyChart c = skyChart(in, sky, starTables(), k.width, k.height);
        EXPECT_NEAR(c.scaleLeft, -k.halfWidth, 1e-6) << k.width << " x " << k.height;
        EXPECT_NEAR(c.scaleWidth, 2 * k.halfWidth, 1e-6) << k.width << " x " << k.height;
        EXPECT_NEAR(c.scaleTop, k.halfHeight, 1e-6) << k.width << " x " << k.height;
        EXPECT_NEAR(c.scaleHeight, -2 * k.halfHeight, 1e-6) << k.width << " x " << k.height;
        EXPECT_NEAR(c.scaleWidth / k.width, -c.scaleHeight / k.height, 1e-9 * c.scaleWidth);
        const double right = c.scaleLeft + c.scaleWidth;
        const double bottom = c.scaleTop + c.scaleHeight;
        EXPECT_LT(c.scaleLeft, -R);
        EXPECT_GT(right, R);
        EXPECT_GT(c.scaleTop, R);
        EXPECT_LT(bottom, -R);
        // Each label's top-left corner, the farthest being "North" at 1.25 R
        // and "W" at -1.27 R, with room for a short text.
        for (const ChartLabel& l : c.labels) {
            EXPECT_GT(l.at.x, c.scaleLeft) << k.width << " x " << k.height;
            EXPECT_LT(l.at.x + 0.05, right) << k.width << " x " << k.height;
            EXPECT_LT(l.at.y, c.scaleTop) << k.width << " x " << k.height;
            EXPECT_GT(l.at.y - 0.05, bottom) << k.width << " x " << k.height;
        }
    }
}

TEST(SkyChart, EclipticPointsLieAboveTheHorizon) {
    const PlannerInput in = nightInput();
    const SkyChart c = skyChart(in, plannerSky(in), starTables(), 6315, 6135);
    ASSERT_FALSE(c.ecliptic.empty());
    EXPECT_LE(c.ecliptic.size(), 360u);
    // Half the ecliptic is above the horizon, give or take.
    EXPECT_GT(c.ecliptic.size(), 150u);
    for (const ChartPoint& p : c.ecliptic) {
        EXPECT_LT(std::hypot(p.x, p.y), R);
    }
}

TEST(SkyChart, StarsAreSelectedSortedAndSizedByMagnitude) {
    const ephemeris::StarTables tables = starTables();
    const PlannerInput in = nightInput(58);
    const PlannerSky sky = plannerSky(in);
    ASSERT_LT(sky.SunAltAz.Hc, -12 * kRad);
    const SkyChart c = skyChart(in, sky, tables, 6315, 6135);
    ASSERT_GT(c.listedStars, 10);
    EXPECT_EQ(c.listedStars, c.Stars.Selected);
    EXPECT_EQ(c.starDiscs, c.listedStars);
    for (int i = 1; i <= c.listedStars; ++i) {
        EXPECT_GT(c.Stars.StarListElevation[i], kStarAltitudeLimit / kRad);
        if (i > 1) {
            EXPECT_LE(c.Stars.StarListMagnitude[i - 1], c.Stars.StarListMagnitude[i]);
        }
        const ChartDisc& d = c.discs[i - 1];
        EXPECT_DOUBLE_EQ(d.radius, 0.025 * R * std::sqrt(1 / (c.Stars.StarListMagnitude[i] + 2.6)));
        EXPECT_EQ(d.fill, (Rgb{0, 26, 248}));
        EXPECT_EQ(d.outline, (Rgb{255, 255, 255}));
        EXPECT_EQ(c.Arrays.ChartName[i], c.Stars.StarListName[i]);
        const ChartPoint p =
            chartProjection(c.Stars.StarListElevation[i], c.Stars.StarListAzimuth[i], 1);
        EXPECT_EQ(c.Arrays.ChartX[i], p.x);
        EXPECT_EQ(c.Arrays.ChartY[i], p.y);
    }
    // Sirius, magnitude -1.6, is the brightest star up on a January night:
    // radius 0.025 R exactly.
    EXPECT_EQ(c.Stars.StarListName[1], "Sirius  ");
    EXPECT_DOUBLE_EQ(c.discs[0].radius, 0.025 * R);
    // A star of magnitude 2.0: 0.0117 R.
    EXPECT_NEAR(0.025 * std::sqrt(1 / (2.0 + 2.6)), 0.0117, 5e-5);

    // The count caps the list: "2.9" lists at most 2, 0 none, a negative
    // count none (and comes back negative).
    for (const auto& [N, expected] :
         std::vector<std::pair<double, int>>{{2.9, 2}, {0, 0}, {-3, -3}, {1000, c.listedStars}}) {
        PlannerTexts t;
        t.StarCount = platform::generalText(N);
        const double n = plannerInput(t).N;
        StarList s;
        const double LHAAries = in.Lon + sky.Sun.GHAAries * kRad;
        EXPECT_EQ(selectStars(sky.Time.JD, sky.Time.T_TT, sky.Sun.SunGeoLon, n, LHAAries, in.Lat,
                              sky.SunAltAz.Hc, tables, s),
                  expected)
            << N;
        EXPECT_EQ(s.Selected, c.listedStars);
    }
    // With the Sun exactly 3 degrees down no star is selected.
    StarList none;
    EXPECT_EQ(selectStars(sky.Time.JD, sky.Time.T_TT, sky.Sun.SunGeoLon, 58,
                          in.Lon + sky.Sun.GHAAries * kRad, in.Lat, kStarSunLimit, tables, none),
              0);
}

TEST(SkyChart, ExchangeSortAsWrittenNotAStableSort) {
    // Give the first four stars that the night selects (in catalogue order)
    // the magnitudes 2, 1, 2, 1 and every other star 9. The exchange sort
    // then leaves them in the order 2nd, 4th, 3rd, 1st (worked by hand:
    // i=1 swaps with j=2; i=2 swaps with j=4); a stable sort would give
    // 2nd, 4th, 1st, 3rd.
    const PlannerInput in = nightInput(58);
    const PlannerSky sky = plannerSky(in);
    const double LHAAries = in.Lon + sky.Sun.GHAAries * kRad;
    ephemeris::StarTables tables = starTables();
    for (int k = 1; k <= ephemeris::kStarCount; ++k) {
        tables.StarMagnitudes[k] = k;  // catalogue order is magnitude order
    }
    StarList inOrder;
    const int n = selectStars(sky.Time.JD, sky.Time.T_TT, sky.Sun.SunGeoLon, 58, LHAAries, in.Lat,
                              sky.SunAltAz.Hc, tables, inOrder);
    ASSERT_GE(n, 4);
    std::vector<std::string> first(5);
    for (int i = 1; i <= 4; ++i) {
        first[i] = inOrder.StarListName[i];
    }
    const std::vector<double> pattern = {0, 2, 1, 2, 1};
    for (int k = 1; k <= ephemeris::kStarCount; ++k) {
        tables.StarMagnitudes[k] = 9;
        for (int i = 1; i <= 4; ++i) {
            if (tables.StarNames[k] == first[i]) {
                tables.StarMagnitudes[k] = pattern[i];
            }
        }
    }
    StarList sorted;
    selectStars(sky.Time.JD, sky.Time.T_TT, sky.Sun.SunGeoLon, 58, LHAAries, in.Lat,
                sky.SunAltAz.Hc, tables, sorted);
    EXPECT_EQ(sorted.StarListName[1], first[2]);
    EXPECT_EQ(sorted.StarListName[2], first[4]);
    EXPECT_EQ(sorted.StarListName[3], first[3]);
    EXPECT_EQ(sorted.StarListName[4], first[1]);
}

TEST(SkyChart, BodyDiscsFollowTheirRules) {
    struct Case {
        double sun;
        std::vector<std::string> drawn;
    };
    // Sun down to -12, Venus up to a Sun of 15, Mars and Jupiter below a Sun
    // of 0.5, Saturn below 0, the Moon down to -2 (here at -1.5).
    const std::vector<Case> cases = {
        {20, {"Sun", "Moon"}},
        {10, {"Sun", "Venus", "Moon"}},
        {0.2, {"Sun", "Venus", "Mars", "Jupiter", "Moon"}},
        {-5, {"Sun", "Venus", "Mars", "Jupiter", "Saturn", "Moon"}},
        {-13, {"Venus", "Mars", "Jupiter", "Saturn", "Moon"}},
    };
    for (const Case& c : cases) {
        PlannerInput in;
        in.N = 0;
        PlannerSky sky;
        sky.SunAltAz = at(250, c.sun);
        sky.Moon = at(120, -1.5);
        sky.Venus = at(240, 5);
        sky.Mars = at(200, 20);
        sky.Jupiter = at(160, 40);
        sky.Saturn = at(230, 1);
        const SkyChart chart = skyChart(in, sky, starTables(), 6315, 6135);
        ASSERT_EQ(chart.Arrays.ChartCount, static_cast<int>(c.drawn.size())) << c.sun;
        for (std::size_t i = 0; i < c.drawn.size(); ++i) {
            EXPECT_EQ(chart.Arrays.ChartName[i + 1], c.drawn[i]) << c.sun;
        }
    }
    // Below -2 the Moon is not drawn; its colour follows its fullness.
    PlannerInput in;
    in.N = 0;
    PlannerSky sky;
    sky.SunAltAz = at(0, 30);
    sky.Moon = at(120, 10);
    for (const auto& [F, fill] : std::vector<std::pair<double, Rgb>>{
             {0, {115, 122, 70}}, {1, {230, 245, 140}}, {0.5, {172, 183, 105}}}) {
        sky.F = F;
        const SkyChart chart = skyChart(in, sky, starTables(), 6315, 6135);
        ASSERT_EQ(chart.discs.size(), 2u);
        EXPECT_EQ(chart.discs[1].fill, fill) << F;
        EXPECT_EQ(chart.discs[1].outline, (Rgb{50, 50, 50}));
        EXPECT_DOUBLE_EQ(chart.discs[1].radius, 0.05 * R);
        EXPECT_EQ(chart.discs[0].fill, (Rgb{255, 255, 0}));
        EXPECT_EQ(chart.discs[0].outline, (Rgb{255, 0, 0}));
    }
    // A fullness that is no number or beyond any (the planner's fields
    // absurd) converts nothing out of range into a colour.
    for (const double F : {std::nan(""), 1e300, -1e300}) {
        sky.F = F;
        const SkyChart chart = skyChart(in, sky, starTables(), 6315, 6135);
        ASSERT_EQ(chart.discs.size(), 2u);
        EXPECT_EQ(chart.discs[1].fill, (Rgb{0, 0, 0})) << F;
    }
    sky.Moon = at(120, -2.5);
    EXPECT_EQ(skyChart(in, sky, starTables(), 6315, 6135).Arrays.ChartCount, 1);
}

TEST(SkyChart, SwitchingEastForWestMirrorsTheChart) {
    PlannerInput in = nightInput();
    const PlannerSky sky = plannerSky(in);
    const SkyChart east = skyChart(in, sky, starTables(), 6315, 6135);
    in.EastWestSign = -1;
    const SkyChart west = skyChart(in, sky, starTables(), 6315, 6135);
    ASSERT_EQ(east.Arrays.ChartCount, west.Arrays.ChartCount);
    ASSERT_GT(east.Arrays.ChartCount, 0);
    for (int i = 1; i <= east.Arrays.ChartCount; ++i) {
        EXPECT_EQ(west.Arrays.ChartX[i], -east.Arrays.ChartX[i]);
        EXPECT_EQ(west.Arrays.ChartY[i], east.Arrays.ChartY[i]);
        EXPECT_EQ(west.Arrays.ChartAzimuth[i], east.Arrays.ChartAzimuth[i]);
    }
    ASSERT_EQ(east.ecliptic.size(), west.ecliptic.size());
    EXPECT_EQ(west.ecliptic[0].x, -east.ecliptic[0].x);
    // A body at azimuth 90 lies left of the centre; "E" moves to the left.
    EXPECT_LT(chartProjection(30, 90, -1).x, 0);
    EXPECT_NEAR(west.labels[45].at.x, R * (-1.235 - 0.035), 1e-12);
    EXPECT_NEAR(west.labels[47].at.x, -R * (-1.235 + 0.035), 1e-12);
    // The spokes ignore the switch.
    EXPECT_EQ(west.spokes[9].outer.x, east.spokes[9].outer.x);
}

TEST(SkyChart, PictureWithoutHeightOrWidthDividesByNothing) {
    const PlannerInput in = nightInput();
    for (const auto& [width, height] :
         std::vector<std::pair<double, double>>{{6315, 0}, {0, 6135}, {0, 0}, {-15, 6135}}) {
        const SkyChart c = skyChart(in, plannerSky(in), starTables(), width, height);
        for (const double v : {c.scaleLeft, c.scaleTop, c.scaleWidth, c.scaleHeight}) {
            EXPECT_TRUE(std::isfinite(v)) << width << " x " << height;
        }
        EXPECT_NE(c.scaleWidth, 0);
        EXPECT_NE(c.scaleHeight, 0);
    }
}

TEST(ChartArrays, AppendKeepsEntriesOneToCount) {
    ChartArrays a;
    for (int i = 1; i <= kChartCapacity + 3; ++i) {
        a.append(i, -i, "x", 0, 0);
    }
    EXPECT_EQ(a.ChartCount, kChartCapacity);
    EXPECT_EQ(a.ChartX[1], 1);
    EXPECT_EQ(a.ChartY[kChartCapacity], -kChartCapacity);
    EXPECT_EQ(a.ChartX[0], 0);
}

}  // namespace
