// The planner's sky against an independent one: azimuth and elevation of the
// Sun, the Moon, the four planets and the listed stars for two instants and
// places, geocentric, without refraction and with "Show lunar parallax" off,
// against tests/planner/data/planner_sky.csv (scripts/make_planner_fixture.py:
// erfa and PyEphem places, erfa sidereal time).
//
// Tolerances: 0.1' for the Sun, the planets and the stars; 0.3' for the Moon,
// the limit of its truncated theory. The azimuth is compared as an arc on
// the sky (its difference times the cosine of the elevation).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "planner/planner.h"
#include "platform/numtext.h"

namespace {

using namespace planner;

struct Row {
    int caseNumber = 0;
    double year = 0, month = 0, day = 0, utHours = 0, deltaT = 0, lat = 0, lon = 0;
    std::string kind;
    int index = 0;
    std::string name;
    double azimuth = 0, elevation = 0;
};

std::vector<Row> readFixture() {
    std::ifstream in(std::string(CELNAV_SOURCE_DIR) + "/tests/planner/data/planner_sky.csv");
    std::vector<Row> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> f;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) {
            f.push_back(field);
        }
        if (f.size() != 13) {
            ADD_FAILURE() << line;
            continue;
        }
        const auto num = [](const std::string& s) { return platform::leadingNumber(s); };
        Row r;
        r.caseNumber = static_cast<int>(num(f[0]));
        r.year = num(f[1]);
        r.month = num(f[2]);
        r.day = num(f[3]);
        r.utHours = num(f[4]);
        r.deltaT = num(f[5]);
        r.lat = num(f[6]);
        r.lon = num(f[7]);
        r.kind = f[8];
        r.index = static_cast<int>(num(f[9]));
        r.name = f[10];
        r.azimuth = num(f[11]);
        r.elevation = num(f[12]);
        rows.push_back(r);
    }
    return rows;
}

PlannerTexts textsFor(const Row& r) {
    PlannerTexts t;
    t.Year = platform::generalText(r.year);
    t.Month = platform::generalText(r.month);
    t.Day = platform::generalText(r.day);
    t.Hour = platform::generalText(r.utHours);
    t.LatDegrees = platform::generalText(std::fabs(r.lat));
    t.South = r.lat < 0;
    t.LonDegrees = platform::generalText(std::fabs(r.lon));
    t.West = r.lon < 0;
    t.DeltaT = platform::generalText(r.deltaT);
    t.StarCount = "58";
    return t;
}

void expectClose(const std::string& what, double azimuth, double elevation, const Row& r,
                 double arcMinutes) {
    double dAz = azimuth - r.azimuth;
    dAz -= 360 * std::floor((dAz + 180) / 360);
    const double cosEl = std::cos(r.elevation * ephemeris::kRadPerDeg);
    EXPECT_LE(std::fabs(dAz) * cosEl * 60, arcMinutes) << what << " azimuth " << azimuth;
    EXPECT_LE(std::fabs(elevation - r.elevation) * 60, arcMinutes)
        << what << " elevation " << elevation;
}

TEST(PlannerSkyGolden, BodiesAndStarsMatchAnIndependentSky) {
    const std::vector<Row> rows = readFixture();
    ASSERT_EQ(rows.size(), 36u);
    ephemeris::StarTables tables;
    ephemeris::FillStarTable(tables);
    const double deg = ephemeris::kDegPerRad;

    std::map<int, int> starsCompared;
    for (const Row& r : rows) {
        const PlannerInput in = plannerInput(textsFor(r));
        const PlannerSky sky = plannerSky(in);
        const std::string what = "case " + std::to_string(r.caseNumber) + " " + r.name;
        const std::map<std::string, const BodyAltAz*> bodies = {
            {"Sun", &sky.SunAltAz}, {"Moon", &sky.Moon},       {"Venus", &sky.Venus},
            {"Mars", &sky.Mars},    {"Jupiter", &sky.Jupiter}, {"Saturn", &sky.Saturn}};
        if (r.kind != "STAR") {
            const BodyAltAz& b = *bodies.at(r.name);
            expectClose(what, b.Zn * deg, b.Hc * deg, r, r.name == "Moon" ? 0.3 : 0.1);
            continue;
        }
        // The stars as the chart lists them.
        const SkyChart chart = skyChart(in, sky, tables, 6315, 6135);
        for (int i = 1; i <= chart.listedStars; ++i) {
            if (chart.Stars.StarListName[i] == tables.StarNames[r.index + 1]) {
                expectClose(what, chart.Stars.StarListAzimuth[i], chart.Stars.StarListElevation[i],
                            r, 0.1);
                ++starsCompared[r.caseNumber];
            }
        }
    }
    // Enough of the twelve stars stand above the chart's limit each night.
    EXPECT_GE(starsCompared[1], 4);
    EXPECT_GE(starsCompared[2], 4);
}

}  // namespace
