// Window placement: every window shown lies fully on the available area of
// its screen, and a dialog is centred on the window that opens it. The
// offscreen platform gives the geometry; CTest also runs these tests on a
// 1600 x 1000 screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/form.h"
#include "tests/ui/fakes.h"

namespace {

using namespace platform::ui;

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(WindowPlacement, AFrameIsMovedOnlyAsFarAsItsScreenAreaNeeds) {
    struct Case {
        const char* what;
        QRect frame;
        QRect expected;
    };
    const QRect area(0, 30, 1600, 970);  // below a panel 30 pixels high
    const Case cases[] = {
        {"inside", {100, 100, 400, 300}, {100, 100, 400, 300}},
        {"off the right edge", {1500, 100, 400, 300}, {1200, 100, 400, 300}},
        {"off the bottom", {100, 900, 400, 300}, {100, 700, 400, 300}},
        {"off both", {1590, 990, 400, 300}, {1200, 700, 400, 300}},
        {"above the area", {100, 0, 400, 300}, {100, 30, 400, 300}},
        {"left of the screen", {-300, 500, 400, 300}, {0, 500, 400, 300}},
        {"wider than the area", {200, 100, 1700, 300}, {0, 100, 1700, 300}},
        {"taller than the area", {200, 500, 400, 1100}, {200, 30, 400, 1100}},
        {"exactly the area", {0, 30, 1600, 970}, {0, 30, 1600, 970}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placedOnScreen(c.frame, area), c.expected) << c.what;
    }
}

TEST(WindowPlacement, CentredOnAnotherFrame) {
    EXPECT_EQ(centredOn({200, 100}, {100, 100, 600, 400}), QRect(300, 250, 200, 100));
    EXPECT_EQ(centredOn({800, 100}, {100, 100, 600, 400}), QRect(0, 250, 800, 100));
}

class PlainForm : public Form {
  public:
    explicit PlainForm(Application& app) : Form(app, "Plain") {}
};

class PlainDialog : public Dialog {
  public:
    explicit PlainDialog(Application& app) : Dialog(app, "Dialog") {}
};

bool onArea(const QRect& frame) {
    return available().contains(frame);
}

TEST(WindowPlacement, AWindowPlacedPartlyOffTheScreenIsShownFullyOnIt) {
    uitest::FakeEnvironment env;
    Application app(env.services());
    PlainForm& form = app.window<PlainForm>();
    form.resizeTwips(px(300), px(200));
    const QRect area = available();
    const QPoint corners[] = {{area.right() - 50, area.bottom() - 50},
                              {area.left() - 250, area.top() - 150},
                              {area.right() - 10, area.top() + 40}};
    for (const QPoint& corner : corners) {
        form.hide();
        form.move(corner);
        form.showModeless();
        EXPECT_TRUE(onArea(form.frameGeometry())) << corner.x() << ", " << corner.y();
        EXPECT_EQ(form.size(), QSize(300, 200));  // moved, never resized
    }
    // A window on the screen stays where it is.
    form.hide();
    form.move(area.left() + 100, area.top() + 120);
    form.showModeless();
    EXPECT_EQ(form.pos(), QPoint(area.left() + 100, area.top() + 120));
}

TEST(WindowPlacement, ADialogIsCentredOnTheWindowThatOpensIt) {
    uitest::FakeEnvironment env;
    Application app(env.services());
    app.setMainWindow<PlainForm>();
    PlainForm& main = app.window<PlainForm>();
    main.resizeTwips(px(500), px(400));
    const QRect area = available();
    PlainDialog& dialog = app.window<PlainDialog>();
    dialog.resizeTwips(px(200), px(100));

    const QPoint places[] = {{area.left() + 40, area.top() + 60},
                             {area.right() - 520, area.bottom() - 430}};
    for (const QPoint& place : places) {
        main.move(place);
        main.showModeless();
        QRect shown;
        env.modalRunner.expect([&](Dialog& d) {
            d.showModeless();
            shown = d.frameGeometry();
            d.reject();
        });
        EXPECT_FALSE(app.runModal(dialog));
        const QPoint offset = shown.center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
        EXPECT_TRUE(onArea(shown));
    }

    // Opened by a window near the corner, the dialog still lies on the screen.
    main.resizeTwips(px(120), px(80));
    main.move(area.right() - 130, area.bottom() - 90);
    env.modalRunner.expect([&](Dialog& d) {
        d.showModeless();
        EXPECT_TRUE(onArea(d.frameGeometry()));
        d.reject();
    });
    app.runModal(dialog);
}

}  // namespace
