// The sight planner window: the date, time, position and options of the
// planner, the sky chart with its pointer read-outs and arc distances, the
// Moon-phase picture, the rise/set lines and the object list, and the
// buttons for the clock, the refresh, the remembered defaults, the almanac,
// the instructions, printing and closing. Also the settings file's reading
// at start-up and writing by "Remember these settings as my default".
#pragma once

#include <array>
#include <cstdint>

#include "planner/planner.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace planner {

inline constexpr const char* kForm11Caption =
    "Sight Planner  Star, Moon, Sun, Planet Finder  by Wendrel Navigation";

class Form11 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form11(app::App& app);
    ~Form11() override;

    // Places the window over the main window and records the layout offsets.
    void Form_Load() override;
    // The chart takes up the window's growth, the panel follows its right
    // edge and its object list grows with the window's height, the labels
    // keep their distance from the bottom; then a refresh.
    void Form_Resize() override;

    // Handlers.
    void Command3_Click();  // "SHOW OBJECTS / refresh": a refused field says so
    void Command4_Click();  // "Now"
    void Command6_Click();  // "Now + refresh star map"
    void Command5_Click();  // "Celestial Almanac"
    // "Remember these settings as my default": a time zone that is not a
    // number from -14 to 14 h is refused, and nothing is written.
    void Command7_Click();
    void Command8_Click();  // "Instructions"
    void Command2_Click();  // "PRINT"
    void Command1_Click();  // "CLOSE"
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    void Picture1_MouseDown(int Button, int Shift, double X, double Y);
    void Picture1_MouseUp(int Button, int Shift, double X, double Y);

    // The Moon-phase picture for an elongation in degrees; Radius, CentreX
    // and CentreY are set to the disc's 0.75, 0 and 0.
    void DrawMoon(double Phase, double& Radius, double& CentreX, double& CentreY);

    // Stages of the refresh: the inputs from the fields; the rise/set lines;
    // the chart, the Moon's phase and the object list.
    PlannerTexts plannerTexts() const;
    void showRiseSetLines(const PlannerInput& in);
    void drawSky(const PlannerInput& in, const PlannerSky& sky);

    // The remembered fields, and writing them back (no handler runs). Only
    // the first `items` of the 13 are written back.
    PlannerSettings plannerSettings() const;
    void applyPlannerSettings(const PlannerSettings& settings, int items);

    // Window variables of the chart and the arc in progress.
    double EastWestSign = 1;
    double SunElevation = 0;
    std::int16_t SkyRed = 255;
    std::int16_t SkyGreen = 255;
    std::int16_t SkyBlue = 255;
    ArcState Arc;

    // ------------------------------------------------------------- controls
    platform::ui::Picture Picture1;  // the sky chart
    platform::ui::Picture Picture2;  // the Moon's phase
    platform::ui::Label Label23;     // the Sun's rise/set line
    platform::ui::Label Label24;     // the Moon's rise/set line
    platform::ui::Label Label21;     // the twilight text
    platform::ui::Label Label26;     // what the rise/set times allow for
    platform::ui::Label Label25;     // "P after UT ..."
    platform::ui::Label Label15;     // the Sun's rise/set message
    platform::ui::Label Label16;     // the Moon's rise/set message
    platform::ui::Label Label17;     // "Grab corner to resize   -->"

    platform::ui::Frame Frame6;     // the panel right of the chart
    platform::ui::CheckBox Check4;  // "Switch E for W for inverted viewing"

    platform::ui::Frame frameDate;  // "Date and UT Time"
    platform::ui::Label labelYear;
    platform::ui::Label labelMonth;
    platform::ui::Label labelDay;
    platform::ui::Label labelHour;
    platform::ui::Label labelMinute;
    platform::ui::Label labelSecond;
    platform::ui::TextBox Text1;   // UT year
    platform::ui::TextBox Text2;   // UT month
    platform::ui::TextBox Text3;   // UT day
    platform::ui::TextBox Text4;   // UT hour
    platform::ui::TextBox Text5;   // UT minute
    platform::ui::TextBox Text11;  // UT second

    platform::ui::Frame framePosition;  // "Observer's Position"
    platform::ui::Label labelLatitude;
    platform::ui::TextBox Text113;  // latitude, degrees
    platform::ui::Label labelLatDegreeMark;
    platform::ui::TextBox Text6;  // latitude, minutes
    platform::ui::Label labelLatMinuteMark;
    platform::ui::Frame frameLat;  // "Lat N or S"
    platform::ui::OptionGroup frameLatOptions;
    platform::ui::OptionButton Option1;  // "N"
    platform::ui::OptionButton Option2;  // "S"
    platform::ui::Label labelLongitude;
    platform::ui::TextBox Text114;  // longitude, degrees
    platform::ui::Label labelLonDegreeMark;
    platform::ui::TextBox Text7;  // longitude, minutes
    platform::ui::Label labelLonMinuteMark;
    platform::ui::Frame frameLon;  // "Lon E or W"
    platform::ui::OptionGroup frameLonOptions;
    platform::ui::OptionButton Option3;    // "W"
    platform::ui::OptionButton Option4;    // "E"
    platform::ui::CommandButton Command7;  // "Remember these settings as my default"

    platform::ui::Frame frameSettings;  // "Settings"
    platform::ui::Label labelDeltaT;
    platform::ui::TextBox Text8;  // Delta T, seconds
    platform::ui::Label labelStars;
    platform::ui::TextBox Text9;  // "How many stars?"
    platform::ui::Label labelTimeZone;
    platform::ui::TextBox Text10;   // time zone, hours, west positive
    platform::ui::CheckBox Check3;  // "Daylight savings time now?"

    platform::ui::CommandButton Command4;  // "Now"
    platform::ui::CommandButton Command6;  // "Now + refresh star map"
    platform::ui::CommandButton Command3;  // "SHOW OBJECTS / refresh"
    platform::ui::CommandButton Command5;  // "Celestial Almanac"
    platform::ui::CommandButton Command8;  // "Instructions"
    platform::ui::CommandButton Command2;  // "PRINT"
    platform::ui::CommandButton Command1;  // "CLOSE"
    platform::ui::ListBox List1;           // the object list
    platform::ui::CheckBox Check1;         // "Keep background white for printing"
    platform::ui::CheckBox Check2;         // "Show lunar parallax"
    platform::ui::Label Label31;           // "Azimuth, Elevation"
    platform::ui::Label Label12;           // azimuth under the pointer
    platform::ui::Label Label9;            // elevation under the pointer
    platform::ui::Label Label32;           // "Elevation same as Altitude"
    platform::ui::Label Label22;           // the object under the pointer
    platform::ui::Label Label14;           // "Wendrel Navigation"

  private:
    // The refresh. A field the checks refuse (plannerProblem) empties the
    // chart, the Moon's phase, the lines and the list instead; only a refresh
    // the navigator asked for (warn) says so in a "Warning!".
    void refresh(bool warn);
    void clearOutputs();
    // Empties the pointer read-outs (a redraw, the pointer leaving the chart).
    void clearPointerTexts();
    // "Now": the clock's UT into the date and time boxes; false when the
    // zone is refused.
    bool fillNow();

    app::App& app_;
    // Whether the last refresh kept the background white.
    bool whiteSky_ = false;
    // Layout offsets recorded by Form_Load, twips, single precision.
    float chartWidthMargin_ = 0;
    float chartHeightMargin_ = 0;
    float label15Bottom_ = 0, label16Bottom_ = 0, label17Bottom_ = 0, label21Bottom_ = 0;
    float label23Bottom_ = 0, label24Bottom_ = 0, label25Bottom_ = 0, label26Bottom_ = 0;
    float label17Right_ = 0;
    float frameOffset_ = 0;
    // The panel's height and its distance from the window's bottom, the
    // list's height, and the controls under the list with their tops.
    float frameHeight_ = 0;
    float frameBottom_ = 0;
    float listHeight_ = 0;
    std::array<platform::ui::Control*, 8> underList_{};
    std::array<float, 8> underListTops_{};
};

// The instructions of the planner.
class Form14 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form14(app::App& app);
    ~Form14() override;

    platform::ui::Label Label17;
    platform::ui::Label Label15;
    platform::ui::Label Label16;
    platform::ui::Label Label18;
    platform::ui::Label Label20;
    platform::ui::Label Label30;
    platform::ui::Label Label1;
    platform::ui::Label Label2;
};

// Start-up: reads the settings file (app.SettingsFile) into the planner and
// hands its time zone and Delta T on to the settings window and its Delta T
// to the almanac window. A wrong header changes nothing and says nothing; any other
// problem keeps the items read before it, hands nothing on and shows
// kSettingsReadProblem.
void ReadSettingsFile(app::App& app);

// "Remember these settings as my default": writes the planner's fields to
// the settings file and hands the time zone and Delta T on. A failed write
// keeps the old file, hands nothing on and shows kSettingsWriteProblem.
void WriteSettingsFile(app::App& app);

}  // namespace planner
