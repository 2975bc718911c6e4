// A modal dialog window: a Form with its own "accepted" flag. Run it through
// Application::runModal; its OK button calls accept(), its cancel button and
// the title-bar close call reject(). Both hide the dialog and end the run.
// Escape, wherever the focus is in the dialog, acts as the title-bar close;
// Return and Enter press its default button, if it has one.
#pragma once

#include <QPointer>

#include "platform/ui/form.h"

namespace platform::ui {

class CommandButton;

class Dialog : public Form {
    Q_OBJECT

  public:
    explicit Dialog(Application& app, const std::string& caption = {});

    void accept() { finish(true); }
    void reject() { finish(false); }
    bool accepted() const { return accepted_; }
    // Cleared by the modal runner before the dialog is shown.
    void resetAccepted() { accepted_ = false; }

    // The button that Return and Enter press wherever the focus is in the
    // dialog (a button with the focus takes them itself); drawn as the
    // default button.
    void setDefaultButton(CommandButton& button);

    // The title-bar close is a cancel.
    void onCloseRequest() override { reject(); }

    // The window that opens the dialog (Application::runModal sets it); the
    // dialog is shown centred on it while it is on view.
    void setOpener(QWidget* opener) { opener_ = opener; }

  signals:
    // Emitted when the dialog is hidden (accepted, rejected or hidden by code).
    void finished();

  protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    const QWidget* placementAnchor() const override;

  private:
    void finish(bool accepted);

    bool accepted_ = false;
    QPointer<QWidget> opener_;
    CommandButton* defaultButton_ = nullptr;
};

}  // namespace platform::ui
