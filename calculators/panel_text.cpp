#include "calculators/panel_text.h"

#include <cmath>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace calculators {

double fieldValue(const std::string& text) {
    return platform::leadingNumber(text);
}

double angleValue(const AngleField& field) {
    const double value =
        std::fabs(fieldValue(field.Degrees)) + std::fabs(fieldValue(field.Minutes)) / 60;
    return field.Negative ? -value : value;
}

double signedDegreesMinutes(const std::string& degrees, const std::string& minutes) {
    return fieldValue(degrees) + fieldValue(minutes) / 60;
}

platform::Problem angleTextProblem(std::string_view label, const AngleField& field) {
    const std::string name(label);
    return platform::firstProblem(
        {platform::numberProblem(name + " degrees", field.Degrees),
         platform::numberProblem(name + " minutes", field.Minutes),
         platform::minutesProblem(name + " minutes", std::fabs(fieldValue(field.Minutes)))});
}

platform::Problem signedAngleTextProblem(std::string_view label, const std::string& degrees,
                                         const std::string& minutes) {
    const std::string name(label);
    return platform::firstProblem(
        {platform::numberProblem(name + " degrees", degrees),
         platform::numberProblem(name + " minutes", minutes),
         platform::minutesProblem(name + " minutes", fieldValue(minutes))});
}

std::string resultText(const std::string& words, double value, int Places,
                       const std::string& after) {
    if (!std::isfinite(value)) {
        return words + kUndefinedText;
    }
    return words + ephemeris::RoundedText(value, Places) + after;
}

namespace {

std::string shownDegMinText(const ephemeris::RoundedDegMin& r) {
    if (!r.Finite) {
        return kUndefinedText;
    }
    // Below one degree the minutes carry the sign.
    const double shownMin = r.Deg == 0 && r.Sign < 0 ? -r.Min : r.Min;
    return platform::generalText(r.Deg) + "° " + ephemeris::RoundedText(shownMin, 1) + "'";
}

}  // namespace

std::string degreesMinutesText(double X) {
    return shownDegMinText(ephemeris::RoundDegMin(X, 1));
}

std::string hourAngleText(double X) {
    return shownDegMinText(ephemeris::RoundHourAngle(X, 1));
}

std::string signedDegreesMinutesText(double X) {
    const std::string magnitude = degreesMinutesText(std::fabs(X));
    if (ephemeris::RoundDegMin(X, 1).Sign < 0 && magnitude != kUndefinedText) {
        return "-" + magnitude;
    }
    return magnitude;
}

}  // namespace calculators
