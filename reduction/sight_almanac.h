// The almanac data of one sight: the body's place for the instant of the
// watch reading, the almanac block that the sight entry window prints for it
// and the texts of the window's hidden almanac fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "platform/print_items.h"
#include "reduction/sight_log.h"

namespace reduction {

// What the sight entry window reads when a body is clicked.
struct SightAlmanacInput {
    // Body list entry: 0 Sun, 1 Moon, 2 Venus, 3 Mars, 4 Jupiter, 5 Saturn,
    // 6..63 the stars in StarNames order; -1 when nothing is selected. Any
    // other value (outside -1..63, not whole, not finite) selects no body.
    double ObjectIndex = -1;
    // UT date and watch reading as the fields read.
    double Year = 0;
    double Month = 0;
    double Day = 0;
    double Hour = 0;
    double Minute = 0;
    double Second = 0;
    // Seconds added to the watch seconds (negative when the watch is fast).
    double ChronometerCorrection = 0;
    // Seconds; enters only the dynamical time.
    double DeltaT = 0;
    // Names and magnitudes as FillStarTable writes them.
    ephemeris::StarTables Stars;
};

// The texts of the hidden fields, written together after a body click.
struct HiddenAlmanacFields {
    std::string Text3;   // GHA, degrees, cut to 6 decimals
    std::string Text4;   // Dec, degrees, cut to 6 decimals
    std::string Text7;   // SD for the Sun and the Moon, else empty
    std::string Text8;   // HP for the Sun, the Moon and the planets, else empty
    std::string Text9;   // body name, or the StarIndex of a star
    std::string Text10;  // ObjectIndex
};

struct SightAlmanac {
    bool HasBody = false;  // false: nothing selected; only the preview is shown
    double UT = 0;         // decimal hours, chronometer correction included
    double JD = 0;         // Julian day, UT
    double T_TT = 0;       // dynamical time, Julian centuries from J2000.0
    // "Sun" to "Saturn"; for a star its StarNames entry as stored; empty
    // when there is no body.
    std::string Name;
    double GHA = 0;  // degrees
    double Dec = 0;  // degrees, north positive
    double SD = 0;   // arc minutes; 0 for planets, stars and no body
    double HP = 0;   // arc minutes; 0 for stars and no body
    // False when a body is selected and its time or any of its almanac values
    // is not a finite number (a year or Delta T typed with 70 digits): the
    // block then shows "---" for them and the hidden fields stay empty.
    bool Finite = true;
    // Almanac block, one print statement a line; empty when there is no body.
    std::vector<platform::PrintLine> Block;
    // Present only when a body was selected: the hidden fields keep their
    // texts when the selection is cleared.
    std::optional<HiddenAlmanacFields> Hidden;
};

// The body click's computation: UT from the watch reading and the chronometer
// correction, JulianDay, T_TT, the Sun, then the selected body.
SightAlmanac sightAlmanac(const SightAlmanacInput& input);

// The log with every stored sight's place taken at its time, or the first
// included sight that has none.
struct SightPlaces {
    // "Sight 2: Month must be 1 to 12": nothing is to change.
    std::optional<std::string> Warning;
    SightLog Log;  // the whole log, to be used only without a warning
};

// Every sight 1 to SightCount of the log gets the GHA, declination,
// semi-diameter and HP (fields 14 to 17) that a click on its body (field 18)
// computes for its stored date and watch time with these settings (both in
// seconds), as "Save Changes" stores them (the hidden fields' texts read
// back), so a log stored with the same settings comes back unchanged. A
// sight keeps its stored values when its body is not in the list, and when
// it is left out of the fix (field 2 not 1) and its date or time would be
// refused or its place is not a number; for an included sight either gives
// the warning, naming the sight and the field.
SightPlaces sightsAtTheirTimes(const SightLog& log, double ChronometerCorrection, double DeltaT);

// The common almanac block of the Sun, the Moon and the planets: name, GHA,
// declination and horizontal parallax (arc minutes).
std::vector<platform::PrintLine> PlanetPrint(const std::string& Name, double GHA, double Dec,
                                             double HP);

// The almanac lines of the sight entry and the almanac window, every figure
// rounded to the place shown (0.01') with the carry into the next degree, "---"
// for a figure that is not a number: "<label>N|S D° <minutes>'  Declination"
// with the letter from the rounded sign, degrees and minutes unsigned; and
// "<label>D° <minutes>'<tail>" of an hour angle, the degrees signed, or the
// minutes when the degrees are 0, one that rounds up to 360° shown as 0° 0.00';
// an angle that rounds to zero has no sign. The minutes show both decimals.
platform::PrintLine roundedDeclinationLine(const char* label, double Dec);
platform::PrintLine roundedDegMinLine(const char* label, double angle, const char* tail);

// The semi-diameter line that follows the block of the Sun and the Moon
// (rounded to 0.01').
platform::PrintLine semiDiameterLine(double SD);

// The block of a star: name and magnitude, GHA, declination, SHA and the GHA
// of Aries, all in degrees.
std::vector<platform::PrintLine> starPrint(const std::string& StarName, double Magnitude,
                                           double GHA, double Dec, double SHA, double GHAAries);

}  // namespace reduction
