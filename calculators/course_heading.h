// The course and heading calculator: the true course and speed over ground
// from heading, leeway, speed through the water and current, and the heading
// to steer for a desired course over ground under the same leeway and
// current.
//
// Directions are degrees from true north, clockwise; the current's direction
// is the one it flows towards. Leeway is positive to the right of the
// heading. Speeds are knots. Each calculator first checks the boxes it reads:
// every box a number as a whole text (empty reads 0), the speeds not
// negative, the desired course 0 to 360; the heading, the leeway and the
// current's direction take any value. A refused box names itself in Refused
// and nothing is computed. The results are rounded to 0.1, half away from
// zero; the course and speed texts for the main window keep the half tenth
// added and cut.
#pragma once

#include <optional>
#include <string>

#include "platform/input_check.h"

namespace calculators {

// The literal that brings courses into 0..2 pi (a little short of 2 pi).
inline constexpr double kCourseTurn = 6.28318;

struct CourseInput {
    std::string Heading;           // degrees
    std::string Speed;             // through the water, knots
    std::string Leeway;            // degrees, + to the right
    std::string CurrentDirection;  // degrees, towards which it flows
    std::string CurrentSpeed;      // knots
};

struct CourseResult {
    // "True course = 104.3 deg from true N", "Speed over ground = 6.2 knots".
    std::string CourseLine;
    std::string SpeedLine;
    // The two numbers alone ("104.3", "6.2"), for the main window's course
    // and speed fields; empty when the inputs give no finite course.
    std::optional<std::string> CourseText;
    std::optional<std::string> SpeedText;
    // A box that is not a number or out of its range: the message naming
    // it, and every other member empty.
    platform::Problem Refused;
};

// North and east components of the water track plus the current; the course
// from Atan2(east, north), + 6.28318 when negative; both rounded to 0.1.
CourseResult trueCourse(const CourseInput& input);

struct HeadingInput {
    std::string DesiredCourse;  // degrees, 0 to 360
    std::string Speed;
    std::string Leeway;
    std::string CurrentDirection;
    std::string CurrentSpeed;
};

// The heading line when no heading can make good the desired course: the
// current across the course is stronger than the speed through the water, or
// nothing is left to move along it.
inline constexpr const char* kCourseUnreachableText =
    "This course cannot be made good with this speed and current";
// The heading line when the steps end on a heading whose course made good is
// more than 0.1 degree from the desired one.
inline constexpr const char* kHeadingNotFoundText =
    "No heading was found that makes good this course";

struct HeadingResult {
    // "Heading course = 90 deg from true N", "Speed over ground = 6.2 knots";
    // or one of the two texts above and an empty speed line; both empty when
    // the desired course is refused.
    std::string HeadingLine;
    std::string SpeedLine;
    // A box that is not a number or out of its range: the message naming it.
    platform::Problem Refused;
};

// Exactly 100 steps of H = H + 0.1 (desired - course made good at H), from
// H = desired; the error is not folded into +-pi. Speed over ground at the
// heading before the last step; the heading brought into 0..6.28318.
// Before the steps: the boxes are checked (Refused); a course
// with the current across it stronger than the speed through the water
// (|W sin(C - D)| > V), or with a speed along it of 0 or less, cannot be
// made good. After them, a heading whose course made good misses the
// desired one by more than 0.1 degree is no heading.
HeadingResult headingToSteer(const HeadingInput& input);

}  // namespace calculators
