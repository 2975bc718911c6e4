// The three-arm protractor window: a coastal fix by three-point resection
// from three landmarks and the two horizontal angles between them
// (calculators/protractor.h), its output lines and its plot, panned by a left
// drag and zoomed by a right drag. Editing a landmark or angle box or option
// empties the output area and the plot until the next computation.
#pragma once

#include <string>

#include "calculators/protractor.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace calculators {

inline constexpr const char* kForm15Caption =
    "3-Arm Protractor (3-Point Resection) using Kestlow Method giving 2 Circles Of Position for "
    "Coastal Position Fix";

class Form15 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form15(app::App& app);
    ~Form15() override;

    // Records the margins that Form_Resize keeps.
    void Form_Load() override;
    // Fits the plot and the hint labels to the window, then computes.
    void Form_Resize() override;

    // Handlers.
    void Command17_Click();  // "Calculate Observer Position"
    void Command1_Click();   // "CLOSE FORM"
    void Picture1_MouseDown(int Button, int Shift, double X, double Y);
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    void Picture1_MouseUp(int Button, int Shift, double X, double Y);

    // The boxes and options as they stand.
    ProtractorEntry entry() const;
    // The window's view and drag state.
    const ProtractorState& state() const { return state_; }

    // ------------------------------------------------------------- controls
    // Landmark on the left (A).
    platform::ui::Label labelA;
    platform::ui::Label labelLat1;
    platform::ui::TextBox Text43;
    platform::ui::Label labelLat1Degrees;
    platform::ui::TextBox Text44;
    platform::ui::Label labelLat1Minutes;
    platform::ui::Frame frameLat1;  // "Lat N or S"
    platform::ui::OptionGroup frameLat1Options;
    platform::ui::OptionButton Option29;  // "N"
    platform::ui::OptionButton Option30;  // "S"
    platform::ui::Label labelLon1;
    platform::ui::TextBox Text41;
    platform::ui::Label labelLon1Degrees;
    platform::ui::TextBox Text42;
    platform::ui::Label labelLon1Minutes;
    platform::ui::Frame frameLon1;  // "Lon E or W"
    platform::ui::OptionGroup frameLon1Options;
    platform::ui::OptionButton Option27;  // "E"
    platform::ui::OptionButton Option28;  // "W"
    platform::ui::Label ruleAB;           // white rule between A and B
    // Landmark in the middle (B).
    platform::ui::Label labelB;
    platform::ui::Label labelLat2;
    platform::ui::TextBox Text39;
    platform::ui::Label labelLat2Degrees;
    platform::ui::TextBox Text40;
    platform::ui::Label labelLat2Minutes;
    platform::ui::Frame frameLat2;
    platform::ui::OptionGroup frameLat2Options;
    platform::ui::OptionButton Option26;  // "N"
    platform::ui::OptionButton Option25;  // "S"
    platform::ui::Label labelLon2;
    platform::ui::TextBox Text35;
    platform::ui::Label labelLon2Degrees;
    platform::ui::TextBox Text38;
    platform::ui::Label labelLon2Minutes;
    platform::ui::Frame frameLon2;
    platform::ui::OptionGroup frameLon2Options;
    platform::ui::OptionButton Option24;  // "E"
    platform::ui::OptionButton Option23;  // "W"
    platform::ui::Label ruleBC;           // white rule between B and C
    // Landmark on the right (C).
    platform::ui::Label labelC;
    platform::ui::Label labelLat3;
    platform::ui::TextBox Text2;
    platform::ui::Label labelLat3Degrees;
    platform::ui::TextBox Text1;
    platform::ui::Label labelLat3Minutes;
    platform::ui::Frame frameLat3;
    platform::ui::OptionGroup frameLat3Options;
    platform::ui::OptionButton Option2;  // "N"
    platform::ui::OptionButton Option1;  // "S"
    platform::ui::Label labelLon3;
    platform::ui::TextBox Text4;
    platform::ui::Label labelLon3Degrees;
    platform::ui::TextBox Text3;
    platform::ui::Label labelLon3Minutes;
    platform::ui::Frame frameLon3;
    platform::ui::OptionGroup frameLon3Options;
    platform::ui::OptionButton Option4;  // "E"
    platform::ui::OptionButton Option3;  // "W"
    // The measured angles.
    platform::ui::Label labelAngleAB;
    platform::ui::TextBox Text45;
    platform::ui::Label labelAngleABDegrees;
    platform::ui::TextBox Text46;
    platform::ui::Label labelAngleABMinutes;
    platform::ui::Label labelAngleBC;
    platform::ui::TextBox Text6;
    platform::ui::Label labelAngleBCDegrees;
    platform::ui::TextBox Text5;
    platform::ui::Label labelAngleBCMinutes;
    // The buttons on their light yellow band, and the zoom.
    platform::ui::Label Label12;
    platform::ui::CommandButton Command17;  // "Calculate Observer Position"
    platform::ui::CommandButton Command1;   // "CLOSE FORM"
    platform::ui::Label labelZoom;          // " Zoom"
    platform::ui::TextBox Text7;
    // The output area and the plot.
    platform::ui::Picture Picture2;
    platform::ui::Picture Picture1;
    // Hints along the bottom edge.
    platform::ui::Label Label19;  // how to pan and zoom
    platform::ui::Label Label15;  // "Grab corner to resize  ---->"
    platform::ui::Label labelHint;

  private:
    // The computation of "Calculate Observer Position".
    void compute();

    app::App& app_;
    ProtractorState state_;
    // Recorded by Form_Load, twips.
    float PlotWidthMargin = 0;
    float PlotHeightMargin = 0;
    float PanHintMargin = 0;
    float ResizeHintMargin = 0;
    float ResizeHintRightMargin = 0;
};

}  // namespace calculators
