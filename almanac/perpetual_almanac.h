// The perpetual almanac: for a UT instant and a body of the list, the
// printout of the body (GHA, declination, SHA, horizontal parallax, GHA of
// Aries, and by body the semi-diameter and the equation of time, the Moon's
// illumination or the star's magnitude) and of the instant (Julian days,
// mean obliquity, nutation).
//
// The almanac window reads its fields into an AlmanacRequest, calls
// perpetualAlmanac and prints the two blocks, one print statement a line:
//
//   const almanac::AlmanacPrintout out = almanac::perpetualAlmanac(request, app.Stars);
//   for (const platform::PrintLine& line : out.TimeBlock) timePicture.print(line);
//   for (const platform::PrintLine& line : out.BodyBlock) bodyPicture.print(line);
//
// A number that cannot be computed (absurd fields) prints "---".
#pragma once

#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "platform/print_items.h"

namespace almanac {

// The fields as they read (empty or non-numeric fields read 0).
struct AlmanacRequest {
    // Body list entry: 0 Sun, 1 Moon, 2 Venus, 3 Mars, 4 Jupiter, 5 Saturn,
    // 6..63 the stars in StarNames order; -1 (or any other value) no body.
    int ObjectIndex = -1;
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double Hour = 0;
    double Minute = 0;
    double Second = 0;
    double DeltaT = 0;  // seconds
};

// The instant of the fields.
struct AlmanacTime {
    double UT = 0;    // decimal hours
    double JD = 0;    // Julian day, UT
    double T_TT = 0;  // dynamical time, Julian centuries from J2000.0
    double JDE = 0;   // Julian ephemeris day, JD + DeltaT / 86400
};

AlmanacTime almanacTime(const AlmanacRequest& request);

struct AlmanacPrintout {
    std::vector<platform::PrintLine> BodyBlock;  // empty when no body is picked
    std::vector<platform::PrintLine> TimeBlock;  // always the five lines
};

AlmanacPrintout perpetualAlmanac(const AlmanacRequest& request, const ephemeris::StarTables& stars);

// Equation of time in minutes from the Sun's GHA (degrees) and the UT
// (hours): 720 + 4 GHA - 60 UT, brought once toward 0 by a day (1440 minutes)
// when it lies beyond 20 minutes either way.
double equationOfTime(double SunGHA, double UT);

// The common block of the Sun, the Moon and the planets: name, GHA,
// declination, SHA, HP (arc minutes) and the GHA of Aries; angles in
// degrees. Every figure is rounded to the 0.01' it shows, minutes that round
// to 60 carried into the degrees.
std::vector<platform::PrintLine> PlanetPrint(const std::string& Name, double GHA, double Dec,
                                             double SHA, double HP, double GHAAries);

// The Sun's lines after its common block: semi-diameter (arc minutes, to
// 0.01), the equation of time (minutes) in whole minutes and seconds rounded
// to 0.1 with the carry, and whether the Sun is faster or slower than the
// mean clock (no sentence when it shows as zero).
std::vector<platform::PrintLine> sunTail(double SD, double EquationOfTime);

// The Moon's lines after its common block: semi-diameter (arc minutes, to
// 0.01) and the illuminated percentage (to 0.1).
std::vector<platform::PrintLine> moonTail(double SD, double Illum);

// The block of a star: its name as stored (blank-padded) and magnitude, GHA,
// declination, SHA and the GHA of Aries (degrees), rounded as the common
// block.
std::vector<platform::PrintLine> starPrint(const std::string& StarName, double Magnitude,
                                           double GHA, double Dec, double SHA, double GHAAries);

// The time block: Julian day, Julian ephemeris day (at the next print zone,
// unrounded), mean obliquity (degrees, rounded to 6 decimals), nutation in
// longitude and obliquity (arc seconds, rounded to 3 decimals).
std::vector<platform::PrintLine> timeBlock(double JD, double JDE, double MeanObliquity,
                                           double DeltaPsiSeconds, double DeltaEpsSeconds);

}  // namespace almanac
