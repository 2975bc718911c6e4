// The sine and cosine evaluations one planner instant makes, counted at the
// maths library: this program is linked with sin, cos, tan and sincos wrapped.
#include <gtest/gtest.h>

#include <cmath>

#include "bench/planner_instant.h"

namespace {

// Sines and cosines; tangents apart.
long evaluations = 0;
long tangents = 0;

}  // namespace

extern "C" {
double __real_sin(double);
double __real_cos(double);
double __real_tan(double);
void __real_sincos(double, double*, double*);

double __wrap_sin(double X) {
    ++evaluations;
    return __real_sin(X);
}
double __wrap_cos(double X) {
    ++evaluations;
    return __real_cos(X);
}
double __wrap_tan(double X) {
    ++tangents;
    return __real_tan(X);
}
void __wrap_sincos(double X, double* S, double* C) {
    evaluations += 2;
    __real_sincos(X, S, C);
}
}

namespace {

// The benchmark sets as many bare cos() calls beside the planner instant as
// the instant makes sines and cosines: no instant may make more. Nutation,
// obliquity and precession are worked once per instant, not once per body.
TEST(PlannerInstantTrigCount, NoInstantMakesMoreThanTheBenchmarkedCount) {
    // The first call also reads the star catalogue and its fixed terms.
    bench::plannerInstant(ephemeris::TimeArgumentsFor(2000, 1, 1, 12, 64));
    struct Case {
        double Year, Hour;
    };
    const Case cases[] = {{2026, 14.5}, {1998, 3.25}, {1998, 3.25}, {2031, 23.9}};
    for (const Case& c : cases) {
        const ephemeris::TimeArguments in = ephemeris::TimeArgumentsFor(c.Year, 12, 10, c.Hour, 69);
        evaluations = 0;
        tangents = 0;
        EXPECT_TRUE(std::isfinite(bench::plannerInstant(in)));
        EXPECT_LE(evaluations, bench::kPlannerInstantTrigEvaluations) << c.Year << " " << c.Hour;
        // One tangent per body, two per star.
        EXPECT_EQ(tangents, 6 + 2 * ephemeris::kStarCount);
    }
}

}  // namespace
