// Absurd numbers typed into every field of the main and the tool windows,
// then the computing buttons pressed (the main window's preload and
// reduction too), list entries picked and the pictures clicked:
// whatever the windows show then (fields, labels, lists, pictures, messages)
// holds no "inf", "Infinity" or "nan", and no longitude beyond 180 degrees.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "almanac/almanac_window.h"
#include "almanac/rise_set_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "calculators/calculators_window.h"
#include "calculators/course_calculator_window.h"
#include "calculators/protractor_window.h"
#include "calculators/single_shot_window.h"
#include "globe/globe_window.h"
#include "lunar/lunar_window.h"
#include "planner/planner_window.h"
#include "platform/numtext.h"
#include "platform/ui/picture.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_window.h"
#include "reduction/sight_entry_window.h"
#include "tests/ui/temp_folder.h"
#include "tests/ui/ui_test_support.h"

namespace {

using platform::ui::DrawItem;
using platform::ui::Picture;

// Services that take whatever the windows ask: messages are kept for the
// check, file dialogs are cancelled, prints and modal dialogs do nothing.
struct Seen {
    std::vector<std::string> messages;
};

class KeepMessages final : public platform::ui::Messages {
  public:
    explicit KeepMessages(Seen& seen) : seen_(seen) {}
    platform::ui::MessageAnswer show(const std::string& text, const std::string& title,
                                     platform::ui::MessageButtons) override {
        seen_.messages.push_back(title + ": " + text);
        return platform::ui::MessageAnswer::Ok;
    }
    void beep() override {}

  private:
    Seen& seen_;
};

class CancelFileDialogs final : public platform::ui::FileDialogs {
  public:
    std::string openFile(const platform::ui::FileDialogRequest&) override { return {}; }
    std::string saveFile(const platform::ui::FileDialogRequest&) override { return {}; }
};

class NoPrinter final : public platform::ui::Printer {
  public:
    bool printImage(const QImage&, const std::string&) override { return true; }
    bool printText(const std::vector<std::string>&, const QFont&, const std::string&) override {
        return true;
    }
};

class FixedClock final : public platform::ui::Clock {
  public:
    platform::ui::LocalDateTime now() override { return {2024, 6, 21, 12, 0, 0, 0}; }
};

class HalfRandom final : public platform::ui::Random {
  public:
    double next() override { return 0.5; }
    void reseed(double) override {}
};

class CancelModal final : public platform::ui::ModalRunner {
  public:
    bool run(platform::ui::Dialog&) override { return false; }
};

platform::ui::Services permissive(Seen& seen) {
    platform::ui::Services s;
    s.messages = std::make_unique<KeepMessages>(seen);
    s.fileDialogs = std::make_unique<CancelFileDialogs>();
    s.printer = std::make_unique<NoPrinter>();
    s.clock = std::make_unique<FixedClock>();
    s.random = std::make_unique<HalfRandom>();
    s.modalRunner = std::make_unique<CancelModal>();
    return s;
}

const QRegularExpression kNotANumber(QStringLiteral("(^|[^a-z])(inf|infinity|nan)([^a-z]|$)"),
                                     QRegularExpression::CaseInsensitiveOption);
// A longitude as the windows show it: "W 70° 1.3'", "E  55 °  33.9  '".
const QRegularExpression kLongitude(QStringLiteral("(^|[^A-Za-z])[EW] +(-?[0-9]+) *°"));

// A longitude shown beyond 180 degrees.
bool unwrappedLongitude(const std::string& text) {
    QRegularExpressionMatchIterator matches = kLongitude.globalMatch(QString::fromStdString(text));
    while (matches.hasNext()) {
        if (std::abs(matches.next().captured(2).toLongLong()) > 180) {
            return true;
        }
    }
    return false;
}

// Every text the window shows, with where it stands.
std::vector<std::string> shownTexts(const QWidget& window, const std::vector<Picture*>& pictures) {
    std::vector<std::string> texts;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        texts.push_back("box: " + box->text().toStdString());
    }
    for (const QTextEdit* box : window.findChildren<QTextEdit*>()) {
        texts.push_back("box: " + box->toPlainText().toStdString());
    }
    for (const QPlainTextEdit* box : window.findChildren<QPlainTextEdit*>()) {
        texts.push_back("box: " + box->toPlainText().toStdString());
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        texts.push_back("label: " + label->text().toStdString());
    }
    for (const QListWidget* list : window.findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row) {
            texts.push_back("list: " + list->item(row)->text().toStdString());
        }
    }
    for (const Picture* picture : pictures) {
        for (const DrawItem& item : picture->displayList()) {
            if (item.kind == DrawItem::Kind::Text) {
                texts.push_back("picture: " + item.text);
            }
        }
    }
    return texts;
}

// One window of the sweep: its pictures, its computing buttons and lists.
struct Tool {
    std::string name;
    std::function<platform::ui::Form&(app::App&)> window;
    std::function<std::vector<Picture*>(app::App&)> pictures;
    // Presses the buttons, picks the list entries and clicks the pictures.
    std::function<void(app::App&)> press;
    // Other windows the buttons fill (none when empty).
    std::function<std::vector<QWidget*>(app::App&)> filled = {};
};

// The Sun, the Moon, the planets and every seventh star.
void clickRows(platform::ui::ListBox& list) {
    for (int row = 0; row < list.count(); row += row < 6 ? 1 : 7) {
        uitest::userClickRow(list, row);
    }
}

void clickAround(Picture& picture) {
    const QSize size(picture.width() / 15, picture.height() / 15);
    for (const QPointF at : {QPointF(size.width() / 2.0, size.height() / 2.0), QPointF(3, 3),
                             QPointF(size.width() - 3.0, size.height() / 3.0)}) {
        uitest::mouseDown(picture, at, Qt::LeftButton);
        uitest::mouseMove(picture, at + QPointF(7, 5), Qt::LeftButton);
        uitest::mouseUp(picture, at + QPointF(7, 5), Qt::LeftButton);
    }
}

std::vector<Tool> tools() {
    return {
        {"main window", [](app::App& a) -> platform::ui::Form& { return a.form1(); },
         [](app::App& a) { return std::vector<Picture*>{&a.form2().Picture1}; },
         [](app::App& a) {
             app::Form1& f = a.form1();
             uitest::userClick(f.Command7);  // preload the tools
             uitest::userClick(f.Command1);  // reduce and plot
         },
         [](app::App& a) {
             return std::vector<QWidget*>{&a.form8(),  &a.form10(), &a.form11(), &a.form12(),
                                          &a.form13(), &a.form15(), &a.form55(), &a.form4()};
         }},
        {"lunar", [](app::App& a) -> platform::ui::Form& { return a.form8(); },
         [](app::App& a) { return std::vector<Picture*>{&a.form8().Picture1}; },
         [](app::App& a) {
             lunar::Form8& f = a.form8();
             for (int row = 0; row < f.List1.count(); row += 7) {
                 uitest::userClickRow(f.List1, row);
                 uitest::userClick(f.Command2);
             }
         }},
        {"course calculator", [](app::App& a) -> platform::ui::Form& { return a.form9(); },
         [](app::App&) { return std::vector<Picture*>{}; },
         [](app::App& a) {
             calculators::Form9& f = a.form9();
             uitest::userClick(f.Command1);
             uitest::userClick(f.Command4);
         }},
        {"calculators", [](app::App& a) -> platform::ui::Form& { return a.form10(); },
         [](app::App&) { return std::vector<Picture*>{}; },
         [](app::App& a) {
             calculators::Form10& f = a.form10();
             for (auto* open : {&f.Command4, &f.Command5, &f.Command7, &f.Command9, &f.Command11,
                                &f.Command14, &f.Command15}) {
                 uitest::userClick(*open);
             }
             for (auto* compute : {&f.Command1, &f.Command10, &f.Command12, &f.Command16,
                                   &f.Command2, &f.Command3, &f.Command17}) {
                 compute->click();
             }
         }},
        {"planner", [](app::App& a) -> platform::ui::Form& { return a.form11(); },
         [](app::App& a) {
             return std::vector<Picture*>{&a.form11().Picture1, &a.form11().Picture2};
         },
         [](app::App& a) {
             planner::Form11& f = a.form11();
             uitest::userClick(f.Command3);
             clickAround(f.Picture1);
         }},
        {"almanac", [](app::App& a) -> platform::ui::Form& { return a.form12(); },
         [](app::App& a) {
             return std::vector<Picture*>{&a.form12().Picture1, &a.form12().Picture2};
         },
         [](app::App& a) { clickRows(a.form12().List1); }},
        {"rise and set", [](app::App& a) -> platform::ui::Form& { return a.form13(); },
         [](app::App&) { return std::vector<Picture*>{}; },
         [](app::App& a) { uitest::userClick(a.form13().Command1); }},
        {"protractor", [](app::App& a) -> platform::ui::Form& { return a.form15(); },
         [](app::App& a) {
             return std::vector<Picture*>{&a.form15().Picture1, &a.form15().Picture2};
         },
         [](app::App& a) {
             calculators::Form15& f = a.form15();
             uitest::userClick(f.Command17);
             clickAround(f.Picture1);
         }},
        {"globe", [](app::App& a) -> platform::ui::Form& { return a.form16(); },
         [](app::App& a) { return std::vector<Picture*>{&a.form16().Picture1}; },
         [](app::App& a) {
             globe::Form16& f = a.form16();
             uitest::userClick(f.Command1);
             clickAround(f.Picture1);
         }},
        {"single sight", [](app::App& a) -> platform::ui::Form& { return a.form55(); },
         [](app::App& a) { return std::vector<Picture*>{&a.form55().Picture1}; },
         [](app::App& a) {
             calculators::Form55& f = a.form55();
             uitest::userClick(f.Command1);
             uitest::userClick(f.Command2);
         }},
    };
}

const std::vector<std::string>& absurdNumbers() {
    static const std::vector<std::string> numbers = {std::string(309, '9'),
                                                     "-" + std::string(309, '9'),
                                                     "1e308",
                                                     "-1e308",
                                                     "1e300",
                                                     "-1e300",
                                                     "1e20",
                                                     "-1e20",
                                                     "4.9e-324",
                                                     "abc",
                                                     "",
                                                     "0",
                                                     "-0",
                                                     "1e9",
                                                     "99999"};
    return numbers;
}

class AbsurdInputs : public ::testing::TestWithParam<std::size_t> {
  protected:
    // Presses the tool's buttons and checks every text shown then.
    void pressAndCheck(const Tool& tool, const std::string& what) {
        seen_.messages.clear();
        tool.press(app_);
        std::vector<std::string> texts = shownTexts(tool.window(app_), tool.pictures(app_));
        if (tool.filled) {
            for (const QWidget* other : tool.filled(app_)) {
                const std::vector<std::string> more = shownTexts(*other, {});
                texts.insert(texts.end(), more.begin(), more.end());
            }
        }
        texts.insert(texts.end(), seen_.messages.begin(), seen_.messages.end());
        for (const std::string& text : texts) {
            EXPECT_FALSE(kNotANumber.match(QString::fromStdString(text)).hasMatch())
                << tool.name << ", " << what << ": " << text;
            EXPECT_FALSE(unwrappedLongitude(text)) << tool.name << ", " << what << ": " << text;
        }
    }

    uitest::ScratchWorkingFolder folder_{"celnav-absurd"};
    Seen seen_;
    app::App app_{permissive(seen_)};
};

TEST_P(AbsurdInputs, NoWindowShowsAValueThatIsNoNumber) {
    ASSERT_TRUE(folder_.ok());
    const Tool tool = tools()[GetParam()];
    platform::ui::Form& window = tool.window(app_);
    window.showModeless();
    for (const std::string& number : absurdNumbers()) {
        for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
            if (!box->isReadOnly()) {
                box->setText(QString::fromStdString(number));
            }
        }
        pressAndCheck(tool, "every field " + number.substr(0, 12));
    }
}

// One field at a time absurd, the others as the window starts.
TEST_P(AbsurdInputs, OneAbsurdFieldAmongOrdinaryOnes) {
    ASSERT_TRUE(folder_.ok());
    const Tool tool = tools()[GetParam()];
    platform::ui::Form& window = tool.window(app_);
    window.showModeless();
    const std::vector<std::string> numbers = {std::string(309, '9'), "-" + std::string(309, '9'),
                                              "1e300", "-1e20", "abc"};
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (box->isReadOnly()) {
            continue;
        }
        const QString ordinary = box->text();
        for (const std::string& number : numbers) {
            box->setText(QString::fromStdString(number));
            const QPoint at = box->mapTo(&window, QPoint(0, 0));
            pressAndCheck(tool, "the field at " + std::to_string(at.x()) + ", " +
                                    std::to_string(at.y()) + " " + number.substr(0, 12));
        }
        box->setText(ordinary);
    }
}

INSTANTIATE_TEST_SUITE_P(ToolWindows, AbsurdInputs, ::testing::Range<std::size_t>(0, 10));

// ---- Calculator windows: no impossible answer ------------------------------
// The course and heading calculator, the calculators window, the protractor
// and the single-sight reduction with impossible numbers in their fields: a
// refused field gives its warning (or the protractor's line) and empty
// results, so no latitude beyond a pole is ever shown, a latitude typed
// beyond 90 degrees is always refused by name (or, with every field absurd,
// some field is refused by name first), and the heading calculator shows a
// heading only for a desired course of 0 to 360.

// A latitude as the calculators show it: "N 40° 24'", "Position Fix    N 12 ° ".
const QRegularExpression kCalculatorLatitude(QStringLiteral("(^|[^A-Za-z])[NS] +(-?[0-9]+) *°"));

bool latitudeBeyondAPole(const std::string& text) {
    QRegularExpressionMatchIterator matches =
        kCalculatorLatitude.globalMatch(QString::fromStdString(text));
    while (matches.hasNext()) {
        if (std::abs(matches.next().captured(2).toLongLong()) > 90) {
            return true;
        }
    }
    return false;
}

class CalculatorAbsurdInputs : public ::testing::TestWithParam<const char*> {
  protected:
    Tool tool() const {
        for (const Tool& t : tools()) {
            if (t.name == GetParam()) {
                return t;
            }
        }
        ADD_FAILURE() << "no tool " << GetParam();
        return tools().front();
    }

    // The degrees boxes of the tool's latitudes.
    std::vector<const QWidget*> latitudeBoxes(const Tool& t) {
        if (t.name == "calculators") {
            const calculators::Form10& f = app_.form10();
            return {f.Text113.widget(), f.Text5.widget(),  f.Text21.widget(), f.Text26.widget(),
                    f.Text30.widget(),  f.Text43.widget(), f.Text39.widget()};
        }
        if (t.name == "protractor") {
            const calculators::Form15& f = app_.form15();
            return {f.Text43.widget(), f.Text39.widget(), f.Text2.widget()};
        }
        if (t.name == "single sight") {
            return {app_.form55().Text25.widget()};
        }
        return {};
    }

    // RefusedLatitude: a latitude degrees box holds a value beyond 90 (or
    // text that is no number); AnyField: other fields may be refused first.
    void pressAndCheck(const Tool& t, const std::string& what, bool RefusedLatitude = false,
                       bool AnyField = false) {
        seen_.messages.clear();
        t.press(app_);
        std::vector<std::string> texts = shownTexts(t.window(app_), t.pictures(app_));
        texts.insert(texts.end(), seen_.messages.begin(), seen_.messages.end());
        bool latitudeNamed = false;
        for (const std::string& text : texts) {
            EXPECT_FALSE(kNotANumber.match(QString::fromStdString(text)).hasMatch())
                << t.name << ", " << what << ": " << text;
            EXPECT_FALSE(latitudeBeyondAPole(text)) << t.name << ", " << what << ": " << text;
            latitudeNamed =
                latitudeNamed || ((AnyField || text.find("Latitude") != std::string::npos) &&
                                  text.find(" must ") != std::string::npos);
        }
        if (RefusedLatitude) {
            EXPECT_TRUE(latitudeNamed) << t.name << ", " << what;
        }
        if (t.name == "course calculator") {
            const calculators::Form9& f = app_.form9();
            if (f.Label17.caption().rfind("Heading course = ", 0) == 0) {
                const double desired = platform::leadingNumber(f.Text8.text());
                EXPECT_TRUE(desired >= 0 && desired <= 360) << what << ": " << f.Text8.text();
            }
        }
    }

    uitest::ScratchWorkingFolder folder_{"celnav-absurd-calculators"};
    Seen seen_;
    app::App app_{permissive(seen_)};
};

TEST_P(CalculatorAbsurdInputs, NoImpossibleAnswer) {
    ASSERT_TRUE(folder_.ok());
    const Tool t = tool();
    platform::ui::Form& window = t.window(app_);
    window.showModeless();
    const std::vector<std::string> numbers = {
        "95", "90.5", "180", "200", "370", "-10", "99999", "1e300", "-1e20", std::string(309, '9')};
    std::vector<QLineEdit*> boxes;
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!box->isReadOnly()) {
            boxes.push_back(box);
        }
    }
    const std::vector<const QWidget*> latitudes = latitudeBoxes(t);
    // One field at a time, the others as the window starts.
    for (QLineEdit* box : boxes) {
        const QString ordinary = box->text();
        const bool latitude = std::find(latitudes.begin(), latitudes.end(), box) != latitudes.end();
        for (const std::string& number : numbers) {
            box->setText(QString::fromStdString(number));
            const QPoint at = box->mapTo(&window, QPoint(0, 0));
            pressAndCheck(t,
                          "the field at " + std::to_string(at.x()) + ", " + std::to_string(at.y()) +
                              " " + number.substr(0, 12),
                          latitude && std::fabs(platform::leadingNumber(number)) > 90);
        }
        box->setText(ordinary);
    }
    // Every field at once.
    for (const std::string& number : numbers) {
        for (QLineEdit* box : boxes) {
            box->setText(QString::fromStdString(number));
        }
        pressAndCheck(t, "every field " + number.substr(0, 12),
                      !latitudes.empty() && std::fabs(platform::leadingNumber(number)) > 90, true);
    }
}

INSTANTIATE_TEST_SUITE_P(CalculatorWindows, CalculatorAbsurdInputs,
                         ::testing::Values("course calculator", "calculators", "protractor",
                                           "single sight"));

// ------------------------------------------- almanac, planner and rise/set
// Their computing buttons (a body picked in the almanac's list) refuse an
// impossible date, time of day, latitude, Delta T or, for "Now", time zone:
// a "Warning!" naming the field, and none of the window's outputs.

struct CheckedField {
    std::function<platform::ui::TextBox&(app::App&)> box;
    std::string label;
};

struct CheckedWindow {
    std::string name;
    platform::ui::Form& (*window)(app::App&);
    // Types a possible instant (and position) into the window.
    std::function<void(app::App&)> ordinary;
    std::vector<CheckedField> fields;
    std::function<void(app::App&)> compute;
    // What the window shows as its answer: captions, list lines, drawings.
    std::function<std::vector<std::string>(app::App&)> answer;
    // "Now" with the time zone it reads set to `zone`; its date boxes.
    std::function<void(app::App&, const std::string& zone)> now;
    std::function<std::vector<std::string>(app::App&)> dateBoxes;
    // "Now" reads the settings' zone, which cannot be typed into: its
    // refusal says where the zone is set.
    bool settingsZone = true;
};

std::vector<std::string> captions(const std::vector<const platform::ui::Label*>& labels) {
    std::vector<std::string> shown;
    for (const platform::ui::Label* label : labels) {
        if (!label->caption().empty()) {
            shown.push_back("label: " + label->caption());
        }
    }
    return shown;
}

void addDrawings(std::vector<std::string>& shown, const std::vector<const Picture*>& pictures) {
    for (const Picture* picture : pictures) {
        if (!picture->displayList().empty()) {
            shown.push_back("drawing of " + std::to_string(picture->displayList().size()));
        }
    }
}

template <typename Form>
CheckedField field(platform::ui::TextBox Form::*box, Form& (app::App::*window)(),
                   std::string label) {
    return {[box, window](app::App& a) -> platform::ui::TextBox& { return (a.*window)().*box; },
            std::move(label)};
}

std::vector<CheckedWindow> checkedWindows() {
    using almanac::Form12;
    using almanac::Form13;
    using planner::Form11;
    return {
        {"almanac",
         [](app::App& a) -> platform::ui::Form& { return a.form12(); },
         [](app::App& a) {
             Form12& f = a.form12();
             for (auto [box, text] : {std::pair{&f.Text1, "2024"},
                                      {&f.Text2, "6"},
                                      {&f.Text3, "15"},
                                      {&f.Text4, "14"},
                                      {&f.Text5, "23"},
                                      {&f.Text6, "17"},
                                      {&f.Text11, "69.2"}}) {
                 uitest::userType(*box, text);
             }
         },
         {field(&Form12::Text1, &app::App::form12, "Year"),
          field(&Form12::Text2, &app::App::form12, "Month"),
          field(&Form12::Text3, &app::App::form12, "Day"),
          field(&Form12::Text4, &app::App::form12, "UT hour"),
          field(&Form12::Text5, &app::App::form12, "UT minute"),
          field(&Form12::Text6, &app::App::form12, "UT second"),
          field(&Form12::Text11, &app::App::form12, "Delta T")},
         [](app::App& a) {
             Form12& f = a.form12();
             uitest::userClickRow(f.List1, f.List1.selectedIndex() == 1 ? 0 : 1);
         },
         [](app::App& a) {
             std::vector<std::string> shown;
             addDrawings(shown, {&a.form12().Picture1, &a.form12().Picture2});
             return shown;
         },
         [](app::App& a, const std::string& zone) {
             a.form7().Text2.setText(zone);
             uitest::userClick(a.form12().Command4);
         },
         [](app::App& a) {
             Form12& f = a.form12();
             return std::vector<std::string>{f.Text1.text(), f.Text2.text(), f.Text3.text(),
                                             f.Text4.text(), f.Text5.text(), f.Text6.text()};
         }},
        {"planner",
         [](app::App& a) -> platform::ui::Form& { return a.form11(); },
         [](app::App& a) {
             Form11& f = a.form11();
             for (auto [box, text] : {std::pair{&f.Text1, "2024"},
                                      {&f.Text2, "1"},
                                      {&f.Text3, "15"},
                                      {&f.Text4, "2"},
                                      {&f.Text5, "0"},
                                      {&f.Text11, "0"},
                                      {&f.Text113, "40"},
                                      {&f.Text6, "0"},
                                      {&f.Text114, "70"},
                                      {&f.Text8, "69"},
                                      {&f.Text10, "5"}}) {
                 uitest::userType(*box, text);
             }
         },
         {field(&Form11::Text1, &app::App::form11, "Year"),
          field(&Form11::Text2, &app::App::form11, "Month"),
          field(&Form11::Text3, &app::App::form11, "Day"),
          field(&Form11::Text4, &app::App::form11, "UT hour"),
          field(&Form11::Text5, &app::App::form11, "UT minute"),
          field(&Form11::Text11, &app::App::form11, "UT second"),
          field(&Form11::Text113, &app::App::form11, "Latitude"),
          field(&Form11::Text6, &app::App::form11, "Latitude minutes"),
          field(&Form11::Text8, &app::App::form11, "Delta T")},
         [](app::App& a) { uitest::userClick(a.form11().Command3); },
         [](app::App& a) {
             Form11& f = a.form11();
             std::vector<std::string> shown =
                 captions({&f.Label23, &f.Label15, &f.Label24, &f.Label16, &f.Label21});
             for (int row = 0; row < f.List1.count(); ++row) {
                 shown.push_back("list: " + f.List1.item(row));
             }
             addDrawings(shown, {&f.Picture1, &f.Picture2});
             return shown;
         },
         [](app::App& a, const std::string& zone) {
             uitest::userType(a.form11().Text10, zone);
             uitest::userClick(a.form11().Command6);  // "Now + refresh star map"
         },
         [](app::App& a) {
             Form11& f = a.form11();
             return std::vector<std::string>{f.Text1.text(), f.Text2.text(), f.Text3.text(),
                                             f.Text4.text(), f.Text5.text(), f.Text11.text()};
         },
         false},
        {"rise and set",
         [](app::App& a) -> platform::ui::Form& { return a.form13(); },
         [](app::App& a) {
             Form13& f = a.form13();
             for (auto [box, text] : {std::pair{&f.Text1, "2024"},
                                      {&f.Text2, "3"},
                                      {&f.Text3, "20"},
                                      {&f.Text113, "40"},
                                      {&f.Text8, "30"},
                                      {&f.Text114, "70"},
                                      {&f.Text7, "0"},
                                      {&f.Text11, "69"}}) {
                 uitest::userType(*box, text);
             }
         },
         {field(&Form13::Text1, &app::App::form13, "Year"),
          field(&Form13::Text2, &app::App::form13, "Month"),
          field(&Form13::Text3, &app::App::form13, "UT Day"),
          field(&Form13::Text113, &app::App::form13, "DR Latitude"),
          field(&Form13::Text8, &app::App::form13, "DR Latitude minutes"),
          field(&Form13::Text11, &app::App::form13, "Delta T")},
         [](app::App& a) { uitest::userClick(a.form13().Command1); },
         [](app::App& a) {
             Form13& f = a.form13();
             return captions({&f.Label23, &f.Label15, &f.Label24, &f.Label4});
         },
         [](app::App& a, const std::string& zone) {
             a.form7().Text2.setText(zone);
             uitest::userClick(a.form13().Command4);
         },
         [](app::App& a) {
             Form13& f = a.form13();
             return std::vector<std::string>{f.Text1.text(), f.Text2.text(), f.Text3.text()};
         }},
    };
}

// Numbers no checked field can take: beyond every year, month, day, hour,
// minute, second, latitude (either sign) and Delta T.
const std::vector<std::string>& impossibleNumbers() {
    static const std::vector<std::string> numbers = {std::string(309, '9'),
                                                     "-" + std::string(309, '9'),
                                                     "1" + std::string(300, '0'),
                                                     "-1" + std::string(20, '0'),
                                                     "1000000000",
                                                     "99999"};
    return numbers;
}

class ImpossibleInputs : public ::testing::TestWithParam<std::size_t> {
  protected:
    uitest::ScratchWorkingFolder folder_{"celnav-impossible"};
    Seen seen_;
    app::App app_{permissive(seen_)};
};

TEST_P(ImpossibleInputs, TheComputationSaysWhichFieldAndShowsNoAnswer) {
    ASSERT_TRUE(folder_.ok());
    const CheckedWindow w = checkedWindows()[GetParam()];
    w.window(app_).showModeless();
    w.ordinary(app_);
    seen_.messages.clear();
    w.compute(app_);
    ASSERT_EQ(seen_.messages, std::vector<std::string>{}) << w.name;
    ASSERT_FALSE(w.answer(app_).empty()) << w.name << ": an ordinary instant has an answer";
    for (const CheckedField& f : w.fields) {
        for (const std::string& number : impossibleNumbers()) {
            const std::string what = w.name + ", " + f.label + " " + number.substr(0, 12);
            w.ordinary(app_);
            w.compute(app_);
            uitest::userType(f.box(app_), number);
            seen_.messages.clear();
            w.compute(app_);
            ASSERT_EQ(seen_.messages.size(), 1u) << what;
            EXPECT_EQ(seen_.messages[0].rfind("Warning!: " + f.label + " must be ", 0), 0u)
                << what << ": " << seen_.messages[0];
            EXPECT_EQ(w.answer(app_), std::vector<std::string>{}) << what;
        }
    }
}

TEST_P(ImpossibleInputs, NowSaysTheZoneIsImpossibleAndWritesNothing) {
    ASSERT_TRUE(folder_.ok());
    const CheckedWindow w = checkedWindows()[GetParam()];
    w.window(app_).showModeless();
    for (const std::string& zone : {"1" + std::string(300, '0'), std::string(309, '9'),
                                    std::string("-15"), std::string("24")}) {
        w.ordinary(app_);
        const std::vector<std::string> typed = w.dateBoxes(app_);
        seen_.messages.clear();
        w.now(app_, zone);
        const std::string refusal =
            w.settingsZone ? "Warning!: The time zone of the settings must be -14 to 14 hours: "
                             "set it in the sight planner and press \"Remember these settings "
                             "as my default\""
                           : "Warning!: Time zone must be -14 to 14 hours";
        EXPECT_EQ(seen_.messages, std::vector<std::string>{refusal})
            << w.name << ", zone " << zone.substr(0, 12);
        EXPECT_EQ(w.dateBoxes(app_), typed) << w.name;
    }
}

INSTANTIATE_TEST_SUITE_P(AlmanacPlannerRiseSet, ImpossibleInputs,
                         ::testing::Range<std::size_t>(0, 3));

// ------------------------------------------------ impossible inputs: lunar,
// main window and sight entry
//
// Values each field can hold as a number but no sight can have: no answer
// is given (the lunar output names the field, the main window and the sight
// entry warn), and nothing shown holds "inf" or "nan".

class LunarMainEntryInputs : public ::testing::Test {
  protected:
    // Every text the window and the named pictures show, checked as the sweep
    // above checks them.
    void expectNoNonsense(const QWidget& window, const std::vector<Picture*>& pictures,
                          const std::string& what) {
        std::vector<std::string> texts = shownTexts(window, pictures);
        texts.insert(texts.end(), seen_.messages.begin(), seen_.messages.end());
        for (const std::string& text : texts) {
            EXPECT_FALSE(kNotANumber.match(QString::fromStdString(text)).hasMatch())
                << what << ": " << text;
        }
    }

    // In the tests' own working folder: nothing here writes a file.
    Seen seen_;
    app::App app_{permissive(seen_)};
};

TEST_F(LunarMainEntryInputs, TheLunarWindowGivesNoAnswer) {
    lunar::Form8& f = app_.form8();
    f.showModeless();
    // The Sun and the Moon of 2025 June 3 at 20:09:12 UTC.
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> sight = {
        {&f.Text113, "15"},  {&f.Text6, "36.8"}, {&f.Text114, "54"}, {&f.Text7, "11.5"},
        {&f.Text2, "97"},    {&f.Text3, "36.3"}, {&f.Text4, "18"},   {&f.Text5, "1016"},
        {&f.Text15, "2025"}, {&f.Text14, "6"},   {&f.Text13, "3"},   {&f.Text12, "20"},
        {&f.Text17, "9"},    {&f.Text8, "12"},   {&f.Text11, "69.1"}};
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> impossible = {
        {&f.Text113, "95"}, {&f.Text6, "5000"}, {&f.Text15, "1e20"}, {&f.Text15, "0"},
        {&f.Text14, "13"},  {&f.Text14, "0"},   {&f.Text13, "31"},   {&f.Text13, "-1"},
        {&f.Text12, "24"},  {&f.Text17, "60"},  {&f.Text8, "86400"}, {&f.Text11, "99999"},
        {&f.Text2, "180"},  {&f.Text2, "-97"},  {&f.Text2, "1000"},  {&f.Text12, "8"}};
    for (const auto& [box, typed] : impossible) {
        for (const auto& [field, value] : sight) {
            field->setText(value);
        }
        uitest::userClickRow(f.List1, 0);
        box->setText(typed);
        uitest::userClick(f.Command2);
        std::vector<std::string> lines;
        for (const DrawItem& item : f.Picture1.displayList()) {
            if (item.kind == DrawItem::Kind::Text) {
                lines.push_back(item.text);
            }
        }
        // One line that says why (08 h: the Sun is below the horizon), no time.
        ASSERT_EQ(lines.size(), 1u) << typed;
        EXPECT_EQ(lines[0].find("Correct time"), std::string::npos) << typed << lines[0];
        expectNoNonsense(f, {&f.Picture1}, "lunar " + typed);
    }
}

TEST_F(LunarMainEntryInputs, TheMainWindowNeitherDeadReckonsNorAsksForAnAssumedPosition) {
    app::Form1& f = app_.form1();
    f.showModeless();
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> leg = {
        {&f.Text113, "40"},  {&f.Text6, "0"},     {&f.Text114, "30"}, {&f.Text7, "0"},
        {&f.Text9, "18"},    {&f.Text111, "0"},   {&f.Text10, "20"},  {&f.Text14, "6"},
        {&f.Text15, "2024"}, {&f.Text12, "20"},   {&f.Text11, "0"},   {&f.Text13, "20"},
        {&f.Text16, "6"},    {&f.Text17, "2024"}, {&f.Text8, "180"},  {&f.Text2, "6"}};
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> impossible = {
        {&f.Text113, "95"},  {&f.Text6, "3001"},   {&f.Text10, "31"},  {&f.Text14, "13"},
        {&f.Text15, "1e20"}, {&f.Text9, "25"},     {&f.Text111, "61"}, {&f.Text13, "0"},
        {&f.Text16, "-6"},   {&f.Text17, "-2024"}, {&f.Text12, "-1"},  {&f.Text11, "60"}};
    f.Command1.setEnabled(true);  // as after a saved sight
    for (const auto& [box, typed] : impossible) {
        for (const auto& [field, value] : leg) {
            field->setText(value);
        }
        box->setText(typed);
        for (platform::ui::CommandButton* button : {&f.Command7, &f.Command1}) {
            seen_.messages.clear();
            uitest::userClick(*button);
            // One warning naming the field; the assumed-position dialog was
            // never filled with a dead reckoning.
            ASSERT_EQ(seen_.messages.size(), 1u) << typed;
            EXPECT_EQ(seen_.messages[0].rfind("Warning!: ", 0), 0u) << seen_.messages[0];
            EXPECT_NE(seen_.messages[0].find(" must be "), std::string::npos) << seen_.messages[0];
            EXPECT_EQ(app_.existingWindow<reduction::Form3>(), nullptr) << typed;
        }
        expectNoNonsense(f, {}, "main window " + typed);
    }
}

TEST_F(LunarMainEntryInputs, TheSightEntryComputesNoAlmanacForAnImpossibleInstant) {
    reduction::Form5& f = app_.form5();
    f.showModeless();
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> instant = {
        {&f.Text21, "2024"}, {&f.Text20, "3"}, {&f.Text19, "19"},
        {&f.Text18, "12"},   {&f.Text22, "0"}, {&f.Text2, "0"}};
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> impossible = {
        {&f.Text21, "1e20"},  {&f.Text21, std::string(309, '9')},
        {&f.Text20, "13"},    {&f.Text19, "32"},
        {&f.Text19, "-0.5"},  {&f.Text18, "25"},
        {&f.Text22, "99999"}, {&f.Text2, "60.5"},
        {&f.Text2, "60"}};
    for (const auto& [box, typed] : impossible) {
        for (const auto& [field, value] : instant) {
            field->setText(value);
        }
        box->setText(typed);
        for (int row : {0, 1, 2, 6, 40}) {
            seen_.messages.clear();
            uitest::userClickRow(f.List1, row);
            ASSERT_EQ(seen_.messages.size(), 1u) << typed;
            EXPECT_NE(seen_.messages[0].find(" must be "), std::string::npos) << seen_.messages[0];
            EXPECT_TRUE(f.Picture1.displayList().empty() ||
                        std::none_of(
                            f.Picture1.displayList().begin(), f.Picture1.displayList().end(),
                            [](const DrawItem& item) { return item.kind == DrawItem::Kind::Text; }))
                << typed;
        }
        expectNoNonsense(f, {&f.Picture1, &f.Picture2}, "sight entry " + typed.substr(0, 12));
    }
}

}  // namespace
