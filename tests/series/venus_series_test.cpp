// Venus' heliocentric series: what each block holds and the partial sums.
// Expected values: the published VSOP87D terms (data/vsop87d/) and the
// worked partial sums.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "series/series.h"
#include "tests/series/series_table_checks.h"

namespace {

using series_checks::BlockCase;
using series_checks::RuntimeCos;
using series_checks::SumCase;

TEST(VenusSeries, BlocksHoldTheirTerms) {
    // clang-format off
    const BlockCase cases[] = {
        {"VenusL S0", &series::kVenusL, 0, 47, {317614666.8, 0, 0}, {26.3, 0.541, 17298.182},
         317614666.8, {1}, 26.3, {47}, {{1, 317614666.8, 0}}},
        {"VenusL S1", &series::kVenusL, 1, 23, {1021352943052.9, 0, 0}, {6.7, 5.06, 801.82},
         1021352943052.9, {1}, 6.3, {22}, {{1, 1021352943052.9, 0}}},
        {"VenusL S2", &series::kVenusL, 2, 11, {54127.1, 0, 0}, {1.9, 3.39, 382.9}, 54127.1, {1},
         1.9, {11}, {{1, 54127.1, 0}}},
        {"VenusL S3", &series::kVenusL, 3, 4, {135.7, 4.8039, 10213.2855}, {1.2, 5.32, 30639.86},
         135.7, {1}, 1.2, {4}, {{3, 26.0, 0}}},
        {"VenusL S4", &series::kVenusL, 4, 3, {114.0, 3.1416, 0}, {1.7, 2.51, 10213.29}, 114.0, {1},
         1.7, {3}, {{1, 114.0, 3.1416}}},
        {"VenusL S5", &series::kVenusL, 5, 3, {0.9, 3.14, 0}, {0.1, 1.91, 10213.29}, 0.9, {1}, 0.1,
         {2, 3}, {{1, 0.9, 3.14}}},
        {"VenusB S0", &series::kVenusB, 0, 18, {5923638.5, 0.26702776, 10213.28554621},
         {33.3, 4.832, 14143.495}, 5923638.5, {1}, 33.3, {18}, {{3, 32814.9, 3.141593}}},
        {"VenusB S1", &series::kVenusB, 1, 12, {513347.6, 1.8036431, 10213.2855462},
         {7.5, 5.08, 10186.99}, 513347.6, {1}, 7.4, {10}, {{4, 199.2, 0}}},
        {"VenusB S2", &series::kVenusB, 2, 4, {22377.7, 3.385091, 10213.285546},
         {26.9, 3.87, 30639.857}, 22377.7, {1}, 26.9, {4}, {{2, 281.7, 0}}},
        {"VenusB S3", &series::kVenusB, 3, 4, {646.7, 4.9917, 10213.2855}, {2.5, 5.44, 30639.86},
         646.7, {1}, 2.5, {4}, {{2, 20.0, 3.142}}},
        {"VenusB S4", &series::kVenusB, 4, 4, {14.1, 0.315, 10213.286}, {0.2, 3.14, 0}, 14.1, {1},
         0.2, {2, 3, 4}, {{4, 0.2, 3.14}}},
        {"VenusB S5", &series::kVenusB, 5, 0, {}, {}, 0, {}, 0, {}, {}},
        {"VenusR S0", &series::kVenusR, 0, 22, {72334820.9, 0, 0}, {31.3, 2.318, 9999.986},
         72334820.9, {1}, 27.3, {21}, {{1, 72334820.9, 0}}},
        {"VenusR S1", &series::kVenusR, 1, 7, {34551.0, 0.891987, 10213.285546},
         {6.6, 5.98, 5507.55}, 34551.0, {1}, 6.6, {7}, {{3, 234.0, 3.1416}}},
        {"VenusR S2", &series::kVenusR, 2, 3, {1406.6, 5.06366, 10213.28555}, {13.1, 0, 0}, 1406.6,
         {1}, 13.1, {3}, {{3, 13.1, 0}}},
        {"VenusR S3", &series::kVenusR, 3, 0, {}, {}, 0, {}, 0, {}, {}},
        {"VenusR S4", &series::kVenusR, 4, 0, {}, {}, 0, {}, 0, {}, {}},
        {"VenusR S5", &series::kVenusR, 5, 0, {}, {}, 0, {}, 0, {}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckBlock(c);
    }
}

// Terms that show how many decimals an amplitude allows; the principal
// frequency 10213.2855... at the precision of each amplitude.
// Expected values: the published VSOP87D terms (data/vsop87d/VSOP87D.ven)
// and their worked roundings.
TEST(VenusSeries, ArgumentsCarryTheDecimalsTheirAmplitudeAllows) {
    const ephemeris::SeriesTerm cases[] = {
        {1353968.4, 5.5931332, 10213.28554621},
        {5477.2, 4.41631, 7860.41939},
        {26.3, 0.541, 17298.182},
        {6.7, 5.06, 801.82},
        {0.1, 0.55, 20426.57},
    };
    const ephemeris::CoordinateSeries* all[] = {&series::kVenusL, &series::kVenusB,
                                                &series::kVenusR};
    for (const auto& c : cases) {
        int found = 0;
        for (const auto* s : all) {
            for (const auto& block : s->Blocks) {
                for (int i = 0; i < block.Count; ++i) {
                    const auto& t = block.Terms[i];
                    found += (t.A == c.A && t.B == c.B && t.C == c.C) ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(found, 1) << "term " << c.A << "; " << c.B << "; " << c.C;
    }

    struct Frequency {
        double A;
        double C;
    };
    const Frequency principal[] = {
        {1353968.4, 10213.28554621}, {95707.7, 10213.285546}, {135.7, 10213.2855}, {1.7, 10213.29}};
    for (const auto& f : principal) {
        bool found = false;
        for (const auto* s : all) {
            for (const auto& block : s->Blocks) {
                for (int i = 0; i < block.Count; ++i) {
                    found = found || (block.Terms[i].A == f.A && block.Terms[i].C == f.C);
                }
            }
        }
        EXPECT_TRUE(found) << "amplitude " << f.A << " with frequency " << f.C;
    }
}

TEST(VenusSeries, EveryTermKeepsThePrecisionRule) {
    series_checks::CheckPrecisionRule("VenusL", series::kVenusL);
    series_checks::CheckPrecisionRule("VenusB", series::kVenusB);
    series_checks::CheckPrecisionRule("VenusR", series::kVenusR);
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(VenusSeries, PartialSums) {
    // clang-format off
    const SumCase cases[] = {
        {"VenusSeriesL", series::VenusSeriesL, 0,
         {318702279.69, 1021352881010.43, 57171.32, -28.14, -113.84, -0.85}},
        {"VenusSeriesL", series::VenusSeriesL, 0.1,
         {316446576.97, 1021353038886.34, 49880.29, -60.18, -109.51, -0.80}},
        {"VenusSeriesL", series::VenusSeriesL, -0.1,
         {316876300.67, 1021353010224.61, 50506.05, -21.53, -113.40, -0.80}},
        {"VenusSeriesL", series::VenusSeriesL, 1,
         {316649319.00, 1021353028588.26, 49917.24, -52.24, -111.32, -0.78}},
        {"VenusSeriesB", series::VenusSeriesB, 0,
         {5697836.63, -122639.39, -21366.42, 163.90, 13.21, 0}},
        {"VenusSeriesB", series::VenusSeriesB, 0.1,
         {-5001418.87, 263170.03, 19463.82, -381.44, -11.80, 0}},
        {"VenusSeriesB", series::VenusSeriesB, -0.1,
         {-5917224.90, -43938.98, 22621.25, 6.40, -14.53, 0}},
        {"VenusSeriesB", series::VenusSeriesB, 1,
         {-5775508.41, 98384.91, 22263.08, -175.47, -14.03, 0}},
        {"VenusSeriesR", series::VenusSeriesR, 0, {72021256.90, 21426.60, 507.78, 0, 0, 0}},
        {"VenusSeriesR", series::VenusSeriesR, 0.1, {72516255.56, -12852.59, -836.54, 0, 0, 0}},
        {"VenusSeriesR", series::VenusSeriesR, -0.1, {72744304.43, -28998.66, -41.47, 0, 0, 0}},
        {"VenusSeriesR", series::VenusSeriesR, 1, {72656705.64, -22820.84, -418.23, 0, 0, 0}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckSums(c);
    }
}

// A constant term of phase 3.1416 counts as 114.0 cos 3.1416, not -114.
// Expected values: worked examples (exact doubles where compared exactly).
TEST(VenusSeries, RoundedPiPhaseIsNotAnExactMinusA) {
    double s[6];
    series::VenusSeriesL(0, s[0], s[1], s[2], s[3], s[4], s[5]);
    EXPECT_EQ(s[4], 114.0 * RuntimeCos(3.1416) + 3.2 * RuntimeCos(5.21) + 1.7 * RuntimeCos(2.51));
    EXPECT_NE(s[4], -114.0 + 3.2 * RuntimeCos(5.21) + 1.7 * RuntimeCos(2.51));
}

TEST(VenusSeries, EmptyBlocksGiveExactZero) {
    for (double tau : {0.0, 0.1, -0.1, 1.0, -3.7, 12.0}) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        double b[6] = {nan, nan, nan, nan, nan, nan};
        series::VenusSeriesB(tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        EXPECT_EQ(b[5], 0.0) << "VenusSeriesB S5, tau " << tau;
        double r[6] = {nan, nan, nan, nan, nan, nan};
        series::VenusSeriesR(tau, r[0], r[1], r[2], r[3], r[4], r[5]);
        EXPECT_EQ(r[3], 0.0) << "VenusSeriesR S3, tau " << tau;
        EXPECT_EQ(r[4], 0.0) << "VenusSeriesR S4, tau " << tau;
        EXPECT_EQ(r[5], 0.0) << "VenusSeriesR S5, tau " << tau;
    }
}

TEST(VenusSeries, EveryCallWritesAllSixSums) {
    series_checks::CheckWritesAllSix("VenusSeriesL", series::VenusSeriesL);
    series_checks::CheckWritesAllSix("VenusSeriesB", series::VenusSeriesB);
    series_checks::CheckWritesAllSix("VenusSeriesR", series::VenusSeriesR);
}

TEST(VenusSeries, ProceduresEvaluateTheirTablesInOrder) {
    series_checks::CheckProcedureUsesTable("VenusSeriesL", series::VenusSeriesL, series::kVenusL);
    series_checks::CheckProcedureUsesTable("VenusSeriesB", series::VenusSeriesB, series::kVenusB);
    series_checks::CheckProcedureUsesTable("VenusSeriesR", series::VenusSeriesR, series::kVenusR);
}

}  // namespace
