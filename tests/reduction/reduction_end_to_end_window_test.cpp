// A navigator's whole session through the real windows, against an
// independent sky: the settings and the leg typed into their fields, the
// sights of tests/reduction/data/reduction_fixture.csv (sextant altitudes
// worked back from erfa/libastro altitudes at a designed true position, see
// scripts/make_reduction_fixture.py) typed into the sight entry window, the
// reduce button with the assumed-position dialog, then the fix against the
// true position, the plot's drawing and the detailed output.
#include <gtest/gtest.h>

#include <QListWidget>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "globe/globe_window.h"
#include "platform/numtext.h"
#include "platform/ui/picture.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_window.h"
#include "reduction/sight_entry_window.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using platform::ui::DrawItem;

const char* const kFixturePath = CELNAV_SOURCE_DIR "/tests/reduction/data/reduction_fixture.csv";

constexpr double kPi = 3.14159265358979;
constexpr double kRadPerDeg = kPi / 180;

// ------------------------------------------------------------- the fixture

using Fields = std::vector<std::string>;

struct FixtureSight {
    int number = 0;
    std::string body;
    std::string hsDeg, hsMin, limb, indexError, indexSide;
    std::string year, month, day, hour, minute, second;
    // The independent sky at the sight (for the almanac check).
    double utHours = 0;
    double gha = 0;
    double dec = 0;
    // The true observed altitude, degrees, and the reading error put into
    // the sextant altitude, arc minutes.
    double trueHo = 0;
    double readingError = 0;
};

struct FixtureCase {
    std::string name;
    double trueLat = 0;  // at the new fix time, degrees, north and east positive
    double trueLon = 0;
    Fields settings;  // delta T, chronometer, temperature, pressure
    Fields leg;       // as in the file's "leg" row, after the case name
    Fields dialog;    // Label5, Label6, Text58, Text3, N|S, Text2, Text1, E|W
    Fields assumed;   // "accept", or "type" and the position
    std::vector<FixtureSight> sights;
};

// A number field of the fixture as a whole text (locale-free); NaN, and a
// failure, when it is not one.
double number(const std::string& text) {
    const std::optional<double> value = platform::parseWholeText(text);
    if (!value) {
        ADD_FAILURE() << "not a number in the fixture: '" << text << "'";
        return std::nan("");
    }
    return *value;
}

Fields splitLine(const std::string& line) {
    Fields fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

std::map<std::string, FixtureCase> readFixture() {
    std::map<std::string, FixtureCase> cases;
    std::ifstream file(kFixturePath);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const Fields f = splitLine(line);
        if (f.size() < 2) {
            ADD_FAILURE() << "fixture line without a case: " << line;
            continue;
        }
        FixtureCase& c = cases[f[1]];
        c.name = f[1];
        const Fields rest(f.begin() + 2, f.end());
        if (f[0] == "case" && rest.size() == 2) {
            c.trueLat = number(rest[0]);
            c.trueLon = number(rest[1]);
        } else if (f[0] == "settings" && rest.size() == 4) {
            c.settings = rest;
        } else if (f[0] == "leg" && rest.size() == 21) {
            c.leg = rest;
        } else if (f[0] == "dialog" && rest.size() == 8) {
            c.dialog = rest;
        } else if (f[0] == "assumed" && (rest.size() == 1 || rest.size() == 7)) {
            c.assumed = rest;
        } else if (f[0] == "sight" && rest.size() == 23) {
            FixtureSight s;
            s.number = static_cast<int>(number(rest[0]));
            s.body = rest[1];
            s.hsDeg = rest[3];
            s.hsMin = rest[4];
            s.limb = rest[5];
            s.indexError = rest[6];
            s.indexSide = rest[7];
            s.year = rest[8];
            s.month = rest[9];
            s.day = rest[10];
            s.hour = rest[11];
            s.minute = rest[12];
            s.second = rest[13];
            s.utHours = number(rest[14]);
            s.gha = number(rest[15]);
            s.dec = number(rest[16]);
            s.trueHo = number(rest[20]);
            s.readingError = number(rest[22]);
            c.sights.push_back(s);
        } else {
            ADD_FAILURE() << "unknown fixture line: " << line;
        }
    }
    return cases;
}

const FixtureCase& fixtureCase(const std::string& name) {
    static const std::map<std::string, FixtureCase> cases = readFixture();
    static const FixtureCase missing;
    const auto it = cases.find(name);
    if (it == cases.end()) {
        ADD_FAILURE() << "no case " << name << " in " << kFixturePath;
        return missing;
    }
    return it->second;
}

// --------------------------------------------------------------- helpers

// Great-circle distance in nautical miles (haversine: good at small
// distances).
double distanceNm(double lat1, double lon1, double lat2, double lon2) {
    const double s1 = std::sin((lat2 - lat1) * kRadPerDeg / 2);
    const double s2 = std::sin((lon2 - lon1) * kRadPerDeg / 2);
    const double h = s1 * s1 + std::cos(lat1 * kRadPerDeg) * std::cos(lat2 * kRadPerDeg) * s2 * s2;
    return 2 * std::asin(std::sqrt(h)) / kRadPerDeg * 60;
}

double wrap180(double degrees) {
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

// The list entry of a body (star names are stored with trailing blanks).
int listRow(const platform::ui::ListBox& list, const std::string& body) {
    for (int i = 0; i < list.count(); ++i) {
        std::string name = list.item(i);
        while (!name.empty() && name.back() == ' ') {
            name.pop_back();
        }
        if (name == body) {
            return i;
        }
    }
    return -1;
}

bool isPlanet(const std::string& body) {
    return body == "Venus" || body == "Mars" || body == "Jupiter" || body == "Saturn";
}

bool isStar(const std::string& body) {
    return body != "Sun" && body != "Moon" && !isPlanet(body);
}

// The almanac's tolerance on the sky, arc minutes (the ephemeris accuracy
// the program keeps for each kind of body).
double almanacTolerance(const std::string& body) {
    if (body == "Moon") {
        return 0.3;
    }
    if (isPlanet(body)) {
        return 0.1;
    }
    return 0.05;
}

// A report value: the general text of the value cut toward minus infinity
// to three decimals.
// A report value: rounded to three decimals, half away from zero, all three
// shown (the values here are positive).
std::string reportValue(double value) {
    const double thousandths = std::floor(value * 1000 + 0.5);
    const std::string digits = std::to_string(static_cast<long long>(thousandths));
    const std::string padded = std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
    return padded.substr(0, padded.size() - 3) + "." + padded.substr(padded.size() - 3);
}

bool isColor(const platform::ui::Color& c, int r, int g, int b) {
    return c == platform::ui::Color{r, g, b};
}

const std::string kWeakFixStart = "Weak fix: as weak as two lines of position crossing at ";

// The texts printed into a picture, in drawing order.
std::vector<std::string> printedTexts(const platform::ui::Picture& picture) {
    std::vector<std::string> out;
    for (const DrawItem& item : picture.displayList()) {
        if (item.kind == DrawItem::Kind::Text) {
            out.push_back(item.text);
        }
    }
    return out;
}

// The true azimuth of a body (GHA and declination, degrees) from a position,
// by the bearing formula with the two-argument arctangent.
double azimuthFrom(double lat, double lon, double gha, double dec) {
    const double lha = (gha + lon) * kRadPerDeg;
    const double phi = lat * kRadPerDeg;
    const double d = dec * kRadPerDeg;
    const double z =
        std::atan2(-std::cos(d) * std::sin(lha),
                   std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(lha)) /
        kRadPerDeg;
    return z < 0 ? z + 360 : z;
}

// ------------------------------------------------------------------- test

class ReductionEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override { app.form1().showModeless(); }

    // The settings window, opened by its button, filled through its boxes.
    void typeSettings(const FixtureCase& c) {
        uitest::userClick(app.form1().Command5);  // "General Settings"
        app::Form7& s = app.form7();
        ASSERT_TRUE(s.isVisible());
        uitest::userType(s.Text1, c.settings[0]);    // Delta T
        uitest::userType(s.Text108, c.settings[1]);  // chronometer correction
        uitest::userType(s.Text4, c.settings[2]);    // air temperature
        uitest::userType(s.Text5, c.settings[3]);    // pressure
        uitest::userClick(s.Command1);               // "Close Form"
    }

    // The leg: course, speed, eye height and unit, plotting scale, last fix
    // and its time, the new fix time.
    void typeLeg(const FixtureCase& c) {
        app::Form1& f = app.form1();
        const Fields& l = c.leg;
        uitest::userType(f.Text8, l[0]);
        uitest::userType(f.Text2, l[1]);
        uitest::userType(f.Text3, l[2]);
        uitest::userClick(l[3] == "ft" ? f.Option6 : f.Option5);
        uitest::userType(f.Text1, l[4]);
        uitest::userType(f.Text113, l[5]);
        uitest::userType(f.Text6, l[6]);
        uitest::userClick(l[7] == "S" ? f.Option2 : f.Option1);
        uitest::userType(f.Text114, l[8]);
        uitest::userType(f.Text7, l[9]);
        uitest::userClick(l[10] == "W" ? f.Option3 : f.Option4);
        uitest::userType(f.Text9, l[11]);
        uitest::userType(f.Text111, l[12]);
        uitest::userType(f.Text10, l[13]);
        uitest::userType(f.Text14, l[14]);
        uitest::userType(f.Text15, l[15]);
        uitest::userType(f.Text12, l[16]);
        uitest::userType(f.Text11, l[17]);
        uitest::userType(f.Text13, l[18]);
        uitest::userType(f.Text16, l[19]);
        uitest::userType(f.Text17, l[20]);
    }

    // Every sight through the sight entry window, in the steps it asks
    // for: horizon, sextant altitude, limb, index error, date and time, the
    // body; then "Save Changes" and, for the next one, "Next Sight".
    void typeSights(const FixtureCase& c) {
        uitest::userClick(app.form1().Command2);  // "View Sight Data Form"
        reduction::Form5& f = app.form5();
        ASSERT_TRUE(f.isVisible());
        for (const FixtureSight& s : c.sights) {
            SCOPED_TRACE("sight " + std::to_string(s.number) + " " + s.body);
            if (s.number > 1) {
                ASSERT_TRUE(f.Command2.enabled());
                uitest::userClick(f.Command2);  // "Next Sight  ---->"
            }
            ASSERT_EQ(f.Label2.caption(), std::to_string(s.number));
            uitest::userClick(f.Option1);  // "Normal Sea"
            uitest::userType(f.Text5, s.hsDeg);
            uitest::userType(f.Text6, s.hsMin);
            uitest::userClick(s.limb == "upper"   ? f.Option4
                              : s.limb == "lower" ? f.Option5
                                                  : f.Option10);
            uitest::userType(f.Text17, s.indexError);
            uitest::userClick(s.indexSide == "off" ? f.Option9 : f.Option8);
            uitest::userType(f.Text21, s.year);
            uitest::userType(f.Text20, s.month);
            uitest::userType(f.Text19, s.day);
            uitest::userType(f.Text18, s.hour);
            uitest::userType(f.Text22, s.minute);
            uitest::userType(f.Text2, s.second);
            const int row = listRow(f.List1, s.body);
            ASSERT_GE(row, 0) << s.body << " is not in the body list";
            f.List1.listWidget()->scrollToItem(f.List1.listWidget()->item(row));
            uitest::userClickRow(f.List1, row);
            ASSERT_EQ(f.List1.selectedIndex(), row);
            expectAlmanac(s, f);
            uitest::userClick(f.Command5);  // "Save Changes"
        }
        EXPECT_EQ(app.Log.SightCount, static_cast<int>(c.sights.size()));
        EXPECT_TRUE(app.form1().Command1.enabled());
    }

    // The body's place that the entry window keeps for the sight: computed
    // for the watch time plus the chronometer correction, with the settings'
    // Delta T, it matches the independent sky.
    void expectAlmanac(const FixtureSight& s, const reduction::Form5& f) {
        const double gha = number(f.Text3.text());
        const double dec = number(f.Text4.text());
        const double missGha = std::fabs(wrap180(gha - s.gha)) * std::cos(s.dec * kRadPerDeg) * 60;
        const double missDec = std::fabs(dec - s.dec) * 60;
        EXPECT_LE(missGha, almanacTolerance(s.body)) << "GHA " << gha << " vs " << s.gha;
        EXPECT_LE(missDec, almanacTolerance(s.body)) << "Dec " << dec << " vs " << s.dec;
    }

    // The reduce button; the dialog shows the DR and its pre-fill, and the
    // navigator accepts it or types an assumed position.
    void reduce(const FixtureCase& c) {
        env.modalRunner.expectDialog<reduction::Form3>([&c](reduction::Form3& d) {
            EXPECT_EQ(d.caption(), "Assumed Position for this Nav Fix");
            const Fields& want = c.dialog;
            EXPECT_EQ(d.Label5.caption(), want[0]);
            EXPECT_EQ(d.Label6.caption(), want[1]);
            EXPECT_EQ(d.Text58.text(), want[2]);
            EXPECT_EQ(d.Text3.text(), want[3]);
            EXPECT_EQ(d.Option2.value(), want[4] == "S");
            EXPECT_EQ(d.Text2.text(), want[5]);
            EXPECT_EQ(d.Text1.text(), want[6]);
            EXPECT_EQ(d.Option3.value(), want[7] == "W");
            const Fields& a = c.assumed;
            if (a[0] == "type") {
                uitest::userType(d.Text58, a[1]);
                uitest::userType(d.Text3, a[2]);
                uitest::userClick(a[3] == "S" ? d.Option2 : d.Option1);
                uitest::userType(d.Text2, a[4]);
                uitest::userType(d.Text1, a[5]);
                uitest::userClick(a[6] == "W" ? d.Option3 : d.Option4);
            }
            uitest::userClick(d.Command1);  // "PRESS to Enter Data"
        });
        uitest::userClick(app.form1().Command1);  // "Reduce Sights and Plot LOP's"
    }

    // The corrections: from the typed sextant altitude, the index error, the
    // dip for the eye height, the refraction with the temperature and
    // pressure, the parallax and the semi-diameter, each sight's Ho is the
    // true observed altitude plus the reading error put into it, within the
    // 0.05' of reading Hs to a tenth and what the program's HP and SD differ
    // from the independent ones.
    void expectObservedAltitudes(const FixtureCase& c) {
        const reduction::ReductionResult& r = app.Reduction;
        ASSERT_EQ(r.SightCount, static_cast<int>(c.sights.size()));
        for (const FixtureSight& s : c.sights) {
            const double want = s.trueHo + s.readingError / 60;
            EXPECT_LE(std::fabs(r.CopHo[s.number] - want) * 60, 0.07)
                << "sight " << s.number << " " << s.body << ": Ho " << r.CopHo[s.number] << " vs "
                << want;
        }
    }

    // The fix against the true position, with the lines of position at the
    // truth for the record when it misses.
    void expectFixWithin(const FixtureCase& c, double toleranceNm) {
        const reduction::ReductionResult& r = app.Reduction;
        const double fixLat = r.PlotParams[6];
        const double fixLon = r.PlotParams[7];
        const double miss = distanceNm(fixLat, fixLon, c.trueLat, c.trueLon);
        std::ostringstream why;
        why.precision(10);
        why << c.name << ": fix " << fixLat << ", " << fixLon << " vs true " << c.trueLat << ", "
            << c.trueLon << " (assumed " << app.AssumedLat << ", " << app.AssumedLon << ")";
        // Each advanced line's distance from the truth, n.mi., toward the
        // body: p - (north cos Zn + east sin Zn) in the chart's miles.
        const double north = (c.trueLat - app.AssumedLat) * 60;
        const double east =
            (c.trueLon - app.AssumedLon) * 60 * std::cos(app.AssumedLat * kRadPerDeg);
        const double course = r.PlotParams[3];
        for (int i = 1; i <= r.SightCount; ++i) {
            const double zn = r.LopAzimuth[i] * kRadPerDeg;
            const double p = r.LopIntercept[i] + r.LopRun[i] * std::cos(zn - course * kRadPerDeg);
            why << "\n  sight " << i << ": Ho " << r.CopHo[i] << ", Zn " << r.LopAzimuth[i]
                << ", intercept " << r.LopIntercept[i] << ", run " << r.LopRun[i]
                << "; line misses the truth by " << p - (north * std::cos(zn) + east * std::sin(zn))
                << " n.mi.";
        }
        EXPECT_LE(miss, toleranceNm) << why.str();
        EXPECT_EQ(r.PlotParams[2], static_cast<double>(c.sights.size()));
    }

    // The plot: one red line per included sight, the green fix mark on the
    // fix, and the blue ellipse as one point and 36 segments closing on it.
    void expectPlot(const FixtureCase& c, double toleranceNm) {
        reduction::Form2* plot = app.existingWindow<reduction::Form2>();
        ASSERT_NE(plot, nullptr);
        EXPECT_TRUE(plot->isVisible());
        const std::vector<DrawItem>& items = plot->Picture1.displayList();
        int redLines = 0;
        std::vector<const DrawItem*> greenCircles;
        std::vector<const DrawItem*> blue;
        for (const DrawItem& item : items) {
            if (item.kind == DrawItem::Kind::Line && isColor(item.color, 255, 0, 0)) {
                ++redLines;
            }
            if (item.kind == DrawItem::Kind::Circle && isColor(item.color, 10, 255, 10)) {
                greenCircles.push_back(&item);
            }
            if (isColor(item.color, 0, 0, 255)) {
                blue.push_back(&item);
            }
        }
        EXPECT_EQ(redLines, static_cast<int>(c.sights.size()));
        ASSERT_EQ(greenCircles.size(), 1u);
        EXPECT_DOUBLE_EQ(greenCircles[0]->radius, 0.5);
        // The mark sits on the true position, in the chart's miles from the
        // assumed position.
        const double midLat = (app.AssumedLat + c.trueLat) / 2;
        const double trueX = (c.trueLon - app.AssumedLon) * 60 * std::cos(midLat * kRadPerDeg);
        const double trueY = (c.trueLat - app.AssumedLat) * 60;
        EXPECT_LE(std::hypot(greenCircles[0]->x1 - trueX, greenCircles[0]->y1 - trueY), toleranceNm)
            << "mark at " << greenCircles[0]->x1 << ", " << greenCircles[0]->y1 << "; truth at "
            << trueX << ", " << trueY;
        ASSERT_EQ(blue.size(), 37u);
        EXPECT_EQ(blue[0]->kind, DrawItem::Kind::Point);
        for (std::size_t k = 1; k < blue.size(); ++k) {
            EXPECT_EQ(blue[k]->kind, DrawItem::Kind::Line) << k;
        }
        EXPECT_NEAR(blue.back()->x2, blue[0]->x1, 1e-9);
        EXPECT_NEAR(blue.back()->y2, blue[0]->y1, 1e-9);
    }

    // "Detailed Output": the two-blank line, then the report: one block of
    // the sights under their headings (every sight included), the sights' UT
    // (watch time plus chronometer correction) and Hs as typed, each value
    // rounded to three decimals and ending under its heading; a blank, the
    // sums and the fix.
    void expectDetailedOutput(const FixtureCase& c) {
        app::Form1& main = app.form1();
        ASSERT_TRUE(main.Command3.enabled());
        uitest::userClick(main.Command3);  // "Detailed Output"
        reduction::Form4& report = app.form4();
        EXPECT_TRUE(report.isVisible());
        const platform::ui::ListBox& list = report.List1;
        ASSERT_LE(c.sights.size(), 6u);
        ASSERT_EQ(list.count(), 18);
        EXPECT_EQ(list.item(0), "  ");
        // Columns of 14 characters after a label of 8: the number right-
        // aligned in 10, then a blank and the unit.
        const auto cell = [](const std::string& text, std::size_t width) {
            return std::string(width - std::min(width, text.size()), ' ') + text;
        };
        std::string heading(8, ' ');
        for (const FixtureSight& s : c.sights) {
            heading += cell("Sight " + std::to_string(s.number), 10) + "    ";
        }
        EXPECT_EQ(list.item(1), heading.substr(0, heading.size() - 4));
        EXPECT_EQ(list.item(2), " ");

        const double k = number(c.settings[1]);
        std::string ut = "UT =    ";
        std::string hs = "Hs =    ";
        for (const FixtureSight& s : c.sights) {
            const double utHours =
                number(s.hour) + number(s.minute) / 60 + (number(s.second) + k) / 3600;
            EXPECT_NEAR(utHours, s.utHours, 1e-8);
            ut += cell(reportValue(utHours), 10) + " Hrs";
            const double hsDegrees = number(s.hsDeg) + number(s.hsMin) / 60;
            hs += cell(reportValue(hsDegrees), 10) + " \xC2\xB0  ";
        }
        EXPECT_EQ(list.item(3), ut);
        EXPECT_EQ(list.item(4), hs.substr(0, hs.size() - 2));

        const std::vector<std::pair<std::string, std::string>> rows = {
            {"Ho = ", "°"},    {"GHA = ", "°"},  {"DEC = ", "°"}, {"SD = ", "°"},
            {"PA = ", "°"},    {"LHA = ", "°"},  {"Hc  = ", "°"}, {"AZM = ", "°"},
            {"Doff = ", "nm"}, {"Roff = ", "nm"}};
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::string text = list.item(static_cast<int>(5 + r));
            const std::string& label = rows[r].first;
            const std::string& unit = rows[r].second;
            SCOPED_TRACE(text);
            ASSERT_EQ(text.rfind(label, 0), 0u);
            // One value a sight, each followed by the unit.
            std::vector<std::string> values;
            std::size_t at = label.size();
            while (at < text.size()) {
                const std::size_t end = text.find(" " + unit, at);
                ASSERT_NE(end, std::string::npos);
                const std::size_t start = text.find_first_not_of(' ', at);
                values.push_back(text.substr(start, end - start));
                at = end + 1 + unit.size();
            }
            ASSERT_EQ(values.size(), c.sights.size());
            // A star has neither semi-diameter nor parallax.
            if (label == "SD = " || label == "PA = ") {
                for (const FixtureSight& s : c.sights) {
                    if (isStar(s.body)) {
                        EXPECT_EQ(values[s.number - 1], "0.000") << s.body;
                    }
                }
            }
        }
        EXPECT_EQ(list.item(15), " ");
        EXPECT_EQ(list.item(16).rfind("Asum = ", 0), 0u);
        EXPECT_NE(list.item(16).find(" G = "), std::string::npos);
        // The fix as the plot prints it.
        EXPECT_EQ(list.item(17).rfind("Best Fix Latitude ", 0), 0u) << list.item(17);
    }

    // The globe, shown by the reduction: each included sight's circle of
    // position passes by the true position (the sights of a fix taken at one
    // place, so the circles cross there).
    void expectGlobeCirclesThrough(const FixtureCase& c, double toleranceNm) {
        globe::Form16* g = app.existingWindow<globe::Form16>();
        ASSERT_NE(g, nullptr);
        EXPECT_TRUE(g->isVisible());
        // Turned by a left drag to face the true position (the first view
        // is centred on the middle of the GHA range, which may lie behind).
        const double perUnit = 0.01745 * 90 / 1.5;  // radians a picture unit at zoom 1
        g->Picture1_MouseDown(1, 0, 0, 0);
        g->Picture1_MouseMove(1, 0, 0, 0);
        g->Picture1_MouseMove(1, 0, (g->view().SpinAngle - c.trueLon * kRadPerDeg) / perUnit,
                              (g->view().TiltAngle + c.trueLat * kRadPerDeg) / perUnit);
        g->Picture1_MouseUp(1, 0, 0, 0);
        const globe::Matrix3& M = g->frame().ViewMatrix;
        const double R = g->view().Zoom;
        const double lat = c.trueLat * kRadPerDeg;
        const double lon = c.trueLon * kRadPerDeg;
        const double v[4] = {0, R * std::cos(lat) * std::cos(lon),
                             R * std::cos(lat) * std::sin(lon), R * std::sin(lat)};
        const auto row = [&](int i) { return M[i][1] * v[1] + M[i][2] * v[2] + M[i][3] * v[3]; };
        ASSERT_GT(row(1), 0) << "the true position faces the viewer";
        const double px = row(2);
        const double py = row(3);
        // Miles to picture units: a globe of radius R spans 21,600 n.mi.
        const double tolerance = toleranceNm / 60 * kRadPerDeg * R;
        int circles = 0;
        for (const DrawItem& item : g->Picture1.displayList()) {
            if (item.kind != DrawItem::Kind::Lines || !isColor(item.color, 250, 250, 67)) {
                continue;
            }
            ++circles;
            double nearest = 1e9;
            for (const platform::LineSegment& s : item.segments) {
                const double dx = s.x2 - s.x1;
                const double dy = s.y2 - s.y1;
                const double len2 = dx * dx + dy * dy;
                double t = len2 > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / len2 : 0;
                t = std::clamp(t, 0.0, 1.0);
                nearest = std::min(nearest, std::hypot(s.x1 + t * dx - px, s.y1 + t * dy - py));
            }
            EXPECT_LE(nearest, tolerance) << "circle " << circles;
        }
        EXPECT_EQ(circles, static_cast<int>(c.sights.size()));
    }

    void runSession(const std::string& name, double toleranceNm) {
        const FixtureCase& c = fixtureCase(name);
        ASSERT_EQ(c.sights.size(), 3u) << kFixturePath;
        ASSERT_FALSE(c.leg.empty());
        ASSERT_FALSE(c.dialog.empty());
        ASSERT_FALSE(c.assumed.empty());
        typeSettings(c);
        typeLeg(c);
        typeSights(c);
        if (HasFatalFailure()) {
            return;
        }
        reduce(c);
        ASSERT_TRUE(env.messages.calls.empty()) << env.messages.calls.front().text;
        expectObservedAltitudes(c);
        expectFixWithin(c, toleranceNm);
        expectPlot(c, toleranceNm);
        // Well-spread lines: no word of a weak fix on the plot.
        for (const std::string& text :
             printedTexts(app.existingWindow<reduction::Form2>()->Picture1)) {
            EXPECT_EQ(text.find("Weak fix"), std::string::npos) << text;
        }
        expectDetailedOutput(c);
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(ReductionEndToEnd, StationaryFixOfThreeStarsLiesWithinThreeTenthsOfAMile) {
    runSession("stationary", 0.3);
    expectGlobeCirclesThrough(fixtureCase("stationary"), 1);
}

TEST_F(ReductionEndToEnd, RunningFixOfJupiterMoonAndSunAtSixKnotsLiesWithinHalfAMile) {
    runSession("running", 0.5);
}

// The Moon in the morning and the Sun in the afternoon, both near azimuth
// 221: the plot keeps the fix but says it is weak, with the crossing angle of
// the two lines, and so does the detailed output, whose G shows its digits.
TEST_F(ReductionEndToEnd, SunAndMoonHalfADegreeApartInAzimuthGiveAFixThatSaysItIsWeak) {
    const FixtureCase& c = fixtureCase("weak");
    ASSERT_EQ(c.sights.size(), 2u) << kFixturePath;
    typeSettings(c);
    typeLeg(c);
    typeSights(c);
    if (HasFatalFailure()) {
        return;
    }
    reduce(c);
    ASSERT_TRUE(env.messages.calls.empty()) << env.messages.calls.front().text;
    expectObservedAltitudes(c);

    // The crossing angle from the independent sky, seen from the assumed
    // position the dialog gave.
    const double z1 = azimuthFrom(app.AssumedLat, app.AssumedLon, c.sights[0].gha, c.sights[0].dec);
    const double z2 = azimuthFrom(app.AssumedLat, app.AssumedLon, c.sights[1].gha, c.sights[1].dec);
    const double crossing = std::fabs(z1 - z2);
    ASSERT_GT(crossing, 0.3);
    ASSERT_LT(crossing, 0.7);

    // The plot: both lines and the fix mark, no ellipse, and the weak-fix
    // line with the angle rounded to 0.1 degree (the program's own sky
    // moves it by less than 0.01 degree).
    reduction::Form2* plot = app.existingWindow<reduction::Form2>();
    ASSERT_NE(plot, nullptr);
    EXPECT_TRUE(plot->isVisible());
    int redLines = 0;
    int greenCircles = 0;
    int blue = 0;
    for (const DrawItem& item : plot->Picture1.displayList()) {
        redLines += item.kind == DrawItem::Kind::Line && isColor(item.color, 255, 0, 0);
        greenCircles += item.kind == DrawItem::Kind::Circle && isColor(item.color, 10, 255, 10);
        blue += isColor(item.color, 0, 0, 255);
    }
    EXPECT_EQ(redLines, 2);
    EXPECT_EQ(greenCircles, 1);
    EXPECT_EQ(blue, 0);
    std::string weak;
    for (const std::string& text : printedTexts(plot->Picture1)) {
        if (text.rfind(kWeakFixStart, 0) == 0) {
            weak = text;
        }
    }
    ASSERT_FALSE(weak.empty());
    const std::string degree = "\xC2\xB0";
    ASSERT_GT(weak.size(), kWeakFixStart.size() + degree.size());
    EXPECT_EQ(weak.substr(weak.size() - degree.size()), degree);
    const std::string angle =
        weak.substr(kWeakFixStart.size(), weak.size() - kWeakFixStart.size() - degree.size());
    const std::optional<double> shown = platform::parseWholeText(angle);
    ASSERT_TRUE(shown.has_value()) << weak;
    EXPECT_NEAR(*shown, crossing, 0.05 + 0.01) << weak;
    EXPECT_EQ(angle.find('.'), angle.size() - 2) << "one decimal: " << weak;

    // The detailed output: the sums with G in full, sin^2 of the crossing
    // angle for two lines; the fix; then the same weak-fix line.
    uitest::userClick(app.form1().Command3);  // "Detailed Output"
    const platform::ui::ListBox& list = app.form4().List1;
    ASSERT_EQ(list.count(), 19);
    EXPECT_EQ(list.item(17).rfind("Best Fix Latitude ", 0), 0u) << list.item(17);
    EXPECT_EQ(list.item(18), weak);
    const std::string sums = list.item(16);
    const std::size_t at = sums.rfind(" G = ");
    ASSERT_NE(at, std::string::npos) << sums;
    const std::optional<double> G = platform::parseWholeText(sums.substr(at + 5));
    ASSERT_TRUE(G.has_value()) << sums;
    const double wantG = std::pow(std::sin(crossing * kRadPerDeg), 2);
    EXPECT_NEAR(*G, wantG, 0.04 * wantG) << sums;
}

}  // namespace
