// Runs the window-layer and window tests inside one QApplication. CTest sets
// QT_QPA_PLATFORM=offscreen; a run by hand gets it here when unset.
//
// The tests run in a scratch working folder of their own, removed at the
// end. It holds a planner settings file with a foreign header, which the
// main window's start-up passes over in silence, so every window starts
// from its own defaults; the settings tests point the application object at
// files of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "planner/planner_settings.h"
#include "platform/ui/application.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "celnav-ui-tests-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return 1;
    }
    const fs::path scratch = pattern;
    fs::current_path(scratch);
    std::ofstream(planner::kPlannerSettingsFileName) << "NotTheseSettings\r\n";

    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        platform::ui::useStandardFont();
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(scratch, ignored);
    return result;
}
