// The lunar-distance window: the estimated position, the measured distance
// with the limbs, the air, the date and chronometer UTC of the measurement,
// the body measured to, and the clearing's five lines, emptied by an edit of
// anything they were computed from; "Now" takes the date and time from the
// clock, and two menu items keep the inputs in a lunar-distance file.
#pragma once

#include <string>

#include "lunar/lunar.h"
#include "platform/input_check.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace lunar {

inline constexpr const char* kForm8Caption = "Clearing the Lunar Distance";
// Followed by the file's name without its folders.
inline constexpr const char* kOpenedCaption = "Lunar Distance current Data file: ";
inline constexpr const char* kSavedCaption = "Clearing the Lunar Distance current Data file: ";

class Form8 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form8(app::App& app);
    ~Form8() override;

    void Form_Load() override;

    // Handlers.
    void Command1_Click();  // "CLOSE"
    void Command2_Click();  // "Click here to Calculate Correct Time and Longitude"
    void Command4_Click();  // "Now"
    void List1_Click();
    void menuOpen_Click();  // "OpenFile"
    void menuSave_Click();  // "SaveFile"

    // The first box the checks refuse, named by its label: a text that is
    // not a number, minutes 60 or more, a latitude beyond 90 or a longitude
    // beyond 180 degrees, negative distance minutes, an air temperature not
    // above -273 deg C, a pressure not above 0, the date, the chronometer
    // time, Delta T. Nothing when every box passes.
    platform::Problem inputProblem() const;
    // The clearing's inputs, read once from the fields.
    ClearingInput clearingInput() const;
    // The fields as the file keeps them, and writing them back.
    LunarFileContents fileContents() const;
    void applyFileContents(const LunarFileContents& contents);

    // The LunarTargetIndex of the last list click (0, the Sun, at start; -1
    // when the selection was set to none).
    int SelectedBody = 0;
    // SelectedBody - 5 when a star was last computed.
    int SelectedStar = 0;

    // ------------------------------------------------------------- controls
    platform::ui::Label labelTitle;
    platform::ui::Label labelAssumption;

    platform::ui::Label labelLat;   // "Estimated Latitude"
    platform::ui::TextBox Text113;  // latitude, whole degrees
    platform::ui::Label labelLatDegreeMark;
    platform::ui::TextBox Text6;  // latitude, minutes
    platform::ui::Label labelLatMinuteMark;
    platform::ui::Frame Frame1;  // "Lat N or S"
    platform::ui::OptionGroup Frame1Options;
    platform::ui::OptionButton Option1;  // "North"
    platform::ui::OptionButton Option2;  // "South"

    platform::ui::Label labelLon;   // "Estimated Longitude"
    platform::ui::TextBox Text114;  // longitude, whole degrees
    platform::ui::Label labelLonDegreeMark;
    platform::ui::TextBox Text7;  // longitude, minutes
    platform::ui::Label labelLonMinuteMark;
    platform::ui::Frame Frame2;  // "Lon E or W"
    platform::ui::OptionGroup Frame2Options;
    platform::ui::OptionButton Option4;  // "East"
    platform::ui::OptionButton Option3;  // "West"

    platform::ui::Label labelDistance;    // "Lunar Distance Measured"
    platform::ui::Label labelIndexError;  // "corrected for index error"
    platform::ui::TextBox Text2;          // measured distance, degrees
    platform::ui::Label labelDistanceDegreeMark;
    platform::ui::TextBox Text3;  // measured distance, minutes
    platform::ui::Label labelDistanceMinuteMark;

    platform::ui::Frame Frame3;  // "Moon Limb"
    platform::ui::OptionGroup Frame3Options;
    platform::ui::OptionButton Option5;  // "Inner"
    platform::ui::OptionButton Option6;  // "Outer"
    platform::ui::OptionButton Option9;  // "Center"
    platform::ui::Frame Frame4;          // "Sun Limb, if using"
    platform::ui::OptionGroup Frame4Options;
    platform::ui::OptionButton Option8;  // "Inner"
    platform::ui::OptionButton Option7;  // "Outer"

    platform::ui::Label labelTemperature;
    platform::ui::TextBox Text4;  // air temperature, deg C
    platform::ui::Label labelPressure;
    platform::ui::TextBox Text5;  // pressure, millibars

    platform::ui::Frame Frame5;  // "Date and Estimated Observation Time"
    platform::ui::Label labelYear;
    platform::ui::Label labelMonth;
    platform::ui::Label labelDay;
    platform::ui::Label labelHour;
    platform::ui::Label labelMinute;
    platform::ui::Label labelSecond;
    platform::ui::TextBox Text15;          // year
    platform::ui::TextBox Text14;          // month
    platform::ui::TextBox Text13;          // day
    platform::ui::TextBox Text12;          // UTC hour
    platform::ui::TextBox Text17;          // UTC minute
    platform::ui::TextBox Text8;           // UTC second
    platform::ui::CommandButton Command4;  // "Now"
    platform::ui::Label labelNow;          // "press for current time"
    platform::ui::Label labelDeltaT;
    platform::ui::TextBox Text11;  // Delta T, seconds
    platform::ui::Label labelTimeZone;
    // Time zone, hours, west positive (not read here); the computer's own at
    // start.
    platform::ui::TextBox Text10;

    platform::ui::TextBox Text21;  // notes

    platform::ui::Label labelList;
    platform::ui::ListBox List1;  // entry index = LunarTargetIndex
    platform::ui::CommandButton Command2;
    platform::ui::Picture Picture1;        // the clearing's output
    platform::ui::CommandButton Command1;  // "CLOSE"

    // ---------------------------------------------------------------- menus
    platform::ui::MenuItem menuOpen;  // "OpenFile"
    platform::ui::MenuItem menuSave;  // "SaveFile"

  private:
    app::App& app_;
};

}  // namespace lunar
