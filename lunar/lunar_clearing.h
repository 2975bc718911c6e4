// Clearing a lunar distance: from one measured distance between the Moon's
// limb and the Sun's limb, a planet or a star, with an estimated position and
// the chronometer's UTC, the true UTC of the measurement and a better
// longitude.
//
// The measured distance gets the Moon's augmented semi-diameter and the
// Sun's semi-diameter by their limbs; the computed altitudes of the two
// bodies give their apparent altitudes (the parallax in altitude and the
// refraction of both: the Sun's parallax from its distance, a planet's from
// its own, none for a star); the rigorous cosine formula removes them from
// the distance. The UTC at which the geocentric distance had the cleared
// value is interpolated between the chronometer time less and plus 15
// minutes, and the longitude moves 15 degrees per hour of the time error.
// Exactly ten iterations run; the last one is printed.
//
// There is no answer, and one line says why, when the measured distance is
// not between 0 and 180 degrees, when the Moon or the other body is below the
// horizon at the estimated position and the chronometer time (true
// altitudes), when the corrected time lies more than 12 hours from the
// chronometer time, or when the last two iterations differ by more than one
// second of time.
//
// Usage by the window's calculate button:
//   check every box the clearing reads first (platform/input_check);
//   ClearingInput in = the window's fields, read once;
//   ClearingResult r = clearLunarDistance(in);
//   clear the picture, print every line of r.Lines (five, or one that says
//   why the distance cannot be cleared); no field changes.
//
// Accuracy: on the program's own sky seen by exact geometry from the equator
// without air the time comes back within 2 s; against an independent sky
// (the Moon of the same series, SOFA's refraction, the WGS84 Earth) within
// 20 s and the longitude within 5' (tests/lunar/lunar_clearing_test.cpp).
// The Moon's theory itself is good to about 0.25' against the full
// ephemeris, up to 37 s of time.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print_items.h"

namespace lunar {

// LunarTargetIndex, the entries of the body list: 0 the Sun, 1 to 4 Venus,
// Mars, Jupiter, Saturn, 5 to 62 the 58 stars (StarIndex = index - 5).
constexpr int kLunarSun = 0;
constexpr int kLunarFirstPlanet = 1;
constexpr int kLunarLastPlanet = 4;
constexpr int kLunarFirstStar = 5;
constexpr int kLunarLastEntry = 62;

// What the output shows instead of the five lines when there is no answer.
inline constexpr std::string_view kNoDistanceChangeLine =
    " Cannot clear: the distance does not change between the two times";
inline constexpr std::string_view kCheckInputsLine = " Cannot clear: check the inputs";
inline constexpr std::string_view kDistanceRangeLine =
    " Cannot clear: the distance must be between 0 and 180 degrees";
inline constexpr std::string_view kMoonBelowHorizonLine =
    " Cannot clear: the Moon is below the horizon; check the inputs";
inline constexpr std::string_view kBodyBelowHorizonLine =
    " Cannot clear: the other body is below the horizon; check the inputs";
inline constexpr std::string_view kFarFromChronometerLine =
    " Cannot clear: the time found is over 12 h from the chronometer";
inline constexpr std::string_view kNotSettledLine =
    " Cannot clear: the iterations do not settle; check the inputs";

// The corrected time is an answer only this close to the chronometer time,
// hours, and when the last two iterations agree to this many hours.
inline constexpr double kLargestClockError = 12;
inline constexpr double kSettledWithin = 1.0 / 3600;

// The window's inputs as numbers. Angles in degrees, times in hours of UTC.
struct ClearingInput {
    double Temperature = 10;  // air temperature, deg C
    double Pressure = 1010;   // millibars
    double Lat = 0;           // estimated latitude, north positive
    double Lon = 0;           // estimated longitude, east positive
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double U = 0;          // chronometer UTC of the measurement, hours
    double DeltaT = 67;    // seconds
    double Distance = 0;   // measured distance, corrected for index error
    double MoonLimb = 1;   // km: 1 inner, -1 outer, 0 centre
    double SunLimb = 1;    // ks: 1 inner, -1 outer (the Sun only)
    int SelectedBody = 0;  // LunarTargetIndex; any other value: the Sun's centre
};

// The places the clearing needs at one instant.
struct LunarPlaces {
    double MoonGHA = 0;  // degrees
    double MoonDec = 0;
    double MoonHP = 0;  // horizontal parallax, arc minutes
    double BodyGHA = 0;
    double BodyDec = 0;
    double BodyHP = 0;   // the body's horizontal parallax, arc minutes (0 for a star)
    double SunTerm = 0;  // the Sun's semi-diameter by its limb, degrees (0 for others)
};

// The places at UTC hours t of the input's date, from the ephemeris.
LunarPlaces lunarPlacesAt(const ClearingInput& in, double t);

using PlacesAt = std::function<LunarPlaces(double t)>;

struct ClearingResult {
    // Empty when cleared; else the one line shown instead of the results.
    std::string Failure;
    double CorrectTime = 0;      // tcorr, hours of UTC from 0 h of the typed date
    double BetterLongitude = 0;  // degrees, east positive, in (-180, 180]
    double Cleared = 0;          // D, the geocentric distance, degrees
    double Apparent = 0;         // d, centre to centre, degrees
    double AugmentedSD = 0;      // A, the Moon's, signed by its limb, degrees
    // The print statements of the output picture.
    std::vector<platform::PrintLine> Lines;
};

// The first line: tcorr (hours from 0 h of the typed date) as a time of day
// rounded to the second, followed by " previous day" or " next day" when the
// rounded time falls on another date.
platform::PrintLine correctTimeLine(double tcorr);

// The clearing with the ephemeris.
ClearingResult clearLunarDistance(const ClearingInput& in);
// The same with the places from placesAt (tests give their own sky).
ClearingResult clearLunarDistance(const ClearingInput& in, const PlacesAt& placesAt);

// The pieces of one iteration, degrees.
// Refraction at the apparent altitude h: negative.
double lunarRefraction(double h, double Temperature, double Pressure);
// Parallax in altitude at the apparent altitude h, HP in degrees (the Moon's
// or the other body's), for the latitude Lat.
double parallaxInAltitude(double HP, double h, double Lat);
// The Moon's augmented semi-diameter signed by the limb factor, HP in
// degrees, Hm the true altitude.
double augmentedSemiDiameter(double MoonLimb, double HP, double Hm);
// Apparent altitudes of the Moon and the body from their true ones: four
// passes of parallax and refraction, each parallax taken at the body's
// current apparent altitude. HP the Moon's and HPb the body's horizontal
// parallax, degrees (HPb 0 for a star).
void apparentAltitudes(double Hm, double Hb, double HP, double HPb, double Lat, double Temperature,
                       double Pressure, double& hm, double& hb);
// The rigorous cosine formula: the geocentric distance from the apparent
// one d, the true altitudes Hm, Hb and the apparent altitudes hm, hb.
double clearedDistance(double d, double Hm, double Hb, double hm, double hb);

}  // namespace lunar
