// Redraw of the lines-of-position plot: PlotLOPs with 25 included sights into
// a 640 x 560 pixel picture (as on every resize step of the plot window). Each
// iteration plots the next of 16 sight sets, which differ in their bodies'
// azimuths, intercepts, runs, course and assumed position.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>

#include "app/app.h"
#include "app/main_window.h"
#include "platform/ui/qt_services.h"
#include "reduction/plot_window.h"
#include "tests/reduction/fix_sums.h"

namespace {

constexpr double kRad = 0.017453292519943278;
constexpr int kSights = 25;
constexpr std::size_t kSightSets = 16;
constexpr int kPictureWidthPx = 640;
constexpr int kPictureHeightPx = 560;

// What PlotLOPs reads of one reduction.
struct SightSet {
    reduction::FixResult Fix;
    reduction::PerSightValues Azimuth{};
    reduction::PerSightValues Intercept{};
    reduction::PerSightValues Run{};
    double AssumedLat = 0;
    double AssumedLon = 0;
};

// Set k: 25 sights around the sky, with runs along the set's course, as the
// reduce button leaves them.
SightSet sightSet(std::size_t k) {
    const double s = static_cast<double>(k);
    SightSet set;
    reduction::FixResult& f = set.Fix;
    f.PlotScale = 25;
    f.IncludedCount = kSights;
    f.Course = std::fmod(60 + 37 * s, 360);
    set.AssumedLat = -50 + 7 * s;
    set.AssumedLon = -170 + 23 * s;
    for (int i = 1; i <= kSights; ++i) {
        const double Z = std::fmod(14.4 * i + 3 + 23 * s, 360);
        const double p = 4 * std::sin(0.7 * i + 1.3 * s) + 1 + 0.5 * static_cast<double>(k % 3);
        const double R = 0.8 * (kSights - i) * (1 + 0.1 * static_cast<double>(k % 4));
        set.Azimuth[i] = Z;
        set.Intercept[i] = p;
        set.Run[i] = R;
        // The line advanced by the run along the course.
        fixsums::addLineOfPosition(f, p + R * std::cos((Z - f.Course) * kRad), Z);
    }
    fixsums::solveFix(f, set.AssumedLat, set.AssumedLon);
    return set;
}

// Puts a sight set where the reduce button leaves its results.
void commit(app::App& app, const SightSet& set) {
    reduction::ReductionResult& r = app.Reduction;
    r.Fix = set.Fix;
    r.LopAzimuth = set.Azimuth;
    r.LopIntercept = set.Intercept;
    r.LopRun = set.Run;
    app.AssumedLat = set.AssumedLat;
    app.AssumedLon = set.AssumedLon;
}

void reduceSights(app::App& app) {
    app.form1();  // its load starts the sight log
    reduction::ReductionResult& r = app.Reduction;
    r.SightCount = kSights;
    app.Log.SightCount = kSights;
    for (int i = 1; i <= kSights; ++i) {
        app.Log.SightData[i][reduction::kFieldIncluded] = 1;
    }
    commit(app, sightSet(0));
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
    std::array<SightSet, kSightSets> sets;
    for (std::size_t k = 0; k < kSightSets; ++k) {
        sets[k] = sightSet(k);
    }
    std::size_t k = 0;
    for (auto _ : state) {
        commit(app, sets[k++ % kSightSets]);
        reduction::PlotLOPs(app);
        benchmark::DoNotOptimize(form.Picture1.displayList().data());
    }
    state.counters["items"] = static_cast<double>(form.Picture1.displayList().size());
    form.hide();
}
BENCHMARK(BM_PlotLOPs25Sights)->Unit(benchmark::kMicrosecond);

}  // namespace
