// The sight planner's instant: the fields of the planner turned into an
// instant and a position, and the Sun, the Moon and the four planets in
// azimuth and altitude for it.
//
// Usage by the refresh:
//   PlannerInput in = plannerInput(texts);     // stage 1, from the fields
//   PlannerSky sky = plannerSky(in);           // stages 2 and 3
//   ... the chart (sky_chart.h) and the list (object_list.h) read sky.
#pragma once

#include <string>

#include "ephemeris/ephemeris.h"
#include "platform/input_check.h"

namespace planner {

// The refresh's fields as the planner window holds them.
struct PlannerTexts {
    std::string Year;              // Text1
    std::string Month;             // Text2
    std::string Day;               // Text3
    std::string Hour;              // Text4, UT
    std::string Minute;            // Text5
    std::string Second;            // Text11
    std::string LatDegrees;        // Text113
    std::string LatMinutes;        // Text6
    bool South = false;            // Option2 "S"
    std::string LonDegrees;        // Text114
    std::string LonMinutes;        // Text7
    bool West = false;             // Option3 "W"
    std::string DeltaT;            // Text8, seconds
    std::string StarCount;         // Text9 "How many stars?"
    bool ShowParallax = false;     // Check2 "Show lunar parallax"
    bool SwitchEastWest = false;   // Check4 "Switch E for W for inverted viewing"
    bool WhiteBackground = false;  // Check1 "Keep background white for printing"
};

// Stage 1 of the refresh: every number is the field's leading number (the
// whole number of a field that plannerProblem passed; empty reads 0); signs
// typed into the position boxes are ignored, the options alone give the
// hemisphere.
struct PlannerInput {
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double UtHours = 0;
    double Lat = 0;     // radians, north positive
    double Lon = 0;     // radians, east positive
    double DeltaT = 0;  // seconds
    double N = 0;       // largest number of stars, cut toward minus infinity
    bool ShowParallax = false;
    bool WhiteBackground = false;
    double EastWestSign = 1;  // -1 when east and west are switched
};

PlannerInput plannerInput(const PlannerTexts& texts);

// The first field the refresh cannot stand behind, named by its label: a
// number box whose text is not a number as a whole (an empty box reads 0,
// an empty Delta T is refused),
// then the date, the UT time of day, minutes 0 to below 60 (the typed sign
// ignored, as the refresh reads them) before the latitude (degrees and
// minutes, not above 90) and the longitude (not above 180) they belong to,
// and Delta T.
platform::Problem plannerProblem(const PlannerTexts& texts);

// The planner's altitude and azimuth. DistAU the body's distance (AU), GHA and
// Dec in degrees, Lat and Lon in radians. Zn (0 to 2 pi, clockwise from
// north) and Hc in radians; with ShowParallax the parallax in altitude of a
// body at that distance (Earth radius 6371 km, flattening 1/298.257) is taken
// off Hc.
void SkyAltAz(double DistAU, double GHA, double Dec, double Lat, double Lon, bool ShowParallax,
              double& Zn, double& Hc);

// A body's place on the observer's sky, radians.
struct BodyAltAz {
    double Zn = 0;
    double Hc = 0;
};

// Stages 2 and 3 of the refresh without the rise/set searches.
struct PlannerSky {
    ephemeris::TimeArguments Time;  // JD (UT), T, T_TT
    ephemeris::SunPlace Sun;        // SunPosition's outputs
    BodyAltAz SunAltAz;
    BodyAltAz Moon;
    BodyAltAz Venus;
    BodyAltAz Mars;
    BodyAltAz Jupiter;
    BodyAltAz Saturn;
    double MoonIllum = 0;  // illuminated percentage
    double F = 0;          // illuminated fraction, MoonIllum x 0.01
    double Elong = 0;      // the Moon's elongation from the Sun, degrees
};

PlannerSky plannerSky(const PlannerInput& in);

}  // namespace planner
