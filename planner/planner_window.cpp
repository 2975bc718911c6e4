#include "planner/planner_window.h"

#include <QLabel>
#include <QListWidget>
#include <QSize>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_lines.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "platform/ui/vector_state.h"

namespace planner {

namespace {

using platform::ui::Color;
using platform::ui::DrawStyle;
using platform::ui::FillStyle;
using platform::ui::pixelRect;
using platform::ui::rgb;

// The window's client area at load, twips.
constexpr double kWidth = 11730;
constexpr double kHeight = 7830;
// The chart never gets smaller than one pixel each way.
constexpr double kLeastChartTwips = platform::ui::kTwipsPerPixel;

constexpr double kField = 21;  // text box height, pixels

Color color(const Rgb& c) {
    return rgb(c.red, c.green, c.blue);
}

}  // namespace

Form11::Form11(app::App& app)
    : Form(app, kForm11Caption),
      Picture1{*this, {30, 30, 6315, 6135}},
      Picture2{*this, {5400, 5310, 912, 804}},
      Label23{*this, {30, 6210, 6315, 285}},
      Label24{*this, {30, 6510, 6315, 270}},
      Label21{*this, {30, 6780, 6315, 285}},
      Label26{*this,
              {30, 7080, 6315, 210},
              "Rise and set times based with refraction and parallax effects to upper limb"},
      Label25{
          *this, {30, 7290, 6315, 225}, "P after UT = prevoius UT day, N after UT = next UT day"},
      Label15{*this, {30, 7530, 3100, 270}},
      Label16{*this, {3200, 7530, 3145, 270}},
      // Wide enough for the whole hint in this font, right edge under the
      // panel's.
      Label17{*this, {9900, 7440, 1755, 255}, "Grab corner to resize   -->"},
      Frame6{*this, {6390, 30, 5265, 7365}},
      Check4{Frame6, pixelRect(6, 2, 330, 18), "Switch E for W for inverted viewing"},
      frameDate{Frame6, pixelRect(4, 20, 343, 58), "Date and UT Time"},
      labelYear{frameDate, pixelRect(6, 14, 54, 15), "Year"},
      labelMonth{frameDate, pixelRect(62, 14, 54, 15), "Month"},
      labelDay{frameDate, pixelRect(118, 14, 54, 15), "Day"},
      labelHour{frameDate, pixelRect(174, 14, 54, 15), "UT hour"},
      labelMinute{frameDate, pixelRect(230, 14, 54, 15), "UT minute"},
      labelSecond{frameDate, pixelRect(286, 14, 54, 15), "UT second"},
      Text1{frameDate, pixelRect(6, 30, 50, kField)},
      Text2{frameDate, pixelRect(62, 30, 50, kField)},
      Text3{frameDate, pixelRect(118, 30, 50, kField)},
      Text4{frameDate, pixelRect(174, 30, 50, kField)},
      Text5{frameDate, pixelRect(230, 30, 50, kField)},
      Text11{frameDate, pixelRect(286, 30, 50, kField)},
      framePosition{Frame6, pixelRect(4, 80, 343, 118), "Observer's Position"},
      labelLatitude{framePosition, pixelRect(8, 22, 60, 18), "Latitude"},
      Text113{framePosition, pixelRect(70, 20, 40, kField)},
      labelLatDegreeMark{framePosition, pixelRect(112, 20, 10, 18), "°"},
      Text6{framePosition, pixelRect(124, 20, 50, kField)},
      labelLatMinuteMark{framePosition, pixelRect(176, 20, 8, 18), "'"},
      frameLat{framePosition, pixelRect(190, 8, 146, 40), "Lat N or S"},
      frameLatOptions{},
      Option1{frameLat, pixelRect(10, 16, 50, 20), "N", frameLatOptions},
      Option2{frameLat, pixelRect(74, 16, 50, 20), "S", frameLatOptions},
      labelLongitude{framePosition, pixelRect(8, 62, 60, 18), "Longitude"},
      Text114{framePosition, pixelRect(70, 60, 40, kField)},
      labelLonDegreeMark{framePosition, pixelRect(112, 60, 10, 18), "°"},
      Text7{framePosition, pixelRect(124, 60, 50, kField)},
      labelLonMinuteMark{framePosition, pixelRect(176, 60, 8, 18), "'"},
      frameLon{framePosition, pixelRect(190, 48, 146, 40), "Lon E or W"},
      frameLonOptions{},
      Option3{frameLon, pixelRect(10, 16, 50, 20), "W", frameLonOptions},
      Option4{frameLon, pixelRect(74, 16, 50, 20), "E", frameLonOptions},
      Command7{framePosition, pixelRect(8, 92, 328, 22), "Remember these settings as my default"},
      frameSettings{Frame6, pixelRect(4, 200, 343, 88), "Settings"},
      labelDeltaT{frameSettings, pixelRect(8, 14, 270, 28),
                  "Delta T, the difference between UT and Ephemeris time, seconds"},
      Text8{frameSettings, pixelRect(282, 16, 54, kField), "67"},
      labelStars{frameSettings, pixelRect(8, 46, 96, 18), "How many stars?"},
      Text9{frameSettings, pixelRect(104, 44, 36, kField), "20"},
      labelTimeZone{frameSettings, pixelRect(150, 46, 128, 18), "Time zone, hrs (W +)"},
      Text10{frameSettings, pixelRect(282, 44, 54, kField),
             platform::generalText(platform::computerZoneHours())},
      Check3{frameSettings, pixelRect(8, 67, 250, 18), "Daylight savings time now?"},
      Command4{Frame6, pixelRect(4, 292, 44, 25), "Now"},
      Command6{Frame6, pixelRect(52, 292, 138, 25), "Now + refresh star map"},
      Command3{Frame6, pixelRect(194, 292, 153, 25), "SHOW OBJECTS / refresh"},
      Command5{Frame6, pixelRect(4, 320, 112, 24), "Celestial Almanac"},
      Command8{Frame6, pixelRect(120, 320, 80, 24), "Instructions"},
      Command2{Frame6, pixelRect(204, 320, 70, 24), "PRINT"},
      Command1{Frame6, pixelRect(278, 320, 69, 24), "CLOSE"},
      List1{Frame6, pixelRect(4, 348, 343, 92)},
      Check1{Frame6, pixelRect(4, 442, 214, 16), "Keep background white for printing"},
      Check2{Frame6, pixelRect(220, 442, 127, 16), "Show lunar parallax"},
      Label31{Frame6, pixelRect(4, 458, 110, 15), "Azimuth, Elevation"},
      Label12{Frame6, pixelRect(116, 458, 112, 15)},
      Label9{Frame6, pixelRect(232, 458, 115, 15)},
      Label32{Frame6, pixelRect(4, 473, 150, 15), "Elevation same as Altitude"},
      Label22{Frame6, pixelRect(156, 473, 96, 15)},
      Label14{Frame6, pixelRect(252, 473, 95, 15), "Wendrel Navigation"},
      app_(app) {
    resizeTwips(kWidth, kHeight);
    // Small enough to show the chart at one pixel, large enough to keep
    // the panel right of it whole.
    setMinimumSize(QSize(platform::ui::twipsToSizePixels(kWidth - 6315 + kLeastChartTwips),
                         platform::ui::twipsToSizePixels(30 + 7365 + 30)));
    Label14.setAlignment(platform::ui::Label::AlignRight);
    for (platform::ui::Label* small :
         {&labelYear, &labelMonth, &labelDay, &labelHour, &labelMinute, &labelSecond, &Label14}) {
        small->setFontSize(7);
    }
    Label17.setFontSize(6);
    Check1.setFontSize(7.5);
    Check2.setFontSize(7.5);
    // Long lines scroll sideways rather than lose their ends.
    List1.listWidget()->setTextElideMode(Qt::ElideNone);
    // The lines are padded into columns by characters: a fixed-pitch font
    // lines them up, at a size at which a star line with its magnitude fits
    // the list's width.
    List1.setFixedPitchFont();
    List1.setFontSize(6);
    Label17.label()->setWordWrap(false);
    Label17.setAlignment(platform::ui::Label::AlignRight);
    // In a window smaller than at load the panel covers the lines under the
    // chart instead of mixing its texts with theirs.
    Frame6.widget()->setAutoFillBackground(true);

    Option1.setValue(true);  // N
    Option3.setValue(true);  // W
    underList_ = {&Check1, &Check2, &Label31, &Label12, &Label9, &Label32, &Label22, &Label14};

    platform::ui::connectMouse(Picture1, *this, &Form11::Picture1_MouseDown,
                               &Form11::Picture1_MouseMove, &Form11::Picture1_MouseUp);
    Picture1.onMouseLeave([this] { clearPointerTexts(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command1.onClick([this] { Command1_Click(); });
}

Form11::~Form11() = default;

void Form11::Form_Load() {
    app::Form1& main = app_.form1();
    const double d = std::floor(0.05 * main.widthTwips());
    moveTwips(main.leftTwips() + d, main.topTwips() + d);

    const float width = static_cast<float>(widthTwips());
    const float height = static_cast<float>(heightTwips());
    chartWidthMargin_ = width - static_cast<float>(Picture1.width());
    chartHeightMargin_ = height - static_cast<float>(Picture1.height());
    const auto bottom = [height](const platform::ui::Label& l) {
        return height - static_cast<float>(l.top());
    };
    label15Bottom_ = bottom(Label15);
    label16Bottom_ = bottom(Label16);
    label17Bottom_ = bottom(Label17);
    label21Bottom_ = bottom(Label21);
    label23Bottom_ = bottom(Label23);
    label24Bottom_ = bottom(Label24);
    label25Bottom_ = bottom(Label25);
    label26Bottom_ = bottom(Label26);
    label17Right_ = width - static_cast<float>(Label17.left());
    frameOffset_ = static_cast<float>(Picture1.left() + Picture1.width() - Frame6.left());
    frameHeight_ = static_cast<float>(Frame6.height());
    frameBottom_ = height - static_cast<float>(Frame6.top() + Frame6.height());
    listHeight_ = static_cast<float>(List1.height());
    for (std::size_t i = 0; i < underList_.size(); ++i) {
        underListTops_[i] = static_cast<float>(underList_[i]->top());
    }
}

void Form11::Form_Resize() {
    const double width = widthTwips();
    const double height = heightTwips();
    const double w = width - chartWidthMargin_;
    const double h = height - chartHeightMargin_;
    Picture1.setWidth(w > kLeastChartTwips ? w : kLeastChartTwips);
    Picture1.setHeight(h > kLeastChartTwips ? h : kLeastChartTwips);
    Picture2.move(Picture1.left() + Picture1.width() - Picture2.width(),
                  Picture1.top() + Picture1.height() - Picture2.height());
    Label15.setTop(height - label15Bottom_);
    Label16.setTop(height - label16Bottom_);
    Label21.setTop(height - label21Bottom_);
    Label23.setTop(height - label23Bottom_);
    Label24.setTop(height - label24Bottom_);
    Label25.setTop(height - label25Bottom_);
    Label26.setTop(height - label26Bottom_);
    Label17.setTop(height - label17Bottom_);
    Label17.setLeft(width - label17Right_);
    Frame6.setLeft(Picture1.left() + Picture1.width() - frameOffset_);
    // The panel reaches down as the window grows, never shorter than at
    // load; the object list takes up the growth.
    const double frameHeight = height - frameBottom_ - Frame6.top();
    const double growth = frameHeight > frameHeight_ ? frameHeight - frameHeight_ : 0;
    Frame6.setHeight(frameHeight_ + growth);
    List1.setHeight(listHeight_ + growth);
    for (std::size_t i = 0; i < underList_.size(); ++i) {
        underList_[i]->setTop(underListTops_[i] + growth);
    }
    refresh(false);
}

PlannerTexts Form11::plannerTexts() const {
    PlannerTexts t;
    t.Year = Text1.text();
    t.Month = Text2.text();
    t.Day = Text3.text();
    t.Hour = Text4.text();
    t.Minute = Text5.text();
    t.Second = Text11.text();
    t.LatDegrees = Text113.text();
    t.LatMinutes = Text6.text();
    t.South = Option2.value();
    t.LonDegrees = Text114.text();
    t.LonMinutes = Text7.text();
    t.West = Option3.value();
    t.DeltaT = Text8.text();
    t.StarCount = Text9.text();
    t.ShowParallax = Check2.value() != 0;
    t.SwitchEastWest = Check4.value() != 0;
    t.WhiteBackground = Check1.value() != 0;
    return t;
}

void Form11::Command3_Click() {
    refresh(true);
}

void Form11::refresh(bool warn) {
    platform::ui::clearUpperVectorState();
    // The read-outs belong to the chart they were read from.
    clearPointerTexts();
    const PlannerTexts texts = plannerTexts();
    if (const platform::Problem problem = plannerProblem(texts)) {
        clearOutputs();
        if (warn) {
            platform::ui::warnProblem(app_.messages(), *problem);
        }
        return;
    }
    const PlannerInput in = plannerInput(texts);
    app_.Chart.ChartCount = 0;
    EastWestSign = in.EastWestSign;
    const PlannerSky sky = plannerSky(in);
    showRiseSetLines(in);
    drawSky(in, sky);
}

void Form11::clearOutputs() {
    app_.Chart.ChartCount = 0;
    // Both pictures as before the first refresh: no sky colour of an
    // earlier instant, no dark Moon box.
    for (platform::ui::Picture* picture : {&Picture1, &Picture2}) {
        picture->setBackColor(rgb(255, 255, 255));
        picture->clear();
    }
    for (platform::ui::Label* output : {&Label23, &Label15, &Label24, &Label16, &Label21}) {
        output->setCaption("");
    }
    List1.clear();
}

void Form11::clearPointerTexts() {
    for (platform::ui::Label* readOut : {&Label12, &Label9, &Label22}) {
        readOut->setCaption("");
    }
}

void Form11::showRiseSetLines(const PlannerInput& in) {
    const almanac::RiseSetInput date{
        in.Year,  in.Month, in.Day, in.Lat * ephemeris::kDegPerRad, in.Lon * ephemeris::kDegPerRad,
        in.DeltaT};
    const almanac::RiseSetResult sun = almanac::sunRiseSet(date);
    Label23.setCaption(almanac::sunRiseSetLine(sun));
    Label15.setCaption(sun.Message);
    const almanac::RiseSetResult moon = almanac::moonRiseSet(date);
    Label16.setCaption(moon.Message);
    Label24.setCaption(almanac::moonRiseSetLine(moon));
}

void Form11::drawSky(const PlannerInput& in, const PlannerSky& sky) {
    platform::ui::clearUpperVectorState();
    ephemeris::FillStarTable(app_.Stars);
    SkyChart chart = skyChart(in, sky, app_.Stars, Picture1.width(), Picture1.height());

    // Stage 4: colours, twilight text, scale.
    const TwilightBand& band = chart.band;
    SunElevation = chart.SunElevation;
    SkyRed = static_cast<std::int16_t>(band.sky.red);
    SkyGreen = static_cast<std::int16_t>(band.sky.green);
    SkyBlue = static_cast<std::int16_t>(band.sky.blue);
    whiteSky_ = in.WhiteBackground;
    Label21.setCaption(band.label);
    platform::ui::Picture& p = Picture1;
    const Color sky_ = color(band.sky);
    const Color grid = color(band.grid);
    p.setBackColor(sky_);
    p.setForeColor(color(band.text));
    p.clear();
    p.setScale(chart.scaleLeft, chart.scaleTop, chart.scaleWidth, chart.scaleHeight);

    // Stage 5: rings, spokes, labels, ecliptic.
    p.setFillStyle(FillStyle::Transparent);
    p.setDrawStyle(DrawStyle::Solid);
    for (const ChartRing& ring : chart.rings) {
        p.setDrawStyle(ring.dotted ? DrawStyle::Dot : DrawStyle::Solid);
        p.circle(0, 0, ring.radius, grid);
    }
    for (const ChartSpoke& spoke : chart.spokes) {
        p.line(spoke.outer.x, spoke.outer.y, spoke.inner.x, spoke.inner.y, grid);
    }
    p.setDrawStyle(DrawStyle::Solid);
    for (const ChartLabel& label : chart.labels) {
        p.point(label.at.x, label.at.y, sky_);
        p.print(label.line);
    }
    for (const ChartPoint& point : chart.ecliptic) {
        p.point(point.x, point.y, grid);
    }

    // Stage 6: stars, the Moon's phase, the Sun, planets and Moon.
    const auto disc = [&p](const ChartDisc& d) {
        p.setFillStyle(FillStyle::Solid);
        p.setFillColor(color(d.fill));
        p.circle(d.centre.x, d.centre.y, d.radius, color(d.outline));
    };
    for (int i = 0; i < chart.starDiscs; ++i) {
        disc(chart.discs[i]);
    }
    double Radius = 0, CentreX = 0, CentreY = 0;
    DrawMoon(sky.Elong, Radius, CentreX, CentreY);
    for (std::size_t i = chart.starDiscs; i < chart.discs.size(); ++i) {
        disc(chart.discs[i]);
    }
    app_.Chart = std::move(chart.Arrays);
    app_.StarList = std::move(chart.Stars);

    // Stage 7: the object list.
    List1.setItems(objectListLines(sky, app_.StarList, chart.listedStars));
}

void Form11::DrawMoon(double Phase, double& Radius, double& CentreX, double& CentreY) {
    const MoonPhase m = moonPhase(Phase, Picture2.width(), Picture2.height());
    platform::ui::Picture& p = Picture2;
    p.setScale(m.scaleLeft, m.scaleTop, m.scaleWidth, m.scaleHeight);
    p.setBackColor(color(kMoonDark));
    p.clear();
    Radius = m.Radius;
    CentreX = m.CentreX;
    CentreY = m.CentreY;
    p.setFillStyle(FillStyle::Solid);
    p.setFillColor(color(kMoonLit));
    p.circle(CentreX, CentreY, Radius, color(kMoonLit));
    p.filledBox(m.corner1.x, m.corner1.y, m.corner2.x, m.corner2.y, color(kMoonDark));
    p.setFillColor(color(m.ellipseColor));
    p.circle(CentreX, CentreY, Radius, color(m.ellipseColor), m.aspect);
    p.setFillStyle(FillStyle::Transparent);
    p.circle(CentreX, CentreY, Radius, color(kMoonRim));
}

void Form11::Command4_Click() {
    fillNow();
}

bool Form11::fillNow() {
    if (const platform::Problem problem = platform::zoneTextProblem(Text10.text())) {
        platform::ui::warnProblem(app_.messages(), *problem);
        return false;
    }
    double Zone = platform::ui::Val(Text10);
    if (Check3.value() == 1) {
        Zone = Zone - 1;
    }
    return almanac::fillNow(app_, Zone, {Text1, Text2, Text3, &Text4, &Text5, &Text11});
}

void Form11::Command6_Click() {
    if (!fillNow()) {
        clearOutputs();
        return;
    }
    Command3_Click();
}

void Form11::Command5_Click() {
    app_.form12().showModeless();
}

void Form11::Command7_Click() {
    // The zone goes on to every "Now" button: one that is no zone is not
    // remembered, and nothing is written.
    if (const platform::Problem problem = platform::zoneTextProblem(Text10.text())) {
        platform::ui::warnProblem(app_.messages(), *problem);
        return;
    }
    WriteSettingsFile(app_);
}

void Form11::Command8_Click() {
    app_.form14().showModeless();
}

void Form11::Command2_Click() {
    printForm();
}

void Form11::Command1_Click() {
    hide();
}

void Form11::Picture1_MouseMove(int /*Button*/, int /*Shift*/, double X, double Y) {
    const PointerText t =
        pointerText(app_.Chart, EastWestSign, static_cast<float>(X), static_cast<float>(Y));
    Label9.setCaption(t.Label9);
    Label12.setCaption(t.Label12);
    Label22.setCaption(t.Label22);
}

void Form11::Picture1_MouseDown(int Button, int /*Shift*/, double X, double Y) {
    arcPress(Arc, app_.Chart, Button, static_cast<float>(X), static_cast<float>(Y));
}

void Form11::Picture1_MouseUp(int /*Button*/, int /*Shift*/, double X, double Y) {
    const std::optional<ArcDrawing> d = arcRelease(Arc, app_.Chart, SunElevation, whiteSky_,
                                                   static_cast<float>(X), static_cast<float>(Y));
    if (!d) {
        return;
    }
    platform::ui::Picture& p = Picture1;
    const Color c = color(d->color);
    p.line(d->from.x, d->from.y, d->to.x, d->to.y, c);
    p.setForeColor(c);
    p.point(d->middle.x, d->middle.y, rgb(SkyRed, SkyGreen, SkyBlue));
    p.print(d->text);
}

PlannerSettings Form11::plannerSettings() const {
    PlannerSettings s;
    s.LatMinutes = Text6.text();
    s.LonMinutes = Text7.text();
    s.DeltaT = Text8.text();
    s.StarCount = Text9.text();
    s.TimeZone = Text10.text();
    s.LatDegrees = Text113.text();
    s.LonDegrees = Text114.text();
    s.North = Option1.value();
    s.South = Option2.value();
    s.West = Option3.value();
    s.East = Option4.value();
    s.ShowParallax = Check2.value();
    s.DaylightSaving = Check3.value();
    return s;
}

void Form11::applyPlannerSettings(const PlannerSettings& s, int items) {
    int k = 0;
    const auto next = [&k, items] { return ++k <= items; };
    for (auto [box, text] : {std::pair{&Text6, &s.LatMinutes}, std::pair{&Text7, &s.LonMinutes},
                             std::pair{&Text8, &s.DeltaT}, std::pair{&Text9, &s.StarCount},
                             std::pair{&Text10, &s.TimeZone}, std::pair{&Text113, &s.LatDegrees},
                             std::pair{&Text114, &s.LonDegrees}}) {
        if (next()) {
            box->setText(*text);
        }
    }
    // A true item selects its button and clears its partner; a false item
    // clears only its own button.
    for (auto [option, value] : {std::pair{&Option1, s.North}, std::pair{&Option2, s.South},
                                 std::pair{&Option3, s.West}, std::pair{&Option4, s.East}}) {
        if (next()) {
            option->setValue(value);
        }
    }
    if (next()) {
        Check2.setValue(s.ShowParallax);
    }
    if (next()) {
        Check3.setValue(s.DaylightSaving);
    }
}

// ------------------------------------------------------------------ Form14

Form14::Form14(app::App& app)
    : Form(app, "Form14"),
      Label17{*this, pixelRect(12, 10, 576, 32),
              "Step 1)  modify the settings for your time zone including the effect of "
              "daylight savings time which will effect results of the 'Now\" button"},
      Label15{*this, pixelRect(12, 46, 576, 16), "Step 2)  enter date and time, or press 'Now'"},
      Label16{*this, pixelRect(12, 66, 576, 16), "Step 3)  enter latitude and longitude"},
      Label18{*this, pixelRect(12, 86, 576, 16), "Step 4)  press 'SHOW OBJECTS'"},
      Label20{*this, pixelRect(12, 106, 576, 32),
              "Step 5)  view the map, and move the mouse over the objects so see their azimuth "
              "and elevation (Hc, or Hc - PA)"},
      Label30{*this, pixelRect(12, 146, 576, 48),
              "To obtain a geocentric arc distance between objects, click the left mouse button "
              "over the 1st, then drag the cursor to the 2nd, and let up the button.  For "
              "clearing lunar distance, uncheck parallax."},
      Label1{*this, pixelRect(12, 202, 576, 32),
             "To resize the form (make bigger/smaller), grab the lower right corner and left "
             "click to drag to a new size.  Then click on SHOW OBJECTS / refresh."},
      Label2{*this, pixelRect(12, 242, 576, 48),
             "Civil twilight is defined when the Sun center has reached 6 deg below the horizon. "
             " Nautical twilight is when the Sun center has reached 12 deg below the horizon.  "
             "Sun rise/set however is based on when the upper limb UL reaches the visual "
             "horizon."} {
    resizeTwips(platform::ui::px(600), platform::ui::px(300));
}

Form14::~Form14() = default;

// ------------------------------------------------------------ settings file

namespace {

// The planner's time zone and Delta T to the settings window, and its
// Delta T to the almanac window.
void handOnSettings(app::App& app) {
    Form11& planner = app.form11();
    app::Form7& settings = app.form7();
    settings.Text2.setText(handedOnTimeZone(planner.Text10.text(), planner.Check3.value()));
    settings.Text1.setText(planner.Text8.text());
    app.form12().Text11.setText(planner.Text8.text());
}

}  // namespace

void ReadSettingsFile(app::App& app) {
    const PlannerSettingsRead read = openPlannerSettings(app.SettingsFile);
    if (read.outcome == PlannerSettingsRead::Outcome::WrongHeader) {
        return;
    }
    if (read.ItemsRead > 0) {
        app.form11().applyPlannerSettings(read.values, read.ItemsRead);
    }
    if (read.outcome != PlannerSettingsRead::Outcome::Read) {
        app.messages().show(kSettingsReadProblem);
        return;
    }
    handOnSettings(app);
}

void WriteSettingsFile(app::App& app) {
    const platform::SaveResult saved =
        savePlannerSettings(app.SettingsFile, app.form11().plannerSettings());
    if (!saved.ok) {
        app.messages().show(kSettingsWriteProblem);
        return;
    }
    handOnSettings(app);
}

}  // namespace planner

namespace app {

planner::Form11& App::form11() {
    return window<planner::Form11>(*this);
}

planner::Form14& App::form14() {
    return window<planner::Form14>(*this);
}

}  // namespace app
