// The sight planner's computation without drawing: the bodies of one instant
// (Sun, Moon, four planets with their light time) and the chart scene (58
// star places, 360 ecliptic points, the discs and the list lines). The
// instant comes from the ring of bench/instants.h, seen from a place where it
// is night or twilight (as when sights are planned), both changing on every
// iteration. Baseline in the same run: the
// bodies alone.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "bench/instants.h"
#include "ephemeris/ephemeris.h"
#include "planner/planner.h"
#include "tests/planner/january_night.h"

namespace {

// Instant i of the ring, seen from a place where it is night or twilight.
planner::PlannerInput plannerAt(std::size_t i) {
    static const planner::PlannerInput night =
        planner::plannerInput(plannertest::januaryNight("58"));
    const bench::CalendarInstant c = bench::calendarInstant(i);
    planner::PlannerInput in = night;
    in.Year = c.Year;
    in.Month = c.Month;
    in.Day = c.Day;
    in.UtHours = c.utHours();
    in.DeltaT = c.DeltaT;
    const bench::Place place = bench::nightPlace(i);
    in.Lat = place.Lat * ephemeris::kRadPerDeg;
    in.Lon = place.Lon * ephemeris::kRadPerDeg;
    return in;
}

void BM_PlannerBodies(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(planner::plannerSky(plannerAt(i++)));
    }
}
BENCHMARK(BM_PlannerBodies)->Unit(benchmark::kMicrosecond);

void BM_PlannerChartSceneAndList(benchmark::State& state) {
    ephemeris::StarTables tables;
    ephemeris::FillStarTable(tables);
    std::size_t i = 0;
    for (auto _ : state) {
        const planner::PlannerInput in = plannerAt(i++);
        const planner::PlannerSky sky = planner::plannerSky(in);
        const planner::SkyChart chart = planner::skyChart(in, sky, tables, 12000, 9000);
        benchmark::DoNotOptimize(planner::objectListLines(sky, chart.Stars, chart.listedStars));
    }
}
BENCHMARK(BM_PlannerChartSceneAndList)->Unit(benchmark::kMicrosecond);

}  // namespace
