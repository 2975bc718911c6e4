// The sine and cosine evaluations one planner instant makes, counted at the
// maths library: this program is linked with sin, cos, tan and sincos wrapped.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

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

struct Counts {
    long Evaluations = 0;
    long Tangents = 0;
    bool Finite = false;
};

// One planner instant in a thread of its own, so that no cache of an earlier
// instant (they are kept per thread) serves any of it.
Counts countInFreshThread(const ephemeris::TimeArguments& In) {
    Counts c;
    std::thread worker([&In, &c] {
        evaluations = 0;
        tangents = 0;
        c.Finite = std::isfinite(bench::plannerInstant(In));
        c.Evaluations = evaluations;
        c.Tangents = tangents;
    });
    worker.join();
    return c;
}

// Every instant makes the count the README states: nutation, obliquity and
// precession are worked once per instant, not once per body, whatever the
// instant.
TEST(PlannerInstantTrigCount, EveryDistinctInstantMakesTheStatedCount) {
    // The first call reads the star catalogue and its fixed terms, once for
    // the whole program.
    countInFreshThread(ephemeris::TimeArgumentsFor(2000, 1, 1, 12, 64));
    struct Case {
        double Year, Month, Day, Hour, DeltaT;
    };
    const Case cases[] = {
        {1900, 1, 1, 0, -2.7},    {1957, 7, 19, 6.75, 32.4}, {1998, 3, 31, 3.25, 63},
        {2026, 12, 10, 14.5, 69}, {2031, 5, 2, 23.9, 72},    {2100, 12, 31, 18.2, 203},
    };
    for (const Case& c : cases) {
        const Counts n = countInFreshThread(
            ephemeris::TimeArgumentsFor(c.Year, c.Month, c.Day, c.Hour, c.DeltaT));
        EXPECT_TRUE(n.Finite) << c.Year;
        EXPECT_EQ(n.Evaluations, bench::kPlannerInstantTrigEvaluations) << c.Year;
        // One tangent per body, two per star.
        EXPECT_EQ(n.Tangents, 6 + 2 * ephemeris::kStarCount) << c.Year;
    }
}

}  // namespace
