// The correction preview: index correction, dip by horizon kind and eye
// height, apparent altitude, refraction and parallax in altitude.
// Expected values: worked by hand from the correction rules, unless a case
// names another source.
#include "reduction/correction_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/print_items.h"

namespace {

using reduction::correctionPreview;
using reduction::CorrectionPreview;
using reduction::CorrectionPreviewInput;
using reduction::HorizonKind;

constexpr double k = 0.017453292519943278;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<std::string> texts(const CorrectionPreview& p) {
    std::vector<std::string> out;
    for (const auto& line : p.Lines) {
        out.push_back(platform::printLineText(line));
    }
    return out;
}

CorrectionPreviewInput input(double side, HorizonKind horizon, double hsDeg, double hsMin,
                             double indexError, double eye, double temperature, double pressure,
                             double hp) {
    CorrectionPreviewInput in;
    in.IndexErrorSide = side;
    in.Horizon = horizon;
    in.HsDegrees = hsDeg;
    in.HsMinutes = hsMin;
    in.IndexError = indexError;
    in.EyeHeight = eye;
    in.Temperature = temperature;
    in.Pressure = pressure;
    in.HP = hp;
    return in;
}

// Expected values worked from the formulas with a calculator.
TEST(CorrectionPreview, LinesAndValuesForEachHorizon) {
    struct Case {
        const char* what;
        CorrectionPreviewInput in;
        double dip, Ha, R, PA;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"sea, 9 m, no index error, star",
         input(-1, HorizonKind::NormalSea, 30, 0, 0, 9, 10, 1010, 0),
         -5.274,
         29.9121,
         -1.7255733405872624,
         0,
         {" IC      0.0  ' Index correction", " DipCorr -5.27  ' Dip correction",
          " R       -1.73  ' Refraction correction",
          " PA      0.00  ' Parallax-in-altitude correction"}},
        {"sea, 9 m, off scale, Sun",
         input(1, HorizonKind::NormalSea, 45, 30, 2.5, 9, 15, 1010, 0.1466),
         -5.274,
         45.45376666666667,
         -0.9635009215654659,
         0.10283763867664553,
         {" IC      2.5  ' Index correction", " DipCorr -5.27  ' Dip correction",
          " R       -0.96  ' Refraction correction",
          " PA      0.10  ' Parallax-in-altitude correction"}},
        {"reflective artificial, on scale, Sun",
         input(-1, HorizonKind::ReflectiveArtificial, 60, 12, 1.2, 9, 15, 1010, 0.1466),
         0,
         30.09,
         -1.683626074980989,
         0.12684402824163793,
         {" IC     -1.2  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       -1.68  ' Refraction correction",
          " PA      0.13  ' Parallax-in-altitude correction"}},
        {"bubble, off scale, planet",
         input(1, HorizonKind::Bubble, 20, 6, 3, 5, 25, 990, 0.5),
         0,
         20.150000000000002,
         -2.4998584256213525,
         0.46939699744668273,
         {" IC      3.0  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       -2.50  ' Refraction correction",
          " PA      0.47  ' Parallax-in-altitude correction"}},
        {"sea, 3 m, cold air, Moon",
         input(-1, HorizonKind::NormalSea, 10, 0, 0, 3, 0, 1030, 57.3),
         -3.0449453197060863,
         9.949250911338233,
         -5.734352789046341,
         56.438275246956,
         {" IC      0.0  ' Index correction", " DipCorr -3.04  ' Dip correction",
          " R       -5.73  ' Refraction correction",
          " PA      56.44  ' Parallax-in-altitude correction"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CorrectionPreview p = correctionPreview(c.in);
        EXPECT_NEAR(p.dip, c.dip, 1e-12);
        EXPECT_NEAR(p.Ha, c.Ha, 1e-12);
        EXPECT_NEAR(p.R, c.R, 1e-12);
        EXPECT_NEAR(p.PA, c.PA, 1e-12);
        EXPECT_EQ(texts(p), c.lines);
    }
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(CorrectionPreview, ApparentAltitudeByHorizonKind) {
    struct Case {
        HorizonKind horizon;
        double side;
    };
    const Case cases[] = {
        {HorizonKind::ReflectiveArtificial, -1},
        {HorizonKind::ReflectiveArtificial, 1},
        {HorizonKind::Bubble, -1},
        {HorizonKind::Bubble, 1},
        {HorizonKind::NormalSea, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.horizon));
        const CorrectionPreview p =
            correctionPreview(input(c.side, c.horizon, 52, 17.3, -4.2, 12, 15, 1010, 0));
        const double Hs = 52 + 17.3 / 60;
        const double IC = 4.2 * c.side;
        EXPECT_EQ(p.Hs, Hs);
        EXPECT_EQ(p.IC, IC);
        EXPECT_EQ(p.s, c.side);
        switch (c.horizon) {
            case HorizonKind::ReflectiveArtificial:
                EXPECT_EQ(p.dip, 0);
                EXPECT_EQ(p.Ha, (Hs + IC / 60) * 0.5);
                break;
            case HorizonKind::Bubble:
                EXPECT_EQ(p.dip, 0);
                EXPECT_EQ(p.Ha, Hs + IC / 60);
                break;
            case HorizonKind::NormalSea: {
                const double dip = std::sqrt(12.0) * -0.0293 * 60;
                EXPECT_EQ(p.dip, dip);
                EXPECT_EQ(p.Ha, Hs + (dip + IC) / 60);
                break;
            }
        }
    }
}

// Expected values: worked by hand from the rule, as the comments show.
TEST(CorrectionPreview, EyeHeightInFeetGivesTheDipOfMetres) {
    CorrectionPreviewInput feet = input(-1, HorizonKind::NormalSea, 30, 0, 0, 3.2808, 15, 1010, 0);
    feet.EyeHeightInFeet = true;
    const CorrectionPreviewInput metre =
        input(-1, HorizonKind::NormalSea, 30, 0, 0, 1, 15, 1010, 0);
    const CorrectionPreview a = correctionPreview(feet);
    const CorrectionPreview b = correctionPreview(metre);
    EXPECT_EQ(a.dip, b.dip);
    EXPECT_EQ(a.dip, 1 * -0.0293 * 60);
    EXPECT_EQ(texts(a), texts(b));
    EXPECT_EQ(texts(a)[1], " DipCorr -1.76  ' Dip correction");
}

TEST(CorrectionPreview, ParallaxInAltitudeIsHpTimesCosineOfHa) {
    struct Case {
        const char* what;
        double hp;
    };
    const Case cases[] = {{"Sun", 0.1466}, {"star", 0}, {"Moon", 58.7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CorrectionPreview p =
            correctionPreview(input(1, HorizonKind::NormalSea, 38, 44, 1.5, 2.5, 15, 1010, c.hp));
        EXPECT_EQ(p.PA, std::cos(p.Ha * k) * c.hp);
    }
    const CorrectionPreview star =
        correctionPreview(input(1, HorizonKind::NormalSea, 38, 44, 1.5, 2.5, 15, 1010, 0));
    EXPECT_EQ(star.PA, 0);
    EXPECT_EQ(texts(star)[3], " PA      0.00  ' Parallax-in-altitude correction");
}

TEST(CorrectionPreview, ValuesThatCannotBeComputedShowDashes) {
    struct Case {
        const char* what;
        CorrectionPreviewInput in;
        std::vector<std::string> lines;
    };
    CorrectionPreviewInput nanPressure = input(-1, HorizonKind::Bubble, 30, 0, 0, 0, 15, 1010, 0);
    nanPressure.Pressure = kNaN;
    CorrectionPreviewInput nanHp = input(-1, HorizonKind::Bubble, 30, 0, 0, 0, 15, 1010, 0);
    nanHp.HP = kNaN;
    const Case cases[] = {
        // The dip, and with it Ha, refraction and parallax, have no value.
        {"negative eye height, sea",
         input(-1, HorizonKind::NormalSea, 30, 0, 0, -2, 15, 1010, 0.1466),
         {" IC      0.0  ' Index correction", " DipCorr --- ' Dip correction",
          " R       --- ' Refraction correction", " PA     --- ' Parallax-in-altitude correction"}},
        // Ha exactly -4.4: only the refraction divides by zero.
        {"Ha of -4.4",
         input(-1, HorizonKind::Bubble, -4.4, 0, 0, 0, 15, 1010, 0),
         {" IC      0.0  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       --- ' Refraction correction",
          " PA      0.00  ' Parallax-in-altitude correction"}},
        {"temperature of -273",
         input(-1, HorizonKind::Bubble, 30, 0, 0, 0, -273, 1010, 0),
         {" IC      0.0  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       --- ' Refraction correction",
          " PA      0.00  ' Parallax-in-altitude correction"}},
        {"infinite altitude",
         input(-1, HorizonKind::Bubble, kInf, 0, 0, 0, 15, 1010, 0),
         {" IC      0.0  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       --- ' Refraction correction", " PA     --- ' Parallax-in-altitude correction"}},
        {"pressure not a number",
         nanPressure,
         {" IC      0.0  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       --- ' Refraction correction",
          " PA      0.00  ' Parallax-in-altitude correction"}},
        {"HP not a number",
         nanHp,
         {" IC      0.0  ' Index correction", " DipCorr  0.00  ' Dip correction",
          " R       -1.69  ' Refraction correction",
          " PA     --- ' Parallax-in-altitude correction"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(texts(correctionPreview(c.in)), c.lines);
    }
}

TEST(CorrectionPreview, IndexCorrectionTooLargeToShowGivesDashes) {
    // 1e308 arc minutes has no tenths to round to.
    const CorrectionPreview p =
        correctionPreview(input(1, HorizonKind::Bubble, 30, 0, 1e308, 0, 15, 1010, 0));
    EXPECT_EQ(p.IC, 1e308);
    EXPECT_EQ(platform::printLineText(p.Lines[0]), " IC     --- ' Index correction");
}

TEST(CorrectionPreview, DashesReplaceOnlyTheNumberItem) {
    const CorrectionPreview p =
        correctionPreview(input(-1, HorizonKind::NormalSea, 30, 0, 0, -1, 15, 1010, 0));
    EXPECT_TRUE(std::isnan(p.dip));
    EXPECT_TRUE(std::isnan(p.Ha));
    ASSERT_EQ(p.Lines.size(), 4u);
    const platform::PrintLine& dip = p.Lines[1];
    ASSERT_EQ(dip.size(), 4u);
    EXPECT_EQ(dip[0].text, " DipCorr ");
    EXPECT_EQ(dip[1].kind, platform::PrintItem::Kind::Text);
    EXPECT_EQ(dip[1].text, "---");
    EXPECT_EQ(dip[2].text, " '");
    EXPECT_EQ(dip[3].text, " Dip correction");
    // The same eye height on a bubble horizon has no dip to fail.
    const CorrectionPreview bubble =
        correctionPreview(input(-1, HorizonKind::Bubble, 30, 0, 0, -1, 15, 1010, 0));
    EXPECT_EQ(bubble.dip, 0);
    EXPECT_TRUE(std::isfinite(bubble.R));
}

}  // namespace
