// Cost of one lunar-distance clearing (ten iterations, each with the Sun,
// the Moon and the body at the clearing instant, plus the two fixed
// instants), beside one Sun-and-Moon place as the baseline of the same run.
// The chronometer time varies between iterations.
#include <benchmark/benchmark.h>

#include "ephemeris/ephemeris.h"
#include "lunar/lunar.h"

namespace {

lunar::ClearingInput sunSight(int body) {
    lunar::ClearingInput in;
    in.Temperature = 18;
    in.Pressure = 1016;
    in.Lat = 15 + 36.8 / 60;
    in.Lon = -(54 + 11.5 / 60);
    in.Year = 2025;
    in.Month = 6;
    in.Day = 3;
    in.U = 20 + 9.0 / 60 + 12.0 / 3600;
    in.DeltaT = 69.1;
    in.Distance = 97 + 36.3 / 60;
    in.SelectedBody = body;
    return in;
}

void BM_SunAndMoonPlace(benchmark::State& state) {
    int step = 0;
    for (auto _ : state) {
        const double t = 20 + (step++ % 60) / 3600.0;
        const ephemeris::TimeArguments when = ephemeris::TimeArgumentsFor(2025, 6, 3, t, 69.1);
        const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(when.JD, when.T_TT);
        double gha, dec, sd, hp, illum, dist, elong;
        ephemeris::MoonPosition(when.JD, when.T_TT, sun.SunAppLon, gha, dec, sd, hp, illum, dist,
                                elong);
        benchmark::DoNotOptimize(gha);
    }
}
BENCHMARK(BM_SunAndMoonPlace);

// Argument: the LunarTargetIndex (0 the Sun, 1 Venus, 20 a star).
void BM_ClearLunarDistance(benchmark::State& state) {
    lunar::ClearingInput in = sunSight(static_cast<int>(state.range(0)));
    const double U = in.U;
    int step = 0;
    for (auto _ : state) {
        in.U = U + (step++ % 60) / 3600.0;
        benchmark::DoNotOptimize(lunar::clearLunarDistance(in));
    }
}
BENCHMARK(BM_ClearLunarDistance)->Arg(0)->Arg(1)->Arg(20);

}  // namespace
