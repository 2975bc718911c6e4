// Sight reduction and least-squares running fix: the checks of the main
// window's leg before the assumed-position dialog, the dead reckoning from the
// last fix to the new fix time with the dialog's pre-fills, the assumed
// position as the dialog gives it, and the reduction of the sight log to the
// lines of position, the fix and the report lines.
//
// Everything here is computed into plain structs; the main window commits a
// result only when it carries no warning.
//
// Usage by the reduce button:
//   ReductionStart start =
//       prepareReduction(form1.legSettings(), Option2, Option3, form7 settings);
//   if (start.Warning) { beep; show start.Warning->Text, start.Warning->Title; stop }
//   SightPlaces sights = sightsAtTheirTimes(log, chronometer correction, Delta T);
//   if (sights.Warning) { beep; show it with the title "Warning!"; stop }
//   fill Form3 from start.Prefill, run it modal; on "PRESS to Enter Data":
//   assumedPositionOf(fields of Form3, AssumedLat, AssumedLon);
//   ReductionOutcome out = reduceSights(
//       reductionInput(start, form7 settings, AssumedLat, AssumedLon), sights.Log);
//   if (out.Warning) { beep; show it; change nothing }
//   else { log = sights.Log; commit out.Result }
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reduction/sight_file.h"
#include "reduction/sight_log.h"

namespace reduction {

// Messages of the reduction; every warning beeps and carries this title.
inline constexpr std::string_view kReductionWarningTitle = "Warning!";
inline constexpr std::string_view kNoFixTimeMessage = "You forgot to enter a new fix time!";
inline constexpr std::string_view kNoLastFixMessage =
    "You need to have an existing Lat-Lon position!";
inline constexpr std::string_view kBadDeadReckoningMessage =
    "The dead-reckoning position cannot be computed; check the last fix position, the fix "
    "times, the course and the speed.";
inline constexpr std::string_view kAssumedAtPoleMessage =
    "The assumed position is at a pole; enter an assumed latitude between 90 degrees South "
    "and 90 degrees North.";
inline constexpr std::string_view kAssumedLongitudeMessage =
    "The assumed longitude cannot be used; enter an assumed longitude between 180 degrees West "
    "and 180 degrees East.";
inline constexpr std::string_view kBadFixMessage =
    "The fix cannot be computed; check the assumed position, the course and the sights "
    "included in the fix.";

// What the plot shows in place of its "Best Fix" and distance lines when there
// is no fix (the fix values are then 0: the fix mark sits on the assumed
// position).
inline constexpr std::string_view kNoFixFewSightsText = "No fix: fewer than two sights included";
inline constexpr std::string_view kNoFixParallelText = "No fix: the lines of position are parallel";

// G = A * C - B^2 not above this fraction of A * C: the lines are parallel.
inline constexpr double kParallelResidue = 1e-9;

// A fix is weak when the smaller eigenvalue of its normal matrix [[A, B], [B,
// C]] is below tan^2 of half this angle (degrees) times the larger: it is
// then no better than two lines of position crossing at less than this.
inline constexpr double kWeakFixCrossing = 15;

// Longitudes of this size or more are not wrapped: a double then no longer
// holds a longitude to a thousandth of an arc second.
inline constexpr double kLongestWrappedLongitude = 1e9;

// A longitude (degrees, east positive) taken into -180..180 by whole turns:
// unchanged inside the range, one turn off for up to 540 degrees, else
// ephemeris::wrapLongitude. Empty when it is not finite or not below kLongestWrappedLongitude.
std::optional<double> wrappedLongitude(double Lon);

// A message to beep and show with an OK button; nothing is to change.
struct ReductionWarning {
    std::string Text;
    std::string Title = std::string(kReductionWarningTitle);
};

// The leg as the reduction reads it from the main window's fields.
struct LegValues {
    double Crs = 0;        // Text8, course over ground, degrees true
    double V = 0;          // Text2, speed over ground, knots
    double h = 0;          // Text3, eye height in metres (feet / 3.2808 when "ft")
    double PlotScale = 0;  // Text1, n.mi.
    double LastLat = 0;    // last fix by AngleEntry, degrees, north positive
    double LastLon = 0;    // degrees, east positive
    double JDLast = 0;     // Julian day (UT) of the last fix
    double JDNew = 0;      // Julian day (UT) of the new fix
};

// What the assumed-position dialog Form3 gets before it is shown.
struct AssumedPositionPrefill {
    std::string Label5;  // DR latitude, e.g. "1 deg 30 min  S"
    std::string Label6;  // DR longitude, e.g. "65 deg 12.3 min  W"
    std::string Text58;  // assumed latitude, whole degrees
    std::string Text3;   // assumed latitude, minutes
    std::string Text2;   // assumed longitude, whole degrees
    std::string Text1;   // assumed longitude, minutes
    // Exactly one of each pair is selected: Option1 "North" / Option2
    // "South", Option4 "East" / Option3 "West".
    bool Option1 = true;
    bool Option2 = false;
    bool Option4 = true;
    bool Option3 = false;
};

// The checks, the leg's values and the dead reckoning. Without a warning,
// Leg, DrLat, DrLon and Prefill are filled; with one they are not to be used.
struct ReductionStart {
    std::optional<ReductionWarning> Warning;
    LegValues Leg;
    double DrLat = 0;  // dead-reckoning position at the new fix time, degrees
    double DrLon = 0;  // -180 to 180 (wrappedLongitude), east positive
    AssumedPositionPrefill Prefill;
};

// The boxes a check of the leg reads: the preload carries the leg's course,
// speed, last fix and fix times into the tool windows; the reduction also
// reads the eye height, the plotting scale and the settings window's Delta T,
// chronometer correction, air temperature and pressure.
enum class LegUse { Preload, Reduction };

// The one check of the main window's leg (and, for the reduction, of the
// settings it reads), in this order, stopping at the first that fails:
//   1. the last fix hour (Text9) or new fix hour (Text12) is the empty text
//      -> kNoFixTimeMessage;
//   2. the last fix latitude (Text113) or longitude (Text114) degrees is the
//      empty text -> kNoLastFixMessage (a blank passes 1 and 2 and reads 0);
//   3. every box the use reads is a number as a whole text ("Course must be a
//      number ..."); an empty course, speed, minute, day or chronometer
//      correction reads 0, an empty eye height, plotting scale, Delta T, air
//      temperature or pressure is refused;
//   4. the course is a direction, the speed is not negative, the last fix
//      minutes are below 60 and its longitude at most 180 degrees; for the
//      reduction also the eye height and plotting scale not negative, Delta T
//      in its range, the air temperature above -273 deg C and the pressure
//      above 0;
//   5. the last fix latitude at most 90 degrees, the dates of both fixes
//      calendar dates (month and year as whole texts, years 1000 to 3000)
//      and their times times of day.
// The messages are those of the shared input check, naming the box.
std::optional<ReductionWarning> checkLeg(const LegSettings& leg, const GeneralSettings& general,
                                         LegUse use);

// checkLeg for the reduction, then the leg's values and the dead reckoning:
// a dead reckoning that is not finite, whose latitude is outside -90..90 or
// whose longitude cannot be wrapped gives kBadDeadReckoningMessage.
// Number fields read as their leading number. Option2South and Option3West
// are the states of the main window's "South" and "West" options (the only
// ones the last fix position looks at).
ReductionStart prepareReduction(const LegSettings& leg, bool Option2South, bool Option3West,
                                const GeneralSettings& general);

// The leg's values for a leg that passed checkLeg (a month or year that is not
// a number gives a Julian day that is not a number).
LegValues legValues(const LegSettings& leg, bool Option2South, bool Option3West);

// Plane sailing with the middle latitude from the last fix to the new fix
// time: run d = V (JDNew - JDLast) 24 n.mi., dLat = d cos Crs / 60, dLon =
// d sin Crs / (60 cos(LastLat + dLat / 2)). DrLon is not wrapped; either
// result may be non-finite for unusable inputs.
void deadReckoning(const LegValues& leg, double& DrLat, double& DrLon);

// The dead reckoning as a position: the longitude wrapped (wrappedLongitude).
// False, with DrLat and DrLon not to be used, when it is no position: a value
// that is not finite, a longitude too large to wrap or a latitude past a pole
// (the run or the last fix is wrong).
bool deadReckonedPosition(const LegValues& leg, double& DrLat, double& DrLon);

// The fields of Form3 when "PRESS to Enter Data" is pressed.
struct AssumedPositionFields {
    std::string Text58;    // latitude degrees
    std::string Text3;     // latitude minutes
    std::string Text2;     // longitude degrees
    std::string Text1;     // longitude minutes
    bool Option2 = false;  // "South" selected
    bool Option3 = false;  // "West" selected
};

// AssumedLat = Text58 + Text3 / 60, negated when "South"; AssumedLon = Text2 +
// Text1 / 60, negated when "West" (leading numbers as typed: a typed sign
// counts). Degrees, north and east positive.
void assumedPositionOf(const AssumedPositionFields& fields, double& AssumedLat, double& AssumedLon);

// Everything the reduction reads besides the sight log.
struct ReductionInput {
    LegValues Leg;
    double DrLat = 0;  // dead-reckoning latitude (enters the parallax)
    double DrLon = 0;
    double T = 15;    // Form7.Text4, air temperature, deg C
    double P = 1010;  // Form7.Text5, pressure, millibars
    double K = 0;     // Form7.Text108, chronometer correction, seconds
    double AssumedLat = 0;
    double AssumedLon = 0;
};

// The input from a good start, the settings window's fields (leading
// numbers) and the assumed position, its longitude wrapped into -180..180.
ReductionInput reductionInput(const ReductionStart& start, const GeneralSettings& general,
                              double AssumedLat, double AssumedLon);

// Working values of one sight; angles in degrees.
struct SightWorking {
    double UT = 0;   // watch time plus chronometer correction, hours
    double Hs = 0;   // sextant altitude
    double Ha = 0;   // apparent altitude
    double PA = 0;   // parallax in altitude
    double SDc = 0;  // semi-diameter correction
    double Ho = 0;   // observed altitude
    double GHA = 0;
    double Dec = 0;
    double LHA = 0;        // GHA + AssumedLon, less 360 when above 180 (may be negative)
    double Hc = 0;         // computed altitude from the assumed position
    double Zn = 0;         // true azimuth, 0 to 360 (360 for a body due north on the meridian)
    double Intercept = 0;  // (Ho - Hc) * 60, n.mi., positive toward the body
    double Run = 0;        // run from the sight to the new fix time, n.mi.
};

// The fix and the least-squares sums; PlotParams(1 to 14) in this order.
struct FixResult {
    double PlotScale = 0;      // 1, n.mi.
    double IncludedCount = 0;  // 2, sights with include flag 1
    double Course = 0;         // 3, degrees
    double FixDLat = 0;        // 4, fix minus assumed position, degrees
    double FixDLon = 0;        // 5
    double FixLat = 0;         // 6, degrees, north positive, -90 to 90
    double FixLon = 0;         // 7, degrees, east positive, -180 to 180 (wrappedLongitude)
    double FixDistance = 0;    // 8, n.mi. from the assumed position
    double SumCos2 = 0;        // 9, A
    double SumSinCos = 0;      // 10, B
    double SumSin2 = 0;        // 11, C
    double SumPCos = 0;        // 12, D
    double SumPSin = 0;        // 13, E
    double SumP2 = 0;          // 14, F
};

enum class FixStatus {
    Fix,            // at least two included sights and G above kParallelResidue * A * C
    FewSights,      // fewer than two included sights
    ParallelLines,  // G not above kParallelResidue * A * C
};

using PerSightValues = std::array<double, kSightLogSize>;  // entries 1 to SightCount
using PlotParamArray = std::array<double, 15>;             // entries 1 to 14
using DetailedOutputArray = std::vector<std::string>;      // entries 1 to size() - 1

// Every result of one reduction. Entry 0 of every array and the entries above
// SightCount are 0 (or the empty text).
struct ReductionResult {
    int SightCount = 0;  // sights reduced: the log's SightCount (at most 25)
    std::array<SightWorking, kSightLogSize> Sights{};  // 1 to SightCount

    PerSightValues CopGha{};        // GHA of each sight (field 14)
    PerSightValues CopDec{};        // declination of each sight (field 15)
    PerSightValues CopHo{};         // Ho of each sight
    PerSightValues LopIntercept{};  // n.mi.
    PerSightValues LopRun{};        // n.mi.
    PerSightValues LopAzimuth{};    // Zn, degrees

    FixResult Fix;
    PlotParamArray PlotParams{};  // the same values as Fix, entries 1 to 14
    double G = 0;                 // A * C - B^2
    FixStatus Status = FixStatus::FewSights;

    // The report lines of every sight, the sums and the fix
    // (reduction/detailed_output.h); entry 0 unused.
    DetailedOutputArray DetailedOutputLines;
};

// A reduction: either a warning (nothing is to be committed) or a complete
// result in which every number is finite.
struct ReductionOutcome {
    std::optional<ReductionWarning> Warning;
    ReductionResult Result;  // to be committed only when there is no warning
};

// Corrects every sight 1 to log.SightCount to Ho, reduces it from the assumed
// position (Hc, Zn, intercept, run) and solves the least-squares running fix
// over the sights with include flag 1; every sight is reduced and reported,
// included or not. Warnings name the first sight (by its number) whose value
// is not a finite number and what to check, e.g. "Sight 3: the apparent
// altitude cannot be corrected; check the sextant altitude, the index error,
// the horizon and the eye height."; an assumed latitude at or beyond a pole gives
// kAssumedAtPoleMessage, an assumed longitude outside -180..180
// kAssumedLongitudeMessage, and a fix that is not finite or whose latitude is
// outside -90..90 kBadFixMessage.
ReductionOutcome reduceSights(const ReductionInput& input, const SightLog& log);

// Empty when there is a fix, else kNoFixFewSightsText or kNoFixParallelText:
// the one line that replaces the plot's "Best Fix" and distance lines.
std::string noFixText(FixStatus status);

// The crossing angle N, degrees (0 to 90), of two lines of position that fix
// the position as well as lines with the least-squares sums A, B, C do: N =
// 2 atan(sqrt(ratio)), ratio the smaller over the larger eigenvalue of the
// normal matrix [[A, B], [B, C]] (two lines crossing at N give tan^2(N / 2)).
// 0 when the matrix has no positive eigenvalue.
double equivalentCrossingAngle(double A, double B, double C);

// True for a fix (status Fix) whose eigenvalue ratio is below
// tan^2(kWeakFixCrossing / 2): its lines of position cross too flat for the
// position to be trusted along them.
bool isWeakFix(const FixResult& fix, FixStatus status);

// The line that the plot and the detailed output add below a weak fix, e.g.
// "Weak fix: as weak as two lines of position crossing at 0.5°" (the angle
// rounded to 0.1 degree); empty for a well-spread fix and for no fix.
std::string weakFixText(const FixResult& fix, FixStatus status);

}  // namespace reduction
