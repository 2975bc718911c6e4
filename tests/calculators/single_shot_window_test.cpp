// The single-shot reduction window through its real controls: defaults, the
// worked Sun sight typed into its fields, the three printed lines, and
// closing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "almanac/almanac_window.h"
#include "app/app.h"
#include "calculators/calculators_window.h"
#include "calculators/single_shot_window.h"
#include "platform/ui/picture.h"
#include "tests/calculators/focus_chain.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using calculators::Form55;
using platform::ui::DrawItem;
using platform::ui::TextBox;

class SingleShotWindowTest : public ::testing::Test {
  protected:
    Form55& form() { return app.form55(); }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(SingleShotWindowTest, Defaults) {
    Form55& f = form();
    EXPECT_EQ(f.caption(), "Single Shot Simplified Reduction Form  (good for training)");
    for (TextBox* box :
         {&f.Text5, &f.Text6, &f.Text17, &f.Text1, &f.Text13, &f.Text14, &f.Text19, &f.Text21,
          &f.Text22, &f.Text18, &f.Text20, &f.Text25, &f.Text26, &f.Text23, &f.Text24}) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_TRUE(f.Option9.value());
    EXPECT_TRUE(f.Option2.value());
    EXPECT_TRUE(f.Option8.value());
    EXPECT_EQ(f.Command1.caption(), "Click to Reduce Sight");
    EXPECT_EQ(f.Command2.caption(), "Show Almanac");
    EXPECT_EQ(f.Command6.caption(), "Close");
    for (auto* label : {&f.Label24, &f.Label3, &f.Label4, &f.Label5}) {
        EXPECT_EQ(label->caption(), "");
    }
    EXPECT_TRUE(f.Picture1.displayList().empty());
}

TEST_F(SingleShotWindowTest, SunSightTypedIntoTheFields) {
    Form55& f = form();
    f.showModeless();
    // Worked Sun sight of the single-shot reduction.
    const std::vector<std::pair<TextBox*, std::string>> typed = {
        {&f.Text5, "36"}, {&f.Text6, "31"},   {&f.Text17, "-2.25"}, {&f.Text1, "14.8"},
        {&f.Text19, "3"}, {&f.Text21, "100"}, {&f.Text22, "0"},     {&f.Text18, "10"},
        {&f.Text20, "0"}, {&f.Text25, "40"},  {&f.Text26, "0"},     {&f.Text23, "50"},
        {&f.Text24, "0"},
    };
    for (const auto& [box, text] : typed) {
        uitest::userType(*box, text);
    }
    uitest::userClick(f.Command1);
    // Rounded to the tenth: Hc 36° 37.358', Ho 36° 40.55', Ha 36° 25.75'.
    EXPECT_EQ(f.Label24.caption(), "Hc = 36° 37.4'");
    EXPECT_EQ(f.Label3.caption(), "Azimuth = 250.0° ");
    EXPECT_EQ(f.Label4.caption(), "Observed Altitude Ho = 36° 40.6'");
    EXPECT_EQ(f.Label5.caption(), "Offset Distance = 3.19 nautical miles Towards");
    const std::vector<std::string> lines = {"Local Hour Angle LHA = 50° 0.0'    W",
                                            "Apparent Altitude Ha = 36° 25.8'",
                                            "Parallax in altitude PA = 0° 0.0'"};
    EXPECT_EQ(uitest::printedLines(f.Picture1), lines);

    // A second reduction replaces the lines; a southern declination counts.
    uitest::userClick(f.Option10);
    uitest::userClick(f.Command1);
    EXPECT_EQ(uitest::printedLines(f.Picture1).size(), 3u);
    EXPECT_NE(f.Label24.caption(), "Hc = 36° 37.4'");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(SingleShotWindowTest, HourAngleThatRoundsUpTo360ShowsZero) {
    Form55& f = form();
    f.showModeless();
    // GHA 359° 59.96' on the Greenwich meridian: the LHA rounds to 360° 0.0'
    // and reads as an almanac prints it, 0° 0.0'.
    const std::vector<std::pair<TextBox*, std::string>> typed = {
        {&f.Text5, "30"},  {&f.Text6, "0"},  {&f.Text21, "359"}, {&f.Text22, "59.96"},
        {&f.Text18, "10"}, {&f.Text20, "0"}, {&f.Text25, "40"},  {&f.Text26, "0"},
        {&f.Text23, "0"},  {&f.Text24, "0"},
    };
    for (const auto& [box, text] : typed) {
        uitest::userType(*box, text);
    }
    uitest::userClick(f.Command1);
    const std::vector<std::string> lines = uitest::printedLines(f.Picture1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Local Hour Angle LHA = 0° 0.0'", 0), 0u) << lines[0];
    // The body on the meridian 30° to the south: the azimuth is 180.0.
    EXPECT_EQ(f.Label3.caption(), "Azimuth = 180.0° ");
}

TEST_F(SingleShotWindowTest, AssumedLatitudeBeyondNinetyIsRefused) {
    Form55& f = form();
    f.showModeless();
    uitest::userType(f.Text25, "40");
    uitest::userType(f.Text21, "100");
    uitest::userClick(f.Command1);
    ASSERT_EQ(uitest::printedLines(f.Picture1).size(), 3u);
    // 90 deg 1' is beyond the pole.
    uitest::userType(f.Text25, "90");
    uitest::userType(f.Text26, "1");
    env.messages.expect("Assumed Latitude must be between 0 and 90 degrees");
    uitest::userClick(f.Command1);
    EXPECT_EQ(env.log, (std::vector<std::string>{
                           "beep",
                           "message Warning!: Assumed Latitude must be between 0 and 90 "
                           "degrees"}));
    for (const platform::ui::Label* result : {&f.Label24, &f.Label3, &f.Label4, &f.Label5}) {
        EXPECT_EQ(result->caption(), "");
    }
    EXPECT_TRUE(uitest::printedLines(f.Picture1).empty());
    // On the pole itself the sight is reduced.
    uitest::userType(f.Text26, "0");
    uitest::userClick(f.Command1);
    EXPECT_EQ(uitest::printedLines(f.Picture1).size(), 3u);
}

TEST_F(SingleShotWindowTest, EveryBoxThatIsNotANumberOrOutOfRangeIsRefused) {
    Form55& f = form();
    f.showModeless();
    const std::vector<std::pair<TextBox*, std::string>> sun = {
        {&f.Text5, "36"}, {&f.Text6, "31"},  {&f.Text17, "-2.25"}, {&f.Text1, "14.8"},
        {&f.Text13, "0"}, {&f.Text14, "0"},  {&f.Text19, "3"},     {&f.Text21, "100"},
        {&f.Text22, "0"}, {&f.Text18, "10"}, {&f.Text20, "0"},     {&f.Text25, "40"},
        {&f.Text26, "0"}, {&f.Text23, "50"}, {&f.Text24, "0"},
    };
    const std::string number = " must be a number (use a point for decimals)";
    struct Case {
        TextBox* box;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {&f.Text5, "abc", "Sextant Altitude degrees" + number},
        {&f.Text6, "2,75", "Sextant Altitude minutes" + number},
        {&f.Text17, "1.2.3", "Index Correction" + number},
        {&f.Text1, "12abc", "Altitude Correction" + number},
        {&f.Text13, "1e3", "Semi Diameter" + number},
        {&f.Text14, "x", "Horizontal Parallax" + number},
        {&f.Text19, "3m", "Dip Correction" + number},
        {&f.Text21, "xyz", "GHA degrees" + number},
        {&f.Text22, "o", "GHA minutes" + number},
        {&f.Text18, "N10", "DEC degrees" + number},
        {&f.Text20, "-", "DEC minutes" + number},
        {&f.Text25, "40N", "Assumed Latitude degrees" + number},
        {&f.Text26, "0.0.", "Assumed Latitude minutes" + number},
        {&f.Text23, "W50", "Assumed Longitude degrees" + number},
        {&f.Text24, "..", "Assumed Longitude minutes" + number},
        // The altitude of 10^24 degrees.
        {&f.Text5, "1000000000000000000000000", "Sextant Altitude must be 0 to 90 degrees"},
        {&f.Text6, "60", "Sextant Altitude minutes must be 0 to below 60"},
        {&f.Text21, "361", "GHA must be 0 to 360 degrees"},
        {&f.Text18, "91", "DEC must be 0 to 90 degrees"},
        {&f.Text23, "180.5", "Assumed Longitude must be between 0 and 180 degrees"},
        // Corrections no sight can have.
        {&f.Text17, "61", "Index Correction must be -60 to 60 arc minutes"},
        {&f.Text1, "5000", "Altitude Correction must be -90 to 90 arc minutes"},
        {&f.Text13, "-18.5", "Semi Diameter must be -18 to 18 arc minutes"},
        {&f.Text14, "63", "Horizontal Parallax must be 0 to 62 arc minutes"},
        {&f.Text14, "-0.5", "Horizontal Parallax must be 0 to 62 arc minutes"},
        {&f.Text19, "-121", "Dip Correction must be 120 arc minutes or less, either sign"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        for (const auto& [box, text] : sun) {
            uitest::userType(*box, text);
        }
        uitest::userClick(f.Command1);
        ASSERT_EQ(uitest::printedLines(f.Picture1).size(), 3u);
        ASSERT_TRUE(env.log.empty());
        uitest::userType(*c.box, c.text);
        env.messages.expect(c.message);
        uitest::userClick(f.Command1);
        EXPECT_EQ(env.log, (std::vector<std::string>{"beep", "message Warning!: " + c.message}));
        for (const platform::ui::Label* result : {&f.Label24, &f.Label3, &f.Label4, &f.Label5}) {
            EXPECT_EQ(result->caption(), "");
        }
        EXPECT_TRUE(uitest::printedLines(f.Picture1).empty());
        env.log.clear();
    }

    // Hs 89 55' with the Sun's corrections puts Ho 4.55' beyond the zenith;
    // Hs 0 5' with a correction of -20' puts it 20.25' below the horizon.
    const std::string ho = "Observed altitude Ho must be 0 to 90 degrees";
    for (const auto& [degrees, minutes, correction] :
         {std::tuple{"89", "55", "14.8"}, std::tuple{"0", "5", "-20"}}) {
        for (const auto& [box, text] : sun) {
            uitest::userType(*box, text);
        }
        uitest::userClick(f.Command1);
        uitest::userType(f.Text5, degrees);
        uitest::userType(f.Text6, minutes);
        uitest::userType(f.Text1, correction);
        env.messages.expect(ho);
        uitest::userClick(f.Command1);
        EXPECT_EQ(env.log, (std::vector<std::string>{"beep", "message Warning!: " + ho}));
        EXPECT_EQ(f.Label4.caption(), "");
        EXPECT_TRUE(uitest::printedLines(f.Picture1).empty());
        env.log.clear();
    }
    // Every correction at its limit is taken: Hs 30 0', IC +60', dip 120',
    // AC -73', SD +18', HP 62' at latitude 40: Ha 29 0', PA = 62' cos 29
    // (1 - sin^2 40 / 298.257) = 54.151', Ho 28 59.151'.
    const std::vector<std::pair<TextBox*, std::string>> limits = {
        {&f.Text5, "30"},  {&f.Text6, "0"},   {&f.Text17, "60"},  {&f.Text1, "-73"},
        {&f.Text13, "18"}, {&f.Text14, "62"}, {&f.Text19, "-120"}};
    for (const auto& [box, text] : limits) {
        uitest::userType(*box, text);
    }
    uitest::userClick(f.Command1);
    EXPECT_TRUE(env.log.empty());
    EXPECT_EQ(f.Label4.caption(), "Observed Altitude Ho = 28° 59.2'");
}

TEST_F(SingleShotWindowTest, ShowAlmanacOpensTheAlmanacWindowAsItIs) {
    Form55& f = form();
    f.showModeless();
    uitest::userType(f.Text21, "100");
    EXPECT_TRUE(f.Command2.enabled());
    uitest::userClick(f.Command2);
    ASSERT_NE(app.existingWindow<almanac::Form12>(), nullptr);
    almanac::Form12& almanac = app.form12();
    EXPECT_TRUE(almanac.isVisible());
    EXPECT_EQ(almanac.caption(), almanac::kForm12Caption);
    // Nothing passes between the two windows.
    EXPECT_EQ(f.Text21.text(), "100");
    EXPECT_EQ(f.Label24.caption(), "");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(SingleShotWindowTest, ClosingHidesAndKeepsTheResults) {
    Form55& f = form();
    for (auto close : {+[](Form55& w) { uitest::userClick(w.Command6); },
                       +[](Form55& w) { uitest::userCloseWindow(&w); }}) {
        f.showModeless();
        uitest::userType(f.Text5, "20");
        f.Command1.click();
        const std::string hc = f.Label24.caption();
        close(f);
        EXPECT_FALSE(f.isVisible());
        ASSERT_EQ(app.existingWindow<Form55>(), &f);
        app.form10().Command13.click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Text5.text(), "20");
        EXPECT_EQ(f.Label24.caption(), hc);
        EXPECT_EQ(uitest::printedLines(f.Picture1).size(), 3u);
    }
}

// The fields take the focus frame by frame in the order they are read: the
// sextant altitude first, the assumed longitude's options last, then the
// buttons.
TEST_F(SingleShotWindowTest, TabOrderFollowsTheFields) {
    Form55& f = form();
    const std::vector<QWidget*> order = {
        f.Text5.widget(),        f.Text6.widget(),        f.Text17.widget(),
        f.Text1.widget(),        f.Text13.widget(),       f.Text14.widget(),
        f.Text19.widget(),       f.Text21.widget(),       f.Text22.widget(),
        f.Text18.widget(),       f.Text20.widget(),       f.Option9.button(),
        f.Option10.button(),     f.Text25.widget(),       f.Text26.widget(),
        f.Text23.widget(),       f.Text24.widget(),       f.Option2.button(),
        f.Option5.button(),      f.Option1.button(),      f.Option8.button(),
        f.Command1.pushButton(), f.Command2.pushButton(), f.Command6.pushButton(),
    };
    EXPECT_EQ(focustest::tabChain(&f), order);
}

}  // namespace
