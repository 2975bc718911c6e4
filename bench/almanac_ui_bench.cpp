// The almanac window's list click as the navigator sees it: the computation
// and the printing of both pictures. The baseline in the same run is the
// printing alone (the same lines, computed once). The body moves through the
// list every iteration.
#include <benchmark/benchmark.h>

#include <vector>

#include "almanac/almanac.h"
#include "almanac/almanac_window.h"
#include "app/app.h"
#include "platform/ui/qt_services.h"

namespace {

void typeInstant(almanac::Form12& f) {
    f.Text1.setText("2026");
    f.Text2.setText("12");
    f.Text3.setText("10");
    f.Text4.setText("14");
    f.Text5.setText("30");
    f.Text6.setText("0");
    f.Text11.setText("69.0");
}

// Entries 0 to 63 in turn: the Sun, the Moon, the planets, the stars.
void BM_AlmanacWindowClick(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    almanac::Form12& f = app.form12();
    typeInstant(f);
    int entry = 0;
    for (auto _ : state) {
        f.List1.setSelectedIndex(entry);
        entry = entry < 63 ? entry + 1 : 0;
    }
}
BENCHMARK(BM_AlmanacWindowClick);

// Baseline: clearing and printing the same number of lines, computed once.
void BM_AlmanacWindowPrintOnly(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    almanac::Form12& f = app.form12();
    std::vector<almanac::AlmanacPrintout> printouts;
    for (int entry = 0; entry <= 63; ++entry) {
        almanac::AlmanacRequest r;
        r.ObjectIndex = entry;
        r.Year = 2026;
        r.Month = 12;
        r.Day = 10;
        r.Hour = 14.5;
        r.DeltaT = 69.0;
        printouts.push_back(almanac::perpetualAlmanac(r, app.Stars));
    }
    std::size_t entry = 0;
    for (auto _ : state) {
        const almanac::AlmanacPrintout& out = printouts[entry];
        f.Picture2.clear();
        for (const platform::PrintLine& line : out.TimeBlock) {
            f.Picture2.print(line);
        }
        f.Picture1.clear();
        for (const platform::PrintLine& line : out.BodyBlock) {
            f.Picture1.print(line);
        }
        entry = entry + 1 < printouts.size() ? entry + 1 : 0;
    }
}
BENCHMARK(BM_AlmanacWindowPrintOnly);

}  // namespace
