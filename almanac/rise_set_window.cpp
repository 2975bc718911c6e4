#include "almanac/rise_set_window.h"

#include <cmath>
#include <optional>
#include <string>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_lines.h"
#include "app/app.h"
#include "platform/input_check.h"

namespace app {
almanac::Form13& App::form13() {
    return window<almanac::Form13>(*this);
}
}  // namespace app

namespace almanac {

namespace {

using platform::ui::pixelRect;
using platform::ui::px;
using platform::ui::Val;
// Layout on a grid of logical pixels: the date, the position and Delta T
// across the top, the button, the four result labels and the notes below.
constexpr double kWidth = 640;
constexpr double kHeight = 470;
constexpr double kBoxHeight = 21;
constexpr double kLineWidth = kWidth - 16;

}  // namespace

Form13::Form13(app::App& app)
    : Form(app, kForm13Caption),
      Frame1{*this, pixelRect(8, 8, 250, 76), "UT Date and Time"},
      Label1{Frame1, pixelRect(10, 22, 70, 16), "Year"},
      Label2{Frame1, pixelRect(90, 22, 70, 16), "Month"},
      Label3{Frame1, pixelRect(170, 22, 70, 16), "UT Day"},
      Text1{Frame1, pixelRect(10, 42, 70, kBoxHeight)},
      Text2{Frame1, pixelRect(90, 42, 70, kBoxHeight)},
      Text3{Frame1, pixelRect(170, 42, 70, kBoxHeight)},
      Command4{*this, pixelRect(270, 30, 70, 26), "Now"},
      Label18{*this, pixelRect(270, 60, 140, 16), "press for current time"},

      Label10{*this, pixelRect(8, 98, 100, 16), "DR Latitude"},
      Text113{*this, pixelRect(8, 118, 50, kBoxHeight)},
      Label28{*this, pixelRect(60, 118, 10, 16), "\xC2\xB0"},
      Text8{*this, pixelRect(72, 118, 60, kBoxHeight)},
      Label7{*this, pixelRect(134, 118, 10, 16), "'"},
      Frame3{*this, pixelRect(150, 92, 108, 58), "Lat N or S"},
      Option1{Frame3, pixelRect(8, 18, 90, 18), "North", Frame3Options},
      Option2{Frame3, pixelRect(8, 36, 90, 18), "South", Frame3Options},

      Label11{*this, pixelRect(270, 98, 100, 16), "DR Longitude"},
      Text114{*this, pixelRect(270, 118, 50, kBoxHeight)},
      Label29{*this, pixelRect(322, 118, 10, 16), "\xC2\xB0"},
      Text7{*this, pixelRect(334, 118, 60, kBoxHeight)},
      Label5{*this, pixelRect(396, 118, 10, 16), "'"},
      Frame2{*this, pixelRect(412, 92, 108, 58), "Lon E or W"},
      Option4{Frame2, pixelRect(8, 18, 90, 18), "East", Frame2Options},
      Option3{Frame2, pixelRect(8, 36, 90, 18), "West", Frame2Options},

      Label16{*this, pixelRect(8, 162, 400, 34),
              "Delta T, the difference between UT and Ephemeris time, seconds"},
      Text11{*this, pixelRect(412, 166, 80, kBoxHeight), "67.0"},

      Label6{*this, pixelRect(8, 204, kLineWidth, 16),
             "For local rise/set times, set Longitude = 0"},
      Command1{*this, pixelRect(8, 228, 440, 30),
               "Click here to Calculate Rise and Set Times for the Sun and Moon"},
      Label23{*this, pixelRect(8, 270, kLineWidth, 18)},
      Label15{*this, pixelRect(8, 290, kLineWidth, 18)},
      Label24{*this, pixelRect(8, 318, kLineWidth, 18)},
      Label4{*this, pixelRect(8, 338, kLineWidth, 18)},
      Label26{*this, pixelRect(8, 370, kLineWidth, 16),
              "Rise and set times based with refraction and parallax effects to upper limb"},
      Label25{*this, pixelRect(8, 390, kLineWidth, 16),
              "P after UT = prevoius UT day, N after UT = next UT day"},
      Command2{*this, pixelRect(kWidth - 108, kHeight - 42, 100, 30), "Close"},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));
    for (platform::ui::Label* line : {&Label23, &Label24}) {
        line->setBold(true);
    }

    Option1.setValue(true);  // North
    Option3.setValue(true);  // West

    Command1.onClick([this] { Command1_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command2.onClick([this] { Command2_Click(); });

    // The four lines belong to the date, position and Delta T they were
    // computed from: an edit of any of them takes the lines away.
    for (platform::ui::TextBox* input :
         {&Text1, &Text2, &Text3, &Text113, &Text8, &Text114, &Text7, &Text11}) {
        input->onChange([this] { clearLines(); });
    }
    platform::ui::onSelectionChange({&Option1, &Option2}, [this] { clearLines(); });
    platform::ui::onSelectionChange({&Option4, &Option3}, [this] { clearLines(); });
}

Form13::~Form13() = default;

void Form13::Command1_Click() {
    if (const platform::Problem problem = inputProblem()) {
        clearLines();
        platform::ui::warnProblem(app_.messages(), *problem);
        return;
    }
    const RiseSetInput in = riseSetInput();
    const RiseSetResult sun = sunRiseSet(in);
    Label23.setCaption(" " + sunRiseSetLine(sun));
    Label15.setCaption(sun.Message);
    const RiseSetResult moon = moonRiseSet(in);
    Label24.setCaption(" " + moonRiseSetLine(moon));
    Label4.setCaption(moon.Message);
}

void Form13::clearLines() {
    for (platform::ui::Label* output : {&Label23, &Label15, &Label24, &Label4}) {
        output->setCaption("");
    }
}

platform::Problem Form13::inputProblem() const {
    // Every box a whole number text first (an empty one reads 0, an empty
    // Delta T is refused), then the values as the calculation takes them:
    // minutes and position without their typed sign.
    if (platform::Problem problem = platform::firstProblem({
            platform::numberProblem("Year", Text1.text()),
            platform::numberProblem("Month", Text2.text()),
            platform::numberProblem("UT Day", Text3.text()),
            platform::numberProblem("DR Latitude", Text113.text()),
            platform::numberProblem("DR Latitude minutes", Text8.text()),
            platform::numberProblem("DR Longitude", Text114.text()),
            platform::numberProblem("DR Longitude minutes", Text7.text()),
            platform::numberProblem("Delta T", Text11.text(), platform::Empty::Refused),
        })) {
        return problem;
    }
    const RiseSetInput in = riseSetInput();
    return platform::firstProblem({
        platform::dateProblem(in.Year, in.Month, in.Day, {"Year", "Month", "UT Day"}),
        platform::minutesProblem("DR Latitude minutes", std::fabs(Val(Text8))),
        platform::latitudeProblem("DR Latitude", in.Lat),
        platform::minutesProblem("DR Longitude minutes", std::fabs(Val(Text7))),
        platform::longitudeProblem("DR Longitude", in.Lon),
        platform::deltaTProblem(in.DeltaT),
    });
}

RiseSetInput Form13::riseSetInput() const {
    // The sign comes from the options alone.
    RiseSetInput in;
    in.Lat = std::fabs(Val(Text113)) + std::fabs(Val(Text8)) / 60;
    in.Lon = std::fabs(Val(Text114)) + std::fabs(Val(Text7)) / 60;
    if (Option2.value()) {
        in.Lat = -in.Lat;
    }
    if (Option3.value()) {
        in.Lon = -in.Lon;
    }
    in.Year = Val(Text1);
    in.Month = Val(Text2);
    in.Day = Val(Text3);
    in.DeltaT = Val(Text11);
    return in;
}

void Form13::Command4_Click() {
    fillNowInSettingsZone(app_, {Text1, Text2, Text3});
}

void Form13::Command2_Click() {
    hide();
}

}  // namespace almanac
