// The services: filter conversion and the dialogs' default suffix, the
// generator, the clock, the real printer with and without a printer (a
// scripted system and file dialogs), and the fakes failing on anything
// unscripted.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/qt_services.h"
#include "platform/ui/services.h"
#include "tests/ui/fakes.h"
#include "tests/ui/temp_folder.h"

namespace {

using namespace platform::ui;

// ------------------------------------------------------------ filters

struct FilterCase {
    const char* program;
    const char* qt;
};

class FilterConversion : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterConversion, GivesQtsForm) {
    EXPECT_EQ(qtFileFilter(GetParam().program), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(Table, FilterConversion,
                         ::testing::Values(FilterCase{"NAV Files (*.NAV)|*.NAV|All Files (*.*)",
                                                      "NAV Files (*.NAV);;All Files (*)"},
                                           FilterCase{"NAV Files (*.NAV)|*.NAV|All Files (*.*)|*.*",
                                                      "NAV Files (*.NAV);;All Files (*)"},
                                           FilterCase{"LUN Files (*.LUN)|*.LUN|All Files (*.*)",
                                                      "LUN Files (*.LUN);;All Files (*)"},
                                           FilterCase{"Text|*.txt;*.log", "Text (*.txt *.log)"},
                                           FilterCase{"Settings (*.nv1)|*.nv1", "Settings (*.nv1)"},
                                           FilterCase{"All Files (*.*)|*.*", "All Files (*)"},
                                           FilterCase{"Anything", "Anything (*)"},
                                           FilterCase{"", ""}, FilterCase{"  ", ""}));

// ---------------------------------------------------------- generator

TEST(StandardRandom, NumbersLieInTheHalfOpenUnitInterval) {
    StandardRandom r(7);
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const double u = r.next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += u;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.005);
}

TEST(StandardRandom, SameSeedSameSequence) {
    StandardRandom a(42), b(42), c(43);
    const double a1 = a.next();
    EXPECT_EQ(a1, b.next());
    EXPECT_NE(a1, c.next());
}

TEST(StandardRandom, ReseedWithAnUnchangedClockDoesNotRestartTheSequence) {
    StandardRandom r;
    r.reseed(45296.75);
    const double first = r.next();
    r.reseed(45296.75);
    const double second = r.next();
    EXPECT_NE(first, second);
    // Yet a run is reproducible from the same history.
    StandardRandom s;
    s.reseed(45296.75);
    EXPECT_EQ(s.next(), first);
}

TEST(StandardRandom, ReseedsFromManyClockTicksSpreadOut) {
    StandardRandom r;
    std::set<double> seen;
    for (int tick = 0; tick < 1000; ++tick) {
        r.reseed(36000 + tick * 0.01);
        seen.insert(r.next());
    }
    EXPECT_EQ(seen.size(), 1000u);
}

// -------------------------------------------------------------- clock

TEST(Clock, SecondsSinceMidnight) {
    EXPECT_DOUBLE_EQ(secondsSinceMidnight({2024, 3, 1, 12, 34, 56, 789}), 45296.789);
    EXPECT_EQ(secondsSinceMidnight({2024, 3, 1, 0, 0, 0, 0}), 0.0);
}

TEST(Clock, QtClockReadsAPlausibleLocalTime) {
    QtClock clock;
    const LocalDateTime t = clock.now();
    EXPECT_GE(t.year, 2024);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
    EXPECT_GE(t.day, 1);
    EXPECT_LE(t.day, 31);
    EXPECT_LT(t.hour, 24);
    EXPECT_LT(t.millisecond, 1000);
}

// ------------------------------------------------------------ printer

std::string fileStart(const std::filesystem::path& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string start(n, '\0');
    in.read(&start[0], static_cast<std::streamsize>(n));
    start.resize(static_cast<std::size_t>(in.gcount()));
    return start;
}

QImage windowLikeImage() {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image;
}

// The real printer on scripted messages, file dialogs and system (no
// printer until a test sets one up).
class QtPrinterTest : public ::testing::Test {
  protected:
    uitest::TempFolder folder{"services_test"};
    uitest::ServiceLog log;
    uitest::FakeMessages messages{log};
    uitest::FakeFileDialogs dialogs{log};
    uitest::ScriptedPrintSystem system{log};
    QtPrinter printer{messages, dialogs, system.system()};
};

TEST_F(QtPrinterTest, WithoutAPrinterItPrintsToAPdfFileChosenInASaveDialog) {
    const std::filesystem::path pdf = folder.path() / "plot.pdf";
    dialogs.expectSave(pdf.string());
    EXPECT_TRUE(printer.printImage(windowLikeImage(), "PLOT OF LOPS"));
    EXPECT_EQ(log, (uitest::ServiceLog{std::string("save ") + kPdfFileTitle}));
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].request.filter, kPdfFileFilter);
    EXPECT_EQ(fileDialogSuffix(dialogs.calls[0].request.filter), "pdf");
    EXPECT_EQ(fileStart(pdf, 5), "%PDF-");
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST_F(QtPrinterTest, CancelledOrFailedPdfPrintsSaySoAndLeaveNoFile) {
    dialogs.expectSave("");  // cancelled: nothing to say
    EXPECT_FALSE(printer.printImage(windowLikeImage(), "PLOT OF LOPS"));
    EXPECT_TRUE(messages.calls.empty());

    const std::filesystem::path lost = folder.path() / "no such folder" / "plot.pdf";
    dialogs.expectSave(lost.string());
    messages.expect("");
    EXPECT_FALSE(printer.printImage(windowLikeImage(), "PLOT OF LOPS"));
    ASSERT_EQ(messages.calls.size(), 1u);
    const std::string& text = messages.calls[0].text;
    EXPECT_EQ(
        text.rfind(std::string(kNotPrintedMessage) + "\nCould not save \"" + lost.string(), 0), 0u)
        << text;
    EXPECT_FALSE(std::filesystem::exists(lost));
}

// The pages of n numbered lines of report text on A4 at 300 dots an inch.
int textPages(int n, const QFont& font) {
    std::vector<std::string> lines;
    for (int k = 1; k <= n; ++k) {
        lines.push_back("Line " + std::to_string(k) + "   UT =        10.500 Hrs");
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    return paintTextPages(pdf, lines, font);
}

// Every line gets its place: a page holds as many as fit, the next line
// starts a new page, and k full pages take exactly k pages.
TEST(QtPrinterText, LinesFillPagesInTurn) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPointSizeF(10);
    EXPECT_EQ(textPages(0, font), 1);
    EXPECT_EQ(textPages(1, font), 1);
    int perPage = 1;
    while (textPages(perPage + 1, font) == 1) {
        ++perPage;
        ASSERT_LT(perPage, 500);
    }
    // 10 pt lines on A4 less its margins: some 60 to 70 a page.
    EXPECT_GT(perPage, 40);
    EXPECT_LT(perPage, 90);
    for (const int k : {2, 3}) {
        EXPECT_EQ(textPages(k * perPage, font), k);
        EXPECT_EQ(textPages(k * perPage + 1, font), k + 1);
    }
    // A larger font fits fewer lines to the page.
    font.setPointSizeF(20);
    EXPECT_EQ(textPages(perPage, font), 2);
}

TEST_F(QtPrinterTest, TextWithoutAPrinterGoesToAPdfFileOfItsPages) {
    const std::filesystem::path pdf = folder.path() / "report.pdf";
    dialogs.expectSave(pdf.string());
    std::vector<std::string> lines(150, "Hs =        20.000 \xC2\xB0      21.000 \xC2\xB0");
    EXPECT_TRUE(printer.printText(lines, QFont(QStringLiteral("DejaVu Sans Mono")), "Help & Info"));
    EXPECT_EQ(log, (uitest::ServiceLog{std::string("save ") + kPdfFileTitle}));
    EXPECT_EQ(fileStart(pdf, 5), "%PDF-");
    // The PDF's page objects, one a page: 150 lines take more than one.
    const std::string text = uitest::readBytes(pdf);
    int pages = 0;
    for (std::size_t at = text.find("/Type /Page"); at != std::string::npos;
         at = text.find("/Type /Page", at + 1)) {
        pages += text.compare(at, 12, "/Type /Pages") == 0 ? 0 : 1;
    }
    EXPECT_GE(pages, 2);
    EXPECT_LE(pages, 4);

    // Cancelled: nothing printed, nothing said.
    dialogs.expectSave("");
    EXPECT_FALSE(printer.printText(lines, QFont(), "Help & Info"));
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(QtPrinterTest, WithAPrinterThePrintDialogChoosesAndMayPrintToPdf) {
    const std::filesystem::path pdf = folder.path() / "chosen in the dialog.pdf";
    system.printers = true;
    const auto choosePdf = [&pdf](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(pdf.string()));
    };
    system.expectDialog([&](QPrinter& p) {
        choosePdf(p);
        return false;  // cancelled
    });
    system.expectDialog([&](QPrinter& p) {
        choosePdf(p);
        return true;
    });
    EXPECT_FALSE(printer.printImage(windowLikeImage(), "PLOT OF LOPS"));
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(printer.printImage(windowLikeImage(), "PLOT OF LOPS"));
    EXPECT_EQ(fileStart(pdf, 5), "%PDF-");
    // Only the print dialogs: no file dialog, no message.
    EXPECT_EQ(log, (uitest::ServiceLog{"print dialog PLOT OF LOPS", "print dialog PLOT OF LOPS"}));
}

TEST(QtPrinterPage, TheImageFillsThePageWithItsAspectKept) {
    struct Case {
        QSize image;
        QRect page;
        QRect expected;
    };
    const Case cases[] = {
        {{400, 300}, {0, 0, 2000, 3000}, {0, 750, 2000, 1500}},    // wide on a tall page
        {{300, 600}, {0, 0, 2000, 1000}, {750, 0, 500, 1000}},     // tall on a wide page
        {{20, 10}, {100, 50, 4000, 2000}, {100, 50, 4000, 2000}},  // small, same aspect
        {{0, 10}, {0, 0, 100, 100}, {0, 0, 0, 0}},                 // nothing to print
    };
    for (const Case& c : cases) {
        EXPECT_EQ(imageRectOnPage(c.image, c.page), c.expected) << c.image.width();
    }

    // Drawn on a page: the image covers the page's width, centred in height.
    QImage page(210, 297, QImage::Format_RGB32);
    page.fill(Qt::white);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(paintImageOnPage(page, image));
    const QRgb red = qRgb(255, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(page.pixel(0, 148), red);
    EXPECT_EQ(page.pixel(209, 148), red);
    EXPECT_EQ(page.pixel(105, 97), red);   // (297 - 105) / 2 = 96: the top row
    EXPECT_EQ(page.pixel(105, 199), red);  // the bottom row
    EXPECT_EQ(page.pixel(105, 94), white);
    EXPECT_EQ(page.pixel(105, 202), white);
}

// -------------------------------------------------------- file dialogs

TEST(FileDialogSuffix, IsTheExtensionOfTheFiltersFirstPattern) {
    struct Case {
        const char* filter;
        const char* suffix;
    };
    const Case cases[] = {
        {"NAV Files (*.NAV)|*.NAV|All Files (*.*)", "NAV"},
        {"LUN Files (*.LUN)|*.LUN|All Files (*.*)", "LUN"},
        {"Text|*.txt;*.log", "txt"},
        {"PDF Files (*.pdf)|*.pdf", "pdf"},
        {"All Files (*.*)|*.*", ""},
        {"Anything|*", ""},
        {"Anything", ""},
        {"Odd|*.N?V", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileDialogSuffix(c.filter), c.suffix) << c.filter;
    }
}

TEST(QtFileDialogsTest, ANameTypedWithoutExtensionGetsTheFiltersOne) {
    uitest::TempFolder folder{"services_test"};
    const FileDialogRequest request{"NAV Files (*.NAV)|*.NAV|All Files (*.*)", "Data Files"};
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    configureFileDialog(dialog, request, true);
    EXPECT_EQ(dialog.windowTitle(), "Data Files");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.defaultSuffix(), "NAV");
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"NAV Files (*.NAV)", "All Files (*)"}));
    dialog.setDirectory(QString::fromStdString((folder.path() / "").string()));
    dialog.selectFile("leg1");
    const QStringList chosen = dialog.selectedFiles();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0].toStdString(), (folder.path() / "leg1.NAV").string());

    QFileDialog open;
    configureFileDialog(open, request, false);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open.defaultSuffix(), "NAV");
}

// The question before a changed leg is left: the platform's Save, Don't
// Save and Cancel, each answered as itself; Escape is Cancel, Return is Save,
// and every button carries its Alt key (Alt+S, Alt+D, Alt+C).
TEST(QtMessagesTest, SaveDiscardCancelAnswersTheButtonPressed) {
    enum class Press { Button, Escape, Return };
    struct Case {
        Press how;
        QMessageBox::StandardButton button;  // for Press::Button
        MessageAnswer answer;
    };
    const Case cases[] = {{Press::Button, QMessageBox::Save, MessageAnswer::Save},
                          {Press::Button, QMessageBox::Discard, MessageAnswer::Discard},
                          {Press::Button, QMessageBox::Cancel, MessageAnswer::Cancel},
                          {Press::Escape, QMessageBox::NoButton, MessageAnswer::Cancel},
                          {Press::Return, QMessageBox::NoButton, MessageAnswer::Save}};
    for (const Case& c : cases) {
        QMessageBox::StandardButtons shown;
        QString discardText;
        std::vector<QKeySequence> mnemonics;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->standardButtons();
            discardText = box->button(QMessageBox::Discard)->text();
            for (const QMessageBox::StandardButton b :
                 {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}) {
                mnemonics.push_back(QKeySequence::mnemonic(box->button(b)->text()));
            }
            switch (c.how) {
                case Press::Button:
                    box->button(c.button)->click();
                    break;
                case Press::Escape:
                    box->reject();
                    break;
                case Press::Return: {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                    QApplication::sendEvent(box, &key);
                    break;
                }
            }
        });
        QtMessages messages("Celestial Navigation");
        EXPECT_EQ(messages.show("Save the changes?", {}, MessageButtons::SaveDiscardCancel),
                  c.answer);
        EXPECT_EQ(shown, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        EXPECT_EQ(discardText.remove(QLatin1Char('&')).toStdString(), "Don't Save");
        const std::vector<QKeySequence> expected = {QKeySequence(Qt::ALT | Qt::Key_S),
                                                    QKeySequence(Qt::ALT | Qt::Key_D),
                                                    QKeySequence(Qt::ALT | Qt::Key_C)};
        EXPECT_EQ(mnemonics, expected);
    }
}

TEST(QtServicesTest, BundleHasEveryService) {
    Services s = qtServices("Celestial Navigation");
    EXPECT_TRUE(s.messages && s.fileDialogs && s.printer && s.clock && s.random && s.modalRunner);
    Application app(std::move(s));
    const double u = app.random().next();
    EXPECT_GE(u, 0.0);
    EXPECT_LT(u, 1.0);
}

// -------------------------------------------------------------- fakes

TEST(Fakes, ScriptedAnswersAreGivenInOrderAndLogged) {
    uitest::FakeEnvironment env;
    Application app(env.services());
    env.messages.expect("Clear all data?", MessageAnswer::Yes);
    env.messages.expect("", MessageAnswer::No);
    env.fileDialogs.expectOpen("/tmp/a.NAV");
    env.fileDialogs.expectSave("");
    app.messages().beep();
    EXPECT_EQ(app.messages().show("Clear all data?", "Warning!", MessageButtons::YesNo),
              MessageAnswer::Yes);
    EXPECT_EQ(app.messages().show("Anything", {}, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(app.fileDialogs().openFile({"NAV Files (*.NAV)|*.NAV", "Data Files"}), "/tmp/a.NAV");
    EXPECT_EQ(app.fileDialogs().saveFile({"NAV Files (*.NAV)|*.NAV", "Data Files"}), "");
    EXPECT_EQ(env.log,
              (uitest::ServiceLog{"beep", "message Warning!: Clear all data?", "message : Anything",
                                  "open Data Files", "save Data Files"}));
    ASSERT_EQ(env.fileDialogs.calls.size(), 2u);
    EXPECT_EQ(env.fileDialogs.calls[0].request.filter, "NAV Files (*.NAV)|*.NAV");
    EXPECT_EQ(env.messages.beeps, 1);
}

TEST(Fakes, RandomAndClockAreScripted) {
    uitest::FakeEnvironment env;
    env.random.setValues({0.1, 0.96});
    env.clock.time = {2023, 12, 31, 23, 59, 58, 500};
    Application app(env.services());
    EXPECT_EQ(app.random().next(), 0.1);
    EXPECT_EQ(app.random().next(), 0.96);
    EXPECT_EQ(app.random().next(), 0.1);
    app.random().reseed(secondsSinceMidnight(app.clock().now()));
    EXPECT_EQ(env.random.seeds, (std::vector<double>{86398.5}));
    EXPECT_EQ(env.random.draws, 3);
    EXPECT_EQ(env.clock.reads, 1);
}

TEST(Fakes, UnscriptedMessageFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            EXPECT_EQ(env.messages.show("Problem reading settings file", {}, MessageButtons::Ok),
                      MessageAnswer::Ok);
        },
        "unscripted message box");
}

TEST(Fakes, UnscriptedYesNoMessageAnswersNo) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            EXPECT_EQ(env.messages.show("Sure?", {}, MessageButtons::YesNo), MessageAnswer::No);
        },
        "unscripted message box");
}

TEST(Fakes, MessageWithAnotherTextFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            env.messages.expect("There was no file selected.");
            env.messages.show("Unreadable Data File. Possible Bad Format", {}, MessageButtons::Ok);
        },
        "expected \"There was no file selected.\"");
}

TEST(Fakes, UnscriptedOrMissingPrintDialogFailsTheTest) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::ServiceLog log;
            uitest::FakeMessages messages(log);
            uitest::FakeFileDialogs dialogs(log);
            uitest::ScriptedPrintSystem system(log);
            system.printers = true;
            QtPrinter printer(messages, dialogs, system.system());
            EXPECT_FALSE(printer.printImage(image, "PLOT OF LOPS"));  // cancelled
        },
        "unscripted print dialog for \"PLOT OF LOPS\"");
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::ServiceLog log;
            uitest::ScriptedPrintSystem system(log);
            system.expectDialog([](QPrinter&) { return true; });
        },
        "expected print dialog never shown");
}

TEST(Fakes, UnscriptedFileDialogFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            EXPECT_EQ(env.fileDialogs.openFile({"LUN Files (*.LUN)|*.LUN", "Open"}), "");
        },
        "unscripted open dialog");
}

TEST(Fakes, SaveDialogWhereAnOpenWasScriptedFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            env.fileDialogs.expectOpen("/tmp/x");
            env.fileDialogs.saveFile({"", "Data Files"});
        },
        "expected a open dialog");
}

TEST(Fakes, UnscriptedPrintFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            EXPECT_FALSE(env.printer.printImage(QImage(4, 4, QImage::Format_RGB32), "Main"));
        },
        "unscripted print");
}

TEST(Fakes, UnscriptedModalDialogFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            Application app(env.services());
            Dialog dialog(app, "Clear all?");
            EXPECT_FALSE(app.runModal(dialog));
        },
        "unscripted modal dialog \"Clear all?\"");
}

TEST(Fakes, ScriptsLeftUnusedFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            env.messages.expect("You forgot to save the new data entry");
        },
        "never shown");
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            env.printer.expectPrint();
        },
        "never made");
    EXPECT_NONFATAL_FAILURE(
        {
            uitest::FakeEnvironment env;
            env.modalRunner.expect([](Dialog&) {});
        },
        "never run");
}

}  // namespace
