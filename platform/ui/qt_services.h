// The real services, on Qt: message boxes, file dialogs, printing, the
// local clock and the modal runner. The generator is StandardRandom.
#pragma once

#include <string>

#include "platform/ui/services.h"

namespace platform::ui {

class QtMessages final : public Messages {
  public:
    // defaultTitle is shown on message boxes that have no title of their own.
    explicit QtMessages(std::string defaultTitle);
    MessageAnswer show(const std::string& text, const std::string& title,
                       MessageButtons buttons) override;
    void beep() override;

  private:
    std::string defaultTitle_;
};

class QtFileDialogs final : public FileDialogs {
  public:
    std::string openFile(const FileDialogRequest& request) override;
    std::string saveFile(const FileDialogRequest& request) override;
};

// Prints through the print dialog on the chosen printer; with no printer
// installed it says so through the message service and prints nothing.
class QtPrinter final : public Printer {
  public:
    explicit QtPrinter(Messages& messages);
    bool printImage(const QImage& image, const std::string& jobName) override;

  private:
    Messages& messages_;
};

// The text shown when no printer is installed.
inline constexpr const char* kNoPrinterMessage =
    "No printer is available. The window was not printed.";

class QtClock final : public Clock {
  public:
    LocalDateTime now() override;
};

// Runs the dialog in a local event loop until the dialog closes.
class QtModalRunner final : public ModalRunner {
  public:
    bool run(Dialog& dialog) override;
};

// All real services; message boxes without a title show defaultTitle.
Services qtServices(const std::string& defaultTitle);

}  // namespace platform::ui
