// The globe's rotation and matrix helpers against their worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "globe/globe.h"

namespace {

using globe::Matrix3;

constexpr double kRad = 0.017453292519943278;

Matrix3 rotation(double a, double b, double c) {
    Matrix3 M{};
    globe::RotationMatrix(a, b, c, M);
    return M;
}

TEST(GlobeRotation, ClampedInverseFunctionsAtTheirEndsAndInside) {
    // Worked values of the globe's helpers; exact at the clamps.
    EXPECT_EQ(globe::ArcSinClamped(1), 1.570796326794895);
    EXPECT_EQ(globe::ArcSinClamped(-1), -1.570796326794895);
    EXPECT_EQ(globe::ArcSinClamped(-1.0000001), -1.570796326794895);
    EXPECT_EQ(globe::ArcSinClamped(0.5), std::atan(0.5 / std::sqrt(0.75)));
    EXPECT_NEAR(globe::ArcSinClamped(0.5), 3.14159265358979 / 6, 1e-15);
    EXPECT_EQ(globe::ArcCosClamped(1), 0);
    EXPECT_EQ(globe::ArcCosClamped(-1), 3.14159265358979);
    EXPECT_EQ(globe::ArcCosClamped(0), 1.570796326794895);
    EXPECT_EQ(globe::ArcCosClamped(1.5), 0);
}

TEST(GlobeRotation, AngleFromSinCosInEveryQuadrantAndOnTheAxes) {
    const double r = globe::ArcSinClamped(0.6);
    struct Case {
        double S, C, expected, tolerance;
    };
    // Worked values: half turn 3.14159, full turn 6.283185 as the procedure
    // takes them.
    const Case cases[] = {
        {0.6, 0.8, r, 0},
        {0.6, -0.8, 3.14159 - r, 0},
        {-0.6, -0.8, r + 3.14159 - 6.283185, 1e-15},
        {-0.6, 0.8, -r, 1e-6},
        {0, 1, 0, 0},
        {0, -1, 3.14159, 0},
        {1, 0, 1.570796326794895, 0},
        {-1, 0, -1.570796326794895, 1e-6},
        {std::sqrt(0.5), std::sqrt(0.5), globe::ArcCosClamped(std::sqrt(0.5)), 0},
    };
    for (const Case& c : cases) {
        double A = 99;
        globe::AngleFromSinCos(c.S, c.C, A);
        EXPECT_NEAR(A, c.expected, c.tolerance) << c.S << " " << c.C;
    }
    // Not a normalised pair: A keeps its value on entry.
    double A = 0.25;
    globe::AngleFromSinCos(0.8, 0.8, A);
    EXPECT_EQ(A, 0.25);
}

TEST(GlobeRotation, RotationMatrixIsTheIdentityAtZeroAndMatchesItsClosedForm) {
    const Matrix3 I = rotation(0, 0, 0);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(I[i][j], i == j ? 1.0 : 0.0);
        }
    }
    for (const auto& [a, b] : {std::pair{0.3, -0.7}, {-2.5, 1.2}, {3.1, 0.05}}) {
        const Matrix3 M = rotation(a, b, 0);
        const double closed[4][4] = {
            {},
            {0, std::cos(b) * std::cos(a), std::cos(b) * std::sin(a), -std::sin(b)},
            {0, -std::sin(a), std::cos(a), 0},
            {0, std::sin(b) * std::cos(a), std::sin(b) * std::sin(a), std::cos(b)}};
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                EXPECT_NEAR(M[i][j], closed[i][j], 1e-15) << i << j;
            }
        }
    }
}

TEST(GlobeRotation, ViewRotationBringsTheCentrePointToTheViewer) {
    // 20 N, 30 W as the window's first view of one sight.
    const double lat = 20 * kRad;
    const double lon = -30 * kRad;
    const Matrix3 M = rotation(lon, -lat, 0);
    const globe::Vector3 v{0, std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon),
                           std::sin(lat)};
    globe::Vector3 w{};
    globe::MatVecMul(3, M, v, w);
    EXPECT_NEAR(w[1], 1, 1e-15);
    EXPECT_NEAR(w[2], 0, 1e-15);
    EXPECT_NEAR(w[3], 0, 1e-15);
}

TEST(GlobeRotation, TransposeOfARotationIsItsInverse) {
    for (const auto& [a, b, c] : {std::tuple{0.4, -1.1, 0.0}, {2.9, 0.6, 0.3}, {-1.7, 2.2, -0.8}}) {
        const Matrix3 M = rotation(a, b, c);
        Matrix3 T{};
        T[0][0] = 7;  // row and column 0 stay as they are
        globe::MatTranspose(3, M, T);
        EXPECT_EQ(T[0][0], 7);
        Matrix3 P{};
        globe::MatMul(3, M, T, P);
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                EXPECT_EQ(T[i][j], M[j][i]);
                EXPECT_NEAR(P[i][j], i == j ? 1 : 0, 1e-15);
            }
        }
    }
}

TEST(GlobeRotation, ArrayMaxMinTakesTheFirstOfEqualsAndKeepsItsStartWhenEmpty) {
    std::array<double, 26> A{};
    A[1] = 350;
    A[2] = 10;
    A[3] = 120;
    double Max = 0;
    double Min = 0;
    globe::ArrayMaxMin(3, A, Max, Min);
    EXPECT_EQ(Max, 350);
    EXPECT_EQ(Min, 10);
    // Entries without a value count as 0.
    globe::ArrayMaxMin(4, A, Max, Min);
    EXPECT_EQ(Min, 0);
    globe::ArrayMaxMin(0, A, Max, Min);
    EXPECT_EQ(Max, -1E+26);
    EXPECT_EQ(Min, 1E+26);
}

}  // namespace
