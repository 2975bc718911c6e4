// The planner's object list: the lines of the bodies and stars, their
// alignment, and which bodies are listed. Expected texts are the planner's
// worked values for its list.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "planner/object_list.h"

namespace {

using namespace planner;
constexpr double kRad = ephemeris::kRadPerDeg;

// Column (counted in characters from 1) of the first occurrence of word.
int columnOf(const std::string& line, const std::string& word) {
    const std::size_t p = line.find(word);
    if (p == std::string::npos) {
        return 0;
    }
    int column = 1;
    for (std::size_t i = 0; i < p; ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return column;
}

BodyAltAz at(double azimuthDeg, double elevationDeg) {
    return {azimuthDeg * kRad, elevationDeg * kRad};
}

// A sky with every body well below the horizon.
PlannerSky emptySky() {
    PlannerSky sky;
    for (BodyAltAz* b :
         {&sky.SunAltAz, &sky.Moon, &sky.Venus, &sky.Mars, &sky.Jupiter, &sky.Saturn}) {
        *b = at(100, -30);
    }
    return sky;
}

StarList stars(std::vector<std::tuple<std::string, double, double, double>> entries) {
    StarList s;
    int i = 0;
    for (const auto& [name, az, el, mag] : entries) {
        ++i;
        s.StarListName[i] = name;
        s.StarListAzimuth[i] = az;
        s.StarListElevation[i] = el;
        s.StarListMagnitude[i] = mag;
    }
    s.Selected = i;
    return s;
}

TEST(AlignPlannerColumns, PutsAzimInColumn14AndElevInColumn34) {
    std::string line = " SUN Azim = 123.4° Elev = 12° 30'";
    AlignPlannerColumns(line);
    EXPECT_EQ(line, " SUN         Azim = 123.4°       Elev = 12° 30'");
    EXPECT_EQ(columnOf(line, "Azim"), 14);
    // "°" counts as one character, not as its two bytes.
    EXPECT_EQ(columnOf(line, "Elev"), 34);
}

TEST(AlignPlannerColumns, LeavesLongPartsAndOtherTextsAlone) {
    // Two blanks, an 11-character name and a blank: 14 characters before
    // "Azim", which then starts one column further right.
    std::string star = "  Alpheratz X Azim = 1.5° Elev  20° 0'    Mag  2.1";
    AlignPlannerColumns(star);
    EXPECT_EQ(columnOf(star, "Azim"), 15);
    EXPECT_EQ(columnOf(star, "Elev"), 34);

    for (const std::string& text :
         {std::string(" "), std::string(), std::string("no columns here at all, just words")}) {
        std::string line = text;
        AlignPlannerColumns(line);
        EXPECT_EQ(line, text);
    }
    // Only the first "Azim" counts.
    std::string twice = "Azim Azim";
    AlignPlannerColumns(twice);
    EXPECT_EQ(twice, "             Azim Azim");
}

// Azimuth and elevation rounded to the place shown, half away from zero,
// with the carry; every figure with one decimal, right-aligned.
TEST(ObjectListLines, BodyLinesShowTheRoundedAzimuthAndMinutes) {
    struct Case {
        double az, el;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {123.44, 12.5, " SUN Azim = 123.4° Elev = 12° 30.0'"},
        // 12.575 degrees is 12° 34.5' (its double lies a hair below).
        {10, 12.575, " SUN Azim =  10.0° Elev = 12° 34.5'"},
        // 359.97 and 359.95 round up to 360.0, 359.9499 does not.
        {359.97, 5, " SUN Azim = 360.0° Elev =  5°  0.0'"},
        {359.95, 5, " SUN Azim = 360.0° Elev =  5°  0.0'"},
        {359.9499, 5, " SUN Azim = 359.9° Elev =  5°  0.0'"},
        // 44.55' shows 44.6'; 59.96' carries into the next degree; 59.9499'
        // stays.
        {90, 20 + 44.55 / 60, " SUN Azim =  90.0° Elev = 20° 44.6'"},
        {90, 10 + 59.96 / 60, " SUN Azim =  90.0° Elev = 11°  0.0'"},
        {90, 10 + 59.9499 / 60, " SUN Azim =  90.0° Elev = 10° 59.9'"},
        // Below one degree the sign moves to the minutes; a value that rounds
        // to zero has none.
        {90, -0.5, " SUN Azim =  90.0° Elev =  0° -30.0'"},
        {90, -0.004 / 60, " SUN Azim =  90.0° Elev =  0°  0.0'"},
        {0.04, 45, " SUN Azim =   0.0° Elev = 45°  0.0'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bodyLine(" SUN", " Azim = ", c.az * kRad, c.el * kRad), c.expected);
    }
}

// Whole-minute and fractional elevations, one and two figures of degrees,
// azimuths of one to three figures: the figures stand in columns.
TEST(ObjectListLines, ColumnsLineUpWhateverTheFigures) {
    PlannerSky sky = emptySky();
    sky.SunAltAz = at(300, -20);
    sky.Jupiter = at(200, 41.5);
    sky.Moon = at(7.25, 6 + 7.0 / 60);
    sky.MoonIllum = 50;
    sky.F = 0.5;
    const StarList s = stars({{"Vega", 5.04, 58.35, 0.0},
                              {"Altair", 123.44, 8.05, 0.8},
                              {"Deneb", 45, 18.555, 1.3},
                              {"Polaris", 0.5, 40.9995, 2.0}});
    const std::vector<std::string> lines = objectListLines(sky, s, 4);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[4], "  Vega       Azim =   5.0°       Elev  58° 21.0'    Mag  0.0");
    EXPECT_EQ(lines[6], "  Altair     Azim = 123.4°       Elev   8°  3.0'    Mag  0.8");
    EXPECT_EQ(lines[8], "  Deneb      Azim =  45.0°       Elev  18° 33.3'    Mag  1.3");
    EXPECT_EQ(lines[10], "  Polaris    Azim =   0.5°       Elev  41°  0.0'    Mag  2.0");
    const int degreeSign = columnOf(lines[0], "°");
    // A body's " Elev = " is one character longer than a star's " Elev  ".
    const int minuteSign = columnOf(lines[0], "'");
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const bool star = i >= 4;
        EXPECT_EQ(columnOf(lines[i], "Azim"), 14) << lines[i];
        EXPECT_EQ(columnOf(lines[i], "°"), degreeSign) << lines[i];
        EXPECT_EQ(columnOf(lines[i], "Elev"), 34) << lines[i];
        EXPECT_EQ(columnOf(lines[i], "'"), minuteSign - (star ? 1 : 0)) << lines[i];
        // One decimal before the minute sign.
        EXPECT_EQ(lines[i][lines[i].find('\'') - 2], '.') << lines[i];
    }
    for (std::size_t i = 4; i < lines.size(); i += 2) {
        EXPECT_EQ(columnOf(lines[i], "Mag"), columnOf(lines[4], "Mag")) << lines[i];
    }
}

TEST(ObjectListLines, ListsTheBodiesInTheirOrderWithTheirRules) {
    PlannerSky sky = emptySky();
    sky.SunAltAz = at(250, -0.5);  // listed down to -1 degree
    sky.Moon = at(120, 30);
    sky.MoonIllum = 29.0;
    sky.F = 29.0 * 0.01;
    sky.Venus = at(245, 10);
    sky.Mars = at(200, 20);
    sky.Jupiter = at(160, 40);
    sky.Saturn = at(230, 15);
    const std::vector<std::string> lines = objectListLines(sky, StarList{}, 0);
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t i = 1; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i], " ");
    }
    EXPECT_EQ(lines[0], " SUN         Azim = 250.0°       Elev =  0° -30.0'");
    // 100 x 0.29 is 28.999999999999996: rounded, 29 %.
    EXPECT_EQ(lines[2], " MOON        Azim = 120.0°       Elev = 30°  0.0'  Fullness = 29 %");
    // Mars comes before Venus, and Venus has no leading blank.
    EXPECT_EQ(lines[4], " MARS        Azim = 200.0°       Elev = 20°  0.0'");
    EXPECT_EQ(lines[6], "VENUS        Azim = 245.0°       Elev = 10°  0.0'");
    EXPECT_EQ(lines[8], " JUPITER     Azim = 160.0°       Elev = 40°  0.0'");
    EXPECT_EQ(lines[10], " SATURN      Azim = 230.0°       Elev = 15°  0.0'");
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        EXPECT_EQ(columnOf(lines[i], "Azim"), 14) << lines[i];
        EXPECT_EQ(columnOf(lines[i], "Elev"), 34) << lines[i];
    }

    // The fullness rounded to a whole percent, half away from zero.
    for (const auto& [illum, shown] : std::vector<std::pair<double, std::string>>{
             {58.0, "58"}, {28.5, "29"}, {28.49, "28"}, {0.4, "0"}, {99.6, "100"}}) {
        sky.F = illum * 0.01;
        EXPECT_NE(objectListLines(sky, StarList{}, 0)[2].find("Fullness = " + shown + " %"),
                  std::string::npos)
            << illum;
    }
}

TEST(ObjectListLines, SunAltitudeDecidesWhichBodiesAreListed) {
    struct Case {
        double sun;
        std::vector<std::string> names;
    };
    // The Sun is listed above -1 degree, the Moon likewise; Mars, Venus and
    // Jupiter once the Sun is below 0.5 degree; Saturn once it is below 0.
    const std::vector<Case> cases = {
        {10, {" SUN", " MOON"}},
        {0.4, {" SUN", " MOON", " MARS", "VENUS", " JUPITER"}},
        {0, {" SUN", " MOON", " MARS", "VENUS", " JUPITER"}},
        {-0.2, {" SUN", " MOON", " MARS", "VENUS", " JUPITER", " SATURN"}},
        {-1.5, {" MOON", " MARS", "VENUS", " JUPITER", " SATURN"}},
    };
    for (const Case& c : cases) {
        PlannerSky sky = emptySky();
        sky.SunAltAz = at(250, c.sun);
        sky.Moon = at(100, -0.9);
        for (BodyAltAz* b : {&sky.Venus, &sky.Mars, &sky.Jupiter, &sky.Saturn}) {
            *b = at(100, 0.01);
        }
        const std::vector<std::string> lines = objectListLines(sky, StarList{}, 0);
        ASSERT_EQ(lines.size(), 2 * c.names.size()) << c.sun;
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            EXPECT_EQ(lines[2 * i].rfind(c.names[i], 0), 0u) << c.sun << ": " << lines[2 * i];
        }
    }
    // Below the horizon a planet is never listed; the Moon below -1 neither.
    PlannerSky sky = emptySky();
    sky.Moon = at(100, -1.01);
    EXPECT_TRUE(objectListLines(sky, StarList{}, 0).empty());
}

TEST(ObjectListLines, StarLinesFollowTheBodiesBrightestFirstUpToTheCount) {
    const StarList s = stars({{"Sirius  ", 150, 27.727, -1.6},
                              {"Capella  ", 32.3, 82.7251, 0.2},
                              {"Rigel    ", 173.5, 41.611, 0.3}});
    const PlannerSky sky = emptySky();
    const std::vector<std::string> lines = objectListLines(sky, s, 2);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "  Sirius     Azim = 150.0°       Elev  27° 43.6'    Mag  -1.6");
    EXPECT_EQ(lines[2], "  Capella    Azim =  32.3°       Elev  82° 43.5'    Mag  0.2");
    EXPECT_EQ(columnOf(lines[0], "Azim"), 14);
    EXPECT_EQ(columnOf(lines[0], "Elev"), 34);
    EXPECT_TRUE(objectListLines(sky, s, 0).empty());
    EXPECT_TRUE(objectListLines(sky, s, -3).empty());
}

}  // namespace
