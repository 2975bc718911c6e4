// The course and heading calculator "True course calculator from leeway and
// currents": the true course and speed over ground from heading, leeway and
// current, loaded into the main window's course and speed on request, and
// the heading to steer for a desired course (calculators/course_heading.h).
// A box that is not a number or out of its range is refused with a
// "Warning!" and a beep, the calculation's answer left empty. Editing a box
// that a calculation reads empties that calculation's answer; for the course
// calculation also the texts for the load button, which stays disabled until
// the course is calculated again. Hidden, never discarded, by "CLOSE" and by
// its title-bar close.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace app {
class App;
}

namespace calculators {

inline constexpr const char* kForm9Caption = "True course calculator from leeway and currents";

class Form9 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form9(app::App& app);
    ~Form9() override;

    // Handlers.
    void Command1_Click();  // "Click to calculate": true course and speed
    void Command4_Click();  // "Click to calculate": heading to steer
    void Command3_Click();  // "Load Results in Main Form"
    void Command2_Click();  // "CLOSE"

    platform::ui::Label labelTitle;  // "True course calculator from leeway and current"
    platform::ui::CommandButton Command2;

    platform::ui::TextBox Text1;  // heading, degrees
    platform::ui::Label labelHeading;
    platform::ui::Label labelHeadingRange;
    platform::ui::TextBox Text2;  // speed through the water, knots
    platform::ui::Label labelSpeed;
    platform::ui::TextBox Text3;  // leeway, degrees
    platform::ui::Label labelLeeway;
    platform::ui::Label labelLeewayUnit;
    platform::ui::Label labelLeewayNote;
    platform::ui::TextBox Text4;  // direction the current flows towards, degrees
    platform::ui::Label labelCurrentDirection;
    platform::ui::Label labelCurrentRange;
    platform::ui::TextBox Text5;  // current speed, knots
    platform::ui::Label labelCurrentSpeed;
    platform::ui::CommandButton Command1;
    platform::ui::Label Label10;  // result: true course
    platform::ui::Label Label11;  // result: speed over ground
    platform::ui::CommandButton Command3;
    // The last course and speed texts, for the load button (never shown).
    platform::ui::TextBox Text6;
    platform::ui::TextBox Text7;

    platform::ui::Label Line1;              // rule between the two calculators
    platform::ui::Label labelHeadingTitle;  // "Heading calculator from leeway and current"
    platform::ui::Label labelFillIn;
    platform::ui::TextBox Text8;  // desired course over ground, degrees
    platform::ui::Label labelDesired;
    platform::ui::Label labelDesiredRange;
    platform::ui::CommandButton Command4;
    platform::ui::Label Label17;  // result: heading to steer
    platform::ui::Label Label16;  // result: speed over ground

  private:
    // The course calculation's answer, its texts for the load button and the
    // button itself; the heading calculation's answer.
    void clearCourse();
    void clearHeading();

    app::App& app_;
};

}  // namespace calculators
