#include "app/settings_window.h"

#include "app/app.h"

namespace app {
using namespace reduction;

namespace {

// The layout is drawn on a grid of logical pixels.
using platform::ui::pixelRect;
using platform::ui::px;

constexpr double kWidth = 520;
constexpr double kLabelWidth = 380;
constexpr double kFieldLeft = 400;
constexpr double kFieldWidth = 80;
constexpr double kFieldHeight = 21;

}  // namespace

Form7::Form7(app::App& app)
    : Form(app, "Settings"),
      labelHeading{*this, pixelRect(12, 8, kWidth - 24, 24), "General Settings"},
      labelWarning{*this, pixelRect(12, 34, kWidth - 24, 18),
                   "THIS MUST BE SET FIRST BEFORE ANY SIGHTINGS ARE RECORDED"},
      frameTime{*this, pixelRect(8, 60, kWidth - 16, 196)},
      labelDeltaT{frameTime, pixelRect(10, 24, kLabelWidth, 18), "DeltaT, seconds"},
      Text1{frameTime, pixelRect(kFieldLeft, 22, kFieldWidth, kFieldHeight), "67.0"},
      labelDeltaTNote{frameTime, pixelRect(10, 44, kLabelWidth + 90, 18),
                      "Delta T, the difference between UTC and Ephemeris time, seconds"},
      labelChronometer{frameTime, pixelRect(10, 74, kLabelWidth, 18),
                       "Chronometer correction, seconds"},
      Text108{frameTime, pixelRect(kFieldLeft, 72, kFieldWidth, kFieldHeight), "0.0"},
      labelChronometerNote{frameTime, pixelRect(10, 94, kLabelWidth + 90, 18),
                           "If watch is too fast, correction is negative"},
      labelTimeZone{frameTime, pixelRect(10, 124, kLabelWidth, 64),
                    "Time zone difference from GMT, hrs (W is + difference). It serves the "
                    "\"Now\" buttons; the daylight saving box of the Sight Planner subtracts "
                    "one hour. The zone is changed and saved in the Sight Planner."},
      Text2{frameTime, pixelRect(kFieldLeft, 124, kFieldWidth, kFieldHeight),
            GeneralSettings{}.TimeZone},
      frameAir{*this, pixelRect(8, 266, kWidth - 16, 86)},
      labelTemperature{frameAir, pixelRect(10, 26, kLabelWidth, 18), "Air Temperature, deg C"},
      Text4{frameAir, pixelRect(kFieldLeft, 24, kFieldWidth, kFieldHeight), "15"},
      labelPressure{frameAir, pixelRect(10, 56, kLabelWidth, 18), "Barometric pressure, millibars"},
      Text5{frameAir, pixelRect(kFieldLeft, 54, kFieldWidth, kFieldHeight), "1010"},
      Command1{*this, pixelRect((kWidth - 140) / 2, 366, 140, 30), "Close Form"} {
    resizeTwips(px(kWidth), px(408));

    labelHeading.setBold(true);
    labelHeading.setFontSize(12);
    labelHeading.setAlignment(platform::ui::Label::AlignCenter);
    labelWarning.setBold(true);
    labelWarning.setForeColor(platform::ui::rgb(192, 0, 0));
    labelWarning.setAlignment(platform::ui::Label::AlignCenter);

    // The planner settings file sets the zone; the navigator cannot type it.
    Text2.setEnabled(false);

    Command1.onClick([this] { Command1_Click(); });
}

Form7::~Form7() = default;

void Form7::Command1_Click() {
    hide();
}

GeneralSettings Form7::generalSettings() const {
    GeneralSettings general;
    general.DeltaT = Text1.text();
    general.ChronometerCorrection = Text108.text();
    general.TimeZone = Text2.text();
    general.AirTemperature = Text4.text();
    general.Pressure = Text5.text();
    return general;
}

void Form7::applyGeneralSettings(const GeneralSettings& general) {
    Text1.setText(general.DeltaT);
    Text108.setText(general.ChronometerCorrection);
    Text2.setText(general.TimeZone);
    Text4.setText(general.AirTemperature);
    Text5.setText(general.Pressure);
}

}  // namespace app
