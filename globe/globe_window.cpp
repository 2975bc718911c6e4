#include "globe/globe_window.h"

#include <QHideEvent>

#include "app/app.h"
#include "platform/ui/color.h"

namespace app {
globe::Form16& App::form16() {
    return window<globe::Form16>(*this);
}
}  // namespace app

namespace globe {

namespace {

using platform::ui::pixelRect;

// The window's client area, pixels.
constexpr double kWidth = 760;
constexpr double kHeight = 640;
// The least picture size: one pixel each way.
constexpr double kLeastPictureTwips = platform::ui::kTwipsPerPixel;

platform::ui::Color toColor(const SceneColor& c) {
    return platform::ui::rgb(c.r, c.g, c.b);
}

// What the globe reads of the sight log and the last reduction.
GlobeSights sightsFromApp(const app::App& app) {
    GlobeSights s;
    s.SightCount = app.Log.SightCount;
    for (int i = 0; i < reduction::kSightLogSize; ++i) {
        s.Included[i] = app.Log.SightData[i][reduction::kFieldIncluded];
    }
    s.CopGha = app.Reduction.CopGha;
    s.CopDec = app.Reduction.CopDec;
    s.CopHo = app.Reduction.CopHo;
    return s;
}

}  // namespace

Form16::Form16(app::App& app)
    : Form(app, kForm16Caption),
      Label13{*this, pixelRect(8, 6, 280, 18), "Rotate view with left click and drag"},
      Label2{*this, pixelRect(300, 6, 280, 18), " Zoom with right click and drag"},
      Label1{*this, pixelRect(8, 34, 76, 18), "Zoom Factor"},
      Text1{*this, pixelRect(86, 30, 60, 22), "1.0"},
      Label10{*this, pixelRect(160, 34, 270, 18)},
      Label11{*this, pixelRect(440, 34, 300, 18)},
      Command1{*this, pixelRect(8, 66, 120, 30), "Reset Zoom = 1"},
      Command2{*this, pixelRect(8, 104, 120, 30), "Print"},
      Command4{*this, pixelRect(8, 142, 120, 30), "CLOSE "},
      Picture1{*this, pixelRect(136, 62, 616, 552)},
      Label8{*this, pixelRect(560, 618, 192, 18), "grab corner to resize  ----->"},
      app_(app) {
    resizeTwips(platform::ui::px(kWidth), platform::ui::px(kHeight));
    for (platform::ui::Label* bold : {&Label13, &Label2, &Label10, &Label11}) {
        bold->setBold(true);
    }
    Label8.setAlignment(platform::ui::Label::AlignRight);
    Text1.setEnabled(false);
    Picture1.setBackColor(platform::ui::rgb(0, 0, 0));
    Picture1.setForeColor(platform::ui::rgb(255, 255, 0));

    platform::ui::connectMouse(Picture1, *this, &Form16::Picture1_MouseDown,
                               &Form16::Picture1_MouseMove, &Form16::Picture1_MouseUp);
    Picture1.onMouseLeave([this] { Picture1_MouseLeave(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command4.onClick([this] { Command4_Click(); });
}

Form16::~Form16() {
    // Unloaded in the middle of a drag: the pointer goes back.
    if (drag_.ButtonHeld) {
        endDrag();
    }
}

void Form16::Form_Load() {
    RightMargin = widthTwips() - (Picture1.left() + Picture1.width());
    BottomMargin = heightTwips() - (Picture1.top() + Picture1.height());
    hintBottomGap_ = heightTwips() - Label8.top();
    hintRightGap_ = widthTwips() - Label8.left();
    // The zoom box keeps its text "1.0".
    view_ = initialView(sightsFromApp(app_));
    DrawGlobe();
}

void Form16::Form_Resize() {
    const double w = widthTwips() - RightMargin - Picture1.left();
    const double h = heightTwips() - BottomMargin - Picture1.top();
    Picture1.setWidth(w > kLeastPictureTwips ? w : kLeastPictureTwips);
    Picture1.setHeight(h > kLeastPictureTwips ? h : kLeastPictureTwips);
    // The hint stays at the sizing corner.
    Label8.setTop(heightTwips() - hintBottomGap_);
    Label8.setLeft(widthTwips() - hintRightGap_);
    DrawGlobe();
}

void Form16::DrawGlobe() {
    // Every label draw reseeds the generator from the clock; the clock is read
    // once a redraw, which takes less than one of its ticks.
    platform::ui::Random& random = app_.random();
    const double clock = platform::ui::secondsSinceMidnight(app_.clock().now());
    const GlobeFrame frame = globe::DrawGlobe(
        view_, sightsFromApp(app_), Picture1.width(), Picture1.height(),
        [&random, clock] {
            random.reseed(clock);
            return random.next();
        },
        scene_);
    if (!frame.drawn) {
        return;  // the picture has no area: the last drawing stays
    }
    frame_ = frame;
    // The read-out belonged to the picture about to be cleared.
    clearReadout();
    platform::ui::Picture& p = Picture1;
    p.clear();
    p.setScale(frame.ScaleLeft, frame.ScaleTop, frame.ScaleWidth, frame.ScaleHeight);
    for (const SceneStep& step : scene_.steps) {
        switch (step.kind) {
            case SceneStep::Kind::Disc:
                p.setFillStyle(platform::ui::FillStyle::Solid);
                p.setFillColor(toColor(step.color));
                p.circle(step.x, step.y, step.radius, toColor(step.color));
                p.setFillStyle(platform::ui::FillStyle::Transparent);
                break;
            case SceneStep::Kind::Lines:
                p.lines(scene_.segmentsOf(step), step.count, toColor(step.color));
                break;
            case SceneStep::Kind::Point:
                p.point(step.x, step.y, toColor(step.color));
                break;
            case SceneStep::Kind::Label:
                p.setCurrentX(step.x);
                p.setCurrentY(step.y);
                p.print(step.text);
                break;
        }
    }
}

void Form16::Picture1_MouseDown(int /*Button*/, int /*Shift*/, double X, double Y) {
    drag_.ButtonHeld = true;
    dragStart(view_, drag_, X, Y);
    app_.setMousePointer(platform::ui::MousePointer::SizeAll);
}

void Form16::Picture1_MouseUp(int /*Button*/, int /*Shift*/, double /*X*/, double /*Y*/) {
    endDrag();
}

void Form16::endDrag() {
    drag_.ButtonHeld = false;
    drag_.DragStarted = false;
    app_.setMousePointer(platform::ui::MousePointer::Default);
}

void Form16::Picture1_MouseMove(int Button, int /*Shift*/, double X, double Y) {
    if (!drag_.ButtonHeld) {
        // The radius of the globe on the picture, whatever the zoom box shows.
        // Off the disc the pointer is over no place: the read-out empties.
        const PointerReadout readout =
            pointerReadout(frame_.Radius, X, Y, frame_.InverseViewMatrix);
        Label10.setCaption(readout.Latitude);
        Label11.setCaption(readout.Longitude);
        return;
    }
    dragMove(view_, drag_, Button, X, Y);
    if (Button == 2) {
        Text1.setText(zoomBoxText(view_.Zoom));
    }
    DrawGlobe();
}

void Form16::Picture1_MouseLeave() {
    clearReadout();
}

void Form16::clearReadout() {
    Label10.setCaption("");
    Label11.setCaption("");
}

void Form16::Command1_Click() {
    view_.Zoom = 1;
    Text1.setText(zoomBoxText(view_.Zoom));
    DrawGlobe();
}

void Form16::Command2_Click() {
    printForm();
}

void Form16::Command4_Click() {
    hide();
}

void Form16::hideEvent(QHideEvent* event) {
    // A window hidden in the middle of a drag gives the pointer back.
    if (drag_.ButtonHeld) {
        endDrag();
    }
    Form::hideEvent(event);
}

}  // namespace globe
