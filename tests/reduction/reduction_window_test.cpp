// The reduce button of the main window through the real controls: the checks
// and their warnings, the assumed-position dialog with its dead-reckoning
// texts and pre-fills, the commit of the results and the button states, the
// plot window, and the cases in which nothing may change (a cancelled dialog,
// a result that is not finite). "Show LOP" shows the plot again.
#include <gtest/gtest.h>

#include <QPushButton>

#include <QApplication>
#include <QListWidget>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "globe/globe_window.h"
#include "platform/numtext.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_window.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"
#include "tests/ui/fakes.h"
#include "tests/ui/temp_folder.h"
#include "tests/ui/ui_test_support.h"

namespace {

using app::Form1;
using platform::ui::Control;
using platform::ui::TextBox;
using reduction::Form2;
using reduction::Form3;
using reduction::Form5;
using reduction::ReductionResult;
using Lines = std::vector<std::string>;

constexpr double kPi = 3.14159265358979;
constexpr double kRad = kPi / 180;

const std::string kWarning = "Warning!";
const std::string kNoFixTime = "You forgot to enter a new fix time!";
const std::string kNoLastFix = "You need to have an existing Lat-Lon position!";
const std::string kModal = "modal Assumed Position for this Nav Fix";
// Sights 1 to 3 under their headings, the excluded third marked.
const std::string kReportHeading = "           Sight 1       Sight 2       Sight 3 *";

// The main window's leg as the navigator types it.
struct Leg {
    std::string course, speed, eye, scale;
    std::string latDeg, latMin;
    bool south;
    std::string lonDeg, lonMin;
    bool west;
    std::string lastHour, lastMin, lastDay, lastMonth, lastYear;
    std::string newHour, newMin, newDay, newMonth, newYear;
};

// 40 N, 30 W at 18:00 on 20 June 2024; the new fix two hours later.
const Leg kLeg{"90", "6", "2.75", "25", "40",   "0",  false, "30", "0", true,
               "18", "0", "20",   "6",  "2024", "20", "0",   "20", "6", "2024"};

// A sight record, fields 1 to 18.
struct Sight {
    double limb, included, horizon;
    double hour, minute, second, day, month, year;
    double hsDeg, hsMin, ie, ieSide;
    double GHA, Dec, SD, HP, object;
};

// Three star sights around the leg's assumed position; the third is excluded
// from the fix. Sight 1 is taken with the bubble, the others on the sea
// horizon. Their places are made by hand, so their body is not one of the
// list (kHandMadeBody): the reduction keeps a stored place only then.
constexpr double kHandMadeBody = 99;
const Sight kSights[] = {
    {1, 1, 2, 19, 30, 0, 20, 6, 2024, 70, 10, 0, -1, 30, 20, 0, 0, kHandMadeBody},
    {1, 1, 1, 19, 40, 0, 20, 6, 2024, 18, 30, 1.2, -1, 100, 10, 0, 0, kHandMadeBody},
    {1, 0, 1, 19, 50, 0, 20, 6, 2024, 22, 5, 1.2, -1, 320, 30, 0, 0, kHandMadeBody},
};

// What must stay as it was when a reduction changes nothing.
struct Snapshot {
    ReductionResult result;
    double DrLat, DrLon, AssumedLat, AssumedLon;
    bool reduce, detailed, showLop, showCop;
    int draws;
    bool plotVisible;
};

void expectSameResult(const ReductionResult& a, const ReductionResult& b) {
    EXPECT_EQ(a.SightCount, b.SightCount);
    EXPECT_EQ(a.CopGha, b.CopGha);
    EXPECT_EQ(a.CopDec, b.CopDec);
    EXPECT_EQ(a.CopHo, b.CopHo);
    EXPECT_EQ(a.LopIntercept, b.LopIntercept);
    EXPECT_EQ(a.LopRun, b.LopRun);
    EXPECT_EQ(a.LopAzimuth, b.LopAzimuth);
    EXPECT_EQ(a.PlotParams, b.PlotParams);
    EXPECT_EQ(a.G, b.G);
    EXPECT_EQ(a.Status, b.Status);
    EXPECT_EQ(a.DetailedOutputLines, b.DetailedOutputLines);
    for (int i = 0; i < reduction::kSightLogSize; ++i) {
        EXPECT_EQ(a.Sights[i].Ho, b.Sights[i].Ho) << "sight " << i;
        EXPECT_EQ(a.Sights[i].Hc, b.Sights[i].Hc) << "sight " << i;
        EXPECT_EQ(a.Sights[i].PA, b.Sights[i].PA) << "sight " << i;
        EXPECT_EQ(a.Sights[i].LHA, b.Sights[i].LHA) << "sight " << i;
    }
}

class ReductionWindow : public ::testing::Test {
  protected:
    void SetUp() override { main.showModeless(); }

    void typeLeg(const Leg& leg) {
        Form1& f = main;
        uitest::userType(f.Text8, leg.course);
        uitest::userType(f.Text2, leg.speed);
        uitest::userType(f.Text3, leg.eye);
        uitest::userType(f.Text1, leg.scale);
        uitest::userType(f.Text113, leg.latDeg);
        uitest::userType(f.Text6, leg.latMin);
        uitest::userClick(leg.south ? f.Option2 : f.Option1);
        uitest::userType(f.Text114, leg.lonDeg);
        uitest::userType(f.Text7, leg.lonMin);
        uitest::userClick(leg.west ? f.Option3 : f.Option4);
        uitest::userType(f.Text9, leg.lastHour);
        uitest::userType(f.Text111, leg.lastMin);
        uitest::userType(f.Text10, leg.lastDay);
        uitest::userType(f.Text14, leg.lastMonth);
        uitest::userType(f.Text15, leg.lastYear);
        uitest::userType(f.Text12, leg.newHour);
        uitest::userType(f.Text11, leg.newMin);
        uitest::userType(f.Text13, leg.newDay);
        uitest::userType(f.Text16, leg.newMonth);
        uitest::userType(f.Text17, leg.newYear);
    }

    // The three sights written into the log, as a file read would leave them.
    // The first count of kSights into the log.
    void putSights(int count = 3) {
        int i = 0;
        for (const Sight& s : kSights) {
            if (i == count) {
                break;
            }
            ++i;
            const double values[] = {s.limb,   s.included, s.horizon, s.hour,  s.minute, s.second,
                                     s.day,    s.month,    s.year,    s.hsDeg, s.hsMin,  s.ie,
                                     s.ieSide, s.GHA,      s.Dec,     s.SD,    s.HP,     s.object};
            for (int field = 1; field <= reduction::kSightFieldCount; ++field) {
                app.Log.SightData[i][field] = values[field - 1];
            }
        }
        app.Log.SightCount = i;
        main.Command1.setEnabled(true);
    }

    // Clicks the reduce button; the dialog is shown and the script answers it.
    void reduceWith(std::function<void(Form3&)> answer) {
        env.modalRunner.expectDialog<Form3>([answer](Form3& d) {
            d.showModeless();  // as the real runner shows it
            answer(d);
        });
        uitest::userClick(main.Command1);
    }
    // Accepts the pre-filled assumed position.
    void reduceAccepting() {
        reduceWith([](Form3& d) { uitest::userClick(d.Command1); });
    }

    // What the pure reduction gives for the fields as they stand and this
    // assumed position.
    reduction::ReductionOutcome expectedOutcome(double AssumedLat, double AssumedLon) {
        const reduction::ReductionStart start =
            reduction::prepareReduction(main.legSettings(), main.Option2.value(),
                                        main.Option3.value(), app.form7().generalSettings());
        EXPECT_FALSE(start.Warning.has_value());
        return reduction::reduceSights(
            reduction::reductionInput(start, app.form7().generalSettings(), AssumedLat, AssumedLon),
            app.Log);
    }

    Form2* plot() { return app.existingWindow<Form2>(); }

    Snapshot snapshot() {
        return {app.Reduction,
                app.DrLat,
                app.DrLon,
                app.AssumedLat,
                app.AssumedLon,
                main.Command1.enabled(),
                main.Command3.enabled(),
                main.Command8.enabled(),
                main.Command9.enabled(),
                env.random.draws,
                plot() != nullptr && plot()->isVisible()};
    }
    void expectUnchanged(const Snapshot& s) {
        expectSameResult(app.Reduction, s.result);
        EXPECT_EQ(app.DrLat, s.DrLat);
        EXPECT_EQ(app.DrLon, s.DrLon);
        EXPECT_EQ(app.AssumedLat, s.AssumedLat);
        EXPECT_EQ(app.AssumedLon, s.AssumedLon);
        EXPECT_EQ(main.Command1.enabled(), s.reduce);
        EXPECT_EQ(main.Command3.enabled(), s.detailed);
        EXPECT_EQ(main.Command8.enabled(), s.showLop);
        EXPECT_EQ(main.Command9.enabled(), s.showCop);
        // The plot was neither redrawn nor shown.
        EXPECT_EQ(env.random.draws, s.draws);
        EXPECT_EQ(plot() != nullptr && plot()->isVisible(), s.plotVisible);
    }

    // A first reduction that completes, then the plot hidden, so that a
    // later run that changes nothing can be told apart.
    void reduceOnceAndHidePlot() {
        typeLeg(kLeg);
        putSights();
        reduceAccepting();
        ASSERT_TRUE(main.Command8.enabled());
        ASSERT_NE(plot(), nullptr);
        plot()->hide();
        env.log.clear();
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
    Form1& main = app.form1();
};

// ------------------------------------------------------------ the dialog

TEST_F(ReductionWindow, DialogHasItsCaptionsControlsAndDesignOptions) {
    Form3& d = app.form3();
    EXPECT_EQ(d.caption(), "Assumed Position for this Nav Fix");
    EXPECT_EQ(d.Label3.caption(), "DR  Latitude  deg");
    EXPECT_EQ(d.Label4.caption(), "DR Longitude  deg");
    EXPECT_EQ(d.Label12.caption(), "Estimated position using Plane Sailing techniques");
    EXPECT_EQ(d.labelLatitude.caption(), "INPUT Assumed Latitude");
    EXPECT_EQ(d.labelLongitude.caption(), "INPUT Assumed Longitude");
    EXPECT_EQ(d.Frame1.caption(), "Lat N or S");
    EXPECT_EQ(d.Frame2.caption(), "Lon E or W");
    EXPECT_EQ(d.Option1.caption(), "North");
    EXPECT_EQ(d.Option2.caption(), "South");
    EXPECT_EQ(d.Option4.caption(), "East");
    EXPECT_EQ(d.Option3.caption(), "West");
    EXPECT_EQ(d.Label10.caption(),
              "Accept the calculated assumed position as is pre-entered, or enter a different one "
              "manually in the data fields above by clicking it and typing.");
    EXPECT_EQ(d.Command1.caption(), "PRESS to Enter Data");
    EXPECT_TRUE(d.Option1.value());
    EXPECT_FALSE(d.Option2.value());
    EXPECT_TRUE(d.Option4.value());
    EXPECT_FALSE(d.Option3.value());
    EXPECT_FALSE(d.isVisible());

    // Every control lies inside the dialog, the option buttons inside their
    // frames.
    for (const Control* c : std::vector<const Control*>{
             &d.Label12, &d.Label3, &d.Label5, &d.Label4, &d.Label6, &d.labelLatitude, &d.Text58,
             &d.Text3, &d.Frame1, &d.labelLongitude, &d.Text2, &d.Text1, &d.Frame2, &d.Label10,
             &d.Command1}) {
        EXPECT_GE(c->left(), 0);
        EXPECT_GE(c->top(), 0);
        EXPECT_LE(c->left() + c->width(), d.widthTwips());
        EXPECT_LE(c->top() + c->height(), d.heightTwips());
    }
    for (const platform::ui::OptionButton* o : {&d.Option1, &d.Option2}) {
        EXPECT_LE(o->left() + o->width(), d.Frame1.width());
        EXPECT_LE(o->top() + o->height(), d.Frame1.height());
    }
    for (const platform::ui::OptionButton* o : {&d.Option4, &d.Option3}) {
        EXPECT_LE(o->left() + o->width(), d.Frame2.width());
        EXPECT_LE(o->top() + o->height(), d.Frame2.height());
    }
}

TEST_F(ReductionWindow, DialogReadsTheAssumedPositionAsTyped) {
    struct Case {
        const char* what;
        std::string latDeg, latMin;
        bool south;
        std::string lonDeg, lonMin;
        bool west;
        double lat, lon;
    };
    const Case cases[] = {
        {"north and east", "40", "15", false, "30", "30", false, 40.25, 30.5},
        {"south and west", "1", "30", true, "65", "15", true, -1.5, -65.25},
        // A typed sign counts: the option does not override it.
        {"typed minus with North", "-30", "15", false, "10", "0", false, -30 + 15.0 / 60, 10},
        {"typed minus with South", "-30", "15", true, "-10", "6", true, 30 - 15.0 / 60, 9.9},
        {"empty fields read 0", "", "", false, "", "", true, 0, 0},
    };
    Form3& d = app.form3();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uitest::userType(d.Text58, c.latDeg);
        uitest::userType(d.Text3, c.latMin);
        uitest::userClick(c.south ? d.Option2 : d.Option1);
        uitest::userType(d.Text2, c.lonDeg);
        uitest::userType(d.Text1, c.lonMin);
        uitest::userClick(c.west ? d.Option3 : d.Option4);
        d.showModeless();
        uitest::userClick(d.Command1);
        EXPECT_TRUE(d.accepted());
        EXPECT_FALSE(d.isVisible());
        EXPECT_DOUBLE_EQ(d.EnteredLat, c.lat);
        EXPECT_DOUBLE_EQ(d.EnteredLon, c.lon);
    }
}

// ------------------------------------------------- dead reckoning texts

TEST_F(ReductionWindow, DialogShowsTheDeadReckoningAndItsPrefills) {
    struct Case {
        const char* what;
        Leg leg;
        std::string label5, label6, text58, text3, text2, text1;
        bool south, west;
        double drLat, drLon;
    };
    // Course 0 at 6 kn for 2.5 hours: 15 n.mi. north, no change of longitude.
    Leg running = kLeg;
    running.course = "0";
    running.latDeg = "1";
    running.latMin = "45";
    running.south = true;
    running.lonDeg = "65";
    running.lonMin = "15";
    running.west = true;
    running.newHour = "20";
    running.newMin = "30";
    Leg halfDegree = kLeg;
    halfDegree.speed = "0";
    halfDegree.latDeg = "0";
    halfDegree.latMin = "30";
    halfDegree.south = true;
    halfDegree.lonDeg = "0";
    halfDegree.lonMin = "0";
    halfDegree.west = false;
    Leg cutMinutes = halfDegree;
    cutMinutes.latDeg = "10";
    cutMinutes.latMin = "44.95";
    cutMinutes.south = false;
    cutMinutes.lonDeg = "20";
    cutMinutes.lonMin = "44.55";
    // Hours of one blank pass the check and read 0: with both fixes at 0:00
    // of one day the run is 0 and the last fix is the dead reckoning.
    Leg carried = cutMinutes;
    carried.latMin = "59.7";
    carried.lonMin = "59.7";
    carried.west = true;
    Leg sameInstant = cutMinutes;
    sameInstant.speed = "6";
    sameInstant.lastHour = " ";
    sameInstant.lastMin = "0";
    sameInstant.newHour = " ";
    sameInstant.newMin = "0";

    const Case cases[] = {
        {"running fix south and west", running, "1 deg 30.0 min  S", "65 deg 15.0 min  W", "1",
         "30", "65", "15", true, true, -1.5, -65.25},
        {"half a degree south", halfDegree, "0 deg 30.0 min  S", "0 deg 0.0 min  E", "0", "30", "0",
         "0", true, false, -0.5, 0},
        // The label rounds to 0.1'; the field takes Int(M + 0.4) of the minutes
        // cut to 0.1 after adding 0.04 (44.55 gives 44.5 and 44).
        {"minutes rounded for the label, rounded from .6 for the field", cutMinutes,
         "10 deg 45.0 min  N", "20 deg 44.6 min  E", "10", "45", "20", "44", false, false,
         10 + 44.95 / 60, 20 + 44.55 / 60},
        {"blank hours, same instant", sameInstant, "10 deg 45.0 min  N", "20 deg 44.6 min  E", "10",
         "45", "20", "44", false, false, 10 + 44.95 / 60, 20 + 44.55 / 60},
        // Pre-filled 60 minutes are carried into the degrees, so the
        // program's own pre-fill passes the dialog's checks.
        {"minutes 59.7 carried", carried, "10 deg 59.7 min  N", "20 deg 59.7 min  W", "11", "0",
         "21", "0", false, true, 10 + 59.7 / 60, -(20 + 59.7 / 60)},
    };
    // One sight gives no fix, so that every assumed position here is taken
    // (the three sights put a fix past a pole from most of them).
    putSights(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeLeg(c.leg);
        Lines shown;
        bool south = false, north = false, west = false, east = false;
        reduceWith([&](Form3& d) {
            shown = {d.Label5.caption(), d.Label6.caption(), d.Text58.text(),
                     d.Text3.text(),     d.Text2.text(),     d.Text1.text()};
            north = d.Option1.value();
            south = d.Option2.value();
            east = d.Option4.value();
            west = d.Option3.value();
            uitest::userClick(d.Command1);
        });
        EXPECT_EQ(shown, (Lines{c.label5, c.label6, c.text58, c.text3, c.text2, c.text1}));
        EXPECT_EQ(south, c.south);
        EXPECT_EQ(north, !c.south);
        EXPECT_EQ(west, c.west);
        EXPECT_EQ(east, !c.west);
        EXPECT_NEAR(app.DrLat, c.drLat, 1e-7);
        EXPECT_NEAR(app.DrLon, c.drLon, 1e-7);
        // Accepted as pre-filled: the assumed position is the pre-fill.
        const double lat = std::stod(c.text58) + std::stod(c.text3) / 60;
        const double lon = std::stod(c.text2) + std::stod(c.text1) / 60;
        EXPECT_DOUBLE_EQ(app.AssumedLat, c.south ? -lat : lat);
        EXPECT_DOUBLE_EQ(app.AssumedLon, c.west ? -lon : lon);
    }
    EXPECT_EQ(env.messages.calls.size(), 0u);
}

// ---------------------------------------------------------- the commit

TEST_F(ReductionWindow, AcceptedReductionCommitsResultsEnablesButtonsAndShowsThePlot) {
    EXPECT_FALSE(main.Command1.enabled());
    EXPECT_EQ(main.Command1.widget()->toolTip().toStdString(), "");
    EXPECT_FALSE(main.Command3.enabled());
    EXPECT_FALSE(main.Command8.enabled());
    EXPECT_FALSE(main.Command9.enabled());

    typeLeg(kLeg);
    putSights();
    // The navigator overwrites the pre-fill: 40 deg 6 min N, 30 deg 12 min W.
    reduceWith([](Form3& d) {
        EXPECT_EQ(d.Label5.caption(), "40 deg 0.0 min  N");
        uitest::userType(d.Text58, "40");
        uitest::userType(d.Text3, "6");
        uitest::userType(d.Text2, "30");
        uitest::userType(d.Text1, "12");
        uitest::userClick(d.Command1);
    });
    // The dialog, then the globe's redraws: a clock reading each, and a
    // reseed before every label draw.
    ASSERT_GE(env.log.size(), 3u);
    EXPECT_EQ(env.log[0], kModal);
    EXPECT_EQ(env.log[1], "clock");
    for (std::size_t k = 2; k < env.log.size(); ++k) {
        EXPECT_TRUE(env.log[k] == "clock" || env.log[k] == "reseed") << env.log[k];
    }
    // The plot's label offsets draw without a reseed.
    const auto reseeds = std::count(env.log.begin(), env.log.end(), "reseed");
    EXPECT_GT(reseeds, 0);
    EXPECT_LT(reseeds, env.random.draws);
    EXPECT_EQ(app.AssumedLat, 40 + 6.0 / 60);
    EXPECT_EQ(app.AssumedLon, -(30 + 12.0 / 60));
    EXPECT_FALSE(app.form3().isVisible());

    // What the reduction of these inputs gives, committed whole.
    const reduction::ReductionOutcome expected = expectedOutcome(40 + 6.0 / 60, -(30 + 12.0 / 60));
    ASSERT_FALSE(expected.Warning.has_value());
    expectSameResult(app.Reduction, expected.Result);

    // And what the reduction must have read.
    const ReductionResult& r = app.Reduction;
    EXPECT_EQ(r.SightCount, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(r.CopGha[i], kSights[i - 1].GHA);
        EXPECT_EQ(r.CopDec[i], kSights[i - 1].Dec);
        // Every sight is reduced, the excluded one too.
        EXPECT_NE(r.LopIntercept[i], 0);
        EXPECT_GT(r.LopAzimuth[i], 0);
        // 6 kn from the sight's time to 20:00.
        EXPECT_NEAR(r.LopRun[i], 6 * (20 - kSights[i - 1].hour - kSights[i - 1].minute / 60), 1e-6);
    }
    EXPECT_EQ(r.PlotParams[1], 25);  // plotting scale
    EXPECT_EQ(r.PlotParams[2], 2);   // the third sight is excluded
    EXPECT_EQ(r.PlotParams[3], 90);  // course
    EXPECT_EQ(r.DetailedOutputLines[1], kReportHeading);
    EXPECT_EQ(r.DetailedOutputLines[2], " ");
    ASSERT_EQ(r.DetailedOutputLines.size(), 19u);
    EXPECT_EQ(r.DetailedOutputLines[16], "* left out of the fix");
    EXPECT_EQ(r.DetailedOutputLines[17].rfind("Asum = ", 0), 0u);
    // 12 n.mi. east of the last fix, at 40 N.
    EXPECT_NEAR(app.DrLat, 40, 1e-7);
    EXPECT_NEAR(app.DrLon, -30 + 12 / (60 * std::cos(40 * kRad)), 1e-7);

    EXPECT_TRUE(main.Command1.enabled());
    EXPECT_TRUE(main.Command3.enabled());
    EXPECT_TRUE(main.Command8.enabled());
    EXPECT_TRUE(main.Command9.enabled());
    EXPECT_EQ(main.Command9.widget()->toolTip().toStdString(), "");

    // The globe is shown, then the plot, which comes out in front.
    globe::Form16* globeWindow = app.existingWindow<globe::Form16>();
    ASSERT_NE(globeWindow, nullptr);
    EXPECT_TRUE(globeWindow->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), plot());

    // The plot is drawn (its label offsets draw from the generator) and shown.
    ASSERT_NE(plot(), nullptr);
    EXPECT_TRUE(plot()->isVisible());
    EXPECT_FALSE(plot()->Picture1.displayList().empty());
    EXPECT_GT(env.random.draws, 0);
}

TEST_F(ReductionWindow, AssumedPositionIsKeptAndResultsAreReplacedByTheNextReduction) {
    reduceOnceAndHidePlot();
    EXPECT_EQ(app.AssumedLat, 40);

    // A second leg: the dialog is the same window, pre-filled anew.
    Form3* first = &app.form3();
    uitest::userType(main.Text113, "41");
    std::string label5;
    reduceWith([&](Form3& d) {
        EXPECT_EQ(&d, first);
        label5 = d.Label5.caption();
        uitest::userClick(d.Command1);
    });
    EXPECT_EQ(label5, "41 deg 0.0 min  N");
    EXPECT_EQ(app.AssumedLat, 41);
    const reduction::ReductionOutcome expected = expectedOutcome(41, app.AssumedLon);
    expectSameResult(app.Reduction, expected.Result);
    EXPECT_TRUE(plot()->isVisible());
}

// ------------------------------------------------ nothing changes

TEST_F(ReductionWindow, DialogClosedFromTheTitleBarCancelsTheReduction) {
    // Before any reduction: the assumed position stays 0 although the
    // navigator typed into the dialog. Escape acts as the title-bar close.
    typeLeg(kLeg);
    putSights();
    const Snapshot before = snapshot();
    const std::pair<const char*, std::function<void(Form3&)>> closes[] = {
        {"title-bar close", [](Form3& d) { uitest::userCloseWindow(&d); }},
        {"Escape", [](Form3& d) { uitest::userPressKey(d.Text58.widget(), Qt::Key_Escape); }},
    };
    for (const auto& [what, close] : closes) {
        SCOPED_TRACE(what);
        env.log.clear();
        reduceWith([&close = close](Form3& d) {
            d.showModeless();
            uitest::userType(d.Text58, "12");
            close(d);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(env.log, (Lines{kModal}));
        expectUnchanged(before);
        EXPECT_EQ(app.AssumedLat, 0);
        EXPECT_FALSE(main.Command8.enabled());
        EXPECT_EQ(plot(), nullptr);
    }
    env.log.clear();

    // After a reduction: its results stay, and the plot is not redrawn.
    reduceAccepting();
    plot()->hide();
    const Snapshot after = snapshot();
    uitest::userType(main.Text8, "180");
    uitest::userType(main.Text113, "35");
    env.log.clear();
    reduceWith([](Form3& d) { uitest::userCloseWindow(&d); });
    EXPECT_EQ(env.log, (Lines{kModal}));
    expectUnchanged(after);
}

TEST_F(ReductionWindow, ReturnOnTheFocusedButtonEntersTheAssumedPosition) {
    // A navigator who types the position and tabs on to "PRESS to Enter
    // Data" presses Return (or the keypad's Enter) there.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Return" : "Enter");
        typeLeg(kLeg);
        putSights();
        reduceWith([key](Form3& d) {
            uitest::userType(d.Text58, "41");
            uitest::userPressKey(d.Command1.widget(), key);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(app.AssumedLat, 41);
        expectSameResult(app.Reduction, expectedOutcome(41, app.AssumedLon).Result);
        EXPECT_TRUE(main.Command8.enabled());
        ASSERT_NE(plot(), nullptr);
        EXPECT_TRUE(plot()->isVisible());
        plot()->hide();
    }
}

// "PRESS to Enter Data" is the dialog's default button: Return or the
// keypad's Enter in any box takes the position as it stands, the pre-fill
// untouched; other keys only edit. A refused position still keeps it open.
TEST_F(ReductionWindow, ReturnInABoxAcceptsTheAssumedPosition) {
    typeLeg(kLeg);
    putSights();
    EXPECT_TRUE(app.form3().Command1.pushButton()->isDefault());
    const std::pair<Qt::Key, TextBox Form3::*> presses[] = {{Qt::Key_Return, &Form3::Text58},
                                                            {Qt::Key_Enter, &Form3::Text1}};
    for (const auto& [key, box] : presses) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Return" : "Enter");
        std::string prefill;
        bool openAfterBackspace = false;
        reduceWith([&, key = key, box = box](Form3& d) {
            d.showModeless();
            prefill = d.Text58.text() + " " + d.Text3.text() + " " + d.Text2.text() + " " +
                      d.Text1.text();
            // Backspace edits the box and the dialog stays; the box is then
            // given back its pre-fill.
            const std::string before = (d.*box).text();
            uitest::userPressKey((d.*box).widget(), Qt::Key_Backspace);
            openAfterBackspace = d.isVisible();
            uitest::userType(d.*box, before);
            uitest::userPressKey((d.*box).widget(), key);
            EXPECT_FALSE(d.isVisible());
            EXPECT_TRUE(d.accepted());
        });
        EXPECT_TRUE(openAfterBackspace);
        // 2 h at 6 kn on 090 from 40 N 30 W: 12 n.mi., 12 / (60 cos 40) =
        // 0.26108 degrees east, the DR 29 deg 44.3 min W, pre-filled as 44.
        EXPECT_EQ(prefill, "40 0 29 44");
        EXPECT_EQ(app.AssumedLat, 40);
        EXPECT_NEAR(app.AssumedLon, -(29 + 44.0 / 60), 1e-12);
        expectSameResult(app.Reduction, expectedOutcome(40, app.AssumedLon).Result);
        ASSERT_NE(plot(), nullptr);
        plot()->hide();
    }

    // Minutes 61 and Return: the warning, and the dialog waits to be mended.
    env.log.clear();
    env.messages.expect("Assumed latitude minutes must be 0 to below 60");
    bool stayedOpen = false;
    reduceWith([&](Form3& d) {
        d.showModeless();
        uitest::userType(d.Text3, "61");
        uitest::userPressKey(d.Text3.widget(), Qt::Key_Return);
        stayedOpen = d.isVisible() && !d.accepted();
        uitest::userType(d.Text3, "0");
        uitest::userPressKey(d.Text3.widget(), Qt::Key_Return);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(env.log[1], "beep");
}

TEST_F(ReductionWindow, ChecksWarnAndStopBeforeTheDialog) {
    struct Case {
        const char* what;
        std::function<void(Form1&)> change;
        std::string message;
    };
    const Case cases[] = {
        {"no new fix hour", [](Form1& f) { uitest::userType(f.Text12, ""); }, kNoFixTime},
        {"no last fix hour", [](Form1& f) { uitest::userType(f.Text9, ""); }, kNoFixTime},
        {"no last fix latitude", [](Form1& f) { uitest::userType(f.Text113, ""); }, kNoLastFix},
        {"no last fix longitude", [](Form1& f) { uitest::userType(f.Text114, ""); }, kNoLastFix},
        {"fix time checked first",
         [](Form1& f) {
             uitest::userType(f.Text113, "");
             uitest::userType(f.Text12, "");
         },
         kNoFixTime},
        {"last fix month empty", [](Form1& f) { uitest::userType(f.Text14, ""); },
         "Last fix month must be 1 to 12"},
        {"last fix year not a number", [](Form1& f) { uitest::userType(f.Text15, "2024x"); },
         "Last fix year must be a number (use a point for decimals)"},
        {"new fix month not a number", [](Form1& f) { uitest::userType(f.Text16, "June"); },
         "New fix month must be a number (use a point for decimals)"},
        {"new fix year empty", [](Form1& f) { uitest::userType(f.Text17, ""); },
         "New fix year must be 1000 to 3000"},
        {"position checked before the dates",
         [](Form1& f) {
             uitest::userType(f.Text17, "");
             uitest::userType(f.Text114, "");
         },
         kNoLastFix},
        // Calendar dates and times of day, each field named.
        {"new fix month 13", [](Form1& f) { uitest::userType(f.Text16, "13"); },
         "New fix month must be 1 to 12"},
        {"last fix day 32", [](Form1& f) { uitest::userType(f.Text10, "32"); },
         "Last fix day must be 1 to 30"},
        {"new fix hour 25", [](Form1& f) { uitest::userType(f.Text12, "25"); },
         "New fix hour must be 0 to below 24"},
        {"last fix minutes 75", [](Form1& f) { uitest::userType(f.Text111, "75"); },
         "Last fix minutes must be 0 to below 60"},
        // Beyond the pole: refused, not run south to 85 N.
        {"last fix latitude 95", [](Form1& f) { uitest::userType(f.Text113, "95"); },
         "Last fix latitude must be between 0 and 90 degrees"},
        {"last fix longitude of 309 digits",
         [](Form1& f) { uitest::userType(f.Text114, std::string(309, '9')); },
         "Last fix longitude degrees must be a number (use a point for decimals)"},
        // Every box the reduction reads, as a whole text, then its range.
        {"speed abc", [](Form1& f) { uitest::userType(f.Text2, "abc"); },
         "Speed must be a number (use a point for decimals)"},
        {"eye height with a comma", [](Form1& f) { uitest::userType(f.Text3, "2,75"); },
         "Eye height must be a number (use a point for decimals)"},
        {"eye height empty", [](Form1& f) { uitest::userType(f.Text3, ""); },
         "Eye height must not be empty"},
        {"plotting scale 1e3", [](Form1& f) { uitest::userType(f.Text1, "1e3"); },
         "Plotting scale must be a number (use a point for decimals)"},
        {"course 12abc", [](Form1& f) { uitest::userType(f.Text8, "12abc"); },
         "Course must be a number (use a point for decimals)"},
        {"last fix day 1.2.3", [](Form1& f) { uitest::userType(f.Text10, "1.2.3"); },
         "Last fix day must be a number (use a point for decimals)"},
        {"course 400", [](Form1& f) { uitest::userType(f.Text8, "400"); },
         "Course must be 0 to 360 degrees"},
        {"speed -1", [](Form1& f) { uitest::userType(f.Text2, "-1"); },
         "Speed must not be negative"},
        {"eye height -2", [](Form1& f) { uitest::userType(f.Text3, "-2"); },
         "Eye height must not be negative"},
        {"plotting scale -25", [](Form1& f) { uitest::userType(f.Text1, "-25"); },
         "Plotting scale must not be negative"},
        {"last fix latitude minutes 60", [](Form1& f) { uitest::userType(f.Text6, "60"); },
         "Last fix latitude minutes must be 0 to below 60"},
        {"last fix longitude 180 deg 30 min",
         [](Form1& f) {
             uitest::userType(f.Text114, "180");
             uitest::userType(f.Text7, "30");
         },
         "Last fix longitude must be between 0 and 180 degrees"},
        // The settings the reduction reads are checked with the leg.
        {"Delta T abc", [this](Form1&) { uitest::userType(app.form7().Text1, "abc"); },
         "Delta T must be a number (use a point for decimals)"},
        {"Delta T empty", [this](Form1&) { uitest::userType(app.form7().Text1, ""); },
         "Delta T must not be empty"},
        {"chronometer 2,5", [this](Form1&) { uitest::userType(app.form7().Text108, "2,5"); },
         "Chronometer correction must be a number (use a point for decimals)"},
        {"temperature -273", [this](Form1&) { uitest::userType(app.form7().Text4, "-273"); },
         "Air temperature must be above -273 \xC2\xB0"
         "C"},
        {"pressure 0", [this](Form1&) { uitest::userType(app.form7().Text5, "0"); },
         "Pressure must be above 0 millibars"},
        {"pressure x", [this](Form1&) { uitest::userType(app.form7().Text5, "x"); },
         "Pressure must be a number (use a point for decimals)"},
    };
    reduceOnceAndHidePlot();
    const Snapshot before = snapshot();
    app::Form7& settings = app.form7();
    std::vector<std::pair<platform::ui::TextBox*, std::string>> keptSettings;
    for (platform::ui::TextBox* box :
         {&settings.Text1, &settings.Text108, &settings.Text4, &settings.Text5}) {
        keptSettings.emplace_back(box, box->text());
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeLeg(kLeg);
        for (const auto& [box, text] : keptSettings) {
            uitest::userType(*box, text);
        }
        c.change(main);
        env.log.clear();
        env.messages.expect(c.message);
        uitest::userClick(main.Command1);
        // Beep first, then the message; no dialog.
        EXPECT_EQ(env.log, (Lines{"beep", "message " + kWarning + ": " + c.message}));
        expectUnchanged(before);
    }
}

// Every box of the leg that the reduction reads, and the settings it reads,
// refuse text that is not a number as a whole, naming the box; an empty
// course and speed read 0 and the reduction goes on.
TEST_F(ReductionWindow, EveryBoxTheReductionReadsIsANumberAsAWholeText) {
    using platform::ui::TextBox;
    struct Box {
        TextBox* box;
        const char* label;
    };
    app::Form7& settings = app.form7();
    const Box boxes[] = {
        {&main.Text8, "Course"},
        {&main.Text2, "Speed"},
        {&main.Text113, "Last fix latitude degrees"},
        {&main.Text6, "Last fix latitude minutes"},
        {&main.Text114, "Last fix longitude degrees"},
        {&main.Text7, "Last fix longitude minutes"},
        {&main.Text9, "Last fix hour"},
        {&main.Text111, "Last fix minutes"},
        {&main.Text10, "Last fix day"},
        {&main.Text14, "Last fix month"},
        {&main.Text15, "Last fix year"},
        {&main.Text12, "New fix hour"},
        {&main.Text11, "New fix minutes"},
        {&main.Text13, "New fix day"},
        {&main.Text16, "New fix month"},
        {&main.Text17, "New fix year"},
        {&main.Text3, "Eye height"},
        {&main.Text1, "Plotting scale"},
        {&settings.Text1, "Delta T"},
        {&settings.Text108, "Chronometer correction"},
        {&settings.Text4, "Air temperature"},
        {&settings.Text5, "Pressure"},
    };
    reduceOnceAndHidePlot();
    const Snapshot before = snapshot();
    for (const Box& b : boxes) {
        for (const char* bad : {"abc", "2,75", "1.2.3", "12abc", "1e3"}) {
            SCOPED_TRACE(std::string(b.label) + " " + bad);
            typeLeg(kLeg);
            const std::string kept = b.box->text();
            uitest::userType(*b.box, bad);
            const std::string message =
                std::string(b.label) + " must be a number (use a point for decimals)";
            env.log.clear();
            env.messages.expect(message);
            uitest::userClick(main.Command1);
            EXPECT_EQ(env.log, (Lines{"beep", "message " + kWarning + ": " + message}));
            expectUnchanged(before);
            uitest::userType(*b.box, kept);
        }
    }
    // Blanks around a number are no refusal; an empty course and speed read 0.
    Leg blank = kLeg;
    blank.course = "";
    blank.speed = "";
    blank.eye = " 2.75 ";
    typeLeg(blank);
    const std::size_t shown = env.messages.calls.size();
    reduceAccepting();
    EXPECT_EQ(env.messages.calls.size(), shown);
    EXPECT_NEAR(app.DrLat, 40, 1e-12);  // no run
    EXPECT_NEAR(app.DrLon, -30, 1e-12);
}

// A refused box keeps the dialog open; mended, the position is taken.
TEST_F(ReductionWindow, DialogRefusesABoxAndStaysOpen) {
    struct Case {
        const char* what;
        std::string latDeg, latMin, lonDeg, lonMin;
        std::string message;
    };
    const Case cases[] = {
        {"latitude abc", "abc", "0", "30", "0",
         "Assumed latitude degrees must be a number (use a point for decimals)"},
        {"minutes with a comma", "40", "2,5", "30", "0",
         "Assumed latitude minutes must be a number (use a point for decimals)"},
        {"longitude 1e2", "40", "0", "1e2", "0",
         "Assumed longitude degrees must be a number (use a point for decimals)"},
        {"longitude minutes 12abc", "40", "0", "30", "12abc",
         "Assumed longitude minutes must be a number (use a point for decimals)"},
        {"minutes 60", "40", "60", "30", "0", "Assumed latitude minutes must be 0 to below 60"},
        {"minutes -5", "40", "0", "30", "-5", "Assumed longitude minutes must be 0 to below 60"},
        {"latitude 90 deg 30 min", "90", "30", "30", "0",
         "Assumed latitude must be between 0 and 90 degrees"},
        {"latitude -91", "-91", "0", "30", "0",
         "Assumed latitude must be between 0 and 90 degrees"},
        {"longitude 180 deg 0.5 min", "40", "0", "180", "0.5",
         "Assumed longitude must be between 0 and 180 degrees"},
        {"longitude -181", "40", "0", "-181", "0",
         "Assumed longitude must be between 0 and 180 degrees"},
    };
    typeLeg(kLeg);
    putSights();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.log.clear();
        env.messages.expect(c.message);
        bool stayedOpen = false;
        reduceWith([&](Form3& d) {
            d.showModeless();
            uitest::userType(d.Text58, c.latDeg);
            uitest::userType(d.Text3, c.latMin);
            uitest::userType(d.Text2, c.lonDeg);
            uitest::userType(d.Text1, c.lonMin);
            uitest::userClick(d.Option1);
            uitest::userClick(d.Option3);
            uitest::userClick(d.Command1);
            stayedOpen = d.isVisible() && !d.accepted();
            // Mended: 40 N 30 W is taken.
            uitest::userType(d.Text58, "40");
            uitest::userType(d.Text3, "0");
            uitest::userType(d.Text2, "30");
            uitest::userType(d.Text1, "0");
            uitest::userClick(d.Command1);
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(env.log[1], "beep");
        EXPECT_EQ(env.log[2], "message " + kWarning + ": " + c.message);
        EXPECT_EQ(app.AssumedLat, 40);
        EXPECT_EQ(app.AssumedLon, -30);
        ASSERT_NE(plot(), nullptr);
        plot()->hide();
    }
}

TEST_F(ReductionWindow, ResultThatIsNotFiniteWarnsAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<void()> change;
        std::string assumedLat;  // typed into the dialog; empty: as pre-filled
        std::string messageStart;
        std::string assumedLon;  // typed into the dialog; empty: as pre-filled
    };
    const Case cases[] = {
        {"assumed position at a pole", [] {}, "90", std::string(reduction::kAssumedAtPoleMessage),
         ""},
        // Latitude 0, longitude 160 W: the sights taken near 40 N 30 W put
        // the fix past a pole.
        {"assumed latitude 0, longitude 160 W", [] {}, "0", std::string(reduction::kBadFixMessage),
         "-160"},
        // The first sight's year left empty reads 0: two thousand years of run.
        {"empty sight year", [this] { app.Log.SightData[1][reduction::kFieldUTYear] = 0; }, "",
         std::string(reduction::kBadFixMessage), ""},
    };
    reduceOnceAndHidePlot();
    const Snapshot before = snapshot();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeLeg(kLeg);
        uitest::userType(app.form7().Text4, "15");
        c.change();
        env.log.clear();
        env.messages.expect("");
        reduceWith([&c](Form3& d) {
            if (!c.assumedLat.empty()) {
                uitest::userType(d.Text58, c.assumedLat);
                uitest::userType(d.Text3, "0");
            }
            if (!c.assumedLon.empty()) {
                uitest::userType(d.Text2, c.assumedLon);
                uitest::userType(d.Text1, "0");
            }
            uitest::userClick(d.Command1);
        });
        ASSERT_EQ(env.log.size(), 3u);
        EXPECT_EQ(env.log[0], kModal);
        EXPECT_EQ(env.log[1], "beep");
        ASSERT_FALSE(env.messages.calls.empty());
        const auto& shown = env.messages.calls.back();
        EXPECT_EQ(shown.title, kWarning);
        EXPECT_EQ(shown.text.rfind(c.messageStart, 0), 0u) << shown.text;
        EXPECT_EQ(shown.buttons, platform::ui::MessageButtons::Ok);
        expectUnchanged(before);
    }
}

// ------------------------------------------------------------- Show LOP

// Expected values: worked by hand from the rule, as the comments show.
TEST_F(ReductionWindow, ShowLopShowsThePlotOfTheLastReduction) {
    // Disabled before any reduction: a click does nothing.
    uitest::userClick(main.Command8);
    EXPECT_EQ(plot(), nullptr);

    reduceOnceAndHidePlot();
    const auto drawn = plot()->Picture1.displayList();
    uitest::userClick(main.Command8);
    EXPECT_TRUE(plot()->isVisible());
    EXPECT_EQ(plot()->Picture1.displayList().size(), drawn.size());
    EXPECT_TRUE(env.log.empty());
}

// ------------------------------------------- sights typed in by the user

// The sextant altitude that gives this observed altitude for a star on the
// sea horizon: the corrections of the reduction, undone by iteration.
double sextantAltitudeFor(double Ho, double eyeHeight, double T, double P) {
    const double dip = -0.0293 * std::sqrt(eyeHeight);
    const double f = 0.28 * P / (273 + T);
    double Ha = Ho;
    for (int n = 0; n < 50; ++n) {
        const double R = -0.0167 / std::tan((Ha + 7.31 / (Ha + 4.4)) * kRad);
        Ha = Ho - R * f;
    }
    return Ha - dip;
}

double altitudeAt(double lat, double lon, double GHA, double Dec) {
    const double LHA = GHA + lon;
    return std::asin(std::sin(Dec * kRad) * std::sin(lat * kRad) +
                     std::cos(lat * kRad) * std::cos(Dec * kRad) * std::cos(LHA * kRad)) /
           kRad;
}

TEST_F(ReductionWindow, ThreeStarsTypedInFixTheTruePosition) {
    // The ship lies stopped at 40 deg 15 min N, 30 deg 30 min W; the last fix
    // put her at 40 deg 10 min N, 30 deg 40 min W.
    const double trueLat = 40.25;
    const double trueLon = -30.5;
    Leg leg = kLeg;
    leg.speed = "0";
    leg.course = "0";
    leg.latDeg = "40";
    leg.latMin = "10";
    leg.lonDeg = "30";
    leg.lonMin = "40";
    leg.lastDay = "15";
    leg.lastMonth = "3";
    leg.newHour = "20";
    leg.newMin = "10";
    leg.newDay = "15";
    leg.newMonth = "3";
    typeLeg(leg);

    Form5& f = app.form5();
    f.showModeless();
    // Dubhe to the north-east, Procyon to the south-east, Hamal to the west.
    struct Star {
        int entry;
        std::string minute;
    };
    const Star stars[] = {{31, "0"}, {51, "3"}, {39, "6"}};
    int n = 0;
    for (const Star& s : stars) {
        ++n;
        SCOPED_TRACE(n);
        uitest::userType(f.Text21, "2024");
        uitest::userType(f.Text20, "3");
        uitest::userType(f.Text19, "15");
        uitest::userType(f.Text18, "20");
        uitest::userType(f.Text22, s.minute);
        uitest::userType(f.Text2, "0");
        uitest::userType(f.Text17, "0");
        f.List1.listWidget()->scrollToItem(f.List1.listWidget()->item(s.entry));
        uitest::userClickRow(f.List1, s.entry);
        ASSERT_EQ(f.List1.selectedIndex(), s.entry);
        // The altitude the star has at the true position, as a sextant on the
        // sea horizon with the default eye height and air would read it.
        const double GHA = platform::leadingNumber(f.Text3.text());
        const double Dec = platform::leadingNumber(f.Text4.text());
        const double Hs =
            sextantAltitudeFor(altitudeAt(trueLat, trueLon, GHA, Dec), 2.75, 15, 1010);
        ASSERT_GT(Hs, 15);
        const double degrees = std::floor(Hs);
        uitest::userType(f.Text5, platform::generalText(degrees));
        uitest::userType(f.Text6, platform::generalText((Hs - degrees) * 60));
        uitest::userClick(f.Command5);  // "Save Changes"
        if (n < 3) {
            uitest::userClick(f.Command2);  // "Next Sight  ---->"
        }
    }
    ASSERT_EQ(app.Log.SightCount, 3);
    ASSERT_TRUE(main.Command1.enabled());

    Lines shown;
    reduceWith([&](Form3& d) {
        shown = {d.Label5.caption(), d.Label6.caption(), d.Text58.text(),
                 d.Text3.text(),     d.Text2.text(),     d.Text1.text()};
        uitest::userClick(d.Command1);
    });
    EXPECT_EQ(shown, (Lines{"40 deg 10.0 min  N", "30 deg 40.0 min  W", "40", "10", "30", "40"}));
    EXPECT_EQ(app.AssumedLat, 40 + 10.0 / 60);
    EXPECT_EQ(app.AssumedLon, -(30 + 40.0 / 60));

    const reduction::FixResult& fix = app.Reduction.Fix;
    EXPECT_EQ(app.Reduction.Status, reduction::FixStatus::Fix);
    EXPECT_EQ(fix.IncludedCount, 3);
    EXPECT_LT(std::fabs(fix.FixLat - trueLat) * 60, 0.1);
    EXPECT_LT(std::fabs(fix.FixLon - trueLon) * 60 * std::cos(trueLat * kRad), 0.1);
    // About 9.5 n.mi. from the assumed position.
    EXPECT_NEAR(fix.FixDistance, std::hypot(10 * std::cos(trueLat * kRad), 5.0), 0.2);
    EXPECT_TRUE(main.Command3.enabled());
    EXPECT_TRUE(main.Command8.enabled());
    ASSERT_NE(plot(), nullptr);
    EXPECT_TRUE(plot()->isVisible());
}

// ------------------------------------- the globe and the plot after a reduction

const platform::ui::Color kCopColor{250, 250, 67};
const std::string kDesignCaption =
    "Celestial Navigation Sight Reduction, Plotter, Almanac, and Sight Planning";

// The sights whose circles of position the globe shows, told by geometry:
// every drawn point of a circle (the end of each of its segments, which is
// on the near side) is turned back into a place on the Earth through the
// transpose of the view's rotation, and a circle belongs to the sight from
// whose ground position all its points lie at 90 - Ho.
std::multiset<int> circlesOnGlobe(const globe::Form16& g, const ReductionResult& r, int count) {
    const globe::Matrix3& M = g.frame().ViewMatrix;
    const double R = g.view().Zoom;
    std::multiset<int> sights;
    for (const platform::ui::DrawItem& item : g.Picture1.displayList()) {
        if (item.kind != platform::ui::DrawItem::Kind::Lines || item.color != kCopColor) {
            continue;
        }
        std::set<int> candidates;
        for (int i = 1; i <= count; ++i) {
            candidates.insert(i);
        }
        for (const platform::LineSegment& s : item.segments) {
            const double w[4] = {0, std::sqrt(std::max(0.0, R * R - s.x2 * s.x2 - s.y2 * s.y2)),
                                 s.x2, s.y2};
            double v[4] = {0, 0, 0, 0};
            for (int j = 1; j <= 3; ++j) {
                for (int k = 1; k <= 3; ++k) {
                    v[j] += M[k][j] * w[k] / R;
                }
            }
            for (auto it = candidates.begin(); it != candidates.end();) {
                const double lat = r.CopDec[*it] * kRad;
                const double lon = -r.CopGha[*it] * kRad;
                const double cosDistance = v[1] * std::cos(lat) * std::cos(lon) +
                                           v[2] * std::cos(lat) * std::sin(lon) +
                                           v[3] * std::sin(lat);
                const double distance = std::acos(std::clamp(cosDistance, -1.0, 1.0)) / kRad;
                // Far below the 1 degree between the circle's points.
                it = std::fabs(distance - (90 - r.CopHo[*it])) < 0.01 ? std::next(it)
                                                                      : candidates.erase(it);
            }
        }
        EXPECT_EQ(candidates.size(), 1u) << "a circle of no sight, or of several";
        if (candidates.size() == 1) {
            sights.insert(*candidates.begin());
        }
    }
    return sights;
}

TEST_F(ReductionWindow, EveryReductionRedrawsTheGlobeInItsOwnView) {
    typeLeg(kLeg);
    putSights();
    app.Log.SightData[3][reduction::kFieldIncluded] = 1;
    reduceAccepting();
    globe::Form16* g = app.existingWindow<globe::Form16>();
    ASSERT_NE(g, nullptr);

    // The navigator zooms in a little, then turns the globe to face the
    // assumed position (40 N, 30 W), from wherever it was centred: the
    // drag turns the view by 90 degrees / zoom per 1.5 picture units.
    const QSize size = g->Picture1.widget()->size();
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double pixelsPerUnit = size.width() / 3.0;
    uitest::mouseDown(g->Picture1, c, Qt::RightButton);
    uitest::mouseMove(g->Picture1, c, Qt::RightButton);
    uitest::mouseMove(g->Picture1, c + QPointF(0, 60), Qt::RightButton);
    uitest::mouseUp(g->Picture1, c, Qt::RightButton);
    ASSERT_GT(g->view().Zoom, 1);
    const double turn = 1.5 * g->view().Zoom / (0.01745 * 90) * pixelsPerUnit;
    // The spin is the centre's east longitude, the tilt minus its latitude;
    // a pointer moved right or down lowers them.
    const double spin = -30 * 0.01745;
    const double tilt = -40 * 0.01745;
    const QPointF drag((g->view().SpinAngle - spin) * turn, (g->view().TiltAngle - tilt) * turn);
    uitest::mouseDown(g->Picture1, c, Qt::LeftButton);
    uitest::mouseMove(g->Picture1, c, Qt::LeftButton);
    uitest::mouseMove(g->Picture1, c + drag, Qt::LeftButton);
    uitest::mouseUp(g->Picture1, c + drag, Qt::LeftButton);
    ASSERT_NEAR(g->view().SpinAngle, spin, 0.01);
    ASSERT_NEAR(g->view().TiltAngle, tilt, 0.01);
    // Every circle of the first reduction faces the viewer in part.
    EXPECT_EQ(circlesOnGlobe(*g, app.Reduction, 3), (std::multiset<int>{1, 2, 3}));
    const globe::GlobeView view = g->view();
    const std::string zoomText = g->Text1.text();
    ASSERT_NE(view.Zoom, 1);

    // Sight 3 excluded, then sight 1 instead: the next reduction alone puts
    // the included sights' circles on the globe, shown or closed, in the
    // view the navigator left.
    struct Case {
        const char* what;
        bool closed;
        int excluded;
        std::multiset<int> circles;
    };
    const Case cases[] = {
        {"globe on view", false, 3, {1, 2}},
        {"globe closed", true, 1, {2, 3}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        for (int i = 1; i <= 3; ++i) {
            app.Log.SightData[i][reduction::kFieldIncluded] = i == k.excluded ? 0 : 1;
        }
        if (k.closed) {
            uitest::userClick(g->Command4);  // "CLOSE "
            ASSERT_FALSE(g->isVisible());
        }
        reduceAccepting();
        ASSERT_EQ(app.existingWindow<globe::Form16>(), g);
        EXPECT_TRUE(g->isVisible());
        EXPECT_EQ(circlesOnGlobe(*g, app.Reduction, 3), k.circles);
        EXPECT_EQ(g->view().SpinAngle, view.SpinAngle);
        EXPECT_EQ(g->view().TiltAngle, view.TiltAngle);
        EXPECT_EQ(g->view().Zoom, view.Zoom);
        EXPECT_EQ(g->Text1.text(), zoomText);
    }

    // "CLOSE" then "Show COP": the same drawing, nothing redrawn.
    const std::vector<platform::ui::DrawItem> drawing = g->Picture1.displayList();
    const int draws = env.random.draws;
    uitest::userClick(g->Command4);
    uitest::userClick(main.Command9);
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(env.random.draws, draws);
    ASSERT_EQ(g->Picture1.displayList().size(), drawing.size());
    EXPECT_EQ(circlesOnGlobe(*g, app.Reduction, 3), (std::multiset<int>{2, 3}));
    EXPECT_EQ(g->view().Zoom, view.Zoom);
}

TEST_F(ReductionWindow, ThePlotIsBroughtForwardLastAfterEveryReduction) {
    struct Change {
        const platform::ui::Form* window;
        bool shown, activated;
    };
    std::vector<Change> changes;
    app.setStackingObserver([&](const platform::ui::StackingChange& c) {
        changes.push_back({c.window, c.shown, c.activated});
    });
    typeLeg(kLeg);
    putSights();
    // The first reduction shows both windows; the second finds them on view.
    for (const char* what : {"first", "second"}) {
        SCOPED_TRACE(what);
        changes.clear();
        reduceAccepting();
        const platform::ui::Form* globeWindow = app.existingWindow<globe::Form16>();
        ASSERT_NE(globeWindow, nullptr);
        ASSERT_NE(plot(), nullptr);
        ASSERT_FALSE(changes.empty());
        // The plot comes forward last and takes the keyboard.
        EXPECT_EQ(changes.back().window, plot());
        EXPECT_TRUE(changes.back().activated);
        // The globe comes forward before it and never asks for the keyboard,
        // which would put it over the plot once the window system maps it.
        bool globeSeen = false;
        for (std::size_t k = 0; k < changes.size(); ++k) {
            if (changes[k].window == globeWindow) {
                globeSeen = true;
                EXPECT_FALSE(changes[k].activated);
                EXPECT_LT(k, changes.size() - 1);
            }
        }
        EXPECT_TRUE(globeSeen);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), plot());
    }
    // "Show COP" brings the globe forward with the keyboard, as before.
    changes.clear();
    uitest::userClick(main.Command9);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].window, app.existingWindow<globe::Form16>());
    EXPECT_TRUE(changes[0].activated);
}

// After OPEN FILE and a confirmed Clear All Data nothing of the last leg's
// results can be reached until the next reduction: not the plot (its resize
// included), the globe (the plot's "GLOBE" included) or the detailed output.
class PreviousLeg : public ReductionWindow {
  protected:
    // A reduction, the detailed output on view, the leg saved as a file.
    void reduceAndShowEverything() {
        typeLeg(kLeg);
        putSights();
        reduceAccepting();
        uitest::userClick(main.Command3);  // "Detailed Output"
        ASSERT_TRUE(report().isVisible());
        ASSERT_TRUE(plot()->isVisible());
        ASSERT_TRUE(globeWindow() != nullptr && globeWindow()->isVisible());
        env.fileDialogs.expectSave(legFile().string());
        main.SaveFile.click();
        ASSERT_TRUE(std::filesystem::exists(legFile()));
    }

    reduction::Form4& report() { return app.form4(); }
    globe::Form16* globeWindow() { return app.existingWindow<globe::Form16>(); }
    std::filesystem::path legFile() const { return folder.path() / "leg.NAV"; }

    void openLegFile() {
        env.fileDialogs.expectOpen(legFile().string());
        main.GetFile.click();
    }
    void clearAnswering(bool confirm) {
        env.modalRunner.expectDialog<reduction::Form6>([confirm](reduction::Form6& d) {
            uitest::userClick(confirm ? d.Command1 : d.Command2);
        });
        uitest::userClick(main.Command4);
    }

    void expectNothingOfTheLastLeg() {
        const int draws = env.random.draws;
        const std::size_t drawn = plot()->Picture1.displayList().size();
        EXPECT_FALSE(plot()->isVisible());
        EXPECT_TRUE(globeWindow() == nullptr || !globeWindow()->isVisible());
        EXPECT_FALSE(report().isVisible());
        EXPECT_EQ(report().List1.count(), 0);

        // Every way back: the main window's buttons, the plot's "GLOBE", a
        // resize of the plot.
        for (platform::ui::CommandButton* b : {&main.Command3, &main.Command8, &main.Command9}) {
            EXPECT_FALSE(b->enabled());
            b->click();
        }
        plot()->Command3.click();
        plot()->Command3_Click();
        plot()->resizeTwips(plot()->widthTwips() + 1500, plot()->heightTwips() + 750);

        EXPECT_FALSE(plot()->isVisible());
        EXPECT_EQ(plot()->Picture1.displayList().size(), drawn);
        EXPECT_EQ(env.random.draws, draws);
        EXPECT_TRUE(globeWindow() == nullptr || !globeWindow()->isVisible());
        EXPECT_FALSE(report().isVisible());
        EXPECT_EQ(report().List1.count(), 0);
    }

    uitest::TempFolder folder{"celnav-previous-leg"};
};

TEST_F(PreviousLeg, OpenFileWithdrawsThePlotTheGlobeAndTheDetailedOutput) {
    reduceAndShowEverything();
    openLegFile();
    EXPECT_EQ(main.caption(), " Current Data file: leg.NAV");
    expectNothingOfTheLastLeg();

    // The next reduction shows them again, "GLOBE" included.
    reduceAccepting();
    EXPECT_TRUE(plot()->isVisible());
    ASSERT_NE(globeWindow(), nullptr);
    EXPECT_TRUE(globeWindow()->isVisible());
    globeWindow()->hide();
    uitest::userClick(plot()->Command3);
    EXPECT_TRUE(globeWindow()->isVisible());
}

TEST_F(PreviousLeg, ConfirmedClearAllWithdrawsThemAndPutsBackTheDesignCaption) {
    reduceAndShowEverything();
    openLegFile();  // a file's name in the caption
    reduceAccepting();
    uitest::userClick(main.Command3);
    clearAnswering(true);
    EXPECT_EQ(main.caption(), kDesignCaption);
    expectNothingOfTheLastLeg();

    // A new leg and its sights: the next reduction shows them again.
    typeLeg(kLeg);
    putSights();
    reduceAccepting();
    EXPECT_TRUE(plot()->isVisible());
    EXPECT_TRUE(globeWindow()->isVisible());
}

TEST_F(PreviousLeg, HelpAndInfoOnViewStay) {
    reduceAndShowEverything();
    uitest::userClick(main.Command3);
    main.menuHelp.click();
    const int lines = report().List1.count();
    openLegFile();
    EXPECT_TRUE(report().isVisible());
    EXPECT_EQ(report().List1.count(), lines);

    main.menuInfo.click();
    const int infoLines = report().List1.count();
    reduceAccepting();
    clearAnswering(true);
    EXPECT_TRUE(report().isVisible());
    EXPECT_EQ(report().List1.count(), infoLines);
}

TEST_F(PreviousLeg, ARefusedFileOrClearChangesNothing) {
    reduceAndShowEverything();
    const std::filesystem::path bad = folder.path() / "bad.NAV";
    {
        std::ofstream out(bad);
        out << "not a sight file\r\n";
    }
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"no file chosen",
         [&] {
             env.messages.expect("There was no file selected.");
             env.fileDialogs.expectOpen("");
             main.GetFile.click();
         }},
        {"unreadable file",
         [&] {
             env.messages.expect("");
             env.fileDialogs.expectOpen(bad.string());
             main.GetFile.click();
         }},
        {"DON'T ERASE ANYTHING!!", [&] { clearAnswering(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string caption = main.caption();
        const int reportLines = report().List1.count();
        const std::size_t drawn = plot()->Picture1.displayList().size();
        c.act();
        EXPECT_EQ(main.caption(), caption);
        EXPECT_TRUE(plot()->isVisible());
        EXPECT_EQ(plot()->Picture1.displayList().size(), drawn);
        EXPECT_TRUE(globeWindow()->isVisible());
        EXPECT_TRUE(report().isVisible());
        EXPECT_EQ(report().List1.count(), reportLines);
        EXPECT_TRUE(main.Command3.enabled() && main.Command8.enabled() && main.Command9.enabled());
        // The plot's "GLOBE" still brings the globe back.
        globeWindow()->hide();
        uitest::userClick(plot()->Command3);
        EXPECT_TRUE(globeWindow()->isVisible());
    }
}

}  // namespace
