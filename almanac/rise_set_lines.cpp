// Rise, set and meridian passage through the ephemeris, and their lines.
#include "almanac/rise_set_lines.h"

#include <cmath>

#include "ephemeris/ephemeris.h"

namespace almanac {

namespace {

constexpr const char* kNoTime = "---";

// "<rise word> <rise> UT <flag>  <set word> <set> UT <flag>  <transit word>
// <transit> UT <flag>"; "---" for the rise and the set when the body does not
// cross the horizon that day.
std::string riseSetLine(const RiseSetResult& r, const char* riseWord, const char* setWord,
                        const char* transitWord) {
    const bool crosses = hasRiseOrSet(r);
    const std::string rise = crosses ? riseSetTimeText(r.Rise) + " UT " + r.RiseFlag : kNoTime;
    const std::string set = crosses ? riseSetTimeText(r.Set) + " UT " + r.SetFlag : kNoTime;
    return std::string(riseWord) + " " + rise + "  " + setWord + " " + set + "  " + transitWord +
           " " + riseSetTimeText(r.Transit) + " UT " + r.TransitFlag;
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
    // The always-above and always-below cases, and the threshold case that
    // leaves both times 0 without a message.
    return r.Message.empty() && !(r.Rise == 0 && r.Set == 0);
}

std::string riseSetTimeText(double Hours) {
    if (!std::isfinite(Hours)) {
        return kNoTime;
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
