// The user's side of the controls in tests: typing, clicking and mouse
// events sent to the real widgets, as the window system would send them.
#pragma once

#include <QPointF>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/picture.h"

class QWidget;

namespace uitest {

// Replaces the box's text by typing (select all, then one key per character).
// The print statements drawn into a picture, each line as it reads.
std::vector<std::string> printedLines(const platform::ui::Picture& picture);

void userType(platform::ui::TextBox& box, const std::string& text);
// Types at the end of the box's text.
void userAppend(platform::ui::TextBox& box, const std::string& text);

// A left click (press and release) at the widget's centre or at a point.
void userClick(QWidget* widget);
void userClickAt(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void userClick(platform::ui::CommandButton& button);
void userClick(platform::ui::OptionButton& button);
void userClick(platform::ui::CheckBox& box);

// A left click on the list's entry.
void userClickRow(platform::ui::ListBox& list, int row);
// A key pressed in the list (e.g. Qt::Key_Down).
void userKey(platform::ui::ListBox& list, Qt::Key key);

// Mouse events on a picture at a pixel position. buttons: held after a press,
// before a release, during a move.
void mouseDown(platform::ui::Picture& picture, QPointF pixel, Qt::MouseButton button);
void mouseMove(platform::ui::Picture& picture, QPointF pixel, Qt::MouseButtons buttons);
void mouseUp(platform::ui::Picture& picture, QPointF pixel, Qt::MouseButton button);
// The pointer leaves the picture.
void mouseLeave(platform::ui::Picture& picture);

// A key pressed where the focus is: sent to the widget, and on to its
// parents while none takes it, as the window system delivers keys.
void userPressKey(QWidget* widget, Qt::Key key);

// Sends the window's title-bar close.
void userCloseWindow(QWidget* window);

}  // namespace uitest
