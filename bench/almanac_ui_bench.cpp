// The almanac window's list click as the navigator sees it: the computation
// and the printing of both pictures. The baseline in the same run is the
// printing alone (the same lines, computed beforehand). The body moves through
// the list and the instant through the ring of bench/instants.h on every
// iteration; the typing of the instant (which clears the pictures) is not
// timed.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "almanac/almanac.h"
#include "almanac/almanac_window.h"
#include "app/app.h"
#include "bench/instants.h"
#include "platform/numtext.h"
#include "platform/ui/qt_services.h"

namespace {

constexpr int kEntries = 64;  // the Sun, the Moon, four planets, 58 stars

void typeInstant(almanac::Form12& f, std::size_t i) {
    const bench::CalendarInstant c = bench::calendarInstant(i);
    f.Text1.setText(platform::generalText(c.Year));
    f.Text2.setText(platform::generalText(c.Month));
    f.Text3.setText(platform::generalText(c.Day));
    f.Text4.setText(platform::generalText(c.Hour));
    f.Text5.setText(platform::generalText(c.Minute));
    f.Text6.setText(platform::generalText(c.Second));
    f.Text11.setText(platform::generalText(c.DeltaT));
}

// Entries 0 to 63 in turn: the Sun, the Moon, the planets, the stars; the
// instant i of the ring with entry i % 64.
void BM_AlmanacWindowClick(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    almanac::Form12& f = app.form12();
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        typeInstant(f, i);
        state.ResumeTiming();
        f.List1.setSelectedIndex(static_cast<int>(i % kEntries));
        ++i;
    }
}
BENCHMARK(BM_AlmanacWindowClick);

// Baseline: clearing and printing the same lines, computed beforehand.
void BM_AlmanacWindowPrintOnly(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    almanac::Form12& f = app.form12();
    std::vector<almanac::AlmanacPrintout> printouts;
    for (std::size_t i = 0; i < bench::kInstantCount; ++i) {
        const bench::CalendarInstant c = bench::calendarInstant(i);
        almanac::AlmanacRequest r;
        r.ObjectIndex = static_cast<int>(i % kEntries);
        r.Year = c.Year;
        r.Month = c.Month;
        r.Day = c.Day;
        r.Hour = c.Hour;
        r.Minute = c.Minute;
        r.Second = c.Second;
        r.DeltaT = c.DeltaT;
        printouts.push_back(almanac::perpetualAlmanac(r, app.Stars));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const almanac::AlmanacPrintout& out = printouts[i++ % printouts.size()];
        f.Picture2.clear();
        for (const platform::PrintLine& line : out.TimeBlock) {
            f.Picture2.print(line);
        }
        f.Picture1.clear();
        for (const platform::PrintLine& line : out.BodyBlock) {
            f.Picture1.print(line);
        }
    }
}
BENCHMARK(BM_AlmanacWindowPrintOnly);

}  // namespace
