// Almanac data of a sight: the body by list entry, the printed almanac block
// and the hidden-field texts.
// Expected values: the program's own ephemeris for the body (its accuracy is
// tested against independent values in tests/ephemeris) and texts worked by
// hand from the print rules.
#include "reduction/sight_almanac.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"
#include "platform/print_items.h"

namespace {

using reduction::PlanetPrint;
using reduction::semiDiameterLine;
using reduction::SightAlmanac;
using reduction::sightAlmanac;
using reduction::SightAlmanacInput;
using reduction::starPrint;

const std::string kDeg = "\xC2\xB0 ";  // "° "

std::vector<std::string> texts(const std::vector<platform::PrintLine>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        out.push_back(platform::printLineText(line));
    }
    return out;
}

// --- Expected texts built digit by digit, independent of the program's own
// number formatting. ---

// A whole number in print form: " 12 ", "-3 ", " 0 ".
std::string printedWhole(long long n) {
    return (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -n : n) + " ";
}

// n hundredths in print form, both decimals shown: " 27.41 ", " 0.08 ",
// " 6.00 ", " 0.00 ".
std::string printedHundredths(long long n) {
    const long long a = n < 0 ? -n : n;
    const long long cents = a % 100;
    return (n < 0 ? "-" : " ") + std::to_string(a / 100) + "." + std::to_string(cents / 10) +
           std::to_string(cents % 10) + " ";
}

// General text of n millionths: "123.456789", "-0.5", "0".
std::string millionthsText(long long n) {
    const long long a = n < 0 ? -n : n;
    std::string text = std::to_string(a / 1000000);
    std::string fraction = std::to_string(a % 1000000);
    fraction.insert(0, 6 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return (n < 0 ? "-" : "") + text;
}

long long floorOf(double x) {
    return static_cast<long long>(std::floor(x));
}

// Whole degrees and hundredths of a minute of |x|, rounded half up at the
// hundredth with the carry into the degrees.
struct DegMin {
    long long Deg;
    long long Hundredths;
};

DegMin degMin(double x) {
    const long long n = floorOf(std::fabs(x) * 6000 + 0.5);
    return {n / 6000, n % 6000};
}

long long roundedHundredths(double x) {
    return floorOf(x * 100 + 0.5);
}

std::string planetGhaLine(double gha) {
    const DegMin dm = degMin(gha);
    return " GHA   " + printedWhole(dm.Deg) + kDeg + printedHundredths(dm.Hundredths) +
           "'  Greenwich Hour Angle";
}

std::string planetDecLine(double dec) {
    const DegMin dm = degMin(dec);
    return " DEC   " + std::string(dec < 0 ? "S" : "N") + printedWhole(dm.Deg) + kDeg +
           printedHundredths(dm.Hundredths) + "'  Declination";
}

std::string hpLine(double hp) {
    return " HP    " + printedHundredths(roundedHundredths(hp)) + " '  Horizontal Parallax";
}

std::string sdLine(double sd) {
    return " SD  " + printedHundredths(roundedHundredths(sd)) + "'  Semi Diameter";
}

std::string starAngleLine(const std::string& label, double angle, const std::string& tail) {
    const DegMin dm = degMin(angle);
    return label + printedWhole(dm.Deg) + kDeg + printedHundredths(dm.Hundredths) + "'" + tail;
}

std::string starDecLine(double dec) {
    const DegMin dm = degMin(dec);
    return " DECstar  " + std::string(dec < 0 ? "S" : "N") + printedWhole(dm.Deg) + kDeg +
           printedHundredths(dm.Hundredths) + "'  Declination";
}

std::string sixDecimals(double x) {
    return millionthsText(floorOf(x * 1000000));
}

// --- The body's place computed directly from the ephemeris. ---

struct Instant {
    double Year, Month, Day, Hour, Minute, Second, DeltaT;
};

struct DirectPlace {
    double GHA = 0, Dec = 0, SD = 0, HP = 0, SHA = 0, GHAAries = 0;
};

// ObjectIndex 0 Sun, 1 Moon, 2..5 planets (codes 2, 4, 5, 6), 6.. stars.
DirectPlace directPlace(int objectIndex, const Instant& at) {
    double JD = 0;
    double T = 0;
    ephemeris::JulianDay(at.Year, at.Month, at.Day, at.Hour + at.Minute / 60 + at.Second / 3600, JD,
                         T);
    const double T_TT = T + at.DeltaT / 3155760000;
    DirectPlace sun;
    double L = 0, B = 0, R = 0, appLon = 0, geoLon = 0;
    ephemeris::SunPosition(JD, T_TT, sun.GHA, sun.Dec, sun.SD, sun.SHA, sun.GHAAries, L, B, R,
                           appLon, geoLon);
    DirectPlace p;
    p.GHAAries = sun.GHAAries;
    double unused1 = 0, unused2 = 0, unused3 = 0;
    switch (objectIndex) {
        case 0:
            p = sun;
            p.HP = 0.1466 / R;  // 8.794" at 1 au, in inverse proportion to the distance
            break;
        case 1:
            ephemeris::MoonPosition(JD, T_TT, appLon, p.GHA, p.Dec, p.SD, p.HP, unused1, unused2,
                                    unused3);
            break;
        case 2:
        case 3:
        case 4:
        case 5: {
            const int codes[] = {2, 4, 5, 6};
            ephemeris::PlanetPosition(JD, T_TT, codes[objectIndex - 2], L, B, R, p.GHA, p.Dec,
                                      p.SHA, p.HP, unused1);
            break;
        }
        default:
            ephemeris::StarPosition(T_TT, JD, objectIndex - 6, geoLon, p.GHA, p.Dec, p.SHA);
            break;
    }
    return p;
}

SightAlmanacInput inputFor(double objectIndex, const Instant& at) {
    SightAlmanacInput in;
    in.ObjectIndex = objectIndex;
    in.Year = at.Year;
    in.Month = at.Month;
    in.Day = at.Day;
    in.Hour = at.Hour;
    in.Minute = at.Minute;
    in.Second = at.Second;
    in.DeltaT = at.DeltaT;
    ephemeris::FillStarTable(in.Stars);
    return in;
}

const Instant kSightTime{2024, 6, 15, 14, 23, 17, 69.2};

// --- PlanetPrint, the SD line and the star block from given values. ---

TEST(PlanetPrint, PrintsNameGhaDeclinationAndParallax) {
    struct Case {
        const char* name;
        double gha, dec, hp;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Venus",
         123.456789,
         12.5,
         0.3,
         {" Object Name:  Venus", " GHA    123 " + kDeg + " 27.41 '  Greenwich Hour Angle",
          " DEC   N 12 " + kDeg + " 30.00 '  Declination", " HP     0.30  '  Horizontal Parallax"}},
        // GHA minutes 5.999 + 0.004 show as 6; the declination's are cut.
        {"Moon",
         10.1,
         10.1,
         57.123,
         {" Object Name:  Moon", " GHA    10 " + kDeg + " 6.00 '  Greenwich Hour Angle",
          // 10.1 is held just below: its minutes 5.99999... show as 6.
          " DEC   N 10 " + kDeg + " 6.00 '  Declination", " HP     57.12  '  Horizontal Parallax"}},
        {"Sun",
         0.5,
         -23.4375,
         0.1491,
         {" Object Name:  Sun", " GHA    0 " + kDeg + " 30.00 '  Greenwich Hour Angle",
          " DEC   S 23 " + kDeg + " 26.25 '  Declination", " HP     0.15  '  Horizontal Parallax"}},
        // Between 0 and -1 degree: "S", 0 degrees and the unsigned minutes.
        {"Mars",
         359.999,
         -0.5,
         0.25,
         {" Object Name:  Mars", " GHA    359 " + kDeg + " 59.94 '  Greenwich Hour Angle",
          " DEC   S 0 " + kDeg + " 30.00 '  Declination", " HP     0.25  '  Horizontal Parallax"}},
        {"Saturn",
         1,
         -0.0001,
         0.1,
         {" Object Name:  Saturn", " GHA    1 " + kDeg + " 0.00 '  Greenwich Hour Angle",
          // -0.0001 degree is 0.006' south, shown as .01.
          " DEC   S 0 " + kDeg + " 0.01 '  Declination", " HP     0.10  '  Horizontal Parallax"}},
        // 27.4055' rounds to 27.41; HP 0.2555 to 0.26.
        {"Venus",
         200.4567583,
         1.25,
         0.2555,
         {" Object Name:  Venus", " GHA    200 " + kDeg + " 27.41 '  Greenwich Hour Angle",
          " DEC   N 1 " + kDeg + " 15.00 '  Declination", " HP     0.26  '  Horizontal Parallax"}},
        {"Jupiter",
         0,
         0,
         0,
         {" Object Name:  Jupiter", " GHA    0 " + kDeg + " 0.00 '  Greenwich Hour Angle",
          " DEC   N 0 " + kDeg + " 0.00 '  Declination", " HP     0.00  '  Horizontal Parallax"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(texts(PlanetPrint(c.name, c.gha, c.dec, c.hp)), c.expected) << c.name;
    }
}

TEST(PlanetPrint, DeclinationItemsAreLetterDegreesAndMinutes) {
    const auto lines = PlanetPrint("Mars", 0, -0.5, 0);
    ASSERT_EQ(lines.size(), 4u);
    const platform::PrintLine& dec = lines[2];
    ASSERT_EQ(dec.size(), 7u);
    EXPECT_EQ(dec[1].text, "S");
    EXPECT_EQ(dec[2].kind, platform::PrintItem::Kind::Number);
    EXPECT_EQ(dec[2].number, 0);
    EXPECT_EQ(dec[4].kind, platform::PrintItem::Kind::Text);
    EXPECT_EQ(dec[4].text, " 30.00 ");
}

// Expected texts: worked by hand, SD rounded to hundredths.
TEST(SemiDiameterLine, RoundsToHundredthsOfAMinute) {
    struct Case {
        double sd;
        const char* expected;
    };
    const Case cases[] = {
        {16.2549, " SD   16.25 '  Semi Diameter"},
        {16.2551, " SD   16.26 '  Semi Diameter"},
        {0, " SD   0.00 '  Semi Diameter"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::printLineText(semiDiameterLine(c.sd)), c.expected) << c.sd;
    }
}

TEST(StarPrint, PrintsNameMagnitudeAndFourAngles) {
    struct Case {
        const char* name;
        double magnitude, gha, dec, sha, aries;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Acamar   ",
         3.1,
         315.25,
         -40.1,
         20.12345,
         0.25,
         {" Star:  Acamar         Magnitude 3.1",
          " GHAstar   315 " + kDeg + " 15.00 '  Greenwich Hour Angle",
          " DECstar  S 40 " + kDeg + " 6.00 '  Declination",
          // 7.407 rounds to 7.41.
          " SHAstar   20 " + kDeg + " 7.41 '  Sidereal Hour Angle",
          " GHA Aries   0 " + kDeg + " 15.00 '"}},
        // Between 0 and -1 degree: "S", 0 degrees and the unsigned minutes.
        {"Alphard ",
         2.2,
         10.1,
         -0.25,
         200.5,
         100,
         {" Star:  Alphard       Magnitude 2.2",
          " GHAstar   10 " + kDeg + " 6.00 '  Greenwich Hour Angle",
          " DECstar  S 0 " + kDeg + " 15.00 '  Declination",
          " SHAstar   200 " + kDeg + " 30.00 '  Sidereal Hour Angle",
          " GHA Aries   100 " + kDeg + " 0.00 '"}},
        // Minutes of 59.99994 round to the next degree and 0; 59.994 to 59.99.
        {"Sirius  ",
         -1.6,
         0,
         45.999999,
         0,
         359.9999,
         {" Star:  Sirius        Magnitude -1.6",
          " GHAstar   0 " + kDeg + " 0.00 '  Greenwich Hour Angle",
          " DECstar  N 46 " + kDeg + " 0.00 '  Declination",
          " SHAstar   0 " + kDeg + " 0.00 '  Sidereal Hour Angle",
          " GHA Aries   359 " + kDeg + " 59.99 '"}},
        // Minutes ending in 5 thousandths round up: 7.415, 25.555, 13.365.
        {"Vega    ",
         0.1,
         100.12359166666667,
         -40.425925,
         20.222758333333335,
         100.12359166666667,
         {" Star:  Vega          Magnitude 0.1",
          " GHAstar   100 " + kDeg + " 7.42 '  Greenwich Hour Angle",
          " DECstar  S 40 " + kDeg + " 25.56 '  Declination",
          " SHAstar   20 " + kDeg + " 13.37 '  Sidereal Hour Angle",
          " GHA Aries   100 " + kDeg + " 7.42 '"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(texts(starPrint(c.name, c.magnitude, c.gha, c.dec, c.sha, c.aries)), c.expected)
            << c.name;
    }
}

// --- The body click from the date and time. ---

TEST(SightAlmanac, EveryBodyKindGivesItsPlaceBlockAndHiddenFields) {
    struct Case {
        int objectIndex;
        const char* name;  // Text9 and the block's name ("" for stars)
        const char* text9;
        const char* starLine;  // first block line of a star
    };
    const Case cases[] = {
        {0, "Sun", "Sun", ""},
        {1, "Moon", "Moon", ""},
        {2, "Venus", "Venus", ""},
        {3, "Mars", "Mars", ""},
        {4, "Jupiter", "Jupiter", ""},
        {5, "Saturn", "Saturn", ""},
        {6, "", "0", " Star:  Acamar         Magnitude 3.1"},
        {59, "", "53", " Star:  Sirius        Magnitude -1.6"},
        {63, "", "57", " Star:  Zuben-ubi      Magnitude 2.9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.objectIndex);
        const DirectPlace p = directPlace(c.objectIndex, kSightTime);
        const SightAlmanac a = sightAlmanac(inputFor(c.objectIndex, kSightTime));
        const bool star = c.objectIndex >= 6;
        const bool sunOrMoon = c.objectIndex <= 1;

        ASSERT_TRUE(a.HasBody);
        EXPECT_EQ(a.GHA, p.GHA);
        EXPECT_EQ(a.Dec, p.Dec);
        EXPECT_EQ(a.SD, sunOrMoon ? p.SD : 0);
        EXPECT_EQ(a.HP, star ? 0 : p.HP);

        std::vector<std::string> expected;
        if (star) {
            expected = {c.starLine, starAngleLine(" GHAstar  ", p.GHA, "  Greenwich Hour Angle"),
                        starDecLine(p.Dec),
                        starAngleLine(" SHAstar  ", p.SHA, "  Sidereal Hour Angle"),
                        starAngleLine(" GHA Aries  ", p.GHAAries, "")};
        } else {
            expected = {std::string(" Object Name:  ") + c.name, planetGhaLine(p.GHA),
                        planetDecLine(p.Dec), hpLine(p.HP)};
            if (sunOrMoon) {
                expected.push_back(sdLine(p.SD));
            }
        }
        EXPECT_EQ(texts(a.Block), expected);

        ASSERT_TRUE(a.Hidden.has_value());
        EXPECT_EQ(a.Hidden->Text3, sixDecimals(p.GHA));
        EXPECT_EQ(a.Hidden->Text4, sixDecimals(p.Dec));
        EXPECT_EQ(a.Hidden->Text7, sunOrMoon ? sixDecimals(p.SD) : "");
        const std::string text8 = star ? "" : sixDecimals(p.HP);
        EXPECT_EQ(a.Hidden->Text8, text8);
        EXPECT_EQ(a.Hidden->Text9, c.text9);
        EXPECT_EQ(a.Hidden->Text10, std::to_string(c.objectIndex));
    }
}

TEST(SightAlmanac, SunHorizontalParallaxFollowsItsDistance) {
    // The Earth's equatorial radius 6378.137 km seen from the Sun at its
    // distance in 2024 (ERFA epv00 from pyerfa 2.0.0.1, Debian python3-erfa;
    // 1 au 149597870.7 km): at perihelion, January 3 00:39 UT, 0.98330699 au;
    // at aphelion, July 5 05:06 UT, 1.01672549 au. Delta T 69.2 s.
    struct Case {
        Instant at;
        double R;  // au
        const char* block;
    };
    const Case cases[] = {
        {{2024, 1, 3, 0, 39, 0, 69.2}, 0.98330699, " HP     0.15  '  Horizontal Parallax"},
        {{2024, 7, 5, 5, 6, 0, 69.2}, 1.01672549, " HP     0.14  '  Horizontal Parallax"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.R);
        const SightAlmanac a = sightAlmanac(inputFor(0, c.at));
        const double exact =
            60 * std::asin(6378.137 / (c.R * 149597870.7)) * 180 / 3.141592653589793;
        EXPECT_NEAR(a.HP, exact, 0.0005);
        EXPECT_EQ(texts(a.Block)[3], c.block);
        ASSERT_TRUE(a.Hidden.has_value());
        EXPECT_NEAR(std::stod(a.Hidden->Text8), exact, 0.0005);
    }
}

TEST(SightAlmanac, StarNameIsTheStoredListName) {
    SightAlmanacInput in = inputFor(6, kSightTime);
    EXPECT_EQ(sightAlmanac(in).Name, "Acamar   ");
    in.ObjectIndex = 15;  // StarNumber 10
    EXPECT_EQ(sightAlmanac(in).Name, "Alphard ");
}

TEST(SightAlmanac, ChronometerCorrectionIsAddedToTheWatchSeconds) {
    // Watch 12:00:03, correction -5 s: the body for 11:59:58 UT.
    const Instant watch{2023, 11, 2, 12, 0, 3, 69};
    const Instant ut{2023, 11, 2, 11, 59, 58, 69};
    for (const int i : {0, 1, 2, 5, 40}) {
        SCOPED_TRACE(i);
        SightAlmanacInput in = inputFor(i, watch);
        in.ChronometerCorrection = -5;
        const SightAlmanac a = sightAlmanac(in);
        const DirectPlace p = directPlace(i, ut);
        EXPECT_NEAR(a.UT, 11 + 59.0 / 60 + 58.0 / 3600, 1e-12);
        EXPECT_NEAR(a.GHA, p.GHA, 1e-9);
        EXPECT_NEAR(a.Dec, p.Dec, 1e-9);
        EXPECT_NEAR(a.HP, i >= 6 ? 0 : p.HP, 1e-9);
        // Five seconds move the GHA by about 0.0208 degrees.
        const DirectPlace uncorrected = directPlace(i, watch);
        EXPECT_GT(std::fabs(a.GHA - uncorrected.GHA), 0.02);
    }
}

TEST(SightAlmanac, DeltaTEntersOnlyTheDynamicalTime) {
    SightAlmanacInput in = inputFor(1, kSightTime);
    in.DeltaT = 0;
    const SightAlmanac without = sightAlmanac(in);
    in.DeltaT = 69.2;
    const SightAlmanac with = sightAlmanac(in);
    EXPECT_EQ(with.JD, without.JD);
    EXPECT_EQ(with.T_TT, without.T_TT + 69.2 / 3155760000);
    EXPECT_EQ(with.UT, 14 + 23.0 / 60 + 17.0 / 3600);
}

TEST(SightAlmanac, AnIndexThatIsNoListEntrySelectsNoBody) {
    const double cases[] = {-1,
                            -2,
                            64,
                            2.5,
                            -0.5,
                            1e300,
                            std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};
    for (const double i : cases) {
        const SightAlmanac a = sightAlmanac(inputFor(i, kSightTime));
        EXPECT_FALSE(a.HasBody) << i;
        EXPECT_TRUE(a.Block.empty()) << i;
        EXPECT_FALSE(a.Hidden.has_value()) << i;
        EXPECT_EQ(a.HP, 0) << i;
        EXPECT_EQ(a.Name, "") << i;
        // The instant is still formed.
        EXPECT_EQ(a.UT, 14 + 23.0 / 60 + 17.0 / 3600) << i;
    }
}

TEST(SightAlmanac, EmptyDateComputesForYearZeroWithoutFailing) {
    SightAlmanacInput in;
    in.ObjectIndex = 1;
    const SightAlmanac a = sightAlmanac(in);
    ASSERT_TRUE(a.HasBody);
    EXPECT_TRUE(std::isfinite(a.GHA));
    EXPECT_TRUE(std::isfinite(a.Dec));
    EXPECT_EQ(a.Block.size(), 5u);
}

// A year typed with 70 digits: every body's values are no numbers. The block
// shows "---" in their place, the hidden fields stay empty and the result
// says it is not to be stored; a good instant says the opposite.
TEST(SightAlmanac, ValuesThatAreNotNumbersAreShownAsDashesAndFlagged) {
    for (const int body : {0, 1, 2, 5, 6, 63}) {
        SCOPED_TRACE(body);
        Instant far = kSightTime;
        far.Year = 1e70;
        const SightAlmanac bad = sightAlmanac(inputFor(body, far));
        ASSERT_TRUE(bad.HasBody);
        ASSERT_TRUE(bad.Hidden.has_value());
        EXPECT_FALSE(bad.Finite);
        EXPECT_EQ(bad.Hidden->Text3, "");
        EXPECT_EQ(bad.Hidden->Text4, "");
        bool dashes = false;
        for (const platform::PrintLine& line : bad.Block) {
            const std::string text = platform::printLineText(line);
            EXPECT_EQ(text.find("NaN"), std::string::npos) << text;
            EXPECT_EQ(text.find("nfinity"), std::string::npos) << text;
            dashes = dashes || text.find("---") != std::string::npos;
        }
        EXPECT_TRUE(dashes);

        const SightAlmanac good = sightAlmanac(inputFor(body, kSightTime));
        EXPECT_TRUE(good.Finite);
        EXPECT_NE(good.Hidden->Text3, "");
    }
}

// --- Every stored sight's place at its time. ---

// A stored sight: body, include flag and watch reading; a stale place.
reduction::SightLog logOfSights(
    const std::vector<std::pair<double, std::array<double, 8>>>& sights) {
    reduction::SightLog log;
    log.SightCount = static_cast<int>(sights.size());
    for (std::size_t n = 0; n < sights.size(); ++n) {
        auto& row = log.SightData[n + 1];
        const auto& [body, v] = sights[n];
        row[reduction::kFieldLimb] = 1;
        row[reduction::kFieldIncluded] = v[0];
        row[reduction::kFieldHorizon] = 1;
        row[reduction::kFieldUTYear] = v[1];
        row[reduction::kFieldUTMonth] = v[2];
        row[reduction::kFieldUTDay] = v[3];
        row[reduction::kFieldUTHour] = v[4];
        row[reduction::kFieldUTMinute] = v[5];
        row[reduction::kFieldUTSecond] = v[6];
        row[reduction::kFieldHsDegrees] = v[7];
        row[reduction::kFieldHsMinutes] = 12.5;
        row[reduction::kFieldIndexError] = 1.5;
        row[reduction::kFieldIndexErrorSide] = -1;
        row[reduction::kFieldGHA] = 111.5;  // stale: of another instant
        row[reduction::kFieldDec] = -22.25;
        row[reduction::kFieldSD] = 16.5;
        row[reduction::kFieldHP] = 0.08;
        row[reduction::kFieldObjectIndex] = body;
    }
    return log;
}

TEST(SightsAtTheirTimes, EverySightGetsThePlaceItsBodyClickStores) {
    // Watch readings with a chronometer 5 s fast, Delta T 69 s.
    const reduction::SightLog log = logOfSights({
        {0, {1, 2023, 11, 2, 12, 0, 3, 35}},
        {1, {1, 2023, 11, 2, 12, 30, 0, 40}},
        {2, {0, 2023, 11, 2, 9, 15, 30, 20}},
        {40, {1, 2023, 11, 3, 5, 59, 59, 50}},
    });
    const reduction::SightPlaces out = reduction::sightsAtTheirTimes(log, -5, 69);
    ASSERT_FALSE(out.Warning.has_value()) << *out.Warning;
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const auto& before = log.SightData[i];
        const auto& after = out.Log.SightData[i];
        const int body = static_cast<int>(before[reduction::kFieldObjectIndex]);
        // Only the place changes: fields 14 to 17.
        for (int f = 1; f <= reduction::kSightFieldCount; ++f) {
            if (f < reduction::kFieldGHA || f > reduction::kFieldHP) {
                EXPECT_EQ(after[f], before[f]) << "field " << f;
            }
        }
        // The place for the watch time plus the correction, cut to six
        // decimals as the hidden fields hold it.
        const Instant ut{before[reduction::kFieldUTYear],
                         before[reduction::kFieldUTMonth],
                         before[reduction::kFieldUTDay],
                         before[reduction::kFieldUTHour],
                         before[reduction::kFieldUTMinute],
                         before[reduction::kFieldUTSecond] - 5,
                         69};
        const DirectPlace p = directPlace(body, ut);
        EXPECT_NEAR(after[reduction::kFieldGHA], p.GHA, 1e-6);
        EXPECT_NEAR(after[reduction::kFieldDec], p.Dec, 1e-6);
        EXPECT_NEAR(after[reduction::kFieldSD], body <= 1 ? p.SD : 0, 1e-6);
        EXPECT_NEAR(after[reduction::kFieldHP], body >= 6 ? 0 : p.HP, 1e-6);
        // Exactly what "Save Changes" stores after the body click: the
        // hidden fields' texts read back.
        SightAlmanacInput click = inputFor(body, ut);
        click.Second = before[reduction::kFieldUTSecond];
        click.ChronometerCorrection = -5;
        const SightAlmanac a = sightAlmanac(click);
        ASSERT_TRUE(a.Hidden.has_value());
        EXPECT_EQ(after[reduction::kFieldGHA], platform::leadingNumber(a.Hidden->Text3));
        EXPECT_EQ(after[reduction::kFieldHP], platform::leadingNumber(a.Hidden->Text8));
    }
    // The same settings again change nothing more.
    EXPECT_EQ(reduction::sightsAtTheirTimes(out.Log, -5, 69).Log, out.Log);
}

TEST(SightsAtTheirTimes, WhatKeepsItsStoredPlaceAndWhatStopsTheReduction) {
    const double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        double body;
        std::array<double, 8> sight;  // included, Y, M, D, h, m, s, Hs
        double K;
        const char* warning;  // nullptr: the stored place is kept
        double firstIncluded = 1;
    };
    const Case cases[] = {
        {"a body not in the list", 99, {1, 2024, 6, 15, 14, 0, 0, 30}, 0, nullptr},
        {"no body", -1, {1, 2024, 6, 15, 14, 0, 0, 30}, 0, nullptr},
        {"an index between two bodies", 2.5, {1, 2024, 6, 15, 14, 0, 0, 30}, 0, nullptr},
        {"left out, month 13", 1, {0, 2024, 13, 15, 14, 0, 0, 30}, 0, nullptr},
        {"left out, a block of zeros", 0, {0, 0, 0, 0, 0, 0, 0, 0}, 0, nullptr},
        {"left out, no place", 1, {0, 2024, 6, 15, 14, 0, 0, 30}, kInf, nullptr, 0},
        {"month 13", 1, {1, 2024, 13, 15, 14, 0, 0, 30}, 0, "Sight 2: Month must be 1 to 12"},
        {"a block of zeros", 0, {1, 0, 0, 0, 0, 0, 0, 0}, 0, "Sight 2: Year must be 1000 to 3000"},
        {"31 April", 5, {1, 2024, 4, 31, 14, 0, 0, 30}, 0, "Sight 2: Day must be 1 to 30"},
        {"hour 24", 40, {1, 2024, 6, 15, 24, 0, 0, 30}, 0, "Sight 2: Hour must be 0 to below 24"},
        {"second 60",
         0,
         {1, 2024, 6, 15, 14, 0, 60, 30},
         0,
         "Sight 2: Second must be 0 to below 60"},
        {"no place",
         1,
         {1, 2024, 6, 15, 14, 0, 0, 30},
         kInf,
         "Sight 2: the almanac data cannot be computed; check the date and time of the sight, "
         "the chronometer correction and Delta T in the settings.",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Sight 2 is the case; sight 1 a good Sun sight before it (left out
        // where the correction gives no sight a place).
        const reduction::SightLog log =
            logOfSights({{0, {c.firstIncluded, 2024, 6, 15, 13, 0, 0, 40}}, {c.body, c.sight}});
        const reduction::SightPlaces out = reduction::sightsAtTheirTimes(log, c.K, 67);
        if (c.warning) {
            ASSERT_TRUE(out.Warning.has_value());
            EXPECT_EQ(*out.Warning, c.warning);
            continue;
        }
        ASSERT_FALSE(out.Warning.has_value()) << *out.Warning;
        EXPECT_EQ(out.Log.SightData[2], log.SightData[2]);
        // The good sight before it is still recomputed.
        if (std::isfinite(c.K)) {
            EXPECT_NE(out.Log.SightData[1][reduction::kFieldGHA],
                      log.SightData[1][reduction::kFieldGHA]);
        }
    }
}

}  // namespace
