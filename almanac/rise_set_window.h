// The rise/set window: for a UT date and a position, the UT of sunrise,
// sunset and local apparent noon, and of moonrise, moonset and the Moon's
// meridian passage, each with its previous-day or next-day flag, and the
// always-above or always-below messages (almanac/rise_set_lines.h). An edit
// of the date, the position, its sides or Delta T empties the lines until
// they are computed again.
#pragma once

#include "almanac/rise_set_lines.h"
#include "platform/input_check.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace app {
class App;
}

namespace almanac {

inline constexpr const char* kForm13Caption = "Sun/Moon Rise, Set, and Meridian Passage Times";

class Form13 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form13(app::App& app);
    ~Form13() override;

    // Handlers.
    void Command1_Click();  // computes the Sun's and the Moon's lines
    void Command4_Click();  // "Now": the clock's UT date into the date boxes
    void Command2_Click();  // "Close": hides the window

    // The first box the checks refuse, named by its label, or nothing.
    platform::Problem inputProblem() const;
    // The calculation's inputs, read from the boxes.
    RiseSetInput riseSetInput() const;

    // ------------------------------------------------------------- controls
    platform::ui::Frame Frame1;            // "UT Date and Time"
    platform::ui::Label Label1;            // "Year"
    platform::ui::Label Label2;            // "Month"
    platform::ui::Label Label3;            // "UT Day"
    platform::ui::TextBox Text1;           // UT year
    platform::ui::TextBox Text2;           // UT month
    platform::ui::TextBox Text3;           // UT day
    platform::ui::CommandButton Command4;  // "Now"
    platform::ui::Label Label18;           // "press for current time"

    platform::ui::Label Label10;    // "DR Latitude"
    platform::ui::TextBox Text113;  // latitude, whole degrees
    platform::ui::Label Label28;    // degree sign
    platform::ui::TextBox Text8;    // latitude, minutes
    platform::ui::Label Label7;     // apostrophe
    platform::ui::Frame Frame3;     // "Lat N or S"
    platform::ui::OptionGroup Frame3Options;
    platform::ui::OptionButton Option1;  // "North"
    platform::ui::OptionButton Option2;  // "South"

    platform::ui::Label Label11;    // "DR Longitude"
    platform::ui::TextBox Text114;  // longitude, whole degrees
    platform::ui::Label Label29;    // degree sign
    platform::ui::TextBox Text7;    // longitude, minutes
    platform::ui::Label Label5;     // apostrophe
    platform::ui::Frame Frame2;     // "Lon E or W"
    platform::ui::OptionGroup Frame2Options;
    platform::ui::OptionButton Option4;  // "East"
    platform::ui::OptionButton Option3;  // "West"

    platform::ui::Label Label16;   // Delta T
    platform::ui::TextBox Text11;  // Delta T, seconds

    platform::ui::Label Label6;  // "For local rise/set times, set Longitude = 0"

    platform::ui::CommandButton Command1;  // "Click here to Calculate ..."
    platform::ui::Label Label23;           // the Sun's line
    platform::ui::Label Label15;           // the Sun's message
    platform::ui::Label Label24;           // the Moon's line
    platform::ui::Label Label4;            // the Moon's message

    platform::ui::Label Label26;  // "Rise and set times based with refraction ..."
    platform::ui::Label Label25;  // "P after UT = prevoius UT day, ..."

    platform::ui::CommandButton Command2;  // "Close"

  private:
    // Empties the Sun's and the Moon's lines and messages.
    void clearLines();

    app::App& app_;
};

}  // namespace almanac
