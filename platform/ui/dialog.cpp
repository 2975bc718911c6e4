#include "platform/ui/dialog.h"

#include <QHideEvent>

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

}  // namespace platform::ui
