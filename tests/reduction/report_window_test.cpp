// The report window through the main window's menu items and button: the
// help text, the information text and the working of the last reduction, each
// fill replacing the last; printing and hiding the window.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "platform/ui/picture.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_window.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"
#include "tests/reduction/reduction_session.h"
#include "tests/reduction/report_columns.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using app::Form1;
using reduction::Form4;
using reportcolumns::columnEnds;
using Lines = std::vector<std::string>;

Lines listed(const Form4& f) {
    Lines lines;
    for (int i = 0; i < f.List1.count(); ++i) {
        lines.push_back(f.List1.item(i));
    }
    return lines;
}

// The help text, line by line (item n of the list is line n: item 0 is the
// two-blank first line).
const Lines kHelpText = {
    " This software will calculate single-fixes from multiple running-fix sight reductions, then "
    "plot",
    " the individual intercepts and confidence ellipse.  Data files can be saved and reopened for "
    "editing.",
    "    ",
    " The internal computer almanac is supplied right next to sighting input data.",
    "    ",
    " This can be used for a single sighting while not moving, or it can be",
    " expanded to have up to 25 sights while running and fixed to an arbitrary time.",
    " The horizon can be either the sea (or bubble), or you can use a reflective oil pan.",
    "    ",
    " There is a settings form accessible on the main form for watch error, time zone, etc...",
    "   ",
    " Step 1: If planning a shoot, use the Sight Planner on the top menu bar.",
    " Step 2: Fill out the main form and enter data in the General Settings.",
    " Step 3: Click the Sight Data Form and go thru the 4 steps:",
    " a) preferences, b) measured altitude/limb/index error, c) time, d) select celestial object.",
    " The watch correction is added to the inputted UTC.  If chronometer is too fast then "
    "correction -.",
    " Step 4: Click Save Changes, then click Next Sight Data if there are more sights to record.",
    " Notice how you can page thru the different sights with the Last Sight Data and Next Sight "
    "Data",
    " buttons.  If you make a change, you MUST click the Save Changes button.",
    " Step 5: Close the data form if you like, and on the main form click Reduce Sights And Plot "
    "LOPs.",
    "    ",
    " Note: In some outputs you might see negative numbers for latitude and longitude.",
    " Convention: North has + latitudes, and south is -, East is + longitude, and west is -.",
    " Local Hour Angle LHA ranges from 0 to 360.  180 to 360 implies premeridian, 0 to 180 implies "
    "post meridian.",
    "    ",
};

// Report lines in the form the reduction writes them (entry 0 unused).
reduction::DetailedOutputArray knownReport() {
    reduction::DetailedOutputArray report = {"", "           Sight 1       Sight 2", " "};
    const char* labels[] = {"UT = ", "Hs = ",  "Ho = ",  "GHA = ", "DEC = ",  "SD = ",
                            "PA = ", "LHA = ", "Hc  = ", "AZM = ", "Doff = ", "Roff = "};
    for (int line = 3; line <= 14; ++line) {
        report.push_back(std::string(labels[line - 3]) + std::to_string(line) + ".000 °");
    }
    report.push_back(" ");
    report.push_back(
        "Asum = 1.5 Bsum = -0.2 Csum= 1.4 Dsum = 0.01 Esum = 0.02 Fsum = 0.003 G = 2.06");
    report.push_back("No fix: the lines of position are parallel");
    return report;
}

class ReportWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        app.setQuitHook([this] { ++quits; });
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
    Form1& main = app.form1();
    int quits = 0;
};

TEST_F(ReportWindow, MenuItemsAndButtonAtStart) {
    EXPECT_TRUE(main.menuHelp.enabled());
    EXPECT_TRUE(main.menuInfo.enabled());
    EXPECT_TRUE(main.Command4.enabled());
    // "Detailed Output" waits for a reduction.
    EXPECT_FALSE(main.Command3.enabled());
    for (const platform::ui::CommandButton* button : {&main.Command3, &main.Command4}) {
        EXPECT_EQ(button->widget()->toolTip().toStdString(), "") << button->caption();
    }
    for (const platform::ui::MenuItem* item : {&main.menuHelp, &main.menuInfo}) {
        EXPECT_TRUE(item->enabled()) << item->caption();
    }
    // Disabled, it opens nothing.
    main.Command3.click();
    EXPECT_EQ(app.existingWindow<Form4>(), nullptr);
    EXPECT_TRUE(env.log.empty());
}

TEST_F(ReportWindow, HelpShowsTheHelpText) {
    main.showModeless();
    main.menuHelp.click();
    Form4* f = app.existingWindow<Form4>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->caption(), "Help & Info");
    EXPECT_EQ(f->Command1.caption(), "PRINT");
    EXPECT_EQ(f->Command2.caption(), "Hide Form");

    const Lines lines = listed(*f);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], "  ");
    for (std::size_t n = 1; n < lines.size(); ++n) {
        EXPECT_EQ(lines[n], kHelpText[n - 1]) << "help line " << n;
    }
    // Every line of the text begins with a blank.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i][0], ' ') << "help line " << i;
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(ReportWindow, InfoShowsTheInformationText) {
    main.menuInfo.click();
    Form4& f = app.form4();
    EXPECT_TRUE(f.isVisible());
    const Lines expected = {
        "  ",
        " WendrelCELESTIAL/WendrelNav   version 3.2g, Nov 2014" + std::string(49, ' '),
        std::string(89, ' '),
        " DeltaT is the difference between Dynamical Time and UT.  If this value is known then",
        " the empeheris results from the internal celestial almanac will be accurate for "
        "centuries.",
        " Predictions: 2010,66.5s, 2011,67.1s, 2012-2013,68s, 2014-2015,69s, 2016-2017,70s.",
        std::string(88, ' '),
        " The ephemerides are from an abridged set of VSOP87 periodic elements that I selected.",
        std::string(88, ' '),
    };
    EXPECT_EQ(listed(f), expected);
}

TEST_F(ReportWindow, EachFillReplacesTheList) {
    app.Reduction.DetailedOutputLines = knownReport();
    main.Command3.setEnabled(true);  // as a reduction leaves it

    // HELP, then "Detailed Output": only the report, headings as item 1.
    main.menuHelp.click();
    uitest::userClick(main.Command3);
    Form4& f = app.form4();
    Lines expected = {"  "};
    const reduction::DetailedOutputArray report = knownReport();
    expected.insert(expected.end(), report.begin() + 1, report.end());
    ASSERT_EQ(expected.size(), 18u);
    EXPECT_EQ(listed(f), expected);
    EXPECT_EQ(f.List1.item(1), "           Sight 1       Sight 2");
    EXPECT_TRUE(f.isVisible());

    // "Detailed Output" twice shows the report once; INFO then replaces it.
    uitest::userClick(main.Command3);
    EXPECT_EQ(listed(f), expected);
    main.menuInfo.click();
    EXPECT_EQ(f.List1.count(), 9);
    EXPECT_EQ(f.List1.item(1).substr(0, 28), " WendrelCELESTIAL/WendrelNav");

    // A newer reduction's lines replace the older ones.
    app.Reduction.DetailedOutputLines = {
        "", "Asum = 0 Bsum = 0 Csum= 0 Dsum = 0 Esum = 0 Fsum = 0 G = 0",
        "No fix: fewer than two sights included"};
    uitest::userClick(main.Command3);
    EXPECT_EQ(f.List1.count(), 3);
    EXPECT_EQ(f.List1.item(1), "Asum = 0 Bsum = 0 Csum= 0 Dsum = 0 Esum = 0 Fsum = 0 G = 0");
    EXPECT_EQ(&app.form4(), &f);  // one window, shown again
    EXPECT_TRUE(env.log.empty());
}

TEST_F(ReportWindow, HideKeepsTheLinesUntilTheNextFill) {
    main.menuHelp.click();
    Form4& f = app.form4();
    uitest::userClick(f.Command2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.List1.count(), 26);

    // The title-bar close hides it too.
    main.menuInfo.click();
    EXPECT_TRUE(f.isVisible());
    uitest::userCloseWindow(&f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.List1.count(), 9);
    EXPECT_EQ(app.existingWindow<Form4>(), &f);
    EXPECT_EQ(quits, 0);  // the program goes on
}

TEST_F(ReportWindow, PrintPrintsTheWindowImage) {
    main.menuHelp.click();
    Form4& f = app.form4();
    env.printer.expectPrint();
    uitest::userClick(f.Command1);
    ASSERT_EQ(env.printer.images.size(), 1u);
    const QImage& image = env.printer.images[0];
    EXPECT_EQ(image.width() * 1.0 / image.devicePixelRatio(), f.width());
    EXPECT_EQ(image.height() * 1.0 / image.devicePixelRatio(), f.height());
    EXPECT_EQ(env.log, (std::vector<std::string>{"print Help & Info"}));

    // No printer: the service tells the user; the window stays as it was.
    env.printer.expectPrint(false);
    uitest::userClick(f.Command1);
    EXPECT_EQ(env.printer.jobs.size(), 2u);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.List1.count(), 26);
}

TEST_F(ReportWindow, ListFollowsTheWindowSize) {
    main.menuHelp.click();
    Form4& f = app.form4();
    const int listWidthGap = f.widthTwips() - f.List1.width();
    const int buttonGap = f.heightTwips() - f.Command1.top();
    f.resizeTwips(9000, 5000);
    EXPECT_EQ(f.widthTwips() - f.List1.width(), listWidthGap);
    EXPECT_EQ(f.heightTwips() - f.Command1.top(), buttonGap);
    EXPECT_EQ(f.Command2.top(), f.Command1.top());
    EXPECT_LT(f.List1.top() + f.List1.height(), f.Command1.top());
    // Far too small: nothing negative, the buttons stay inside the top.
    f.resizeTwips(300, 300);
    EXPECT_GE(f.List1.width(), 0);
    EXPECT_GE(f.List1.height(), 0);
    EXPECT_GE(f.Command1.top(), 0);
}

// Eight sights through the real button and dialog, the third left out of
// the fix: two blocks of columns headed "Sight 1" to "Sight 6" and "Sight 7",
// "Sight 8", the left-out sight marked, the columns lined up under their
// headings, then the sums and the fix as the plot states it.
TEST_F(ReportWindow, DetailedOutputOfEightSightsInTwoBlocks) {
    reductionsession::reduceStarSights(app, env, 8, {3});
    main.menuHelp.click();
    uitest::userClick(main.Command3);
    Form4& f = app.form4();
    const Lines lines = listed(f);
    // "  ", two blocks of 14 lines with a blank between, a blank, the
    // legend, the sums and the fix.
    ASSERT_EQ(lines.size(), 1u + 14 + 1 + 14 + 1 + 1 + 2);
    EXPECT_EQ(lines[0], "  ");
    EXPECT_EQ(lines[1],
              "           Sight 1       Sight 2       Sight 3 *     Sight 4       "
              "Sight 5       Sight 6");
    EXPECT_EQ(lines[15], " ");
    EXPECT_EQ(lines[16], "           Sight 7       Sight 8");
    EXPECT_EQ(lines[30], " ");
    EXPECT_EQ(lines[31], "* left out of the fix");
    EXPECT_EQ(lines[32].rfind("Asum = ", 0), 0u) << lines[32];
    // The last line says the fix as the plot does: its three texts.
    std::vector<std::string> plotted;
    for (const platform::ui::DrawItem& d : app.form2().Picture1.displayList()) {
        if (d.kind == platform::ui::DrawItem::Kind::Text &&
            (d.text.rfind("Best Fix", 0) == 0 || d.text.rfind("Distance", 0) == 0)) {
            plotted.push_back(d.text.substr(0, d.text.find_last_not_of(' ') + 1));
        }
    }
    ASSERT_EQ(plotted.size(), 3u);
    EXPECT_EQ(lines[33], plotted[0] + "  " + plotted[1] + "  " + plotted[2]);
    EXPECT_EQ(lines[33].rfind("Best Fix Latitude N ", 0), 0u) << lines[33];

    // Every value row ends its columns under the headings of its block.
    const char* labels[] = {"UT = ", "Hs = ",  "Ho = ",  "GHA = ", "DEC = ",  "SD = ",
                            "PA = ", "LHA = ", "Hc  = ", "AZM = ", "Doff = ", "Roff = "};
    for (const std::size_t head : {1u, 16u}) {
        const std::vector<std::size_t> ends = columnEnds(lines[head]);
        ASSERT_EQ(ends.size(), head == 1 ? 6u : 2u);
        EXPECT_EQ(lines[head + 1], " ");
        for (std::size_t r = 0; r < 12; ++r) {
            const std::string& row = lines[head + 2 + r];
            EXPECT_EQ(row.rfind(labels[r], 0), 0u) << row;
            EXPECT_EQ(columnEnds(row), ends) << row;
        }
    }
    // GHA of sight 7: 20 - 60 + 120 x 6 / 7 = 62.857142..., shown 62.857.
    EXPECT_NE(lines[16 + 2 + 3].find(" 62.857 "), std::string::npos) << lines[21];
    // The detailed output is in a fixed-pitch font; HELP goes back to the
    // window's own.
    EXPECT_TRUE(QFontInfo(f.List1.widget()->font()).fixedPitch());
    const QFont fixed = f.List1.widget()->font();
    main.menuHelp.click();
    EXPECT_NE(f.List1.widget()->font(), fixed);
    EXPECT_TRUE(env.messages.calls.empty());
}

// Four sights: one block of four columns, none for sights that do not exist.
TEST_F(ReportWindow, DetailedOutputOfFourSights) {
    reductionsession::reduceStarSights(app, env, 4);
    uitest::userClick(main.Command3);
    const Lines lines = listed(app.form4());
    ASSERT_EQ(lines.size(), 1u + 14 + 1 + 2);
    EXPECT_EQ(lines[1], "           Sight 1       Sight 2       Sight 3       Sight 4");
    for (std::size_t r = 3; r <= 14; ++r) {
        EXPECT_EQ(columnEnds(lines[r]).size(), 4u) << lines[r];
    }
    EXPECT_EQ(lines[15], " ");
    EXPECT_EQ(lines[16].rfind("Asum = ", 0), 0u);
    EXPECT_EQ(lines[17].rfind("Best Fix Latitude N ", 0), 0u) << lines[17];
    for (std::size_t k = 1; k < lines.size(); ++k) {
        EXPECT_EQ(lines[k], app.Reduction.DetailedOutputLines[k]) << k;
    }
}

// An open detailed output follows every reduction that succeeds, where it
// stands; a refused reduction leaves it, and neither a hidden report nor the
// help text is filled by a reduction.
TEST_F(ReportWindow, AnOpenDetailedOutputFollowsEachReduction) {
    const auto sightColumns = [](const Lines& lines) {
        std::vector<std::size_t> columns;
        for (std::size_t r = 3; r <= 14; ++r) {
            columns.push_back(columnEnds(lines[r]).size());
        }
        return columns;
    };
    const auto all = [](std::size_t n) { return std::vector<std::size_t>(12, n); };

    reductionsession::reduceStarSights(app, env, 4);
    uitest::userClick(main.Command3);
    Form4& f = app.form4();
    EXPECT_EQ(sightColumns(listed(f)), all(4));

    reductionsession::reduceStarSights(app, env, 5);
    const Lines five = listed(f);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(five[0], "  ");
    EXPECT_NE(five[1].find("Sight 5"), std::string::npos) << five[1];
    EXPECT_EQ(sightColumns(five), all(5));
    EXPECT_TRUE(f.List1.widget()->font().fixedPitch());

    // A refused reduction: nothing changes.
    env.log.clear();
    env.messages.expect("Course must be a number (use a point for decimals)");
    uitest::userType(main.Text8, "north");
    uitest::userClick(main.Command1);
    EXPECT_EQ(listed(f), five);

    // Hidden, it waits for "Detailed Output".
    uitest::userClick(f.Command2);
    reductionsession::reduceStarSights(app, env, 4);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(listed(f), five);
    uitest::userClick(main.Command3);
    EXPECT_EQ(sightColumns(listed(f)), all(4));

    // The help text stays the help text.
    main.menuHelp.click();
    reductionsession::reduceStarSights(app, env, 5);
    const Lines help = listed(f);
    ASSERT_EQ(help.size(), 1 + kHelpText.size());
    EXPECT_EQ(help[1], kHelpText[0]);
}

// "PRINT" of the detailed output prints every line as text in the list's
// fixed-pitch font, also the lines not scrolled into view; HELP prints the
// window's image.
TEST_F(ReportWindow, PrintOfTheDetailedOutputPrintsEveryLineAsText) {
    reductionsession::reduceStarSights(app, env, 8);
    uitest::userClick(main.Command3);
    Form4& f = app.form4();
    env.printer.expectPrint();
    uitest::userClick(f.Command1);
    ASSERT_EQ(env.printer.texts.size(), 1u);
    EXPECT_TRUE(env.printer.images.empty());
    EXPECT_EQ(env.printer.texts[0], listed(f));
    EXPECT_EQ(env.printer.texts[0].size(), 33u);
    EXPECT_TRUE(QFontInfo(env.printer.fonts[0]).fixedPitch());
    EXPECT_EQ(env.log.back(), "print text Help & Info");

    // A failed print leaves the window as it was.
    env.printer.expectPrint(false);
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.List1.count(), 33);
    EXPECT_TRUE(f.isVisible());

    main.menuHelp.click();
    env.printer.expectPrint();
    uitest::userClick(f.Command1);
    EXPECT_EQ(env.printer.images.size(), 1u);
    EXPECT_EQ(env.printer.texts.size(), 2u);
    EXPECT_EQ(env.log.back(), "print Help & Info");
}

}  // namespace
