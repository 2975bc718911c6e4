// The Earth's series tables, the evaluation rule and PlanetHelio.
// Expected values: worked examples and the published VSOP87D terms
// (data/vsop87d/), unless a case names another source.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/ephemeris.h"
#include "ephemeris/series_terms.h"

namespace ephemeris {
namespace {

constexpr double kGarbage = -987654.321;

// The cosine as the library computes it at run time, never folded by the
// compiler, so that expected values use the same cosine as the code.
double runtimeCos(double X) {
    volatile double x = X;
    return std::cos(x);
}

struct NamedSeries {
    const char* Name;
    const CoordinateSeries* Series;
};

const NamedSeries kEarthSeries[] = {
    {"L", &kEarthL},
    {"B", &kEarthB},
    {"R", &kEarthR},
};

// --- The Earth's tables ------------------------------------------------------

TEST(EarthSeriesTables, TermCountsPerBlock) {
    struct Case {
        const CoordinateSeries* Series;
        int Counts[6];
    };
    const Case cases[] = {
        {&kEarthL, {117, 71, 44, 8, 4, 3}},
        {&kEarthB, {20, 5, 2, 0, 0, 0}},
        {&kEarthR, {71, 36, 17, 4, 3, 1}},
    };
    int total = 0;
    for (const Case& c : cases) {
        for (int k = 0; k < 6; ++k) {
            const SeriesBlock& block = c.Series->Blocks[k];
            EXPECT_EQ(block.Count, c.Counts[k]) << "block S" << k;
            if (block.Count == 0) {
                EXPECT_EQ(block.Terms, nullptr) << "block S" << k;
            } else {
                EXPECT_NE(block.Terms, nullptr) << "block S" << k;
            }
            total += block.Count;
        }
    }
    EXPECT_EQ(total, 247 + 27 + 132);
}

TEST(EarthSeriesTables, TellingRows) {
    struct Row {
        const CoordinateSeries* Series;
        int Block;
        int Position;  // counted from 1
        double A;
        double B;
        double C;
    };
    const Row rows[] = {
        {&kEarthL, 0, 1, 175347045.7, 0, 0},
        {&kEarthL, 0, 2, 3341656.5, 4.6692568, 6283.07584999},
        {&kEarthL, 0, 3, 34894.3, 4.626102, 12566.1517},
        {&kEarthL, 0, 4, 3417.6, 2.82887, 3.52312},
        {&kEarthL, 0, 5, 3497.1, 2.74412, 5753.38488},
        {&kEarthL, 0, 117, 6.8, 5.91, 90955.55},
        {&kEarthL, 1, 1, 628331966747.5, 0, 0},
        {&kEarthL, 1, 2, 206058.9, 2.6782346, 6283.07585},
        {&kEarthL, 1, 71, 1.6, 4.64, 3.29},
        {&kEarthL, 2, 1, 52918.9, 0, 0},
        {&kEarthL, 2, 2, 8719.8, 1.0721, 6283.07585},
        {&kEarthL, 2, 44, 0.4, 4.94, 7632.94},
        {&kEarthL, 3, 1, 289.2, 5.8438, 6283.0758},
        {&kEarthL, 3, 2, 35.0, 0, 0},
        {&kEarthL, 3, 8, 0.4, 3.79, 553.57},
        {&kEarthL, 4, 1, 114.1, 3.1416, 0},
        {&kEarthL, 4, 4, 0.4, 0.42, 155.42},
        {&kEarthL, 5, 1, 0.9, 3.14, 0},
        {&kEarthL, 5, 2, 0.2, 2.77, 6283.08},
        {&kEarthL, 5, 3, 0.1, 2.01, 155.42},
        {&kEarthB, 0, 1, 279.6, 3.1987, 84334.6616},
        {&kEarthB, 0, 20, 7.7, 5.55, 167621.58},
        {&kEarthB, 1, 1, 9.0, 3.90, 5507.55},
        {&kEarthB, 1, 5, 1.8, 0.42, 6283.08},
        {&kEarthB, 2, 1, 1.7, 1.63, 84334.66},
        {&kEarthB, 2, 2, 0.5, 2.41, 1047.75},
        {&kEarthR, 0, 1, 100013988.8, 0, 0},
        {&kEarthR, 0, 2, 1670699.6, 3.09846351, 6283.07584999},
        {&kEarthR, 0, 71, 6.5, 2.65, 19804.83},
        {&kEarthR, 1, 1, 103018.6, 1.1074897, 6283.07585},
        {&kEarthR, 1, 3, 702.2, 3.1416, 0},
        {&kEarthR, 1, 36, 1.8, 1.82, 7632.94},
        {&kEarthR, 2, 1, 4359.4, 5.78455, 6283.07585},
        {&kEarthR, 2, 3, 12.3, 3.142, 0},
        {&kEarthR, 3, 1, 144.6, 4.2732, 6283.0758},
        {&kEarthR, 3, 3, 0.8, 0, 0},
        {&kEarthR, 4, 1, 3.9, 2.56, 6283.08},
        {&kEarthR, 5, 1, 0.1, 1.22, 6283.08},
    };
    for (const Row& row : rows) {
        const SeriesBlock& block = row.Series->Blocks[row.Block];
        ASSERT_LE(row.Position, block.Count) << "S" << row.Block << " position " << row.Position;
        const SeriesTerm& term = block.Terms[row.Position - 1];
        EXPECT_EQ(term.A, row.A) << "S" << row.Block << " position " << row.Position;
        EXPECT_EQ(term.B, row.B) << "S" << row.Block << " position " << row.Position;
        EXPECT_EQ(term.C, row.C) << "S" << row.Block << " position " << row.Position;
    }
}

TEST(EarthSeriesTables, SmallestAmplitudePerBlock) {
    struct Case {
        const CoordinateSeries* Series;
        int Blocks;  // the non-empty blocks S0 ..
        double Smallest[6];
    };
    const Case cases[] = {
        {&kEarthL, 6, {6.3, 1.6, 0.4, 0.4, 0.4, 0.1}},
        {&kEarthB, 3, {6.9, 1.8, 0.5}},
        {&kEarthR, 6, {6.5, 1.6, 0.4, 0.2, 0.1, 0.1}},
    };
    for (const Case& c : cases) {
        for (int k = 0; k < c.Blocks; ++k) {
            const SeriesBlock& block = c.Series->Blocks[k];
            ASSERT_GT(block.Count, 0) << "block S" << k;
            double smallest = block.Terms[0].A;
            for (int i = 1; i < block.Count; ++i) {
                smallest = std::fmin(smallest, block.Terms[i].A);
            }
            EXPECT_EQ(smallest, c.Smallest[k]) << "block S" << k;
        }
    }
}

// Nearest whole number, for checking how many decimals a constant carries.
double nearestWhole(double X) {
    return std::floor(X + 0.5);
}

// Every term: A positive with one decimal and not below the block's floor
// 6.25 / 4^k less the rounding; B and C with d = max(2, floor(log10 A) + 2)
// decimals; B in [0, 2 pi), C not negative; a constant term's phase 0 or pi
// rounded to d decimals.
TEST(EarthSeriesTables, EveryTermCarriesItsPrecision) {
    for (const NamedSeries& named : kEarthSeries) {
        double floor = 6.25;
        for (int k = 0; k < 6; ++k, floor /= 4) {
            const SeriesBlock& block = named.Series->Blocks[k];
            for (int i = 0; i < block.Count; ++i) {
                const SeriesTerm& t = block.Terms[i];
                SCOPED_TRACE(testing::Message()
                             << named.Name << " S" << k << " position " << i + 1);
                EXPECT_GT(t.A, 0.0);
                EXPECT_GE(t.A, floor - 0.05);
                EXPECT_NEAR(t.A * 10, nearestWhole(t.A * 10), 1e-3);

                const int d = std::max(2, static_cast<int>(std::floor(std::log10(t.A))) + 2);
                double scale = 1;
                for (int j = 0; j < d; ++j) {
                    scale *= 10;
                }
                EXPECT_NEAR(t.B * scale, nearestWhole(t.B * scale), 1e-2);
                EXPECT_NEAR(t.C * scale, nearestWhole(t.C * scale), 1e-2);
                EXPECT_GE(t.B, 0.0);
                EXPECT_LT(t.B, 2 * kPi);
                EXPECT_GE(t.C, 0.0);
                if (t.C == 0) {
                    const double pi = nearestWhole(3.141592653589793 * scale) / scale;
                    EXPECT_TRUE(t.B == 0 || t.B == pi) << "constant phase " << t.B;
                }
            }
        }
    }
}

// --- The evaluation rule -----------------------------------------------------

TEST(EvaluateSeries, HandMadeTableFirstTermAssignedThenAddedInOrder) {
    // Adding 1 to 1e16 is a tie that rounds back to 1e16, so these sums show
    // the order: 1e16, 1, 1, -1e16 gives 0 in order (2 if the later terms ran
    // backwards); 1, 1, 1e16 gives 1e16 + 2 in order (1e16 from the back).
    const SeriesTerm s0[] = {{1e16, 0, 0}, {1, 0, 0}, {1, 0, 0}, {-1e16, 0, 0}};
    const SeriesTerm s1[] = {{3.0, 0.5, 2.0}};
    const SeriesTerm s2[] = {{2.0, 0.25, 4.0}, {5.0, 1.5, -3.0}};
    const SeriesTerm s4[] = {{1, 0, 0}, {1, 0, 0}, {1e16, 0, 0}};
    const CoordinateSeries series = {{
        {s0, 4}, {s1, 1}, {s2, 2}, {nullptr, 0}, {s4, 3}, {s2, 0},  // a block with no terms,
                                                                    // whatever its pointer
    }};
    const double tau = 0.25;
    double S0 = kGarbage, S1 = kGarbage, S2 = kGarbage, S3 = kGarbage, S4 = kGarbage, S5 = kGarbage;
    EvaluateSeries(series, tau, S0, S1, S2, S3, S4, S5);
    EXPECT_EQ(S0, 0.0);
    EXPECT_EQ(S1, 3.0 * runtimeCos(1.0));
    EXPECT_EQ(S2, 2.0 * runtimeCos(1.25) + 5.0 * runtimeCos(0.75));
    EXPECT_EQ(S3, 0.0);
    EXPECT_EQ(S4, 1e16 + 2);
    EXPECT_EQ(S5, 0.0);
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(EvaluateSeries, ConstantTermWithRoundedPiPhaseGivesNearlyMinusItsAmplitude) {
    const SeriesTerm s0[] = {{114.0, 3.1416, 0}};
    const SeriesTerm s1[] = {{0.9, 3.14, 0}};
    const CoordinateSeries series = {{
        {s0, 1},
        {s1, 1},
        {nullptr, 0},
        {nullptr, 0},
        {nullptr, 0},
        {nullptr, 0},
    }};
    for (double tau : {0.0, -0.3, 0.7}) {
        double S0 = kGarbage, S1 = kGarbage, S2 = kGarbage, S3 = kGarbage, S4 = kGarbage,
               S5 = kGarbage;
        EvaluateSeries(series, tau, S0, S1, S2, S3, S4, S5);
        EXPECT_NEAR(S0, -113.99999999692, 0.5e-11) << "tau " << tau;
        EXPECT_NEAR(S1, -0.89999886, 0.5e-8) << "tau " << tau;
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(EvaluateSeries, ConstantTermWithZeroPhaseGivesItsAmplitudeExactly) {
    const SeriesTerm one[] = {{175347045.7, 0, 0}};
    const SeriesTerm second[] = {{289.2, 5.8438, 6283.0758}, {35.0, 0, 0}};
    const CoordinateSeries series = {{
        {one, 1},
        {second, 2},
        {nullptr, 0},
        {nullptr, 0},
        {nullptr, 0},
        {nullptr, 0},
    }};
    for (double tau : {0.0, -0.0, 0.5, -0.5, -0.0072183436, 10.0, -10.0}) {
        double S0 = kGarbage, S1 = kGarbage, S2 = kGarbage, S3 = kGarbage, S4 = kGarbage,
               S5 = kGarbage;
        EvaluateSeries(series, tau, S0, S1, S2, S3, S4, S5);
        EXPECT_EQ(S0, 175347045.7) << "tau " << tau;
        EXPECT_EQ(S1, 289.2 * runtimeCos(5.8438 + 6283.0758 * tau) + 35.0) << "tau " << tau;
    }
}

// Whatever the outputs held, every one of the six is replaced, empty blocks by
// 0.0; the Earth's latitude has no S3, S4 and S5.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(EarthSeries, EveryPartialSumIsWrittenOnEveryCall) {
    using SeriesProcedure = void (*)(double, double&, double&, double&, double&, double&, double&);
    struct Case {
        const char* Name;
        SeriesProcedure Procedure;
        int NonEmpty;
    };
    const Case cases[] = {
        {"EarthSeriesL", EarthSeriesL, 6},
        {"EarthSeriesB", EarthSeriesB, 3},
        {"EarthSeriesR", EarthSeriesR, 6},
    };
    for (const Case& c : cases) {
        for (double tau : {0.0, -0.0072183436, 0.1}) {
            double s[6];
            for (double& v : s) {
                v = kGarbage;
            }
            c.Procedure(tau, s[0], s[1], s[2], s[3], s[4], s[5]);
            for (int k = 0; k < 6; ++k) {
                SCOPED_TRACE(testing::Message() << c.Name << " tau " << tau << " S" << k);
                EXPECT_NE(s[k], kGarbage);
                EXPECT_TRUE(std::isfinite(s[k]));
                if (k >= c.NonEmpty) {
                    EXPECT_EQ(s[k], 0.0);
                } else {
                    EXPECT_NE(s[k], 0.0);
                }
            }
        }
    }
}

// --- PlanetHelio -------------------------------------------------------------

struct HelioCase {
    double Tau;
    double L, B, R;  // degrees, degrees, AU
};

TEST(PlanetHelio, EarthAtTheWorkedInstants) {
    const HelioCase cases[] = {
        {0.0, 100.3778554, -0.0002295, 0.98332778},
        {(2448908.5 - 2451545) / 365250, 19.9073076, -0.0002007, 0.99760876},
    };
    for (const HelioCase& c : cases) {
        double L = kGarbage, B = kGarbage, R = kGarbage;
        PlanetHelio(3, c.Tau, L, B, R);
        EXPECT_NEAR(L, c.L, 0.5e-7) << "tau " << c.Tau;
        EXPECT_NEAR(B, c.B, 0.5e-7) << "tau " << c.Tau;
        EXPECT_NEAR(R, c.R, 0.5e-8) << "tau " << c.Tau;
    }
}

TEST(PlanetHelio, CodesWithoutABodyGiveZeros) {
    for (int code : {0, 1, 7, -2, 100}) {
        double L = kGarbage, B = kGarbage, R = kGarbage;
        PlanetHelio(code, 0.1, L, B, R);
        EXPECT_EQ(L, 0.0) << "code " << code;
        EXPECT_EQ(B, 0.0) << "code " << code;
        EXPECT_EQ(R, 0.0) << "code " << code;
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(PlanetHelio, LongitudeInRangeForEveryBodyAndNegativeTau) {
    for (int code = 2; code <= 6; ++code) {
        for (double tau : {-0.0072183436, -0.05, -0.25, -0.5, -1.0, 0.0, 0.3, 1.0}) {
            double L = kGarbage, B = kGarbage, R = kGarbage;
            PlanetHelio(code, tau, L, B, R);
            EXPECT_GE(L, 0.0) << "code " << code << " tau " << tau;
            EXPECT_LT(L, 360.0) << "code " << code << " tau " << tau;
            EXPECT_LT(std::fabs(B), 8.0) << "code " << code << " tau " << tau;
            EXPECT_GT(R, 0.7) << "code " << code << " tau " << tau;
            EXPECT_LT(R, 10.1) << "code " << code << " tau " << tau;
        }
    }
}

// The planets' partial sums at tau = 0.1 (units of 1e-8, two decimals), summed
// into L, B and R: each code reaches its own planet's three series.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(PlanetHelio, PlanetCodesReachTheirOwnSeries) {
    struct Case {
        int Code;
        double L[6], B[6], R[6];
    };
    const Case cases[] = {
        {2,
         {316446576.97, 1021353038886.34, 49880.29, -60.18, -109.51, -0.80},
         {-5001418.87, 263170.03, 19463.82, -381.44, -11.80, 0},
         {72516255.56, -12852.59, -836.54, 0, 0, 0}},
        {4,
         {639031433.64, 334085714452.47, -3626.13, -526.01, -93.29, -0.35},
         {938050.54, 336756.51, -6331.57, -567.42, 10.56, 0.47},
         {151118464.59, -1106109.31, -6613.94, 1060.08, 15.21, 0.13}},
        {5,
         {60554204.70, 52994056472.35, 72154.07, -7123.84, -130.53, 54.78},
         {2276252.95, -93467.56, -5093.43, 231.32, 17.65, -0.40},
         {545061166.54, 825568.32, -40038.59, -3352.76, 16.64, -3.05}},
        {6,
         {98699540.30, 21353334931.04, -25013.40, 18835.15, 306.36, -151.36},
         {4322645.99, -34248.28, -17349.54, 413.53, -46.57, -2.52},
         {967282812.39, -6575476.81, 186441.75, 34748.20, -872.99, -181.53}},
    };
    const double tau = 0.1;
    auto polynomial = [tau](const double(&s)[6]) {
        return s[0] + s[1] * tau + s[2] * tau * tau + s[3] * tau * tau * tau +
               s[4] * tau * tau * tau * tau + s[5] * tau * tau * tau * tau * tau;
    };
    // Two-decimal partial sums: at most 0.0056 units off in all, 3.2e-9 degrees.
    const double angleTolerance = 1e-8;
    for (const Case& c : cases) {
        const double rawL = polynomial(c.L) * 57.29577951308238 / 100000000;
        const double expectedL = rawL - 360 * std::floor(rawL / 360);
        const double expectedB = polynomial(c.B) * 57.29577951308238 / 100000000;
        const double expectedR = polynomial(c.R) / 100000000;
        double L = kGarbage, B = kGarbage, R = kGarbage;
        PlanetHelio(c.Code, tau, L, B, R);
        EXPECT_NEAR(L, expectedL, angleTolerance) << "code " << c.Code;
        EXPECT_NEAR(B, expectedB, angleTolerance) << "code " << c.Code;
        EXPECT_NEAR(R, expectedR, 1e-10) << "code " << c.Code;
    }
}

// One body's call leaves nothing behind for the next: the Earth after Saturn
// gives the Earth's values.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(PlanetHelio, ResultsDoNotDependOnThePreviousCall) {
    const double tau = (2448908.5 - 2451545) / 365250;
    double L = kGarbage, B = kGarbage, R = kGarbage;
    PlanetHelio(6, tau, L, B, R);
    PlanetHelio(3, tau, L, B, R);
    EXPECT_NEAR(L, 19.9073076, 0.5e-7);
    EXPECT_NEAR(B, -0.0002007, 0.5e-7);
    EXPECT_NEAR(R, 0.99760876, 0.5e-8);
}

}  // namespace
}  // namespace ephemeris
