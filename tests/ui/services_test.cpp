// The services: filter conversion, the generator, the clock, the real
// printer without a printer, and the fakes failing on anything unscripted.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinterInfo>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/qt_services.h"
#include "platform/ui/services.h"
#include "tests/ui/fakes.h"

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

TEST(QtPrinterTest, WithoutAPrinterItSaysSoAndReportsFailure) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed; its dialog would wait for a user";
    }
    uitest::ServiceLog log;
    uitest::FakeMessages messages(log);
    messages.expect(kNoPrinterMessage);
    QtPrinter printer(messages);
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_FALSE(printer.printImage(image, "PLOT OF LOPS"));
    EXPECT_EQ(log, (uitest::ServiceLog{std::string("message : ") + kNoPrinterMessage}));
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
