// The sight entry window through its real controls: body sights with their
// almanac block, hidden fields and correction preview, saving, paging, the
// order of the handlers that showing a sight runs, the settings it reads and
// the cases where it refuses.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_log.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using app::Form1;
using app::Form7;
using platform::ui::DrawItem;
using platform::ui::MessageAnswer;
using platform::ui::OptionButton;
using platform::ui::Picture;
using reduction::Form5;
using Lines = std::vector<std::string>;

const std::string kLeaveQuestion = reduction::kUnsavedEntryMessage;

const std::string kDeg = "\xC2\xB0 ";  // "° "

std::string pn(double x) {
    return platform::printedNumber(x);
}
std::string gt(double x) {
    return platform::generalText(x);
}
// A figure of the given places in print form, every decimal shown: a blank
// before it unless negative, one after (" 0.15 ", "-2.92 ").
std::string pf(double x, int places) {
    return (x < 0 ? "" : " ") + ephemeris::RoundedText(x, places) + " ";
}
// A preview value, or "---" when it has none.
std::string pv(double x, int places) {
    return std::isfinite(x) ? pf(x, places) : "---";
}

Lines printed(const Picture& picture) {
    Lines lines;
    for (const DrawItem& item : picture.displayList()) {
        if (item.kind == DrawItem::Kind::Text) {
            lines.push_back(item.text);
        }
    }
    return lines;
}

// ---------------------------------------------------- independent almanac

struct Instant {
    double year, month, day, hour, minute, second;  // second: watch + correction
};

struct Place {
    std::string name;
    double GHA = 0, Dec = 0, SD = 0, HP = 0, SHA = 0, GHAAries = 0, magnitude = 0;
};

// The body's place from the ephemeris: Sun first, then the body.
Place placeOf(int body, const Instant& t, double DeltaT) {
    const double UT = t.hour + t.minute / 60 + t.second / 3600;
    double JD = 0, T = 0;
    ephemeris::JulianDay(t.year, t.month, t.day, UT, JD, T);
    const double T_TT = T + DeltaT / 3155760000;
    Place p;
    double SunSHA, EarthL, EarthB, EarthR, SunAppLon, SunGeoLon;
    ephemeris::SunPosition(JD, T_TT, p.GHA, p.Dec, p.SD, SunSHA, p.GHAAries, EarthL, EarthB, EarthR,
                           SunAppLon, SunGeoLon);
    double unused1, unused2, unused3;
    if (body == 0) {
        p.name = "Sun";
        p.HP = 0.1466 / EarthR;  // 8.794" at 1 au, in inverse proportion to the distance
    } else if (body == 1) {
        p.name = "Moon";
        ephemeris::MoonPosition(JD, T_TT, SunAppLon, p.GHA, p.Dec, p.SD, p.HP, unused1, unused2,
                                unused3);
    } else if (body <= 5) {
        const int codes[] = {2, 4, 5, 6};
        const char* names[] = {"Venus", "Mars", "Jupiter", "Saturn"};
        p.name = names[body - 2];
        p.SD = 0;
        ephemeris::PlanetPosition(JD, T_TT, codes[body - 2], EarthL, EarthB, EarthR, p.GHA, p.Dec,
                                  p.SHA, p.HP, unused1);
    } else {
        ephemeris::StarTables stars;
        ephemeris::FillStarTable(stars);
        p.name = stars.StarNames[body - 5];
        p.magnitude = stars.StarMagnitudes[body - 5];
        p.SD = 0;
        p.HP = 0;
        ephemeris::StarPosition(T_TT, JD, body - 6, SunGeoLon, p.GHA, p.Dec, p.SHA);
    }
    return p;
}

// x rounded half away from zero to the places shown; no sign for zero.
double rounded(double x, int places) {
    const double scale = std::pow(10.0, places);
    return std::round(x * scale) / scale + 0.0;
}

// Whole degrees and minutes to 0.01' of |x|, rounded with the carry.
void roundedDegMin(double x, double& D, double& M) {
    const double hundredths = std::round(std::fabs(x) * 6000);
    D = std::floor(hundredths / 6000);
    M = (hundredths - D * 6000) / 100;
}

// The almanac block by the window's print rules: every figure rounded to
// the place it is shown.
Lines blockOf(int body, const Place& p) {
    double D, M;
    Lines lines;
    const auto angle = [&](const std::string& label, double x, const std::string& tail) {
        roundedDegMin(x, D, M);
        return label + pn(D) + kDeg + pf(M, 2) + "'" + tail;
    };
    const auto declination = [&](const std::string& label, double x) {
        roundedDegMin(x, D, M);
        return label + std::string(x < 0 ? "S" : "N") + pn(D) + kDeg + pf(M, 2) + "'" +
               "  Declination";
    };
    if (body <= 5) {
        lines.push_back(" Object Name:  " + p.name);
        lines.push_back(angle(" GHA   ", p.GHA, "  Greenwich Hour Angle"));
        lines.push_back(declination(" DEC   ", p.Dec));
        lines.push_back(" HP    " + pf(rounded(p.HP, 2), 2) + " '" + "  Horizontal Parallax");
        if (body <= 1) {
            lines.push_back(" SD  " + pf(rounded(p.SD, 2), 2) + "'" + "  Semi Diameter");
        }
        return lines;
    }
    lines.push_back(" Star:  " + p.name + "      Magnitude " +
                    ephemeris::RoundedText(p.magnitude, 1));
    lines.push_back(angle(" GHAstar  ", p.GHA, "  Greenwich Hour Angle"));
    lines.push_back(declination(" DECstar  ", p.Dec));
    lines.push_back(angle(" SHAstar  ", p.SHA, "  Sidereal Hour Angle"));
    lines.push_back(angle(" GHA Aries  ", p.GHAAries, ""));
    return lines;
}

// ------------------------------------------------- independent preview

enum Horizon { Sea, Artificial, Bubble };

struct PreviewCase {
    Horizon horizon;
    double side;  // -1 on scale, +1 off scale
    double hsDeg, hsMin, ie;
    double eye;
    bool feet;
    double T, P, HP;
};

Lines previewOf(const PreviewCase& c) {
    const double h = c.feet ? c.eye / 3.2808 : c.eye;
    const double dip = c.horizon == Sea ? std::sqrt(h) * -0.0293 * 60 : 0;
    const double Hs = c.hsDeg + c.hsMin / 60;
    const double IC = std::fabs(c.ie) * c.side;
    const double Ha = c.horizon == Artificial ? (Hs + IC / 60) * 0.5 : Hs + (dip + IC) / 60;
    const double k = 0.017453292519943278;
    const double PA = std::cos(Ha * k) * c.HP;
    const double R =
        -0.0167 / std::tan((Ha + 7.31 / (Ha + 4.4)) * k) * 0.28 * c.P / (c.T + 273) * 60;
    return {" IC     " + pv(rounded(IC, 1), 1) + " '" + " Index correction",
            " DipCorr " + pv(rounded(dip, 2), 2) + " '" + " Dip correction",
            " R       " + pv(rounded(R, 2), 2) + " '" + " Refraction correction",
            " PA     " + pv(rounded(PA, 2), 2) + " '" + " Parallax-in-altitude correction"};
}

// ------------------------------------------------------------- fixture

struct Typed {
    std::string year, month, day, hour, minute, second;
    std::string hsDeg, hsMin, ie;
};

class SightEntryWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        main.showModeless();
        settings.showModeless();
        f.showModeless();
    }

    // The user fills the date, time, altitude and index error, then clicks
    // the body.
    void enter(const Typed& t, int body) {
        uitest::userType(f.Text5, t.hsDeg);
        uitest::userType(f.Text6, t.hsMin);
        uitest::userType(f.Text17, t.ie);
        uitest::userType(f.Text21, t.year);
        uitest::userType(f.Text20, t.month);
        uitest::userType(f.Text19, t.day);
        uitest::userType(f.Text18, t.hour);
        uitest::userType(f.Text22, t.minute);
        uitest::userType(f.Text2, t.second);
        pick(body);
    }
    void pick(int body) {
        f.List1.listWidget()->scrollToItem(f.List1.listWidget()->item(body));
        uitest::userClickRow(f.List1, body);
    }
    void save() { uitest::userClick(f.Command5); }
    void next() { uitest::userClick(f.Command2); }
    void last() { uitest::userClick(f.Command1); }
    Lines hidden() const {
        return {f.Text3.text(), f.Text4.text(), f.Text7.text(),
                f.Text8.text(), f.Text9.text(), f.Text10.text()};
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
    Form1& main = app.form1();
    Form7& settings = app.form7();
    Form5& f = app.form5();
};

const Typed kSun{"2024", "3", "19", "12", "0", "0", "35", "20.5", "1.5"};
const Typed kMoon{"2024", "5", "10", "8", "30", "15", "42", "10", "0.8"};
const Typed kVenus{"2024", "11", "20", "22", "15", "40", "15", "5.5", "2"};
const Typed kStar{"2024", "1", "5", "18", "45", "30", "28", "44.2", "0"};

double num(const std::string& s) {
    return platform::leadingNumber(s);
}

// ------------------------------------------------------ body sights

struct BodyCase {
    const char* what;
    Typed typed;
    int body;
    std::string text9;
};

TEST_F(SightEntryWindow, BodySightsShowTheirAlmanacHiddenFieldsPreviewAndAreStored) {
    const BodyCase cases[] = {
        // Declination between 0 and -1 degree: "S", 0 degrees, unsigned minutes.
        {"Sun just before the equinox", kSun, 0, "Sun"},
        {"Moon", kMoon, 1, "Moon"},
        {"Venus", kVenus, 2, "Venus"},
        {"first star of the list", kStar, 6, "0"},
    };
    int sight = 1;
    for (const BodyCase& c : cases) {
        SCOPED_TRACE(c.what);
        enter(c.typed, c.body);
        ASSERT_EQ(f.List1.selectedIndex(), c.body);

        const Instant t{num(c.typed.year), num(c.typed.month),  num(c.typed.day),
                        num(c.typed.hour), num(c.typed.minute), num(c.typed.second) + 0.0};
        const Place p = placeOf(c.body, t, 67.0);
        EXPECT_EQ(printed(f.Picture1), blockOf(c.body, p));
        const bool sunOrMoon = c.body <= 1;
        const bool star = c.body >= 6;
        EXPECT_EQ(hidden(),
                  (Lines{gt(ephemeris::FloorTo6(p.GHA)), gt(ephemeris::FloorTo6(p.Dec)),
                         sunOrMoon ? gt(ephemeris::FloorTo6(p.SD)) : "",
                         star ? "" : gt(ephemeris::FloorTo6(p.HP)), c.text9, gt(c.body)}));
        EXPECT_EQ(printed(f.Picture2), previewOf({Sea, -1, num(c.typed.hsDeg), num(c.typed.hsMin),
                                                  num(c.typed.ie), 2.75, false, 15, 1010, p.HP}));

        save();
        const auto& row = app.Log.SightData[sight];
        EXPECT_EQ(app.Log.SightCount, sight);
        EXPECT_EQ(row[reduction::kFieldUTYear], num(c.typed.year));
        EXPECT_EQ(row[reduction::kFieldUTSecond], num(c.typed.second));
        EXPECT_EQ(row[reduction::kFieldHsMinutes], num(c.typed.hsMin));
        // Fields 14 to 17 are the numbers the hidden texts read as.
        EXPECT_EQ(row[reduction::kFieldGHA], num(gt(ephemeris::FloorTo6(p.GHA))));
        EXPECT_EQ(row[reduction::kFieldDec], num(gt(ephemeris::FloorTo6(p.Dec))));
        EXPECT_EQ(row[reduction::kFieldSD], sunOrMoon ? num(gt(ephemeris::FloorTo6(p.SD))) : 0);
        EXPECT_EQ(row[reduction::kFieldHP], star ? 0 : num(gt(ephemeris::FloorTo6(p.HP))));
        EXPECT_EQ(row[reduction::kFieldObjectIndex], c.body);
        next();
        ++sight;
    }
    // The Sun's declination really was between 0 and -1 degree.
    const Place sun = placeOf(0, {2024, 3, 19, 12, 0, 0}, 67.0);
    EXPECT_LT(sun.Dec, 0);
    EXPECT_GT(sun.Dec, -1);
}

TEST_F(SightEntryWindow, FieldsAreStoredAsTheSightRecordEncodesThem) {
    // A note with commas, index error -2.5 off scale, upper limb, bubble, not
    // included.
    uitest::userType(f.Text1, "a, b,c");
    uitest::userClick(f.Option4);
    uitest::userClick(f.Option3);
    uitest::userClick(f.Check1);
    uitest::userClick(f.Option9);
    enter({"2024", "6", "1", "7", "5", "9.5", "20", "1", "-2.5"}, 0);
    save();
    const auto& row = app.Log.SightData[1];
    EXPECT_EQ(app.Log.SightNotes[1], "a  b c");
    EXPECT_EQ(f.Text1.text(), "a, b,c");
    const double expected[] = {-1, 0, 2, 7, 5, 9.5, 1, 6, 2024, 20, 1, 2.5, 1};
    for (int field = 1; field <= 13; ++field) {
        EXPECT_EQ(row[field], expected[field - 1]) << "field " << field;
    }
}

// ---------------------------------------------------- captions and states

TEST_F(SightEntryWindow, CaptionsAndButtonStatesFollowSaving) {
    EXPECT_EQ(f.caption(), "Sight Data Entry Form");
    EXPECT_EQ(f.Label2.caption(), "1");
    EXPECT_EQ(f.Label17.caption(), "");
    EXPECT_TRUE(f.Command1.enabled());
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_TRUE(f.Command5.enabled());
    EXPECT_FALSE(main.Command1.enabled());
    EXPECT_EQ(f.Text1.text(), "Type notes here  (no commas!)");
    ASSERT_TRUE(f.Text1.isMultiLine());
    EXPECT_EQ(f.Text1.plainTextEdit()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(hidden(), (Lines{"Text3", "Text4", "Text7", "Text8", "Text9", "Text10"}));
    EXPECT_TRUE(f.Option1.value() && f.Option5.value() && f.Option8.value());
    EXPECT_EQ(f.Check1.value(), 1);
    EXPECT_EQ(f.List1.count(), 64);
    EXPECT_EQ(f.List1.selectedIndex(), -1);

    enter(kSun, 0);
    save();
    EXPECT_EQ(f.caption(), "Sight Data Entry   Number of stored sightings = 1");
    EXPECT_EQ(f.Label17.caption(), "1");
    EXPECT_TRUE(f.Command2.enabled());
    EXPECT_TRUE(main.Command1.enabled());
    EXPECT_EQ(app.CurrentSight, 1);

    next();
    EXPECT_EQ(f.Label2.caption(), "2");
    EXPECT_FALSE(f.Command2.enabled());
    enter(kMoon, 1);
    save();
    EXPECT_EQ(f.caption(), "Sight Data Entry   Number of stored sightings = 2");
    EXPECT_EQ(f.Label17.caption(), "2");

    // Saving an earlier sight again leaves count and caption.
    last();
    EXPECT_EQ(f.Label2.caption(), "1");
    uitest::userType(f.Text6, "21");
    save();
    EXPECT_EQ(app.CurrentSight, 1);
    EXPECT_EQ(app.Log.SightCount, 2);
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldHsMinutes], 21);
    EXPECT_EQ(f.caption(), "Sight Data Entry   Number of stored sightings = 2");
    EXPECT_EQ(f.Label17.caption(), "2");
}

// ------------------------------------------------------------- paging

TEST_F(SightEntryWindow, PagingShowsEachStoredSightAndOpensOneNewEntry) {
    enter(kSun, 0);
    save();
    next();
    enter(kMoon, 1);
    save();
    next();
    enter(kStar, 6);
    save();

    struct Step {
        char button;  // 'L' last, 'N' next
        std::string label2, hsDeg, minute;
        int selected;
        bool nextEnabled;
    };
    const Step steps[] = {
        {'L', "2", "42", "30", 1, true}, {'L', "1", "35", "0", 0, true},
        {'L', "1", "35", "0", 0, true},  // nothing before sight 1
        {'N', "2", "42", "30", 1, true}, {'N', "3", "28", "45", 6, true},
        {'N', "4", "", "", -1, false},  // the new entry
        {'N', "4", "", "", -1, false},  // disabled: only one new entry
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(1, s.button) + " to " + s.label2);
        s.button == 'L' ? last() : next();
        EXPECT_EQ(f.Label2.caption(), s.label2);
        EXPECT_EQ(f.Text5.text(), s.hsDeg);
        EXPECT_EQ(f.Text22.text(), s.minute);
        EXPECT_EQ(f.List1.selectedIndex(), s.selected);
        EXPECT_EQ(f.Command2.enabled(), s.nextEnabled);
        EXPECT_EQ(printed(f.Picture1).empty(), s.selected < 0);
        // The new entry has no altitude and so no preview.
        EXPECT_EQ(printed(f.Picture2).size(), s.hsDeg.empty() ? 0u : 4u);
    }
    EXPECT_EQ(app.Log.SightCount, 3);
}

TEST_F(SightEntryWindow, LastSightFromATypedNewEntryAsksBeforeItDropsIt) {
    enter(kSun, 0);
    save();
    next();
    enter(kMoon, 1);
    save();
    next();
    ASSERT_EQ(f.Label2.caption(), "3");
    uitest::userType(f.Text5, "28");
    uitest::userType(f.Text6, "44.2");
    EXPECT_TRUE(f.newEntryTyped());

    // No: still the new entry, with what was typed, and nothing stored.
    env.log.clear();
    env.messages.expect(kLeaveQuestion, MessageAnswer::No);
    last();
    EXPECT_EQ(env.log, (Lines{"beep", "message Warning!: " + std::string(kLeaveQuestion)}));
    EXPECT_EQ(env.messages.calls.back().buttons, platform::ui::MessageButtons::YesNo);
    EXPECT_EQ(f.Label2.caption(), "3");
    EXPECT_EQ(f.Text5.text(), "28");
    EXPECT_EQ(f.Text6.text(), "44.2");
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_EQ(app.Log.SightCount, 2);

    // Yes: the entry is dropped and the sight before is shown.
    env.messages.expect(kLeaveQuestion, MessageAnswer::Yes);
    last();
    EXPECT_EQ(f.Label2.caption(), "2");
    EXPECT_EQ(f.Text5.text(), "42");
    EXPECT_EQ(f.List1.selectedIndex(), 1);
    EXPECT_TRUE(f.Command2.enabled());
    EXPECT_EQ(app.Log.SightCount, 2);

    // A new entry again, saved: paging back goes on without a word.
    next();
    enter(kStar, 6);
    save();
    env.log.clear();
    last();
    EXPECT_TRUE(env.log.empty());
    EXPECT_EQ(f.Label2.caption(), "2");
    EXPECT_EQ(f.Text5.text(), "42");
    EXPECT_EQ(app.Log.SightCount, 3);
    EXPECT_EQ(app.Log.SightData[3][reduction::kFieldHsDegrees], 28);
}

TEST_F(SightEntryWindow, NewEntryCarriesTheSetUpOfThePreviousSight) {
    uitest::userClick(f.Option10);  // CENTER
    uitest::userClick(f.Option3);   // Bubble
    uitest::userClick(f.Check1);    // not included
    uitest::userClick(f.Option9);   // Off scale
    uitest::userType(f.Text1, "first");
    enter(kVenus, 2);
    save();
    next();
    EXPECT_TRUE(f.Option10.value());
    EXPECT_TRUE(f.Option3.value());
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_TRUE(f.Option9.value());
    EXPECT_EQ(
        (Lines{f.Text1.text(), f.Text21.text(), f.Text20.text(), f.Text19.text(), f.Text18.text(),
               f.Text22.text(), f.Text2.text(), f.Text5.text(), f.Text6.text(), f.Text17.text()}),
        (Lines{"", "2024", "11", "20", "22", "", "", "", "", "2"}));
    EXPECT_EQ(hidden(), (Lines{"", "", "", "", "", ""}));
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    EXPECT_TRUE(printed(f.Picture1).empty());
}

TEST_F(SightEntryWindow, ANeverStoredRowShowsTheSunArtificialHorizonCentreAndNoInclude) {
    // The file reader shows row 1 of the start-up log: all zeros.
    reduction::ShowSight(app, 1);
    EXPECT_EQ(f.List1.selectedIndex(), 0);
    EXPECT_TRUE(f.Option2.value());
    EXPECT_TRUE(f.Option10.value());
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Text1.text(), "type notes here");
    EXPECT_EQ(f.List1.item(6), app.Stars.StarNames[1]);
    EXPECT_EQ(f.List1.item(63), app.Stars.StarNames[58]);
}

TEST_F(SightEntryWindow, ACodeNoOptionNamesLeavesThatGroupAsItWas) {
    // Bubble, not included, off scale on view; the row holds a horizon code
    // of 3, an include flag of 2 and an index-error side of 0.
    uitest::userClick(f.Option3);
    uitest::userClick(f.Check1);
    uitest::userClick(f.Option9);
    auto& row = app.Log.SightData[1];
    row[reduction::kFieldLimb] = -1;
    row[reduction::kFieldHorizon] = 3;
    row[reduction::kFieldIncluded] = 2;
    row[reduction::kFieldIndexErrorSide] = 0;
    reduction::ShowSight(app, 1);
    EXPECT_TRUE(f.Option4.value());
    EXPECT_TRUE(f.Option3.value());
    EXPECT_FALSE(f.Option1.value() || f.Option2.value());
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_TRUE(f.Option9.value());
    EXPECT_FALSE(f.Option8.value());
}

TEST_F(SightEntryWindow, ObjectListHoldsTheBodiesThenTheStarsAsStored) {
    enter(kSun, 0);
    Lines clicks;
    f.List1.onClick([&] { clicks.push_back(std::to_string(f.List1.selectedIndex())); });
    reduction::FillObjectList(app);
    EXPECT_TRUE(clicks.empty());  // refilling runs no click and leaves nothing selected
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    ASSERT_EQ(f.List1.count(), 64);
    EXPECT_EQ((Lines{f.List1.item(0), f.List1.item(1), f.List1.item(2), f.List1.item(3),
                     f.List1.item(4), f.List1.item(5)}),
              (Lines{"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"}));
    EXPECT_EQ(f.List1.item(6), "Acamar   ");  // with its trailing blanks
    EXPECT_EQ(f.List1.item(15), "Alphard ");
    EXPECT_EQ(f.List1.item(45), "Miaplacidus");
    EXPECT_EQ(f.List1.item(63), "Zuben-ubi");
}

// ------------------------------------------------ order of ShowSight

TEST_F(SightEntryWindow, ShowSightWritesTheFieldsInOrderAndRecomputesTheBodyLast) {
    // Sight 1: Sun, lower limb, included, sea, on scale. Sight 2: Venus,
    // upper limb, not included, bubble, off scale; on view when paging back.
    enter(kSun, 0);
    save();
    next();
    uitest::userClick(f.Option4);
    uitest::userClick(f.Check1);
    uitest::userClick(f.Option3);
    uitest::userClick(f.Option9);
    enter(kVenus, 2);
    save();

    Lines log;
    const auto note = [&log](const std::string& name) { log.push_back(name); };
    const std::pair<platform::ui::TextBox*, const char*> boxes[] = {
        {&f.Text1, "Text1"}, {&f.Text5, "Text5"},  {&f.Text6, "Text6"}, {&f.Text17, "Text17"},
        {&f.Text3, "Text3"}, {&f.Text4, "Text4"},  {&f.Text7, "Text7"}, {&f.Text8, "Text8"},
        {&f.Text9, "Text9"}, {&f.Text10, "Text10"}};
    for (const auto& entry : boxes) {
        const std::string name = entry.second;
        entry.first->onChange([note, name] { note(name); });
    }
    const std::pair<OptionButton*, const char*> options[] = {
        {&f.Option1, "Option1"}, {&f.Option2, "Option2"}, {&f.Option3, "Option3"},
        {&f.Option4, "Option4"}, {&f.Option5, "Option5"}, {&f.Option10, "Option10"},
        {&f.Option8, "Option8"}, {&f.Option9, "Option9"}};
    for (const auto& [option, name] : options) {
        option->onClick([=, n = std::string(name)] { note(n); });
    }
    f.Check1.onClick([=] { note("Check1"); });
    // The date and time boxes are noted and keep their own handlers.
    struct TimeBox {
        platform::ui::TextBox* box;
        const char* name;
        void (Form5::*handler)();
    };
    const TimeBox timeBoxes[] = {{&f.Text18, "Text18_Change", &Form5::Text18_Change},
                                 {&f.Text22, "Text22_Change", &Form5::Text22_Change},
                                 {&f.Text2, "Text2_Change", &Form5::Text2_Change},
                                 {&f.Text19, "Text19_Change", &Form5::Text19_Change},
                                 {&f.Text20, "Text20_Change", &Form5::Text20_Change},
                                 {&f.Text21, "Text21_Change", &Form5::Text21_Change}};
    for (const TimeBox& t : timeBoxes) {
        Form5* form = &f;
        const std::string name = t.name;
        const auto handler = t.handler;
        t.box->onChange([note, form, name, handler] {
            note(name);
            (form->*handler)();
        });
    }
    f.List1.onClick([=] {
        note("List1_Click " + std::to_string(f.List1.selectedIndex()));
        f.List1_Click();
    });

    last();
    EXPECT_EQ(log, (Lines{"Text1",         "Option5",        "Check1",        "Option1",
                          "Text5",         "Text6",          "Text17",        "Option8",
                          "Text18_Change", "List1_Click -1",  // deselects Venus at once
                          "Text22_Change", "Text2_Change",   "Text19_Change", "Text20_Change",
                          "Text21_Change", "List1_Click 0",  // after the list was refilled
                          "Text3",         "Text4",          "Text7",         "Text8",
                          "Text9",         "Text10"}));
    // The click computed the Sun for sight 1's instant.
    EXPECT_EQ(printed(f.Picture1), blockOf(0, placeOf(0, {2024, 3, 19, 12, 0, 0}, 67.0)));
}

// ------------------------------------------------------------ refusals

// The sight entry never traps: an untouched new entry is left by every way
// out without a word; a typed one asks, with one and with four stored sights.
TEST_F(SightEntryWindow, NewEntryIsLeftByEveryWayOut) {
    const std::vector<std::function<void()>> closes = {[&] { uitest::userClick(f.Command4); },
                                                       [&] { uitest::userClick(f.Command6); },
                                                       [&] { uitest::userCloseWindow(&f); }};
    const Typed sights[] = {kSun, kMoon, kStar, kVenus};
    const int bodies[] = {0, 1, 6, 2};
    for (const int stored : {1, 4}) {
        SCOPED_TRACE(std::to_string(stored) + " stored");
        for (int i = 0; i < stored; ++i) {
            if (i > 0) {
                next();
            }
            enter(sights[i], bodies[i]);
            save();
        }
        const std::string newNumber = std::to_string(stored + 1);
        const std::string before = std::to_string(stored);
        const auto openNew = [&] {
            f.showModeless();
            if (f.Label2.caption() != newNumber) {
                next();
            }
            ASSERT_EQ(f.Label2.caption(), newNumber);
        };

        // Untouched: every close hides it at once; "<----  Last Sight" shows
        // the sight before.
        for (const auto& close : closes) {
            openNew();
            EXPECT_FALSE(f.newEntryTyped());
            env.log.clear();
            close();
            EXPECT_TRUE(env.log.empty());
            EXPECT_FALSE(f.isVisible());
        }
        openNew();
        env.log.clear();
        last();
        EXPECT_TRUE(env.log.empty());
        EXPECT_EQ(f.Label2.caption(), before);

        // Typed (a note, a changed option or a body count too): No stays,
        // Yes closes and drops it: shown again, the entry is as "Next Sight
        // ---->" prepares it, and it is left without a word.
        const std::vector<std::function<void()>> typings = {
            [&] { uitest::userType(f.Text1, "low cloud"); },
            [&] { uitest::userClick(f.Option4); },
            [&] { pick(3); },
        };
        for (const auto& close : closes) {
            for (const auto& type : typings) {
                openNew();
                type();
                ASSERT_TRUE(f.newEntryTyped());
                env.messages.expect(kLeaveQuestion, MessageAnswer::No);
                close();
                EXPECT_TRUE(f.isVisible());
                EXPECT_EQ(f.Label2.caption(), newNumber);
                env.messages.expect(kLeaveQuestion, MessageAnswer::Yes);
                close();
                EXPECT_FALSE(f.isVisible());
                f.showModeless();
                EXPECT_EQ(f.Label2.caption(), newNumber);
                EXPECT_EQ(f.Text1.text(), "");
                EXPECT_FALSE(f.Option4.value());
                EXPECT_EQ(f.List1.selectedIndex(), -1);
                EXPECT_FALSE(f.newEntryTyped());
                env.log.clear();
                last();
                EXPECT_TRUE(env.log.empty());
                EXPECT_EQ(f.Label2.caption(), before);
            }
        }
        EXPECT_EQ(app.Log.SightCount, stored);

        // "Save Changes" still refuses an entry without a body.
        openNew();
        uitest::userType(f.Text5, "30");
        env.messages.expect("Click the celestial object for this sight first!");
        save();
        EXPECT_EQ(app.Log.SightCount, stored);
        env.messages.expect(kLeaveQuestion, MessageAnswer::Yes);
        last();

        // The next round starts from a cleared leg.
        env.modalRunner.expectDialog<reduction::Form6>(
            [](reduction::Form6& d) { d.Command1.click(); });
        main.Command4.click();
        f.showModeless();
    }
}

TEST_F(SightEntryWindow, SavingWithoutABodyForTheInstantOnViewIsRefused) {
    const auto refusedSave = [&](const char* what) {
        SCOPED_TRACE(what);
        const reduction::SightLog before = app.Log;
        const std::string caption = f.caption();
        env.log.clear();
        env.messages.expect("Click the celestial object for this sight first!");
        save();
        EXPECT_EQ(
            env.log,
            (Lines{"beep", "message Warning!: Click the celestial object for this sight first!"}));
        EXPECT_TRUE(app.Log == before);
        EXPECT_EQ(f.caption(), caption);
    };
    // Never clicked.
    uitest::userType(f.Text5, "30");
    refusedSave("no body clicked yet");
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_FALSE(main.Command1.enabled());

    // A new minute after the click clears the selection and the block.
    enter(kSun, 0);
    ASSERT_FALSE(printed(f.Picture1).empty());
    const Lines clicked = hidden();
    uitest::userType(f.Text22, "7");
    EXPECT_EQ(f.List1.selectedIndex(), -1);
    EXPECT_TRUE(printed(f.Picture1).empty());
    EXPECT_EQ(printed(f.Picture2).size(), 4u);
    EXPECT_EQ(hidden(), clicked);  // the hidden fields are not touched
    refusedSave("minute changed after the click");

    pick(0);
    save();
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldUTMinute], 7);
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldGHA],
              num(gt(ephemeris::FloorTo6(placeOf(0, {2024, 3, 19, 12, 7, 0}, 67.0).GHA))));
}

TEST_F(SightEntryWindow, AClickForAnImpossibleInstantIsRefused) {
    struct Case {
        platform::ui::TextBox* box;
        std::string typed;
        std::string message;
    };
    const Case cases[] = {
        {&f.Text21, std::string(70, '9'), "Year must be 1000 to 3000"},
        {&f.Text21, "", "Year must be 1000 to 3000"},
        {&f.Text20, "13", "Month must be 1 to 12"},
        {&f.Text19, "32", "Day must be 1 to 31"},
        {&f.Text19, "0", "Day must be 1 to 31"},
        {&f.Text18, "25", "Hour must be 0 to below 24"},
        {&f.Text22, "60", "Minute must be 0 to below 60"},
        {&f.Text2, "-1", "Second must be 0 to below 60"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " for " + c.typed.substr(0, 5));
        enter(kSun, 0);
        ASSERT_FALSE(printed(f.Picture1).empty());
        uitest::userType(*c.box, c.typed);
        env.log.clear();
        env.messages.expect(c.message);
        pick(0);
        EXPECT_EQ(env.log, (Lines{"beep", "message Warning!: " + c.message}));
        EXPECT_TRUE(printed(f.Picture1).empty());
        EXPECT_TRUE(printed(f.Picture2).empty());

        const reduction::SightLog before = app.Log;
        env.log.clear();
        env.messages.expect(c.message);
        save();
        EXPECT_EQ(env.log, (Lines{"beep", "message Warning!: " + c.message}));
        EXPECT_TRUE(app.Log == before);
    }
    // 29 February of a leap year is a date.
    enter(Typed{"2024", "2", "29", "23", "59", "59.5", "35", "0", "0"}, 0);
    EXPECT_FALSE(printed(f.Picture1).empty());
}

// A stored sight with such an instant, shown by paging or a file: its body
// is selected silently and nothing is computed.
TEST_F(SightEntryWindow, AStoredImpossibleInstantIsShownWithoutAnAnswer) {
    enter(kSun, 0);
    save();
    app.Log.SightData[1][reduction::kFieldUTMonth] = 13;
    env.log.clear();
    reduction::ShowSight(app, 1);
    EXPECT_TRUE(env.log.empty());
    EXPECT_EQ(f.List1.selectedIndex(), 0);
    EXPECT_EQ(f.Text20.text(), "13");
    EXPECT_TRUE(printed(f.Picture1).empty());
    EXPECT_TRUE(printed(f.Picture2).empty());
}

TEST_F(SightEntryWindow, NextSightOnSight25SaysALegHoldsAtMost25) {
    // A full log, as the file reader leaves it.
    app.Log.SightCount = 25;
    for (int i = 1; i <= 25; ++i) {
        app.Log.SightData[i][reduction::kFieldHsDegrees] = i;
        app.Log.SightData[i][reduction::kFieldUTDay] = 19;
        app.Log.SightData[i][reduction::kFieldUTMonth] = 3;
        app.Log.SightData[i][reduction::kFieldUTYear] = 2024;
    }
    reduction::ShowSight(app, 24);
    f.Label2.setCaption("24");
    f.Command2.setEnabled(true);
    next();
    EXPECT_EQ(f.Label2.caption(), "25");
    EXPECT_EQ(f.Text5.text(), "25");
    const reduction::SightLog before = app.Log;
    env.log.clear();
    ASSERT_NE(std::string(reduction::kSightLimitMessage).find("at most 25 sights"),
              std::string::npos);
    env.messages.expect(reduction::kSightLimitMessage);
    next();
    EXPECT_EQ(env.log,
              (Lines{"beep", "message Warning!: " + std::string(reduction::kSightLimitMessage)}));
    EXPECT_EQ(f.Label2.caption(), "25");
    EXPECT_EQ(f.Text5.text(), "25");
    EXPECT_TRUE(f.Command2.enabled());
    pick(0);
    save();  // stores row 25 again, nothing beyond
    EXPECT_EQ(app.Log.SightCount, 25);
    EXPECT_EQ(app.CurrentSight, 25);
    for (int i = 1; i <= 24; ++i) {
        EXPECT_EQ(app.Log.SightData[i], before.SightData[i]);
    }
}

TEST_F(SightEntryWindow, AStoredObjectIndexOutsideTheListSelectsNothingAndKeepsTheRowsData) {
    for (const double index : {64.0, -1.0, 2.5, 1e9, -32768.0}) {
        SCOPED_TRACE(index);
        auto& row = app.Log.SightData[1];
        row[reduction::kFieldHorizon] = 1;
        row[reduction::kFieldHsDegrees] = 30;
        row[reduction::kFieldGHA] = 123.456789;
        row[reduction::kFieldDec] = -12.5;
        row[reduction::kFieldSD] = 16.1;
        row[reduction::kFieldHP] = 0.5;
        row[reduction::kFieldObjectIndex] = index;
        enter(kSun, 0);  // a body selected before
        reduction::ShowSight(app, 1);
        EXPECT_EQ(f.List1.selectedIndex(), -1);
        EXPECT_TRUE(printed(f.Picture1).empty());
        EXPECT_EQ(printed(f.Picture2), previewOf({Sea, -1, 30, 0, 0, 2.75, false, 15, 1010, 0}));
        EXPECT_EQ(hidden(), (Lines{"123.456789", "-12.5", "16.1", "0.5", "", gt(index)}));
    }
}

// ------------------------------------------------ settings it reads

TEST_F(SightEntryWindow, ChronometerCorrectionIsAddedToTheWatchSecondsOnly) {
    uitest::userType(settings.Text108, "-5");
    enter({"2024", "6", "21", "12", "0", "3", "40", "0", "0"}, 0);
    const Place at115958 = placeOf(0, {2024, 6, 21, 11, 59, 58}, 67.0);
    const Place at120003 = placeOf(0, {2024, 6, 21, 12, 0, 3}, 67.0);
    EXPECT_NEAR(num(f.Text3.text()), at115958.GHA, 2e-6);
    EXPECT_GT(std::fabs(at120003.GHA - at115958.GHA), 0.02);
    save();
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldUTSecond], 3);
}

TEST_F(SightEntryWindow, DeltaTEntersTheComputedPlaceAndPagingBackRecomputesIt) {
    enter(kMoon, 1);
    save();
    const Instant t{2024, 5, 10, 8, 30, 15};
    EXPECT_EQ(f.Text3.text(), gt(ephemeris::FloorTo6(placeOf(1, t, 67.0).GHA)));

    uitest::userType(settings.Text1, "0");
    next();
    enter(kSun, 0);
    save();
    last();  // shows sight 1 again with the settings of the moment
    const std::string withoutDeltaT = gt(ephemeris::FloorTo6(placeOf(1, t, 0).GHA));
    EXPECT_EQ(f.Text3.text(), withoutDeltaT);
    EXPECT_NE(withoutDeltaT, gt(ephemeris::FloorTo6(placeOf(1, t, 67.0).GHA)));
    save();
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldGHA], num(withoutDeltaT));
}

struct PreviewSetting {
    const char* what;
    OptionButton Form5::*horizon;
    OptionButton Form5::*side;
    std::string hsDeg, hsMin, ie, eye;
    bool feet;
    std::string T, P;
    PreviewCase expected;
};

TEST_F(SightEntryWindow, PreviewFollowsHorizonEyeHeightAndTheAir) {
    // The Sun of 2024 March 19, 12:00 UT (0.996 au: 0.1472').
    const double sunHP = placeOf(0, {2024, 3, 19, 12, 0, 0}, 67.0).HP;
    const PreviewSetting cases[] = {
        {"sea, metres",
         &Form5::Option1,
         &Form5::Option8,
         "35",
         "20.5",
         "1.5",
         "2.75",
         false,
         "15",
         "1010",
         {Sea, -1, 35, 20.5, 1.5, 2.75, false, 15, 1010, sunHP}},
        {"feet: 3.2808 ft dips as 1 m",
         &Form5::Option1,
         &Form5::Option9,
         "35",
         "0",
         "-2",
         "3.2808",
         true,
         "15",
         "1010",
         {Sea, 1, 35, 0, -2, 1, false, 15, 1010, sunHP}},
        {"reflective artificial halves",
         &Form5::Option2,
         &Form5::Option8,
         "70",
         "30",
         "3",
         "2.75",
         false,
         "15",
         "1010",
         {Artificial, -1, 70, 30, 3, 0, false, 15, 1010, sunHP}},
        {"bubble has no dip",
         &Form5::Option3,
         &Form5::Option9,
         "12",
         "0",
         "1",
         "2.75",
         false,
         "15",
         "1010",
         {Bubble, 1, 12, 0, 1, 0, false, 15, 1010, sunHP}},
        {"cold dense air",
         &Form5::Option1,
         &Form5::Option8,
         "5",
         "0",
         "0",
         "2",
         false,
         "-20",
         "1040",
         {Sea, -1, 5, 0, 0, 2, false, -20, 1040, sunHP}},
        {"hot thin air",
         &Form5::Option1,
         &Form5::Option8,
         "5",
         "0",
         "0",
         "2",
         false,
         "35",
         "980",
         {Sea, -1, 5, 0, 0, 2, false, 35, 980, sunHP}},
    };
    for (const PreviewSetting& c : cases) {
        SCOPED_TRACE(c.what);
        uitest::userClick(f.*c.horizon);
        uitest::userClick(f.*c.side);
        uitest::userType(main.Text3, c.eye);
        uitest::userClick(c.feet ? main.Option6 : main.Option5);
        uitest::userType(settings.Text4, c.T);
        uitest::userType(settings.Text5, c.P);
        enter({"2024", "3", "19", "12", "0", "0", c.hsDeg, c.hsMin, c.ie}, 0);
        EXPECT_EQ(printed(f.Picture2), previewOf(c.expected));
    }
}

// A box the click or "Save Changes" reads that is not a number, or a value
// that cannot be: refused with its name, nothing computed, nothing stored,
// and no earlier output left on view.
TEST_F(SightEntryWindow, RefusedBoxesComputeAndStoreNothing) {
    struct Case {
        const char* what;
        std::function<void()> change;
        std::string message;
    };
    const Case cases[] = {
        {"altitude abc", [&] { uitest::userType(f.Text5, "abc"); },
         "Sextant altitude degrees must be a number (use a point for decimals)"},
        {"minutes 2,5", [&] { uitest::userType(f.Text6, "2,5"); },
         "Sextant altitude minutes must be a number (use a point for decimals)"},
        {"minutes 75", [&] { uitest::userType(f.Text6, "75"); },
         "Sextant altitude minutes must be 0 to below 60"},
        {"minutes -24", [&] { uitest::userType(f.Text6, "-24"); },
         "Sextant altitude minutes must be 0 to below 60"},
        {"altitude 90 deg 30 min, sea",
         [&] {
             uitest::userType(f.Text5, "90");
             uitest::userType(f.Text6, "30");
         },
         "Sextant altitude must be 0 to 90 degrees"},
        {"altitude -4 deg, bubble",
         [&] {
             uitest::userClick(f.Option3);
             uitest::userType(f.Text5, "-4");
         },
         "Sextant altitude must be 0 to 90 degrees"},
        {"altitude 181, artificial horizon",
         [&] {
             uitest::userClick(f.Option2);
             uitest::userType(f.Text5, "181");
         },
         "Sextant altitude must be 0 to 180 degrees"},
        {"index error 1e3", [&] { uitest::userType(f.Text17, "1e3"); },
         "Index error must be a number (use a point for decimals)"},
        {"second 12abc", [&] { uitest::userType(f.Text2, "12abc"); },
         "Second must be a number (use a point for decimals)"},
        {"day 32", [&] { uitest::userType(f.Text19, "32"); }, "Day must be 1 to 31"},
        {"chronometer x", [&] { uitest::userType(settings.Text108, "x"); },
         "Chronometer correction must be a number (use a point for decimals)"},
        {"Delta T empty", [&] { uitest::userType(settings.Text1, ""); },
         "Delta T must not be empty"},
        {"Delta T of 70 digits", [&] { uitest::userType(settings.Text1, std::string(70, '9')); },
         "Delta T must be -100 to 1000 seconds"},
        {"eye height 2,75 on the sea horizon", [&] { uitest::userType(main.Text3, "2,75"); },
         "Eye height must be a number (use a point for decimals)"},
        {"eye height -1 on the sea horizon", [&] { uitest::userType(main.Text3, "-1"); },
         "Eye height must not be negative"},
        {"temperature -273", [&] { uitest::userType(settings.Text4, "-273"); },
         "Air temperature must be above -273 \xC2\xB0"
         "C"},
        {"pressure 0", [&] { uitest::userType(settings.Text5, "0"); },
         "Pressure must be above 0 millibars"},
    };
    const Typed good{"2024", "3", "19", "12", "0", "0", "35", "20", "1.5"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uitest::userClick(f.Option1);
        uitest::userType(main.Text3, "2.75");
        uitest::userType(settings.Text1, "67");
        uitest::userType(settings.Text108, "0");
        uitest::userType(settings.Text4, "15");
        uitest::userType(settings.Text5, "1010");
        enter(good, 0);
        ASSERT_FALSE(printed(f.Picture1).empty());
        ASSERT_FALSE(printed(f.Picture2).empty());
        c.change();
        // The body clicked again: refused, both pictures empty.
        env.log.clear();
        env.messages.expect(c.message);
        pick(1);
        EXPECT_EQ(env.log, (Lines{"beep", "message Warning!: " + c.message}));
        EXPECT_TRUE(printed(f.Picture1).empty());
        EXPECT_TRUE(printed(f.Picture2).empty());
        // "Save Changes": refused, nothing stored.
        const reduction::SightLog before = app.Log;
        env.messages.expect(c.message);
        save();
        EXPECT_TRUE(app.Log == before);
        EXPECT_FALSE(main.Command1.enabled());
    }
}

// The date and time boxes too refuse text that is not a number as a whole.
TEST_F(SightEntryWindow, DateAndTimeBoxesAreNumbersAsAWholeText) {
    struct Box {
        platform::ui::TextBox* box;
        const char* label;
    };
    const Box boxes[] = {{&f.Text21, "Year"},
                         {&f.Text20, "Month"},
                         {&f.Text19, "Day"},
                         {&f.Text18, "Hour"},
                         {&f.Text22, "Minute"},
                         {&f.Text2, "Second"},
                         {&f.Text5, "Sextant altitude degrees"},
                         {&f.Text6, "Sextant altitude minutes"},
                         {&f.Text17, "Index error"}};
    for (const Box& b : boxes) {
        for (const char* bad : {"abc", "2,75", "12abc"}) {
            SCOPED_TRACE(std::string(b.label) + " " + bad);
            enter(kSun, 0);
            uitest::userType(*b.box, bad);
            const std::string message =
                std::string(b.label) + " must be a number (use a point for decimals)";
            env.log.clear();
            env.messages.expect(message);
            pick(0);
            EXPECT_EQ(env.log, (Lines{"beep", "message Warning!: " + message}));
            EXPECT_TRUE(printed(f.Picture1).empty());
            EXPECT_TRUE(printed(f.Picture2).empty());
        }
    }
    EXPECT_EQ(app.Log.SightCount, 1);
    EXPECT_FALSE(main.Command1.enabled());
}

// An empty altitude: the click computes the body and prints no preview;
// "Save Changes" wants its degrees. The preview belongs to the altitude on
// view: emptied, a new entry and Clear All Data clear it.
TEST_F(SightEntryWindow, PreviewOnlyForAnAltitudeOnView) {
    enter({"2024", "3", "19", "12", "0", "0", "", "", ""}, 0);
    EXPECT_FALSE(printed(f.Picture1).empty());
    EXPECT_TRUE(printed(f.Picture2).empty());
    env.messages.expect("Sextant altitude degrees must not be empty");
    save();
    EXPECT_EQ(app.Log.SightCount, 1);
    EXPECT_FALSE(main.Command1.enabled());

    // Empty minutes read 0.
    uitest::userType(f.Text5, "30");
    pick(0);
    const double sunHP = placeOf(0, {2024, 3, 19, 12, 0, 0}, 67.0).HP;
    EXPECT_EQ(printed(f.Picture2), previewOf({Sea, -1, 30, 0, 0, 2.75, false, 15, 1010, sunHP}));
    uitest::userType(f.Text5, "");
    EXPECT_TRUE(printed(f.Picture2).empty());

    uitest::userType(f.Text5, "30");
    pick(0);
    save();
    ASSERT_FALSE(printed(f.Picture2).empty());
    next();
    EXPECT_TRUE(printed(f.Picture2).empty());
    last();
    ASSERT_FALSE(printed(f.Picture2).empty());
    env.modalRunner.expectDialog<reduction::Form6>([](reduction::Form6& d) { d.Command1.click(); });
    main.Command4.click();
    EXPECT_TRUE(printed(f.Picture2).empty());
    EXPECT_TRUE(printed(f.Picture1).empty());
}

// A stored sight changed on view is not left as if it were stored: every
// way out asks, naming the sight; No stays with the changes, Yes puts the
// stored values back.
TEST_F(SightEntryWindow, AnEditedStoredSightAsksBeforeItIsLeft) {
    enter(kSun, 0);
    save();
    next();
    enter(kMoon, 1);
    save();
    const reduction::SightLog stored = app.Log;
    struct StoredView {
        std::string hsDeg, note;
        int body;
    };
    const StoredView views[] = {
        {}, {"35", app.Log.SightNotes[1], 0}, {"42", app.Log.SightNotes[2], 1}};
    const auto showSight = [&](int n) {
        f.showModeless();
        while (f.Label2.caption() != std::to_string(n)) {
            num(f.Label2.caption()) > n ? last() : next();
        }
    };
    const auto expectStored = [&](int n) {
        EXPECT_EQ(f.Text5.text(), views[n].hsDeg);
        EXPECT_EQ(f.Text1.text(), views[n].note);
        EXPECT_TRUE(f.Option5.value());
        EXPECT_EQ(f.List1.selectedIndex(), views[n].body);
        EXPECT_FALSE(f.entryEdited());
    };

    struct Way {
        const char* what;
        int sight;  // the sight edited
        bool closes;
        std::function<void()> leave;
    };
    const Way ways[] = {
        {"<----  Last Sight", 2, false, [&] { last(); }},
        {"Next Sight  ---->", 1, false, [&] { next(); }},
        {"Close this form", 2, true, [&] { uitest::userClick(f.Command4); }},
        {"Close Sight Data Form", 1, true, [&] { uitest::userClick(f.Command6); }},
        {"title bar", 2, true, [&] { uitest::userCloseWindow(&f); }},
    };
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"altitude", [&] { uitest::userType(f.Text5, "50"); }},
        {"limb", [&] { uitest::userClick(f.Option4); }},
        {"body", [&] { pick(3); }},
        {"note", [&] { uitest::userType(f.Text1, "haze"); }},
    };
    for (const Way& way : ways) {
        for (const auto& [editName, edit] : edits) {
            SCOPED_TRACE(std::string(way.what) + ", " + editName);
            showSight(way.sight);
            edit();
            ASSERT_TRUE(f.entryEdited());
            const std::string question = reduction::changedSightMessage(way.sight);
            EXPECT_NE(question.find("Sight " + std::to_string(way.sight) + " "), std::string::npos);

            env.log.clear();
            env.messages.expect(question, MessageAnswer::No);
            way.leave();
            EXPECT_EQ(env.log, (Lines{"beep", "message Warning!: " + question}));
            EXPECT_EQ(env.messages.calls.back().buttons, platform::ui::MessageButtons::YesNo);
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(f.Label2.caption(), std::to_string(way.sight));
            EXPECT_TRUE(f.entryEdited());

            env.messages.expect(question, MessageAnswer::Yes);
            way.leave();
            EXPECT_EQ(f.isVisible(), !way.closes);
            EXPECT_TRUE(app.Log == stored);
            // Shown again, the sight is what is stored.
            showSight(way.sight);
            expectStored(way.sight);
        }
    }
    // Unedited, and after "Save Changes", it is left without a word.
    showSight(2);
    uitest::userType(f.Text6, "11");
    save();
    env.log.clear();
    last();
    uitest::userClick(f.Command4);
    EXPECT_TRUE(env.log.empty());
    EXPECT_EQ(app.Log.SightData[2][reduction::kFieldHsMinutes], 11);
}

// The first sight of a log that holds none is a new entry too: closing asks,
// and Yes leaves it as it was shown, at start and after Clear All Data.
TEST_F(SightEntryWindow, ATypedFirstSightIsDroppedOnlyOnPurpose) {
    for (const char* when : {"at start", "after Clear All Data"}) {
        SCOPED_TRACE(when);
        f.showModeless();
        const std::string note = f.Text1.text();
        enter(kSun, 0);
        uitest::userClick(f.Option2);
        env.messages.expect(kLeaveQuestion, MessageAnswer::No);
        uitest::userClick(f.Command4);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Text5.text(), "35");

        env.messages.expect(kLeaveQuestion, MessageAnswer::Yes);
        uitest::userCloseWindow(&f);
        EXPECT_FALSE(f.isVisible());
        f.showModeless();
        EXPECT_EQ((Lines{f.Text1.text(), f.Text5.text(), f.Text6.text(), f.Text17.text(),
                         f.Text21.text(), f.Text18.text()}),
                  (Lines{note, "", "", "", "", ""}));
        EXPECT_TRUE(f.Option1.value() && f.Option5.value() && f.Option8.value());
        EXPECT_EQ(f.List1.selectedIndex(), -1);
        EXPECT_TRUE(printed(f.Picture1).empty());
        EXPECT_TRUE(printed(f.Picture2).empty());
        EXPECT_FALSE(main.legChanged());
        env.log.clear();
        uitest::userClick(f.Command6);
        EXPECT_TRUE(env.log.empty());

        env.modalRunner.expectDialog<reduction::Form6>(
            [](reduction::Form6& d) { d.Command1.click(); });
        main.Command4.click();
        EXPECT_EQ(f.Text1.text(), reduction::kClearedNotes);
    }
}

// The preview belongs to the altitude, horizon and index error it was
// computed from: changing one empties it until the body is clicked again;
// the note, the include box or a click on the option already selected do
// not.
TEST_F(SightEntryWindow, ThePreviewIsEmptiedWhenItsInputsChange) {
    const double sunHP = placeOf(0, {2024, 3, 19, 12, 0, 0}, 67.0).HP;
    struct Case {
        const char* what;
        std::function<void()> change;
        bool empties;
        PreviewCase after;  // on the next click
    };
    const Case cases[] = {
        {"altitude 36 to 5 degrees",
         [&] { uitest::userType(f.Text5, "5"); },
         true,
         {Sea, -1, 5, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
        {"altitude minutes",
         [&] { uitest::userType(f.Text6, "40"); },
         true,
         {Sea, -1, 36, 40, 0, 2.75, false, 15, 1010, sunHP}},
        {"bubble horizon",
         [&] { uitest::userClick(f.Option3); },
         true,
         {Bubble, -1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
        {"artificial horizon",
         [&] { uitest::userClick(f.Option2); },
         true,
         {Artificial, -1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
        {"index error",
         [&] { uitest::userType(f.Text17, "2.5"); },
         true,
         {Sea, -1, 36, 13.3, 2.5, 2.75, false, 15, 1010, sunHP}},
        {"off scale",
         [&] { uitest::userClick(f.Option9); },
         true,
         {Sea, 1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
        {"note",
         [&] { uitest::userType(f.Text1, "clear"); },
         false,
         {Sea, -1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
        {"include box",
         [&] { uitest::userClick(f.Check1); },
         false,
         {Sea, -1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
        {"sea horizon clicked again",
         [&] { uitest::userClick(f.Option1); },
         false,
         {Sea, -1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP}},
    };
    const PreviewCase start{Sea, -1, 36, 13.3, 0, 2.75, false, 15, 1010, sunHP};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uitest::userClick(f.Option1);
        uitest::userClick(f.Option8);
        enter({"2024", "3", "19", "12", "0", "0", "36", "13.3", "0"}, 0);
        ASSERT_EQ(printed(f.Picture2), previewOf(start));
        c.change();
        EXPECT_EQ(printed(f.Picture2).empty(), c.empties);
        EXPECT_FALSE(printed(f.Picture1).empty());
        pick(0);
        EXPECT_EQ(printed(f.Picture2), previewOf(c.after));
    }
    // The refraction the emptied preview showed belongs to 36 degrees only.
    EXPECT_NE(previewOf(start)[2], previewOf(cases[0].after)[2]);
}

// A new entry, and the blank first sight after Clear All Data, show the
// body list from its top, wherever the sight before left it.
TEST_F(SightEntryWindow, ANewEntryShowsTheBodyListFromTheTop) {
    const auto firstShown = [&] { return f.List1.listWidget()->indexAt(QPoint(2, 2)).row(); };
    enter(kStar, 60);
    ASSERT_GT(firstShown(), 0);
    save();
    next();
    EXPECT_EQ(firstShown(), 0);
    EXPECT_EQ(f.List1.item(firstShown()), "Sun");

    pick(58);
    ASSERT_GT(firstShown(), 0);
    env.modalRunner.expectDialog<reduction::Form6>([](reduction::Form6& d) { d.Command1.click(); });
    main.Command4.click();
    EXPECT_EQ(firstShown(), 0);
}

// A body click refused for a box (95 degrees on a sea horizon): once the box
// is mended, "Save Changes" asks for the body to be clicked again, and the
// click again makes the sight storable.
TEST_F(SightEntryWindow, ARefusedBodyClickIsNamedAtSaveChanges) {
    env.messages.expect("Sextant altitude must be 0 to 90 degrees");
    enter({"2024", "3", "19", "12", "0", "0", "95", "0", "0"}, 0);
    EXPECT_EQ(f.List1.selectedIndex(), 0);
    EXPECT_TRUE(printed(f.Picture1).empty());
    uitest::userType(f.Text5, "35");

    const reduction::SightLog before = app.Log;
    env.log.clear();
    env.messages.expect(reduction::kBodyAgainMessage);
    save();
    EXPECT_EQ(env.log,
              (Lines{"beep", "message Warning!: " + std::string(reduction::kBodyAgainMessage)}));
    EXPECT_TRUE(app.Log == before);
    EXPECT_FALSE(main.Command1.enabled());

    pick(0);
    EXPECT_FALSE(printed(f.Picture1).empty());
    save();
    EXPECT_TRUE(app.Log.HoldsSights);
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldHsDegrees], 35);
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldGHA],
              num(gt(ephemeris::FloorTo6(placeOf(0, {2024, 3, 19, 12, 0, 0}, 67.0).GHA))));
}

}  // namespace
