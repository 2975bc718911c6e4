// The window base class: a top-level widget with geometry in twips, a
// caption, a load hook, a resize hook, close-to-hide and an optional menu bar.
//
// A window class derives from Form, builds its controls as members in its
// constructor (hidden, nothing shown) and overrides the hooks it needs:
//
//   class Form7 : public platform::ui::Form {
//   public:
//       explicit Form7(App& app);
//       void Form_Load() override;      // runs once, right after creation
//       void Form_Resize() override;    // first display and every size change
//       TextBox Text1{*this, {1200, 360, 1000, 285}, "67.0"};
//       ...
//   };
//
// Windows are created by the application object (application.h), never
// directly. Geometry is in twips, 15 twips per logical pixel; a window's width
// and height are its client area (without title bar, frame and menu bar).
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "platform/ui/color.h"

class QMenuBar;
class QMenu;
class QAction;

namespace platform::ui {

class Application;
class Frame;

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole logical pixels (nearest pixel; non-finite and negative sizes
// give 0 where a size is meant, see the callers).
int twipsToPixels(double twips);
// A size in twips as whole logical pixels, never negative.
int twipsToSizePixels(double twips);
inline int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle in twips: left, top, width, height.
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Layouts drawn on a grid of logical pixels: pixels to twips, and a
// rectangle given in pixels.
constexpr double px(double pixels) {
    return pixels * kTwipsPerPixel;
}
constexpr TwipRect pixelRect(double left, double top, double width, double height) {
    return {px(left), px(top), px(width), px(height)};
}

// Where a window's outer frame goes so that it lies on the available area of
// its screen: moved as little as needed; a frame larger than the area keeps
// its top-left corner on it (its title bar stays within reach).
QRect placedOnScreen(const QRect& frame, const QRect& available);
// A frame of the given size centred on another.
QRect centredOn(const QSize& frame, const QRect& over);

class Form : public QWidget {
    Q_OBJECT

  public:
    explicit Form(Application& app, const std::string& caption = {});
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return app_; }

    // Hooks. Form_Load runs once when the application object creates the
    // window, before anything is shown. Form_Resize runs when the window is
    // displayed for the first time and after every change of its client size
    // (from code or by the user); a move does not run it, nor does a size
    // change before the first display.
    virtual void Form_Load() {}
    virtual void Form_Resize() {}

    // The title-bar close button (and Alt+F4). The default hides the window;
    // override to warn or refuse. The main window's close ends the program
    // instead (Application::setMainWindow).
    virtual void onCloseRequest();
    // Asked before the main window's close ends the program; false keeps it
    // running. The default lets it end.
    virtual bool mayEndProgram() { return true; }

    // Shows the window modeless and brings it to the front (creating nothing:
    // the window already exists). Use hide() to hide it. Every window is
    // placed fully on the available area of its screen when it is shown (a
    // dialog first centred on the window that opened it).
    void showModeless();
    // The same without asking for the keyboard focus (raised when already on
    // view), so that a window brought forward after it stays in front: the
    // window system would otherwise activate it once it is mapped, over any
    // window raised in the meantime.
    void showWithoutActivating();

    void setCaption(const std::string& caption);
    std::string caption() const;

    // Position of the window's outer top-left corner on the screen and size of
    // its client area, all in twips.
    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const;
    int heightTwips() const;
    void moveTwips(double left, double top);
    void resizeTwips(double width, double height);
    void setLeftTwips(double left) { moveTwips(left, topTwips()); }
    void setTopTwips(double top) { moveTwips(leftTwips(), top); }
    void setWidthTwips(double width) { resizeTwips(width, heightTwips()); }
    void setHeightTwips(double height) { resizeTwips(widthTwips(), height); }

    void setBackColor(const Color& color);

    // Whether the user may resize the window (default: yes). A fixed window
    // still takes the sizes that code gives it.
    void setResizable(bool resizable);

    // The widget that holds the controls (below the menu bar, if any).
    QWidget* clientArea() const { return client_; }
    // The menu bar, created on first use.
    QMenuBar* menuBar();

    // The whole window as it looks now (menu bar included), for printing.
    QImage windowImage();
    // Prints the window's image through the application's printer service;
    // returns whether it was printed.
    bool printForm();

  protected:
    // The window to centre on when shown; none for a plain window.
    virtual const QWidget* placementAnchor() const { return nullptr; }

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void bringForward(bool activate);
    void layoutClient();
    void notifyIfResized();
    void placeOnScreen();

    Application& app_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    bool displayed_ = false;
    bool resizable_ = true;
    QSize notifiedSize_{-1, -1};
};

// A menu item: on the window's menu bar (a command, or a heading whose
// drop-down holds items) or in a heading's drop-down. Declare headings before
// their items:
//
//   MenuItem FileMenu{*this, "FILE", MenuItem::Heading};
//   MenuItem GetFile{FileMenu, "OPEN FILE"};
//   MenuItem menuHelp{*this, "HELP"};   // a command on the bar itself
class MenuItem {
  public:
    enum Kind { Command, Heading };

    MenuItem(Form& form, const std::string& caption, Kind kind = Command);
    MenuItem(MenuItem& heading, const std::string& caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // The handler run when the user chooses the item (or click() is called).
    void onClick(std::function<void()> handler) { handler_ = std::move(handler); }
    // Runs the handler as a user's choice would: only when enabled.
    void click();

    void setEnabled(bool enabled);
    bool enabled() const;
    void setVisible(bool visible);
    bool visible() const;
    void setToolTip(const std::string& text);
    void setCaption(const std::string& caption);
    std::string caption() const;

    QAction* action() const { return action_; }

  private:
    void connectAction();

    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
    std::function<void()> handler_;
};

}  // namespace platform::ui
