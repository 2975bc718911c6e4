#include "reduction/report_window.h"

#include <QWidget>
#include <algorithm>

#include "app/app.h"
#include "reduction/report_texts.h"

namespace reduction {

namespace {

using platform::ui::TwipRect;

constexpr double kWidth = 11400;
constexpr double kHeight = 6600;
constexpr double kMargin = 120;
constexpr double kButtonWidth = 1500;
constexpr double kButtonHeight = 420;
constexpr double kButtonGap = 180;
// From the bottom of the list to the bottom of the window.
constexpr double kBelowList = kButtonGap + kButtonHeight + kMargin;

}  // namespace

Form4::Form4(app::App& app)
    : Form(app, kForm4Caption),
      List1{*this, {kMargin, kMargin, kWidth - 2 * kMargin, kHeight - kMargin - kBelowList}},
      Command1{*this,
               {kMargin, kHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight},
               "PRINT"},
      Command2{*this,
               {kMargin + kButtonWidth + kButtonGap, kHeight - kMargin - kButtonHeight,
                kButtonWidth, kButtonHeight},
               "Hide Form"} {
    resizeTwips(kWidth, kHeight);
    standardFont_ = List1.widget()->font();
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
}

Form4::~Form4() = default;

void Form4::Form_Resize() {
    const double width = widthTwips();
    const double height = heightTwips();
    List1.setGeometry({kMargin, kMargin, std::max(0.0, width - 2 * kMargin),
                       std::max(0.0, height - kMargin - kBelowList)});
    const double buttonTop = std::max(kMargin, height - kMargin - kButtonHeight);
    Command1.move(kMargin, buttonTop);
    Command2.move(kMargin + kButtonWidth + kButtonGap, buttonTop);
}

void Form4::Command1_Click() {
    if (Content != ReportContent::DetailedOutput) {
        printForm();
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(List1.count()));
    for (int i = 0; i < List1.count(); ++i) {
        lines.push_back(List1.item(i));
    }
    app().printer().printText(lines, List1.widget()->font(), caption());
}

void Form4::setContent(ReportContent content) {
    Content = content;
    if (content == ReportContent::DetailedOutput) {
        List1.setFixedPitchFont();
    } else {
        List1.widget()->setFont(standardFont_);
    }
}

void Form4::Command2_Click() {
    hide();
}

namespace {

void fillList(Form4& f, const std::vector<std::string>& lines, ReportContent content) {
    f.setContent(content);
    f.List1.clear();
    f.List1.addItem(kReportFirstLine);
    for (const std::string& line : lines) {
        f.List1.addItem(line);
    }
}

}  // namespace

void FillReportWindow(app::App& app, const std::vector<std::string>& lines, ReportContent content) {
    Form4& f = app.form4();
    fillList(f, lines, content);
    f.showModeless();
}

void FollowDetailedOutput(app::App& app, const std::vector<std::string>& lines) {
    Form4* f = app.existingWindow<Form4>();
    if (f == nullptr || !f->isVisible() || f->Content != ReportContent::DetailedOutput) {
        return;
    }
    fillList(*f, lines, ReportContent::DetailedOutput);
}

void WithdrawDetailedOutput(app::App& app) {
    Form4* f = app.existingWindow<Form4>();
    if (f == nullptr || f->Content != ReportContent::DetailedOutput) {
        return;
    }
    f->List1.clear();
    f->hide();
}

}  // namespace reduction
