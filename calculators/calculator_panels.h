// The panels of the calculators window: each takes its fields' texts and
// option states and returns the texts of its result labels. A panel computes
// only when its button is pressed; nothing is stored between presses.
//
// The window first asks the panel's check (deadReckoningProblem and its
// siblings): every box a number as a whole text (empty reads 0), then the
// ranges; a problem names the box and nothing is computed. The computations
// themselves read every field as its leading number (empty or not a number:
// 0). Figures are rounded to the place shown, half away from zero, with the
// carry into the next degree. A label whose value comes out not finite shows
// its fixed words followed by kUndefinedText instead of a number.
#pragma once

#include <optional>
#include <string>

#include "calculators/panel_text.h"

namespace calculators {

// ---- Plane-sailing dead reckoning --------------------------------------

struct DeadReckoningInput {
    std::string Course;  // degrees from true north
    std::string Speed;   // knots
    AngleField Lat;      // last fix; Negative = "South"
    AngleField Lon;      // last fix; Negative = "West"
    std::string Hours;   // elapsed time, hours and minutes, signs as typed
    std::string Minutes;
};

struct DeadReckoningResult {
    std::string Latitude;   // "Estimated Latitude N 40° 24'"
    std::string Longitude;  // "Estimated Longitude W 69° 27'"
    std::string Distance;   // "Distance traveled, nmiles: 35"
};

// The latitude line when the run goes past a pole; the longitude and
// distance lines are then empty.
inline constexpr const char* kPastPoleText =
    "Past a pole: check True Course, Speed over ground and Time interval";

// Distance S t, northing D cos C, departure D sin C over the cosine of the
// mid-latitude; the longitude gets one wrap into -180..180. Whole minutes,
// rounded. A latitude beyond 90 degrees is no position (kPastPoleText).
DeadReckoningResult deadReckoning(const DeadReckoningInput& input);

// Course 0 to 360, speed not negative, the last fix's minutes 0 to below 60,
// its latitude not above 90 and longitude not above 180; the time interval
// any number.
platform::Problem deadReckoningProblem(const DeadReckoningInput& input);

// ---- Distance to and dip of the horizon --------------------------------

struct HorizonInput {
    std::string EyeHeight;     // metres; 0 counts as 0.01
    std::string LandDistance;  // n.mi.; empty or 0: the sea horizon
};

struct HorizonResult {
    std::string SeaHorizon;  // "Distance to sea horizon, nmiles: 3"
    std::string Dip;         // "Dip of horizon, arcminutes: 2.5"
    // Only when a land horizon nearer than the sea horizon adds dip; the
    // labels keep their former texts otherwise.
    std::optional<std::string> Compensation;
    std::optional<std::string> Note;
};

// Sea horizon 2.118 sqrt(h) n.mi.; dip of a horizon x n.mi. away
// (180 / pi) 60 atan(h / (1852 x) + x / 8268) arc minutes.
HorizonResult horizon(const HorizonInput& input);

// Eye height and distance to land not negative (empty: 0).
platform::Problem horizonProblem(const HorizonInput& input);

// ---- Great-circle distance ---------------------------------------------

struct GreatCircleInput {
    AngleField Lat1;  // Negative = "South"
    AngleField Lon1;  // Negative = "West"
    AngleField Lat2;
    AngleField Lon2;
};

// "2732 nautical miles       3141.8 statute miles": the central angle by the
// spherical law of cosines, 3437.74677 n.mi. per radian, rounded to 0.1.
std::string greatCircleDistance(const GreatCircleInput& input);

// Minutes 0 to below 60, latitudes not above 90, longitudes not above 180.
platform::Problem greatCircleProblem(const GreatCircleInput& input);

// ---- Refraction ----------------------------------------------------------

struct RefractionInput {
    std::string Temperature;  // degrees C
    std::string Pressure;     // millibars
    std::string HaDegrees;    // apparent altitude, signs as typed
    std::string HaMinutes;
};

// " Refraction correction = -5.31' arc minutes": Bennett's formula scaled by
// 0.28 P / (T + 273), rounded to 0.01'.
std::string refraction(const RefractionInput& input);

// Temperature above -273 °C, pressure above 0, the apparent altitude's
// minutes as typed 0 to below 60 and the altitude 0 to 90 degrees, where
// Bennett's formula holds.
platform::Problem refractionProblem(const RefractionInput& input);

// ---- Computed altitude and azimuth -------------------------------------

struct AltitudeInput {
    AngleField Lat;  // assumed position; Negative = "South"
    AngleField Lon;  // Negative = "West"
    AngleField Gha;  // never negative
    AngleField Dec;  // Negative = "S"
};

struct AltitudeResult {
    std::string Altitude;  // "Hc = 57° 29.1'" (degrees without their sign)
    std::string Azimuth;   // "Azimuth = 240.9° "
};

// Hc to 0.1' and the azimuth to 0.1 degree (359.96 reads 360).
AltitudeResult altitudeAzimuth(const AltitudeInput& input);

// Minutes 0 to below 60, latitude and declination 0 to 90, longitude not
// above 180, GHA 0 to 360.
platform::Problem altitudeProblem(const AltitudeInput& input);

// ---- Sumner line ---------------------------------------------------------

struct SumnerInput {
    AngleField Lat;  // assumed latitude; Negative = "South"
    AngleField Ho;   // observed altitude, never negative
    AngleField Gha;  // never negative
    AngleField Dec;  // Negative = "S"
};

struct SumnerResult {
    std::string WestSide;  // "LON west side = W 129° 58.6'"
    std::string EastSide;  // "LON east side = W 70° 1.3'"
    // The altitude circle does not reach the latitude: this message, and
    // both sides empty.
    platform::Problem Unreachable;
};

inline constexpr const char* kSumnerUnreachableText =
    "The body never reaches this observed altitude at this latitude";

// The meridian angle t at which the altitude circle crosses the latitude;
// longitudes -t - GHA and t - GHA, each with one wrap into -180..180, to
// 0.1'. A cosine of t beyond +-(1 + 1e-12) has no crossing (Unreachable);
// within it the circle touches the latitude on one meridian (t = 0 or 180).
SumnerResult sumnerLongitudes(const SumnerInput& input);

// Minutes 0 to below 60, latitude, observed altitude and declination 0 to
// 90, GHA 0 to 360.
platform::Problem sumnerProblem(const SumnerInput& input);

// ---- Circle of position from two landmarks -------------------------------

struct CircleCentreInput {
    AngleField Lat1;  // the western landmark; Negative = "South"
    AngleField Lon1;  // Negative = "West"
    AngleField Lat2;  // the eastern landmark
    AngleField Lon2;
    AngleField Angle;  // measured between them, never negative
};

// "Center of arc is 3 nm East ,  1.73 nm South from 1st point": the centre
// of CircleOfPosition, rounded to 0.01 n.mi.; the radius is not shown.
std::string circleCentre(const CircleCentreInput& input);

inline constexpr const char* kLandmarksAtOnePositionText =
    "The two landmarks are at the same position";

// Minutes 0 to below 60, latitudes not above 90, longitudes not above 180,
// the angle above 0 and below 180 degrees, the landmarks at two positions.
platform::Problem circleCentreProblem(const CircleCentreInput& input);

}  // namespace calculators
