#include "calculators/course_calculator_window.h"

#include <QWidget>

#include "app/app.h"
#include "app/main_window.h"
#include "calculators/course_heading.h"

namespace app {
calculators::Form9& App::form9() {
    return window<calculators::Form9>(*this);
}
}  // namespace app

namespace calculators {

namespace {

using platform::ui::Label;
using platform::ui::pixelRect;
using platform::ui::px;

// The layout is drawn on a grid of logical pixels.
constexpr double kWidth = 700;
constexpr double kHeight = 492;
constexpr double kBoxLeft = 12;
constexpr double kBoxWidth = 70;
constexpr double kTextLeft = 92;
constexpr double kTextWidth = 404;
constexpr double kFieldHeight = 21;
constexpr double kLineHeight = 16;
constexpr double kCalculateLeft = 500;

platform::ui::TwipRect box(double top) {
    return pixelRect(kBoxLeft, top, kBoxWidth, kFieldHeight);
}
// The n-th line of text beside a box.
platform::ui::TwipRect besideBox(double top, int line = 0) {
    return pixelRect(kTextLeft, top + 2 + line * kLineHeight, kTextWidth, kLineHeight);
}

}  // namespace

Form9::Form9(app::App& app)
    : Form(app, kForm9Caption),
      labelTitle{*this, pixelRect(12, 10, 480, 24),
                 "True course calculator from leeway and current"},
      Command2{*this, pixelRect(kWidth - 100, 8, 88, 28), "CLOSE"},
      Text1{*this, box(46), "0"},
      labelHeading{*this, besideBox(46), "Heading  (relative to true north)"},
      labelHeadingRange{*this, besideBox(46, 1), "0-360 degrees "},
      Text2{*this, box(90), "0"},
      labelSpeed{*this, besideBox(90), "Ship speed in the water, knots"},
      Text3{*this, box(124), "0"},
      labelLeeway{*this, besideBox(124),
                  "Leeway angle:  pushing the boat to the right is +, to the left is -"},
      labelLeewayUnit{*this, besideBox(124, 1), "degrees"},
      labelLeewayNote{*this, besideBox(124, 2),
                      "relative course (discounting tide) would be heading + leeway"},
      Text4{*this, box(184), "0"},
      labelCurrentDirection{*this, besideBox(184),
                            "Direction of current  (forward movement relative to true north)"},
      labelCurrentRange{*this, besideBox(184, 1), "0-360 degrees"},
      Text5{*this, box(228), "0"},
      labelCurrentSpeed{*this, besideBox(228), "Speed of current, knots"},
      Command1{*this, pixelRect(kCalculateLeft, 196, 180, 52), "Click to calculate"},
      Label10{*this, pixelRect(12, 268, 440, 20)},
      Label11{*this, pixelRect(12, 292, 440, 20)},
      Command3{*this, pixelRect(kCalculateLeft, 270, 180, 36), "Load Results in Main Form"},
      Text6{*this, pixelRect(460, 268, 30, kFieldHeight), "Text6"},
      Text7{*this, pixelRect(460, 292, 30, kFieldHeight), "Text7"},
      Line1{*this, pixelRect(8, 326, kWidth - 16, 2)},
      labelHeadingTitle{*this, pixelRect(12, 338, 480, 24),
                        "Heading calculator from leeway and current"},
      labelFillIn{*this, pixelRect(12, 364, 480, kLineHeight + 2),
                  "Fill in the above fields for ship speed, leeway, and current"},
      Text8{*this, box(394), "0"},
      labelDesired{*this, besideBox(394), "Desired True Course  (relative to true north)"},
      labelDesiredRange{*this, besideBox(394, 1), "0-360 degrees "},
      Command4{*this, pixelRect(kCalculateLeft, 386, 180, 52), "Click to calculate"},
      Label17{*this, pixelRect(12, 436, 440, 20)},
      Label16{*this, pixelRect(12, 460, 440, 20)},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));

    for (Label* title : {&labelTitle, &labelHeadingTitle}) {
        title->setBold(true);
        title->setFontSize(11);
    }
    for (platform::ui::CommandButton* calculate : {&Command1, &Command4}) {
        calculate->setBold(true);
        calculate->setFontSize(12);
    }
    Line1.setBackColor(platform::ui::rgb(0, 0, 0));

    Text6.setVisible(false);
    Text7.setVisible(false);
    // Enabled by the first course calculation.
    Command3.setEnabled(false);

    QWidget::setTabOrder(Text1.widget(), Text2.widget());
    QWidget::setTabOrder(Text2.widget(), Text3.widget());
    QWidget::setTabOrder(Text3.widget(), Text4.widget());
    QWidget::setTabOrder(Text4.widget(), Text5.widget());
    QWidget::setTabOrder(Text5.widget(), Command1.widget());
    QWidget::setTabOrder(Command1.widget(), Command2.widget());
    QWidget::setTabOrder(Command2.widget(), Command3.widget());
    QWidget::setTabOrder(Command3.widget(), Text8.widget());
    QWidget::setTabOrder(Text8.widget(), Command4.widget());

    // An answer belongs to the boxes it was computed from: editing one of
    // them takes the answer away (and the course from the load button).
    Text1.onChange([this] { clearCourse(); });
    for (platform::ui::TextBox* shared : {&Text2, &Text3, &Text4, &Text5}) {
        shared->onChange([this] {
            clearCourse();
            clearHeading();
        });
    }
    Text8.onChange([this] { clearHeading(); });

    Command1.onClick([this] { Command1_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command2.onClick([this] { Command2_Click(); });
}

Form9::~Form9() = default;

void Form9::clearCourse() {
    Label10.setCaption("");
    Label11.setCaption("");
    Text6.setText("");
    Text7.setText("");
    Command3.setEnabled(false);
}

void Form9::clearHeading() {
    Label17.setCaption("");
    Label16.setCaption("");
}

void Form9::Command1_Click() {
    const CourseResult r =
        trueCourse({Text1.text(), Text2.text(), Text3.text(), Text4.text(), Text5.text()});
    clearCourse();
    if (r.Refused) {
        platform::ui::warnProblem(app_.messages(), *r.Refused);
        return;
    }
    Label10.setCaption(r.CourseLine);
    Label11.setCaption(r.SpeedLine);
    // Inputs with no finite course leave nothing to load.
    if (r.CourseText && r.SpeedText) {
        Command3.setEnabled(true);
        Text6.setText(*r.CourseText);
        Text7.setText(*r.SpeedText);
    }
}

void Form9::Command4_Click() {
    const HeadingResult r =
        headingToSteer({Text8.text(), Text2.text(), Text3.text(), Text4.text(), Text5.text()});
    Label17.setCaption(r.HeadingLine);
    Label16.setCaption(r.SpeedLine);
    if (r.Refused) {
        platform::ui::warnProblem(app_.messages(), *r.Refused);
    }
}

void Form9::Command3_Click() {
    app::Form1& main = app_.form1();
    main.Text8.setText(Text6.text());
    main.Text2.setText(Text7.text());
}

void Form9::Command2_Click() {
    hide();
}

}  // namespace calculators
