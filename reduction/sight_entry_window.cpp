#include "reduction/sight_entry_window.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <cmath>
#include <tuple>
#include <utility>

#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "calculators/calculators_window.h"
#include "ephemeris/ephemeris.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "reduction/correction_preview.h"
#include "reduction/sight_almanac.h"
#include "reduction/sight_log.h"

namespace reduction {

namespace {

using platform::ui::Color;
using platform::ui::TextBox;

// The number a field's text reads as: its leading decimal number, 0 when
// there is none.
using platform::ui::Val;
double Val(const platform::ui::Label& label) {
    return platform::leadingNumber(label.caption());
}

constexpr Color kYellow{255, 255, 0};
constexpr Color kLightBlue{192, 224, 255};
constexpr Color kDarkRed{160, 0, 0};

// Layout, in twips. Three frames on the left, the body list, the emblem and
// the notes on the right, the two pictures across, the buttons at the bottom.
constexpr double kFormWidth = 10560;
constexpr double kFormHeight = 8700;
constexpr double kLeft = 120;
constexpr double kFrameWidth = 4800;
constexpr double kRight = 5040;
constexpr double kStepX = 3960;  // "step n" inside a frame
constexpr double kDateColumn = 760;
constexpr double kTextHeight = 285;
constexpr double kOptionHeight = 255;
constexpr double kLabelHeight = 240;
constexpr double kButtonTop = 8070;
constexpr double kButtonHeight = 420;

constexpr int kLastEntry = 5 + ephemeris::kStarCount;  // 63

// Selects the limb option for a limb code: below 0 upper, above 0 lower, 0
// centre.
void selectLimb(Form5& f, double code) {
    if (code < 0) {
        f.Option4.setValue(true);
    } else if (code > 0) {
        f.Option5.setValue(true);
    } else {
        f.Option10.setValue(true);
    }
}

// 1 ticks, 0 clears; any other value leaves the box as it is.
void selectIncluded(Form5& f, double flag) {
    if (flag == 1) {
        f.Check1.setValue(1);
    } else if (flag == 0) {
        f.Check1.setValue(0);
    }
}

// 0 reflective artificial, 1 sea, 2 bubble; any other code leaves the group.
void selectHorizon(Form5& f, double code) {
    if (code == 0) {
        f.Option2.setValue(true);
    } else if (code == 1) {
        f.Option1.setValue(true);
    } else if (code == 2) {
        f.Option3.setValue(true);
    }
}

// Below 0 on scale, above 0 off scale; 0 leaves the group.
void selectIndexErrorSide(Form5& f, double side) {
    if (side < 0) {
        f.Option8.setValue(true);
    } else if (side > 0) {
        f.Option9.setValue(true);
    }
}

bool isSightRow(int i) {
    return i >= 1 && i <= kMaxSights;
}

// The sight number a shown number names: its whole part when it is 1 to 25,
// else 0 (no row).
int sightNumber(double n) {
    return n >= 1 && n < kMaxSights + 1 ? static_cast<int>(std::floor(n)) : 0;
}

// A stored ObjectIndex that names an entry of the body list.
bool isListEntry(double index) {
    return std::isfinite(index) && index == std::floor(index) && index >= 0 && index <= kLastEntry;
}

}  // namespace

// ------------------------------------------------------------------ window

Form5::Form5(app::App& app)
    : Form(app, kForm5Caption),
      Label13{*this, {kLeft, 60, 4800, 360}},
      Label15{*this, {kLeft, kButtonTop - 90, kFormWidth - 2 * kLeft, kButtonHeight + 180}},
      Label14{*this, {240, 120, 1020, kLabelHeight}, "This data is"},
      Label1{*this, {1260, 120, 1260, kLabelHeight}, "Sight Number "},
      Label2{*this, {2520, 105, 480, 270}, "1"},
      Label18{*this, {3120, 120, 600, kLabelHeight}, "out of"},
      Label17{*this, {3720, 120, 900, kLabelHeight}},

      Frame3{*this, {kLeft, 480, kFrameWidth, 1500}, "Horizon"},
      Label6{Frame3, {kStepX, 240, 720, kLabelHeight}, "step 1"},
      Option1{Frame3, {120, 270, 1500, kOptionHeight}, "Normal Sea", Frame3Options},
      Option2{Frame3, {120, 540, 2400, kOptionHeight}, "Reflective Artificial", Frame3Options},
      Option3{Frame3, {120, 810, 1200, kOptionHeight}, "Bubble", Frame3Options},
      Command3{Frame3, {2580, 600, 2100, 375}, "Land horizon calculator"},
      Check1{Frame3, {120, 1140, 4500, kOptionHeight}, "Include this in sight reduction?"},

      Frame5{*this, {kLeft, 2100, kFrameWidth, 2040}, "Sextant"},
      Label10{Frame5, {kStepX, 240, 720, kLabelHeight}, "step 2"},
      Label7{Frame5, {120, 315, 1900, kLabelHeight}, "Altitude Measured, Hs"},
      Text5{Frame5, {2040, 270, 600, kTextHeight}},
      labelDegreeMark{Frame5, {2670, 270, 180, kLabelHeight}, "\xC2\xB0"},
      Text6{Frame5, {2880, 270, 780, kTextHeight}},
      labelMinuteMark{Frame5, {3690, 270, 180, kLabelHeight}, "'"},
      Frame2{Frame5, {120, 660, 1800, 1260}, "LIMB"},
      Option4{Frame2, {120, 270, 1560, kOptionHeight}, "UPPER", Frame2Options},
      Option5{Frame2, {120, 570, 1560, kOptionHeight}, "LOWER", Frame2Options},
      Option10{Frame2, {120, 870, 1560, kOptionHeight}, "CENTER", Frame2Options},
      Frame4{Frame5, {2040, 660, 2640, 1260}, "Index Error, ArcMinutes"},
      Text17{Frame4, {120, 330, 900, kTextHeight}},
      Option8{Frame4, {1140, 300, 1440, kOptionHeight}, "On scale", Frame4Options},
      Option9{Frame4, {1140, 600, 1440, kOptionHeight}, "Off scale ", Frame4Options},

      Frame1{*this, {kLeft, 4260, kFrameWidth, 2020}, "UTC Date and Time of Observation"},
      Label11{Frame1, {kStepX, 240, 720, kLabelHeight}, "step 3"},
      labelYear{Frame1, {120 + 0 * kDateColumn, 480, 700, kLabelHeight}, "Year"},
      labelMonth{Frame1, {120 + 1 * kDateColumn, 480, 700, kLabelHeight}, "Month"},
      labelDay{Frame1, {120 + 2 * kDateColumn, 480, 700, kLabelHeight}, "Day"},
      labelHour{Frame1, {120 + 3 * kDateColumn, 480, 700, kLabelHeight}, "Hour"},
      labelMinute{Frame1, {120 + 4 * kDateColumn, 480, 700, kLabelHeight}, "Minute"},
      labelSecond{Frame1, {120 + 5 * kDateColumn, 480, 700, kLabelHeight}, "Second"},
      Text21{Frame1, {120 + 0 * kDateColumn, 720, 700, kTextHeight}},
      Text20{Frame1, {120 + 1 * kDateColumn, 720, 700, kTextHeight}},
      Text19{Frame1, {120 + 2 * kDateColumn, 720, 700, kTextHeight}},
      Text18{Frame1, {120 + 3 * kDateColumn, 720, 700, kTextHeight}},
      Text22{Frame1, {120 + 4 * kDateColumn, 720, 700, kTextHeight}},
      Text2{Frame1, {120 + 5 * kDateColumn, 720, 700, kTextHeight}},
      Label5{Frame1,
             {120, 1110, 4560, kLabelHeight},
             "Universal Time Coordinated = Greenwich Mean Time"},
      Label4{Frame1,
             {120, 1350, 4560, 600},
             "Watch correction will be added to the seconds. If you change the correction, you "
             "must \"reselect\" the Object to record properly"},

      Label3{*this, {kRight, 510, 2520, kLabelHeight}, "Click the Celestial Object"},
      Label12{*this, {kRight, 180, 720, kLabelHeight}, "step 4"},
      List1{*this, {kRight, 780, 2520, 4420}},

      Image1{*this, {7800 + (2640 - 2415) / 2, 480, 2415, 2295}},
      Label19{*this, {7800, 2880, 2640, 480}, "Type notes on individual sights below"},
      Text1{*this,
            {7800, 3360, 2640, 1840},
            "Type notes here  (no commas!)",
            platform::ui::TextBox::MultiLine},

      Label16{*this,
              {kRight, 5340, 5400, 420},
              "step 5  Save each data entry with \"Save Changes\", then close data form to "
              "return to the main form"},
      Label30{*this,
              {kRight, 5820, 5400, 420},
              "Must press Save Changes if editing existing data or if new data entered. Must "
              "be done for each sighting!!"},

      Picture1{*this, {kLeft, 6420, 5100, 1470}},
      Picture2{*this, {kLeft + 5220, 6420, 5100, 1470}},

      Command1{*this, {240, kButtonTop, 1860, kButtonHeight}, "<----  Last Sight"},
      Command2{*this, {2220, kButtonTop, 1860, kButtonHeight}, "Next Sight  ---->"},
      Command5{*this, {4440, kButtonTop, 1740, kButtonHeight}, "Save Changes"},
      Command4{*this, {6480, kButtonTop, 1680, kButtonHeight}, "Close this form"},
      Command6{*this, {8280, kButtonTop, 2040, kButtonHeight}, "Close Sight Data Form"},

      Text3{*this, {0, 0, 900, kTextHeight}, "Text3"},
      Text4{*this, {0, 0, 900, kTextHeight}, "Text4"},
      Text7{*this, {0, 0, 900, kTextHeight}, "Text7"},
      Text8{*this, {0, 0, 900, kTextHeight}, "Text8"},
      Text9{*this, {0, 0, 900, kTextHeight}, "Text9"},
      Text10{*this, {0, 0, 900, kTextHeight}, "Text10"},
      app_(app) {
    resizeTwips(kFormWidth, kFormHeight);

    Label13.setBackColor(kYellow);
    Label15.setBackColor(kLightBlue);
    Label2.setBackColor(kYellow);
    Label2.setAlignment(platform::ui::Label::AlignCenter);
    Label2.setBold(true);
    Label17.setBold(true);
    Label30.setForeColor(kDarkRed);
    Label30.setBold(true);
    for (platform::ui::Label* step : {&Label6, &Label10, &Label11, &Label12}) {
        step->setForeColor(kDarkRed);
    }

    Text1.plainTextEdit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Option1.setValue(true);
    Check1.setValue(1);
    Option5.setValue(true);
    Option8.setValue(true);

    Command2.setEnabled(false);

    for (TextBox* hidden : {&Text3, &Text4, &Text7, &Text8, &Text9, &Text10}) {
        hidden->setVisible(false);
    }

    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    List1.onClick([this] { List1_Click(); });
    Text18.onChange([this] { Text18_Change(); });
    Text19.onChange([this] { Text19_Change(); });
    Text2.onChange([this] { Text2_Change(); });
    Text20.onChange([this] { Text20_Change(); });
    Text21.onChange([this] { Text21_Change(); });
    Text22.onChange([this] { Text22_Change(); });
    Text5.onChange([this] { previewInputChanged(); });
    Text6.onChange([this] { previewInputChanged(); });
    Text17.onChange([this] { previewInputChanged(); });
    for (platform::ui::OptionButton* option : {&Option1, &Option2, &Option3, &Option8, &Option9}) {
        option->onClick([this] { previewInputChanged(); });
    }

    drawEmblem();
}

Form5::~Form5() = default;

void Form5::Form_Load() {
    FillObjectList(app_);
    shownView_ = entryView();
}

void Form5::onCloseRequest() {
    closeUnlessUnsaved();
}

void Form5::Command1_Click() {
    // The sight before: a stored one, also from a new entry after sight 1.
    const double n = Val(Label2);
    if (!(n > 1 && app_.Log.SightCount >= 1)) {
        return;
    }
    // Typed data is not dropped without a word.
    if (!mayLeaveEntry()) {
        return;
    }
    Label2.setCaption(platform::generalText(n - 1));
    ShowSight(app_, sightNumber(n - 1));
    Command2.setEnabled(true);
}

void Form5::Command2_Click() {
    const double n = Val(Label2) + 1;
    // The log has no row beyond the last sight.
    if (!(n <= kMaxSights)) {
        app_.messages().beep();
        app_.messages().show(kSightLimitMessage, kWarningTitle);
        return;
    }
    if (!mayLeaveEntry()) {
        return;
    }
    Label2.setCaption(platform::generalText(n));
    if (n > app_.Log.SightCount) {
        PrepareNewSight(app_, sightNumber(n));
        Command2.setEnabled(false);
    } else {
        Picture1.clear();
        ShowSight(app_, sightNumber(n));
    }
}

void Form5::Command3_Click() {
    // The dip panel alone, as the calculators window's own dip button shows it.
    calculators::Form10& calculators = app_.form10();
    calculators.showModeless();
    calculators.Command9_Click();
}

void Form5::Command4_Click() {
    closeUnlessUnsaved();
}

void Form5::Command6_Click() {
    closeUnlessUnsaved();
}

void Form5::Command5_Click() {
    saveChanges();
}

bool Form5::saveChanges() {
    // Without a body picked for the instant on view the hidden fields hold
    // no almanac data of this sight.
    if (List1.selectedIndex() < 0) {
        app_.messages().beep();
        app_.messages().show(kNoBodySelectedMessage, kWarningTitle);
        return false;
    }
    // A box that is not a number, or an impossible value: nothing is stored.
    if (const platform::Problem problem = entryProblem(true)) {
        platform::ui::warnProblem(app_.messages(), *problem);
        return false;
    }
    // The boxes are good now, but the click was refused before they were.
    if (bodyRefused_) {
        app_.messages().beep();
        app_.messages().show(kBodyAgainMessage, kWarningTitle);
        return false;
    }
    // Almanac values that are not numbers would be stored as 0.
    if (!almanacFinite_) {
        app_.messages().beep();
        app_.messages().show(kAlmanacNotFiniteMessage, kWarningTitle);
        return false;
    }
    const int n = sightNumber(Val(Label2));
    if (n == 0) {
        return false;
    }
    app_.CurrentSight = n;
    StoreSight(app_, app_.CurrentSight);
    if (app_.CurrentSight >= app_.Log.SightCount) {
        app_.Log.SightCount = app_.CurrentSight;
        setCaption(kForm5CountCaption + platform::generalText(app_.Log.SightCount));
        Label17.setCaption(platform::generalText(app_.Log.SightCount));
    }
    Command2.setEnabled(true);
    app_.form1().Command1.setEnabled(true);
    shownView_ = entryView();
    return true;
}

void Form5::List1_Click() {
    const int i = List1.selectedIndex();
    Picture1.clear();
    Picture2.clear();
    previewFrom_.reset();
    // A body for boxes the checks refuse: nothing is computed. The
    // navigator's click is told why; a pick from code stays silent.
    if (i >= 0) {
        if (const platform::Problem problem = entryProblem(false)) {
            bodyRefused_ = true;
            if (!quietPick_) {
                platform::ui::warnProblem(app_.messages(), *problem);
            }
            return;
        }
    }

    bodyRefused_ = false;
    app::Form7& settings = app_.form7();
    SightAlmanacInput when;
    when.ObjectIndex = i;
    when.Year = Val(Text21);
    when.Month = Val(Text20);
    when.Day = Val(Text19);
    when.Hour = Val(Text18);
    when.Minute = Val(Text22);
    when.Second = Val(Text2);
    when.ChronometerCorrection = Val(settings.Text108);
    when.DeltaT = Val(settings.Text1);
    when.Stars = app_.Stars;
    const SightAlmanac almanac = sightAlmanac(when);
    almanacFinite_ = almanac.Finite;

    for (const platform::PrintLine& line : almanac.Block) {
        Picture1.print(line);
    }
    if (almanac.Hidden) {
        Text3.setText(almanac.Hidden->Text3);
        Text4.setText(almanac.Hidden->Text4);
        Text7.setText(almanac.Hidden->Text7);
        Text8.setText(almanac.Hidden->Text8);
        Text9.setText(almanac.Hidden->Text9);
        Text10.setText(almanac.Hidden->Text10);
    }

    // The preview belongs to a sextant altitude on view that the checks take
    // (silently here: a deselection from code computes nothing).
    if (!altitudeOnView() || previewProblem(false)) {
        return;
    }
    app::Form1& main = app_.form1();
    CorrectionPreviewInput view;
    view.IndexErrorSide = Option9.value() ? 1 : -1;
    if (Option1.value()) {
        view.Horizon = HorizonKind::NormalSea;
    } else if (Option2.value()) {
        view.Horizon = HorizonKind::ReflectiveArtificial;
    } else {
        view.Horizon = HorizonKind::Bubble;
    }
    view.HsDegrees = Val(Text5);
    view.HsMinutes = Val(Text6);
    view.IndexError = Val(Text17);
    view.EyeHeight = Val(main.Text3);
    view.EyeHeightInFeet = main.Option6.value();
    view.Temperature = Val(settings.Text4);
    view.Pressure = Val(settings.Text5);
    view.HP = almanac.HP;
    for (const platform::PrintLine& line : correctionPreview(view).Lines) {
        Picture2.print(line);
    }
    previewFrom_ = previewInputs();
}

void Form5::Text18_Change() {
    dateOrTimeChanged();
}
void Form5::Text19_Change() {
    dateOrTimeChanged();
}
void Form5::Text2_Change() {
    dateOrTimeChanged();
}
void Form5::Text20_Change() {
    dateOrTimeChanged();
}
void Form5::Text21_Change() {
    dateOrTimeChanged();
}
void Form5::Text22_Change() {
    dateOrTimeChanged();
}

platform::Problem Form5::instantProblem() const {
    return platform::firstProblem({
        platform::dateProblem(Val(Text21), Val(Text20), Val(Text19)),
        platform::timeProblem(Val(Text18), Val(Text22), Val(Text2), {"Hour", "Minute", "Second"}),
    });
}

void Form5::selectStoredBody(int index) {
    quietPick_ = true;
    List1.setSelectedIndex(index);
    quietPick_ = false;
}

void Form5::dateOrTimeChanged() {
    // Deselecting runs List1_Click with no body, which prints the preview
    // without parallax.
    List1.setSelectedIndex(-1);
    Picture1.clear();
}

platform::Problem Form5::entryProblem(bool forSave) const {
    using platform::Empty;
    using platform::numberProblem;
    const app::Form7& settings = app_.form7();
    if (const platform::Problem problem = platform::firstProblem({
            numberProblem("Year", Text21.text()),
            numberProblem("Month", Text20.text()),
            numberProblem("Day", Text19.text()),
            numberProblem("Hour", Text18.text()),
            numberProblem("Minute", Text22.text()),
            numberProblem("Second", Text2.text()),
            numberProblem("Chronometer correction", settings.Text108.text()),
            numberProblem("Delta T", settings.Text1.text(), Empty::Refused),
        })) {
        return problem;
    }
    if (const platform::Problem problem = platform::firstProblem(
            {instantProblem(), platform::deltaTProblem(Val(settings.Text1))})) {
        return problem;
    }
    if (!forSave && !altitudeOnView()) {
        return std::nullopt;
    }
    return previewProblem(forSave);
}

platform::Problem Form5::previewProblem(bool forSave) const {
    using platform::Empty;
    using platform::numberProblem;
    const app::Form7& settings = app_.form7();
    const app::Form1& main = app_.form1();
    const bool sea = Option1.value();
    if (const platform::Problem problem = platform::firstProblem({
            numberProblem("Sextant altitude degrees", Text5.text(),
                          forSave ? Empty::Refused : Empty::ReadsZero),
            numberProblem("Sextant altitude minutes", Text6.text()),
            numberProblem("Index error", Text17.text()),
            sea ? numberProblem("Eye height", main.Text3.text(), Empty::Refused) : std::nullopt,
            numberProblem("Air temperature", settings.Text4.text(), Empty::Refused),
            numberProblem("Pressure", settings.Text5.text(), Empty::Refused),
        })) {
        return problem;
    }
    // The reflective artificial horizon shows twice the altitude.
    const double highest = Option2.value() ? 180 : 90;
    return platform::firstProblem({
        platform::minutesProblem("Sextant altitude minutes", Val(Text6)),
        platform::rangeProblem("Sextant altitude", Val(Text5) + Val(Text6) / 60, 0, highest,
                               " degrees"),
        sea ? platform::nonNegativeProblem("Eye height", Val(main.Text3)) : std::nullopt,
        platform::aboveProblem("Air temperature", Val(settings.Text4), -273, " °C"),
        platform::aboveProblem("Pressure", Val(settings.Text5), 0, " millibars"),
    });
}

bool operator==(const SightEntryView& a, const SightEntryView& b) {
    const auto fields = [](const SightEntryView& v) {
        return std::tie(v.Note, v.HsDegrees, v.HsMinutes, v.IndexError, v.Year, v.Month, v.Day,
                        v.Hour, v.Minute, v.Second, v.Upper, v.Lower, v.Centre, v.Sea, v.Artificial,
                        v.Bubble, v.OnScale, v.OffScale, v.Included, v.Body);
    };
    return fields(a) == fields(b);
}

bool operator!=(const SightEntryView& a, const SightEntryView& b) {
    return !(a == b);
}

std::string changedSightMessage(int sight) {
    return "Sight " + platform::generalText(sight) +
           " was changed but not saved. Leave it without saving, keeping the stored sight?";
}

SightEntryView Form5::entryView() const {
    SightEntryView v;
    v.Note = Text1.text();
    v.HsDegrees = Text5.text();
    v.HsMinutes = Text6.text();
    v.IndexError = Text17.text();
    v.Year = Text21.text();
    v.Month = Text20.text();
    v.Day = Text19.text();
    v.Hour = Text18.text();
    v.Minute = Text22.text();
    v.Second = Text2.text();
    v.Upper = Option4.value();
    v.Lower = Option5.value();
    v.Centre = Option10.value();
    v.Sea = Option1.value();
    v.Artificial = Option2.value();
    v.Bubble = Option3.value();
    v.OnScale = Option8.value();
    v.OffScale = Option9.value();
    v.Included = Check1.value();
    v.Body = List1.selectedIndex();
    return v;
}

bool Form5::onNewEntry() const {
    // A new entry follows a stored sight; sight 1 with none stored (after a
    // file of no sights) is a blank first sight, as after Clear All Data.
    const double n = Val(Label2);
    return n > app_.Log.SightCount && n > 1;
}

bool Form5::onBlankFirstSight() const {
    return Val(Label2) == 1 && !app_.Log.HoldsSights;
}

bool Form5::entryEdited() const {
    return entryView() != shownView_;
}

bool Form5::newEntryTyped() const {
    return onNewEntry() && entryEdited();
}

void Form5::newEntryPrepared() {
    shownView_ = entryView();
    List1.listWidget()->scrollToTop();
}

void Form5::storedSightShown() {
    shownView_ = entryView();
}

bool Form5::storeEditedEntry() {
    if (!entryEdited()) {
        return true;
    }
    if (saveChanges()) {
        return true;
    }
    showModeless();
    return false;
}

bool Form5::mayLeaveEntry() {
    if (!entryEdited()) {
        return true;
    }
    const bool stored = !onNewEntry() && !onBlankFirstSight();
    const std::string question =
        stored ? changedSightMessage(sightNumber(Val(Label2))) : kUnsavedEntryMessage;
    app_.messages().beep();
    if (app_.messages().show(question, kWarningTitle, platform::ui::MessageButtons::YesNo) !=
        platform::ui::MessageAnswer::Yes) {
        return false;
    }
    discardEntry();
    return true;
}

void Form5::discardEntry() {
    const int n = sightNumber(Val(Label2));
    if (onNewEntry()) {
        PrepareNewSight(app_, n);
        return;
    }
    if (!onBlankFirstSight()) {
        // The stored values, the body recomputed with the settings of the
        // moment.
        ShowSight(app_, n);
        return;
    }
    // The blank first sight as it was shown.
    const SightEntryView& v = shownView_;
    Text1.setText(v.Note);
    for (const auto& [option, on] :
         {std::pair{&Option4, v.Upper}, std::pair{&Option5, v.Lower},
          std::pair{&Option10, v.Centre}, std::pair{&Option1, v.Sea},
          std::pair{&Option2, v.Artificial}, std::pair{&Option3, v.Bubble},
          std::pair{&Option8, v.OnScale}, std::pair{&Option9, v.OffScale}}) {
        if (on) {
            option->setValue(true);
        } else if (option->value()) {
            option->setValue(false);
        }
    }
    Check1.setValue(v.Included);
    Text5.setText(v.HsDegrees);
    Text6.setText(v.HsMinutes);
    Text17.setText(v.IndexError);
    Text21.setText(v.Year);
    Text20.setText(v.Month);
    Text19.setText(v.Day);
    Text18.setText(v.Hour);
    Text22.setText(v.Minute);
    Text2.setText(v.Second);
    List1.setSelectedIndex(-1);
    Picture1.clear();
    Picture2.clear();
    List1.listWidget()->scrollToTop();
}

void Form5::closeUnlessUnsaved() {
    if (mayLeaveEntry()) {
        hide();
    }
}

bool Form5::altitudeOnView() const {
    return Text5.text().find_first_not_of(" \t") != std::string::npos;
}

bool Form5::PreviewInputs::operator==(const PreviewInputs& o) const {
    const auto fields = [](const PreviewInputs& p) {
        return std::tie(p.HsDegrees, p.HsMinutes, p.IndexError, p.Sea, p.Artificial, p.Bubble,
                        p.OnScale, p.OffScale);
    };
    return fields(*this) == fields(o);
}

Form5::PreviewInputs Form5::previewInputs() const {
    PreviewInputs p;
    p.HsDegrees = Text5.text();
    p.HsMinutes = Text6.text();
    p.IndexError = Text17.text();
    p.Sea = Option1.value();
    p.Artificial = Option2.value();
    p.Bubble = Option3.value();
    p.OnScale = Option8.value();
    p.OffScale = Option9.value();
    return p;
}

void Form5::previewInputChanged() {
    // Until the body is clicked again there are no corrections of these
    // inputs to show.
    if (previewFrom_ && !(*previewFrom_ == previewInputs())) {
        Picture2.clear();
        previewFrom_.reset();
    }
}

void Form5::drawEmblem() {
    // Sky, sea, the Sun above the horizon and a star.
    Image1.setScale(0, 100, 100, -100);
    Image1.filledBox(0, 35, 100, 100, Color{200, 225, 250});
    Image1.filledBox(0, 0, 100, 35, Color{30, 80, 150});
    Image1.line(0, 35, 100, 35, Color{0, 0, 0});
    Image1.setFillStyle(platform::ui::FillStyle::Solid);
    Image1.setFillColor(Color{255, 210, 0});
    Image1.circle(35, 52, 10, Color{230, 140, 0});
    Image1.line(80, 84, 80, 70, Color{255, 255, 255});
    Image1.line(73, 77, 87, 77, Color{255, 255, 255});
    Image1.line(75, 72, 85, 82, Color{255, 255, 255});
    Image1.line(75, 82, 85, 72, Color{255, 255, 255});
}

// ------------------------------------------------------------ sight log

void StoreSight(app::App& app, int i) {
    if (!isSightRow(i)) {
        return;
    }
    Form5& f = app.form5();
    SightLog& log = app.Log;
    auto& row = log.SightData[i];

    ReplaceCommas(f.Text1.text(), log.SightNotes[i]);

    if (f.Option4.value()) {
        row[kFieldLimb] = -1;
    } else if (f.Option5.value()) {
        row[kFieldLimb] = 1;
    } else if (f.Option10.value()) {
        row[kFieldLimb] = 0;
    }
    row[kFieldIncluded] = f.Check1.value() == 1 ? 1 : 0;
    if (f.Option1.value()) {
        row[kFieldHorizon] = 1;
    } else if (f.Option2.value()) {
        row[kFieldHorizon] = 0;
    } else if (f.Option3.value()) {
        row[kFieldHorizon] = 2;
    }

    row[kFieldUTHour] = Val(f.Text18);
    row[kFieldUTMinute] = Val(f.Text22);
    row[kFieldUTSecond] = Val(f.Text2);
    row[kFieldUTDay] = Val(f.Text19);
    row[kFieldUTMonth] = Val(f.Text20);
    row[kFieldUTYear] = Val(f.Text21);

    row[kFieldHsDegrees] = Val(f.Text5);
    row[kFieldHsMinutes] = Val(f.Text6);

    row[kFieldIndexError] = std::fabs(Val(f.Text17));
    if (f.Option8.value()) {
        row[kFieldIndexErrorSide] = -1;
    } else if (f.Option9.value()) {
        row[kFieldIndexErrorSide] = 1;
    }

    row[kFieldGHA] = Val(f.Text3);
    row[kFieldDec] = Val(f.Text4);
    row[kFieldSD] = Val(f.Text7);
    row[kFieldHP] = Val(f.Text8);
    row[kFieldObjectIndex] = Val(f.Text10);
    log.RowEmpty[i] = false;
    log.HoldsSights = true;
}

void ShowSight(app::App& app, int i) {
    if (!isSightRow(i)) {
        return;
    }
    Form5& f = app.form5();
    const SightLog& log = app.Log;
    const auto& row = log.SightData[i];

    f.Text1.setText(log.SightNotes[i]);
    selectLimb(f, row[kFieldLimb]);
    selectIncluded(f, row[kFieldIncluded]);
    selectHorizon(f, row[kFieldHorizon]);
    f.Text5.setText(platform::generalText(row[kFieldHsDegrees]));
    f.Text6.setText(platform::generalText(row[kFieldHsMinutes]));
    f.Text17.setText(platform::generalText(row[kFieldIndexError]));
    selectIndexErrorSide(f, row[kFieldIndexErrorSide]);

    // Each write runs the box's change handler, which drops the body.
    f.Text18.setText(platform::generalText(row[kFieldUTHour]));
    f.Text22.setText(platform::generalText(row[kFieldUTMinute]));
    f.Text2.setText(platform::generalText(row[kFieldUTSecond]));
    f.Text19.setText(platform::generalText(row[kFieldUTDay]));
    f.Text20.setText(platform::generalText(row[kFieldUTMonth]));
    f.Text21.setText(platform::generalText(row[kFieldUTYear]));

    FillObjectList(app);

    const double index = row[kFieldObjectIndex];
    if (isListEntry(index)) {
        // Nothing is selected after the refill, so this always runs
        // List1_Click, which recomputes the almanac data for the instant on
        // view with the settings of the moment.
        f.selectStoredBody(static_cast<int>(index));
        f.storedSightShown();
        return;
    }
    // No body to select: the preview of this sight without parallax, and the
    // row's own almanac data in the hidden fields.
    f.List1_Click();
    f.Text3.setText(platform::generalText(row[kFieldGHA]));
    f.Text4.setText(platform::generalText(row[kFieldDec]));
    f.Text7.setText(platform::generalText(row[kFieldSD]));
    f.Text8.setText(platform::generalText(row[kFieldHP]));
    f.Text9.setText("");
    f.Text10.setText(platform::generalText(index));
    f.storedSightShown();
}

void PrepareNewSight(app::App& app, int i) {
    if (!isSightRow(i)) {
        return;
    }
    Form5& f = app.form5();
    const auto& previous = app.Log.SightData[i - 1];

    f.Text1.setText("");
    selectLimb(f, previous[kFieldLimb]);
    selectIncluded(f, previous[kFieldIncluded]);
    selectHorizon(f, previous[kFieldHorizon]);
    f.Text22.setText("");
    f.Text2.setText("");
    f.Text18.setText(platform::generalText(previous[kFieldUTHour]));
    f.Text19.setText(platform::generalText(previous[kFieldUTDay]));
    f.Text20.setText(platform::generalText(previous[kFieldUTMonth]));
    f.Text21.setText(platform::generalText(previous[kFieldUTYear]));
    f.Text5.setText("");
    f.Text6.setText("");
    f.Text17.setText(platform::generalText(previous[kFieldIndexError]));
    selectIndexErrorSide(f, previous[kFieldIndexErrorSide]);
    f.List1.setSelectedIndex(-1);
    f.Picture1.clear();
    // No altitude yet: no corrections of another sight's.
    f.Picture2.clear();
    for (TextBox* hidden : {&f.Text3, &f.Text4, &f.Text7, &f.Text8, &f.Text9, &f.Text10}) {
        hidden->setText("");
    }
    f.newEntryPrepared();
}

void FillObjectList(app::App& app) {
    Form5& f = app.form5();
    f.List1.clear();
    for (const char* name : {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"}) {
        f.List1.addItem(name);
    }
    ephemeris::FillStarTable(app.Stars);
    for (int StarNumber = 1; StarNumber <= ephemeris::kStarCount; ++StarNumber) {
        f.List1.addItem(app.Stars.StarNames[StarNumber]);
    }
}

}  // namespace reduction
