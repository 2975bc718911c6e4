// The sky chart as a display scene: a polar chart of the sky above the
// observer (zenith at the centre, the horizon a circle of SkyRadius, north up,
// east right unless switched), coloured by the Sun's twilight band, with the
// altitude rings, azimuth spokes, labels, the ecliptic, the brightest stars
// and the discs of the Sun, planets and Moon. Alongside it the chart arrays
// that the pointer read-outs search and the star list that the object list
// shows.
//
// Usage by the refresh (stages 4 to 6):
//   SkyChart chart = skyChart(in, sky, stars, width, height);
//   set the picture's back colour, fore colour (text), clear, set the scale;
//   draw rings, spokes, labels (an invisible point in the sky colour, then
//   the print), ecliptic points, then discs in order; keep chart.Arrays and
//   chart.Stars. The Moon-phase picture is drawn after the star discs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "planner/planner_instant.h"
#include "platform/print_items.h"

namespace planner {

// A colour as red, green and blue from 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb& a, const Rgb& b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const Rgb& a, const Rgb& b) { return !(a == b); }
};

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// The chart's scale factor Z and the horizon radius in chart units.
inline constexpr double kChartZ = 1;
inline constexpr double kSkyRadius = 0.768 * kChartZ;

// Stars are selected once the Sun is 3 degrees down (radians) and when they
// stand higher than 0.087 rad (about 4.98 degrees).
inline constexpr double kStarSunLimit = -0.052359877559829834;
inline constexpr double kStarAltitudeLimit = 0.087;

// At most the 58 stars and six bodies are on the chart.
inline constexpr int kChartCapacity = ephemeris::kStarCount + 6;

// ChartCount, ChartX, ChartY, ChartName, ChartAzimuth, ChartElevation:
// entries 1 to ChartCount (entry 0 unused), in drawing order: the listed
// stars brightest first, then the Sun, Venus, Mars, Jupiter, Saturn and the
// Moon, each only if drawn. Azimuth and elevation in degrees.
struct ChartArrays {
    int ChartCount = 0;
    std::array<double, kChartCapacity + 1> ChartX{};
    std::array<double, kChartCapacity + 1> ChartY{};
    std::array<std::string, kChartCapacity + 1> ChartName;
    std::array<double, kChartCapacity + 1> ChartAzimuth{};
    std::array<double, kChartCapacity + 1> ChartElevation{};

    void append(double x, double y, const std::string& name, double azimuth, double elevation);
};

// StarListName, StarListAzimuth, StarListElevation, StarListMagnitude:
// entries 1 to Selected, brightest first (azimuth and elevation in degrees).
struct StarList {
    int Selected = 0;
    std::array<std::string, ephemeris::kStarCount + 1> StarListName;
    std::array<double, ephemeris::kStarCount + 1> StarListAzimuth{};
    std::array<double, ephemeris::kStarCount + 1> StarListElevation{};
    std::array<double, ephemeris::kStarCount + 1> StarListMagnitude{};
};

// The stars of PlotStars: each star's place by StarPosition, selected by the
// limits above, sorted by magnitude with the exchange sort (stars of equal
// magnitude are never exchanged with each other directly). LHAAries, Lat and
// SunHc in radians. Returns Count: the number selected, but at most N (so a
// negative N gives a negative count, and nothing is listed).
int selectStars(double JD, double T_TT, double SunGeoLon, double N, double LHAAries, double Lat,
                double SunHc, const ephemeris::StarTables& tables, StarList& stars);

// The sky colour, text colour, grid colour and twilight text for the Sun's
// altitude in degrees. Below 0 down to above -6 early twilight, -6 down to
// above -12 nautical twilight, -12 and below full night; with the white
// background every altitude looks like day.
struct TwilightBand {
    Rgb sky{255, 255, 255};
    Rgb text{0, 0, 0};
    Rgb grid{50, 50, 50};
    std::string label;  // Label21
};
TwilightBand twilightBand(double SunElevation, bool WhiteBackground);

inline constexpr const char* kEarlyTwilightText = "EARLY TWILIGHT";
inline constexpr const char* kNauticalTwilightText = "NAUTICAL TWILIGHT: HORIZON, STARS VIEWABLE";
inline constexpr const char* kFullNightText = "FULL NIGHT, HORIZON NOT VIEWABLE";

// Where a point of altitude h and azimuth A (degrees) lies on the chart.
ChartPoint chartProjection(double h, double A, double EastWestSign);

// A circle about the centre: a ring of altitude (solid for the horizon).
struct ChartRing {
    double radius = 0;
    bool dotted = false;
};

// A spoke from its outer to its inner end (dotted, grid colour).
struct ChartSpoke {
    ChartPoint outer;
    ChartPoint inner;
};

// A label: an invisible point in the sky colour, then one print statement.
struct ChartLabel {
    ChartPoint at;
    platform::PrintLine line;
};

// A filled disc: outline colour, fill colour, radius in chart units.
struct ChartDisc {
    ChartPoint centre;
    double radius = 0;
    Rgb fill;
    Rgb outline;
};

struct SkyChart {
    // User scale of the picture, equal units both ways, y upward: with a =
    // width / height, x from -max(1, a) to max(1, a) and y from max(1, 1/a)
    // down to -max(1, 1/a).
    double scaleLeft = 0;
    double scaleTop = 0;
    double scaleWidth = 0;
    double scaleHeight = 0;
    double EastWestSign = 1;
    double SunElevation = 0;  // degrees
    TwilightBand band;        // sky (background), text (fore) and grid colours
    std::array<ChartRing, 9> rings;
    std::array<ChartSpoke, 36> spokes;
    // Altitude labels (8), azimuth labels (36), "North", "E", "S", "W".
    std::vector<ChartLabel> labels;
    // Points of the ecliptic above the horizon, in the grid colour.
    std::vector<ChartPoint> ecliptic;
    // Star discs brightest first, then the Sun, Venus, Mars, Jupiter, Saturn
    // and the Moon as drawn; the Moon-phase picture comes after the stars.
    std::vector<ChartDisc> discs;
    int starDiscs = 0;    // the first starDiscs discs are stars
    int listedStars = 0;  // S: the count that selectStars returned
    ChartArrays Arrays;
    StarList Stars;
};

// The chart for a picture of the given outer size (twips; a width or height
// of 0 or less is taken as 1, so nothing divides by zero).
SkyChart skyChart(const PlannerInput& in, const PlannerSky& sky,
                  const ephemeris::StarTables& tables, double pictureWidth, double pictureHeight);

}  // namespace planner
