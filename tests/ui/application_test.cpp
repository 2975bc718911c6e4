// The application object: the window registry, window lifecycle, resize
// hook, menus, modal dialogs, quitting and the mouse pointer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/qt_services.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using namespace platform::ui;
using Log = std::vector<std::string>;

// What the test windows report.
struct Events {
    int constructed = 0;
    int loads = 0;
    std::vector<QSize> resizes;  // client size in twips at each resize hook
};

class CountingForm : public Form {
  public:
    CountingForm(Application& app, Events& events) : Form(app, "Counting"), events_(events) {
        ++events_.constructed;
        resizeTwips(4500, 3000);
    }
    void Form_Load() override {
        ++events_.loads;
        // The load may reach its own window through the registry.
        loadSawItself = &app().window<CountingForm>(app(), events_) == this;
        Text1.setText("loaded");
    }
    void Form_Resize() override { events_.resizes.emplace_back(widthTwips(), heightTwips()); }

    TextBox Text1{*this, {120, 120, 1500, 285}, "design"};
    bool loadSawItself = false;

  private:
    Events& events_;
};

class RefusingForm : public Form {
  public:
    explicit RefusingForm(Application& app) : Form(app, "Refusing") {}
    void onCloseRequest() override { ++refusals; }
    int refusals = 0;
};

class MainForm : public Form {
  public:
    explicit MainForm(Application& app) : Form(app, "Main") { resizeTwips(6000, 4500); }

    MenuItem FileMenu{*this, "FILE", MenuItem::Heading};
    MenuItem GetFile{FileMenu, "OPEN FILE"};
    MenuItem SaveFile{FileMenu, "SAVE FILE"};
    MenuItem menuHelp{*this, "HELP"};
    MenuItem menuEXIT{*this, "  EXIT"};
};

class AskDialog : public Dialog {
  public:
    explicit AskDialog(Application& app) : Dialog(app, "Assumed Position") {
        resizeTwips(3000, 2000);
        OK.onClick([this] { accept(); });
        Cancel.onClick([this] { reject(); });
    }
    TextBox Text1{*this, {120, 120, 1000, 285}};
    CommandButton OK{*this, {120, 600, 900, 375}, "OK"};
    CommandButton Cancel{*this, {1200, 600, 900, 375}, "Cancel"};
};

class ApplicationTest : public ::testing::Test {
  protected:
    CountingForm& counting() { return app.window<CountingForm>(app, events); }

    uitest::FakeEnvironment env;
    Application app{env.services()};
    Events events;
};

// ----------------------------------------------------------------- registry

TEST_F(ApplicationTest, WindowIsCreatedHiddenOnFirstAccessAndLoadedOnce) {
    EXPECT_EQ(app.existingWindow<CountingForm>(), nullptr);
    CountingForm& first = counting();
    EXPECT_EQ(events.constructed, 1);
    EXPECT_EQ(events.loads, 1);
    EXPECT_TRUE(first.loadSawItself);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(first.Text1.text(), "loaded");
    EXPECT_EQ(&counting(), &first);
    EXPECT_EQ(app.existingWindow<CountingForm>(), &first);
    EXPECT_EQ(events.constructed, 1);
    EXPECT_EQ(events.loads, 1);
}

TEST_F(ApplicationTest, CloseButtonHidesAndKeepsTheWindow) {
    CountingForm& form = counting();
    form.showModeless();
    form.Text1.setText("typed");
    uitest::userCloseWindow(&form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(app.existingWindow<CountingForm>(), &form);
    form.showModeless();
    EXPECT_EQ(form.Text1.text(), "typed");
    EXPECT_EQ(events.loads, 1);
}

TEST_F(ApplicationTest, UnloadDestroysAndTheNextAccessCreatesAndLoadsAnew) {
    counting().Text1.setText("typed");
    app.unload<CountingForm>();
    EXPECT_EQ(app.existingWindow<CountingForm>(), nullptr);
    app.unload<CountingForm>();  // unloading a window that is not there is harmless
    CountingForm& again = counting();
    EXPECT_EQ(events.constructed, 2);
    EXPECT_EQ(events.loads, 2);
    EXPECT_EQ(again.Text1.text(), "loaded");
}

TEST_F(ApplicationTest, AWindowMayRefuseItsTitleBarClose) {
    RefusingForm& form = app.window<RefusingForm>();
    form.showModeless();
    uitest::userCloseWindow(&form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.refusals, 1);
}

TEST_F(ApplicationTest, ClosingTheMainWindowEndsTheProgram) {
    int quits = 0;
    app.setQuitHook([&] { ++quits; });
    app.setMainWindow<MainForm>();
    MainForm& main = app.window<MainForm>();
    CountingForm& other = counting();
    main.showModeless();
    other.showModeless();
    uitest::userCloseWindow(&other);  // another window only hides
    EXPECT_EQ(quits, 0);
    other.showModeless();
    uitest::userCloseWindow(&main);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(app.isMainWindow(main));
    EXPECT_FALSE(app.isMainWindow(other));
}

TEST_F(ApplicationTest, ApplicationNeedsEveryService) {
    Services none;
    EXPECT_THROW(Application{std::move(none)}, std::invalid_argument);
}

// -------------------------------------------------------- resize and size

TEST_F(ApplicationTest, ResizeHookRunsOnFirstDisplayAndOnRealSizeChangesOnly) {
    CountingForm& form = counting();
    form.resizeTwips(4800, 3300);  // before the first display: no hook
    EXPECT_TRUE(events.resizes.empty());
    form.showModeless();
    ASSERT_EQ(events.resizes.size(), 1u);
    EXPECT_EQ(events.resizes[0], QSize(4800, 3300));
    form.moveTwips(1500, 1500);  // a move is no resize
    form.hide();
    form.showModeless();  // shown again, same size
    EXPECT_EQ(events.resizes.size(), 1u);
    form.resizeTwips(6000, 4500);
    ASSERT_EQ(events.resizes.size(), 2u);
    EXPECT_EQ(events.resizes[1], QSize(6000, 4500));
    form.resizeTwips(6000, 4500);  // same size
    EXPECT_EQ(events.resizes.size(), 2u);
    form.hide();
    form.resizeTwips(3000, 1500);  // hidden after its first display: runs
    ASSERT_EQ(events.resizes.size(), 3u);
    form.showModeless();
    EXPECT_EQ(events.resizes.size(), 3u);
    EXPECT_EQ(form.leftTwips(), 1500);
    EXPECT_EQ(form.topTwips(), 1500);
}

TEST_F(ApplicationTest, UserResizeRunsTheHook) {
    CountingForm& form = counting();
    form.showModeless();
    form.resize(400, 250);  // as the window system does when the user drags
    ASSERT_EQ(events.resizes.size(), 2u);
    EXPECT_EQ(events.resizes[1], QSize(6000, 3750));
}

TEST_F(ApplicationTest, WindowSizeIsTheClientAreaBelowTheMenuBar) {
    MainForm& main = app.window<MainForm>();
    main.showModeless();
    EXPECT_EQ(main.widthTwips(), 6000);
    EXPECT_EQ(main.heightTwips(), 4500);
    EXPECT_GT(main.height(), 300);  // the widget holds the menu bar above the client area
    EXPECT_EQ(main.clientArea()->y(), main.height() - 300);
}

// ------------------------------------------------------------------ menus

TEST_F(ApplicationTest, MenuItemsRunTheirHandlersWhenEnabled) {
    MainForm& main = app.window<MainForm>();
    Log log;
    main.GetFile.onClick([&] { log.push_back("GetFile"); });
    main.menuHelp.onClick([&] { log.push_back("menuHelp"); });
    main.GetFile.action()->trigger();  // as the user's choice
    main.menuHelp.click();
    main.GetFile.setEnabled(false);
    main.GetFile.click();
    EXPECT_EQ(log, (Log{"GetFile", "menuHelp"}));
    EXPECT_FALSE(main.GetFile.enabled());
    main.SaveFile.setToolTip("Writes the sight data file");
    EXPECT_EQ(main.SaveFile.action()->toolTip().toStdString(), "Writes the sight data file");
    EXPECT_EQ(main.menuEXIT.caption(), "  EXIT");
}

TEST_F(ApplicationTest, MenuBarHoldsHeadingsWithItemsAndCommands) {
    MainForm& main = app.window<MainForm>();
    const QList<QAction*> bar = main.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text().toStdString(), "FILE");
    ASSERT_NE(bar[0]->menu(), nullptr);
    const QList<QAction*> items = bar[0]->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], main.GetFile.action());
    EXPECT_EQ(bar[1]->text().toStdString(), "HELP");
    EXPECT_EQ(bar[1]->menu(), nullptr);
}

// ------------------------------------------------------------------ modal

TEST_F(ApplicationTest, ModalRunnerReturnsTheDialogsOwnAcceptedFlag) {
    AskDialog& dlg = app.window<AskDialog>();
    env.modalRunner.expectDialog<AskDialog>([](AskDialog& d) {
        d.Text1.setText("41");
        uitest::userClick(d.OK);
    });
    env.modalRunner.expectDialog<AskDialog>([](AskDialog& d) { uitest::userClick(d.Cancel); });
    env.modalRunner.expect([](Dialog&) {});  // closed without a button
    env.modalRunner.expectDialog<AskDialog>([](AskDialog& d) { uitest::userCloseWindow(&d); });
    EXPECT_TRUE(app.runModal(dlg));
    EXPECT_EQ(dlg.Text1.text(), "41");
    EXPECT_FALSE(app.runModal(dlg));
    EXPECT_FALSE(app.runModal(dlg));  // the flag of the earlier run was cleared
    EXPECT_FALSE(app.runModal(dlg));
    EXPECT_EQ(env.modalRunner.captions.size(), 4u);
}

TEST_F(ApplicationTest, QtModalRunnerWaitsForTheDialogAndReturnsItsAnswer) {
    AskDialog& dlg = app.window<AskDialog>();
    QtModalRunner runner;
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.windowModality(), Qt::ApplicationModal);
        uitest::userClick(dlg.OK);
    });
    EXPECT_TRUE(runner.run(dlg));
    EXPECT_FALSE(dlg.isVisible());
    QTimer::singleShot(0, &dlg, [&] { uitest::userCloseWindow(&dlg); });
    EXPECT_FALSE(runner.run(dlg));  // the title-bar close is a cancel
    EXPECT_FALSE(dlg.isVisible());
}

// ------------------------------------------------------- pointer, print

TEST_F(ApplicationTest, MousePointerIsSetForTheWholeApplication) {
    app.setMousePointer(MousePointer::SizeAll);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    app.setMousePointer(MousePointer::SizeAll);
    app.setMousePointer(MousePointer::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
}

TEST_F(ApplicationTest, PrintFormSendsTheWindowImageToThePrinter) {
    CountingForm& form = counting();
    form.showModeless();
    env.printer.expectPrint(true);
    EXPECT_TRUE(form.printForm());
    ASSERT_EQ(env.printer.images.size(), 1u);
    EXPECT_EQ(env.printer.images[0].size(), QSize(300, 200));
    EXPECT_EQ(env.printer.jobs[0], "Counting");
}

}  // namespace
