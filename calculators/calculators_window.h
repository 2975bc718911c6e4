// The calculators window "NAV Calculators": seven panels at one place
// (plane-sailing dead reckoning, dip and distance to the horizon,
// great-circle distance, refraction, altitude and azimuth, Sumner-line
// longitudes, circle-of-position centre), the selector buttons that show one
// of them, and the buttons that open the course and heading calculator, the
// single-shot reduction and the three-arm protractor.
//
// Each panel's calculate button reads that panel's fields, calls its function
// of calculators/calculator_panels.h and writes its result labels; results
// stay until the same button is pressed again or a box or option of the
// panel is edited, which empties the panel's answers. A box that is not a
// number, a value out of its range (the panel's check in calculator_panels.h)
// or a Sumner altitude never reached is refused with a "Warning!" and a beep,
// and the panel's results are emptied. The window is hidden, never discarded, by
// "CLOSE FORM" and by its title-bar close.
#pragma once

#include <array>
#include <initializer_list>

#include "calculators/angle_fields_window.h"
#include "platform/input_check.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace app {
class App;
}

namespace calculators {

inline constexpr const char* kForm10Caption = "NAV Calculators";

class Form10 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form10(app::App& app);
    ~Form10() override;

    // Selector buttons: each shows its own panel, raised above the others,
    // and hides the six others.
    void Command4_Click();   // "Plane Sailing Estimated Position  DR": Frame1
    void Command5_Click();   // "Calculated Altitude": Frame4
    void Command7_Click();   // "Calculated Longitude Sumner Line": Frame8
    void Command9_Click();   // "Dip, horizon distance": Frame10
    void Command11_Click();  // "Great arc distance": Frame12
    void Command14_Click();  // "Single COP coastal": Frame18
    void Command15_Click();  // "Atmospheric Refraction": Frame17

    // Launchers.
    void Command13_Click();  // "Simplified Sight Reduction": Form55
    void Command18_Click();  // "3-arm Protractor": Form15
    void Command6_Click();   // "Heading/ Course Calculator": Form9
    // "CLOSE FORM": hides the window.
    void Command8_Click();

    // Calculate buttons of the panels.
    void Command1_Click();   // dead reckoning
    void Command10_Click();  // horizon distance and dip
    void Command12_Click();  // great-circle distance
    void Command16_Click();  // refraction
    void Command2_Click();   // altitude and azimuth
    void Command3_Click();   // Sumner-line longitudes
    void Command17_Click();  // circle-of-position centre

    // The seven panels in the order the window creates them.
    std::array<platform::ui::Frame*, 7> panels();

    // ---------------------------------------------------------- bands
    platform::ui::Label bandTop;          // light blue band behind the selectors
    platform::ui::Label bandRight;        // light blue band behind the right column
    platform::ui::Label patchProtractor;  // white patch behind "3-arm Protractor"

    // -------------------------------------- Frame18: circle of position
    platform::ui::Frame Frame18;
    platform::ui::Label Label82;  // "Latitude #1"
    AngleBoxes lat1Boxes;
    SignOptions lat1Signs;
    platform::ui::Label Label79;  // "Longitude #1"
    AngleBoxes lon1Boxes;
    SignOptions lon1Signs;
    platform::ui::Label Label83;  // "Known most Western Landmark"
    platform::ui::Label Line2;    // white line between the landmarks
    platform::ui::Label Label75;  // "Latitude #2"
    AngleBoxes lat2Boxes;
    SignOptions lat2Signs;
    platform::ui::Label Label72;  // "Longitude #2"
    AngleBoxes lon2Boxes;
    SignOptions lon2Signs;
    platform::ui::Label Label84;  // "Known most Eastern Landmark"
    platform::ui::Label Label87;  // "Measured Angle"
    AngleBoxes angleBoxes;
    platform::ui::CommandButton Command17;
    platform::ui::Label Label76;  // result: the centre
    platform::ui::Label Label88;  // how to draw the arc
    platform::ui::TextBox& Text43 = lat1Boxes.degrees;
    platform::ui::TextBox& Text44 = lat1Boxes.minutes;
    platform::ui::Label& Label80 = lat1Boxes.degreeMark;
    platform::ui::Label& Label81 = lat1Boxes.minuteMark;
    platform::ui::Frame& Frame22 = lat1Signs.frame;
    platform::ui::OptionButton& Option29 = lat1Signs.positive;  // "North"
    platform::ui::OptionButton& Option30 = lat1Signs.negative;  // "South"
    platform::ui::TextBox& Text41 = lon1Boxes.degrees;
    platform::ui::TextBox& Text42 = lon1Boxes.minutes;
    platform::ui::Label& Label77 = lon1Boxes.degreeMark;
    platform::ui::Label& Label78 = lon1Boxes.minuteMark;
    platform::ui::Frame& Frame21 = lon1Signs.frame;
    platform::ui::OptionButton& Option27 = lon1Signs.positive;  // "East"
    platform::ui::OptionButton& Option28 = lon1Signs.negative;  // "West"
    platform::ui::TextBox& Text39 = lat2Boxes.degrees;
    platform::ui::TextBox& Text40 = lat2Boxes.minutes;
    platform::ui::Label& Label73 = lat2Boxes.degreeMark;
    platform::ui::Label& Label74 = lat2Boxes.minuteMark;
    platform::ui::Frame& Frame20 = lat2Signs.frame;
    platform::ui::OptionButton& Option26 = lat2Signs.positive;  // "North"
    platform::ui::OptionButton& Option25 = lat2Signs.negative;  // "South"
    platform::ui::TextBox& Text35 = lon2Boxes.degrees;
    platform::ui::TextBox& Text38 = lon2Boxes.minutes;
    platform::ui::Label& Label70 = lon2Boxes.degreeMark;
    platform::ui::Label& Label71 = lon2Boxes.minuteMark;
    platform::ui::Frame& Frame19 = lon2Signs.frame;
    platform::ui::OptionButton& Option24 = lon2Signs.positive;  // "East"
    platform::ui::OptionButton& Option23 = lon2Signs.negative;  // "West"
    platform::ui::TextBox& Text45 = angleBoxes.degrees;
    platform::ui::TextBox& Text46 = angleBoxes.minutes;
    platform::ui::Label& Label85 = angleBoxes.degreeMark;
    platform::ui::Label& Label86 = angleBoxes.minuteMark;

    // ---------------------------------------------- Frame17: refraction
    platform::ui::Frame Frame17;
    platform::ui::Label labelTemperature;  // "Air Temperature, deg C"
    platform::ui::TextBox Text34;
    platform::ui::Label labelPressure;  // "Barometric pressure, millibars"
    platform::ui::TextBox Text33;
    AngleBoxes haBoxes;
    platform::ui::Label labelHa;  // "Apparent Altitude, Ha"
    platform::ui::CommandButton Command16;
    platform::ui::Label Label65;  // result: the correction
    platform::ui::TextBox& Text36 = haBoxes.degrees;
    platform::ui::TextBox& Text37 = haBoxes.minutes;

    // ---------------------------------------- Frame12: great circle
    platform::ui::Frame Frame12;
    platform::ui::Label labelGcLat1;  // "Latitude #1"
    AngleBoxes gcLat1Boxes;
    SignOptions gcLat1Signs;
    platform::ui::Label labelGcLon1;  // "Longitude #1"
    AngleBoxes gcLon1Boxes;
    SignOptions gcLon1Signs;
    platform::ui::Label Line1;        // white line between the positions
    platform::ui::Label labelGcLat2;  // "Latitude #2"
    AngleBoxes gcLat2Boxes;
    SignOptions gcLat2Signs;
    platform::ui::Label labelGcLon2;  // "Longitude #2"
    AngleBoxes gcLon2Boxes;
    SignOptions gcLon2Signs;
    platform::ui::CommandButton Command12;
    platform::ui::Label Label63;  // result: the distance
    platform::ui::TextBox& Text26 = gcLat1Boxes.degrees;
    platform::ui::TextBox& Text25 = gcLat1Boxes.minutes;
    platform::ui::Frame& Frame13 = gcLat1Signs.frame;
    platform::ui::OptionButton& Option14 = gcLat1Signs.positive;  // "North"
    platform::ui::OptionButton& Option13 = gcLat1Signs.negative;  // "South"
    platform::ui::TextBox& Text28 = gcLon1Boxes.degrees;
    platform::ui::TextBox& Text27 = gcLon1Boxes.minutes;
    platform::ui::Frame& Frame15 = gcLon1Signs.frame;
    platform::ui::OptionButton& Option20 = gcLon1Signs.positive;  // "East"
    platform::ui::OptionButton& Option19 = gcLon1Signs.negative;  // "West"
    platform::ui::TextBox& Text30 = gcLat2Boxes.degrees;
    platform::ui::TextBox& Text29 = gcLat2Boxes.minutes;
    platform::ui::Frame& Frame14 = gcLat2Signs.frame;
    platform::ui::OptionButton& Option17 = gcLat2Signs.positive;  // "North"
    platform::ui::OptionButton& Option18 = gcLat2Signs.negative;  // "South"
    platform::ui::TextBox& Text32 = gcLon2Boxes.degrees;
    platform::ui::TextBox& Text31 = gcLon2Boxes.minutes;
    platform::ui::Frame& Frame16 = gcLon2Signs.frame;
    platform::ui::OptionButton& Option21 = gcLon2Signs.positive;  // "East"
    platform::ui::OptionButton& Option22 = gcLon2Signs.negative;  // "West"

    // ------------------------------------------------- Frame10: horizon
    platform::ui::Frame Frame10;
    platform::ui::Label labelEyeHeight;  // "Eye height above water, meters"
    platform::ui::TextBox Text24;
    platform::ui::Label labelLand;  // "Distance to land, n.mile, or leave blank ..."
    platform::ui::TextBox Text23;
    platform::ui::Label labelDipShort;  // "Used for dip-short"
    platform::ui::CommandButton Command10;
    platform::ui::Label Label55;  // sea-horizon distance
    platform::ui::Label Label42;  // dip
    platform::ui::Label Label44;  // land-horizon compensation
    platform::ui::Label Label47;  // note

    // -------------------------------------------------- Frame8: Sumner line
    platform::ui::Frame Frame8;
    platform::ui::Label Label39;  // "Assumed Latitude"
    AngleBoxes sumnerLatBoxes;
    SignOptions sumnerLatSigns;
    platform::ui::Label Label36;  // "Observed Altitude"
    AngleBoxes sumnerHoBoxes;
    platform::ui::Label Label33;  // "GHA"
    AngleBoxes sumnerGhaBoxes;
    platform::ui::Label Label30;  // "DEC"
    AngleBoxes sumnerDecBoxes;
    SignOptions sumnerDecSigns;
    platform::ui::CommandButton Command3;
    platform::ui::Label Label25;  // result: west-side longitude
    platform::ui::Label Label40;  // result: east-side longitude
    platform::ui::Label Label90;  // how to draw the line
    platform::ui::TextBox& Text21 = sumnerLatBoxes.degrees;
    platform::ui::TextBox& Text22 = sumnerLatBoxes.minutes;
    platform::ui::Label& Label37 = sumnerLatBoxes.degreeMark;
    platform::ui::Label& Label38 = sumnerLatBoxes.minuteMark;
    platform::ui::Frame& Frame11 = sumnerLatSigns.frame;
    platform::ui::OptionButton& Option15 = sumnerLatSigns.positive;  // "North"
    platform::ui::OptionButton& Option16 = sumnerLatSigns.negative;  // "South"
    platform::ui::TextBox& Text19 = sumnerHoBoxes.degrees;
    platform::ui::TextBox& Text20 = sumnerHoBoxes.minutes;
    platform::ui::Label& Label34 = sumnerHoBoxes.degreeMark;
    platform::ui::Label& Label35 = sumnerHoBoxes.minuteMark;
    platform::ui::TextBox& Text17 = sumnerGhaBoxes.degrees;
    platform::ui::TextBox& Text18 = sumnerGhaBoxes.minutes;
    platform::ui::Label& Label31 = sumnerGhaBoxes.degreeMark;
    platform::ui::Label& Label32 = sumnerGhaBoxes.minuteMark;
    platform::ui::TextBox& Text15 = sumnerDecBoxes.degrees;
    platform::ui::TextBox& Text16 = sumnerDecBoxes.minutes;
    platform::ui::Label& Label26 = sumnerDecBoxes.degreeMark;
    platform::ui::Label& Label27 = sumnerDecBoxes.minuteMark;
    platform::ui::Frame& Frame9 = sumnerDecSigns.frame;
    platform::ui::OptionButton& Option12 = sumnerDecSigns.positive;  // "N"
    platform::ui::OptionButton& Option11 = sumnerDecSigns.negative;  // "S"

    // ------------------------------------------ Frame4: altitude and azimuth
    platform::ui::Frame Frame4;
    platform::ui::Label Label13;  // "Assumed Latitude"
    AngleBoxes altLatBoxes;
    SignOptions altLatSigns;
    platform::ui::Label Label12;  // "Assumed Longitude"
    AngleBoxes altLonBoxes;
    SignOptions altLonSigns;
    platform::ui::Label Label18;  // "GHA"
    AngleBoxes altGhaBoxes;
    platform::ui::Label Label21;  // "DEC"
    AngleBoxes altDecBoxes;
    SignOptions altDecSigns;
    platform::ui::CommandButton Command2;
    platform::ui::Label Label24;  // result: Hc
    platform::ui::Label Label69;  // result: azimuth
    platform::ui::TextBox& Text5 = altLatBoxes.degrees;
    platform::ui::TextBox& Text4 = altLatBoxes.minutes;
    platform::ui::Label& Label15 = altLatBoxes.degreeMark;
    platform::ui::Label& Label14 = altLatBoxes.minuteMark;
    platform::ui::Frame& Frame5 = altLatSigns.frame;
    platform::ui::OptionButton& Option6 = altLatSigns.positive;  // "North"
    platform::ui::OptionButton& Option5 = altLatSigns.negative;  // "South"
    platform::ui::TextBox& Text10 = altLonBoxes.degrees;
    platform::ui::TextBox& Text9 = altLonBoxes.minutes;
    platform::ui::Label& Label17 = altLonBoxes.degreeMark;
    platform::ui::Label& Label16 = altLonBoxes.minuteMark;
    platform::ui::Frame& Frame6 = altLonSigns.frame;
    platform::ui::OptionButton& Option7 = altLonSigns.positive;  // "East"
    platform::ui::OptionButton& Option8 = altLonSigns.negative;  // "West"
    platform::ui::TextBox& Text12 = altGhaBoxes.degrees;
    platform::ui::TextBox& Text11 = altGhaBoxes.minutes;
    platform::ui::Label& Label20 = altGhaBoxes.degreeMark;
    platform::ui::Label& Label19 = altGhaBoxes.minuteMark;
    platform::ui::TextBox& Text14 = altDecBoxes.degrees;
    platform::ui::TextBox& Text13 = altDecBoxes.minutes;
    platform::ui::Label& Label23 = altDecBoxes.degreeMark;
    platform::ui::Label& Label22 = altDecBoxes.minuteMark;
    platform::ui::Frame& Frame7 = altDecSigns.frame;
    platform::ui::OptionButton& Option9 = altDecSigns.positive;   // "N"
    platform::ui::OptionButton& Option10 = altDecSigns.negative;  // "S"

    // ------------------------------------------ Frame1: dead reckoning
    platform::ui::Frame Frame1;
    platform::ui::Label labelCourse;  // "True Course, from true north  0-360 deg"
    platform::ui::TextBox Text8;
    platform::ui::Label labelSpeed;  // "Speed over ground, kts"
    platform::ui::TextBox Text2;
    platform::ui::Label labelLastLat;  // "Last Fix, Latitude"
    AngleBoxes drLatBoxes;
    SignOptions drLatSigns;
    platform::ui::Label labelLastLon;  // "Last Fix, Longitude"
    AngleBoxes drLonBoxes;
    SignOptions drLonSigns;
    platform::ui::Label labelHourMinute;  // "Hr        Min"
    platform::ui::TextBox Text1;          // hours
    platform::ui::TextBox Text3;          // minutes
    platform::ui::Label labelInterval;    // "Time interval, hrs and minutes"
    platform::ui::CommandButton Command1;
    platform::ui::CommandButton Command6;
    platform::ui::Label Label4;  // result: latitude
    platform::ui::Label Label5;  // result: longitude
    platform::ui::Label Label8;  // result: distance run
    platform::ui::TextBox& Text113 = drLatBoxes.degrees;
    platform::ui::TextBox& Text6 = drLatBoxes.minutes;
    platform::ui::Frame& Frame3 = drLatSigns.frame;
    platform::ui::OptionButton& Option1 = drLatSigns.positive;  // "North"
    platform::ui::OptionButton& Option2 = drLatSigns.negative;  // "South"
    platform::ui::TextBox& Text114 = drLonBoxes.degrees;
    platform::ui::TextBox& Text7 = drLonBoxes.minutes;
    platform::ui::Frame& Frame2 = drLonSigns.frame;
    platform::ui::OptionButton& Option4 = drLonSigns.positive;  // "East"
    platform::ui::OptionButton& Option3 = drLonSigns.negative;  // "West"

    // ------------------------------------------------ selectors and launchers
    platform::ui::CommandButton Command4;
    platform::ui::CommandButton Command5;
    platform::ui::CommandButton Command7;
    platform::ui::CommandButton Command9;
    platform::ui::CommandButton Command11;
    platform::ui::CommandButton Command14;
    platform::ui::CommandButton Command18;
    platform::ui::CommandButton Command13;
    platform::ui::CommandButton Command15;
    platform::ui::CommandButton Command8;

  private:
    // Editing a box or option of a panel empties that panel's answers.
    void emptyAnswersOnEdit();
    void showPanel(platform::ui::Frame& panel);
    // A field the checks refuse: the panel's outputs are emptied and the
    // warning names the field. False when there is no problem.
    bool refused(const platform::Problem& problem,
                 std::initializer_list<platform::ui::Label*> outputs);

    app::App& app_;
};

}  // namespace calculators
