// Redraw of the lines-of-position plot: PlotLOPs with 25 included sights into
// a 640 x 560 pixel picture (as on every resize step of the plot window).
#include <benchmark/benchmark.h>

#include <cmath>

#include "app/app.h"
#include "app/main_window.h"
#include "platform/ui/qt_services.h"
#include "reduction/plot_window.h"
#include "tests/reduction/fix_sums.h"

namespace {

constexpr double kRad = 0.017453292519943278;
constexpr int kSights = 25;
constexpr int kPictureWidthPx = 640;
constexpr int kPictureHeightPx = 560;

// A reduction of 25 sights around the sky, with runs along a course of 60
// degrees, as the reduce button leaves it.
void reduceSights(app::App& app) {
    app.form1();  // its load starts the sight log
    reduction::ReductionResult& r = app.Reduction;
    reduction::FixResult& f = r.Fix;
    f = {};
    f.PlotScale = 25;
    f.IncludedCount = kSights;
    f.Course = 60;
    r.SightCount = kSights;
    app.Log.SightCount = kSights;
    app.AssumedLat = 41.5;
    app.AssumedLon = -70.25;
    for (int i = 1; i <= kSights; ++i) {
        const double Z = 14.4 * i + 3;
        const double p = 4 * std::sin(0.7 * i) + 1;
        const double R = 0.8 * (kSights - i);
        app.Log.SightData[i][reduction::kFieldIncluded] = 1;
        r.LopAzimuth[i] = Z;
        r.LopIntercept[i] = p;
        r.LopRun[i] = R;
        // The line advanced by the run along the course.
        fixsums::addLineOfPosition(f, p + R * std::cos((Z - f.Course) * kRad), Z);
    }
    fixsums::solveFix(f, app.AssumedLat, app.AssumedLon);
    r.Status = reduction::FixStatus::Fix;
}

void BM_PlotLOPs25Sights(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    reduceSights(app);
    reduction::PlotLOPs(app);
    reduction::Form2& form = app.form2();
    // Window size for a 640 x 560 pixel picture, by the window's own gaps.
    const int widthGap = form.widthTwips() - form.Picture1.width();
    const int heightGap = form.heightTwips() - form.Picture1.height();
    form.resizeTwips(kPictureWidthPx * platform::ui::kTwipsPerPixel + widthGap,
                     kPictureHeightPx * platform::ui::kTwipsPerPixel + heightGap);
    const QSize size = form.Picture1.widget()->size();
    if (size != QSize(kPictureWidthPx, kPictureHeightPx)) {
        state.SkipWithError("the picture did not take 640 x 560 pixels");
        return;
    }
    for (auto _ : state) {
        reduction::PlotLOPs(app);
        benchmark::DoNotOptimize(form.Picture1.displayList().data());
    }
    state.counters["items"] = static_cast<double>(form.Picture1.displayList().size());
    form.hide();
}
BENCHMARK(BM_PlotLOPs25Sights)->Unit(benchmark::kMicrosecond);

}  // namespace
