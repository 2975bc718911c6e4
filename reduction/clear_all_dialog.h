// "Clear All Data": the confirmation dialog and the clear itself, which
// starts the navigator afresh without restarting the program.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

namespace app {
class App;
}

namespace reduction {

inline constexpr const char* kForm6Caption = "STOP!!!";
inline constexpr const char* kClearQuestion = "Are you sure you want to clear all data?";
inline constexpr const char* kClearConfirmCaption = "Press here to continue with Clearing All Data";
inline constexpr const char* kClearRefuseCaption = "DON'T ERASE ANYTHING!!";
// The notes text that a clear writes into the main and sight entry windows.
inline constexpr const char* kClearedNotes = "Type Notes Here (no commas!)";

// The confirmation. Its buttons set ClearConfirmed (1 clear, 0 keep) and end
// the modal run; the title-bar close keeps everything.
class Form6 : public platform::ui::Dialog {
    Q_OBJECT

  public:
    explicit Form6(app::App& app);
    ~Form6() override;

    void Command1_Click();  // "Press here to continue with Clearing All Data"
    void Command2_Click();  // "DON'T ERASE ANYTHING!!"
    void onCloseRequest() override;

    platform::ui::Label Label1;
    platform::ui::CommandButton Command1;
    platform::ui::CommandButton Command2;

  private:
    app::App& app_;
};

// The main window's "Clear All Data": asks through Form6 and, when the
// navigator confirms, empties the sight log, resets the sight entry window
// to a blank first sight, resets the leg and two general settings, disables
// the buttons that need a reduction, withdraws the last reduction's plot,
// globe and detailed output and puts back the main window's own caption.
// Refused, nothing changes.
void ClearAllData(app::App& app);

// The sight entry window on a blank first sight with no stored sights
// counted (creating the window if needed): paging off, "LOWER", "Normal
// Sea", included, empty fields, no body. The log is not touched.
void ShowBlankFirstSight(app::App& app);

}  // namespace reduction
