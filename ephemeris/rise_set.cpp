// Sun and Moon meridian passage, rise and set for a UT date and an observer:
// the transit by three refinements of an hour-angle estimate, rise and set by
// an hourly altitude search on each side of it with linear interpolation to a
// threshold altitude that allows for refraction, semi-diameter and (for the
// Moon) horizontal parallax.
#include <cmath>
#include <string>

#include "ephemeris/ephemeris.h"
#include "ephemeris/rise_set_rules.h"

namespace ephemeris {

namespace {

constexpr double kSunRate = 15;            // degrees of GHA per hour
constexpr double kMoonMeanRate = 14.3167;  // degrees of GHA per hour
constexpr double kMoonRateLow = 14.0;
constexpr double kMoonRateHigh = 15.0;
constexpr double kRefraction = 30;        // arc minutes at the horizon
constexpr double kMinToDeg = 0.01666667;  // arc minutes to degrees, as the almanac rounds it
constexpr int kRefinements = 3;
constexpr int kSamples = 12;  // hourly samples on each side of the transit

enum class Body { Sun, Moon };

// The UT date and the observer of one search.
struct Observation {
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double Lat = 0;
    double Lon = 0;
    double DeltaT = 0;
};

// What the search uses of a body's place: degrees, and arc minutes for SD and HP.
struct Place {
    double GHA = 0;
    double Dec = 0;
    double SD = 0;
    double HP = 0;  // stays 0 for the Sun
};

// The body's place at Hours on the search's date; hours outside 0..24 fall into
// the neighbouring days.
Place placeAt(Body body, const Observation& obs, double Hours) {
    const TimeArguments t = TimeArgumentsFor(obs.Year, obs.Month, obs.Day, Hours, obs.DeltaT);
    Place place;
    if (body == Body::Sun) {
        const SunPlace sun = SunPlaceAt(t.JD, t.T_TT);
        place.GHA = sun.GHA;
        place.Dec = sun.Dec;
        place.SD = sun.SD;
    } else {
        // Illumination and elongation are not used, so the Sun's longitude is left at 0.
        double Illum = 0;
        double DistKm = 0;
        double Elong = 0;
        MoonPosition(t.JD, t.T_TT, 0, place.GHA, place.Dec, place.SD, place.HP, Illum, DistKm,
                     Elong);
    }
    return place;
}

// The hour angle a body at GHA still turns westward to reach the meridian at
// GHA G, 0 to 360 degrees.
double angleToMeridian(double G, double GHA) {
    double D0 = G - GHA;
    if (D0 < 0) {
        D0 = D0 + 360;
    }
    return D0;
}

// Altitude of the body's centre above the observer's horizon, degrees.
double altitude(const Place& place, const Observation& obs) {
    return ArcSin(SinD(place.Dec) * SinD(obs.Lat) +
                  CosD(obs.Lat) * CosD(place.Dec) * CosD(place.GHA + obs.Lon)) *
           kDegPerRad;
}

// Threshold altitude h0 of rise and set, degrees. HP is 0 for the Sun, where
// both forms reduce exactly to -(SD + 30) and h + (SD + 30).
double threshold(double SD, double HP) {
    return -(SD + (kRefraction - HP)) * kMinToDeg;
}

// h - h0 as the interpolation forms it.
double aboveThreshold(double h, double SD, double HP) {
    return h + (SD + kRefraction - HP) * kMinToDeg;
}

// Rise: hourly samples from Transit - 12 to Transit - 1, starting below h0. A
// body already up at the first sample gives no rise (0).
double riseSearch(Body body, const Observation& obs, double Transit, double HP) {
    double tPrev = 0;
    double hPrev = 0;
    for (int i = 1; i <= kSamples; ++i) {
        const double t = Transit - 13 + i;
        const Place place = placeAt(body, obs, t);
        const double h = altitude(place, obs);
        if (h < threshold(place.SD, HP)) {
            tPrev = t;
            hPrev = h;
            continue;
        }
        if (i == 1) {
            return 0;
        }
        return crossingTime(t, aboveThreshold(h, place.SD, HP), h, tPrev, hPrev);
    }
    return 0;
}

// Set: hourly samples from Transit + 1 to Transit + 12, starting above h0. The
// transit itself is the sample before the first one, so a set within the first
// hour is interpolated from the meridian altitude.
double setSearch(Body body, const Observation& obs, double Transit, double HcUpper, double HP) {
    double tPrev = Transit;
    double hPrev = HcUpper;
    for (int i = 1; i <= kSamples; ++i) {
        const double t = Transit + i;
        const Place place = placeAt(body, obs, t);
        const double h = altitude(place, obs);
        if (h > threshold(place.SD, HP)) {
            tPrev = t;
            hPrev = h;
            continue;
        }
        return crossingTime(t, aboveThreshold(h, place.SD, HP), h, tPrev, hPrev);
    }
    return 0;
}

struct Crossings {
    double Rise = 0;
    double Set = 0;
    std::string Message;
};

// Rise and set around a transit from the meridian altitude and the altitude
// twelve hours later; a body that stays on one side gets its message instead.
Crossings findCrossings(Body body, const Observation& obs, double Transit, double HcUpper,
                        double HcLower, const Place& lower, double HP, const char* alwaysAbove,
                        const char* alwaysBelow) {
    Crossings result;
    const double h0 = threshold(lower.SD, HP);
    if (HcUpper > h0 && HcLower < h0) {
        result.Rise = riseSearch(body, obs, Transit, HP);
        result.Set = setSearch(body, obs, Transit, HcUpper, HP);
    } else if (HcUpper > h0 && HcLower > h0) {
        result.Message = alwaysAbove;
    } else if (HcUpper < h0 && HcLower < h0) {
        result.Message = alwaysBelow;
    }
    return result;
}

}  // namespace

double meridianGha(double Lon) {
    if (Lon >= 0) {
        return 360 - Lon;
    }
    return -Lon;
}

double hourAngleDifference(double G, double GHA) {
    double D = G - GHA;
    if (G > 270 && GHA < 90) {
        D = G - GHA - 360;
    }
    if (GHA > 270 && G < 90) {
        D = G - GHA + 360;
    }
    return D;
}

double moonHourlyRate(double GHA, double GHA0, double Transit) {
    if (Transit == 0) {
        return kMoonMeanRate;
    }
    double r = (GHA - GHA0) / Transit;
    if (GHA - GHA0 < 0) {
        r = (GHA - GHA0 + 360) / Transit;
    }
    if (!std::isfinite(r) || r < kMoonRateLow || r > kMoonRateHigh) {
        r = kMoonMeanRate;
    }
    return r;
}

double crossingTime(double t, double hAboveThreshold, double h, double tPrev, double hPrev) {
    if (h == hPrev) {
        return t;
    }
    return t - hAboveThreshold * (t - tPrev) / (h - hPrev);
}

void flagPreviousDay(double& Hours, std::string& Flag) {
    if (Hours < 0) {
        Hours = Hours + 24;
        Flag = "P";
    }
}

void flagNextDay(double& Hours, std::string& Flag) {
    if (Hours > 24) {
        Hours = Hours - 24;
        Flag = "N";
    }
}

void SunRiseSet(double Year, double Month, double Day, double Lat, double Lon, double DeltaT,
                double& Transit, double& Rise, double& Set, std::string& RiseFlag,
                std::string& SetFlag, std::string& TransitFlag, std::string& Message) {
    const Observation obs{Year, Month, Day, Lat, Lon, DeltaT};
    const double G = meridianGha(Lon);

    const Place start = placeAt(Body::Sun, obs, 0);
    const double D0 = angleToMeridian(G, start.GHA);
    double transit = D0 / kSunRate;
    double hcUpper = 0;
    for (int k = 0; k < kRefinements; ++k) {
        const Place place = placeAt(Body::Sun, obs, transit);
        hcUpper = altitude(place, obs);
        transit = transit + hourAngleDifference(G, place.GHA) / kSunRate;
        if (transit < 0) {
            transit = transit + 24;
        }
    }

    const Place lower = placeAt(Body::Sun, obs, transit + 12);
    const double hcLower = altitude(lower, obs);
    Crossings found = findCrossings(Body::Sun, obs, transit, hcUpper, hcLower, lower, 0,
                                    "Sun always above horizon", "Sun always below horizon");

    std::string riseFlag;
    std::string setFlag;
    flagPreviousDay(found.Rise, riseFlag);
    flagNextDay(found.Set, setFlag);

    Transit = transit;
    Rise = found.Rise;
    Set = found.Set;
    RiseFlag = riseFlag;
    SetFlag = setFlag;
    TransitFlag = "";
    Message = found.Message;
}

void MoonRiseSet(double Year, double Month, double Day, double Lat, double Lon, double DeltaT,
                 double& Transit, double& Rise, double& Set, std::string& RiseFlag,
                 std::string& SetFlag, std::string& TransitFlag, std::string& Message) {
    const Observation obs{Year, Month, Day, Lat, Lon, DeltaT};
    const double G = meridianGha(Lon);

    const Place start = placeAt(Body::Moon, obs, 0);
    const double D0 = angleToMeridian(G, start.GHA);
    // The estimate may pass 24 h: the Moon can cross the meridian only on the next day.
    double transit = D0 / kMoonMeanRate;
    double hcUpper = 0;
    for (int k = 0; k < kRefinements; ++k) {
        const Place place = placeAt(Body::Moon, obs, transit);
        hcUpper = altitude(place, obs);
        const double rate = moonHourlyRate(place.GHA, start.GHA, transit);
        transit = transit + hourAngleDifference(G, place.GHA) / rate;
    }

    // The parallax twelve hours after the transit serves both searches.
    const Place lower = placeAt(Body::Moon, obs, transit + 12);
    const double hcLower = altitude(lower, obs);
    Crossings found = findCrossings(Body::Moon, obs, transit, hcUpper, hcLower, lower, lower.HP,
                                    "Moon always above horizon", "Moon always below horizon");

    std::string riseFlag;
    std::string setFlag;
    std::string transitFlag;
    flagPreviousDay(found.Set, setFlag);
    flagNextDay(found.Set, setFlag);
    flagPreviousDay(found.Rise, riseFlag);
    flagNextDay(found.Rise, riseFlag);
    flagPreviousDay(transit, transitFlag);
    flagNextDay(transit, transitFlag);

    Transit = transit;
    Rise = found.Rise;
    Set = found.Set;
    RiseFlag = riseFlag;
    SetFlag = setFlag;
    TransitFlag = transitFlag;
    Message = found.Message;
}

}  // namespace ephemeris
