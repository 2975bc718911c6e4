// Cost of one almanac click (the printout of a body and of the instant) and
// of one rise/set calculation (the Sun's and the Moon's searches and lines),
// beside the bare Sun position as the baseline measured in the same run. The
// instant, and for rise and set the place, come from the ring of
// bench/instants.h and change on every iteration.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "almanac/almanac.h"
#include "bench/instants.h"
#include "ephemeris/ephemeris.h"

namespace {

// The Sun alone: what every click computes first.
void BM_AlmanacBaselineSun(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const bench::CalendarInstant c = bench::calendarInstant(i++);
        const ephemeris::TimeArguments t =
            ephemeris::TimeArgumentsFor(c.Year, c.Month, c.Day, c.utHours(), c.DeltaT);
        benchmark::DoNotOptimize(ephemeris::SunPlaceAt(t.JD, t.T_TT));
    }
}
BENCHMARK(BM_AlmanacBaselineSun);

// A list click: 0 Sun, 1 Moon, 5 Saturn, 59 a star.
void BM_AlmanacClick(benchmark::State& state) {
    ephemeris::StarTables stars;
    ephemeris::FillStarTable(stars);
    almanac::AlmanacRequest r;
    r.ObjectIndex = static_cast<int>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const bench::CalendarInstant c = bench::calendarInstant(i++);
        r.Year = c.Year;
        r.Month = c.Month;
        r.Day = c.Day;
        r.Hour = c.Hour;
        r.Minute = c.Minute;
        r.Second = c.Second;
        r.DeltaT = c.DeltaT;
        benchmark::DoNotOptimize(almanac::perpetualAlmanac(r, stars));
    }
}
BENCHMARK(BM_AlmanacClick)->Arg(0)->Arg(1)->Arg(5)->Arg(59);

// The rise/set button: both searches and both lines, on the ring's dates at
// places from 60 S to 60 N all round the world.
void BM_RiseSetCalculation(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const bench::CalendarInstant c = bench::calendarInstant(i);
        const double lat = -60 + static_cast<double>((i * 13) % 121);
        const double lon = -180 + static_cast<double>((i * 47) % 360);
        ++i;
        const almanac::RiseSetInput in{c.Year, c.Month, c.Day, lat, lon, c.DeltaT};
        benchmark::DoNotOptimize(almanac::sunRiseSetLine(almanac::sunRiseSet(in)));
        benchmark::DoNotOptimize(almanac::moonRiseSetLine(almanac::moonRiseSet(in)));
    }
}
BENCHMARK(BM_RiseSetCalculation);

}  // namespace
