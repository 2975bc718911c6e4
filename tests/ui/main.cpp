// Runs the window-layer and window tests inside one QApplication. CTest sets
// QT_QPA_PLATFORM=offscreen; a run by hand gets it here when unset.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/ui/application.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::ui::useStandardFont();
    return RUN_ALL_TESTS();
}
