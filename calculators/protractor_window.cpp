#include "calculators/protractor_window.h"

#include <QPalette>
#include <utility>

#include "app/app.h"
#include "calculators/angle_fields_window.h"

namespace calculators {

namespace {

using platform::ui::Color;
using platform::ui::pixelRect;
using platform::ui::px;
using platform::ui::rgb;
using platform::ui::TwipRect;

// The layout is drawn on a grid of logical pixels.
constexpr double kWidth = 800;
constexpr double kHeight = 560;
constexpr double kFieldHeight = 21;
constexpr double kInputsWidth = 396;

// Tops of the landmarks' headings; each heading has a latitude and a
// longitude row under it.
constexpr double kHeadA = 4;
constexpr double kHeadB = 108;
constexpr double kHeadC = 212;
constexpr double kFirstRow = 20;
constexpr double kRowStep = 38;
// Tops of the angle rows.
constexpr double kAngleAB = 310;
constexpr double kAngleBC = 336;
constexpr double kAngleLeft = 240;
// The button band.
constexpr double kBandTop = 394;

// The places of one row: caption, degrees box and mark, minutes box and mark,
// and the hemisphere frame.
struct RowRects {
    TwipRect label, degrees, degreeMark, minutes, minuteMark, frame;
};

RowRects rowRects(double head, int row) {
    const double top = head + kFirstRow + row * kRowStep;
    return {pixelRect(8, top + 4, 96, 18),  pixelRect(106, top + 2, 44, kFieldHeight),
            pixelRect(152, top + 2, 8, 18), pixelRect(162, top + 2, 56, kFieldHeight),
            pixelRect(220, top + 2, 8, 18), pixelRect(232, top - 6, 150, 38)};
}

// The angle rows: caption, degrees box and mark, minutes box and mark.
RowRects angleRects(double top) {
    return {
        pixelRect(8, top + 2, 230, 18),          pixelRect(kAngleLeft, top, 44, kFieldHeight),
        pixelRect(kAngleLeft + 46, top, 8, 18),  pixelRect(kAngleLeft + 56, top, 56, kFieldHeight),
        pixelRect(kAngleLeft + 114, top, 8, 18), {}};
}

const TwipRect kFirstOption = pixelRect(10, 14, 56, 20);
const TwipRect kSecondOption = pixelRect(76, 14, 56, 20);

// The least plot size: one pixel each way.
constexpr double kLeastPlotTwips = platform::ui::kTwipsPerPixel;

const Color kYellowBand = rgb(255, 255, 128);
const Color kWhite = rgb(255, 255, 255);

Color inkColor(ProtractorInk ink, const Color& textColor) {
    switch (ink) {
        case ProtractorInk::Grid:
            return rgb(180, 180, 180);
        case ProtractorInk::Fix:
            return rgb(250, 50, 50);
        case ProtractorInk::SightLine:
            return rgb(255, 0, 255);
        case ProtractorInk::Landmark:
            return rgb(0, 0, 0);
        case ProtractorInk::Circle:
            return rgb(50, 50, 50);
        case ProtractorInk::Text:
            break;
    }
    return textColor;
}

ProtractorEntry::Position positionOf(const platform::ui::TextBox& degrees,
                                     const platform::ui::TextBox& minutes,
                                     const platform::ui::OptionButton& negative) {
    return {degrees.text(), minutes.text(), negative.value()};
}

// A message on the cleared plot from its top-left corner: one line, or two
// (the field's name, then what it must be; or the words before and after a
// colon) when one is wider than the plot.
void printPlotMessage(platform::ui::Picture& p, const std::string& message) {
    std::size_t at = message.find(" must ");
    if (at == std::string::npos && message.find(": ") != std::string::npos) {
        at = message.find(": ") + 1;
    }
    if (at == std::string::npos || p.textWidthTwips(message) <= p.width()) {
        p.print(message);
        return;
    }
    p.print(message.substr(0, at));
    p.print(message.substr(at));
}

void drawScene(platform::ui::Picture& p, const ProtractorScene& scene) {
    p.setScale(scene.ScaleLeft, scene.ScaleTop, scene.ScaleWidth, scene.ScaleHeight);
    p.clear();
    const Color text = p.foreColor();
    for (const ProtractorSceneItem& it : scene.Items) {
        switch (it.kind) {
            case ProtractorSceneItem::Kind::Line:
                p.line(it.x1, it.y1, it.x2, it.y2, inkColor(it.ink, text));
                break;
            case ProtractorSceneItem::Kind::Circle:
                p.circle(it.x1, it.y1, it.radius, inkColor(it.ink, text));
                break;
            case ProtractorSceneItem::Kind::Text:
                p.setCurrentX(it.x1);
                p.setCurrentY(it.y1);
                p.print(it.text);
                break;
        }
    }
}

}  // namespace

Form15::Form15(app::App& app)
    : Form(app, kForm15Caption),
      labelA{*this, pixelRect(8, kHeadA, 300, 16), "Landmark on Left (point A)"},
      labelLat1{*this, rowRects(kHeadA, 0).label, "Latitude #1"},
      Text43{*this, rowRects(kHeadA, 0).degrees, "0"},
      labelLat1Degrees{*this, rowRects(kHeadA, 0).degreeMark, "°"},
      Text44{*this, rowRects(kHeadA, 0).minutes, "0"},
      labelLat1Minutes{*this, rowRects(kHeadA, 0).minuteMark, "'"},
      frameLat1{*this, rowRects(kHeadA, 0).frame, "Lat N or S"},
      frameLat1Options{},
      Option29{frameLat1, kFirstOption, "N", frameLat1Options},
      Option30{frameLat1, kSecondOption, "S", frameLat1Options},
      labelLon1{*this, rowRects(kHeadA, 1).label, "Longitude #1"},
      Text41{*this, rowRects(kHeadA, 1).degrees, "0"},
      labelLon1Degrees{*this, rowRects(kHeadA, 1).degreeMark, "°"},
      Text42{*this, rowRects(kHeadA, 1).minutes, "0"},
      labelLon1Minutes{*this, rowRects(kHeadA, 1).minuteMark, "'"},
      frameLon1{*this, rowRects(kHeadA, 1).frame, "Lon E or W"},
      frameLon1Options{},
      Option27{frameLon1, kFirstOption, "E", frameLon1Options},
      Option28{frameLon1, kSecondOption, "W", frameLon1Options},
      ruleAB{*this, pixelRect(4, kHeadB - 5, 396, 2)},
      labelB{*this, pixelRect(8, kHeadB, 300, 16), "Landmark in Middle (point B)"},
      labelLat2{*this, rowRects(kHeadB, 0).label, "Latitude #2"},
      Text39{*this, rowRects(kHeadB, 0).degrees, "0"},
      labelLat2Degrees{*this, rowRects(kHeadB, 0).degreeMark, "°"},
      Text40{*this, rowRects(kHeadB, 0).minutes, "1"},
      labelLat2Minutes{*this, rowRects(kHeadB, 0).minuteMark, "'"},
      frameLat2{*this, rowRects(kHeadB, 0).frame, "Lat N or S"},
      frameLat2Options{},
      Option26{frameLat2, kFirstOption, "N", frameLat2Options},
      Option25{frameLat2, kSecondOption, "S", frameLat2Options},
      labelLon2{*this, rowRects(kHeadB, 1).label, "Longitude #2"},
      Text35{*this, rowRects(kHeadB, 1).degrees, "0"},
      labelLon2Degrees{*this, rowRects(kHeadB, 1).degreeMark, "°"},
      Text38{*this, rowRects(kHeadB, 1).minutes, "1"},
      labelLon2Minutes{*this, rowRects(kHeadB, 1).minuteMark, "'"},
      frameLon2{*this, rowRects(kHeadB, 1).frame, "Lon E or W"},
      frameLon2Options{},
      Option24{frameLon2, kFirstOption, "E", frameLon2Options},
      Option23{frameLon2, kSecondOption, "W", frameLon2Options},
      ruleBC{*this, pixelRect(4, kHeadC - 5, 396, 2)},
      labelC{*this, pixelRect(8, kHeadC, 300, 16), "Landmark on Right (point C)"},
      labelLat3{*this, rowRects(kHeadC, 0).label, "Latitude #3"},
      Text2{*this, rowRects(kHeadC, 0).degrees, "0"},
      labelLat3Degrees{*this, rowRects(kHeadC, 0).degreeMark, "°"},
      Text1{*this, rowRects(kHeadC, 0).minutes, "2"},
      labelLat3Minutes{*this, rowRects(kHeadC, 0).minuteMark, "'"},
      frameLat3{*this, rowRects(kHeadC, 0).frame, "Lat N or S"},
      frameLat3Options{},
      Option2{frameLat3, kFirstOption, "N", frameLat3Options},
      Option1{frameLat3, kSecondOption, "S", frameLat3Options},
      labelLon3{*this, rowRects(kHeadC, 1).label, "Longitude #3"},
      Text4{*this, rowRects(kHeadC, 1).degrees, "0"},
      labelLon3Degrees{*this, rowRects(kHeadC, 1).degreeMark, "°"},
      Text3{*this, rowRects(kHeadC, 1).minutes, "3"},
      labelLon3Minutes{*this, rowRects(kHeadC, 1).minuteMark, "'"},
      frameLon3{*this, rowRects(kHeadC, 1).frame, "Lon E or W"},
      frameLon3Options{},
      Option4{frameLon3, kFirstOption, "E", frameLon3Options},
      Option3{frameLon3, kSecondOption, "W", frameLon3Options},
      labelAngleAB{*this, angleRects(kAngleAB).label, "Measured Angle between points A and B"},
      Text45{*this, angleRects(kAngleAB).degrees, "34"},
      labelAngleABDegrees{*this, angleRects(kAngleAB).degreeMark, "°"},
      Text46{*this, angleRects(kAngleAB).minutes},
      labelAngleABMinutes{*this, angleRects(kAngleAB).minuteMark, "'"},
      labelAngleBC{*this, angleRects(kAngleBC).label, "Measured Angle between points B and C"},
      Text6{*this, angleRects(kAngleBC).degrees, "56"},
      labelAngleBCDegrees{*this, angleRects(kAngleBC).degreeMark, "°"},
      Text5{*this, angleRects(kAngleBC).minutes},
      labelAngleBCMinutes{*this, angleRects(kAngleBC).minuteMark, "'"},
      Label12{*this, pixelRect(0, kBandTop, kInputsWidth + 8, 40)},
      Command17{*this, pixelRect(8, kBandTop + 6, 214, 28), "Calculate Observer Position"},
      Command1{*this, pixelRect(228, kBandTop + 6, 96, 28), "CLOSE FORM"},
      labelZoom{*this, pixelRect(334, kBandTop + 2, 60, 14), " Zoom"},
      Text7{*this, pixelRect(334, kBandTop + 16, 60, kFieldHeight), "1.0"},
      Picture2{*this, pixelRect(8, kBandTop + 46, kInputsWidth, 96)},
      Picture1{*this, pixelRect(412, 8, 380, 526)},
      Label19{*this, pixelRect(8, 540, kInputsWidth, 16),
              "Left click and drag cursor to pan plot.  Right click and drag to zoom."},
      Label15{*this, pixelRect(620, 540, 172, 16), "Grab corner to resize  ---->"},
      labelHint{*this, pixelRect(8, 362, kInputsWidth, 30),
                "3-point problem (3 known landmarks and measured angles between)   Best when "
                "middle landmark is closest."},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));

    for (platform::ui::Label* heading : {&labelA, &labelB, &labelC}) {
        heading->setBold(true);
    }
    ruleAB.setBackColor(kWhite);
    ruleBC.setBackColor(kWhite);
    Label12.setBackColor(kYellowBand);
    Command17.setBold(true);
    Label19.setFontSize(7.5);
    Label15.setFontSize(7.5);
    labelHint.setFontSize(7.5);
    labelAngleAB.setFontSize(7.5);
    labelAngleBC.setFontSize(7.5);

    // Both pictures take the window's own background and text colours.
    const QPalette palette = this->palette();
    for (platform::ui::Picture* p : {&Picture1, &Picture2}) {
        p->setForeColor(platform::ui::fromQColor(palette.color(QPalette::WindowText)));
        p->setBackColor(platform::ui::fromQColor(palette.color(QPalette::Window)));
    }

    Option29.setValue(true);  // A: North, West
    Option28.setValue(true);
    Option26.setValue(true);  // B: North, West
    Option23.setValue(true);
    Option2.setValue(true);  // C: North, West
    Option3.setValue(true);

    // Every answer is read from every landmark and angle box and option:
    // editing one empties the output area and the plot until the next
    // computation. The zoom box is read by the plot's scale alone.
    const auto empty = [this] {
        Picture2.clear();
        Picture1.clear();
    };
    for (platform::ui::TextBox* box :
         {&Text43, &Text44, &Text41, &Text42, &Text39, &Text40, &Text35, &Text38, &Text2, &Text1,
          &Text4, &Text3, &Text45, &Text46, &Text6, &Text5}) {
        box->onChange(empty);
    }
    for (const auto& [first, second] :
         {std::pair{&Option29, &Option30}, std::pair{&Option27, &Option28},
          std::pair{&Option26, &Option25}, std::pair{&Option24, &Option23},
          std::pair{&Option2, &Option1}, std::pair{&Option4, &Option3}}) {
        platform::ui::onSelectionChange({first, second}, empty);
    }

    Command17.onClick([this] { Command17_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    platform::ui::connectMouse(Picture1, *this, &Form15::Picture1_MouseDown,
                               &Form15::Picture1_MouseMove, &Form15::Picture1_MouseUp);
}

Form15::~Form15() = default;

void Form15::Form_Load() {
    const float width = static_cast<float>(widthTwips());
    const float height = static_cast<float>(heightTwips());
    PlotWidthMargin = width - static_cast<float>(Picture1.width());
    PlotHeightMargin = height - static_cast<float>(Picture1.height());
    PanHintMargin = height - static_cast<float>(Label19.top());
    ResizeHintMargin = height - static_cast<float>(Label15.top());
    ResizeHintRightMargin = width - static_cast<float>(Label15.left());
}

void Form15::Form_Resize() {
    const double width = widthTwips();
    const double height = heightTwips();
    const double w = width - PlotWidthMargin;
    const double h = height - PlotHeightMargin;
    Picture1.setWidth(w > kLeastPlotTwips ? w : kLeastPlotTwips);
    Picture1.setHeight(h > kLeastPlotTwips ? h : kLeastPlotTwips);
    Label19.setTop(height - PanHintMargin);
    Label15.setTop(height - ResizeHintMargin);
    Label15.setLeft(width - ResizeHintRightMargin);
    compute();
}

ProtractorEntry Form15::entry() const {
    ProtractorEntry e;
    e.Positions = {positionOf(Text43, Text44, Option30), positionOf(Text41, Text42, Option28),
                   positionOf(Text39, Text40, Option25), positionOf(Text35, Text38, Option23),
                   positionOf(Text2, Text1, Option1),    positionOf(Text4, Text3, Option3)};
    e.AngleABDegrees = Text45.text();
    e.AngleABMinutes = Text46.text();
    e.AngleBCDegrees = Text6.text();
    e.AngleBCMinutes = Text5.text();
    e.Zoom = Text7.text();
    return e;
}

void Form15::compute() {
    const ProtractorEntry e = entry();
    const ProtractorInput in = protractorInput(e);
    state_.Zoom = in.Zoom;
    // A refused box is said where the other refusals are: on the plot, with
    // no position left in the output area.
    if (const platform::Problem problem = protractorEntryProblem(e)) {
        Picture2.clear();
        Picture1.clear();
        printPlotMessage(Picture1, " " + *problem + ".");
        return;
    }
    const ProtractorResult r = protractorCompute(in, state_, Picture1.width(), Picture1.height());
    // Without a fix the output area stays empty: no position from before
    // stands beside inputs that gave none.
    Picture2.clear();
    for (const platform::PrintLine& line : r.OutputLines) {
        Picture2.print(line);
    }
    if (r.Outcome == ProtractorOutcome::Fix) {
        state_.SpanAC = r.SpanAC;
        state_.ViewHalfWidth = r.ViewHalfWidth;
        state_.ViewHalfHeight = r.ViewHalfHeight;
        drawScene(Picture1, r.Scene);
    } else {
        Picture1.clear();
        printPlotMessage(Picture1, r.PlotMessage);
    }
}

void Form15::Command17_Click() {
    compute();
}

void Form15::Command1_Click() {
    hide();
}

void Form15::Picture1_MouseDown(int /*Button*/, int /*Shift*/, double X, double Y) {
    // A right drag zooms from the zoom box's value.
    state_.Zoom = protractorZoom(Text7.text());
    protractorMouseDown(state_, X, Y);
    app_.setMousePointer(platform::ui::MousePointer::SizeAll);
}

void Form15::Picture1_MouseMove(int Button, int /*Shift*/, double X, double Y) {
    const ProtractorDragStep step = protractorMouseMove(state_, Button, X, Y);
    if (step.ZoomText) {
        Text7.setText(*step.ZoomText);
    }
    if (step.Recompute) {
        compute();
    }
}

void Form15::Picture1_MouseUp(int /*Button*/, int /*Shift*/, double /*X*/, double /*Y*/) {
    protractorMouseUp(state_);
    app_.setMousePointer(platform::ui::MousePointer::Default);
}

}  // namespace calculators

namespace app {
calculators::Form15& App::form15() {
    return window<calculators::Form15>(*this);
}
}  // namespace app
