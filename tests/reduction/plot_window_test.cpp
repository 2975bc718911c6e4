// The plot window offscreen: the chart drawn by PlotLOPs from the last
// reduction, the layout and its resizing, the pointer read-out, printing and
// hiding.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "platform/ui/picture.h"
#include "reduction/plot_window.h"
#include "tests/reduction/fix_sums.h"
#include "tests/reduction/reduction_session.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using platform::ui::Color;
using platform::ui::DrawItem;
using reduction::FixStatus;
using reduction::Form2;

constexpr double kRad = 0.017453292519943278;
const std::string kDeg = "\xC2\xB0";  // "°"

const Color kRed{255, 0, 0};
const Color kGreen{10, 255, 10};
const Color kBlue{0, 0, 255};
const Color kBlack{0, 0, 0};

class PlotWindowTest : public ::testing::Test {
  protected:
    // Three included sights at 10, 130 and 250 degrees around an assumed
    // position at 30 N, 20 W, plotted 10 n.mi. either side.
    void reduceThreeSights() {
        app.form1();  // its load starts the sight log afresh
        const double Z[] = {10, 130, 250};
        const double p[] = {1.2, -0.4, 0.9};
        reduction::ReductionResult& r = app.Reduction;
        reduction::FixResult& f = r.Fix;
        f = {};
        f.PlotScale = 10;
        f.IncludedCount = 3;
        r.SightCount = 3;
        app.Log.SightCount = 3;
        for (int i = 1; i <= 3; ++i) {
            app.Log.SightData[i][reduction::kFieldIncluded] = 1;
            r.LopIntercept[i] = p[i - 1];
            r.LopAzimuth[i] = Z[i - 1];
            r.LopRun[i] = 0;
            fixsums::addLineOfPosition(f, p[i - 1], Z[i - 1]);
        }
        app.AssumedLat = 30;
        app.AssumedLon = -20;
        fixsums::solveFix(f, app.AssumedLat, app.AssumedLon);
        r.Status = FixStatus::Fix;
    }

    const std::vector<DrawItem>& items() { return app.form2().Picture1.displayList(); }

    std::vector<const DrawItem*> itemsOf(DrawItem::Kind kind, const Color& color) {
        std::vector<const DrawItem*> out;
        for (const DrawItem& d : items()) {
            if (d.kind == kind && d.color == color) {
                out.push_back(&d);
            }
        }
        return out;
    }

    std::vector<std::string> textsDrawn() {
        std::vector<std::string> out;
        for (const DrawItem& d : items()) {
            if (d.kind == DrawItem::Kind::Text) {
                out.push_back(d.text);
            }
        }
        return out;
    }

    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

// ---------------------------------------------------------------- layout

TEST_F(PlotWindowTest, ControlsAtLoad) {
    Form2& f = app.form2();
    EXPECT_EQ(f.caption(), "PLOT OF LOPS");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.widthTwips(), 6510);
    EXPECT_NEAR(f.heightTwips(), 6585, 7.5);

    struct Expected {
        platform::ui::Control* control;
        double left, top, width, height;
    };
    const std::vector<Expected> layout = {
        {&f.Picture1, 120, 120, 6252, 5415},  {&f.Command3, 120, 5610, 885, 285},
        {&f.Command1, 1050, 5610, 825, 285},  {&f.Label1, 1980, 5610, 2775, 255},
        {&f.Command2, 4860, 5610, 1512, 315}, {&f.Label4, 30, 6000, 2535, 195},
        {&f.Label2, 2610, 5970, 1890, 270},   {&f.Label3, 4530, 5970, 1890, 270},
        {&f.Label5, 60, 6330, 6345, 255},
    };
    for (const Expected& e : layout) {
        // Placed to the nearest pixel (15 twips).
        EXPECT_NEAR(e.control->left(), e.left, 7.5);
        EXPECT_NEAR(e.control->top(), e.top, 7.5);
        EXPECT_NEAR(e.control->width(), e.width, 7.5);
        EXPECT_NEAR(e.control->height(), e.height, 7.5);
    }
    EXPECT_EQ(f.Command3.caption(), "GLOBE");
    EXPECT_EQ(f.Command1.caption(), "Print");
    EXPECT_EQ(f.Command2.caption(), "Hide Form");
    EXPECT_EQ(f.Label1.caption(), "Black tic marks are 1 and 10 n.miles");
    EXPECT_EQ(f.Label4.caption(), "Latitude and Longitude of cursor:");
    EXPECT_EQ(f.Label2.caption(), "");
    EXPECT_EQ(f.Label3.caption(), "");
    EXPECT_EQ(f.Label5.caption(),
              "Grab corner with mouse cursor and left click and drag to resize  ------>");
    EXPECT_TRUE(f.Command3.enabled());
    EXPECT_EQ(f.Command3.widget()->toolTip().toStdString(), "");
    EXPECT_TRUE(f.Command1.enabled());
    EXPECT_TRUE(f.Command2.enabled());
}

TEST_F(PlotWindowTest, PlacedFromTheMainWindowsWidth) {
    app::Form1& main = app.form1();
    main.moveTwips(1500, 900);
    Form2& f = app.form2();
    const double offset = std::floor(0.05 * main.widthTwips());
    EXPECT_NEAR(f.leftTwips(), offset + main.leftTwips(), 7.5);
    EXPECT_NEAR(f.topTwips(), offset + main.topTwips(), 7.5);
}

// ------------------------------------------------------------- drawing

TEST_F(PlotWindowTest, PlotLOPsDrawsTheChartAndShowsTheWindow) {
    reduceThreeSights();
    env.random.setValues({0.25});
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    EXPECT_TRUE(f.isVisible());
    // Its first showing ran the resize handler, which drew once more; each
    // drawing clears, so one complete chart is on view.
    EXPECT_EQ(env.random.draws, 6);

    const platform::ui::Picture& p = f.Picture1;
    EXPECT_EQ(p.scaleLeft(), -10);
    EXPECT_EQ(p.scaleWidth(), 20);
    const float r = static_cast<float>(static_cast<double>(p.width()) / p.height());
    EXPECT_EQ(p.scaleTop(), 10 / static_cast<double>(r));
    EXPECT_EQ(p.scaleHeight(), -2 * p.scaleTop());
    EXPECT_EQ(p.backColor(), (Color{240, 240, 255}));

    // Black: two axes, ten-mile ticks at 10 (4) and one-mile ticks (36).
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kBlack).size(), 2u + 4u + 36u);
    // One red line per included sight, each 2 S long.
    const auto red = itemsOf(DrawItem::Kind::Line, kRed);
    ASSERT_EQ(red.size(), 3u);
    for (const DrawItem* d : red) {
        EXPECT_NEAR(std::hypot(d->x2 - d->x1, d->y2 - d->y1), 20, 1e-9);
    }
    // The green fix mark.
    const auto green = itemsOf(DrawItem::Kind::Circle, kGreen);
    ASSERT_EQ(green.size(), 1u);
    const reduction::FixResult& fix = app.Reduction.Fix;
    EXPECT_NEAR(green[0]->x1, 60 * fix.FixDLon * std::cos((30 + fix.FixDLat / 2) * kRad), 1e-12);
    EXPECT_NEAR(green[0]->y1, 60 * fix.FixDLat, 1e-12);
    EXPECT_EQ(green[0]->radius, 0.5);
    // The blue ellipse: a point, then 36 segments joined end to end and
    // back to the start.
    const auto bluePoints = itemsOf(DrawItem::Kind::Point, kBlue);
    const auto blueLines = itemsOf(DrawItem::Kind::Line, kBlue);
    ASSERT_EQ(bluePoints.size(), 1u);
    ASSERT_EQ(blueLines.size(), 36u);
    EXPECT_EQ(blueLines[0]->x1, bluePoints[0]->x1);
    EXPECT_EQ(blueLines[0]->y1, bluePoints[0]->y1);
    for (std::size_t k = 1; k < blueLines.size(); ++k) {
        EXPECT_EQ(blueLines[k]->x1, blueLines[k - 1]->x2);
        EXPECT_EQ(blueLines[k]->y1, blueLines[k - 1]->y2);
    }
    EXPECT_NEAR(blueLines.back()->x2, bluePoints[0]->x1, 1e-12);
    EXPECT_NEAR(blueLines.back()->y2, bluePoints[0]->y1, 1e-12);

    // Texts in the picture's text colour: the labels, then the chart's texts.
    const std::vector<std::string> t = textsDrawn();
    ASSERT_EQ(t.size(), 3u + 5u);
    EXPECT_EQ(t[0], "LOP# 1");
    EXPECT_EQ(t[1], "LOP# 2");
    EXPECT_EQ(t[2], "LOP# 3");
    EXPECT_EQ(t[3], "LONa -20.000 ");
    EXPECT_EQ(t[4], "LATa  30.000 ");
    EXPECT_EQ(t[5].rfind("Best Fix Latitude N 30 " + kDeg + " ", 0), 0u) << t[5];
    EXPECT_EQ(t[6].rfind("Best Fix Longitude W 20 " + kDeg + " ", 0), 0u) << t[6];
    EXPECT_EQ(t[7].rfind("Distance from assumed position ", 0), 0u) << t[7];
    for (const DrawItem& d : items()) {
        if (d.kind == DrawItem::Kind::Text) {
            EXPECT_EQ(d.color, p.foreColor());
        }
    }

    // Label of sight 1: f = 0.3 + 0.4 * 0.25 = 0.4 of the way to the first
    // end, 100 twips left and up.
    const DrawItem* label = nullptr;
    for (const DrawItem& d : items()) {
        if (d.kind == DrawItem::Kind::Text && d.text == "LOP# 1") {
            label = &d;
        }
    }
    ASSERT_NE(label, nullptr);
    const double x0 = 1.2 * std::sin(10 * kRad), y0 = 1.2 * std::cos(10 * kRad);
    const double dTwips = 200.0 * 10 / p.width();
    EXPECT_NEAR(label->x1, x0 + 10 * 0.4 * std::sin(-80 * kRad) - dTwips, 1e-12);
    EXPECT_NEAR(label->y1, y0 + 10 * 0.4 * std::cos(-80 * kRad) + dTwips, 1e-12);

    // The image shows the background, the axes and the red lines.
    const QImage image = p.image().scaled(p.widget()->size());
    EXPECT_EQ(QColor(image.pixel(2, image.height() - 2)), QColor(240, 240, 255));
    const QPointF origin = p.toPixel(0, 0);
    EXPECT_EQ(QColor(image.pixel(static_cast<int>(origin.x()), 5)), QColor(0, 0, 0));
}

TEST_F(PlotWindowTest, ExcludedSightReadFromTheLogAtPlotTime) {
    reduceThreeSights();
    reduction::PlotLOPs(app);
    app.Log.SightData[2][reduction::kFieldIncluded] = 0;
    reduction::PlotLOPs(app);
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kRed).size(), 2u);
    const std::vector<std::string> t = textsDrawn();
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[0], "LOP# 1");
    EXPECT_EQ(t[1], "LOP# 3");
}

TEST_F(PlotWindowTest, TwoSightsDrawNoEllipse) {
    reduceThreeSights();
    app.Reduction.Fix.IncludedCount = 2;
    app.Log.SightData[3][reduction::kFieldIncluded] = 0;
    reduction::PlotLOPs(app);
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kRed).size(), 2u);
    EXPECT_EQ(itemsOf(DrawItem::Kind::Circle, kGreen).size(), 1u);
    EXPECT_TRUE(itemsOf(DrawItem::Kind::Point, kBlue).empty());
    EXPECT_TRUE(itemsOf(DrawItem::Kind::Line, kBlue).empty());
}

// Without a fix: no green circle, a bold black "+" on the assumed position
// labelled "AP", and the reason.
TEST_F(PlotWindowTest, NoFixMarksTheAssumedPositionAndSaysWhy) {
    app.form1();
    app.Reduction.Fix.PlotScale = 10;
    app.Reduction.Status = FixStatus::FewSights;
    app.Log.SightCount = 1;
    app.Log.SightData[1][reduction::kFieldIncluded] = 0;
    reduction::PlotLOPs(app);
    EXPECT_TRUE(itemsOf(DrawItem::Kind::Circle, kGreen).empty());
    EXPECT_TRUE(itemsOf(DrawItem::Kind::Line, kRed).empty());
    std::vector<const DrawItem*> mark;
    for (const DrawItem* d : itemsOf(DrawItem::Kind::Line, kBlack)) {
        if (d->drawWidth == 3) {
            mark.push_back(d);
        }
    }
    ASSERT_EQ(mark.size(), 2u);
    // Both arms cross at the origin, one along each axis, of equal length.
    EXPECT_EQ(mark[0]->y1, 0);
    EXPECT_EQ(mark[0]->y2, 0);
    EXPECT_EQ(mark[0]->x1, -mark[0]->x2);
    EXPECT_EQ(mark[1]->x1, 0);
    EXPECT_EQ(mark[1]->x2, 0);
    EXPECT_EQ(mark[1]->y1, -mark[1]->y2);
    EXPECT_EQ(mark[0]->x2, mark[1]->y2);
    EXPECT_GT(mark[0]->x2, 0);
    EXPECT_EQ(textsDrawn(), (std::vector<std::string>{"AP", "LONa  0.000 ", "LATa  0.000 ",
                                                      "No fix: fewer than two sights included"}));
    // The lines drawn after the mark are one pixel wide again.
    EXPECT_EQ(app.form2().Picture1.drawWidth(), 1);
}

// The same through the real reduction: two sights, one left out of the fix.
TEST_F(PlotWindowTest, OneIncludedSightThroughTheReductionMarksTheAssumedPosition) {
    reductionsession::reduceStarSights(app, env, 2, {2});
    Form2& f = app.form2();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(app.Reduction.Status, FixStatus::FewSights);
    EXPECT_TRUE(itemsOf(DrawItem::Kind::Circle, kGreen).empty());
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kRed).size(), 1u);
    int thick = 0;
    for (const DrawItem* d : itemsOf(DrawItem::Kind::Line, kBlack)) {
        thick += d->drawWidth == 3 ? 1 : 0;
    }
    EXPECT_EQ(thick, 2);
    const std::vector<std::string> t = textsDrawn();
    EXPECT_EQ(std::count(t.begin(), t.end(), "AP"), 1);
    EXPECT_EQ(t.back(), "No fix: fewer than two sights included");
    for (const std::string& text : t) {
        EXPECT_EQ(text.find("Best Fix"), std::string::npos) << text;
    }
}

TEST_F(PlotWindowTest, UnusablePlottingScaleShowsTheMessageOnly) {
    reduceThreeSights();
    app.Reduction.Fix.PlotScale = 0;
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(env.random.draws, 0);
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].kind, DrawItem::Kind::Text);
    EXPECT_EQ(items()[0].text, "Set a plotting scale above 0 in the main window");
    EXPECT_EQ(f.Picture1.backColor(), (Color{240, 240, 255}));
    // No chart: the pointer reads nothing.
    uitest::mouseMove(f.Picture1, QPointF(20, 20), Qt::NoButton);
    EXPECT_EQ(f.Label2.caption(), "");
    EXPECT_EQ(f.Label3.caption(), "");
}

// At the window's own size no two texts of the chart overlap: the fix texts
// stand a line apart, and the labels keep off them and off each other.
TEST_F(PlotWindowTest, NoTwoTextsOverlapAtTheDefaultSize) {
    struct Case {
        const char* what;
        std::vector<double> azimuths;
        std::vector<double> intercepts;  // n.mi.
        double scale;                    // n.mi.
        double random;                   // the generator's numbers
    };
    const Case cases[] = {
        // Lines through the upper left corner, where the fix texts stand.
        {"three lines across the texts", {45, 135, 225}, {-6, 4, 3}, 10, 0.5},
        {"a far fix with its advice", {300, 30, 60, 315}, {18, 22, -25, 20}, 30, 0.9},
        {"labels at the near end", {320, 330, 340, 350, 10, 20}, {-8, -7, -6, 6, 7, 8}, 10, 0},
        {"eight sights around the horizon",
         {0, 45, 90, 135, 180, 225, 270, 315},
         {1, -1, 2, -2, 3, -3, 4, -4},
         10,
         0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.form1();
        reduction::ReductionResult& r = app.Reduction;
        reduction::FixResult& f = r.Fix;
        f = {};
        f.PlotScale = c.scale;
        const int n = static_cast<int>(c.azimuths.size());
        f.IncludedCount = n;
        r.SightCount = n;
        app.Log.SightCount = n;
        for (int i = 1; i <= n; ++i) {
            app.Log.SightData[i][reduction::kFieldIncluded] = 1;
            r.LopIntercept[i] = c.intercepts[i - 1];
            r.LopAzimuth[i] = c.azimuths[i - 1];
            r.LopRun[i] = 0;
            fixsums::addLineOfPosition(f, c.intercepts[i - 1], c.azimuths[i - 1]);
        }
        app.AssumedLat = 41.5;
        app.AssumedLon = -70.25;
        fixsums::solveFix(f, app.AssumedLat, app.AssumedLon);
        r.Status = FixStatus::Fix;
        env.random.setValues({c.random});
        reduction::PlotLOPs(app);

        const platform::ui::Picture& p = app.form2().Picture1;
        struct Extent {
            std::string text;
            double left, right, top, bottom;
        };
        std::vector<Extent> texts;
        for (const DrawItem& d : items()) {
            if (d.kind == DrawItem::Kind::Text) {
                texts.push_back(
                    {d.text, d.x1, d.x1 + p.textWidth(d.text), d.y1, d.y1 - p.textHeight()});
            }
        }
        ASSERT_EQ(texts.size(), static_cast<std::size_t>(n + 5 + (f.FixDistance > 20 ? 1 : 0)));
        for (std::size_t a = 0; a < texts.size(); ++a) {
            for (std::size_t b = a + 1; b < texts.size(); ++b) {
                const Extent& u = texts[a];
                const Extent& v = texts[b];
                const bool overlap =
                    u.left < v.right && v.left < u.right && u.bottom < v.top && v.bottom < u.top;
                EXPECT_FALSE(overlap) << "\"" << u.text << "\" and \"" << v.text << "\"";
            }
        }
    }
}

// ------------------------------------------------------------ resizing

TEST_F(PlotWindowTest, ResizeFitsThePictureKeepsTheBottomGapsAndRedraws) {
    reduceThreeSights();
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    const int widthGap = f.widthTwips() - f.Picture1.width();
    const int heightGap = f.heightTwips() - f.Picture1.height();
    const int command2Gap = f.heightTwips() - f.Command2.top();
    const int label5Gap = f.heightTwips() - f.Label5.top();
    const int drawsBefore = env.random.draws;

    f.resizeTwips(9000, 12000);  // taller than wide
    EXPECT_EQ(f.Picture1.width(), 9000 - widthGap);
    EXPECT_EQ(f.Picture1.height(), 12000 - heightGap);
    EXPECT_EQ(f.Command2.top(), 12000 - command2Gap);
    EXPECT_EQ(f.Label5.top(), 12000 - label5Gap);
    EXPECT_EQ(f.Command2.left(), 4860);  // sideways unchanged
    EXPECT_EQ(env.random.draws, drawsBefore + 3);
    // The scale keeps +-S across and follows the height: T > S.
    EXPECT_EQ(f.Picture1.scaleWidth(), 20);
    EXPECT_GT(f.Picture1.scaleTop(), 10);
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kRed).size(), 3u);
    // Ten-mile ticks still end at 10.
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kBlack).size(), 2u + 4u + 36u);
}

TEST_F(PlotWindowTest, TinyWindowKeepsAPictureAndEnlargingRestoresTheChart) {
    reduceThreeSights();
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    f.resizeTwips(150, 150);
    EXPECT_GE(f.Picture1.width(), 15);
    EXPECT_GE(f.Picture1.height(), 15);
    for (const DrawItem& d : items()) {
        EXPECT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.x2) &&
                    std::isfinite(d.y2));
    }
    f.resizeTwips(6510, 6585);
    EXPECT_NEAR(f.Picture1.width(), 6252, 7.5);
    EXPECT_NEAR(f.Picture1.height(), 5415, 7.5);
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kRed).size(), 3u);
    EXPECT_EQ(itemsOf(DrawItem::Kind::Line, kBlue).size(), 36u);
}

// ---------------------------------------------------- pointer read-out

TEST_F(PlotWindowTest, MouseMoveWritesTheLatitudeAndLongitude) {
    reduceThreeSights();
    app.AssumedLat = 0;
    app.AssumedLon = -70;
    reduction::PlotLOPs(app);
    Form2& f = app.form2();

    f.Picture1_MouseMove(0, 0, -30, -30);
    EXPECT_EQ(f.Label2.caption(), "Latitude S0" + kDeg + " 30'");
    EXPECT_EQ(f.Label3.caption(), "Longitude W70" + kDeg + " 30'");

    // A real pointer movement reaches the handler in the chart's user scale.
    uitest::mouseMove(f.Picture1, f.Picture1.toPixel(-0.03, 0.03), Qt::NoButton);
    EXPECT_EQ(f.Label2.caption(), "Latitude N0" + kDeg + " 0'");
    EXPECT_EQ(f.Label3.caption(), "Longitude W70" + kDeg + " 0'");
    // 10 n.mi. west of 70 W at the equator: 70 degrees 10 minutes.
    uitest::mouseMove(f.Picture1, f.Picture1.toPixel(-10.03, 0.03), Qt::NoButton);
    EXPECT_EQ(f.Label3.caption(), "Longitude W70" + kDeg + " 10'");

    // A redraw empties the read-out: it belonged to the picture before.
    f.resizeTwips(7000, 7000);
    EXPECT_EQ(f.Label2.caption(), "");
    EXPECT_EQ(f.Label3.caption(), "");
    uitest::mouseMove(f.Picture1, f.Picture1.toPixel(-10.03, 0.03), Qt::NoButton);
    EXPECT_EQ(f.Label3.caption(), "Longitude W70" + kDeg + " 10'");
    reduction::PlotLOPs(app);  // a new reduction's plot
    EXPECT_EQ(f.Label2.caption(), "");
    EXPECT_EQ(f.Label3.caption(), "");

    // So does the pointer leaving the picture.
    uitest::mouseMove(f.Picture1, f.Picture1.toPixel(-10.03, 0.03), Qt::NoButton);
    EXPECT_NE(f.Label2.caption(), "");
    uitest::mouseLeave(f.Picture1);
    EXPECT_EQ(f.Label2.caption(), "");
    EXPECT_EQ(f.Label3.caption(), "");
}

// Figures rounded to the place shown: 12.35' (held a hair below) shows 12.4'
// and a latitude of 29 deg 59.96' shows 30 deg 0'.
TEST_F(PlotWindowTest, ReadOutIsRoundedWithTheCarry) {
    reduceThreeSights();
    app.AssumedLat = 29 + 59.96 / 60;
    app.AssumedLon = -(70 + 12.35 / 60);
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    f.Picture1_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(f.Label2.caption(), "Latitude N30" + kDeg + " 0'");
    EXPECT_EQ(f.Label3.caption(), "Longitude W70" + kDeg + " 12.4'");
}

// ------------------------------------------------------------- buttons

TEST_F(PlotWindowTest, PrintSendsTheWindowImageToThePrinter) {
    reduceThreeSights();
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    env.printer.expectPrint();
    uitest::userClick(f.Command1);
    ASSERT_EQ(env.printer.images.size(), 1u);
    EXPECT_EQ(env.printer.jobs[0], "PLOT OF LOPS");
    EXPECT_EQ(env.log, (uitest::ServiceLog{"print PLOT OF LOPS"}));
    const QImage& image = env.printer.images[0];
    EXPECT_EQ(image.width() * 1.0 / image.devicePixelRatio(), f.width());
}

TEST_F(PlotWindowTest, HideFormKeepsTheDrawingUntilShownAgain) {
    reduceThreeSights();
    reduction::PlotLOPs(app);
    Form2& f = app.form2();
    const std::vector<DrawItem> before = items();
    const int draws = env.random.draws;
    uitest::userClick(f.Command2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(items().size(), before.size());
    // Shown again at the same size: no redraw, the same drawing.
    f.showModeless();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(env.random.draws, draws);
    ASSERT_EQ(items().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(items()[i].x1, before[i].x1);
        EXPECT_EQ(items()[i].text, before[i].text);
    }
    // The next reduction redraws with new label positions.
    reduction::PlotLOPs(app);
    EXPECT_EQ(env.random.draws, draws + 3);
}

}  // namespace
