#include "reduction/assumed_position_dialog.h"

#include <cmath>

#include "app/app.h"
#include "platform/input_check.h"
#include "platform/numtext.h"

namespace reduction {

namespace {

// The layout is drawn on a grid of logical pixels.
using platform::ui::pixelRect;
using platform::ui::px;

constexpr double kWidth = 440;
constexpr double kHeight = 298;
constexpr double kFieldHeight = 21;

// Columns of the two input rows.
constexpr double kInputLabelWidth = 156;
constexpr double kDegreesLeft = 170;
constexpr double kMinutesLeft = 228;
constexpr double kFrameLeft = 300;

// Rows of the two input rows.
constexpr double kLatTop = 98;
constexpr double kLonTop = 150;

}  // namespace

Form3::Form3(app::App& app)
    : Dialog(app, kForm3Caption),
      Label12{*this, pixelRect(12, 10, kWidth - 24, 18),
              "Estimated position using Plane Sailing techniques"},
      Label3{*this, pixelRect(24, 38, 130, 18), "DR  Latitude  deg"},
      Label5{*this, pixelRect(160, 38, kWidth - 172, 18)},
      Label4{*this, pixelRect(24, 60, 130, 18), "DR Longitude  deg"},
      Label6{*this, pixelRect(160, 60, kWidth - 172, 18)},
      labelLatitude{*this, pixelRect(12, kLatTop + 2, kInputLabelWidth, 18),
                    "INPUT Assumed Latitude"},
      Text58{*this, pixelRect(kDegreesLeft, kLatTop, 44, kFieldHeight)},
      labelLatDegreeMark{*this, pixelRect(kDegreesLeft + 46, kLatTop, 10, 18), "°"},
      Text3{*this, pixelRect(kMinutesLeft, kLatTop, 56, kFieldHeight)},
      labelLatMinuteMark{*this, pixelRect(kMinutesLeft + 58, kLatTop, 10, 18), "'"},
      Frame1{*this, pixelRect(kFrameLeft, kLatTop - 12, 128, 46), "Lat N or S"},
      Frame1Options{},
      Option1{Frame1, pixelRect(8, 18, 58, 22), "North", Frame1Options},
      Option2{Frame1, pixelRect(66, 18, 58, 22), "South", Frame1Options},
      labelLongitude{*this, pixelRect(12, kLonTop + 2, kInputLabelWidth, 18),
                     "INPUT Assumed Longitude"},
      Text2{*this, pixelRect(kDegreesLeft, kLonTop, 44, kFieldHeight)},
      labelLonDegreeMark{*this, pixelRect(kDegreesLeft + 46, kLonTop, 10, 18), "°"},
      Text1{*this, pixelRect(kMinutesLeft, kLonTop, 56, kFieldHeight)},
      labelLonMinuteMark{*this, pixelRect(kMinutesLeft + 58, kLonTop, 10, 18), "'"},
      Frame2{*this, pixelRect(kFrameLeft, kLonTop - 12, 128, 46), "Lon E or W"},
      Frame2Options{},
      Option4{Frame2, pixelRect(8, 18, 58, 22), "East", Frame2Options},
      Option3{Frame2, pixelRect(66, 18, 58, 22), "West", Frame2Options},
      Label10{*this, pixelRect(12, 198, kWidth - 24, 48),
              "Accept the calculated assumed position as is pre-entered, or enter a different one "
              "manually in the data fields above by clicking it and typing."},
      Command1{*this, pixelRect((kWidth - 200) / 2, 254, 200, 32), "PRESS to Enter Data"} {
    resizeTwips(px(kWidth), px(kHeight));
    setResizable(false);

    Label12.setBold(true);
    Label12.setAlignment(platform::ui::Label::AlignCenter);
    Label5.setBold(true);
    Label6.setBold(true);

    Option1.setValue(true);  // North
    Option4.setValue(true);  // East

    Command1.onClick([this] { Command1_Click(); });
    // Return in any box accepts the position as it stands.
    setDefaultButton(Command1);
}

Form3::~Form3() = default;

void Form3::Command1_Click() {
    // A refused position keeps the dialog open for the navigator to mend.
    if (const platform::Problem problem = assumedPositionProblem(fields())) {
        platform::ui::warnProblem(app().messages(), *problem);
        return;
    }
    assumedPositionOf(fields(), EnteredLat, EnteredLon);
    accept();
}

platform::Problem assumedPositionProblem(const AssumedPositionFields& fields) {
    if (const platform::Problem problem = platform::firstProblem({
            platform::numberProblem("Assumed latitude degrees", fields.Text58),
            platform::numberProblem("Assumed latitude minutes", fields.Text3),
            platform::numberProblem("Assumed longitude degrees", fields.Text2),
            platform::numberProblem("Assumed longitude minutes", fields.Text1),
        })) {
        return problem;
    }
    // A typed sign counts here, so the minutes are taken with theirs.
    const double latDegrees = platform::leadingNumber(fields.Text58);
    const double latMinutes = platform::leadingNumber(fields.Text3);
    const double lonDegrees = platform::leadingNumber(fields.Text2);
    const double lonMinutes = platform::leadingNumber(fields.Text1);
    return platform::firstProblem({
        platform::minutesProblem("Assumed latitude minutes", latMinutes),
        platform::latitudeProblem("Assumed latitude",
                                  std::fabs(latDegrees) + std::fabs(latMinutes) / 60),
        platform::minutesProblem("Assumed longitude minutes", lonMinutes),
        platform::longitudeProblem("Assumed longitude", lonDegrees + lonMinutes / 60),
    });
}

void Form3::applyPrefill(const AssumedPositionPrefill& prefill) {
    if (prefill.Option1) {
        Option1.setValue(true);
    }
    if (prefill.Option2) {
        Option2.setValue(true);
    }
    if (prefill.Option4) {
        Option4.setValue(true);
    }
    if (prefill.Option3) {
        Option3.setValue(true);
    }
    Label5.setCaption(prefill.Label5);
    Label6.setCaption(prefill.Label6);
    Text58.setText(prefill.Text58);
    Text3.setText(prefill.Text3);
    Text2.setText(prefill.Text2);
    Text1.setText(prefill.Text1);
}

AssumedPositionFields Form3::fields() const {
    AssumedPositionFields f;
    f.Text58 = Text58.text();
    f.Text3 = Text3.text();
    f.Text2 = Text2.text();
    f.Text1 = Text1.text();
    f.Option2 = Option2.value();
    f.Option3 = Option3.value();
    return f;
}

}  // namespace reduction
