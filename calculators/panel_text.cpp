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

std::string resultText(const std::string& words, double shown, const std::string& after) {
    if (!std::isfinite(shown)) {
        return words + kUndefinedText;
    }
    return words + platform::generalText(shown) + after;
}

std::string degreesMinutesText(double X) {
    double Deg = 0;
    double Min = 0;
    ephemeris::SplitDegMin(X, Deg, Min);
    const double shownMin = ephemeris::FloorTo1(Min);
    if (!allFinite({Deg, shownMin})) {
        return kUndefinedText;
    }
    return platform::generalText(std::fabs(Deg)) + "° " + platform::generalText(shownMin) + "'";
}

std::string signedDegreesMinutesText(double X) {
    const std::string magnitude = degreesMinutesText(std::fabs(X));
    if (X < 0 && magnitude != "0° 0'" && magnitude != kUndefinedText) {
        return "-" + magnitude;
    }
    return magnitude;
}

}  // namespace calculators
