// Redraw of the globe at 800 x 600 pixels with 25 circles of position, as on
// every pointer move of a drag: scene and drawing together (disc, graticule,
// the six outlines, the circles and their labels). Each iteration turns the
// globe a little further, as a left drag does. Baselines in the same run: the
// scene alone, and the same segments drawn with one painter call each.
#include <benchmark/benchmark.h>

#include <cmath>

#include "app/app.h"
#include "app/main_window.h"
#include "bench/ui_fixtures.h"
#include "globe/globe.h"
#include "globe/globe_window.h"
#include "platform/ui/qt_services.h"

namespace {

using bench::kSights;
constexpr int kPictureWidthPx = 800;
constexpr int kPictureHeightPx = 600;

globe::GlobeSights sightsOf(const app::App& app) {
    globe::GlobeSights s;
    s.SightCount = app.Log.SightCount;
    for (int i = 1; i <= kSights; ++i) {
        s.Included[i] = 1;
        s.CopGha[i] = app.Reduction.CopGha[i];
        s.CopDec[i] = app.Reduction.CopDec[i];
        s.CopHo[i] = app.Reduction.CopHo[i];
    }
    return s;
}

// The globe window with an 800 x 600 pixel picture, a left button held.
globe::Form16* openGlobe(app::App& app, benchmark::State& state) {
    bench::reduceSightsForGlobe(app);
    globe::Form16& g = app.form16();
    g.showModeless();
    const int widthGap = g.widthTwips() - g.Picture1.width();
    const int heightGap = g.heightTwips() - g.Picture1.height();
    g.resizeTwips(kPictureWidthPx * platform::ui::kTwipsPerPixel + widthGap,
                  kPictureHeightPx * platform::ui::kTwipsPerPixel + heightGap);
    if (g.Picture1.widget()->size() != QSize(kPictureWidthPx, kPictureHeightPx)) {
        state.SkipWithError("the picture did not take 800 x 600 pixels");
        return nullptr;
    }
    g.Picture1_MouseDown(1, 0, 0, 0);
    g.Picture1_MouseMove(1, 0, 0, 0);  // the drag's start
    return &g;
}

void BM_GlobeRedrawWhileDragging(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    globe::Form16* g = openGlobe(app, state);
    if (!g) {
        return;
    }
    double x = 0;
    for (auto _ : state) {
        x = x > 1.4 ? -1.4 : x + 0.01;
        g->Picture1_MouseMove(1, 0, x, 0.3 * x);
        benchmark::DoNotOptimize(g->Picture1.displayList().data());
    }
    std::size_t segments = 0;
    for (const platform::ui::DrawItem& item : g->Picture1.displayList()) {
        segments += item.segments.size();
    }
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["items"] = static_cast<double>(g->Picture1.displayList().size());
    g->Picture1_MouseUp(1, 0, 0, 0);
    g->hide();
}
BENCHMARK(BM_GlobeRedrawWhileDragging)->Unit(benchmark::kMicrosecond);

// Baseline: the scene alone, without the picture.
void BM_GlobeSceneOnly(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    bench::reduceSightsForGlobe(app);
    const globe::GlobeSights sights = sightsOf(app);
    globe::GlobeScene scene;
    globe::GlobeView view;
    view.TiltAngle = -0.7;
    for (auto _ : state) {
        view.SpinAngle = view.SpinAngle > 3 ? -3 : view.SpinAngle + 0.01;
        // As the window does: the clock read once, a reseed before every draw.
        const double clock = platform::ui::secondsSinceMidnight(app.clock().now());
        const auto nextRandom = [&app, clock] {
            app.random().reseed(clock);
            return app.random().next();
        };
        globe::DrawGlobe(view, sights, 12000, 9000, nextRandom, scene);
        benchmark::DoNotOptimize(scene.segments.data());
    }
    state.counters["segments"] = static_cast<double>(scene.segments.size());
}
BENCHMARK(BM_GlobeSceneOnly)->Unit(benchmark::kMicrosecond);

// Baseline: the same scene drawn one line call per segment.
void BM_GlobeRedrawOneCallPerSegment(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    globe::Form16* g = openGlobe(app, state);
    if (!g) {
        return;
    }
    const globe::GlobeSights sights = sightsOf(app);
    globe::GlobeScene scene;
    globe::GlobeView view;
    view.TiltAngle = -0.7;
    const auto nextRandom = [] { return 0.5; };
    platform::ui::Picture& p = g->Picture1;
    for (auto _ : state) {
        view.SpinAngle = view.SpinAngle > 3 ? -3 : view.SpinAngle + 0.01;
        const globe::GlobeFrame f =
            globe::DrawGlobe(view, sights, p.width(), p.height(), nextRandom, scene);
        p.clear();
        p.setScale(f.ScaleLeft, f.ScaleTop, f.ScaleWidth, f.ScaleHeight);
        for (const globe::SceneStep& step : scene.steps) {
            const platform::ui::Color color =
                platform::ui::rgb(step.color.r, step.color.g, step.color.b);
            if (step.kind == globe::SceneStep::Kind::Lines) {
                const globe::SceneSegment* s = scene.segmentsOf(step);
                for (std::size_t k = 0; k < step.count; ++k) {
                    p.line(s[k].x1, s[k].y1, s[k].x2, s[k].y2, color);
                }
            } else if (step.kind == globe::SceneStep::Kind::Disc) {
                p.setFillStyle(platform::ui::FillStyle::Solid);
                p.setFillColor(color);
                p.circle(step.x, step.y, step.radius, color);
                p.setFillStyle(platform::ui::FillStyle::Transparent);
            }
        }
        benchmark::DoNotOptimize(p.displayList().data());
    }
    g->Picture1_MouseUp(1, 0, 0, 0);
    g->hide();
}
BENCHMARK(BM_GlobeRedrawOneCallPerSegment)->Unit(benchmark::kMicrosecond);

}  // namespace
