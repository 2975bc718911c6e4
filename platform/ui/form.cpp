#include "platform/ui/form.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <cmath>

#include "platform/ui/application.h"

namespace platform::ui {

int twipsToPixels(double twips) {
    if (!std::isfinite(twips)) {
        return 0;
    }
    const double px = std::floor(twips / kTwipsPerPixel + 0.5);
    if (px > 1e6) {
        return 1000000;
    }
    if (px < -1e6) {
        return -1000000;
    }
    return static_cast<int>(px);
}

int twipsToSizePixels(double twips) {
    const int px = twipsToPixels(twips);
    return px < 0 ? 0 : px;
}

QRect placedOnScreen(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    if (placed.right() > available.right()) {
        placed.moveRight(available.right());
    }
    if (placed.bottom() > available.bottom()) {
        placed.moveBottom(available.bottom());
    }
    if (placed.left() < available.left()) {
        placed.moveLeft(available.left());
    }
    if (placed.top() < available.top()) {
        placed.moveTop(available.top());
    }
    return placed;
}

QRect centredOn(const QSize& frame, const QRect& over) {
    return QRect(over.x() + (over.width() - frame.width()) / 2,
                 over.y() + (over.height() - frame.height()) / 2, frame.width(), frame.height());
}

Form::Form(Application& app, const std::string& caption) : QWidget(nullptr), app_(app) {
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose, false);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    setCaption(caption);
    layoutClient();
}

Form::~Form() = default;

void Form::onCloseRequest() {
    hide();
}

void Form::showModeless() {
    bringForward(true);
}

void Form::showWithoutActivating() {
    bringForward(false);
}

void Form::bringForward(bool activate) {
    // A window the navigator minimised comes back on view, not in the task bar.
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    const bool shown = !isVisible();
    app_.noteStacking({this, shown, activate});
    if (shown) {
        setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    } else {
        // Already on view: bring it forward.
        raise();
    }
    if (activate) {
        activateWindow();
    }
}

void Form::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

std::string Form::caption() const {
    return windowTitle().toStdString();
}

int Form::leftTwips() const {
    return pixelsToTwips(pos().x());
}

int Form::topTwips() const {
    return pixelsToTwips(pos().y());
}

int Form::widthTwips() const {
    return pixelsToTwips(client_->width());
}

int Form::heightTwips() const {
    return pixelsToTwips(client_->height());
}

void Form::moveTwips(double left, double top) {
    move(twipsToPixels(left), twipsToPixels(top));
}

void Form::resizeTwips(double width, double height) {
    const int menu = menuBar_ ? menuBar_->sizeHint().height() : 0;
    const QSize outer(twipsToSizePixels(width), twipsToSizePixels(height) + menu);
    if (resizable_) {
        resize(outer);
    } else {
        setFixedSize(outer);
    }
    layoutClient();
    // A hidden window gets no resize event; one that was displayed before
    // still runs its handler for the new size.
    if (!isVisible()) {
        notifyIfResized();
    }
}

void Form::setBackColor(const Color& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void Form::setResizable(bool resizable) {
    resizable_ = resizable;
    if (resizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(size());
    }
}

QMenuBar* Form::menuBar() {
    if (!menuBar_) {
        const int clientHeight = client_->height();
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        resize(width(), clientHeight + menuBar_->sizeHint().height());
        layoutClient();
        menuBar_->show();
    }
    return menuBar_;
}

QImage Form::windowImage() {
    return grab().toImage();
}

bool Form::printForm() {
    return app_.printer().printImage(windowImage(), caption());
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (app_.isMainWindow(*this)) {
        if (mayEndProgram()) {
            app_.quit();
        }
    } else {
        onCloseRequest();
    }
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutClient();
    notifyIfResized();
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        placeOnScreen();
        layoutClient();
        displayed_ = true;
        notifyIfResized();
    }
}

void Form::layoutClient() {
    int menu = 0;
    if (menuBar_) {
        menu = menuBar_->sizeHint().height();
        menuBar_->setGeometry(0, 0, width(), menu);
    }
    client_->setGeometry(0, menu, width(), std::max(0, height() - menu));
}

void Form::notifyIfResized() {
    if (!displayed_) {
        return;
    }
    const QSize now = client_->size();
    if (now == notifiedSize_) {
        return;
    }
    notifiedSize_ = now;
    Form_Resize();
}

void Form::placeOnScreen() {
    // The frame around the client area; until the window system has framed
    // the window once, the style's title bar and border stand in for it.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
                     outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (margins.isNull()) {
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        margins = QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
                           border);
    }
    const QSize frameSize = size().grownBy(margins);
    QRect frame(pos(), frameSize);
    if (const QWidget* anchor = placementAnchor()) {
        frame = centredOn(frameSize, anchor->frameGeometry());
    }
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    frame = placedOnScreen(frame, screen->availableGeometry());
    if (frame.topLeft() != pos()) {
        move(frame.topLeft());
    }
}

// ------------------------------------------------------------------ menus

MenuItem::MenuItem(Form& form, const std::string& caption, Kind kind) {
    QMenuBar* bar = form.menuBar();
    const QString text = QString::fromStdString(caption);
    if (kind == Heading) {
        menu_ = bar->addMenu(text);
        menu_->setToolTipsVisible(true);
        action_ = menu_->menuAction();
    } else {
        action_ = bar->addAction(text);
    }
    connectAction();
}

MenuItem::MenuItem(MenuItem& heading, const std::string& caption) {
    if (!heading.menu_) {
        // A command on the bar that gets items becomes a heading.
        heading.menu_ =
            new QMenu(heading.action_->text(), qobject_cast<QWidget*>(heading.action_->parent()));
        heading.menu_->setToolTipsVisible(true);
        heading.action_->setMenu(heading.menu_);
    }
    action_ = heading.menu_->addAction(QString::fromStdString(caption));
    connectAction();
}

// The user's choice of the item runs its handler.
void MenuItem::connectAction() {
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        if (handler_) {
            handler_();
        }
    });
}

void MenuItem::click() {
    if (action_->isEnabled() && handler_) {
        handler_();
    }
}

void MenuItem::setEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

bool MenuItem::enabled() const {
    return action_->isEnabled();
}

void MenuItem::setVisible(bool visible) {
    action_->setVisible(visible);
}

bool MenuItem::visible() const {
    return action_->isVisible();
}

void MenuItem::setToolTip(const std::string& text) {
    action_->setToolTip(QString::fromStdString(text));
}

void MenuItem::setCaption(const std::string& caption) {
    action_->setText(QString::fromStdString(caption));
}

std::string MenuItem::caption() const {
    return action_->text().toStdString();
}

}  // namespace platform::ui
