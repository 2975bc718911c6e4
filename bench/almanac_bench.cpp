// Cost of one almanac click (the printout of a body and of the instant) and
// of one rise/set calculation (the Sun's and the Moon's searches and lines),
// beside the bare Sun position as the baseline measured in the same run. The
// instant moves by a minute every iteration.
#include <benchmark/benchmark.h>

#include "almanac/almanac.h"
#include "ephemeris/ephemeris.h"

namespace {

// The Sun alone: what every click computes first.
void BM_AlmanacBaselineSun(benchmark::State& state) {
    double minute = 0;
    for (auto _ : state) {
        const ephemeris::TimeArguments t =
            ephemeris::TimeArgumentsFor(2026, 12, 10, 14 + minute / 60, 69.0);
        benchmark::DoNotOptimize(ephemeris::SunPlaceAt(t.JD, t.T_TT));
        minute = minute < 1440 ? minute + 1 : 0;
    }
}
BENCHMARK(BM_AlmanacBaselineSun);

// A list click: 0 Sun, 1 Moon, 5 Saturn, 59 a star.
void BM_AlmanacClick(benchmark::State& state) {
    ephemeris::StarTables stars;
    ephemeris::FillStarTable(stars);
    almanac::AlmanacRequest r;
    r.ObjectIndex = static_cast<int>(state.range(0));
    r.Year = 2026;
    r.Month = 12;
    r.Day = 10;
    r.Hour = 14;
    r.DeltaT = 69.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(almanac::perpetualAlmanac(r, stars));
        r.Minute = r.Minute < 1440 ? r.Minute + 1 : 0;
    }
}
BENCHMARK(BM_AlmanacClick)->Arg(0)->Arg(1)->Arg(5)->Arg(59);

// The rise/set button: both searches and both lines; the day moves.
void BM_RiseSetCalculation(benchmark::State& state) {
    almanac::RiseSetInput in{2026, 1, 1, 40.7, -74.0, 69.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(almanac::sunRiseSetLine(almanac::sunRiseSet(in)));
        benchmark::DoNotOptimize(almanac::moonRiseSetLine(almanac::moonRiseSet(in)));
        in.Day = in.Day < 365 ? in.Day + 1 : 1;
    }
}
BENCHMARK(BM_RiseSetCalculation);

}  // namespace
