#include "tests/ui/fakes.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace uitest {

namespace {

const char* buttonsName(MessageButtons b) {
    switch (b) {
        case MessageButtons::Ok:
            return "Ok";
        case MessageButtons::OkCancel:
            return "OkCancel";
        case MessageButtons::YesNo:
            return "YesNo";
        case MessageButtons::YesNoCancel:
            return "YesNoCancel";
        case MessageButtons::SaveDiscardCancel:
            return "SaveDiscardCancel";
    }
    return "?";
}

// What closing the box would answer.
MessageAnswer cancelAnswer(MessageButtons b) {
    switch (b) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace

// --------------------------------------------------------------- messages

FakeMessages::~FakeMessages() {
    for (const Script& s : scripts_) {
        ADD_FAILURE() << "expected message box never shown: \"" << s.text << "\"";
    }
}

void FakeMessages::expect(const std::string& text, MessageAnswer answer) {
    scripts_.push_back({text, answer});
}

MessageAnswer FakeMessages::show(const std::string& text, const std::string& title,
                                 MessageButtons buttons) {
    calls.push_back({text, title, buttons});
    log_.push_back("message " + title + ": " + text);
    if (scripts_.empty()) {
        ADD_FAILURE() << "unscripted message box: title \"" << title << "\", text \"" << text
                      << "\", buttons " << buttonsName(buttons);
        return cancelAnswer(buttons);
    }
    const Script s = scripts_.front();
    scripts_.pop_front();
    if (!s.text.empty() && s.text != text) {
        ADD_FAILURE() << "message box text \"" << text << "\", expected \"" << s.text << "\"";
    }
    return s.answer;
}

void FakeMessages::beep() {
    ++beeps;
    log_.push_back("beep");
}

// ----------------------------------------------------------- file dialogs

FakeFileDialogs::~FakeFileDialogs() {
    for (const Script& s : scripts_) {
        ADD_FAILURE() << "expected " << (s.save ? "save" : "open")
                      << " dialog never shown (answer \"" << s.path << "\")";
    }
}

void FakeFileDialogs::expectOpen(const std::string& path) {
    scripts_.push_back({false, path});
}

void FakeFileDialogs::expectSave(const std::string& path) {
    scripts_.push_back({true, path});
}

std::string FakeFileDialogs::openFile(const FileDialogRequest& request) {
    return answer(false, request);
}

std::string FakeFileDialogs::saveFile(const FileDialogRequest& request) {
    return answer(true, request);
}

std::string FakeFileDialogs::answer(bool save, const FileDialogRequest& request) {
    calls.push_back({save, request});
    log_.push_back(std::string(save ? "save " : "open ") + request.title);
    if (scripts_.empty()) {
        ADD_FAILURE() << "unscripted " << (save ? "save" : "open") << " dialog: title \""
                      << request.title << "\", filter \"" << request.filter << "\"";
        return {};
    }
    const Script s = scripts_.front();
    scripts_.pop_front();
    if (s.save != save) {
        ADD_FAILURE() << "a " << (save ? "save" : "open") << " dialog was shown where the test "
                      << "expected a " << (s.save ? "save" : "open") << " dialog";
    }
    return s.path;
}

// --------------------------------------------------------------- printer

FakePrinter::~FakePrinter() {
    for (std::size_t i = 0; i < scripts_.size(); ++i) {
        ADD_FAILURE() << "expected print never made";
    }
}

void FakePrinter::expectPrint(bool result) {
    scripts_.push_back(result);
}

bool FakePrinter::printImage(const QImage& image, const std::string& jobName) {
    images.push_back(image);
    log_.push_back("print " + jobName);
    return scripted(jobName);
}

bool FakePrinter::printText(const std::vector<std::string>& lines, const QFont& font,
                            const std::string& jobName) {
    texts.push_back(lines);
    fonts.push_back(font);
    log_.push_back("print text " + jobName);
    return scripted(jobName);
}

bool FakePrinter::scripted(const std::string& jobName) {
    jobs.push_back(jobName);
    if (scripts_.empty()) {
        ADD_FAILURE() << "unscripted print of \"" << jobName << "\"";
        return false;
    }
    const bool result = scripts_.front();
    scripts_.pop_front();
    return result;
}

// ----------------------------------------------------------- print system

ScriptedPrintSystem::~ScriptedPrintSystem() {
    for (std::size_t i = 0; i < scripts_.size(); ++i) {
        ADD_FAILURE() << "expected print dialog never shown";
    }
}

void ScriptedPrintSystem::expectDialog(std::function<bool(QPrinter&)> script) {
    scripts_.push_back(std::move(script));
}

platform::ui::QtPrinter::System ScriptedPrintSystem::system() {
    platform::ui::QtPrinter::System s;
    s.printersAvailable = [this] { return printers; };
    s.printDialog = [this](QPrinter& printer) {
        const std::string job = printer.docName().toStdString();
        dialogJobs.push_back(job);
        log_.push_back("print dialog " + job);
        if (scripts_.empty()) {
            ADD_FAILURE() << "unscripted print dialog for \"" << job << "\"";
            return false;
        }
        auto script = std::move(scripts_.front());
        scripts_.pop_front();
        return script(printer);
    };
    return s;
}

// ----------------------------------------------------------------- clock

LocalDateTime FakeClock::now() {
    ++reads;
    log_.push_back("clock");
    return time;
}

// ---------------------------------------------------------------- random

double FakeRandom::next() {
    ++draws;
    const double v = values_[nextIndex_ % values_.size()];
    ++nextIndex_;
    return v;
}

void FakeRandom::reseed(double seed) {
    seeds.push_back(seed);
    log_.push_back("reseed");
}

void FakeRandom::setValues(std::vector<double> values) {
    if (values.empty()) {
        ADD_FAILURE() << "FakeRandom needs at least one value";
        values = {0.5};
    }
    values_ = std::move(values);
    nextIndex_ = 0;
}

// ---------------------------------------------------------- modal runner

FakeModalRunner::~FakeModalRunner() {
    for (std::size_t i = 0; i < scripts_.size(); ++i) {
        ADD_FAILURE() << "expected modal dialog never run";
    }
}

void FakeModalRunner::expect(std::function<void(Dialog&)> script) {
    scripts_.push_back(std::move(script));
}

bool FakeModalRunner::run(Dialog& dialog) {
    captions.push_back(dialog.caption());
    log_.push_back("modal " + dialog.caption());
    dialog.resetAccepted();
    if (scripts_.empty()) {
        ADD_FAILURE() << "unscripted modal dialog \"" << dialog.caption() << "\"";
        return false;
    }
    auto script = std::move(scripts_.front());
    scripts_.pop_front();
    script(dialog);
    return dialog.accepted();
}

void FakeModalRunner::failWrongType(Dialog& d) {
    ADD_FAILURE() << "modal dialog \"" << d.caption() << "\" is not of the scripted type";
}

// ----------------------------------------------------------- environment

namespace {

platform::ui::Services makeFakes(ServiceLog& log) {
    platform::ui::Services s;
    s.messages = std::make_unique<FakeMessages>(log);
    s.fileDialogs = std::make_unique<FakeFileDialogs>(log);
    s.printer = std::make_unique<FakePrinter>(log);
    s.clock = std::make_unique<FakeClock>(log);
    s.random = std::make_unique<FakeRandom>(log);
    s.modalRunner = std::make_unique<FakeModalRunner>(log);
    return s;
}

}  // namespace

FakeEnvironment::FakeEnvironment()
    : owned_(makeFakes(log)),
      messages(static_cast<FakeMessages&>(*owned_.messages)),
      fileDialogs(static_cast<FakeFileDialogs&>(*owned_.fileDialogs)),
      printer(static_cast<FakePrinter&>(*owned_.printer)),
      clock(static_cast<FakeClock&>(*owned_.clock)),
      random(static_cast<FakeRandom&>(*owned_.random)),
      modalRunner(static_cast<FakeModalRunner&>(*owned_.modalRunner)) {}

platform::ui::Services FakeEnvironment::services() {
    if (!owned_.messages) {
        ADD_FAILURE() << "FakeEnvironment::services() called twice";
    }
    return std::move(owned_);
}

}  // namespace uitest
