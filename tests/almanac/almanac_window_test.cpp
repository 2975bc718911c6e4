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
    for (platform::ui::TextBox* box :
         {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6}) {
        typeInstant();
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
    EXPECT_EQ(env.clock.reads, 1);
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    EXPECT_TRUE(f.Picture1.displayList().empty());
    EXPECT_TRUE(f.Picture2.displayList().empty());
}

// "Now" writes the UT instant as a calendar date and a time of day, carrying
// day, month and year both ways; a zone's fraction goes into the minutes.
TEST_F(AlmanacWindowTest, NowCarriesTheDateAcrossMidnightUT) {
    Form12& f = form();
    struct Case {
        const char* what;
        platform::ui::LocalDateTime clock;
        const char* zone;
        Lines ut;  // year, month, day, hour, minute, second
    };
    const Case cases[] = {
        {"into February", {2024, 1, 31, 21, 30, 10, 0}, "5", {"2024", "2", "1", "2", "30", "10"}},
        {"into the new year", {2023, 12, 31, 20, 0, 0, 0}, "5", {"2024", "1", "1", "1", "0", "0"}},
        {"onto the leap day",
         {2024, 2, 28, 22, 15, 0, 0},
         "3.5",
         {"2024", "2", "29", "1", "45", "0"}},
        {"05:40 at zone -5.5",
         {2024, 3, 1, 5, 40, 0, 0},
         "-5.5",
         {"2024", "3", "1", "0", "10", "0"}},
        {"back onto the leap day",
         {2024, 3, 1, 5, 20, 0, 0},
         "-5.5",
         {"2024", "2", "29", "23", "50", "0"}},
        {"back to 28 February",
         {2023, 3, 1, 2, 0, 0, 0},
         "-3",
         {"2023", "2", "28", "23", "0", "0"}},
        {"back into the old year",
         {2024, 1, 1, 3, 0, 0, 0},
         "-9.75",
         {"2023", "12", "31", "17", "15", "0"}},
        {"fraction into the minutes",
         {2024, 6, 15, 12, 0, 0, 0},
         "5.5",
         {"2024", "6", "15", "17", "30", "0"}},
        {"last second of the year",
         {2024, 12, 31, 23, 59, 59, 0},
         "0",
         {"2024", "12", "31", "23", "59", "59"}},
    };
    for (const Case& c : cases) {
        env.clock.time = c.clock;
        app.form7().Text2.setText(c.zone);
        uitest::userClick(f.Command4);
        EXPECT_EQ((Lines{f.Text1.text(), f.Text2.text(), f.Text3.text(), f.Text4.text(),
                         f.Text5.text(), f.Text6.text()}),
                  c.ut)
            << c.what;
    }
}

TEST_F(AlmanacWindowTest, NowWithAZoneBeyondAnyOnEarthSaysSoAndWritesNothing) {
    Form12& f = form();
    typeInstant();
    app.form7().Text2.setText("1" + std::string(300, '0'));  // 1e300
    // The settings' zone cannot be typed: the warning says where it is set.
    env.messages.expect(
        "The time zone of the settings must be -14 to 14 hours: set it in the sight planner "
        "and press \"Remember these settings as my default\"");
    uitest::userClick(f.Command4);
    EXPECT_EQ(env.messages.beeps, 1);
    EXPECT_EQ(env.messages.calls.at(0).title, "Warning!");
    EXPECT_EQ(f.Text1.text(), "2024");
    EXPECT_EQ(f.Text4.text(), "14");
}

// A picked body with a field the checks refuse: a "Warning!" naming the
// field, and neither printout, not even the one from before (Delta T clears
// nothing when it changes).
TEST_F(AlmanacWindowTest, ARefusedFieldSaysSoAndPrintsNothing) {
    Form12& f = form();
    struct Case {
        platform::ui::TextBox* box;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {&f.Text1, "", "Year must be 1000 to 3000"},
        // Too long for any number the program holds.
        {&f.Text1, std::string(400, '9'), "Year must be a number (use a point for decimals)"},
        {&f.Text2, "13", "Month must be 1 to 12"},
        {&f.Text3, "31", "Day must be 1 to 30"},
        {&f.Text4, "24", "UT hour must be 0 to below 24"},
        {&f.Text5, "-1", "UT minute must be 0 to below 60"},
        {&f.Text6, "60", "UT second must be 0 to below 60"},
        {&f.Text11, "1" + std::string(300, '0'), "Delta T must be -100 to 1000 seconds"},
        // Every box a number as a whole text.
        {&f.Text1, "abc", "Year must be a number (use a point for decimals)"},
        {&f.Text2, "6,5", "Month must be a number (use a point for decimals)"},
        {&f.Text3, "15abc", "Day must be a number (use a point for decimals)"},
        {&f.Text4, "1e1", "UT hour must be a number (use a point for decimals)"},
        {&f.Text5, "2.3.1", "UT minute must be a number (use a point for decimals)"},
        {&f.Text6, "- 17", "UT second must be a number (use a point for decimals)"},
        {&f.Text11, "69,2", "Delta T must be a number (use a point for decimals)"},
    };
    int beeps = 0;
    for (const Case& c : cases) {
        typeInstant();
        uitest::userClickRow(f.List1, 1);
        ASSERT_FALSE(printed(f.Picture1).empty());
        uitest::userType(*c.box, c.text);
        env.messages.expect(c.message);
        uitest::userClickRow(f.List1, 2);
        EXPECT_EQ(env.messages.beeps, ++beeps) << c.message;
        EXPECT_EQ(env.messages.calls.back().title, "Warning!");
        EXPECT_TRUE(f.Picture1.displayList().empty()) << c.message;
        EXPECT_TRUE(f.Picture2.displayList().empty()) << c.message;
    }
    // Put right, the same pick prints again.
    typeInstant();
    uitest::userClickRow(f.List1, 2);
    EXPECT_EQ(printed(f.Picture1), texts(expected(2).BodyBlock));
}

// Empty time boxes read 0 h 0 min 0 s; blanks around a number are no fault.
TEST_F(AlmanacWindowTest, EmptyTimeBoxesReadZeroAndBlanksAroundANumberPass) {
    Form12& f = form();
    typeInstant();
    uitest::userType(f.Text4, "");
    uitest::userType(f.Text5, " ");
    uitest::userType(f.Text6, "");
    uitest::userType(f.Text1, " 2024 ");
    uitest::userClickRow(f.List1, 0);
    almanac::AlmanacRequest midnight = almanactest::june15Request(0);
    midnight.Hour = 0;
    midnight.Minute = 0;
    midnight.Second = 0;
    EXPECT_EQ(printed(f.Picture1), texts(almanac::perpetualAlmanac(midnight, app.Stars).BodyBlock));
    EXPECT_EQ(env.messages.beeps, 0);
}

// The Moon at 1992 April 12, 0 h UT (Delta T 0) is 67.78 percent illuminated
// (the Moon's theory's worked value): the window shows 67.8, not the 67.7
// the cut showed.
TEST_F(AlmanacWindowTest, TheMoonsIlluminationShowsRounded) {
    Form12& f = form();
    uitest::userType(f.Text1, "1992");
    uitest::userType(f.Text2, "4");
    uitest::userType(f.Text3, "12");
    uitest::userType(f.Text4, "0");
    uitest::userType(f.Text5, "0");
    uitest::userType(f.Text6, "0");
    uitest::userType(f.Text11, "0");
    uitest::userClickRow(f.List1, 1);
    const Lines lines = printed(f.Picture1);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[10], " Illumination  67.8  %");
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

}  // namespace
