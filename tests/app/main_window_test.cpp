// The main window offscreen: its fields, buttons and menus at start, the
// buttons and menu items it serves, and the sight data file through the real
// menu handlers with scripted file dialogs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <unistd.h>
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "calculators/calculators_window.h"
#include "calculators/course_calculator_window.h"
#include "platform/seqfile.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using app::Form1;
using platform::ui::CommandButton;
using platform::ui::MenuItem;
using platform::ui::OptionButton;
using platform::ui::TextBox;

constexpr const char* kBadFile = "Unreadable Data File. Possible Bad Format";
constexpr const char* kNoFile = "There was no file selected.";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> actionTexts(const QList<QAction*>& actions) {
    std::vector<std::string> texts;
    for (const QAction* a : actions) {
        texts.push_back(a->text().toStdString());
    }
    return texts;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("celnav_main_window_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        app.setQuitHook([this] { ++quits; });
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name) const { return dir_ / name; }

    Form1& form1() { return app.form1(); }

    // A leg, settings and three sights that differ from every default.
    void fillEverything() {
        Form1& f = form1();
        f.Text112.setText("Leg to Horta, log 1234");
        f.Text8.setText("245.5");
        f.Text2.setText("6.2");
        f.Text3.setText("9");
        f.Option6.setValue(true);  // feet
        f.Text1.setText("40");
        f.Text113.setText("38");
        f.Text6.setText("31.5");
        f.Option2.setValue(true);  // South
        f.Text114.setText("28");
        f.Text7.setText("37.25");
        f.Option4.setValue(true);  // East
        f.Text9.setText("7");
        f.Text111.setText("45");
        f.Text10.setText("20");
        f.Text14.setText("6");
        f.Text15.setText("2024");
        f.Text12.setText("19");
        f.Text11.setText("30");
        f.Text13.setText("21");
        f.Text16.setText("7");
        f.Text17.setText("2025");
        app::Form7& s = app.form7();
        s.Text1.setText("69.2");
        s.Text108.setText("-3.5");
        s.Text2.setText("-1");
        s.Text4.setText("24");
        s.Text5.setText("1021.5");

        reduction::SightLog& log = app.Log;
        log.SightCount = 3;
        log.HoldsSights = true;
        const double rows[3][19] = {
            {0, 1, 1, 1, 10, 15, 32.5, 21, 6, 2024, 45, 12.3, 1.5, -1, 333.123456, 23.438291, 15.76,
             0.08, 0},
            {0, -1, 0, 2, 11, 2, 0.25, 21, 6, 2024, 30, 0.1, 0, 1, 12.5, -18.25, 16.3, 59.8, 1},
            {0, 0, 1, 0, 20, 44, 59, 21, 6, 2024, 62, 58.7, 2.25, -1, 101.000001, 45.5, 0, 0, 10},
        };
        for (int i = 1; i <= 3; ++i) {
            for (int f2 = 1; f2 <= 18; ++f2) {
                log.SightData[i][f2] = rows[i - 1][f2];
            }
        }
        log.SightNotes[1] = "Sun lower limb";
        log.SightNotes[2] = "";
        log.SightNotes[3] = "Star  hazy";
    }

    // Everything the file holds, plus what a read would change elsewhere.
    struct Snapshot {
        reduction::LegSettings leg;
        reduction::GeneralSettings general;
        reduction::SightLog log;
        std::string caption;
        bool reduceEnabled;
        bool south;
        bool west;
        bool metres;
        bool feet;
        bool form5Exists;
    };
    Snapshot snapshot() {
        Form1& f = form1();
        return {f.legSettings(),
                app.form7().generalSettings(),
                app.Log,
                f.caption(),
                f.Command1.enabled(),
                f.Option2.value(),
                f.Option3.value(),
                f.Option5.value(),
                f.Option6.value(),
                app.existingWindow<reduction::Form5>() != nullptr};
    }
    static void expectSame(const Snapshot& a, const Snapshot& b) {
        EXPECT_EQ(a.leg, b.leg);
        EXPECT_EQ(a.general, b.general);
        EXPECT_EQ(a.log, b.log);
        EXPECT_EQ(a.caption, b.caption);
        EXPECT_EQ(a.reduceEnabled, b.reduceEnabled);
        EXPECT_EQ(a.south, b.south);
        EXPECT_EQ(a.west, b.west);
        EXPECT_EQ(a.metres, b.metres);
        EXPECT_EQ(a.feet, b.feet);
        EXPECT_EQ(a.form5Exists, b.form5Exists);
    }

    void saveTo(const fs::path& path) {
        env.fileDialogs.expectSave(path.string());
        form1().SaveFile.click();
    }
    // Opens a file; a changed leg is given up ("Don't Save") first. The
    // message expected after the open dialog, if any, comes last.
    void openFrom(const fs::path& path, const char* thenMessage = nullptr) {
        if (form1().legChanged()) {
            env.messages.expect(app::kSaveChangesQuestion, platform::ui::MessageAnswer::Discard);
        }
        if (thenMessage != nullptr) {
            env.messages.expect(thenMessage);
        }
        env.fileDialogs.expectOpen(path.string());
        form1().GetFile.click();
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
    int quits = 0;

  private:
    fs::path dir_;
};

TEST_F(MainWindowTest, FieldsLabelsAndStartupLogAtLoad) {
    Form1& f = form1();
    EXPECT_EQ(f.caption(),
              "Celestial Navigation Sight Reduction, Plotter, Almanac, and Sight Planning");
    EXPECT_EQ(app.Log, reduction::startupSightLog());

    const std::vector<std::pair<TextBox*, std::string>> fields = {
        {&f.Text112, "Type Notes Here (no commas!)"},
        {&f.Text8, "0"},
        {&f.Text2, "0"},
        {&f.Text3, "2.75"},
        {&f.Text1, "25"},
        {&f.Text113, ""},
        {&f.Text6, ""},
        {&f.Text114, ""},
        {&f.Text7, ""},
        {&f.Text9, ""},
        {&f.Text111, ""},
        {&f.Text10, ""},
        {&f.Text14, ""},
        {&f.Text15, ""},
        {&f.Text12, ""},
        {&f.Text11, ""},
        {&f.Text13, ""},
        {&f.Text16, ""},
        {&f.Text17, ""},
    };
    for (const auto& [box, text] : fields) {
        EXPECT_EQ(box->text(), text);
        EXPECT_TRUE(box->enabled());
    }
    EXPECT_EQ(f.legSettings(), reduction::LegSettings{});

    const std::vector<std::tuple<OptionButton*, std::string, bool>> options = {
        {&f.Option5, "m", true},      {&f.Option6, "ft", false},   {&f.Option1, "North", true},
        {&f.Option2, "South", false}, {&f.Option4, "East", false}, {&f.Option3, "West", true},
    };
    for (const auto& [option, caption, selected] : options) {
        EXPECT_EQ(option->caption(), caption);
        EXPECT_EQ(option->value(), selected) << caption;
    }
    EXPECT_EQ(f.Frame1.caption(), "Lat N or S");
    EXPECT_EQ(f.Frame2.caption(), "Lon E or W");
    EXPECT_EQ(f.Frame4.caption(), "Settings for this leg");

    const std::vector<std::pair<platform::ui::Label*, std::string>> labels = {
        {&f.Label25,
         "The navigator selects the new fix time for which the running fix corrected sight "
         "reductions shall apply for this leg"},
        {&f.labelCourse, "True Course over ground"},
        {&f.labelCourseRange, "0-360 deg from true north"},
        {&f.labelSpeed, "Speed over ground, kts"},
        {&f.labelEyeHeight, "Eye height"},
        {&f.labelPlotScale, "Max plotting scale, n.mi."},
        {&f.labelLastLat, "Last Fix, Latitude"},
        {&f.labelLastLon, "Last Fix, Longitude"},
        {&f.labelLastFixUT, "Last Fix, UT"},
        {&f.labelNewFixUT, "Desired New Fix time, UT"},
        {&f.labelLastHour, "Hour"},
        {&f.labelLastMinutes, "Minutes"},
        {&f.labelNewYear, "Year"},
        {&f.labelLatDegreeMark, "°"},
        {&f.labelLatMinuteMark, "'"},
        {&f.labelStep1, "Step 1: fill out this main form and the General Settings"},
        {&f.labelStep2,
         "Step 2: click View Sight Data Form and fill out according to the 4 steps indicated"},
        {&f.labelStep3, "Step 3:  click Reduce Sights "},
        {&f.labelStepFix, "Step 1   fill out Lat, Lon, and times"},
        {&f.labelStepView, "Step 2"},
        {&f.labelStepReduce, "Step 3"},
        {&f.labelVersion, "Version 3.2h"},
        {&f.labelIncluded, "Almanac and Sight Planning included"},
        {&f.labelBestViewed, "Best viewed in 1680 x 1050 resolution"},
    };
    for (const auto& [label, text] : labels) {
        EXPECT_EQ(label->caption(), text);
    }

    // The window shows these texts and no others.
    std::vector<std::string> shown;
    for (const QLabel* label : f.clientArea()->findChildren<QLabel*>()) {
        shown.push_back(label->text().toStdString());
    }
    for (const QGroupBox* box : f.clientArea()->findChildren<QGroupBox*>()) {
        shown.push_back(box->title().toStdString());
    }
    for (const QAbstractButton* button : f.clientArea()->findChildren<QAbstractButton*>()) {
        shown.push_back(button->text().toStdString());
    }
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected = {
        "True Course over ground",
        "0-360 deg from true north",
        "Speed over ground, kts",
        "Eye height",
        "Max plotting scale, n.mi.",
        "Last Fix, Latitude",
        "Last Fix, Longitude",
        "Last Fix, UT",
        "Desired New Fix time, UT",
        "The navigator selects the new fix time for which the running fix corrected sight "
        "reductions shall apply for this leg",
        "Step 1: fill out this main form and the General Settings",
        "Step 2: click View Sight Data Form and fill out according to the 4 steps indicated",
        "Step 3:  click Reduce Sights ",
        "Step 1   fill out Lat, Lon, and times",
        "Step 2",
        "Step 3",
        "Version 3.2h",
        "Almanac and Sight Planning included",
        "Best viewed in 1680 x 1050 resolution",
        "Settings for this leg",
        "Lat N or S",
        "Lon E or W",
        "",  // the eye-height unit frame
        "",  // the fix frame
        "m",
        "ft",
        "North",
        "South",
        "East",
        "West",
        "Reduce Sights and Plot LOP's",
        "View Sight Data Form",
        "Detailed Output",
        "Clear All Data",
        "General Settings",
        "Heading/Course Calculator",
        "Preload other forms with data",
        "Show LOP",
        "Show COP",
    };
    for (const char* twice : {"Hour", "Minutes", "Day", "Month", "Year", "\xC2\xB0", "'"}) {
        expected.insert(expected.end(), 2, twice);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
}

TEST_F(MainWindowTest, ButtonsAndMenusAtLoad) {
    Form1& f = form1();
    // Button, caption, enabled, tooltip.
    const std::vector<std::tuple<CommandButton*, std::string, bool, std::string>> buttons = {
        {&f.Command1, "Reduce Sights and Plot LOP's", false, ""},
        {&f.Command2, "View Sight Data Form", true, ""},
        {&f.Command3, "Detailed Output", false, ""},
        {&f.Command4, "Clear All Data", true, ""},
        {&f.Command5, "General Settings", true, ""},
        {&f.Command6, "Heading/Course Calculator", true, ""},
        {&f.Command7, "Preload other forms with data", true, ""},
        {&f.Command8, "Show LOP", false, ""},
        {&f.Command9, "Show COP", false, ""},
    };
    for (const auto& [button, caption, enabled, tip] : buttons) {
        EXPECT_EQ(button->caption(), caption);
        EXPECT_EQ(button->enabled(), enabled) << caption;
        EXPECT_EQ(button->widget()->toolTip().toStdString(), tip) << caption;
    }

    // The menu bar in order, and the two drop-downs.
    EXPECT_EQ(actionTexts(f.menuBar()->actions()),
              (std::vector<std::string>{"FILE", "HELP", "INFO", "Sight Data Form", "Celestial Data",
                                        "Sight Planner", "Lunars", "Calculators", "  EXIT"}));
    ASSERT_NE(f.FileMenu.action()->menu(), nullptr);
    EXPECT_EQ(actionTexts(f.FileMenu.action()->menu()->actions()),
              (std::vector<std::string>{"OPEN FILE", "SAVE FILE", "PRINT FORM"}));
    ASSERT_NE(f.menuCelesData.action()->menu(), nullptr);
    EXPECT_EQ(actionTexts(f.menuCelesData.action()->menu()->actions()),
              (std::vector<std::string>{"Perpetual Almanac", "Rise/Set Times"}));

    // Every item of the menus is enabled from the start.
    for (const MenuItem* item :
         {&f.FileMenu, &f.GetFile, &f.SaveFile, &f.menuPrint, &f.menuHelp, &f.menuInfo,
          &f.menuSight, &f.menuCelesData, &f.menuAlmanac, &f.menuRiseSet, &f.menuPlanner,
          &f.menuLunar, &f.menuCalc, &f.menuEXIT}) {
        EXPECT_TRUE(item->enabled()) << item->caption();
    }

    // A disabled button runs nothing and opens no window.
    f.Command3.click();
    EXPECT_TRUE(env.log.empty());
}

TEST_F(MainWindowTest, ButtonsAndMenuItemsShowTheirWindows) {
    Form1& f = form1();
    f.showModeless();
    // The sight entry window: by the menu item and by the button.
    for (auto open : {+[](Form1& w) { w.menuSight.click(); },
                      +[](Form1& w) { uitest::userClick(w.Command2); }}) {
        if (auto* form5 = app.existingWindow<reduction::Form5>()) {
            form5->hide();
        }
        open(f);
        ASSERT_NE(app.existingWindow<reduction::Form5>(), nullptr);
        EXPECT_TRUE(app.form5().isVisible());
        EXPECT_EQ(app.form5().caption(), reduction::kForm5Caption);
    }

    uitest::userClick(f.Command5);
    ASSERT_NE(app.existingWindow<app::Form7>(), nullptr);
    EXPECT_TRUE(app.form7().isVisible());

    // The course and heading calculator and the calculators window.
    uitest::userClick(f.Command6);
    ASSERT_NE(app.existingWindow<calculators::Form9>(), nullptr);
    EXPECT_TRUE(app.form9().isVisible());
    EXPECT_EQ(app.form9().caption(), calculators::kForm9Caption);
    f.menuCalc.click();
    ASSERT_NE(app.existingWindow<calculators::Form10>(), nullptr);
    EXPECT_TRUE(app.form10().isVisible());
    EXPECT_EQ(app.form10().caption(), calculators::kForm10Caption);
    EXPECT_TRUE(env.log.empty());
}

TEST_F(MainWindowTest, AMinimisedWindowIsRestoredWhenItIsShownAgain) {
    // The navigator minimised a window, or minimised and then closed it;
    // its button or menu item brings it back on view, not into the task bar.
    Form1& f = form1();
    f.showModeless();
    struct Case {
        const char* what;
        std::function<platform::ui::Form&()> open;
        bool closedAfter;
    };
    const Case cases[] = {
        {"sight entry by the menu",
         [&]() -> platform::ui::Form& {
             f.menuSight.click();
             return app.form5();
         },
         false},
        {"settings by the button",
         [&]() -> platform::ui::Form& {
             uitest::userClick(f.Command5);
             return app.form7();
         },
         false},
        {"calculators by the menu, closed while minimised",
         [&]() -> platform::ui::Form& {
             f.menuCalc.click();
             return app.form10();
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::ui::Form& w = c.open();
        ASSERT_TRUE(w.isVisible());
        w.showMinimized();
        ASSERT_TRUE(w.isMinimized());
        if (c.closedAfter) {
            w.hide();
        }
        EXPECT_EQ(&c.open(), &w);
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(w.isMinimized());
    }
    EXPECT_TRUE(env.log.empty());
}

// A changed leg is not left without the question; each answer through
// "  EXIT", the title bar and "OPEN FILE".
TEST_F(MainWindowTest, ChangedLegAsksBeforeItIsLeft) {
    using platform::ui::MessageAnswer;
    Form1& f = form1();
    f.showModeless();
    const fs::path saved = file("saved.NAV");
    const fs::path other = file("other.NAV");
    writeBytes(other, reduction::writeSightFile(reduction::SightFileContents{}));

    enum class Way { Exit, Close, Open };
    int course = 100;
    for (const Way way : {Way::Exit, Way::Close, Way::Open}) {
        SCOPED_TRACE(static_cast<int>(way));
        const auto leave = [&] {
            if (way == Way::Exit) {
                f.menuEXIT.click();
            } else if (way == Way::Close) {
                uitest::userCloseWindow(&f);
            } else {
                f.GetFile.click();
            }
        };
        const std::string changed = std::to_string(++course);  // a changed course
        f.Text8.setText(changed);
        ASSERT_TRUE(f.legChanged());
        const int quitsBefore = quits;

        // Cancel stays: nothing ends, nothing is opened or saved.
        env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Cancel);
        leave();
        EXPECT_EQ(quits, quitsBefore);
        EXPECT_EQ(env.messages.calls.back().buttons,
                  platform::ui::MessageButtons::SaveDiscardCancel);
        EXPECT_EQ(f.Text8.text(), changed);

        // Save with no file chosen writes nothing and stays.
        env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Save);
        env.fileDialogs.expectSave("");
        env.messages.expect(app::kNoFileSelectedMessage);
        leave();
        EXPECT_EQ(quits, quitsBefore);

        // Save that writes the file goes on.
        env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Save);
        env.fileDialogs.expectSave(saved.string());
        if (way == Way::Open) {
            env.fileDialogs.expectOpen(other.string());
        }
        leave();
        EXPECT_EQ(quits, quitsBefore + (way == Way::Open ? 0 : 1));
        EXPECT_NE(readBytes(saved).find("\r\n" + changed + "\r\n"), std::string::npos);
        if (way == Way::Open) {
            EXPECT_EQ(f.Text8.text(), "0");
        }

        // Don't Save goes on without writing.
        f.Text8.setText("77");
        env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Discard);
        if (way == Way::Open) {
            env.fileDialogs.expectOpen(other.string());
        }
        leave();
        EXPECT_EQ(quits, quitsBefore + (way == Way::Open ? 0 : 2));
        EXPECT_EQ(readBytes(saved).find("\r\n77\r\n"), std::string::npos);

        // Saved or just opened: unchanged, so it ends or opens at once.
        if (way == Way::Open) {
            env.fileDialogs.expectOpen(other.string());
            const std::size_t asked = env.messages.calls.size();
            leave();
            EXPECT_EQ(env.messages.calls.size(), asked);
        }
        f.showModeless();
    }
}

// A reduction that writes into the log and a typed new sight entry count
// as changes; typing back what was saved does not.
TEST_F(MainWindowTest, ChangesAreTheTextTheFileWouldHold) {
    Form1& f = form1();
    EXPECT_FALSE(f.legChanged());
    f.Text2.setText("5");
    EXPECT_TRUE(f.legChanged());
    f.Text2.setText("0");
    EXPECT_FALSE(f.legChanged());  // no flag: the text is as it was
    app.form7().Text4.setText("20");
    EXPECT_TRUE(f.legChanged());
    app.form7().Text4.setText("15");
    app.Log.SightData[1][reduction::kFieldGHA] = 12.5;
    app.Log.HoldsSights = true;
    EXPECT_TRUE(f.legChanged());
}

// The first sight of a new leg, typed but not yet saved with "Save Changes",
// is in no file: leaving the leg asks, at start and after Clear All Data.
TEST_F(MainWindowTest, TypedFirstSightOfAnEmptyLegCountsAsAChange) {
    Form1& f = form1();
    reduction::Form5& entry = app.form5();
    EXPECT_FALSE(f.legChanged());  // the window itself changes nothing
    uitest::userType(entry.Text5, "30");
    EXPECT_TRUE(f.legChanged());
    uitest::userType(entry.Text5, "");
    EXPECT_FALSE(f.legChanged());

    uitest::userType(entry.Text21, "2024");
    env.modalRunner.expectDialog<reduction::Form6>(
        [](reduction::Form6& d) { uitest::userClick(d.Command1); });
    uitest::userClick(f.Command4);  // Clear All Data, confirmed
    EXPECT_FALSE(f.legChanged());
    uitest::userType(entry.Text21, "2024");
    EXPECT_TRUE(f.legChanged());
    f.showModeless();
    env.messages.expect(app::kSaveChangesQuestion, platform::ui::MessageAnswer::Cancel);
    f.menuEXIT.click();
    EXPECT_EQ(quits, 0);
}

TEST_F(MainWindowTest, ExitAndTitleBarCloseEndTheProgram) {
    Form1& f = form1();
    f.showModeless();
    app.form7().showModeless();
    f.menuEXIT.click();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(app.form7().isVisible());

    f.showModeless();
    uitest::userCloseWindow(&f);
    EXPECT_EQ(quits, 2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(env.log.empty());  // nothing asked, nothing saved
}

TEST_F(MainWindowTest, PrintFormPrintsTheWindowImage) {
    Form1& f = form1();
    f.showModeless();
    env.printer.expectPrint();
    f.menuPrint.click();
    ASSERT_EQ(env.printer.images.size(), 1u);
    const QImage& image = env.printer.images[0];
    // The whole window: the client area and the menu bar above it.
    EXPECT_EQ(image.width() * 1.0 / image.devicePixelRatio(), f.width());
    EXPECT_GT(image.height() * 1.0 / image.devicePixelRatio(), f.clientArea()->height());
}

TEST_F(MainWindowTest, SavedFileReopensEverythingAndSavesByteIdentical) {
    fillEverything();
    Form1& f = form1();
    const Snapshot before = snapshot();

    const fs::path first = file("leg one.NAV");
    saveTo(first);
    ASSERT_EQ(env.fileDialogs.calls.size(), 1u);
    EXPECT_TRUE(env.fileDialogs.calls[0].save);
    EXPECT_EQ(env.fileDialogs.calls[0].request.filter, "NAV Files (*.NAV)|*.NAV|All Files (*.*)");
    EXPECT_EQ(env.fileDialogs.calls[0].request.title, "Data Files");
    EXPECT_EQ(f.caption(), " Current Data file is: leg one.NAV");
    EXPECT_EQ(f.Text112.text(), "Leg to Horta, log 1234");  // the box keeps its comma
    const std::string bytes = readBytes(first);
    // Lines 1 to 30 in the file's order, then the first sight's note and values.
    const std::vector<std::string> head = {
        "CelestialNavigationKestlow2",
        "3",
        "Leg to Horta  log 1234",
        "245.5",
        "6.2",
        "9",
        "True",
        "False",
        "24",
        "1021.5",
        "38",
        "31.5",
        "28",
        "37.25",
        "7",
        "45",
        "20",
        "40",
        "19",
        "30",
        "21",
        "-3.5",
        "False",
        "True",
        "69.2",
        "-1",
        "6",
        "2024",
        "7",
        "2025",
        "Sun lower limb",
        "1",
        "1",
        "1",
        "10",
        "15",
        "32.5",
        "21",
        "6",
        "2024",
        "45",
        "12.3",
        "1.5",
        "-1",
        "333.123456",
        "23.438291",
        "15.76",
        "0.08",
        "0",
        "",
    };
    std::string expectedHead;
    for (const std::string& line : head) {
        expectedHead += line + "\r\n";
    }
    EXPECT_EQ(bytes.substr(0, expectedHead.size()), expectedHead);
    // 30 lines and 19 per sight.
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 30u + 19u * 3u);

    // Clear what the file holds, and turn on what reading must turn off.
    for (TextBox* box : {&f.Text112, &f.Text8, &f.Text3, &f.Text113, &f.Text7, &f.Text15, &f.Text17,
                         &app.form7().Text1, &app.form7().Text5}) {
        box->setText("");
    }
    f.Option5.setValue(true);
    f.Option1.setValue(true);
    f.Option3.setValue(true);
    app.Log = reduction::startupSightLog();
    f.Command3.setEnabled(true);
    f.Command8.setEnabled(true);
    f.Command9.setEnabled(true);

    openFrom(first);
    ASSERT_FALSE(env.fileDialogs.calls.back().save);
    EXPECT_EQ(env.fileDialogs.calls.back().request.filter,
              "NAV Files (*.NAV)|*.NAV|All Files (*.*)");
    EXPECT_EQ(env.fileDialogs.calls.back().request.title, "Data Files");
    // The emptied fields were a change: only the question before opening.
    ASSERT_EQ(env.messages.calls.size(), 1u);
    EXPECT_EQ(env.messages.calls[0].text, app::kSaveChangesQuestion);

    const Snapshot after = snapshot();
    reduction::LegSettings expectedLeg = before.leg;
    expectedLeg.Notes = "Leg to Horta  log 1234";
    EXPECT_EQ(after.leg, expectedLeg);
    EXPECT_EQ(f.Text112.text(), "Leg to Horta  log 1234");
    EXPECT_EQ(after.general, before.general);
    EXPECT_EQ(after.log, before.log);
    EXPECT_TRUE(after.south && !f.Option1.value());
    EXPECT_TRUE(f.Option4.value() && !after.west);
    EXPECT_TRUE(after.feet && !after.metres);
    EXPECT_EQ(f.caption(), " Current Data file: leg one.NAV");

    // The buttons and the sight entry window as reading leaves them.
    EXPECT_TRUE(f.Command1.enabled());
    EXPECT_FALSE(f.Command3.enabled());
    EXPECT_FALSE(f.Command8.enabled());
    EXPECT_FALSE(f.Command9.enabled());
    reduction::Form5& form5 = app.form5();
    EXPECT_FALSE(form5.isVisible());
    EXPECT_EQ(form5.caption(), "Sight Data Entry   Number of stored sightings = 3");
    EXPECT_EQ(form5.Label17.caption(), "3");
    EXPECT_EQ(form5.Label2.caption(), " 1");
    EXPECT_TRUE(form5.Command2.enabled());
    // Sight 1 on view, its body (the Sun) selected again.
    EXPECT_EQ(form5.Text1.text(), "Sun lower limb");
    EXPECT_EQ(form5.Text5.text(), "45");
    EXPECT_EQ(form5.Text6.text(), "12.3");
    EXPECT_EQ(form5.Text2.text(), "32.5");
    EXPECT_EQ(form5.List1.selectedIndex(), 0);
    EXPECT_EQ(form5.Text10.text(), "0");

    // Saving what was read gives the same bytes.
    const fs::path second = file("leg two.NAV");
    saveTo(second);
    EXPECT_EQ(readBytes(second), bytes);
    EXPECT_EQ(f.caption(), " Current Data file is: leg two.NAV");
}

TEST_F(MainWindowTest, FileWithNoSightsKeepsTheLogRowsAndShowsABlankFirstSight) {
    fillEverything();
    // The entry window on sight 1 of the leg that was there before.
    reduction::Form5& form5 = app.form5();
    reduction::ShowSight(app, 1);
    form5.Command2.setEnabled(true);
    ASSERT_EQ(form5.Text1.text(), "Sun lower limb");
    form5.showModeless();

    reduction::SightFileContents none;
    writeBytes(file("none.NAV"), reduction::writeSightFile(none));
    const reduction::SightLog logBefore = app.Log;
    openFrom(file("none.NAV"));
    EXPECT_EQ(app.Log.SightCount, 0);
    for (int i = 1; i <= reduction::kMaxSights; ++i) {
        EXPECT_EQ(app.Log.SightData[i], logBefore.SightData[i]) << i;
        EXPECT_EQ(app.Log.SightNotes[i], logBefore.SightNotes[i]) << i;
    }
    EXPECT_EQ(form5.caption(), "Sight Data Entry   Number of stored sightings = 0");
    EXPECT_EQ(form5.Label17.caption(), "0");
    EXPECT_EQ(form5.Label2.caption(), " 1");
    // An empty sight 1, as after Clear All Data: nothing of the old row.
    EXPECT_EQ(form5.Text1.text(), "Type Notes Here (no commas!)");
    for (const platform::ui::TextBox* box :
         {&form5.Text2, &form5.Text5, &form5.Text6, &form5.Text17, &form5.Text18, &form5.Text19,
          &form5.Text20, &form5.Text21, &form5.Text22}) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_EQ(form5.List1.selectedIndex(), -1);
    EXPECT_TRUE(form5.Option5.value());  // LOWER
    EXPECT_TRUE(form5.Option1.value());  // Normal Sea
    EXPECT_EQ(form5.Check1.value(), 1);
    EXPECT_FALSE(form5.Command2.enabled());
    EXPECT_EQ(form1().caption(), " Current Data file: none.NAV");
    EXPECT_TRUE(form1().Command1.enabled());

    // Its close buttons hide it without a warning.
    for (platform::ui::CommandButton* close : {&form5.Command4, &form5.Command6}) {
        form5.showModeless();
        uitest::userClick(*close);
        EXPECT_FALSE(form5.isVisible());
    }

    // Saved, sight 1 of the new leg is what was typed, not the old row.
    form5.showModeless();
    uitest::userType(form5.Text5, "33");
    uitest::userType(form5.Text21, "2024");
    uitest::userType(form5.Text20, "3");
    uitest::userType(form5.Text19, "10");
    uitest::userType(form5.Text18, "12");
    uitest::userClickRow(form5.List1, 0);
    uitest::userClick(form5.Command5);
    EXPECT_EQ(app.Log.SightCount, 1);
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldHsDegrees], 33);
    EXPECT_EQ(app.Log.SightNotes[1], "Type Notes Here (no commas!)");
}

// Lines 7, 8 (feet, metres), 23 (North) and 24 (East) of a file and the
// option buttons they leave selected.
TEST_F(MainWindowTest, OptionItemsOfTheFileSetTheOptionButtons) {
    struct Case {
        const char* feet;
        const char* metres;
        const char* north;
        const char* east;
        bool m, ft, n, s, e, w;
    };
    const std::vector<Case> cases = {
        {"False", "True", "True", "False", true, false, true, false, false, true},
        {"True", "False", "False", "True", false, true, false, true, true, false},
        // Metres is set last and wins; a number is a truth value.
        {"True", "True", "1", "0", true, false, true, false, false, false},
        // "false" clears North and East without selecting South or West.
        {"False", "False", "false", "FALSE", false, false, false, false, false, false},
    };
    const std::string defaults = reduction::writeSightFile(reduction::SightFileContents{});
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < defaults.size();) {
        const std::size_t end = defaults.find("\r\n", begin);
        lines.push_back(defaults.substr(begin, end - begin));
        begin = end + 2;
    }
    ASSERT_EQ(lines.size(), 30u);
    Form1& f = form1();
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(k);
        lines[6] = c.feet;
        lines[7] = c.metres;
        lines[22] = c.north;
        lines[23] = c.east;
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        const fs::path path = file("options" + std::to_string(k++) + ".NAV");
        writeBytes(path, bytes);
        openFrom(path);
        EXPECT_TRUE(env.messages.calls.empty());
        EXPECT_EQ(f.Option5.value(), c.m);
        EXPECT_EQ(f.Option6.value(), c.ft);
        EXPECT_EQ(f.Option1.value(), c.n);
        EXPECT_EQ(f.Option2.value(), c.s);
        EXPECT_EQ(f.Option4.value(), c.e);
        EXPECT_EQ(f.Option3.value(), c.w);
    }
}

// A leg with no sight entered is saved as a count of 0 and no sight block,
// and opens again as the blank first sight.
TEST_F(MainWindowTest, LegWithNoSightSavesACountOfZeroAndReopensBlank) {
    form1();
    const fs::path path = file("empty.NAV");
    saveTo(path);
    const std::string bytes = readBytes(path);
    const std::string expected =
        "CelestialNavigationKestlow2\r\n0\r\nType Notes Here (no commas!)\r\n0\r\n0\r\n2.75\r\n"
        "False\r\nTrue\r\n15\r\n1010\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n25\r\n\r\n\r\n\r\n0.0\r\n"
        "True\r\nFalse\r\n67.0\r\n" +
        reduction::GeneralSettings{}.TimeZone + "\r\n\r\n\r\n\r\n\r\n";
    EXPECT_EQ(bytes, expected);

    openFrom(path);
    EXPECT_TRUE(env.messages.calls.empty());
    reduction::Form5& form5 = app.form5();
    EXPECT_EQ(form5.Label2.caption(), " 1");
    EXPECT_EQ(form5.Label17.caption(), "0");
    EXPECT_EQ(form5.Text5.text(), "");
    EXPECT_EQ(form5.List1.selectedIndex(), -1);

    // After Clear All Data the same: no sight block.
    env.modalRunner.expectDialog<reduction::Form6>([](reduction::Form6& d) { d.Command1.click(); });
    form1().Command4.click();
    saveTo(path);
    EXPECT_EQ(readBytes(path), expected);
}

TEST_F(MainWindowTest, FourSightFileOpenedAndSavedKeepsItsFourSights) {
    reduction::SightFileContents four;
    four.Sights.resize(4);
    for (int i = 0; i < 4; ++i) {
        four.Sights[static_cast<std::size_t>(i)].Note = "sight " + std::to_string(i + 1);
        four.Sights[static_cast<std::size_t>(i)].Fields[reduction::kFieldHsDegrees] = 20 + i;
    }
    const std::string bytes = reduction::writeSightFile(four);
    writeBytes(file("four.NAV"), bytes);
    openFrom(file("four.NAV"));
    EXPECT_EQ(app.Log.SightCount, 4);
    saveTo(file("again.NAV"));
    EXPECT_EQ(readBytes(file("again.NAV")), bytes);
}

TEST_F(MainWindowTest, BadFileChangesNothingAndSaysSo) {
    reduction::SightFileContents good;
    good.Sights.resize(2);
    const std::string goodBytes = reduction::writeSightFile(good);
    reduction::SightFileContents tooMany;
    tooMany.Sights.resize(26);

    std::string badHeader = goodBytes;
    badHeader.replace(0, 27, "CelestialNavigationKestlow3");
    std::string badOption = goodBytes;
    const std::size_t truePos = badOption.find("\r\nTrue\r\n");  // line 8, metres
    ASSERT_NE(truePos, std::string::npos);
    badOption.replace(truePos + 2, 4, "Yes!");

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"bad header", badHeader},
        {"truncated", goodBytes.substr(0, goodBytes.size() - 10)},
        {"count 26", reduction::writeSightFile(tooMany)},
        {"count 2.5", "CelestialNavigationKestlow2\r\n2.5" + goodBytes.substr(30)},
        {"option not a truth value", badOption},
        {"empty", ""},
        {"missing", std::string()},
    };
    fillEverything();
    Form1& f = form1();
    f.setCaption(" Current Data file: earlier.NAV");
    const Snapshot before = snapshot();
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const fs::path path = file(name + ".NAV");
        if (name != "missing") {
            writeBytes(path, bytes);
        }
        openFrom(path, kBadFile);
        ASSERT_FALSE(env.messages.calls.empty());
        EXPECT_EQ(env.messages.calls.back().text, kBadFile);
        EXPECT_EQ(env.messages.calls.back().title, "");  // the program's default title
        expectSame(snapshot(), before);
    }
    // The same file, mended, is read.
    writeBytes(file("good.NAV"), goodBytes);
    openFrom(file("good.NAV"));
    EXPECT_EQ(app.Log.SightCount, 2);
    EXPECT_EQ(f.caption(), " Current Data file: good.NAV");
}

// Notes of the leg and of a sight at the notes box's limit (32,767
// characters) open whole; one character more and the file is refused as
// unreadable, nothing changed.
TEST_F(MainWindowTest, NotesUpToTheBoxLimitOpenLongerOnesAreRefused) {
    std::string words;
    while (words.size() < platform::kTextBoxMaxLength) {
        words += "Horta in sight at dawn ";
    }
    words.resize(platform::kTextBoxMaxLength);
    reduction::SightFileContents atLimit;
    atLimit.Leg.Notes = words;
    atLimit.Sights.resize(2);
    atLimit.Sights[1].Note = std::string(platform::kTextBoxMaxLength, 's');
    writeBytes(file("within.NAV"), reduction::writeSightFile(atLimit));
    openFrom(file("within.NAV"));
    Form1& f = form1();
    EXPECT_EQ(f.Text112.text(), words);
    EXPECT_EQ(app.Log.SightNotes[2], atLimit.Sights[1].Note);
    EXPECT_EQ(f.caption(), " Current Data file: within.NAV");

    for (const bool legNotes : {true, false}) {
        SCOPED_TRACE(legNotes ? "leg notes" : "sight notes");
        reduction::SightFileContents beyond = atLimit;
        (legNotes ? beyond.Leg.Notes : beyond.Sights[1].Note) += "+";
        writeBytes(file("beyond.NAV"), reduction::writeSightFile(beyond));
        fillEverything();
        f.setCaption(" Current Data file: earlier.NAV");
        const Snapshot before = snapshot();
        openFrom(file("beyond.NAV"), kBadFile);
        expectSame(snapshot(), before);
    }
}

// Tab leaves the notes box for the next control, as in every other box, and
// types nothing into the notes; Shift+Tab goes back.
TEST_F(MainWindowTest, TabMovesOutOfTheNotesBox) {
    Form1& main = app.form1();
    QPlainTextEdit* notes = main.Text112.plainTextEdit();
    ASSERT_NE(notes, nullptr);
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        notes->setFocus();
        ASSERT_EQ(main.focusWidget(), notes);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, modifiers, QStringLiteral("\t"));
        QCoreApplication::sendEvent(notes, &tab);
        EXPECT_EQ(main.Text112.text(), "Type Notes Here (no commas!)");
        EXPECT_NE(main.focusWidget(), notes);
        EXPECT_NE(main.focusWidget(), nullptr);
    }
}

TEST_F(MainWindowTest, NoFileChosenChangesNothing) {
    fillEverything();
    Form1& f = form1();
    const Snapshot before = snapshot();
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "save" : "open");
        if (!save) {
            // The typed leg is given up first.
            env.messages.expect(app::kSaveChangesQuestion, platform::ui::MessageAnswer::Discard);
        }
        env.messages.expect(kNoFile);
        if (save) {
            env.fileDialogs.expectSave("");
            f.SaveFile.click();
        } else {
            env.fileDialogs.expectOpen("");
            f.GetFile.click();
        }
        EXPECT_EQ(env.messages.calls.back().text, kNoFile);
        EXPECT_EQ(env.messages.calls.back().title, "");
        expectSame(snapshot(), before);
    }
    EXPECT_EQ(env.log,
              (uitest::ServiceLog{"message : " + std::string(app::kSaveChangesQuestion),
                                  "open Data Files", "message : " + std::string(kNoFile),
                                  "save Data Files", "message : " + std::string(kNoFile)}));
}

TEST_F(MainWindowTest, FailedSaveSaysSoAndKeepsTheCaption) {
    fillEverything();
    Form1& f = form1();
    const fs::path good = file("good.NAV");
    saveTo(good);
    const std::string goodBytes = readBytes(good);
    ASSERT_EQ(f.caption(), " Current Data file is: good.NAV");

    const fs::path nowhere = file("no such folder") / "lost.NAV";
    env.messages.expect("");
    saveTo(nowhere);
    ASSERT_EQ(env.messages.calls.size(), 1u);
    const std::string& text = env.messages.calls[0].text;
    EXPECT_EQ(text.rfind("The data file was not saved.", 0), 0u) << text;
    EXPECT_NE(text.find("lost.NAV"), std::string::npos) << text;
    EXPECT_EQ(f.caption(), " Current Data file is: good.NAV");
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_EQ(readBytes(good), goodBytes);
}

TEST_F(MainWindowTest, SaveOntoAReadOnlyFileIsRefusedAndTheFileKept) {
    fillEverything();
    Form1& f = form1();
    const fs::path kept = file("kept.NAV");
    saveTo(kept);
    const std::string keptBytes = readBytes(kept);
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    uitest::userType(f.Text8, "123");

    env.messages.expect("The data file was not saved.\nCould not save \"" + kept.string() +
                        "\": Permission denied");
    saveTo(kept);
    EXPECT_EQ(readBytes(kept), keptBytes);
    EXPECT_EQ(f.caption(), " Current Data file is: kept.NAV");
}

// ------------------------------------- the sight on view and the leg question

// A sight typed into the sight entry (date, time, altitude, then the body).
struct TypedSight {
    std::string year, month, day, hour, minute, hsDeg;
    int body;
};
const TypedSight kSunSight{"2024", "3", "19", "12", "0", "35", 0};
const TypedSight kMoonSight{"2024", "5", "10", "8", "30", "42", 1};

void typeSight(reduction::Form5& entry, const TypedSight& s, bool clickBody = true) {
    uitest::userType(entry.Text21, s.year);
    uitest::userType(entry.Text20, s.month);
    uitest::userType(entry.Text19, s.day);
    uitest::userType(entry.Text18, s.hour);
    uitest::userType(entry.Text22, s.minute);
    uitest::userType(entry.Text2, "0");
    uitest::userType(entry.Text5, s.hsDeg);
    uitest::userType(entry.Text6, "0");
    if (clickBody) {
        uitest::userClickRow(entry.List1, s.body);
    }
}

// The sights a saved file holds: their altitudes, in order.
std::vector<double> savedAltitudes(const fs::path& path) {
    const reduction::SightFileRead read = reduction::openSightFile(path);
    std::vector<double> altitudes;
    if (read.Contents) {
        for (const reduction::SightRecord& sight : read.Contents->Sights) {
            altitudes.push_back(sight.Fields[reduction::kFieldHsDegrees]);
        }
    }
    return altitudes;
}

// One stored sight and a typed new one with its body clicked, left through
// "  EXIT", the title bar and "OPEN FILE" with each answer to the question.
TEST_F(MainWindowTest, SaveKeepsTheTypedSightOnView) {
    using platform::ui::MessageAnswer;
    const fs::path saved = file("saved.NAV");
    const fs::path other = file("other.NAV");
    writeBytes(other, reduction::writeSightFile(reduction::SightFileContents{}));
    enum class Way { Exit, Close, Open };
    enum class Then { Written, DialogCancelled, DontSave, Cancel };
    for (const Way way : {Way::Exit, Way::Close, Way::Open}) {
        for (const Then then :
             {Then::Written, Then::DialogCancelled, Then::DontSave, Then::Cancel}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(way)) + " " +
                         std::to_string(static_cast<int>(then)));
            fs::remove(saved);
            uitest::FakeEnvironment env2;
            app::App leg{env2.services()};
            int ended = 0;
            leg.setQuitHook([&] { ++ended; });
            Form1& f = leg.form1();
            f.showModeless();
            reduction::Form5& entry = leg.form5();
            entry.showModeless();
            typeSight(entry, kSunSight);
            uitest::userClick(entry.Command5);
            uitest::userClick(entry.Command2);
            typeSight(entry, kMoonSight);
            ASSERT_EQ(leg.Log.SightCount, 1);

            const MessageAnswer answer = then == Then::DontSave ? MessageAnswer::Discard
                                         : then == Then::Cancel ? MessageAnswer::Cancel
                                                                : MessageAnswer::Save;
            env2.messages.expect(app::kSaveChangesQuestion, answer);
            if (then == Then::Written) {
                env2.fileDialogs.expectSave(saved.string());
            } else if (then == Then::DialogCancelled) {
                env2.fileDialogs.expectSave("");
                env2.messages.expect(app::kNoFileSelectedMessage);
            }
            const bool goesOn = then == Then::Written || then == Then::DontSave;
            if (way == Way::Open && goesOn) {
                env2.fileDialogs.expectOpen(other.string());
            }
            if (way == Way::Exit) {
                f.menuEXIT.click();
            } else if (way == Way::Close) {
                uitest::userCloseWindow(&f);
            } else {
                f.GetFile.click();
            }

            EXPECT_EQ(ended, goesOn && way != Way::Open ? 1 : 0);
            if (then == Then::Written) {
                EXPECT_EQ(savedAltitudes(saved), (std::vector<double>{35, 42}));
            } else {
                EXPECT_FALSE(fs::exists(saved));
            }
            if (then == Then::DialogCancelled) {
                // Stored as after "Save Changes", the entry no longer new.
                EXPECT_EQ(leg.Log.SightCount, 2);
                EXPECT_EQ(leg.Log.SightData[2][reduction::kFieldHsDegrees], 42);
                EXPECT_FALSE(entry.entryEdited());
                EXPECT_TRUE(f.legChanged());
            }
            if (then == Then::Cancel) {
                EXPECT_EQ(leg.Log.SightCount, 1);
                EXPECT_TRUE(entry.newEntryTyped());
                EXPECT_EQ(entry.Text5.text(), "42");
            }
        }
    }
}

// The sight on view that Save stores: the typed first sight of an empty
// leg, an edited stored sight; one that cannot be stored stops everything.
TEST_F(MainWindowTest, SaveStoresTheSightOnViewOrStopsWithItsWarning) {
    using platform::ui::MessageAnswer;
    Form1& f = form1();
    f.showModeless();
    reduction::Form5& entry = app.form5();
    const fs::path saved = file("first.NAV");

    // Typed but without a body: its own warning, the entry in front, nothing
    // written and nothing ended.
    typeSight(entry, kSunSight, false);
    ASSERT_FALSE(entry.isVisible());
    env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Save);
    env.messages.expect(reduction::kNoBodySelectedMessage);
    f.menuEXIT.click();
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(entry.isVisible());
    EXPECT_TRUE(env.fileDialogs.calls.empty());
    EXPECT_EQ(env.log.back(),
              "message Warning!: " + std::string(reduction::kNoBodySelectedMessage));

    // A refused box: the same.
    uitest::userType(entry.Text5, "95");
    env.messages.expect("Sextant altitude must be 0 to 90 degrees");
    uitest::userClickRow(entry.List1, 0);
    env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Save);
    env.messages.expect("Sextant altitude must be 0 to 90 degrees");
    f.GetFile.click();
    EXPECT_TRUE(env.fileDialogs.calls.empty());
    EXPECT_FALSE(app.Log.HoldsSights);

    // The empty leg's first sight, body clicked: the file holds one sight.
    typeSight(entry, kSunSight);
    env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Save);
    env.fileDialogs.expectSave(saved.string());
    f.menuEXIT.click();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(savedAltitudes(saved), (std::vector<double>{35}));

    // The stored sight edited on view: the file holds the edit.
    f.showModeless();
    entry.showModeless();
    uitest::userType(entry.Text5, "36");
    EXPECT_TRUE(f.legChanged());
    env.messages.expect(app::kSaveChangesQuestion, MessageAnswer::Save);
    env.fileDialogs.expectSave(saved.string());
    uitest::userCloseWindow(&f);
    EXPECT_EQ(quits, 2);
    EXPECT_EQ(savedAltitudes(saved), (std::vector<double>{36}));
}

// Given up in the sight entry ("Leave it without saving"), the typed sight
// is no change of the leg: the leg as saved ends without a question.
TEST_F(MainWindowTest, ASightGivenUpInTheEntryIsNoChangeOfTheLeg) {
    using platform::ui::MessageAnswer;
    Form1& f = form1();
    f.showModeless();
    reduction::Form5& entry = app.form5();
    entry.showModeless();
    typeSight(entry, kSunSight);
    uitest::userClick(entry.Command5);
    saveTo(file("one.NAV"));
    ASSERT_FALSE(f.legChanged());

    const std::vector<std::function<void()>> closes = {[&] { uitest::userClick(entry.Command4); },
                                                       [&] { uitest::userClick(entry.Command6); },
                                                       [&] { uitest::userCloseWindow(&entry); }};
    for (const auto& close : closes) {
        entry.showModeless();
        if (entry.Label2.caption() != "2") {
            uitest::userClick(entry.Command2);
        }
        typeSight(entry, kMoonSight);
        ASSERT_TRUE(f.legChanged());
        env.messages.expect(reduction::kUnsavedEntryMessage, MessageAnswer::Yes);
        close();
        EXPECT_FALSE(f.legChanged());
    }
    // A stored sight edited, then given up.
    entry.showModeless();
    uitest::userClick(entry.Command1);
    uitest::userType(entry.Text6, "30");
    ASSERT_TRUE(f.legChanged());
    env.messages.expect(reduction::changedSightMessage(1), MessageAnswer::Yes);
    uitest::userClick(entry.Command4);
    EXPECT_FALSE(f.legChanged());

    env.log.clear();
    f.menuEXIT.click();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(env.log.empty());
}

}  // namespace
