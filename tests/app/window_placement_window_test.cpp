// The program's windows on the screen: each one shown lies fully on the
// available area (one larger than the area keeps its top-left corner on it),
// and the dialogs are centred on the main window that opens them. CTest runs
// these tests on the offscreen platform's screen and on a 1600 x 1000 screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <functional>
#include <string>
#include <vector>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "calculators/calculators_window.h"
#include "calculators/course_calculator_window.h"
#include "calculators/protractor_window.h"
#include "calculators/single_shot_window.h"
#include "globe/globe_window.h"
#include "lunar/lunar_window.h"
#include "planner/planner_window.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_window.h"
#include "reduction/sight_entry_window.h"
#include "tests/ui/fakes.h"

namespace {

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Fully on the area, or, when larger than it, its top-left corner at the
// area's and as much of it on view as there can be.
void expectOnScreen(const QWidget& window, const std::string& what) {
    const QRect frame = window.frameGeometry();
    const QRect area = available();
    if (frame.width() <= area.width() && frame.height() <= area.height()) {
        EXPECT_TRUE(area.contains(frame)) << what << " at " << frame.x() << ", " << frame.y()
                                          << " size " << frame.width() << " x " << frame.height();
        return;
    }
    EXPECT_EQ(frame.intersected(area).size(), frame.size().boundedTo(area.size())) << what;
}

class WindowPlacementOfTheProgram : public ::testing::Test {
  protected:
    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(WindowPlacementOfTheProgram, EveryWindowIsShownOnTheScreen) {
    app::Form1& main = app.form1();
    const QRect area = available();
    // The main window where a navigator left it: near the lower right corner.
    const std::vector<QPoint> places = {area.topLeft() + QPoint(20, 20),
                                        area.bottomRight() - QPoint(200, 150)};
    for (const QPoint& place : places) {
        main.hide();
        main.move(place);
        main.showModeless();
        expectOnScreen(main, "main window");
        const std::vector<std::pair<std::string, platform::ui::Form*>> windows = {
            {"sight entry", &app.form5()},
            {"settings", &app.form7()},
            {"plot", &app.form2()},
            {"report", &app.form4()},
            {"lunar distance", &app.form8()},
            {"course and heading", &app.form9()},
            {"calculators", &app.form10()},
            {"planner", &app.form11()},
            {"almanac", &app.form12()},
            {"rise and set", &app.form13()},
            {"planner instructions", &app.form14()},
            {"protractor", &app.form15()},
            {"globe", &app.form16()},
            {"single sight", &app.form55()},
        };
        for (const auto& [what, window] : windows) {
            window->move(place + QPoint(60, 60));  // where a placement after the main one puts it
            window->showModeless();
            expectOnScreen(*window, what);
            window->hide();
        }
    }
}

TEST_F(WindowPlacementOfTheProgram, DialogsAreCentredOnTheMainWindow) {
    app::Form1& main = app.form1();
    const QRect area = available();
    main.move(area.topLeft() + QPoint(10, 10));
    main.showModeless();
    const std::vector<std::pair<std::string, std::function<platform::ui::Dialog&()>>> dialogs = {
        {"assumed position", [this]() -> platform::ui::Dialog& { return app.form3(); }},
        {"clear all data", [this]() -> platform::ui::Dialog& { return app.form6(); }},
    };
    for (const auto& [what, dialog] : dialogs) {
        env.modalRunner.expect([&](platform::ui::Dialog& d) {
            d.showModeless();
            expectOnScreen(d, what);
            const QPoint offset = d.frameGeometry().center() - main.frameGeometry().center();
            // Centred, unless the screen's edge is in the way.
            if (area.contains(main.frameGeometry())) {
                EXPECT_LE(offset.manhattanLength(), 2) << what;
            }
            d.reject();
        });
        EXPECT_FALSE(app.runModal(dialog())) << what;
    }
}

}  // namespace
