// The report window: a list of text lines (the help text, the information
// text, or the working of the last reduction), with buttons to print the
// window and to hide it.
#pragma once

#include <string>
#include <vector>

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

    void Command1_Click();  // "PRINT"
    void Command2_Click();  // "Hide Form"

    platform::ui::ListBox List1;           // one item per line
    platform::ui::CommandButton Command1;  // "PRINT"
    platform::ui::CommandButton Command2;  // "Hide Form"

    // Set by each fill.
    ReportContent Content = ReportContent::HelpOrInfo;
};

// One fill of the report window: empties its list (creating the window on
// first use), adds the two-blank first line and then the lines unchanged, and
// shows the window modeless.
void FillReportWindow(app::App& app, const std::vector<std::string>& lines, ReportContent content);

// When the report window holds the detailed output of a reduction: empties
// its list and hides it (the help and information texts stay).
void WithdrawDetailedOutput(app::App& app);

}  // namespace reduction
