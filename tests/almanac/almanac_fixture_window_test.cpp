// The almanac and rise/set windows against an independent almanac
// (tests/almanac/data/almanac_fixture.csv, made by
// scripts/make_almanac_fixture.py from erfa and libastro; provenance in its
// header). Each row is typed into the window's fields and read back from its
// printed lines or labels, as a navigator would read them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"
#include "tests/almanac/picture_lines.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using almanac::Form12;
using almanac::Form13;

const char* const kFixturePath = CELNAV_SOURCE_DIR "/tests/almanac/data/almanac_fixture.csv";
const std::string kDeg = "\xC2\xB0";

// Tolerances, arc minutes of GHA and declination: the ephemeris' accuracy
// against these libraries (0.05', the Moon 0.25') and the printed minutes
// (rounded or cut to 0.01').
constexpr double kPlaceTolerance = 0.06;
constexpr double kMoonTolerance = 0.3;
// Minutes of time: the hourly altitude search interpolates linearly.
constexpr double kRiseSetTolerance = 3;

struct Row {
    int line = 0;
    std::string row;   // PLACE, RISE, SET
    std::string kind;  // SUN, MOON, PLANET, STAR
    std::string entry;
    double year = 0, month = 0, day = 0, utHours = 0;
    std::string deltaT;  // as written, typed into the window
    double lat = 0, lon = 0, value1 = 0, value2 = 0;
};

std::vector<Row> readFixture() {
    std::vector<Row> rows;
    std::ifstream file(kFixturePath);
    EXPECT_TRUE(file.good()) << "cannot open " << kFixturePath;
    std::string line;
    int lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) {
            f.push_back(field);
        }
        std::vector<double> n;
        for (std::size_t i = 3; i < f.size(); ++i) {
            n.push_back(platform::parseWholeText(f[i]).value_or(NAN));
        }
        if (f.size() != 12 ||
            !std::isfinite(n[0] + n[1] + n[2] + n[3] + n[4] + n[5] + n[6] + n[7] + n[8])) {
            ADD_FAILURE() << "line " << lineNumber << ": " << line;
            continue;
        }
        rows.push_back(
            {lineNumber, f[0], f[1], f[2], n[0], n[1], n[2], n[3], f[7], n[5], n[6], n[7], n[8]});
    }
    return rows;
}

// "<label> D° M'..." -> D + M/60 (the letter "N" or "S" before D signs it).
std::optional<double> angleAfter(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& line : lines) {
        if (line.rfind(label, 0) != 0) {
            continue;
        }
        std::string rest = line.substr(label.size());
        double sign = 1;
        if (!rest.empty() && (rest[0] == 'N' || rest[0] == 'S')) {
            sign = rest[0] == 'S' ? -1 : 1;
            rest.erase(0, 1);
        }
        const std::size_t mark = rest.find(kDeg);
        if (mark == std::string::npos) {
            return std::nullopt;
        }
        const double degrees = platform::leadingNumber(rest.substr(0, mark));
        const double minutes = platform::leadingNumber(rest.substr(mark + kDeg.size()));
        return sign * (std::fabs(degrees) + minutes / 60);
    }
    return std::nullopt;
}

// "hh:mm:ss UT F" after the word: UT hours from 0 h of the date.
std::optional<double> timeAfter(const std::string& text, const std::string& word) {
    const std::size_t at = text.find(word + " ");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const std::string t = text.substr(at + word.size() + 1, 13);  // "hh:mm:ss UT F"
    if (t.size() < 13 || t.substr(8, 4) != " UT ") {
        return std::nullopt;
    }
    double hours = platform::leadingNumber(t.substr(0, 2)) +
                   platform::leadingNumber(t.substr(3, 2)) / 60 +
                   platform::leadingNumber(t.substr(6, 2)) / 3600;
    if (t[12] == 'P') {
        hours -= 24;
    } else if (t[12] == 'N') {
        hours += 24;
    }
    return hours;
}

std::string text(double x) {
    return platform::generalText(x);
}

// Types the row's instant and Delta T into the almanac window, clicks the
// row's list entry and returns the body block as printed.
std::vector<std::string> printedFor(Form12& f, const Row& r) {
    const double seconds = std::floor(r.utHours * 3600 + 0.5);
    uitest::userType(f.Text1, text(r.year));
    uitest::userType(f.Text2, text(r.month));
    uitest::userType(f.Text3, text(r.day));
    uitest::userType(f.Text4, text(std::floor(seconds / 3600)));
    uitest::userType(f.Text5, text(std::floor(seconds / 60) - 60 * std::floor(seconds / 3600)));
    uitest::userType(f.Text6, text(seconds - 60 * std::floor(seconds / 60)));
    uitest::userType(f.Text11, r.deltaT);
    uitest::userClickRow(f.List1, static_cast<int>(platform::leadingNumber(r.entry)));
    return almanactest::printed(f.Picture1);
}

// Arc minutes between two angles in degrees, across 0/360.
double missMinutes(double a, double b) {
    const double miss = std::fabs(a - b);
    return std::fmin(miss, 360 - miss) * 60;
}

class AlmanacFixtureTest : public ::testing::Test {
  protected:
    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(AlmanacFixtureTest, PrintedGhaAndDeclinationMatchTheIndependentAlmanac) {
    Form12& f = app.form12();
    int checked = 0;
    for (const Row& r : readFixture()) {
        if (r.row != "PLACE") {
            continue;
        }
        SCOPED_TRACE("fixture line " + std::to_string(r.line));
        const std::vector<std::string> lines = printedFor(f, r);
        const bool star = r.kind == "STAR";
        const std::optional<double> gha = angleAfter(lines, star ? " GHAstar  " : " GHA   ");
        const std::optional<double> dec = angleAfter(lines, star ? " DECstar  " : " DEC   ");
        ASSERT_TRUE(gha && dec) << r.kind << " " << r.entry;
        const double tolerance = r.kind == "MOON" ? kMoonTolerance : kPlaceTolerance;
        EXPECT_LE(missMinutes(*gha, r.value1), tolerance) << r.kind << " " << r.entry;
        EXPECT_LE(std::fabs(*dec - r.value2) * 60, tolerance) << r.kind << " " << r.entry;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(AlmanacFixtureTest, PrintedShaAndGhaOfAriesMatchTheIndependentAlmanac) {
    // SHA = GHA - GHA of Aries: the fixture's GHA of the body less its GHA of
    // Aries at the same instant.
    Form12& f = app.form12();
    const std::vector<Row> rows = readFixture();
    int checked = 0;
    for (const Row& r : rows) {
        if (r.row != "PLACE") {
            continue;
        }
        SCOPED_TRACE("fixture line " + std::to_string(r.line));
        const Row* aries = nullptr;
        for (const Row& a : rows) {
            if (a.row == "ARIES" && a.year == r.year && a.month == r.month && a.day == r.day &&
                a.utHours == r.utHours) {
                aries = &a;
            }
        }
        ASSERT_TRUE(aries != nullptr);
        const std::vector<std::string> lines = printedFor(f, r);
        const bool star = r.kind == "STAR";
        const std::optional<double> sha = angleAfter(lines, star ? " SHAstar  " : " SHA   ");
        const std::optional<double> ghaAries = angleAfter(lines, " GHA Aries ");
        ASSERT_TRUE(sha && ghaAries) << r.kind << " " << r.entry;
        const double tolerance = r.kind == "MOON" ? kMoonTolerance : kPlaceTolerance;
        const double expectedSha = ephemeris::Normalize360(r.value1 - aries->value1);
        EXPECT_LE(missMinutes(*sha, expectedSha), tolerance) << r.kind << " " << r.entry;
        EXPECT_LE(missMinutes(*ghaAries, aries->value1), kPlaceTolerance);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(AlmanacFixtureTest, RiseAndSetTimesMatchTheIndependentAlmanac) {
    Form13& f = app.form13();
    int checked = 0;
    for (const Row& r : readFixture()) {
        if (r.row != "RISE" && r.row != "SET") {
            continue;
        }
        SCOPED_TRACE("fixture line " + std::to_string(r.line) + " " + r.entry);
        uitest::userType(f.Text1, text(r.year));
        uitest::userType(f.Text2, text(r.month));
        uitest::userType(f.Text3, text(r.day));
        uitest::userType(f.Text11, r.deltaT);
        const double lat = std::fabs(r.lat);
        const double lon = std::fabs(r.lon);
        uitest::userType(f.Text113, text(std::floor(lat)));
        uitest::userType(f.Text8, text((lat - std::floor(lat)) * 60));
        uitest::userType(f.Text114, text(std::floor(lon)));
        uitest::userType(f.Text7, text((lon - std::floor(lon)) * 60));
        uitest::userClick(r.lat < 0 ? f.Option2 : f.Option1);
        uitest::userClick(r.lon < 0 ? f.Option3 : f.Option4);
        uitest::userClick(f.Command1);

        const bool sun = r.kind == "SUN";
        const std::string shown = sun ? f.Label23.caption() : f.Label24.caption();
        const std::string word =
            r.row == "RISE" ? (sun ? "Sunrise" : "Moonrise") : (sun ? "Sunset" : "Moonset");
        const std::optional<double> hours = timeAfter(shown, word);
        ASSERT_TRUE(hours) << shown;
        EXPECT_LE(std::fabs(*hours - r.value1) * 60, kRiseSetTolerance) << shown;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
