// What the lunar tests share: the clearing's printed figures worked
// independently, each rounded half up from the whole number of units of its
// last place.
#pragma once

#include <cmath>
#include <string>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace lunartest {

// "D° M '" of an angle that is not negative, rounded to 0.1'.
inline std::string degMinText(double degrees) {
    const double tenths = std::floor(degrees * 600 + 0.5);
    const double D = std::floor(tenths / 600);
    return platform::printedNumber(D) + "\xC2\xB0 " + " " +
           ephemeris::RoundedText((tenths - D * 600) / 10, 1) + "  '";
}

// Minutes of arc from degrees, rounded to 0.01', in the print form.
inline std::string hundredthsText(double degrees) {
    return " " + ephemeris::RoundedText(std::floor(degrees * 6000 + 0.5) / 100, 2) + " ";
}

// "hh:mm:ss" of a time of day in hours, rounded to the second (below
// 23:59:59.5).
inline std::string timeText(double hours) {
    const double seconds = std::floor(hours * 3600 + 0.5);
    const auto two = [](double x) { return (x < 10 ? "0" : "") + platform::generalText(x); };
    return two(std::floor(seconds / 3600)) + ":" + two(std::floor(std::fmod(seconds, 3600) / 60)) +
           ":" + two(std::fmod(seconds, 60));
}

}  // namespace lunartest
