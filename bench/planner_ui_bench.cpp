// The sight planner's refresh with its chart at 800 x 600 pixels (as on every
// resize step of the window): the whole refresh with both rise/set searches,
// and the chart and list alone (the bodies, 58 star places, 360 ecliptic
// points, the drawing and the list). Each iteration moves the instant on by
// a minute over a night, so every refresh computes a new sky. Baseline in the
// same run: clearing the chart picture to its background.
#include <benchmark/benchmark.h>

#include <string>

#include "app/app.h"
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
    planner::Form11& f = app.form11();
    f.Text1.setText("2024");
    f.Text2.setText("1");
    f.Text3.setText("15");
    f.Text4.setText("2");
    f.Text113.setText("40");
    f.Text114.setText("70");
    f.Text9.setText("58");
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

// Four hours from 2h UT, a minute a step (minutes stay below 60: the
// refresh refuses others).
void nextMinute(planner::Form11& f, long long& step) {
    f.Text4.setText(platform::generalText(static_cast<double>(2 + step % 240 / 60)));
    f.Text5.setText(platform::generalText(static_cast<double>(step % 60)));
    ++step;
}

void BM_PlannerRefreshFull800x600(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    planner::Form11* ready = readyPlanner(app, state);
    if (!ready) {
        return;
    }
    planner::Form11& f = *ready;
    long long step = 0;
    for (auto _ : state) {
        nextMinute(f, step);
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
    long long step = 0;
    for (auto _ : state) {
        nextMinute(f, step);
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
