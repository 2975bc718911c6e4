#include "reduction/clear_all_dialog.h"

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "globe/globe_window.h"
#include "reduction/plot_window.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_log.h"

namespace reduction {

namespace {

constexpr double kWidth = 5400;
constexpr double kHeight = 2220;

}  // namespace

Form6::Form6(app::App& app)
    : Dialog(app, kForm6Caption),
      Label1{*this, {240, 240, kWidth - 480, 360}, kClearQuestion},
      Command1{*this, {240, 780, kWidth - 480, 495}, kClearConfirmCaption},
      Command2{*this, {240, 1440, kWidth - 480, 495}, kClearRefuseCaption},
      app_(app) {
    resizeTwips(kWidth, kHeight);
    setResizable(false);
    Label1.setAlignment(platform::ui::Label::AlignCenter);
    Label1.setBold(true);
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
}

Form6::~Form6() = default;

void Form6::Command1_Click() {
    app_.ClearConfirmed = 1;
    accept();
}

void Form6::Command2_Click() {
    app_.ClearConfirmed = 0;
    reject();
}

void Form6::onCloseRequest() {
    // A close from the title bar answers as "DON'T ERASE ANYTHING!!".
    Command2_Click();
}

void ShowBlankFirstSight(app::App& app) {
    // Emptying a date or time box also drops the body and its almanac block.
    Form5& entry = app.form5();
    entry.Command2.setEnabled(false);
    entry.Label2.setCaption(" 1");
    entry.setCaption(std::string(kForm5CountCaption) + "0");
    entry.Label17.setCaption("0");
    entry.Option5.setValue(true);
    for (platform::ui::TextBox* box :
         {&entry.Text2, &entry.Text5, &entry.Text6, &entry.Text17, &entry.Text18, &entry.Text19,
          &entry.Text20, &entry.Text21, &entry.Text22}) {
        box->setText("");
    }
    entry.Check1.setValue(1);
    entry.Option1.setValue(true);
    entry.Text1.setText(kClearedNotes);
    entry.List1.setSelectedIndex(-1);
    entry.Picture1.clear();
    entry.Picture2.clear();
    entry.newEntryPrepared();
}

void ClearAllData(app::App& app) {
    // The keyboard rests on the answer that keeps everything, so that a stray
    // Return when the question opens loses nothing.
    Form6& question = app.form6();
    question.Command2.setFocus();
    const bool accepted = app.runModal(question);
    if (!accepted || app.ClearConfirmed != 1) {
        return;
    }

    app.Log = clearedSightLog();

    app::Form1& main = app.form1();
    main.Command1.setEnabled(false);
    main.Command3.setEnabled(false);
    main.Command8.setEnabled(false);
    main.Command9.setEnabled(false);
    // Unloaded, so that the first reduction of the new leg centres it on its
    // sights.
    app.unload<globe::Form16>();
    WithdrawResults(app);
    // No file's name stands over the cleared data.
    main.setCaption(app::kForm1Caption);

    ShowBlankFirstSight(app);

    main.Text10.setText("");
    main.Text13.setText("");
    main.Text112.setText(kClearedNotes);
    main.Text1.setText("25");
    main.Text8.setText("0");
    main.Text2.setText("0");
    main.Text3.setText("2.75");

    app::Form7& settings = app.form7();
    // The start-up values of the settings window.
    settings.Text4.setText("15");
    settings.Text5.setText("1010");

    for (platform::ui::TextBox* box :
         {&main.Text113, &main.Text6, &main.Text114, &main.Text7, &main.Text9, &main.Text111,
          &main.Text12, &main.Text11, &main.Text14, &main.Text15, &main.Text16, &main.Text17}) {
        box->setText("");
    }

    app.ClearConfirmed = 0;
    // The cleared leg is the one a later question about changes compares with.
    main.takeSavedBaseline();
}

}  // namespace reduction
