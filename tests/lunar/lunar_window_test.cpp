// The lunar window offscreen: its fields and list at start, the main
// window's "Lunars", the clearing through the real button, "Now", "CLOSE",
// and the lunar-distance file through the real menu items with scripted file
// dialogs.
#include <gtest/gtest.h>

#include <QWidget>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "lunar/lunar_window.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "platform/seqfile.h"
#include "platform/ui/picture.h"
#include "tests/lunar/lunar_test_support.h"
#include "tests/ui/fakes.h"
#include "tests/ui/temp_folder.h"
#include "tests/ui/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using lunar::Form8;
using platform::ui::DrawItem;
using uitest::readBytes;
using uitest::writeBytes;

constexpr const char* kBadFile = "Unreadable Data File. Possible Bad Format";
constexpr const char* kNoFile = "There was no file selected.";

class LunarWindowTest : public ::testing::Test {
  protected:
    fs::path file(const std::string& name) const { return dir_.path() / name; }

    // The Sun and the Moon on 2025 June 3 (tests/lunar/data/lunar_fixture.csv,
    // case sun_inner), typed as the navigator types them.
    void typeSunSight() {
        Form8& f = app.form8();
        uitest::userType(f.Text113, "15");
        uitest::userType(f.Text6, "36.8");
        uitest::userClick(f.Option1);
        uitest::userType(f.Text114, "54");
        uitest::userType(f.Text7, "11.5");
        uitest::userClick(f.Option3);
        uitest::userType(f.Text2, "97");
        uitest::userType(f.Text3, "36.3");
        uitest::userType(f.Text4, "18");
        uitest::userType(f.Text5, "1016");
        uitest::userType(f.Text15, "2025");
        uitest::userType(f.Text14, "6");
        uitest::userType(f.Text13, "3");
        uitest::userType(f.Text12, "20");
        uitest::userType(f.Text17, "9");
        uitest::userType(f.Text8, "12");
        uitest::userType(f.Text11, "69.1");
        uitest::userClickRow(f.List1, 0);
    }

    struct Snapshot {
        lunar::LunarFileContents contents;
        bool centre;
        int selectedBody;
        std::string caption;
        std::vector<std::string> output;
        std::string zone;
    };
    Snapshot snapshot() {
        Form8& f = app.form8();
        return {f.fileContents(),
                f.Option9.value(),
                f.SelectedBody,
                f.caption(),
                uitest::printedLines(f.Picture1),
                f.Text10.text()};
    }
    static void expectSame(const Snapshot& a, const Snapshot& b) {
        EXPECT_EQ(a.contents, b.contents);
        EXPECT_EQ(a.centre, b.centre);
        EXPECT_EQ(a.selectedBody, b.selectedBody);
        EXPECT_EQ(a.caption, b.caption);
        EXPECT_EQ(a.output, b.output);
        EXPECT_EQ(a.zone, b.zone);
    }

    void saveTo(const fs::path& path) {
        env.fileDialogs.expectSave(path.string());
        app.form8().menuSave.click();
    }
    void openFrom(const fs::path& path) {
        env.fileDialogs.expectOpen(path.string());
        app.form8().menuOpen.click();
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};

  private:
    uitest::TempFolder dir_{"celnav-lunar-window"};
};

TEST_F(LunarWindowTest, AtLoad) {
    Form8& f = app.form8();
    EXPECT_EQ(f.caption(), "Clearing the Lunar Distance");
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(f.List1.count(), 63);
    EXPECT_EQ(f.List1.item(0), "Sun");
    EXPECT_EQ(f.List1.item(4), "Saturn");
    EXPECT_EQ(f.List1.item(5), "Acamar   ");
    EXPECT_EQ(f.List1.item(62), app.Stars.StarNames[58]);
    // The Sun is both what the list shows and what the clearing uses.
    EXPECT_EQ(f.List1.selectedIndex(), 0);
    EXPECT_EQ(f.SelectedBody, 0);
    EXPECT_EQ(f.fileContents(), lunar::LunarFileContents{});
    EXPECT_FALSE(f.Option9.value());
    EXPECT_EQ(f.Text10.text(), platform::generalText(platform::computerZoneHours()));
    EXPECT_EQ(f.Command2.caption(), "Click here to Calculate Correct Time and Longitude");
    EXPECT_EQ(f.menuOpen.caption(), "OpenFile");
    EXPECT_EQ(f.menuSave.caption(), "SaveFile");
    EXPECT_TRUE(env.log.empty());
}

TEST_F(LunarWindowTest, FitsAnEightHundredBySixHundredScreen) {
    Form8& f = app.form8();
    f.showModeless();
    // The whole window with its menu bar, and every control inside it.
    EXPECT_LE(f.width(), 800);
    EXPECT_LE(f.height(), 600);
    for (const QWidget* w : f.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&f)) {
            continue;
        }
        const QRect inForm(w->mapTo(&f, QPoint(0, 0)), w->size());
        EXPECT_TRUE(f.rect().contains(inForm)) << w->metaObject()->className();
    }
    // The output's longest lines fit the picture's width.
    typeSunSight();
    uitest::userClick(f.Command2);
    std::vector<std::string> lines = uitest::printedLines(f.Picture1);
    ASSERT_EQ(lines.size(), 5u);
    for (const std::string_view line :
         {lunar::kNoDistanceChangeLine, lunar::kCheckInputsLine, lunar::kDistanceRangeLine,
          lunar::kMoonBelowHorizonLine, lunar::kBodyBelowHorizonLine,
          lunar::kFarFromChronometerLine, lunar::kNotSettledLine}) {
        lines.emplace_back(line);
    }
    lines.emplace_back(" Estimated Latitude must be between 0 and 90 degrees");
    lines.emplace_back(" Delta T must be -100 to 1000 seconds");
    for (const std::string& line : lines) {
        EXPECT_LT(f.Picture1.textWidth(line), f.Picture1.scaleWidth()) << line;
    }
}

TEST_F(LunarWindowTest, MainWindowShowsItWithTheSettings) {
    app::Form7& settings = app.form7();
    settings.Text1.setText("69.1");
    settings.Text2.setText("-3");
    app::Form1& main = app.form1();
    EXPECT_TRUE(main.menuLunar.enabled());
    main.menuLunar.click();
    Form8& f = app.form8();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text11.text(), "69.1");
    EXPECT_EQ(f.Text10.text(), "-3");
    // Again, over what was typed in between.
    uitest::userType(f.Text11, "70");
    main.menuLunar.click();
    EXPECT_EQ(f.Text11.text(), "69.1");
}

TEST_F(LunarWindowTest, ClearsTheDistanceAndChangesNoField) {
    typeSunSight();
    Form8& f = app.form8();
    const lunar::LunarFileContents before = f.fileContents();
    uitest::userClick(f.Command2);
    const std::vector<std::string> lines = uitest::printedLines(f.Picture1);
    ASSERT_EQ(lines.size(), 5u);
    // The true time is 20:00:00 (the fixture); the chronometer said 20:09:12.
    EXPECT_TRUE(lines[0] == " Correct time at observation 19:59:" + lines[0].substr(35) ||
                lines[0].rfind(" Correct time at observation 20:00:", 0) == 0)
        << lines[0];
    EXPECT_EQ(lines[1].rfind(" Better Longitude W  5", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind(" Lunar Distance Cleared ", 0), 0u);
    EXPECT_EQ(lines[3].rfind(" Lunar Distance Apparent  98 \xC2\xB0 ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4].rfind(" Augmented Semidiameter  1", 0), 0u) << lines[4];
    EXPECT_EQ(f.fileContents(), before);

    // A list click clears the output and takes the body.
    uitest::userClickRow(f.List1, 3);
    EXPECT_TRUE(uitest::printedLines(f.Picture1).empty());
    EXPECT_EQ(f.SelectedBody, 3);
    f.List1.setSelectedIndex(-1);
    EXPECT_EQ(f.SelectedBody, -1);

    // A star's record number is kept when its place is computed.
    uitest::userClickRow(f.List1, 20);
    uitest::userClick(f.Command2);
    EXPECT_EQ(f.SelectedStar, 15);
}

TEST_F(LunarWindowTest, SaysWhyItCannotClear) {
    typeSunSight();
    Form8& f = app.form8();
    // The chronometer 13 hours out: the Moon is below the horizon then.
    uitest::userType(f.Text12, "7");
    uitest::userClick(f.Command2);
    EXPECT_EQ(uitest::printedLines(f.Picture1),
              std::vector<std::string>{std::string(lunar::kMoonBelowHorizonLine)});
    EXPECT_EQ(f.Text12.text(), "7");
}

// The printed figures are those of the clearing rounded to the place shown,
// worked here from the whole number of units of the last place (this sight's
// apparent distance and semi-diameter are ones the cut showed a unit low).
TEST_F(LunarWindowTest, PrintsTheClearingRounded) {
    typeSunSight();
    Form8& f = app.form8();
    uitest::userClick(f.Command2);
    const lunar::ClearingResult r = lunar::clearLunarDistance(f.clearingInput());
    ASSERT_TRUE(r.Failure.empty());
    EXPECT_EQ(uitest::printedLines(f.Picture1),
              (std::vector<std::string>{
                  " Correct time at observation " + lunartest::timeText(r.CorrectTime),
                  " Better Longitude W " + lunartest::degMinText(-r.BetterLongitude),
                  " Lunar Distance Cleared " + lunartest::degMinText(r.Cleared),
                  " Lunar Distance Apparent " + lunartest::degMinText(r.Apparent),
                  " Augmented Semidiameter " + lunartest::hundredthsText(r.AugmentedSD) + " '",
              }));
}

TEST_F(LunarWindowTest, NowTakesTheSettingsZone) {
    Form8& f = app.form8();
    app.form7().Text2.setText("5");
    f.Text10.setText("-2");  // the window's own zone is not read
    env.clock.time = {2024, 1, 31, 21, 30, 10, 400};
    uitest::userClick(f.Command4);
    // A calendar date: the day and the month carry.
    EXPECT_EQ(f.Text15.text(), "2024");
    EXPECT_EQ(f.Text14.text(), "2");
    EXPECT_EQ(f.Text13.text(), "1");
    EXPECT_EQ(f.Text12.text(), "2");
    EXPECT_EQ(f.Text17.text(), "30");
    EXPECT_EQ(f.Text8.text(), "10");
    EXPECT_EQ(env.clock.reads, 1);

    // East of Greenwich early on New Year's Day: the year before, a time of
    // day, the zone's half hour in the minutes.
    app.form7().Text2.setText("-5.5");
    env.clock.time = {2025, 1, 1, 3, 10, 0, 0};
    uitest::userClick(f.Command4);
    EXPECT_EQ(f.Text15.text(), "2024");
    EXPECT_EQ(f.Text14.text(), "12");
    EXPECT_EQ(f.Text13.text(), "31");
    EXPECT_EQ(f.Text12.text(), "21");
    EXPECT_EQ(f.Text17.text(), "40");
    EXPECT_EQ(f.Text8.text(), "0");

    // A zone no clock has: the warning, which says where the zone is set,
    // and no field changes.
    const std::string refusal =
        "The time zone of the settings must be -14 to 14 hours: set it in the sight planner "
        "and press \"Remember these settings as my default\"";
    app.form7().Text2.setText("25");
    env.messages.expect(refusal);
    uitest::userClick(f.Command4);
    EXPECT_EQ(env.log.back(), "message Warning!: " + refusal);
    EXPECT_EQ(f.Text15.text(), "2024");
    EXPECT_EQ(f.Text12.text(), "21");
}

// The zone at start is the computer's own, hours west positive.
TEST(LunarWindowZone, StartsWithTheComputersZone) {
    const char* old = std::getenv("TZ");
    const std::string saved = old != nullptr ? old : "";
    setenv("TZ", "<-0330>3:30", 1);  // 3 h 30 min west of Greenwich
    tzset();
    {
        uitest::FakeEnvironment env;
        app::App app{env.services()};
        EXPECT_EQ(app.form8().Text10.text(), "3.5");
    }
    if (old != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

// One refused field: the output names it, nothing is computed and the
// answer from before is gone; the fields stay as typed.
TEST_F(LunarWindowTest, RefusesAnImpossibleFieldInItsOutput) {
    Form8& f = app.form8();
    struct Case {
        platform::ui::TextBox* box;
        const char* typed;
        const char* line;
    };
    const Case cases[] = {
        {&f.Text113, "95", " Estimated Latitude must be between 0 and 90 degrees"},
        {&f.Text113, "90", " Estimated Latitude must be between 0 and 90 degrees"},  // 90 36.8'
        {&f.Text6, "4800", " Estimated Latitude minutes must be 0 to below 60"},
        {&f.Text6, "-60", " Estimated Latitude minutes must be 0 to below 60"},
        {&f.Text114, "180", " Estimated Longitude must be between 0 and 180 degrees"},
        {&f.Text114, "200", " Estimated Longitude must be between 0 and 180 degrees"},
        {&f.Text7, "75", " Estimated Longitude minutes must be 0 to below 60"},
        {&f.Text3, "60", " Lunar Distance Measured minutes must be 0 to below 60"},
        {&f.Text3, "-0.5", " Lunar Distance Measured minutes must be 0 to below 60"},
        {&f.Text4, "-273", " Air Temperature must be above -273 deg C"},
        {&f.Text5, "0", " Barometric pressure must be above 0 millibars"},
        {&f.Text5, "", " Barometric pressure must be above 0 millibars"},
        {&f.Text15, "1e20", " Year must be a number (use a point for decimals)"},
        {&f.Text15, "0", " Year must be 1000 to 3000"},
        {&f.Text14, "13", " Month must be 1 to 12"},
        {&f.Text13, "31", " Day must be 1 to 30"},
        {&f.Text13, "", " Day must be 1 to 30"},
        {&f.Text12, "25", " UTC hour must be 0 to below 24"},
        {&f.Text17, "60", " UTC minute must be 0 to below 60"},
        {&f.Text8, "-1", " UTC second must be 0 to below 60"},
        {&f.Text11, "5000", " Delta T must be -100 to 1000 seconds"},
        // Every box the clearing reads a number as a whole text.
        {&f.Text113, "15N", " Estimated Latitude must be a number (use a point for decimals)"},
        {&f.Text6, "36,8",
         " Estimated Latitude minutes must be a number (use a point for decimals)"},
        {&f.Text114, "abc", " Estimated Longitude must be a number (use a point for decimals)"},
        {&f.Text7, "11.5.0",
         " Estimated Longitude minutes must be a number (use a point for decimals)"},
        {&f.Text2, "97deg", " Lunar Distance Measured must be a number (use a point for decimals)"},
        {&f.Text3, "3 6",
         " Lunar Distance Measured minutes must be a number (use a point for decimals)"},
        {&f.Text4, "18C", " Air Temperature must be a number (use a point for decimals)"},
        {&f.Text5, "1016mb", " Barometric pressure must be a number (use a point for decimals)"},
        {&f.Text14, "June", " Month must be a number (use a point for decimals)"},
        {&f.Text13, "3rd", " Day must be a number (use a point for decimals)"},
        {&f.Text12, "20h", " UTC hour must be a number (use a point for decimals)"},
        {&f.Text17, "9'", " UTC minute must be a number (use a point for decimals)"},
        {&f.Text8, "1e1", " UTC second must be a number (use a point for decimals)"},
        {&f.Text11, "69,1", " Delta T must be a number (use a point for decimals)"},
    };
    for (const Case& c : cases) {
        typeSunSight();
        uitest::userClick(f.Command2);
        ASSERT_EQ(uitest::printedLines(f.Picture1).size(), 5u) << c.typed;
        uitest::userType(*c.box, c.typed);
        const lunar::LunarFileContents typed = f.fileContents();
        uitest::userClick(f.Command2);
        EXPECT_EQ(uitest::printedLines(f.Picture1), std::vector<std::string>{c.line}) << c.typed;
        EXPECT_EQ(f.fileContents(), typed);
    }
    EXPECT_TRUE(env.log.empty());  // said in the output, not in a box
    // A measured distance beyond 180 degrees clears nothing either.
    typeSunSight();
    uitest::userType(f.Text2, "181");
    uitest::userClick(f.Command2);
    EXPECT_EQ(uitest::printedLines(f.Picture1),
              std::vector<std::string>{std::string(lunar::kDistanceRangeLine)});
}

// Empty minutes and seconds read 0, a typed sign of the position is ignored,
// and the notes and the time zone are not read: the clearing answers.
TEST_F(LunarWindowTest, EmptyMinutesAndUnreadBoxesStillClear) {
    Form8& f = app.form8();
    typeSunSight();
    uitest::userType(f.Text113, "-15");
    uitest::userType(f.Text8, "");
    uitest::userType(f.Text10, "abc");
    uitest::userType(f.Text21, "notes, with a comma");
    uitest::userClick(f.Command2);
    EXPECT_EQ(uitest::printedLines(f.Picture1).size(), 5u)
        << uitest::printedLines(f.Picture1).at(0);
    const lunar::ClearingInput in = f.clearingInput();
    EXPECT_NEAR(in.Lat, 15 + 36.8 / 60, 1e-12);
    EXPECT_NEAR(in.U, 20 + 9.0 / 60, 1e-12);
    EXPECT_TRUE(env.log.empty());
}

TEST_F(LunarWindowTest, CloseHidesAndKeepsEverything) {
    typeSunSight();
    Form8& f = app.form8();
    uitest::userClickRow(f.List1, 7);
    f.showModeless();
    const Snapshot before = snapshot();
    uitest::userClick(f.Command1);
    EXPECT_FALSE(f.isVisible());
    f.showModeless();
    EXPECT_EQ(&app.form8(), &f);
    EXPECT_EQ(f.fileContents(), before.contents);
    EXPECT_EQ(f.SelectedBody, 7);
}

TEST_F(LunarWindowTest, SavesAndOpensEveryField) {
    typeSunSight();
    Form8& f = app.form8();
    uitest::userType(f.Text21, "Sun and Moon, afternoon");
    uitest::userClick(f.Option2);  // South
    uitest::userClick(f.Option4);  // East
    uitest::userClick(f.Option9);  // Moon centre
    uitest::userClick(f.Option7);  // Sun outer
    uitest::userClickRow(f.List1, 33);
    const Snapshot typed = snapshot();

    const fs::path path = file("afternoon.LUN");
    saveTo(path);
    EXPECT_EQ(f.caption(), "Clearing the Lunar Distance current Data file: afternoon.LUN");
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.rfind("CelestialNavigationKestlowL\r\nSun and Moon  afternoon\r\n", 0), 0u);

    // Everything changed, then the file opened again.
    uitest::userType(f.Text21, "other");
    for (platform::ui::TextBox* box :
         {&f.Text4, &f.Text5, &f.Text113, &f.Text6, &f.Text114, &f.Text7, &f.Text2, &f.Text3,
          &f.Text15, &f.Text14, &f.Text13, &f.Text12, &f.Text17, &f.Text8, &f.Text11}) {
        uitest::userType(*box, "1");
    }
    uitest::userClick(f.Option1);
    uitest::userClick(f.Option3);
    uitest::userClick(f.Option6);
    uitest::userClick(f.Option8);
    uitest::userClickRow(f.List1, 2);
    openFrom(path);
    EXPECT_EQ(f.caption(), "Lunar Distance current Data file: afternoon.LUN");
    const Snapshot opened = snapshot();
    lunar::LunarFileContents expected = typed.contents;
    expected.Notes = "Sun and Moon  afternoon";  // the comma is a blank in the file
    EXPECT_EQ(opened.contents, expected);
    EXPECT_TRUE(opened.centre);  // "Center" survives the file
    EXPECT_EQ(opened.selectedBody, 33);
    EXPECT_TRUE(env.messages.calls.empty());
}

TEST_F(LunarWindowTest, NoBodyChosenSurvivesTheFile) {
    Form8& f = app.form8();
    f.List1.setSelectedIndex(-1);
    const fs::path path = file("none.LUN");
    saveTo(path);
    EXPECT_NE(readBytes(path).find("\r\n-1\r\n"), std::string::npos);
    uitest::userClickRow(f.List1, 4);
    openFrom(path);
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    EXPECT_EQ(f.SelectedBody, -1);
}

TEST_F(LunarWindowTest, OpeningTheSameBodyClearsTheOutput) {
    typeSunSight();
    Form8& f = app.form8();
    const fs::path path = file("sun.LUN");
    saveTo(path);
    uitest::userClick(f.Command2);
    ASSERT_FALSE(uitest::printedLines(f.Picture1).empty());
    openFrom(path);
    EXPECT_TRUE(uitest::printedLines(f.Picture1).empty());
    EXPECT_EQ(f.SelectedBody, 0);
}

TEST_F(LunarWindowTest, ABadFileChangesNothing) {
    typeSunSight();
    Form8& f = app.form8();
    uitest::userClick(f.Command2);
    const fs::path good = file("good.LUN");
    saveTo(good);
    const std::string bytes = readBytes(good);
    uitest::userType(f.Text21, "changed after saving");
    uitest::userClick(f.Command2);

    // Twenty lines, an option that is not a truth value, a body out of range.
    std::string twenty;
    std::size_t at = 0;
    for (int line = 0; line < 20; ++line) {
        at = bytes.find("\r\n", at) + 2;
    }
    twenty = bytes.substr(0, at);
    std::string badOption = bytes;
    badOption.replace(badOption.find("True"), 4, "Yes!");
    std::string badBody = bytes.substr(0, bytes.size() - 3) + "63\r\n";
    for (const std::string& content : {twenty, badOption, badBody}) {
        const fs::path path = file("bad.LUN");
        writeBytes(path, content);
        const Snapshot before = snapshot();
        env.messages.expect(kBadFile);
        openFrom(path);
        ASSERT_FALSE(env.messages.calls.empty());
        EXPECT_EQ(env.messages.calls.back().title, "");
        expectSame(snapshot(), before);
    }
    // A file that is not there.
    const Snapshot before = snapshot();
    env.messages.expect(kBadFile);
    openFrom(file("missing.LUN"));
    expectSame(snapshot(), before);
}

// Notes at the notes box's limit (32,767 characters) open whole; one
// character more and the file is refused as unreadable, nothing changed.
TEST_F(LunarWindowTest, NotesUpToTheBoxLimitOpenLongerOnesAreRefused) {
    Form8& f = app.form8();
    lunar::LunarFileContents contents;
    contents.Notes = std::string(platform::kTextBoxMaxLength, 'n');
    writeBytes(file("within.LUN"), lunar::writeLunarFile(contents));
    openFrom(file("within.LUN"));
    EXPECT_EQ(f.Text21.text(), contents.Notes);
    EXPECT_EQ(f.caption(), "Lunar Distance current Data file: within.LUN");

    typeSunSight();
    uitest::userClick(f.Command2);
    contents.Notes += "n";
    writeBytes(file("beyond.LUN"), lunar::writeLunarFile(contents));
    const Snapshot before = snapshot();
    env.messages.expect(kBadFile);
    openFrom(file("beyond.LUN"));
    expectSame(snapshot(), before);
}

TEST_F(LunarWindowTest, AWrongHeaderClosesSilently) {
    typeSunSight();
    Form8& f = app.form8();
    uitest::userClick(f.Command2);
    const fs::path path = file("sight.NAV");
    writeBytes(path, "CelestialNavigationKestlow2\r\n1\r\n");
    const Snapshot before = snapshot();
    openFrom(path);
    expectSame(snapshot(), before);
    EXPECT_EQ(f.caption(), "Clearing the Lunar Distance");
    EXPECT_TRUE(env.messages.calls.empty());
}

TEST_F(LunarWindowTest, NoFileChosen) {
    Form8& f = app.form8();
    const Snapshot before = snapshot();
    env.fileDialogs.expectOpen("");
    env.messages.expect(kNoFile);
    f.menuOpen.click();
    env.fileDialogs.expectSave("");
    env.messages.expect(kNoFile);
    f.menuSave.click();
    expectSame(snapshot(), before);
    ASSERT_EQ(env.fileDialogs.calls.size(), 2u);
    for (const uitest::FileDialogCall& call : env.fileDialogs.calls) {
        EXPECT_EQ(call.request.filter, "LUN Files (*.LUN)|*.LUN|All Files (*.*)");
        EXPECT_EQ(call.request.title, "Data Files");
    }
    EXPECT_FALSE(env.fileDialogs.calls[0].save);
    EXPECT_TRUE(env.fileDialogs.calls[1].save);
}

TEST_F(LunarWindowTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    Form8& f = app.form8();
    const fs::path path = file("kept.LUN");
    saveTo(path);
    const std::string old = readBytes(path);
    const std::string caption = f.caption();
    uitest::userType(f.Text21, "new notes");
    // The folder is read-only... unless the tests run as root: a missing
    // folder fails for everyone.
    env.messages.expect("");
    saveTo(file("no_such_folder") / "kept.LUN");
    ASSERT_FALSE(env.messages.calls.empty());
    EXPECT_EQ(env.messages.calls.back().text.rfind("The data file was not saved.\n", 0), 0u);
    EXPECT_EQ(f.caption(), caption);
    EXPECT_EQ(readBytes(path), old);
}

TEST_F(LunarWindowTest, SaveOntoAReadOnlyFileKeepsItWhole) {
    typeSunSight();
    Form8& f = app.form8();
    const fs::path kept = file("kept.LUN");
    saveTo(kept);
    const std::string keptBytes = readBytes(kept);
    const std::string caption = f.caption();
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    uitest::userType(f.Text2, "12");
    env.messages.expect("The data file was not saved.\nCould not save \"" + kept.string() +
                        "\": Permission denied");
    saveTo(kept);
    EXPECT_EQ(readBytes(kept), keptBytes);
    EXPECT_EQ(f.caption(), caption);
    EXPECT_EQ(f.Text2.text(), "12");
}

TEST_F(LunarWindowTest, CaptionNamesTheFileWithoutItsFolders) {
    Form8& f = app.form8();
    const fs::path path = file("back.LUN");
    saveTo(path);
    // Written by another system: the name after the last "\".
    const fs::path windowsName = file("C:\\Nav\\lunars\\a.LUN");
    writeBytes(windowsName, readBytes(path));
    openFrom(windowsName);
    EXPECT_EQ(f.caption(), "Lunar Distance current Data file: a.LUN");
}

}  // namespace
