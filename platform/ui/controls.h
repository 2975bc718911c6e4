// Controls of the windows, with the event rules the window logic relies on:
//
// - TextBox: its change handler runs on every write from code (setText, also
//   with the text it already holds) and on every edit by the user.
// - ListBox: its click handler runs when the selected index changes, from code
//   (setSelectedIndex, also to -1 = none) or by the user, and when the user
//   clicks the item that is already selected; never when the list is cleared
//   or filled.
// - OptionButton: belongs to an explicit OptionGroup, at most one selected,
//   and the group can be left with none. Its click handler runs when it
//   becomes selected (from code or by the user) and when the user clicks it
//   while it is selected; deselecting runs no handler.
// - CheckBox: value 0 or 1; its click handler runs when the value changes,
//   from code or by the user.
// - CommandButton: its click handler runs when the user clicks it (or click()
//   is called) while it is enabled.
// - Label: plain text, never rich text.
//
// Every handler runs at once, inside the call that caused it: a handler that
// writes another control runs that control's handler before it goes on.
// Window logic connects to these handlers only, never to Qt's signals.
//
// Controls are members of their window, built with their host (the window or
// a frame of it) and their rectangle in twips relative to the host:
//
//   Frame Frame1{*this, {120, 120, 2000, 900}, "Lat N or S"};
//   OptionGroup Frame1Options;
//   OptionButton Option1{Frame1, {120, 240, 900, 255}, "North", Frame1Options};
//
// Declare a frame before the controls inside it. Texts are UTF-8.
#pragma once

#include <QPointer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/form.h"

class QWidget;
class QLineEdit;
class QPlainTextEdit;
class QListWidget;
class QLabel;
class QPushButton;
class QCheckBox;
class QGroupBox;
class QAbstractButton;

namespace platform::ui {

class Frame;

// Where a control is placed: directly on a window, or inside a frame.
class Host {
  public:
    Host(Form& form);    // NOLINT(google-explicit-constructor): placement reads naturally
    Host(Frame& frame);  // NOLINT(google-explicit-constructor)
    QWidget* widget() const { return widget_; }

  private:
    QWidget* widget_;
};

// What every control has: position and size in twips, visibility, enabled
// state, tooltip, font and colours. visible() and enabled() are the control's
// own settings, whatever its window or frame is.
class Control {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void move(double left, double top);
    void setGeometry(const TwipRect& rect);

    void setVisible(bool visible);
    bool visible() const;
    void setEnabled(bool enabled);
    bool enabled() const;
    void setToolTip(const std::string& text);

    void setBold(bool bold);
    void setFontSize(double points);
    void setFontFamily(const std::string& family);
    // A fixed-pitch font of the same size and weight (DejaVu Sans Mono where
    // installed, else the system's monospace font), so that text padded with
    // blanks lines up in columns.
    void setFixedPitchFont();
    virtual void setForeColor(const Color& color);
    virtual void setBackColor(const Color& color);
    virtual Color foreColor() const;
    virtual Color backColor() const;

    void setFocus();

    QWidget* widget() const { return widget_; }

  protected:
    Control(Host host, QWidget* widget, const TwipRect& rect);
    // Called after the control's size changed (from code).
    virtual void sizeChanged() {}

  private:
    QPointer<QWidget> widget_;
};

class TextBox : public Control {
  public:
    enum Kind { SingleLine, MultiLine };

    TextBox(Host host, const TwipRect& rect, const std::string& text = {}, Kind kind = SingleLine);
    ~TextBox() override;

    // Writes the text and runs the change handler, also when the text is the
    // same as before.
    void setText(const std::string& text);
    std::string text() const;
    // Runs after every write from code and every user edit.
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

    // Read-only boxes show their text but the user cannot edit it.
    void setReadOnly(bool readOnly);
    // Multi-line boxes take line breaks as "\r\n" or "\n" and give them back
    // as "\r\n". Every box holds at most platform::kTextBoxMaxLength
    // characters of text(): typing stops there, and a paste or a write from
    // code keeps only what fits.
    bool isMultiLine() const { return plain_ != nullptr; }

    QLineEdit* lineEdit() const { return line_; }
    QPlainTextEdit* plainTextEdit() const { return plain_; }

  private:
    // Multi-line: drops the end of the last edit beyond the longest text.
    void keepWithinMaxLength();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    bool writing_ = false;
    bool trimming_ = false;
    int editEnd_ = 0;  // where the last edit of a multi-line box ended
    std::function<void()> change_;
};

// The number a field's text reads as: its leading decimal number, 0 when
// there is none.
double Val(const TextBox& box);

class ListBox : public Control {
  public:
    ListBox(Host host, const TwipRect& rect);
    ~ListBox() override;

    // Filling and clearing never run the click handler. clear() and
    // setItems() (which replaces every entry) leave no selection.
    void addItem(const std::string& text);
    void setItems(const std::vector<std::string>& items);
    void clear();
    int count() const;
    std::string item(int index) const;  // empty for an index out of range

    // The selected entry, -1 when none.
    int selectedIndex() const { return selected_; }
    // Selects an entry (-1: none; any index out of range also selects none)
    // and runs the click handler when the selection changed.
    void setSelectedIndex(int index);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    QListWidget* listWidget() const { return list_; }

  private:
    void userChangedSelection();
    void userClickedRow(int row);
    void showSelection();

    QListWidget* list_;
    int selected_ = -1;
    int selectedAtPress_ = -1;
    bool writing_ = false;
    std::function<void()> click_;
};

class OptionButton;

// An exclusive group of option buttons that may also have none selected.
class OptionGroup {
  public:
    OptionGroup() = default;
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    // The selected button, or nullptr.
    OptionButton* selected() const;
    // Deselects every button (no handler runs).
    void clearSelection();

  private:
    friend class OptionButton;
    std::vector<OptionButton*> buttons_;
};

class OptionButton : public Control {
  public:
    OptionButton(Host host, const TwipRect& rect, const std::string& caption, OptionGroup& group);
    ~OptionButton() override;

    // true selects this button and deselects the others of its group, then
    // runs the click handler when it was not selected; false deselects it.
    void setValue(bool selected);
    bool value() const;
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void setCaption(const std::string& caption);
    std::string caption() const;
    OptionGroup& group() const { return group_; }
    QAbstractButton* button() const { return button_; }

  private:
    friend class OptionGroup;
    void select();
    void deselect();
    void userClicked();

    QAbstractButton* button_;
    OptionGroup& group_;
    bool selected_ = false;
    std::function<void()> click_;
};

class CheckBox : public Control {
  public:
    CheckBox(Host host, const TwipRect& rect, const std::string& caption);

    // 0 unticked, 1 ticked (any other value counts as 1). A change runs the
    // click handler.
    void setValue(int value);
    int value() const;
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void setCaption(const std::string& caption);
    std::string caption() const;
    QCheckBox* checkBox() const { return box_; }

  private:
    QCheckBox* box_;
    std::function<void()> click_;
};

class Label : public Control {
  public:
    enum Alignment { AlignLeft, AlignRight, AlignCenter };

    Label(Host host, const TwipRect& rect, const std::string& caption = {});

    // The text shown as written: plain text, never rich text. Long texts wrap
    // at the label's width.
    void setCaption(const std::string& caption);
    std::string caption() const;
    void setAlignment(Alignment alignment);
    QLabel* label() const { return label_; }

  private:
    QLabel* label_;
};

class CommandButton : public Control {
  public:
    CommandButton(Host host, const TwipRect& rect, const std::string& caption);

    // Runs the click handler as a user's click would: only when enabled.
    void click();
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void setCaption(const std::string& caption);
    std::string caption() const;
    QPushButton* pushButton() const { return button_; }

  private:
    QPushButton* button_;
    std::function<void()> click_;
};

// A group box with a caption; controls built with the frame as their host are
// placed relative to its top-left corner and hide with it.
class Frame : public Control {
  public:
    Frame(Host host, const TwipRect& rect, const std::string& caption = {});

    void setCaption(const std::string& caption);
    std::string caption() const;
    QGroupBox* groupBox() const { return box_; }

  private:
    QGroupBox* box_;
};

// Runs handler when another of the options becomes the one set (a click on
// the option already set changes nothing). Replaces the options' click
// handlers.
void onSelectionChange(std::initializer_list<OptionButton*> options,
                       const std::function<void()>& handler);

}  // namespace platform::ui
