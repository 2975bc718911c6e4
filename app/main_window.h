// The main window: the settings of the current leg (course and speed over
// ground, eye height, plotting scale, last fix position and time, desired
// new fix time), the menu bar, the buttons that start the reduction and open
// the other windows, and the sight data file menu.
#pragma once

#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "reduction/sight_file.h"

namespace app {

class App;

// The main window's caption at start.
inline constexpr const char* kForm1Caption =
    "Celestial Navigation Sight Reduction, Plotter, Almanac, and Sight Planning";
// The filter and title of the sight data file dialogs.
inline constexpr const char* kSightFileFilter = "NAV Files (*.NAV)|*.NAV|All Files (*.*)";
inline constexpr const char* kSightFileDialogTitle = "Data Files";
inline constexpr const char* kNoFileSelectedMessage = "There was no file selected.";
// Asked with Save, Don't Save and Cancel before a changed leg is left.
inline constexpr const char* kSaveChangesQuestion = "Save the changes to this leg?";

class Form1 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form1(app::App& app);
    ~Form1() override;

    void Form_Load() override;
    // The title-bar close ends the program, as "  EXIT" does, once a
    // changed leg is saved or given up.
    void onCloseRequest() override;
    bool mayEndProgram() override;

    // Handlers.
    void Command2_Click();  // "View Sight Data Form"
    void Command5_Click();  // "General Settings"
    void menuSight_Click();
    void menuPRINT_Click();
    void menuEXIT_Click();
    void GetFile_Click();
    // True when the file was written.
    bool SaveFile_Click();
    void menuHelp_Click();     // "HELP"
    void menuInfo_Click();     // "INFO"
    void Command3_Click();     // "Detailed Output"
    void Command4_Click();     // "Clear All Data"
    void Command1_Click();     // "Reduce Sights and Plot LOP's"
    void Command8_Click();     // "Show LOP"
    void Command9_Click();     // "Show COP"
    void Command6_Click();     // "Heading/Course Calculator"
    void menuCalc_Click();     // "Calculators"
    void menuPlanner_Click();  // "Sight Planner"

    // "Celestial Data": "Perpetual Almanac" and "Rise/Set Times" show their
    // windows with the settings' Delta T.
    void menuAlmanac_Click();
    void menuRiseSet_Click();

    void menuLunar_Click();  // "Lunars"
    void Command7_Click();   // "Preload other forms with data"

    // The leg settings as the fields hold them, and writing them back (no
    // handler of this window reacts to these fields).
    reduction::LegSettings legSettings() const;
    void applyLegSettings(const reduction::LegSettings& leg, bool selectSouth, bool selectWest);

    // ------------------------------------------------------------- controls
    // Frame4 "Settings for this leg": course, speed, eye height and its unit,
    // and the buttons to the course calculator and the settings window.
    platform::ui::Frame Frame4;
    platform::ui::Label labelCourse;
    platform::ui::TextBox Text8;  // course over ground, degrees true
    platform::ui::Label labelCourseRange;
    platform::ui::Label labelSpeed;
    platform::ui::TextBox Text2;  // speed over ground, knots
    platform::ui::Label labelEyeHeight;
    platform::ui::TextBox Text3;  // eye height, metres or feet
    platform::ui::Frame Frame3;
    platform::ui::OptionGroup Frame3Options;
    platform::ui::OptionButton Option5;    // "m"
    platform::ui::OptionButton Option6;    // "ft"
    platform::ui::CommandButton Command6;  // "Heading/Course Calculator"
    platform::ui::CommandButton Command5;  // "General Settings"

    platform::ui::Label labelPlotScale;
    platform::ui::TextBox Text1;  // half-width of the plot, n.mi.

    // The last fix and the desired new fix time.
    platform::ui::Label labelStepFix;  // "Step 1   fill out Lat, Lon, and times"
    platform::ui::Frame frameFix;
    platform::ui::Label labelLastLat;
    platform::ui::TextBox Text113;  // latitude, degrees
    platform::ui::Label labelLatDegreeMark;
    platform::ui::TextBox Text6;  // latitude, minutes
    platform::ui::Label labelLatMinuteMark;
    platform::ui::Frame Frame1;  // "Lat N or S"
    platform::ui::OptionGroup Frame1Options;
    platform::ui::OptionButton Option1;  // "North"
    platform::ui::OptionButton Option2;  // "South"
    platform::ui::Label labelLastLon;
    platform::ui::TextBox Text114;  // longitude, degrees
    platform::ui::Label labelLonDegreeMark;
    platform::ui::TextBox Text7;  // longitude, minutes
    platform::ui::Label labelLonMinuteMark;
    platform::ui::Frame Frame2;  // "Lon E or W"
    platform::ui::OptionGroup Frame2Options;
    platform::ui::OptionButton Option4;  // "East"
    platform::ui::OptionButton Option3;  // "West"

    platform::ui::Label labelLastFixUT;
    platform::ui::Label labelLastHour;
    platform::ui::Label labelLastMinutes;
    platform::ui::Label labelLastDay;
    platform::ui::Label labelLastMonth;
    platform::ui::Label labelLastYear;
    platform::ui::TextBox Text9;    // last fix UT hour
    platform::ui::TextBox Text111;  // last fix UT minutes
    platform::ui::TextBox Text10;   // last fix UT day
    platform::ui::TextBox Text14;   // last fix UT month (whole text)
    platform::ui::TextBox Text15;   // last fix UT year (whole text)

    platform::ui::Label labelNewFixUT;
    platform::ui::Label labelNewHour;
    platform::ui::Label labelNewMinutes;
    platform::ui::Label labelNewDay;
    platform::ui::Label labelNewMonth;
    platform::ui::Label labelNewYear;
    platform::ui::TextBox Text12;  // new fix UT hour
    platform::ui::TextBox Text11;  // new fix UT minutes
    platform::ui::TextBox Text13;  // new fix UT day
    platform::ui::TextBox Text16;  // new fix UT month (whole text)
    platform::ui::TextBox Text17;  // new fix UT year (whole text)
    platform::ui::Label Label25;   // what the new fix time means

    // Instructions and version.
    platform::ui::Label labelStep1;
    platform::ui::Label labelStep2;
    platform::ui::Label labelStep3;
    platform::ui::Label labelVersion;
    platform::ui::Label labelIncluded;
    platform::ui::Label labelBestViewed;

    // The workflow buttons.
    platform::ui::Label labelStepView;     // "Step 2"
    platform::ui::CommandButton Command2;  // "View Sight Data Form"
    platform::ui::Label labelStepReduce;   // "Step 3"
    platform::ui::CommandButton Command1;  // "Reduce Sights and Plot LOP's"
    platform::ui::CommandButton Command3;  // "Detailed Output"
    platform::ui::CommandButton Command8;  // "Show LOP"
    platform::ui::CommandButton Command9;  // "Show COP"
    platform::ui::CommandButton Command4;  // "Clear All Data"
    platform::ui::CommandButton Command7;  // "Preload other forms with data"

    platform::ui::TextBox Text112;  // notes written into the sight data file

    // ---------------------------------------------------------------- menus
    platform::ui::MenuItem FileMenu;   // "FILE"
    platform::ui::MenuItem GetFile;    // "OPEN FILE"
    platform::ui::MenuItem SaveFile;   // "SAVE FILE"
    platform::ui::MenuItem menuPrint;  // "PRINT FORM"
    platform::ui::MenuItem menuHelp;
    platform::ui::MenuItem menuInfo;
    platform::ui::MenuItem menuSight;      // "Sight Data Form"
    platform::ui::MenuItem menuCelesData;  // "Celestial Data"
    platform::ui::MenuItem menuAlmanac;    // "Perpetual Almanac"
    platform::ui::MenuItem menuRiseSet;    // "Rise/Set Times"
    platform::ui::MenuItem menuPlanner;
    platform::ui::MenuItem menuLunar;
    platform::ui::MenuItem menuCalc;
    platform::ui::MenuItem menuEXIT;  // "  EXIT"

    // The leg as "SAVE FILE" would write it now.
    std::string sightFileText() const;
    // Takes the leg as it stands as the saved one: after a file was opened
    // or saved, at start and after Clear All Data.
    void takeSavedBaseline();
    // The leg differs from the saved one, or the sight entry holds a typed
    // new sight or an edited stored one.
    bool legChanged() const;
    // Before a changed leg is left: "Save the changes to this leg?"; Save
    // first stores the sight entry's typed or edited sight as "Save
    // Changes" does (and stays when it cannot), then saves, and goes on only
    // when the file was written; Don't Save goes on, Cancel stays. An
    // unchanged leg goes on at once.
    bool mayLeaveLeg();

  private:
    reduction::SightFileContents sightFileContents() const;

    app::App& app_;
    std::string savedBaseline_;
};

}  // namespace app
