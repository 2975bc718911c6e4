// The assumed-position dialog of the reduce button: it shows the
// dead-reckoning position at the new fix time and takes the assumed position
// from which the sights are reduced, pre-filled from the dead reckoning.
#pragma once

#include "platform/input_check.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "reduction/sight_reduction.h"

namespace app {
class App;
}

namespace reduction {

inline constexpr const char* kForm3Caption = "Assumed Position for this Nav Fix";

// The first of the dialog's four boxes that is refused: each a number as a
// whole text (an empty box reads 0), minutes 0 to
// below 60, |degrees| + |minutes| / 60 of the latitude not above 90, the
// longitude (degrees + minutes / 60, typed signs counting) not above 180.
platform::Problem assumedPositionProblem(const AssumedPositionFields& fields);

// Run modal by Form1.Command1_Click. "PRESS to Enter Data" checks the fields
// (a refusal is shown as a "Warning!" and the dialog stays open), reads them
// into EnteredLat and EnteredLon and accepts; any other close is a cancel and
// leaves them as they were.
class Form3 : public platform::ui::Dialog {
    Q_OBJECT

  public:
    explicit Form3(app::App& app);
    ~Form3() override;

    // "PRESS to Enter Data".
    void Command1_Click();

    // Writes the dead-reckoning labels, the pre-filled fields and the
    // hemisphere options.
    void applyPrefill(const AssumedPositionPrefill& prefill);
    // The fields as they stand.
    AssumedPositionFields fields() const;

    // The assumed position read by the last "PRESS to Enter Data", degrees,
    // north and east positive.
    double EnteredLat = 0;
    double EnteredLon = 0;

    platform::ui::Label Label12;  // "Estimated position using Plane Sailing techniques"
    platform::ui::Label Label3;   // "DR  Latitude  deg"
    platform::ui::Label Label5;   // dead-reckoning latitude
    platform::ui::Label Label4;   // "DR Longitude  deg"
    platform::ui::Label Label6;   // dead-reckoning longitude

    platform::ui::Label labelLatitude;  // "INPUT Assumed Latitude"
    platform::ui::TextBox Text58;       // assumed latitude, whole degrees
    platform::ui::Label labelLatDegreeMark;
    platform::ui::TextBox Text3;  // assumed latitude, minutes
    platform::ui::Label labelLatMinuteMark;
    platform::ui::Frame Frame1;  // "Lat N or S"
    platform::ui::OptionGroup Frame1Options;
    platform::ui::OptionButton Option1;  // "North"
    platform::ui::OptionButton Option2;  // "South"

    platform::ui::Label labelLongitude;  // "INPUT Assumed Longitude"
    platform::ui::TextBox Text2;         // assumed longitude, whole degrees
    platform::ui::Label labelLonDegreeMark;
    platform::ui::TextBox Text1;  // assumed longitude, minutes
    platform::ui::Label labelLonMinuteMark;
    platform::ui::Frame Frame2;  // "Lon E or W"
    platform::ui::OptionGroup Frame2Options;
    platform::ui::OptionButton Option4;  // "East"
    platform::ui::OptionButton Option3;  // "West"

    platform::ui::Label Label10;           // instruction
    platform::ui::CommandButton Command1;  // "PRESS to Enter Data"
};

}  // namespace reduction
