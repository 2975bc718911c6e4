#include "platform/ui/picture.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/numtext.h"

namespace platform::ui {

namespace {

// Pixels beyond the picture's edges that clipped drawing still reaches, so
// that wide pens and dotted patterns end cleanly at the edge.
constexpr double kClipMargin = 16;
// Radii (pixels) above this are drawn as clipped polylines.
constexpr double kHugeRadius = 8192;
constexpr int kMaxSegments = 100000;
constexpr double kTwoPi = 6.283185307179586;

bool finite(double a) {
    return std::isfinite(a);
}

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QPointF snapped(QPointF p) {
    return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
}

struct ClipRect {
    double x0, y0, x1, y1;
};

// Liang-Barsky: clips the segment to the rectangle; false when nothing is left.
// An end moved onto an edge takes that edge's coordinate exactly, so that
// segments from far outside keep their place where they cross the picture.
bool clipSegment(const ClipRect& r, QPointF& a, QPointF& b) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0;
    double t1 = 1;
    int edge0 = -1;
    int edge1 = -1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.x0, r.x1 - a.x(), a.y() - r.y0, r.y1 - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t0) {
                t0 = t;
                edge0 = i;
            }
        } else if (t < t1) {
            t1 = t;
            edge1 = i;
        }
        if (t0 > t1) {
            return false;
        }
    }
    const double edgeValue[4] = {r.x0, r.x1, r.y0, r.y1};
    auto at = [&](double t, int edge) {
        double x = a.x() + t * dx;
        double y = a.y() + t * dy;
        if (edge == 0 || edge == 1) {
            x = edgeValue[edge];
        } else if (edge == 2 || edge == 3) {
            y = edgeValue[edge];
        }
        return QPointF(std::clamp(x, r.x0, r.x1), std::clamp(y, r.y0, r.y1));
    };
    const QPointF na = edge0 >= 0 ? at(t0, edge0) : a;
    const QPointF nb = edge1 >= 0 ? at(t1, edge1) : b;
    a = na;
    b = nb;
    return true;
}

// Sutherland-Hodgman against one edge of the rectangle.
QPolygonF clipPolygonEdge(const QPolygonF& in, int edge, const ClipRect& r) {
    auto inside = [&](QPointF p) {
        switch (edge) {
            case 0:
                return p.x() >= r.x0;
            case 1:
                return p.x() <= r.x1;
            case 2:
                return p.y() >= r.y0;
            default:
                return p.y() <= r.y1;
        }
    };
    auto cut = [&](QPointF a, QPointF b) {
        double t = 0;
        switch (edge) {
            case 0:
                t = (r.x0 - a.x()) / (b.x() - a.x());
                break;
            case 1:
                t = (r.x1 - a.x()) / (b.x() - a.x());
                break;
            case 2:
                t = (r.y0 - a.y()) / (b.y() - a.y());
                break;
            default:
                t = (r.y1 - a.y()) / (b.y() - a.y());
                break;
        }
        return QPointF(a.x() + t * (b.x() - a.x()), a.y() + t * (b.y() - a.y()));
    };
    QPolygonF out;
    if (in.isEmpty()) {
        return out;
    }
    QPointF prev = in.back();
    for (const QPointF& cur : in) {
        if (inside(cur)) {
            if (!inside(prev)) {
                out << cut(prev, cur);
            }
            out << cur;
        } else if (inside(prev)) {
            out << cut(prev, cur);
        }
        prev = cur;
    }
    return out;
}

QPolygonF clipPolygon(QPolygonF poly, const ClipRect& r) {
    for (int edge = 0; edge < 4 && !poly.isEmpty(); ++edge) {
        poly = clipPolygonEdge(poly, edge, r);
    }
    return poly;
}

bool inside(const ClipRect& r, QPointF p) {
    return p.x() >= r.x0 && p.x() <= r.x1 && p.y() >= r.y0 && p.y() <= r.y1;
}

// The pixel that holds a point: std::floor for the clipped coordinates that
// reach it (well within the range of int).
int pixelOf(double v) {
    const int i = static_cast<int>(v);
    return v < i ? i - 1 : i;
}

// One-pixel solid lines set straight into 32-bit pixels, w x h of them with
// `stride` pixels a row.
class LineRaster {
  public:
    LineRaster(QImage& image, QRgb color)
        : bits_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / 4),
          w_(image.width()),
          h_(image.height()),
          color_(color) {}

    // From pixel (x0, y0) to pixel (x1, y1), both end pixels set; pixels
    // outside the image are skipped.
    void line(int x0, int y0, int x1, int y1) {
        const bool within =
            x0 >= 0 && x0 < w_ && y0 >= 0 && y0 < h_ && x1 >= 0 && x1 < w_ && y1 >= 0 && y1 < h_;
        if (within) {
            walk(x0, y0, x1, y1, [this](int x, int y) { bits_[y * stride_ + x] = color_; });
        } else {
            walk(x0, y0, x1, y1, [this](int x, int y) {
                if (x >= 0 && x < w_ && y >= 0 && y < h_) {
                    bits_[y * stride_ + x] = color_;
                }
            });
        }
    }

  private:
    // Bresenham's walk over every pixel of the line, in order.
    template <class Set>
    static void walk(int x0, int y0, int x1, int y1, Set set) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            set(x0, y0);
            if (x0 == x1 && y0 == y1) {
                break;
            }
            // Both steps decided on the same error, without branches.
            const int e2 = 2 * err;
            const bool stepX = e2 >= dy;
            const bool stepY = e2 <= dx;
            err += (stepX ? dy : 0) + (stepY ? dx : 0);
            x0 += stepX ? sx : 0;
            y0 += stepY ? sy : 0;
        }
    }

    QRgb* bits_;
    qsizetype stride_;
    int w_;
    int h_;
    QRgb color_;
};

int buttonCode(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int buttonsCode(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

// The widget of a picture: shows the retained image and reports the mouse.
class PictureSurface : public QWidget {
  public:
    PictureSurface() { setMouseTracking(true); }
    Picture* picture = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!picture) {
            return;
        }
        picture->endPainting();
        QPainter p(this);
        const QSize size = picture->imageSize_;
        const qreal dpr = picture->buffer_.devicePixelRatio();
        const QRectF shown(0, 0, size.width() / dpr, size.height() / dpr);
        // Only what the image leaves uncovered takes the back colour.
        if (picture->buffer_.isNull() || !shown.contains(QRectF(event->rect()))) {
            p.fillRect(event->rect(), toQColor(picture->back_));
        }
        if (!picture->buffer_.isNull()) {
            p.drawImage(shown, picture->buffer_, QRectF(QPointF(0, 0), QSizeF(size)));
        }
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (picture) {
            picture->ensureImage();
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (picture) {
            picture->mouse(picture->mouseDown_, e->position(), buttonCode(e->button()),
                           shiftCode(e->modifiers()));
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (picture) {
            picture->mouse(picture->mouseMove_, e->position(), buttonsCode(e->buttons()),
                           shiftCode(e->modifiers()));
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (picture) {
            picture->mouse(picture->mouseUp_, e->position(), buttonCode(e->button()),
                           shiftCode(e->modifiers()));
        }
    }
    void leaveEvent(QEvent* e) override {
        QWidget::leaveEvent(e);
        if (picture && picture->mouseLeave_) {
            picture->mouseLeave_();
        }
    }
};

Picture::Picture(Host host, const TwipRect& rect)
    : Control(host, new PictureSurface, rect), surface_(static_cast<PictureSurface*>(widget())) {
    surface_->picture = this;
    surface_->setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImage();
    clear();
}

Picture::~Picture() {
    endPainting();
    surface_->picture = nullptr;
}

// ------------------------------------------------------------------ scale

void Picture::setScale(double left, double top, double width, double height) {
    defaultScale_ = false;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void Picture::setScaleDefault() {
    defaultScale_ = true;
    const QSize s = pixelSize();
    left_ = 0;
    top_ = 0;
    width_ = pixelsToTwips(s.width());
    height_ = pixelsToTwips(s.height());
}

double Picture::scaleLeft() const {
    return left_;
}
double Picture::scaleTop() const {
    return top_;
}
double Picture::scaleWidth() const {
    return width_;
}
double Picture::scaleHeight() const {
    return height_;
}

QSize Picture::pixelSize() const {
    return surface_->size();
}

bool Picture::scaleUsable() const {
    const QSize s = pixelSize();
    return width_ != 0 && height_ != 0 && finite(width_) && finite(height_) && finite(left_) &&
           finite(top_) && s.width() > 0 && s.height() > 0 && !buffer_.isNull();
}

QPointF Picture::toPixel(double x, double y) const {
    const QSize s = pixelSize();
    if (width_ == 0 || height_ == 0) {
        return {0, 0};
    }
    return {(x - left_) * s.width() / width_, (y - top_) * s.height() / height_};
}

QPointF Picture::toUser(QPointF pixel) const {
    const QSize s = pixelSize();
    const double x = s.width() > 0 ? left_ + pixel.x() * width_ / s.width() : left_;
    const double y = s.height() > 0 ? top_ + pixel.y() * height_ / s.height() : top_;
    return {x, y};
}

// ------------------------------------------------------------------ image

void Picture::sizeChanged() {
    ensureImage();
}

void Picture::ensureImage() {
    const QSize logical = pixelSize();
    if (defaultScale_) {
        width_ = pixelsToTwips(logical.width());
        height_ = pixelsToTwips(logical.height());
    }
    const qreal dpr = surface_->devicePixelRatioF();
    const QSize device(static_cast<int>(std::ceil(logical.width() * dpr)),
                       static_cast<int>(std::ceil(logical.height() * dpr)));
    if (!buffer_.isNull() && imageSize_ == device && buffer_.devicePixelRatio() == dpr) {
        return;
    }
    endPainting();
    if (device.isEmpty()) {
        // Nothing to draw on; what was drawn is kept for when it grows again.
        return;
    }
    const QSize old = imageSize_;
    const QSize capacity = buffer_.size();
    if (buffer_.isNull() || buffer_.devicePixelRatio() != dpr) {
        reallocate(device, dpr, device);
    } else if (device.width() > capacity.width() || device.height() > capacity.height()) {
        // Outgrown: room for some more growth, as a drag-resize goes on.
        const auto roomy = [](int now, int needed) {
            return now >= needed ? now : (needed + needed / 8 + 31) / 32 * 32;
        };
        reallocate(device, dpr,
                   QSize(roomy(capacity.width(), device.width()),
                         roomy(capacity.height(), device.height())));
    } else if (4.0 * device.width() * device.height() <
               1.0 * capacity.width() * capacity.height()) {
        // Far smaller than its buffer: the memory goes back.
        reallocate(device, dpr, device);
    } else {
        // Within the buffer: the image keeps its pixels where they are, and
        // what the new size uncovers takes the back colour.
        imageSize_ = device;
        canvas_ = QImage();
        if (device.width() > old.width()) {
            fillDevice(QRect(old.width(), 0, device.width() - old.width(), device.height()), back_);
        }
        if (device.height() > old.height()) {
            fillDevice(QRect(0, old.height(), device.width(), device.height() - old.height()),
                       back_);
        }
    }
}

void Picture::reallocate(QSize device, qreal dpr, QSize capacity) {
    QImage buffer(capacity, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(dpr);
    buffer.setDotsPerMeterX(static_cast<int>(surface_->logicalDpiX() / 0.0254 + 0.5));
    buffer.setDotsPerMeterY(static_cast<int>(surface_->logicalDpiY() / 0.0254 + 0.5));
    buffer.fill(toQColor(back_));
    const QSize kept = imageSize_.boundedTo(device);
    if (!buffer_.isNull() && !kept.isEmpty()) {
        if (buffer_.devicePixelRatio() == dpr) {
            const std::size_t rowBytes = static_cast<std::size_t>(kept.width()) * sizeof(QRgb);
            for (int y = 0; y < kept.height(); ++y) {
                std::memcpy(buffer.scanLine(y), buffer_.constScanLine(y), rowBytes);
            }
        } else {
            // Another screen: the image keeps its size in logical pixels.
            QPainter p(&buffer);
            p.drawImage(QPointF(0, 0), image());
        }
    }
    // The colour of what is new: blank stays blank only in its own colour.
    blank_ = blank_ && blankColor_ == back_;
    canvas_ = QImage();
    buffer_ = buffer;
    imageSize_ = device;
}

QImage& Picture::canvas() {
    // bits() first: should anything share the buffer, it gets a copy of its
    // own and the canvas follows.
    uchar* bits = buffer_.bits();
    if (canvas_.isNull() || canvas_.constBits() != bits) {
        canvas_ = QImage(bits, imageSize_.width(), imageSize_.height(), buffer_.bytesPerLine(),
                         buffer_.format());
        canvas_.setDevicePixelRatio(buffer_.devicePixelRatio());
        canvas_.setDotsPerMeterX(buffer_.dotsPerMeterX());
        canvas_.setDotsPerMeterY(buffer_.dotsPerMeterY());
    }
    return canvas_;
}

void Picture::fillDevice(const QRect& area, const Color& color) {
    const QRect r = area.intersected(QRect(QPoint(0, 0), imageSize_));
    if (r.isEmpty()) {
        return;
    }
    endPainting();
    if (!(blank_ && blankColor_ == color)) {
        blank_ = false;
    }
    QImage& image = canvas();
    const QRgb pixel = toQColor(color).rgb();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y)) + r.left();
        std::fill_n(row, r.width(), pixel);
    }
}

QPainter& Picture::painter() {
    blank_ = false;  // the painter is wanted to draw
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&canvas());
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void Picture::endPainting() const {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QImage Picture::image() const {
    endPainting();
    if (buffer_.isNull()) {
        return {};
    }
    return buffer_.copy(QRect(QPoint(0, 0), imageSize_));
}

void Picture::preparePen(QPainter& p, const Color& color) const {
    QPen pen(toQColor(color));
    pen.setWidth(drawWidth_ <= 1 ? 0 : drawWidth_);
    switch (drawStyle_) {
        case DrawStyle::Solid:
            pen.setStyle(Qt::SolidLine);
            break;
        case DrawStyle::Dash:
            pen.setStyle(Qt::DashLine);
            break;
        case DrawStyle::Dot:
            pen.setStyle(Qt::DotLine);
            break;
    }
    if (drawWidth_ > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

// ------------------------------------------------------------------ state

void Picture::setForeColor(const Color& color) {
    fore_ = color;
}

void Picture::setBackColor(const Color& color) {
    back_ = color;
    clear();
}

void Picture::setDrawWidth(int pixels) {
    drawWidth_ = std::clamp(pixels, 1, 1000);
}

DrawItem Picture::makeItem(DrawItem::Kind kind, const Color& color) const {
    DrawItem item;
    item.kind = kind;
    item.color = color;
    item.fillColor = fill_;
    item.fillStyle = fillStyle_;
    item.drawStyle = drawStyle_;
    item.drawWidth = drawWidth_;
    return item;
}

// ------------------------------------------------------------- primitives

void Picture::clear() {
    endPainting();
    ensureImage();
    if (!buffer_.isNull() && !(blank_ && blankColor_ == back_)) {
        fillDevice(QRect(QPoint(0, 0), imageSize_), back_);
        blank_ = true;
        blankColor_ = back_;
    }
    items_.clear();
    currentX_ = left_;
    currentY_ = top_;
    surface_->update();
}

void Picture::point(double x, double y) {
    point(x, y, fore_);
}

void Picture::point(double x, double y, const Color& color) {
    if (!finite(x) || !finite(y)) {
        return;
    }
    DrawItem item = makeItem(DrawItem::Kind::Point, color);
    item.x1 = x;
    item.y1 = y;
    items_.push_back(std::move(item));
    currentX_ = x;
    currentY_ = y;
    if (!scaleUsable()) {
        return;
    }
    const QPointF p = toPixel(x, y);
    const QSize s = pixelSize();
    if (!finite(p) || p.x() < -kClipMargin || p.y() < -kClipMargin ||
        p.x() > s.width() + kClipMargin || p.y() > s.height() + kClipMargin) {
        return;
    }
    const double w = drawWidth_;
    const double x0 = std::floor(p.x()) - std::floor((w - 1) / 2);
    const double y0 = std::floor(p.y()) - std::floor((w - 1) / 2);
    painter().fillRect(QRectF(x0, y0, w, w), toQColor(color));
    surface_->update();
}

void Picture::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, fore_);
}

void Picture::line(double x1, double y1, double x2, double y2, const Color& color) {
    if (recordSpan(DrawItem::Kind::Line, x1, y1, x2, y2, color)) {
        drawSegment(x1, y1, x2, y2, color);
    }
}

void Picture::lines(const LineSegment* segments, std::size_t count, const Color& color) {
    DrawItem item = makeItem(DrawItem::Kind::Lines, color);
    item.segments.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const LineSegment& s = segments[k];
        if (finite(s.x1) && finite(s.y1) && finite(s.x2) && finite(s.y2)) {
            item.segments.push_back(s);
        }
    }
    if (item.segments.empty()) {
        return;
    }
    item.x1 = item.segments.front().x1;
    item.y1 = item.segments.front().y1;
    item.x2 = item.segments.back().x2;
    item.y2 = item.segments.back().y2;
    currentX_ = item.x2;
    currentY_ = item.y2;
    if (scaleUsable()) {
        const QSize s = pixelSize();
        const double kx = s.width() / width_;
        const double ky = s.height() / height_;
        const double m = kClipMargin + drawWidth_;
        const ClipRect clip{-m, -m, s.width() + m, s.height() + m};
        // Each segment in pixels, clipped near the picture (most lie within).
        const auto toPixels = [&](const LineSegment& seg, QPointF& a, QPointF& b) {
            a = QPointF((seg.x1 - left_) * kx, (seg.y1 - top_) * ky);
            b = QPointF((seg.x2 - left_) * kx, (seg.y2 - top_) * ky);
            return finite(a) && finite(b) &&
                   ((inside(clip, a) && inside(clip, b)) || clipSegment(clip, a, b));
        };
        const bool plain = drawWidth_ <= 1 && drawStyle_ == DrawStyle::Solid &&
                           buffer_.devicePixelRatio() == 1 &&
                           buffer_.format() == QImage::Format_RGB32;
        bool drawn = false;
        if (plain) {
            // Thin solid lines are set pixel by pixel, far faster than the
            // painter's line drawing; their ends are the pixels that hold them.
            endPainting();
            LineRaster raster(canvas(), toQColor(color).rgb());
            QPointF a, b;
            for (const LineSegment& seg : item.segments) {
                if (toPixels(seg, a, b)) {
                    raster.line(pixelOf(a.x()), pixelOf(a.y()), pixelOf(b.x()), pixelOf(b.y()));
                    drawn = true;
                }
            }
            blank_ = blank_ && !drawn;
        } else {
            QVector<QLineF> pixels;
            pixels.reserve(static_cast<int>(item.segments.size()));
            QPointF a, b;
            for (const LineSegment& seg : item.segments) {
                if (toPixels(seg, a, b)) {
                    pixels.append(QLineF(snapped(a), snapped(b)));
                }
            }
            if (!pixels.isEmpty()) {
                QPainter& p = painter();
                preparePen(p, color);
                p.drawLines(pixels.constData(), static_cast<int>(pixels.size()));
                drawn = true;
            }
        }
        if (drawn) {
            surface_->update();
        }
    }
    items_.push_back(std::move(item));
}

void Picture::lineTo(double x, double y) {
    line(currentX_, currentY_, x, y, fore_);
}

void Picture::lineTo(double x, double y, const Color& color) {
    line(currentX_, currentY_, x, y, color);
}

void Picture::drawSegment(double x1, double y1, double x2, double y2, const Color& color) {
    if (!scaleUsable()) {
        return;
    }
    QPointF a = toPixel(x1, y1);
    QPointF b = toPixel(x2, y2);
    if (!finite(a) || !finite(b)) {
        return;
    }
    const QSize s = pixelSize();
    const double m = kClipMargin + drawWidth_;
    if (!clipSegment({-m, -m, s.width() + m, s.height() + m}, a, b)) {
        return;
    }
    QPainter& p = painter();
    preparePen(p, color);
    p.drawLine(snapped(a), snapped(b));
    surface_->update();
}

void Picture::box(double x1, double y1, double x2, double y2, const Color& color) {
    if (recordSpan(DrawItem::Kind::Box, x1, y1, x2, y2, color)) {
        drawRectangle(x1, y1, x2, y2, color, false);
    }
}

void Picture::filledBox(double x1, double y1, double x2, double y2, const Color& color) {
    if (recordSpan(DrawItem::Kind::FilledBox, x1, y1, x2, y2, color)) {
        drawRectangle(x1, y1, x2, y2, color, true);
    }
}

bool Picture::recordSpan(DrawItem::Kind kind, double x1, double y1, double x2, double y2,
                         const Color& color) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2)) {
        return false;
    }
    DrawItem item = makeItem(kind, color);
    item.x1 = x1;
    item.y1 = y1;
    item.x2 = x2;
    item.y2 = y2;
    items_.push_back(std::move(item));
    currentX_ = x2;
    currentY_ = y2;
    return true;
}

void Picture::drawRectangle(double x1, double y1, double x2, double y2, const Color& color,
                            bool filledWithColor) {
    if (!scaleUsable()) {
        return;
    }
    const QPointF a = toPixel(x1, y1);
    const QPointF b = toPixel(x2, y2);
    if (!finite(a) || !finite(b)) {
        return;
    }
    const QSize s = pixelSize();
    const double m = kClipMargin + drawWidth_;
    auto clampX = [&](double v) { return std::clamp(v, -m, s.width() + m); };
    auto clampY = [&](double v) { return std::clamp(v, -m, s.height() + m); };
    const double left = std::floor(clampX(std::min(a.x(), b.x())));
    const double right = std::floor(clampX(std::max(a.x(), b.x())));
    const double top = std::floor(clampY(std::min(a.y(), b.y())));
    const double bottom = std::floor(clampY(std::max(a.y(), b.y())));
    QPainter& p = painter();
    if (filledWithColor) {
        p.fillRect(QRectF(left, top, right - left + 1, bottom - top + 1), toQColor(color));
    } else {
        if (fillStyle_ == FillStyle::Solid) {
            p.fillRect(QRectF(left, top, right - left + 1, bottom - top + 1), toQColor(fill_));
        }
        preparePen(p, color);
        p.drawRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top));
    }
    surface_->update();
}

void Picture::circle(double x, double y, double r) {
    circle(x, y, r, fore_, 1.0);
}

void Picture::circle(double x, double y, double r, const Color& color, double aspect) {
    if (!finite(x) || !finite(y) || !finite(r) || !finite(aspect)) {
        return;
    }
    DrawItem item = makeItem(DrawItem::Kind::Circle, color);
    item.x1 = x;
    item.y1 = y;
    item.radius = r;
    item.aspect = aspect;
    items_.push_back(std::move(item));
    currentX_ = x;
    currentY_ = y;
    drawEllipse(x, y, r, color, aspect);
}

void Picture::drawEllipse(double x, double y, double r, const Color& color, double aspect) {
    if (!scaleUsable()) {
        return;
    }
    const QSize s = pixelSize();
    const double rPixels = std::abs(r * s.width() / width_);
    const double a = std::abs(aspect);
    const double rx = a > 1 ? rPixels / a : rPixels;
    const double ry = a > 1 ? rPixels : rPixels * a;
    const QPointF c = toPixel(x, y);
    if (!finite(c) || !std::isfinite(rx) || !std::isfinite(ry)) {
        return;
    }
    const double m = kClipMargin + drawWidth_;
    if (c.x() + rx < -m || c.x() - rx > s.width() + m || c.y() + ry < -m ||
        c.y() - ry > s.height() + m) {
        return;  // wholly outside
    }
    if (std::max(rx, ry) > kHugeRadius) {
        drawHugeEllipse(c, rx, ry, color);
        return;
    }
    QPainter& p = painter();
    preparePen(p, color);
    if (fillStyle_ == FillStyle::Solid) {
        p.setBrush(toQColor(fill_));
    }
    p.drawEllipse(snapped(c), rx, ry);
    surface_->update();
}

// A circle far larger than the picture: only the arc that crosses the
// picture is computed, as a polyline fine enough to look round, and its fill
// as the sector through that arc clipped to the picture.
void Picture::drawHugeEllipse(QPointF c, double rx, double ry, const Color& color) {
    const QSize s = pixelSize();
    const double m = kClipMargin + drawWidth_;
    const ClipRect clip{-m, -m, s.width() + m, s.height() + m};
    if (rx <= 0 || ry <= 0) {
        return;
    }
    // The clip rectangle in the ellipse's unit-circle frame.
    const double u0 = (clip.x0 - c.x()) / rx, u1 = (clip.x1 - c.x()) / rx;
    const double v0 = (clip.y0 - c.y()) / ry, v1 = (clip.y1 - c.y()) / ry;
    const double nu = std::clamp(0.0, u0, u1), nv = std::clamp(0.0, v0, v1);
    const double nearest = std::hypot(nu, nv);
    const double farthest =
        std::hypot(std::max(std::abs(u0), std::abs(u1)), std::max(std::abs(v0), std::abs(v1)));
    if (nearest > 1) {
        return;  // the picture lies outside the ellipse
    }
    QPainter& p = painter();
    if (farthest < 1) {
        // The picture lies inside the ellipse: no outline, fill everything.
        if (fillStyle_ == FillStyle::Solid) {
            p.fillRect(QRectF(0, 0, s.width(), s.height()), toQColor(fill_));
            surface_->update();
        }
        return;
    }
    double start = 0;
    double span = kTwoPi;
    const bool centreInside = nearest == 0;
    if (!centreInside) {
        // Angular extent of the rectangle as seen from the centre (under pi).
        const double ref = std::atan2((v0 + v1) / 2, (u0 + u1) / 2);
        double lo = 0, hi = 0;
        const double us[2] = {u0, u1};
        const double vs[2] = {v0, v1};
        for (double u : us) {
            for (double v : vs) {
                double d = std::atan2(v, u) - ref;
                while (d > kTwoPi / 2) {
                    d -= kTwoPi;
                }
                while (d < -kTwoPi / 2) {
                    d += kTwoPi;
                }
                lo = std::min(lo, d);
                hi = std::max(hi, d);
            }
        }
        start = ref + lo;
        span = hi - lo;
    }
    // Chord error of a quarter pixel on the larger radius.
    const double step = std::sqrt(2.0 / std::max(rx, ry));
    const int n = std::clamp(static_cast<int>(std::ceil(span / step)), 8, kMaxSegments);
    QPolygonF arc;
    arc.reserve(n + 2);
    for (int k = 0; k <= n; ++k) {
        const double t = start + span * k / n;
        arc << QPointF(c.x() + rx * std::cos(t), c.y() + ry * std::sin(t));
    }
    if (fillStyle_ == FillStyle::Solid) {
        QPolygonF sector = arc;
        if (!centreInside) {
            sector.prepend(c);
        }
        const QPolygonF visible = clipPolygon(sector, clip);
        if (visible.size() >= 3) {
            p.setPen(Qt::NoPen);
            p.setBrush(toQColor(fill_));
            p.drawPolygon(visible);
        }
    }
    preparePen(p, color);
    QVector<QLineF> segments;
    for (int k = 0; k < n; ++k) {
        QPointF a = arc[k];
        QPointF b = arc[k + 1];
        if (clipSegment(clip, a, b)) {
            segments << QLineF(snapped(a), snapped(b));
        }
    }
    p.drawLines(segments);
    surface_->update();
}

// ------------------------------------------------------------------- text

void Picture::print(const std::string& text) {
    print(PrintLine{PrintItem::Text(text)});
}

void Picture::print(const PrintLine& line) {
    if (!finite(currentX_) || !finite(currentY_)) {
        return;
    }
    DrawItem item = makeItem(DrawItem::Kind::Text, fore_);
    item.x1 = currentX_;
    item.y1 = currentY_;
    item.text = printLineText(line);
    items_.push_back(std::move(item));

    const QFontMetricsF fm(surface_->font(), surface_);
    const QSize s = pixelSize();
    if (scaleUsable()) {
        const QPointF start = toPixel(currentX_, currentY_);
        const double zone = 14 * fm.averageCharWidth();
        const double m = kClipMargin;
        if (finite(start) && start.y() > -fm.height() - m && start.y() < s.height() + m) {
            QPainter& p = painter();
            p.setFont(surface_->font());
            p.setPen(toQColor(fore_));
            double x = std::floor(start.x());
            const double baseline = std::floor(start.y()) + fm.ascent();
            for (const PrintItem& piece : line) {
                if (piece.kind == PrintItem::Kind::NextZone) {
                    if (zone > 0) {
                        x = (std::floor(x / zone) + 1) * zone;
                    }
                    continue;
                }
                const QString text = QString::fromStdString(piece.kind == PrintItem::Kind::Number
                                                                ? printedNumber(piece.number)
                                                                : piece.text);
                const double advance = fm.horizontalAdvance(text);
                if (x + advance > -m && x < s.width() + m) {
                    p.drawText(QPointF(std::floor(x), baseline), text);
                }
                x += advance;
            }
            surface_->update();
        }
    }
    // Next line: back to the left edge, one text line lower.
    currentX_ = left_;
    if (s.height() > 0 && height_ != 0) {
        currentY_ += fm.height() * height_ / s.height();
    }
}

double Picture::textWidth(const std::string& text) const {
    const QSize s = pixelSize();
    if (s.width() <= 0) {
        return 0;
    }
    const QFontMetricsF fm(surface_->font(), surface_);
    return fm.horizontalAdvance(QString::fromStdString(text)) * std::abs(width_) / s.width();
}

double Picture::textHeight(const std::string& text) const {
    const QSize s = pixelSize();
    if (s.height() <= 0) {
        return 0;
    }
    const QFontMetricsF fm(surface_->font(), surface_);
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return lines * fm.height() * std::abs(height_) / s.height();
}

double Picture::textWidthTwips(const std::string& text) const {
    const QFontMetricsF fm(surface_->font(), surface_);
    return fm.horizontalAdvance(QString::fromStdString(text)) * kTwipsPerPixel;
}

double Picture::textHeightTwips() const {
    const QFontMetricsF fm(surface_->font(), surface_);
    return fm.height() * kTwipsPerPixel;
}

// ------------------------------------------------------------------ mouse

void Picture::mouse(const MouseHandler& handler, QPointF pixel, int button, int shift) {
    if (!handler) {
        return;
    }
    const QPointF user = toUser(pixel);
    handler(button, shift, user.x(), user.y());
}

}  // namespace platform::ui
