// The picture box: user scale and mapping, retained image, display list,
// print statements and zones, clipping, and the mouse.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/picture.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using namespace platform::ui;
using platform::PrintItem;
using platform::PrintLine;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const Color kWhite{255, 255, 255};
const Color kRed{255, 0, 0};
const Color kBlue{0, 0, 255};
const Color kGreen{10, 255, 10};

class PictureForm : public Form {
  public:
    explicit PictureForm(Application& app) : Form(app, "Pictures") { resizeTwips(4500, 3000); }
    Picture Picture1{*this, {0, 0, 3015, 1515}};  // 201 x 101 pixels
    Picture Picture2{*this, {0, 1515, 3015, 1515}};
};

Color at(const QImage& image, int x, int y) {
    return fromQColor(QColor(image.pixel(x, y)));
}

int countOf(const QImage& image, const Color& c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += at(image, x, y) == c ? 1 : 0;
        }
    }
    return n;
}

// Rows and columns that hold any pixel other than the background.
QRect inkBounds(const QImage& image, const Color& background) {
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (at(image, x, y) != background) {
                r = r.united(QRect(x, y, 1, 1));
            }
        }
    }
    return r;
}

class PictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pic.setBackColor(kWhite);
        // x from -100 (left) to 100 (right), y from 50 (top) down to -50: y up.
        pic.setScale(-100, 50, 200, -100);
        pic.clear();
    }

    uitest::FakeEnvironment env;
    Application app{env.services()};
    PictureForm& form = app.window<PictureForm>();
    Picture& pic = form.Picture1;
};

// ------------------------------------------------------------ mapping

TEST_F(PictureTest, UserPointsMapToPixelsUnderAYUpScale) {
    struct Case {
        double x, y;
        int px, py;
    };
    // px = (x + 100) * 201 / 200, py = (y - 50) * 101 / -100, whole pixels down.
    const Case cases[] = {{0, 0, 100, 50},
                          {50, 25, 150, 25},
                          {-100, 50, 0, 0},
                          {99.9, -49.9, 200, 100},
                          {-50, -25, 50, 75}};
    for (const Case& c : cases) {
        pic.clear();
        pic.point(c.x, c.y, kRed);
        const QImage img = pic.image();
        EXPECT_EQ(at(img, c.px, c.py), kRed) << c.x << ", " << c.y;
        EXPECT_EQ(countOf(img, kRed), 1) << c.x << ", " << c.y;
    }
    const QPointF p = pic.toPixel(50, 25);
    EXPECT_DOUBLE_EQ(p.x(), 150.75);
    EXPECT_DOUBLE_EQ(p.y(), 25.25);
    const QPointF u = pic.toUser(QPointF(150.75, 25.25));
    EXPECT_DOUBLE_EQ(u.x(), 50);
    EXPECT_DOUBLE_EQ(u.y(), 25);
}

TEST_F(PictureTest, DefaultScaleIsTwipsFromTheTopLeftAndFollowsTheSize) {
    Picture& other = form.Picture2;
    EXPECT_EQ(other.scaleLeft(), 0);
    EXPECT_EQ(other.scaleTop(), 0);
    EXPECT_EQ(other.scaleWidth(), 3015);
    EXPECT_EQ(other.scaleHeight(), 1515);
    other.setWidth(1500);
    EXPECT_EQ(other.scaleWidth(), 1500);
    other.point(150, 300, kRed);  // twips: pixel (10, 20)
    EXPECT_EQ(at(other.image(), 10, 20), kRed);
    // A user scale stays as set when the picture is resized.
    pic.setWidth(1500);
    EXPECT_EQ(pic.scaleWidth(), 200);
    pic.setScaleDefault();
    EXPECT_EQ(pic.scaleWidth(), 1500);
}

TEST_F(PictureTest, TextIsUprightUnderAYUpScale) {
    pic.setCurrentX(-80);
    pic.setCurrentY(30);  // pixel row 20, column 20
    pic.print("Ag");
    const QRect ink = inkBounds(pic.image(), kWhite);
    ASSERT_FALSE(ink.isEmpty());
    const QFontMetricsF fm(pic.widget()->font());
    // The text hangs down from its top-left corner, as on screen.
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.bottom(), 20 + std::ceil(fm.height()));
    EXPECT_GE(ink.left(), 20);
    // Its capital reaches up near the corner and its descender down below
    // the baseline: glyphs are not mirrored.
    EXPECT_LE(ink.top(), 20 + std::ceil(fm.ascent() - fm.capHeight()) + 1);
    EXPECT_GT(ink.bottom(), 20 + fm.ascent());
}

// ------------------------------------------------------- display list

TEST_F(PictureTest, DisplayListRecordsEveryPrimitiveAndClearEmptiesIt) {
    pic.setFillStyle(FillStyle::Solid);
    pic.setFillColor(kBlue);
    pic.setDrawStyle(DrawStyle::Dot);
    pic.line(-10, -5, 10, 5, kRed);
    pic.setDrawStyle(DrawStyle::Solid);
    pic.setDrawWidth(2);
    pic.circle(1, 2, 3, kGreen, 2);
    pic.box(-20, -10, 20, 10, kRed);
    pic.filledBox(0, 0, 5, 5, kBlue);
    pic.point(7, 8);
    pic.print(PrintLine{PrintItem::Text("LONa "), PrintItem::Number(-70.123)});

    const std::vector<DrawItem>& d = pic.displayList();
    ASSERT_EQ(d.size(), 6u);
    EXPECT_EQ(d[0].kind, DrawItem::Kind::Line);
    EXPECT_EQ(d[0].x1, -10);
    EXPECT_EQ(d[0].y1, -5);
    EXPECT_EQ(d[0].x2, 10);
    EXPECT_EQ(d[0].y2, 5);
    EXPECT_EQ(d[0].color, kRed);
    EXPECT_EQ(d[0].drawStyle, DrawStyle::Dot);
    EXPECT_EQ(d[0].drawWidth, 1);
    EXPECT_EQ(d[1].kind, DrawItem::Kind::Circle);
    EXPECT_EQ(d[1].radius, 3);
    EXPECT_EQ(d[1].aspect, 2);
    EXPECT_EQ(d[1].color, kGreen);
    EXPECT_EQ(d[1].fillColor, kBlue);
    EXPECT_EQ(d[1].fillStyle, FillStyle::Solid);
    EXPECT_EQ(d[1].drawWidth, 2);
    EXPECT_EQ(d[2].kind, DrawItem::Kind::Box);
    EXPECT_EQ(d[3].kind, DrawItem::Kind::FilledBox);
    EXPECT_EQ(d[3].color, kBlue);
    EXPECT_EQ(d[4].kind, DrawItem::Kind::Point);
    EXPECT_EQ(d[4].color, (Color{0, 0, 0}));  // the fore colour
    EXPECT_EQ(d[5].kind, DrawItem::Kind::Text);
    EXPECT_EQ(d[5].text, "LONa -70.123 ");
    EXPECT_EQ(d[5].x1, 7);  // printed where the point left the position
    EXPECT_EQ(d[5].y1, 8);

    pic.clear();
    EXPECT_TRUE(pic.displayList().empty());
    EXPECT_EQ(pic.currentX(), -100);
    EXPECT_EQ(pic.currentY(), 50);
}

TEST_F(PictureTest, CurrentPointFollowsEachPrimitive) {
    pic.line(1, 2, 3, 4);
    EXPECT_EQ(pic.currentX(), 3);
    EXPECT_EQ(pic.currentY(), 4);
    pic.lineTo(5, 6, kRed);
    ASSERT_EQ(pic.displayList().size(), 2u);
    EXPECT_EQ(pic.displayList()[1].x1, 3);
    EXPECT_EQ(pic.displayList()[1].y1, 4);
    EXPECT_EQ(pic.currentX(), 5);
    pic.circle(-7, -8, 2);
    EXPECT_EQ(pic.currentX(), -7);
    EXPECT_EQ(pic.currentY(), -8);
    pic.point(9, 10, kWhite);
    EXPECT_EQ(pic.currentX(), 9);
    EXPECT_EQ(pic.currentY(), 10);
    pic.box(0, 0, 11, 12, kRed);
    EXPECT_EQ(pic.currentX(), 11);
    EXPECT_EQ(pic.currentY(), 12);
}

TEST_F(PictureTest, PrintMovesToTheLeftEdgeOneLineLower) {
    pic.setCurrentX(20);
    pic.setCurrentY(30);
    const double lineHeight = pic.textHeight();
    EXPECT_GT(lineHeight, 0);
    pic.print("first");
    EXPECT_EQ(pic.currentX(), -100);
    // y grows upward: the next line lies lower, at a smaller y.
    EXPECT_NEAR(pic.currentY(), 30 - lineHeight, 1e-12);
    pic.print(PrintLine{});
    EXPECT_NEAR(pic.currentY(), 30 - 2 * lineHeight, 1e-12);
    const QFontMetricsF fm(pic.widget()->font());
    EXPECT_NEAR(lineHeight, fm.height() * 100 / 101, 1e-12);
    EXPECT_NEAR(pic.textWidth("W"), fm.horizontalAdvance("W") * 200 / 201, 1e-12);
}

TEST_F(PictureTest, PrintItemsFollowOneAnotherAndNumbersTakePrintForm) {
    pic.print(PrintLine{PrintItem::Text(" HP    "), PrintItem::Number(0.08), PrintItem::Text(" '"),
                        PrintItem::Text("  Horizontal Parallax")});
    pic.print(PrintLine{PrintItem::Number(-0.5), PrintItem::Number(123), PrintItem::Number(-0.0)});
    ASSERT_EQ(pic.displayList().size(), 2u);
    EXPECT_EQ(pic.displayList()[0].text, " HP     .08  '  Horizontal Parallax");
    EXPECT_EQ(pic.displayList()[1].text, "-.5  123  0 ");
}

TEST_F(PictureTest, PrintZoneBreakMovesToTheNextColumnOf14AverageWidths) {
    // Draw "a" <zone> "b" on one picture, and "a" then "b" placed by hand at
    // the first zone on the other: the two images are the same.
    Picture& other = form.Picture2;
    other.setBackColor(kWhite);
    other.setScale(-100, 50, 200, -100);
    other.clear();
    const QFontMetricsF fm(pic.widget()->font());
    const double zone = 14 * fm.averageCharWidth();
    ASSERT_GT(zone, fm.horizontalAdvance("a"));
    ASSERT_LT(zone, 150);

    pic.setCurrentY(40);
    pic.print(PrintLine{PrintItem::Text("a"), PrintItem::NextZone(), PrintItem::Text("b")});
    other.setCurrentY(40);
    other.print("a");
    other.setCurrentX(other.toUser(QPointF(std::floor(zone) + 0.5, 0)).x());
    other.setCurrentY(40);
    other.print("b");
    EXPECT_EQ(pic.image(), other.image());
    EXPECT_EQ(pic.displayList()[0].text, "a\tb");
}

TEST_F(PictureTest, ConsecutiveZoneBreaksSkipAZoneEach) {
    Picture& other = form.Picture2;
    other.setBackColor(kWhite);
    other.setScale(-100, 50, 200, -100);
    other.clear();
    const QFontMetricsF fm(pic.widget()->font());
    const double zone = 14 * fm.averageCharWidth();
    ASSERT_LT(2 * zone, 190);
    // A leading zone break moves from the left edge to the first zone.
    pic.print(PrintLine{PrintItem::NextZone(), PrintItem::NextZone(), PrintItem::Text("x")});
    other.setCurrentX(other.toUser(QPointF(std::floor(2 * zone) + 0.5, 0)).x());
    other.setCurrentY(50);
    other.print("x");
    EXPECT_EQ(pic.image(), other.image());
}

// ------------------------------------------------------------ drawing

TEST_F(PictureTest, EveryPrimitiveDrawsAtOnceIntoTheRetainedImageWhileHidden) {
    ASSERT_FALSE(form.isVisible());
    pic.line(-100, 0, 100, 0, kRed);  // pixel row 50
    const QImage img = pic.image();
    EXPECT_EQ(at(img, 0, 50), kRed);
    EXPECT_EQ(at(img, 100, 50), kRed);
    EXPECT_EQ(at(img, 199, 50), kRed);
    EXPECT_EQ(at(img, 100, 49), kWhite);
    // Painting only copies the image.
    form.show();
    const QImage shown = pic.widget()->grab().toImage();
    EXPECT_EQ(at(shown, 100, 50), kRed);
    EXPECT_EQ(at(shown, 100, 51), kWhite);
}

TEST_F(PictureTest, ResizeKeepsWhatWasDrawn) {
    pic.point(0, 0, kRed);  // pixel (100, 50)
    pic.setGeometry({0, 0, 4500, 1515});
    const QImage img = pic.image();
    EXPECT_EQ(img.size(), QSize(300, 101));
    EXPECT_EQ(at(img, 100, 50), kRed);
    EXPECT_EQ(at(img, 250, 50), kWhite);
}

// Steps of a drag-resize, shrinking and growing, far and near: what stays in
// the picture keeps its pixels, and whatever a step uncovers is the back
// colour, never what was drawn there at an earlier size.
TEST_F(PictureTest, ResizeStepsKeepWhatStaysAndUncoverTheBackColour) {
    pic.setScale(0, 0, 201, 101);  // one unit a pixel
    const Color kYellow = rgb(255, 255, 0);
    // A cross through pixel (100, 50), in two colours.
    pic.line(0, 50, 200, 50, kRed);
    pic.line(100, 0, 100, 100, kBlue);
    struct Step {
        int width, height;  // pixels
    };
    const Step steps[] = {{150, 80},  {60, 30}, {201, 101}, {120, 101},
                          {640, 480}, {20, 20}, {300, 60},  {201, 101}};
    // The cross as far as every size so far has kept it.
    int keptWidth = 201;
    int keptHeight = 101;
    for (const Step& s : steps) {
        pic.setGeometry({0, 0, 15.0 * s.width, 15.0 * s.height});
        keptWidth = std::min(keptWidth, s.width);
        keptHeight = std::min(keptHeight, s.height);
        const QImage img = pic.image();
        ASSERT_EQ(img.size(), QSize(s.width, s.height));
        const int red = 50 < keptHeight ? std::min(keptWidth, 201) - (100 < keptWidth ? 1 : 0) : 0;
        const int blue = 100 < keptWidth ? std::min(keptHeight, 101) : 0;
        EXPECT_EQ(countOf(img, kRed), red) << s.width << " x " << s.height;
        EXPECT_EQ(countOf(img, kBlue), blue) << s.width << " x " << s.height;
        EXPECT_EQ(countOf(img, kWhite), s.width * s.height - red - blue)
            << s.width << " x " << s.height;
    }
    // A clear picture cleared to another colour takes it.
    pic.clear();
    pic.setBackColor(kYellow);
    EXPECT_EQ(countOf(pic.image(), kYellow), 201 * 101);
    // A line across the whole picture and beyond, drawn again after a shrink:
    // growing back uncovers the back colour past the smaller width, not the
    // line drawn there at the larger size.
    pic.line(-1000, 10, 1000, 10, kRed);
    pic.setGeometry({0, 0, 15.0 * 150, 15.0 * 90});
    EXPECT_EQ(countOf(pic.image(), kRed), 150);
    pic.setBackColor(kYellow);
    EXPECT_EQ(countOf(pic.image(), kYellow), 150 * 90);
    pic.line(-1000, 10, 1000, 10, kRed);
    const int row = static_cast<int>(std::floor(pic.toPixel(0, 10).y()));
    for (const Step& s : {Step{201, 101}, Step{400, 300}}) {
        pic.setGeometry({0, 0, 15.0 * s.width, 15.0 * s.height});
        const QImage grown = pic.image();
        EXPECT_EQ(countOf(grown, kRed), 150) << s.width << " x " << s.height;
        EXPECT_EQ(at(grown, 149, row), kRed) << s.width << " x " << s.height;
        EXPECT_EQ(countOf(grown, kYellow), s.width * s.height - 150)
            << s.width << " x " << s.height;
    }
    pic.clear();
    EXPECT_EQ(countOf(pic.image(), kYellow), 400 * 300);
}

TEST_F(PictureTest, SettingTheBackColourClears) {
    pic.line(-100, 0, 100, 0, kRed);
    pic.setBackColor(rgb(240, 240, 255));
    const QImage img = pic.image();
    EXPECT_EQ(countOf(img, Color{240, 240, 255}), 201 * 101);
    EXPECT_TRUE(pic.displayList().empty());
}

TEST_F(PictureTest, CircleRadiusIsInHorizontalUnitsAndAspectStretches) {
    // 2 pixels per x unit, 1 pixel per y unit: radius 10 is 20 pixels both ways.
    pic.setScale(0, 0, 100.5, 101);
    pic.circle(50, 50, 10, kRed);  // centre pixel (100, 50)
    QImage img = pic.image();
    EXPECT_EQ(at(img, 120, 50), kRed);
    EXPECT_EQ(at(img, 80, 50), kRed);
    EXPECT_EQ(at(img, 100, 30), kRed);
    EXPECT_EQ(at(img, 100, 70), kRed);
    EXPECT_EQ(at(img, 100, 50), kWhite);  // transparent fill

    struct Case {
        double aspect;
        int rx, ry;
    };
    // Aspect above 1: vertical radius R, horizontal R / aspect; else
    // horizontal R and vertical R * aspect.
    for (const Case c : {Case{2, 10, 20}, Case{0.5, 20, 10}}) {
        pic.clear();
        pic.circle(50, 50, 10, kRed, c.aspect);
        img = pic.image();
        EXPECT_EQ(at(img, 100 + c.rx, 50), kRed) << c.aspect;
        EXPECT_EQ(at(img, 100, 50 - c.ry), kRed) << c.aspect;
        EXPECT_EQ(at(img, 100 + c.rx + 2, 50), kWhite) << c.aspect;
        EXPECT_EQ(at(img, 100, 50 - c.ry - 2), kWhite) << c.aspect;
    }
}

TEST_F(PictureTest, FillStyleFillsCirclesAndBoxesFilledBoxesTakeTheLineColour) {
    pic.setScale(0, 0, 201, 101);  // one unit per pixel
    pic.setFillStyle(FillStyle::Solid);
    pic.setFillColor(kBlue);
    pic.circle(50, 50, 10, kRed);
    pic.box(120, 20, 160, 60, kRed);
    pic.filledBox(170, 20, 180, 30, kGreen);
    const QImage img = pic.image();
    EXPECT_EQ(at(img, 50, 50), kBlue);
    EXPECT_EQ(at(img, 60, 50), kRed);
    EXPECT_EQ(at(img, 140, 40), kBlue);
    EXPECT_EQ(at(img, 120, 40), kRed);
    EXPECT_EQ(at(img, 175, 25), kGreen);
    EXPECT_EQ(at(img, 180, 30), kGreen);
    EXPECT_EQ(at(img, 181, 30), kWhite);
}

TEST_F(PictureTest, DottedLinesHaveGapsAndWideLinesCoverMoreRows) {
    pic.setScale(0, 0, 201, 101);
    pic.setDrawStyle(DrawStyle::Dot);
    pic.line(10, 20, 110, 20, kRed);
    QImage img = pic.image();
    int onRow = 0;
    for (int x = 10; x <= 110; ++x) {
        onRow += at(img, x, 20) == kRed ? 1 : 0;
    }
    EXPECT_GT(onRow, 20);
    EXPECT_LT(onRow, 80);
    pic.setDrawStyle(DrawStyle::Solid);
    pic.setDrawWidth(3);
    pic.line(10, 60, 110, 60, kBlue);
    img = pic.image();
    EXPECT_EQ(at(img, 50, 59), kBlue);
    EXPECT_EQ(at(img, 50, 60), kBlue);
    EXPECT_EQ(at(img, 50, 61), kBlue);
    EXPECT_EQ(at(img, 50, 63), kWhite);
    pic.setDrawWidth(0);
    EXPECT_EQ(pic.drawWidth(), 1);
}

TEST_F(PictureTest, BatchedLinesAreOneItemAndDrawLikeSingleLines) {
    pic.setScale(0, 0, 201, 101);
    const LineSegment segments[] = {
        {10, 20, 110, 20}, {kNaN, 5, 6, 7}, {50, 30, 50, 90}, {-500, 95, 700, 95}, {5, 5, 5, 5}};
    pic.lines(segments, 5, kRed);
    const std::vector<DrawItem>& d = pic.displayList();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].kind, DrawItem::Kind::Lines);
    EXPECT_EQ(d[0].color, kRed);
    // The segment with a non-finite end is left out.
    ASSERT_EQ(d[0].segments.size(), 4u);
    EXPECT_EQ(d[0].segments[1].y2, 90);
    EXPECT_EQ(pic.currentX(), 5);
    EXPECT_EQ(pic.currentY(), 5);
    const QImage img = pic.image();
    for (int x = 10; x <= 110; ++x) {
        EXPECT_EQ(at(img, x, 20), kRed) << x;
    }
    for (int y = 30; y <= 90; ++y) {
        EXPECT_EQ(at(img, 50, y), kRed) << y;
    }
    // Clipped to the picture, across its whole width.
    EXPECT_EQ(at(img, 0, 95), kRed);
    EXPECT_EQ(at(img, 200, 95), kRed);
    // A zero-length segment is a single point.
    EXPECT_EQ(at(img, 5, 5), kRed);
    EXPECT_EQ(at(img, 6, 5), kWhite);
    EXPECT_EQ(countOf(img, kRed), 101 + 61 + 201 + 1);
    // Wide or dotted lines go through the painter, as single lines do.
    pic.clear();
    pic.setDrawWidth(3);
    pic.lines(segments, 1, kBlue);
    EXPECT_EQ(at(pic.image(), 50, 21), kBlue);
    // Nothing finite: nothing recorded.
    pic.clear();
    pic.lines(segments + 1, 1, kBlue);
    EXPECT_TRUE(pic.displayList().empty());
}

TEST_F(PictureTest, TextTakesTheForeColour) {
    pic.setForeColor(rgb(180, 180, 180));
    pic.print("N");
    EXPECT_EQ(pic.displayList()[0].color, (Color{180, 180, 180}));
    EXPECT_GT(countOf(pic.image(), Color{180, 180, 180}), 0);
}

// ---------------------------------------------------- bad coordinates

TEST_F(PictureTest, NonFiniteCoordinatesAreSkipped) {
    pic.setCurrentX(1);
    pic.setCurrentY(2);
    pic.line(kNaN, 0, 1, 1);
    pic.line(0, 0, kInf, 1, kRed);
    pic.lineTo(-kInf, 0);
    pic.point(0, kNaN, kRed);
    pic.circle(0, 0, kInf);
    pic.circle(0, 0, 5, kRed, kNaN);
    pic.box(0, 0, kNaN, 1, kRed);
    pic.filledBox(kInf, 0, 1, 1, kRed);
    EXPECT_TRUE(pic.displayList().empty());
    EXPECT_EQ(pic.currentX(), 1);
    EXPECT_EQ(pic.currentY(), 2);
    pic.setCurrentX(kNaN);
    pic.print("LOP# 1");
    EXPECT_TRUE(pic.displayList().empty());
    EXPECT_EQ(countOf(pic.image(), kWhite), 201 * 101);
}

TEST_F(PictureTest, ZeroSizedScaleDrawsNothingButRecords) {
    pic.setScale(0, 0, 0, 0);
    pic.line(0, 0, 1, 1, kRed);
    pic.circle(0, 0, 1, kRed);
    pic.point(0, 0, kRed);
    pic.print("text");
    pic.setScale(-1, 1, 2, 0);
    pic.line(-1, 0, 1, 0, kRed);
    EXPECT_EQ(countOf(pic.image(), kWhite), 201 * 101);
    EXPECT_EQ(pic.displayList().size(), 5u);
    EXPECT_EQ(pic.textHeight(), 0);
    double seenY = kNaN;
    pic.onMouseMove([&](int, int, double, double y) { seenY = y; });
    uitest::mouseMove(pic, QPointF(50, 50), Qt::NoButton);
    EXPECT_EQ(seenY, 1);  // zero height: every pixel is at the top edge
}

TEST_F(PictureTest, ZeroSizedPictureTakesEveryPrimitive) {
    pic.setGeometry({0, 0, 0, 0});
    pic.line(-100, 0, 100, 0, kRed);
    pic.circle(0, 0, 10, kRed);
    pic.print(PrintLine{PrintItem::Text("a"), PrintItem::NextZone(), PrintItem::Number(1)});
    pic.clear();
    EXPECT_TRUE(pic.displayList().empty());
    pic.setGeometry({0, 0, 3015, 1515});
    pic.point(0, 0, kRed);
    EXPECT_EQ(at(pic.image(), 100, 50), kRed);
}

TEST_F(PictureTest, LinesFarOutsideAreClippedToThePicture) {
    pic.line(-1e300, 0, 1e300, 0, kRed);            // across the middle row
    pic.line(-1e300, 1e300, -1e299, 1e300, kBlue);  // nowhere near
    const QImage img = pic.image();
    EXPECT_EQ(at(img, 0, 50), kRed);
    EXPECT_EQ(at(img, 200, 50), kRed);
    EXPECT_EQ(countOf(img, kRed), 201);
    EXPECT_EQ(countOf(img, kBlue), 0);
}

TEST_F(PictureTest, HugeCirclesAreDrawnWhereTheyCrossThePicture) {
    // One pixel per unit both ways: x -100.5..100.5, y 50.5..-50.5.
    pic.setScale(-100.5, 50.5, 201, -101);
    // A circle of radius 1e9 units whose top passes 10 units above the centre
    // row: across the picture it is a straight line on pixel row 40.
    pic.circle(0, 10 - 1e9, 1e9, kRed);
    QImage img = pic.image();
    for (int x : {1, 50, 100, 150, 199}) {
        EXPECT_EQ(at(img, x, 40), kRed) << x;
    }
    EXPECT_EQ(countOf(img, kRed), 201);

    // Filled and enclosing the whole picture: everything takes the fill.
    pic.clear();
    pic.setFillStyle(FillStyle::Solid);
    pic.setFillColor(kBlue);
    pic.circle(0, 0, 1e7, kRed);
    EXPECT_EQ(countOf(pic.image(), kBlue), 201 * 101);

    // Filled and crossing: above the arc blue, below it white.
    pic.clear();
    pic.circle(0, 10 - 1e9, 1e9, kRed);
    img = pic.image();
    EXPECT_EQ(at(img, 100, 80), kBlue);
    EXPECT_EQ(at(img, 100, 10), kWhite);

    // Far away: nothing at all.
    pic.clear();
    pic.circle(1e12, 0, 1e6, kRed);
    EXPECT_EQ(countOf(pic.image(), kWhite), 201 * 101);
}

// -------------------------------------------------------------- mouse

TEST_F(PictureTest, MouseReportsButtonAndUserPosition) {
    struct Event {
        char kind;
        int button;
        double x, y;
    };
    std::vector<Event> seen;
    pic.onMouseDown([&](int b, int, double x, double y) { seen.push_back({'d', b, x, y}); });
    pic.onMouseMove([&](int b, int, double x, double y) { seen.push_back({'m', b, x, y}); });
    pic.onMouseUp([&](int b, int, double x, double y) { seen.push_back({'u', b, x, y}); });
    EXPECT_TRUE(pic.widget()->hasMouseTracking());

    uitest::mouseMove(pic, QPointF(100.5, 50.5), Qt::NoButton);
    uitest::mouseDown(pic, QPointF(150.75, 25.25), Qt::LeftButton);
    uitest::mouseMove(pic, QPointF(150.75, 25.25), Qt::LeftButton);
    uitest::mouseMove(pic, QPointF(150.75, 25.25), Qt::LeftButton | Qt::RightButton);
    uitest::mouseUp(pic, QPointF(150.75, 25.25), Qt::LeftButton);
    uitest::mouseDown(pic, QPointF(0, 0), Qt::RightButton);
    uitest::mouseUp(pic, QPointF(0, 0), Qt::RightButton);

    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[0].kind, 'm');
    EXPECT_EQ(seen[0].button, 0);
    EXPECT_NEAR(seen[0].x, 0, 1e-12);
    EXPECT_NEAR(seen[0].y, 0, 1e-12);
    EXPECT_EQ(seen[1].kind, 'd');
    EXPECT_EQ(seen[1].button, 1);
    EXPECT_NEAR(seen[1].x, 50, 1e-12);
    EXPECT_NEAR(seen[1].y, 25, 1e-12);
    EXPECT_EQ(seen[2].button, 1);
    EXPECT_EQ(seen[3].button, 3);
    EXPECT_EQ(seen[4].kind, 'u');
    EXPECT_EQ(seen[4].button, 1);
    EXPECT_EQ(seen[5].button, 2);
    EXPECT_EQ(seen[5].x, -100);
    EXPECT_EQ(seen[5].y, 50);
    EXPECT_EQ(seen[6].button, 2);
}

TEST_F(PictureTest, LeavingThePictureReachesItsHandler) {
    int left = 0;
    uitest::mouseLeave(pic);  // no handler yet: nothing happens
    pic.onMouseLeave([&] { ++left; });
    uitest::mouseMove(pic, QPointF(10, 10), Qt::NoButton);
    EXPECT_EQ(left, 0);
    uitest::mouseLeave(pic);
    EXPECT_EQ(left, 1);
}

TEST_F(PictureTest, WindowImageIncludesThePicture) {
    pic.filledBox(-100, 50, 100, -50, kGreen);
    form.show();
    const QImage img = form.windowImage();
    EXPECT_EQ(img.size(), QSize(300, 200));
    EXPECT_EQ(at(img, 10, 10), kGreen);
}

}  // namespace
