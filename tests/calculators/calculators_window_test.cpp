// The calculators window through its real controls: the first layout, the
// panel selectors, each panel's calculation once through its fields and
// button, closing and showing again, the land-horizon entry from the sight
// entry window and the launchers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "calculators/calculator_panels.h"
#include "calculators/calculators_window.h"
#include "calculators/course_calculator_window.h"
#include "calculators/protractor_window.h"
#include "calculators/single_shot_window.h"
#include "reduction/sight_entry_window.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using calculators::Form10;
using platform::ui::CommandButton;
using platform::ui::Frame;
using platform::ui::Label;
using platform::ui::OptionButton;
using platform::ui::TextBox;

class CalculatorsWindowTest : public ::testing::Test {
  protected:
    Form10& form() { return app.form10(); }

    // The panels that would show on screen, in the window's creation order.
    std::vector<const Frame*> shownPanels() {
        std::vector<const Frame*> shown;
        for (const Frame* panel : form().panels()) {
            if (panel->widget()->isVisibleTo(form().clientArea())) {
                shown.push_back(panel);
            }
        }
        return shown;
    }

    // The panel drawn over all others: the last of them in stacking order.
    const QWidget* topPanel() {
        const QWidget* top = nullptr;
        for (const QObject* child : form().clientArea()->children()) {
            for (const Frame* panel : form().panels()) {
                if (child == panel->widget()) {
                    top = panel->widget();
                }
            }
        }
        return top;
    }

    // What a refused calculation leaves in the log: a beep and the "Warning!".
    static std::vector<std::string> warned(const std::string& message) {
        return {"beep", "message Warning!: " + message};
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(CalculatorsWindowTest, FirstShownWithTheDeadReckoningPanel) {
    Form10& f = form();
    EXPECT_EQ(f.caption(), "NAV Calculators");
    EXPECT_FALSE(f.isVisible());
    app.form1().menuCalc.click();
    EXPECT_TRUE(f.isVisible());

    EXPECT_EQ(shownPanels(), std::vector<const Frame*>{&f.Frame1});
    EXPECT_TRUE(f.Command6.widget()->isVisibleTo(f.clientArea()));

    const std::vector<std::pair<Frame*, std::string>> panels = {
        {&f.Frame18, "2 known landmarks and measured angle between (Circle of Position)"},
        {&f.Frame17, "Altitude Correction, Refraction"},
        {&f.Frame12, "Great Arc Distance bewteen two locations"},
        {&f.Frame10, "Dip and Distance to Horizon (to edge of sea, or edge of nearby land)"},
        {&f.Frame8, "Calculated Longitude for Sumner Line"},
        {&f.Frame4, "Calculated Altitude and Azimuth"},
        {&f.Frame1, "Plane Sailing Dead Reckoning"},
    };
    for (const auto& [panel, caption] : panels) {
        EXPECT_EQ(panel->caption(), caption);
        // All at one place.
        EXPECT_EQ(panel->left(), f.Frame1.left());
        EXPECT_EQ(panel->top(), f.Frame1.top());
    }

    const std::vector<std::pair<CommandButton*, std::string>> buttons = {
        {&f.Command4, "Plane Sailing Estimated Position  DR"},
        {&f.Command5, "Calculated Altitude"},
        {&f.Command7, "Calculated Longitude Sumner Line"},
        {&f.Command9, "Dip, horizon distance"},
        {&f.Command11, "Great arc distance"},
        {&f.Command14, "Single COP coastal"},
        {&f.Command18, "3-arm Protractor"},
        {&f.Command13, "Simplified Sight Reduction"},
        {&f.Command15, "Atmospheric Refraction"},
        {&f.Command8, "CLOSE FORM"},
        {&f.Command6, "Heading/ Course Calculator"},
        {&f.Command1, "Calculate Estimated Position"},
        {&f.Command10, "Calculate Distance to, and Dip of Horizon"},
        {&f.Command12, "Calculate the Distance"},
        {&f.Command16, "Calculate Refraction Correction"},
        {&f.Command2, "Calculate Altitude Hc"},
        {&f.Command3, "Calculate Longitude"},
        {&f.Command17, "Calculate center point away from 1st point"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->caption(), caption);
    }
    EXPECT_EQ(f.bandTop.backColor(), platform::ui::rgb(128, 128, 255));
    EXPECT_EQ(f.bandRight.backColor(), platform::ui::rgb(128, 128, 255));

    // Defaults of the fields.
    const std::vector<std::pair<TextBox*, std::string>> fields = {
        {&f.Text8, "0"},   {&f.Text2, "0"},     {&f.Text1, "0"}, {&f.Text3, "0"},  {&f.Text113, ""},
        {&f.Text6, ""},    {&f.Text114, ""},    {&f.Text7, ""},  {&f.Text24, "2"}, {&f.Text23, ""},
        {&f.Text34, "15"}, {&f.Text33, "1010"}, {&f.Text36, ""}, {&f.Text37, ""},  {&f.Text26, ""},
        {&f.Text31, ""},   {&f.Text5, ""},      {&f.Text13, ""}, {&f.Text21, ""},  {&f.Text16, ""},
        {&f.Text43, ""},   {&f.Text38, ""},     {&f.Text45, ""}, {&f.Text46, ""},
    };
    for (const auto& [box, text] : fields) {
        EXPECT_EQ(box->text(), text);
    }
    for (OptionButton* selected :
         {&f.Option1, &f.Option3, &f.Option14, &f.Option19, &f.Option17, &f.Option22, &f.Option6,
          &f.Option8, &f.Option9, &f.Option15, &f.Option12, &f.Option29, &f.Option28, &f.Option26,
          &f.Option23}) {
        EXPECT_TRUE(selected->value()) << selected->caption();
    }
    for (Label* result :
         {&f.Label4, &f.Label5, &f.Label8, &f.Label55, &f.Label42, &f.Label44, &f.Label47,
          &f.Label63, &f.Label65, &f.Label24, &f.Label69, &f.Label25, &f.Label40, &f.Label76}) {
        EXPECT_EQ(result->caption(), "");
    }
}

TEST_F(CalculatorsWindowTest, EachSelectorShowsItsPanelAlone) {
    Form10& f = form();
    f.showModeless();
    const std::vector<std::pair<CommandButton*, Frame*>> selectors = {
        {&f.Command5, &f.Frame4},   {&f.Command7, &f.Frame8},   {&f.Command9, &f.Frame10},
        {&f.Command11, &f.Frame12}, {&f.Command14, &f.Frame18}, {&f.Command15, &f.Frame17},
        {&f.Command4, &f.Frame1},
    };
    f.Text8.setText("45");
    for (const auto& [button, panel] : selectors) {
        SCOPED_TRACE(button->caption());
        uitest::userClick(*button);
        EXPECT_EQ(shownPanels(), std::vector<const Frame*>{panel});
        EXPECT_EQ(topPanel(), panel->widget());
        // Pressing it again changes nothing that can be seen.
        uitest::userClick(*button);
        EXPECT_EQ(shownPanels(), std::vector<const Frame*>{panel});
    }
    // Only the dead-reckoning panel holds the course calculator's button.
    EXPECT_TRUE(f.Command6.widget()->isVisibleTo(f.clientArea()));
    uitest::userClick(f.Command5);
    EXPECT_FALSE(f.Command6.widget()->isVisibleTo(f.clientArea()));
    EXPECT_EQ(f.Text8.text(), "45");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, DeadReckoningThroughTheFields) {
    Form10& f = form();
    f.showModeless();
    uitest::userType(f.Text8, "45");
    uitest::userType(f.Text2, "10");
    uitest::userType(f.Text113, "40");
    uitest::userType(f.Text6, "0");
    uitest::userType(f.Text114, "70");
    uitest::userType(f.Text7, "0");
    uitest::userType(f.Text1, "3");
    uitest::userType(f.Text3, "30");
    uitest::userClick(f.Command1);
    // Worked example of the dead-reckoning panel, whole minutes rounded:
    // 40° 24.75' N, 69° 27.60' W.
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude N 40° 25'");
    EXPECT_EQ(f.Label5.caption(), "Estimated Longitude W 69° 28'");
    EXPECT_EQ(f.Label8.caption(), "Distance traveled, nmiles: 35.0");

    // The options give the signs: South and East.
    uitest::userClick(f.Option2);
    uitest::userClick(f.Option4);
    uitest::userType(f.Text8, "180");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude S 40° 35'");
    EXPECT_EQ(f.Label5.caption(), "Estimated Longitude E 70° 0'");
    // Typing takes the results away until the button is pressed again.
    uitest::userType(f.Text2, "20");
    EXPECT_EQ(f.Label8.caption(), "");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label8.caption(), "Distance traveled, nmiles: 70.0");
}

TEST_F(CalculatorsWindowTest, DeadReckoningWithNoRunShowsTheFixAsTyped) {
    Form10& f = form();
    f.showModeless();
    // 38 + 10/60 is held a hair below 38° 10', 29 + 50/60 below 29° 50'.
    uitest::userType(f.Text113, "38");
    uitest::userType(f.Text6, "10");
    uitest::userType(f.Text114, "29");
    uitest::userType(f.Text7, "50");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude N 38° 10'");
    EXPECT_EQ(f.Label5.caption(), "Estimated Longitude W 29° 50'");
    EXPECT_EQ(f.Label8.caption(), "Distance traveled, nmiles: 0.0");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, HorizonLandLinesOnlyWithANearerLandHorizon) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command9);
    // Worked values of the horizon panel: eye 2 m, land 1 n.mi.
    uitest::userType(f.Text23, "1");
    uitest::userClick(f.Command10);
    EXPECT_EQ(f.Label55.caption(), "Distance to sea horizon, nmiles: 3.0");
    EXPECT_EQ(f.Label42.caption(), "Dip of horizon, arcminutes: 4.1");
    EXPECT_EQ(f.Label44.caption(),
              "Compensate for land horizon by subtracting 1.6' from the measured sextant altitude");
    EXPECT_EQ(f.Label47.caption(),
              "In the Sight Data Form, normal dip is accounted for internally, so you have to "
              "trick the data");

    // Pressed again, the same lines.
    uitest::userClick(f.Command10);
    EXPECT_EQ(f.Label44.caption(),
              "Compensate for land horizon by subtracting 1.6' from the measured sextant altitude");

    // The sea horizon alone: the edits took the land lines away, and no
    // land horizon writes them again.
    uitest::userType(f.Text23, "");
    uitest::userType(f.Text24, "10");
    uitest::userClick(f.Command10);
    EXPECT_EQ(f.Label55.caption(), "Distance to sea horizon, nmiles: 6.7");
    EXPECT_EQ(f.Label42.caption(), "Dip of horizon, arcminutes: 5.6");
    EXPECT_EQ(f.Label44.caption(), "");
    EXPECT_EQ(f.Label47.caption(), "");
}

TEST_F(CalculatorsWindowTest, GreatCircleAndRefractionThroughTheFields) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command11);
    // Worked example of the great-circle panel (West is preselected).
    uitest::userType(f.Text26, "40");
    uitest::userType(f.Text28, "70");
    uitest::userType(f.Text30, "50");
    uitest::userType(f.Text32, "5");
    uitest::userClick(f.Command12);
    EXPECT_EQ(f.Label63.caption(), "2732.0 nautical miles       3141.8 statute miles");

    uitest::userClick(f.Command15);
    uitest::userType(f.Text36, "10");
    uitest::userType(f.Text37, "0");
    uitest::userClick(f.Command16);
    // Worked value of the refraction panel, -5.3043' rounded to 0.01'.
    EXPECT_EQ(f.Label65.caption(), " Refraction correction = -5.30' arc minutes");
    uitest::userType(f.Text36, "0");
    uitest::userClick(f.Command16);
    EXPECT_EQ(f.Label65.caption(), " Refraction correction = -33.92' arc minutes");
    uitest::userType(f.Text36, "90");
    uitest::userClick(f.Command16);
    EXPECT_EQ(f.Label65.caption(), " Refraction correction = 0.00' arc minutes");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, RefractionOutsideBennettsRangeIsRefused) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command15);
    struct Case {
        const char* T;
        const char* deg;
        const char* min;
        const char* message;
    };
    const Case cases[] = {
        {"15", "-5", "0", "Apparent Altitude must be 0 to 90 degrees"},
        {"15", "95", "0", "Apparent Altitude must be 0 to 90 degrees"},
        {"15", "-4", "-24", "Apparent Altitude minutes must be 0 to below 60"},
        {"-273", "10", "0", "Air Temperature must be above -273 °C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        uitest::userType(f.Text34, "15");
        uitest::userType(f.Text36, "10");
        uitest::userType(f.Text37, "0");
        uitest::userClick(f.Command16);
        ASSERT_NE(f.Label65.caption(), "");
        uitest::userType(f.Text34, c.T);
        uitest::userType(f.Text36, c.deg);
        uitest::userType(f.Text37, c.min);
        env.messages.expect(c.message);
        uitest::userClick(f.Command16);
        EXPECT_EQ(env.log, warned(c.message));
        EXPECT_EQ(f.Label65.caption(), "");
        env.log.clear();
    }
}

TEST_F(CalculatorsWindowTest, DipRefusesANegativeEyeHeightOrDistance) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command9);
    uitest::userType(f.Text23, "1");
    uitest::userClick(f.Command10);
    ASSERT_NE(f.Label44.caption(), "");
    for (const auto& [box, message] :
         {std::pair<TextBox*, const char*>{&f.Text24, "Eye height must not be negative"},
          std::pair<TextBox*, const char*>{&f.Text23, "Distance to land must not be negative"}}) {
        SCOPED_TRACE(message);
        uitest::userType(f.Text24, "2");
        uitest::userType(f.Text23, "1");
        uitest::userType(*box, "-5");
        env.messages.expect(message);
        uitest::userClick(f.Command10);
        EXPECT_EQ(env.log, warned(message));
        // No line of the panel stays, the land lines among them.
        for (const Label* result : {&f.Label55, &f.Label42, &f.Label44, &f.Label47}) {
            EXPECT_EQ(result->caption(), "");
        }
        env.log.clear();
    }
    // An empty eye height still reads 0 (0.01 m).
    uitest::userType(f.Text24, "");
    uitest::userType(f.Text23, "");
    uitest::userClick(f.Command10);
    EXPECT_EQ(f.Label55.caption(), "Distance to sea horizon, nmiles: 0.2");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, SumnerSaysWhenTheAltitudeIsNeverReached) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command7);
    uitest::userType(f.Text21, "40");
    uitest::userType(f.Text19, "57");
    uitest::userType(f.Text20, "30");
    uitest::userType(f.Text17, "100");
    uitest::userType(f.Text15, "20");
    uitest::userClick(f.Command3);
    ASSERT_NE(f.Label25.caption(), "");
    // From 40 N a body of dec 20 N culminates at 70°.
    uitest::userType(f.Text19, "80");
    uitest::userType(f.Text20, "0");
    env.messages.expect(calculators::kSumnerUnreachableText);
    uitest::userClick(f.Command3);
    EXPECT_EQ(env.log, warned(calculators::kSumnerUnreachableText));
    EXPECT_EQ(f.Label25.caption(), "");
    EXPECT_EQ(f.Label40.caption(), "");
    env.log.clear();
    // At the culmination itself one longitude, the body's meridian.
    uitest::userType(f.Text19, "70");
    uitest::userClick(f.Command3);
    EXPECT_EQ(f.Label25.caption(), "LON west side = W 100° 0.0'");
    EXPECT_EQ(f.Label40.caption(), "LON east side = W 100° 0.0'");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, AltitudeSumnerAndCircleThroughTheFields) {
    Form10& f = form();
    f.showModeless();
    // Worked examples of the altitude and Sumner panels.
    uitest::userClick(f.Command5);
    uitest::userType(f.Text5, "40");
    uitest::userType(f.Text4, "0");
    uitest::userType(f.Text10, "70");
    uitest::userType(f.Text12, "100");
    uitest::userType(f.Text14, "20");
    uitest::userClick(f.Command2);
    EXPECT_EQ(f.Label24.caption(), "Hc = 57° 29.1'");
    EXPECT_EQ(f.Label69.caption(), "Azimuth = 240.9° ");

    uitest::userClick(f.Command7);
    uitest::userType(f.Text21, "40");
    uitest::userType(f.Text19, "57");
    uitest::userType(f.Text20, "30");
    uitest::userType(f.Text17, "100");
    uitest::userType(f.Text15, "20");
    uitest::userClick(f.Command3);
    EXPECT_EQ(f.Label25.caption(), "LON west side = W 129° 58.7'");
    EXPECT_EQ(f.Label40.caption(), "LON east side = W 70° 1.3'");

    // Worked example of the circle-of-position panel, landmark #2 6' east.
    uitest::userClick(f.Command14);
    uitest::userClick(f.Option27);
    uitest::userClick(f.Option24);
    uitest::userType(f.Text38, "6");
    uitest::userType(f.Text45, "60");
    uitest::userClick(f.Command17);
    EXPECT_EQ(f.Label76.caption(), "Center of arc is 3.00 nm East ,  1.73 nm South from 1st point");
    // With the preselected West options the mirror image.
    uitest::userClick(f.Option28);
    uitest::userClick(f.Option23);
    uitest::userClick(f.Command17);
    EXPECT_EQ(f.Label76.caption(), "Center of arc is 3.00 nm West ,  1.73 nm North from 1st point");
}

TEST_F(CalculatorsWindowTest, LatitudeBeyondNinetyIsRefusedByItsField) {
    // Each panel that takes a latitude, first computed with ordinary fields,
    // then with one latitude beyond 90: a "Warning!" with a beep names the
    // field, and none of the panel's results stays.
    Form10& f = form();
    f.showModeless();
    struct Case {
        const char* name;
        CommandButton* selector;
        std::vector<std::pair<TextBox*, const char*>> ordinary;
        std::pair<TextBox*, const char*> refused;
        CommandButton* calculate;
        std::vector<Label*> results;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"dead reckoning",
         &f.Command4,
         {{&f.Text8, "45"}, {&f.Text2, "10"}, {&f.Text113, "40"}, {&f.Text1, "3"}},
         {&f.Text113, "90.5"},
         &f.Command1,
         {&f.Label4, &f.Label5, &f.Label8},
         "Last Fix Latitude must be between 0 and 90 degrees"},
        {"altitude",
         &f.Command5,
         {{&f.Text5, "40"}, {&f.Text10, "70"}, {&f.Text12, "100"}, {&f.Text14, "20"}},
         {&f.Text5, "95"},
         &f.Command2,
         {&f.Label24, &f.Label69},
         "Assumed Latitude must be between 0 and 90 degrees"},
        {"Sumner line",
         &f.Command7,
         {{&f.Text21, "40"}, {&f.Text19, "57"}, {&f.Text17, "100"}, {&f.Text15, "20"}},
         {&f.Text21, "91"},
         &f.Command3,
         {&f.Label25, &f.Label40},
         "Assumed Latitude must be between 0 and 90 degrees"},
        {"great circle",
         &f.Command11,
         {{&f.Text26, "40"}, {&f.Text28, "70"}, {&f.Text30, "50"}, {&f.Text32, "5"}},
         {&f.Text30, "90.5"},
         &f.Command12,
         {&f.Label63},
         "Latitude #2 must be between 0 and 90 degrees"},
        {"circle of position",
         &f.Command14,
         {{&f.Text38, "6"}, {&f.Text45, "60"}},
         {&f.Text43, "100"},
         &f.Command17,
         {&f.Label76},
         "Latitude #1 must be between 0 and 90 degrees"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        uitest::userClick(*c.selector);
        for (const auto& [box, text] : c.ordinary) {
            uitest::userType(*box, text);
        }
        uitest::userClick(*c.calculate);
        for (const Label* result : c.results) {
            EXPECT_NE(result->caption(), "");
        }
        ASSERT_TRUE(env.log.empty());

        uitest::userType(*c.refused.first, c.refused.second);
        env.messages.expect(c.message);
        uitest::userClick(*c.calculate);
        EXPECT_EQ(env.log, warned(c.message));
        for (const Label* result : c.results) {
            EXPECT_EQ(result->caption(), "");
        }
        env.log.clear();
    }
}

TEST_F(CalculatorsWindowTest, EveryBoxThatIsNotANumberIsRefusedByName) {
    // Each panel computed with ordinary fields, then each of its boxes in
    // turn holding a text that is no number as a whole: a "Warning!" with a
    // beep names the box, and none of the panel's results stays.
    Form10& f = form();
    f.showModeless();
    struct Panel {
        const char* name;
        CommandButton* selector;
        std::vector<std::pair<TextBox*, const char*>> ordinary;
        CommandButton* calculate;
        std::vector<Label*> results;
        std::vector<std::pair<TextBox*, const char*>> boxes;  // with the label named
    };
    const std::vector<Panel> panels = {
        {"dead reckoning",
         &f.Command4,
         {{&f.Text8, "45"},
          {&f.Text2, "10"},
          {&f.Text113, "40"},
          {&f.Text6, "0"},
          {&f.Text114, "70"},
          {&f.Text7, "0"},
          {&f.Text1, "3"},
          {&f.Text3, "30"}},
         &f.Command1,
         {&f.Label4, &f.Label5, &f.Label8},
         {{&f.Text8, "True Course"},
          {&f.Text2, "Speed over ground"},
          {&f.Text113, "Last Fix Latitude degrees"},
          {&f.Text6, "Last Fix Latitude minutes"},
          {&f.Text114, "Last Fix Longitude degrees"},
          {&f.Text7, "Last Fix Longitude minutes"},
          {&f.Text1, "Time interval hours"},
          {&f.Text3, "Time interval minutes"}}},
        {"horizon",
         &f.Command9,
         {{&f.Text24, "2"}, {&f.Text23, "1"}},
         &f.Command10,
         {&f.Label55, &f.Label42, &f.Label44, &f.Label47},
         {{&f.Text24, "Eye height"}, {&f.Text23, "Distance to land"}}},
        {"great circle",
         &f.Command11,
         {{&f.Text26, "40"},
          {&f.Text25, "0"},
          {&f.Text28, "70"},
          {&f.Text27, "0"},
          {&f.Text30, "50"},
          {&f.Text29, "0"},
          {&f.Text32, "5"},
          {&f.Text31, "0"}},
         &f.Command12,
         {&f.Label63},
         {{&f.Text26, "Latitude #1 degrees"},
          {&f.Text25, "Latitude #1 minutes"},
          {&f.Text28, "Longitude #1 degrees"},
          {&f.Text27, "Longitude #1 minutes"},
          {&f.Text30, "Latitude #2 degrees"},
          {&f.Text29, "Latitude #2 minutes"},
          {&f.Text32, "Longitude #2 degrees"},
          {&f.Text31, "Longitude #2 minutes"}}},
        {"refraction",
         &f.Command15,
         {{&f.Text34, "15"}, {&f.Text33, "1010"}, {&f.Text36, "10"}, {&f.Text37, "0"}},
         &f.Command16,
         {&f.Label65},
         {{&f.Text34, "Air Temperature"},
          {&f.Text33, "Barometric pressure"},
          {&f.Text36, "Apparent Altitude degrees"},
          {&f.Text37, "Apparent Altitude minutes"}}},
        {"altitude",
         &f.Command5,
         {{&f.Text5, "40"},
          {&f.Text4, "0"},
          {&f.Text10, "70"},
          {&f.Text9, "0"},
          {&f.Text12, "100"},
          {&f.Text11, "0"},
          {&f.Text14, "20"},
          {&f.Text13, "0"}},
         &f.Command2,
         {&f.Label24, &f.Label69},
         {{&f.Text5, "Assumed Latitude degrees"},
          {&f.Text4, "Assumed Latitude minutes"},
          {&f.Text10, "Assumed Longitude degrees"},
          {&f.Text9, "Assumed Longitude minutes"},
          {&f.Text12, "GHA degrees"},
          {&f.Text11, "GHA minutes"},
          {&f.Text14, "DEC degrees"},
          {&f.Text13, "DEC minutes"}}},
        {"Sumner line",
         &f.Command7,
         {{&f.Text21, "40"},
          {&f.Text22, "0"},
          {&f.Text19, "57"},
          {&f.Text20, "30"},
          {&f.Text17, "100"},
          {&f.Text18, "0"},
          {&f.Text15, "20"},
          {&f.Text16, "0"}},
         &f.Command3,
         {&f.Label25, &f.Label40},
         {{&f.Text21, "Assumed Latitude degrees"},
          {&f.Text22, "Assumed Latitude minutes"},
          {&f.Text19, "Observed Altitude degrees"},
          {&f.Text20, "Observed Altitude minutes"},
          {&f.Text17, "GHA degrees"},
          {&f.Text18, "GHA minutes"},
          {&f.Text15, "DEC degrees"},
          {&f.Text16, "DEC minutes"}}},
        {"circle of position",
         &f.Command14,
         {{&f.Text43, "0"},
          {&f.Text44, "0"},
          {&f.Text41, "0"},
          {&f.Text42, "0"},
          {&f.Text39, "0"},
          {&f.Text40, "0"},
          {&f.Text35, "0"},
          {&f.Text38, "6"},
          {&f.Text45, "60"},
          {&f.Text46, "0"}},
         &f.Command17,
         {&f.Label76},
         {{&f.Text43, "Latitude #1 degrees"},
          {&f.Text44, "Latitude #1 minutes"},
          {&f.Text41, "Longitude #1 degrees"},
          {&f.Text42, "Longitude #1 minutes"},
          {&f.Text39, "Latitude #2 degrees"},
          {&f.Text40, "Latitude #2 minutes"},
          {&f.Text35, "Longitude #2 degrees"},
          {&f.Text38, "Longitude #2 minutes"},
          {&f.Text45, "Measured Angle degrees"},
          {&f.Text46, "Measured Angle minutes"}}},
    };
    const char* const badTexts[] = {"abc", "2,75", "1.2.3", "12abc", "1e3"};
    int bad = 0;
    for (const Panel& panel : panels) {
        uitest::userClick(*panel.selector);
        for (const auto& [box, label] : panel.boxes) {
            SCOPED_TRACE(label);
            for (const auto& [ordinaryBox, text] : panel.ordinary) {
                uitest::userType(*ordinaryBox, text);
            }
            uitest::userClick(*panel.calculate);
            for (const Label* result : panel.results) {
                ASSERT_NE(result->caption(), "");
            }
            ASSERT_TRUE(env.log.empty());

            const char* text = badTexts[bad++ % 5];
            uitest::userType(*box, text);
            const std::string message =
                std::string(label) + " must be a number (use a point for decimals)";
            env.messages.expect(message);
            uitest::userClick(*panel.calculate);
            EXPECT_EQ(env.log, warned(message)) << text;
            for (const Label* result : panel.results) {
                EXPECT_EQ(result->caption(), "");
            }
            env.log.clear();
        }
    }
}

TEST_F(CalculatorsWindowTest, RangesAreRefusedByName) {
    // One value out of its range in each panel; the bounds themselves pass.
    Form10& f = form();
    f.showModeless();
    struct Case {
        CommandButton* selector;
        std::vector<std::pair<TextBox*, const char*>> typed;
        CommandButton* calculate;
        std::vector<Label*> results;
        const char* message;  // nullptr: computed
    };
    const std::vector<Case> cases = {
        {&f.Command4,
         {{&f.Text8, "360"}, {&f.Text2, "0"}, {&f.Text113, "90"}, {&f.Text114, "180"}},
         &f.Command1,
         {&f.Label4},
         nullptr},
        {&f.Command4,
         {{&f.Text8, "361"}},
         &f.Command1,
         {&f.Label4},
         "True Course must be 0 to 360 degrees"},
        {&f.Command4,
         {{&f.Text8, "45"}, {&f.Text2, "-1"}},
         &f.Command1,
         {&f.Label4},
         "Speed over ground must not be negative"},
        {&f.Command4,
         {{&f.Text2, "10"}, {&f.Text114, "200"}, {&f.Text7, "75"}},
         &f.Command1,
         {&f.Label4},
         "Last Fix Longitude minutes must be 0 to below 60"},
        {&f.Command4,
         {{&f.Text7, "0"}},
         &f.Command1,
         {&f.Label4},
         "Last Fix Longitude must be between 0 and 180 degrees"},
        {&f.Command5,
         {{&f.Text5, "40"}, {&f.Text10, "70"}, {&f.Text12, "360.5"}, {&f.Text14, "20"}},
         &f.Command2,
         {&f.Label24, &f.Label69},
         "GHA must be 0 to 360 degrees"},
        {&f.Command5,
         {{&f.Text12, "100"}, {&f.Text14, "90"}, {&f.Text13, "1"}},
         &f.Command2,
         {&f.Label24, &f.Label69},
         "DEC must be 0 to 90 degrees"},
        {&f.Command7,
         {{&f.Text21, "40"}, {&f.Text19, "91"}, {&f.Text17, "100"}, {&f.Text15, "20"}},
         &f.Command3,
         {&f.Label25, &f.Label40},
         "Observed Altitude must be 0 to 90 degrees"},
        {&f.Command14,
         {{&f.Text38, "6"}, {&f.Text45, "0"}, {&f.Text46, ""}},
         &f.Command17,
         {&f.Label76},
         "Measured Angle must be above 0 and below 180 degrees"},
        {&f.Command14,
         {{&f.Text45, "180"}},
         &f.Command17,
         {&f.Label76},
         "Measured Angle must be above 0 and below 180 degrees"},
        {&f.Command14,
         {{&f.Text45, "200"}},
         &f.Command17,
         {&f.Label76},
         "Measured Angle must be above 0 and below 180 degrees"},
        // A typed sign is ignored: -10 is 10 degrees.
        {&f.Command14, {{&f.Text45, "-10"}}, &f.Command17, {&f.Label76}, nullptr},
        {&f.Command14,
         {{&f.Text45, "60"}, {&f.Text38, "0"}},
         &f.Command17,
         {&f.Label76},
         calculators::kLandmarksAtOnePositionText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "computed");
        uitest::userClick(*c.selector);
        for (const auto& [box, text] : c.typed) {
            uitest::userType(*box, text);
        }
        for (Label* result : c.results) {
            result->setCaption("from before");
        }
        if (!c.message) {
            uitest::userClick(*c.calculate);
            EXPECT_TRUE(env.log.empty());
            for (const Label* result : c.results) {
                EXPECT_NE(result->caption(), "from before");
                EXPECT_NE(result->caption(), "");
            }
            continue;
        }
        env.messages.expect(c.message);
        uitest::userClick(*c.calculate);
        EXPECT_EQ(env.log, warned(c.message));
        for (const Label* result : c.results) {
            EXPECT_EQ(result->caption(), "");
        }
        env.log.clear();
    }
}

TEST_F(CalculatorsWindowTest, AltitudeFiguresReadRoundedNotCut) {
    // A sight reduced like the book's: from 31 N with dec 73° 3.8' N at LHA
    // 70° 19.0', Hc is 35° 13.571' and Zn 340.380 (cosine formula below); cut,
    // they read 35° 13.5' and 340.3.
    const double rad = std::acos(-1.0L) / 180;
    const double lat = 31 * rad;
    const double dec = (73 + 3.8 / 60) * rad;
    const double lha = (70 + 19.0 / 60) * rad;
    const double hc =
        std::asin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(lha));
    const double z =
        std::acos((std::sin(dec) - std::sin(lat) * std::sin(hc)) / (std::cos(lat) * std::cos(hc)));
    const double hcMinutes = (hc / rad - 35) * 60;
    const double zn = 360 - z / rad;
    ASSERT_NEAR(hcMinutes, 13.571, 0.0005);
    ASSERT_NEAR(zn, 340.380, 0.0005);

    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command5);
    uitest::userType(f.Text5, "31");
    uitest::userType(f.Text10, "50");  // West
    uitest::userType(f.Text12, "120");
    uitest::userType(f.Text11, "19");
    uitest::userType(f.Text14, "73");
    uitest::userType(f.Text13, "3.8");
    uitest::userClick(f.Command2);
    EXPECT_EQ(f.Label24.caption(), "Hc = 35° 13.6'");
    EXPECT_EQ(f.Label69.caption(), "Azimuth = 340.4° ");
}

TEST_F(CalculatorsWindowTest, DeadReckoningPastAPoleIsNoPosition) {
    Form10& f = form();
    f.showModeless();
    // From 89 deg N due north at 10 knots: 1 h reaches 89 deg 10' N.
    uitest::userType(f.Text8, "0");
    uitest::userType(f.Text2, "10");
    uitest::userType(f.Text113, "89");
    uitest::userType(f.Text1, "1");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude N 89° 10'");
    // 7 h would be 90 deg 10' N; southward from 89 S likewise.
    uitest::userType(f.Text1, "7");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(),
              "Past a pole: check True Course, Speed over ground and Time interval");
    EXPECT_EQ(f.Label5.caption(), "");
    EXPECT_EQ(f.Label8.caption(), "");
    uitest::userClick(f.Option2);
    uitest::userType(f.Text8, "180");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(),
              "Past a pole: check True Course, Speed over ground and Time interval");
    // Exactly to the pole: 6 h.
    uitest::userType(f.Text1, "6");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude S 90° 0'");
    // No message box: the panel says it.
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, ClosingHidesAndKeepsEverything) {
    Form10& f = form();
    app.form1().menuCalc.click();
    uitest::userClick(f.Command11);
    uitest::userType(f.Text26, "40");
    uitest::userClick(f.Command12);
    const std::string result = f.Label63.caption();

    for (auto close : {+[](Form10& w) { uitest::userClick(w.Command8); },
                       +[](Form10& w) { uitest::userCloseWindow(&w); }}) {
        close(f);
        EXPECT_FALSE(f.isVisible());
        ASSERT_EQ(app.existingWindow<Form10>(), &f);
        app.form1().menuCalc.click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(shownPanels(), std::vector<const Frame*>{&f.Frame12});
        EXPECT_EQ(f.Text26.text(), "40");
        EXPECT_EQ(f.Label63.caption(), result);
    }
}

TEST_F(CalculatorsWindowTest, LandHorizonEntryLeavesTheDipPanelAlone) {
    reduction::Form5& entry = app.form5();
    entry.showModeless();
    EXPECT_TRUE(entry.Command3.enabled());
    EXPECT_EQ(entry.Command3.caption(), "Land horizon calculator");

    // Creates and shows the window on its first use.
    uitest::userClick(entry.Command3);
    ASSERT_NE(app.existingWindow<Form10>(), nullptr);
    Form10& f = form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(shownPanels(), std::vector<const Frame*>{&f.Frame10});

    // From the great-circle and from the circle-of-position panel alike.
    for (CommandButton* selector : {&f.Command11, &f.Command14}) {
        uitest::userClick(*selector);
        uitest::userClick(f.Command8);
        uitest::userClick(entry.Command3);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(shownPanels(), std::vector<const Frame*>{&f.Frame10});
        EXPECT_EQ(topPanel(), f.Frame10.widget());
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CalculatorsWindowTest, LaunchersShowTheirWindowsUnchanged) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command6);
    ASSERT_NE(app.existingWindow<calculators::Form9>(), nullptr);
    EXPECT_TRUE(app.form9().isVisible());
    uitest::userClick(f.Command13);
    ASSERT_NE(app.existingWindow<calculators::Form55>(), nullptr);
    EXPECT_TRUE(app.form55().isVisible());
    EXPECT_TRUE(f.Command18.enabled());
    uitest::userClick(f.Command18);
    ASSERT_NE(app.existingWindow<calculators::Form15>(), nullptr);
    EXPECT_TRUE(app.form15().isVisible());

    // Pressed again while open: the same windows with their fields.
    app.form9().Text1.setText("90");
    app.form55().Text5.setText("36");
    uitest::userClick(f.Command6);
    uitest::userClick(f.Command13);
    EXPECT_EQ(app.form9().Text1.text(), "90");
    EXPECT_EQ(app.form55().Text5.text(), "36");
    EXPECT_EQ(shownPanels(), std::vector<const Frame*>{&f.Frame1});
    EXPECT_TRUE(env.log.empty());
}

// Every visible control of a window inside its client area, every button's
// caption within its width and every label's text within its height once
// wrapped; the window no larger than 800 x 600.
void expectNothingClipped(platform::ui::Form& window) {
    QWidget* client = window.clientArea();
    EXPECT_LE(window.width(), 800);
    EXPECT_LE(window.height(), 600);
    for (QWidget* w : client->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(client)) {
            continue;
        }
        const QRect r(w->mapTo(client, QPoint(0, 0)), w->size());
        EXPECT_TRUE(client->rect().contains(r)) << w->metaObject()->className();
        if (const auto* button = qobject_cast<QAbstractButton*>(w)) {
            const int needed = button->sizeHint().width();
            const int spare = qobject_cast<const QGroupBox*>(button->parentWidget()) ? 0 : 8;
            EXPECT_LE(needed - spare, button->width()) << button->text().toStdString();
        } else if (const auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().isEmpty() && label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height() + 2)
                    << label->text().toStdString();
            }
        }
    }
}

TEST_F(CalculatorsWindowTest, EveryTextFitsWithinEightHundredBySixHundred) {
    Form10& f = form();
    f.showModeless();
    // The longest results each panel writes.
    f.Label4.setCaption("Estimated Latitude S 89° 59'");
    f.Label44.setCaption(
        "Compensate for land horizon by subtracting 88.8' from the measured sextant altitude");
    f.Label63.setCaption("10800 nautical miles       12420 statute miles");
    f.Label65.setCaption(" Refraction correction = undefined for these inputs");
    f.Label25.setCaption("LON west side = W 179° 59.9'");
    f.Label40.setCaption("LON east side = W 179° 59.9'");
    f.Label76.setCaption("Center of arc is 9999.99 nm West ,  9999.99 nm South from 1st point");
    for (CommandButton* selector : {&f.Command4, &f.Command5, &f.Command7, &f.Command9,
                                    &f.Command11, &f.Command14, &f.Command15}) {
        SCOPED_TRACE(selector->caption());
        uitest::userClick(*selector);
        expectNothingClipped(f);
    }
    calculators::Form9& course = app.form9();
    course.showModeless();
    expectNothingClipped(course);
    calculators::Form55& single = app.form55();
    single.showModeless();
    single.Label5.setCaption("Offset Distance = 5400 nautical miles Towards");
    expectNothingClipped(single);
}

}  // namespace
