// The services a window reaches through the application object: message
// boxes and the beep, the open and save file dialogs, printing a window's
// image, the local clock, the one pseudo-random generator and the runner of
// modal dialogs. Each is an interface; qt_services.h has the real ones and the
// tests have fakes that record what was asked and fail on anything unscripted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QFont;
class QImage;

namespace platform::ui {

class Dialog;

// ---------------------------------------------------------------- messages

// SaveDiscardCancel: the platform's Save, Don't Save and Cancel.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

class Messages {
  public:
    virtual ~Messages() = default;
    // A modal message box with the text and the buttons; an empty title shows
    // the program's default title. Returns the button pressed (closing the box
    // from its title bar answers Cancel, or No for Yes/No, or Ok for Ok only).
    virtual MessageAnswer show(const std::string& text, const std::string& title = {},
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    virtual void beep() = 0;
};

// A problem found in a computation the navigator asked for: a beep and a
// "Warning!" box with the message.
void warnProblem(Messages& messages, const std::string& message);

// ------------------------------------------------------------ file dialogs

// What a window sets before it shows a file dialog. The filter is in the
// program's own form: pairs of description and patterns separated by "|",
// e.g. "NAV Files (*.NAV)|*.NAV|All Files (*.*)".
struct FileDialogRequest {
    std::string filter;
    std::string title;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path, or an empty text when nothing was chosen.
    virtual std::string openFile(const FileDialogRequest& request) = 0;
    virtual std::string saveFile(const FileDialogRequest& request) = 0;
};

// The program's filter in Qt's form: "NAV Files (*.NAV)|*.NAV|All Files (*.*)"
// becomes "NAV Files (*.NAV);;All Files (*)". Each description keeps its text
// before any parenthesis and gets the patterns of its pair in parentheses;
// "*.*" becomes "*" so that files without an extension show too; patterns
// separated by ";" are listed with blanks. A description without patterns
// matches all files. An empty filter stays empty.
std::string qtFileFilter(std::string_view programFilter);

// The extension a file dialog adds to a name typed without one: that of the
// filter's first pattern, when it names one ("*.NAV" gives "NAV"); empty for
// "*.*", "*" or an empty filter.
std::string fileDialogSuffix(std::string_view programFilter);

// ---------------------------------------------------------------- printing

class Printer {
  public:
    virtual ~Printer() = default;
    // Prints the image on one page, as large as the page allows with its
    // aspect kept. With a printer set up, the print dialog chooses the
    // printer (or a PDF file); without one, the image goes to a PDF file
    // chosen in a save dialog. Returns true when the image was printed;
    // false when the user cancelled or printing failed (the user is told).
    virtual bool printImage(const QImage& image, const std::string& jobName) = 0;
    // Prints the lines as text in the font, top to bottom, as many to a page
    // as fit and on as many pages as they need; the font is made smaller
    // when the widest line would not fit the page's width. Chooses the
    // printer and returns as printImage does.
    virtual bool printText(const std::vector<std::string>& lines, const QFont& font,
                           const std::string& jobName) = 0;
};

// ------------------------------------------------------------------- clock

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Seconds since local midnight, with the milliseconds as the fraction.
double secondsSinceMidnight(const LocalDateTime& t);

class Clock {
  public:
    virtual ~Clock() = default;
    // The computer's local date and time.
    virtual LocalDateTime now() = 0;
};

// ------------------------------------------------------------------ random

class Random {
  public:
    virtual ~Random() = default;
    // The next number, uniform in [0, 1).
    virtual double next() = 0;
    // Mixes a seed (as a rule a clock reading) into the state. Reseeding with
    // the same value does not restart the sequence: the numbers drawn after
    // two reseeds with one value still differ.
    virtual void reseed(double seed) = 0;
};

// The program's generator: xoshiro256** started from a fixed seed, so a run
// is reproducible until the first reseed.
class StandardRandom final : public Random {
  public:
    explicit StandardRandom(std::uint64_t seed = 0x5eed5eedULL);
    double next() override;
    void reseed(double seed) override;

  private:
    std::uint64_t state_[4];
};

// ------------------------------------------------------------ modal runner

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Shows the dialog modal and returns when it is closed, with the dialog's
    // own "accepted" flag (its OK button accepts; Cancel and the title-bar
    // close reject). The flag is cleared before the dialog is shown.
    virtual bool run(Dialog& dialog) = 0;
};

// ---------------------------------------------------------------- bundle

// The services an application object owns. Every member must be set.
struct Services {
    std::unique_ptr<Messages> messages;
    std::unique_ptr<FileDialogs> fileDialogs;
    std::unique_ptr<Printer> printer;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Random> random;
    std::unique_ptr<ModalRunner> modalRunner;
};

}  // namespace platform::ui
