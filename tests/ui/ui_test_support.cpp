#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>

namespace uitest {

namespace {

void typeInto(QWidget* target, const std::string& text) {
    const QString t = QString::fromStdString(text);
    for (const QChar ch : t) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &release);
    }
}

void sendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

std::vector<std::string> printedLines(const platform::ui::Picture& picture) {
    std::vector<std::string> lines;
    for (const platform::ui::DrawItem& item : picture.displayList()) {
        if (item.kind == platform::ui::DrawItem::Kind::Text) {
            lines.push_back(item.text);
        }
    }
    return lines;
}

void userType(platform::ui::TextBox& box, const std::string& text) {
    if (QLineEdit* line = box.lineEdit()) {
        line->selectAll();
        if (text.empty()) {
            QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QCoreApplication::sendEvent(line, &del);
        }
        typeInto(line, text);
    } else {
        QPlainTextEdit* plain = box.plainTextEdit();
        plain->selectAll();
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QCoreApplication::sendEvent(plain, &del);
        typeInto(plain, text);
    }
}

void userAppend(platform::ui::TextBox& box, const std::string& text) {
    if (QLineEdit* line = box.lineEdit()) {
        line->end(false);
        typeInto(line, text);
    } else {
        QPlainTextEdit* plain = box.plainTextEdit();
        plain->moveCursor(QTextCursor::End);
        typeInto(plain, text);
    }
}

void userClickAt(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    sendMouse(widget, QEvent::MouseButtonPress, pos, button, button);
    sendMouse(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void userClick(QWidget* widget) {
    userClickAt(widget, widget->rect().center());
}

void userClick(platform::ui::CommandButton& button) {
    userClick(button.widget());
}

namespace {

// Option buttons and check boxes take clicks on their indicator and caption
// only, not on the rest of their rectangle.
QPoint clickPoint(QAbstractButton* b, QStyle::SubElement element) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    const QRect r = b->style()->subElementRect(element, &opt, b);
    return r.isValid() ? r.center() : b->rect().center();
}

}  // namespace

void userClick(platform::ui::OptionButton& button) {
    QAbstractButton* b = button.button();
    userClickAt(b, clickPoint(b, QStyle::SE_RadioButtonClickRect));
}

void userClick(platform::ui::CheckBox& box) {
    QAbstractButton* b = box.checkBox();
    userClickAt(b, clickPoint(b, QStyle::SE_CheckBoxClickRect));
}

void userClickRow(platform::ui::ListBox& list, int row) {
    QListWidget* w = list.listWidget();
    w->doItemsLayout();
    const QRect r = w->visualItemRect(w->item(row));
    userClickAt(w->viewport(), r.center());
}

void userKey(platform::ui::ListBox& list, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(list.listWidget(), &press);
}

void userPressKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

void mouseDown(platform::ui::Picture& picture, QPointF pixel, Qt::MouseButton button) {
    sendMouse(picture.widget(), QEvent::MouseButtonPress, pixel, button, button);
}

void mouseMove(platform::ui::Picture& picture, QPointF pixel, Qt::MouseButtons buttons) {
    sendMouse(picture.widget(), QEvent::MouseMove, pixel, Qt::NoButton, buttons);
}

void mouseUp(platform::ui::Picture& picture, QPointF pixel, Qt::MouseButton button) {
    sendMouse(picture.widget(), QEvent::MouseButtonRelease, pixel, button, Qt::NoButton);
}

void mouseLeave(platform::ui::Picture& picture) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(picture.widget(), &e);
}

void userCloseWindow(QWidget* window) {
    QCloseEvent e;
    QCoreApplication::sendEvent(window, &e);
}

}  // namespace uitest
