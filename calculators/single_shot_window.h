// The single-shot reduction window: one sight reduced from hand-entered
// sextant, correction, almanac and assumed-position values
// (calculators/single_shot.h), and the button that opens the almanac window
// to read GHA and declination from. A box that is not a number or out of its
// range (singleShotProblem) is refused with a "Warning!" and a beep and
// leaves the results empty. Editing a box or option empties the answers read
// from it and leaves the others. Hidden, never discarded, by "Close" and by its
// title-bar close.
#pragma once

#include <array>
#include <string>

#include "calculators/angle_fields_window.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace calculators {

inline constexpr const char* kForm55Caption =
    "Single Shot Simplified Reduction Form  (good for training)";

class Form55 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form55(app::App& app);
    ~Form55() override;

    // Handlers.
    void Command1_Click();  // "Click to Reduce Sight"
    void Command2_Click();  // "Show Almanac"
    void Command6_Click();  // "Close"

    platform::ui::Frame frameSextant;  // "Sextant Data"
    AngleBoxes hsBoxes;
    platform::ui::Label labelHs;   // "Sextant Altitude Measured, Hs"
    platform::ui::TextBox Text17;  // index correction, arc minutes
    platform::ui::Label labelIC;

    platform::ui::Frame frameCorrections;  // "Corrections"
    platform::ui::TextBox Text1;           // altitude correction, arc minutes
    platform::ui::Label labelAC;
    platform::ui::TextBox Text13;  // semi-diameter, arc minutes
    platform::ui::Label labelSD;
    platform::ui::Label labelSDNote;
    platform::ui::TextBox Text14;  // horizontal parallax, arc minutes
    platform::ui::Label labelHP;
    platform::ui::Label labelHPNote;
    platform::ui::TextBox Text19;  // dip, arc minutes
    platform::ui::Label labelDip;

    platform::ui::Frame frameAlmanac;  // "Almanac Data (at time of shot)"
    platform::ui::Label labelGHA;
    AngleBoxes ghaBoxes;
    platform::ui::CommandButton Command2;
    platform::ui::Label labelDEC;
    AngleBoxes decBoxes;
    SignOptions decSigns;

    platform::ui::Frame frameAssumed;  // "Assumed Position"
    platform::ui::Label labelLatitude;
    AngleBoxes latBoxes;
    SignOptions latSigns;
    platform::ui::Label labelLongitude;
    AngleBoxes lonBoxes;
    SignOptions lonSigns;

    platform::ui::Label Label24;      // Hc
    platform::ui::Label Label3;       // azimuth
    platform::ui::Label Label4;       // Ho
    platform::ui::Label Label5;       // offset distance
    platform::ui::Label Label6;       // where GHA and DEC come from
    platform::ui::Picture Picture1;   // LHA, Ha and PA
    platform::ui::Label patchReduce;  // pale yellow patch behind the button
    platform::ui::CommandButton Command1;
    // Made last, so that it comes last in the keyboard focus order.
    platform::ui::CommandButton Command6;

    platform::ui::TextBox& Text5 = hsBoxes.degrees;
    platform::ui::TextBox& Text6 = hsBoxes.minutes;
    platform::ui::TextBox& Text21 = ghaBoxes.degrees;
    platform::ui::TextBox& Text22 = ghaBoxes.minutes;
    platform::ui::TextBox& Text18 = decBoxes.degrees;
    platform::ui::TextBox& Text20 = decBoxes.minutes;
    platform::ui::OptionButton& Option9 = decSigns.positive;   // "N"
    platform::ui::OptionButton& Option10 = decSigns.negative;  // "S"
    platform::ui::TextBox& Text25 = latBoxes.degrees;
    platform::ui::TextBox& Text26 = latBoxes.minutes;
    platform::ui::OptionButton& Option2 = latSigns.positive;  // "North"
    platform::ui::OptionButton& Option5 = latSigns.negative;  // "South"
    platform::ui::TextBox& Text23 = lonBoxes.degrees;
    platform::ui::TextBox& Text24 = lonBoxes.minutes;
    platform::ui::OptionButton& Option1 = lonSigns.positive;  // "East"
    platform::ui::OptionButton& Option8 = lonSigns.negative;  // "West"

  private:
    // The answers, one bit each: the four labels and the three lines of
    // Picture1.
    enum Answer : unsigned {
        HcAnswer = 1,
        AzimuthAnswer = 2,
        HoAnswer = 4,
        OffsetAnswer = 8,
        LhaLine = 16,
        HaLine = 32,
        PaLine = 64,
        AllAnswers = 127,
    };
    // Editing a box or option empties the answers read from it.
    void emptyAnswersOnEdit();
    void emptyAnswers(unsigned answers);
    // Picture1 cleared, then the lines still held, each in its own place.
    void printLines();

    app::App& app_;
    // The printed lines: hour angle, Ha, PA; empty when emptied.
    std::array<std::string, 3> lines_;
};

}  // namespace calculators
