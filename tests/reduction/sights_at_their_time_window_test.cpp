// "Reduce Sights and Plot LOP's" takes every stored sight's place at its time
// with the chronometer correction and Delta T in force, through the real
// windows: a correction set after the bodies were clicked gives the fix of
// one set before; Delta T moves the Moon; a sight whose date the sight entry
// would refuse stops the reduction; a left-out block of zeros does not; and a
// reduction with the settings unchanged leaves the log and its file as they
// were.
//
// The leg and the three sights are the running case of
// tests/reduction/data/reduction_fixture.csv (Jupiter, the Moon and the Sun
// in the North Atlantic on 2025 December 11, the ship at 6 knots).
#include <gtest/gtest.h>

#include <QListWidget>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/report_window.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"
#include "tests/ui/fakes.h"
#include "tests/ui/temp_folder.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr double kRadPerDeg = 3.14159265358979 / 180;

struct TypedSight {
    std::string body, hsDeg, hsMin, limb;
    std::string year, month, day, hour, minute, second;
};

const TypedSight kSights[] = {
    {"Jupiter", "31", "12.8", "center", "2025", "12", "11", "10", "2", "17"},
    {"Moon", "46", "34.4", "lower", "2025", "12", "11", "10", "41", "52"},
    {"Sun", "19", "57.2", "upper", "2025", "12", "11", "13", "4", "36"},
};
constexpr int kMoonSight = 2;
constexpr int kSunSight = 3;

// Distance between two nearby positions, nautical miles.
double distanceNm(double lat1, double lon1, double lat2, double lon2) {
    const double mid = (lat1 + lat2) / 2 * kRadPerDeg;
    return 60 * std::hypot(lat2 - lat1, (lon2 - lon1) * std::cos(mid));
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One navigator's session: its own windows and fake services.
class Session {
  public:
    Session() { app.form1().showModeless(); }

    // The settings window's Delta T and chronometer correction; the air of
    // the running case.
    void typeSettings(const std::string& deltaT, const std::string& chronometer) {
        uitest::userClick(app.form1().Command5);  // "General Settings"
        app::Form7& s = app.form7();
        uitest::userType(s.Text1, deltaT);
        uitest::userType(s.Text108, chronometer);
        uitest::userType(s.Text4, "8");
        uitest::userType(s.Text5, "1003");
        uitest::userClick(s.Command1);  // "Close Form"
    }

    void typeLeg() {
        app::Form1& f = app.form1();
        const std::vector<std::pair<platform::ui::TextBox*, std::string>> fields = {
            {&f.Text8, "245"},   {&f.Text2, "6"},    {&f.Text3, "15"},   {&f.Text1, "25"},
            {&f.Text113, "41"},  {&f.Text6, "59.6"}, {&f.Text114, "46"}, {&f.Text7, "57.4"},
            {&f.Text9, "22"},    {&f.Text111, "30"}, {&f.Text10, "10"},  {&f.Text14, "12"},
            {&f.Text15, "2025"}, {&f.Text12, "12"},  {&f.Text11, "0"},   {&f.Text13, "11"},
            {&f.Text16, "12"},   {&f.Text17, "2025"}};
        for (const auto& [box, text] : fields) {
            uitest::userType(*box, text);
        }
        uitest::userClick(f.Option6);  // feet
        uitest::userClick(f.Option1);  // North
        uitest::userClick(f.Option3);  // West
    }

    // The three sights through the sight entry window: the body is clicked
    // with the settings of that moment, then "Save Changes".
    void typeSights() {
        uitest::userClick(app.form1().Command2);  // "View Sight Data Form"
        reduction::Form5& f = app.form5();
        int n = 0;
        for (const TypedSight& s : kSights) {
            if (++n > 1) {
                uitest::userClick(f.Command2);  // "Next Sight  ---->"
            }
            uitest::userClick(f.Option1);  // "Normal Sea"
            uitest::userType(f.Text5, s.hsDeg);
            uitest::userType(f.Text6, s.hsMin);
            uitest::userClick(s.limb == "upper"   ? f.Option4
                              : s.limb == "lower" ? f.Option5
                                                  : f.Option10);
            uitest::userType(f.Text17, "2.2");
            uitest::userClick(f.Option8);  // "On scale"
            uitest::userType(f.Text21, s.year);
            uitest::userType(f.Text20, s.month);
            uitest::userType(f.Text19, s.day);
            uitest::userType(f.Text18, s.hour);
            uitest::userType(f.Text22, s.minute);
            uitest::userType(f.Text2, s.second);
            int row = -1;
            for (int i = 0; i < f.List1.count(); ++i) {
                if (f.List1.item(i).rfind(s.body, 0) == 0) {
                    row = i;
                    break;
                }
            }
            ASSERT_GE(row, 0) << s.body;
            f.List1.listWidget()->scrollToItem(f.List1.listWidget()->item(row));
            uitest::userClickRow(f.List1, row);
            uitest::userClick(f.Command5);  // "Save Changes"
        }
        uitest::userClick(f.Command6);  // "Close Sight Data Form"
        ASSERT_EQ(app.Log.SightCount, 3);
    }

    // "Reduce Sights and Plot LOP's", accepting the pre-filled assumed
    // position.
    void reduce() {
        env.modalRunner.expectDialog<reduction::Form3>(
            [](reduction::Form3& d) { uitest::userClick(d.Command1); });
        uitest::userClick(app.form1().Command1);
        ASSERT_TRUE(env.messages.calls.empty()) << env.messages.calls.front().text;
    }

    double fixLat() const { return app.Reduction.PlotParams[6]; }
    double fixLon() const { return app.Reduction.PlotParams[7]; }

    // The "GHA = " line of "Detailed Output".
    std::string detailedGhaLine() {
        uitest::userClick(app.form1().Command3);
        const platform::ui::ListBox& list = app.form4().List1;
        for (int i = 0; i < list.count(); ++i) {
            if (list.item(i).rfind("GHA = ", 0) == 0) {
                return list.item(i);
            }
        }
        ADD_FAILURE() << "no GHA line";
        return {};
    }

    std::string saveFile(const std::filesystem::path& path) {
        env.fileDialogs.expectSave(path.string());
        app.form1().SaveFile.click();
        return fileBytes(path);
    }

    void openFile(const std::filesystem::path& path) {
        env.fileDialogs.expectOpen(path.string());
        app.form1().GetFile.click();
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

// The place fields 14 to 17 of every sight of two logs are the same.
void expectSamePlaces(const reduction::SightLog& a, const reduction::SightLog& b) {
    for (int i = 1; i <= 3; ++i) {
        for (int f = reduction::kFieldGHA; f <= reduction::kFieldHP; ++f) {
            EXPECT_EQ(a.SightData[i][f], b.SightData[i][f]) << "sight " << i << " field " << f;
        }
    }
}

TEST(SightsAtTheirTime, ACorrectionSetAfterTheBodyClicksGivesTheFixOfOneSetBefore) {
    // Sights entered with no chronometer correction, then 60 s set and the
    // sights reduced again...
    Session late;
    late.typeSettings("69.1", "0");
    late.typeLeg();
    late.typeSights();
    late.reduce();
    const double lat0 = late.fixLat();
    const double lon0 = late.fixLon();
    late.typeSettings("69.1", "60");
    late.reduce();

    // ... and the same sights entered with the 60 s set before their bodies
    // were clicked.
    Session early;
    early.typeSettings("69.1", "60");
    early.typeLeg();
    early.typeSights();
    early.reduce();

    EXPECT_LT(distanceNm(late.fixLat(), late.fixLon(), early.fixLat(), early.fixLon()), 0.01);
    EXPECT_EQ(late.detailedGhaLine(), early.detailedGhaLine());
    // The stored log now holds the places the body clicks store at 60 s.
    expectSamePlaces(late.app.Log, early.app.Log);
    // A minute later every GHA is 15' further west, and so is the fix (less
    // the Moon's own motion and the 0.1 n.mi. run of that minute).
    EXPECT_NEAR((late.fixLon() - lon0) * 60, -15, 0.5);
    EXPECT_NEAR((late.fixLat() - lat0) * 60, 0, 0.5);
}

TEST(SightsAtTheirTime, DeltaTSetAfterTheBodyClickMovesTheMoon) {
    Session s;
    s.typeSettings("67", "-4.0");
    s.typeLeg();
    s.typeSights();
    const double clicked = s.app.Log.SightData[kMoonSight][reduction::kFieldGHA];
    s.reduce();
    EXPECT_EQ(s.app.Reduction.CopGha[kMoonSight], clicked);

    s.typeSettings("100", "-4.0");
    s.reduce();
    // 33 s more of dynamical time: the Moon about 0.3' further east along
    // its orbit (0.5" of right ascension a second), so its GHA is smaller.
    const double moved = (clicked - s.app.Reduction.CopGha[kMoonSight]) * 60;
    EXPECT_GT(moved, 0.2);
    EXPECT_LT(moved, 0.4);
    EXPECT_EQ(s.app.Log.SightData[kMoonSight][reduction::kFieldGHA],
              s.app.Reduction.CopGha[kMoonSight]);

    // As the body click at Delta T 100 stores it.
    Session clickedAt100;
    clickedAt100.typeSettings("100", "-4.0");
    clickedAt100.typeLeg();
    clickedAt100.typeSights();
    expectSamePlaces(s.app.Log, clickedAt100.app.Log);
}

// The running case's leg, settings and sights as the file holds them.
reduction::SightFileContents runningFile(const reduction::SightLog& log,
                                         const reduction::LegSettings& leg,
                                         const reduction::GeneralSettings& general) {
    reduction::SightFileContents c;
    c.Leg = leg;
    c.General = general;
    c.Sights = reduction::sightRecordsOf(log);
    return c;
}

TEST(SightsAtTheirTime, AnIncludedSightOfMonthThirteenStopsTheReduction) {
    Session typed;
    typed.typeSettings("69.1", "-4.0");
    typed.typeLeg();
    typed.typeSights();
    reduction::SightFileContents contents = runningFile(
        typed.app.Log, typed.app.form1().legSettings(), typed.app.form7().generalSettings());
    contents.Sights[1].Fields[reduction::kFieldUTMonth] = 13;
    uitest::TempFolder dir;
    const std::filesystem::path path = dir.path() / "MONTH13.NAV";
    ASSERT_TRUE(reduction::saveSightFile(path, contents).ok);

    Session s;
    s.openFile(path);
    const reduction::SightLog before = s.app.Log;
    const reduction::ReductionResult resultBefore = s.app.Reduction;
    // No assumed-position dialog: the fake runner fails on one.
    s.env.messages.expect("Sight 2: Month must be 1 to 12");
    uitest::userClick(s.app.form1().Command1);
    ASSERT_EQ(s.env.messages.calls.size(), 1u);
    EXPECT_EQ(s.env.messages.calls[0].text, "Sight 2: Month must be 1 to 12");
    EXPECT_EQ(s.env.messages.calls[0].title, "Warning!");
    EXPECT_EQ(s.env.messages.beeps, 1);
    EXPECT_EQ(s.app.Log, before);
    EXPECT_EQ(s.app.Reduction.SightCount, resultBefore.SightCount);
    EXPECT_FALSE(s.app.form1().Command3.enabled());

    // Left out of the fix, the same sight keeps its stored values and the
    // other two give their fix.
    contents.Sights[1].Fields[reduction::kFieldIncluded] = 0;
    ASSERT_TRUE(reduction::saveSightFile(path, contents).ok);
    Session leftOut;
    leftOut.openFile(path);
    leftOut.reduce();
    for (int f = 1; f <= reduction::kSightFieldCount; ++f) {
        EXPECT_EQ(leftOut.app.Log.SightData[2][f], contents.Sights[1].Fields[f]) << f;
    }
    EXPECT_EQ(leftOut.app.Reduction.PlotParams[2], 2);
}

TEST(SightsAtTheirTime, ALeftOutBlockOfZerosBeforeThreeSightsStillGivesTheirFix) {
    Session typed;
    typed.typeSettings("69.1", "-4.0");
    typed.typeLeg();
    typed.typeSights();
    typed.reduce();

    // Sight 1 a block of zeros (an empty leg saved, then three sights).
    reduction::SightFileContents contents = runningFile(
        typed.app.Log, typed.app.form1().legSettings(), typed.app.form7().generalSettings());
    contents.Sights.insert(contents.Sights.begin(), reduction::SightRecord{});
    uitest::TempFolder dir;
    const std::filesystem::path path = dir.path() / "ZEROS.NAV";
    ASSERT_TRUE(reduction::saveSightFile(path, contents).ok);

    Session s;
    s.openFile(path);
    ASSERT_EQ(s.app.Log.SightCount, 4);
    s.reduce();
    EXPECT_EQ(s.app.Reduction.PlotParams[2], 3);
    EXPECT_LT(distanceNm(s.fixLat(), s.fixLon(), typed.fixLat(), typed.fixLon()), 1e-6);
    for (int f = 1; f <= reduction::kSightFieldCount; ++f) {
        EXPECT_EQ(s.app.Log.SightData[1][f], 0) << f;
    }
}

TEST(SightsAtTheirTime, UnchangedSettingsLeaveTheLogAndItsFileAsTheyWere) {
    Session s;
    s.typeSettings("69.1", "-4.0");
    s.typeLeg();
    s.typeSights();
    uitest::TempFolder dir;
    const std::string before = s.saveFile(dir.path() / "BEFORE.NAV");
    const reduction::SightLog log = s.app.Log;
    s.reduce();
    EXPECT_EQ(s.app.Log, log);
    EXPECT_EQ(s.saveFile(dir.path() / "AFTER.NAV"), before);
}

TEST(SightsAtTheirTime, TheLogChangesOnlyWhenTheReductionSucceeds) {
    Session s;
    s.typeSettings("69.1", "-4.0");
    s.typeLeg();
    s.typeSights();
    const reduction::SightLog log = s.app.Log;
    s.typeSettings("69.1", "56.0");

    // The dialog closed from its title bar.
    s.env.modalRunner.expectDialog<reduction::Form3>(
        [](reduction::Form3& d) { uitest::userCloseWindow(&d); });
    uitest::userClick(s.app.form1().Command1);
    EXPECT_EQ(s.app.Log, log);

    // An assumed position at the pole: the reduction warns.
    s.env.modalRunner.expectDialog<reduction::Form3>([](reduction::Form3& d) {
        uitest::userType(d.Text58, "90");
        uitest::userType(d.Text3, "0");
        uitest::userClick(d.Command1);
    });
    // The pole is refused by the reduction itself, after the places of the
    // new settings are worked: not by a check before them.
    const std::string pole(reduction::kAssumedAtPoleMessage);
    s.env.messages.expect(pole);
    uitest::userClick(s.app.form1().Command1);
    ASSERT_EQ(s.env.messages.calls.size(), 1u);
    EXPECT_EQ(s.env.messages.calls[0].text, pole);
    EXPECT_EQ(s.app.Log, log);
}

TEST(SightsAtTheirTime, AFileWithTheSunsOldFixedParallaxIsRecomputedByTheReduction) {
    Session typed;
    typed.typeSettings("69.1", "-4.0");
    typed.typeLeg();
    typed.typeSights();
    const double computedHP = typed.app.Log.SightData[kSunSight][reduction::kFieldHP];
    // 0.1466' at 1 au; the Sun of December 11 is 0.985 au away.
    EXPECT_NEAR(computedHP, 0.1466 / 0.985, 0.0005);

    reduction::SightFileContents contents = runningFile(
        typed.app.Log, typed.app.form1().legSettings(), typed.app.form7().generalSettings());
    contents.Sights[kSunSight - 1].Fields[reduction::kFieldHP] = 0.08;
    uitest::TempFolder dir;
    const std::filesystem::path path = dir.path() / "OLD.NAV";
    ASSERT_TRUE(reduction::saveSightFile(path, contents).ok);

    Session s;
    s.openFile(path);
    EXPECT_EQ(s.app.Log.SightData[kSunSight][reduction::kFieldHP], 0.08);  // opens unchanged
    s.reduce();
    EXPECT_EQ(s.app.Log.SightData[kSunSight][reduction::kFieldHP], computedHP);
}

}  // namespace
