#include "platform/ui/dialog.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/ui/controls.h"

namespace platform::ui {

Dialog::Dialog(Application& app, const std::string& caption) : Form(app, caption) {}

void Dialog::finish(bool accepted) {
    accepted_ = accepted;
    if (isVisible()) {
        hide();  // the hide event reports the end
    } else {
        emit finished();
    }
}

void Dialog::hideEvent(QHideEvent* event) {
    Form::hideEvent(event);
    if (!event->spontaneous()) {
        emit finished();
    }
}

const QWidget* Dialog::placementAnchor() const {
    return opener_ && opener_->isVisible() ? opener_.data() : nullptr;
}

void Dialog::setDefaultButton(CommandButton& button) {
    defaultButton_ = &button;
    button.pushButton()->setDefault(true);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    // Reaches the dialog when the control with the focus leaves the key.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        onCloseRequest();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        defaultButton_ != nullptr) {
        event->accept();
        if (!event->isAutoRepeat()) {
            defaultButton_->click();
        }
        return;
    }
    Form::keyPressEvent(event);
}

}  // namespace platform::ui
