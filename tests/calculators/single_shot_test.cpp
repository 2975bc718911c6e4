// The single-shot reduction against the worked sights of its description
// (each case names its source).
#include "calculators/single_shot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using calculators::SingleShotInput;
using calculators::SingleShotResult;

// Hs, IC, AC, SD, HP, dip, GHA, Dec (with "S"), assumed position.
SingleShotInput sight(const char* hsDeg, const char* hsMin, const char* ic, const char* ac,
                      const char* sd, const char* hp, const char* dip, const char* ghaDeg,
                      const char* ghaMin, const char* decDeg, const char* decMin, bool decSouth,
                      const char* latDeg, const char* latMin, bool south, const char* lonDeg,
                      const char* lonMin, bool west) {
    SingleShotInput in;
    in.HsDegrees = hsDeg;
    in.HsMinutes = hsMin;
    in.IndexCorrection = ic;
    in.AltitudeCorrection = ac;
    in.SemiDiameter = sd;
    in.HorizontalParallax = hp;
    in.Dip = dip;
    in.Gha = {ghaDeg, ghaMin, false};
    in.Dec = {decDeg, decMin, decSouth};
    in.Lat = {latDeg, latMin, south};
    in.Lon = {lonDeg, lonMin, west};
    return in;
}

SingleShotInput sunSight() {
    return sight("36", "31", "-2.25", "14.8", "", "", "3", "100", "0", "10", "0", false, "40", "0",
                 false, "50", "0", true);
}

struct Shown {
    std::string Hc, Azimuth, Ho, Offset;
    std::vector<std::string> Lines;
};

void expectShown(const SingleShotResult& r, const Shown& s) {
    EXPECT_EQ(r.Hc, "Hc = " + s.Hc);
    EXPECT_EQ(r.Azimuth, "Azimuth = " + s.Azimuth + "° ");
    EXPECT_EQ(r.Ho, "Observed Altitude Ho = " + s.Ho);
    EXPECT_EQ(r.Offset, "Offset Distance = " + s.Offset);
    ASSERT_EQ(r.Lines.size(), 3u);
    EXPECT_EQ(r.Lines[0], "Local Hour Angle LHA = " + s.Lines[0]);
    EXPECT_EQ(r.Lines[1], "Apparent Altitude Ha = " + s.Lines[1]);
    EXPECT_EQ(r.Lines[2], "Parallax in altitude PA = " + s.Lines[2]);
}

TEST(SingleShotReduction, WorkedSights) {
    struct Case {
        const char* what;
        SingleShotInput in;
        Shown shown;
    };
    const Case cases[] = {
        // Worked Sun sight of the single-shot reduction, rounded: Hc 36°
        // 37.358', Ho 36° 40.55', Ha 36° 25.75', intercept 3.1916.
        {"Sun",
         sunSight(),
         {"36° 37.4'",
          "250.0",
          "36° 40.6'",
          "3.19 nautical miles Towards",
          {"50° 0.0'    W", "36° 25.8'", "0° 0.0'"}}},
        // Worked Moon sight: LHA 370 reduced to 10. Rounded: Hc 58° 37.078',
        // Zn 340.614, Ho 58° 1.601', intercept 35.4766, Ha 57° 18.55', PA
        // 30.751'.
        {"Moon",
         sight("57", "20", "1.5", "-3.2", "15.5", "57.0", "2.95", "350", "0", "5", "30", true, "35",
               "30", true, "20", "0", false),
         {"58° 37.1'",
          "340.6",
          "58° 1.6'",
          "35.48 nautical miles Away",
          {"10° 0.0'    W", "57° 18.6'", "0° 30.8'"}}},
        // All fields empty: the body in the zenith of 0, 0.
        {"empty",
         sight("", "", "", "", "", "", "", "", "", "", "", false, "", "", false, "", "", true),
         {"90° 0.0'",
          "270.0",
          "0° 0.0'",
          "5400.00 nautical miles Away",
          {"0° 0.0'    W", "0° 0.0'", "0° 0.0'"}}},
        // Noon sight due south: Hc = 90 - 40 + 10 = 60, Ho 5.555' higher;
        // Hc a hair below 60° reads 60° 0.0', the half hundredth rounds up.
        {"noon",
         sight("60", "5.555", "", "", "", "", "", "30", "0", "10", "0", false, "40", "0", false,
               "30", "0", true),
         {"60° 0.0'",
          "180.0",
          "60° 5.6'",
          "5.56 nautical miles Towards",
          {"0° 0.0'    W", "60° 5.6'", "0° 0.0'"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectShown(calculators::singleShotReduction(c.in), c.shown);
    }
}

TEST(SingleShotReduction, DipAlwaysSubtractedIndexCorrectionAsTyped) {
    SingleShotInput minusDip = sunSight();
    minusDip.Dip = "-3";
    const SingleShotResult a = calculators::singleShotReduction(sunSight());
    const SingleShotResult b = calculators::singleShotReduction(minusDip);
    EXPECT_EQ(a.Ho, b.Ho);
    EXPECT_EQ(a.Offset, b.Offset);
    EXPECT_EQ(a.Lines, b.Lines);

    // IC -2 lowers Ha by 2': 36° 31' - 3' - 2' = 36° 26'.
    SingleShotInput ic = sunSight();
    ic.IndexCorrection = "-2";
    EXPECT_EQ(calculators::singleShotReduction(ic).Lines[1], "Apparent Altitude Ha = 36° 26.0'");
}

TEST(SingleShotReduction, BodyEastOfTheMeridian) {
    // GHA 30, longitude 60 W: LHA -30 for Hc and Zn, printed as 330 E.
    const SingleShotResult r = calculators::singleShotReduction(sight(
        "", "", "", "", "", "", "", "30", "0", "0", "0", false, "0", "0", false, "60", "0", true));
    EXPECT_EQ(r.Lines[0], "Local Hour Angle LHA = 330° 0.0'    E");
    // On the equator with the body on the equator 30 degrees east: Zn = Z = 90.
    EXPECT_EQ(r.Azimuth, "Azimuth = 90.0° ");
    EXPECT_EQ(r.Hc, "Hc = 60° 0.0'");
}

TEST(SingleShotReduction, NegativeAltitudesShowTheirSign) {
    // Hs -5° -30' with nothing else: Ha = Ho = -5.5; the body in the zenith
    // of 0, 0 gives Hc 90.
    SingleShotInput low =
        sight("-5", "-30", "", "", "", "", "", "", "", "", "", false, "", "", false, "", "", true);
    SingleShotResult r = calculators::singleShotReduction(low);
    EXPECT_EQ(r.Ho, "Observed Altitude Ho = -5° 30.0'");
    EXPECT_EQ(r.Lines[1], "Apparent Altitude Ha = -5° 30.0'");

    // -0° 30' keeps its sign in front; a negative HP gives a negative PA.
    low.HsDegrees = "0";
    low.HorizontalParallax = "-30";
    r = calculators::singleShotReduction(low);
    EXPECT_EQ(r.Lines[1], "Apparent Altitude Ha = -0° 30.0'");
    // -29.9989' rounds to -30'.
    EXPECT_EQ(r.Lines[2], "Parallax in altitude PA = -0° 30.0'");

    // A body below the horizon: GHA 100° 20.55' from 0, 0 gives Hc
    // -10° 20.55'.
    low.Gha = {"100", "20.55", false};
    r = calculators::singleShotReduction(low);
    EXPECT_EQ(r.Hc, "Hc = -10° 20.6'");
    // The hour angle line is unchanged.
    EXPECT_EQ(r.Lines[0], "Local Hour Angle LHA = 100° 20.6'    W");
}

TEST(SingleShotReduction, OverflowingInputsSayUndefined) {
    SingleShotInput in = sunSight();
    in.HsDegrees = std::string(400, '9');
    in.HsMinutes = std::string(400, '9');
    const SingleShotResult r = calculators::singleShotReduction(in);
    EXPECT_EQ(r.Ho, "Observed Altitude Ho = undefined for these inputs");
    EXPECT_EQ(r.Offset, "Offset Distance = undefined for these inputs");
    EXPECT_EQ(r.Lines[1], "Apparent Altitude Ha = undefined for these inputs");
    EXPECT_EQ(r.Hc, "Hc = 36° 37.4'");
}

TEST(SingleShotReduction, BoxesRefusedByName) {
    const std::string number = " must be a number (use a point for decimals)";
    const auto with = [](void (*edit)(SingleShotInput&)) {
        SingleShotInput in = sunSight();
        edit(in);
        return calculators::singleShotProblem(in);
    };
    struct Case {
        platform::Problem problem;
        std::string message;  // "" passes
    };
    const Case cases[] = {
        {calculators::singleShotProblem(sunSight()), ""},
        {with([](SingleShotInput& in) { in.HsDegrees = "1" + std::string(24, '0'); }),
         "Sextant Altitude must be 0 to 90 degrees"},
        {with([](SingleShotInput& in) {
             in.HsDegrees = "90";
             in.HsMinutes = "0.1";
         }),
         "Sextant Altitude must be 0 to 90 degrees"},
        // 90 degrees passes as a sextant altitude; the sun sight's
        // corrections then raise Ho above the zenith.
        {with([](SingleShotInput& in) {
             in.HsDegrees = "90";
             in.HsMinutes = "";
         }),
         "Observed altitude Ho must be 0 to 90 degrees"},
        {with([](SingleShotInput& in) { in.HsDegrees = "-1"; }),
         "Sextant Altitude must be 0 to 90 degrees"},
        {with([](SingleShotInput& in) { in.HsMinutes = "-5"; }),
         "Sextant Altitude minutes must be 0 to below 60"},
        {with([](SingleShotInput& in) { in.Gha.Degrees = "xyz"; }), "GHA degrees" + number},
        {with([](SingleShotInput& in) {
             in.Gha.Degrees = "360";
             in.Gha.Minutes = "1";
         }),
         "GHA must be 0 to 360 degrees"},
        {with([](SingleShotInput& in) {
             in.Dec.Degrees = "90";
             in.Dec.Minutes = "1";
         }),
         "DEC must be 0 to 90 degrees"},
        {with([](SingleShotInput& in) {
             in.Dec = {"90", "0", true};
         }),
         ""},
        {with([](SingleShotInput& in) { in.Lat.Minutes = "60"; }),
         "Assumed Latitude minutes must be 0 to below 60"},
        {with([](SingleShotInput& in) { in.Lon.Degrees = "181"; }),
         "Assumed Longitude must be between 0 and 180 degrees"},
        {with([](SingleShotInput& in) { in.IndexCorrection = "2,25"; }),
         "Index Correction" + number},
        {with([](SingleShotInput& in) { in.AltitudeCorrection = "1.2.3"; }),
         "Altitude Correction" + number},
        {with([](SingleShotInput& in) { in.SemiDiameter = "16'"; }), "Semi Diameter" + number},
        {with([](SingleShotInput& in) { in.HorizontalParallax = "1e1"; }),
         "Horizontal Parallax" + number},
        {with([](SingleShotInput& in) { in.Dip = "abc"; }), "Dip Correction" + number},
        // Texts before ranges.
        {with([](SingleShotInput& in) {
             in.HsDegrees = "95";
             in.Dip = "x";
         }),
         "Dip Correction" + number},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].problem.value_or(""), cases[i].message) << "case " << i;
    }
}

TEST(SingleShotReduction, CorrectionsNoSightCanHaveAreRefused) {
    // The sun sight (Hs 36 31', IC -2.25', AC 14.8', dip 3') with one box
    // changed; its Ho is 36 40.5'.
    struct Case {
        std::string SingleShotInput::*box;
        std::string text;
        std::string message;  // "" passes
    };
    const std::string ic = "Index Correction must be -60 to 60 arc minutes";
    const std::string ac = "Altitude Correction must be -90 to 90 arc minutes";
    const std::string sd = "Semi Diameter must be -18 to 18 arc minutes";
    const std::string hp = "Horizontal Parallax must be 0 to 62 arc minutes";
    const std::string dip = "Dip Correction must be 120 arc minutes or less, either sign";
    const std::string ho = "Observed altitude Ho must be 0 to 90 degrees";
    const Case cases[] = {
        {&SingleShotInput::IndexCorrection, "60", ""},
        {&SingleShotInput::IndexCorrection, "-60", ""},
        {&SingleShotInput::IndexCorrection, "60.1", ic},
        {&SingleShotInput::IndexCorrection, "-61", ic},
        // An almanac's total Moon correction reaches +73'.
        {&SingleShotInput::AltitudeCorrection, "73", ""},
        {&SingleShotInput::AltitudeCorrection, "-90", ""},
        {&SingleShotInput::AltitudeCorrection, "90.5", ac},
        {&SingleShotInput::AltitudeCorrection, "5000", ac},
        {&SingleShotInput::SemiDiameter, "-18", ""},
        {&SingleShotInput::SemiDiameter, "18.1", sd},
        {&SingleShotInput::SemiDiameter, "-20", sd},
        {&SingleShotInput::HorizontalParallax, "62", ""},
        {&SingleShotInput::HorizontalParallax, "62.5", hp},
        {&SingleShotInput::HorizontalParallax, "-1", hp},
        // A land horizon can give 37'; the sign typed is not the dip's.
        {&SingleShotInput::Dip, "37", ""},
        {&SingleShotInput::Dip, "-120", ""},
        {&SingleShotInput::Dip, "120.5", dip},
        {&SingleShotInput::Dip, "-121", dip},
        {&SingleShotInput::HsDegrees, "89", ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SingleShotInput in = sunSight();
        in.*cases[i].box = cases[i].text;
        EXPECT_EQ(calculators::singleShotProblem(in).value_or(""), cases[i].message)
            << "case " << i;
    }
    // Hs 0 5': Ha 0 -0.25', with a correction of -20' Ho is -20.25'; the
    // same with +20' gives 19.75' above the horizon.
    SingleShotInput low = sunSight();
    low.HsDegrees = "0";
    low.HsMinutes = "5";
    low.AltitudeCorrection = "-20";
    EXPECT_EQ(calculators::singleShotProblem(low).value_or(""), ho);
    low.AltitudeCorrection = "20";
    EXPECT_EQ(calculators::singleShotProblem(low).value_or(""), "");
    // Hs 89 51' gives Ho 90 0.55': over; 89 50' gives 89 59.55'.
    SingleShotInput high = sunSight();
    high.HsDegrees = "89";
    high.HsMinutes = "51";
    EXPECT_EQ(calculators::singleShotProblem(high).value_or(""), ho);
    high.HsMinutes = "50";
    EXPECT_EQ(calculators::singleShotProblem(high).value_or(""), "");
}

}  // namespace
