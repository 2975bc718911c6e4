// Main of the drawing benchmarks: a QApplication on the offscreen platform
// (unless another one is asked for), the program's standard font, then the
// benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

#include "platform/ui/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
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
