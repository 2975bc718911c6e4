// The settings window offscreen: the general settings that the sight entry
// window, the reduction and the data file read from its fields.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "planner/planner_window.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using app::Form7;
using platform::ui::TextBox;

class SettingsWindowTest : public ::testing::Test {
  protected:
    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(SettingsWindowTest, FieldsAtLoad) {
    Form7& f = app.form7();
    EXPECT_EQ(f.caption(), "Settings");
    EXPECT_FALSE(f.isVisible());

    // Field, design text, whether the navigator may type into it.
    const std::vector<std::tuple<TextBox*, std::string, bool>> fields = {
        {&f.Text1, "67.0", true},   // Delta T, seconds
        {&f.Text108, "0.0", true},  // chronometer correction, seconds
        {&f.Text2, platform::generalText(platform::computerZoneHours()), false},  // time zone
        {&f.Text4, "15", true},    // air temperature, deg C
        {&f.Text5, "1010", true},  // pressure, millibars
    };
    for (const auto& [box, text, editable] : fields) {
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->enabled(), editable) << text;
    }
    EXPECT_EQ(f.generalSettings(), reduction::GeneralSettings{});

    const std::vector<std::pair<platform::ui::Label*, std::string>> labels = {
        {&f.labelHeading, "General Settings"},
        {&f.labelWarning, "THIS MUST BE SET FIRST BEFORE ANY SIGHTINGS ARE RECORDED"},
        {&f.labelDeltaT, "DeltaT, seconds"},
        {&f.labelDeltaTNote, "Delta T, the difference between UTC and Ephemeris time, seconds"},
        {&f.labelChronometer, "Chronometer correction, seconds"},
        {&f.labelChronometerNote, "If watch is too fast, correction is negative"},
        {&f.labelTemperature, "Air Temperature, deg C"},
        {&f.labelPressure, "Barometric pressure, millibars"},
    };
    for (const auto& [label, text] : labels) {
        EXPECT_EQ(label->caption(), text);
    }
    const std::string zone = "Time zone difference from GMT, hrs (W is + difference)";
    EXPECT_EQ(f.labelTimeZone.caption().rfind(zone, 0), 0u) << f.labelTimeZone.caption();
    EXPECT_EQ(f.Command1.caption(), "Close Form");
    EXPECT_TRUE(f.Command1.enabled());

    // The window shows these texts and no others: the frames only group.
    std::vector<std::string> shown;
    for (const QLabel* label : f.clientArea()->findChildren<QLabel*>()) {
        shown.push_back(label->text().toStdString());
    }
    for (const QGroupBox* box : f.clientArea()->findChildren<QGroupBox*>()) {
        shown.push_back(box->title().toStdString());
    }
    for (const QPushButton* button : f.clientArea()->findChildren<QPushButton*>()) {
        shown.push_back(button->text().toStdString());
    }
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected = {"",
                                         "",
                                         "General Settings",
                                         "THIS MUST BE SET FIRST BEFORE ANY SIGHTINGS ARE RECORDED",
                                         "DeltaT, seconds",
                                         "Delta T, the difference between UTC and Ephemeris time, "
                                         "seconds",
                                         "Chronometer correction, seconds",
                                         "If watch is too fast, correction is negative",
                                         f.labelTimeZone.caption(),
                                         "Air Temperature, deg C",
                                         "Barometric pressure, millibars",
                                         "Close Form"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
}

TEST_F(SettingsWindowTest, CloseFormHidesAndKeepsWhatWasTyped) {
    app.form1().Command5.click();  // "General Settings"
    Form7& f = app.form7();
    ASSERT_TRUE(f.isVisible());
    uitest::userType(f.Text1, "69.4");
    uitest::userType(f.Text108, "-5");
    uitest::userType(f.Text4, "-3");
    uitest::userType(f.Text5, "998");
    uitest::userClick(f.Command1);
    EXPECT_FALSE(f.isVisible());

    // Shown again: the same window with the same texts.
    app.form1().Command5.click();
    EXPECT_EQ(&app.form7(), &f);
    EXPECT_TRUE(f.isVisible());
    reduction::GeneralSettings expected;
    expected.DeltaT = "69.4";
    expected.ChronometerCorrection = "-5";
    expected.AirTemperature = "-3";
    expected.Pressure = "998";
    EXPECT_EQ(f.generalSettings(), expected);

    // The title-bar close hides it too.
    uitest::userCloseWindow(&f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.generalSettings(), expected);
    EXPECT_TRUE(env.log.empty());
}

TEST_F(SettingsWindowTest, ApplyWritesEveryField) {
    Form7& f = app.form7();
    reduction::GeneralSettings general;
    general.DeltaT = "70.1";
    general.ChronometerCorrection = "2.5";
    general.TimeZone = "-10";
    general.AirTemperature = "31";
    general.Pressure = "1003";
    f.applyGeneralSettings(general);
    EXPECT_EQ(f.Text1.text(), "70.1");
    EXPECT_EQ(f.Text108.text(), "2.5");
    EXPECT_EQ(f.Text2.text(), "-10");
    EXPECT_EQ(f.Text4.text(), "31");
    EXPECT_EQ(f.Text5.text(), "1003");
    EXPECT_EQ(f.generalSettings(), general);
}

// Before any file or the navigator sets it, the time zone of the settings
// window and of the planner is the computer's own offset from UT, hours west
// positive, daylight saving included; a settings file's zone still wins.
TEST(DefaultTimeZone, IsTheComputersOwnOffset) {
    const char* old = std::getenv("TZ");
    const std::string saved = old != nullptr ? old : "";
    struct Case {
        const char* tz;
        const char* zone;
    };
    const Case cases[] = {{"UTC0", "0"},
                          {"EST5", "5"},
                          {"<+0530>-5:30", "-5.5"},
                          {"<-0330>3:30", "3.5"},
                          // Daylight saving all year round: one hour less.
                          {"<-03>3<-02>,J1/0,J365/25", "2"}};
    for (const Case& c : cases) {
        setenv("TZ", c.tz, 1);
        tzset();
        uitest::FakeEnvironment env;
        app::App app(env.services());
        app.SettingsFile = "/nonexistent/folder/WendrelNav.nv1";
        env.messages.expect("Problem reading settings file");
        app.form1();
        EXPECT_EQ(app.form7().Text2.text(), c.zone) << c.tz;
        EXPECT_EQ(app.form11().Text10.text(), c.zone) << c.tz;
    }
    if (old != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
