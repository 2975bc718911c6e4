// The Moon-phase picture as a scene: a pale yellow disc on dark grey, half of
// it darkened and a terminator ellipse drawn so that the lit part has the
// shape of the phase, and a light grey rim around the whole disc.
//
// Usage by DrawMoon: MoonPhase m = moonPhase(elongation, width, height);
// set the scale, clear to m.background, draw the lit disc, the dark half,
// the ellipse, then the rim, in this order.
#pragma once

#include "planner/sky_chart.h"

namespace planner {

inline constexpr double kMoonDiscRadius = 0.75;
inline constexpr double kMaxTerminatorAspect = 25;
inline constexpr Rgb kMoonDark{75, 75, 75};
inline constexpr Rgb kMoonLit{230, 245, 140};
inline constexpr Rgb kMoonRim{200, 200, 200};

struct MoonPhase {
    // User scale: x from -1 to 1, y from 1/r down to -1/r (r = width/height).
    double scaleLeft = -1;
    double scaleTop = 1;
    double scaleWidth = 2;
    double scaleHeight = -2;
    double Radius = kMoonDiscRadius;  // R, about (CentreX, CentreY) = (0, 0)
    double CentreX = 0;
    double CentreY = 0;
    // The dark half: a box filled with kMoonDark from corner1 to corner2.
    ChartPoint corner1;
    ChartPoint corner2;
    // The terminator ellipse: vertical semi-axis R, horizontal R / aspect,
    // outline and fill in ellipseColor.
    double aspect = 1;
    Rgb ellipseColor = kMoonDark;
};

// Phase: the Moon's elongation from the Sun in degrees (below 180 waxing).
// width and height: the picture's outer size (a height of 0 or less is
// taken as 1).
MoonPhase moonPhase(double Phase, double width, double height);

}  // namespace planner
