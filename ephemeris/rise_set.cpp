// Sun and Moon meridian passage, rise and set for a UT date and an observer:
// the transit by three refinements of an hour-angle estimate, rise and set by
// the crossings of a threshold altitude (refraction, semi-diameter and, for
// the Moon, horizontal parallax) between the lower culminations either side of
// it: bracketed by samples at most an hour apart and by the extreme altitudes
// where the altitude turns, then refined on the real altitude.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

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
constexpr double kMaxStep = 1;                 // hours between samples of the span
constexpr int kExtremeSteps = 3;               // parabolas for an extreme altitude
constexpr int kRefineSteps = 40;               // bound on the steps of one crossing
constexpr double kTimeTolerance = 1.0 / 3600;  // hours: a crossing to within 1 s
constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

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

// The body's height above the threshold h0 of rise and set, degrees: h - h0
// with h0 = -(SD + (30 - HP)) arc minutes, SD and HP those of this evaluation
// (HP is 0 for the Sun, where h0 is -(SD + 30)).
double aboveThreshold(const Place& place, const Observation& obs) {
    return altitude(place, obs) + (place.SD + kRefraction - place.HP) * kMinToDeg;
}

// One evaluation of the search: UT hours and the height above h0.
struct Sample {
    double t = 0;
    double f = 0;
};

Sample sampleAt(Body body, const Observation& obs, double t) {
    return {t, aboveThreshold(placeAt(body, obs, t), obs)};
}

bool isAbove(const Sample& s) {
    return s.f > 0;
}

// The lower culmination near the estimate t: the hour at which the body's GHA
// is G - 180 (hour angle 180 degrees), by corrections at the mean rate: one
// for the Sun, whose rate varies little, two for the Moon.
double lowerCulmination(Body body, const Observation& obs, double G, double t, double rate) {
    const int corrections = body == Body::Sun ? 1 : 2;
    double target = G - 180;
    if (target < 0) {
        target = target + 360;
    }
    for (int k = 0; k < corrections; ++k) {
        double D = target - placeAt(body, obs, t).GHA;
        D = D - 360 * std::floor((D + 180) / 360);  // into [-180, 180)
        t = t + D / rate;
    }
    return t;
}

// Equal steps of at most kMaxStep hours from a.t to b (b not included).
void appendSteps(Body body, const Observation& obs, const Sample& a, double b,
                 std::vector<Sample>& samples) {
    const int steps = std::max(1, static_cast<int>(std::ceil((b - a.t) / kMaxStep)));
    samples.push_back(a);
    for (int i = 1; i < steps; ++i) {
        samples.push_back(sampleAt(body, obs, a.t + (b - a.t) * i / steps));
    }
}

// The vertex of the parabola through three samples, or a.t's side when they
// lie on a line.
double parabolaVertex(const Sample& a, const Sample& b, const Sample& c) {
    const double p = (b.t - a.t) * (b.f - c.f);
    const double q = (b.t - c.t) * (b.f - a.f);
    const double d = p - q;
    if (d == 0) {
        return b.t;
    }
    return b.t - 0.5 * ((b.t - a.t) * p - (b.t - c.t) * q) / d;
}

// The extreme of h - h0 between the outer samples a and c, b being the inner
// sample most extreme so far (highest for a maximum, lowest for a minimum), by
// successive parabolas kept inside (a, c).
Sample extremeBetween(Body body, const Observation& obs, Sample a, Sample b, Sample c,
                      bool maximum) {
    const auto better = [maximum](const Sample& x, const Sample& y) {
        return maximum ? x.f > y.f : x.f < y.f;
    };
    for (int k = 0; k < kExtremeSteps; ++k) {
        double t = parabolaVertex(a, b, c);
        const double margin = 0.01 * (c.t - a.t);
        t = std::min(std::max(t, a.t + margin), c.t - margin);
        if (std::fabs(t - b.t) < kTimeTolerance) {
            break;
        }
        const Sample s = sampleAt(body, obs, t);
        if (better(s, b)) {
            (t < b.t ? c : a) = b;
            b = s;
        } else {
            (t < b.t ? a : c) = s;
        }
    }
    return b;
}

// The value at t of the parabola through three samples.
double parabolaAt(const Sample& a, const Sample& b, const Sample& c, double t) {
    return a.f * (t - b.t) * (t - c.t) / ((a.t - b.t) * (a.t - c.t)) +
           b.f * (t - a.t) * (t - c.t) / ((b.t - a.t) * (b.t - c.t)) +
           c.f * (t - a.t) * (t - b.t) / ((c.t - a.t) * (c.t - b.t));
}

// Where the sampled height turns (at a sample whose neighbours both lie higher
// or both lower, or inside an end interval, where the parabola of the three
// end samples has its vertex), the extreme between the neighbours is found;
// one on the other side of h0 than its neighbours joins the samples, so that a
// pass above (or below) h0 shorter than a step is bracketed too. A parabola
// whose vertex stays further from h0 than from the samples needs no search.
void addTurningPoints(Body body, const Observation& obs, std::vector<Sample>& samples) {
    std::vector<Sample> extra;
    const std::size_t n = samples.size();
    const auto consider = [&](const Sample& a, const Sample& b, const Sample& c, bool maximum,
                              double vertexHeight) {
        const double excursion = std::fabs(vertexHeight - b.f);
        if (isAbove(a) == isAbove(c) && (vertexHeight > 0) == isAbove(a) &&
            std::fabs(vertexHeight) > 2 * excursion) {
            return;
        }
        const Sample e = extremeBetween(body, obs, a, b, c, maximum);
        if (isAbove(e) != isAbove(a) && isAbove(e) != isAbove(c)) {
            extra.push_back(e);
        }
    };
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const Sample& a = samples[i - 1];
        const Sample& b = samples[i];
        const Sample& c = samples[i + 1];
        if ((b.f - a.f) * (c.f - b.f) <= 0) {
            consider(a, b, c, b.f >= a.f, parabolaAt(a, b, c, parabolaVertex(a, b, c)));
        }
    }
    if (n >= 3) {
        for (const bool start : {true, false}) {
            const Sample& a = start ? samples[0] : samples[n - 3];
            const Sample& b = samples[start ? 1 : n - 2];
            const Sample& c = start ? samples[2] : samples[n - 1];
            const double t = parabolaVertex(a, b, c);
            const Sample& lo = start ? a : b;
            const Sample& hi = start ? b : c;
            if (t > lo.t && t < hi.t) {
                const bool maximum = (c.f - b.f) / (c.t - b.t) < (b.f - a.f) / (b.t - a.t);
                const double vertexHeight = parabolaAt(a, b, c, t);
                const Sample& nearer = std::fabs(lo.f) < std::fabs(hi.f) ? lo : hi;
                if (isAbove(lo) == isAbove(hi) && (vertexHeight > 0) == isAbove(lo) &&
                    std::fabs(vertexHeight) > 2 * std::fabs(vertexHeight - nearer.f)) {
                    continue;
                }
                consider(lo, sampleAt(body, obs, t), hi, maximum, vertexHeight);
            }
        }
    }
    for (const Sample& e : extra) {
        const auto at = std::lower_bound(samples.begin(), samples.end(), e.t,
                                         [](const Sample& s, double t) { return s.t < t; });
        samples.insert(at, e);
    }
}

// The instant between a and b (h - h0 of opposite signs) where h - h0 is 0:
// regula falsi with the Illinois halving, to a bracket of kTimeTolerance.
double refineCrossing(Body body, const Observation& obs, Sample a, Sample b) {
    int staleSide = 0;
    for (int k = 0; k < kRefineSteps && b.t - a.t > kTimeTolerance; ++k) {
        const double t = crossingTime(b.t, b.f, b.f, a.t, a.f);
        const Sample s = sampleAt(body, obs, t);
        if (s.f == 0) {
            return t;
        }
        if (isAbove(s) == isAbove(a)) {
            a = s;
            if (staleSide == 1) {
                b.f = 0.5 * b.f;
            }
            staleSide = 1;
        } else {
            b = s;
            if (staleSide == -1) {
                a.f = 0.5 * a.f;
            }
            staleSide = -1;
        }
    }
    return crossingTime(b.t, b.f, b.f, a.t, a.f);
}

struct Crossings {
    double Rise = kNotFound;
    double Set = kNotFound;
    std::string Message;
};

// Rise and set in the span from the lower culmination before the transit to
// the one after it: the upward and the downward crossing of h0 nearest the
// transit, each on whichever side of it. Without any crossing the body stays on
// one side of h0 over the span and gets its message.
Crossings findCrossings(Body body, const Observation& obs, double G, double Transit, double rate,
                        const char* alwaysAbove, const char* alwaysBelow) {
    const double halfSpan = 180 / rate;
    const double before = lowerCulmination(body, obs, G, Transit - halfSpan, rate);
    const double after = lowerCulmination(body, obs, G, Transit + halfSpan, rate);

    std::vector<Sample> samples;
    samples.reserve(32);
    const Sample transit = sampleAt(body, obs, Transit);
    appendSteps(body, obs, sampleAt(body, obs, before), Transit, samples);
    appendSteps(body, obs, transit, after, samples);
    samples.push_back(sampleAt(body, obs, after));
    addTurningPoints(body, obs, samples);

    Crossings result;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const Sample& a = samples[i - 1];
        const Sample& b = samples[i];
        if (isAbove(a) == isAbove(b)) {
            continue;
        }
        const double t = refineCrossing(body, obs, a, b);
        double& time = isAbove(b) ? result.Rise : result.Set;
        if (std::isnan(time) || std::fabs(t - Transit) < std::fabs(time - Transit)) {
            time = t;
        }
    }
    if (std::isnan(result.Rise) && std::isnan(result.Set)) {
        result.Message = isAbove(transit) ? alwaysAbove : alwaysBelow;
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
    for (int k = 0; k < kRefinements; ++k) {
        const Place place = placeAt(Body::Sun, obs, transit);
        transit = transit + hourAngleDifference(G, place.GHA) / kSunRate;
        if (transit < 0) {
            transit = transit + 24;
        }
    }

    Crossings found = findCrossings(Body::Sun, obs, G, transit, kSunRate,
                                    "Sun always above horizon", "Sun always below horizon");

    // Either time may lie on either side of the transit, so both rules apply to both.
    std::string riseFlag;
    std::string setFlag;
    flagPreviousDay(found.Rise, riseFlag);
    flagNextDay(found.Rise, riseFlag);
    flagPreviousDay(found.Set, setFlag);
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
    for (int k = 0; k < kRefinements; ++k) {
        const Place place = placeAt(Body::Moon, obs, transit);
        const double rate = moonHourlyRate(place.GHA, start.GHA, transit);
        transit = transit + hourAngleDifference(G, place.GHA) / rate;
    }

    Crossings found = findCrossings(Body::Moon, obs, G, transit, kMoonMeanRate,
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
