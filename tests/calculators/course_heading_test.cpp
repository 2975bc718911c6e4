// The course and heading calculator against the worked values of its
// description (each case names its source).
#include "calculators/course_heading.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using calculators::CourseInput;
using calculators::HeadingInput;

const std::string kHuge(400, '9');

std::string courseLine(const std::string& course) {
    return "True course = " + course + " deg from true N";
}
std::string headingLine(const std::string& heading) {
    return "Heading course = " + heading + " deg from true N";
}
std::string speedLine(const std::string& speed) {
    return "Speed over ground = " + speed + " knots";
}

TEST(CourseCalculator, WorkedCourses) {
    struct Case {
        CourseInput in;  // heading, speed, leeway, current direction, current speed
        std::string course, speed;
    };
    // Worked values of the course calculator.
    const Case cases[] = {
        {{"0", "0", "0", "0", "0"}, "0", "0"},
        {{"90", "6", "5", "180", "1"}, "104.3", "6.2"},
        {{"0", "6", "-10", "0", "0"}, "350", "6"},
        {{"350", "6", "20", "0", "0"}, "10", "6"},
        {{"180", "6", "0", "0", "0"}, "180", "6"},
        {{"359.99", "6", "0", "0", "0"}, "360", "6"},
        // The heading the heading calculator finds for course 10 over ground.
        {{"16.5", "6", "0", "350", "2"}, "10", "7.8"},
        {{"", "abc", "", "", ""}, "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.Heading + " " + c.in.Speed + " " + c.in.Leeway);
        const calculators::CourseResult r = calculators::trueCourse(c.in);
        EXPECT_EQ(r.CourseLine, courseLine(c.course));
        EXPECT_EQ(r.SpeedLine, speedLine(c.speed));
        EXPECT_EQ(r.CourseText.value_or("none"), c.course);
        EXPECT_EQ(r.SpeedText.value_or("none"), c.speed);
    }
}

TEST(CourseCalculator, OverflowingSpeedsGiveNoCourse) {
    const calculators::CourseResult r = calculators::trueCourse({"45", kHuge, "0", "45", kHuge});
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
        {{"0", "0", "0", "0", "0"}, "0", "0"},
        {{"104.3", "6", "5", "180", "1"}, "90", "6.2"},
        // Reached through the longer arc, one full turn away.
        {{"355", "6", "10", "0", "0"}, "345", "6"},
        {{"355", "6", "-10", "0", "0"}, "5", "6"},
        {{"5", "6", "-10", "0", "0"}, "15", "6"},
        {{"5", "6", "10", "0", "0"}, "355", "6"},
        {{"360", "6", "0", "0", "0"}, "360", "6"},
        {{"0", "6", "0", "0", "0"}, "0", "6"},
        {{"10", "6", "0", "350", "2"}, "16.5", "7.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.DesiredCourse + " " + c.in.Leeway + " " + c.in.CurrentDirection);
        const calculators::HeadingResult r = calculators::headingToSteer(c.in);
        EXPECT_EQ(r.HeadingLine, headingLine(c.heading));
        EXPECT_EQ(r.SpeedLine, speedLine(c.speed));
    }
}

TEST(HeadingCalculator, CoursesFarOutsideOneTurnEndWithAText) {
    // A desired course outside 0-360 is never made good: the heading shown
    // means nothing, but the calculation ends and shows no "inf" or "nan".
    for (const std::string& desired :
         {std::string("1e9"), std::string("-720"), std::string("123456789012"), kHuge}) {
        SCOPED_TRACE(desired);
        const calculators::HeadingResult r =
            calculators::headingToSteer({desired, "6", "0", "0", "0"});
        EXPECT_EQ(r.HeadingLine.rfind("Heading course = ", 0), 0u);
        for (const char* bad : {"inf", "nan", "NaN", "Infinity"}) {
            EXPECT_EQ(r.HeadingLine.find(bad), std::string::npos) << r.HeadingLine;
            EXPECT_EQ(r.SpeedLine.find(bad), std::string::npos) << r.SpeedLine;
        }
    }
    // A current as fast as the vessel: some courses cannot be made good; the
    // heading after the hundred steps is shown, within one turn.
    const calculators::HeadingResult r = calculators::headingToSteer({"90", "2", "0", "270", "3"});
    const double shown = std::stod(r.HeadingLine.substr(std::string("Heading course = ").size()));
    EXPECT_GE(shown, 0);
    EXPECT_LE(shown, 360);
}

}  // namespace
