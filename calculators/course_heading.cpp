#include "calculators/course_heading.h"

#include <cmath>

#include "calculators/panel_text.h"
#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace calculators {

namespace {

using ephemeris::FloorTo1;
using ephemeris::RoundTo;
using platform::generalText;
using platform::Problem;

constexpr double kRad = 0.017453292519943278;  // 3.14159265358979 / 180
constexpr double kDeg = 57.29577951308238;     // 180 / 3.14159265358979

// The water track (speed V along H + L) plus the current (W towards C).
struct Track {
    double N = 0;  // knots north
    double E = 0;  // knots east
};

Track groundTrack(double H, double L, double V, double C, double W) {
    return {V * std::cos(H + L) + W * std::cos(C), V * std::sin(H + L) + W * std::sin(C)};
}

// Clockwise from north, 0 to 6.28318.
double courseOf(const Track& t) {
    double course = ephemeris::Atan2(t.E, t.N);
    if (course < 0) {
        course = course + kCourseTurn;
    }
    return course;
}

// Brought into 0 <= H < 6.28318 a turn at a time. A heading thousands of
// turns away (a desired course far outside 0-360) is reduced by whole turns
// at once first, so that the steps end. Not finite: no heading.
double intoOneTurn(double H) {
    if (!std::isfinite(H)) {
        return H;
    }
    if (std::fabs(H) > 1000 * kCourseTurn) {
        H = H - std::floor(H / kCourseTurn) * kCourseTurn;
    }
    for (int guard = 0; guard < 2000 && H < 0; ++guard) {
        H = H + kCourseTurn;
    }
    for (int guard = 0; guard < 2000 && H >= kCourseTurn; ++guard) {
        H = H - kCourseTurn;
    }
    // Beyond the precision of a double no turn is left to show.
    if (!(H >= 0 && H < kCourseTurn)) {
        return std::nan("");
    }
    return H;
}

// Leeway, speed through the water and the current, as both calculators
// read them: angles in radians, speeds in knots.
struct Drift {
    double L = 0;
    double V = 0;
    double C = 0;
    double W = 0;
};

Drift driftOf(const std::string& speed, const std::string& leeway, const std::string& direction,
              const std::string& currentSpeed) {
    return {fieldValue(leeway) * kRad, fieldValue(speed), fieldValue(direction) * kRad,
            fieldValue(currentSpeed)};
}

double speedOf(const Track& t) {
    return std::sqrt(t.E * t.E + t.N * t.N);
}

// The boxes both calculators read after their own direction box: texts
// first, then the speeds.
Problem driftTextProblem(const std::string& speed, const std::string& leeway,
                         const std::string& direction, const std::string& currentSpeed) {
    return platform::firstProblem({
        platform::numberProblem("Ship speed", speed),
        platform::numberProblem("Leeway angle", leeway),
        platform::numberProblem("Direction of current", direction),
        platform::numberProblem("Speed of current", currentSpeed),
    });
}

Problem driftRangeProblem(const std::string& speed, const std::string& currentSpeed) {
    return platform::firstProblem({
        platform::nonNegativeProblem("Ship speed", fieldValue(speed)),
        platform::nonNegativeProblem("Speed of current", fieldValue(currentSpeed)),
    });
}

}  // namespace

CourseResult trueCourse(const CourseInput& input) {
    CourseResult out;
    out.Refused = platform::firstProblem({
        platform::numberProblem("Heading", input.Heading),
        driftTextProblem(input.Speed, input.Leeway, input.CurrentDirection, input.CurrentSpeed),
        driftRangeProblem(input.Speed, input.CurrentSpeed),
    });
    if (out.Refused) {
        return out;
    }
    const double H = fieldValue(input.Heading) * kRad;
    const Drift d = driftOf(input.Speed, input.Leeway, input.CurrentDirection, input.CurrentSpeed);

    const Track t = groundTrack(H, d.L, d.V, d.C, d.W);
    const double course = courseOf(t) * kDeg;
    const double speed = speedOf(t);

    out.CourseLine = resultText("True course = ", course, 1, " deg from true N");
    out.SpeedLine = resultText("Speed over ground = ", speed, 1, " knots");
    // The main window reads these back: half a tenth added, then cut.
    const double courseForLeg = FloorTo1(course + 0.05);
    const double speedForLeg = FloorTo1(speed + 0.05);
    if (allFinite({courseForLeg, speedForLeg})) {
        out.CourseText = generalText(courseForLeg);
        out.SpeedText = generalText(speedForLeg);
    }
    return out;
}

HeadingResult headingToSteer(const HeadingInput& input) {
    HeadingResult out;
    const double desired = fieldValue(input.DesiredCourse);
    out.Refused = platform::firstProblem({
        platform::numberProblem("Desired True Course", input.DesiredCourse),
        driftTextProblem(input.Speed, input.Leeway, input.CurrentDirection, input.CurrentSpeed),
        platform::directionProblem("Desired True Course", desired),
        driftRangeProblem(input.Speed, input.CurrentSpeed),
    });
    if (out.Refused) {
        return out;
    }
    const double D = desired * kRad;
    const Drift d = driftOf(input.Speed, input.Leeway, input.CurrentDirection, input.CurrentSpeed);

    // The water track must cancel the current across the course and leave a
    // speed along it.
    const double across = d.W * std::sin(d.C - D);
    if (std::fabs(across) > d.V ||
        !(std::sqrt(d.V * d.V - across * across) + d.W * std::cos(d.C - D) > 0)) {
        out.HeadingLine = kCourseUnreachableText;
        return out;
    }

    double H = D;
    Track t;
    for (int i = 0; i < 100; ++i) {
        t = groundTrack(H, d.L, d.V, d.C, d.W);
        H = H + 0.1 * (D - courseOf(t));
    }
    // The course made good at the heading reached, against the desired one
    // with the difference folded into -180..180.
    const double miss = desired - courseOf(groundTrack(H, d.L, d.V, d.C, d.W)) * kDeg;
    if (!(std::fabs(miss - 360 * std::floor((miss + 180) / 360)) <= 0.1)) {
        out.HeadingLine = kHeadingNotFoundText;
        return out;
    }
    out.HeadingLine = resultText("Heading course = ", intoOneTurn(H) * kDeg, 1, " deg from true N");
    out.SpeedLine = resultText("Speed over ground = ", speedOf(t), 1, " knots");
    return out;
}

}  // namespace calculators
