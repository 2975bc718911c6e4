// Runs the window-layer and window tests inside one QApplication. CTest sets
// QT_QPA_PLATFORM=offscreen; a run by hand gets it here when unset.
//
// The tests run in a scratch working folder of their own (tests/ui/
// temp_folder.h); the settings tests point the application object at files
// of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/ui/application.h"
#include "tests/ui/temp_folder.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    const uitest::ScratchWorkingFolder scratch("celnav-ui-tests");
    if (!scratch.ok()) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::ui::useStandardFont();
    return RUN_ALL_TESTS();
}
