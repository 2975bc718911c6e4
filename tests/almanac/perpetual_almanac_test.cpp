// The perpetual almanac's printout: the common block, the Sun's tail with the
// equation of time, the star and time blocks, and the instant of the fields.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "almanac/almanac.h"
#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"
#include "platform/print_items.h"
#include "tests/almanac/almanac_test_support.h"

namespace {

using almanac::AlmanacPrintout;
using almanac::AlmanacRequest;
using almanac::equationOfTime;
using almanac::perpetualAlmanac;
using almanac::PlanetPrint;
using almanac::sunTail;
using almanac::timeBlock;

const std::string kDeg = "\xC2\xB0 ";  // "° "

using almanactest::texts;

ephemeris::StarTables starTables() {
    ephemeris::StarTables t;
    ephemeris::FillStarTable(t);
    return t;
}

// Angles with fractions exact in binary, so the minutes follow from the digits.
TEST(AlmanacPlanetPrint, PrintsTheEightLinesOfTheCommonBlock) {
    EXPECT_EQ(
        texts(PlanetPrint("Venus", 123.75, 12.5, 200.25, 0.25, 10.5)),
        (std::vector<std::string>{
            " Object Name:  Venus", "", " GHA    123 " + kDeg + " 45.00 '  Greenwich Hour Angle",
            " DEC   N 12 " + kDeg + " 30.00 '  Declination",
            " SHA    200 " + kDeg + " 15.00 '  Sidereal Hour Angle",
            " HP     0.25  '  Horizontal Parallax", "", " GHA Aries  10 " + kDeg + " 30.00 '"}));
}

TEST(AlmanacPlanetPrint, EveryAngleIsRoundedTo001) {
    // 10.1 degrees: 5.9999999' after the split, shown 6 in every line (the
    // cut showed 5.99 for the declination and the SHA).
    const auto lines = texts(PlanetPrint("Moon", 10.1, 10.1, 10.1, 57.123, 10.1));
    EXPECT_EQ(lines[2], " GHA    10 " + kDeg + " 6.00 '  Greenwich Hour Angle");
    EXPECT_EQ(lines[3], " DEC   N 10 " + kDeg + " 6.00 '  Declination");
    EXPECT_EQ(lines[4], " SHA    10 " + kDeg + " 6.00 '  Sidereal Hour Angle");
    EXPECT_EQ(lines[5], " HP     57.12  '  Horizontal Parallax");
    EXPECT_EQ(lines[7], " GHA Aries  10 " + kDeg + " 6.00 '");
}

// Minutes that round to 60 are the next degree; 0.005' and more rounds up,
// also where the double lies a hair below the half.
TEST(AlmanacPlanetPrint, MinutesCarryIntoTheDegrees) {
    struct Case {
        double angle;
        std::string degMin;     // as the declination line shows it
        std::string hourAngle;  // as the GHA and SHA lines show it: below 360
    };
    const Case cases[] = {
        {10 + 59.995 / 60, " 11 " + kDeg + " 0.00 '", " 11 " + kDeg + " 0.00 '"},
        {10 + 59.9949 / 60, " 10 " + kDeg + " 59.99 '", " 10 " + kDeg + " 59.99 '"},
        {10.99995, " 11 " + kDeg + " 0.00 '", " 11 " + kDeg + " 0.00 '"},
        {359.99995, " 360 " + kDeg + " 0.00 '", " 0 " + kDeg + " 0.00 '"},
        {44 + 44.555 / 60, " 44 " + kDeg + " 44.56 '", " 44 " + kDeg + " 44.56 '"},
        {44 + 44.5549 / 60, " 44 " + kDeg + " 44.55 '", " 44 " + kDeg + " 44.55 '"},
    };
    for (const Case& c : cases) {
        const auto lines = texts(PlanetPrint("Mars", c.angle, c.angle, c.angle, 0, c.angle));
        EXPECT_EQ(lines[2], " GHA   " + c.hourAngle + "  Greenwich Hour Angle") << c.angle;
        EXPECT_EQ(lines[3], " DEC   N" + c.degMin + "  Declination") << c.angle;
        EXPECT_EQ(lines[4], " SHA   " + c.hourAngle + "  Sidereal Hour Angle") << c.angle;
        EXPECT_EQ(lines[7], " GHA Aries " + c.hourAngle) << c.angle;
    }
}

TEST(AlmanacPlanetPrint, DeclinationSigns) {
    struct Case {
        double dec;
        std::string expected;
    };
    const Case cases[] = {
        {0, " DEC   N 0 " + kDeg + " 0.00 '  Declination"},
        // Between 0 and -1 degree: "S", 0 degrees and the unsigned minutes.
        {-0.5, " DEC   S 0 " + kDeg + " 30.00 '  Declination"},
        {-0.25, " DEC   S 0 " + kDeg + " 15.00 '  Declination"},
        {-1, " DEC   S 1 " + kDeg + " 0.00 '  Declination"},
        {-23.4375, " DEC   S 23 " + kDeg + " 26.25 '  Declination"},
        {0.75, " DEC   N 0 " + kDeg + " 45.00 '  Declination"},
        // Rounds to zero: no south.
        {-0.004 / 60, " DEC   N 0 " + kDeg + " 0.00 '  Declination"},
        {-0.006 / 60, " DEC   S 0 " + kDeg + " 0.01 '  Declination"},
        {-(23 + 59.996 / 60), " DEC   S 24 " + kDeg + " 0.00 '  Declination"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texts(PlanetPrint("Sun", 0, c.dec, 0, 0.14, 0))[3], c.expected) << c.dec;
    }
}

TEST(AlmanacPlanetPrint, HorizontalParallaxIsRoundedTo001) {
    // HP + 0.005 cut to 0.01: 57.126 shows 57.13 (cut alone would show 57.12).
    EXPECT_EQ(texts(PlanetPrint("Moon", 0, 0, 0, 57.126, 0))[5],
              " HP     57.13  '  Horizontal Parallax");
    EXPECT_EQ(texts(PlanetPrint("Moon", 0, 0, 0, 54.995, 0))[5],
              " HP     55.00  '  Horizontal Parallax");
}

TEST(AlmanacTails, SemiDiameterIsRoundedTo001) {
    // SD + 0.005 cut to 0.01: 15.996 shows 16 and 16.257 shows 16.26 (cut
    // alone would show 15.99 and 16.25).
    EXPECT_EQ(texts(sunTail(15.996, 3.5))[1], " SD   16.00 '  Semi Diameter");
    EXPECT_EQ(texts(almanac::moonTail(16.257, 50))[1], " SD   16.26 '  Semi Diameter");
}

TEST(AlmanacSunTail, EquationOfTimeSentences) {
    // The window's worked values: +3.5 min faster, -0.5 min slower, 0 neither.
    EXPECT_EQ(texts(sunTail(16.25, 3.5)),
              (std::vector<std::string>{"", " SD   16.25 '  Semi Diameter",
                                        " Equation of time  3  minutes   30.0  seconds",
                                        " Sun is faster than mean clock", ""}));
    EXPECT_EQ(texts(sunTail(15.75, -0.5)),
              (std::vector<std::string>{"", " SD   15.75 '  Semi Diameter",
                                        " Equation of time  0  minutes  -30.0  seconds",
                                        " Sun is slower than mean clock", ""}));
    EXPECT_EQ(texts(sunTail(16, 0)),
              (std::vector<std::string>{"", " SD   16.00 '  Semi Diameter",
                                        " Equation of time  0  minutes   0.0  seconds", ""}));
    // Whole minutes carry the sign; seconds rounded to 0.1 with the carry.
    EXPECT_EQ(texts(sunTail(16, -14.25))[2], " Equation of time -14  minutes   15.0  seconds");
    EXPECT_EQ(texts(sunTail(16, 2 + 12.35 / 60))[2],
              " Equation of time  2  minutes   12.4  seconds");  // the cut showed 12.3
    EXPECT_EQ(texts(sunTail(16, 3 + 59.96 / 60))[2],
              " Equation of time  4  minutes   0.0  seconds");
    EXPECT_EQ(texts(sunTail(16, -(0 + 59.97 / 60)))[2],
              " Equation of time -1  minutes   0.0  seconds");
    // A hundredth of a second shows as zero, and says neither faster nor slower.
    EXPECT_EQ(texts(sunTail(16, -0.01 / 60)),
              (std::vector<std::string>{"", " SD   16.00 '  Semi Diameter",
                                        " Equation of time  0  minutes   0.0  seconds", ""}));
}

TEST(AlmanacMoonTail, SemiDiameterAndIllumination) {
    EXPECT_EQ(
        texts(almanac::moonTail(16.254, 29.1)),
        (std::vector<std::string>{"", " SD   16.25 '  Semi Diameter", " Illumination  29.1  %"}));
    EXPECT_EQ(texts(almanac::moonTail(14.7, 0))[2], " Illumination  0.0  %");
    EXPECT_EQ(texts(almanac::moonTail(14.7, 67.78))[2], " Illumination  67.8  %");
    EXPECT_EQ(texts(almanac::moonTail(14.7, 99.96))[2], " Illumination  100.0  %");
}

// The Moon's theory's worked instant, 1992 April 12 0 h UT, Delta T 0:
// illuminated 67.78 percent, which the ephemeris cuts to 67.7 and the
// almanac shows rounded.
TEST(PerpetualAlmanac, MoonIlluminationIsRoundedTo01) {
    AlmanacRequest r;
    r.ObjectIndex = 1;
    r.Year = 1992;
    r.Month = 4;
    r.Day = 12;
    const auto lines = texts(perpetualAlmanac(r, starTables()).BodyBlock);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[10], " Illumination  67.8  %");
}

TEST(AlmanacStarPrint, OneNameLineAndFourAnglesWithTwoBlanksAfterAries) {
    // The name as stored, padded to 9 characters; every angle rounded to
    // 0.01' (10.1 degrees: 5.9999999' shows 6).
    EXPECT_EQ(texts(almanac::starPrint("Acamar   ", 3.2, 123.75, -10.1, 10.1, 359.5)),
              (std::vector<std::string>{" Object Name:  Acamar         Magnitude 3.2", "",
                                        " GHAstar   123 " + kDeg + " 45.00 '  Greenwich Hour Angle",
                                        " DECstar  S 10 " + kDeg + " 6.00 '  Declination",
                                        " SHAstar   10 " + kDeg + " 6.00 '  Sidereal Hour Angle",
                                        "", " GHA Aries   359 " + kDeg + " 30.00 '"}));
    // Negative magnitudes keep their sign in the plain text.
    EXPECT_EQ(texts(almanac::starPrint("Sirius   ", -1.6, 0, -0.5, 0, 0))[0],
              " Object Name:  Sirius         Magnitude -1.6");
    EXPECT_EQ(texts(almanac::starPrint("Sirius   ", -1.6, 0, -0.5, 0, 0))[3],
              " DECstar  S 0 " + kDeg + " 30.00 '  Declination");
}

TEST(AlmanacEquationOfTime, OneCorrectionEachWayAndExactly20Stays) {
    struct Case {
        double gha, ut, expected;
    };
    const Case cases[] = {
        {180.5, 0, 2},     // near 0 h: 720 + 722 = 1442, less a day
        {179.5, 0, -2},    // 1438 less a day is -2
        {0.875, 12, 3.5},  // 720 + 3.5 - 720
        {5, 12, 20},       // exactly +20 stays
        {-5, 12, -20},     // exactly -20 stays
        {185.25, 0, 21},   // 1461 - 1440: one correction only
        {270, 6, 0},       // 1440 less a day
    };
    for (const Case& c : cases) {
        EXPECT_EQ(equationOfTime(c.gha, c.ut), c.expected) << c.gha << " " << c.ut;
    }
}

TEST(AlmanacTimeBlock, FiveLinesWithJulianDaysAtTheNextPrintZone) {
    const auto block = timeBlock(2451545.5, 2451545.5008, 23.4392911111, -13.9495825, -5.7646024);
    ASSERT_EQ(block.size(), 5u);
    EXPECT_EQ(block[0][1].kind, platform::PrintItem::Kind::NextZone);
    EXPECT_EQ(block[1][1].kind, platform::PrintItem::Kind::NextZone);
    EXPECT_EQ(texts(block),
              (std::vector<std::string>{"Julian Day           \t 2451545.5 ",
                                        "Julian Day Ephemeris\t 2451545.5008 ",
                                        "Mean obliquity of the ecliptic, degrees   23.439291 ",
                                        "Nutation delta Psi, arc sec      -13.950 ",
                                        "Nutation delta Epsilon, arc sec -5.765 "}));
    // Rounded half away from zero where the cut went one unit down.
    EXPECT_EQ(texts(timeBlock(2451545, 2451545, 23.4392915, -13.9494, 5.7645)),
              (std::vector<std::string>{"Julian Day           \t 2451545 ",
                                        "Julian Day Ephemeris\t 2451545 ",
                                        "Mean obliquity of the ecliptic, degrees   23.439292 ",
                                        "Nutation delta Psi, arc sec      -13.949 ",
                                        "Nutation delta Epsilon, arc sec  5.765 "}));
}

TEST(PerpetualAlmanac, TimeBlockAtJ2000) {
    // 2000 Jan 1 12h UT: JD 2451545 exactly. With Delta T 0 the nutation and
    // mean obliquity are those at T = 0 (nutation series' worked values:
    // -13.949582529587", -5.764602461276773"; obliquity 23.439291111111114).
    AlmanacRequest r;
    r.Year = 2000;
    r.Month = 1;
    r.Day = 1;
    r.Hour = 12;
    const AlmanacPrintout out = perpetualAlmanac(r, starTables());
    EXPECT_TRUE(out.BodyBlock.empty());
    EXPECT_EQ(texts(out.TimeBlock),
              (std::vector<std::string>{"Julian Day           \t 2451545 ",
                                        "Julian Day Ephemeris\t 2451545 ",
                                        "Mean obliquity of the ecliptic, degrees   23.439291 ",
                                        "Nutation delta Psi, arc sec      -13.950 ",
                                        "Nutation delta Epsilon, arc sec -5.765 "}));

    // Delta T 86.4 s moves the ephemeris day by 0.001.
    r.DeltaT = 86.4;
    EXPECT_EQ(platform::printLineText(perpetualAlmanac(r, starTables()).TimeBlock[1]),
              "Julian Day Ephemeris\t 2451545.001 ");
}

TEST(PerpetualAlmanac, SunHorizontalParallaxAtItsDistance) {
    // The Earth's equatorial radius 6378.137 km seen from the Sun, 1 au
    // 149597870.7 km, at the distances of ERFA epv00 (pyerfa 2.0.0.1, Debian
    // python3-erfa): perihelion 2024 January 3 00:39 UT, 0.98330699 au,
    // 0.14906'; aphelion 2024 July 5 05:06 UT, 1.01672549 au, 0.14416'. The
    // block shows the HP to 0.01'.
    struct Case {
        double month, day, hour, minute;
        const char* line;
    };
    const Case cases[] = {
        {1, 3, 0, 39, " HP     0.15  '  Horizontal Parallax"},
        {7, 5, 5, 6, " HP     0.14  '  Horizontal Parallax"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.month);
        AlmanacRequest r = almanactest::june15Request(0);
        r.Month = c.month;
        r.Day = c.day;
        r.Hour = c.hour;
        r.Minute = c.minute;
        r.Second = 0;
        const auto lines = texts(perpetualAlmanac(r, starTables()).BodyBlock);
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(lines[5], c.line);
    }
}

TEST(PerpetualAlmanac, EveryBodyOfTheListPrintsItsBlock) {
    const ephemeris::StarTables stars = starTables();
    for (int i = 0; i <= 63; ++i) {
        const auto lines = texts(perpetualAlmanac(almanactest::june15Request(i), stars).BodyBlock);
        SCOPED_TRACE(i);
        ASSERT_FALSE(lines.empty());
        if (i == 0) {
            ASSERT_GE(lines.size(), 12u);
            EXPECT_EQ(lines[0], " Object Name:  Sun");
            // 0.1443': the Sun is 1.0159 au away (its HP: SunHorizontalParallaxAtItsDistance).
            EXPECT_EQ(lines[5], " HP     0.14  '  Horizontal Parallax");
            EXPECT_EQ(lines[9].substr(0, 5), " SD  ");
            // Two days after its June zero the equation of time is -0.64 min
            // (python3-ephem 4.1.4: 720 + 4 GHA - 60 UT).
            EXPECT_EQ(lines[10].substr(0, 35), " Equation of time  0  minutes  -38.");
            EXPECT_EQ(lines[11], " Sun is slower than mean clock");
        } else if (i == 1) {
            ASSERT_EQ(lines.size(), 11u);
            EXPECT_EQ(lines[0], " Object Name:  Moon");
            EXPECT_EQ(lines[9].substr(0, 5), " SD  ");
            EXPECT_EQ(lines[10].substr(0, 14), " Illumination ");
            EXPECT_EQ(lines[10].substr(lines[10].size() - 2), " %");
        } else if (i <= 5) {
            static const char* const names[] = {"Venus", "Mars", "Jupiter", "Saturn"};
            ASSERT_EQ(lines.size(), 9u);
            EXPECT_EQ(lines[0], std::string(" Object Name:  ") + names[i - 2]);
            EXPECT_EQ(lines[8], "");
        } else {
            ASSERT_EQ(lines.size(), 7u);
            EXPECT_EQ(lines[0], " Object Name:  " + stars.StarNames[i - 5] + "      Magnitude " +
                                    ephemeris::RoundedText(stars.StarMagnitudes[i - 5], 1));
            EXPECT_EQ(lines[2].substr(0, 10), " GHAstar  ");
            EXPECT_EQ(lines[3].substr(0, 10), " DECstar  ");
            EXPECT_EQ(lines[4].substr(0, 10), " SHAstar  ");
            EXPECT_EQ(lines[6].substr(0, 12), " GHA Aries  ");
        }
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
        }
    }
}

// A star at an instant: its SHA line shows the angle rounded to 0.01',
// worked here from the whole number of hundredths of a minute.
TEST(PerpetualAlmanac, StarShaIsRoundedToTheHundredthOfAMinute) {
    const ephemeris::StarTables stars = starTables();
    AlmanacRequest r;
    r.Year = 2024;
    r.Month = 3;
    r.Day = 1;
    r.ObjectIndex = 6;  // the first star
    const auto star = perpetualAlmanac(r, stars).BodyBlock;
    double GHA = 0, Dec = 0, SHA = 0;
    const auto t = almanac::almanacTime(r);
    const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(t.JD, t.T_TT);
    ephemeris::StarPosition(t.T_TT, t.JD, 0, sun.SunGeoLon, GHA, Dec, SHA);
    const double hundredths = std::floor(SHA * 6000 + 0.5);
    const double D = std::floor(hundredths / 6000);
    const double M = (hundredths - D * 6000) / 100;
    // The instant is one where the cut would show one unit less.
    ASSERT_NE(std::floor((SHA - std::floor(SHA)) * 6000), hundredths - D * 6000) << SHA;
    EXPECT_EQ(star[4][1].number, D);
    EXPECT_EQ(star[4][3].text, " " + ephemeris::RoundedText(M, 2) + " ");
}

TEST(PerpetualAlmanac, NoBodyOrAnUnknownEntryPrintsTheTimeBlockOnly) {
    const ephemeris::StarTables stars = starTables();
    for (int i : {-1, 64, 1000, -7}) {
        AlmanacRequest r;
        r.ObjectIndex = i;
        const AlmanacPrintout out = perpetualAlmanac(r, stars);
        EXPECT_TRUE(out.BodyBlock.empty()) << i;
        EXPECT_EQ(out.TimeBlock.size(), 5u) << i;
    }
}

TEST(PerpetualAlmanac, EmptyFieldsComputeForYearZero) {
    // Year 0, month 0, day 0, 0 h: JulianDay accepts it (December of year -1).
    AlmanacRequest r;
    r.ObjectIndex = 0;
    const AlmanacPrintout out = perpetualAlmanac(r, starTables());
    double JD = 0, T = 0;
    ephemeris::JulianDay(0, 0, 0, 0, JD, T);
    EXPECT_EQ(out.TimeBlock[0][2].number, JD);
    EXPECT_EQ(texts(out.BodyBlock)[0], " Object Name:  Sun");
}

TEST(PerpetualAlmanac, NumbersThatCannotBeComputedPrintDashes) {
    // The largest year a field can read overflows the Julian day.
    AlmanacRequest r;
    r.Year = std::numeric_limits<double>::max();
    for (int i : {0, 1, 2, 6}) {
        r.ObjectIndex = i;
        const AlmanacPrintout out = perpetualAlmanac(r, starTables());
        for (const auto* block : {&out.BodyBlock, &out.TimeBlock}) {
            for (const std::string& line : texts(*block)) {
                EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
                EXPECT_EQ(line.find("Infinity"), std::string::npos) << line;
                EXPECT_EQ(line.find("nan"), std::string::npos) << line;
                EXPECT_EQ(line.find("inf"), std::string::npos) << line;
            }
        }
        EXPECT_NE(texts(out.TimeBlock)[0].find("---"), std::string::npos);
    }
}

}  // namespace
