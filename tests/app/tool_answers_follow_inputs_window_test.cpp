// The answers of the lunar-distance and rise/set windows belong to the
// inputs they were computed from: one table over the windows and their
// boxes and options, each edit emptying the answers that read it and no
// other, until the button computes them again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "lunar/lunar_window.h"
#include "platform/ui/picture.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using platform::ui::DrawItem;
using platform::ui::OptionButton;
using platform::ui::TextBox;

// Two lunar distances of tests/lunar/data/lunar_fixture.csv as typed: to
// the Sun (case sun_inner) and to Antares (case antares_inner).
void lunarSight(app::App& a, bool antares) {
    lunar::Form8& f = a.form8();
    const std::vector<std::string> sun = {"15",   "36.8", "54", "11.5", "97", "36.3", "18",
                                          "1016", "2025", "6",  "3",    "20", "9",    "12"};
    const std::vector<std::string> star = {"17",   "54.0", "8", "42.7", "46", "43.6", "27",
                                           "1011", "2025", "7", "3",    "20", "7",    "50"};
    const std::vector<TextBox*> boxes = {&f.Text113, &f.Text6,  &f.Text114, &f.Text7,  &f.Text2,
                                         &f.Text3,   &f.Text4,  &f.Text5,   &f.Text15, &f.Text14,
                                         &f.Text13,  &f.Text12, &f.Text17,  &f.Text8};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        uitest::userType(*boxes[i], antares ? star[i] : sun[i]);
    }
    uitest::userType(f.Text11, "69.1");
    uitest::userType(f.Text10, "5");
    uitest::userType(f.Text21, "notes");
    for (OptionButton* option :
         {antares ? &f.Option2 : &f.Option1, &f.Option3, &f.Option5, &f.Option8}) {
        uitest::userClick(*option);
    }
    int row = 0;
    while (antares && f.List1.item(row).rfind("Antares", 0) != 0 && row < f.List1.count()) {
        ++row;
    }
    uitest::userClickRow(f.List1, row);
}

// 2024 March 20 at 40 30' N 70 W.
void riseSetDay(app::App& a) {
    almanac::Form13& f = a.form13();
    for (const auto& [box, text] :
         std::vector<std::pair<TextBox*, std::string>>{{&f.Text1, "2024"},
                                                       {&f.Text2, "3"},
                                                       {&f.Text3, "20"},
                                                       {&f.Text113, "40"},
                                                       {&f.Text8, "30"},
                                                       {&f.Text114, "70"},
                                                       {&f.Text7, "0"},
                                                       {&f.Text11, "69"}}) {
        uitest::userType(*box, text);
    }
    uitest::userClick(f.Option1);
    uitest::userClick(f.Option3);
}

struct Edit {
    std::string what;
    // Types the inputs of one answer.
    std::function<void(app::App&)> ordinary;
    std::function<void(app::App&)> compute;
    // What the window shows as its answer.
    std::function<std::vector<std::string>(app::App&)> answer;
    // The navigator's edit of one box or option.
    std::function<void(app::App&)> edit;
    bool empties;
};

std::vector<Edit> edits() {
    std::vector<Edit> table;
    // Lunar: every box and option of the clearing empties its lines; the
    // time zone and the notes are not read, the Sun's limb only for the Sun.
    const auto lunarCompute = [](app::App& a) { uitest::userClick(a.form8().Command2); };
    const auto lunarAnswer = [](app::App& a) { return uitest::printedLines(a.form8().Picture1); };
    const auto sunSight = [](app::App& a) { lunarSight(a, false); };
    const auto starSight = [](app::App& a) { lunarSight(a, true); };
    using LunarBox = TextBox lunar::Form8::*;
    const std::vector<std::tuple<const char*, LunarBox, const char*, bool>> lunarBoxes = {
        {"latitude", &lunar::Form8::Text113, "16", true},
        {"latitude minutes", &lunar::Form8::Text6, "30", true},
        {"longitude", &lunar::Form8::Text114, "55", true},
        {"longitude minutes", &lunar::Form8::Text7, "0", true},
        {"distance", &lunar::Form8::Text2, "98", true},
        {"distance minutes", &lunar::Form8::Text3, "0.5", true},
        {"air temperature", &lunar::Form8::Text4, "25", true},
        {"pressure", &lunar::Form8::Text5, "990", true},
        {"year", &lunar::Form8::Text15, "2026", true},
        {"month", &lunar::Form8::Text14, "7", true},
        {"day", &lunar::Form8::Text13, "4", true},
        {"hour", &lunar::Form8::Text12, "21", true},
        {"minute", &lunar::Form8::Text17, "10", true},
        {"second", &lunar::Form8::Text8, "13", true},
        {"Delta T", &lunar::Form8::Text11, "70", true},
        {"time zone", &lunar::Form8::Text10, "-3", false},
        {"notes", &lunar::Form8::Text21, "other notes", false},
    };
    for (const auto& [name, box, text, empties] : lunarBoxes) {
        table.push_back({std::string("lunar ") + name, sunSight, lunarCompute, lunarAnswer,
                         [box = box, text = std::string(text)](app::App& a) {
                             uitest::userType(a.form8().*box, text);
                         },
                         empties});
    }
    using LunarOption = OptionButton lunar::Form8::*;
    const std::vector<std::tuple<const char*, bool, LunarOption, bool>> lunarOptions = {
        {"South", false, &lunar::Form8::Option2, true},
        {"East", false, &lunar::Form8::Option4, true},
        {"Moon limb outer", false, &lunar::Form8::Option6, true},
        {"Moon limb centre", false, &lunar::Form8::Option9, true},
        {"Sun limb outer, the Sun", false, &lunar::Form8::Option7, true},
        {"Sun limb outer, a star", true, &lunar::Form8::Option7, false},
        {"Moon limb outer, a star", true, &lunar::Form8::Option6, true},
        // A click on the option already set changes no input.
        {"North, already set", false, &lunar::Form8::Option1, false},
        {"Moon limb inner, already set", false, &lunar::Form8::Option5, false},
    };
    for (const auto& [name, star, option, empties] : lunarOptions) {
        table.push_back(
            {std::string("lunar ") + name, star ? starSight : sunSight, lunarCompute, lunarAnswer,
             [option = option](app::App& a) { uitest::userClick(a.form8().*option); }, empties});
    }

    // Rise and set: the Sun's and the Moon's lines both read every box.
    const auto riseSetCompute = [](app::App& a) { uitest::userClick(a.form13().Command1); };
    const auto riseSetAnswer = [](app::App& a) {
        almanac::Form13& f = a.form13();
        std::vector<std::string> shown;
        for (const platform::ui::Label* line : {&f.Label23, &f.Label15, &f.Label24, &f.Label4}) {
            shown.push_back(line->caption());
        }
        return shown;
    };
    using RiseSetBox = TextBox almanac::Form13::*;
    const std::vector<std::tuple<const char*, RiseSetBox, const char*>> riseSetBoxes = {
        {"year", &almanac::Form13::Text1, "2025"},
        {"month", &almanac::Form13::Text2, "4"},
        {"day", &almanac::Form13::Text3, "21"},
        {"latitude", &almanac::Form13::Text113, "41"},
        {"latitude minutes", &almanac::Form13::Text8, "0"},
        {"longitude", &almanac::Form13::Text114, "71"},
        {"longitude minutes", &almanac::Form13::Text7, "30"},
        {"Delta T", &almanac::Form13::Text11, "500"},
    };
    for (const auto& [name, box, text] : riseSetBoxes) {
        table.push_back({std::string("rise/set ") + name, riseSetDay, riseSetCompute, riseSetAnswer,
                         [box = box, text = std::string(text)](app::App& a) {
                             uitest::userType(a.form13().*box, text);
                         },
                         true});
    }
    using RiseSetOption = OptionButton almanac::Form13::*;
    for (const auto& [name, option] : std::vector<std::pair<const char*, RiseSetOption>>{
             {"South", &almanac::Form13::Option2}, {"East", &almanac::Form13::Option4}}) {
        table.push_back({std::string("rise/set ") + name, riseSetDay, riseSetCompute, riseSetAnswer,
                         [option = option](app::App& a) { uitest::userClick(a.form13().*option); },
                         true});
    }
    table.push_back({"rise/set North, already set", riseSetDay, riseSetCompute, riseSetAnswer,
                     [](app::App& a) { uitest::userClick(a.form13().Option1); }, false});
    return table;
}

bool emptyAnswer(const std::vector<std::string>& shown) {
    for (const std::string& text : shown) {
        if (!text.empty()) {
            return false;
        }
    }
    return true;
}

TEST(ToolAnswersFollowInputs, AnEditEmptiesTheAnswersThatReadItAndNoOther) {
    uitest::FakeEnvironment env;
    app::App app{env.services()};
    for (const Edit& e : edits()) {
        e.ordinary(app);
        e.compute(app);
        const std::vector<std::string> before = e.answer(app);
        ASSERT_FALSE(emptyAnswer(before)) << e.what << ": the inputs have an answer";
        if (e.what.rfind("lunar", 0) == 0) {
            ASSERT_EQ(before.size(), 5u) << e.what << ": " << before.front();
        }
        e.edit(app);
        if (e.empties) {
            EXPECT_TRUE(emptyAnswer(e.answer(app))) << e.what;
            // Computed again, for the edited inputs.
            e.compute(app);
            EXPECT_FALSE(emptyAnswer(e.answer(app))) << e.what;
            EXPECT_NE(e.answer(app), before) << e.what;
        } else {
            EXPECT_EQ(e.answer(app), before) << e.what;
        }
    }
    EXPECT_EQ(env.messages.beeps, 0);
}

}  // namespace
