// Shared checks for the planet series tests: block contents (count, first and
// last term, extreme amplitudes and where they stand, constant terms), the
// precision rule of every term, and the partial sums of the procedures.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

#include "ephemeris/series_terms.h"

namespace series_checks {

using ephemeris::CoordinateSeries;
using ephemeris::SeriesBlock;
using ephemeris::SeriesTerm;

using SeriesProcedure = void (*)(double, double&, double&, double&, double&, double&, double&);

// The cosine as the library computes it at run time, never folded by the
// compiler, so that expected values use the same cosine as the procedures.
inline double RuntimeCos(double X) {
    volatile double x = X;
    return std::cos(x);
}

struct ConstantTerm {
    int Position;  // 1-based
    double A;
    double B;
};

// What one block holds. Positions are 1-based, as the published lists count.
struct BlockCase {
    const char* Name;
    const CoordinateSeries* Series;
    int Block;
    int Count;
    SeriesTerm First;
    SeriesTerm Last;
    double Largest;
    std::vector<int> LargestAt;
    double Smallest;
    std::vector<int> SmallestAt;
    std::vector<ConstantTerm> Constants;
};

inline std::vector<int> PositionsOfAmplitude(const SeriesBlock& Block, double A) {
    std::vector<int> at;
    for (int i = 0; i < Block.Count; ++i) {
        if (Block.Terms[i].A == A) {
            at.push_back(i + 1);
        }
    }
    return at;
}

inline void ExpectTermEq(const SeriesTerm& Actual, const SeriesTerm& Expected,
                         const std::string& What) {
    EXPECT_EQ(Actual.A, Expected.A) << What << ": A";
    EXPECT_EQ(Actual.B, Expected.B) << What << ": B";
    EXPECT_EQ(Actual.C, Expected.C) << What << ": C";
}

inline void CheckBlock(const BlockCase& c) {
    SCOPED_TRACE(c.Name);
    const SeriesBlock& block = c.Series->Blocks[c.Block];
    ASSERT_EQ(block.Count, c.Count);
    if (c.Count == 0) {
        return;
    }
    ASSERT_NE(block.Terms, nullptr);
    ExpectTermEq(block.Terms[0], c.First, "first term");
    ExpectTermEq(block.Terms[c.Count - 1], c.Last, "last term");

    double largest = block.Terms[0].A;
    double smallest = block.Terms[0].A;
    for (int i = 1; i < block.Count; ++i) {
        largest = std::max(largest, block.Terms[i].A);
        smallest = std::min(smallest, block.Terms[i].A);
    }
    EXPECT_EQ(largest, c.Largest);
    EXPECT_EQ(PositionsOfAmplitude(block, c.Largest), c.LargestAt) << "largest amplitude";
    EXPECT_EQ(smallest, c.Smallest);
    EXPECT_EQ(PositionsOfAmplitude(block, c.Smallest), c.SmallestAt) << "smallest amplitude";

    std::vector<int> constantAt;
    for (int i = 0; i < block.Count; ++i) {
        if (block.Terms[i].C == 0) {
            constantAt.push_back(i + 1);
        }
    }
    std::vector<int> expectedAt;
    for (const ConstantTerm& k : c.Constants) {
        expectedAt.push_back(k.Position);
        if (k.Position >= 1 && k.Position <= block.Count) {
            const SeriesTerm& t = block.Terms[k.Position - 1];
            EXPECT_EQ(t.A, k.A) << "constant term at " << k.Position;
            EXPECT_EQ(t.B, k.B) << "constant term at " << k.Position;
        }
    }
    EXPECT_EQ(constantAt, expectedAt) << "positions of the constant terms";
}

// True when X printed with Decimals decimals reads back as the same double,
// that is, X was written with no more than that many decimals.
inline bool HasAtMostDecimals(double X, int Decimals) {
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, X, std::chars_format::fixed, Decimals);
    if (written.ec != std::errc()) {
        return false;
    }
    double back = 0;
    std::from_chars(text, written.ptr, back);
    return back == X;
}

// Decimals of B and C for an amplitude A (one decimal, units of 1e-8).
inline int DecimalsFor(double A) {
    return std::max(2, static_cast<int>(std::floor(std::log10(A))) + 2);
}

// Pi rounded to d decimals, as constant terms carry it.
inline bool IsRoundedPi(double B, int Decimals) {
    const double byDecimals[] = {3.14,     3.142,     3.1416,     3.14159,
                                 3.141593, 3.1415927, 3.14159265, 3.141592654};
    return Decimals >= 2 && Decimals <= 9 && B == byDecimals[Decimals - 2];
}

// Every term of one coordinate obeys the common form and precision rule.
inline void CheckPrecisionRule(const char* Name, const CoordinateSeries& Series) {
    SCOPED_TRACE(Name);
    for (int k = 0; k < 6; ++k) {
        const SeriesBlock& block = Series.Blocks[k];
        const double floor = 25.0 / std::pow(4.0, k);
        int constants = 0;
        for (int i = 0; i < block.Count; ++i) {
            const SeriesTerm& t = block.Terms[i];
            const std::string where =
                "S" + std::to_string(k) + " position " + std::to_string(i + 1);
            EXPECT_GE(t.A, floor) << where;
            EXPECT_GT(t.A, 0.0) << where;
            EXPECT_TRUE(HasAtMostDecimals(t.A, 1)) << where << ": A " << t.A;
            const int d = DecimalsFor(t.A);
            EXPECT_TRUE(HasAtMostDecimals(t.B, d)) << where << ": B " << t.B << ", d " << d;
            EXPECT_TRUE(HasAtMostDecimals(t.C, d)) << where << ": C " << t.C << ", d " << d;
            EXPECT_GE(t.B, 0.0) << where;
            EXPECT_LT(t.B, 6.28318530717958) << where;
            EXPECT_GE(t.C, 0.0) << where;
            if (t.C == 0) {
                ++constants;
                EXPECT_TRUE(t.B == 0 || IsRoundedPi(t.B, d))
                    << where << ": constant phase " << t.B << " is neither 0 nor pi at " << d
                    << " decimals";
            }
        }
        EXPECT_LE(constants, 1) << "S" << k << " holds more than one constant term";
    }
}

struct SumCase {
    const char* Name;
    SeriesProcedure Procedure;
    double Tau;
    double S[6];
};

// Partial sums to two decimals, whatever the outputs held before the call.
inline void CheckSums(const SumCase& c) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double s[6] = {nan, nan, nan, nan, nan, nan};
    c.Procedure(c.Tau, s[0], s[1], s[2], s[3], s[4], s[5]);
    for (int k = 0; k < 6; ++k) {
        EXPECT_NEAR(s[k], c.S[k], 0.005) << c.Name << " tau " << c.Tau << " S" << k;
    }
}

// All six outputs are written on every call: two calls that start from
// different garbage give the same six doubles, all finite.
inline void CheckWritesAllSix(const char* Name, SeriesProcedure Procedure) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double tau : {0.0, 0.1, -0.1, 1.0, -0.0072183436, 2.5}) {
        double a[6] = {nan, nan, nan, nan, nan, nan};
        double b[6] = {1e300, -1e300, 7.0, -7.0, 1e-300, 123456789.0};
        Procedure(tau, a[0], a[1], a[2], a[3], a[4], a[5]);
        Procedure(tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        for (int k = 0; k < 6; ++k) {
            EXPECT_TRUE(std::isfinite(a[k])) << Name << " tau " << tau << " S" << k;
            EXPECT_EQ(a[k], b[k]) << Name << " tau " << tau << " S" << k;
        }
    }
}

// The procedure's sums are the sums of its table (the tables are what the
// procedure evaluates).
inline void CheckProcedureUsesTable(const char* Name, SeriesProcedure Procedure,
                                    const CoordinateSeries& Series) {
    for (double tau : {0.0, 0.1, -0.1, 1.0}) {
        double s[6];
        Procedure(tau, s[0], s[1], s[2], s[3], s[4], s[5]);
        for (int k = 0; k < 6; ++k) {
            const SeriesBlock& block = Series.Blocks[k];
            double sum = 0.0;
            for (int i = 0; i < block.Count; ++i) {
                const SeriesTerm& t = block.Terms[i];
                const double value = t.A * RuntimeCos(t.B + t.C * tau);
                sum = (i == 0) ? value : sum + value;
            }
            EXPECT_EQ(s[k], sum) << Name << " tau " << tau << " S" << k;
        }
    }
}

}  // namespace series_checks
