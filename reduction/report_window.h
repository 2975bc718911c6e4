// The report window: a list of text lines (the help text, the information
// text, or the working of the last reduction), with buttons to print the
// window and to hide it.
#pragma once

#include <string>
#include <vector>

#include <QFont>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace app {
class App;
}

namespace reduction {

inline constexpr const char* kForm4Caption = "Help & Info";

// What the report window's list holds.
enum class ReportContent { HelpOrInfo, DetailedOutput };

class Form4 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form4(app::App& app);
    ~Form4() override;

    // The list fills the window above the buttons.
    void Form_Resize() override;

    // "PRINT": the detailed output as text pages in the list's fixed-pitch
    // font, every line; the help and information texts as the window's image.
    void Command1_Click();
    void Command2_Click();  // "Hide Form"

    platform::ui::ListBox List1;           // one item per line
    platform::ui::CommandButton Command1;  // "PRINT"
    platform::ui::CommandButton Command2;  // "Hide Form"

    // Set by each fill.
    ReportContent Content = ReportContent::HelpOrInfo;

    // The list's font for the content: fixed-pitch for the detailed output,
    // so that its columns line up; the window's own for the texts.
    void setContent(ReportContent content);

  private:
    QFont standardFont_;
};

// One fill of the report window: empties its list (creating the window on
// first use), sets its font for the content, adds the two-blank first line and
// then the lines unchanged, and shows the window modeless.
void FillReportWindow(app::App& app, const std::vector<std::string>& lines, ReportContent content);

// After a reduction: when the report window is on view with a detailed
// output, its list becomes the new report (the first line and the lines as
// FillReportWindow adds them) where it stands, neither raised nor activated.
void FollowDetailedOutput(app::App& app, const std::vector<std::string>& lines);

// When the report window holds the detailed output of a reduction: empties
// its list and hides it (the help and information texts stay).
void WithdrawDetailedOutput(app::App& app);

}  // namespace reduction
