// "Preload other forms with data" through the real main window: every field
// it writes in the planner, the almanac, the rise/set and the lunar windows,
// the fields it leaves alone, its warnings, and that it shows no window.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "lunar/lunar_window.h"
#include "planner/planner_window.h"
#include "platform/ui/controls.h"
#include "platform/ui/picture.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using platform::ui::OptionButton;
using platform::ui::TextBox;

class PreloadWindowTest : public ::testing::Test {
  protected:
    // Last fix 10 00' N 20 00' W at 12:00 UT on 14 May 2025, new fix at
    // 18:30 the same day, course 90, speed 10; settings off their defaults.
    void typeLeg() {
        app::Form1& f = app.form1();
        uitest::userType(f.Text8, "90");
        uitest::userType(f.Text2, "10");
        uitest::userType(f.Text113, "10");
        uitest::userType(f.Text6, "0");
        uitest::userClick(f.Option1);
        uitest::userType(f.Text114, "20");
        uitest::userType(f.Text7, "0");
        uitest::userClick(f.Option3);
        uitest::userType(f.Text9, "12");
        uitest::userType(f.Text111, "0");
        uitest::userType(f.Text10, "14");
        uitest::userType(f.Text14, "5");
        uitest::userType(f.Text15, "2025");
        uitest::userType(f.Text12, "18");
        uitest::userType(f.Text11, "0");
        uitest::userType(f.Text13, "14");
        uitest::userType(f.Text16, "5");
        uitest::userType(f.Text17, "2025");
        app::Form7& s = app.form7();
        uitest::userType(s.Text1, "69.1");
        s.Text2.setText("-2");  // set by the planner's settings, not typed
        uitest::userType(s.Text4, "24");
        uitest::userType(s.Text5, "1021");
    }

    bool anyToolWindowExists() const {
        return app.existingWindow<planner::Form11>() || app.existingWindow<almanac::Form12>() ||
               app.existingWindow<almanac::Form13>() || app.existingWindow<lunar::Form8>();
    }

    static void expectTexts(const std::vector<std::pair<const TextBox*, std::string>>& fields,
                            const char* window) {
        for (const auto& [box, text] : fields) {
            EXPECT_EQ(box->text(), text) << window;
        }
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(PreloadWindowTest, WritesEveryFieldAndShowsNoWindow) {
    typeLeg();
    ASSERT_FALSE(anyToolWindowExists());
    uitest::userClick(app.form1().Command7);
    EXPECT_TRUE(env.log.empty());

    // The dead reckoning: 60 n.mi. east, 10 00' N 18 59' W.
    planner::Form11& planner = app.form11();
    expectTexts({{&planner.Text1, "2025"},
                 {&planner.Text2, "5"},
                 {&planner.Text3, "14"},
                 {&planner.Text4, "18"},
                 {&planner.Text5, "0"},
                 {&planner.Text8, "69.1"},
                 {&planner.Text113, "10"},
                 {&planner.Text6, "0"},
                 {&planner.Text114, "18"},
                 {&planner.Text7, "59"}},
                "planner");
    EXPECT_TRUE(planner.Option1.value());
    EXPECT_TRUE(planner.Option3.value());
    EXPECT_FALSE(planner.Option2.value() || planner.Option4.value());

    almanac::Form12& almanac = app.form12();
    expectTexts({{&almanac.Text1, "2025"},
                 {&almanac.Text2, "5"},
                 {&almanac.Text3, "14"},
                 {&almanac.Text4, "18"},
                 {&almanac.Text5, "0"},
                 {&almanac.Text11, "69.1"}},
                "almanac");

    almanac::Form13& riseSet = app.form13();
    expectTexts({{&riseSet.Text1, "2025"},
                 {&riseSet.Text2, "5"},
                 {&riseSet.Text3, "14"},
                 {&riseSet.Text11, "69.1"},
                 {&riseSet.Text113, "10"},
                 {&riseSet.Text8, "0"},
                 {&riseSet.Text114, "18"},
                 {&riseSet.Text7, "59"}},
                "rise/set");
    EXPECT_TRUE(riseSet.Option1.value());
    EXPECT_TRUE(riseSet.Option3.value());
    EXPECT_FALSE(riseSet.Option2.value() || riseSet.Option4.value());

    lunar::Form8& lunar = app.form8();
    expectTexts({{&lunar.Text15, "2025"},
                 {&lunar.Text14, "5"},
                 {&lunar.Text13, "14"},
                 {&lunar.Text12, "18"},
                 {&lunar.Text11, "69.1"},
                 {&lunar.Text10, "-2"},
                 {&lunar.Text4, "24"},
                 {&lunar.Text5, "1021"},
                 {&lunar.Text113, "10"},
                 {&lunar.Text6, "0"},
                 {&lunar.Text114, "18"},
                 {&lunar.Text7, "59"},
                 // The new fix minute, second 0.
                 {&lunar.Text17, "0"},
                 {&lunar.Text8, "0"}},
                "lunar");
    EXPECT_TRUE(lunar.Option1.value());
    EXPECT_TRUE(lunar.Option3.value());
    EXPECT_FALSE(lunar.Option2.value() || lunar.Option4.value());
    // The lunar window's start-up ran first: its list is filled.
    EXPECT_EQ(lunar.List1.count(), 63);

    for (const QWidget* w : {static_cast<QWidget*>(&planner), static_cast<QWidget*>(&almanac),
                             static_cast<QWidget*>(&riseSet), static_cast<QWidget*>(&lunar)}) {
        EXPECT_FALSE(w->isVisible());
    }
}

TEST_F(PreloadWindowTest, KeepsTheSecondsAndClearsTheAlmanacPrintout) {
    typeLeg();
    almanac::Form12& almanac = app.form12();
    planner::Form11& planner = app.form11();
    for (auto [box, text] : {std::pair{&almanac.Text1, "2024"},
                             {&almanac.Text2, "6"},
                             {&almanac.Text3, "15"},
                             {&almanac.Text4, "14"},
                             {&almanac.Text5, "23"},
                             {&almanac.Text6, "42"}}) {
        box->setText(text);
    }
    planner.Text11.setText("17");
    almanac.List1.setSelectedIndex(0);
    ASSERT_FALSE(almanac.Picture1.displayList().empty());
    app.form1().Command7.click();
    EXPECT_EQ(almanac.Text6.text(), "42");
    EXPECT_EQ(planner.Text11.text(), "17");
    EXPECT_EQ(almanac.List1.selectedIndex(), -1);
    bool printed = false;
    for (const platform::ui::DrawItem& item : almanac.Picture1.displayList()) {
        printed = printed || item.kind == platform::ui::DrawItem::Kind::Text;
    }
    EXPECT_FALSE(printed);
}

TEST_F(PreloadWindowTest, TheLunarWindowGetsTheWholeNewFixTime) {
    // The lunar window at 20:02:17 of another day; the new fix at 20:40.
    lunar::Form8& lunar = app.form8();
    lunar.Text12.setText("20");
    lunar.Text17.setText("2");
    lunar.Text8.setText("17");
    typeLeg();
    uitest::userType(app.form1().Text12, "20");
    uitest::userType(app.form1().Text11, "40");
    app.form1().Command7.click();
    EXPECT_EQ(lunar.Text12.text(), "20");
    EXPECT_EQ(lunar.Text17.text(), "40");
    EXPECT_EQ(lunar.Text8.text(), "0");
}

TEST_F(PreloadWindowTest, TheDeadReckoningsOwnSides) {
    struct Case {
        const char* what;
        void (*change)(app::Form1&);
        std::string latDeg, latMin, lonDeg, lonMin;
        bool north, east;
    };
    const Case cases[] = {
        // 179 50' E and 20' more is 179 50' W.
        {"past 180",
         [](app::Form1& f) {
             f.Text113.setText("0");
             f.Text114.setText("179");
             f.Text7.setText("50");
             f.Option4.setValue(true);
             f.Text12.setText("14");
         },
         "0", "0", "179", "50", true, false},
        // Speed 0 keeps 12 06' S 64 12' W to the minute.
        {"whole minutes",
         [](app::Form1& f) {
             f.Text2.setText("0");
             f.Text113.setText("12");
             f.Text6.setText("6");
             f.Option2.setValue(true);
             f.Text114.setText("64");
             f.Text7.setText("12");
         },
         "12", "6", "64", "12", false, false},
        // From 0 10' S 0 10' W north-east across both.
        {"crossing both",
         [](app::Form1& f) {
             f.Text113.setText("0");
             f.Text6.setText("10");
             f.Option2.setValue(true);
             f.Text114.setText("0");
             f.Text7.setText("10");
             f.Text8.setText("45");
             f.Text12.setText("14");
         },
         "0", "4", "0", "4", true, true},
    };
    for (const Case& c : cases) {
        typeLeg();
        c.change(app.form1());
        app.form1().Command7.click();
        planner::Form11& planner = app.form11();
        almanac::Form13& riseSet = app.form13();
        lunar::Form8& lunar = app.form8();
        expectTexts({{&planner.Text113, c.latDeg},
                     {&planner.Text6, c.latMin},
                     {&planner.Text114, c.lonDeg},
                     {&planner.Text7, c.lonMin},
                     {&riseSet.Text113, c.latDeg},
                     {&riseSet.Text8, c.latMin},
                     {&riseSet.Text114, c.lonDeg},
                     {&riseSet.Text7, c.lonMin},
                     {&lunar.Text113, c.latDeg},
                     {&lunar.Text6, c.latMin},
                     {&lunar.Text114, c.lonDeg},
                     {&lunar.Text7, c.lonMin}},
                    c.what);
        for (const auto& [north, south, east, west] :
             std::vector<std::tuple<OptionButton*, OptionButton*, OptionButton*, OptionButton*>>{
                 {&planner.Option1, &planner.Option2, &planner.Option4, &planner.Option3},
                 {&riseSet.Option1, &riseSet.Option2, &riseSet.Option4, &riseSet.Option3},
                 {&lunar.Option1, &lunar.Option2, &lunar.Option4, &lunar.Option3}}) {
            EXPECT_EQ(north->value(), c.north) << c.what;
            EXPECT_EQ(south->value(), !c.north) << c.what;
            EXPECT_EQ(east->value(), c.east) << c.what;
            EXPECT_EQ(west->value(), !c.east) << c.what;
        }
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(PreloadWindowTest, WarningsChangeNothing) {
    struct Case {
        void (*change)(app::Form1&);
        const char* message;
    };
    const Case cases[] = {
        {[](app::Form1& f) { f.Text9.setText(""); }, "You forgot to enter a new fix time!"},
        {[](app::Form1& f) { f.Text12.setText(""); }, "You forgot to enter a new fix time!"},
        {[](app::Form1& f) { f.Text113.setText(""); },
         "You need to have an existing Lat-Lon position!"},
        {[](app::Form1& f) { f.Text114.setText(""); },
         "You need to have an existing Lat-Lon position!"},
        {[](app::Form1& f) { f.Text16.setText("May"); },
         "New fix month must be a number (use a point for decimals)"},
        {[](app::Form1& f) { f.Text16.setText("13"); }, "New fix month must be 1 to 12"},
        // Every box the dead reckoning reads, as a whole text, then its range.
        {[](app::Form1& f) { f.Text2.setText("abc"); },
         "Speed must be a number (use a point for decimals)"},
        {[](app::Form1& f) { f.Text8.setText("2,75"); },
         "Course must be a number (use a point for decimals)"},
        {[](app::Form1& f) { f.Text6.setText("12abc"); },
         "Last fix latitude minutes must be a number (use a point for decimals)"},
        {[](app::Form1& f) { f.Text114.setText("1e3"); },
         "Last fix longitude degrees must be a number (use a point for decimals)"},
        {[](app::Form1& f) { f.Text11.setText("1.2.3"); },
         "New fix minutes must be a number (use a point for decimals)"},
        {[](app::Form1& f) { f.Text8.setText("360.5"); }, "Course must be 0 to 360 degrees"},
        {[](app::Form1& f) { f.Text2.setText("-3"); }, "Speed must not be negative"},
        {[](app::Form1& f) { f.Text7.setText("75"); },
         "Last fix longitude minutes must be 0 to below 60"},
        {[](app::Form1& f) { f.Text114.setText("200"); },
         "Last fix longitude must be between 0 and 180 degrees"},
        {[](app::Form1& f) {
             f.Text114.setText("180");
             f.Text7.setText("1");
         },
         "Last fix longitude must be between 0 and 180 degrees"},
        {[](app::Form1& f) { f.Text15.setText(""); }, "Last fix year must be 1000 to 3000"},
        {[](app::Form1& f) { f.Text113.setText("95"); },
         "Last fix latitude must be between 0 and 90 degrees"},
        {[](app::Form1& f) { f.Text9.setText("24"); }, "Last fix hour must be 0 to below 24"},
    };
    for (const Case& c : cases) {
        typeLeg();
        c.change(app.form1());
        env.messages.expect(c.message);
        const int beeps = env.messages.beeps;
        app.form1().Command7.click();
        EXPECT_EQ(env.messages.beeps, beeps + 1) << c.message;
        ASSERT_FALSE(env.messages.calls.empty());
        EXPECT_EQ(env.messages.calls.back().title, "Warning!");
        // No window was created, none was written.
        EXPECT_FALSE(anyToolWindowExists()) << c.message;
    }
    // Once the windows exist, a warning leaves their fields as they were.
    typeLeg();
    app.form1().Command7.click();
    app.form1().Text9.setText("");
    app.form1().Text12.setText("3");
    env.messages.expect("You forgot to enter a new fix time!");
    app.form1().Command7.click();
    EXPECT_EQ(app.form11().Text4.text(), "18");
    EXPECT_EQ(app.form8().Text12.text(), "18");
}

}  // namespace
