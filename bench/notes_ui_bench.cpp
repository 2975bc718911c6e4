// Opening a file whose notes are as long as a notes box holds
// (kTextBoxMaxLength characters, one paragraph): the file read and the
// window's fields written from it, then laid out and painted as shown. The
// notes are words (range 0) or one run without blanks (range 1), the case
// whose layout would cost time with the square of its length if lines broke
// inside words.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

#include "app/app.h"
#include "app/main_window.h"
#include "lunar/lunar_file.h"
#include "lunar/lunar_window.h"
#include "platform/seqfile.h"
#include "platform/ui/qt_services.h"
#include "reduction/sight_file.h"

namespace {

std::string longestNotes(bool unbroken) {
    const std::string words = unbroken ? "x" : "Sun and Moon at dusk, horizon sharp. ";
    std::string notes;
    while (notes.size() < platform::kTextBoxMaxLength) {
        notes += words;
    }
    notes.resize(platform::kTextBoxMaxLength);
    return notes;
}

void BM_LunarOpenLongestNotes(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    lunar::Form8& f = app.form8();
    f.showModeless();
    lunar::LunarFileContents contents;
    contents.Notes = longestNotes(state.range(0) == 1);
    const std::string bytes = lunar::writeLunarFile(contents);
    lunar::LunarFileContents blank;
    blank.Notes = "";
    for (auto _ : state) {
        const lunar::LunarFileRead read = lunar::readLunarFile(bytes);
        if (!read.Contents) {
            state.SkipWithError("the file was refused");
            break;
        }
        f.applyFileContents(*read.Contents);
        QApplication::processEvents();
        state.PauseTiming();
        f.applyFileContents(blank);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LunarOpenLongestNotes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MainWindowOpenLongestNotes(benchmark::State& state) {
    app::App app(platform::ui::qtServices("Celestial Navigation"));
    app::Form1& f = app.form1();
    f.showModeless();
    reduction::SightFileContents contents;
    contents.Leg.Notes = longestNotes(state.range(0) == 1);
    const std::string bytes = reduction::writeSightFile(contents);
    reduction::LegSettings blank;
    blank.Notes = "";
    for (auto _ : state) {
        const reduction::SightFileRead read = reduction::readSightFile(bytes);
        if (!read.Contents) {
            state.SkipWithError("the file was refused");
            break;
        }
        f.applyLegSettings(read.Contents->Leg, read.SelectSouth, read.SelectWest);
        QApplication::processEvents();
        state.PauseTiming();
        f.applyLegSettings(blank, false, false);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowOpenLongestNotes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
