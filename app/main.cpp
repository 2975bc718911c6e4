// The program: the application object with the real services, the main
// window, the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "app/main_window.h"
#include "platform/ui/qt_services.h"

namespace {

bool hasEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// On X11 and Wayland systems a window needs a display server; without one Qt
// would stop with its platform-plugin error.
bool displayAvailable() {
#if defined(__unix__) && !defined(__APPLE__)
    return hasEnvironment("DISPLAY") || hasEnvironment("WAYLAND_DISPLAY") ||
           hasEnvironment("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(
            stderr,
            "celnav: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Start it from a desktop session, or under a virtual display:\n"
            "    xvfb-run -a build/release/celnav    (xvfb-run: apt-get install -y xvfb)\n");
        return 2;
    }

    QApplication qt(argc, argv);
    QApplication::setApplicationName("celnav");
    // The main window's "  EXIT" and title-bar close end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::ui::useStandardFont();

    app::App program(platform::ui::qtServices("Celestial Navigation"));
    program.form1().showModeless();
    return QApplication::exec();
}
