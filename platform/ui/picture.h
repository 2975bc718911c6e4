// A picture box: a drawing surface with its own user scale.
//
// The user scale is set by left, top, width and height in user units; a
// negative height makes y grow upward (a negative width makes x grow to the
// left). User points are mapped to pixels by the picture's own code, so text
// stays upright under any scale. Until setScale is called the scale is in
// twips from the top-left corner (and follows the size).
//
// Every primitive draws at once into a retained image of the picture's size,
// shown or not; painting only copies the image, and a resize keeps what was
// drawn. Beside the image a display list records every primitive with its
// user coordinates, colours and styles; clear() empties it.
//
// The image lives in the top-left corner of a pixel buffer that may be larger
// than the picture: a resize within the buffer moves no pixel (it only clears
// what it uncovers), so the steps of a drag-resize neither reallocate nor
// copy; the buffer grows with some room when the picture outgrows it.
//
// Current point: clear() puts it at the top-left corner of the scale; point,
// line, lineTo, box and filledBox leave it at their (last) end point, circle
// at the centre; print writes from it (the text's top-left corner) and then
// moves it to the left edge of the scale, one text line lower.
//
// Primitives with a non-finite coordinate or size are skipped (nothing drawn,
// nothing recorded, current point unchanged). A scale of zero width or height
// draws nothing (primitives are still recorded). Lines and circles far outside
// the picture, and circles of huge radius, are clipped to the picture.
//
// Defaults: fore colour black, back colour white, fill colour black, fill
// transparent, solid lines one pixel wide, the font of the window.
#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/line_segment.h"
#include "platform/print_items.h"
#include "platform/ui/color.h"
#include "platform/ui/controls.h"

class QPainter;

namespace platform::ui {

enum class FillStyle { Transparent, Solid };
enum class DrawStyle { Solid, Dash, Dot };

// A straight segment in user units.
using platform::LineSegment;

// One primitive as drawn, in user units.
struct DrawItem {
    enum class Kind { Point, Line, Box, FilledBox, Circle, Text, Lines };
    Kind kind = Kind::Point;
    // Point and Text: (x1, y1) (the text's top-left corner). Line, Box and
    // FilledBox: from (x1, y1) to (x2, y2). Circle: centre (x1, y1). Lines:
    // from the first segment's start to the last segment's end.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double radius = 0;  // Circle: in horizontal user units
    double aspect = 1;  // Circle
    Color color;        // line, point or text colour
    Color fillColor;
    FillStyle fillStyle = FillStyle::Transparent;
    DrawStyle drawStyle = DrawStyle::Solid;
    int drawWidth = 1;
    std::string text;  // Text: the print statement as platform::printLineText gives it
    std::vector<LineSegment> segments;  // Lines: each segment, in order
};

// Mouse handlers get the button (down and up: the button that changed; move:
// the buttons held, 1 left + 2 right + 4 middle), the keys held (1 Shift,
// 2 Ctrl, 4 Alt) and the pointer position in user units.
using MouseHandler = std::function<void(int Button, int Shift, double X, double Y)>;

class PictureSurface;

class Picture : public Control {
  public:
    Picture(Host host, const TwipRect& rect);
    ~Picture() override;

    // ---- user scale
    void setScale(double left, double top, double width, double height);
    // Back to the twips scale that follows the picture's size.
    void setScaleDefault();
    double scaleLeft() const;
    double scaleTop() const;
    double scaleWidth() const;
    double scaleHeight() const;

    // ---- state
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }

    // The line, point and text colour.
    void setForeColor(const Color& color) override;
    Color foreColor() const override { return fore_; }
    // Setting the back colour clears the picture to it.
    void setBackColor(const Color& color) override;
    Color backColor() const override { return back_; }
    void setFillColor(const Color& color) { fill_ = color; }
    Color fillColor() const { return fill_; }
    // Fill of circles and boxes (not of filled boxes, which take their line
    // colour).
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    FillStyle fillStyle() const { return fillStyle_; }
    void setDrawStyle(DrawStyle style) { drawStyle_ = style; }
    DrawStyle drawStyle() const { return drawStyle_; }
    // Pen width in pixels, at least 1.
    void setDrawWidth(int pixels);
    int drawWidth() const { return drawWidth_; }

    // ---- primitives (colours default to the fore colour)
    // Fills the picture with the back colour, empties the display list and
    // puts the current point at (scaleLeft, scaleTop).
    void clear();
    // A single point; also moves the current (print) position there.
    void point(double x, double y);
    void point(double x, double y, const Color& color);
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, const Color& color);
    // Many separate segments in one colour, drawn with one painter call and
    // recorded as one Lines item; segments with a non-finite coordinate are
    // left out. The current point moves to the last segment's end.
    void lines(const LineSegment* segments, std::size_t count, const Color& color);
    // From the current point.
    void lineTo(double x, double y);
    void lineTo(double x, double y, const Color& color);
    // A rectangle outline in the colour, filled by the fill style.
    void box(double x1, double y1, double x2, double y2, const Color& color);
    // A rectangle filled with the colour.
    void filledBox(double x1, double y1, double x2, double y2, const Color& color);
    // Radius r in horizontal user units (in pixels: r times the pixels per
    // horizontal unit). With aspect > 1 the vertical radius is r and the
    // horizontal r / aspect; otherwise the horizontal radius is r and the
    // vertical r * aspect. Filled by the fill style.
    void circle(double x, double y, double r);
    void circle(double x, double y, double r, const Color& color, double aspect = 1.0);

    // One print statement at the current point: texts as written, numbers in
    // print form (platform::printedNumber), zone breaks to the next print zone
    // (every 14 average character widths from the left edge); then the next
    // line. Text is drawn in the fore colour and the picture's font, with no
    // background.
    void print(const PrintLine& line);
    // The same for a line of one text.
    void print(const std::string& text);

    // Size of a text in user units (always positive).
    double textWidth(const std::string& text) const;
    double textHeight(const std::string& text = "Ag") const;
    // The same in twips, whatever the scale.
    double textWidthTwips(const std::string& text) const;
    double textHeightTwips() const;

    // ---- mouse (tracking is on: moves report without a button too)
    void onMouseDown(MouseHandler handler) { mouseDown_ = std::move(handler); }
    void onMouseMove(MouseHandler handler) { mouseMove_ = std::move(handler); }
    void onMouseUp(MouseHandler handler) { mouseUp_ = std::move(handler); }
    // The pointer left the picture.
    void onMouseLeave(std::function<void()> handler) { mouseLeave_ = std::move(handler); }

    // ---- for tests and printing
    const std::vector<DrawItem>& displayList() const { return items_; }
    // The retained image (device pixels).
    QImage image() const;
    // Pixel position of a user point (logical pixels, fractional).
    QPointF toPixel(double x, double y) const;
    // User position of a pixel position.
    QPointF toUser(QPointF pixel) const;

  protected:
    void sizeChanged() override;

  private:
    friend class PictureSurface;

    bool scaleUsable() const;
    QSize pixelSize() const;
    void ensureImage();
    // A new buffer of at least the device size, holding what was drawn.
    void reallocate(QSize device, qreal dpr, QSize capacity);
    // Fills part of the image (device pixels) with a colour.
    void fillDevice(const QRect& area, const Color& color);
    // The image for drawing, with no painter active.
    QImage& canvas();
    QPainter& painter();
    void endPainting() const;
    void preparePen(QPainter& p, const Color& color) const;
    DrawItem makeItem(DrawItem::Kind kind, const Color& color) const;
    void drawSegment(double x1, double y1, double x2, double y2, const Color& color);
    // Records a primitive from (x1, y1) to (x2, y2) and moves the current
    // point to its end; false (nothing recorded) when a coordinate is not
    // finite.
    bool recordSpan(DrawItem::Kind kind, double x1, double y1, double x2, double y2,
                    const Color& color);
    void drawRectangle(double x1, double y1, double x2, double y2, const Color& color,
                       bool filledWithColor);
    void drawEllipse(double x, double y, double r, const Color& color, double aspect);
    void drawHugeEllipse(QPointF centre, double rx, double ry, const Color& color);
    void mouse(const MouseHandler& handler, QPointF pixel, int button, int shift);

    PictureSurface* surface_;
    // The pixel buffer; the picture's image is its top-left imageSize_.
    QImage buffer_;
    QSize imageSize_;
    // The image as a device of its own size over the buffer's pixels, so that
    // the painter clips (and dashes) exactly as on an image of that size.
    QImage canvas_;
    // Whether the image is all one colour (blankColor_), as clear() leaves
    // it: clearing it again to that colour has nothing to do.
    bool blank_ = false;
    Color blankColor_;
    mutable std::unique_ptr<QPainter> painter_;
    bool defaultScale_ = true;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double currentX_ = 0, currentY_ = 0;
    Color fore_{0, 0, 0};
    Color back_{255, 255, 255};
    Color fill_{0, 0, 0};
    FillStyle fillStyle_ = FillStyle::Transparent;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    int drawWidth_ = 1;
    std::vector<DrawItem> items_;
    MouseHandler mouseDown_, mouseMove_, mouseUp_;
    std::function<void()> mouseLeave_;
};

// Connects the picture's mouse down, move and up to three handlers of a
// window, as in
//   connectMouse(Picture1, *this, &Form16::Picture1_MouseDown,
//                &Form16::Picture1_MouseMove, &Form16::Picture1_MouseUp);
template <class Window>
void connectMouse(Picture& picture, Window& window, void (Window::*down)(int, int, double, double),
                  void (Window::*move)(int, int, double, double),
                  void (Window::*up)(int, int, double, double)) {
    picture.onMouseDown([&window, down](int Button, int Shift, double X, double Y) {
        (window.*down)(Button, Shift, X, Y);
    });
    picture.onMouseMove([&window, move](int Button, int Shift, double X, double Y) {
        (window.*move)(Button, Shift, X, Y);
    });
    picture.onMouseUp([&window, up](int Button, int Shift, double X, double Y) {
        (window.*up)(Button, Shift, X, Y);
    });
}

}  // namespace platform::ui
