// Whether a typed latitude, date, time, Delta T or time zone is one the program
// can stand behind, and the calendar UT of a "Now" button.
//
// A window that computes on the navigator's request checks its fields first
// and shows the first problem as a "Warning!" (or in its output line):
//
//   const auto problem = platform::firstProblem({
//       platform::latitudeProblem("Latitude", lat),
//       platform::dateProblem(Year, Month, Day),
//       platform::timeProblem(Hour, Minute, Second)});
//   if (problem) { beep; show *problem, "Warning!"; clear the outputs; stop }
//
// Every check returns the message naming the field, or nothing when the value
// passes. A value that is not finite never passes.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The years the program accepts: its theories are checked over 1900-2100 and
// hold to the navigator's tenth of a minute well beyond, not for ever.
inline constexpr double kFirstYear = 1000;
inline constexpr double kLastYear = 3000;
// Delta T (TT - UT, seconds) and time zones (hours, west positive) that any
// date the program accepts can have.
inline constexpr double kLowestDeltaT = -100;
inline constexpr double kHighestDeltaT = 1000;
inline constexpr double kLowestZone = -14;
inline constexpr double kHighestZone = 14;

using Problem = std::optional<std::string>;

// The first of the checks that found a problem, or nothing.
Problem firstProblem(std::initializer_list<Problem> checks);

// A latitude as |degrees| + |minutes| / 60 (either sign): no more than 90.
// "<label> must be between 0 and 90 degrees".
Problem latitudeProblem(std::string_view label, double degrees);

// Year kFirstYear..kLastYear, month 1..12, day 1..the month's length (Gregorian),
// each a whole number. The labels name the three fields in the messages.
struct DateLabels {
    std::string_view Year = "Year";
    std::string_view Month = "Month";
    std::string_view Day = "Day";
};
Problem dateProblem(double Year, double Month, double Day, const DateLabels& labels = {});

// Hour 0 to below 24, minute and second 0 to below 60; decimals allowed.
struct TimeLabels {
    std::string_view Hour = "Hour";
    std::string_view Minute = "Minutes";
    std::string_view Second = "Seconds";
};
Problem timeProblem(double Hour, double Minute, double Second, const TimeLabels& labels = {});
// The hour and minutes alone (a field pair without seconds).
Problem hourMinuteProblem(double Hour, double Minute, const TimeLabels& labels = {});

// Delta T, seconds: kLowestDeltaT..kHighestDeltaT.
Problem deltaTProblem(double DeltaT, std::string_view label = "Delta T");
// Time zone, hours west positive: kLowestZone..kHighestZone.
Problem zoneProblem(double ZoneHours, std::string_view label = "Time zone");
// A time zone box read as a whole text: a number (an empty box reads 0) in
// the range above. A leading number beyond any place's zone is refused as
// such, whatever follows it ("Time zone must be -14 to 14 hours"); otherwise
// a text that is not a number ("5,5", "abc") is refused as numberProblem
// does.
Problem zoneTextProblem(std::string_view text, std::string_view label = "Time zone");
// The same check of the settings window's zone, which the navigator cannot
// type into: the refusal says where the zone is set.
inline constexpr const char* kSetZoneInPlanner =
    ": set it in the sight planner and press \"Remember these settings as my default\"";
Problem settingsZoneProblem(std::string_view text);

// Days in a month of the Gregorian calendar (month 1..12).
int daysInMonth(int Year, int Month);

// A UT instant as a calendar date and a time of day in whole seconds.
struct CalendarTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// Calendar fields that may run over (a day 0 or 32, an hour of 24.5 or -3, a
// fractional hour) taken to the same instant as a calendar date and a time of
// day 00:00:00 to 23:59:59, to the nearest second, day, month and year
// carried both ways. Nothing when a field is not finite or the year is far
// outside the years the program accepts.
std::optional<CalendarTime> calendarTime(double Year, double Month, double Day, double Hour,
                                         double Minute, double Second);

// The computer's own offset from UT in force now, hours west positive
// (daylight saving included): 0 on a clock that runs at UT.
double computerZoneHours();

// A direction, degrees from true north: 0 to 360, both ends included.
// "<label> must be 0 to 360 degrees".
Problem directionProblem(std::string_view label, double degrees);

// --- Number boxes the navigator computes from -------------------------------
//
// A box that a requested computation reads must hold a number as a whole text
// (blanks around it, a sign, digits, at most one decimal point); an empty or
// blank box reads 0 where the window lets it. Check the texts first, then read
// the values as before (platform::leadingNumber gives the whole-text value of
// a box that passed) and check their ranges:
//
//   const auto problem = platform::firstProblem({
//       platform::numberProblem("Speed", Text5),
//       platform::numberProblem("Eye height", Text7)});
//   ...
//   platform::nonNegativeProblem("Speed", speed)

// Whether an empty box may read 0.
enum class Empty { ReadsZero, Refused };

// "<label> must be a number (use a point for decimals)" when the text is not a
// number as a whole; an empty or blank text passes with Empty::ReadsZero and
// gives "<label> must not be empty" with Empty::Refused.
Problem numberProblem(std::string_view label, std::string_view text,
                      Empty empty = Empty::ReadsZero);

// Minutes of an angle: 0 to below 60. "<label> must be 0 to below 60".
Problem minutesProblem(std::string_view label, double minutes);

// A longitude as |degrees| + |minutes| / 60 (either sign): no more than 180.
// "<label> must be between 0 and 180 degrees".
Problem longitudeProblem(std::string_view label, double degrees);

// Not negative (speeds, heights, distances, scales). "<label> must not be negative".
Problem nonNegativeProblem(std::string_view label, double value);

// Above a bound that is itself impossible (a pressure above 0 hPa, an air
// temperature above -273 °C). "<label> must be above <low><unit>", for example
// "Pressure must be above 0 hPa" with unit " hPa".
Problem aboveProblem(std::string_view label, double value, double low, std::string_view unit);

// Low to high, both ends included (a sextant altitude 0 to 90, a GHA 0 to
// 360). "<label> must be <low> to <high><unit>", for example "GHA must be 0 to
// 360 degrees" with unit " degrees".
Problem rangeProblem(std::string_view label, double value, double low, double high,
                     std::string_view unit);

// Strictly between low and high (an angle between two landmarks).
// "<label> must be above <low> and below <high><unit>".
Problem openRangeProblem(std::string_view label, double value, double low, double high,
                         std::string_view unit);

}  // namespace platform
