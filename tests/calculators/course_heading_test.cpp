// The course and heading calculator against the worked values of its
// description (each case names its source).
#include "calculators/course_heading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using calculators::CourseInput;
using calculators::HeadingInput;

// 1.7 x 10^308: a number as a whole text; twice its part along 45 degrees is
// beyond a double.
const std::string kLong = "17" + std::string(307, '0');

std::string courseLine(const std::string& course) {
    return "True course = " + course + " deg from true N";
}
std::string headingLine(const std::string& heading) {
    return "Heading course = " + heading + " deg from true N";
}
std::string speedLine(const std::string& speed) {
    return "Speed over ground = " + speed + " knots";
}

// "360.0" as the read-back text writes it: "360"; "6.2" stays.
std::string wholeWithoutTenth(const std::string& shown) {
    const std::size_t n = shown.size();
    return n > 2 && shown.compare(n - 2, 2, ".0") == 0 ? shown.substr(0, n - 2) : shown;
}

TEST(CourseCalculator, WorkedCourses) {
    struct Case {
        CourseInput in;  // heading, speed, leeway, current direction, current speed
        std::string course, speed;
    };
    // Worked values of the course calculator.
    const Case cases[] = {
        {{"0", "0", "0", "0", "0"}, "0.0", "0.0"},
        {{"90", "6", "5", "180", "1"}, "104.3", "6.2"},
        {{"0", "6", "-10", "0", "0"}, "350.0", "6.0"},
        {{"350", "6", "20", "0", "0"}, "10.0", "6.0"},
        {{"180", "6", "0", "0", "0"}, "180.0", "6.0"},
        {{"359.99", "6", "0", "0", "0"}, "360.0", "6.0"},
        // The heading the heading calculator finds for course 10 over ground.
        {{"16.5", "6", "0", "350", "2"}, "10.0", "7.8"},
        {{"", "", "", "", ""}, "0.0", "0.0"},
        // 359.96 rounds to the tenth: 360.
        {{"359.96", "6", "0", "0", "0"}, "360.0", "6.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.Heading + " " + c.in.Speed + " " + c.in.Leeway);
        const calculators::CourseResult r = calculators::trueCourse(c.in);
        EXPECT_EQ(r.CourseLine, courseLine(c.course));
        EXPECT_EQ(r.SpeedLine, speedLine(c.speed));
        // The texts the main window reads back drop a tenth that is 0.
        EXPECT_EQ(r.CourseText.value_or("none"), wholeWithoutTenth(c.course));
        EXPECT_EQ(r.SpeedText.value_or("none"), wholeWithoutTenth(c.speed));
    }
}

TEST(CourseCalculator, OverflowingSpeedsGiveNoCourse) {
    const calculators::CourseResult r = calculators::trueCourse({"45", kLong, "0", "45", kLong});
    EXPECT_EQ(r.CourseLine, "True course = undefined for these inputs");
    EXPECT_EQ(r.SpeedLine, "Speed over ground = undefined for these inputs");
    EXPECT_FALSE(r.CourseText);
    EXPECT_FALSE(r.SpeedText);
}

TEST(HeadingCalculator, WorkedHeadings) {
    struct Case {
        HeadingInput in;  // desired course, speed, leeway, current direction, current speed
        std::string heading, speed;
    };
    // Worked values of the heading calculator.
    const Case cases[] = {
        {{"104.3", "6", "5", "180", "1"}, "90.0", "6.2"},
        // Reached through the longer arc, one full turn away.
        {{"355", "6", "10", "0", "0"}, "345.0", "6.0"},
        {{"355", "6", "-10", "0", "0"}, "5.0", "6.0"},
        {{"5", "6", "-10", "0", "0"}, "15.0", "6.0"},
        {{"5", "6", "10", "0", "0"}, "355.0", "6.0"},
        {{"360", "6", "0", "0", "0"}, "360.0", "6.0"},
        {{"0", "6", "0", "0", "0"}, "0.0", "6.0"},
        {{"10", "6", "0", "350", "2"}, "16.5", "7.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.DesiredCourse + " " + c.in.Leeway + " " + c.in.CurrentDirection);
        const calculators::HeadingResult r = calculators::headingToSteer(c.in);
        EXPECT_EQ(r.HeadingLine, headingLine(c.heading));
        EXPECT_EQ(r.SpeedLine, speedLine(c.speed));
    }
}

TEST(HeadingCalculator, DesiredCourseOutsideOneTurnIsRefused) {
    for (const std::string& desired : {std::string("360.1"), std::string("-1"),
                                       std::string("1000000000"), std::string("-720"), kLong}) {
        SCOPED_TRACE(desired);
        const calculators::HeadingResult r =
            calculators::headingToSteer({desired, "6", "0", "0", "0"});
        ASSERT_TRUE(r.Refused);
        EXPECT_EQ(*r.Refused, "Desired True Course must be 0 to 360 degrees");
        EXPECT_EQ(r.HeadingLine, "");
        EXPECT_EQ(r.SpeedLine, "");
    }
    EXPECT_FALSE(calculators::headingToSteer({"360", "6", "0", "0", "0"}).Refused);
    EXPECT_FALSE(calculators::headingToSteer({"0", "6", "0", "0", "0"}).Refused);
}

TEST(CourseAndHeading, BoxesThatAreNotNumbersOrOutOfRangeAreRefused) {
    const std::string number = " must be a number (use a point for decimals)";
    struct Case {
        std::vector<std::string> boxes;  // heading or desired course, speed, leeway,
                                         // current direction, current speed
        std::string course;              // the course calculator's refusal, "" none
        std::string heading;             // the heading calculator's refusal
    };
    const Case cases[] = {
        {{"90", "6", "5", "180", "1"}, "", ""},
        // Heading, leeway and the current's direction take any value.
        {{"-725", "6", "-400", "1000", "1"}, "", "Desired True Course must be 0 to 360 degrees"},
        {{"90", "-6", "5", "180", "1"},
         "Ship speed must not be negative",
         "Ship speed must not be negative"},
        {{"90", "6", "5", "180", "-0.1"},
         "Speed of current must not be negative",
         "Speed of current must not be negative"},
        {{"abc", "6", "5", "180", "1"}, "Heading" + number, "Desired True Course" + number},
        {{"90", "2,75", "5", "180", "1"}, "Ship speed" + number, "Ship speed" + number},
        {{"90", "6", "1.2.3", "180", "1"}, "Leeway angle" + number, "Leeway angle" + number},
        {{"90", "6", "5", "12abc", "1"},
         "Direction of current" + number,
         "Direction of current" + number},
        {{"90", "6", "5", "180", "1e3"}, "Speed of current" + number, "Speed of current" + number},
        // A box that is no number comes before a range.
        {{"400", "-6", "5", "180", "x"}, "Speed of current" + number, "Speed of current" + number},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes[0] + " " + c.boxes[1] + " " + c.boxes[2] + " " + c.boxes[3] + " " +
                     c.boxes[4]);
        const calculators::CourseResult course =
            calculators::trueCourse({c.boxes[0], c.boxes[1], c.boxes[2], c.boxes[3], c.boxes[4]});
        EXPECT_EQ(course.Refused.value_or(""), c.course);
        if (course.Refused) {
            EXPECT_EQ(course.CourseLine, "");
            EXPECT_FALSE(course.CourseText);
        }
        const calculators::HeadingResult heading = calculators::headingToSteer(
            {c.boxes[0], c.boxes[1], c.boxes[2], c.boxes[3], c.boxes[4]});
        EXPECT_EQ(heading.Refused.value_or(""), c.heading);
    }
}

TEST(HeadingCalculator, CoursesNoHeadingCanMakeGood) {
    // Desired D, speed V, leeway, current towards C at W knots. Unreachable
    // when the current across the course, W sin(C - D), is more than V, or
    // when what is left along it, sqrt(V^2 - across^2) + W cos(C - D), is not
    // above 0.
    struct Case {
        const char* what;
        HeadingInput in;
    };
    const Case cases[] = {
        // across 3 sin(90) = 3 > 2.
        {"current across stronger than the ship", {"0", "2", "0", "90", "3"}},
        {"the same from the other side", {"180", "2", "5", "90", "3"}},
        // across 0, along 2 - 3 = -1.
        {"current head-on, stronger", {"90", "2", "0", "270", "3"}},
        // across 1.5 <= 2, along 1.32 - 2.60 < 0.
        {"against the current at an angle", {"150", "2", "0", "0", "3"}},
        // along exactly 0.
        {"current head-on, as fast", {"90", "2", "0", "270", "2"}},
        // Nothing moves: nothing is made good.
        {"no speed and no current", {"0", "0", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const calculators::HeadingResult r = calculators::headingToSteer(c.in);
        EXPECT_FALSE(r.Refused);
        EXPECT_EQ(r.HeadingLine, calculators::kCourseUnreachableText);
        EXPECT_EQ(r.SpeedLine, "");
    }
}

TEST(HeadingCalculator, HeadingThatMissesTheCourseIsNoHeading) {
    // Speed 2, current towards 0 at 3, desired 30: across 1.5, along
    // sqrt(4 - 2.25) + 3 cos 30 = 3.92, so heading 30 + asin(0.75) = 78.6
    // makes good 30. Near the tangent the hundred steps creep and stop more
    // than a degree short of it: the course they make good misses 30 by more
    // than 0.1 degree.
    const double exact = 30 + std::asin(0.75) * 180 / 3.141592653589793;
    ASSERT_NEAR(exact, 78.59, 0.01);
    const calculators::HeadingResult r = calculators::headingToSteer({"30", "2", "0", "0", "3"});
    EXPECT_EQ(r.HeadingLine, calculators::kHeadingNotFoundText);
    EXPECT_EQ(r.SpeedLine, "");
    // A current as strong that lets the steps settle: a reachable course
    // keeps its heading. Current towards 0 at 3, speed 6, desired 90: the
    // heading is 90 + asin(0.5) = 120, the speed 6 cos 30 = 5.2.
    const calculators::HeadingResult settled =
        calculators::headingToSteer({"90", "6", "0", "0", "3"});
    EXPECT_EQ(settled.HeadingLine, headingLine("120.0"));
    EXPECT_EQ(settled.SpeedLine, speedLine("5.2"));
}

}  // namespace
