// Main of the drawing benchmarks: a QApplication on the offscreen platform
// (unless another one is asked for), the program's standard font, then the
// benchmarks. They run in a scratch working folder whose planner settings
// file has a foreign header, so the main window starts without a message.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

#include "platform/ui/application.h"
#include "tests/ui/temp_folder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    const uitest::ScratchWorkingFolder scratch("celnav-bench");
    if (!scratch.ok()) {
        return 1;
    }

    QApplication qt(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::ui::useStandardFont();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
