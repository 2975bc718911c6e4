#include "almanac/almanac_window.h"

#include <string>

#include "almanac/perpetual_almanac.h"
#include "app/app.h"
#include "app/settings_window.h"
#include "platform/numtext.h"

namespace app {
almanac::Form12& App::form12() {
    return window<almanac::Form12>(*this);
}
}  // namespace app

namespace almanac {

namespace {

using platform::ui::pixelRect;
using platform::ui::px;
using platform::ui::Val;

// The first field of the request that the checks refuse, named by its label.
platform::Problem almanacProblem(const AlmanacRequest& r) {
    return platform::firstProblem(
        {platform::dateProblem(r.Year, r.Month, r.Day),
         platform::timeProblem(r.Hour, r.Minute, r.Second, {"UT hour", "UT minute", "UT second"}),
         platform::deltaTProblem(r.DeltaT)});
}

// Layout on a grid of logical pixels: date, time, Delta T and the two
// printouts on the left, the body list and the buttons on the right.
constexpr double kWidth = 700;
constexpr double kHeight = 560;
constexpr double kLeftWidth = 440;
constexpr double kRight = 464;
constexpr double kRightWidth = kWidth - kRight - 8;
constexpr double kColumn = 72;  // date and time boxes
constexpr double kBoxWidth = 62;
constexpr double kBoxHeight = 21;

}  // namespace

Form12::Form12(app::App& app)
    : Form(app, kForm12Caption),
      labelStep1{*this, pixelRect(8, 8, kLeftWidth, 16), "Step 1) enter date, time"},
      Frame1{*this, pixelRect(8, 28, kLeftWidth, 76), "Date and Time"},
      labelYear{Frame1, pixelRect(10 + 0 * kColumn, 22, kBoxWidth + 8, 16), "Year"},
      labelMonth{Frame1, pixelRect(10 + 1 * kColumn, 22, kBoxWidth + 8, 16), "Month"},
      labelDay{Frame1, pixelRect(10 + 2 * kColumn, 22, kBoxWidth + 8, 16), "Day"},
      labelHour{Frame1, pixelRect(10 + 3 * kColumn, 22, kBoxWidth + 8, 16), "UT hour"},
      labelMinute{Frame1, pixelRect(10 + 4 * kColumn, 22, kBoxWidth + 8, 16), "UT minute"},
      labelSecond{Frame1, pixelRect(10 + 5 * kColumn, 22, kBoxWidth + 8, 16), "UT second"},
      Text1{Frame1, pixelRect(10 + 0 * kColumn, 42, kBoxWidth, kBoxHeight)},
      Text2{Frame1, pixelRect(10 + 1 * kColumn, 42, kBoxWidth, kBoxHeight)},
      Text3{Frame1, pixelRect(10 + 2 * kColumn, 42, kBoxWidth, kBoxHeight)},
      Text4{Frame1, pixelRect(10 + 3 * kColumn, 42, kBoxWidth, kBoxHeight)},
      Text5{Frame1, pixelRect(10 + 4 * kColumn, 42, kBoxWidth, kBoxHeight)},
      Text6{Frame1, pixelRect(10 + 5 * kColumn, 42, kBoxWidth, kBoxHeight)},
      Command4{*this, pixelRect(8, 112, 80, 26), "Now"},
      labelNow{*this, pixelRect(96, 117, 240, 16), "press for current time"},
      labelDeltaT{*this, pixelRect(8, 148, 340, 34),
                  "Delta T, the difference between UT and Ephemeris time, seconds"},
      Text11{*this, pixelRect(360, 152, 80, kBoxHeight), "68.0"},
      labelDeltaTHint{*this, pixelRect(8, 184, kLeftWidth, 16),
                      "1960 DeltaT = 33, 1970 DeltaT = 40, 1980 DeltaT = 50"},
      Picture2{*this, pixelRect(8, 208, kLeftWidth, 84)},
      Picture1{*this, pixelRect(8, 300, kLeftWidth, kHeight - 308)},
      List1{*this, pixelRect(kRight, 8, kRightWidth, 392)},
      labelStep2{*this, pixelRect(kRight, 406, kRightWidth, 16),
                 "Step 2) select object in above list"},
      labelSelect{*this, pixelRect(kRight, 428, kRightWidth, 34),
                  "Select Object by Clicking on it in the above list"},
      Command5{*this, pixelRect(kRight, kHeight - 42, 100, 30), "Print"},
      Command2{*this, pixelRect(kWidth - 108, kHeight - 42, 100, 30), "CLOSE"},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));
    labelStep1.setBold(true);
    labelStep2.setBold(true);

    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    List1.onClick([this] {
        if (!clearingPick_) {
            List1_Click();
        }
    });
    Text1.onChange([this] { Text1_Change(); });
    Text2.onChange([this] { Text2_Change(); });
    Text3.onChange([this] { Text3_Change(); });
    Text4.onChange([this] { Text4_Change(); });
    Text5.onChange([this] { Text5_Change(); });
    Text6.onChange([this] { Text6_Change(); });
}

Form12::~Form12() = default;

void Form12::Form_Load() {
    List1.clear();
    for (const char* name : {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"}) {
        List1.addItem(name);
    }
    ephemeris::FillStarTable(app_.Stars);
    for (int StarNumber = 1; StarNumber <= ephemeris::kStarCount; ++StarNumber) {
        List1.addItem(app_.Stars.StarNames[StarNumber]);
    }
}

void Form12::List1_Click() {
    Picture1.clear();
    AlmanacRequest request;
    request.ObjectIndex = List1.selectedIndex();
    request.Year = Val(Text1);
    request.Month = Val(Text2);
    request.Day = Val(Text3);
    request.Hour = Val(Text4);
    request.Minute = Val(Text5);
    request.Second = Val(Text6);
    request.DeltaT = Val(Text11);
    // Every box a number as a whole text (an empty date or time box reads
    // 0, an empty Delta T is refused), then the ranges of the values.
    const platform::Problem problem = platform::firstProblem(
        {platform::numberProblem("Year", Text1.text()),
         platform::numberProblem("Month", Text2.text()),
         platform::numberProblem("Day", Text3.text()),
         platform::numberProblem("UT hour", Text4.text()),
         platform::numberProblem("UT minute", Text5.text()),
         platform::numberProblem("UT second", Text6.text()),
         platform::numberProblem("Delta T", Text11.text(), platform::Empty::Refused),
         almanacProblem(request)});
    if (problem) {
        // Only a body the navigator picked is a request worth a word.
        Picture2.clear();
        if (request.ObjectIndex >= 0) {
            platform::ui::warnProblem(app_.messages(), *problem);
        }
        return;
    }
    const AlmanacPrintout out = perpetualAlmanac(request, app_.Stars);

    Picture2.clear();
    for (const platform::PrintLine& line : out.TimeBlock) {
        Picture2.print(line);
    }
    Picture1.clear();
    for (const platform::PrintLine& line : out.BodyBlock) {
        Picture1.print(line);
    }
}

void Form12::Command4_Click() {
    fillNowInSettingsZone(app_, {Text1, Text2, Text3, &Text4, &Text5, &Text6});
}

void Form12::Command5_Click() {
    printForm();
}

void Form12::Command2_Click() {
    hide();
}

void Form12::Text1_Change() {
    dateOrTimeChanged();
}
void Form12::Text2_Change() {
    dateOrTimeChanged();
}
void Form12::Text3_Change() {
    dateOrTimeChanged();
}
void Form12::Text4_Change() {
    dateOrTimeChanged();
}
void Form12::Text5_Change() {
    dateOrTimeChanged();
}
void Form12::Text6_Change() {
    dateOrTimeChanged();
}

void Form12::dateOrTimeChanged() {
    Picture1.clear();
    Picture2.clear();
    clearingPick_ = true;
    List1.setSelectedIndex(-1);
    clearingPick_ = false;
}

ephemeris::ClockReading clockReading(app::App& app) {
    const platform::ui::LocalDateTime now = app.clock().now();
    ephemeris::ClockReading reading;
    reading.Year = now.year;
    reading.Month = now.month;
    reading.Day = now.day;
    reading.Hour = now.hour;
    reading.Minute = now.minute;
    reading.Second = now.second;
    return reading;
}

bool fillNow(app::App& app, double ZoneHours, const NowBoxes& boxes) {
    if (const platform::Problem problem = platform::zoneProblem(ZoneHours)) {
        platform::ui::warnProblem(app.messages(), *problem);
        return false;
    }
    double Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    ephemeris::ClockToUT(clockReading(app), ZoneHours, Year, Month, Day, Hour, Minute, Second);
    const std::optional<platform::CalendarTime> now =
        platform::calendarTime(Year, Month, Day, Hour, Minute, Second);
    if (!now) {
        return false;
    }
    boxes.Year.setText(std::to_string(now->Year));
    boxes.Month.setText(std::to_string(now->Month));
    boxes.Day.setText(std::to_string(now->Day));
    if (boxes.Hour) {
        boxes.Hour->setText(std::to_string(now->Hour));
    }
    if (boxes.Minute) {
        boxes.Minute->setText(std::to_string(now->Minute));
    }
    if (boxes.Second) {
        boxes.Second->setText(std::to_string(now->Second));
    }
    return true;
}

bool fillNowInSettingsZone(app::App& app, const NowBoxes& boxes) {
    const std::string zone = app.form7().Text2.text();
    if (const platform::Problem problem = platform::settingsZoneProblem(zone)) {
        platform::ui::warnProblem(app.messages(), *problem);
        return false;
    }
    return fillNow(app, platform::leadingNumber(zone), boxes);
}

}  // namespace almanac
