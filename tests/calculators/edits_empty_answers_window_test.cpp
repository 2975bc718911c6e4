// The answers of the calculators window's panels, the single-shot reduction
// and the three-arm protractor through the real controls: editing a box or
// option empties the answers computed from it and no other, until they are
// computed again. One table over the windows and their inputs.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "calculators/calculators_window.h"
#include "calculators/protractor_window.h"
#include "calculators/single_shot_window.h"
#include "platform/ui/picture.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using platform::ui::CommandButton;
using platform::ui::DrawItem;
using platform::ui::Label;
using platform::ui::OptionButton;
using platform::ui::Picture;
using platform::ui::TextBox;

std::vector<std::string> printed(const Picture& picture) {
    std::vector<std::string> lines;
    for (const DrawItem& item : picture.displayList()) {
        if (item.kind == DrawItem::Kind::Text) {
            lines.push_back(item.text);
        }
    }
    return lines;
}

bool hasLine(const Picture& picture, std::size_t index) {
    const std::vector<std::string> lines = printed(picture);
    return index < lines.size() && !lines[index].empty();
}

bool hasCircleOf(const Picture& picture, const platform::ui::Color& color) {
    for (const DrawItem& item : picture.displayList()) {
        if (item.kind == DrawItem::Kind::Circle && item.color == color) {
            return true;
        }
    }
    return false;
}

// An answer of a window and whether it shows now.
struct Answer {
    std::string name;
    std::function<bool()> shown;
};

// One input: a box, edited by typing one more digit, or an option pair,
// edited by clicking the option not set. Restored afterwards by typing the
// text back or clicking the first option again.
struct Input {
    std::string name;
    TextBox* box = nullptr;
    OptionButton* set = nullptr;    // the option set while computing
    OptionButton* other = nullptr;  // the one clicked
    std::set<std::string> empties;  // the answers that read it
};

struct Window {
    std::string name;
    std::function<void()> computeAll;  // types worked inputs, presses the buttons
    std::vector<Answer> answers;
    std::vector<Input> inputs;
};

class EditsEmptyAnswersTest : public ::testing::Test {
  protected:
    static Answer label(const std::string& name, const Label& l) {
        return {name, [&l] { return !l.caption().empty(); }};
    }

    static void typeAll(const std::vector<std::pair<TextBox*, std::string>>& typed) {
        for (const auto& [box, text] : typed) {
            uitest::userType(*box, text);
        }
    }

    Window calculatorsWindow() {
        calculators::Form10& f = app.form10();
        // Each panel shown, its worked inputs typed, its button pressed.
        const auto panel = [](CommandButton& selector,
                              std::vector<std::pair<TextBox*, std::string>> typed,
                              CommandButton& calculate) {
            uitest::userClick(selector);
            typeAll(typed);
            uitest::userClick(calculate);
        };
        Window w;
        w.name = "calculators";
        w.computeAll = [&f, panel] {
            panel(f.Command4,
                  {{&f.Text8, "45"},
                   {&f.Text2, "10"},
                   {&f.Text113, "40"},
                   {&f.Text6, "0"},
                   {&f.Text114, "70"},
                   {&f.Text7, "0"},
                   {&f.Text1, "3"},
                   {&f.Text3, "30"}},
                  f.Command1);
            panel(f.Command9, {{&f.Text24, "2"}, {&f.Text23, "1"}}, f.Command10);
            panel(f.Command11,
                  {{&f.Text26, "40"},
                   {&f.Text25, "0"},
                   {&f.Text28, "70"},
                   {&f.Text27, "0"},
                   {&f.Text30, "50"},
                   {&f.Text29, "0"},
                   {&f.Text32, "5"},
                   {&f.Text31, "0"}},
                  f.Command12);
            panel(f.Command15,
                  {{&f.Text34, "15"}, {&f.Text33, "1010"}, {&f.Text36, "10"}, {&f.Text37, "0"}},
                  f.Command16);
            panel(f.Command5,
                  {{&f.Text5, "40"},
                   {&f.Text4, "0"},
                   {&f.Text10, "70"},
                   {&f.Text9, "0"},
                   {&f.Text12, "100"},
                   {&f.Text11, "0"},
                   {&f.Text14, "20"},
                   {&f.Text13, "0"}},
                  f.Command2);
            panel(f.Command7,
                  {{&f.Text21, "40"},
                   {&f.Text22, "0"},
                   {&f.Text19, "57"},
                   {&f.Text20, "30"},
                   {&f.Text17, "100"},
                   {&f.Text18, "0"},
                   {&f.Text15, "20"},
                   {&f.Text16, "0"}},
                  f.Command3);
            panel(f.Command14,
                  {{&f.Text43, "0"},
                   {&f.Text44, "0"},
                   {&f.Text41, "0"},
                   {&f.Text42, "0"},
                   {&f.Text39, "0"},
                   {&f.Text40, "0"},
                   {&f.Text35, "0"},
                   {&f.Text38, "6"},
                   {&f.Text45, "60"},
                   {&f.Text46, "0"}},
                  f.Command17);
        };
        w.answers = {label("DR latitude", f.Label4),  label("DR longitude", f.Label5),
                     label("DR distance", f.Label8),  label("sea horizon", f.Label55),
                     label("dip", f.Label42),         label("land compensation", f.Label44),
                     label("land note", f.Label47),   label("great circle", f.Label63),
                     label("refraction", f.Label65),  label("Hc", f.Label24),
                     label("azimuth", f.Label69),     label("Sumner west", f.Label25),
                     label("Sumner east", f.Label40), label("circle centre", f.Label76)};
        // Every panel's answers read all of its own inputs.
        const std::set<std::string> dr = {"DR latitude", "DR longitude", "DR distance"};
        const std::set<std::string> horizon = {"sea horizon", "dip", "land compensation",
                                               "land note"};
        const std::set<std::string> gc = {"great circle"};
        const std::set<std::string> refraction = {"refraction"};
        const std::set<std::string> altitude = {"Hc", "azimuth"};
        const std::set<std::string> sumner = {"Sumner west", "Sumner east"};
        const std::set<std::string> centre = {"circle centre"};
        const auto boxes = [&w](std::set<std::string> empties,
                                std::vector<std::pair<const char*, TextBox*>> list) {
            for (const auto& [name, box] : list) {
                w.inputs.push_back({name, box, nullptr, nullptr, empties});
            }
        };
        const auto options = [&w](std::set<std::string> empties, const char* name,
                                  OptionButton& set, OptionButton& other) {
            w.inputs.push_back({name, nullptr, &set, &other, empties});
        };
        boxes(dr, {{"course", &f.Text8},
                   {"speed", &f.Text2},
                   {"DR lat degrees", &f.Text113},
                   {"DR lat minutes", &f.Text6},
                   {"DR lon degrees", &f.Text114},
                   {"DR lon minutes", &f.Text7},
                   {"hours", &f.Text1},
                   {"minutes", &f.Text3}});
        options(dr, "DR North/South", f.Option1, f.Option2);
        options(dr, "DR West/East", f.Option3, f.Option4);
        boxes(horizon, {{"eye height", &f.Text24}, {"land distance", &f.Text23}});
        boxes(gc, {{"GC lat 1 degrees", &f.Text26},
                   {"GC lat 1 minutes", &f.Text25},
                   {"GC lon 1 degrees", &f.Text28},
                   {"GC lon 1 minutes", &f.Text27},
                   {"GC lat 2 degrees", &f.Text30},
                   {"GC lat 2 minutes", &f.Text29},
                   {"GC lon 2 degrees", &f.Text32},
                   {"GC lon 2 minutes", &f.Text31}});
        options(gc, "GC lat 1 side", f.Option14, f.Option13);
        options(gc, "GC lon 1 side", f.Option19, f.Option20);
        options(gc, "GC lat 2 side", f.Option17, f.Option18);
        options(gc, "GC lon 2 side", f.Option22, f.Option21);
        boxes(refraction, {{"temperature", &f.Text34},
                           {"pressure", &f.Text33},
                           {"Ha degrees", &f.Text36},
                           {"Ha minutes", &f.Text37}});
        boxes(altitude, {{"alt lat degrees", &f.Text5},
                         {"alt lat minutes", &f.Text4},
                         {"alt lon degrees", &f.Text10},
                         {"alt lon minutes", &f.Text9},
                         {"alt GHA degrees", &f.Text12},
                         {"alt GHA minutes", &f.Text11},
                         {"alt Dec degrees", &f.Text14},
                         {"alt Dec minutes", &f.Text13}});
        options(altitude, "alt lat side", f.Option6, f.Option5);
        options(altitude, "alt lon side", f.Option8, f.Option7);
        options(altitude, "alt Dec side", f.Option9, f.Option10);
        boxes(sumner, {{"Sumner lat degrees", &f.Text21},
                       {"Sumner lat minutes", &f.Text22},
                       {"Sumner Ho degrees", &f.Text19},
                       {"Sumner Ho minutes", &f.Text20},
                       {"Sumner GHA degrees", &f.Text17},
                       {"Sumner GHA minutes", &f.Text18},
                       {"Sumner Dec degrees", &f.Text15},
                       {"Sumner Dec minutes", &f.Text16}});
        options(sumner, "Sumner lat side", f.Option15, f.Option16);
        options(sumner, "Sumner Dec side", f.Option12, f.Option11);
        boxes(centre, {{"landmark 1 lat degrees", &f.Text43},
                       {"landmark 1 lat minutes", &f.Text44},
                       {"landmark 1 lon degrees", &f.Text41},
                       {"landmark 1 lon minutes", &f.Text42},
                       {"landmark 2 lat degrees", &f.Text39},
                       {"landmark 2 lat minutes", &f.Text40},
                       {"landmark 2 lon degrees", &f.Text35},
                       {"landmark 2 lon minutes", &f.Text38},
                       {"angle degrees", &f.Text45},
                       {"angle minutes", &f.Text46}});
        options(centre, "landmark 1 lat side", f.Option29, f.Option30);
        options(centre, "landmark 1 lon side", f.Option28, f.Option27);
        options(centre, "landmark 2 lat side", f.Option26, f.Option25);
        options(centre, "landmark 2 lon side", f.Option23, f.Option24);
        return w;
    }

    Window singleShotWindow() {
        calculators::Form55& f = app.form55();
        Window w;
        w.name = "single shot";
        // The worked Moon sight: every correction is read.
        w.computeAll = [&f] {
            typeAll({{&f.Text5, "57"},
                     {&f.Text6, "20"},
                     {&f.Text17, "1.5"},
                     {&f.Text1, "-3.2"},
                     {&f.Text13, "15.5"},
                     {&f.Text14, "57"},
                     {&f.Text19, "2.95"},
                     {&f.Text21, "350"},
                     {&f.Text22, "0"},
                     {&f.Text18, "5"},
                     {&f.Text20, "30"},
                     {&f.Text25, "35"},
                     {&f.Text26, "30"},
                     {&f.Text23, "20"},
                     {&f.Text24, "0"}});
            uitest::userClick(f.Option10);  // S
            uitest::userClick(f.Option5);   // South
            uitest::userClick(f.Option1);   // East
            uitest::userClick(f.Command1);
        };
        const Picture& p = f.Picture1;
        w.answers = {label("Hc", f.Label24),
                     label("azimuth", f.Label3),
                     label("Ho", f.Label4),
                     label("offset", f.Label5),
                     {"LHA line", [&p] { return hasLine(p, 0); }},
                     {"Ha line", [&p] { return hasLine(p, 1); }},
                     {"PA line", [&p] { return hasLine(p, 2); }}};
        // Hc and Zn: latitude, longitude, GHA, declination. Ha: Hs, dip, IC.
        // PA: Ha, HP, latitude. Ho: Ha, AC, PA, SD. The intercept: Ho and Hc.
        // The LHA line: GHA and longitude.
        const std::set<std::string> sextant = {"Ho", "offset", "Ha line", "PA line"};
        const std::set<std::string> correction = {"Ho", "offset"};
        const std::set<std::string> parallax = {"Ho", "offset", "PA line"};
        const std::set<std::string> hourAngle = {"Hc", "azimuth", "offset", "LHA line"};
        const std::set<std::string> dec = {"Hc", "azimuth", "offset"};
        const std::set<std::string> lat = {"Hc", "azimuth", "offset", "Ho", "PA line"};
        w.inputs = {
            {"Hs degrees", &f.Text5, nullptr, nullptr, sextant},
            {"Hs minutes", &f.Text6, nullptr, nullptr, sextant},
            {"index correction", &f.Text17, nullptr, nullptr, sextant},
            {"dip", &f.Text19, nullptr, nullptr, sextant},
            {"altitude correction", &f.Text1, nullptr, nullptr, correction},
            {"semi-diameter", &f.Text13, nullptr, nullptr, correction},
            {"horizontal parallax", &f.Text14, nullptr, nullptr, parallax},
            {"GHA degrees", &f.Text21, nullptr, nullptr, hourAngle},
            {"GHA minutes", &f.Text22, nullptr, nullptr, hourAngle},
            {"Dec degrees", &f.Text18, nullptr, nullptr, dec},
            {"Dec minutes", &f.Text20, nullptr, nullptr, dec},
            {"Dec side", nullptr, &f.Option10, &f.Option9, dec},
            {"lat degrees", &f.Text25, nullptr, nullptr, lat},
            {"lat minutes", &f.Text26, nullptr, nullptr, lat},
            {"lat side", nullptr, &f.Option5, &f.Option2, lat},
            {"lon degrees", &f.Text23, nullptr, nullptr, hourAngle},
            {"lon minutes", &f.Text24, nullptr, nullptr, hourAngle},
            {"lon side", nullptr, &f.Option1, &f.Option8, hourAngle},
        };
        return w;
    }

    Window protractorWindow() {
        calculators::Form15& f = app.form15();
        Window w;
        w.name = "protractor";
        w.computeAll = [&f] { uitest::userClick(f.Command17); };
        const Picture& output = f.Picture2;
        const Picture& plot = f.Picture1;
        w.answers = {{"output", [&output] { return !printed(output).empty(); }},
                     {"fix mark", [&plot] {
                          return hasCircleOf(plot, {250, 50, 50});
                      }}};
        // The fix reads every landmark and angle; the zoom box only the
        // plot's scale.
        const std::set<std::string> all = {"output", "fix mark"};
        for (const auto& [name, box] :
             std::vector<std::pair<const char*, TextBox*>>{{"A lat degrees", &f.Text43},
                                                           {"A lat minutes", &f.Text44},
                                                           {"A lon degrees", &f.Text41},
                                                           {"A lon minutes", &f.Text42},
                                                           {"B lat degrees", &f.Text39},
                                                           {"B lat minutes", &f.Text40},
                                                           {"B lon degrees", &f.Text35},
                                                           {"B lon minutes", &f.Text38},
                                                           {"C lat degrees", &f.Text2},
                                                           {"C lat minutes", &f.Text1},
                                                           {"C lon degrees", &f.Text4},
                                                           {"C lon minutes", &f.Text3},
                                                           {"angle AB degrees", &f.Text45},
                                                           {"angle AB minutes", &f.Text46},
                                                           {"angle BC degrees", &f.Text6},
                                                           {"angle BC minutes", &f.Text5}}) {
            w.inputs.push_back({name, box, nullptr, nullptr, all});
        }
        w.inputs.push_back({"A lat side", nullptr, &f.Option29, &f.Option30, all});
        w.inputs.push_back({"A lon side", nullptr, &f.Option28, &f.Option27, all});
        w.inputs.push_back({"B lat side", nullptr, &f.Option26, &f.Option25, all});
        w.inputs.push_back({"B lon side", nullptr, &f.Option23, &f.Option24, all});
        w.inputs.push_back({"C lat side", nullptr, &f.Option2, &f.Option1, all});
        w.inputs.push_back({"C lon side", nullptr, &f.Option3, &f.Option4, all});
        w.inputs.push_back({"zoom", &f.Text7, nullptr, nullptr, {}});
        return w;
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(EditsEmptyAnswersTest, EachInputEmptiesTheAnswersThatReadItAndNoOther) {
    app.form10().showModeless();
    app.form55().showModeless();
    app.form15().showModeless();
    for (const Window& w : {calculatorsWindow(), singleShotWindow(), protractorWindow()}) {
        for (const Input& input : w.inputs) {
            SCOPED_TRACE(w.name + ": " + input.name);
            w.computeAll();
            for (const Answer& a : w.answers) {
                ASSERT_TRUE(a.shown()) << a.name << " not computed";
            }
            std::string typed;
            if (input.box) {
                typed = input.box->text();
                uitest::userAppend(*input.box, "1");
            } else {
                ASSERT_TRUE(input.set->value());
                uitest::userClick(*input.other);
            }
            for (const Answer& a : w.answers) {
                EXPECT_EQ(a.shown(), input.empties.count(a.name) == 0) << a.name;
            }
            if (input.box) {
                uitest::userType(*input.box, typed);
            } else {
                uitest::userClick(*input.set);
            }
        }
        // Computed again, every answer is back.
        w.computeAll();
        for (const Answer& a : w.answers) {
            EXPECT_TRUE(a.shown()) << w.name << ": " << a.name;
        }
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(EditsEmptyAnswersTest, AClickOnTheOptionAlreadySetEmptiesNothing) {
    calculators::Form10& f = app.form10();
    f.showModeless();
    const Window w = calculatorsWindow();
    w.computeAll();
    uitest::userClick(f.Command14);
    uitest::userClick(f.Option28);  // West, already set
    EXPECT_NE(f.Label76.caption(), "");
    uitest::userClick(f.Command5);
    uitest::userClick(f.Option8);  // West, already set
    EXPECT_NE(f.Label24.caption(), "");
    uitest::userClick(f.Option27);
    EXPECT_EQ(f.Label76.caption(), "");
}

TEST_F(EditsEmptyAnswersTest, ProtractorDragsAndResizesStillRecompute) {
    calculators::Form15& f = app.form15();
    f.showModeless();
    uitest::userType(f.Text45, "35");
    ASSERT_TRUE(printed(f.Picture2).empty());
    // A resize computes from the boxes as they stand.
    f.resizeTwips(f.widthTwips() + 300, f.heightTwips());
    EXPECT_FALSE(printed(f.Picture2).empty());
    EXPECT_TRUE(hasCircleOf(f.Picture1, {250, 50, 50}));
}

}  // namespace
