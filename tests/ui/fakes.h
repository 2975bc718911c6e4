// Test fakes of the window services. Each records what was asked; a dialog,
// message box or print that the test did not script fails the test at once
// (ADD_FAILURE) and answers as a cancel would, so no test can block. A script
// left unused when the fake goes away fails the test too.
//
//   uitest::FakeEnvironment env;
//   MyApp app(env.services());
//   env.messages.expect("There was no file selected.");
//   env.fileDialogs.expectOpen("");          // the user cancels
//   app.form1().GetFile.click();
//   EXPECT_EQ(env.log, (std::vector<std::string>{"open Data Files", "message : There was..."}));
#pragma once

#include <QFont>
#include <QImage>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/qt_services.h"
#include "platform/ui/services.h"

namespace uitest {

using platform::ui::Dialog;
using platform::ui::FileDialogRequest;
using platform::ui::LocalDateTime;
using platform::ui::MessageAnswer;
using platform::ui::MessageButtons;

// The order in which services were used, one line each:
//   "beep", "message <title>: <text>", "open <title>", "save <title>",
//   "print <job>", "print text <job>", "print dialog <job>", "modal <caption>",
//   "reseed", "clock".
using ServiceLog = std::vector<std::string>;

struct MessageCall {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
};

class FakeMessages final : public platform::ui::Messages {
  public:
    explicit FakeMessages(ServiceLog& log) : log_(log) {}
    ~FakeMessages() override;

    // The next message box must show this text (any text when empty) and
    // gets this answer.
    void expect(const std::string& text, MessageAnswer answer = MessageAnswer::Ok);

    MessageAnswer show(const std::string& text, const std::string& title,
                       MessageButtons buttons) override;
    void beep() override;

    std::vector<MessageCall> calls;
    int beeps = 0;

  private:
    struct Script {
        std::string text;
        MessageAnswer answer;
    };
    ServiceLog& log_;
    std::deque<Script> scripts_;
};

struct FileDialogCall {
    bool save = false;
    FileDialogRequest request;
};

class FakeFileDialogs final : public platform::ui::FileDialogs {
  public:
    explicit FakeFileDialogs(ServiceLog& log) : log_(log) {}
    ~FakeFileDialogs() override;

    // The next file dialog must be an open (save) dialog; it returns the path
    // ("" = the user chose nothing).
    void expectOpen(const std::string& path);
    void expectSave(const std::string& path);

    std::string openFile(const FileDialogRequest& request) override;
    std::string saveFile(const FileDialogRequest& request) override;

    std::vector<FileDialogCall> calls;

  private:
    std::string answer(bool save, const FileDialogRequest& request);
    struct Script {
        bool save;
        std::string path;
    };
    ServiceLog& log_;
    std::deque<Script> scripts_;
};

class FakePrinter final : public platform::ui::Printer {
  public:
    explicit FakePrinter(ServiceLog& log) : log_(log) {}
    ~FakePrinter() override;

    // The next print succeeds (or fails, with false).
    void expectPrint(bool result = true);
    bool printImage(const QImage& image, const std::string& jobName) override;
    // Text prints take their result from the same script as images.
    bool printText(const std::vector<std::string>& lines, const QFont& font,
                   const std::string& jobName) override;

    std::vector<QImage> images;
    std::vector<std::string> jobs;
    // Each text print: its lines and font.
    std::vector<std::vector<std::string>> texts;
    std::vector<QFont> fonts;

  private:
    bool scripted(const std::string& jobName);

    ServiceLog& log_;
    std::deque<bool> scripts_;
};

// The system reach of the real printer (platform::ui::QtPrinter::System),
// scripted: whether printers are set up, and what the print dialog does. A
// print dialog that the test did not script fails the test and is
// cancelled.
//
//   uitest::ScriptedPrintSystem system(log);
//   system.printers = true;
//   system.expectDialog([](QPrinter& p) { p.setOutputFileName(...); return true; });
//   platform::ui::QtPrinter printer(messages, fileDialogs, system.system());
class ScriptedPrintSystem {
  public:
    explicit ScriptedPrintSystem(ServiceLog& log) : log_(log) {}
    ~ScriptedPrintSystem();
    ScriptedPrintSystem(const ScriptedPrintSystem&) = delete;
    ScriptedPrintSystem& operator=(const ScriptedPrintSystem&) = delete;

    // The next print dialog runs the script; its result is the user's
    // choice (true: print).
    void expectDialog(std::function<bool(QPrinter&)> script);
    // The system to hand to QtPrinter; valid while this object lives.
    platform::ui::QtPrinter::System system();

    bool printers = false;
    // The document names the print dialogs were shown for.
    std::vector<std::string> dialogJobs;

  private:
    ServiceLog& log_;
    std::deque<std::function<bool(QPrinter&)>> scripts_;
};

class FakeClock final : public platform::ui::Clock {
  public:
    explicit FakeClock(ServiceLog& log) : log_(log) {}
    LocalDateTime now() override;

    LocalDateTime time{2024, 6, 21, 12, 0, 0, 0};
    int reads = 0;

  private:
    ServiceLog& log_;
};

// Numbers from a list, over and over (0.5 until set). Reseeds are recorded
// and change nothing.
class FakeRandom final : public platform::ui::Random {
  public:
    explicit FakeRandom(ServiceLog& log) : log_(log) {}
    double next() override;
    void reseed(double seed) override;

    void setValues(std::vector<double> values);
    std::vector<double> seeds;
    int draws = 0;

  private:
    ServiceLog& log_;
    std::vector<double> values_{0.5};
    std::size_t nextIndex_ = 0;
};

// Runs a scripted function against the dialog instead of blocking: the
// script fills fields and presses the dialog's buttons; the run returns the
// dialog's accepted flag (a script that presses nothing is a cancel).
class FakeModalRunner final : public platform::ui::ModalRunner {
  public:
    explicit FakeModalRunner(ServiceLog& log) : log_(log) {}
    ~FakeModalRunner() override;

    void expect(std::function<void(Dialog&)> script);
    // The same for a dialog of type T (a dialog of another type fails).
    template <class T>
    void expectDialog(std::function<void(T&)> script) {
        expect([script = std::move(script)](Dialog& d) {
            T* typed = dynamic_cast<T*>(&d);
            if (!typed) {
                failWrongType(d);
                return;
            }
            script(*typed);
        });
    }

    bool run(Dialog& dialog) override;

    std::vector<std::string> captions;

  private:
    static void failWrongType(Dialog& d);
    ServiceLog& log_;
    std::deque<std::function<void(Dialog&)>> scripts_;
};

// All fakes, sharing one log. services() hands them to an application
// object (once); the references stay valid while that object lives.
class FakeEnvironment {
  public:
    FakeEnvironment();
    platform::ui::Services services();

    ServiceLog log;

  private:
    platform::ui::Services owned_;  // before the references below

  public:
    FakeMessages& messages;
    FakeFileDialogs& fileDialogs;
    FakePrinter& printer;
    FakeClock& clock;
    FakeRandom& random;
    FakeModalRunner& modalRunner;
};

}  // namespace uitest
