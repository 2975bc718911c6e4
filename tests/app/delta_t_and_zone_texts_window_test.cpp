// Delta T and the time zone read as whole texts in the tool windows: an
// empty or non-numeric Delta T refused wherever a computation reads it (the
// almanac, the planner, the rise/set and the lunar windows), the "Now"
// buttons' zones checked before the clock is read, and the planner's
// "Remember these settings as my default" refusing a zone that is no zone.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "lunar/lunar_window.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "platform/ui/picture.h"
#include "tests/ui/fakes.h"
#include "tests/ui/temp_folder.h"
#include "tests/ui/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::ui::DrawItem;
using platform::ui::TextBox;

const std::string kNotANumber = " must be a number (use a point for decimals)";
const std::string kWhereToSetTheZone =
    ": set it in the sight planner and press \"Remember these settings as my default\"";

std::vector<std::string> printed(const std::vector<const platform::ui::Picture*>& pictures) {
    std::vector<std::string> lines;
    for (const platform::ui::Picture* picture : pictures) {
        for (const DrawItem& item : picture->displayList()) {
            if (item.kind == DrawItem::Kind::Text) {
                lines.push_back(item.text);
            }
        }
    }
    return lines;
}

void typeAll(const std::vector<std::pair<TextBox*, std::string>>& boxes) {
    for (const auto& [box, text] : boxes) {
        uitest::userType(*box, text);
    }
}

class WholeTextTest : public ::testing::Test {
  protected:
    WholeTextTest() {
        app.SettingsFile = temp.path() / planner::kPlannerSettingsFileName;
        // No settings file yet: the start-up says so.
        env.messages.expect(planner::kSettingsReadProblem);
        app.form1();
    }

    uitest::TempFolder temp{"celnav-whole-text"};
    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

// ------------------------------------------------------------------ Delta T

struct DeltaTWindow {
    std::string name;
    // Types a possible instant (and position) with Delta T 69.2.
    std::function<void(app::App&)> ordinary;
    std::function<TextBox&(app::App&)> deltaT;
    std::function<void(app::App&)> compute;
    // What the window shows as its answer.
    std::function<std::vector<std::string>(app::App&)> answer;
    // The lunar window names a refused box in its output, the others warn.
    bool refusesInOutput = false;
};

std::vector<DeltaTWindow> deltaTWindows() {
    return {
        {"almanac",
         [](app::App& a) {
             almanac::Form12& f = a.form12();
             typeAll({{&f.Text1, "2024"},
                      {&f.Text2, "6"},
                      {&f.Text3, "15"},
                      {&f.Text4, "14"},
                      {&f.Text5, "23"},
                      {&f.Text6, "17"},
                      {&f.Text11, "69.2"}});
         },
         [](app::App& a) -> TextBox& { return a.form12().Text11; },
         [](app::App& a) { uitest::userClickRow(a.form12().List1, 1); },  // the Moon
         [](app::App& a) {
             return printed({&a.form12().Picture1, &a.form12().Picture2});
         }},
        {"planner",
         [](app::App& a) {
             planner::Form11& f = a.form11();
             typeAll({{&f.Text1, "2024"},
                      {&f.Text2, "1"},
                      {&f.Text3, "15"},
                      {&f.Text4, "2"},
                      {&f.Text5, "0"},
                      {&f.Text11, "0"},
                      {&f.Text113, "40"},
                      {&f.Text6, "0"},
                      {&f.Text114, "70"},
                      {&f.Text7, "0"},
                      {&f.Text8, "69.2"}});
         },
         [](app::App& a) -> TextBox& { return a.form11().Text8; },
         [](app::App& a) { uitest::userClick(a.form11().Command3); },
         [](app::App& a) {
             planner::Form11& f = a.form11();
             std::vector<std::string> shown;
             for (const platform::ui::Label* line : {&f.Label23, &f.Label24}) {
                 if (!line->caption().empty()) {
                     shown.push_back(line->caption());
                 }
             }
             for (int row = 0; row < f.List1.count(); ++row) {
                 shown.push_back(f.List1.item(row));
             }
             return shown;
         }},
        {"rise and set",
         [](app::App& a) {
             almanac::Form13& f = a.form13();
             typeAll({{&f.Text1, "2024"},
                      {&f.Text2, "3"},
                      {&f.Text3, "20"},
                      {&f.Text113, "40"},
                      {&f.Text8, "30"},
                      {&f.Text114, "70"},
                      {&f.Text7, "0"},
                      {&f.Text11, "69.2"}});
         },
         [](app::App& a) -> TextBox& { return a.form13().Text11; },
         [](app::App& a) { uitest::userClick(a.form13().Command1); },
         [](app::App& a) {
             almanac::Form13& f = a.form13();
             std::vector<std::string> shown;
             for (const platform::ui::Label* line :
                  {&f.Label23, &f.Label15, &f.Label24, &f.Label4}) {
                 if (!line->caption().empty()) {
                     shown.push_back(line->caption());
                 }
             }
             return shown;
         }},
        {"lunar",
         [](app::App& a) {
             // The Sun and the Moon of 2025 June 3 at 20:09:12 UTC.
             lunar::Form8& f = a.form8();
             typeAll({{&f.Text113, "15"},
                      {&f.Text6, "36.8"},
                      {&f.Text114, "54"},
                      {&f.Text7, "11.5"},
                      {&f.Text2, "97"},
                      {&f.Text3, "36.3"},
                      {&f.Text4, "18"},
                      {&f.Text5, "1016"},
                      {&f.Text15, "2025"},
                      {&f.Text14, "6"},
                      {&f.Text13, "3"},
                      {&f.Text12, "20"},
                      {&f.Text17, "9"},
                      {&f.Text8, "12"},
                      {&f.Text11, "69.2"}});
             uitest::userClickRow(f.List1, 0);
         },
         [](app::App& a) -> TextBox& { return a.form8().Text11; },
         [](app::App& a) { uitest::userClick(a.form8().Command2); },
         [](app::App& a) { return printed({&a.form8().Picture1}); }, true},
    };
}

TEST_F(WholeTextTest, AnEmptyOrNonNumericDeltaTIsRefusedWhereverItIsRead) {
    struct Case {
        std::string typed;
        std::string message;  // empty: the window computes
    };
    const std::vector<Case> cases = {
        {"", "Delta T must not be empty"},
        {"   ", "Delta T must not be empty"},
        {"abc", "Delta T" + kNotANumber},
        {"69,2", "Delta T" + kNotANumber},
        {"69.2 s", "Delta T" + kNotANumber},
        {"6 9", "Delta T" + kNotANumber},
        {" 69.2 ", ""},
        {"0", ""},
    };
    for (const DeltaTWindow& w : deltaTWindows()) {
        w.ordinary(app);
        w.compute(app);
        ASSERT_FALSE(w.answer(app).empty()) << w.name << ": an ordinary instant has an answer";
        for (const Case& c : cases) {
            const std::string what = w.name + ", Delta T \"" + c.typed + "\"";
            w.ordinary(app);
            w.compute(app);
            uitest::userType(w.deltaT(app), c.typed);
            const std::size_t messages = env.messages.calls.size();
            if (!c.message.empty() && !w.refusesInOutput) {
                env.messages.expect(c.message);
            }
            w.compute(app);
            if (c.message.empty()) {
                EXPECT_EQ(env.messages.calls.size(), messages) << what;
                EXPECT_FALSE(w.answer(app).empty()) << what;
                EXPECT_NE(w.answer(app).front().rfind(" Delta T", 0), 0u) << what;
            } else if (w.refusesInOutput) {
                EXPECT_EQ(env.messages.calls.size(), messages) << what;
                EXPECT_EQ(w.answer(app), std::vector<std::string>{" " + c.message}) << what;
            } else {
                ASSERT_EQ(env.messages.calls.size(), messages + 1) << what;
                EXPECT_EQ(env.messages.calls.back().title, "Warning!") << what;
                EXPECT_EQ(w.answer(app), std::vector<std::string>{}) << what;
            }
        }
    }
}

// ---------------------------------------------------------------- time zone

struct NowWindow {
    std::string name;
    // Sets the zone that the window's "Now" reads.
    std::function<void(app::App&, const std::string&)> zone;
    std::function<void(app::App&)> now;
    // The date and time boxes "Now" fills, in the order year, month, day,
    // hour, minute, second (the rise/set window has the date alone).
    std::function<std::vector<TextBox*>(app::App&)> boxes;
    // The settings' zone, which cannot be typed into, or the planner's own.
    bool settingsZone = true;
};

std::vector<NowWindow> nowWindows() {
    const auto settingsZone = [](app::App& a, const std::string& zone) {
        a.form7().Text2.setText(zone);
    };
    return {
        {"almanac", settingsZone, [](app::App& a) { uitest::userClick(a.form12().Command4); },
         [](app::App& a) {
             almanac::Form12& f = a.form12();
             return std::vector<TextBox*>{&f.Text1, &f.Text2, &f.Text3,
                                          &f.Text4, &f.Text5, &f.Text6};
         }},
        {"rise and set", settingsZone, [](app::App& a) { uitest::userClick(a.form13().Command4); },
         [](app::App& a) {
             almanac::Form13& f = a.form13();
             return std::vector<TextBox*>{&f.Text1, &f.Text2, &f.Text3};
         }},
        {"lunar", settingsZone, [](app::App& a) { uitest::userClick(a.form8().Command4); },
         [](app::App& a) {
             lunar::Form8& f = a.form8();
             return std::vector<TextBox*>{&f.Text15, &f.Text14, &f.Text13,
                                          &f.Text12, &f.Text17, &f.Text8};
         }},
        {"planner",
         [](app::App& a, const std::string& zone) { uitest::userType(a.form11().Text10, zone); },
         [](app::App& a) { uitest::userClick(a.form11().Command4); },
         [](app::App& a) {
             planner::Form11& f = a.form11();
             return std::vector<TextBox*>{&f.Text1, &f.Text2, &f.Text3,
                                          &f.Text4, &f.Text5, &f.Text11};
         },
         false},
    };
}

enum class Zone { Reads, NotANumber, OutOfRange };

std::string zoneRefusal(Zone z, bool settingsZone) {
    if (settingsZone) {
        return z == Zone::NotANumber
                   ? "The time zone of the settings is not a number" + kWhereToSetTheZone
                   : "The time zone of the settings must be -14 to 14 hours" + kWhereToSetTheZone;
    }
    return z == Zone::NotANumber ? "Time zone" + kNotANumber : "Time zone must be -14 to 14 hours";
}

TEST_F(WholeTextTest, NowReadsTheZoneAsAWholeText) {
    struct Case {
        std::string zone;
        Zone kind;
        // The UT of 21:30:10 local on 2024 January 31 in that zone.
        std::vector<std::string> ut;
    };
    const std::vector<Case> cases = {
        {"5.5", Zone::Reads, {"2024", "2", "1", "3", "0", "10"}},
        {" -3 ", Zone::Reads, {"2024", "1", "31", "18", "30", "10"}},
        {"+14", Zone::Reads, {"2024", "2", "1", "11", "30", "10"}},
        {"", Zone::Reads, {"2024", "1", "31", "21", "30", "10"}},  // an empty zone is UT
        {"5,5", Zone::NotANumber, {}},
        {"abc", Zone::NotANumber, {}},
        {"5 h", Zone::NotANumber, {}},
        {"1e1", Zone::NotANumber, {}},
        {"-15", Zone::OutOfRange, {}},
        {"14.5", Zone::OutOfRange, {}},
    };
    env.clock.time = {2024, 1, 31, 21, 30, 10, 0};
    const std::vector<std::string> typed = {"2000", "7", "4", "12", "1", "2"};
    for (const NowWindow& w : nowWindows()) {
        for (const Case& c : cases) {
            const std::string what = w.name + ", zone \"" + c.zone + "\"";
            const std::vector<TextBox*> boxes = w.boxes(app);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                boxes[i]->setText(typed[i]);
            }
            w.zone(app, c.zone);
            if (c.kind != Zone::Reads) {
                env.messages.expect(zoneRefusal(c.kind, w.settingsZone));
            }
            const std::size_t messages = env.messages.calls.size();
            w.now(app);
            std::vector<std::string> shown;
            for (const TextBox* box : boxes) {
                shown.push_back(box->text());
            }
            if (c.kind == Zone::Reads) {
                EXPECT_EQ(env.messages.calls.size(), messages) << what;
                EXPECT_EQ(shown, std::vector<std::string>(
                                     c.ut.begin(), c.ut.begin() + static_cast<long>(boxes.size())))
                    << what;
            } else {
                ASSERT_EQ(env.messages.calls.size(), messages + 1) << what;
                EXPECT_EQ(env.messages.calls.back().title, "Warning!") << what;
                EXPECT_EQ(shown,
                          std::vector<std::string>(typed.begin(),
                                                   typed.begin() + static_cast<long>(boxes.size())))
                    << what << ": nothing written";
            }
        }
    }
}

TEST_F(WholeTextTest, RememberRefusesAZoneThatIsNoZoneAndWritesNothing) {
    planner::Form11& f = app.form11();
    app::Form7& settings = app.form7();
    struct Case {
        std::string zone;
        Zone kind;
    };
    const std::vector<Case> cases = {
        {"5,5", Zone::NotANumber},   {"abc", Zone::NotANumber}, {"15", Zone::OutOfRange},
        {"-14.5", Zone::OutOfRange}, {"5.5", Zone::Reads},      {"-14", Zone::Reads},
        {"abc", Zone::NotANumber},   {"14", Zone::Reads},       {"1e300", Zone::NotANumber},
    };
    std::string written;  // the file as last written; none at first
    std::string handedOn = settings.Text2.text();
    for (const Case& c : cases) {
        const std::string what = "zone \"" + c.zone + "\"";
        uitest::userType(f.Text10, c.zone);
        if (c.kind != Zone::Reads) {
            env.messages.expect(zoneRefusal(c.kind, false));
        }
        uitest::userClick(f.Command7);
        if (c.kind == Zone::Reads) {
            ASSERT_TRUE(fs::exists(app.SettingsFile)) << what;
            written = uitest::readBytes(app.SettingsFile);
            handedOn = c.zone;
            // Line 6 of the file is the zone as typed.
            std::size_t at = 0;
            for (int line = 1; line < 6; ++line) {
                at = written.find("\r\n", at) + 2;
            }
            EXPECT_EQ(written.substr(at, written.find("\r\n", at) - at), c.zone) << what;
        } else {
            EXPECT_EQ(env.messages.calls.back().title, "Warning!") << what;
            if (written.empty()) {
                EXPECT_FALSE(fs::exists(app.SettingsFile)) << what;
            } else {
                EXPECT_EQ(uitest::readBytes(app.SettingsFile), written) << what;
            }
        }
        EXPECT_EQ(settings.Text2.text(), handedOn) << what;
    }

    // The remembered zone serves the other windows' "Now": 21:30:10 local at
    // 14 h west is 11:30:10 UT the next day.
    env.clock.time = {2024, 1, 31, 21, 30, 10, 0};
    almanac::Form12& almanac = app.form12();
    uitest::userClick(almanac.Command4);
    EXPECT_EQ(almanac.Text3.text(), "1");
    EXPECT_EQ(almanac.Text4.text(), "11");
}

}  // namespace
