// The sight planner's refresh with its chart at 800 x 600 pixels (as on every
// resize step of the window and on its refresh button): the whole refresh
// with both rise/set searches, and the chart and list alone (the bodies, 58
// star places, 360 ecliptic points, the drawing and the list). Each iteration
// types the next instant of the ring of bench/instants.h and another place
// (the typing is timed with it), so every refresh computes a new sky.
// Baseline in the same run: clearing the chart picture to its background.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>

#include "app/app.h"
#include "bench/instants.h"
#include "bench/ui_fixtures.h"
#include "planner/planner_window.h"
#include "platform/numtext.h"
#include "platform/ui/qt_services.h"
#include "platform/ui/vector_state.h"

namespace {

constexpr int kChartWidthPx = 800;
constexpr int kChartHeightPx = 600;

// The planner shown with an 800 x 600 pixel chart, at 58 stars, on a January
// night at 40 N, 70 W.
planner::Form11& plannerAt800x600(app::App& app) {
    planner::Form11& f = bench::plannerOnAJanuaryNight(app);
    f.showModeless();
    const int widthGap = f.widthTwips() - f.Picture1.width();
    const int heightGap = f.heightTwips() - f.Picture1.height();
    f.resizeTwips(kChartWidthPx * platform::ui::kTwipsPerPixel + widthGap,
                  kChartHeightPx * platform::ui::kTwipsPerPixel + heightGap);
    return f;
}

// The planner ready for the loop, or nullptr (and the benchmark skipped)
// when the chart did not get its size.
planner::Form11* readyPlanner(app::App& app, benchmark::State& state) {
    planner::Form11& f = plannerAt800x600(app);
    if (f.Picture1.widget()->size() != QSize(kChartWidthPx, kChartHeightPx)) {
        state.SkipWithError("the chart is not 800 x 600 pixels");
        return nullptr;
    }
    return &f;
}

// Types instant i of the ring of bench/instants.h into the fields, and a
// place where it is then night or twilight.
void typeInstant(planner::Form11& f, std::size_t i) {
    const bench::CalendarInstant c = bench::calendarInstant(i);
    f.Text1.setText(platform::generalText(c.Year));
    f.Text2.setText(platform::generalText(c.Month));
    f.Text3.setText(platform::generalText(c.Day));
    f.Text4.setText(platform::generalText(c.Hour));
    f.Text5.setText(platform::generalText(c.Minute));
    f.Text11.setText(platform::generalText(c.Second));
    const bench::Place place = bench::nightPlace(i);
    f.Text113.setText(platform::generalText(std::floor(std::fabs(place.Lat))));
    (place.Lat < 0 ? f.Option2 : f.Option1).setValue(true);
    f.Text114.setText(platform::generalText(std::floor(std::fabs(place.Lon))));
    (place.Lon < 0 ? f.Option3 : f.Option4).setValue(true);
}

void BM_PlannerRefreshFull800x600(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    planner::Form11* ready = readyPlanner(app, state);
    if (!ready) {
        return;
    }
    planner::Form11& f = *ready;
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        typeInstant(f, i++);
        state.ResumeTiming();
        f.Command3_Click();
        benchmark::DoNotOptimize(f.List1.count());
    }
    state.counters["listed"] = f.List1.count() / 2;
}
BENCHMARK(BM_PlannerRefreshFull800x600)->Unit(benchmark::kMillisecond);

void BM_PlannerChartAndList800x600(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    planner::Form11* ready = readyPlanner(app, state);
    if (!ready) {
        return;
    }
    planner::Form11& f = *ready;
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        typeInstant(f, i++);
        state.ResumeTiming();
        // The refresh's own sequence, less the rise/set lines.
        platform::ui::clearUpperVectorState();
        const planner::PlannerInput in = planner::plannerInput(f.plannerTexts());
        f.drawSky(in, planner::plannerSky(in));
        benchmark::DoNotOptimize(f.List1.count());
    }
    state.counters["discs"] = app.Chart.ChartCount;
}
BENCHMARK(BM_PlannerChartAndList800x600)->Unit(benchmark::kMillisecond);

void BM_BaselineChartClear800x600(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    planner::Form11& f = plannerAt800x600(app);
    int shade = 0;
    for (auto _ : state) {
        f.Picture1.setBackColor(platform::ui::rgb(shade, shade, 40));
        f.Picture1.clear();
        shade = (shade + 1) % 200;
    }
}
BENCHMARK(BM_BaselineChartClear800x600)->Unit(benchmark::kMillisecond);

}  // namespace
