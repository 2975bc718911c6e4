// The real services, on Qt: message boxes, file dialogs, printing, the
// local clock and the modal runner. The generator is StandardRandom.
#pragma once

#include <QRect>
#include <functional>
#include <string>

#include "platform/ui/services.h"

class QFileDialog;
class QPaintDevice;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

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

// Sets up a file dialog for the request: title, the filter in Qt's form, the
// filter's extension as the default suffix, open or save mode.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save);

// The save dialog of printing without a printer.
inline constexpr const char* kPdfFileFilter = "PDF Files (*.pdf)|*.pdf";
inline constexpr const char* kPdfFileTitle = "Print to PDF File";
// Said when printing fails; the reason follows on the next line.
inline constexpr const char* kNotPrintedMessage = "The window was not printed.";

// Where an image of the given size goes on a page: as large as the page
// allows with its aspect kept, centred.
QRect imageRectOnPage(const QSize& image, const QRect& page);
// Draws the image on the device's page there; false when the device cannot
// be painted on.
bool paintImageOnPage(QPaintDevice& device, const QImage& image);

// Draws the lines on the device's pages, top to bottom, as
// Printer::printText says. The number of pages drawn; 0 when the device
// cannot be painted on.
int paintTextPages(QPagedPaintDevice& device, const std::vector<std::string>& lines,
                   const QFont& font);

// Prints through the print dialog on the chosen printer, or into the PDF file
// chosen there. Without any printer, the save dialog (through the file dialog
// service) chooses a PDF file. PDF files are saved like every file of the
// program: whole, or not at all.
class QtPrinter final : public Printer {
  public:
    // The printer's reach into the system, replaceable in tests.
    struct System {
        // Whether any printer is set up.
        std::function<bool()> printersAvailable;
        // Runs the print dialog on the printer; true when the user prints.
        std::function<bool(QPrinter&)> printDialog;
    };
    // The system's printers and the platform print dialog.
    static System platformSystem();

    QtPrinter(Messages& messages, FileDialogs& fileDialogs, System system = platformSystem());
    bool printImage(const QImage& image, const std::string& jobName) override;
    bool printText(const std::vector<std::string>& lines, const QFont& font,
                   const std::string& jobName) override;

  private:
    // The print dialog on a printer, or a PDF file where there is none or
    // the dialog chose one: paint draws the pages on the device (false when
    // it cannot); landscape or portrait pages.
    bool printPages(const std::function<bool(QPagedPaintDevice&)>& paint, bool landscape,
                    const std::string& jobName);
    // Paints the PDF's pages in memory and saves them whole; the user is told
    // when that fails.
    bool savePdf(const std::function<bool(QPdfWriter&)>& paint, bool landscape,
                 const std::string& jobName, const std::string& path);

    Messages& messages_;
    FileDialogs& fileDialogs_;
    System system_;
};

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
