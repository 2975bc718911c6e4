#include "platform/ui/controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <memory>

#include "platform/numtext.h"
#include "platform/seqfile.h"

namespace platform::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// A multi-line box's text with its line breaks as Qt keeps them ("\n").
QString plainTextOf(const std::string& s) {
    return q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Captions of buttons and frames show "&" as written, not as a mnemonic.
QString literalCaption(const std::string& s) {
    return q(s).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::string fromLiteralCaption(const QString& s) {
    QString t = s;
    return t.replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString();
}

// Runs a control's handler when one is set.
void runHandler(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
}

QRect pixelRect(const TwipRect& r) {
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToSizePixels(r.width),
                 twipsToSizePixels(r.height));
}

// Records list presses before the view acts on them.
class PressFilter : public QObject {
  public:
    PressFilter(QObject* parent, std::function<void()> onPress)
        : QObject(parent), onPress_(std::move(onPress)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            onPress_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onPress_;
};

// An option button that a click never unchecks: the group decides.
class OptionRadio : public QRadioButton {
  public:
    OptionRadio(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
        setAutoExclusive(false);
    }

  protected:
    void nextCheckState() override {
        if (!isChecked()) {
            setChecked(true);
        }
    }
};

// A button that the Return or Enter key presses while it has the focus, as
// the space bar does; a default button of its window there is none.
class KeyPushButton : public QPushButton {
  public:
    explicit KeyPushButton(const QString& text) : QPushButton(text) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
        if (enter && mods == Qt::NoModifier) {
            event->accept();
            if (!event->isAutoRepeat()) {
                click();
            }
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

// ------------------------------------------------------------------- Host

Host::Host(Form& form) : widget_(form.clientArea()) {}
Host::Host(Frame& frame) : widget_(frame.groupBox()) {}

// ---------------------------------------------------------------- Control

Control::Control(Host host, QWidget* widget, const TwipRect& rect) : widget_(widget) {
    widget->setParent(host.widget());
    widget->setGeometry(pixelRect(rect));
    widget->show();
}

Control::~Control() {
    if (QWidget* w = widget_.data()) {
        // The handlers belong to the wrapper that is going away: nothing the
        // widget emits while it is torn down may reach them.
        w->blockSignals(true);
        delete w;
    }
}

int Control::left() const {
    return pixelsToTwips(widget_->x());
}

int Control::top() const {
    return pixelsToTwips(widget_->y());
}

int Control::width() const {
    return pixelsToTwips(widget_->width());
}

int Control::height() const {
    return pixelsToTwips(widget_->height());
}

void Control::setLeft(double twips) {
    widget_->move(twipsToPixels(twips), widget_->y());
}

void Control::setTop(double twips) {
    widget_->move(widget_->x(), twipsToPixels(twips));
}

void Control::setWidth(double twips) {
    widget_->resize(twipsToSizePixels(twips), widget_->height());
    sizeChanged();
}

void Control::setHeight(double twips) {
    widget_->resize(widget_->width(), twipsToSizePixels(twips));
    sizeChanged();
}

void Control::move(double left, double top) {
    widget_->move(twipsToPixels(left), twipsToPixels(top));
}

void Control::setGeometry(const TwipRect& rect) {
    widget_->setGeometry(pixelRect(rect));
    sizeChanged();
}

void Control::setVisible(bool visible) {
    widget_->setVisible(visible);
}

bool Control::visible() const {
    return !widget_->isHidden();
}

void Control::setEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

bool Control::enabled() const {
    return !widget_->testAttribute(Qt::WA_ForceDisabled);
}

void Control::setToolTip(const std::string& text) {
    widget_->setToolTip(q(text));
}

void Control::setBold(bool bold) {
    QFont f = widget_->font();
    f.setBold(bold);
    widget_->setFont(f);
}

void Control::setFontSize(double points) {
    if (points > 0) {
        QFont f = widget_->font();
        f.setPointSizeF(points);
        widget_->setFont(f);
    }
}

void Control::setFontFamily(const std::string& family) {
    QFont f = widget_->font();
    f.setFamily(q(family));
    widget_->setFont(f);
}

void Control::setFixedPitchFont() {
    QFont f = widget_->font();
    f.setFamily(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    widget_->setFont(f);
}

void Control::setForeColor(const Color& color) {
    QPalette p = widget_->palette();
    const QColor c = toQColor(color);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    widget_->setPalette(p);
}

void Control::setBackColor(const Color& color) {
    QPalette p = widget_->palette();
    const QColor c = toQColor(color);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}

Color Control::foreColor() const {
    return fromQColor(widget_->palette().color(QPalette::WindowText));
}

Color Control::backColor() const {
    return fromQColor(widget_->palette().color(QPalette::Window));
}

void Control::setFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- TextBox

namespace {

QWidget* makeTextWidget(TextBox::Kind kind) {
    if (kind == TextBox::MultiLine) {
        auto* edit = new QPlainTextEdit;
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Lines break between words only. Breaking inside a word as well
        // makes the layout look for the word's end again on every line, a
        // cost with the square of a long run without blanks; such a run
        // scrolls sideways instead.
        edit->setWordWrapMode(QTextOption::WordWrap);
        return edit;
    }
    return new QLineEdit;
}

// A line break (paragraph or line separator) is written as CR LF.
bool isLineBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n');
}

// A multi-line box's length as text() gives it.
qsizetype textLength(const QPlainTextEdit& edit) {
    const QString text = edit.toPlainText();
    return text.size() + text.count(QLatin1Char('\n'));
}

}  // namespace

TextBox::TextBox(Host host, const TwipRect& rect, const std::string& text, Kind kind)
    : Control(host, makeTextWidget(kind), rect) {
    if (kind == MultiLine) {
        plain_ = static_cast<QPlainTextEdit*>(widget());
        QObject::connect(plain_->document(), &QTextDocument::contentsChange, plain_,
                         [this](int position, int, int added) { editEnd_ = position + added; });
        plain_->setPlainText(plainTextOf(text));
        keepWithinMaxLength();
        QObject::connect(plain_, &QPlainTextEdit::textChanged, plain_, [this] {
            if (trimming_) {
                return;
            }
            keepWithinMaxLength();
            if (!writing_) {
                runHandler(change_);
            }
        });
    } else {
        line_ = static_cast<QLineEdit*>(widget());
        line_->setMaxLength(static_cast<int>(platform::kTextBoxMaxLength));
        line_->setText(q(text));
        // textEdited: only the user's edits (typing, paste, undo), never setText.
        QObject::connect(line_, &QLineEdit::textEdited, line_, [this] {
            if (!writing_) {
                runHandler(change_);
            }
        });
    }
}

TextBox::~TextBox() = default;

void TextBox::setText(const std::string& text) {
    writing_ = true;
    if (plain_) {
        plain_->setPlainText(plainTextOf(text));
    } else {
        line_->setText(q(text));
    }
    writing_ = false;
    // Every write from code runs the handler, also an equal text.
    runHandler(change_);
}

std::string TextBox::text() const {
    if (plain_) {
        return plain_->toPlainText()
            .replace(QStringLiteral("\n"), QStringLiteral("\r\n"))
            .toStdString();
    }
    return line_->text().toStdString();
}

void TextBox::keepWithinMaxLength() {
    const qsizetype excess =
        textLength(*plain_) - static_cast<qsizetype>(platform::kTextBoxMaxLength);
    if (excess <= 0) {
        return;
    }
    // Drop the end of what the last edit added (typing, a paste, a write
    // from code), as a single-line box does. Each character counts at least
    // one, so the `excess` characters before the edit's end hold enough.
    const int end = std::clamp(editEnd_, 0, plain_->document()->characterCount() - 1);
    const int start = static_cast<int>(std::max<qsizetype>(0, end - excess));
    QTextCursor cursor(plain_->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QString tail = cursor.selectedText();
    qsizetype dropped = 0;
    qsizetype count = 0;
    while (dropped < excess && count < tail.size()) {
        ++count;
        dropped += isLineBreak(tail[tail.size() - count]) ? 2 : 1;
    }
    // Never half of a surrogate pair.
    if (count < tail.size() && tail[tail.size() - count].isLowSurrogate()) {
        ++count;
    }
    cursor.setPosition(end - static_cast<int>(count));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    trimming_ = true;
    cursor.joinPreviousEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    trimming_ = false;
}

double Val(const TextBox& box) {
    return platform::leadingNumber(box.text());
}

void TextBox::setReadOnly(bool readOnly) {
    if (plain_) {
        plain_->setReadOnly(readOnly);
    } else {
        line_->setReadOnly(readOnly);
    }
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(Host host, const TwipRect& rect)
    : Control(host, new QListWidget, rect), list_(static_cast<QListWidget*>(widget())) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    // The selection, not Qt's current row, is the list's index: focusing the
    // list moves the current row without selecting anything.
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] {
        if (!writing_) {
            userChangedSelection();
        }
    });
    QObject::connect(list_, &QListWidget::clicked, list_, [this](const QModelIndex& index) {
        if (!writing_) {
            userClickedRow(index.row());
        }
    });
    list_->viewport()->installEventFilter(
        new PressFilter(list_, [this] { selectedAtPress_ = selected_; }));
}

ListBox::~ListBox() = default;

void ListBox::addItem(const std::string& text) {
    writing_ = true;
    list_->addItem(q(text));
    writing_ = false;
    showSelection();
}

void ListBox::setItems(const std::vector<std::string>& items) {
    writing_ = true;
    list_->clear();
    for (const std::string& s : items) {
        list_->addItem(q(s));
    }
    writing_ = false;
    selected_ = -1;
    showSelection();
}

void ListBox::clear() {
    writing_ = true;
    list_->clear();
    writing_ = false;
    selected_ = -1;
    showSelection();
}

int ListBox::count() const {
    return list_->count();
}

std::string ListBox::item(int index) const {
    if (index < 0 || index >= list_->count()) {
        return {};
    }
    return list_->item(index)->text().toStdString();
}

void ListBox::setSelectedIndex(int index) {
    if (index < 0 || index >= list_->count()) {
        index = -1;
    }
    if (index == selected_) {
        showSelection();
        return;
    }
    selected_ = index;
    showSelection();
    runHandler(click_);
}

// Makes the widget show selected_ (without running any handler).
void ListBox::showSelection() {
    writing_ = true;
    if (selected_ < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else {
        list_->setCurrentRow(selected_, QItemSelectionModel::ClearAndSelect);
        list_->scrollToItem(list_->item(selected_));
    }
    writing_ = false;
}

void ListBox::userChangedSelection() {
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    const int row = chosen.isEmpty() ? -1 : list_->row(chosen.front());
    if (row == selected_) {
        return;
    }
    selected_ = row;
    runHandler(click_);
}

void ListBox::userClickedRow(int row) {
    // A click on the entry that was already selected before the press.
    if (row >= 0 && row == selected_ && row == selectedAtPress_) {
        runHandler(click_);
    }
    selectedAtPress_ = -1;
}

// ------------------------------------------------------------ OptionGroup

OptionButton* OptionGroup::selected() const {
    for (OptionButton* b : buttons_) {
        if (b->selected_) {
            return b;
        }
    }
    return nullptr;
}

void OptionGroup::clearSelection() {
    for (OptionButton* b : buttons_) {
        b->deselect();
    }
}

// ----------------------------------------------------------- OptionButton

OptionButton::OptionButton(Host host, const TwipRect& rect, const std::string& caption,
                           OptionGroup& group)
    : Control(host, new OptionRadio(literalCaption(caption), nullptr), rect),
      button_(static_cast<QAbstractButton*>(widget())),
      group_(group) {
    group_.buttons_.push_back(this);
    // clicked: the user's clicks only (setChecked emits no click).
    QObject::connect(button_, &QAbstractButton::clicked, button_, [this] { userClicked(); });
}

OptionButton::~OptionButton() {
    auto& v = group_.buttons_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void OptionButton::setValue(bool selected) {
    if (!selected) {
        deselect();
        return;
    }
    if (selected_) {
        return;
    }
    select();
    runHandler(click_);
}

bool OptionButton::value() const {
    return selected_;
}

void OptionButton::select() {
    for (OptionButton* b : group_.buttons_) {
        if (b != this) {
            b->deselect();
        }
    }
    selected_ = true;
    button_->setChecked(true);
}

void OptionButton::deselect() {
    selected_ = false;
    button_->setChecked(false);
}

void OptionButton::userClicked() {
    select();
    runHandler(click_);
}

void OptionButton::setCaption(const std::string& caption) {
    button_->setText(literalCaption(caption));
}

std::string OptionButton::caption() const {
    return fromLiteralCaption(button_->text());
}

// --------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Host host, const TwipRect& rect, const std::string& caption)
    : Control(host, new QCheckBox(literalCaption(caption)), rect),
      box_(static_cast<QCheckBox*>(widget())) {
    QObject::connect(box_, &QAbstractButton::clicked, box_, [this] { runHandler(click_); });
}

void CheckBox::setValue(int value) {
    const bool ticked = value != 0;
    if (ticked == box_->isChecked()) {
        return;
    }
    box_->setChecked(ticked);
    runHandler(click_);
}

int CheckBox::value() const {
    return box_->isChecked() ? 1 : 0;
}

void CheckBox::setCaption(const std::string& caption) {
    box_->setText(literalCaption(caption));
}

std::string CheckBox::caption() const {
    return fromLiteralCaption(box_->text());
}

// ------------------------------------------------------------------ Label

Label::Label(Host host, const TwipRect& rect, const std::string& caption)
    : Control(host, new QLabel, rect), label_(static_cast<QLabel*>(widget())) {
    label_->setTextFormat(Qt::PlainText);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setText(q(caption));
}

void Label::setCaption(const std::string& caption) {
    label_->setText(q(caption));
}

std::string Label::caption() const {
    return label_->text().toStdString();
}

void Label::setAlignment(Alignment alignment) {
    Qt::Alignment a = Qt::AlignLeft;
    if (alignment == AlignRight) {
        a = Qt::AlignRight;
    } else if (alignment == AlignCenter) {
        a = Qt::AlignHCenter;
    }
    label_->setAlignment(a | Qt::AlignTop);
}

// ---------------------------------------------------------- CommandButton

CommandButton::CommandButton(Host host, const TwipRect& rect, const std::string& caption)
    : Control(host, new KeyPushButton(literalCaption(caption)), rect),
      button_(static_cast<QPushButton*>(widget())) {
    button_->setAutoDefault(false);
    QObject::connect(button_, &QAbstractButton::clicked, button_, [this] { runHandler(click_); });
}

void CommandButton::click() {
    if (button_->isEnabled()) {
        runHandler(click_);
    }
}

void CommandButton::setCaption(const std::string& caption) {
    button_->setText(literalCaption(caption));
}

std::string CommandButton::caption() const {
    return fromLiteralCaption(button_->text());
}

// ------------------------------------------------------------------ Frame

Frame::Frame(Host host, const TwipRect& rect, const std::string& caption)
    : Control(host, new QGroupBox(literalCaption(caption)), rect),
      box_(static_cast<QGroupBox*>(widget())) {}

void Frame::setCaption(const std::string& caption) {
    box_->setTitle(literalCaption(caption));
}

std::string Frame::caption() const {
    return fromLiteralCaption(box_->title());
}

void onSelectionChange(std::initializer_list<OptionButton*> options,
                       const std::function<void()>& handler) {
    const std::vector<OptionButton*> all(options);
    const auto selected = [all]() -> const OptionButton* {
        for (const OptionButton* option : all) {
            if (option->value()) {
                return option;
            }
        }
        return nullptr;
    };
    // The option set at the last change, shared by the options' handlers.
    auto last = std::make_shared<const OptionButton*>(selected());
    for (OptionButton* option : all) {
        option->onClick([selected, last, handler] {
            const OptionButton* now = selected();
            if (now != *last) {
                *last = now;
                handler();
            }
        });
    }
}

}  // namespace platform::ui
