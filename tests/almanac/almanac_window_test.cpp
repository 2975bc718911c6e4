// The perpetual almanac window through its real controls: the body list, the
// printouts of a click, the changes that clear them, "Now", printing, hiding,
// and the main window's menu item that shows it with the settings' Delta T.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/almanac.h"
#include "almanac/almanac_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "platform/print_items.h"
#include "tests/almanac/picture_lines.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using almanac::Form12;
using platform::ui::Picture;
using Lines = std::vector<std::string>;

using almanactest::printed;
using almanactest::texts;

class AlmanacWindowTest : public ::testing::Test {
  protected:
    Form12& form() { return app.form12(); }

    // 2024 June 15, 14:23:17 UT, Delta T 69.2 s.
    void typeInstant() {
        Form12& f = form();
        uitest::userType(f.Text1, "2024");
        uitest::userType(f.Text2, "6");
        uitest::userType(f.Text3, "15");
        uitest::userType(f.Text4, "14");
        uitest::userType(f.Text5, "23");
        uitest::userType(f.Text6, "17");
        uitest::userType(f.Text11, "69.2");
    }

    almanac::AlmanacPrintout expected(int index) {
        return almanac::perpetualAlmanac(almanactest::june15Request(index), app.Stars);
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(AlmanacWindowTest, AtLoad) {
    Form12& f = form();
    EXPECT_EQ(f.caption(), "Perpetual Sun, Moon, Star, Planet Almanac");
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(f.List1.count(), 64);
    const Lines first{"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(f.List1.item(i), first[i]);
    }
    for (int StarNumber = 1; StarNumber <= 58; ++StarNumber) {
        EXPECT_EQ(f.List1.item(StarNumber + 5), app.Stars.StarNames[StarNumber]);
    }
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    for (platform::ui::TextBox* box :
         {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6}) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_EQ(f.Text11.text(), "68.0");
    EXPECT_EQ(f.Frame1.caption(), "Date and Time");
    EXPECT_EQ(f.Command4.caption(), "Now");
    EXPECT_EQ(f.Command5.caption(), "Print");
    EXPECT_EQ(f.Command2.caption(), "CLOSE");
    EXPECT_TRUE(f.Picture1.displayList().empty());
    EXPECT_TRUE(f.Picture2.displayList().empty());
}

TEST_F(AlmanacWindowTest, AClickPrintsTheBodyAndTheInstant) {
    Form12& f = form();
    typeInstant();
    for (int row : {0, 1, 3, 5, 6, 63}) {
        uitest::userClickRow(f.List1, row);
        EXPECT_EQ(printed(f.Picture1), texts(expected(row).BodyBlock)) << row;
        EXPECT_EQ(printed(f.Picture2), texts(expected(row).TimeBlock)) << row;
    }
    // The time block's Julian days sit at the next print zone.
    const Lines time = printed(f.Picture2);
    ASSERT_EQ(time.size(), 5u);
    EXPECT_EQ(time[0].substr(0, 22), "Julian Day           \t");
}

TEST_F(AlmanacWindowTest, EveryDateOrTimeChangeClearsBothPicturesAndThePick) {
    Form12& f = form();
    typeInstant();
    for (platform::ui::TextBox* box :
         {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6}) {
        uitest::userClickRow(f.List1, 1);
        ASSERT_FALSE(printed(f.Picture1).empty());
        ASSERT_FALSE(printed(f.Picture2).empty());
        uitest::userAppend(*box, "1");
        EXPECT_EQ(f.List1.selectedIndex(), -1);
        // Cleared, and nothing printed again afterwards.
        EXPECT_TRUE(f.Picture1.displayList().empty());
        EXPECT_TRUE(f.Picture2.displayList().empty());
    }
}

TEST_F(AlmanacWindowTest, DeltaTChangeClearsNothingAndServesTheNextClick) {
    Form12& f = form();
    typeInstant();
    uitest::userClickRow(f.List1, 0);
    const Lines before = printed(f.Picture2);
    uitest::userType(f.Text11, "0");
    EXPECT_EQ(printed(f.Picture2), before);
    EXPECT_EQ(f.List1.selectedIndex(), 0);
    uitest::userClickRow(f.List1, 2);
    EXPECT_EQ(printed(f.Picture2)[1], "Julian Day Ephemeris\t" + printed(f.Picture2)[0].substr(22));
}

TEST_F(AlmanacWindowTest, ClickWithNothingPickedPrintsTheTimeBlockOnly) {
    Form12& f = form();
    typeInstant();
    f.List1_Click();
    EXPECT_TRUE(printed(f.Picture1).empty());
    EXPECT_EQ(printed(f.Picture2), texts(expected(-1).TimeBlock));
}

TEST_F(AlmanacWindowTest, NowWritesTheClockUTAndLeavesNothingPrinted) {
    Form12& f = form();
    typeInstant();
    uitest::userClickRow(f.List1, 0);
    env.clock.time = {2024, 1, 31, 21, 30, 10, 0};
    app.form7().Text2.setText("5");
    uitest::userClick(f.Command4);
    // Zone 5 at 21:30:10 local on 31 January: day 32, hour 2 (no month carry).
    EXPECT_EQ(f.Text1.text(), "2024");
    EXPECT_EQ(f.Text2.text(), "1");
    EXPECT_EQ(f.Text3.text(), "32");
    EXPECT_EQ(f.Text4.text(), "2");
    EXPECT_EQ(f.Text5.text(), "30");
    EXPECT_EQ(f.Text6.text(), "10");
    EXPECT_EQ(env.clock.reads, 1);
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    EXPECT_TRUE(f.Picture1.displayList().empty());
    EXPECT_TRUE(f.Picture2.displayList().empty());

    // East of Greenwich early in the local day the hour is negative; the
    // instant is still right (the day before at 22:30).
    env.clock.time = {2024, 6, 15, 1, 30, 0, 0};
    app.form7().Text2.setText("-3");
    uitest::userClick(f.Command4);
    EXPECT_EQ(f.Text3.text(), "15");
    EXPECT_EQ(f.Text4.text(), "-2");
}

TEST_F(AlmanacWindowTest, MenuShowsTheWindowWithTheSettingsDeltaTEachTime) {
    app::Form1& main = app.form1();
    app.form7().Text1.setText("69.2");
    main.menuAlmanac.click();
    Form12& f = form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text11.text(), "69.2");
    uitest::userType(f.Text11, "33");
    main.menuAlmanac.click();
    EXPECT_EQ(f.Text11.text(), "69.2");
}

TEST_F(AlmanacWindowTest, CloseHidesAndKeepsTheFields) {
    app.form1().menuAlmanac.click();
    Form12& f = form();
    typeInstant();
    uitest::userClickRow(f.List1, 4);
    uitest::userClick(f.Command2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(&app.form12(), &f);
    EXPECT_EQ(f.Text1.text(), "2024");
    EXPECT_EQ(f.Text11.text(), "69.2");
    EXPECT_EQ(f.List1.selectedIndex(), 4);
    EXPECT_EQ(printed(f.Picture1), texts(expected(4).BodyBlock));
}

TEST_F(AlmanacWindowTest, PrintSendsTheWindowToThePrinter) {
    app.form1().menuAlmanac.click();
    Form12& f = form();
    typeInstant();
    uitest::userClickRow(f.List1, 0);
    env.printer.expectPrint();
    uitest::userClick(f.Command5);
    ASSERT_EQ(env.printer.images.size(), 1u);
    EXPECT_EQ(env.printer.jobs[0], "Perpetual Sun, Moon, Star, Planet Almanac");
    EXPECT_FALSE(env.printer.images[0].isNull());
}

TEST_F(AlmanacWindowTest, AbsurdFieldsNeverShowNonFiniteNumbers) {
    Form12& f = form();
    uitest::userType(f.Text1, std::string(400, '9'));
    for (int row : {0, 1, 2, 10}) {
        uitest::userClickRow(f.List1, row);
        for (const Picture* p : {&f.Picture1, &f.Picture2}) {
            for (const std::string& line : printed(*p)) {
                EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
                EXPECT_EQ(line.find("Infinity"), std::string::npos) << line;
            }
        }
    }
}

}  // namespace
