// The course and heading calculator: the true course and speed over ground
// from heading, leeway, speed through the water and current, and the heading
// to steer for a desired course over ground under the same leeway and
// current.
//
// Directions are degrees from true north, clockwise; the current's direction
// is the one it flows towards. Leeway is positive to the right of the
// heading. Speeds are knots. Every field reads as its leading number (empty
// or not a number: 0).
#pragma once

#include <optional>
#include <string>

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

struct HeadingResult {
    // "Heading course = 90 deg from true N", "Speed over ground = 6.2 knots".
    std::string HeadingLine;
    std::string SpeedLine;
};

// Exactly 100 steps of H = H + 0.1 (desired - course made good at H), from
// H = desired; the error is not folded into +-pi. Speed over ground at the
// heading before the last step; the heading brought into 0..6.28318.
HeadingResult headingToSteer(const HeadingInput& input);

}  // namespace calculators
