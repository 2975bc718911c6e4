// The single-shot reduction: one sight reduced from values typed by hand
// (sextant altitude, index correction, altitude correction, semi-diameter,
// horizontal parallax, dip, GHA and declination from an almanac, and an
// assumed position) to Hc, azimuth, Ho and the intercept. Nothing comes from
// the ephemeris or the sight log, and nothing is stored.
#pragma once

#include <string>
#include <vector>

#include "calculators/panel_text.h"

namespace calculators {

struct SingleShotInput {
    std::string HsDegrees;  // sextant altitude, signs as typed
    std::string HsMinutes;
    std::string IndexCorrection;     // arc minutes, sign as typed
    std::string AltitudeCorrection;  // arc minutes, sign as typed
    std::string SemiDiameter;        // arc minutes, + lower limb, - upper limb
    std::string HorizontalParallax;  // arc minutes
    std::string Dip;                 // arc minutes, always subtracted
    AngleField Gha;                  // never negative
    AngleField Dec;                  // Negative = "S"
    AngleField Lat;                  // assumed position; Negative = "South"
    AngleField Lon;                  // Negative = "West"
};

struct SingleShotResult {
    std::string Hc;       // "Hc = 36° 37.3'"
    std::string Azimuth;  // "Azimuth = 250° "
    std::string Ho;       // "Observed Altitude Ho = 36° 40.5'"
    std::string Offset;   // "Offset Distance = 3.19 nautical miles Towards"
    // The three printed lines: local hour angle with its side, apparent
    // altitude Ha, parallax in altitude PA.
    std::vector<std::string> Lines;
};

// Hc by the cosine formula and Zn from the azimuth angle (360 - Z when the
// sine of LHA is not negative); Ha = Hs + dip + IC, PA = HP cos Ha
// (1 - sin^2 Lat / 298.257), Ho = Ha + AC + PA + SD, intercept (Ho - Hc) 60.
// Angles rounded to 0.1', the azimuth to 0.1 degree, the intercept to 0.01
// n.mi. Negative altitudes show their minus sign.
SingleShotResult singleShotReduction(const SingleShotInput& input);

// The largest corrections a sight can have, arc minutes.
inline constexpr double kMostIndexCorrection = 60;     // either sign
inline constexpr double kMostAltitudeCorrection = 90;  // either sign
inline constexpr double kMostSemiDiameter = 18;        // either sign
inline constexpr double kMostHorizontalParallax = 62;  // 0 to this
inline constexpr double kMostDip = 120;                // whichever sign is typed

// Every box a number as a whole text (empty reads 0); then the sextant
// altitude (degrees and minutes as typed) 0 to 90, minutes 0 to below 60, the
// corrections within the limits above, GHA 0 to 360, declination and
// latitude 0 to 90, longitude not above 180; last the observed altitude Ho
// they give, 0 to 90 degrees ("Observed altitude Ho").
platform::Problem singleShotProblem(const SingleShotInput& input);

}  // namespace calculators
