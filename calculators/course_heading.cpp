#include "calculators/course_heading.h"

#include <cmath>

#include "calculators/panel_text.h"
#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace calculators {

namespace {

using ephemeris::FloorTo1;
using platform::generalText;

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

// Speed over ground rounded to 0.1 knot.
double shownSpeed(const Track& t) {
    return FloorTo1(std::sqrt(t.E * t.E + t.N * t.N) + 0.05);
}

}  // namespace

CourseResult trueCourse(const CourseInput& input) {
    const double H = fieldValue(input.Heading) * kRad;
    const Drift d = driftOf(input.Speed, input.Leeway, input.CurrentDirection, input.CurrentSpeed);

    const Track t = groundTrack(H, d.L, d.V, d.C, d.W);
    const double course = FloorTo1(courseOf(t) * kDeg + 0.05);
    const double speed = shownSpeed(t);

    CourseResult out;
    out.CourseLine = resultText("True course = ", course, " deg from true N");
    out.SpeedLine = resultText("Speed over ground = ", speed, " knots");
    if (allFinite({course, speed})) {
        out.CourseText = generalText(course);
        out.SpeedText = generalText(speed);
    }
    return out;
}

HeadingResult headingToSteer(const HeadingInput& input) {
    HeadingResult out;
    const double desired = fieldValue(input.DesiredCourse);
    out.Refused = platform::directionProblem("Desired True Course", desired);
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
    const double speed = shownSpeed(t);
    const double heading = FloorTo1(intoOneTurn(H) * kDeg + 0.05);

    out.HeadingLine = resultText("Heading course = ", heading, " deg from true N");
    out.SpeedLine = resultText("Speed over ground = ", speed, " knots");
    return out;
}

}  // namespace calculators
