#include "app/main_window.h"

#include <QAction>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <filesystem>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "app/preload.h"
#include "app/settings_window.h"
#include "calculators/calculators_window.h"
#include "calculators/course_calculator_window.h"
#include "globe/globe_window.h"
#include "lunar/lunar_window.h"
#include "planner/planner_window.h"
#include "platform/numtext.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_texts.h"
#include "reduction/report_window.h"
#include "reduction/sight_almanac.h"
#include "reduction/sight_entry_window.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"

namespace app {
using namespace reduction;

namespace {

using platform::ui::TextBox;

// The layout is drawn on a grid of logical pixels.
using platform::ui::pixelRect;
using platform::ui::px;

constexpr double kWidth = 900;
constexpr double kHeight = 516;
constexpr double kFieldHeight = 21;

// Columns of the fix frame.
constexpr double kFixLabelWidth = 150;
constexpr double kDegreesLeft = 164;
constexpr double kHourLeft = 164;
constexpr double kMinutesLeft = 214;
constexpr double kDayLeft = 274;
constexpr double kMonthLeft = 324;
constexpr double kYearLeft = 380;

// Rows of the fix frame.
constexpr double kLatTop = 18;
constexpr double kLonTop = 68;
constexpr double kLastHeadTop = 112;
constexpr double kLastTop = 128;
constexpr double kNewHeadTop = 162;
constexpr double kNewTop = 178;

// Rows of the buttons.
constexpr double kButtonsTop = 366;
constexpr double kButtonsTop2 = 406;
constexpr double kButtonHeight = 32;

platform::ui::FileDialogRequest sightFileRequest() {
    return {kSightFileFilter, kSightFileDialogTitle};
}

// The sight entry window after a file was read: sight 1 on view (its body
// recomputed with the settings just read), paging on, the stored count.
void showFileSights(app::App& app) {
    // A file of no sights: a blank first sight, nothing of the last leg.
    if (app.Log.SightCount == 0) {
        ShowBlankFirstSight(app);
        return;
    }
    ShowSight(app, 1);
    Form5& form5 = app.form5();
    form5.Command2.setEnabled(true);
    const std::string count = std::to_string(app.Log.SightCount);
    form5.setCaption(kForm5CountCaption + count);
    form5.Label17.setCaption(count);
    form5.Label2.setCaption(" 1");
}

// The preload's position in a window: unsigned whole degrees and minutes of
// the latitude and the longitude.
void writePosition(const PositionTexts& position, TextBox& latDegrees, TextBox& latMinutes,
                   TextBox& lonDegrees, TextBox& lonMinutes) {
    latDegrees.setText(position.LatDegrees);
    latMinutes.setText(position.LatMinutes);
    lonDegrees.setText(position.LonDegrees);
    lonMinutes.setText(position.LonMinutes);
}

// Its sides: selecting one option of a pair clears the other.
void selectSides(const PositionTexts& position, platform::ui::OptionButton& north,
                 platform::ui::OptionButton& south, platform::ui::OptionButton& east,
                 platform::ui::OptionButton& west) {
    (position.North ? north : south).setValue(true);
    (position.East ? east : west).setValue(true);
}

}  // namespace

Form1::Form1(app::App& app)
    : Form(app, kForm1Caption),
      Frame4{*this, pixelRect(540, 66, 352, 188), "Settings for this leg"},
      labelCourse{Frame4, pixelRect(10, 24, 170, 18), "True Course over ground"},
      Text8{Frame4, pixelRect(186, 22, 64, kFieldHeight), "0"},
      labelCourseRange{Frame4, pixelRect(10, 42, 170, 16), "0-360 deg from true north"},
      labelSpeed{Frame4, pixelRect(10, 70, 170, 18), "Speed over ground, kts"},
      Text2{Frame4, pixelRect(186, 68, 64, kFieldHeight), "0"},
      labelEyeHeight{Frame4, pixelRect(10, 106, 170, 18), "Eye height"},
      Text3{Frame4, pixelRect(186, 104, 64, kFieldHeight), "2.75"},
      Frame3{Frame4, pixelRect(258, 92, 84, 40)},
      Frame3Options{},
      Option5{Frame3, pixelRect(8, 12, 34, 22), "m", Frame3Options},
      Option6{Frame3, pixelRect(44, 12, 36, 22), "ft", Frame3Options},
      Command6{Frame4, pixelRect(10, 146, 172, 30), "Heading/Course Calculator"},
      Command5{Frame4, pixelRect(188, 146, 154, 30), "General Settings"},
      labelPlotScale{*this, pixelRect(550, 268, 180, 18), "Max plotting scale, n.mi."},
      Text1{*this, pixelRect(726, 266, 64, kFieldHeight), "25"},
      labelStepFix{*this, pixelRect(12, 66, 400, 16), "Step 1   fill out Lat, Lon, and times"},
      frameFix{*this, pixelRect(8, 84, 520, 254)},
      labelLastLat{frameFix, pixelRect(10, kLatTop + 2, kFixLabelWidth, 18), "Last Fix, Latitude"},
      Text113{frameFix, pixelRect(kDegreesLeft, kLatTop, 44, kFieldHeight)},
      labelLatDegreeMark{frameFix, pixelRect(kDegreesLeft + 46, kLatTop, 10, 18), "°"},
      Text6{frameFix, pixelRect(kDegreesLeft + 58, kLatTop, 60, kFieldHeight)},
      labelLatMinuteMark{frameFix, pixelRect(kDegreesLeft + 120, kLatTop, 10, 18), "'"},
      Frame1{frameFix, pixelRect(304, kLatTop - 12, 204, 46), "Lat N or S"},
      Frame1Options{},
      Option1{Frame1, pixelRect(10, 18, 90, 22), "North", Frame1Options},
      Option2{Frame1, pixelRect(104, 18, 90, 22), "South", Frame1Options},
      labelLastLon{frameFix, pixelRect(10, kLonTop + 2, kFixLabelWidth, 18), "Last Fix, Longitude"},
      Text114{frameFix, pixelRect(kDegreesLeft, kLonTop, 44, kFieldHeight)},
      labelLonDegreeMark{frameFix, pixelRect(kDegreesLeft + 46, kLonTop, 10, 18), "°"},
      Text7{frameFix, pixelRect(kDegreesLeft + 58, kLonTop, 60, kFieldHeight)},
      labelLonMinuteMark{frameFix, pixelRect(kDegreesLeft + 120, kLonTop, 10, 18), "'"},
      Frame2{frameFix, pixelRect(304, kLonTop - 12, 204, 46), "Lon E or W"},
      Frame2Options{},
      Option4{Frame2, pixelRect(10, 18, 90, 22), "East", Frame2Options},
      Option3{Frame2, pixelRect(104, 18, 90, 22), "West", Frame2Options},
      labelLastFixUT{frameFix, pixelRect(10, kLastTop + 2, kFixLabelWidth, 18), "Last Fix, UT"},
      labelLastHour{frameFix, pixelRect(kHourLeft, kLastHeadTop, 48, 16), "Hour"},
      labelLastMinutes{frameFix, pixelRect(kMinutesLeft, kLastHeadTop, 58, 16), "Minutes"},
      labelLastDay{frameFix, pixelRect(kDayLeft, kLastHeadTop, 48, 16), "Day"},
      labelLastMonth{frameFix, pixelRect(kMonthLeft, kLastHeadTop, 54, 16), "Month"},
      labelLastYear{frameFix, pixelRect(kYearLeft, kLastHeadTop, 60, 16), "Year"},
      Text9{frameFix, pixelRect(kHourLeft, kLastTop, 44, kFieldHeight)},
      Text111{frameFix, pixelRect(kMinutesLeft, kLastTop, 54, kFieldHeight)},
      Text10{frameFix, pixelRect(kDayLeft, kLastTop, 44, kFieldHeight)},
      Text14{frameFix, pixelRect(kMonthLeft, kLastTop, 50, kFieldHeight)},
      Text15{frameFix, pixelRect(kYearLeft, kLastTop, 60, kFieldHeight)},
      labelNewFixUT{frameFix, pixelRect(10, kNewTop + 2, kFixLabelWidth, 18),
                    "Desired New Fix time, UT"},
      labelNewHour{frameFix, pixelRect(kHourLeft, kNewHeadTop, 48, 16), "Hour"},
      labelNewMinutes{frameFix, pixelRect(kMinutesLeft, kNewHeadTop, 58, 16), "Minutes"},
      labelNewDay{frameFix, pixelRect(kDayLeft, kNewHeadTop, 48, 16), "Day"},
      labelNewMonth{frameFix, pixelRect(kMonthLeft, kNewHeadTop, 54, 16), "Month"},
      labelNewYear{frameFix, pixelRect(kYearLeft, kNewHeadTop, 60, 16), "Year"},
      Text12{frameFix, pixelRect(kHourLeft, kNewTop, 44, kFieldHeight)},
      Text11{frameFix, pixelRect(kMinutesLeft, kNewTop, 54, kFieldHeight)},
      Text13{frameFix, pixelRect(kDayLeft, kNewTop, 44, kFieldHeight)},
      Text16{frameFix, pixelRect(kMonthLeft, kNewTop, 50, kFieldHeight)},
      Text17{frameFix, pixelRect(kYearLeft, kNewTop, 60, kFieldHeight)},
      Label25{frameFix, pixelRect(10, 214, 496, 32),
              "The navigator selects the new fix time for which the running fix corrected sight "
              "reductions shall apply for this leg"},
      labelStep1{*this, pixelRect(12, 8, 600, 16),
                 "Step 1: fill out this main form and the General Settings"},
      labelStep2{*this, pixelRect(12, 24, 600, 16),
                 "Step 2: click View Sight Data Form and fill out according to the 4 steps "
                 "indicated"},
      labelStep3{*this, pixelRect(12, 40, 600, 16), "Step 3:  click Reduce Sights "},
      labelVersion{*this, pixelRect(640, 8, 252, 16), "Version 3.2h"},
      labelIncluded{*this, pixelRect(640, 24, 252, 16), "Almanac and Sight Planning included"},
      labelBestViewed{*this, pixelRect(640, 40, 252, 16), "Best viewed in 1680 x 1050 resolution"},
      labelStepView{*this, pixelRect(12, kButtonsTop + 8, 46, 16), "Step 2"},
      Command2{*this, pixelRect(60, kButtonsTop, 200, kButtonHeight), "View Sight Data Form"},
      labelStepReduce{*this, pixelRect(274, kButtonsTop + 8, 46, 16), "Step 3"},
      Command1{*this, pixelRect(322, kButtonsTop, 206, kButtonHeight),
               "Reduce Sights and Plot LOP's"},
      Command3{*this, pixelRect(540, kButtonsTop, 112, kButtonHeight), "Detailed Output"},
      Command8{*this, pixelRect(660, kButtonsTop, 112, kButtonHeight), "Show LOP"},
      Command9{*this, pixelRect(780, kButtonsTop, 112, kButtonHeight), "Show COP"},
      Command4{*this, pixelRect(60, kButtonsTop2, 200, kButtonHeight), "Clear All Data"},
      Command7{*this, pixelRect(322, kButtonsTop2, 206, kButtonHeight),
               "Preload other forms with data"},
      Text112{*this, pixelRect(12, 450, kWidth - 24, 56), "Type Notes Here (no commas!)",
              TextBox::MultiLine},
      FileMenu{*this, "FILE", platform::ui::MenuItem::Heading},
      GetFile{FileMenu, "OPEN FILE"},
      SaveFile{FileMenu, "SAVE FILE"},
      menuPrint{FileMenu, "PRINT FORM"},
      menuHelp{*this, "HELP"},
      menuInfo{*this, "INFO"},
      menuSight{*this, "Sight Data Form"},
      menuCelesData{*this, "Celestial Data", platform::ui::MenuItem::Heading},
      menuAlmanac{menuCelesData, "Perpetual Almanac"},
      menuRiseSet{menuCelesData, "Rise/Set Times"},
      menuPlanner{*this, "Sight Planner"},
      menuLunar{*this, "Lunars"},
      menuCalc{*this, "Calculators"},
      menuEXIT{*this, "  EXIT"},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));

    for (platform::ui::Label* heading :
         {&labelStepFix, &labelStepView, &labelStepReduce, &labelVersion}) {
        heading->setBold(true);
    }
    for (platform::ui::Label* right : {&labelVersion, &labelIncluded, &labelBestViewed}) {
        right->setAlignment(platform::ui::Label::AlignRight);
    }
    labelCourseRange.setFontSize(7);
    // Tab moves on to the next box; the notes take no tab characters.
    Text112.plainTextEdit()->setTabChangesFocus(true);

    Option5.setValue(true);  // eye height in metres
    Option1.setValue(true);  // North
    Option3.setValue(true);  // West

    // The reduce button is enabled by saving a sight and by reading a file;
    // the result buttons by a reduction.
    Command1.setEnabled(false);

    Command3.setEnabled(false);
    Command8.setEnabled(false);
    Command9.setEnabled(false);

    Command2.onClick([this] { Command2_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    menuSight.onClick([this] { menuSight_Click(); });
    menuPrint.onClick([this] { menuPRINT_Click(); });
    menuEXIT.onClick([this] { menuEXIT_Click(); });
    GetFile.onClick([this] { GetFile_Click(); });
    SaveFile.onClick([this] { SaveFile_Click(); });
    menuHelp.onClick([this] { menuHelp_Click(); });
    menuInfo.onClick([this] { menuInfo_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Command9.onClick([this] { Command9_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    menuCalc.onClick([this] { menuCalc_Click(); });
    menuLunar.onClick([this] { menuLunar_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    menuAlmanac.onClick([this] { menuAlmanac_Click(); });
    menuRiseSet.onClick([this] { menuRiseSet_Click(); });
    menuPlanner.onClick([this] { menuPlanner_Click(); });
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    // SightCount = 1, rows 1 to 25 all 0, notes "type notes here".
    app_.Log = startupSightLog();
    // The planner's remembered defaults, handed on to the settings window.
    planner::ReadSettingsFile(app_);
    takeSavedBaseline();
}

void Form1::onCloseRequest() {
    menuEXIT_Click();
}

bool Form1::mayEndProgram() {
    return mayLeaveLeg();
}

void Form1::Command2_Click() {
    app_.form5().showModeless();
}

void Form1::Command5_Click() {
    app_.form7().showModeless();
}

void Form1::menuAlmanac_Click() {
    almanac::Form12& almanac = app_.form12();
    almanac.showModeless();
    almanac.Text11.setText(app_.form7().Text1.text());
}

void Form1::menuRiseSet_Click() {
    almanac::Form13& riseSet = app_.form13();
    riseSet.showModeless();
    riseSet.Text11.setText(app_.form7().Text1.text());
}

void Form1::menuSight_Click() {
    app_.form5().showModeless();
}

void Form1::Command6_Click() {
    app_.form9().showModeless();
}

void Form1::menuCalc_Click() {
    app_.form10().showModeless();
}

void Form1::menuHelp_Click() {
    FillReportWindow(app_, helpTextLines(), ReportContent::HelpOrInfo);
}

void Form1::menuInfo_Click() {
    FillReportWindow(app_, infoTextLines(), ReportContent::HelpOrInfo);
}

namespace {

// The report lines of the last reduction (entry 0 unused).
std::vector<std::string> detailedOutputOf(const ReductionResult& reduction) {
    const DetailedOutputArray& report = reduction.DetailedOutputLines;
    if (report.empty()) {
        return {};
    }
    return std::vector<std::string>(report.begin() + 1, report.end());
}

}  // namespace

void Form1::Command3_Click() {
    FillReportWindow(app_, detailedOutputOf(app_.Reduction), ReportContent::DetailedOutput);
}

void Form1::Command4_Click() {
    ClearAllData(app_);
}

void Form1::Command1_Click() {
    const auto warn = [this](const ReductionWarning& warning) {
        app_.messages().beep();
        app_.messages().show(warning.Text, warning.Title);
    };

    const LegSettings leg = legSettings();
    const GeneralSettings general = app_.form7().generalSettings();
    const ReductionStart start = prepareReduction(leg, Option2.value(), Option3.value(), general);
    if (start.Warning) {
        warn(*start.Warning);
        return;
    }

    // Every sight's place at its time with the settings in force, into a copy
    // of the log that replaces it only when the reduction succeeds.
    const SightPlaces sights =
        sightsAtTheirTimes(app_.Log, platform::leadingNumber(general.ChronometerCorrection),
                           platform::leadingNumber(general.DeltaT));
    if (sights.Warning) {
        warn(ReductionWarning{*sights.Warning});
        return;
    }

    Form3& dialog = app_.form3();
    dialog.applyPrefill(start.Prefill);
    // Closed otherwise than with "PRESS to Enter Data": nothing changes.
    if (!app_.runModal(dialog)) {
        return;
    }

    const ReductionInput input =
        reductionInput(start, general, dialog.EnteredLat, dialog.EnteredLon);
    const ReductionOutcome outcome = reduceSights(input, sights.Log);
    if (outcome.Warning) {
        warn(*outcome.Warning);
        return;
    }

    app_.Log = sights.Log;
    app_.Reduction = outcome.Result;
    app_.DrLat = start.DrLat;
    app_.DrLon = start.DrLon;
    app_.AssumedLat = input.AssumedLat;
    app_.AssumedLon = input.AssumedLon;  // wrapped into -180..180
    app_.ResultsOutdated = false;
    Command3.setEnabled(true);
    Command8.setEnabled(true);
    Command9.setEnabled(true);

    PlotLOPs(app_);
    // An open detailed output shows the working of this reduction.
    FollowDetailedOutput(app_, detailedOutputOf(app_.Reduction));
    // A globe that exists, shown or hidden, draws the new circles at once in
    // its own rotation and zoom; a new one is centred and drawn by its load.
    if (globe::Form16* existing = app_.existingWindow<globe::Form16>()) {
        existing->DrawGlobe();
    }
    app_.form16().showWithoutActivating();
    // The plot last, so that it comes out in front of the globe.
    app_.form2().showModeless();
}

void Form1::Command8_Click() {
    app_.form2().showModeless();
}

void Form1::Command9_Click() {
    app_.form16().showModeless();
}

void Form1::menuLunar_Click() {
    lunar::Form8& lunar = app_.form8();
    lunar.showModeless();
    // After the window's own start-up, so these texts win.
    Form7& settings = app_.form7();
    lunar.Text11.setText(settings.Text1.text());
    lunar.Text10.setText(settings.Text2.text());
}

void Form1::Command7_Click() {
    const LegSettings leg = legSettings();
    const GeneralSettings general = app_.form7().generalSettings();
    const Preload p = preload(leg, Option2.value(), Option3.value(), general);
    if (p.Warning) {
        app_.messages().beep();
        app_.messages().show(p.Warning->Text, p.Warning->Title);
        return;
    }
    // Each window is created hidden by its first use; none is shown.
    const PositionTexts& dr = p.Dr;

    planner::Form11& planner = app_.form11();
    selectSides(dr, planner.Option1, planner.Option2, planner.Option4, planner.Option3);
    writePosition(dr, planner.Text113, planner.Text6, planner.Text114, planner.Text7);
    planner.Text1.setText(p.Year);
    planner.Text2.setText(p.Month);
    planner.Text3.setText(p.Day);
    planner.Text4.setText(p.Hour);
    planner.Text5.setText(p.Minutes);
    planner.Text8.setText(p.DeltaT);

    almanac::Form12& almanac = app_.form12();
    almanac.Text1.setText(p.Year);
    almanac.Text2.setText(p.Month);
    almanac.Text3.setText(p.Day);
    almanac.Text4.setText(p.Hour);
    almanac.Text5.setText(p.Minutes);
    almanac.Text11.setText(p.DeltaT);

    almanac::Form13& riseSet = app_.form13();
    riseSet.Text1.setText(p.Year);
    riseSet.Text2.setText(p.Month);
    riseSet.Text3.setText(p.Day);
    riseSet.Text11.setText(p.DeltaT);
    writePosition(dr, riseSet.Text113, riseSet.Text8, riseSet.Text114, riseSet.Text7);
    selectSides(dr, riseSet.Option1, riseSet.Option2, riseSet.Option4, riseSet.Option3);

    lunar::Form8& lunar = app_.form8();
    lunar.Text15.setText(p.Year);
    lunar.Text14.setText(p.Month);
    lunar.Text13.setText(p.Day);
    lunar.Text12.setText(p.Hour);
    // The whole new fix time: the window's old minute and second would make
    // a time that never was.
    lunar.Text17.setText(p.Minutes);
    lunar.Text8.setText("0");
    lunar.Text11.setText(p.DeltaT);
    lunar.Text10.setText(p.TimeZone);
    lunar.Text4.setText(p.AirTemperature);
    lunar.Text5.setText(p.Pressure);
    writePosition(dr, lunar.Text113, lunar.Text6, lunar.Text114, lunar.Text7);
    selectSides(dr, lunar.Option1, lunar.Option2, lunar.Option4, lunar.Option3);
}

void Form1::menuPlanner_Click() {
    app_.form11().showModeless();
}

void Form1::menuPRINT_Click() {
    printForm();
}

void Form1::menuEXIT_Click() {
    if (mayLeaveLeg()) {
        app_.quit();
    }
}

void Form1::GetFile_Click() {
    if (!mayLeaveLeg()) {
        return;
    }
    const std::string N = app_.fileDialogs().openFile(sightFileRequest());
    if (N.empty()) {
        app_.messages().show(kNoFileSelectedMessage);
        return;
    }

    // The whole file is read and checked before anything changes.
    const SightFileRead read = openSightFile(std::filesystem::path(N));
    if (!read.Contents) {
        app_.messages().show(std::string(kBadSightFileMessage));
        return;
    }
    const SightFileContents& contents = *read.Contents;

    // The results of the last reduction no longer belong to the sights.
    Command3.setEnabled(false);
    Command8.setEnabled(false);
    Command9.setEnabled(false);
    // Unloaded, so that its next showing centres it on the new sights.
    app_.unload<globe::Form16>();
    WithdrawResults(app_);

    applyLegSettings(contents.Leg, read.SelectSouth, read.SelectWest);
    app_.form7().applyGeneralSettings(contents.General);
    applySightRecords(contents.Sights, app_.Log);

    showFileSights(app_);
    Command1.setEnabled(true);

    std::string name;
    StripPath(N, name);
    setCaption(" Current Data file: " + name);
    takeSavedBaseline();
}

bool Form1::SaveFile_Click() {
    const std::string N = app_.fileDialogs().saveFile(sightFileRequest());
    if (N.empty()) {
        app_.messages().show(kNoFileSelectedMessage);
        return false;
    }

    const SightFileContents contents = sightFileContents();
    const platform::SaveResult saved = saveSightFile(std::filesystem::path(N), contents);
    if (!saved.ok) {
        app_.messages().show("The data file was not saved.\n" + saved.message);
        return false;
    }

    std::string name;
    StripPath(N, name);
    setCaption(" Current Data file is: " + name);
    savedBaseline_ = writeSightFile(contents);
    return true;
}

SightFileContents Form1::sightFileContents() const {
    SightFileContents contents;
    contents.Leg = legSettings();
    // The settings window before it exists holds its design values.
    const Form7* settings = app_.existingWindow<Form7>();
    contents.General = settings != nullptr ? settings->generalSettings() : GeneralSettings{};
    contents.Sights = sightRecordsOf(app_.Log);
    return contents;
}

std::string Form1::sightFileText() const {
    return writeSightFile(sightFileContents());
}

void Form1::takeSavedBaseline() {
    savedBaseline_ = sightFileText();
}

bool Form1::legChanged() const {
    if (sightFileText() != savedBaseline_) {
        return true;
    }
    // A typed new sight or an edited stored one is in no file yet.
    const Form5* entry = app_.existingWindow<Form5>();
    return entry != nullptr && entry->entryEdited();
}

bool Form1::mayLeaveLeg() {
    if (!legChanged()) {
        return true;
    }
    switch (app_.messages().show(kSaveChangesQuestion, {},
                                 platform::ui::MessageButtons::SaveDiscardCancel)) {
        case platform::ui::MessageAnswer::Save: {
            // The sight on view goes into the file too, stored as "Save
            // Changes" stores it; one that cannot be stored stops here.
            Form5* entry = app_.existingWindow<Form5>();
            if (entry != nullptr && !entry->storeEditedEntry()) {
                return false;
            }
            return SaveFile_Click();
        }
        case platform::ui::MessageAnswer::Discard:
            return true;
        default:
            return false;
    }
}

LegSettings Form1::legSettings() const {
    LegSettings leg;
    leg.Notes = Text112.text();
    leg.Course = Text8.text();
    leg.Speed = Text2.text();
    leg.EyeHeight = Text3.text();
    leg.EyeHeightFeet = Option6.value();
    leg.EyeHeightMetres = Option5.value();
    leg.PlottingScale = Text1.text();
    leg.LastFixLatDegrees = Text113.text();
    leg.LastFixLatMinutes = Text6.text();
    leg.LastFixNorth = Option1.value();
    leg.LastFixLonDegrees = Text114.text();
    leg.LastFixLonMinutes = Text7.text();
    leg.LastFixEast = Option4.value();
    leg.LastFixHour = Text9.text();
    leg.LastFixMinutes = Text111.text();
    leg.LastFixDay = Text10.text();
    leg.LastFixMonth = Text14.text();
    leg.LastFixYear = Text15.text();
    leg.NewFixHour = Text12.text();
    leg.NewFixMinutes = Text11.text();
    leg.NewFixDay = Text13.text();
    leg.NewFixMonth = Text16.text();
    leg.NewFixYear = Text17.text();
    return leg;
}

void Form1::applyLegSettings(const LegSettings& leg, bool selectSouth, bool selectWest) {
    Text112.setText(leg.Notes);
    Text8.setText(leg.Course);
    Text2.setText(leg.Speed);
    Text3.setText(leg.EyeHeight);
    // Feet first, then metres: the unit whose item is "True" wins.
    Option6.setValue(leg.EyeHeightFeet);
    Option5.setValue(leg.EyeHeightMetres);
    Text113.setText(leg.LastFixLatDegrees);
    Text6.setText(leg.LastFixLatMinutes);
    Text114.setText(leg.LastFixLonDegrees);
    Text7.setText(leg.LastFixLonMinutes);
    Text9.setText(leg.LastFixHour);
    Text111.setText(leg.LastFixMinutes);
    Text10.setText(leg.LastFixDay);
    Text1.setText(leg.PlottingScale);
    Text12.setText(leg.NewFixHour);
    Text11.setText(leg.NewFixMinutes);
    Text13.setText(leg.NewFixDay);
    Option1.setValue(leg.LastFixNorth);
    if (selectSouth) {
        Option2.setValue(true);
    }
    Option4.setValue(leg.LastFixEast);
    if (selectWest) {
        Option3.setValue(true);
    }
    Text14.setText(leg.LastFixMonth);
    Text15.setText(leg.LastFixYear);
    Text16.setText(leg.NewFixMonth);
    Text17.setText(leg.NewFixYear);
}

}  // namespace app
