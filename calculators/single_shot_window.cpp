#include "calculators/single_shot_window.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QWidget>
#include <initializer_list>
#include <utility>

#include "almanac/almanac_window.h"
#include "app/app.h"
#include "calculators/single_shot.h"
#include "platform/input_check.h"

namespace app {
calculators::Form55& App::form55() {
    return window<calculators::Form55>(*this);
}
}  // namespace app

namespace calculators {

namespace {

using platform::ui::pixelRect;
using platform::ui::px;

// The layout is drawn on a grid of logical pixels.
constexpr double kWidth = 800;
constexpr double kHeight = 596;
constexpr double kBoxLeft = 10;
constexpr double kBoxWidth = 60;
constexpr double kTextLeft = 80;
constexpr double kFieldHeight = 21;
constexpr double kLineHeight = 16;

platform::ui::TwipRect box(double top) {
    return pixelRect(kBoxLeft, top, kBoxWidth, kFieldHeight);
}
platform::ui::TwipRect besideBox(double top, double width, int line = 0) {
    return pixelRect(kTextLeft, top + 2 + line * kLineHeight, width, kLineHeight);
}

}  // namespace

Form55::Form55(app::App& app)
    : Form(app, kForm55Caption),

      frameSextant{*this, pixelRect(8, 8, 560, 84), "Sextant Data"},
      hsBoxes{frameSextant, kBoxLeft, 22},
      labelHs{frameSextant, pixelRect(150, 24, 300, kLineHeight), "Sextant Altitude Measured, Hs"},
      Text17{frameSextant, box(52)},
      labelIC{frameSextant, besideBox(52, 460),
              "Index Correction IC, arc minutes   (on scale is - IC)"},

      frameCorrections{*this, pixelRect(8, 100, kWidth - 16, 170), "Corrections"},
      Text1{frameCorrections, box(22)},
      labelAC{frameCorrections, besideBox(22, 640),
              "Altitude Correction, arc minutes  (if you include semi diameter, make SD = 0 "
              "below)"},
      Text13{frameCorrections, box(54)},
      labelSD{frameCorrections, besideBox(54, 640),
              "Semi Diameter SD, arc minutes (+ for LL, - for UL)"},
      labelSDNote{frameCorrections, besideBox(54, 640, 1), "for sun and lunar observations"},
      Text14{frameCorrections, box(94)},
      labelHP{frameCorrections, besideBox(94, 640),
              "Horizontal Parallax, HP, arc minutes (PA will be calculated internally)"},
      labelHPNote{frameCorrections, besideBox(94, 640, 1), "mostly for lunar observations"},
      Text19{frameCorrections, box(134)},
      labelDip{frameCorrections, besideBox(134, 640),
               "Dip Correction, arc minutes (always a negative number)"},

      frameAlmanac{*this, pixelRect(8, 278, 380, 120), "Almanac Data (at time of shot)"},
      labelGHA{frameAlmanac, pixelRect(10, 30, 40, kLineHeight), "GHA"},
      ghaBoxes{frameAlmanac, 54, 28},
      Command2{frameAlmanac, pixelRect(200, 24, 150, 30), "Show Almanac"},
      labelDEC{frameAlmanac, pixelRect(10, 80, 40, kLineHeight), "DEC"},
      decBoxes{frameAlmanac, 54, 78},
      decSigns{frameAlmanac, 188, 64, "", "N", "S", false},

      frameAssumed{*this, pixelRect(396, 278, kWidth - 404, 120), "Assumed Position"},
      labelLatitude{frameAssumed, pixelRect(10, 30, 70, kLineHeight), "Latitude"},
      latBoxes{frameAssumed, 80, 28},
      latSigns{frameAssumed, 206, 14, "Lat N or S", "North", "South", false},
      labelLongitude{frameAssumed, pixelRect(10, 80, 70, kLineHeight), "Longitude"},
      lonBoxes{frameAssumed, 80, 78},
      lonSigns{frameAssumed, 206, 64, "Lon E or W", "East", "West", true},

      Label24{*this, pixelRect(12, 408, 376, 20)},
      Label3{*this, pixelRect(400, 408, 390, 20)},
      Label4{*this, pixelRect(12, 432, 376, 20)},
      Label5{*this, pixelRect(400, 432, 390, 20)},
      Label6{*this, pixelRect(12, 460, kWidth - 24, 34),
             "GHA and DEC are gotten either from the Nautical Almanac or from the WendrelNav "
             "Almanac using the time of the shot to get the instantaneous values.  That is up to "
             "you to figure out!"},
      Picture1{*this, pixelRect(8, 502, 480, 84)},
      patchReduce{*this, pixelRect(498, 502, kWidth - 506, 84)},
      Command1{*this, pixelRect(518, 524, kWidth - 546, 40), "Click to Reduce Sight"},
      Command6{*this, pixelRect(kWidth - 96, 8, 84, 28), "Close"},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));

    patchReduce.setBackColor(platform::ui::rgb(255, 255, 128));
    for (platform::ui::Label* result : {&Label24, &Label3, &Label4, &Label5}) {
        result->setBold(true);
    }

    // The fields frame by frame in the order they are read, then the buttons.
    const std::initializer_list<QWidget*> tabOrder = {
        Text5.widget(),    Text6.widget(),        Text17.widget(),      Text1.widget(),
        Text13.widget(),   Text14.widget(),       Text19.widget(),      Text21.widget(),
        Text22.widget(),   Text18.widget(),       Text20.widget(),      Option9.button(),
        Option10.button(), Text25.widget(),       Text26.widget(),      Text23.widget(),
        Text24.widget(),   Option2.button(),      Option5.button(),     Option1.button(),
        Option8.button(),  Command1.pushButton(), Command2.pushButton()};
    for (auto it = tabOrder.begin(); it + 1 != tabOrder.end(); ++it) {
        QWidget::setTabOrder(*it, *(it + 1));
    }

    emptyAnswersOnEdit();

    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command6.onClick([this] { Command6_Click(); });
}

Form55::~Form55() = default;

void Form55::emptyAnswersOnEdit() {
    // Which answers each input is read by: Hc and the azimuth from the
    // assumed position, GHA and declination; Ho from the sextant altitude, its
    // corrections and the latitude (the parallax); the intercept from all;
    // the hour angle from GHA and longitude, Ha from Hs, dip and index
    // correction, the parallax from these, HP and the latitude.
    const unsigned position = HcAnswer | AzimuthAnswer | OffsetAnswer;
    const unsigned sextant = HoAnswer | OffsetAnswer | HaLine | PaLine;
    const auto empty = [this](unsigned answers) {
        return [this, answers] { emptyAnswers(answers); };
    };
    hsBoxes.onChange(empty(sextant));
    Text17.onChange(empty(sextant));
    Text19.onChange(empty(sextant));
    for (platform::ui::TextBox* correction : {&Text1, &Text13}) {
        correction->onChange(empty(HoAnswer | OffsetAnswer));
    }
    Text14.onChange(empty(HoAnswer | OffsetAnswer | PaLine));
    ghaBoxes.onChange(empty(position | LhaLine));
    decBoxes.onChange(empty(position));
    platform::ui::onSelectionChange({&Option9, &Option10}, empty(position));
    latBoxes.onChange(empty(position | HoAnswer | PaLine));
    platform::ui::onSelectionChange({&Option2, &Option5}, empty(position | HoAnswer | PaLine));
    lonBoxes.onChange(empty(position | LhaLine));
    platform::ui::onSelectionChange({&Option1, &Option8}, empty(position | LhaLine));
}

void Form55::emptyAnswers(unsigned answers) {
    const std::pair<unsigned, platform::ui::Label*> labels[] = {{HcAnswer, &Label24},
                                                                {AzimuthAnswer, &Label3},
                                                                {HoAnswer, &Label4},
                                                                {OffsetAnswer, &Label5}};
    for (const auto& [answer, label] : labels) {
        if (answers & answer) {
            label->setCaption("");
        }
    }
    const unsigned lineAnswers[] = {LhaLine, HaLine, PaLine};
    bool linesChanged = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if ((answers & lineAnswers[i]) && !lines_[i].empty()) {
            lines_[i].clear();
            linesChanged = true;
        }
    }
    if (linesChanged) {
        printLines();
    }
}

void Form55::printLines() {
    Picture1.clear();
    // An emptied line keeps its place, so the others stay where they were.
    std::size_t shown = lines_.size();
    while (shown > 0 && lines_[shown - 1].empty()) {
        --shown;
    }
    for (std::size_t i = 0; i < shown; ++i) {
        Picture1.print(lines_[i]);
    }
}

void Form55::Command1_Click() {
    SingleShotInput in;
    in.HsDegrees = Text5.text();
    in.HsMinutes = Text6.text();
    in.IndexCorrection = Text17.text();
    in.AltitudeCorrection = Text1.text();
    in.SemiDiameter = Text13.text();
    in.HorizontalParallax = Text14.text();
    in.Dip = Text19.text();
    in.Gha = ghaBoxes.field();
    in.Dec = decBoxes.field(Option10.value());
    in.Lat = latBoxes.field(Option5.value());
    in.Lon = lonBoxes.field(Option8.value());
    if (const platform::Problem problem = singleShotProblem(in)) {
        // Nothing is reduced and no result from before stays.
        emptyAnswers(AllAnswers);
        Picture1.clear();
        platform::ui::warnProblem(app_.messages(), *problem);
        return;
    }
    const SingleShotResult r = singleShotReduction(in);

    Label24.setCaption(r.Hc);
    Label3.setCaption(r.Azimuth);
    Label4.setCaption(r.Ho);
    Label5.setCaption(r.Offset);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = i < r.Lines.size() ? r.Lines[i] : std::string();
    }
    printLines();
}

void Form55::Command2_Click() {
    // Nothing is passed either way: GHA and declination are copied by hand.
    app_.form12().showModeless();
}

void Form55::Command6_Click() {
    hide();
}

}  // namespace calculators
