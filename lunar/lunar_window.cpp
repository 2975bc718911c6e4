#include "lunar/lunar_window.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "almanac/almanac_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "ephemeris/ephemeris.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "reduction/sight_log.h"

namespace app {
lunar::Form8& App::form8() {
    return window<lunar::Form8>(*this);
}
}  // namespace app

namespace lunar {

namespace {

using platform::ui::pixelRect;
using platform::ui::px;
using platform::ui::TextBox;

constexpr const char* kDegreeMark = "\xC2\xB0";

// Layout, in logical pixels: the inputs on the left, the body list, the
// button, the output and "CLOSE" on the right.
constexpr double kWidth = 800;
constexpr double kHeight = 560;
constexpr double kFieldHeight = 21;
constexpr double kLabelWidth = 146;
constexpr double kDegreesLeft = 156;
constexpr double kRight = 410;
constexpr double kRightWidth = 380;
constexpr double kDateColumn = 63;

using platform::ui::Val;

platform::ui::FileDialogRequest lunarFileRequest() {
    return {std::string(kLunarFileFilter), app::kSightFileDialogTitle};
}

std::string fileName(const std::string& path) {
    std::string name;
    reduction::StripPath(path, name);
    return name;
}

}  // namespace

Form8::Form8(app::App& app)
    : Form(app, kForm8Caption),
      labelTitle{*this, pixelRect(10, 8, 780, 18),
                 "Clearing the Lunar Distance with1 measurement and an estimated position"},
      labelAssumption{*this, pixelRect(10, 26, 780, 18),
                      "This makes the assumption that your latitude is fairly accurate, but you "
                      "longitude will be out according to the error in your chronometer"},
      labelLat{*this, pixelRect(10, 70, kLabelWidth, 18), "Estimated Latitude"},
      Text113{*this, pixelRect(kDegreesLeft, 68, 40, kFieldHeight)},
      labelLatDegreeMark{*this, pixelRect(kDegreesLeft + 42, 68, 10, 18), kDegreeMark},
      Text6{*this, pixelRect(kDegreesLeft + 54, 68, 52, kFieldHeight)},
      labelLatMinuteMark{*this, pixelRect(kDegreesLeft + 108, 68, 10, 18), "'"},
      Frame1{*this, pixelRect(278, 54, 122, 44), "Lat N or S"},
      Option1{Frame1, pixelRect(6, 18, 56, 22), "North", Frame1Options},
      Option2{Frame1, pixelRect(62, 18, 56, 22), "South", Frame1Options},
      labelLon{*this, pixelRect(10, 118, kLabelWidth, 18), "Estimated Longitude"},
      Text114{*this, pixelRect(kDegreesLeft, 116, 40, kFieldHeight)},
      labelLonDegreeMark{*this, pixelRect(kDegreesLeft + 42, 116, 10, 18), kDegreeMark},
      Text7{*this, pixelRect(kDegreesLeft + 54, 116, 52, kFieldHeight)},
      labelLonMinuteMark{*this, pixelRect(kDegreesLeft + 108, 116, 10, 18), "'"},
      Frame2{*this, pixelRect(278, 102, 122, 44), "Lon E or W"},
      Option4{Frame2, pixelRect(6, 18, 56, 22), "East", Frame2Options},
      Option3{Frame2, pixelRect(62, 18, 56, 22), "West", Frame2Options},
      labelDistance{*this, pixelRect(10, 158, kLabelWidth, 18), "Lunar Distance Measured"},
      labelIndexError{*this, pixelRect(10, 176, kLabelWidth, 16), "corrected for index error"},
      Text2{*this, pixelRect(kDegreesLeft, 164, 40, kFieldHeight)},
      labelDistanceDegreeMark{*this, pixelRect(kDegreesLeft + 42, 164, 10, 18), kDegreeMark},
      Text3{*this, pixelRect(kDegreesLeft + 54, 164, 52, kFieldHeight)},
      labelDistanceMinuteMark{*this, pixelRect(kDegreesLeft + 108, 164, 10, 18), "'"},
      Frame3{*this, pixelRect(10, 202, 190, 46), "Moon Limb"},
      Option5{Frame3, pixelRect(6, 18, 56, 22), "Inner", Frame3Options},
      Option6{Frame3, pixelRect(62, 18, 56, 22), "Outer", Frame3Options},
      Option9{Frame3, pixelRect(118, 18, 66, 22), "Center", Frame3Options},
      Frame4{*this, pixelRect(206, 202, 194, 46), "Sun Limb, if using"},
      Option8{Frame4, pixelRect(8, 18, 62, 22), "Inner", Frame4Options},
      Option7{Frame4, pixelRect(76, 18, 62, 22), "Outer", Frame4Options},
      labelTemperature{*this, pixelRect(10, 262, 220, 18), "Air Temperature, deg C"},
      Text4{*this, pixelRect(240, 260, 64, kFieldHeight), "10"},
      labelPressure{*this, pixelRect(10, 290, 220, 18), "Barometric pressure, millibars"},
      Text5{*this, pixelRect(240, 288, 64, kFieldHeight), "1010"},
      Frame5{*this, pixelRect(10, 320, 390, 178), "Date and Estimated Observation Time"},
      labelYear{Frame5, pixelRect(8 + 0 * kDateColumn, 20, kDateColumn, 16), "Year"},
      labelMonth{Frame5, pixelRect(8 + 1 * kDateColumn, 20, kDateColumn, 16), "Month"},
      labelDay{Frame5, pixelRect(8 + 2 * kDateColumn, 20, kDateColumn, 16), "Day"},
      labelHour{Frame5, pixelRect(8 + 3 * kDateColumn, 20, kDateColumn, 16), "UTC hour"},
      labelMinute{Frame5, pixelRect(8 + 4 * kDateColumn, 20, kDateColumn, 16), "UTC minute"},
      labelSecond{Frame5, pixelRect(8 + 5 * kDateColumn, 20, kDateColumn, 16), "UTC second"},
      Text15{Frame5, pixelRect(8 + 0 * kDateColumn, 38, 57, kFieldHeight)},
      Text14{Frame5, pixelRect(8 + 1 * kDateColumn, 38, 57, kFieldHeight)},
      Text13{Frame5, pixelRect(8 + 2 * kDateColumn, 38, 57, kFieldHeight)},
      Text12{Frame5, pixelRect(8 + 3 * kDateColumn, 38, 57, kFieldHeight)},
      Text17{Frame5, pixelRect(8 + 4 * kDateColumn, 38, 57, kFieldHeight)},
      Text8{Frame5, pixelRect(8 + 5 * kDateColumn, 38, 57, kFieldHeight)},
      Command4{Frame5, pixelRect(10, 68, 64, 26), "Now"},
      labelNow{Frame5, pixelRect(82, 73, 200, 16), "press for current time"},
      labelDeltaT{Frame5, pixelRect(10, 102, 300, 32),
                  "Delta T, the difference between UTC and Ephemeris time, seconds"},
      Text11{Frame5, pixelRect(320, 104, 60, kFieldHeight), "67.0"},
      labelTimeZone{Frame5, pixelRect(10, 144, 300, 18), "Time zone difference from GMT, hrs"},
      Text10{Frame5, pixelRect(320, 142, 60, kFieldHeight),
             platform::generalText(platform::computerZoneHours())},
      Text21{*this, pixelRect(10, 506, 390, 44), "Type notes here (no commas!)",
             TextBox::MultiLine},
      labelList{*this, pixelRect(kRight, 54, kRightWidth, 34),
                "Select Celestial Object you are measuring to from the Moon by clicking on it."},
      List1{*this, pixelRect(kRight, 90, kRightWidth, 190)},
      Command2{*this, pixelRect(kRight, 290, kRightWidth, 34),
               "Click here to Calculate Correct Time and Longitude"},
      Picture1{*this, pixelRect(kRight, 332, kRightWidth, 166)},
      Command1{*this, pixelRect(kRight + kRightWidth - 120, 514, 120, 32), "CLOSE"},
      menuOpen{*this, "OpenFile"},
      menuSave{*this, "SaveFile"},
      app_(app) {
    resizeTwips(px(kWidth), px(kHeight));
    labelTitle.setBold(true);
    labelIndexError.setFontSize(7);
    labelNow.setFontSize(7);
    for (platform::ui::Label* label :
         {&labelYear, &labelMonth, &labelDay, &labelHour, &labelMinute, &labelSecond}) {
        label->setFontSize(7.5);
    }

    Option1.setValue(true);  // North
    Option3.setValue(true);  // West
    Option5.setValue(true);  // Moon limb inner
    Option8.setValue(true);  // Sun limb inner

    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    List1.onClick([this] { List1_Click(); });
    menuOpen.onClick([this] { menuOpen_Click(); });
    menuSave.onClick([this] { menuSave_Click(); });

    // The output belongs to the boxes and options it was computed from: an
    // edit of any of them takes it away. The time zone and the notes are
    // not read; the Sun's limb only when the Sun is the body.
    for (TextBox* input : {&Text113, &Text6, &Text114, &Text7, &Text2, &Text3, &Text4, &Text5,
                           &Text15, &Text14, &Text13, &Text12, &Text17, &Text8, &Text11}) {
        input->onChange([this] { Picture1.clear(); });
    }
    platform::ui::onSelectionChange({&Option1, &Option2}, [this] { Picture1.clear(); });
    platform::ui::onSelectionChange({&Option4, &Option3}, [this] { Picture1.clear(); });
    platform::ui::onSelectionChange({&Option5, &Option6, &Option9}, [this] { Picture1.clear(); });
    platform::ui::onSelectionChange({&Option8, &Option7}, [this] {
        if (SelectedBody == kLunarSun) {
            Picture1.clear();
        }
    });
}

Form8::~Form8() = default;

void Form8::Form_Load() {
    List1.clear();
    for (const char* planet : {"Sun", "Venus", "Mars", "Jupiter", "Saturn"}) {
        List1.addItem(planet);
    }
    ephemeris::FillStarTable(app_.Stars);
    for (int n = 1; n <= ephemeris::kStarCount; ++n) {
        List1.addItem(app_.Stars.StarNames[static_cast<std::size_t>(n)]);
    }
    // The computation starts with the Sun; the list shows it so, and a save
    // keeps it.
    List1.setSelectedIndex(kLunarSun);
}

void Form8::Command1_Click() {
    hide();
}

void Form8::Command2_Click() {
    Picture1.clear();
    // A field the checks refuse is named in the output; nothing is computed.
    if (const platform::Problem problem = inputProblem()) {
        Picture1.print(platform::PrintLine{platform::PrintItem::Text(" " + *problem)});
        return;
    }
    const ClearingInput in = clearingInput();
    if (in.SelectedBody >= kLunarFirstStar && in.SelectedBody <= kLunarLastEntry) {
        SelectedStar = in.SelectedBody - kLunarFirstStar;
    }
    const ClearingResult result = clearLunarDistance(in);
    for (const platform::PrintLine& line : result.Lines) {
        Picture1.print(line);
    }
}

void Form8::Command4_Click() {
    // The settings window's zone, not this window's Text10.
    almanac::fillNowInSettingsZone(app_, {Text15, Text14, Text13, &Text12, &Text17, &Text8});
}

void Form8::List1_Click() {
    Picture1.clear();
    SelectedBody = List1.selectedIndex();
}

void Form8::menuOpen_Click() {
    const std::string name = app_.fileDialogs().openFile(lunarFileRequest());
    if (name.empty()) {
        app_.messages().show(app::kNoFileSelectedMessage);
        return;
    }
    // The whole file is read and checked before anything changes.
    const LunarFileRead read = openLunarFile(std::filesystem::path(name));
    if (read.Status == LunarFileStatus::WrongHeader) {
        return;
    }
    if (read.Status == LunarFileStatus::Bad || !read.Contents) {
        app_.messages().show(std::string(kBadLunarFileMessage));
        return;
    }
    setCaption(kOpenedCaption + fileName(name));
    applyFileContents(*read.Contents);
}

void Form8::menuSave_Click() {
    const std::string name = app_.fileDialogs().saveFile(lunarFileRequest());
    if (name.empty()) {
        app_.messages().show(app::kNoFileSelectedMessage);
        return;
    }
    const platform::SaveResult saved = saveLunarFile(std::filesystem::path(name), fileContents());
    if (!saved.ok) {
        app_.messages().show("The data file was not saved.\n" + saved.message);
        return;
    }
    setCaption(kSavedCaption + fileName(name));
}

platform::Problem Form8::inputProblem() const {
    // Every box the clearing reads a number as a whole text (an empty one
    // reads 0, an empty Delta T is refused), then the values as the clearing takes them: the
    // position without its typed sign, the measured distance as typed.
    if (platform::Problem problem = platform::firstProblem({
            platform::numberProblem("Estimated Latitude", Text113.text()),
            platform::numberProblem("Estimated Latitude minutes", Text6.text()),
            platform::numberProblem("Estimated Longitude", Text114.text()),
            platform::numberProblem("Estimated Longitude minutes", Text7.text()),
            platform::numberProblem("Lunar Distance Measured", Text2.text()),
            platform::numberProblem("Lunar Distance Measured minutes", Text3.text()),
            platform::numberProblem("Air Temperature", Text4.text()),
            platform::numberProblem("Barometric pressure", Text5.text()),
            platform::numberProblem("Year", Text15.text()),
            platform::numberProblem("Month", Text14.text()),
            platform::numberProblem("Day", Text13.text()),
            platform::numberProblem("UTC hour", Text12.text()),
            platform::numberProblem("UTC minute", Text17.text()),
            platform::numberProblem("UTC second", Text8.text()),
            platform::numberProblem("Delta T", Text11.text(), platform::Empty::Refused),
        })) {
        return problem;
    }
    const double latMinutes = std::fabs(Val(Text6));
    const double lonMinutes = std::fabs(Val(Text7));
    return platform::firstProblem({
        platform::minutesProblem("Estimated Latitude minutes", latMinutes),
        platform::latitudeProblem("Estimated Latitude", std::fabs(Val(Text113)) + latMinutes / 60),
        platform::minutesProblem("Estimated Longitude minutes", lonMinutes),
        platform::longitudeProblem("Estimated Longitude",
                                   std::fabs(Val(Text114)) + lonMinutes / 60),
        platform::minutesProblem("Lunar Distance Measured minutes", Val(Text3)),
        platform::aboveProblem("Air Temperature", Val(Text4), -273, " deg C"),
        platform::aboveProblem("Barometric pressure", Val(Text5), 0, " millibars"),
        platform::dateProblem(Val(Text15), Val(Text14), Val(Text13)),
        platform::timeProblem(Val(Text12), Val(Text17), Val(Text8),
                              {"UTC hour", "UTC minute", "UTC second"}),
        platform::deltaTProblem(Val(Text11)),
    });
}

ClearingInput Form8::clearingInput() const {
    ClearingInput in;
    in.Temperature = Val(Text4);
    in.Pressure = Val(Text5);
    // AngleEntry: the sign of a typed number is ignored, only the options count.
    in.Lat = std::fabs(Val(Text113)) + std::fabs(Val(Text6)) / 60;
    if (Option2.value()) {
        in.Lat = -in.Lat;
    }
    in.Lon = std::fabs(Val(Text114)) + std::fabs(Val(Text7)) / 60;
    if (Option3.value()) {
        in.Lon = -in.Lon;
    }
    in.Year = Val(Text15);
    in.Month = Val(Text14);
    in.Day = Val(Text13);
    in.U = Val(Text12) + Val(Text17) / 60 + Val(Text8) / 3600;
    in.DeltaT = Val(Text11);
    in.Distance = Val(Text2) + Val(Text3) / 60;
    // "Inner", and no limb selected, add the semi-diameter.
    in.MoonLimb = 1;
    if (Option6.value()) {
        in.MoonLimb = -1;
    } else if (Option9.value()) {
        in.MoonLimb = 0;
    }
    in.SunLimb = Option7.value() ? -1 : 1;
    in.SelectedBody = SelectedBody;
    return in;
}

LunarFileContents Form8::fileContents() const {
    LunarFileContents c;
    c.Notes = Text21.text();
    c.AirTemperature = Text4.text();
    c.Pressure = Text5.text();
    c.LatDegrees = Text113.text();
    c.LatMinutes = Text6.text();
    c.LonDegrees = Text114.text();
    c.LonMinutes = Text7.text();
    c.DistanceDegrees = Text2.text();
    c.DistanceMinutes = Text3.text();
    c.Year = Text15.text();
    c.Month = Text14.text();
    c.Day = Text13.text();
    c.Hour = Text12.text();
    c.Minute = Text17.text();
    c.Second = Text8.text();
    c.DeltaT = Text11.text();
    c.North = Option1.value();
    c.South = Option2.value();
    c.West = Option3.value();
    c.East = Option4.value();
    c.MoonInner = Option5.value();
    c.MoonOuter = Option6.value();
    c.SunOuter = Option7.value();
    c.SunInner = Option8.value();
    c.Body = List1.selectedIndex();
    return c;
}

void Form8::applyFileContents(const LunarFileContents& c) {
    Text21.setText(c.Notes);
    Text4.setText(c.AirTemperature);
    Text5.setText(c.Pressure);
    Text113.setText(c.LatDegrees);
    Text6.setText(c.LatMinutes);
    Text114.setText(c.LonDegrees);
    Text7.setText(c.LonMinutes);
    Text2.setText(c.DistanceDegrees);
    Text3.setText(c.DistanceMinutes);
    Text15.setText(c.Year);
    Text14.setText(c.Month);
    Text13.setText(c.Day);
    Text12.setText(c.Hour);
    Text17.setText(c.Minute);
    Text8.setText(c.Second);
    Text11.setText(c.DeltaT);
    // A true item selects its option (and clears the others of its frame); a
    // false one only clears it.
    Option1.setValue(c.North);
    Option2.setValue(c.South);
    Option3.setValue(c.West);
    Option4.setValue(c.East);
    Option5.setValue(c.MoonInner);
    Option6.setValue(c.MoonOuter);
    Option7.setValue(c.SunOuter);
    Option8.setValue(c.SunInner);
    // The file has no line for "Center": neither inner nor outer is the centre.
    if (!c.MoonInner && !c.MoonOuter) {
        Option9.setValue(true);
    }
    // The list's click clears the output and takes the body, also when the
    // selection does not change.
    if (List1.selectedIndex() == c.Body) {
        List1_Click();
    } else {
        List1.setSelectedIndex(c.Body);
    }
}

}  // namespace lunar
