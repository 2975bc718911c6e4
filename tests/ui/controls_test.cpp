// The event rules of the controls, each Qt trap included.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <string>
#include <vector>

#include "platform/seqfile.h"
#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace {

using namespace platform::ui;
using Log = std::vector<std::string>;

class ControlsForm : public Form {
  public:
    explicit ControlsForm(Application& app) : Form(app, "Controls") { resizeTwips(7500, 6000); }

    TextBox Text1{*this, {120, 120, 1500, 285}};
    TextBox Text2{*this, {120, 480, 1500, 285}, "start"};
    TextBox Notes{*this, {1800, 120, 3000, 900}, "", TextBox::MultiLine};
    ListBox List1{*this, {120, 900, 2000, 1500}};
    Frame Frame1{*this, {2400, 1200, 2400, 1200}, "Lat N or S"};
    OptionGroup LatOptions;
    OptionButton Option1{Frame1, {120, 240, 1000, 255}, "North", LatOptions};
    OptionButton Option2{Frame1, {120, 600, 1000, 255}, "South", LatOptions};
    OptionGroup OtherOptions;
    OptionButton Option3{Frame1, {1200, 240, 1000, 255}, "m", OtherOptions};
    CheckBox Check1{*this, {120, 2600, 2000, 255}, "Show lunar parallax"};
    Label Label1{*this, {120, 3000, 3000, 500}};
    CommandButton Command1{*this, {120, 3600, 1500, 375}, "Save Changes"};
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override { form.show(); }

    uitest::FakeEnvironment env;
    Application app{env.services()};
    ControlsForm& form = app.window<ControlsForm>();
    Log log;
};

// ---------------------------------------------------------------- TextBox

TEST_F(ControlsTest, TextBoxChangeRunsOnEveryWriteFromCodeAlsoWithTheSameText) {
    int changes = 0;
    form.Text1.onChange([&] { ++changes; });
    form.Text1.setText("12");
    EXPECT_EQ(changes, 1);
    // QLineEdit emits textChanged only for a different text: the wrapper runs
    // the handler anyway.
    form.Text1.setText("12");
    EXPECT_EQ(changes, 2);
    form.Text1.setText("");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(form.Text1.text(), "");
}

TEST_F(ControlsTest, TextBoxChangeRunsOncePerWriteNotTwice) {
    // textChanged and textEdited both fire on a user edit, and textChanged
    // also on setText: exactly one handler run per event.
    int changes = 0;
    form.Text2.onChange([&] { ++changes; });
    form.Text2.setText("abc");
    EXPECT_EQ(changes, 1);
    uitest::userAppend(form.Text2, "d");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.Text2.text(), "abcd");
}

TEST_F(ControlsTest, TextBoxChangeRunsOnEveryUserEdit) {
    std::vector<std::string> seen;
    form.Text1.onChange([&] { seen.push_back(form.Text1.text()); });
    uitest::userType(form.Text1, "45");
    EXPECT_EQ(seen, (std::vector<std::string>{"4", "45"}));
}

TEST_F(ControlsTest, TextBoxInitialTextIsThereWithoutAnyHandler) {
    EXPECT_EQ(form.Text2.text(), "start");
}

TEST_F(ControlsTest, MultiLineTextBoxRunsChangeOncePerWriteAndKeepsLineBreaks) {
    int changes = 0;
    form.Notes.onChange([&] { ++changes; });
    form.Notes.setText("first\r\nsecond");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.Notes.text(), "first\r\nsecond");
    form.Notes.setText("first\r\nsecond");
    EXPECT_EQ(changes, 2);
    uitest::userAppend(form.Notes, "!");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(form.Notes.text(), "first\r\nsecond!");
}

// A notes box holds what a file may hold: 32,767 characters of its text,
// each line break counted as the CR LF it is written as. Typing stops there,
// a paste keeps what fits, and each edit runs the change handler once.
TEST_F(ControlsTest, MultiLineTextBoxStopsAtTheLongestText) {
    const int limit = static_cast<int>(platform::kTextBoxMaxLength);
    int changes = 0;
    form.Notes.onChange([&] { ++changes; });
    const std::string nearly = std::string(limit - 3, 'a');
    form.Notes.setText(nearly);
    uitest::userAppend(form.Notes, "bcdef");
    EXPECT_EQ(form.Notes.text(), nearly + "bcd");
    EXPECT_EQ(changes, 1 + 5);

    // A line break counts two: only one more character fits after it.
    form.Notes.setText(nearly);
    QPlainTextEdit* plain = form.Notes.plainTextEdit();
    plain->moveCursor(QTextCursor::End);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(plain, &enter);
    uitest::userAppend(form.Notes, "xy");
    EXPECT_EQ(form.Notes.text(), nearly + "\r\nx");

    // A paste in the middle keeps its beginning, and what followed it stays.
    form.Notes.setText(std::string(limit - 10, 'a') + "zz");
    changes = 0;
    QTextCursor middle = plain->textCursor();
    middle.setPosition(5);
    plain->setTextCursor(middle);
    QGuiApplication::clipboard()->setText(QString(100, QLatin1Char('p')));
    plain->paste();
    EXPECT_EQ(form.Notes.text(),
              std::string(5, 'a') + std::string(8, 'p') + std::string(limit - 15, 'a') + "zz");
    EXPECT_EQ(changes, 1);
    // Undo takes the paste back whole.
    plain->undo();
    EXPECT_EQ(form.Notes.text(), std::string(limit - 10, 'a') + "zz");

    // A write from code keeps what fits, as a single-line box does.
    form.Notes.setText(std::string(limit + 100, 'w'));
    EXPECT_EQ(form.Notes.text(), std::string(limit, 'w'));
    form.Text1.setText(std::string(limit + 100, 'w'));
    EXPECT_EQ(form.Text1.text(), std::string(limit, 'w'));
}

TEST_F(ControlsTest, HandlerWritingAnotherControlRunsItsHandlerAtOnce) {
    form.Text1.onChange([&] {
        log.push_back("Text1 begin");
        form.Text2.setText("from Text1");
        log.push_back("Text1 end, Text2 = " + form.Text2.text());
    });
    form.Text2.onChange([&] { log.push_back("Text2"); });
    form.Text1.setText("x");
    EXPECT_EQ(log, (Log{"Text1 begin", "Text2", "Text1 end, Text2 = from Text1"}));
}

// ---------------------------------------------------------------- ListBox

TEST_F(ControlsTest, ListFillingAndClearingNeverRunClick) {
    int clicks = 0;
    form.List1.onClick([&] { ++clicks; });
    form.List1.addItem("Sun");
    form.List1.addItem("Moon");
    form.List1.setItems({"Sun", "Moon", "Venus", "Acamar   "});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.List1.count(), 4);
    EXPECT_EQ(form.List1.item(3), "Acamar   ");  // trailing blanks kept
    EXPECT_EQ(form.List1.selectedIndex(), -1);

    form.List1.setSelectedIndex(2);
    EXPECT_EQ(clicks, 1);
    // QListWidget::clear emits currentRowChanged(-1): no click.
    form.List1.clear();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.List1.selectedIndex(), -1);
    EXPECT_EQ(form.List1.count(), 0);
    form.List1.addItem("Sun");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.List1.selectedIndex(), -1);
}

TEST_F(ControlsTest, ListSelectionFromCodeRunsClickWhenTheIndexChanges) {
    form.List1.setItems({"Sun", "Moon", "Venus"});
    std::vector<int> seen;
    form.List1.onClick([&] { seen.push_back(form.List1.selectedIndex()); });
    form.List1.setSelectedIndex(1);
    form.List1.setSelectedIndex(1);   // unchanged: no click
    form.List1.setSelectedIndex(-1);  // to none: a click
    form.List1.setSelectedIndex(-1);  // still none: no click
    form.List1.setSelectedIndex(0);
    EXPECT_EQ(seen, (std::vector<int>{1, -1, 0}));
    EXPECT_EQ(form.List1.listWidget()->currentRow(), 0);
    EXPECT_TRUE(form.List1.listWidget()->item(0)->isSelected());
}

TEST_F(ControlsTest, ListIndexOutOfRangeSelectsNone) {
    form.List1.setItems({"Sun", "Moon"});
    std::vector<int> seen;
    form.List1.onClick([&] { seen.push_back(form.List1.selectedIndex()); });
    form.List1.setSelectedIndex(7);  // from none to none: nothing
    form.List1.setSelectedIndex(1);
    form.List1.setSelectedIndex(2);  // past the end: none
    form.List1.setSelectedIndex(-5);
    EXPECT_EQ(seen, (std::vector<int>{1, -1}));
    EXPECT_TRUE(form.List1.listWidget()->selectedItems().isEmpty());
}

TEST_F(ControlsTest, ListUserClickRunsClickOnceAndAgainOnTheSelectedItem) {
    form.List1.setItems({"Sun", "Moon", "Venus"});
    std::vector<int> seen;
    form.List1.onClick([&] { seen.push_back(form.List1.selectedIndex()); });
    uitest::userClickRow(form.List1, 2);
    EXPECT_EQ(seen, (std::vector<int>{2}));  // press and release: one click
    // Clicking the selected entry again changes no index but is a click.
    uitest::userClickRow(form.List1, 2);
    EXPECT_EQ(seen, (std::vector<int>{2, 2}));
    uitest::userClickRow(form.List1, 0);
    EXPECT_EQ(seen, (std::vector<int>{2, 2, 0}));
}

TEST_F(ControlsTest, ListUserClickAfterSelectionFromCodeCountsAsTheSelectedItem) {
    form.List1.setItems({"Sun", "Moon", "Venus"});
    form.List1.setSelectedIndex(1);
    int clicks = 0;
    form.List1.onClick([&] { ++clicks; });
    uitest::userClickRow(form.List1, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.List1.selectedIndex(), 1);
}

TEST_F(ControlsTest, ListKeyboardSelectionRunsClick) {
    form.List1.setItems({"Sun", "Moon", "Venus"});
    form.List1.setSelectedIndex(0);
    std::vector<int> seen;
    form.List1.onClick([&] { seen.push_back(form.List1.selectedIndex()); });
    uitest::userKey(form.List1, Qt::Key_Down);
    EXPECT_EQ(seen, (std::vector<int>{1}));
}

TEST_F(ControlsTest, ListFocusMovingQtsCurrentRowSelectsNothing) {
    // A list that gets the focus by Tab sets Qt's current row to the first
    // entry without selecting it: that is no click and no selection.
    form.List1.setItems({"Sun", "Moon"});
    int clicks = 0;
    form.List1.onClick([&] { ++clicks; });
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(form.List1.listWidget(), &focus);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.List1.selectedIndex(), -1);
    // A user click on that first entry is then a change of selection.
    uitest::userClickRow(form.List1, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.List1.selectedIndex(), 0);
}

TEST_F(ControlsTest, ChangeHandlerThatDeselectsTheListRunsTheListClickFirst) {
    // A time box's change handler sets the list to no selection; the list's
    // click runs inside it, before the handler goes on.
    form.List1.setItems({"Sun", "Moon"});
    form.List1.setSelectedIndex(1);
    form.List1.onClick(
        [&] { log.push_back("List1_Click " + std::to_string(form.List1.selectedIndex())); });
    form.Text1.onChange([&] {
        form.List1.setSelectedIndex(-1);
        log.push_back("Text1_Change goes on");
    });
    uitest::userType(form.Text1, "7");
    EXPECT_EQ(log, (Log{"List1_Click -1", "Text1_Change goes on"}));
    // A second edit finds no selection: the list's click does not run.
    uitest::userAppend(form.Text1, "8");
    EXPECT_EQ(log, (Log{"List1_Click -1", "Text1_Change goes on", "Text1_Change goes on"}));
}

// ------------------------------------------------------------ OptionGroup

TEST_F(ControlsTest, OptionSelectedFromCodeDeselectsTheOthersAndRunsItsClick) {
    form.Option1.onClick([&] { log.push_back("Option1"); });
    form.Option2.onClick([&] { log.push_back("Option2"); });
    form.Option1.setValue(true);
    form.Option2.setValue(true);
    form.Option2.setValue(true);  // already selected: no click
    EXPECT_EQ(log, (Log{"Option1", "Option2"}));
    EXPECT_FALSE(form.Option1.value());
    EXPECT_TRUE(form.Option2.value());
    EXPECT_EQ(form.LatOptions.selected(), &form.Option2);
    EXPECT_FALSE(form.Option1.button()->isChecked());
    EXPECT_TRUE(form.Option2.button()->isChecked());
}

TEST_F(ControlsTest, OptionGroupCanBeLeftWithNoneSelected) {
    // QButtonGroup's exclusive mode cannot uncheck its last button.
    form.Option1.onClick([&] { log.push_back("Option1"); });
    form.Option1.setValue(true);
    form.Option1.setValue(false);
    EXPECT_EQ(form.LatOptions.selected(), nullptr);
    EXPECT_FALSE(form.Option1.button()->isChecked());
    form.Option2.setValue(true);
    form.LatOptions.clearSelection();
    EXPECT_EQ(form.LatOptions.selected(), nullptr);
    EXPECT_FALSE(form.Option2.button()->isChecked());
    EXPECT_EQ(log, (Log{"Option1"}));  // deselecting runs no handler
}

TEST_F(ControlsTest, OptionUserClickSelectsAndAClickOnTheSelectedOneKeepsIt) {
    form.Option1.onClick([&] { log.push_back("Option1"); });
    form.Option2.onClick([&] { log.push_back("Option2"); });
    form.Option2.setValue(true);
    log.clear();
    uitest::userClick(form.Option1);
    EXPECT_TRUE(form.Option1.value());
    EXPECT_FALSE(form.Option2.value());
    EXPECT_FALSE(form.Option2.button()->isChecked());
    // With its exclusivity off, a QRadioButton would uncheck on this click.
    uitest::userClick(form.Option1);
    EXPECT_TRUE(form.Option1.value());
    EXPECT_TRUE(form.Option1.button()->isChecked());
    EXPECT_EQ(log, (Log{"Option1", "Option1"}));
}

TEST_F(ControlsTest, UserClickReachesAButtonWithAShortCaptionInAWideRectangle) {
    form.Option3.setWidth(3000);  // "m": the centre lies beside the caption
    form.Check1.setCaption("x");
    form.Check1.setWidth(4000);
    uitest::userClick(form.Option3);
    uitest::userClick(form.Check1);
    EXPECT_TRUE(form.Option3.value());
    EXPECT_EQ(form.Check1.value(), 1);
}

TEST_F(ControlsTest, OptionGroupsInOneFrameAreIndependent) {
    form.Option3.setValue(true);
    form.Option1.setValue(true);
    EXPECT_TRUE(form.Option3.value());
    uitest::userClick(form.Option2);
    EXPECT_TRUE(form.Option3.value());
    EXPECT_TRUE(form.Option2.value());
}

// --------------------------------------------------------------- CheckBox

TEST_F(ControlsTest, CheckBoxClickRunsWhenTheValueChanges) {
    std::vector<int> seen;
    form.Check1.onClick([&] { seen.push_back(form.Check1.value()); });
    form.Check1.setValue(1);
    form.Check1.setValue(1);  // unchanged
    uitest::userClick(form.Check1);
    form.Check1.setValue(5);  // any non-zero ticks it
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
}

// ------------------------------------------------------- Label and button

TEST_F(ControlsTest, LabelShowsRichTextAsWritten) {
    form.Label1.setCaption("<b>Latitude</b> N41° 30.5' & more");
    EXPECT_EQ(form.Label1.label()->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.Label1.caption(), "<b>Latitude</b> N41° 30.5' & more");
    EXPECT_EQ(form.Label1.label()->text().toStdString(), "<b>Latitude</b> N41° 30.5' & more");
}

TEST_F(ControlsTest, CommandButtonRunsItsClickOnlyWhenEnabled) {
    int clicks = 0;
    form.Command1.onClick([&] { ++clicks; });
    uitest::userClick(form.Command1);
    form.Command1.click();
    EXPECT_EQ(clicks, 2);
    form.Command1.setEnabled(false);
    uitest::userClick(form.Command1);
    form.Command1.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(form.Command1.enabled());
}

TEST_F(ControlsTest, CaptionsShowAmpersandsAsWritten) {
    form.Command1.setCaption("Save & Close");
    EXPECT_EQ(form.Command1.caption(), "Save & Close");
    EXPECT_EQ(form.Command1.pushButton()->text().toStdString(), "Save && Close");
    EXPECT_EQ(form.Frame1.caption(), "Lat N or S");
}

// ------------------------------------------------------------- placement

TEST_F(ControlsTest, ControlsInAFrameArePlacedRelativeToIt) {
    EXPECT_EQ(form.Option2.widget()->parentWidget(), form.Frame1.groupBox());
    EXPECT_EQ(form.Option2.left(), 120);
    EXPECT_EQ(form.Option2.top(), 600);
    EXPECT_EQ(form.Option2.widget()->mapTo(&form, QPoint(0, 0)),
              form.clientArea()->mapTo(&form, QPoint(160 + 8, 80 + 40)));
}

TEST_F(ControlsTest, GeometryIsInTwipsRoundedToWholePixels) {
    form.Text1.setGeometry({1500, 300, 1000, 284});
    EXPECT_EQ(form.Text1.left(), 1500);
    EXPECT_EQ(form.Text1.top(), 300);
    EXPECT_EQ(form.Text1.width(), 1005);  // 66.7 pixels -> 67
    EXPECT_EQ(form.Text1.height(), 285);  // 18.9 pixels -> 19
    EXPECT_EQ(form.Text1.widget()->geometry(), QRect(100, 20, 67, 19));
    form.Text1.setWidth(-300);
    EXPECT_EQ(form.Text1.width(), 0);
}

TEST_F(ControlsTest, VisibleAndEnabledAreTheControlsOwnSettings) {
    form.Frame1.setVisible(false);
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_TRUE(form.Option1.visible());  // its own setting
    EXPECT_FALSE(form.Option1.widget()->isVisible());
    form.Frame1.setVisible(true);
    EXPECT_TRUE(form.Option1.widget()->isVisible());

    form.Frame1.setEnabled(false);
    EXPECT_TRUE(form.Option1.enabled());
    EXPECT_FALSE(form.Option1.widget()->isEnabled());

    form.hide();
    EXPECT_TRUE(form.Text1.visible());
    form.Text1.setVisible(false);
    EXPECT_FALSE(form.Text1.visible());
}

TEST_F(ControlsTest, ColoursAndFontOfAControl) {
    form.Label1.setBackColor(rgb(255, 255, 128));
    form.Label1.setForeColor(rgb(300, -4, 7));  // components clamped
    EXPECT_EQ(form.Label1.backColor(), (Color{255, 255, 128}));
    EXPECT_EQ(form.Label1.foreColor(), (Color{255, 0, 7}));
    form.Label1.setBold(true);
    EXPECT_TRUE(form.Label1.widget()->font().bold());
}

}  // namespace

namespace {

using namespace platform::ui;

class FixedForm : public Form {
  public:
    explicit FixedForm(Application& app) : Form(app, "Fixed") {
        resizeTwips(3000, 1500);
        setResizable(false);
    }
    TextBox Text1{*this, {120, 120, 1500, 285}, "locked"};
};

TEST(FormTest, FixedWindowStillTakesSizesFromCode) {
    uitest::FakeEnvironment env;
    Application app(env.services());
    FixedForm& form = app.window<FixedForm>();
    form.resizeTwips(4500, 3000);
    EXPECT_EQ(form.widthTwips(), 4500);
    EXPECT_EQ(form.heightTwips(), 3000);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(FormTest, ReadOnlyTextBoxTakesNoUserEdit) {
    uitest::FakeEnvironment env;
    Application app(env.services());
    FixedForm& form = app.window<FixedForm>();
    form.show();
    int changes = 0;
    form.Text1.onChange([&] { ++changes; });
    form.Text1.setReadOnly(true);
    uitest::userAppend(form.Text1, "x");
    EXPECT_EQ(form.Text1.text(), "locked");
    EXPECT_EQ(changes, 0);
    form.Text1.setText("from code");  // code still writes it
    EXPECT_EQ(changes, 1);
}

}  // namespace
