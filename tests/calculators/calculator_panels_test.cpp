// The panels of the calculators window against the worked values of their
// descriptions (each case names its source), and the great-circle distance
// against an independent haversine formula.
#include "calculators/calculator_panels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/input_check.h"
#include "platform/numtext.h"

namespace {

using calculators::AngleField;
using calculators::kUndefinedText;

// A number far beyond the range of a double: the field reads as the largest
// finite double, and sums or products of two of them overflow.
const std::string kHuge(400, '9');

std::string undefined(const std::string& words) {
    return words + kUndefinedText;
}

AngleField north(const char* deg, const char* min) {
    return {deg, min, false};
}
AngleField south(const char* deg, const char* min) {
    return {deg, min, true};
}
AngleField east(const char* deg, const char* min) {
    return {deg, min, false};
}
AngleField west(const char* deg, const char* min) {
    return {deg, min, true};
}

TEST(DeadReckoningPanel, WorkedPositions) {
    struct Case {
        const char* what;
        calculators::DeadReckoningInput in;
        std::string lat, lon, distance;
    };
    const Case cases[] = {
        // Worked example of the dead-reckoning panel, rounded: 35 cos 45 =
        // 24.75' north; 24.75' / cos 40° 12.4' = 32.40' east of 70 W.
        {"course 45, 10 kn, 3 h 30 min",
         {"45", "10", north("40", "0"), west("70", "0"), "3", "30"},
         "Estimated Latitude N 40° 25'",
         "Estimated Longitude W 69° 28'",
         "Distance traveled, nmiles: 35.0"},
        // No run: the last fix as typed, although 38 + 10/60 is held a hair
        // below 38° 10'.
        {"no run",
         {"0", "0", north("38", "10"), west("29", "50"), "0", "0"},
         "Estimated Latitude N 38° 10'",
         "Estimated Longitude W 29° 50'",
         "Distance traveled, nmiles: 0.0"},
        // 0.4' and 0.5' south of the equator: whole minutes rounded, no sign
        // for a latitude that rounds to 0.
        {"rounds to the equator",
         {"180", "0.4", north("0", "0"), east("10", "0"), "1", "0"},
         "Estimated Latitude N 0° 0'",
         "Estimated Longitude E 10° 0'",
         "Distance traveled, nmiles: 0.4"},
        {"rounds to 1' south",
         {"180", "0.5", north("0", "0"), east("10", "0"), "1", "0"},
         "Estimated Latitude S 0° 1'",
         "Estimated Longitude E 10° 0'",
         "Distance traveled, nmiles: 0.5"},
        // 59.6' carries into the next degree: 10° 59.6' N.
        {"carry into the degree",
         {"0", "59.6", north("10", "0"), east("10", "0"), "1", "0"},
         "Estimated Latitude N 11° 0'",
         "Estimated Longitude E 10° 0'",
         "Distance traveled, nmiles: 59.6"},
        // Defaults with the position boxes empty: exactly 0 counts as N and E.
        {"defaults",
         {"0", "0", north("", ""), west("", ""), "0", "0"},
         "Estimated Latitude N 0° 0'",
         "Estimated Longitude E 0° 0'",
         "Distance traveled, nmiles: 0.0"},
        // Eastward across 180 degrees: 12 n.mi. / cos 50 = 18.67' of longitude.
        {"across 180",
         {"90", "12", north("50", "0"), east("179", "50"), "1", "0"},
         "Estimated Latitude N 50° 0'",
         "Estimated Longitude W 179° 51'",
         "Distance traveled, nmiles: 12.0"},
        // 40° 24.75' shows its whole minutes rounded; 24.75 n.mi. its tenth.
        {"minutes rounded",
         {"0", "24.75", north("40", "0"), west("70", "0"), "1", "0"},
         "Estimated Latitude N 40° 25'",
         "Estimated Longitude W 70° 0'",
         "Distance traveled, nmiles: 24.8"},
        // Due south 120 n.mi. from 10° 30' S: 12° 30' S.
        {"southern hemisphere, minus signs ignored",
         {"180", "60", south("-10", "-30"), east("20", ""), "2", "0"},
         "Estimated Latitude S 12° 30'",
         "Estimated Longitude E 20° 0'",
         "Distance traveled, nmiles: 120.0"},
        // Hours and minutes each keep the sign typed: 1 h and -30 min is half
        // an hour, 5 n.mi. north.
        {"time signs as typed",
         {"0", "10", north("10", "0"), west("30", "0"), "1", "-30"},
         "Estimated Latitude N 10° 5'",
         "Estimated Longitude W 30° 0'",
         "Distance traveled, nmiles: 5.0"},
        // Two whole turns east along the equator: 15 kn for 2,880 h is
        // 43,200 n.mi., 720 degrees of longitude from 10 E, back at 10 E.
        {"two turns round the Earth",
         {"90", "15", north("0", "0"), east("10", "0"), "2880", "0"},
         "Estimated Latitude N 0° 0'",
         "Estimated Longitude E 10° 0'",
         "Distance traveled, nmiles: 43200.0"},
        // 70 n.mi. north from 89° N: 90° 10' N, past the pole; 60 n.mi.
        // reach it.
        {"past the north pole",
         {"0", "10", north("89", "0"), west("30", "0"), "7", "0"},
         calculators::kPastPoleText,
         "",
         ""},
        {"past the south pole",
         {"180", "10", south("89", "0"), west("30", "0"), "6", "1"},
         calculators::kPastPoleText,
         "",
         ""},
        {"onto the pole",
         {"0", "10", north("89", "0"), west("30", "0"), "6", "0"},
         "Estimated Latitude N 90° 0'",
         "Estimated Longitude W 30° 0'",
         "Distance traveled, nmiles: 60.0"},
        {"overflowing inputs",
         {"90", kHuge, north("0", "0"), west("0", "0"), kHuge, "0"},
         undefined("Estimated Latitude "),
         undefined("Estimated Longitude "),
         undefined("Distance traveled, nmiles: ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const calculators::DeadReckoningResult r = calculators::deadReckoning(c.in);
        EXPECT_EQ(r.Latitude, c.lat);
        EXPECT_EQ(r.Longitude, c.lon);
        EXPECT_EQ(r.Distance, c.distance);
    }
}

TEST(HorizonPanel, SeaAndLandHorizons) {
    const std::string compensation = "Compensate for land horizon by subtracting ";
    const std::string note =
        "In the Sight Data Form, normal dip is accounted for internally, so you have to trick the "
        "data";
    struct Case {
        const char* eye;
        const char* land;
        std::string sea, dip;
        std::string compensation;  // empty: not written
    };
    // Worked values of the horizon panel.
    const Case cases[] = {
        {"2", "", "3.0", "2.5", ""},
        {"2", "0", "3.0", "2.5", ""},
        {"2", "1", "3.0", "4.1", "1.6"},
        {"2", "-1", "3.0", "4.1", "1.6"},
        {"10", "20", "6.7", "5.6", ""},
        {"", "", "0.2", "0.2", ""},
        {"0", "", "0.2", "0.2", ""},
        // Just inside the sea horizon of 2.995 n.mi.: 0.001' more dip.
        {"2", "2.9", "3.0", "2.5", "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.eye) + " m, land " + c.land);
        const calculators::HorizonResult r = calculators::horizon({c.eye, c.land});
        EXPECT_EQ(r.SeaHorizon, "Distance to sea horizon, nmiles: " + c.sea);
        EXPECT_EQ(r.Dip, "Dip of horizon, arcminutes: " + c.dip);
        if (c.compensation.empty()) {
            EXPECT_FALSE(r.Compensation);
            EXPECT_FALSE(r.Note);
        } else {
            EXPECT_EQ(r.Compensation.value_or(""),
                      compensation + c.compensation + "' from the measured sextant altitude");
            EXPECT_EQ(r.Note.value_or(""), note);
        }
    }
}

TEST(GreatCirclePanel, WorkedDistances) {
    struct Case {
        calculators::GreatCircleInput in;
        std::string text;
    };
    const Case cases[] = {
        // Worked values of the great-circle panel.
        {{north("40", "0"), west("70", "0"), north("50", "0"), west("5", "0")},
         "2732.0 nautical miles       3141.8 statute miles"},
        {{north("0", "0"), east("0", "0"), north("0", "0"), east("90", "0")},
         "5400.0 nautical miles       6210.0 statute miles"},
        {{south("33", "51.6"), east("151", "12.6"), south("33", "51.6"), east("151", "12.6")},
         "0.0 nautical miles       0.0 statute miles"},
        {{north(kHuge.c_str(), kHuge.c_str()), west("0", "0"), north("0", "0"), west("0", "0")},
         "Distance undefined for these inputs"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calculators::greatCircleDistance(c.in), c.text);
    }
}

// Haversine distance, nautical miles, with 60 n.mi. to the degree of arc.
double haversineNmi(double lat1, double lon1, double lat2, double lon2) {
    const double pi = std::acos(-1.0);
    const double r = pi / 180;
    const double a =
        std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
        std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin((lon2 - lon1) * r / 2), 2);
    return 2 * std::asin(std::sqrt(a)) * 60 * 180 / pi;
}

TEST(GreatCirclePanel, MatchesHaversineToTheTenthShown) {
    struct Case {
        double lat1, lon1, lat2, lon2;
    };
    const Case cases[] = {
        {40.5, -70.25, 50.75, -5.1},    {-33.86, 151.21, 37.77, -122.42},
        {51.5, -0.12, -34.6, -58.38},   {10, 179.5, 10.2, -179.7},
        {-60.1, 20.3, -60.1, 21.3},     {1.25, 2.5, 1.3, 2.55},
        {89.5, 0, -89.5, 180},          {35.2, 139.7, 35.2, 139.7 + 1.0 / 60},
        {-12.345, -77.03, 48.85, 2.35}, {64.15, -21.94, 71.29, -156.79},
    };
    const auto field = [](double angle) {
        // Whole degrees and decimal minutes, as a navigator types them.
        const double a = std::fabs(angle);
        const double deg = std::floor(a);
        return AngleField{platform::generalText(deg), platform::generalText((a - deg) * 60),
                          angle < 0};
    };
    for (const Case& c : cases) {
        const std::string text = calculators::greatCircleDistance(
            {field(c.lat1), field(c.lon1), field(c.lat2), field(c.lon2)});
        const double shown = platform::leadingNumber(text);
        const double expected = haversineNmi(c.lat1, c.lon1, c.lat2, c.lon2);
        // Shown rounded to 0.1 n.mi.: at most half a tenth off.
        EXPECT_NEAR(shown, expected, 0.05 + 1e-6) << text;
    }
}

TEST(RefractionPanel, WorkedCorrectionsAndUndefinedDivisors) {
    struct Case {
        const char* T;
        const char* P;
        const char* deg;
        const char* min;
        std::string text;
    };
    const std::string undefinedText = undefined(" Refraction correction = ");
    const Case cases[] = {
        // Worked values of the refraction panel, rounded to 0.01': Bennett
        // gives -5.3043' at 10°, -33.923' at 0° and -1.7200' at 30°, 10 °C.
        {"15", "1010", "10", "0", " Refraction correction = -5.30' arc minutes"},
        {"15", "1010", "0", "0", " Refraction correction = -33.92' arc minutes"},
        {"10", "1010", "30", "0", " Refraction correction = -1.72' arc minutes"},
        // h + 4.4 = 0 and T + 273 = 0.
        {"15", "1010", "-4", "-24", undefinedText},
        {"15", "1010", "-4.4", "", undefinedText},
        {"-273", "1010", "10", "0", undefinedText},
        {"-273", "0", "10", "0", undefinedText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.T) + " " + c.P + " " + c.deg + " " + c.min);
        EXPECT_EQ(calculators::refraction({c.T, c.P, c.deg, c.min}), c.text);
    }
}

TEST(AltitudePanel, WorkedAltitudesAndAzimuths) {
    struct Case {
        const char* what;
        calculators::AltitudeInput in;
        std::string altitude, azimuth;
    };
    const Case cases[] = {
        // Worked example of the altitude panel.
        {"worked",
         {north("40", "0"), west("70", "0"), {"100", "0"}, north("20", "0")},
         "Hc = 57° 29.1'",
         "Azimuth = 240.9° "},
        // On the meridian south of the observer: 90 - 40 + 10 = 60, due south.
        {"meridian, south",
         {north("40", "0"), west("70", "0"), {"70", "0"}, north("10", "0")},
         "Hc = 60° 0.0'",
         "Azimuth = 180.0° "},
        // Below the horizon: 90 - 170° 20.55' = -80° 20.55' shows without
        // its sign, rounded half away from zero.
        {"below, -80",
         {north("0", "0"), east("0", "0"), {"170", "20.55"}, north("0", "0")},
         "Hc = 80° 20.6'",
         "Azimuth = 270.0° "},
        // Between 0 and -1 degree the sign shows on the minutes.
        {"below, -0.5",
         {north("0", "0"), east("0", "0"), {"90", "30"}, north("0", "0")},
         "Hc = 0° -30.0'",
         "Azimuth = 270.0° "},
        {"overflowing",
         {north(kHuge.c_str(), kHuge.c_str()), west("0", "0"), {"0", "0"}, north("0", "0")},
         undefined("Hc = "),
         undefined("Azimuth = ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const calculators::AltitudeResult r = calculators::altitudeAzimuth(c.in);
        EXPECT_EQ(r.Altitude, c.altitude);
        EXPECT_EQ(r.Azimuth, c.azimuth);
    }
}

TEST(AltitudePanel, BodyNorthOnTheMeridianReads360NeverZero) {
    const calculators::AltitudeResult r = calculators::altitudeAzimuth(
        {north("10", "0"), west("70", "0"), {"70", "0"}, north("40", "0")});
    EXPECT_EQ(r.Altitude, "Hc = 60° 0.0'");
    EXPECT_TRUE(r.Azimuth == "Azimuth = 360.0° " || r.Azimuth == "Azimuth = 359.9° ") << r.Azimuth;
}

TEST(SumnerPanel, WorkedLongitudes) {
    struct Case {
        const char* what;
        calculators::SumnerInput in;
        std::string west, east;
    };
    const Case cases[] = {
        // Worked example of the Sumner panel, rounded: t = 29.9777°, so
        // -129° 58.66' and -70° 1.34'.
        {"worked",
         {north("40", "0"), {"57", "30"}, {"100", "0"}, north("20", "0")},
         "LON west side = W 129° 58.7'",
         "LON east side = W 70° 1.3'"},
        // t = 90: -0.5 keeps its sign on the minutes; -180.5 wraps to 179.5 E.
        {"equator",
         {north("0", "0"), {"0", "0"}, {"90", "30"}, north("0", "0")},
         "LON west side = E 179° 30.0'",
         "LON east side = W 0° -30.0'"},
        // The equator case with a GHA two turns larger: the same longitudes.
        {"GHA two turns on",
         {north("0", "0"), {"0", "0"}, {"810", "30"}, north("0", "0")},
         "LON west side = E 179° 30.0'",
         "LON east side = W 0° -30.0'"},
        // A typed minus sign changes nothing; only the options give signs.
        {"minus ignored",
         {north("-40", "-0"), {"-57", "-30"}, {"-100", "0"}, north("20", "-0")},
         "LON west side = W 129° 58.7'",
         "LON east side = W 70° 1.3'"},
        {"overflowing",
         {north("0", "0"), {"0", "0"}, {kHuge.c_str(), kHuge.c_str()}, north("0", "0")},
         undefined("LON west side = "),
         undefined("LON east side = ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const calculators::SumnerResult r = calculators::sumnerLongitudes(c.in);
        EXPECT_EQ(r.WestSide, c.west);
        EXPECT_EQ(r.EastSide, c.east);
        EXPECT_FALSE(r.Unreachable);
    }
}

TEST(SumnerPanel, AnAltitudeNeverReachedGivesNoLongitude) {
    // From 40 N a body on the equator culminates at 50°: 80° and 50° 0.1'
    // are never reached; from 80 S a body of dec 20 N culminates at -10°.
    const calculators::SumnerInput cases[] = {
        {north("40", "0"), {"80", "0"}, {"100", "0"}, north("0", "0")},
        {north("40", "0"), {"50", "0.1"}, {"100", "0"}, north("0", "0")},
        {south("80", "0"), {"5", "0"}, {"100", "0"}, north("20", "0")},
    };
    for (const calculators::SumnerInput& in : cases) {
        const calculators::SumnerResult r = calculators::sumnerLongitudes(in);
        EXPECT_EQ(r.Unreachable.value_or(""), calculators::kSumnerUnreachableText);
        EXPECT_EQ(r.WestSide, "");
        EXPECT_EQ(r.EastSide, "");
    }
}

TEST(SumnerPanel, OnTheMeridianAtTheHighestAltitudeOneLongitude) {
    // From 40 N a body of dec 0 culminates at exactly 50°: the circle
    // touches the parallel on the body's meridian, both sides -GHA (c = 1
    // within the last bits). From 45 N a body of dec 45 N is at 0° on the
    // lower meridian, t = 180: both sides 180 - GHA.
    struct Case {
        calculators::SumnerInput in;
        std::string lon;
    };
    const Case cases[] = {
        {{north("40", "0"), {"50", "0"}, {"100", "0"}, north("0", "0")}, "W 100° 0.0'"},
        {{north("45", "0"), {"0", "0"}, {"30", "0"}, north("45", "0")}, "E 150° 0.0'"},
    };
    for (const Case& c : cases) {
        const calculators::SumnerResult r = calculators::sumnerLongitudes(c.in);
        EXPECT_FALSE(r.Unreachable);
        EXPECT_EQ(r.WestSide, "LON west side = " + c.lon);
        EXPECT_EQ(r.EastSide, "LON east side = " + c.lon);
    }
}

TEST(CircleCentrePanel, WorkedCentres) {
    struct Case {
        const char* what;
        calculators::CircleCentreInput in;
        std::string text;
    };
    const Case cases[] = {
        // Worked values of the circle-of-position panel: chord 6 n.mi., 60
        // degrees, centre sqrt(3) n.mi. off the chord's midpoint.
        {"east",
         {north("0", "0"), east("0", "0"), north("0", "0"), east("0", "6"), {"60", "0"}},
         "Center of arc is 3.00 nm East ,  1.73 nm South from 1st point"},
        {"west",
         {north("0", "0"), east("0", "0"), north("0", "0"), west("0", "6"), {"60", "0"}},
         "Center of arc is 3.00 nm West ,  1.73 nm North from 1st point"},
        // 30 degrees: the centre 3 / tan 30° = 5.196 n.mi. off
        // the chord, rounded to 5.2 (cut, it read 5.19).
        {"rounded",
         {north("0", "0"), east("0", "0"), north("0", "0"), east("0", "6"), {"30", "0"}},
         "Center of arc is 3.00 nm East ,  5.20 nm South from 1st point"},
        // Across the 180 degree meridian the landmarks are 6' apart as well.
        {"date line",
         {north("0", "0"), east("179", "57"), north("0", "0"), west("179", "57"), {"60", "0"}},
         "Center of arc is 3.00 nm East ,  1.73 nm South from 1st point"},
        {"overflowing",
         {north(kHuge.c_str(), kHuge.c_str()),
          east("0", "0"),
          north("0", "0"),
          east("0", "6"),
          {"60", "0"}},
         undefined("Center of arc is ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(calculators::circleCentre(c.in), c.text);
    }
}

// Whatever is typed, no result label shows "inf" or "nan".
TEST(CalculatorPanels, NoTextGivesInfinityOrNaN) {
    const std::vector<std::string> texts = {"",    "abc",  "-0",   "0.0000001", "90",  "-90",
                                            "180", "-4.4", "-273", "-24",       kHuge, "-" + kHuge};
    std::vector<std::string> shown;
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            for (const bool negative : {false, true}) {
                const AngleField f{a, b, negative};
                const AngleField g{b, a, !negative};
                const auto dr = calculators::deadReckoning({a, b, f, g, b, a});
                const auto hz = calculators::horizon({a, b});
                const auto alt = calculators::altitudeAzimuth({f, g, f, g});
                const auto sumner = calculators::sumnerLongitudes({f, g, g, f});
                shown.insert(
                    shown.end(),
                    {dr.Latitude, dr.Longitude, dr.Distance, hz.SeaHorizon, hz.Dip,
                     hz.Compensation.value_or(""), calculators::greatCircleDistance({f, g, g, f}),
                     calculators::refraction({a, b, b, a}), calculators::refraction({b, a, a, b}),
                     alt.Altitude, alt.Azimuth, sumner.WestSide, sumner.EastSide,
                     calculators::circleCentre({f, g, g, f, {a, b, false}})});
            }
        }
    }
    for (const std::string& text : shown) {
        for (const char* bad : {"inf", "nan", "NaN", "Infinity"}) {
            ASSERT_EQ(text.find(bad), std::string::npos) << text;
        }
    }
}

TEST(PanelText, MinutesRoundedToTheTenthWithTheCarry) {
    EXPECT_EQ(calculators::degreesMinutesText(36 + 59.99 / 60), "37° 0.0'");
    EXPECT_EQ(calculators::degreesMinutesText(36 + 59.95 / 60), "37° 0.0'");
    EXPECT_EQ(calculators::degreesMinutesText(36 + 59.9499 / 60), "36° 59.9'");
    EXPECT_EQ(calculators::degreesMinutesText(36 + 25.75 / 60), "36° 25.8'");
    EXPECT_EQ(calculators::degreesMinutesText(44 + 44.55 / 60), "44° 44.6'");
    EXPECT_EQ(calculators::degreesMinutesText(359 + 59.96 / 60), "360° 0.0'");
    EXPECT_EQ(calculators::degreesMinutesText(-0.004 / 60), "0° 0.0'");
    EXPECT_EQ(calculators::degreesMinutesText(-(59.96 / 60)), "1° 0.0'");
    EXPECT_EQ(calculators::signedDegreesMinutesText(-0.004 / 60), "0° 0.0'");
    EXPECT_EQ(calculators::degreesMinutesText(-(5 + 30.0 / 60)), "5° 30.0'");
    EXPECT_EQ(calculators::degreesMinutesText(-0.5), "0° -30.0'");
    EXPECT_EQ(calculators::degreesMinutesText(-80), "80° 0.0'");
    EXPECT_EQ(calculators::signedDegreesMinutesText(-(5 + 30.0 / 60)), "-5° 30.0'");
    EXPECT_EQ(calculators::signedDegreesMinutesText(-0.5), "-0° 30.0'");
    EXPECT_EQ(calculators::signedDegreesMinutesText(-1e-9), "0° 0.0'");
    EXPECT_EQ(calculators::signedDegreesMinutesText(12.25), "12° 15.0'");
}

namespace checks {

using calculators::AngleField;

struct Case {
    const char* what;
    std::optional<std::string> message;  // nothing: the inputs pass
};

void expectProblems(const std::vector<std::pair<platform::Problem, Case>>& cases) {
    for (const auto& [problem, c] : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(problem, c.message);
    }
}

const char* const kNotANumber = " must be a number (use a point for decimals)";

std::string notANumber(const std::string& label) {
    return label + kNotANumber;
}

TEST(PanelChecks, DeadReckoningBoxes) {
    const auto dr = [](const char* course, const char* speed, AngleField lat, AngleField lon,
                       const char* hours = "1", const char* minutes = "0") {
        return calculators::deadReckoningProblem({course, speed, lat, lon, hours, minutes});
    };
    expectProblems({
        {dr("45", "10", north("40", "0"), west("70", "0")), {"ordinary", {}}},
        // Empty course, speed and position boxes read 0.
        {dr("", "", north("", ""), west("", ""), "", ""), {"empty", {}}},
        {dr(" 360 ", "0", north("90", "0"), west("180", "0")), {"upper bounds", {}}},
        {dr("abc", "10", north("40", "0"), west("70", "0")), {"abc", notANumber("True Course")}},
        {dr("45", "2,75", north("40", "0"), west("70", "0")),
         {"decimal comma", notANumber("Speed over ground")}},
        {dr("45", "10", north("40", "1.2.3"), west("70", "0")),
         {"two points", notANumber("Last Fix Latitude minutes")}},
        {dr("45", "10", north("40", "0"), west("12abc", "0")),
         {"trailing letters", notANumber("Last Fix Longitude degrees")}},
        {dr("45", "10", north("40", "0"), west("70", "0"), "1e3"),
         {"exponent", notANumber("Time interval hours")}},
        {dr("45", "10", north("40", "0"), west("70", "0"), "1", "x"),
         {"interval minutes", notANumber("Time interval minutes")}},
        {dr("360.01", "10", north("40", "0"), west("70", "0")),
         {"course above 360", "True Course must be 0 to 360 degrees"}},
        {dr("-1", "10", north("40", "0"), west("70", "0")),
         {"course below 0", "True Course must be 0 to 360 degrees"}},
        {dr("45", "-0.1", north("40", "0"), west("70", "0")),
         {"negative speed", "Speed over ground must not be negative"}},
        {dr("45", "10", north("40", "60"), west("70", "0")),
         {"60 minutes", "Last Fix Latitude minutes must be 0 to below 60"}},
        {dr("45", "10", north("40", "-75"), west("70", "0")),
         {"-75 minutes, sign ignored", "Last Fix Latitude minutes must be 0 to below 60"}},
        {dr("45", "10", north("40", "-59.9"), west("70", "0")), {"-59.9 minutes", {}}},
        {dr("45", "10", north("90", "0.1"), west("70", "0")),
         {"beyond the pole", "Last Fix Latitude must be between 0 and 90 degrees"}},
        {dr("45", "10", north("40", "0"), west("200", "0")),
         {"longitude 200", "Last Fix Longitude must be between 0 and 180 degrees"}},
        {dr("45", "10", north("40", "0"), west("180", "0.5")),
         {"longitude 180 0.5", "Last Fix Longitude must be between 0 and 180 degrees"}},
        // A negative interval runs back along the course.
        {dr("45", "10", north("40", "0"), west("70", "0"), "-2", "-30"), {"back in time", {}}},
    });
}

TEST(PanelChecks, HorizonBoxes) {
    const auto hz = [](const char* eye, const char* land) {
        return calculators::horizonProblem({eye, land});
    };
    expectProblems({
        {hz("2", ""), {"sea horizon", {}}},
        {hz("0", "0"), {"zeros", {}}},
        {hz("", " "), {"blanks", {}}},
        {hz("-5", ""), {"negative eye height", "Eye height must not be negative"}},
        {hz("2", "-1"), {"negative land", "Distance to land must not be negative"}},
        {hz("2,75", ""), {"comma", notANumber("Eye height")}},
        {hz("2", "abc"), {"abc", notANumber("Distance to land")}},
    });
}

TEST(PanelChecks, GreatCircleBoxes) {
    const auto gc = [](AngleField lat1, AngleField lon1, AngleField lat2, AngleField lon2) {
        return calculators::greatCircleProblem({lat1, lon1, lat2, lon2});
    };
    expectProblems({
        {gc(north("40", "0"), west("70", "0"), north("50", "0"), west("5", "0")), {"worked", {}}},
        {gc(south("90", ""), east("180", ""), north("", ""), west("", "")), {"bounds", {}}},
        {gc(north("40", "0"), west("70", "0"), north("50", "0"), west("5", "a")),
         {"letters", notANumber("Longitude #2 minutes")}},
        {gc(north("40", "0"), west("180", "1"), north("50", "0"), west("5", "0")),
         {"longitude", "Longitude #1 must be between 0 and 180 degrees"}},
        {gc(north("40", "0"), west("70", "0"), south("91", "0"), west("5", "0")),
         {"latitude", "Latitude #2 must be between 0 and 90 degrees"}},
    });
}

TEST(PanelChecks, RefractionBoxes) {
    const auto rf = [](const char* T, const char* P, const char* deg, const char* min) {
        return calculators::refractionProblem({T, P, deg, min});
    };
    const std::string altitude = "Apparent Altitude must be 0 to 90 degrees";
    expectProblems({
        {rf("15", "1010", "10", "0"), {"worked", {}}},
        {rf("15", "1010", "0", ""), {"0 degrees", {}}},
        {rf("15", "1010", "90", "0"), {"90 degrees", {}}},
        {rf("15", "1010", "-5", "0"), {"-5 degrees", altitude}},
        {rf("15", "1010", "95", "0"), {"95 degrees", altitude}},
        {rf("15", "1010", "90", "0.1"), {"90 degrees 0.1'", altitude}},
        // The minutes keep their typed sign: -24' is no minute of an angle.
        {rf("15", "1010", "-4", "-24"),
         {"-4 -24", "Apparent Altitude minutes must be 0 to below 60"}},
        {rf("-273", "1010", "10", "0"), {"-273 °C", "Air Temperature must be above -273 °C"}},
        {rf("-272.9", "1010", "10", "0"), {"-272.9 °C", {}}},
        {rf("15", "0", "10", "0"),
         {"no pressure", "Barometric pressure must be above 0 millibars"}},
        {rf("15", "", "10", "0"),
         {"empty pressure", "Barometric pressure must be above 0 millibars"}},
        {rf("15", "1010", "1O", "0"), {"letter O", notANumber("Apparent Altitude degrees")}},
    });
}

TEST(PanelChecks, AltitudeAndSumnerBoxes) {
    const auto alt = [](AngleField gha, AngleField dec) {
        return calculators::altitudeProblem({north("40", "0"), west("70", "0"), gha, dec});
    };
    const auto sumner = [](AngleField ho, AngleField gha) {
        return calculators::sumnerProblem({north("40", "0"), ho, gha, north("20", "0")});
    };
    expectProblems({
        {alt({"100", "0"}, north("20", "0")), {"worked altitude", {}}},
        {alt({"360", "0"}, south("90", "0")), {"bounds", {}}},
        {alt({"360", "0.1"}, north("20", "0")), {"GHA", "GHA must be 0 to 360 degrees"}},
        {alt({"xyz", "0"}, north("20", "0")), {"GHA text", notANumber("GHA degrees")}},
        {alt({"100", "0"}, south("90", "1")), {"DEC", "DEC must be 0 to 90 degrees"}},
        {calculators::altitudeProblem(
             {north("40", "0"), east("181", "0"), {"100", "0"}, north("20", "0")}),
         {"longitude", "Assumed Longitude must be between 0 and 180 degrees"}},
        {sumner({"57", "30"}, {"100", "0"}), {"worked Sumner", {}}},
        {sumner({"90", "0"}, {"0", "0"}), {"zenith", {}}},
        {sumner({"90", "1"}, {"100", "0"}),
         {"observed altitude", "Observed Altitude must be 0 to 90 degrees"}},
        {sumner({"57", "60"}, {"100", "0"}),
         {"60 minutes", "Observed Altitude minutes must be 0 to below 60"}},
        {sumner({"57", "30"}, {"400", "0"}), {"GHA", "GHA must be 0 to 360 degrees"}},
    });
}

TEST(PanelChecks, CircleOfPositionAngleAndLandmarks) {
    const auto cop = [](AngleField lon2, const char* angle) {
        return calculators::circleCentreProblem(
            {north("0", "0"), east("0", "0"), north("0", "0"), lon2, {angle, ""}});
    };
    const std::string angle = "Measured Angle must be above 0 and below 180 degrees";
    expectProblems({
        {cop(east("0", "6"), "60"), {"worked", {}}},
        {cop(east("0", "6"), "0"), {"0", angle}},
        {cop(east("0", "6"), "180"), {"180", angle}},
        {cop(east("0", "6"), "200"), {"200", angle}},
        // A typed sign is ignored: -10 reads 10 degrees.
        {cop(east("0", "6"), "-10"), {"-10", {}}},
        {cop(east("0", "6"), "179.9"), {"179.9", {}}},
        {cop(east("0", "0"), "60"), {"one position", calculators::kLandmarksAtOnePositionText}},
        {cop(east("0", "6"), "6O"), {"letter O", notANumber("Measured Angle degrees")}},
    });
    // 180 E and 180 W are one meridian.
    EXPECT_EQ(
        calculators::circleCentreProblem(
            {north("10", "0"), east("180", "0"), north("10", "0"), west("180", "0"), {"60", ""}}),
        std::optional<std::string>(calculators::kLandmarksAtOnePositionText));
}

}  // namespace checks

}  // namespace
