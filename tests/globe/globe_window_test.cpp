// The globe window offscreen: its layout, its openers and its unloading,
// the drags and the hover read-out through real mouse events, reset, print,
// hide and show.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "globe/globe_window.h"
#include "platform/numtext.h"
#include "platform/ui/picture.h"
#include "platform/ui/services.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/plot_window.h"
#include "tests/reduction/reduction_session.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using globe::Form16;
using platform::ui::DrawItem;
using platform::ui::MousePointer;

const platform::ui::Color kCopColor{250, 250, 67};

class GlobeWindowTest : public ::testing::Test {
  protected:
    // The results of a reduction of sights 1 to n.
    void reduced(const std::vector<std::array<double, 3>>& sights, bool included = true) {
        app.form1();  // its load starts the sight log
        app.Log.SightCount = static_cast<int>(sights.size());
        for (std::size_t k = 0; k < sights.size(); ++k) {
            const int i = static_cast<int>(k) + 1;
            app.Log.SightData[i][reduction::kFieldIncluded] = included ? 1 : 0;
            app.Reduction.CopGha[i] = sights[k][0];
            app.Reduction.CopDec[i] = sights[k][1];
            app.Reduction.CopHo[i] = sights[k][2];
        }
    }

    Form16& shown() {
        Form16& g = app.form16();
        g.showModeless();
        return g;
    }

    // The picture's centre in pixels.
    QPointF centre(Form16& g) const {
        const QSize s = g.Picture1.widget()->size();
        return {s.width() / 2.0, s.height() / 2.0};
    }

    int circleItems(const Form16& g) const {
        int n = 0;
        for (const DrawItem& item : g.Picture1.displayList()) {
            n += item.kind == DrawItem::Kind::Lines && item.color == kCopColor ? 1 : 0;
        }
        return n;
    }

    std::vector<std::string> texts(const Form16& g) const {
        std::vector<std::string> out;
        for (const DrawItem& item : g.Picture1.displayList()) {
            if (item.kind == DrawItem::Kind::Text) {
                out.push_back(item.text);
            }
        }
        return out;
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(GlobeWindowTest, LayoutAndTextsAtLoad) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    EXPECT_EQ(g.caption(), "Orthographic Globe Projection  Circles Of Position");
    EXPECT_EQ(g.Label13.caption(), "Rotate view with left click and drag");
    EXPECT_EQ(g.Label2.caption(), " Zoom with right click and drag");
    EXPECT_EQ(g.Label1.caption(), "Zoom Factor");
    EXPECT_EQ(g.Text1.text(), "1.0");
    EXPECT_FALSE(g.Text1.enabled());
    EXPECT_EQ(g.Label10.caption(), "");
    EXPECT_EQ(g.Label11.caption(), "");
    EXPECT_EQ(g.Command1.caption(), "Reset Zoom = 1");
    EXPECT_EQ(g.Command2.caption(), "Print");
    EXPECT_EQ(g.Command4.caption(), "CLOSE ");
    EXPECT_EQ(g.Label8.caption(), "grab corner to resize  ----->");
    EXPECT_EQ(g.Picture1.backColor(), (platform::ui::Color{0, 0, 0}));
    EXPECT_EQ(g.Picture1.foreColor(), (platform::ui::Color{255, 255, 0}));
    // Centred on the sight, zoom 1; the disc first, one circle of position.
    EXPECT_EQ(g.view().SpinAngle, -30 * 0.01745);
    EXPECT_EQ(g.view().TiltAngle, -20 * 0.01745);
    EXPECT_EQ(g.view().Zoom, 1);
    ASSERT_FALSE(g.Picture1.displayList().empty());
    EXPECT_EQ(g.Picture1.displayList().front().kind, DrawItem::Kind::Circle);
    EXPECT_EQ(circleItems(g), 1);
    EXPECT_EQ(g.Picture1.scaleWidth(), 3);
    EXPECT_EQ(g.Picture1.scaleLeft(), -1.5);
    EXPECT_LT(g.Picture1.scaleHeight(), 0);
}

TEST_F(GlobeWindowTest, BeforeAnyReductionTheGlobeIsCentredOnZeroWithoutCircles) {
    Form16& g = shown();
    EXPECT_EQ(g.view().SpinAngle, 0);
    EXPECT_EQ(g.view().TiltAngle, 0);
    EXPECT_EQ(circleItems(g), 0);
}

TEST_F(GlobeWindowTest, LabelsDrawFromTheGeneratorReseededFromTheClock) {
    reduced({{30, 20, 45}, {100, -5, 30}});
    env.random.setValues({0.99});
    Form16& g = shown();
    // Every label draw is preceded by a clock reading and a reseed.
    EXPECT_GT(env.random.draws, 0);
    EXPECT_EQ(env.random.seeds.size(), static_cast<std::size_t>(env.random.draws));
    EXPECT_EQ(env.random.seeds.front(), 12 * 3600.0);  // the fake clock's noon
    const std::vector<std::string> labels = texts(g);
    EXPECT_EQ(labels, (std::vector<std::string>{"LOP# 1", "LOP# 2"}));
    // Scripted low: no label at all.
    env.random.setValues({0.5});
    g.Command1.click();
    EXPECT_TRUE(texts(g).empty());
}

TEST_F(GlobeWindowTest, HoverReadsTheLatitudeAndLongitudeUnderThePointer) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const int draws = env.random.draws;
    const std::size_t items = g.Picture1.displayList().size();
    uitest::mouseMove(g.Picture1, centre(g), Qt::NoButton);
    // The window's worked value: the centre reads the sight's 20 N, 30 W
    // times 0.01745 x 57.29578, just under 1: 19.996227 deg (59.774') N and
    // 29.994341 deg (59.660') W, rounded to 0.1'.
    EXPECT_EQ(g.Label10.caption(), "Latitude = North 19\u00b0 59.8'");
    EXPECT_EQ(g.Label11.caption(), "Longitude = West 29\u00b0 59.7'");
    // The hover does not redraw.
    EXPECT_EQ(env.random.draws, draws);
    EXPECT_EQ(g.Picture1.displayList().size(), items);
    // Off the disc the pointer is over no place: the read-out empties.
    uitest::mouseMove(g.Picture1, QPointF(2, 2), Qt::NoButton);
    EXPECT_EQ(g.Label10.caption(), "");
    EXPECT_EQ(g.Label11.caption(), "");
    // So does the pointer leaving the picture.
    uitest::mouseMove(g.Picture1, centre(g), Qt::NoButton);
    EXPECT_NE(g.Label10.caption(), "");
    uitest::mouseLeave(g.Picture1);
    EXPECT_EQ(g.Label10.caption(), "");
    EXPECT_EQ(g.Label11.caption(), "");
    // And every redraw: "Reset Zoom = 1", a resize, a drag.
    const auto redraws = std::vector<std::function<void()>>{
        [&g] { g.Command1.click(); },
        [&g] { g.resizeTwips(g.widthTwips() + 300, g.heightTwips()); },
        [&g, this] {
            uitest::mouseDown(g.Picture1, centre(g), Qt::LeftButton);
            uitest::mouseMove(g.Picture1, centre(g), Qt::LeftButton);
            uitest::mouseMove(g.Picture1, centre(g) + QPointF(5, 0), Qt::LeftButton);
            uitest::mouseUp(g.Picture1, centre(g), Qt::LeftButton);
        },
    };
    for (std::size_t k = 0; k < redraws.size(); ++k) {
        uitest::mouseMove(g.Picture1, centre(g), Qt::NoButton);
        ASSERT_NE(g.Label10.caption(), "") << k;
        redraws[k]();
        EXPECT_EQ(g.Label10.caption(), "") << k;
        EXPECT_EQ(g.Label11.caption(), "") << k;
    }
}

// A right drag of 150 pixels downward reported in moves of 5 pixels or of 30
// ends at the same zoom: 10^(d / 1.5) for the d units it went.
TEST_F(GlobeWindowTest, TheSameZoomDragInSmallOrLargeStepsEndsAtTheSameZoom) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const QPointF c = centre(g) - QPointF(0, 60);
    double zooms[2] = {0, 0};
    const int steps[2] = {5, 30};
    for (int k = 0; k < 2; ++k) {
        g.Command1.click();  // zoom 1
        // The press starts the drag; the first move is already a step away.
        uitest::mouseDown(g.Picture1, c, Qt::RightButton);
        for (int y = steps[k]; y <= 150; y += steps[k]) {
            uitest::mouseMove(g.Picture1, c + QPointF(0, y), Qt::RightButton);
        }
        uitest::mouseUp(g.Picture1, c + QPointF(0, 150), Qt::RightButton);
        zooms[k] = g.view().Zoom;
    }
    EXPECT_EQ(zooms[0], zooms[1]);
    const double d = g.Picture1.toUser(c).y() - g.Picture1.toUser(c + QPointF(0, 150)).y();
    EXPECT_NEAR(zooms[0], std::pow(10, d / 1.5), 1e-9);
    // 150 of 616 pixels across 3 units: 0.7305 units, zoom 10^(0.7305 / 1.5)
    // = 3.069, whose box shows "3".
    EXPECT_NEAR(zooms[0], 3.069, 0.001);
    EXPECT_EQ(g.Text1.text(), "3");
}

// A read-out caption ("Latitude = North 61° 9.6'") as signed degrees;
// not a number when the caption holds no read-out.
double readDegrees(const std::string& caption, const std::string& positive,
                   const std::string& negative) {
    const std::size_t plus = caption.find(positive);
    const std::size_t minus = caption.find(negative);
    const std::size_t mark = caption.find("° ");
    if ((plus == std::string::npos && minus == std::string::npos) || mark == std::string::npos) {
        return std::nan("");
    }
    const bool north = plus != std::string::npos;
    const std::size_t after = north ? plus + positive.size() : minus + negative.size();
    const double deg = platform::leadingNumber(caption.substr(after));
    const double min = platform::leadingNumber(caption.substr(mark + 3));
    return (north ? 1 : -1) * (deg + min / 60);
}

// The orthographic projection's inverse on a sphere of radius R centred on
// latitude phi1 and longitude lambda0 (radians): the latitude and longitude
// in degrees of the picture point (x, y), which lies strictly inside.
std::pair<double, double> orthographicInverse(double R, double phi1, double lambda0, double x,
                                              double y) {
    const double kDeg = 180 / 3.14159265358979;
    const double rho = std::hypot(x, y);
    if (rho == 0) {
        return {phi1 * kDeg, lambda0 * kDeg};
    }
    const double c = std::asin(rho / R);
    const double phi =
        std::asin(std::cos(c) * std::sin(phi1) + y * std::sin(c) * std::cos(phi1) / rho);
    const double lambda =
        lambda0 + std::atan2(x * std::sin(c),
                             rho * std::cos(c) * std::cos(phi1) - y * std::sin(c) * std::sin(phi1));
    return {phi * kDeg, lambda * kDeg};
}

// Degrees apart on the circle.
double angleApart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

TEST_F(GlobeWindowTest, TheReadOutUsesTheRadiusTheGlobeIsDrawnWith) {
    // Before any reduction: the view looks at latitude 0, longitude 0.
    Form16& g = shown();
    const auto at = [&g](double x, double y) { return g.Picture1.toPixel(x, y); };
    // A right drag from the centre to 0.205 units below it: zoom
    // 10^(0.205 / 1.5) = 1.37, whose box shows "1.3".
    uitest::mouseDown(g.Picture1, at(0, 0), Qt::RightButton);
    uitest::mouseMove(g.Picture1, at(0, 0), Qt::RightButton);
    uitest::mouseMove(g.Picture1, at(0, -0.205), Qt::RightButton);
    uitest::mouseUp(g.Picture1, at(0, -0.205), Qt::RightButton);
    const double R = g.view().Zoom;
    ASSERT_NEAR(R, 1.37, 0.01);
    EXPECT_EQ(g.Text1.text(), "1.3");
    const std::vector<DrawItem>& drawn = g.Picture1.displayList();
    ASSERT_FALSE(drawn.empty());
    ASSERT_EQ(drawn.front().kind, DrawItem::Kind::Circle);  // the globe's disc

    // Just outside the drawn limb, all round: nothing.
    for (int deg = 0; deg < 360; deg += 15) {
        const double a = deg * 3.14159265358979 / 180;
        uitest::mouseMove(g.Picture1, at(1.005 * R * std::cos(a), 1.005 * R * std::sin(a)),
                          Qt::NoButton);
        EXPECT_EQ(g.Label10.caption(), "") << deg;
        EXPECT_EQ(g.Label11.caption(), "") << deg;
    }
    uitest::mouseMove(g.Picture1, at(1.38, 0), Qt::NoButton);
    EXPECT_EQ(g.Label10.caption(), "");

    // 1.2 units east of the centre lies at longitude asin(1.2 / 1.37),
    // 61 deg 10' E on the equator (asin(1.2 / 1.3) would read 67 deg 23').
    uitest::mouseMove(g.Picture1, at(1.2, 0), Qt::NoButton);
    EXPECT_NEAR(readDegrees(g.Label10.caption(), "North ", "South "), 0, 0.1);
    EXPECT_NEAR(readDegrees(g.Label11.caption(), "East ", "West "), 61.16, 0.1);

    // Every point of the drawn globe reads its own place: the ring between
    // the box's radius 1.3 and the limb, and points just inside the limb.
    for (const double r : {1.32, 0.995 * R}) {
        for (int deg = 5; deg < 360; deg += 30) {
            const double a = deg * 3.14159265358979 / 180;
            const QPointF pixel = at(r * std::cos(a), r * std::sin(a));
            // The place of the pointer as the handler receives it.
            const QPointF user = g.Picture1.toUser(pixel);
            ASSERT_LT(std::hypot(user.x(), user.y()), R);
            g.Label10.setCaption("");
            g.Label11.setCaption("");
            uitest::mouseMove(g.Picture1, pixel, Qt::NoButton);
            const auto [lat, lon] = orthographicInverse(R, 0, 0, user.x(), user.y());
            EXPECT_NEAR(readDegrees(g.Label10.caption(), "North ", "South "), lat, 0.1)
                << r << " " << deg;
            EXPECT_LT(angleApart(readDegrees(g.Label11.caption(), "East ", "West "), lon), 0.1)
                << r << " " << deg;
        }
    }
}

TEST_F(GlobeWindowTest, TheReadOutOfATurnedGlobeIsTheProjectionsInverse) {
    // Centred on about 20 N, 30 W and zoomed in a little.
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const auto at = [&g](double x, double y) { return g.Picture1.toPixel(x, y); };
    uitest::mouseDown(g.Picture1, at(0, 0), Qt::RightButton);
    uitest::mouseMove(g.Picture1, at(0, 0), Qt::RightButton);
    uitest::mouseMove(g.Picture1, at(0, -0.3), Qt::RightButton);
    uitest::mouseUp(g.Picture1, at(0, -0.3), Qt::RightButton);
    const double R = g.view().Zoom;
    ASSERT_GT(R, 1.15);
    const double phi1 = -g.view().TiltAngle;
    const double lambda0 = g.view().SpinAngle;
    for (const double r : {0.3, 0.9 * R, 0.995 * R}) {
        for (int deg = 20; deg < 360; deg += 45) {
            const double a = deg * 3.14159265358979 / 180;
            const QPointF pixel = at(r * std::cos(a), r * std::sin(a));
            const QPointF user = g.Picture1.toUser(pixel);
            g.Label10.setCaption("");
            g.Label11.setCaption("");
            uitest::mouseMove(g.Picture1, pixel, Qt::NoButton);
            const auto [lat, lon] = orthographicInverse(R, phi1, lambda0, user.x(), user.y());
            EXPECT_NEAR(readDegrees(g.Label10.caption(), "North ", "South "), lat, 0.1)
                << r << " " << deg;
            EXPECT_LT(angleApart(readDegrees(g.Label11.caption(), "East ", "West "), lon), 0.1)
                << r << " " << deg;
        }
    }
}

TEST_F(GlobeWindowTest, SightsAcrossGhaZeroAreFacedFromTheirSide) {
    // Three evening stars whose GHAs straddle 0 (GHA, declination, Ho): the
    // globe opens on GHA 45.6 (45 deg 33' W), not on the far side.
    reduced({{93.5, 38.8, 30}, {357.6, 45.3, 40}, {11.7, 8.9, 50}});
    Form16& g = shown();
    EXPECT_NEAR(-g.view().SpinAngle / 0.01745, 45.6, 0.1);
    EXPECT_NEAR(-g.view().TiltAngle / 0.01745, (45.3 + 8.9) / 2, 1e-9);
    // The centre of the picture reads a western longitude near 45.6.
    uitest::mouseMove(g.Picture1, centre(g), Qt::NoButton);
    EXPECT_NEAR(readDegrees(g.Label11.caption(), "East ", "West "), -45.6, 0.1);
    EXPECT_EQ(circleItems(g), 3);
}

TEST_F(GlobeWindowTest, MiddleButtonDragRedrawsAtEveryMoveAndKeepsTheView) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const globe::GlobeView before = g.view();
    const QPointF c = centre(g);
    uitest::mouseDown(g.Picture1, c, Qt::MiddleButton);
    for (const double dx : {0.0, 40.0, 90.0}) {
        const int draws = env.random.draws;
        uitest::mouseMove(g.Picture1, c + QPointF(dx, dx / 2), Qt::MiddleButton);
        // The circle is redrawn: one number for each of its visible points.
        EXPECT_GT(env.random.draws, draws);
        EXPECT_EQ(g.view().SpinAngle, before.SpinAngle);
        EXPECT_EQ(g.view().TiltAngle, before.TiltAngle);
        EXPECT_EQ(g.view().Zoom, before.Zoom);
    }
    EXPECT_TRUE(g.drag().DragStarted);
    uitest::mouseUp(g.Picture1, c, Qt::MiddleButton);
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
}

TEST_F(GlobeWindowTest, RightDragZoomsLeftDragTurnsAndThePointerIsRestored) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const QPointF c = centre(g);
    uitest::mouseDown(g.Picture1, c, Qt::RightButton);
    EXPECT_EQ(app.mousePointer(), MousePointer::SizeAll);
    EXPECT_TRUE(g.drag().ButtonHeld);
    // The press records the start: the first move already zooms.
    const double y0 = g.Picture1.toUser(c).y();
    EXPECT_DOUBLE_EQ(g.drag().DragY0, y0);
    uitest::mouseMove(g.Picture1, c + QPointF(0, 40), Qt::RightButton);
    EXPECT_DOUBLE_EQ(g.view().Zoom,
                     std::pow(10, (y0 - g.Picture1.toUser(c + QPointF(0, 40)).y()) / 1.5));
    uitest::mouseMove(g.Picture1, c + QPointF(0, 200), Qt::RightButton);
    const double y = g.Picture1.toUser(c + QPointF(0, 200)).y();
    EXPECT_DOUBLE_EQ(g.view().Zoom, std::pow(10, (y0 - y) / 1.5));
    // 200 of 616 pixels across 3 units: zoom 10^(0.974 / 1.5) = 4.46, cut to
    // "4.4" in its box.
    EXPECT_EQ(g.Text1.text(), "4.4");
    uitest::mouseUp(g.Picture1, c, Qt::RightButton);
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
    EXPECT_FALSE(g.drag().ButtonHeld);

    // Left drag: the surface follows the pointer.
    const double spin = g.view().SpinAngle;
    uitest::mouseDown(g.Picture1, c, Qt::LeftButton);
    uitest::mouseMove(g.Picture1, c, Qt::LeftButton);
    uitest::mouseMove(g.Picture1, c + QPointF(60, 0), Qt::LeftButton);
    EXPECT_LT(g.view().SpinAngle, spin);
    // Released with another button: the drag ends and the pointer is back.
    uitest::mouseUp(g.Picture1, c, Qt::RightButton);
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
    const double turned = g.view().SpinAngle;
    uitest::mouseMove(g.Picture1, c + QPointF(120, 0), Qt::NoButton);
    EXPECT_EQ(g.view().SpinAngle, turned);

    // Reset: zoom 1, the box "1", the rotation kept.
    g.Command1.click();
    EXPECT_EQ(g.view().Zoom, 1);
    EXPECT_EQ(g.Text1.text(), "1");
    EXPECT_EQ(g.view().SpinAngle, turned);
}

TEST_F(GlobeWindowTest, HiddenMidDragOrUnloadedTheWindowGivesThePointerBack) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    uitest::mouseDown(g.Picture1, centre(g), Qt::LeftButton);
    EXPECT_EQ(app.mousePointer(), MousePointer::SizeAll);
    g.Command4.click();  // "CLOSE "
    EXPECT_FALSE(g.isVisible());
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
    EXPECT_FALSE(g.drag().ButtonHeld);

    Form16& again = shown();
    uitest::mouseDown(again.Picture1, centre(again), Qt::LeftButton);
    app.unload<Form16>();
    EXPECT_EQ(app.mousePointer(), MousePointer::Default);
}

TEST_F(GlobeWindowTest, CloseAndTitleBarCloseHideAndShowingAgainNeitherRedrawsNorRecentres) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const QPointF c = centre(g);
    uitest::mouseDown(g.Picture1, c, Qt::RightButton);
    uitest::mouseMove(g.Picture1, c, Qt::RightButton);
    uitest::mouseMove(g.Picture1, c + QPointF(0, 100), Qt::RightButton);
    uitest::mouseUp(g.Picture1, c, Qt::RightButton);
    const globe::GlobeView before = g.view();
    const std::size_t items = g.Picture1.displayList().size();
    const std::string zoomText = g.Text1.text();

    uitest::userCloseWindow(&g);
    EXPECT_FALSE(g.isVisible());
    ASSERT_EQ(app.existingWindow<Form16>(), &g);

    // A new reduction, then "Show COP": same window, same view, no redraw.
    app.Reduction.CopGha[1] = 100;
    const int draws = env.random.draws;
    app.form1().Command9.setEnabled(true);
    app.form1().Command9.click();
    EXPECT_TRUE(g.isVisible());
    EXPECT_EQ(g.view().Zoom, before.Zoom);
    EXPECT_EQ(g.view().SpinAngle, before.SpinAngle);
    EXPECT_EQ(g.Text1.text(), zoomText);
    EXPECT_EQ(g.Picture1.displayList().size(), items);
    EXPECT_EQ(env.random.draws, draws);
}

TEST_F(GlobeWindowTest, ThePlotsGlobeButtonShowsIt) {
    reduced({{30, 20, 45}});
    reduction::PlotLOPs(app);
    reduction::Form2& plot = app.form2();
    EXPECT_TRUE(plot.Command3.enabled());
    uitest::userClick(plot.Command3);
    ASSERT_NE(app.existingWindow<Form16>(), nullptr);
    EXPECT_TRUE(app.form16().isVisible());
}

TEST_F(GlobeWindowTest, PrintGoesThroughThePrinterService) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    env.printer.expectPrint(true);
    g.Command2.click();
    ASSERT_EQ(env.printer.images.size(), 1u);
    EXPECT_FALSE(env.printer.images[0].isNull());
}

TEST_F(GlobeWindowTest, ResizeKeepsThePictureAtLeastOnePixelAndFollowsTheMargins) {
    reduced({{30, 20, 45}});
    Form16& g = shown();
    const int rightGap = g.widthTwips() - (g.Picture1.left() + g.Picture1.width());
    g.resizeTwips(g.widthTwips() + 1500, g.heightTwips() + 750);
    EXPECT_EQ(g.widthTwips() - (g.Picture1.left() + g.Picture1.width()), rightGap);
    EXPECT_FALSE(g.Picture1.displayList().empty());
    g.resizeTwips(300, 300);
    EXPECT_GE(g.Picture1.width(), platform::ui::kTwipsPerPixel);
    EXPECT_GE(g.Picture1.height(), platform::ui::kTwipsPerPixel);
    // Still a globe, never "inf" or "nan" in the read-out.
    uitest::mouseMove(g.Picture1, QPointF(0, 0), Qt::NoButton);
    EXPECT_EQ(g.Label10.caption().find("nan"), std::string::npos);
    EXPECT_EQ(g.Label10.caption().find("inf"), std::string::npos);
}

TEST(GlobeLabels, TheSameCircleDrawnTwiceWithOneClockValueGetsIndependentLabels) {
    // The program's generator, reseeded with an unchanged clock reading
    // before every draw, as within one redraw.
    platform::ui::StandardRandom random;
    const auto next = [&random] {
        random.reseed(43200);
        return random.next();
    };
    globe::Matrix3 I{};
    globe::RotationMatrix(0, 0, 0, I);
    std::vector<std::pair<double, double>> places;
    for (int k = 0; k < 6; ++k) {
        globe::GlobeScene scene;
        globe::DrawCircleOfPosition(1, 1, 0, 0, 0, 0, 60, I, next, scene);
        for (const globe::SceneStep& step : scene.steps) {
            if (step.kind == globe::SceneStep::Kind::Label) {
                places.emplace_back(step.x, step.y);
            }
        }
    }
    // With 361 visible points a label is all but certain; its places differ.
    ASSERT_GE(places.size(), 5u);
    std::sort(places.begin(), places.end());
    EXPECT_NE(std::unique(places.begin(), places.end()), places.begin() + 1);
}

class GlobeOpenFileTest : public GlobeWindowTest {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("celnav_globe_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(GlobeOpenFileTest, OpenFileUnloadsTheGlobeAndItsNextShowingCentresAgain) {
    app::Form1& main = app.form1();
    const fs::path path = dir_ / "leg.NAV";
    env.fileDialogs.expectSave(path.string());
    main.SaveFile.click();
    ASSERT_TRUE(fs::exists(path));

    reduced({{30, 20, 45}});
    main.Command9.setEnabled(true);
    main.Command9.click();
    ASSERT_NE(app.existingWindow<Form16>(), nullptr);

    env.fileDialogs.expectOpen(path.string());
    main.GetFile.click();
    EXPECT_EQ(app.existingWindow<Form16>(), nullptr);
    EXPECT_FALSE(main.Command9.enabled());

    // The results of the last reduction stay; the next globe centres on them.
    app.Reduction.CopGha[1] = 60;
    app.Reduction.CopDec[1] = -10;
    app.Log.SightCount = 1;
    Form16& g = shown();
    EXPECT_EQ(g.view().SpinAngle, -60 * 0.01745);
    EXPECT_EQ(g.view().TiltAngle, 0.01745 * 10);
    EXPECT_EQ(g.Text1.text(), "1.0");
}

// Between reductions of one leg the globe keeps the navigator's view; "Clear
// All Data" unloads it, so the first reduction of the next leg centres a new
// globe on its sights at zoom 1.
TEST_F(GlobeWindowTest, ClearAllDataUnloadsTheGlobeSoTheNextLegIsCentred) {
    app::Form1& main = app.form1();
    reductionsession::reduceStarSights(app, env, 3);
    Form16* first = app.existingWindow<Form16>();
    ASSERT_NE(first, nullptr);
    const globe::GlobeView centred = first->view();

    // Turned with a left drag and zoomed with a right drag.
    const QPointF c = centre(*first);
    uitest::mouseDown(first->Picture1, c, Qt::LeftButton);
    uitest::mouseMove(first->Picture1, c + QPointF(60, 30), Qt::LeftButton);
    uitest::mouseUp(first->Picture1, c + QPointF(60, 30), Qt::LeftButton);
    uitest::mouseDown(first->Picture1, c, Qt::RightButton);
    uitest::mouseMove(first->Picture1, c + QPointF(0, 100), Qt::RightButton);
    uitest::mouseUp(first->Picture1, c + QPointF(0, 100), Qt::RightButton);
    const globe::GlobeView turned = first->view();
    ASSERT_NE(turned.SpinAngle, centred.SpinAngle);
    ASSERT_NE(turned.Zoom, 1);

    reductionsession::reduceStarSights(app, env, 3);
    ASSERT_EQ(app.existingWindow<Form16>(), first);
    EXPECT_EQ(first->view().SpinAngle, turned.SpinAngle);
    EXPECT_EQ(first->view().TiltAngle, turned.TiltAngle);
    EXPECT_EQ(first->view().Zoom, turned.Zoom);

    // Refused, the globe stays as it is.
    env.modalRunner.expectDialog<reduction::Form6>(
        [](reduction::Form6& d) { uitest::userClick(d.Command2); });
    uitest::userClick(main.Command4);
    ASSERT_EQ(app.existingWindow<Form16>(), first);
    EXPECT_EQ(first->view().SpinAngle, turned.SpinAngle);

    env.modalRunner.expectDialog<reduction::Form6>(
        [](reduction::Form6& d) { uitest::userClick(d.Command1); });
    uitest::userClick(main.Command4);
    EXPECT_EQ(app.existingWindow<Form16>(), nullptr);

    reductionsession::reduceStarSights(app, env, 3);
    Form16* next = app.existingWindow<Form16>();
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next->isVisible());
    EXPECT_EQ(next->view().SpinAngle, centred.SpinAngle);
    EXPECT_EQ(next->view().TiltAngle, centred.TiltAngle);
    EXPECT_EQ(next->view().Zoom, 1);
    EXPECT_EQ(next->Text1.text(), "1.0");
}

}  // namespace
