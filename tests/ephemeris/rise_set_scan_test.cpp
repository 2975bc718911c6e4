// Rise and set against a brute-force scan over a year at latitudes up to 89
// degrees on both sides: the program's own altitude of the Sun and the Moon
// minus the threshold of the upper limb at 30' of refraction (for the Moon
// less its parallax), SD and HP those of each instant, stepped minute by
// minute between the lower culminations either side of the meridian passage
// and bisected where it changes sign. Every crossing the search shows must be
// the scan's nearest one to the meridian passage of its kind, to 6 s; a
// message must come exactly when the scan finds no crossing at all. Then the
// times against an independent ephemeris.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kCaseStride = 9;  // the sanitizer build runs every ninth case
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kCaseStride = 9;
#else
constexpr int kCaseStride = 1;
#endif
#else
constexpr int kCaseStride = 1;
#endif

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;
constexpr double kSecond = 1.0 / 3600;  // hours
constexpr double kDeltaT = 69;          // seconds

struct Evaluation {
    double GHA = 0;
    double Dec = 0;
    double SD = 0;
    double HP = 0;
};

struct Observer {
    bool moon = false;
    double Year = 0, Month = 0, Day = 0, Lat = 0, Lon = 0;
};

Evaluation evaluate(const Observer& o, double Hours) {
    const ephemeris::TimeArguments t =
        ephemeris::TimeArgumentsFor(o.Year, o.Month, o.Day, Hours, kDeltaT);
    Evaluation e;
    if (o.moon) {
        double Illum, Dist, Elong;
        ephemeris::MoonPosition(t.JD, t.T_TT, 0, e.GHA, e.Dec, e.SD, e.HP, Illum, Dist, Elong);
    } else {
        double SHA, Aries, L, B, R, AppLon, GeoLon;
        ephemeris::SunPosition(t.JD, t.T_TT, e.GHA, e.Dec, e.SD, SHA, Aries, L, B, R, AppLon,
                               GeoLon);
    }
    return e;
}

// Altitude of the centre less the threshold -(SD + 30' - HP), degrees.
double aboveThreshold(const Observer& o, double Hours) {
    const Evaluation e = evaluate(o, Hours);
    const double h = std::asin(std::sin(e.Dec * kRad) * std::sin(o.Lat * kRad) +
                               std::cos(o.Lat * kRad) * std::cos(e.Dec * kRad) *
                                   std::cos((e.GHA + o.Lon) * kRad)) /
                     kRad;
    return h + (e.SD + 30 - e.HP) / 60;
}

// The local hour angle less 180 degrees, in (-180, 180].
double fromLowerCulmination(const Observer& o, double Hours) {
    double d = std::fmod(evaluate(o, Hours).GHA + o.Lon - 180, 360);
    if (d > 180)
        d -= 360;
    if (d <= -180)
        d += 360;
    return d;
}

// The lower culmination between a and b (hour angle rising through 180 there).
double lowerCulmination(const Observer& o, double a, double b) {
    while (b - a > 0.01 * kSecond) {
        const double m = 0.5 * (a + b);
        (fromLowerCulmination(o, m) < 0 ? a : b) = m;
    }
    return 0.5 * (a + b);
}

struct Scan {
    double rise = NAN;
    double set = NAN;
    bool any = false;
    bool above = false;  // the side when there is no crossing
};

Scan scan(const Observer& o, double transit) {
    const double half = o.moon ? 12.42 : 12;
    const double from = lowerCulmination(o, transit - half - 1, transit - half + 1);
    const double to = lowerCulmination(o, transit + half - 1, transit + half + 1);
    Scan s;
    double t0 = from;
    double f0 = aboveThreshold(o, t0);
    s.above = f0 > 0;
    while (t0 < to) {
        const double t1 = std::min(t0 + 1.0 / 60, to);
        const double f1 = aboveThreshold(o, t1);
        if ((f0 > 0) != (f1 > 0)) {
            double a = t0, b = t1;
            while (b - a > 0.1 * kSecond) {
                const double m = 0.5 * (a + b);
                ((aboveThreshold(o, m) > 0) == (f0 > 0) ? a : b) = m;
            }
            const double t = 0.5 * (a + b);
            double& kept = f1 > 0 ? s.rise : s.set;
            if (std::isnan(kept) || std::fabs(t - transit) < std::fabs(kept - transit)) {
                kept = t;
            }
            s.any = true;
        }
        t0 = t1;
        f0 = f1;
    }
    return s;
}

double fromDayStart(double Hours, const std::string& Flag) {
    return Flag == "P" ? Hours - 24 : (Flag == "N" ? Hours + 24 : Hours);
}

// The date Days after 5 January 2019.
void dateAfter(int Days, double& Year, double& Month, double& Day) {
    static const int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int d = 5 + Days;
    int m = 0;
    while (d > kLength[m]) {
        d -= kLength[m];
        ++m;
    }
    Year = 2019;
    Month = m + 1;
    Day = d;
}

void checkAgainstScan(const Observer& o) {
    double Transit, Rise, Set;
    std::string RiseFlag, SetFlag, TransitFlag, Message;
    if (o.moon) {
        ephemeris::MoonRiseSet(o.Year, o.Month, o.Day, o.Lat, o.Lon, kDeltaT, Transit, Rise, Set,
                               RiseFlag, SetFlag, TransitFlag, Message);
    } else {
        ephemeris::SunRiseSet(o.Year, o.Month, o.Day, o.Lat, o.Lon, kDeltaT, Transit, Rise, Set,
                              RiseFlag, SetFlag, TransitFlag, Message);
    }
    const Scan s = scan(o, fromDayStart(Transit, TransitFlag));
    std::ostringstream where;
    where << (o.moon ? "Moon " : "Sun ") << o.Year << "-" << o.Month << "-" << o.Day << " Lat "
          << o.Lat << " Lon " << o.Lon;
    const std::string body = o.moon ? "Moon" : "Sun";
    const std::string side = s.above ? " always above horizon" : " always below horizon";
    EXPECT_EQ(Message, s.any ? "" : body + side) << where.str();
    const struct {
        const char* what;
        double shown;
        const std::string& flag;
        double scanned;
    } events[] = {{"rise", Rise, RiseFlag, s.rise}, {"set", Set, SetFlag, s.set}};
    for (const auto& e : events) {
        if (std::isnan(e.scanned)) {
            EXPECT_TRUE(std::isnan(e.shown)) << where.str() << " " << e.what << " " << e.shown;
            EXPECT_EQ(e.flag, "") << where.str() << " " << e.what;
        } else {
            EXPECT_NEAR(fromDayStart(e.shown, e.flag), e.scanned, 6 * kSecond)
                << where.str() << " " << e.what;
        }
    }
}

void checkYearAgainstScan(bool moon) {
    const double latitudes[] = {0,   45, -45, 60, -60, 66.5, -66.5, 70,
                                -70, 78, -78, 85, -85, 89,   -89};
    const double longitudes[] = {0, 130, -75};
    int n = 0;
    for (int k = 0; k < 24; ++k) {
        for (const double lat : latitudes) {
            for (const double lon : longitudes) {
                if (n++ % kCaseStride != 0) {
                    continue;
                }
                Observer o;
                o.moon = moon;
                o.Lat = lat;
                o.Lon = lon;
                dateAfter(15 * k, o.Year, o.Month, o.Day);
                checkAgainstScan(o);
            }
        }
    }
}

TEST(RiseSetScan, EverySunCrossingOfTheSpanIsFoundAtEveryLatitude) {
    checkYearAgainstScan(false);
}

TEST(RiseSetScan, EveryMoonCrossingOfTheSpanIsFoundAtEveryLatitude) {
    checkYearAgainstScan(true);
}

// ---------------------------------------------------------------------------
// Against an independent ephemeris on the same definitions
// (tests/ephemeris/data/rise_set_fixture.csv, made by
// scripts/make_rise_set_fixture.py from PyEphem): each time within 1 minute,
// or within the time the limb takes to move 0.3' where it moves slowly, and a
// time exactly where the fixture has one.

const char* const kFixturePath = CELNAV_SOURCE_DIR "/tests/ephemeris/data/rise_set_fixture.csv";

struct FixtureRow {
    Observer o;
    double DeltaT = 0;
    double rise = NAN, riseRate = 0, set = NAN, setRate = 0;
};

std::vector<FixtureRow> readFixture() {
    std::vector<FixtureRow> rows;
    std::ifstream in(kFixturePath);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        std::string body, rise, set;
        FixtureRow r;
        fields >> body >> r.o.Year >> r.o.Month >> r.o.Day >> r.o.Lat >> r.o.Lon >> r.DeltaT >>
            rise >> r.riseRate >> set >> r.setRate;
        r.o.moon = body == "MOON";
        r.rise = rise == "nan" ? NAN : std::stod(rise);
        r.set = set == "nan" ? NAN : std::stod(set);
        rows.push_back(r);
    }
    return rows;
}

TEST(RiseSetIndependent, TimesAgreeWithAnIndependentEphemeris) {
    const std::vector<FixtureRow> rows = readFixture();
    ASSERT_FALSE(rows.empty()) << kFixturePath;
    for (const FixtureRow& r : rows) {
        const Observer& o = r.o;
        double Transit, Rise, Set;
        std::string RiseFlag, SetFlag, TransitFlag, Message;
        if (o.moon) {
            ephemeris::MoonRiseSet(o.Year, o.Month, o.Day, o.Lat, o.Lon, r.DeltaT, Transit, Rise,
                                   Set, RiseFlag, SetFlag, TransitFlag, Message);
        } else {
            ephemeris::SunRiseSet(o.Year, o.Month, o.Day, o.Lat, o.Lon, r.DeltaT, Transit, Rise,
                                  Set, RiseFlag, SetFlag, TransitFlag, Message);
        }
        std::ostringstream where;
        where << (o.moon ? "Moon " : "Sun ") << o.Year << "-" << o.Month << "-" << o.Day << " Lat "
              << o.Lat << " Lon " << o.Lon;
        const struct {
            const char* what;
            double shown;
            const std::string& flag;
            double expected, rate;
        } events[] = {{"rise", Rise, RiseFlag, r.rise, r.riseRate},
                      {"set", Set, SetFlag, r.set, r.setRate}};
        for (const auto& e : events) {
            if (std::isnan(e.expected)) {
                EXPECT_TRUE(std::isnan(e.shown)) << where.str() << " " << e.what;
                continue;
            }
            // 0.3' at the fixture's rate (arc minutes per minute), in hours.
            const double tolerance = std::max(1.0, 0.3 / e.rate) / 60;
            EXPECT_NEAR(fromDayStart(e.shown, e.flag), e.expected, tolerance)
                << where.str() << " " << e.what;
        }
        EXPECT_EQ(Message.empty(), !(std::isnan(r.rise) && std::isnan(r.set))) << where.str();
    }
}

}  // namespace
