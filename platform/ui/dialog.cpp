#include "platform/ui/dialog.h"

#include <QHideEvent>
#include <QKeyEvent>

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

void Dialog::keyPressEvent(QKeyEvent* event) {
    // Reaches the dialog when the control with the focus leaves the key.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        onCloseRequest();
        return;
    }
    Form::keyPressEvent(event);
}

}  // namespace platform::ui
