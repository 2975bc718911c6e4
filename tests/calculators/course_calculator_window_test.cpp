// The course and heading calculator through its real controls: defaults, the
// worked course and heading, the load button writing the main window's course
// and speed, and closing.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "calculators/course_calculator_window.h"
#include "tests/calculators/focus_chain.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using calculators::Form9;
using platform::ui::TextBox;

class CourseCalculatorWindowTest : public ::testing::Test {
  protected:
    Form9& form() { return app.form9(); }

    // Heading, speed, leeway, current direction, current speed.
    void typeInputs(const std::vector<std::string>& values) {
        Form9& f = form();
        TextBox* boxes[] = {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5};
        for (std::size_t i = 0; i < values.size(); ++i) {
            uitest::userType(*boxes[i], values[i]);
        }
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(CourseCalculatorWindowTest, Defaults) {
    Form9& f = form();
    EXPECT_EQ(f.caption(), "True course calculator from leeway and currents");
    EXPECT_FALSE(f.isVisible());
    for (TextBox* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text8}) {
        EXPECT_EQ(box->text(), "0");
    }
    EXPECT_FALSE(f.Text6.visible());
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_FALSE(f.Command3.enabled());
    EXPECT_EQ(f.Command3.caption(), "Load Results in Main Form");
    EXPECT_EQ(f.Command1.caption(), "Click to calculate");
    EXPECT_EQ(f.Command4.caption(), "Click to calculate");
    EXPECT_EQ(f.Command2.caption(), "CLOSE");
    EXPECT_EQ(f.labelTitle.caption(), "True course calculator from leeway and current");
    EXPECT_EQ(f.labelHeadingTitle.caption(), "Heading calculator from leeway and current");
    for (auto* label : {&f.Label10, &f.Label11, &f.Label16, &f.Label17}) {
        EXPECT_EQ(label->caption(), "");
    }

    // Before any course calculation the load button cannot be pressed.
    app.form1().Text8.setText("12");
    f.Command3.click();
    EXPECT_EQ(app.form1().Text8.text(), "12");
}

TEST_F(CourseCalculatorWindowTest, CourseLoadedIntoTheMainWindow) {
    Form9& f = form();
    f.showModeless();
    // Worked example: heading 90, speed 6, leeway 5, current towards 180 at 1.
    typeInputs({"90", "6", "5", "180", "1"});
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label10.caption(), "True course = 104.3 deg from true N");
    EXPECT_EQ(f.Label11.caption(), "Speed over ground = 6.2 knots");
    EXPECT_EQ(f.Text6.text(), "104.3");
    EXPECT_EQ(f.Text7.text(), "6.2");
    EXPECT_TRUE(f.Command3.enabled());

    // The heading for that course; it neither loads nor changes the load.
    uitest::userType(f.Text8, "104.3");
    uitest::userClick(f.Command4);
    EXPECT_EQ(f.Label17.caption(), "Heading course = 90.0 deg from true N");
    EXPECT_EQ(f.Label16.caption(), "Speed over ground = 6.2 knots");
    EXPECT_EQ(f.Text6.text(), "104.3");

    uitest::userClick(f.Command3);
    EXPECT_EQ(app.form1().Text8.text(), "104.3");
    EXPECT_EQ(app.form1().Text2.text(), "6.2");
    EXPECT_FALSE(app.form1().isVisible());
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CourseCalculatorWindowTest, HeadingAloneDoesNotEnableTheLoad) {
    Form9& f = form();
    typeInputs({"0", "6", "0", "350", "2"});
    uitest::userType(f.Text8, "10");
    f.Command4.click();
    // Worked example of the heading calculator.
    EXPECT_EQ(f.Label17.caption(), "Heading course = 16.5 deg from true N");
    EXPECT_EQ(f.Label16.caption(), "Speed over ground = 7.8 knots");
    EXPECT_FALSE(f.Command3.enabled());
    EXPECT_EQ(f.Label10.caption(), "");
}

TEST_F(CourseCalculatorWindowTest, HeadingRefusesADesiredCourseOutsideOneTurn) {
    Form9& f = form();
    f.showModeless();
    typeInputs({"0", "6", "0", "350", "2"});
    uitest::userType(f.Text8, "10");
    uitest::userClick(f.Command4);
    ASSERT_EQ(f.Label17.caption(), "Heading course = 16.5 deg from true N");
    uitest::userType(f.Text8, "370");
    env.messages.expect("Desired True Course must be 0 to 360 degrees");
    uitest::userClick(f.Command4);
    EXPECT_EQ(env.log,
              (std::vector<std::string>{"beep",
                                        "message Warning!: Desired True Course must be 0 to 360 "
                                        "degrees"}));
    EXPECT_EQ(f.Label17.caption(), "");
    EXPECT_EQ(f.Label16.caption(), "");
}

TEST_F(CourseCalculatorWindowTest, HeadingSaysWhenNoHeadingMakesTheCourseGood) {
    Form9& f = form();
    f.showModeless();
    // Current towards 90 at 3 knots across a course of 0 made at 2 knots.
    typeInputs({"0", "2", "0", "90", "3"});
    uitest::userType(f.Text8, "0");
    uitest::userClick(f.Command4);
    EXPECT_EQ(f.Label17.caption(), "This course cannot be made good with this speed and current");
    EXPECT_EQ(f.Label16.caption(), "");
    // A ship fast enough: the heading into the current.
    uitest::userType(f.Text2, "6");
    uitest::userClick(f.Command4);
    // asin(3 / 6) = 30 degrees to port of the course, 6 cos 30 = 5.2 knots.
    EXPECT_EQ(f.Label17.caption(), "Heading course = 330.0 deg from true N");
    EXPECT_EQ(f.Label16.caption(), "Speed over ground = 5.2 knots");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CourseCalculatorWindowTest, UndefinedCourseLoadsNothing) {
    Form9& f = form();
    typeInputs({"90", "6", "5", "180", "1"});
    f.Command1.click();
    ASSERT_TRUE(f.Command3.enabled());
    // 1.7 x 10^308 knots each way: a number, but their sum is beyond a
    // double.
    const std::string huge = "17" + std::string(307, '0');
    typeInputs({"45", huge, "0", "45", huge});
    f.Command1.click();
    EXPECT_EQ(f.Label10.caption(), "True course = undefined for these inputs");
    EXPECT_EQ(f.Label11.caption(), "Speed over ground = undefined for these inputs");
    EXPECT_FALSE(f.Command3.enabled());
    app.form1().Text8.setText("12");
    f.Command3.click();
    EXPECT_EQ(app.form1().Text8.text(), "12");
}

TEST_F(CourseCalculatorWindowTest, EditingABoxTakesAwayTheAnswersThatReadIt) {
    Form9& f = form();
    f.showModeless();
    const auto calculateBoth = [&] {
        typeInputs({"90", "6", "5", "180", "1"});
        uitest::userType(f.Text8, "104.3");
        uitest::userClick(f.Command1);
        uitest::userClick(f.Command4);
        ASSERT_EQ(f.Label10.caption(), "True course = 104.3 deg from true N");
        ASSERT_EQ(f.Label17.caption(), "Heading course = 90.0 deg from true N");
    };
    const auto courseEmpty = [&] {
        EXPECT_EQ(f.Label10.caption(), "");
        EXPECT_EQ(f.Label11.caption(), "");
        EXPECT_EQ(f.Text6.text(), "");
        EXPECT_EQ(f.Text7.text(), "");
        EXPECT_FALSE(f.Command3.enabled());
    };
    // The heading: only the course calculation reads it.
    calculateBoth();
    uitest::userType(f.Text1, "91");
    courseEmpty();
    EXPECT_EQ(f.Label17.caption(), "Heading course = 90.0 deg from true N");
    EXPECT_EQ(f.Label16.caption(), "Speed over ground = 6.2 knots");
    // The load button copies nothing from before.
    app.form1().Text8.setText("12");
    f.Command3.click();
    EXPECT_EQ(app.form1().Text8.text(), "12");

    // Speed, leeway and current: both calculations read them.
    for (TextBox* shared : {&f.Text2, &f.Text3, &f.Text4, &f.Text5}) {
        calculateBoth();
        uitest::userType(*shared, "2");
        courseEmpty();
        EXPECT_EQ(f.Label17.caption(), "");
        EXPECT_EQ(f.Label16.caption(), "");
    }

    // The desired course: only the heading calculation.
    calculateBoth();
    uitest::userType(f.Text8, "100");
    EXPECT_EQ(f.Label17.caption(), "");
    EXPECT_EQ(f.Label16.caption(), "");
    EXPECT_EQ(f.Label10.caption(), "True course = 104.3 deg from true N");
    EXPECT_EQ(f.Text6.text(), "104.3");
    EXPECT_TRUE(f.Command3.enabled());
    // Calculated again, the course loads.
    uitest::userType(f.Text1, "90");
    uitest::userClick(f.Command1);
    uitest::userClick(f.Command3);
    EXPECT_EQ(app.form1().Text8.text(), "104.3");
    EXPECT_EQ(app.form1().Text2.text(), "6.2");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(CourseCalculatorWindowTest, BoxesThatAreNotNumbersAreRefusedByName) {
    Form9& f = form();
    f.showModeless();
    // The course reads the heading, the heading to steer the desired course;
    // both read the ship's speed, the leeway and the current.
    const std::vector<std::pair<TextBox*, std::string>> shared = {
        {&f.Text2, "Ship speed"},
        {&f.Text3, "Leeway angle"},
        {&f.Text4, "Direction of current"},
        {&f.Text5, "Speed of current"},
    };
    struct Calculation {
        const char* name;
        platform::ui::CommandButton* calculate;
        std::pair<TextBox*, std::string> own;
        std::vector<const platform::ui::Label*> results;
        bool loads;  // the load button follows its answer
        const char* bad;
    };
    const Calculation calculations[] = {
        {"course", &f.Command1, {&f.Text1, "Heading"}, {&f.Label10, &f.Label11}, true, "2,5"},
        {"heading",
         &f.Command4,
         {&f.Text8, "Desired True Course"},
         {&f.Label17, &f.Label16},
         false,
         "abc"},
    };
    for (const Calculation& c : calculations) {
        std::vector<std::pair<TextBox*, std::string>> boxes = {c.own};
        boxes.insert(boxes.end(), shared.begin(), shared.end());
        for (const auto& [box, label] : boxes) {
            SCOPED_TRACE(std::string(c.name) + ": " + label);
            typeInputs({"90", "6", "5", "180", "1"});
            uitest::userType(f.Text8, "104.3");
            uitest::userClick(*c.calculate);
            for (const platform::ui::Label* result : c.results) {
                ASSERT_NE(result->caption(), "");
            }
            ASSERT_EQ(f.Command3.enabled(), c.loads);
            uitest::userType(*box, c.bad);
            const std::string message = label + " must be a number (use a point for decimals)";
            env.messages.expect(message);
            uitest::userClick(*c.calculate);
            EXPECT_EQ(env.log, (std::vector<std::string>{"beep", "message Warning!: " + message}));
            for (const platform::ui::Label* result : c.results) {
                EXPECT_EQ(result->caption(), "");
            }
            EXPECT_FALSE(f.Command3.enabled());
            env.log.clear();
        }
    }
    // Negative speeds are refused by both; an empty box reads 0.
    typeInputs({"90", "6", "5", "180", "-1"});
    for (const Calculation& c : calculations) {
        SCOPED_TRACE(c.name);
        env.messages.expect("Speed of current must not be negative");
        uitest::userClick(*c.calculate);
        for (const platform::ui::Label* result : c.results) {
            EXPECT_EQ(result->caption(), "");
        }
    }
    const std::string negative = "message Warning!: Speed of current must not be negative";
    EXPECT_EQ(env.log, (std::vector<std::string>{"beep", negative, "beep", negative}));
    typeInputs({"", "6", "", "", ""});
    uitest::userClick(f.Command1);
    EXPECT_EQ(f.Label10.caption(), "True course = 0.0 deg from true N");
}

TEST_F(CourseCalculatorWindowTest, ClosingHidesAndKeepsTheFields) {
    Form9& f = form();
    for (auto close : {+[](Form9& w) { uitest::userClick(w.Command2); },
                       +[](Form9& w) { uitest::userCloseWindow(&w); }}) {
        f.showModeless();
        typeInputs({"90", "6"});
        f.Command1.click();
        close(f);
        EXPECT_FALSE(f.isVisible());
        ASSERT_EQ(app.existingWindow<Form9>(), &f);
        uitest::userClick(app.form1().Command6);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Text1.text(), "90");
        EXPECT_EQ(f.Label10.caption(), "True course = 90.0 deg from true N");
        EXPECT_TRUE(f.Command3.enabled());
    }
}

// Tab runs through the course calculator's inputs and buttons, then the
// desired course and its button.
TEST_F(CourseCalculatorWindowTest, TabOrderFollowsTheFields) {
    Form9& f = form();
    const std::vector<QWidget*> order = {
        f.Text1.widget(), f.Text2.widget(),        f.Text3.widget(),        f.Text4.widget(),
        f.Text5.widget(), f.Command1.pushButton(), f.Command2.pushButton(), f.Command3.pushButton(),
        f.Text8.widget(), f.Command4.pushButton(),
    };
    EXPECT_EQ(focustest::tabChain(&f), order);
}

}  // namespace
