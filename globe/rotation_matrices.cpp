// The globe's numerical helpers: clamped inverse functions, the angle from a
// sine and a cosine, the rotation matrices and the matrix products.
#include <cmath>

#include "ephemeris/ephemeris.h"
#include "globe/globe.h"

namespace globe {

namespace {

// The half and the full turn of AngleFromSinCos.
constexpr double kHalfTurn = 3.14159;
constexpr double kFullTurn = 6.283185;
// Sines and cosines up to this magnitude give a well-conditioned angle.
constexpr double kWellConditioned = 0.707107;

}  // namespace

double ArcCosClamped(double x) {
    return ephemeris::ArcCos(x);
}

double ArcSinClamped(double x) {
    return ephemeris::ArcSin(x);
}

void AngleFromSinCos(double S, double C, double& A) {
    if (std::fabs(S) <= kWellConditioned) {
        A = ArcSinClamped(std::fabs(S));
    }
    if (std::fabs(C) <= kWellConditioned) {
        A = ArcCosClamped(std::fabs(C));
    }
    if (C >= 0 && S >= 0) {
        // first quadrant: A as it is
    } else if (C < 0 && S >= 0) {
        A = kHalfTurn - A;
    } else if (C < 0 && S < 0) {
        A = A + kHalfTurn;
    } else if (C >= 0 && S < 0) {
        A = kFullTurn - A;
    }
    if (A > kHalfTurn) {
        A = A - kFullTurn;
    }
}

void RotateXMatrix(double c, Matrix3& M) {
    const double s = std::sin(c);
    const double k = std::cos(c);
    M[1][1] = 1, M[1][2] = 0, M[1][3] = 0;
    M[2][1] = 0, M[2][2] = k, M[2][3] = s;
    M[3][1] = 0, M[3][2] = -s, M[3][3] = k;
}

void RotateYMatrix(double b, Matrix3& M) {
    const double s = std::sin(b);
    const double k = std::cos(b);
    M[1][1] = k, M[1][2] = 0, M[1][3] = -s;
    M[2][1] = 0, M[2][2] = 1, M[2][3] = 0;
    M[3][1] = s, M[3][2] = 0, M[3][3] = k;
}

void RotateZMatrix(double a, Matrix3& M) {
    const double s = std::sin(a);
    const double k = std::cos(a);
    M[1][1] = k, M[1][2] = s, M[1][3] = 0;
    M[2][1] = -s, M[2][2] = k, M[2][3] = 0;
    M[3][1] = 0, M[3][2] = 0, M[3][3] = 1;
}

void RotationMatrix(double a, double b, double c, Matrix3& M) {
    Matrix3 Z{};
    Matrix3 Y{};
    Matrix3 X{};
    RotateZMatrix(a, Z);
    RotateYMatrix(b, Y);
    RotateXMatrix(c, X);
    Matrix3 T{};
    MatMul(3, X, Y, T);
    MatMul(3, T, Z, M);
}

void MatMul(int n, const Matrix3& A, const Matrix3& B, Matrix3& C) {
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            C[i][j] = 0;
            for (int k = 1; k <= n; ++k) {
                C[i][j] = C[i][j] + A[i][k] * B[k][j];
            }
        }
    }
}

void MatVecMul(int n, const Matrix3& M, const Vector3& v, Vector3& w) {
    for (int i = 1; i <= n; ++i) {
        w[i] = 0;
        for (int j = 1; j <= n; ++j) {
            w[i] = w[i] + M[i][j] * v[j];
        }
    }
}

void MatTranspose(int n, const Matrix3& A, Matrix3& B) {
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            B[i][j] = A[j][i];
        }
    }
}

void ArrayMaxMin(int n, const std::array<double, reduction::kSightLogSize>& A, double& Max,
                 double& Min) {
    Max = -1E+26;
    Min = 1E+26;
    const int last = n < reduction::kSightLogSize - 1 ? n : reduction::kSightLogSize - 1;
    for (int i = 1; i <= last; ++i) {
        if (A[i] > Max) {
            Max = A[i];
        }
        if (A[i] < Min) {
            Min = A[i];
        }
    }
}

}  // namespace globe
