// Accuracy of the apparent places against independent golden values
// (tests/ephemeris/data/golden_positions.csv, made by
// scripts/make_golden_fixture.py from erfa, libastro and Swiss Ephemeris;
// provenance in its header). The Moon is compared twice: with erfa's moon98,
// the same truncated series the program uses, which checks the arithmetic, and
// with Swiss Ephemeris's JPL DE431 files, which checks the Moon. Each row is computed as a window
// does it: JulianDay, T_TT from the row's Delta T, the Sun first, then the body. Misses are
// measured on the sky in arc minutes: the GHA difference times cos Dec, and the Dec difference.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "ephemeris/ephemeris.h"

namespace {

using ephemeris::CosD;
using ephemeris::JulianDay;
using ephemeris::MoonPosition;
using ephemeris::PlanetPosition;
using ephemeris::StarPosition;
using ephemeris::SunPosition;

const char* const kFixturePath = CELNAV_SOURCE_DIR "/tests/ephemeris/data/golden_positions.csv";

struct GoldenRow {
    int line = 0;
    std::string kind;  // ARIES, SUN, MOON, MOON_JPL, STAR, PLANET
    int index = 0;     // StarIndex for a star, PlanetCode for a planet
    std::string name;
    double year = 0, month = 0, day = 0, utHours = 0, deltaT = 0;
    double gha = 0, dec = 0;
};

bool parseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool parseNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(line);
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

// Reads every data row; a malformed line is reported in Problems.
std::vector<GoldenRow> readFixture(std::vector<std::string>& Problems) {
    std::vector<GoldenRow> rows;
    std::ifstream file(kFixturePath);
    if (!file) {
        Problems.push_back(std::string("cannot open ") + kFixturePath);
        return rows;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> f = splitFields(line);
        GoldenRow row;
        row.line = lineNumber;
        const bool ok = f.size() == 10 && parseNumber(f[1], row.index) &&
                        parseNumber(f[3], row.year) && parseNumber(f[4], row.month) &&
                        parseNumber(f[5], row.day) && parseNumber(f[6], row.utHours) &&
                        parseNumber(f[7], row.deltaT) && parseNumber(f[8], row.gha) &&
                        parseNumber(f[9], row.dec);
        if (!ok) {
            Problems.push_back("line " + std::to_string(lineNumber) + ": " + line);
            continue;
        }
        row.kind = f[0];
        row.name = f[2];
        rows.push_back(row);
    }
    return rows;
}

struct Computed {
    bool known = true;
    double gha = 0;
    double dec = 0;
};

Computed computeRow(const GoldenRow& row) {
    const ephemeris::TimeArguments t =
        ephemeris::TimeArgumentsFor(row.year, row.month, row.day, row.utHours, row.deltaT);
    const double jd = t.JD;
    const double tTT = t.T_TT;
    const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(jd, tTT);

    Computed out;
    if (row.kind == "SUN") {
        out.gha = sun.GHA;
        out.dec = sun.Dec;
    } else if (row.kind == "ARIES") {
        out.gha = sun.GHAAries;
        out.dec = 0;
    } else if (row.kind == "MOON" || row.kind == "MOON_JPL") {
        double sd = 0, hp = 0, illum = 0, distKm = 0, elong = 0;
        MoonPosition(jd, tTT, sun.SunAppLon, out.gha, out.dec, sd, hp, illum, distKm, elong);
    } else if (row.kind == "STAR") {
        double sha = 0;
        StarPosition(tTT, jd, row.index, sun.SunGeoLon, out.gha, out.dec, sha);
    } else if (row.kind == "PLANET") {
        double sha = 0, hp = 0, dist = 0;
        PlanetPosition(jd, tTT, row.index, sun.EarthL, sun.EarthB, sun.EarthR, out.gha, out.dec,
                       sha, hp, dist);
    } else {
        out.known = false;
    }
    return out;
}

// Tolerance on the sky, arc minutes, for each coordinate.
double toleranceFor(const std::string& kind) {
    if (kind == "ARIES") {
        return 0.01;
    }
    if (kind == "MOON" || kind == "MOON_JPL") {
        return 0.3;
    }
    if (kind == "PLANET") {
        return 0.1;
    }
    return 0.05;  // the Sun and the stars
}

double wrap180(double degrees) {
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

struct Worst {
    std::string kind;
    double gha = 0;  // arc minutes, GHA difference times cos Dec
    std::string ghaAt;
    double dec = 0;  // arc minutes
    std::string decAt;
    double sky = 0;         // arc minutes, both together on the sky
    double ghaSquares = 0;  // sums of the squared misses, for the rms
    double decSquares = 0;
    int count = 0;
};

std::string instantText(const GoldenRow& row) {
    std::ostringstream text;
    text << row.year << '-' << row.month << '-' << row.day << ' ' << std::setprecision(6)
         << row.utHours << "h";
    return text.str();
}

TEST(GoldenPositions, ApparentPlacesMatchTheIndependentEphemeris) {
    std::vector<std::string> problems;
    const std::vector<GoldenRow> rows = readFixture(problems);
    for (const auto& problem : problems) {
        ADD_FAILURE() << "golden fixture: " << problem;
    }
    ASSERT_FALSE(rows.empty()) << kFixturePath;

    std::vector<std::string> order;
    std::map<std::string, Worst> worst;
    for (const auto& row : rows) {
        const Computed c = computeRow(row);
        ASSERT_TRUE(c.known) << "line " << row.line << ": unknown kind " << row.kind;
        const double missGha = std::fabs(wrap180(c.gha - row.gha)) * CosD(row.dec) * 60;
        const double missDec = std::fabs(c.dec - row.dec) * 60;
        const double tolerance = toleranceFor(row.kind);
        const std::string where = row.name + " at " + instantText(row);
        EXPECT_LE(missGha, tolerance)
            << where << ": GHA " << std::setprecision(10) << c.gha << " vs " << row.gha;
        if (row.kind != "ARIES") {
            EXPECT_LE(missDec, tolerance)
                << where << ": Dec " << std::setprecision(10) << c.dec << " vs " << row.dec;
        }

        if (worst.find(row.name) == worst.end()) {
            order.push_back(row.name);
            worst[row.name].kind = row.kind;
        }
        Worst& w = worst[row.name];
        w.ghaSquares += missGha * missGha;
        w.decSquares += missDec * missDec;
        ++w.count;
        if (missGha >= w.gha) {
            w.gha = missGha;
            w.ghaAt = instantText(row);
        }
        if (missDec >= w.dec) {
            w.dec = missDec;
            w.decAt = instantText(row);
        }
        w.sky = std::max(w.sky, std::hypot(missGha, missDec));
    }

    EXPECT_NE(worst.find("Moon DE431"), worst.end())
        << "the fixture lacks the Moon from the full ephemeris (MOON_JPL rows)";

    // The margins, for the record: largest and rms misses per body in arc
    // minutes.
    std::cout << "Golden positions, largest miss per body (arc minutes):\n";
    for (const auto& name : order) {
        const Worst& w = worst[name];
        std::ostringstream text;
        text << std::fixed << std::setprecision(4) << "GHA*cosDec " << w.gha << " (" << w.ghaAt
             << ")";
        if (w.kind != "ARIES") {
            text << ", Dec " << w.dec << " (" << w.decAt << "), on the sky " << w.sky;
        }
        text << ", rms " << std::sqrt(w.ghaSquares / w.count);
        if (w.kind != "ARIES") {
            text << " / " << std::sqrt(w.decSquares / w.count);
        }
        text << " over " << w.count << " instants, tolerance " << std::setprecision(2)
             << toleranceFor(w.kind);
        std::cout << "  " << std::left << std::setw(16) << name << text.str() << '\n';
        std::string key = "worst_" + name;
        std::replace(key.begin(), key.end(), ' ', '_');
        ::testing::Test::RecordProperty(key, text.str());
    }
}

}  // namespace
