// Jupiter's heliocentric series: what each block holds and the partial sums.
// Expected values: the published VSOP87D terms (data/vsop87d/) and the
// worked partial sums.
#include <gtest/gtest.h>

#include "series/series.h"
#include "tests/series/series_table_checks.h"

namespace {

using series_checks::BlockCase;
using series_checks::SumCase;

TEST(JupiterSeries, BlocksHoldTheirTerms) {
    // clang-format off
    const BlockCase cases[] = {
        {"JupiterL S0", &series::kJupiterL, 0, 92, {59954691.5, 0, 0}, {41.8, 4.68, 302.165},
         59954691.5, {1}, 38.4, {90}, {{1, 59954691.5, 0}}},
        {"JupiterL S1", &series::kJupiterL, 1, 71, {52993480757.5, 0, 0}, {14.1, 0.63, 2.921},
         52993480757.5, {1}, 14.1, {71}, {{1, 52993480757.5, 0}}},
        {"JupiterL S2", &series::kJupiterL, 2, 58, {47233.6, 4.321483, 7.113547},
         {5.4, 6.01, 405.26}, 47233.6, {1}, 5.4, {58}, {{3, 38965.5, 0}}},
        {"JupiterL S3", &series::kJupiterL, 3, 59, {6501.7, 2.59863, 7.11355}, {0.7, 1.96, 1272.68},
         6501.7, {1}, 0.6, {57, 58}, {{9, 44.4, 0}}},
        {"JupiterL S4", &series::kJupiterL, 4, 30, {669.5, 0.8528, 7.1135}, {0.4, 0.6, 117.32},
         669.5, {1}, 0.4, {27, 28, 29, 30}, {{3, 114.0, 3.1416}}},
        {"JupiterL S5", &series::kJupiterL, 5, 9, {49.6, 5.257, 7.114}, {0.3, 5.63, 1059.38}, 49.6,
         {1}, 0.3, {9}, {{7, 0.8, 3.14}}},
        {"JupiterB S0", &series::kJupiterB, 0, 36, {2268615.7, 3.55852607, 529.69096509},
         {29.2, 5.431, 206.186}, 2268615.7, {1}, 28.4, {35}, {{3, 110090.4, 0}}},
        {"JupiterB S1", &series::kJupiterB, 1, 40, {177351.8, 5.7016649, 529.6909651},
         {7.8, 3.85, 625.67}, 177351.8, {1}, 7.7, {37}, {{5, 1694.2, 3.14159}}},
        {"JupiterB S2", &series::kJupiterB, 2, 36, {8094.1, 1.46323, 529.69097},
         {1.7, 2.24, 525.76}, 8094.1, {1}, 1.7, {33, 36}, {{3, 813.2, 3.1416}}},
        {"JupiterB S3", &series::kJupiterB, 3, 22, {251.6, 3.3809, 529.691}, {0.4, 2.88, 110.21},
         251.6, {1}, 0.4, {22}, {{9, 2.8, 3.14}}},
        {"JupiterB S4", &series::kJupiterB, 4, 12, {15.1, 4.53, 522.577}, {0.1, 1.17, 14.23}, 15.1,
         {1}, 0.1, {10, 11, 12}, {{4, 3.4, 0}}},
        {"JupiterB S5", &series::kJupiterB, 5, 4, {1.4, 0.09, 522.58}, {0.1, 0.34, 529.69}, 1.4,
         {1}, 0.1, {4}, {}},
        {"JupiterR S0", &series::kJupiterR, 0, 81, {520887429.5, 0, 0}, {112.5, 4.8622, 528.2065},
         520887429.5, {1}, 81.7, {80}, {{1, 520887429.5, 0}}},
        {"JupiterR S1", &series::kJupiterR, 1, 59, {1271801.6, 2.64937511, 529.69096509},
         {50.6, 4.856, 1375.774}, 1271801.6, {1}, 50.6, {59}, {{5, 41390.3, 0}}},
        {"JupiterR S2", &series::kJupiterR, 2, 72, {79644.8, 1.358659, 529.690965},
         {5.1, 2.98, 1375.77}, 79644.8, {1}, 5.1, {72}, {{11, 497.9, 3.1416}}},
        {"JupiterR S3", &series::kJupiterR, 3, 64, {3519.3, 6.05801, 529.69097}, {1.0, 2.7, 519.4},
         3519.3, {1}, 1.0, {64}, {{8, 89.7, 3.142}}},
        {"JupiterR S4", &series::kJupiterR, 4, 37, {128.6, 0.0842, 536.8045}, {0.7, 3.72, 88.87},
         128.6, {1}, 0.7, {32, 33, 34, 37}, {{22, 1.7, 0}}},
        {"JupiterR S5", &series::kJupiterR, 5, 9, {11.2, 4.752, 536.805}, {1.0, 4.51, 529.69}, 11.2,
         {1}, 1.0, {9}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckBlock(c);
    }
}

TEST(JupiterSeries, EveryTermKeepsThePrecisionRule) {
    series_checks::CheckPrecisionRule("JupiterL", series::kJupiterL);
    series_checks::CheckPrecisionRule("JupiterB", series::kJupiterB);
    series_checks::CheckPrecisionRule("JupiterR", series::kJupiterR);
}

TEST(JupiterSeries, PartialSums) {
    // clang-format off
    const SumCase cases[] = {
        {"JupiterSeriesL", series::JupiterSeriesL, 0,
         {63346266.74, 52993500516.37, -10063.56, -6682.85, 442.97, 39.65}},
        {"JupiterSeriesL", series::JupiterSeriesL, 0.1,
         {60554204.70, 52994056472.35, 72154.07, -7123.84, -130.53, 54.78}},
        {"JupiterSeriesL", series::JupiterSeriesL, -0.1,
         {53771415.79, 52993631140.81, 25873.34, -974.55, 525.60, -23.37}},
        {"JupiterSeriesL", series::JupiterSeriesL, 1,
         {66795533.06, 52994147320.16, 64780.86, -7467.41, -243.67, 55.48}},
        {"JupiterSeriesB", series::JupiterSeriesB, 0,
         {-2049998.93, 151702.71, 166.17, -353.70, 2.26, 1.59}},
        {"JupiterSeriesB", series::JupiterSeriesB, 0.1,
         {2276252.95, -93467.56, -5093.43, 231.32, 17.65, -0.40}},
        {"JupiterSeriesB", series::JupiterSeriesB, -0.1,
         {1596827.50, -176303.38, 2272.50, 239.95, -11.97, -0.11}},
        {"JupiterSeriesB", series::JupiterSeriesB, 1,
         {1659993.70, 42499.12, -8574.60, -1.00, 19.44, 1.17}},
        {"JupiterSeriesR", series::JupiterSeriesR, 0,
         {496538486.62, -1196452.55, 14156.39, 4037.48, 9.25, 2.75}},
        {"JupiterSeriesR", series::JupiterSeriesR, 0.1,
         {545061166.54, 825568.32, -40038.59, -3352.76, 16.64, -3.05}},
        {"JupiterSeriesR", series::JupiterSeriesR, -0.1,
         {538627190.90, 1243532.23, 13090.11, -2508.18, -85.94, -0.64}},
        {"JupiterSeriesR", series::JupiterSeriesR, 1,
         {536831172.71, -75814.96, -63168.76, -1601.00, -51.62, 9.20}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckSums(c);
    }
}

TEST(JupiterSeries, EveryCallWritesAllSixSums) {
    series_checks::CheckWritesAllSix("JupiterSeriesL", series::JupiterSeriesL);
    series_checks::CheckWritesAllSix("JupiterSeriesB", series::JupiterSeriesB);
    series_checks::CheckWritesAllSix("JupiterSeriesR", series::JupiterSeriesR);
}

TEST(JupiterSeries, ProceduresEvaluateTheirTablesInOrder) {
    series_checks::CheckProcedureUsesTable("JupiterSeriesL", series::JupiterSeriesL,
                                           series::kJupiterL);
    series_checks::CheckProcedureUsesTable("JupiterSeriesB", series::JupiterSeriesB,
                                           series::kJupiterB);
    series_checks::CheckProcedureUsesTable("JupiterSeriesR", series::JupiterSeriesR,
                                           series::kJupiterR);
}

}  // namespace
