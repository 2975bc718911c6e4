// The correction preview of the sight entry window: index correction, dip,
// refraction and parallax in altitude for the sextant altitude on view.
#pragma once

#include <vector>

#include "platform/print_items.h"

namespace reduction {

// Horizon kinds with the sight record's codes.
enum class HorizonKind { ReflectiveArtificial = 0, NormalSea = 1, Bubble = 2 };

struct CorrectionPreviewInput {
    // -1 "On scale" (subtracted), +1 "Off scale " (added).
    double IndexErrorSide = -1;
    // Only the sea horizon has a dip; only the reflective artificial horizon
    // halves the altitude. A value outside the three acts as a bubble.
    HorizonKind Horizon = HorizonKind::NormalSea;
    double HsDegrees = 0;
    double HsMinutes = 0;
    double IndexError = 0;  // arc minutes as typed; its magnitude is used
    double EyeHeight = 0;   // metres, or feet when EyeHeightInFeet
    bool EyeHeightInFeet = false;
    double Temperature = 15;  // degrees C
    double Pressure = 1010;   // millibars
    double HP = 0;            // arc minutes, as the body click set it (0 without a body)
};

// Every value is NaN when it cannot be computed (negative eye height on a sea
// horizon, an apparent altitude of exactly -4.4 degrees, a temperature of
// -273 C, or a value that is not finite); its line then shows "---" in place
// of the number.
struct CorrectionPreview {
    double s = 0;    // index-error side
    double dip = 0;  // arc minutes
    double Hs = 0;   // degrees
    double IC = 0;   // arc minutes
    double Ha = 0;   // apparent altitude, degrees
    double T = 0;    // degrees C
    double P = 0;    // millibars
    double PA = 0;   // parallax in altitude, arc minutes
    double R = 0;    // refraction, arc minutes
    // " IC ...", " DipCorr ...", " R ...", " PA ...": one print statement each.
    std::vector<platform::PrintLine> Lines;
};

CorrectionPreview correctionPreview(const CorrectionPreviewInput& input);

}  // namespace reduction
