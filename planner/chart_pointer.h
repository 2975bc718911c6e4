// The sky chart under the pointer: the altitude and azimuth of the point
// under it, the name of a chart object close to it, and the arc between two
// objects (press over the first, release over the second) with its angular
// distance. Everything is read from the chart arrays of the last refresh.
//
// Usage by the chart's pointer handlers:
//   move:  PointerText t = pointerText(arrays, EastWestSign, X, Y);
//   down:  arcPress(arc, arrays, Button, X, Y);
//   up:    if (auto d = arcRelease(arc, arrays, SunElevation, X, Y)) draw *d;
#pragma once

#include <optional>
#include <string>

#include "planner/sky_chart.h"

namespace planner {

// An object is near the pointer within this many chart units.
inline constexpr double kPickRadius = 0.025;

// The entry (1 to ChartCount) near the point: the last in chart order when
// several are near; 0 when none is.
int nearestChartObject(const ChartArrays& arrays, double X, double Y);

// Label9, Label12 and Label22 for the pointer at X, Y (chart units, single
// precision as the pointer reports them).
struct PointerText {
    std::string Label9;   // "ELV = 45.1 deg", rounded to 0.1 degree
    std::string Label12;  // "AZM = 180.0 deg", rounded to 0.1 degree
    std::string Label22;  // name of the near object, or empty
};
PointerText pointerText(const ChartArrays& arrays, double EastWestSign, float X, float Y);

// An arc in progress: ArcPending and its first end.
struct ArcState {
    int ArcPending = 0;
    double ArcStartX = 0;
    double ArcStartY = 0;
    std::string ArcStartName;
    double ArcStartAzimuth = 0;
    double ArcStartElevation = 0;
};

// A left press (Button 1) with no arc pending starts an arc, with or without
// an object under the pointer.
void arcPress(ArcState& arc, const ChartArrays& arrays, int Button, float X, float Y);

// What a completed arc draws: the line in its colour, then the distance text
// printed at the middle (after an invisible point in the sky colour).
struct ArcDrawing {
    ChartPoint from;
    ChartPoint to;
    Rgb color;  // line and text
    ChartPoint middle;
    double distance = 0;  // degrees
    std::string text;     // "Arc Distance = 30° 0.0 ' ", rounded to 0.1'
};

// A release of any button ends a pending arc; it gives the drawing when both
// ends are on objects. SunElevation in degrees: below -6 the arc is white,
// else dark; with the white background always dark.
std::optional<ArcDrawing> arcRelease(ArcState& arc, const ChartArrays& arrays, double SunElevation,
                                     bool WhiteBackground, float X, float Y);

}  // namespace planner
