// The sight entry window: one sight of the log at a time, its horizon,
// sextant altitude, limb, index error and UT of the watch reading, the body
// picked in the list with its almanac data for that instant, and a preview
// of the altitude corrections. "Save Changes" stores the sight; two buttons
// page through the stored sights and open a new entry after the last.
//
// The sight log procedures below move a sight between the log and the
// window's fields. They write the fields in a fixed order, and every write of
// a date or time box or of the list selection runs that control's handler at
// once.
#pragma once

#include <optional>
#include <string>

#include "platform/input_check.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace reduction {

inline constexpr const char* kForm5Caption = "Sight Data Entry Form";
// Followed by the number of stored sights.
inline constexpr const char* kForm5CountCaption =
    "Sight Data Entry   Number of stored sightings = ";
inline constexpr const char* kUnsavedEntryMessage =
    "You forgot to save the new data entry. Leave it without saving?";
inline constexpr const char* kNoBodySelectedMessage =
    "Click the celestial object for this sight first!";
// After a body click that the checks refused: the hidden fields hold no
// almanac data of this sight.
inline constexpr const char* kBodyAgainMessage =
    "The last click on the celestial object was refused, so this sight has no almanac data yet. "
    "Click the celestial object again, then Save Changes.";
// "Next Sight  ---->" on the last row of the log.
inline constexpr const char* kSightLimitMessage =
    "A leg holds at most 25 sights. Save this leg, then start the next one with Clear All Data.";
inline constexpr const char* kWarningTitle = "Warning!";
inline constexpr const char* kAlmanacNotFiniteMessage =
    "The almanac data of this body cannot be computed for this instant; check the date (year, "
    "month and day), the time (hour, minute and second) and Delta T in the settings, then click "
    "the body again.";

// What the navigator sees of the sight on view: its boxes, options and body.
struct SightEntryView {
    std::string Note, HsDegrees, HsMinutes, IndexError;
    std::string Year, Month, Day, Hour, Minute, Second;
    bool Upper = false, Lower = false, Centre = false;
    bool Sea = false, Artificial = false, Bubble = false;
    bool OnScale = false, OffScale = false;
    int Included = 0;
    int Body = -1;
};
bool operator==(const SightEntryView& a, const SightEntryView& b);
bool operator!=(const SightEntryView& a, const SightEntryView& b);

// Asked before a stored sight whose boxes, options or body were changed on
// view is left without "Save Changes".
std::string changedSightMessage(int sight);

class Form5 : public platform::ui::Form {
  public:
    explicit Form5(app::App& app);
    ~Form5() override;

    void Form_Load() override;
    // The title-bar close acts as the two close buttons.
    void onCloseRequest() override;

    // Handlers.
    void Command1_Click();  // "<----  Last Sight"
    void Command2_Click();  // "Next Sight  ---->"
    void Command3_Click();  // "Land horizon calculator"
    void Command4_Click();  // "Close this form"
    void Command5_Click();  // "Save Changes"
    void Command6_Click();  // "Close Sight Data Form"
    void List1_Click();     // a body selected, or the selection cleared
    // The hour, day, second, month, year and minute boxes (all alike).
    void Text18_Change();
    void Text19_Change();
    void Text2_Change();
    void Text20_Change();
    void Text21_Change();
    void Text22_Change();

    // ------------------------------------------------------------- controls
    // Background panels, beneath everything else.
    platform::ui::Label Label13;  // yellow, behind the sight number
    platform::ui::Label Label15;  // light blue, behind the buttons

    // "This data is Sight Number <n> out of <count>".
    platform::ui::Label Label14;
    platform::ui::Label Label1;
    platform::ui::Label Label2;  // number of the sight on view
    platform::ui::Label Label18;
    platform::ui::Label Label17;  // number of stored sights

    // Step 1: the horizon.
    platform::ui::Frame Frame3;
    platform::ui::Label Label6;
    platform::ui::OptionGroup Frame3Options;
    platform::ui::OptionButton Option1;  // "Normal Sea"
    platform::ui::OptionButton Option2;  // "Reflective Artificial"
    platform::ui::OptionButton Option3;  // "Bubble"
    platform::ui::CommandButton Command3;
    platform::ui::CheckBox Check1;  // include flag

    // Step 2: the sextant.
    platform::ui::Frame Frame5;
    platform::ui::Label Label10;
    platform::ui::Label Label7;
    platform::ui::TextBox Text5;  // Hs, whole degrees
    platform::ui::Label labelDegreeMark;
    platform::ui::TextBox Text6;  // Hs, arc minutes
    platform::ui::Label labelMinuteMark;
    platform::ui::Frame Frame2;  // "LIMB"
    platform::ui::OptionGroup Frame2Options;
    platform::ui::OptionButton Option4;   // "UPPER"
    platform::ui::OptionButton Option5;   // "LOWER"
    platform::ui::OptionButton Option10;  // "CENTER"
    platform::ui::Frame Frame4;           // "Index Error, ArcMinutes"
    platform::ui::TextBox Text17;         // index error, arc minutes
    platform::ui::OptionGroup Frame4Options;
    platform::ui::OptionButton Option8;  // "On scale"
    platform::ui::OptionButton Option9;  // "Off scale "

    // Step 3: the UT date and time of the watch reading.
    platform::ui::Frame Frame1;
    platform::ui::Label Label11;
    platform::ui::Label labelYear;
    platform::ui::Label labelMonth;
    platform::ui::Label labelDay;
    platform::ui::Label labelHour;
    platform::ui::Label labelMinute;
    platform::ui::Label labelSecond;
    platform::ui::TextBox Text21;  // year
    platform::ui::TextBox Text20;  // month
    platform::ui::TextBox Text19;  // day
    platform::ui::TextBox Text18;  // hour
    platform::ui::TextBox Text22;  // minute
    platform::ui::TextBox Text2;   // watch seconds
    platform::ui::Label Label5;
    platform::ui::Label Label4;

    // Step 4: the body.
    platform::ui::Label Label3;
    platform::ui::Label Label12;
    platform::ui::ListBox List1;  // entry index = ObjectIndex

    platform::ui::Picture Image1;  // the window's emblem
    platform::ui::Label Label19;
    platform::ui::TextBox Text1;  // the sight's note

    // Step 5: saving.
    platform::ui::Label Label16;
    platform::ui::Label Label30;

    platform::ui::Picture Picture1;  // almanac block of the picked body
    platform::ui::Picture Picture2;  // correction preview

    platform::ui::CommandButton Command1;  // "<----  Last Sight"
    platform::ui::CommandButton Command2;  // "Next Sight  ---->"
    platform::ui::CommandButton Command5;  // "Save Changes"
    platform::ui::CommandButton Command4;  // "Close this form"
    platform::ui::CommandButton Command6;  // "Close Sight Data Form"

    // Hidden almanac fields of the last body click, stored as fields 14 to 18
    // (Text9 is never stored).
    platform::ui::TextBox Text3;   // GHA, degrees
    platform::ui::TextBox Text4;   // Dec, degrees
    platform::ui::TextBox Text7;   // SD, arc minutes
    platform::ui::TextBox Text8;   // HP, arc minutes
    platform::ui::TextBox Text9;   // body name, or the StarIndex of a star
    platform::ui::TextBox Text10;  // ObjectIndex

    // The first date or time field of the sight that the checks refuse
    // (calendar date, time of day), or nothing.
    platform::Problem instantProblem() const;
    // Selects a stored sight's body from code: an instant the checks refuse
    // leaves both pictures empty without a message.
    void selectStoredBody(int index);

    // The first box that a body click (or, with forSave, "Save Changes")
    // reads and refuses: the date and time, the chronometer correction and
    // Delta T of the settings; with a sextant altitude on view (always at
    // "Save Changes", where its degrees must not be empty) also the altitude
    // (0 to 90 degrees, 0 to 180 for the reflective artificial horizon,
    // minutes 0 to below 60), the index error and the preview's eye height
    // (sea horizon only), air temperature and pressure.
    platform::Problem entryProblem(bool forSave) const;
    // The altitude, index error and the preview's settings alone.
    platform::Problem previewProblem(bool forSave) const;

    SightEntryView entryView() const;
    // A new entry (after the last stored sight) is on view.
    bool onNewEntry() const;
    // The sight on view differs from what was last shown, prepared or saved:
    // a typed new entry (also the first sight of a log that holds none) or
    // an edited stored sight. The hidden almanac fields do not count.
    bool entryEdited() const;
    // Something was typed or picked into the new entry on view since
    // PrepareNewSight wrote it.
    bool newEntryTyped() const;
    // Called by PrepareNewSight once the new entry is written, and wherever
    // the blank first sight of a log with no sight is shown: the entry as it
    // now stands is the unedited one, with the body list at its top.
    void newEntryPrepared();
    // Called by ShowSight once a stored sight is on view.
    void storedSightShown();
    // Before the leg is saved: an edited entry is stored as "Save Changes"
    // stores it. False when it cannot be (its warning shown and the window
    // brought to the front); true when stored or when nothing was edited.
    bool storeEditedEntry();

  private:
    // The preview's own boxes and options as they were when it was printed.
    struct PreviewInputs {
        std::string HsDegrees, HsMinutes, IndexError;
        bool Sea = false, Artificial = false, Bubble = false;
        bool OnScale = false, OffScale = false;
        bool operator==(const PreviewInputs& o) const;
    };
    PreviewInputs previewInputs() const;

    // "Save Changes": true when the sight was stored.
    bool saveChanges();
    // Shared by the two close buttons and the title-bar close.
    void closeUnlessUnsaved();
    // Whether the sight on view may be left: an unedited one at once, an
    // edited one when the navigator answers Yes, which discards the edits.
    bool mayLeaveEntry();
    // Puts back the sight on view as it was shown or prepared.
    void discardEntry();
    // The first sight of a log that holds none is on view.
    bool onBlankFirstSight() const;
    // A sextant altitude on view: its degrees box holds something.
    bool altitudeOnView() const;
    // The altitude, horizon or index error changed: the preview no longer
    // belongs to them.
    void previewInputChanged();
    // The six date and time boxes: a changed instant drops the body.
    void dateOrTimeChanged();
    void drawEmblem();

    app::App& app_;
    // Whether the last body click gave finite almanac values for the hidden
    // fields; "Save Changes" refuses them otherwise.
    bool almanacFinite_ = true;
    // Whether the last body click was refused by the checks, so that the
    // hidden fields hold no almanac data of the sight on view.
    bool bodyRefused_ = false;
    // Set while a body is selected from code (selectStoredBody).
    bool quietPick_ = false;
    // The sight on view as it was last shown, prepared or saved.
    SightEntryView shownView_;
    // What the preview on view was computed from, when it shows one.
    std::optional<PreviewInputs> previewFrom_;
};

// Window fields -> log row i (1 to 25; any other row is left alone).
void StoreSight(app::App& app, int i);
// Log row i (1 to 25) -> window fields, then selects the sight's body.
void ShowSight(app::App& app, int i);
// A blank entry for sight i (2 to 25) carrying the set-up of sight i - 1.
void PrepareNewSight(app::App& app, int i);
// The body list: Sun, Moon, the four planets, then the 58 stars.
void FillObjectList(app::App& app);

}  // namespace reduction
