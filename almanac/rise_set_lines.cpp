// Rise, set and meridian passage through the ephemeris, and their lines.
#include "almanac/rise_set_lines.h"

#include <cmath>

#include "ephemeris/ephemeris.h"

namespace almanac {

namespace {

// "<rise word> <rise> UT <flag>  <set word> <set> UT <flag>  <transit word>
// <transit> UT <flag>"
std::string riseSetLine(const RiseSetResult& r, const char* riseWord, const char* setWord,
                        const char* transitWord) {
    return std::string(riseWord) + " " + riseSetTimeText(r.Rise) + " UT " + r.RiseFlag + "  " +
           setWord + " " + riseSetTimeText(r.Set) + " UT " + r.SetFlag + "  " + transitWord + " " +
           riseSetTimeText(r.Transit) + " UT " + r.TransitFlag;
}

}  // namespace

RiseSetResult sunRiseSet(const RiseSetInput& in) {
    RiseSetResult r;
    ephemeris::SunRiseSet(in.Year, in.Month, in.Day, in.Lat, in.Lon, in.DeltaT, r.Transit, r.Rise,
                          r.Set, r.RiseFlag, r.SetFlag, r.TransitFlag, r.Message);
    return r;
}

RiseSetResult moonRiseSet(const RiseSetInput& in) {
    RiseSetResult r;
    ephemeris::MoonRiseSet(in.Year, in.Month, in.Day, in.Lat, in.Lon, in.DeltaT, r.Transit, r.Rise,
                           r.Set, r.RiseFlag, r.SetFlag, r.TransitFlag, r.Message);
    return r;
}

UtDate utDateOfClock(const ephemeris::ClockReading& local, double ZoneHours) {
    UtDate date;
    double Hour = 0;
    double Minute = 0;
    double Second = 0;
    ephemeris::ClockToUT(local, ZoneHours, date.Year, date.Month, date.Day, Hour, Minute, Second);
    if (Hour < 0) {
        date.Day = date.Day - 1;
    }
    return date;
}

std::string riseSetTimeText(double Hours) {
    if (!std::isfinite(Hours)) {
        return "---";
    }
    double H = 0;
    double M = 0;
    double S = 0;
    std::string text;
    ephemeris::FormatTimeHMS(Hours, H, M, S, text);
    return text;
}

std::string sunRiseSetLine(const RiseSetResult& sun) {
    return riseSetLine(sun, "Sunrise", "Sunset", "LAN");
}

std::string moonRiseSetLine(const RiseSetResult& moon) {
    return riseSetLine(moon, "Moonrise", "Moonset", "Mer.Pass.");
}

}  // namespace almanac
