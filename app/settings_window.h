// The settings window: Delta T, chronometer correction, time zone, air
// temperature and pressure, read from its fields by the sight entry window,
// the reduction, the sight data file and the tool windows.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "reduction/sight_file.h"

namespace app {

class App;

class Form7 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form7(app::App& app);
    ~Form7() override;

    // "Close Form": hides the window; the fields keep their texts.
    void Command1_Click();

    // The general settings as the fields hold them, and writing them back.
    reduction::GeneralSettings generalSettings() const;
    void applyGeneralSettings(const reduction::GeneralSettings& general);

    platform::ui::Label labelHeading;  // "General Settings"
    platform::ui::Label labelWarning;  // "THIS MUST BE SET FIRST ..."

    platform::ui::Frame frameTime;  // Delta T, chronometer correction, time zone
    platform::ui::Label labelDeltaT;
    platform::ui::TextBox Text1;  // Delta T, seconds
    platform::ui::Label labelDeltaTNote;
    platform::ui::Label labelChronometer;
    platform::ui::TextBox Text108;  // chronometer correction, seconds
    platform::ui::Label labelChronometerNote;
    platform::ui::Label labelTimeZone;
    platform::ui::TextBox Text2;  // time zone, hours, west positive (not editable)

    platform::ui::Frame frameAir;  // air temperature and pressure
    platform::ui::Label labelTemperature;
    platform::ui::TextBox Text4;  // air temperature, deg C
    platform::ui::Label labelPressure;
    platform::ui::TextBox Text5;  // pressure, millibars

    platform::ui::CommandButton Command1;  // "Close Form"
};

}  // namespace app
