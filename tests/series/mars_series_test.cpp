// Mars' heliocentric series: what each block holds and the partial sums.
// Expected values: the published VSOP87D terms (data/vsop87d/) and the
// worked partial sums.
#include <gtest/gtest.h>

#include <cmath>

#include "series/series.h"
#include "tests/series/series_table_checks.h"

namespace {

using series_checks::BlockCase;
using series_checks::RuntimeCos;
using series_checks::SumCase;

TEST(MarsSeries, BlocksHoldTheirTerms) {
    // clang-format off
    const BlockCase cases[] = {
        {"MarsL S0", &series::kMarsL, 0, 124, {620347711.6, 0, 0}, {25.5, 3.432, 3443.705},
         620347711.6, {1}, 25.4, {119}, {{1, 620347711.6, 0}}},
        {"MarsL S1", &series::kMarsL, 1, 98, {334085627474.3, 0, 0}, {6.4, 2.12, 5884.93},
         334085627474.3, {1}, 6.4, {98}, {{1, 334085627474.3, 0}}},
        {"MarsL S2", &series::kMarsL, 2, 67, {58015.8, 2.049795, 3340.612427}, {1.8, 2.52, 2810.92},
         58015.8, {1}, 1.6, {62, 63, 65}, {{2, 54187.6, 0}}},
        {"MarsL S3", &series::kMarsL, 3, 32, {1482.4, 0.44435, 3340.61243}, {0.5, 0.84, 4136.91},
         1482.4, {1}, 0.4, {30, 31}, {{6, 26.0, 0}}},
        {"MarsL S4", &series::kMarsL, 4, 15, {114.0, 3.1416, 0}, {0.1, 1.67, 3583.34}, 114.0, {1},
         0.1, {15}, {{1, 114.0, 3.1416}}},
        {"MarsL S5", &series::kMarsL, 5, 7, {0.7, 4.04, 6681.22}, {0.1, 6.09, 242.73}, 0.9, {2},
         0.1, {7}, {{2, 0.9, 3.14}}},
        {"MarsB S0", &series::kMarsB, 0, 40, {3197135.0, 3.76832042, 3340.6124267},
         {26.1, 2.601, 4399.994}, 3197135.0, {1}, 26.1, {40}, {{3, 289104.7, 0}}},
        {"MarsB S1", &series::kMarsB, 1, 26, {350068.8, 5.3684784, 3340.6124267},
         {8.1, 4.3, 6684.75}, 350068.8, {1}, 8.1, {24, 26}, {{2, 14116.0, 3.141593}}},
        {"MarsB S2", &series::kMarsB, 2, 10, {16726.7, 0.602214, 3340.612427},
         {1.8, 2.59, 20043.67}, 16726.7, {1}, 1.8, {10}, {{2, 4986.8, 3.14159}}},
        {"MarsB S3", &series::kMarsB, 3, 8, {606.5, 1.9805, 3340.6124}, {0.5, 0.71, 16703.06},
         606.5, {1}, 0.5, {8}, {{2, 42.6, 0}}},
        {"MarsB S4", &series::kMarsB, 4, 5, {11.3, 3.457, 3340.612}, {0.1, 2.66, 3496.03}, 13.4,
         {2}, 0.1, {4, 5}, {{2, 13.4, 0}}},
        {"MarsB S5", &series::kMarsB, 5, 1, {0.5, 4.87, 3340.61}, {0.5, 4.87, 3340.61}, 0.5, {1},
         0.5, {1}, {}},
        {"MarsR S0", &series::kMarsR, 0, 95, {153033488.3, 0, 0}, {25.2, 0.814, 10713.995},
         153033488.3, {1}, 25.2, {95}, {{1, 153033488.3, 0}}},
        {"MarsR S1", &series::kMarsR, 1, 84, {1107433.3, 2.03250525, 3340.6124267},
         {6.5, 2.76, 3339.63}, 1107433.3, {1}, 6.3, {82, 83}, {{3, 12877.2, 0}}},
        {"MarsR S2", &series::kMarsR, 2, 53, {44242.2, 0.479306, 3340.612427}, {2.0, 5.76, 4399.99},
         44242.2, {1}, 1.6, {50}, {{6, 52.4, 3.142}}},
        {"MarsR S3", &series::kMarsR, 3, 14, {1113.1, 5.14987, 3340.61243}, {0.4, 5.72, 3149.16},
         1113.1, {1}, 0.4, {14}, {{6, 4.7, 3.14}}},
        {"MarsR S4", &series::kMarsR, 4, 9, {19.6, 3.582, 3340.612}, {0.1, 0, 0}, 19.6, {1}, 0.1,
         {8, 9}, {{9, 0.1, 0}}},
        {"MarsR S5", &series::kMarsR, 5, 3, {0.5, 2.48, 6681.22}, {0.1, 1.77, 3340.61}, 0.5, {1},
         0.1, {3}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckBlock(c);
    }
}

TEST(MarsSeries, EveryTermKeepsThePrecisionRule) {
    series_checks::CheckPrecisionRule("MarsL", series::kMarsL);
    series_checks::CheckPrecisionRule("MarsB", series::kMarsB);
    series_checks::CheckPrecisionRule("MarsR", series::kMarsR);
}

TEST(MarsSeries, PartialSums) {
    // clang-format off
    const SumCase cases[] = {
        {"MarsSeriesL", series::MarsSeriesL, 0,
         {627354066.21, 334084196444.26, 13735.93, 1818.17, -69.17, -1.37}},
        {"MarsSeriesL", series::MarsSeriesL, 0.1,
         {639031433.64, 334085714452.47, -3626.13, -526.01, -93.29, -0.35}},
        {"MarsSeriesL", series::MarsSeriesL, -0.1,
         {606975288.10, 334084383234.99, 100881.76, 1392.76, -164.85, -1.15}},
        {"MarsSeriesL", series::MarsSeriesL, 1,
         {602157296.60, 334085794472.68, 109516.45, -593.40, -129.66, -0.87}},
        {"MarsSeriesB", series::MarsSeriesB, 0,
         {-2477785.85, 204231.95, 9018.41, -204.14, 3.23, 0.08}},
        {"MarsSeriesB", series::MarsSeriesB, 0.1,
         {938050.54, 336756.51, -6331.57, -567.42, 10.56, 0.47}},
        {"MarsSeriesB", series::MarsSeriesB, -0.1,
         {-2735393.04, -156759.97, 9743.55, 419.85, 4.98, -0.39}},
        {"MarsSeriesB", series::MarsSeriesB, 1,
         {87378.95, -357877.43, -2757.29, 635.19, 14.61, -0.48}},
        {"MarsSeriesR", series::MarsSeriesR, 0,
         {139120771.42, -566562.11, 44857.50, 919.24, -28.70, -0.71}},
        {"MarsSeriesR", series::MarsSeriesR, 0.1,
         {151118464.59, -1106109.31, -6613.94, 1060.08, 15.21, 0.13}},
        {"MarsSeriesR", series::MarsSeriesR, -0.1,
         {142261360.10, 739630.08, 39216.02, -1145.55, -19.44, 0.83}},
        {"MarsSeriesR", series::MarsSeriesR, 1,
         {155552109.77, 1095757.65, -7478.26, -1010.13, 15.44, -0.22}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckSums(c);
    }
}

// Latitude S5 is its single term for every tau.
TEST(MarsSeries, LatitudeS5IsItsOnlyTerm) {
    for (double tau : {0.0, 0.1, -0.1, 1.0, 0.37}) {
        double s[6];
        series::MarsSeriesB(tau, s[0], s[1], s[2], s[3], s[4], s[5]);
        EXPECT_EQ(s[5], 0.5 * RuntimeCos(4.87 + 3340.61 * tau)) << "tau " << tau;
    }
}

TEST(MarsSeries, EveryCallWritesAllSixSums) {
    series_checks::CheckWritesAllSix("MarsSeriesL", series::MarsSeriesL);
    series_checks::CheckWritesAllSix("MarsSeriesB", series::MarsSeriesB);
    series_checks::CheckWritesAllSix("MarsSeriesR", series::MarsSeriesR);
}

TEST(MarsSeries, ProceduresEvaluateTheirTablesInOrder) {
    series_checks::CheckProcedureUsesTable("MarsSeriesL", series::MarsSeriesL, series::kMarsL);
    series_checks::CheckProcedureUsesTable("MarsSeriesB", series::MarsSeriesB, series::kMarsB);
    series_checks::CheckProcedureUsesTable("MarsSeriesR", series::MarsSeriesR, series::kMarsR);
}

}  // namespace
