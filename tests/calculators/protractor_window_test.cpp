// The three-arm protractor window offscreen: its controls and defaults, the
// computation on the first display and on the button, the output lines and
// the plot as drawn, panning and zooming by real pointer events, the
// failure lines, resizing and hiding.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>
#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "calculators/protractor_window.h"
#include "platform/ui/picture.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using calculators::Form15;
using platform::ui::Color;
using platform::ui::DrawItem;
using platform::ui::MousePointer;

const Color kGrey{180, 180, 180};
const Color kFixRed{250, 50, 50};
const Color kMagenta{255, 0, 255};
const Color kBlack{0, 0, 0};
const Color kDarkGrey{50, 50, 50};
const std::string kDeg = "\xC2\xB0";  // "°"

class ProtractorWindowTest : public ::testing::Test {
  protected:
    // The window as the navigator first sees it: created, shown, computed.
    Form15& shown() {
        Form15& f = app.form15();
        f.showModeless();
        return f;
    }

    std::vector<const DrawItem*> plotItems(DrawItem::Kind kind, const Color& color) {
        std::vector<const DrawItem*> out;
        for (const DrawItem& d : app.form15().Picture1.displayList()) {
            if (d.kind == kind && d.color == color) {
                out.push_back(&d);
            }
        }
        return out;
    }

    static std::vector<std::string> textsOf(const platform::ui::Picture& p) {
        std::vector<std::string> out;
        for (const DrawItem& d : p.displayList()) {
            if (d.kind == DrawItem::Kind::Text) {
                out.push_back(d.text);
            }
        }
        return out;
    }

    // The plot's text lines as one, as a message that wraps reads.
    static std::string plotText(const platform::ui::Picture& p) {
        std::string joined;
        for (const std::string& line : textsOf(p)) {
            joined += line;
        }
        return joined;
    }

    // The fix mark: the red circle.
    const DrawItem& fixMark() {
        const auto red = plotItems(DrawItem::Kind::Circle, kFixRed);
        EXPECT_EQ(red.size(), 1u);
        return *red.at(0);
    }

    // A drag with one button from one user point through others.
    void drag(Qt::MouseButton button, std::vector<std::pair<double, double>> points) {
        platform::ui::Picture& p = app.form15().Picture1;
        uitest::mouseDown(p, p.toPixel(points[0].first, points[0].second), button);
        for (const auto& [x, y] : points) {
            uitest::mouseMove(p, p.toPixel(x, y), button);
        }
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(ProtractorWindowTest, ControlsAndDefaults) {
    Form15& f = app.form15();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.caption(),
              "3-Arm Protractor (3-Point Resection) using Kestlow Method giving 2 Circles Of "
              "Position for Coastal Position Fix");
    struct Box {
        platform::ui::TextBox* box;
        const char* text;
    };
    const std::vector<Box> boxes = {
        {&f.Text43, "0"}, {&f.Text44, "0"},  {&f.Text41, "0"},  {&f.Text42, "0"}, {&f.Text39, "0"},
        {&f.Text40, "1"}, {&f.Text35, "0"},  {&f.Text38, "1"},  {&f.Text2, "0"},  {&f.Text1, "2"},
        {&f.Text4, "0"},  {&f.Text3, "3"},   {&f.Text45, "34"}, {&f.Text46, ""},  {&f.Text6, "56"},
        {&f.Text5, ""},   {&f.Text7, "1.0"},
    };
    for (const Box& b : boxes) {
        EXPECT_EQ(b.box->text(), b.text);
    }
    // North and West set for each landmark.
    for (platform::ui::OptionButton* set :
         {&f.Option29, &f.Option28, &f.Option26, &f.Option23, &f.Option2, &f.Option3}) {
        EXPECT_TRUE(set->value()) << set->caption();
    }
    for (platform::ui::OptionButton* clear :
         {&f.Option30, &f.Option27, &f.Option25, &f.Option24, &f.Option1, &f.Option4}) {
        EXPECT_FALSE(clear->value()) << clear->caption();
    }
    EXPECT_EQ(f.Option29.caption(), "N");
    EXPECT_EQ(f.Option30.caption(), "S");
    EXPECT_EQ(f.Option27.caption(), "E");
    EXPECT_EQ(f.Option28.caption(), "W");
    EXPECT_EQ(f.frameLat1.caption(), "Lat N or S");
    EXPECT_EQ(f.frameLon3.caption(), "Lon E or W");
    EXPECT_EQ(f.labelA.caption(), "Landmark on Left (point A)");
    EXPECT_EQ(f.labelB.caption(), "Landmark in Middle (point B)");
    EXPECT_EQ(f.labelC.caption(), "Landmark on Right (point C)");
    EXPECT_EQ(f.labelLat1.caption(), "Latitude #1");
    EXPECT_EQ(f.labelLon3.caption(), "Longitude #3");
    EXPECT_EQ(f.labelAngleAB.caption(), "Measured Angle between points A and B");
    EXPECT_EQ(f.labelAngleBC.caption(), "Measured Angle between points B and C");
    EXPECT_EQ(f.Command17.caption(), "Calculate Observer Position");
    EXPECT_EQ(f.Command1.caption(), "CLOSE FORM");
    EXPECT_EQ(f.labelZoom.caption(), " Zoom");
    EXPECT_EQ(f.Label19.caption(),
              "Left click and drag cursor to pan plot.  Right click and drag to zoom.");
    EXPECT_EQ(f.Label15.caption(), "Grab corner to resize  ---->");
    EXPECT_EQ(f.labelHint.caption(),
              "3-point problem (3 known landmarks and measured angles between)   Best when "
              "middle landmark is closest.");
    EXPECT_EQ(f.Label12.backColor(), (Color{255, 255, 128}));
    // The plot on the right, the output area under the inputs.
    EXPECT_GT(f.Picture1.left(), f.Picture2.left() + f.Picture2.width());
    EXPECT_GT(f.Picture2.top(), f.Command17.top());
    EXPECT_GT(f.Picture1.height(), f.heightTwips() * 9 / 10);
    // Nothing is computed before the first display.
    EXPECT_TRUE(f.Picture1.displayList().empty());
    EXPECT_TRUE(f.Picture2.displayList().empty());
}

TEST_F(ProtractorWindowTest, FirstDisplayComputesTheDefaults) {
    Form15& f = shown();
    const std::vector<std::string> out = textsOf(f.Picture2);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].rfind("Position Fix    N 0 " + kDeg + "  ", 0), 0u) << out[0];
    EXPECT_NE(out[0].find("'        W 0 " + kDeg + "  "), std::string::npos) << out[0];
    EXPECT_EQ(out[1].rfind("Radial distance from Left Landmark  ", 0), 0u);
    EXPECT_EQ(out[2].rfind("Radial distance from Middle Landmark  ", 0), 0u);
    EXPECT_EQ(out[3].rfind("Radial distance from Right Landmark  ", 0), 0u);
    EXPECT_EQ(out[4], "Tic marks on plot are 1.0 nautical mile increments");
    // The plot: about 7.2 n.mi. wide with the fix in its middle.
    EXPECT_NEAR(f.Picture1.scaleWidth(), 2 * std::sqrt(13.0), 1e-6);
    EXPECT_NEAR(f.Picture1.scaleLeft(), -std::sqrt(13.0), 1e-6);
    EXPECT_LT(f.Picture1.scaleHeight(), 0);  // y grows upward
    EXPECT_EQ(fixMark().x1, 0);
    EXPECT_EQ(fixMark().y1, 0);
    EXPECT_EQ(f.state().ViewHalfWidth, f.Picture1.scaleWidth() / 2);
    EXPECT_EQ(textsOf(f.Picture1), (std::vector<std::string>{" FIX", "  LEFT", "  RIGHT"}));
}

TEST_F(ProtractorWindowTest, PlotAsDrawn) {
    Form15& f = shown();
    const double w = f.state().ViewHalfWidth;
    const double h = f.Picture1.scaleTop();
    // 28 grey lines of one pixel, the first 8 the axes, arrow and N.
    const auto grey = plotItems(DrawItem::Kind::Line, kGrey);
    ASSERT_EQ(grey.size(), 28u);
    for (const DrawItem* d : grey) {
        EXPECT_EQ(d->drawWidth, 1);
    }
    EXPECT_NEAR(grey[0]->x1, -0.95 * w, 1e-12);
    EXPECT_NEAR(grey[1]->y2, 0.95 * h, 1e-12);
    // The ticks at 1 to 5 n.mi.: east, west, north, south of the fix.
    for (int i = 1; i <= 5; ++i) {
        const DrawItem* const* t = &grey[8 + 4 * (i - 1)];
        EXPECT_DOUBLE_EQ(t[0]->x1, i);
        EXPECT_DOUBLE_EQ(t[0]->x2, i);
        EXPECT_NEAR(t[0]->y1, -0.02 * h, 1e-12);
        EXPECT_NEAR(t[0]->y2, 0.02 * h, 1e-12);
        EXPECT_DOUBLE_EQ(t[1]->x1, -i);
        EXPECT_DOUBLE_EQ(t[2]->y1, i);
        EXPECT_NEAR(t[2]->x1, -0.02 * w, 1e-12);
        EXPECT_NEAR(t[2]->x2, 0.02 * w, 1e-12);
        EXPECT_DOUBLE_EQ(t[3]->y2, -i);
    }
    EXPECT_EQ(plotItems(DrawItem::Kind::Line, kMagenta).size(), 3u);
    EXPECT_EQ(plotItems(DrawItem::Kind::Circle, kBlack).size(), 3u);
    const auto circles = plotItems(DrawItem::Kind::Circle, kDarkGrey);
    ASSERT_EQ(circles.size(), 2u);
    // Both circles pass through the fix (at the plot's centre).
    for (const DrawItem* c : circles) {
        EXPECT_NEAR(std::hypot(c->x1, c->y1), c->radius, 1e-3 * c->radius);
    }
    // The texts in the picture's text colour, from the circles' centres.
    const QColor windowText = f.palette().color(QPalette::WindowText);
    for (const DrawItem& d : f.Picture1.displayList()) {
        if (d.kind == DrawItem::Kind::Text) {
            EXPECT_EQ(d.color, platform::ui::fromQColor(windowText)) << d.text;
        }
    }
}

TEST_F(ProtractorWindowTest, LeftDragPansThroughPointerEvents) {
    Form15& f = shown();
    const double w = f.state().ViewHalfWidth;
    drag(Qt::LeftButton, {{0.5, 0.5}, {1.5, 0.0}});
    EXPECT_EQ(app.mousePointer(), MousePointer::SizeAll);
    // The pointer moved 1 east and 0.5 south: the fix follows (to the pixel).
    const double pixel = f.Picture1.scaleWidth() / f.Picture1.widget()->width();
    EXPECT_NEAR(fixMark().x1, 1.0, pixel);
    EXPECT_NEAR(fixMark().y1, -0.5, pixel);
    EXPECT_EQ(fixMark().x1, f.state().PanX);
    // Far beyond the plot: held at the half width both ways.
    platform::ui::Picture& p = f.Picture1;
    uitest::mouseMove(p, p.toPixel(-3 * w, 3 * w), Qt::LeftButton);
    EXPECT_EQ(fixMark().x1, -w);
    EXPECT_EQ(fixMark().y1, w);
    uitest::mouseUp(p, p.toPixel(-3 * w, 3 * w), Qt::LeftButton);
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
    // The pan stays for the next computation.
    f.Command17.click();
    EXPECT_EQ(fixMark().x1, -w);
}

TEST_F(ProtractorWindowTest, RightDragZoomsThroughPointerEvents) {
    Form15& f = shown();
    platform::ui::Picture& p = f.Picture1;
    // At the start height the zoom is unchanged and loses its ".0".
    drag(Qt::RightButton, {{0, 0}, {0.3, 0}});
    EXPECT_EQ(f.Text7.text(), "1");
    // Down by half the half width: 2^0.5 = 1.414, cut to 1.4 in the box.
    const double w = f.state().ViewHalfWidth;
    const QPointF halfDown = p.toPixel(0, -0.5 * w);
    uitest::mouseMove(p, halfDown, Qt::RightButton);
    EXPECT_EQ(f.Text7.text(), "1.4");
    EXPECT_NEAR(f.state().ViewHalfWidth, std::sqrt(13.0) / 1.4, 1e-6);
    EXPECT_NEAR(p.scaleWidth(), 2 * std::sqrt(13.0) / 1.4, 1e-6);
    // The same place on the screen, now in the new scale, keeps the zoom.
    uitest::mouseMove(p, halfDown, Qt::RightButton);
    EXPECT_EQ(f.Text7.text(), "1.4");
    // Far down: held at 2; far up: held at 0.5.
    uitest::mouseMove(p, p.toPixel(0, -100), Qt::RightButton);
    EXPECT_EQ(f.Text7.text(), "2");
    uitest::mouseMove(p, p.toPixel(0, 100), Qt::RightButton);
    EXPECT_EQ(f.Text7.text(), "0.5");
    uitest::mouseUp(p, p.toPixel(0, 100), Qt::RightButton);
    EXPECT_NEAR(f.state().ViewHalfWidth, 2 * std::sqrt(13.0), 1e-6);
    // The pan did not move.
    EXPECT_EQ(fixMark().x1, 0);
}

TEST_F(ProtractorWindowTest, TheSameDragInFiveAndThirtyPixelStepsGivesTheSameZoom) {
    Form15& f = shown();
    platform::ui::Picture& p = f.Picture1;
    // 90 pixels down from the middle; the zoom that gives, from the scale at
    // the start: 2^(distance / half width). At this window's size that is
    // 1.39, in the upper half of its tenth: cut, not rounded, it shows 1.3.
    const double unitsPerPixel = 1 / (p.toPixel(0, 0).y() - p.toPixel(0, 1).y());
    const double zoom = std::pow(2.0, 90 * unitsPerPixel / f.state().ViewHalfWidth);
    ASSERT_GT(zoom - std::floor(10 * zoom) / 10, 0.055) << zoom;
    ASSERT_GT(zoom, 1.2);
    ASSERT_LT(zoom, 2);
    const QPointF start = p.toPixel(0, 0);
    std::vector<std::string> zooms;
    for (const int stepPixels : {5, 30}) {
        uitest::userType(f.Text7, "1.0");
        uitest::userClick(f.Command17);
        // The press starts the drag; the first move is already a step away.
        uitest::mouseDown(p, start, Qt::RightButton);
        for (int down = stepPixels; down <= 90; down += stepPixels) {
            uitest::mouseMove(p, start + QPointF(0, down), Qt::RightButton);
        }
        uitest::mouseUp(p, start + QPointF(0, 90), Qt::RightButton);
        zooms.push_back(f.Text7.text());
    }
    EXPECT_EQ(zooms[0], zooms[1]);
    // The box shows it cut to the tenth.
    ASSERT_EQ(zooms[0].size(), 3u) << zooms[0];
    EXPECT_EQ(zooms[0].compare(0, 2, "1."), 0) << zooms[0];
    EXPECT_DOUBLE_EQ(std::stod(zooms[0]), std::floor(10 * zoom) / 10) << zoom;
}

TEST_F(ProtractorWindowTest, BoxesThatAreNotNumbersAreRefusedOnThePlot) {
    // Each box of the positions and angles in turn: the plot names it, no
    // position stays in the output area, no message box; the zoom box keeps
    // its own rule.
    Form15& f = shown();
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> boxes = {
        {&f.Text43, "Latitude #1 degrees"},
        {&f.Text44, "Latitude #1 minutes"},
        {&f.Text41, "Longitude #1 degrees"},
        {&f.Text42, "Longitude #1 minutes"},
        {&f.Text39, "Latitude #2 degrees"},
        {&f.Text40, "Latitude #2 minutes"},
        {&f.Text35, "Longitude #2 degrees"},
        {&f.Text38, "Longitude #2 minutes"},
        {&f.Text2, "Latitude #3 degrees"},
        {&f.Text1, "Latitude #3 minutes"},
        {&f.Text4, "Longitude #3 degrees"},
        {&f.Text3, "Longitude #3 minutes"},
        {&f.Text45, "Angle between A and B degrees"},
        {&f.Text46, "Angle between A and B minutes"},
        {&f.Text6, "Angle between B and C degrees"},
        {&f.Text5, "Angle between B and C minutes"},
    };
    const char* const badTexts[] = {"abc", "2,75", "1.2.3", "12abc", "1e3"};
    int bad = 0;
    for (const auto& [box, label] : boxes) {
        SCOPED_TRACE(label);
        const std::string before = box->text();
        uitest::userType(*box, badTexts[bad++ % 5]);
        uitest::userClick(f.Command17);
        EXPECT_EQ(plotText(f.Picture1),
                  " " + label + " must be a number (use a point for decimals).");
        EXPECT_TRUE(textsOf(f.Picture2).empty());
        uitest::userType(*box, before);
        uitest::userClick(f.Command17);
        ASSERT_EQ(textsOf(f.Picture2).size(), 5u);
    }
    // Ranges: minutes 0 to below 60, longitudes not beyond 180.
    for (const auto& [box, text, message] :
         std::vector<std::tuple<platform::ui::TextBox*, const char*, std::string>>{
             {&f.Text42, "60", " Longitude #1 minutes must be 0 to below 60."},
             {&f.Text46, "-75", " Angle between A and B minutes must be 0 to below 60."},
             {&f.Text35, "181", " Longitude #2 must be between 0 and 180 degrees."}}) {
        const std::string before = box->text();
        uitest::userType(*box, text);
        uitest::userClick(f.Command17);
        EXPECT_EQ(plotText(f.Picture1), message);
        EXPECT_TRUE(textsOf(f.Picture2).empty());
        uitest::userType(*box, before);
    }
    // Each line of a message within the plot.
    uitest::userType(f.Text45, "x");
    uitest::userClick(f.Command17);
    for (const std::string& line : textsOf(f.Picture1)) {
        EXPECT_LE(f.Picture1.textWidthTwips(line), f.Picture1.width()) << line;
    }
    EXPECT_TRUE(env.messages.calls.empty());
    EXPECT_EQ(env.messages.beeps, 0);
}

TEST_F(ProtractorWindowTest, FixAndDistancesReadRounded) {
    // The defaults' fix and distances (solved independently, see the
    // computation's test): 2.37019' N, 0.32842' W; 2.39283, 1.52592 and
    // 2.69710 n.mi., each to the hundredth.
    Form15& f = shown();
    const std::vector<std::string> lines = textsOf(f.Picture2);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0],
              "Position Fix    N 0 " + kDeg + "  2.37 '        W 0 " + kDeg + "  0.33 ' ");
    EXPECT_EQ(lines[2], "Radial distance from Middle Landmark  1.53  nmiles");
    EXPECT_EQ(lines[3], "Radial distance from Right Landmark  2.70  nmiles");
}

TEST_F(ProtractorWindowTest, MoveWithoutButtonDrawsNothing) {
    Form15& f = shown();
    const std::vector<DrawItem> before = f.Picture1.displayList();
    f.Text45.setText("40");  // typed, not yet computed: the plot is emptied
    EXPECT_TRUE(textsOf(f.Picture1).empty());
    platform::ui::Picture& p = f.Picture1;
    uitest::mouseMove(p, p.toPixel(1, 1), Qt::NoButton);
    drag(Qt::LeftButton, {{0, 0}});
    uitest::mouseUp(p, p.toPixel(0, 0), Qt::LeftButton);
    const std::vector<DrawItem> afterUp = f.Picture1.displayList();
    uitest::mouseMove(p, p.toPixel(2, 2), Qt::LeftButton);  // button already up
    EXPECT_EQ(f.Picture1.displayList().size(), afterUp.size());
    EXPECT_EQ(f.state().PanX, 0);
    // The one move with the button down recomputed with the new angle.
    // (the circle of A and B is the last but one item).
    EXPECT_NE(afterUp[afterUp.size() - 2].radius, before[before.size() - 2].radius);
}

TEST_F(ProtractorWindowTest, FailuresClearThePlotAndTheOutput) {
    // A good fix, then a failed check, then a geometry without a fix: after
    // each failure the plot holds its one line and no position is shown.
    Form15& f = shown();
    ASSERT_EQ(textsOf(f.Picture2).size(), 5u);
    EXPECT_EQ(textsOf(f.Picture2)[0].rfind("Position Fix", 0), 0u);
    const double halfWidth = f.state().ViewHalfWidth;
    struct Case {
        const char* name;
        std::vector<std::pair<platform::ui::TextBox*, const char*>> typed;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"angle of 0", {{&f.Text45, "0"}}, " Angles must be non-zero."},
        // C typed at B: passes the check, no fix.
        {"C at B",
         {{&f.Text1, "1"}, {&f.Text3, "1"}},
         " No fix found for these landmarks and angles."},
        {"angle of 180", {{&f.Text45, "180"}}, " Angles must be less than 180 degrees."},
        {"angle of 200", {{&f.Text6, "200"}}, " Angles must be less than 180 degrees."},
        {"B at A",
         {{&f.Text40, "0"}, {&f.Text38, "0"}},
         " Landmarks A and B are at the same position."},
        {"C at A",
         {{&f.Text1, "0"}, {&f.Text3, "0"}},
         " Landmarks A and C are at the same position."},
        {"latitude of C", {{&f.Text2, "91"}}, " Latitude #3 must be between 0 and 90 degrees."},
    };
    for (const Case& c : cases) {
        for (const auto& [box, text] : c.typed) {
            uitest::userType(*box, text);
        }
        uitest::userClick(f.Command17);
        ASSERT_EQ(f.Picture1.displayList().size(), 1u) << c.name;
        const DrawItem& only = f.Picture1.displayList()[0];
        EXPECT_EQ(only.text, c.message) << c.name;
        // Top-left corner of the plot.
        EXPECT_EQ(only.x1, f.Picture1.scaleLeft()) << c.name;
        EXPECT_EQ(only.y1, f.Picture1.scaleTop()) << c.name;
        EXPECT_TRUE(textsOf(f.Picture2).empty()) << c.name;
        EXPECT_EQ(f.state().ViewHalfWidth, halfWidth) << c.name;
        // Back to the defaults: the fix is shown again.
        for (const auto& [box, text] :
             std::vector<std::pair<platform::ui::TextBox*, const char*>>{{&f.Text45, "34"},
                                                                         {&f.Text6, "56"},
                                                                         {&f.Text40, "1"},
                                                                         {&f.Text38, "1"},
                                                                         {&f.Text2, "0"},
                                                                         {&f.Text1, "2"},
                                                                         {&f.Text3, "3"}}) {
            uitest::userType(*box, text);
        }
        uitest::userClick(f.Command17);
        EXPECT_EQ(plotItems(DrawItem::Kind::Line, kGrey).size(), 28u) << c.name;
        EXPECT_EQ(textsOf(f.Picture2).size(), 5u) << c.name;
    }
    // No message box at any of them.
    EXPECT_TRUE(env.messages.calls.empty());
}

TEST_F(ProtractorWindowTest, DragWithARefusedFieldShowsNoMessage) {
    Form15& f = shown();
    uitest::userType(f.Text43, "95");
    drag(Qt::LeftButton, {{0, 0}, {0.5, 0.5}, {1, 1}});
    uitest::mouseUp(f.Picture1, f.Picture1.toPixel(1, 1), Qt::LeftButton);
    ASSERT_EQ(f.Picture1.displayList().size(), 1u);
    EXPECT_EQ(f.Picture1.displayList()[0].text, " Latitude #1 must be between 0 and 90 degrees.");
    EXPECT_TRUE(textsOf(f.Picture2).empty());
    // A resize refuses as silently.
    f.resizeTwips(f.widthTwips() + 300, f.heightTwips() + 300);
    EXPECT_EQ(f.Picture1.displayList().at(0).text,
              " Latitude #1 must be between 0 and 90 degrees.");
    EXPECT_TRUE(env.messages.calls.empty());
    EXPECT_EQ(env.messages.beeps, 0);
}

TEST_F(ProtractorWindowTest, FailedCheckTakesTheTypedZoomAndKeepsTheView) {
    // The zoom just typed is read even when the check fails; the view (span
    // and half width) stays that of the last plot, and a right drag that
    // stays at its start height goes on from the typed zoom.
    Form15& f = shown();
    const double span = f.state().SpanAC;
    const double halfWidth = f.state().ViewHalfWidth;
    uitest::userType(f.Text7, "1.5");
    uitest::userType(f.Text6, "0");
    uitest::userClick(f.Command17);
    EXPECT_EQ(f.state().Zoom, 1.5);
    EXPECT_EQ(f.state().SpanAC, span);
    EXPECT_EQ(f.state().ViewHalfWidth, halfWidth);
    drag(Qt::RightButton, {{0, 0}, {0.5, 0}});
    EXPECT_EQ(f.Text7.text(), "1.5");
    EXPECT_EQ(f.Picture1.displayList().at(0).text, " Angles must be non-zero.");
}

TEST_F(ProtractorWindowTest, TypedZoom) {
    Form15& f = shown();
    struct Case {
        const char* text;
        double zoom;
    };
    for (const Case& c : std::vector<Case>{{"0", 1}, {"", 1}, {"abc", 1}, {"-3", 1}, {"3", 3}}) {
        uitest::userType(f.Text7, c.text);
        uitest::userClick(f.Command17);
        EXPECT_NEAR(f.state().ViewHalfWidth, std::sqrt(13.0) / c.zoom, 1e-6) << c.text;
        EXPECT_EQ(f.Text7.text(), c.text);
    }
    // So large that the view is narrower than 1e-6 n.mi.: the fix is written,
    // the plot holds one line.
    uitest::userType(f.Text7, "99999999999");
    uitest::userClick(f.Command17);
    ASSERT_EQ(f.Picture1.displayList().size(), 1u);
    EXPECT_EQ(f.Picture1.displayList()[0].text, std::string(calculators::kProtractorViewText));
    EXPECT_EQ(textsOf(f.Picture2).size(), 5u);
    // A drag then works on the last view that was drawn.
    EXPECT_NEAR(f.state().ViewHalfWidth, std::sqrt(13.0) / 3, 1e-6);
}

TEST_F(ProtractorWindowTest, BoatNearTheLandmarksCircleShowsNoFixAndAWeakFixSaysSo) {
    Form15& f = shown();
    // Landmarks 0 2' N 0 3' W, 0 1' N 0 1' W, 0 0' N 0 0' W seen 11 18.6'
    // and 7 7.5' apart from a boat at 0 8' S 0 8' W, almost on their circle.
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> typed = {
        {&f.Text44, "2"},  {&f.Text42, "3"},    {&f.Text1, "0"}, {&f.Text3, "0"},
        {&f.Text45, "11"}, {&f.Text46, "18.6"}, {&f.Text6, "7"}, {&f.Text5, "7.5"}};
    for (const auto& [box, text] : typed) {
        uitest::userType(*box, text);
    }
    uitest::userClick(f.Command17);
    EXPECT_TRUE(textsOf(f.Picture2).empty());
    EXPECT_EQ(
        textsOf(f.Picture1),
        (std::vector<std::string>{" No reliable fix: the boat is near the landmarks' circle."}));
    EXPECT_TRUE(plotItems(DrawItem::Kind::Circle, kFixRed).empty());

    // From 0 8' S 0 4' W the angles are 12 43.5' and 8 7.8': the fix is
    // found, its circles crossing at 2.4 degrees, and the output says so in
    // a sixth line that fits the output area.
    for (const auto& [box, text] : std::vector<std::pair<platform::ui::TextBox*, std::string>>{
             {&f.Text45, "12"}, {&f.Text46, "43.5"}, {&f.Text6, "8"}, {&f.Text5, "7.8"}}) {
        uitest::userType(*box, text);
    }
    uitest::userClick(f.Command17);
    const std::vector<std::string> lines = textsOf(f.Picture2);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0],
              "Position Fix    S 0 " + kDeg + "  8.00 '        W 0 " + kDeg + "  4.01 ' ");
    EXPECT_EQ(lines[5],
              "Weak fix: circles cross at 2.4" + kDeg + ", boat near the landmarks' circle");
    const QFontMetrics metrics(f.Picture2.widget()->font());
    EXPECT_LT(metrics.horizontalAdvance(QString::fromStdString(lines[5])),
              f.Picture2.widget()->width());
    EXPECT_EQ(plotItems(DrawItem::Kind::Circle, kFixRed).size(), 1u);
    EXPECT_TRUE(env.log.empty());
}

TEST_F(ProtractorWindowTest, PlotMessagesFitThePlot) {
    // Each one-line message is read whole in the plot at the window's size.
    Form15& f = shown();
    const QWidget* plot = f.Picture1.widget();
    const QFontMetrics metrics(plot->font());
    for (const std::string_view message :
         {calculators::kProtractorAnglesZeroText, calculators::kProtractorNoFixText,
          calculators::kProtractorViewText, calculators::kProtractorAngleTooLargeText,
          calculators::kProtractorBAtAText, calculators::kProtractorCAtAText,
          calculators::kProtractorUnreliableText,
          std::string_view(" Latitude #1 must be between 0 and 90 degrees.")}) {
        EXPECT_LT(metrics.horizontalAdvance(
                      QString::fromUtf8(message.data(), static_cast<int>(message.size()))),
                  plot->width())
            << message;
    }
}

TEST_F(ProtractorWindowTest, HugeCircleDrawsWithoutHanging) {
    // An angle of a thousandth of a minute: circle A is some ten million n.mi.
    // across on a plot a few miles wide (the boat near the line of A and B
    // beyond B, where it sees B and C 45 degrees apart).
    Form15& f = shown();
    uitest::userType(f.Text45, "0");
    uitest::userType(f.Text46, "0.001");
    uitest::userType(f.Text6, "45");
    uitest::userClick(f.Command17);
    const auto circles = plotItems(DrawItem::Kind::Circle, kDarkGrey);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_GT(circles[0]->radius, 1e6);
    for (const DrawItem& d : f.Picture1.displayList()) {
        EXPECT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.radius));
    }
    for (const std::string& t : textsOf(f.Picture2)) {
        EXPECT_EQ(t.find("nan"), std::string::npos) << t;
        EXPECT_EQ(t.find("inf"), std::string::npos) << t;
    }
}

TEST_F(ProtractorWindowTest, ResizeFollowsTheWindowAndRedraws) {
    Form15& f = shown();
    const int plotWidthGap = f.widthTwips() - f.Picture1.width();
    const int plotHeightGap = f.heightTwips() - f.Picture1.height();
    const int panHintGap = f.heightTwips() - f.Label19.top();
    const int resizeHintGap = f.heightTwips() - f.Label15.top();
    const int resizeHintRight = f.widthTwips() - f.Label15.left();
    f.resizeTwips(15000, 10500);
    EXPECT_NEAR(f.Picture1.width(), 15000 - plotWidthGap, 15);
    EXPECT_NEAR(f.Picture1.height(), 10500 - plotHeightGap, 15);
    EXPECT_NEAR(f.Label19.top(), 10500 - panHintGap, 15);
    EXPECT_NEAR(f.Label15.top(), 10500 - resizeHintGap, 15);
    EXPECT_NEAR(f.Label15.left(), 15000 - resizeHintRight, 15);
    // The plot's height follows its new shape.
    EXPECT_NEAR(-f.Picture1.scaleHeight() / f.Picture1.scaleWidth(),
                static_cast<double>(f.Picture1.height()) / f.Picture1.width(), 1e-9);
    // Made very small: the plot keeps a pixel and still computes.
    f.resizeTwips(1500, 1500);
    EXPECT_GE(f.Picture1.width(), 15);
    EXPECT_GE(f.Picture1.height(), 15);
    EXPECT_EQ(textsOf(f.Picture2).size(), 5u);
}

TEST_F(ProtractorWindowTest, CloseHidesAndKeepsEverything) {
    Form15& f = shown();
    uitest::userType(f.Text45, "35");
    drag(Qt::LeftButton, {{0, 0}, {1, 1}});
    uitest::mouseUp(f.Picture1, f.Picture1.toPixel(1, 1), Qt::LeftButton);
    const double panX = f.state().PanX;
    uitest::userClick(f.Command1);
    EXPECT_FALSE(f.isVisible());
    f.showModeless();
    EXPECT_EQ(f.Text45.text(), "35");
    EXPECT_EQ(f.state().PanX, panX);
    uitest::userCloseWindow(&f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(&app.form15(), &f);  // hidden, not destroyed
    EXPECT_EQ(f.Text45.text(), "35");
}

}  // namespace
