// Main of the drawing benchmarks: a QApplication on the offscreen platform
// (unless another one is asked for), the program's standard font, then the
// benchmarks. They run in a scratch working folder whose planner settings
// file has a foreign header, so the main window starts without a message.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <QApplication>
#include <QByteArray>
#include <filesystem>
#include <fstream>
#include <string>

#include "planner/planner_settings.h"
#include "platform/ui/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "celnav-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return 1;
    }
    const fs::path scratch = pattern;
    fs::current_path(scratch);
    std::ofstream(planner::kPlannerSettingsFileName) << "NotTheseSettings\r\n";

    QApplication qt(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::ui::useStandardFont();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(scratch, ignored);
    return 0;
}
