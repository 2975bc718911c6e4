// Rise, set and meridian passage through the ephemeris, and their lines.
#include "almanac/rise_set_lines.h"

#include <cmath>

#include "ephemeris/ephemeris.h"

namespace almanac {

namespace {

constexpr const char* kNoTime = "---";

// The flag's day, -1 for "P", 1 for "N", 0 for none.
int flagDay(const std::string& Flag) {
    return Flag == "P" ? -1 : (Flag == "N" ? 1 : 0);
}

// "<time> UT <flag>" of a time rounded to the second, its day flag following
// the rounded time; "---" alone for a time not found.
std::string timeWithFlag(double Hours, const std::string& Flag) {
    if (!std::isfinite(Hours)) {
        return kNoTime;
    }
    return riseSetTimeText(Hours) + " UT " + riseSetDayFlag(Hours, Flag);
}

// "<rise word> <rise> UT <flag>  <set word> <set> UT <flag>  <transit word>
// <transit> UT <flag>"; "---" for a rise or a set not found, and for both
// when the body stays above or below the horizon.
std::string riseSetLine(const RiseSetResult& r, const char* riseWord, const char* setWord,
                        const char* transitWord) {
    const bool crosses = hasRiseOrSet(r);
    const std::string rise = crosses ? timeWithFlag(r.Rise, r.RiseFlag) : kNoTime;
    const std::string set = crosses ? timeWithFlag(r.Set, r.SetFlag) : kNoTime;
    return std::string(riseWord) + " " + rise + "  " + setWord + " " + set + "  " + transitWord +
           " " + timeWithFlag(r.Transit, r.TransitFlag);
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

bool hasRiseOrSet(const RiseSetResult& r) {
    // The always-above and always-below cases have no time to show.
    return r.Message.empty() && (std::isfinite(r.Rise) || std::isfinite(r.Set));
}

std::string riseSetTimeText(double Hours) {
    const ephemeris::RoundedHMS t = ephemeris::RoundHMS(Hours, 0);
    if (!t.Finite) {
        return kNoTime;
    }
    return ephemeris::TimeOfDayText(t);
}

std::string riseSetDayFlag(double Hours, const std::string& Flag) {
    const ephemeris::RoundedHMS t = ephemeris::RoundHMS(Hours, 0);
    if (!t.Finite) {
        return Flag;
    }
    const double day = flagDay(Flag) + t.Days;
    return day < 0 ? "P" : (day > 0 ? "N" : "");
}

std::string sunRiseSetLine(const RiseSetResult& sun) {
    return riseSetLine(sun, "Sunrise", "Sunset", "LAN");
}

std::string moonRiseSetLine(const RiseSetResult& moon) {
    return riseSetLine(moon, "Moonrise", "Moonset", "Mer.Pass.");
}

}  // namespace almanac
