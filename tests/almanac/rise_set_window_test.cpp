// The rise/set window through its real controls: its fields at start, the
// position read with the sign of the options alone, the Sun's and the Moon's
// lines and messages, "Now" with its UT date, hiding, and the main window's
// menu item that shows it with the settings' Delta T.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "almanac/almanac.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "platform/numtext.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using almanac::Form13;
using almanac::RiseSetInput;

class RiseSetWindowTest : public ::testing::Test {
  protected:
    Form13& form() { return app.form13(); }

    void typeDate(const char* year, const char* month, const char* day) {
        Form13& f = form();
        uitest::userType(f.Text1, year);
        uitest::userType(f.Text2, month);
        uitest::userType(f.Text3, day);
    }

    // Degrees and minutes as typed, the sides by their options.
    void typePosition(const std::string& latDeg, const std::string& latMin, bool south,
                      const std::string& lonDeg, const std::string& lonMin, bool west) {
        Form13& f = form();
        uitest::userType(f.Text113, latDeg);
        uitest::userType(f.Text8, latMin);
        uitest::userType(f.Text114, lonDeg);
        uitest::userType(f.Text7, lonMin);
        uitest::userClick(south ? f.Option2 : f.Option1);
        uitest::userClick(west ? f.Option3 : f.Option4);
    }

    void expectLines(const RiseSetInput& in) {
        Form13& f = form();
        const almanac::RiseSetResult sun = almanac::sunRiseSet(in);
        const almanac::RiseSetResult moon = almanac::moonRiseSet(in);
        EXPECT_EQ(f.Label23.caption(), " " + almanac::sunRiseSetLine(sun));
        EXPECT_EQ(f.Label15.caption(), sun.Message);
        EXPECT_EQ(f.Label24.caption(), " " + almanac::moonRiseSetLine(moon));
        EXPECT_EQ(f.Label4.caption(), moon.Message);
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(RiseSetWindowTest, AtLoad) {
    Form13& f = form();
    EXPECT_EQ(f.caption(), "Sun/Moon Rise, Set, and Meridian Passage Times");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.Option1.value());
    EXPECT_FALSE(f.Option2.value());
    EXPECT_TRUE(f.Option3.value());
    EXPECT_FALSE(f.Option4.value());
    EXPECT_EQ(f.Text11.text(), "67.0");
    for (platform::ui::Label* label : {&f.Label23, &f.Label15, &f.Label24, &f.Label4}) {
        EXPECT_EQ(label->caption(), "");
    }
    EXPECT_EQ(f.Command1.caption(),
              "Click here to Calculate Rise and Set Times for the Sun and Moon");
    EXPECT_EQ(f.Label25.caption(), "P after UT = prevoius UT day, N after UT = next UT day");
    EXPECT_EQ(f.Frame1.caption(), "UT Date and Time");
    EXPECT_EQ(f.Frame3.caption(), "Lat N or S");
    EXPECT_EQ(f.Frame2.caption(), "Lon E or W");
}

TEST_F(RiseSetWindowTest, PositionTakesItsSignFromTheOptionsAlone) {
    Form13& f = form();
    typeDate("2024", "3", "20");
    uitest::userType(f.Text11, "69");
    struct Case {
        const char* latDeg;
        const char* latMin;
        bool south;
        const char* lonDeg;
        const char* lonMin;
        bool west;
        double lat, lon;
    };
    const Case cases[] = {
        {"40", "30", true, "70", "15", true, -40.5, -70.25},
        {"-40", "", false, "-70", "-15", false, 40, 70.25},
        {"12", "-30", false, "150", "0", false, 12.5, 150},
    };
    for (const Case& c : cases) {
        typePosition(c.latDeg, c.latMin, c.south, c.lonDeg, c.lonMin, c.west);
        uitest::userClick(f.Command1);
        SCOPED_TRACE(c.lat);
        expectLines({2024, 3, 20, c.lat, c.lon, 69});
    }
}

TEST_F(RiseSetWindowTest, LinesStartWithABlankAndFlagsFollowUT) {
    // Sydney in June: the sunrise lies on the UT day before.
    Form13& f = form();
    typeDate("2024", "6", "15");
    typePosition("33", "52", true, "151", "13", false);
    uitest::userClick(f.Command1);
    const std::string sun = f.Label23.caption();
    EXPECT_EQ(sun.substr(0, 9), " Sunrise ");
    EXPECT_NE(sun.find(" UT P  Sunset "), std::string::npos) << sun;
    EXPECT_NE(sun.find(" UT   LAN "), std::string::npos) << sun;
    EXPECT_EQ(f.Label24.caption().substr(0, 10), " Moonrise ");
    EXPECT_EQ(f.Label15.caption(), "");
}

TEST_F(RiseSetWindowTest, PolarDayShowsTheSunsMessage) {
    Form13& f = form();
    typeDate("2024", "6", "21");
    uitest::userType(f.Text113, "80");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label15.caption(), "Sun always above horizon");
    EXPECT_EQ(f.Label23.caption().substr(0, 29), " Sunrise ---  Sunset ---  LAN");
}

// A field the checks refuse: a "Warning!" naming it, and none of the four
// lines, not even those of the calculation before.
TEST_F(RiseSetWindowTest, ARefusedFieldSaysSoAndShowsNoLines) {
    Form13& f = form();
    struct Case {
        platform::ui::TextBox* box;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {&f.Text1, "", "Year must be 1000 to 3000"},
        {&f.Text1, "1" + std::string(20, '0'), "Year must be 1000 to 3000"},
        {&f.Text2, "0", "Month must be 1 to 12"},
        {&f.Text3, "30", "UT Day must be 1 to 29"},
        {&f.Text113, "95", "DR Latitude must be between 0 and 90 degrees"},
        {&f.Text113, "90", "DR Latitude must be between 0 and 90 degrees"},  // 90 deg 0.5'
        {&f.Text8, "60.5", "DR Latitude minutes must be 0 to below 60"},
        {&f.Text8, "-60", "DR Latitude minutes must be 0 to below 60"},  // the sign is ignored
        {&f.Text113, std::string(300, '9'), "DR Latitude must be between 0 and 90 degrees"},
        {&f.Text114, "180", "DR Longitude must be between 0 and 180 degrees"},  // 180 deg 0.5'
        {&f.Text114, "200", "DR Longitude must be between 0 and 180 degrees"},
        {&f.Text7, "75", "DR Longitude minutes must be 0 to below 60"},  // 10 deg 75'
        {&f.Text7, "60", "DR Longitude minutes must be 0 to below 60"},
        {&f.Text11, "1" + std::string(300, '0'), "Delta T must be -100 to 1000 seconds"},
        // Every box a number as a whole text.
        {&f.Text1, "2024abc", "Year must be a number (use a point for decimals)"},
        {&f.Text2, "two", "Month must be a number (use a point for decimals)"},
        {&f.Text3, "2,9", "UT Day must be a number (use a point for decimals)"},
        {&f.Text113, "89.0.0", "DR Latitude must be a number (use a point for decimals)"},
        {&f.Text8, "0,5", "DR Latitude minutes must be a number (use a point for decimals)"},
        {&f.Text114, "1e2", "DR Longitude must be a number (use a point for decimals)"},
        {&f.Text7, "o", "DR Longitude minutes must be a number (use a point for decimals)"},
        {&f.Text11, "69s", "Delta T must be a number (use a point for decimals)"},
    };
    int beeps = 0;
    for (const Case& c : cases) {
        typeDate("2024", "2", "29");
        typePosition("89", "0.5", true, "10", "0.5", false);
        uitest::userType(f.Text11, "69");
        uitest::userClick(f.Command1);
        ASSERT_NE(f.Label23.caption(), "");
        uitest::userType(*c.box, c.text);
        env.messages.expect(c.message);
        uitest::userClick(f.Command1);
        EXPECT_EQ(env.messages.beeps, ++beeps) << c.message;
        EXPECT_EQ(env.messages.calls.back().title, "Warning!");
        for (platform::ui::Label* label : {&f.Label23, &f.Label15, &f.Label24, &f.Label4}) {
            EXPECT_EQ(label->caption(), "") << c.message;
        }
    }
}

// "Now" writes the UT date as a calendar date, carried both ways.
TEST_F(RiseSetWindowTest, NowWritesTheUTDate) {
    Form13& f = form();
    struct Case {
        platform::ui::LocalDateTime clock;
        const char* zone;
        const char* year;
        const char* month;
        const char* day;
    };
    const Case cases[] = {
        {{2024, 1, 31, 21, 30, 0, 0}, "5", "2024", "2", "1"},
        {{2024, 6, 15, 1, 30, 0, 0}, "-3", "2024", "6", "14"},
        {{2024, 6, 1, 2, 59, 59, 0}, "-3", "2024", "5", "31"},
        {{2024, 6, 1, 3, 0, 0, 0}, "-3", "2024", "6", "1"},
        // 00:10 UT on 1 March, not "2024-3-0".
        {{2024, 3, 1, 5, 40, 0, 0}, "-5.5", "2024", "3", "1"},
        {{2024, 3, 1, 5, 20, 0, 0}, "-5.5", "2024", "2", "29"},
        {{2023, 12, 31, 19, 0, 0, 0}, "5", "2024", "1", "1"},
    };
    for (const Case& c : cases) {
        env.clock.time = c.clock;
        app.form7().Text2.setText(c.zone);
        uitest::userClick(f.Command4);
        EXPECT_EQ(f.Text1.text(), c.year);
        EXPECT_EQ(f.Text2.text(), c.month);
        EXPECT_EQ(f.Text3.text(), c.day) << c.clock.day << " " << c.clock.hour << " " << c.zone;
    }
}

// The times show rounded to the second: on 2024 March 2 at 40 30' N 70 W the
// sunrise falls 0.585 s past a whole second, which the cut showed one
// second early.
TEST_F(RiseSetWindowTest, TimesShowRoundedToTheSecond) {
    Form13& f = form();
    // The first day of March 2024 whose sunrise lies in the upper half of its second.
    int day = 1;
    almanac::RiseSetResult sun = almanac::sunRiseSet({2024, 3, 1, 40.5, -70, 69});
    while (sun.Rise * 3600 - std::floor(sun.Rise * 3600) < 0.5 && day < 31) {
        ++day;
        sun = almanac::sunRiseSet({2024, 3, static_cast<double>(day), 40.5, -70, 69});
    }
    typeDate("2024", "3", std::to_string(day).c_str());
    typePosition("40", "30", false, "70", "0", true);
    uitest::userType(f.Text11, "69");
    uitest::userClick(f.Command1);
    const double seconds = sun.Rise * 3600;
    ASSERT_GE(seconds - std::floor(seconds), 0.5);
    const double shown = std::floor(seconds + 0.5);
    const auto two = [](double x) { return (x < 10 ? "0" : "") + platform::generalText(x); };
    const std::string rise = two(std::floor(shown / 3600)) + ":" +
                             two(std::floor(std::fmod(shown, 3600) / 60)) + ":" +
                             two(std::fmod(shown, 60));
    EXPECT_EQ(f.Label23.caption().substr(0, 29), " Sunrise " + rise + " UT   Sunset")
        << f.Label23.caption();
}

// The largest position the checks let through, and empty minutes read 0.
TEST_F(RiseSetWindowTest, TheEdgesOfThePositionStillCompute) {
    Form13& f = form();
    typeDate("2024", "3", "20");
    uitest::userType(f.Text11, "69");
    struct Case {
        const char* latDeg;
        const char* latMin;
        const char* lonDeg;
        const char* lonMin;
        double lat, lon;
    };
    const Case cases[] = {
        {"90", "", "180", "", 90, 180},
        {"89", "59.99", "179", "59.99", 89 + 59.99 / 60, 179 + 59.99 / 60},
        {"", "", "", "", 0, 0},
    };
    for (const Case& c : cases) {
        typePosition(c.latDeg, c.latMin, false, c.lonDeg, c.lonMin, false);
        uitest::userClick(f.Command1);
        EXPECT_NE(f.Label23.caption(), "") << c.lat;
        SCOPED_TRACE(c.lat);
        expectLines({2024, 3, 20, c.lat, c.lon, 69});
    }
    EXPECT_EQ(env.messages.beeps, 0);
}

TEST_F(RiseSetWindowTest, MenuShowsTheWindowWithTheSettingsDeltaTAndCloseKeepsTheFields) {
    app::Form1& main = app.form1();
    app.form7().Text1.setText("69.2");
    main.menuRiseSet.click();
    Form13& f = form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text11.text(), "69.2");
    uitest::userType(f.Text11, "40");
    typeDate("1970", "7", "4");
    uitest::userClick(f.Command2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Text1.text(), "1970");
    EXPECT_EQ(f.Text11.text(), "40");
    main.menuRiseSet.click();
    EXPECT_EQ(&app.form13(), &f);
    EXPECT_EQ(f.Text11.text(), "69.2");
    EXPECT_EQ(f.Text3.text(), "4");
}

TEST_F(RiseSetWindowTest, DeltaTServesTheNextCalculation) {
    Form13& f = form();
    typeDate("1900", "1", "1");
    uitest::userType(f.Text113, "45");
    uitest::userType(f.Text11, "0");
    uitest::userClick(f.Command1);
    expectLines({1900, 1, 1, 45, -0.0, 0});
    uitest::userType(f.Text11, "900");
    uitest::userClick(f.Command1);
    expectLines({1900, 1, 1, 45, -0.0, 900});
}

}  // namespace
