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
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
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
    // Worked example of the dead-reckoning panel.
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude N 40° 24'");
    EXPECT_EQ(f.Label5.caption(), "Estimated Longitude W 69° 27'");
    EXPECT_EQ(f.Label8.caption(), "Distance traveled, nmiles: 35");

    // The options give the signs: South and East.
    uitest::userClick(f.Option2);
    uitest::userClick(f.Option4);
    uitest::userType(f.Text8, "180");
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label4.caption(), "Estimated Latitude S 40° 35'");
    EXPECT_EQ(f.Label5.caption(), "Estimated Longitude E 70° 0'");
    // Typing changes no result until the button is pressed.
    uitest::userType(f.Text2, "20");
    EXPECT_EQ(f.Label8.caption(), "Distance traveled, nmiles: 35");
}

TEST_F(CalculatorsWindowTest, HorizonKeepsTheLandLinesWithoutALandHorizon) {
    Form10& f = form();
    f.showModeless();
    uitest::userClick(f.Command9);
    // Worked values of the horizon panel: eye 2 m, land 1 n.mi.
    uitest::userType(f.Text23, "1");
    uitest::userClick(f.Command10);
    EXPECT_EQ(f.Label55.caption(), "Distance to sea horizon, nmiles: 3");
    EXPECT_EQ(f.Label42.caption(), "Dip of horizon, arcminutes: 4.1");
    EXPECT_EQ(f.Label44.caption(),
              "Compensate for land horizon by subtracting 1.6' from the measured sextant altitude");
    EXPECT_EQ(f.Label47.caption(),
              "In the Sight Data Form, normal dip is accounted for internally, so you have to "
              "trick the data");

    // The sea horizon alone: the first two lines change, the others stay.
    uitest::userType(f.Text23, "");
    uitest::userType(f.Text24, "10");
    uitest::userClick(f.Command10);
    EXPECT_EQ(f.Label55.caption(), "Distance to sea horizon, nmiles: 6.7");
    EXPECT_EQ(f.Label42.caption(), "Dip of horizon, arcminutes: 5.6");
    EXPECT_EQ(f.Label44.caption(),
              "Compensate for land horizon by subtracting 1.6' from the measured sextant altitude");
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
    EXPECT_EQ(f.Label63.caption(), "2732 nautical miles       3141.8 statute miles");

    uitest::userClick(f.Command15);
    uitest::userType(f.Text36, "10");
    uitest::userType(f.Text37, "0");
    uitest::userClick(f.Command16);
    EXPECT_EQ(f.Label65.caption(), " Refraction correction = -5.31' arc minutes");
    // An apparent altitude of -4° 24' divides by zero.
    uitest::userType(f.Text36, "-4");
    uitest::userType(f.Text37, "-24");
    uitest::userClick(f.Command16);
    EXPECT_EQ(f.Label65.caption(), " Refraction correction = undefined for these inputs");
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
    EXPECT_EQ(f.Label25.caption(), "LON west side = W 129° 58.6'");
    EXPECT_EQ(f.Label40.caption(), "LON east side = W 70° 1.3'");

    // Worked example of the circle-of-position panel, landmark #2 6' east.
    uitest::userClick(f.Command14);
    uitest::userClick(f.Option27);
    uitest::userClick(f.Option24);
    uitest::userType(f.Text38, "6");
    uitest::userType(f.Text45, "60");
    uitest::userClick(f.Command17);
    EXPECT_EQ(f.Label76.caption(), "Center of arc is 3 nm East ,  1.73 nm South from 1st point");
    // With the preselected West options the mirror image.
    uitest::userClick(f.Option28);
    uitest::userClick(f.Option23);
    uitest::userClick(f.Command17);
    EXPECT_EQ(f.Label76.caption(), "Center of arc is 3 nm West ,  1.73 nm North from 1st point");
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
         {&f.Text6, "3001"},  // 40 deg 3001'
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
         {&f.Text22, "5401"},  // 40 deg 5401'
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
        EXPECT_EQ(env.log, (std::vector<std::string>{
                               "beep", std::string("message Warning!: ") + c.message}));
        for (const Label* result : c.results) {
            EXPECT_EQ(result->caption(), "");
        }
        env.log.clear();
    }
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
