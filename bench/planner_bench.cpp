// The sight planner's computation without drawing: the bodies of one instant
// (Sun, Moon, four planets with their light time) and the chart scene (58
// star places, 360 ecliptic points, the discs and the list lines), a minute
// later on each iteration. Baseline in the same run: the bodies alone.
#include <benchmark/benchmark.h>

#include "ephemeris/ephemeris.h"
#include "planner/planner.h"
#include "tests/planner/january_night.h"

namespace {

// A minute later on each step, over four hours of the night.
planner::PlannerInput nightAt(long long step) {
    planner::PlannerInput in = planner::plannerInput(plannertest::januaryNight("58"));
    in.UtHours += static_cast<double>(step % 240) / 60;
    return in;
}

void BM_PlannerBodies(benchmark::State& state) {
    long long step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(planner::plannerSky(nightAt(step++)));
    }
}
BENCHMARK(BM_PlannerBodies)->Unit(benchmark::kMicrosecond);

void BM_PlannerChartSceneAndList(benchmark::State& state) {
    ephemeris::StarTables tables;
    ephemeris::FillStarTable(tables);
    long long step = 0;
    for (auto _ : state) {
        const planner::PlannerInput in = nightAt(step++);
        const planner::PlannerSky sky = planner::plannerSky(in);
        const planner::SkyChart chart = planner::skyChart(in, sky, tables, 12000, 9000);
        benchmark::DoNotOptimize(planner::objectListLines(sky, chart.Stars, chart.listedStars));
    }
}
BENCHMARK(BM_PlannerChartSceneAndList)->Unit(benchmark::kMicrosecond);

}  // namespace
