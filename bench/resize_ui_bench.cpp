// Resize steps of the four windows with a resizable picture (sight planner,
// globe, lines-of-position plot, protractor) and the globe's drag move, at a
// client area of 800 x 600 and of 2560 x 1400 pixels.
//
// Each figure comes twice:
//  - Share: the program's own part, i.e. the window's resize handler (its
//    controls placed and its picture redrawn) or the drag handler, plus the
//    picture's paint (the picture widget rendered into an image);
//  - Whole: the same step followed by the paint of the whole window (every
//    control drawn by Qt's style), rendered offscreen into an image.
// The resize steps walk a ring of six client sizes a few pixels apart, as a
// drag of the sizing corner does, so every step is a real size change. The
// drag moves follow a wandering path over the globe, a new position each
// move, with 25 circles of position on it. Baseline in the same run: the
// globe's picture only cleared and painted, at each size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QSize>
#include <QWidget>
#include <array>
#include <cmath>

#include "app/app.h"
#include "app/main_window.h"
#include "bench/ui_fixtures.h"
#include "calculators/protractor_window.h"
#include "globe/globe_window.h"
#include "planner/planner_window.h"
#include "platform/ui/qt_services.h"
#include "reduction/plot_window.h"
#include "tests/reduction/fix_sums.h"

namespace {

using bench::kSights;

// Client sizes around (width, height), pixels, in the order a corner drag
// visits them: out and back, never the same size twice in a row.
std::array<QSize, 6> sizeRing(int width, int height) {
    constexpr int dx[6] = {0, -7, -14, -21, -14, -7};
    constexpr int dy[6] = {0, -4, -9, -12, -9, -4};
    std::array<QSize, 6> ring;
    for (int k = 0; k < 6; ++k) {
        ring[k] = QSize(width + dx[k], height + dy[k]);
    }
    return ring;
}

void resizeClient(platform::ui::Form& form, QSize size) {
    form.resizeTwips(size.width() * platform::ui::kTwipsPerPixel,
                     size.height() * platform::ui::kTwipsPerPixel);
}

// The window shown, at the largest size of the ring; false (and the
// benchmark skipped) when it does not take that size.
bool showAt(platform::ui::Form& form, QSize size, benchmark::State& state) {
    form.showModeless();
    resizeClient(form, size);
    if (form.widthTwips() != size.width() * platform::ui::kTwipsPerPixel ||
        form.heightTwips() != size.height() * platform::ui::kTwipsPerPixel) {
        state.SkipWithError("the window did not take its size");
        return false;
    }
    return true;
}

// Where a step's paint goes: an image as large as the largest window, made
// once, as a window system's back buffer is.
QImage paintTarget(QSize size) {
    QImage target(size, QImage::Format_RGB32);
    target.fill(Qt::white);
    return target;
}

// What a paint covers: the picture alone, or the whole window.
enum class Paint { Picture, Window };

// The resize steps over the ring, each painted as asked.
void resizeSteps(benchmark::State& state, platform::ui::Form& form, platform::ui::Picture& picture,
                 QSize nominal, Paint paint) {
    const std::array<QSize, 6> ring = sizeRing(nominal.width(), nominal.height());
    if (!showAt(form, ring[0], state)) {
        return;
    }
    QImage target = paintTarget(form.size());
    QWidget* painted = paint == Paint::Window ? static_cast<QWidget*>(&form) : picture.widget();
    std::size_t k = 0;
    for (auto _ : state) {
        k = (k + 1) % ring.size();
        resizeClient(form, ring[k]);
        painted->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["picture_px"] =
        static_cast<double>(picture.widget()->width() * picture.widget()->height());
    state.counters["items"] = static_cast<double>(picture.displayList().size());
    form.hide();
}

// ---------------------------------------------------------------- planner

void BM_ResizePlanner(benchmark::State& state, QSize size, Paint paint) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    planner::Form11& f = bench::plannerOnAJanuaryNight(app);
    resizeSteps(state, f, f.Picture1, size, paint);
}

// ------------------------------------------------------------------ globe

void BM_ResizeGlobe(benchmark::State& state, QSize size, Paint paint) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    bench::reduceSightsForGlobe(app);
    globe::Form16& g = app.form16();
    resizeSteps(state, g, g.Picture1, size, paint);
}

// A left drag over the globe, one pointer move per iteration, along a path
// that wanders over the whole picture.
void BM_GlobeDragMove(benchmark::State& state, QSize size, Paint paint) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    bench::reduceSightsForGlobe(app);
    globe::Form16& g = app.form16();
    if (!showAt(g, size, state)) {
        return;
    }
    QImage target = paintTarget(g.size());
    QWidget* painted = paint == Paint::Window ? static_cast<QWidget*>(&g) : g.Picture1.widget();
    g.Picture1_MouseDown(1, 0, 0, 0);
    g.Picture1_MouseMove(1, 0, 0, 0);  // the drag's start
    int i = 0;
    for (auto _ : state) {
        ++i;
        const double x = 1.3 * std::sin(0.29 * i);
        const double y = 0.9 * std::sin(0.41 * i + 1);
        g.Picture1_MouseMove(1, 0, x, y);
        painted->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    g.Picture1_MouseUp(1, 0, 0, 0);
    std::size_t segments = 0;
    for (const platform::ui::DrawItem& item : g.Picture1.displayList()) {
        segments += item.segments.size();
    }
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["picture_px"] =
        static_cast<double>(g.Picture1.widget()->width() * g.Picture1.widget()->height());
    g.hide();
}

// ------------------------------------------------------------------- plot

// A reduction of 25 sights around the sky, with runs along a course of 60
// degrees, as the reduce button leaves it.
void reduceSightsForPlot(app::App& app) {
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
        fixsums::addLineOfPosition(f, p + R * std::cos((Z - f.Course) * fixsums::kRad), Z);
    }
    fixsums::solveFix(f, app.AssumedLat, app.AssumedLon);
    r.Status = reduction::FixStatus::Fix;
}

void BM_ResizePlot(benchmark::State& state, QSize size, Paint paint) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    reduceSightsForPlot(app);
    reduction::PlotLOPs(app);
    reduction::Form2& form = app.form2();
    resizeSteps(state, form, form.Picture1, size, paint);
}

// ------------------------------------------------------------- protractor

void BM_ResizeProtractor(benchmark::State& state, QSize size, Paint paint) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    calculators::Form15& form = app.form15();
    resizeSteps(state, form, form.Picture1, size, paint);
}

// ---------------------------------------------------------------- baseline

// The least any redraw of a picture costs: the globe's picture cleared to a
// new colour (every pixel written) and painted, with no drawing between.
void BM_BaselineClearAndPaint(benchmark::State& state, QSize size) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    globe::Form16& g = app.form16();
    if (!showAt(g, size, state)) {
        return;
    }
    QImage target = paintTarget(g.size());
    platform::ui::Picture& p = g.Picture1;
    int shade = 0;
    for (auto _ : state) {
        shade = (shade + 1) % 200;
        p.setBackColor(platform::ui::rgb(shade, shade, 40));
        p.widget()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["picture_px"] = static_cast<double>(p.widget()->width() * p.widget()->height());
    g.hide();
}

const QSize kSmall(800, 600);
const QSize kLarge(2560, 1400);

#define CELNAV_STEP_BENCHMARKS(fn)                                                                 \
    BENCHMARK_CAPTURE(fn, Share_800x600, kSmall, Paint::Picture)->Unit(benchmark::kMillisecond);   \
    BENCHMARK_CAPTURE(fn, Whole_800x600, kSmall, Paint::Window)->Unit(benchmark::kMillisecond);    \
    BENCHMARK_CAPTURE(fn, Share_2560x1400, kLarge, Paint::Picture)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(fn, Whole_2560x1400, kLarge, Paint::Window)->Unit(benchmark::kMillisecond)

CELNAV_STEP_BENCHMARKS(BM_ResizePlanner);
CELNAV_STEP_BENCHMARKS(BM_ResizeGlobe);
CELNAV_STEP_BENCHMARKS(BM_ResizePlot);
CELNAV_STEP_BENCHMARKS(BM_ResizeProtractor);
CELNAV_STEP_BENCHMARKS(BM_GlobeDragMove);
BENCHMARK_CAPTURE(BM_BaselineClearAndPaint, 800x600, kSmall)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BaselineClearAndPaint, 2560x1400, kLarge)->Unit(benchmark::kMillisecond);

}  // namespace
