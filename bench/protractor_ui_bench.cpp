// Redraw of the three-arm protractor at 800 x 600 pixels, as on every pointer
// move of a drag: the whole computation, the output lines and the plot. The
// pan changes at every iteration. Baseline in the same run: the computation
// alone, without drawing.
#include <benchmark/benchmark.h>

#include <QSize>

#include "app/app.h"
#include "calculators/protractor.h"
#include "calculators/protractor_window.h"
#include "platform/ui/qt_services.h"

namespace {

constexpr int kWindowWidthPx = 800;
constexpr int kWindowHeightPx = 600;

// A pan that wanders over the plot, n.mi.
double panAt(int i) {
    return 0.05 * static_cast<double>(i % 41) - 1.0;
}

void BM_ProtractorRedraw800x600(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    calculators::Form15& form = app.form15();
    form.showModeless();
    form.resizeTwips(kWindowWidthPx * platform::ui::kTwipsPerPixel,
                     kWindowHeightPx * platform::ui::kTwipsPerPixel);
    if (form.size() != QSize(kWindowWidthPx, kWindowHeightPx)) {
        state.SkipWithError("the window did not take 800 x 600 pixels");
        return;
    }
    platform::ui::Picture& plot = form.Picture1;
    // One left drag across the plot, a move per iteration.
    const double w = form.state().ViewHalfWidth;
    form.Picture1_MouseDown(1, 0, 0, 0);
    int i = 0;
    for (auto _ : state) {
        form.Picture1_MouseMove(1, 0, panAt(i) * w / 4, -panAt(i + 7) * w / 4);
        ++i;
        benchmark::DoNotOptimize(plot.displayList().data());
    }
    form.Picture1_MouseUp(1, 0, 0, 0);
    state.counters["items"] = static_cast<double>(plot.displayList().size());
    state.counters["plot_px"] = plot.widget()->width() * plot.widget()->height();
    form.hide();
}
BENCHMARK(BM_ProtractorRedraw800x600)->Unit(benchmark::kMicrosecond);

void BM_ProtractorComputeOnly(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    calculators::Form15& form = app.form15();
    const calculators::ProtractorEntry entry = form.entry();
    calculators::ProtractorState view;
    int i = 0;
    for (auto _ : state) {
        view.PanX = panAt(i);
        view.PanY = -panAt(i + 7);
        ++i;
        const calculators::ProtractorResult r = calculators::protractorCompute(
            calculators::protractorInput(entry), view, 380.0 * 15, 566.0 * 15);
        benchmark::DoNotOptimize(r.Scene.Items.data());
    }
}
BENCHMARK(BM_ProtractorComputeOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
