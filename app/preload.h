// The preload of the tool windows: the main window's leg carried into the
// sight planner, the almanac, the rise/set window and the lunar window, with
// the dead-reckoning position at the new fix time.
//
// Usage by "Preload other forms with data":
//   Preload p = preload(form1.legSettings(), Option2, Option3, form7 settings);
//   if (p.Warning) { beep; show p.Warning->Text, p.Warning->Title; stop }
//   write p's texts and sides into the four windows (created hidden when
//   they do not exist yet), showing none of them.
#pragma once

#include <optional>
#include <string>

#include "reduction/sight_file.h"
#include "reduction/sight_reduction.h"

namespace app {

// A position's parts as the windows take them: unsigned whole degrees and
// whole minutes, and the side.
struct PositionTexts {
    std::string LatDegrees;
    std::string LatMinutes;
    bool North = true;  // false: South
    std::string LonDegrees;
    std::string LonMinutes;
    bool East = true;  // false: West
};

struct Preload {
    // The check of the leg's boxes the preload reads (reduction::checkLeg)
    // and a dead reckoning that is not a number. With a warning nothing is
    // to be written.
    std::optional<reduction::ReductionWarning> Warning;

    // The new fix date and time as typed.
    std::string Year;
    std::string Month;
    std::string Day;
    std::string Hour;
    std::string Minutes;
    // The settings as typed.
    std::string DeltaT;
    std::string TimeZone;
    std::string AirTemperature;
    std::string Pressure;

    // The dead-reckoning position at the new fix time, cut to whole minutes;
    // degrees, north and east positive, longitude in (-180, 180].
    double DrLat = 0;
    double DrLon = 0;
    PositionTexts Dr;
};

// Decimal degrees to signed whole degrees, unsigned whole minutes and the
// angle cut to whole minutes. A value within 1e-6 minute below a whole
// minute counts as that minute (10 + 6/60 is 10 degrees 6 minutes), and 60
// minutes carry into the degrees.
void splitWholeMinutes(double X, double& Deg, double& Min, double& CutDeg);

// The checks, the dead reckoning (the reduction's plane sailing), the
// longitude with whole turns removed, the whole-minute split and the texts.
Preload preload(const reduction::LegSettings& leg, bool Option2South, bool Option3West,
                const reduction::GeneralSettings& general);

}  // namespace app
