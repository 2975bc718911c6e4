// The clearing of a lunar distance: its pieces against worked values, the
// whole clearing against distances measured in an independent sky and in the
// program's own sky seen by exact geometry, the limb and body terms, and the
// answers it gives when it cannot clear.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "lunar/lunar.h"
#include "platform/numtext.h"
#include "platform/print_items.h"
#include "tests/lunar/lunar_test_support.h"

namespace {

using lunar::ClearingInput;
using lunar::ClearingResult;
using lunar::LunarPlaces;
using lunartest::degMinText;

const char* const kFixturePath = CELNAV_SOURCE_DIR "/tests/lunar/data/lunar_fixture.csv";

std::vector<std::string> lineTexts(const ClearingResult& r) {
    std::vector<std::string> texts;
    for (const platform::PrintLine& line : r.Lines) {
        texts.push_back(platform::printLineText(line));
    }
    return texts;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// The LunarTargetIndex of a body named in the fixture.
int targetIndex(const std::string& name) {
    const char* const planets[] = {"Sun", "Venus", "Mars", "Jupiter", "Saturn"};
    for (int i = 0; i < 5; ++i) {
        if (name == planets[i]) {
            return i;
        }
    }
    ephemeris::StarTables stars;
    ephemeris::FillStarTable(stars);
    for (int n = 1; n <= ephemeris::kStarCount; ++n) {
        if (trimmed(stars.StarNames[static_cast<std::size_t>(n)]) == name) {
            return lunar::kLunarFirstStar + n - 1;
        }
    }
    ADD_FAILURE() << "no body " << name;
    return -1;
}

double limbFactor(const std::string& limb) {
    return limb == "inner" ? 1 : (limb == "outer" ? -1 : 0);
}

struct FixtureCase {
    std::string name;
    ClearingInput in;
    double trueUT = 0;   // hours
    double trueLon = 0;  // degrees, east positive
};

// The window's reading of the typed fields (AngleEntry, the clock fields).
std::vector<FixtureCase> fixtureCases() {
    std::ifstream file(kFixturePath);
    std::vector<FixtureCase> cases;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> f = split(line);
        if (f.size() != 23) {
            ADD_FAILURE() << line;
            continue;
        }
        FixtureCase c;
        c.name = f[0];
        ClearingInput& in = c.in;
        in.SelectedBody = targetIndex(f[1]);
        in.MoonLimb = limbFactor(f[2]);
        in.SunLimb = limbFactor(f[3]);
        in.Year = std::stod(f[4]);
        in.Month = std::stod(f[5]);
        in.Day = std::stod(f[6]);
        in.U = std::stod(f[7]) + std::stod(f[8]) / 60 + std::stod(f[9]) / 3600;
        in.Lat = (std::stod(f[10]) + std::stod(f[11]) / 60) * (f[12] == "S" ? -1 : 1);
        in.Lon = (std::stod(f[13]) + std::stod(f[14]) / 60) * (f[15] == "W" ? -1 : 1);
        in.Distance = std::stod(f[16]) + std::stod(f[17]) / 60;
        in.Temperature = std::stod(f[18]);
        in.Pressure = std::stod(f[19]);
        in.DeltaT = std::stod(f[20]);
        c.trueUT = std::stod(f[21]);
        c.trueLon = std::stod(f[22]);
        cases.push_back(c);
    }
    return cases;
}

TEST(LunarClearingPieces, WorkedValues) {
    // Refraction at 10 degrees apparent, 10 C, 1010 mb: -0.08997 degrees (the
    // worked value, to its 5 decimals).
    EXPECT_NEAR(lunar::lunarRefraction(10, 10, 1010), -0.08997, 0.000005);
    // The Moon's parallax in altitude for HP 57', apparent altitude 30,
    // latitude 45: 49.281' (worked value, 3 decimals).
    EXPECT_NEAR(lunar::parallaxInAltitude(57.0 / 60, 30, 45) * 60, 49.281, 0.0005);
    // The augmented semi-diameter for HP 57', true altitude 30, inner limb:
    // 15.655' (worked value), a hair above the half, so printed rounded as
    // 15.66; outer negative, centre 0.
    const double A = lunar::augmentedSemiDiameter(1, 57.0 / 60, 30);
    EXPECT_NEAR(A * 60, 15.655, 0.0005);
    EXPECT_GT(A * 60, 15.655);
    EXPECT_DOUBLE_EQ(lunar::augmentedSemiDiameter(-1, 57.0 / 60, 30), -A);
    EXPECT_EQ(lunar::augmentedSemiDiameter(0, 57.0 / 60, 30), 0);
}

TEST(LunarClearingPieces, EqualAltitudesReturnTheApparentDistance) {
    // F = 1 when the apparent and true altitudes agree: D = d.
    for (const double d : {5.0, 33.25, 91.5, 120.0}) {
        EXPECT_NEAR(lunar::clearedDistance(d, 40, 25, 40, 25), d, 1e-9) << d;
    }
}

TEST(LunarClearingPieces, ApparentAltitudesRaiseTheBodyAndLowerTheMoon) {
    double hm = 0;
    double hb = 0;
    lunar::apparentAltitudes(30, 30, 57.0 / 60, 0, 45, 10, 1010, hm, hb);
    // After four passes each apparent altitude gives back the true one: the
    // Moon lowered by its parallax less the refraction, a star (no parallax)
    // raised by the refraction alone (about 1.7' at 30 degrees).
    EXPECT_NEAR(
        hm + lunar::parallaxInAltitude(57.0 / 60, hm, 45) + lunar::lunarRefraction(hm, 10, 1010),
        30, 1e-6);
    EXPECT_NEAR(hb + lunar::lunarRefraction(hb, 10, 1010), 30, 1e-9);
    EXPECT_NEAR((30 - hm) * 60, 47.9, 0.1);
    EXPECT_NEAR((hb - 30) * 60, 1.7, 0.1);

    // Venus near inferior conjunction, HP 0.5': its parallax, taken at its
    // apparent altitude, lowers it by 0.5' cos 30 (less the flattening term)
    // from where the refraction alone puts it, within the 0.0006' that the
    // refraction grows by over that half minute.
    double hmV = 0;
    double hbV = 0;
    lunar::apparentAltitudes(30, 30, 57.0 / 60, 0.5 / 60, 45, 10, 1010, hmV, hbV);
    EXPECT_EQ(hmV, hm);
    EXPECT_NEAR(
        hbV + lunar::parallaxInAltitude(0.5 / 60, hbV, 45) + lunar::lunarRefraction(hbV, 10, 1010),
        30, 1e-9);
    EXPECT_NEAR((hb - hbV) * 60, 0.5 * std::sqrt(3.0) / 2 * (1 - 0.5 / 298.257), 0.001);
}

TEST(LunarClearing, FindsTheTimeAndLongitudeOfAnIndependentSky) {
    const std::vector<FixtureCase> cases = fixtureCases();
    ASSERT_EQ(cases.size(), 8u);
    for (const FixtureCase& c : cases) {
        const ClearingResult r = lunar::clearLunarDistance(c.in);
        ASSERT_TRUE(r.Failure.empty()) << c.name << r.Failure;
        ASSERT_EQ(r.Lines.size(), 5u);
        // 20 s and 5' (measured: 17.4 s and 4.4' at most; 44 s and 11' for
        // Venus while its parallax was left out). The sky's Moon is of the
        // same series as the program's, so what remains is the sky's own:
        // its distances typed to 0.1' (up to 6 s), its refraction (SOFA's,
        // not the clearing's formula) and the direction of the parallax on the
        // flattened Earth, which the clearing's spherical parallax leaves out.
        EXPECT_NEAR(r.CorrectTime, c.trueUT, 20.0 / 3600) << c.name;
        EXPECT_NEAR(r.BetterLongitude, c.trueLon, 5.0 / 60) << c.name;
        // The clock was 2 to 14 minutes off: the clearing moved the longitude.
        EXPECT_GT(std::fabs(r.BetterLongitude - c.in.Lon), 0.4) << c.name;
    }
}

constexpr double kRadPerDeg = 3.141592653589793 / 180;

// A body's geocentric place as a point of an Earth-fixed frame in Earth
// radii (x toward 0 N 0 E, y toward 0 N 90 E, z north): GHA westward,
// degrees; distance in Earth radii (a star: the unit direction).
struct SkyPoint {
    double x, y, z;
};
SkyPoint skyPoint(double GHA, double Dec, double distance) {
    return {distance * std::cos(Dec * kRadPerDeg) * std::cos(-GHA * kRadPerDeg),
            distance * std::cos(Dec * kRadPerDeg) * std::sin(-GHA * kRadPerDeg),
            distance * std::sin(Dec * kRadPerDeg)};
}
// Seen from an observer on the equator at longitude Lon (a sphere of radius
// 1; a star stays where it is).
SkyPoint seenFrom(const SkyPoint& p, double Lon, bool star) {
    if (star) {
        return p;
    }
    return {p.x - std::cos(Lon * kRadPerDeg), p.y - std::sin(Lon * kRadPerDeg), p.z};
}
double length(const SkyPoint& p) {
    return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
}
// Angle between two directions, degrees.
double angleBetween(const SkyPoint& a, const SkyPoint& b) {
    const double c = (a.x * b.x + a.y * b.y + a.z * b.z) / (length(a) * length(b));
    return std::acos(std::fmax(-1.0, std::fmin(1.0, c))) / kRadPerDeg;
}

TEST(LunarClearing, ClearsTheExactTopocentricDistanceOfTheProgramsOwnSky) {
    // 2025 March 23, 12:00 UT, the day of Venus's inferior conjunction (0.281
    // au, HP 0.52'), seen from 0 N 70 W, no air: the Moon high in the south,
    // the Sun and Venus low in the east, Antares in the south-west. The
    // places are the program's own geocentric ones; the observer's view of
    // them is exact geometry on the equator of a sphere, where the
    // clearing's spherical parallax is exact. The navigator measures from
    // the Moon's centre (to the Sun's near limb) with a chronometer 3 minutes
    // fast, so the estimated longitude is 45' too far west.
    const double Year = 2025, Month = 3, Day = 23, t0 = 12, DeltaT = 69;
    const double trueLon = -70;
    const double clockError = 3.0 / 60;  // hours
    const double kEarthRadiusKm = 6378.137;
    const double kAuKm = 149597870.7;
    const ephemeris::TimeArguments t = ephemeris::TimeArgumentsFor(Year, Month, Day, t0, DeltaT);
    const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(t.JD, t.T_TT);
    double moonGHA = 0, moonDec = 0, moonSD = 0, moonHP = 0, illum = 0, moonKm = 0, elong = 0;
    ephemeris::MoonPosition(t.JD, t.T_TT, sun.SunAppLon, moonGHA, moonDec, moonSD, moonHP, illum,
                            moonKm, elong);
    const SkyPoint moon = seenFrom(skyPoint(moonGHA, moonDec, moonKm / 6378.14), trueLon, false);

    struct Case {
        const char* name;
        int body;  // LunarTargetIndex
        double GHA, Dec;
        double distance;  // Earth radii; 0 for a star
        double sunSD;     // the Sun's geocentric semi-diameter, degrees (else 0)
    };
    double venusGHA = 0, venusDec = 0, venusSHA = 0, venusHP = 0, venusAu = 0;
    ephemeris::PlanetPosition(t.JD, t.T_TT, 2, sun.EarthL, sun.EarthB, sun.EarthR, venusGHA,
                              venusDec, venusSHA, venusHP, venusAu);
    ASSERT_LT(venusAu, 0.29);
    const int antares = targetIndex("Antares");
    double starGHA = 0, starDec = 0, starSHA = 0;
    ephemeris::StarPosition(t.T_TT, t.JD, antares - lunar::kLunarFirstStar, sun.SunGeoLon, starGHA,
                            starDec, starSHA);
    const Case cases[] = {
        {"Sun", lunar::kLunarSun, sun.GHA, sun.Dec, sun.EarthR * kAuKm / kEarthRadiusKm,
         sun.SD / 60},
        {"Venus", targetIndex("Venus"), venusGHA, venusDec, venusAu * kAuKm / kEarthRadiusKm, 0},
        {"Antares", antares, starGHA, starDec, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool star = c.distance == 0;
        const SkyPoint body =
            seenFrom(skyPoint(c.GHA, c.Dec, star ? 1 : c.distance), trueLon, star);
        // The Sun's near limb: its semi-diameter as seen from the observer.
        const double limb =
            star ? 0
                 : std::asin(std::sin(c.sunSD * kRadPerDeg) * c.distance / length(body)) /
                       kRadPerDeg;
        ClearingInput in;
        in.Temperature = 10;
        in.Pressure = 0;
        in.Lat = 0;
        in.Lon = trueLon - 15 * clockError;
        in.Year = Year;
        in.Month = Month;
        in.Day = Day;
        in.U = t0 + clockError;
        in.DeltaT = DeltaT;
        in.Distance = angleBetween(moon, body) - limb;
        in.MoonLimb = 0;
        in.SunLimb = 1;
        in.SelectedBody = c.body;
        const ClearingResult r = lunar::clearLunarDistance(in);
        ASSERT_TRUE(r.Failure.empty()) << r.Failure;
        EXPECT_NEAR(r.CorrectTime, t0, 2.0 / 3600);
        EXPECT_NEAR(r.BetterLongitude, trueLon, 15 * 2.0 / 3600);
    }
}

TEST(LunarClearing, AWrongLimbOrNoRefractionCostsMinutes) {
    const std::vector<FixtureCase> cases = fixtureCases();
    ASSERT_FALSE(cases.empty());
    for (const FixtureCase& c : cases) {
        ClearingInput wrongLimb = c.in;
        wrongLimb.MoonLimb = c.in.MoonLimb == 0 ? 1 : -c.in.MoonLimb;
        const ClearingResult r = lunar::clearLunarDistance(wrongLimb);
        ASSERT_TRUE(r.Failure.empty()) << c.name << r.Failure;
        EXPECT_GT(std::fabs(r.CorrectTime - c.trueUT), 5.0 / 60) << c.name;
    }
    // The Sun's case low in the sky: without refraction the time is lost.
    ClearingInput noAir = cases[0].in;
    noAir.Pressure = 0;
    const ClearingResult r = lunar::clearLunarDistance(noAir);
    ASSERT_TRUE(r.Failure.empty()) << r.Failure;
    EXPECT_GT(std::fabs(r.CorrectTime - cases[0].trueUT), 75.0 / 3600);
}

TEST(LunarClearing, PrintsTheFiveLines) {
    const std::vector<FixtureCase> cases = fixtureCases();
    ASSERT_FALSE(cases.empty());
    const ClearingResult r = lunar::clearLunarDistance(cases[0].in);
    const std::vector<std::string> lines = lineTexts(r);
    ASSERT_EQ(lines.size(), 5u);
    // 20:00:00 UT within the clearing's margin.
    EXPECT_TRUE(lines[0].rfind(" Correct time at observation 19:59:", 0) == 0 ||
                lines[0].rfind(" Correct time at observation 20:00:", 0) == 0)
        << lines[0];
    EXPECT_TRUE(lines[1].rfind(" Better Longitude W  5", 0) == 0) << lines[1];
    EXPECT_TRUE(lines[1].find(" \xC2\xB0 ") != std::string::npos) << lines[1];
    EXPECT_TRUE(lines[2].rfind(" Lunar Distance Cleared  ", 0) == 0) << lines[2];
    EXPECT_TRUE(lines[3].rfind(" Lunar Distance Apparent  98 \xC2\xB0 ", 0) == 0) << lines[3];
    // Each figure rounded to the place it shows, worked here from the whole
    // number of tenths (hundredths) of a minute.
    EXPECT_EQ(lines[1], " Better Longitude W " + degMinText(-r.BetterLongitude));
    EXPECT_EQ(lines[2], " Lunar Distance Cleared " + degMinText(r.Cleared));
    EXPECT_EQ(lines[3], " Lunar Distance Apparent " + degMinText(r.Apparent));
    EXPECT_EQ(lines[4],
              " Augmented Semidiameter " + lunartest::hundredthsText(r.AugmentedSD) + " '");
    // The Moon's semi-diameter stays within about 14.7' to 16.8', a little
    // more augmented by altitude (The Nautical Almanac's daily pages).
    EXPECT_GT(r.AugmentedSD * 60, 14.5);
    EXPECT_LT(r.AugmentedSD * 60, 17.0);
}

TEST(LunarClearing, LimbsAndBodiesSetTheApparentDistance) {
    const std::vector<FixtureCase> cases = fixtureCases();
    ASSERT_FALSE(cases.empty());
    ClearingInput in = cases[0].in;  // the Sun, both limbs inner
    const ClearingResult inner = lunar::clearLunarDistance(in);
    const double A = inner.AugmentedSD;
    const double sunSD = inner.Apparent - in.Distance - A;
    // The Sun's semi-diameter that evening is 15.77' (python3-ephem 4.1.4,
    // 2025 June 3, 20:00 UT).
    EXPECT_GT(sunSD * 60, 15.5);
    EXPECT_LT(sunSD * 60, 16.3);

    in.SunLimb = -1;
    // (A moves a little with the Moon's altitude at the new time.)
    EXPECT_NEAR(lunar::clearLunarDistance(in).Apparent, in.Distance + A - sunSD, 0.001);
    in.SelectedBody = -1;  // no body chosen: the Sun's centre
    EXPECT_NEAR(lunar::clearLunarDistance(in).Apparent, in.Distance + A, 0.001);
    in.MoonLimb = 0;  // "Center": no semi-diameter, and the last line prints 0
    const ClearingResult centre = lunar::clearLunarDistance(in);
    EXPECT_EQ(centre.AugmentedSD, 0);
    EXPECT_DOUBLE_EQ(centre.Apparent, in.Distance);
    EXPECT_EQ(lineTexts(centre)[4], " Augmented Semidiameter  0.00  '");
    in.MoonLimb = -1;  // "Outer": subtracted, printed negative
    const ClearingResult outer = lunar::clearLunarDistance(in);
    EXPECT_LT(outer.AugmentedSD, 0);
    EXPECT_EQ(lineTexts(outer)[4].rfind(" Augmented Semidiameter -", 0), 0u);
    // A planet and a star add nothing of their own (each measured at its own
    // geocentric distance from the Moon at the chronometer time, so that the
    // clearing has an answer).
    for (const int body : {2, 20}) {
        in.SelectedBody = body;
        const LunarPlaces p = lunar::lunarPlacesAt(in, in.U);
        ephemeris::AngularDistance(p.MoonGHA, p.BodyGHA, p.MoonDec, p.BodyDec, in.Distance);
        const ClearingResult r = lunar::clearLunarDistance(in);
        ASSERT_TRUE(r.Failure.empty()) << body << r.Failure;
        EXPECT_NEAR(r.Apparent, in.Distance + r.AugmentedSD, 1e-12) << body;
    }
}

// A sky without air or parallax in which the distance grows one degree an
// hour: the cleared distance is the measured one, so the time is known. Both
// bodies stand on the meridian of Greenwich less GHA (the Moon on the
// equator).
lunar::PlacesAt linearSky(double GHA = 0) {
    return [GHA](double t) {
        LunarPlaces p;
        p.MoonGHA = GHA;
        p.BodyGHA = GHA;
        p.BodyDec = 10 + t;
        return p;
    };
}

ClearingInput linearSkyInput(double U, double distance, double Lon) {
    ClearingInput in;
    in.Pressure = 0;
    in.U = U;
    in.Distance = distance;
    in.Lon = Lon;
    in.MoonLimb = 0;
    return in;
}

TEST(LunarClearing, InterpolatesAndMovesTheLongitude) {
    // Correct time 11:48 for a 12:00 chronometer: 3 degrees east.
    ClearingResult r = lunar::clearLunarDistance(linearSkyInput(12, 21.8, 20), linearSky());
    ASSERT_TRUE(r.Failure.empty());
    EXPECT_NEAR(r.CorrectTime, 11.8, 1e-9);
    EXPECT_NEAR(r.BetterLongitude, 23, 1e-8);
    EXPECT_EQ(lineTexts(r)[0], " Correct time at observation 11:48:00");
    // Far outside the 15 minutes either side: extrapolated, not limited;
    // beyond 24 h it is a time of the next day.
    r = lunar::clearLunarDistance(linearSkyInput(23.5, 35.25, 0), linearSky());
    EXPECT_NEAR(r.CorrectTime, 25.25, 1e-9);
    EXPECT_EQ(lineTexts(r)[0], " Correct time at observation 01:15:00 next day");
}

TEST(LunarClearing, TheEndsOfTheIntervalAndBeforeMidnight) {
    // In the sky of one degree an hour the fixed instants are 15 minutes
    // either side of the chronometer time; a time before 0 h is one of the
    // previous day.
    struct Case {
        const char* what;
        double U, distance;
        double tcorr, lon;
        const char* time;
    };
    const Case cases[] = {
        {"cleared distance D1: t1", 12, 21.75, 11.75, 3.75,
         " Correct time at observation 11:45:00"},
        {"cleared distance D2: t2", 12, 22.25, 12.25, -3.75,
         " Correct time at observation 12:15:00"},
        {"before 0 h: the previous day", 0.1, 9.5, -0.5, 9,
         " Correct time at observation 23:30:00 previous day"},
    };
    for (const Case& c : cases) {
        const ClearingResult r =
            lunar::clearLunarDistance(linearSkyInput(c.U, c.distance, 0), linearSky());
        ASSERT_TRUE(r.Failure.empty()) << c.what;
        EXPECT_NEAR(r.CorrectTime, c.tcorr, 1e-9) << c.what;
        EXPECT_NEAR(r.BetterLongitude, c.lon, 1e-8) << c.what;
        EXPECT_EQ(lineTexts(r)[0], c.time) << c.what;
    }
}

// A clearing whose figures the cut showed one unit low: 11:59:58.6 and
// 21 59.976' (the cut carried nothing and showed "21 60"), a longitude of
// 10 59.97' W.
TEST(LunarClearing, ResultsAreRoundedWithTheCarry) {
    const double d = 22 - 1.4 / 3600;  // the linear sky clears it to 11:59:58.6
    const double lon0 = -11 + 0.03 / 60 - 15 * 1.4 / 3600;
    const ClearingResult r = lunar::clearLunarDistance(linearSkyInput(12, d, lon0), linearSky());
    ASSERT_TRUE(r.Failure.empty()) << r.Failure;
    ASSERT_NEAR(r.CorrectTime, 12 - 1.4 / 3600, 1e-9);
    ASSERT_NEAR(r.BetterLongitude, -(10 + 59.97 / 60), 1e-9);
    EXPECT_EQ(lineTexts(r), (std::vector<std::string>{
                                " Correct time at observation 11:59:59",
                                " Better Longitude W  11 \xC2\xB0  0.0  '",
                                " Lunar Distance Cleared  22 \xC2\xB0  0.0  '",
                                " Lunar Distance Apparent  22 \xC2\xB0  0.0  '",
                                " Augmented Semidiameter  0.00  '",
                            }));
}

TEST(LunarClearing, ALongitudeOfZeroIsEast) {
    // The chronometer was right and the longitude stays at (a hair east of) 0:
    // "E", 0 degrees, 0 minutes.
    const ClearingResult r = lunar::clearLunarDistance(linearSkyInput(12, 22, 1e-9), linearSky());
    ASSERT_NEAR(r.BetterLongitude, 0, 1e-8);
    ASSERT_GE(r.BetterLongitude, 0);
    EXPECT_EQ(lineTexts(r)[1], " Better Longitude E  0 \xC2\xB0  0.0  '");
    // A hair west of 0 that shows as 0 is east too.
    const ClearingResult west =
        lunar::clearLunarDistance(linearSkyInput(12, 22, -0.04 / 60), linearSky());
    ASSERT_LT(west.BetterLongitude, 0);
    EXPECT_EQ(lineTexts(west)[1], " Better Longitude E  0 \xC2\xB0  0.0  '");
}

TEST(LunarClearing, BetterLongitudeIsWrappedIntoOneTurn) {
    // 179 E moved 2.85 degrees east is 178 09' W, not "E 181" (the bodies
    // overhead).
    const ClearingResult r =
        lunar::clearLunarDistance(linearSkyInput(12, 21.81, 179), linearSky(181));
    EXPECT_NEAR(r.BetterLongitude, -178.15, 1e-8);
    EXPECT_EQ(lineTexts(r)[1], " Better Longitude W  178 \xC2\xB0  9.0  '");
    // 180 stays east; -180 and whole turns come back to it.
    for (const double lon : {180.0, -180.0, 540.0, -900.0}) {
        EXPECT_EQ(ephemeris::wrapLongitude(lon), 180) << lon;
    }
    EXPECT_EQ(ephemeris::wrapLongitude(-179.5), -179.5);
    EXPECT_EQ(ephemeris::wrapLongitude(181), -179);
}

TEST(LunarClearing, CannotClearWithoutAChangeOfDistance) {
    // Moon and body standing still: D2 = D1.
    const lunar::PlacesAt still = [](double) {
        LunarPlaces p;
        p.BodyDec = 30;
        p.MoonHP = 57;
        return p;
    };
    const ClearingResult r = lunar::clearLunarDistance(linearSkyInput(12, 30, 0), still);
    EXPECT_EQ(r.Failure, lunar::kNoDistanceChangeLine);
    EXPECT_EQ(lineTexts(r), std::vector<std::string>{std::string(lunar::kNoDistanceChangeLine)});
}

TEST(LunarClearing, CannotClearWhatIsNotANumber) {
    const std::vector<FixtureCase> cases = fixtureCases();
    ASSERT_FALSE(cases.empty());
    const std::vector<std::string> checkInputs{std::string(lunar::kCheckInputsLine)};
    // -273 C: the refraction divides by zero.
    ClearingInput cold = cases[0].in;
    cold.Temperature = -273;
    EXPECT_EQ(lineTexts(lunar::clearLunarDistance(cold)), checkInputs);

    // An altitude of -4.4 in the refraction would divide by zero: from the
    // pole, a body at declination -4.4 stands exactly 4.4 degrees below the
    // horizon, which is no sight to clear.
    ClearingInput pole = linearSkyInput(12, 21.8, 0);
    pole.Lat = 90;
    pole.Pressure = 1010;
    const lunar::PlacesAt low = [](double t) {
        LunarPlaces p;
        p.MoonDec = 10 + t;
        p.MoonGHA = 90;
        p.BodyDec = -4.4;
        p.BodyGHA = 90;
        return p;
    };
    double Hb = 0;
    double Zn = 0;
    ephemeris::AltitudeAzimuth(-4.4, 90, 90, Hb, Zn);
    ASSERT_EQ(Hb, -4.4);
    EXPECT_EQ(lunar::clearLunarDistance(pole, low).Failure, lunar::kBodyBelowHorizonLine);

    // A chronometer time that is not a number gives no places to clear.
    ClearingInput noTime = cases[0].in;
    noTime.U = std::nan("");
    EXPECT_EQ(lineTexts(lunar::clearLunarDistance(noTime)), checkInputs);
}

// The first line: a time of day, and the day when it is not the typed one.
TEST(LunarClearing, TheCorrectTimeIsATimeOfDay) {
    struct Case {
        double tcorr;
        const char* text;
    };
    const Case cases[] = {
        {12.5, " Correct time at observation 12:30:00"},
        {0, " Correct time at observation 00:00:00"},
        {-0.5, " Correct time at observation 23:30:00 previous day"},
        {-11.75, " Correct time at observation 12:15:00 previous day"},
        {25.25, " Correct time at observation 01:15:00 next day"},
        {35.5, " Correct time at observation 11:30:00 next day"},
        // Rounded to the second: 23:59:59.6 is 0 h of the next day, 23:59:59.4
        // stays (the cut carried its 59 seconds into the next day).
        {24 - 0.4 / 3600, " Correct time at observation 00:00:00 next day"},
        {24 - 0.5 / 3600, " Correct time at observation 00:00:00 next day"},
        {24 - 0.6 / 3600, " Correct time at observation 23:59:59"},
        {12.5 + 0.5 / 3600, " Correct time at observation 12:30:01"},
        {12.5 + 58.6 / 3600, " Correct time at observation 12:30:59"},
        // 23:59:59.6 the day before: 0 h of the typed date.
        {-0.4 / 3600, " Correct time at observation 00:00:00"},
        {-0.6 / 3600, " Correct time at observation 23:59:59 previous day"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::printLineText(lunar::correctTimeLine(c.tcorr)), c.text) << c.tcorr;
    }
}

// No answer, and the line that says why, for each case the clearing cannot
// stand behind; each sky has an answer once the one fault is removed.
TEST(LunarClearing, RefusesWhatItCannotStandBehind) {
    // A sky whose places at the clearing instant move the measured distance
    // twice as far as the instant moves, the other way: each iteration
    // doubles the error of the one before.
    const lunar::PlacesAt unsettled = [](double t) {
        LunarPlaces p;
        p.BodyDec = 10 + t;
        p.SunTerm = -2 * (t - 12);
        return p;
    };
    struct Case {
        const char* what;
        ClearingInput in;
        lunar::PlacesAt sky;
        std::string_view line;
    };
    const Case cases[] = {
        {"distance 0", linearSkyInput(12, 0, 0), linearSky(), lunar::kDistanceRangeLine},
        {"distance 180", linearSkyInput(12, 180, 0), linearSky(), lunar::kDistanceRangeLine},
        {"distance -5", linearSkyInput(12, -5, 0), linearSky(), lunar::kDistanceRangeLine},
        {"distance 200", linearSkyInput(12, 200, 0), linearSky(), lunar::kDistanceRangeLine},
        // From 100 W the Moon on the equator is 10 degrees below the horizon.
        {"Moon below", linearSkyInput(12, 21.8, -100), linearSky(), lunar::kMoonBelowHorizonLine},
        {"body below", linearSkyInput(12, 21.8, 0),
         [](double t) {
             LunarPlaces p = linearSky()(t);
             p.BodyGHA = 180;
             return p;
         },
         lunar::kBodyBelowHorizonLine},
        // 28 degrees is reached at 18 h: 13 hours after a chronometer's 5 h.
        {"13 hours off", linearSkyInput(5, 28, 0), linearSky(), lunar::kFarFromChronometerLine},
        {"not settled", linearSkyInput(12, 22.003, 0), unsettled, lunar::kNotSettledLine},
    };
    for (const Case& c : cases) {
        const ClearingResult r = lunar::clearLunarDistance(c.in, c.sky);
        EXPECT_EQ(r.Failure, c.line) << c.what;
        EXPECT_EQ(lineTexts(r), std::vector<std::string>{std::string(c.line)}) << c.what;
    }
    // The same skies with answers: 11:48 is within 12 hours of 5 h, and the
    // unsettled sky started at its fixed point (12 h for 22 degrees) stays.
    EXPECT_TRUE(lunar::clearLunarDistance(linearSkyInput(5, 21.8, 0), linearSky()).Failure.empty());
    EXPECT_TRUE(lunar::clearLunarDistance(linearSkyInput(12, 22, 0), unsettled).Failure.empty());
}

}  // namespace
