// The three-arm protractor's computation: reading the boxes, the check, the
// output lines, the plot's scene and the drag arithmetic.
#include "calculators/protractor.h"
#include "tests/calculators/sphere_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calculators/circle_of_position.h"
#include "platform/numtext.h"
#include "platform/print_items.h"

namespace {

using calculators::ProtractorEntry;
using calculators::ProtractorInk;
using calculators::ProtractorInput;
using calculators::ProtractorOutcome;
using calculators::ProtractorResult;
using calculators::ProtractorSceneItem;
using calculators::ProtractorState;
using Kind = ProtractorSceneItem::Kind;

using spheretest::destination;
using spheretest::LatLon;
const std::string kDeg = "\xC2\xB0";  // "°"

// The window's defaults: A 0 0 N W, B 0 1' N 0 1' W, C 0 2' N 0 3' W,
// angles 34 and 56, zoom "1.0".
ProtractorEntry defaults() {
    ProtractorEntry e;
    e.Positions = {{{"0", "0", false},
                    {"0", "0", true},
                    {"0", "1", false},
                    {"0", "1", true},
                    {"0", "2", false},
                    {"0", "3", true}}};
    e.AngleABDegrees = "34";
    e.AngleBCDegrees = "56";
    e.Zoom = "1.0";
    return e;
}

// A plot of 380 x 526 pixels, in twips.
constexpr double kPlotWidth = 380 * 15;
constexpr double kPlotHeight = 526 * 15;

ProtractorResult computeWith(const ProtractorEntry& e, const ProtractorState& s = {}) {
    return calculators::protractorCompute(calculators::protractorInput(e), s, kPlotWidth,
                                          kPlotHeight);
}

std::vector<const ProtractorSceneItem*> itemsOf(const ProtractorResult& r, Kind kind,
                                                ProtractorInk ink) {
    std::vector<const ProtractorSceneItem*> out;
    for (const ProtractorSceneItem& it : r.Scene.Items) {
        if (it.kind == kind && it.ink == ink) {
            out.push_back(&it);
        }
    }
    return out;
}

// --- Reading the boxes --------------------------------------------------------

TEST(ProtractorInputTest, DefaultsAndSigns) {
    ProtractorEntry e = defaults();
    ProtractorInput in = calculators::protractorInput(e);
    EXPECT_EQ(in.LatA, 0);
    EXPECT_EQ(in.LonA, 0);
    EXPECT_DOUBLE_EQ(in.LatB, 1.0 / 60);
    EXPECT_DOUBLE_EQ(in.LonB, -1.0 / 60);
    EXPECT_DOUBLE_EQ(in.LatC, 2.0 / 60);
    EXPECT_DOUBLE_EQ(in.LonC, -3.0 / 60);
    EXPECT_EQ(in.AngleAB, 34);
    EXPECT_EQ(in.AngleBC, 56);
    EXPECT_EQ(in.Zoom, 1);

    // The typed sign is dropped; only the option gives the side.
    e.Positions[0] = {"-12", "-30", false};
    e.Positions[1] = {"-5", "15", true};
    e.AngleABDegrees = "-20";
    e.AngleABMinutes = "-30";
    e.AngleBCDegrees = "";
    e.AngleBCMinutes = "abc";
    in = calculators::protractorInput(e);
    EXPECT_EQ(in.LatA, 12.5);
    EXPECT_EQ(in.LonA, -5.25);
    EXPECT_EQ(in.AngleAB, 20.5);
    EXPECT_EQ(in.AngleBC, 0);
}

TEST(ProtractorInputTest, ZoomOfZeroOrLessReadsOne) {
    struct Case {
        const char* text;
        double zoom;
    };
    const std::vector<Case> cases = {{"0", 1},  {"", 1},  {"abc", 1},    {"-2", 1},
                                     {"-0", 1}, {"3", 3}, {"0.5x", 0.5}, {" 1.7", 1.7}};
    for (const Case& c : cases) {
        ProtractorEntry e = defaults();
        e.Zoom = c.text;
        EXPECT_EQ(calculators::protractorInput(e).Zoom, c.zoom) << c.text;
    }
}

// --- The check and the failures -------------------------------------------------

TEST(ProtractorComputeTest, CheckAndNoFix) {
    struct Case {
        const char* name;
        void (*edit)(ProtractorEntry&);
        ProtractorOutcome outcome;
        std::string message;
    };
    const std::string zero = " Angles must be non-zero.";
    const std::string halfTurn = " Angles must be less than 180 degrees.";
    const std::string noFix = " No fix found for these landmarks and angles.";
    const std::vector<Case> cases = {
        {"angle AB of 0", [](ProtractorEntry& e) { e.AngleABDegrees = "0"; },
         ProtractorOutcome::AnglesZero, zero},
        {"angle BC empty", [](ProtractorEntry& e) { e.AngleBCDegrees = ""; },
         ProtractorOutcome::AnglesZero, zero},
        {"angle AB of 180", [](ProtractorEntry& e) { e.AngleABDegrees = "180"; },
         ProtractorOutcome::AngleTooLarge, halfTurn},
        {"angle BC of 200", [](ProtractorEntry& e) { e.AngleBCDegrees = "200"; },
         ProtractorOutcome::AngleTooLarge, halfTurn},
        {"angle BC of 179 deg 60'",
         [](ProtractorEntry& e) {
             e.AngleBCDegrees = "179";
             e.AngleBCMinutes = "60";
         },
         ProtractorOutcome::AngleTooLarge, halfTurn},
        {"B at A",
         [](ProtractorEntry& e) {
             e.Positions[2] = {"0", "0", false}, e.Positions[3] = {"0", "0", true};
         },
         ProtractorOutcome::SamePosition, " Landmarks A and B are at the same position."},
        {"C at A",
         [](ProtractorEntry& e) {
             e.Positions[4] = {"0", "0", false}, e.Positions[5] = {"0", "0", true};
         },
         ProtractorOutcome::SamePosition, " Landmarks A and C are at the same position."},
        {"A at 90 deg 1'",
         [](ProtractorEntry& e) {
             e.Positions[0] = {"90", "1", false};
         },
         ProtractorOutcome::LatitudeRefused, " Latitude #1 must be between 0 and 90 degrees."},
        {"B at 95 S",
         [](ProtractorEntry& e) {
             e.Positions[2] = {"95", "0", true};
         },
         ProtractorOutcome::LatitudeRefused, " Latitude #2 must be between 0 and 90 degrees."},
        {"C at 89 deg 60.6'",
         [](ProtractorEntry& e) {
             e.Positions[4] = {"89", "60.6", false};
         },
         ProtractorOutcome::LatitudeRefused, " Latitude #3 must be between 0 and 90 degrees."},
        // A latitude is named before an angle of 0.
        {"B at 95 and angle 0",
         [](ProtractorEntry& e) {
             e.Positions[2] = {"95", "0", false};
             e.AngleABDegrees = "0";
         },
         ProtractorOutcome::LatitudeRefused, " Latitude #2 must be between 0 and 90 degrees."},
        // C at B passes the check; the resection finds no fix.
        {"C at B",
         [](ProtractorEntry& e) {
             e.Positions[4] = e.Positions[2], e.Positions[5] = e.Positions[3];
         },
         ProtractorOutcome::NoFix, noFix},
    };
    for (const Case& c : cases) {
        ProtractorEntry e = defaults();
        c.edit(e);
        const ProtractorResult r = computeWith(e);
        EXPECT_EQ(r.Outcome, c.outcome) << c.name;
        EXPECT_TRUE(r.OutputLines.empty()) << c.name;
        EXPECT_TRUE(r.Scene.Items.empty()) << c.name;
        EXPECT_EQ(r.PlotMessage, c.message) << c.name;
    }
}

TEST(ProtractorComputeTest, AnglesJustUnderAHalfTurnAndLatitudesOnThePolesPass) {
    ProtractorEntry e = defaults();
    e.AngleBCDegrees = "179";
    e.AngleBCMinutes = "59.9";
    EXPECT_NE(computeWith(e).Outcome, ProtractorOutcome::AngleTooLarge);
    e = defaults();
    e.Positions[0] = {"90", "0", false};
    EXPECT_NE(computeWith(e).Outcome, ProtractorOutcome::LatitudeRefused);
}

// Landmarks laid out in the flat frame of A (n.mi.): B 3 west and 3 south of
// A, C 3 west and 3 north of B; the observer 3 west and 8 north of A, facing
// south, so A is on the left. Each landmark's longitude comes from the
// departure at the mean latitude of the pair it is measured from, as the
// resection takes it. Both angles are atan(3 / 8).
ProtractorInput northOfTheLandmarks(double LatA) {
    const double rad = 3.141592653589793 / 180;
    ProtractorInput in;
    in.LatA = LatA;
    in.LonA = 0;
    in.LatB = LatA - 3.0 / 60;
    in.LonB = -3 / (60 * std::cos(0.5 * (in.LatA + in.LatB) * rad));
    in.LatC = in.LatB + 3.0 / 60;
    in.LonC = in.LonB - 3 / (60 * std::cos(0.5 * (in.LatB + in.LatC) * rad));
    in.AngleAB = std::atan2(3.0, 8.0) / rad;
    in.AngleBC = in.AngleAB;
    return in;
}

TEST(ProtractorComputeTest, FixBeyondAPoleIsNoFix) {
    // At 45 N the layout gives the observer, 8' north of A.
    const ProtractorInput middle = northOfTheLandmarks(45);
    ProtractorResult r = calculators::protractorCompute(middle, {}, kPlotWidth, kPlotHeight);
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    EXPECT_EQ(r.OutputLines.size(), 5u);

    // With A at 89 deg 57' N the same layout puts the resection's point 8'
    // north of A: 90 deg 5' N, beyond the pole.
    const ProtractorInput polar = northOfTheLandmarks(89.95);
    double eF = 0, nF = 0, FixLat = 0, FixLon = 0;
    ASSERT_EQ(calculators::ThreePointFix(polar.LatA, polar.LonA, polar.LatB, polar.LonB, polar.LatC,
                                         polar.LonC, polar.AngleAB, polar.AngleBC, eF, nF, FixLat,
                                         FixLon),
              calculators::ThreePointStatus::Fix);
    EXPECT_NEAR(FixLat, 89.95 + 8.0 / 60, 0.01);
    r = calculators::protractorCompute(polar, {}, kPlotWidth, kPlotHeight);
    EXPECT_EQ(r.Outcome, ProtractorOutcome::NoFix);
    EXPECT_EQ(r.PlotMessage, " No fix found for these landmarks and angles.");
    EXPECT_TRUE(r.OutputLines.empty());
    EXPECT_TRUE(r.Scene.Items.empty());
}

// Landmarks A 0 2' N 0 3' W, B 0 1' N 0 1' W, C on the crossing of the
// equator and the meridian: nearly in a line, so that the circle through the
// three is large and much of the water near it.
ProtractorEntry nearlyInLine(const std::string& abDegrees, const std::string& abMinutes,
                             const std::string& bcDegrees, const std::string& bcMinutes) {
    ProtractorEntry e = defaults();
    e.Positions = {{{"0", "2", false},
                    {"0", "3", true},
                    {"0", "1", false},
                    {"0", "1", true},
                    {"0", "0", false},
                    {"0", "0", true}}};
    e.AngleABDegrees = abDegrees;
    e.AngleABMinutes = abMinutes;
    e.AngleBCDegrees = bcDegrees;
    e.AngleBCMinutes = bcMinutes;
    return e;
}

TEST(ProtractorComputeTest, BoatNearTheLandmarksCircleGivesNoFix) {
    // From a boat at 0 8' S 0 8' W the landmarks are seen 11 18.6' and
    // 7 7.5' apart; the boat is almost on their circle, and the crossing the
    // resection finds sees A and B 168 degrees apart.
    const ProtractorResult r = computeWith(nearlyInLine("11", "18.6", "7", "7.5"));
    EXPECT_EQ(r.Outcome, ProtractorOutcome::Unreliable);
    EXPECT_TRUE(r.OutputLines.empty());
    EXPECT_TRUE(r.Scene.Items.empty());
    EXPECT_EQ(r.PlotMessage, " No reliable fix: the boat is near the landmarks' circle.");
}

TEST(ProtractorComputeTest, FixesOfKnownBoatsAndHowWellTheCirclesCross) {
    // Each boat's angles are measured from its true position by great-circle
    // bearings (sphere_geometry.h) and typed to 0.1'; the default example's
    // boat is its worked value (DefaultsOutputLines). The fix must lie within
    // 0.1' of the boat. The circles of position through the boat cross at the
    // angle PAB + PCB of the triangles boat-A-B and boat-C-B (the tangent-chord
    // angles at the boat, A and C lying on either side of the line to B),
    // folded into 0 to 90 degrees; below 10 degrees the fix is weak.
    struct Case {
        const char* name;
        ProtractorEntry entry;
        LatLon boat;  // minutes
    };
    const LatLon A{2, -3}, B{1, -1}, C{0, 0};
    const auto measured = [&](LatLon boat) {
        const auto minutesOf = [](LatLon p) { return LatLon{p.Lat / 60, p.Lon / 60}; };
        const auto typed = [](double angle, std::string& degrees, std::string& minutes) {
            const double tenths = std::round(angle * 600);
            degrees = std::to_string(static_cast<int>(tenths / 600));
            const double m = (tenths - 600 * std::floor(tenths / 600)) / 10;
            minutes = platform::generalText(m);
        };
        ProtractorEntry e = nearlyInLine("", "", "", "");
        typed(spheretest::seenAngleDeg(minutesOf(boat), minutesOf(A), minutesOf(B)),
              e.AngleABDegrees, e.AngleABMinutes);
        typed(spheretest::seenAngleDeg(minutesOf(boat), minutesOf(B), minutesOf(C)),
              e.AngleBCDegrees, e.AngleBCMinutes);
        return e;
    };
    const std::vector<Case> cases = {
        {"default example", defaults(), {2.37019, -0.32842}},
        {"boat 0 8' S 0 4' W", measured({-8, -4}), {-8, -4}},
        {"boat 0 4' S 0 4' W", measured({-4, -4}), {-4, -4}},
        {"boat 0 3' N 0 8' W", measured({3, -8}), {3, -8}},
        {"boat 0 20' S 0 4' E", measured({-20, 4}), {-20, 4}},
    };
    for (const Case& c : cases) {
        const ProtractorResult r = computeWith(c.entry);
        ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix) << c.name;
        const ProtractorInput in = calculators::protractorInput(c.entry);
        const LatLon boat{c.boat.Lat / 60, c.boat.Lon / 60};
        const LatLon a{in.LatA, in.LonA}, b{in.LatB, in.LonB}, cc{in.LatC, in.LonC};
        // The fix's latitude and longitude from its line: N/S d m, E/W d m.
        double eF = 0, nF = 0, fixLat = 0, fixLon = 0;
        ASSERT_EQ(calculators::ThreePointFix(in.LatA, in.LonA, in.LatB, in.LonB, in.LatC, in.LonC,
                                             in.AngleAB, in.AngleBC, eF, nF, fixLat, fixLon),
                  calculators::ThreePointStatus::Fix);
        EXPECT_LT(spheretest::haversineNm(boat, {fixLat, fixLon}), 0.1) << c.name;

        const double atA = std::fabs(spheretest::seenAngleDeg(a, boat, b));
        const double atC = std::fabs(spheretest::seenAngleDeg(cc, boat, b));
        double crossing = std::fmod(atA + atC, 180);
        crossing = crossing > 90 ? 180 - crossing : crossing;
        EXPECT_NEAR(r.Crossing, crossing, 0.2) << c.name;
        const bool weak = crossing < 10;
        EXPECT_EQ(r.OutputLines.size(), weak ? 6u : 5u) << c.name;
        if (weak && r.OutputLines.size() == 6) {
            const std::string text = platform::printLineText(r.OutputLines[5]);
            EXPECT_EQ(text.rfind("Weak fix: circles cross at ", 0), 0u) << text;
            EXPECT_NE(text.find("near the landmarks' circle"), std::string::npos) << text;
        }
    }
    // The default example's circles cross at 71.6 degrees.
    EXPECT_NEAR(computeWith(defaults()).Crossing, 71.6, 0.05);
    // The weak line gives the crossing to a tenth of a degree.
    const ProtractorResult weak = computeWith(measured({-8, -4}));
    ASSERT_EQ(weak.OutputLines.size(), 6u);
    EXPECT_EQ(platform::printLineText(weak.OutputLines[5]),
              "Weak fix: circles cross at 2.4" + kDeg + ", boat near the landmarks' circle");
}

TEST(ProtractorComputeTest, HalfDegreeAngleIsMeasured) {
    // 0 deg 30 min is an angle of 0.5 degree: the check lets it pass.
    ProtractorEntry e = defaults();
    e.AngleABDegrees = "0";
    e.AngleABMinutes = "30";
    EXPECT_NE(computeWith(e).Outcome, ProtractorOutcome::AnglesZero);
}

TEST(ProtractorComputeTest, ViewWidthOutOfRangeSkipsThePlot) {
    // Width 2 sqrt(13) / zoom n.mi.: beyond 1e-6 .. 1e6 the plot is skipped
    // but the fix is written.
    for (const char* zoom : {"100000000", "0.000001"}) {
        ProtractorEntry e = defaults();
        e.Zoom = zoom;
        const ProtractorResult r = computeWith(e);
        EXPECT_EQ(r.Outcome, ProtractorOutcome::ViewOutOfRange) << zoom;
        EXPECT_EQ(r.OutputLines.size(), 5u) << zoom;
        EXPECT_TRUE(r.Scene.Items.empty()) << zoom;
        EXPECT_EQ(r.PlotMessage, std::string(calculators::kProtractorViewText)) << zoom;
    }
    ProtractorEntry e = defaults();
    e.Zoom = "1000000";  // 7.2e-6 n.mi. wide: drawn
    EXPECT_EQ(computeWith(e).Outcome, ProtractorOutcome::Fix);
}

// --- Output lines against a fix made on the sphere ---------------------------

// The entry of a position as a navigator types it: whole degrees, decimal
// minutes, the side by the option.
ProtractorEntry::Position typed(double value) {
    const double a = std::fabs(value);
    const double deg = std::floor(a);
    ProtractorEntry::Position p;
    p.Degrees = std::to_string(static_cast<int>(deg));
    p.Minutes = std::to_string((a - deg) * 60);  // six decimals
    p.Negative = value < 0;
    return p;
}

// The number after a text in a printed line.
double numberAfter(const std::string& line, const std::string& text) {
    const std::size_t at = line.find(text);
    EXPECT_NE(at, std::string::npos) << line << " / " << text;
    return at == std::string::npos ? -1 : std::stod(line.substr(at + text.size()));
}

TEST(ProtractorComputeTest, OutputLinesOfAFixSouthAndEast) {
    // Observer at 12 deg 30.4' S, 3 deg 15.4' E; landmarks at chosen bearings
    // and distances; angles from the bearings.
    const LatLon observer{-(12 + 30.4 / 60), 3 + 15.4 / 60};
    const double bearing[3] = {320, 10, 70};
    const double distance[3] = {4, 2.5, 5};
    ProtractorEntry e;
    for (int i = 0; i < 3; ++i) {
        const LatLon p = destination(observer, bearing[i], distance[i]);
        e.Positions[2 * i] = typed(p.Lat);
        e.Positions[2 * i + 1] = typed(p.Lon);
    }
    e.AngleABDegrees = "50";
    e.AngleBCDegrees = "60";
    e.Zoom = "1.0";
    const ProtractorResult r = computeWith(e);
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    ASSERT_EQ(r.OutputLines.size(), 5u);
    std::vector<std::string> lines;
    for (const platform::PrintLine& l : r.OutputLines) {
        lines.push_back(platform::printLineText(l));
    }
    // "Position Fix    S 12 °  30.4 '        E 3 °  15.4 ' ", minutes within
    // 0.05' (the flat frame and the typed minutes).
    const std::string& fix = lines[0];
    ASSERT_EQ(fix.rfind("Position Fix    S 12 " + kDeg + "  ", 0), 0u) << fix;
    EXPECT_NEAR(numberAfter(fix, "S 12 " + kDeg + "  "), 30.4, 0.05);
    EXPECT_NE(fix.find(" '        E 3 " + kDeg + "  "), std::string::npos) << fix;
    EXPECT_NEAR(numberAfter(fix, "E 3 " + kDeg + "  "), 15.4, 0.05);
    EXPECT_EQ(fix.substr(fix.size() - 3), " ' ");
    // Distances to the landmarks, cut to hundredths.
    const char* names[3] = {"Left", "Middle", "Right"};
    for (int i = 0; i < 3; ++i) {
        const std::string head = std::string("Radial distance from ") + names[i] + " Landmark  ";
        EXPECT_EQ(lines[i + 1].rfind(head, 0), 0u) << lines[i + 1];
        EXPECT_NEAR(numberAfter(lines[i + 1], head), distance[i], 0.06) << names[i];
        EXPECT_EQ(lines[i + 1].substr(lines[i + 1].size() - 8), "  nmiles");
    }
    EXPECT_EQ(lines[4], "Tic marks on plot are 1.0 nautical mile increments");
}

TEST(ProtractorComputeTest, LandmarksAcrossTheDateLine) {
    // Observer at 16 deg 48' S, 179 deg 58' E; A and B east of 180 degrees,
    // C west of it. The plot spans a few miles, not half the world, and the
    // fix comes back within 0.05'.
    const LatLon observer{-16.8, 179 + 58.0 / 60};
    const double bearing[3] = {260, 340, 60};
    const double distance[3] = {9, 6, 11};
    ProtractorEntry e;
    for (int i = 0; i < 3; ++i) {
        const LatLon p = destination(observer, bearing[i], distance[i]);
        e.Positions[2 * i] = typed(p.Lat);
        e.Positions[2 * i + 1] = typed(p.Lon);
    }
    ASSERT_FALSE(e.Positions[1].Negative);
    ASSERT_TRUE(e.Positions[5].Negative);
    e.AngleABDegrees = "80";
    e.AngleBCDegrees = "80";
    e.Zoom = "1";
    const ProtractorResult r = computeWith(e);
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    EXPECT_LT(r.SpanAC, 30);
    const std::string fix = platform::printLineText(r.OutputLines[0]);
    EXPECT_NE(fix.find("S 16 " + kDeg + "  "), std::string::npos) << fix;
    EXPECT_NEAR(numberAfter(fix, "S 16 " + kDeg + "  "), 48, 0.05);
    EXPECT_NE(fix.find("E 179 " + kDeg + "  "), std::string::npos) << fix;
    EXPECT_NEAR(numberAfter(fix, "E 179 " + kDeg + "  "), 58, 0.05);
}

TEST(ProtractorComputeTest, DefaultsOutputLines) {
    // Expected: the point of the flat frame (B at -cos(1/120 deg), 1 n.mi.,
    // C at -3 cos(1/60 deg), 2 n.mi. from A) that sees A-B under 34 deg and
    // B-C under 56 deg, solved independently by Newton's method in Python:
    // 0.32842' W, 2.37019' N; 2.39283, 1.52592 and 2.69710 n.mi. from A, B
    // and C, each rounded to hundredths.
    const ProtractorResult r = computeWith(defaults());
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    std::vector<std::string> lines;
    for (const platform::PrintLine& l : r.OutputLines) {
        lines.push_back(platform::printLineText(l));
    }
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "Position Fix    N 0 " + kDeg + "  2.37 '        W 0 " + kDeg + "  0.33 ' ",
                  "Radial distance from Left Landmark  2.39  nmiles",
                  "Radial distance from Middle Landmark  1.53  nmiles",
                  "Radial distance from Right Landmark  2.70  nmiles",
                  "Tic marks on plot are 1.0 nautical mile increments",
              }));
}

TEST(ProtractorComputeTest, FixLineLettersAndMinutes) {
    // Hand-worked: N when the latitude rounds to 0 or more, E when the
    // longitude does; minutes rounded to hundredths, half away from zero,
    // the same on both sides of the equator and the meridian; 59.996' is the
    // next degree.
    const double m = 30.1235 / 60;
    struct Case {
        double lat, lon;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0.0, 0.0, "Position Fix    N 0 \xC2\xB0  0.00 '        E 0 \xC2\xB0  0.00 ' "},
        {-0.0, -0.0, "Position Fix    N 0 \xC2\xB0  0.00 '        E 0 \xC2\xB0  0.00 ' "},
        {-12.5, 3.25, "Position Fix    S 12 \xC2\xB0  30.00 '        E 3 \xC2\xB0  15.00 ' "},
        {m, m, "Position Fix    N 0 \xC2\xB0  30.12 '        E 0 \xC2\xB0  30.12 ' "},
        {-m, -m, "Position Fix    S 0 \xC2\xB0  30.12 '        W 0 \xC2\xB0  30.12 ' "},
        {-1 - m, -179 - m, "Position Fix    S 1 \xC2\xB0  30.12 '        W 179 \xC2\xB0  30.12 ' "},
        {10 + 30.125 / 60, -(20 + 30.125 / 60),
         "Position Fix    N 10 \xC2\xB0  30.13 '        W 20 \xC2\xB0  30.13 ' "},
        {10 + 59.996 / 60, -(179 + 59.996 / 60),
         "Position Fix    N 11 \xC2\xB0  0.00 '        W 180 \xC2\xB0  0.00 ' "},
        {-0.004 / 60, -0.004 / 60,
         "Position Fix    N 0 \xC2\xB0  0.00 '        E 0 \xC2\xB0  0.00 ' "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::printLineText(calculators::protractorFixLine(c.lat, c.lon)), c.text)
            << c.lat << " " << c.lon;
    }
}

TEST(ProtractorComputeTest, NumberItems) {
    // A blank or "-", the value with its 0 before the point, one blank.
    EXPECT_EQ(calculators::protractorNumberText(0.08), " 0.08 ");
    EXPECT_EQ(calculators::protractorNumberText(12), " 12 ");
    EXPECT_EQ(calculators::protractorNumberText(-0.5), "-0.5 ");
    EXPECT_EQ(calculators::protractorNumberText(0), " 0 ");
    EXPECT_EQ(calculators::protractorNumberText(-0.0), " 0 ");
}

// --- The scene -------------------------------------------------------------------

TEST(ProtractorSceneTest, DefaultsView) {
    const ProtractorResult r = computeWith(defaults());
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    // SpanAC about sqrt(13) n.mi. (the departures at the cosine of a few
    // minutes of latitude); the plot is twice that wide.
    EXPECT_NEAR(r.SpanAC, std::sqrt(13.0), 1e-6);
    EXPECT_NEAR(r.ViewHalfWidth, std::sqrt(13.0), 1e-6);
    const double w = r.ViewHalfWidth;
    const double h = w * kPlotHeight / kPlotWidth;
    EXPECT_DOUBLE_EQ(r.Scene.ScaleLeft, -w);
    EXPECT_NEAR(r.Scene.ScaleTop, h, 1e-12);
    EXPECT_DOUBLE_EQ(r.Scene.ScaleWidth, 2 * w);
    EXPECT_NEAR(r.Scene.ScaleHeight, -2 * h, 1e-12);

    // Zoom 2 halves the view.
    ProtractorEntry e = defaults();
    e.Zoom = "2";
    EXPECT_NEAR(computeWith(e).ViewHalfWidth, std::sqrt(13.0) / 2, 1e-6);
}

TEST(ProtractorSceneTest, TwentyEightGreyLines) {
    ProtractorState s;
    s.PanX = 0.7;
    s.PanY = -0.4;
    const ProtractorResult r = computeWith(defaults(), s);
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    const double w = r.ViewHalfWidth;
    const double h = r.Scene.ScaleTop;
    const double x = 0.7, y = -0.4;
    struct Seg {
        double x1, y1, x2, y2;
    };
    std::vector<Seg> expected = {
        {x - 0.95 * w, y, x + 0.95 * w, y},
        {x, y - 0.95 * h, x, y + 0.95 * h},
        {x - 0.03 * w, y + 0.85 * h, x, y + 0.95 * h},
        {x, y + 0.95 * h, x + 0.03 * w, y + 0.85 * h},
        {x + 0.03 * w, y + 0.85 * h, x - 0.03 * w, y + 0.85 * h},
        {x + 0.1 * w, y + 0.845 * h, x + 0.1 * w, y + 0.95 * h},
        {x + 0.1 * w, y + 0.95 * h, x + 0.15 * w, y + 0.85 * h},
        {x + 0.15 * w, y + 0.85 * h, x + 0.15 * w, y + 0.955 * h},
    };
    for (int i = 1; i <= 5; ++i) {
        expected.push_back({x + i, y - 0.02 * h, x + i, y + 0.02 * h});
        expected.push_back({x - i, y - 0.02 * h, x - i, y + 0.02 * h});
        expected.push_back({x - 0.02 * w, y + i, x + 0.02 * w, y + i});
        expected.push_back({x - 0.02 * w, y - i, x + 0.02 * w, y - i});
    }
    const auto grey = itemsOf(r, Kind::Line, ProtractorInk::Grid);
    ASSERT_EQ(grey.size(), 28u);
    ASSERT_EQ(expected.size(), 28u);
    for (std::size_t k = 0; k < 28; ++k) {
        // The grey lines come first, in this order.
        EXPECT_EQ(&r.Scene.Items[k], grey[k]);
        EXPECT_NEAR(grey[k]->x1, expected[k].x1, 1e-12) << k;
        EXPECT_NEAR(grey[k]->y1, expected[k].y1, 1e-12) << k;
        EXPECT_NEAR(grey[k]->x2, expected[k].x2, 1e-12) << k;
        EXPECT_NEAR(grey[k]->y2, expected[k].y2, 1e-12) << k;
    }
}

TEST(ProtractorSceneTest, FixLandmarksSightLinesAndCircles) {
    ProtractorState s;
    s.PanX = -1.1;
    s.PanY = 0.6;
    const ProtractorResult r = computeWith(defaults(), s);
    ASSERT_EQ(r.Outcome, ProtractorOutcome::Fix);
    const double w = r.ViewHalfWidth;
    const auto& items = r.Scene.Items;
    ASSERT_EQ(items.size(), 28u + 12u);
    // In drawing order after the grid.
    const std::vector<std::pair<Kind, ProtractorInk>> order = {
        {Kind::Circle, ProtractorInk::Fix},     {Kind::Text, ProtractorInk::Text},
        {Kind::Line, ProtractorInk::SightLine}, {Kind::Circle, ProtractorInk::Landmark},
        {Kind::Text, ProtractorInk::Text},      {Kind::Circle, ProtractorInk::Landmark},
        {Kind::Line, ProtractorInk::SightLine}, {Kind::Circle, ProtractorInk::Landmark},
        {Kind::Text, ProtractorInk::Text},      {Kind::Line, ProtractorInk::SightLine},
        {Kind::Circle, ProtractorInk::Circle},  {Kind::Circle, ProtractorInk::Circle},
    };
    for (std::size_t k = 0; k < order.size(); ++k) {
        EXPECT_EQ(items[28 + k].kind, order[k].first) << k;
        EXPECT_EQ(items[28 + k].ink, order[k].second) << k;
    }
    const ProtractorSceneItem& fix = items[28];
    EXPECT_EQ(fix.x1, -1.1);
    EXPECT_EQ(fix.y1, 0.6);
    EXPECT_NEAR(fix.radius, 0.035 * w, 1e-12);
    EXPECT_EQ(items[29].text, " FIX");
    EXPECT_EQ(items[29].x1, fix.x1);
    EXPECT_EQ(items[29].y1, fix.y1);
    const ProtractorSceneItem& a = items[31];
    const ProtractorSceneItem& b = items[33];
    const ProtractorSceneItem& c = items[35];
    EXPECT_EQ(items[32].text, "  LEFT");
    EXPECT_EQ(items[36].text, "  RIGHT");
    EXPECT_EQ(items[32].x1, a.x1);
    EXPECT_EQ(items[36].y1, c.y1);
    for (const ProtractorSceneItem* lm : {&a, &b, &c}) {
        EXPECT_NEAR(lm->radius, 0.025 * w, 1e-12);
    }
    // B and C from A by their offsets: B 1' N 1' W, C 2' N 3' W of A.
    EXPECT_NEAR(b.x1 - a.x1, -1, 1e-6);
    EXPECT_NEAR(b.y1 - a.y1, 1, 1e-12);
    EXPECT_NEAR(c.x1 - a.x1, -3, 1e-6);
    EXPECT_NEAR(c.y1 - a.y1, 2, 1e-12);
    // Lines of sight from each landmark to the fix.
    for (const auto& [line, lm] : {std::pair{&items[30], &a}, {&items[34], &b}, {&items[37], &c}}) {
        EXPECT_EQ(line->x1, lm->x1);
        EXPECT_EQ(line->y1, lm->y1);
        EXPECT_EQ(line->x2, fix.x1);
        EXPECT_EQ(line->y2, fix.y1);
    }
    // Circle A-B passes through A, B and the fix; circle B-C through B, C
    // and the fix (the fix within 1e-3 of the radius: it is found on circle
    // A and accepted within a tolerance of circle B).
    auto onCircle = [](const ProtractorSceneItem& circle, double x, double y, double tol) {
        EXPECT_NEAR(std::hypot(x - circle.x1, y - circle.y1), circle.radius, tol * circle.radius);
    };
    const ProtractorSceneItem& ab = items[38];
    const ProtractorSceneItem& bc = items[39];
    onCircle(ab, a.x1, a.y1, 1e-6);
    onCircle(ab, b.x1, b.y1, 1e-6);
    onCircle(ab, fix.x1, fix.y1, 1e-6);
    onCircle(bc, b.x1, b.y1, 1e-6);
    onCircle(bc, c.x1, c.y1, 1e-6);
    onCircle(bc, fix.x1, fix.y1, 1e-3);
}

// --- Dragging ----------------------------------------------------------------------

// A plot 1.5 times as high as wide.
ProtractorState viewOf(double halfWidth, double zoom) {
    ProtractorState s;
    s.ViewHalfWidth = halfWidth;
    s.ViewHalfHeight = 1.5 * halfWidth;
    s.Zoom = zoom;
    return s;
}

TEST(ProtractorDragTest, NothingWithoutAButtonHeld) {
    ProtractorState s = viewOf(3, 1);
    auto step = calculators::protractorMouseMove(s, 1, 2, 2);
    EXPECT_FALSE(step.Recompute);
    EXPECT_FALSE(step.ZoomText);
    EXPECT_FALSE(s.DragStarted);
    calculators::protractorMouseDown(s, 0, 0);
    calculators::protractorMouseUp(s);
    step = calculators::protractorMouseMove(s, 1, 2, 2);
    EXPECT_FALSE(step.Recompute);
    EXPECT_EQ(s.PanX, 0);
}

TEST(ProtractorDragTest, LeftDragPansFromThePressAndClampsToTheHalfWidth) {
    ProtractorState s = viewOf(3, 1);
    s.PanX = 0.5;
    s.PanY = -0.25;
    calculators::protractorMouseDown(s, 1, 1);
    EXPECT_TRUE(s.ButtonHeld);
    EXPECT_TRUE(s.DragStarted);
    // A move to where the button went down leaves the pan.
    auto step = calculators::protractorMouseMove(s, 1, 1, 1);
    EXPECT_TRUE(step.Recompute);
    EXPECT_EQ(s.PanX, 0.5);
    EXPECT_EQ(s.PanY, -0.25);
    // Every later move works from that start.
    calculators::protractorMouseMove(s, 1, 2, 0.5);
    EXPECT_DOUBLE_EQ(s.PanX, 1.5);
    EXPECT_DOUBLE_EQ(s.PanY, -0.75);
    calculators::protractorMouseMove(s, 1, 1.5, 1.5);
    EXPECT_DOUBLE_EQ(s.PanX, 1.0);
    EXPECT_DOUBLE_EQ(s.PanY, 0.25);
    // Far away: both held at the half width (not the half height).
    calculators::protractorMouseMove(s, 1, 40, -40);
    EXPECT_EQ(s.PanX, 3);
    EXPECT_EQ(s.PanY, -3);
    calculators::protractorMouseMove(s, 1, -40, 40);
    EXPECT_EQ(s.PanX, -3);
    EXPECT_EQ(s.PanY, 3);
    EXPECT_EQ(s.Zoom, 1);
}

// What the window does after a zoom step: it reads the zoom back from the
// box (cut to the tenth) and the plot's scale follows it.
void readBack(ProtractorState& s, const calculators::ProtractorDragStep& step, double span) {
    ASSERT_TRUE(step.ZoomText);
    s.Zoom = std::stod(*step.ZoomText);
    s.ViewHalfWidth = span / s.Zoom;
    s.ViewHalfHeight = 1.5 * s.ViewHalfWidth;
}

TEST(ProtractorDragTest, RightDragZoomsByTwoPerHalfWidthFromTheStart) {
    ProtractorState s = viewOf(4, 1);
    calculators::protractorMouseDown(s, 0, 1);
    auto step = calculators::protractorMouseMove(s, 2, 0, 1);  // start at y = 1
    // At the start height the zoom stays; its text loses the ".0".
    ASSERT_TRUE(step.ZoomText);
    EXPECT_EQ(*step.ZoomText, "1");
    EXPECT_EQ(s.Zoom, 1);
    // One half width (4) below the start doubles the zoom; half of it gives
    // sqrt 2 = 1.414, shown cut to 1.4.
    step = calculators::protractorMouseMove(s, 2, 0, -3);
    EXPECT_DOUBLE_EQ(s.Zoom, 2);
    step = calculators::protractorMouseMove(s, 2, 0, -1);
    EXPECT_DOUBLE_EQ(s.Zoom, std::sqrt(2.0));
    EXPECT_EQ(*step.ZoomText, "1.4");
    // The plot is redrawn at zoom 1.4: the same point of the screen now
    // reads y = -1 / 1.4 and still gives sqrt 2.
    readBack(s, step, 4);
    step = calculators::protractorMouseMove(s, 2, 0, -1 / 1.4);
    EXPECT_DOUBLE_EQ(s.Zoom, std::sqrt(2.0));
    // Above the start it zooms out: half a half width gives 1 / sqrt 2.
    readBack(s, step, 4);
    step = calculators::protractorMouseMove(s, 2, 0, 3 / 1.4);
    EXPECT_DOUBLE_EQ(s.Zoom, 1 / std::sqrt(2.0));
    EXPECT_EQ(*step.ZoomText, "0.7");
    // Clamped to 2 and to 0.5.
    readBack(s, step, 4);
    step = calculators::protractorMouseMove(s, 2, 0, -20);
    EXPECT_EQ(s.Zoom, 2);
    EXPECT_EQ(*step.ZoomText, "2");
    step = calculators::protractorMouseMove(s, 2, 0, 20);
    EXPECT_EQ(s.Zoom, 0.5);
    EXPECT_EQ(*step.ZoomText, "0.5");
    EXPECT_EQ(s.PanX, 0);
    EXPECT_EQ(s.PanY, 0);

    // A typed zoom of 3 is where a new drag starts, and comes into range.
    s = viewOf(4, 3);
    calculators::protractorMouseDown(s, 0, 1);
    step = calculators::protractorMouseMove(s, 2, 0, 1);
    EXPECT_EQ(*step.ZoomText, "2");
}

TEST(ProtractorDragTest, TheSameDragInFewOrManyStepsGivesTheSameZoom) {
    // From y = 2.5 down to y = -0.9 of the starting scale (half width 4.5):
    // 2^(3.4 / 4.5) = 1.689, shown 1.6, whatever the moves in between.
    const double span = 4.5;
    const auto drag = [span](int steps) {
        ProtractorState s = viewOf(span, 1);
        calculators::protractorMouseDown(s, 0, 2.5);
        auto step = calculators::protractorMouseMove(s, 2, 0, 2.5);
        readBack(s, step, span);
        for (int i = 1; i <= steps; ++i) {
            // The pointer's height in the starting scale, then in the scale
            // the plot has now.
            const double start = 2.5 - 3.4 * i / steps;
            step = calculators::protractorMouseMove(s, 2, 0, start / s.Zoom);
            readBack(s, step, span);
        }
        return s.Zoom;
    };
    EXPECT_EQ(drag(1), 1.6);
    EXPECT_EQ(drag(5), 1.6);
    EXPECT_EQ(drag(30), 1.6);
}

TEST(ProtractorDragTest, OtherButtonsChangeNothingButRecompute) {
    for (const int buttons : {3, 4, 5, 0}) {
        ProtractorState s = viewOf(4, 1.5);
        calculators::protractorMouseDown(s, 0, 0);
        calculators::protractorMouseMove(s, buttons, 0, 0);
        const auto step = calculators::protractorMouseMove(s, buttons, 2, -2);
        EXPECT_TRUE(step.Recompute) << buttons;
        EXPECT_FALSE(step.ZoomText) << buttons;
        EXPECT_EQ(s.PanX, 0) << buttons;
        EXPECT_EQ(s.PanY, 0) << buttons;
        EXPECT_EQ(s.Zoom, 1.5) << buttons;
    }
}

TEST(ProtractorDragTest, NoViewYetLeavesTheZoom) {
    // Before any plot the half width is 0: a right drag cannot measure.
    ProtractorState s = viewOf(0, 1);
    calculators::protractorMouseDown(s, 0, 0);
    calculators::protractorMouseMove(s, 2, 0, 0);
    const auto step = calculators::protractorMouseMove(s, 2, 0, -1);
    EXPECT_FALSE(step.ZoomText);
    EXPECT_EQ(s.Zoom, 1);
    calculators::protractorMouseMove(s, 1, 3, 3);
    EXPECT_EQ(s.PanX, 0);
    EXPECT_EQ(s.PanY, 0);
}

}  // namespace
