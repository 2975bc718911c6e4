// Trigonometry in degrees, the inverse functions and turn reduction, at the
// values where the pi literal and the clamps show.
// Expected values: worked examples (exact doubles where compared exactly),
// unless a case names another source.
#include <gtest/gtest.h>

#include <functional>

#include "ephemeris/ephemeris.h"

namespace {

using ephemeris::ArcCos;
using ephemeris::ArcSin;
using ephemeris::Atan2;
using ephemeris::CosD;
using ephemeris::Normalize2Pi;
using ephemeris::Normalize360;
using ephemeris::SinD;
using ephemeris::TanD;

struct UnaryCase {
    const char* name;
    std::function<double(double)> f;
    double x;
    double expected;
};

// Expected values: worked examples (exact doubles where compared exactly).
TEST(AngleFunctions, ExactValuesAtTheEdges) {
    const UnaryCase cases[] = {
        {"SinD(180)", SinD, 180, 3.2310891488651735e-15},
        {"CosD(90)", CosD, 90, 1.6155445744325867e-15},
        {"CosD(180)", CosD, 180, -1},
        {"TanD(45)", TanD, 45, 0.9999999999999983},
        {"TanD(90)", TanD, 90, 618986325617924.2},
        {"ArcSin(1)", ArcSin, 1, 1.570796326794895},
        {"ArcSin(1+ulp)", ArcSin, 1.0000000000000002, 1.570796326794895},
        {"ArcSin(-1)", ArcSin, -1, -1.570796326794895},
        {"ArcSin(0.5)", ArcSin, 0.5, 0.5235987755982989},
        {"ArcCos(1)", ArcCos, 1, 0},
        {"ArcCos(-1)", ArcCos, -1, 3.14159265358979},
        {"ArcCos(0)", ArcCos, 0, 1.570796326794895},
        {"ArcCos(-0.5)", ArcCos, -0.5, 2.094395102393194},
        {"Normalize360(-30)", Normalize360, -30, 330},
        {"Normalize360(720)", Normalize360, 720, 0},
        {"Normalize360(370.5)", Normalize360, 370.5, 10.499999999999963},
        {"Normalize360(-1e-17)", Normalize360, -1e-17, 360},
        {"Normalize2Pi(-1)", Normalize2Pi, -1, 5.28318530717958},
        {"Normalize2Pi(7)", Normalize2Pi, 7, 0.7168146928204193},
        {"Normalize2Pi(-1e-17)", Normalize2Pi, -1e-17, 6.28318530717958},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.f(c.x), c.expected) << c.name;
    }
}

// Expected values: worked examples (exact doubles where compared exactly).
TEST(AngleFunctions, Atan2TakesQuadrantsAndAxesByRule) {
    struct Case {
        double y, x, expected;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1, 0, 1.570796326794895},
        {-1, 0, -1.570796326794895},
        {0, 1, 0},
        {0, -1, 3.14159265358979},
        {1, -1, 2.3561944901923417},
        {-1, -1, -2.3561944901923417},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Atan2(c.y, c.x), c.expected) << "Atan2(" << c.y << ", " << c.x << ")";
        double into = 99;
        ephemeris::Atan2Into(c.y, c.x, into);
        EXPECT_EQ(into, c.expected);
    }
}

}  // namespace
