// "Clear All Data" through the main window's button and the real
// confirmation dialog (scripted modal runs): refused in each way it can be,
// nothing changes; confirmed, the log, the sight entry window, the leg and two
// general settings are reset and the buttons that need a reduction disabled.
#include <gtest/gtest.h>

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using app::Form1;
using app::Form7;
using platform::ui::CommandButton;
using platform::ui::OptionButton;
using platform::ui::TextBox;
using reduction::Form5;
using reduction::Form6;
using Lines = std::vector<std::string>;

const std::string kNotes = "Type Notes Here (no commas!)";

// Everything a clear may touch, and some of what it must leave.
struct Snapshot {
    reduction::LegSettings leg;
    reduction::GeneralSettings general;
    reduction::SightLog log;
    std::string mainCaption;
    std::vector<bool> mainButtons;  // Command1, 3, 4, 8, 9
    Lines entryTexts;               // Form5's boxes and labels, caption last
    std::vector<bool> entryStates;  // Form5's options, check box, Command2
    int entrySelection = -1;
    std::size_t entryPicture1 = 0;
    reduction::DetailedOutputArray report;
    int clearConfirmed = 0;

    bool operator==(const Snapshot& o) const {
        return leg == o.leg && general == o.general && log == o.log &&
               mainCaption == o.mainCaption && mainButtons == o.mainButtons &&
               entryTexts == o.entryTexts && entryStates == o.entryStates &&
               entrySelection == o.entrySelection && entryPicture1 == o.entryPicture1 &&
               report == o.report && clearConfirmed == o.clearConfirmed;
    }
};

class ClearAllData : public ::testing::Test {
  protected:
    void SetUp() override {
        main.showModeless();
        entry.showModeless();
    }

    // A navigator's session: the leg, the settings, two saved sights with
    // the second on view, a reduction's buttons and report, a file's name.
    void fillSession() {
        const std::vector<std::pair<TextBox*, std::string>> mainFields = {
            {&main.Text112, "Leg to Horta"},
            {&main.Text8, "245.5"},
            {&main.Text2, "6.2"},
            {&main.Text3, "9"},
            {&main.Text1, "40"},
            {&main.Text113, "38"},
            {&main.Text6, "31.5"},
            {&main.Text114, "28"},
            {&main.Text7, "37.25"},
            {&main.Text9, "7"},
            {&main.Text111, "45"},
            {&main.Text10, "20"},
            {&main.Text14, "6"},
            {&main.Text15, "2024"},
            {&main.Text12, "19"},
            {&main.Text11, "30"},
            {&main.Text13, "21"},
            {&main.Text16, "7"},
            {&main.Text17, "2025"},
        };
        for (const auto& [box, text] : mainFields) {
            uitest::userType(*box, text);
        }
        uitest::userClick(main.Option6);  // feet
        uitest::userClick(main.Option2);  // South
        uitest::userClick(main.Option4);  // East
        uitest::userType(settings.Text1, "69.2");
        uitest::userType(settings.Text108, "-3.5");
        settings.Text2.setText("-1");  // not editable by the navigator
        uitest::userType(settings.Text4, "24");
        uitest::userType(settings.Text5, "1021.5");

        enterSight("45", "12.3", "1.5", "10", "15", "32", 0);  // the Sun
        uitest::userClick(entry.Command5);                     // save sight 1
        uitest::userClick(entry.Command2);                     // new entry 2
        enterSight("30", "0.1", "0.5", "11", "2", "0", 8);     // a star
        uitest::userClick(entry.Option4);                      // UPPER
        uitest::userClick(entry.Option3);                      // Bubble
        uitest::userClick(entry.Option9);                      // Off scale
        uitest::userClick(entry.Check1);                       // not included
        uitest::userType(entry.Text1, "second sight");
        uitest::userClick(entry.Command5);  // save sight 2
        ASSERT_EQ(app.Log.SightCount, 2);

        for (CommandButton* b : {&main.Command1, &main.Command3, &main.Command8, &main.Command9}) {
            b->setEnabled(true);  // as a reduction leaves them
        }
        app.Reduction.DetailedOutputLines = {"", "   Sight 1      Sight 2"};
        main.setCaption(" Current Data file: leg one.NAV");
    }

    void enterSight(const std::string& deg, const std::string& min, const std::string& ie,
                    const std::string& hour, const std::string& minute, const std::string& second,
                    int body) {
        uitest::userType(entry.Text5, deg);
        uitest::userType(entry.Text6, min);
        uitest::userType(entry.Text17, ie);
        uitest::userType(entry.Text21, "2024");
        uitest::userType(entry.Text20, "6");
        uitest::userType(entry.Text19, "21");
        uitest::userType(entry.Text18, hour);
        uitest::userType(entry.Text22, minute);
        uitest::userType(entry.Text2, second);
        entry.List1.listWidget()->scrollToItem(entry.List1.listWidget()->item(body));
        uitest::userClickRow(entry.List1, body);
    }

    Snapshot snapshot() {
        Snapshot s;
        s.leg = main.legSettings();
        s.general = settings.generalSettings();
        s.log = app.Log;
        s.mainCaption = main.caption();
        for (const CommandButton* b :
             {&main.Command1, &main.Command3, &main.Command4, &main.Command8, &main.Command9}) {
            s.mainButtons.push_back(b->enabled());
        }
        for (const TextBox* box :
             {&entry.Text1, &entry.Text2, &entry.Text5, &entry.Text6, &entry.Text17, &entry.Text18,
              &entry.Text19, &entry.Text20, &entry.Text21, &entry.Text22, &entry.Text3,
              &entry.Text4, &entry.Text7, &entry.Text8, &entry.Text9, &entry.Text10}) {
            s.entryTexts.push_back(box->text());
        }
        s.entryTexts.push_back(entry.Label2.caption());
        s.entryTexts.push_back(entry.Label17.caption());
        s.entryTexts.push_back(entry.caption());
        for (const OptionButton* o :
             {&entry.Option1, &entry.Option2, &entry.Option3, &entry.Option4, &entry.Option5,
              &entry.Option10, &entry.Option8, &entry.Option9}) {
            s.entryStates.push_back(o->value());
        }
        s.entryStates.push_back(entry.Check1.value() == 1);
        s.entryStates.push_back(entry.Command2.enabled());
        s.entrySelection = entry.List1.selectedIndex();
        s.entryPicture1 = entry.Picture1.displayList().size();
        s.report = app.Reduction.DetailedOutputLines;
        s.clearConfirmed = app.ClearConfirmed;
        return s;
    }

    // "Clear All Data", answered by the script.
    void clearAnswering(std::function<void(Form6&)> answer) {
        env.modalRunner.expectDialog<Form6>([answer](Form6& d) {
            d.showModeless();  // as the real runner shows it
            answer(d);
        });
        uitest::userClick(main.Command4);
    }
    void clearConfirmed() {
        clearAnswering([](Form6& d) { uitest::userClick(d.Command1); });
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
    Form1& main = app.form1();
    Form7& settings = app.form7();
    Form5& entry = app.form5();
};

TEST_F(ClearAllData, ConfirmationWindow) {
    Form6& d = app.form6();
    EXPECT_EQ(d.caption(), "STOP!!!");
    EXPECT_EQ(d.Label1.caption(), "Are you sure you want to clear all data?");
    EXPECT_EQ(d.Command1.caption(), "Press here to continue with Clearing All Data");
    EXPECT_EQ(d.Command2.caption(), "DON'T ERASE ANYTHING!!");
    EXPECT_TRUE(d.Command1.enabled());
    EXPECT_TRUE(d.Command2.enabled());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(main.Command4.enabled());
}

TEST_F(ClearAllData, RefusedChangesNothing) {
    struct Case {
        const char* what;
        int flagBefore;
        std::function<void(Form6&)> answer;
    };
    const Case cases[] = {
        {"DON'T ERASE ANYTHING!!", 0, [](Form6& d) { uitest::userClick(d.Command2); }},
        // The keyboard's way of pressing the button that has the focus.
        {"Return on DON'T ERASE ANYTHING!!", 0,
         [](Form6& d) { uitest::userPressKey(d.Command2.widget(), Qt::Key_Return); }},
        {"title-bar close", 0, [](Form6& d) { uitest::userCloseWindow(&d); }},
        // Escape acts as the title-bar close, also on the button that clears:
        // the dialog on view goes away.
        {"Escape on the clear button", 0,
         [](Form6& d) {
             d.showModeless();
             uitest::userPressKey(d.Command1.widget(), Qt::Key_Escape);
         }},
        {"Escape on the dialog", 0,
         [](Form6& d) {
             d.showModeless();
             uitest::userPressKey(&d, Qt::Key_Escape);
         }},
        // Hidden by other means than its buttons: not a confirmation, whatever
        // the flag held.
        {"hidden without an answer", 1, [](Form6& d) { d.hide(); }},
    };
    fillSession();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.ClearConfirmed = c.flagBefore;
        const Snapshot before = snapshot();
        env.log.clear();
        Form6* dialog = nullptr;
        clearAnswering([&](Form6& d) {
            dialog = &d;
            c.answer(d);
        });
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(env.log, (Lines{"modal STOP!!!"}));
        Snapshot after = snapshot();
        if (c.flagBefore == 1) {
            EXPECT_EQ(after.clearConfirmed, 1);
            after.clearConfirmed = before.clearConfirmed;
        }
        EXPECT_TRUE(after == before);
        EXPECT_EQ(app.Log.SightCount, 2);
        EXPECT_EQ(app.Log.SightNotes[2], "second sight");
        EXPECT_TRUE(main.Command1.enabled());
    }
    app.ClearConfirmed = 0;
}

TEST_F(ClearAllData, ConfirmedResetsTheSession) {
    fillSession();
    const Snapshot before = snapshot();
    env.log.clear();
    Form6* dialog = nullptr;
    clearAnswering([&](Form6& d) {
        dialog = &d;
        uitest::userClick(d.Command1);
    });
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(env.log, (Lines{"modal STOP!!!"}));
    EXPECT_EQ(app.ClearConfirmed, 0);

    // The log: one sight, every entry empty and every note the empty text.
    EXPECT_EQ(app.Log, reduction::clearedSightLog());
    EXPECT_EQ(app.Log.SightCount, 1);
    for (int i = 0; i <= reduction::kMaxSights; ++i) {
        EXPECT_EQ(app.Log.SightNotes[i], "") << i;
        for (int f = 0; f < reduction::kSightLogSize; ++f) {
            EXPECT_EQ(app.Log.SightData[i][f], 0) << i << " " << f;
        }
    }

    // The main window's buttons.
    EXPECT_FALSE(main.Command1.enabled());
    EXPECT_FALSE(main.Command3.enabled());
    EXPECT_FALSE(main.Command8.enabled());
    EXPECT_FALSE(main.Command9.enabled());
    EXPECT_TRUE(main.Command4.enabled());
    EXPECT_TRUE(main.Command2.enabled());

    // The leg: fixed values, empty position and times; the eye-height unit
    // and the hemisphere options as they were; the window's own caption, no
    // file's name.
    reduction::LegSettings leg;
    leg.Notes = kNotes;
    leg.Course = "0";
    leg.Speed = "0";
    leg.EyeHeight = "2.75";
    leg.PlottingScale = "25";
    leg.EyeHeightMetres = false;
    leg.EyeHeightFeet = true;
    leg.LastFixNorth = false;
    leg.LastFixEast = true;
    EXPECT_EQ(main.legSettings(), leg);
    EXPECT_EQ(main.Text112.text(), kNotes);
    EXPECT_TRUE(main.Option2.value());
    EXPECT_TRUE(main.Option4.value());
    EXPECT_EQ(main.caption(),
              "Celestial Navigation Sight Reduction, Plotter, Almanac, and Sight Planning");

    // The settings: air temperature and pressure only.
    EXPECT_EQ(settings.Text4.text(), "15");
    EXPECT_EQ(settings.Text5.text(), "1010");
    EXPECT_EQ(settings.Text1.text(), "69.2");
    EXPECT_EQ(settings.Text108.text(), "-3.5");
    EXPECT_EQ(settings.Text2.text(), "-1");

    // The sight entry window: sight 1, an empty form, 0 stored sightings.
    EXPECT_FALSE(entry.Command2.enabled());
    EXPECT_EQ(entry.Label2.caption(), " 1");
    EXPECT_EQ(entry.caption(), "Sight Data Entry   Number of stored sightings = 0");
    EXPECT_EQ(entry.Label17.caption(), "0");
    EXPECT_TRUE(entry.Option5.value());  // LOWER
    EXPECT_FALSE(entry.Option4.value());
    EXPECT_TRUE(entry.Option1.value());  // Normal Sea
    EXPECT_FALSE(entry.Option3.value());
    EXPECT_EQ(entry.Check1.value(), 1);
    for (const TextBox* box :
         {&entry.Text2, &entry.Text5, &entry.Text6, &entry.Text17, &entry.Text18, &entry.Text19,
          &entry.Text20, &entry.Text21, &entry.Text22}) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_EQ(entry.Text1.text(), kNotes);
    EXPECT_EQ(entry.List1.selectedIndex(), -1);
    EXPECT_TRUE(entry.Picture1.displayList().empty());
    // Left as they were: the index-error side and the hidden almanac fields.
    EXPECT_TRUE(entry.Option9.value());
    const Snapshot after = snapshot();
    const std::size_t hiddenFirst = 10;  // Text3, 4, 7, 8, 9, 10
    for (std::size_t k = hiddenFirst; k < hiddenFirst + 6; ++k) {
        EXPECT_EQ(after.entryTexts[k], before.entryTexts[k]) << k;
    }
    EXPECT_EQ(entry.Text9.text(), "2");  // the star's index, from its click
    // ... and the results of the last reduction.
    EXPECT_EQ(app.Reduction.DetailedOutputLines, before.report);
}

TEST_F(ClearAllData, EnterOnTheFocusedClearButtonConfirms) {
    fillSession();
    clearAnswering([](Form6& d) {
        uitest::userPressKey(d.Command1.widget(), Qt::Key_Enter);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(app.Log, reduction::clearedSightLog());
    EXPECT_FALSE(main.Command1.enabled());
    EXPECT_EQ(main.Text113.text(), "");
}

TEST_F(ClearAllData, AStrayReturnWhenTheQuestionOpensKeepsEverything) {
    // Return goes to the button that has the focus: whenever the question
    // opens, that is the one that keeps everything, also after the focus
    // was left on the clearing button the time before.
    fillSession();
    const Snapshot before = snapshot();
    const auto returnWhereTheFocusIs = [](Form6& d) {
        QWidget* focus = d.focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus, d.Command2.widget());
        uitest::userPressKey(focus, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    };
    clearAnswering(returnWhereTheFocusIs);
    clearAnswering([](Form6& d) {
        d.Command1.setFocus();
        uitest::userCloseWindow(&d);
    });
    clearAnswering(returnWhereTheFocusIs);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(app.Log.SightCount, 2);
}

TEST_F(ClearAllData, ReduceStaysDisabledUntilASightIsSaved) {
    fillSession();
    clearConfirmed();
    EXPECT_FALSE(main.Command1.enabled());
    // Paging does nothing with no stored sight; the first sight is saved again.
    uitest::userClick(entry.Command1);
    EXPECT_EQ(entry.Label2.caption(), " 1");
    EXPECT_FALSE(main.Command1.enabled());

    enterSight("50", "1", "0", "9", "30", "0", 0);
    uitest::userClick(entry.Command5);
    EXPECT_TRUE(main.Command1.enabled());
    EXPECT_TRUE(entry.Command2.enabled());
    EXPECT_EQ(app.Log.SightCount, 1);
    EXPECT_EQ(app.Log.SightData[1][reduction::kFieldHsDegrees], 50);
    EXPECT_EQ(app.Log.SightNotes[1], kNotes);
    EXPECT_FALSE(app.Log.RowEmpty[1]);
    EXPECT_EQ(entry.caption(), "Sight Data Entry   Number of stored sightings = 1");
}

TEST_F(ClearAllData, ClearingTwiceIsClearingOnce) {
    fillSession();
    clearConfirmed();
    const Snapshot once = snapshot();
    clearConfirmed();
    EXPECT_TRUE(snapshot() == once);
    EXPECT_EQ(env.modalRunner.captions, (Lines{"STOP!!!", "STOP!!!"}));
}

// The windows that a clear writes are created by it when they do not exist.
TEST(ClearAllDataFresh, CreatesTheWindowsItWrites) {
    uitest::FakeEnvironment env;
    app::App app{env.services()};
    Form1& main = app.form1();
    ASSERT_EQ(app.existingWindow<Form5>(), nullptr);
    ASSERT_EQ(app.existingWindow<Form7>(), nullptr);
    env.modalRunner.expectDialog<Form6>([](Form6& d) { d.Command1.click(); });
    main.Command4.click();

    Form5* entry = app.existingWindow<Form5>();
    Form7* settings = app.existingWindow<Form7>();
    ASSERT_NE(entry, nullptr);
    ASSERT_NE(settings, nullptr);
    EXPECT_FALSE(entry->isVisible());
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(entry->caption(), "Sight Data Entry   Number of stored sightings = 0");
    EXPECT_EQ(entry->Label2.caption(), " 1");
    EXPECT_EQ(entry->Text1.text(), kNotes);
    EXPECT_EQ(settings->Text4.text(), "15");
    EXPECT_EQ(settings->Text5.text(), "1010");
    EXPECT_EQ(settings->Text1.text(), "67.0");  // Delta T as designed
    EXPECT_EQ(app.Log, reduction::clearedSightLog());
    EXPECT_NE(app.Log, reduction::startupSightLog());
}

}  // namespace
