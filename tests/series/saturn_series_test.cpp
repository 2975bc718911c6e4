// Saturn's heliocentric series: what each block holds and the partial sums.
// Expected values: the published VSOP87D terms (data/vsop87d/) and the
// worked partial sums.
#include <gtest/gtest.h>

#include "series/series.h"
#include "tests/series/series_table_checks.h"

namespace {

using series_checks::BlockCase;
using series_checks::SumCase;

TEST(SaturnSeries, BlocksHoldTheirTerms) {
    // clang-format off
    const BlockCase cases[] = {
        {"SaturnL S0", &series::kSaturnL, 0, 165, {87401354.0, 0, 0}, {25.7, 4.36, 32.243},
         87401354.0, {1}, 25.7, {165}, {{1, 87401354.0, 0}}},
        {"SaturnL S1", &series::kSaturnL, 1, 116, {21354295596.0, 0, 0}, {10.2, 6.077, 32.243},
         21354295596.0, {1}, 9.8, {113}, {{1, 21354295596.0, 0}}},
        {"SaturnL S2", &series::kSaturnL, 2, 87, {116441.2, 1.1798785, 7.113547},
         {3.7, 0.15, 437.64}, 116441.2, {1}, 3.2, {85}, {{3, 90592.3, 0}}},
        {"SaturnL S3", &series::kSaturnL, 3, 63, {16038.7, 5.739454, 7.113547}, {1.3, 2.33, 217.23},
         16038.7, {1}, 1.0, {61}, {{38, 3.7, 3.14}}},
        {"SaturnL S4", &series::kSaturnL, 4, 66, {1661.9, 3.99826, 7.11355}, {0.1, 6.17, 316.39},
         1661.9, {1}, 0.1, {63, 64, 66}, {{6, 114.0, 3.1416}}},
        {"SaturnL S5", &series::kSaturnL, 5, 26, {123.6, 2.2592, 7.1135}, {0.1, 0.49, 117.32},
         123.6, {1}, 0.1, {26}, {{15, 1.0, 3.14}}},
        {"SaturnB S0", &series::kSaturnB, 0, 53, {4330678.0, 3.60284428, 213.29909544},
         {27.0, 1.272, 860.31}, 4330678.0, {1}, 27.0, {53}, {{3, 84745.9, 0}}},
        {"SaturnB S1", &series::kSaturnB, 1, 53, {397555.0, 5.3328999, 213.2990954},
         {6.8, 1.52, 437.64}, 397555.0, {1}, 6.5, {50}, {{2, 49478.6, 3.141593}}},
        {"SaturnB S2", &series::kSaturnB, 2, 46, {20630.0, 0.504824, 213.299095},
         {1.6, 5.54, 224.34}, 20630.0, {1}, 1.6, {46}, {{4, 1346.1, 0}}},
        {"SaturnB S3", &series::kSaturnB, 3, 33, {666.3, 1.9901, 213.2991}, {0.5, 4.52, 323.51},
         666.3, {1}, 0.5, {31, 32, 33}, {{3, 398.1, 0}}},
        {"SaturnB S4", &series::kSaturnB, 4, 26, {80.4, 1.119, 206.186}, {0.1, 0.45, 110.21}, 80.4,
         {1}, 0.1, {23, 24, 25, 26}, {{4, 11.8, 3.142}}},
        {"SaturnB S5", &series::kSaturnB, 5, 8, {7.9, 2.82, 206.19}, {0.1, 5.11, 647.01}, 7.9, {1},
         0.1, {8}, {{4, 1.0, 3.14}}},
        {"SaturnR S0", &series::kSaturnR, 0, 141, {955758135.8, 0, 0}, {108.6, 2.8549, 21.3406},
         955758135.8, {1}, 104.4, {139}, {{1, 955758135.8, 0}}},
        {"SaturnR S1", &series::kSaturnR, 1, 101, {6182981.3, 0.25843515, 213.29909544},
         {49.5, 3.8, 215.747}, 6182981.3, {1}, 46.7, {99}, {{5, 186261.5, 3.1415927}}},
        {"SaturnR S2", &series::kSaturnR, 2, 50, {436902.5, 4.7867167, 213.2990954},
         {50.6, 2.773, 942.062}, 436902.5, {1}, 50.6, {50}, {{14, 2326.8, 0}}},
        {"SaturnR S3", &series::kSaturnR, 3, 72, {20315.0, 3.021866, 213.299095},
         {3.0, 1.89, 149.56}, 20315.0, {1}, 2.9, {70}, {{11, 393.2, 0}}},
        {"SaturnR S4", &series::kSaturnR, 4, 44, {1202.0, 1.41499, 220.41264}, {1.8, 0.09, 942.06},
         1202.0, {1}, 1.8, {44}, {{25, 9.6, 3.14}}},
        {"SaturnR S5", &series::kSaturnR, 5, 10, {128.6, 5.9128, 220.4126}, {4.9, 3.61, 639.9},
         128.6, {1}, 4.9, {10}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckBlock(c);
    }
}

TEST(SaturnSeries, LatitudeS5InFull) {
    const ephemeris::SeriesTerm expected[] = {
        {7.9, 2.82, 206.19}, {1.0, 0.51, 220.41}, {0.8, 2.99, 199.07}, {1.0, 3.14, 0},
        {0.6, 5.96, 433.71}, {0.6, 0.78, 227.53}, {0.4, 2.39, 419.48}, {0.1, 5.11, 647.01},
    };
    const ephemeris::SeriesBlock& block = series::kSaturnB.Blocks[5];
    ASSERT_EQ(block.Count, 8);
    for (int i = 0; i < 8; ++i) {
        series_checks::ExpectTermEq(block.Terms[i], expected[i],
                                    "SaturnB S5 position " + std::to_string(i + 1));
    }
}

TEST(SaturnSeries, EveryTermKeepsThePrecisionRule) {
    series_checks::CheckPrecisionRule("SaturnL", series::kSaturnL);
    series_checks::CheckPrecisionRule("SaturnB", series::kSaturnB);
    series_checks::CheckPrecisionRule("SaturnR", series::kSaturnR);
}

TEST(SaturnSeries, PartialSums) {
    // clang-format off
    const SumCase cases[] = {
        {"SaturnSeriesL", series::SaturnSeriesL, 0,
         {79800496.66, 21353361872.89, 237627.80, 14702.05, -1818.51, -76.11}},
        {"SaturnSeriesL", series::SaturnSeriesL, 0.1,
         {98699540.30, 21353334931.04, -25013.40, 18835.15, 306.36, -151.36}},
        {"SaturnSeriesL", series::SaturnSeriesL, -0.1,
         {87355534.42, 21355025511.50, 119893.77, 1695.22, -1470.60, 10.52}},
        {"SaturnSeriesL", series::SaturnSeriesL, 1,
         {78314081.42, 21354020876.74, 117687.09, 13802.49, 58.89, -151.86}},
        {"SaturnSeriesB", series::SaturnSeriesB, 0,
         {-4019782.04, 193039.86, 18023.42, 522.62, -13.75, -7.67}},
        {"SaturnSeriesB", series::SaturnSeriesB, 0.1,
         {4322645.99, -34248.28, -17349.54, 413.53, -46.57, -2.52}},
        {"SaturnSeriesB", series::SaturnSeriesB, -0.1,
         {1885997.41, -412004.79, -9987.06, 645.52, 84.23, 1.51}},
        {"SaturnSeriesB", series::SaturnSeriesB, 1,
         {-4337740.40, 80708.87, 19460.90, 127.26, 26.99, -0.22}},
        {"SaturnSeriesR", series::SaturnSeriesR, 0,
         {918385631.28, 6758727.63, -22490.37, -36826.72, 1198.87, 172.28}},
        {"SaturnSeriesR", series::SaturnSeriesR, 0.1,
         {967282812.39, -6575476.81, 186441.75, 34748.20, -872.99, -181.53}},
        {"SaturnSeriesR", series::SaturnSeriesR, -0.1,
         {1006331083.92, -3565544.20, -214295.74, 12017.88, -235.86, -40.84}},
        {"SaturnSeriesR", series::SaturnSeriesR, 1,
         {929755896.09, 6578832.98, -74311.41, -30655.02, -126.13, 134.42}},
    };
    // clang-format on
    for (const auto& c : cases) {
        series_checks::CheckSums(c);
    }
}

TEST(SaturnSeries, EveryCallWritesAllSixSums) {
    series_checks::CheckWritesAllSix("SaturnSeriesL", series::SaturnSeriesL);
    series_checks::CheckWritesAllSix("SaturnSeriesB", series::SaturnSeriesB);
    series_checks::CheckWritesAllSix("SaturnSeriesR", series::SaturnSeriesR);
}

TEST(SaturnSeries, ProceduresEvaluateTheirTablesInOrder) {
    series_checks::CheckProcedureUsesTable("SaturnSeriesL", series::SaturnSeriesL,
                                           series::kSaturnL);
    series_checks::CheckProcedureUsesTable("SaturnSeriesB", series::SaturnSeriesB,
                                           series::kSaturnB);
    series_checks::CheckProcedureUsesTable("SaturnSeriesR", series::SaturnSeriesR,
                                           series::kSaturnR);
}

}  // namespace
