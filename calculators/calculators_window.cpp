#include "calculators/calculators_window.h"

#include <vector>

#include "app/app.h"
#include "calculators/calculator_panels.h"
#include "calculators/course_calculator_window.h"
#include "calculators/protractor_window.h"
#include "calculators/single_shot_window.h"

namespace app {
calculators::Form10& App::form10() {
    return window<calculators::Form10>(*this);
}
}  // namespace app

namespace calculators {

namespace {

using platform::ui::Color;
using platform::ui::Frame;
using platform::ui::Label;
using platform::ui::pixelRect;
using platform::ui::px;

constexpr Color kBandBlue{128, 128, 255};
constexpr Color kWhite{255, 255, 255};

// The layout is drawn on a grid of logical pixels.
// Within 800 px, so that every button stays on an 800 x 600 screen.
constexpr double kWidth = 800;
constexpr double kHeight = 500;
constexpr double kBandHeight = 48;   // the top row of selectors
constexpr double kColumnLeft = 616;  // the right-hand column of buttons
constexpr double kColumnButtonLeft = 626;
constexpr double kColumnButtonWidth = 166;
constexpr double kButtonHeight = 30;

// Every panel lies at the same place.
constexpr platform::ui::TwipRect kPanelRect = pixelRect(8, 56, 600, 436);

// Inside a panel: row captions, the degrees box, the sign options.
constexpr double kCaptionLeft = 12;
constexpr double kCaptionWidth = 124;
constexpr double kBoxesLeft = 140;
constexpr double kSignsLeft = 280;
constexpr double kFieldHeight = 21;
constexpr double kLabelHeight = 18;
constexpr double kResultWidth = 576;

// Rows of the four-row panels (altitude, Sumner, great circle).
constexpr double kRow1 = 34;
constexpr double kRow2 = 84;
constexpr double kRow3 = 134;
constexpr double kRow4 = 184;
// The calculate button beside the third and fourth rows.
constexpr platform::ui::TwipRect kCalculateBeside = pixelRect(440, 150, 148, 32);

platform::ui::TwipRect captionAt(double top) {
    return pixelRect(kCaptionLeft, top + 2, kCaptionWidth, kLabelHeight);
}
platform::ui::TwipRect resultAt(double top, double width = kResultWidth) {
    return pixelRect(kCaptionLeft, top, width, kLabelHeight + 2);
}
platform::ui::TwipRect columnButton(double top) {
    return pixelRect(kColumnButtonLeft, top, kColumnButtonWidth, kButtonHeight);
}

}  // namespace

Form10::Form10(app::App& app)
    : Form(app, kForm10Caption),
      bandTop{*this, pixelRect(0, 0, kWidth, kBandHeight)},
      bandRight{*this,
                pixelRect(kColumnLeft, kBandHeight, kWidth - kColumnLeft, kHeight - kBandHeight)},
      patchProtractor{*this, pixelRect(kColumnButtonLeft - 6, 136, kColumnButtonWidth + 12, 44)},

      Frame18{*this, kPanelRect,
              "2 known landmarks and measured angle between (Circle of Position)"},
      Label82{Frame18, captionAt(kRow1), "Latitude #1"},
      lat1Boxes{Frame18, kBoxesLeft, kRow1},
      lat1Signs{Frame18, kSignsLeft, kRow1 - 14, "Lat N or S", "North", "South", false},
      Label79{Frame18, captionAt(kRow2 - 6), "Longitude #1"},
      lon1Boxes{Frame18, kBoxesLeft, kRow2 - 6},
      lon1Signs{Frame18, kSignsLeft, kRow2 - 20, "Lon E or W", "East", "West", true},
      Label83{Frame18, pixelRect(440, 44, 148, 36), "Known most Western Landmark"},
      Line2{Frame18, pixelRect(kCaptionLeft, 118, kResultWidth, 2)},
      Label75{Frame18, captionAt(kRow3), "Latitude #2"},
      lat2Boxes{Frame18, kBoxesLeft, kRow3},
      lat2Signs{Frame18, kSignsLeft, kRow3 - 14, "Lat N or S", "North", "South", false},
      Label72{Frame18, captionAt(kRow4 - 6), "Longitude #2"},
      lon2Boxes{Frame18, kBoxesLeft, kRow4 - 6},
      lon2Signs{Frame18, kSignsLeft, kRow4 - 20, "Lon E or W", "East", "West", true},
      Label84{Frame18, pixelRect(440, 144, 148, 36), "Known most Eastern Landmark"},
      Label87{Frame18, captionAt(232), "Measured Angle"},
      angleBoxes{Frame18, kBoxesLeft, 232},
      Command17{Frame18, pixelRect(kSignsLeft, 226, 300, 32),
                "Calculate center point away from 1st point"},
      Label76{Frame18, resultAt(280)},
      Label88{Frame18, resultAt(308),
              "Draw arc using center point and radius reaching 1st or 2nd point (observer on "
              "arc)"},

      Frame17{*this, kPanelRect, "Altitude Correction, Refraction"},
      labelTemperature{Frame17, pixelRect(kCaptionLeft, 36, 240, kLabelHeight),
                       "Air Temperature, deg C"},
      Text34{Frame17, pixelRect(260, 34, 70, kFieldHeight), "15"},
      labelPressure{Frame17, pixelRect(kCaptionLeft, 70, 240, kLabelHeight),
                    "Barometric pressure, millibars"},
      Text33{Frame17, pixelRect(260, 68, 70, kFieldHeight), "1010"},
      haBoxes{Frame17, kCaptionLeft, 110},
      labelHa{Frame17, pixelRect(150, 112, 200, kLabelHeight), "Apparent Altitude, Ha"},
      Command16{Frame17, pixelRect(kCaptionLeft, 150, 260, 32), "Calculate Refraction Correction"},
      Label65{Frame17, resultAt(200)},

      Frame12{*this, kPanelRect, "Great Arc Distance bewteen two locations"},
      labelGcLat1{Frame12, captionAt(kRow1), "Latitude #1"},
      gcLat1Boxes{Frame12, kBoxesLeft, kRow1},
      gcLat1Signs{Frame12, kSignsLeft, kRow1 - 14, "Lat N or S", "North", "South", false},
      labelGcLon1{Frame12, captionAt(kRow2 - 6), "Longitude #1"},
      gcLon1Boxes{Frame12, kBoxesLeft, kRow2 - 6},
      gcLon1Signs{Frame12, kSignsLeft, kRow2 - 20, "Lon E or W", "East", "West", true},
      Line1{Frame12, pixelRect(kCaptionLeft, 118, kResultWidth, 2)},
      labelGcLat2{Frame12, captionAt(kRow3), "Latitude #2"},
      gcLat2Boxes{Frame12, kBoxesLeft, kRow3},
      gcLat2Signs{Frame12, kSignsLeft, kRow3 - 14, "Lat N or S", "North", "South", false},
      labelGcLon2{Frame12, captionAt(kRow4 - 6), "Longitude #2"},
      gcLon2Boxes{Frame12, kBoxesLeft, kRow4 - 6},
      gcLon2Signs{Frame12, kSignsLeft, kRow4 - 20, "Lon E or W", "East", "West", true},
      Command12{Frame12, kCalculateBeside, "Calculate the Distance"},
      Label63{Frame12, resultAt(240)},

      Frame10{*this, kPanelRect,
              "Dip and Distance to Horizon (to edge of sea, or edge of nearby land)"},
      labelEyeHeight{Frame10, pixelRect(kCaptionLeft, 36, 320, kLabelHeight),
                     "Eye height above water, meters"},
      Text24{Frame10, pixelRect(340, 34, 70, kFieldHeight), "2"},
      labelLand{Frame10, pixelRect(kCaptionLeft, 70, 320, 36),
                "Distance to land, n.mile, or leave blank for sea horizon"},
      Text23{Frame10, pixelRect(340, 68, 70, kFieldHeight)},
      labelDipShort{Frame10, pixelRect(340, 92, 160, 16), "Used for dip-short"},
      Command10{Frame10, pixelRect(kCaptionLeft, 124, 320, 32),
                "Calculate Distance to, and Dip of Horizon"},
      Label55{Frame10, resultAt(176)},
      Label42{Frame10, resultAt(200)},
      Label44{Frame10, resultAt(224)},
      Label47{Frame10, resultAt(248)},

      Frame8{*this, kPanelRect, "Calculated Longitude for Sumner Line"},
      Label39{Frame8, captionAt(kRow1), "Assumed Latitude"},
      sumnerLatBoxes{Frame8, kBoxesLeft, kRow1},
      sumnerLatSigns{Frame8, kSignsLeft, kRow1 - 14, "Lat N or S", "North", "South", false},
      Label36{Frame8, captionAt(kRow2), "Observed Altitude"},
      sumnerHoBoxes{Frame8, kBoxesLeft, kRow2},
      Label33{Frame8, captionAt(kRow3), "GHA"},
      sumnerGhaBoxes{Frame8, kBoxesLeft, kRow3},
      Label30{Frame8, captionAt(kRow4), "DEC"},
      sumnerDecBoxes{Frame8, kBoxesLeft, kRow4},
      sumnerDecSigns{Frame8, kSignsLeft, kRow4 - 14, "", "N", "S", false},
      Command3{Frame8, kCalculateBeside, "Calculate Longitude"},
      Label25{Frame8, resultAt(240, 280)},
      Label40{Frame8, pixelRect(300, 240, 288, kLabelHeight + 2)},
      Label90{Frame8, pixelRect(kCaptionLeft, 272, kResultWidth, 32),
              "With the same observed altitude, have 2 slightly different Latitudes to create 2 "
              "Lat/Lon pairs that you then draw a line with; that is your LOP."},

      Frame4{*this, kPanelRect, "Calculated Altitude and Azimuth"},
      Label13{Frame4, captionAt(kRow1), "Assumed Latitude"},
      altLatBoxes{Frame4, kBoxesLeft, kRow1},
      altLatSigns{Frame4, kSignsLeft, kRow1 - 14, "Lat N or S", "North", "South", false},
      Label12{Frame4, captionAt(kRow2), "Assumed Longitude"},
      altLonBoxes{Frame4, kBoxesLeft, kRow2},
      altLonSigns{Frame4, kSignsLeft, kRow2 - 14, "Lon E or W", "East", "West", true},
      Label18{Frame4, captionAt(kRow3), "GHA"},
      altGhaBoxes{Frame4, kBoxesLeft, kRow3},
      Label21{Frame4, captionAt(kRow4), "DEC"},
      altDecBoxes{Frame4, kBoxesLeft, kRow4},
      altDecSigns{Frame4, kSignsLeft, kRow4 - 14, "", "N", "S", false},
      Command2{Frame4, kCalculateBeside, "Calculate Altitude Hc"},
      Label24{Frame4, resultAt(240)},
      Label69{Frame4, resultAt(264)},

      Frame1{*this, kPanelRect, "Plane Sailing Dead Reckoning"},
      labelCourse{Frame1, pixelRect(kCaptionLeft, 36, 260, kLabelHeight),
                  "True Course, from true north  0-360 deg"},
      Text8{Frame1, pixelRect(280, 34, 70, kFieldHeight), "0"},
      labelSpeed{Frame1, pixelRect(kCaptionLeft, 68, 260, kLabelHeight), "Speed over ground, kts"},
      Text2{Frame1, pixelRect(280, 66, 70, kFieldHeight), "0"},
      labelLastLat{Frame1, captionAt(114), "Last Fix, Latitude"},
      drLatBoxes{Frame1, kBoxesLeft, 114},
      drLatSigns{Frame1, kSignsLeft, 100, "Lat N or S", "North", "South", false},
      labelLastLon{Frame1, captionAt(164), "Last Fix, Longitude"},
      drLonBoxes{Frame1, kBoxesLeft, 164},
      drLonSigns{Frame1, kSignsLeft, 150, "Lon E or W", "East", "West", true},
      labelHourMinute{Frame1, pixelRect(kBoxesLeft, 196, 120, 16), "Hr        Min"},
      Text1{Frame1, pixelRect(kBoxesLeft, 214, 44, kFieldHeight), "0"},
      Text3{Frame1, pixelRect(kBoxesLeft + 58, 214, 60, kFieldHeight), "0"},
      labelInterval{Frame1, pixelRect(kSignsLeft, 216, 260, kLabelHeight),
                    "Time interval, hrs and minutes"},
      Command1{Frame1, pixelRect(kCaptionLeft, 256, 260, 32), "Calculate Estimated Position"},
      Command6{Frame1, pixelRect(352, 256, 236, 32), "Heading/ Course Calculator"},
      Label4{Frame1, resultAt(304)},
      Label5{Frame1, resultAt(328)},
      Label8{Frame1, resultAt(352)},

      Command4{*this, pixelRect(8, 9, 232, kButtonHeight), "Plane Sailing Estimated Position  DR"},
      Command5{*this, pixelRect(246, 9, 140, kButtonHeight), "Calculated Altitude"},
      Command7{*this, pixelRect(392, 9, 210, kButtonHeight), "Calculated Longitude Sumner Line"},
      Command9{*this, pixelRect(608, 9, 150, kButtonHeight), "Dip, horizon distance"},
      Command11{*this, columnButton(58), "Great arc distance"},
      Command14{*this, columnButton(98), "Single COP coastal"},
      Command18{*this, columnButton(143), "3-arm Protractor"},
      Command13{*this, columnButton(188), "Simplified Sight Reduction"},
      Command15{*this, columnButton(228), "Atmospheric Refraction"},
      Command8{*this, columnButton(kHeight - 44), "CLOSE FORM"},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));

    bandTop.setBackColor(kBandBlue);
    bandRight.setBackColor(kBandBlue);
    patchProtractor.setBackColor(kWhite);
    Line1.setBackColor(kWhite);
    Line2.setBackColor(kWhite);
    for (Label* instruction : {&Label88, &Label90, &Label47}) {
        instruction->setFontSize(7.5);
    }

    // Only the dead-reckoning panel shows at first.
    for (Frame* panel : panels()) {
        panel->setVisible(panel == &Frame1);
    }

    emptyAnswersOnEdit();

    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Command9.onClick([this] { Command9_Click(); });
    Command11.onClick([this] { Command11_Click(); });
    Command14.onClick([this] { Command14_Click(); });
    Command15.onClick([this] { Command15_Click(); });
    Command13.onClick([this] { Command13_Click(); });
    Command18.onClick([this] { Command18_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command10.onClick([this] { Command10_Click(); });
    Command12.onClick([this] { Command12_Click(); });
    Command16.onClick([this] { Command16_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command17.onClick([this] { Command17_Click(); });
}

Form10::~Form10() = default;

void Form10::emptyAnswersOnEdit() {
    // A panel's answers are read from its own boxes and options alone, so
    // editing any of them takes the panel's answers away.
    struct Panel {
        std::vector<AngleBoxes*> angles;
        std::vector<platform::ui::TextBox*> boxes;
        std::vector<SignOptions*> signs;
        std::vector<Label*> answers;
    };
    const std::vector<Panel> panels = {
        {{&drLatBoxes, &drLonBoxes},
         {&Text8, &Text2, &Text1, &Text3},
         {&drLatSigns, &drLonSigns},
         {&Label4, &Label5, &Label8}},
        {{}, {&Text24, &Text23}, {}, {&Label55, &Label42, &Label44, &Label47}},
        {{&gcLat1Boxes, &gcLon1Boxes, &gcLat2Boxes, &gcLon2Boxes},
         {},
         {&gcLat1Signs, &gcLon1Signs, &gcLat2Signs, &gcLon2Signs},
         {&Label63}},
        {{&haBoxes}, {&Text34, &Text33}, {}, {&Label65}},
        {{&altLatBoxes, &altLonBoxes, &altGhaBoxes, &altDecBoxes},
         {},
         {&altLatSigns, &altLonSigns, &altDecSigns},
         {&Label24, &Label69}},
        {{&sumnerLatBoxes, &sumnerHoBoxes, &sumnerGhaBoxes, &sumnerDecBoxes},
         {},
         {&sumnerLatSigns, &sumnerDecSigns},
         {&Label25, &Label40}},
        {{&lat1Boxes, &lon1Boxes, &lat2Boxes, &lon2Boxes, &angleBoxes},
         {},
         {&lat1Signs, &lon1Signs, &lat2Signs, &lon2Signs},
         {&Label76}},
    };
    for (const Panel& panel : panels) {
        const std::vector<Label*> answers = panel.answers;
        const auto empty = [answers] {
            for (Label* answer : answers) {
                answer->setCaption("");
            }
        };
        for (AngleBoxes* angle : panel.angles) {
            angle->onChange(empty);
        }
        for (platform::ui::TextBox* box : panel.boxes) {
            box->onChange(empty);
        }
        for (SignOptions* sign : panel.signs) {
            platform::ui::onSelectionChange({&sign->positive, &sign->negative}, empty);
        }
    }
}

std::array<Frame*, 7> Form10::panels() {
    return {&Frame18, &Frame17, &Frame12, &Frame10, &Frame8, &Frame4, &Frame1};
}

void Form10::showPanel(Frame& panel) {
    for (Frame* other : panels()) {
        other->setVisible(other == &panel);
    }
    panel.widget()->raise();
}

void Form10::Command4_Click() {
    showPanel(Frame1);
}
void Form10::Command5_Click() {
    showPanel(Frame4);
}
void Form10::Command7_Click() {
    showPanel(Frame8);
}
void Form10::Command9_Click() {
    showPanel(Frame10);
}
void Form10::Command11_Click() {
    showPanel(Frame12);
}
void Form10::Command14_Click() {
    showPanel(Frame18);
}
void Form10::Command15_Click() {
    showPanel(Frame17);
}

void Form10::Command13_Click() {
    app_.form55().showModeless();
}

void Form10::Command18_Click() {
    app_.form15().showModeless();
}

void Form10::Command6_Click() {
    app_.form9().showModeless();
}

void Form10::Command8_Click() {
    hide();
}

bool Form10::refused(const platform::Problem& problem, std::initializer_list<Label*> outputs) {
    if (!problem) {
        return false;
    }
    for (Label* output : outputs) {
        output->setCaption("");
    }
    platform::ui::warnProblem(app_.messages(), *problem);
    return true;
}

void Form10::Command1_Click() {
    const DeadReckoningInput in{Text8.text(),
                                Text2.text(),
                                drLatBoxes.field(Option2.value()),
                                drLonBoxes.field(Option3.value()),
                                Text1.text(),
                                Text3.text()};
    if (refused(deadReckoningProblem(in), {&Label4, &Label5, &Label8})) {
        return;
    }
    const DeadReckoningResult r = deadReckoning(in);
    Label4.setCaption(r.Latitude);
    Label5.setCaption(r.Longitude);
    Label8.setCaption(r.Distance);
}

void Form10::Command10_Click() {
    const HorizonInput in{Text24.text(), Text23.text()};
    if (refused(horizonProblem(in), {&Label55, &Label42, &Label44, &Label47})) {
        return;
    }
    const HorizonResult r = horizon(in);
    Label55.setCaption(r.SeaHorizon);
    Label42.setCaption(r.Dip);
    // Without a nearer land horizon the two lines keep what they showed.
    if (r.Compensation) {
        Label44.setCaption(*r.Compensation);
    }
    if (r.Note) {
        Label47.setCaption(*r.Note);
    }
}

void Form10::Command12_Click() {
    const GreatCircleInput in{
        gcLat1Boxes.field(Option13.value()), gcLon1Boxes.field(Option19.value()),
        gcLat2Boxes.field(Option18.value()), gcLon2Boxes.field(Option22.value())};
    if (refused(greatCircleProblem(in), {&Label63})) {
        return;
    }
    Label63.setCaption(greatCircleDistance(in));
}

void Form10::Command16_Click() {
    const RefractionInput in{Text34.text(), Text33.text(), Text36.text(), Text37.text()};
    if (refused(refractionProblem(in), {&Label65})) {
        return;
    }
    Label65.setCaption(refraction(in));
}

void Form10::Command2_Click() {
    const AltitudeInput in{altLatBoxes.field(Option5.value()), altLonBoxes.field(Option8.value()),
                           altGhaBoxes.field(), altDecBoxes.field(Option10.value())};
    if (refused(altitudeProblem(in), {&Label24, &Label69})) {
        return;
    }
    const AltitudeResult r = altitudeAzimuth(in);
    Label24.setCaption(r.Altitude);
    Label69.setCaption(r.Azimuth);
}

void Form10::Command3_Click() {
    const SumnerInput in{sumnerLatBoxes.field(Option16.value()), sumnerHoBoxes.field(),
                         sumnerGhaBoxes.field(), sumnerDecBoxes.field(Option11.value())};
    if (refused(sumnerProblem(in), {&Label25, &Label40})) {
        return;
    }
    const SumnerResult r = sumnerLongitudes(in);
    if (refused(r.Unreachable, {&Label25, &Label40})) {
        return;
    }
    Label25.setCaption(r.WestSide);
    Label40.setCaption(r.EastSide);
}

void Form10::Command17_Click() {
    const CircleCentreInput in{lat1Boxes.field(Option30.value()), lon1Boxes.field(Option28.value()),
                               lat2Boxes.field(Option25.value()), lon2Boxes.field(Option23.value()),
                               angleBoxes.field()};
    if (refused(circleCentreProblem(in), {&Label76})) {
        return;
    }
    Label76.setCaption(circleCentre(in));
}

}  // namespace calculators
