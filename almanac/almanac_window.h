// The perpetual almanac window: a UT date and time, a body picked in the
// list, and the printout of the body and of the instant (almanac/
// perpetual_almanac.h). A changed date or time clears both printouts and the
// pick, so no printout of another instant stays on view.
#pragma once

#include <optional>
#include <string>

#include "ephemeris/ephemeris.h"
#include "platform/input_check.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace almanac {

inline constexpr const char* kForm12Caption = "Perpetual Sun, Moon, Star, Planet Almanac";

class Form12 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form12(app::App& app);
    ~Form12() override;

    // Fills the body list: the Sun, the Moon, the four planets, the 58 stars.
    void Form_Load() override;

    // Handlers.
    void List1_Click();     // computes and prints for the picked body
    void Command4_Click();  // "Now": the clock's UT into the six boxes
    void Command5_Click();  // "Print"
    void Command2_Click();  // "CLOSE": hides the window
    // The year, month, day, hour, minute and second boxes (all alike).
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();

    // ------------------------------------------------------------- controls
    platform::ui::Label labelStep1;  // "Step 1) enter date, time"
    platform::ui::Frame Frame1;      // "Date and Time"
    platform::ui::Label labelYear;
    platform::ui::Label labelMonth;
    platform::ui::Label labelDay;
    platform::ui::Label labelHour;
    platform::ui::Label labelMinute;
    platform::ui::Label labelSecond;
    platform::ui::TextBox Text1;  // UT year
    platform::ui::TextBox Text2;  // UT month
    platform::ui::TextBox Text3;  // UT day
    platform::ui::TextBox Text4;  // UT hour
    platform::ui::TextBox Text5;  // UT minute
    platform::ui::TextBox Text6;  // UT second

    platform::ui::CommandButton Command4;  // "Now"
    platform::ui::Label labelNow;          // "press for current time"

    platform::ui::Label labelDeltaT;
    platform::ui::TextBox Text11;  // Delta T, seconds
    platform::ui::Label labelDeltaTHint;

    platform::ui::Picture Picture2;  // the time block
    platform::ui::Picture Picture1;  // the body block

    platform::ui::ListBox List1;  // entry index = ObjectIndex
    platform::ui::Label labelStep2;
    platform::ui::Label labelSelect;

    platform::ui::CommandButton Command5;  // "Print"
    platform::ui::CommandButton Command2;  // "CLOSE"

  private:
    // The six date and time boxes: both pictures cleared, nothing picked,
    // and nothing printed.
    void dateOrTimeChanged();

    app::App& app_;
    // Set while a changed date or time clears the pick, so that the list's
    // click handler does not print the time block again.
    bool clearingPick_ = false;
};

// The local clock of the application's clock service, as one reading.
ephemeris::ClockReading clockReading(app::App& app);

// The boxes a "Now" button fills: the date, and the time of day where the
// window has one.
struct NowBoxes {
    platform::ui::TextBox& Year;
    platform::ui::TextBox& Month;
    platform::ui::TextBox& Day;
    platform::ui::TextBox* Hour = nullptr;
    platform::ui::TextBox* Minute = nullptr;
    platform::ui::TextBox* Second = nullptr;
};

// What every "Now" button does: the clock service's reading taken to UT in
// the zone (hours, west positive), written as a calendar date and a time of
// day in whole numbers. A zone the checks refuse shows its "Warning!", writes
// nothing and gives false.
bool fillNow(app::App& app, double ZoneHours, const NowBoxes& boxes);

// "Now" in the settings window's zone (the almanac, rise/set and lunar
// windows): a zone text that is not a number, or beyond any place's, shows
// a "Warning!" that says where to set it, writes nothing and gives false.
bool fillNowInSettingsZone(app::App& app, const NowBoxes& boxes);

}  // namespace almanac
