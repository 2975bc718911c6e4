// Rise, set and meridian passage of the Sun and the Moon for a UT date and a
// position, and the one-line texts that show them.
//
// The rise/set window and the sight planner both build their lines here:
//
//   const almanac::RiseSetInput in{Year, Month, Day, Lat, Lon, DeltaT};
//   const almanac::RiseSetResult sun = almanac::sunRiseSet(in);
//   sunLabel.setCaption(" " + almanac::sunRiseSetLine(sun));  // rise/set window
//   sunLabel.setCaption(almanac::sunRiseSetLine(sun));        // planner
//   sunMessage.setCaption(sun.Message);
//
// The rise/set window's labels start with one blank, the planner's do not.
#pragma once

#include <string>

#include "ephemeris/ephemeris.h"

namespace almanac {

// A UT date (the hours play no part) and the observer's position.
struct RiseSetInput {
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double Lat = 0;     // degrees, north positive
    double Lon = 0;     // degrees, east positive
    double DeltaT = 0;  // seconds
};

// What SunRiseSet and MoonRiseSet give, in their order.
struct RiseSetResult {
    double Transit = 0;       // UT hours of the upper meridian passage
    double Rise = 0;          // UT hours; not a number when none was found
    double Set = 0;           // UT hours; not a number when none was found
    std::string RiseFlag;     // "", "P" previous UT day or "N" next UT day
    std::string SetFlag;      // the same for the set
    std::string TransitFlag;  // the same for the transit (always "" for the Sun)
    std::string Message;      // "", or the always-above or always-below message
};

RiseSetResult sunRiseSet(const RiseSetInput& in);
RiseSetResult moonRiseSet(const RiseSetInput& in);

// "hh:mm:ss", the time of day of the hours rounded to the second with the
// carry (23:59:59.5 is 00:00:00); "---" for a time that could not be
// computed (not finite).
std::string riseSetTimeText(double Hours);

// The day flag of the rounded time: Flag ("", "P" previous or "N" next UT
// day) moved by the day the rounding or hours beyond 0 to 24 carry the time
// into, so a set at 23:59:59.7 without a flag shows 00:00:00 "N", a rise at
// 23:59:59.7 "P" shows 00:00:00 without one. Two days either way (which no
// search gives) still read "P" or "N". Not finite: Flag unchanged.
std::string riseSetDayFlag(double Hours, const std::string& Flag);

// Whether the result has a rise or a set to show: not when the body stays
// above or below the horizon all day (the message says which), nor when
// neither time was found.
bool hasRiseOrSet(const RiseSetResult& r);

// "Sunrise <rise> UT <flag>  Sunset <set> UT <flag>  LAN <transit> UT <flag>":
// an empty flag leaves three blanks between " UT" and the next word. A rise
// or a set not found reads "---" without " UT" and flag, so without either
// (hasRiseOrSet) the line is "Sunrise ---  Sunset ---  LAN <transit> UT
// <flag>".
std::string sunRiseSetLine(const RiseSetResult& sun);

// "Moonrise <rise> UT <flag>  Moonset <set> UT <flag>  Mer.Pass. <transit> UT
// <flag>", built like the Sun's line.
std::string moonRiseSetLine(const RiseSetResult& moon);

}  // namespace almanac
