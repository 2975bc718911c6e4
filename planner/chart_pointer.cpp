#include "planner/chart_pointer.h"

#include <cmath>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"

namespace planner {

using platform::generalText;

namespace {

const Rgb kArcNight{255, 255, 255};
const Rgb kArcDay{25, 25, 25};

}  // namespace

int nearestChartObject(const ChartArrays& arrays, double X, double Y) {
    int found = 0;
    for (int i = 1; i <= arrays.ChartCount; ++i) {
        const double dx = X - arrays.ChartX[i];
        const double dy = Y - arrays.ChartY[i];
        if (std::sqrt(dx * dx + dy * dy) < kPickRadius) {
            found = i;
        }
    }
    return found;
}

PointerText pointerText(const ChartArrays& arrays, double EastWestSign, float X, float Y) {
    const double x = X;
    const double y = Y;
    const double r = std::sqrt(x * x + y * y);
    const double E = 90 * (1 - r / kSkyRadius);
    double A = 0;
    ephemeris::Atan2Into(EastWestSign * x, y, A);
    A = A * ephemeris::kDegPerRad;
    if (A < 0) {
        A = A + 360;
    }
    PointerText t;
    t.Label9 = "ELV = " + ephemeris::RoundedText(E, 1) + " deg";
    t.Label12 = "AZM = " + ephemeris::RoundedText(A, 1) + " deg";
    if (const int i = nearestChartObject(arrays, x, y)) {
        t.Label22 = arrays.ChartName[i];
    }
    return t;
}

void arcPress(ArcState& arc, const ChartArrays& arrays, int Button, float X, float Y) {
    if (Button != 1 || arc.ArcPending != 0 || arrays.ChartCount <= 0) {
        return;
    }
    if (const int i = nearestChartObject(arrays, X, Y)) {
        arc.ArcStartX = arrays.ChartX[i];
        arc.ArcStartY = arrays.ChartY[i];
        arc.ArcStartName = arrays.ChartName[i];
        arc.ArcStartAzimuth = arrays.ChartAzimuth[i];
        arc.ArcStartElevation = arrays.ChartElevation[i];
    }
    arc.ArcPending = 1;
}

std::optional<ArcDrawing> arcRelease(ArcState& arc, const ChartArrays& arrays, double SunElevation,
                                     bool WhiteBackground, float X, float Y) {
    if (arc.ArcPending != 1 || arrays.ChartCount <= 0) {
        return std::nullopt;
    }
    const int i = nearestChartObject(arrays, X, Y);
    if (i == 0) {
        arc.ArcStartName.clear();
    }
    arc.ArcPending = 0;
    if (arc.ArcStartName.empty() || i == 0 || arrays.ChartName[i].empty()) {
        return std::nullopt;
    }
    ArcDrawing d;
    ephemeris::AngularDistance(arc.ArcStartAzimuth, arrays.ChartAzimuth[i], arc.ArcStartElevation,
                               arrays.ChartElevation[i], d.distance);
    // On the white background a white arc would not show.
    d.color = (SunElevation < -6 && !WhiteBackground) ? kArcNight : kArcDay;
    d.from = {arc.ArcStartX, arc.ArcStartY};
    d.to = {arrays.ChartX[i], arrays.ChartY[i]};
    d.middle = {(d.to.x + arc.ArcStartX) * 0.5, (d.to.y + arc.ArcStartY) * 0.5};
    // Degrees and minutes rounded to 0.1' (a distance is never negative).
    const ephemeris::RoundedDegMin m = ephemeris::RoundDegMin(d.distance, 1);
    d.text =
        "Arc Distance = " + generalText(m.Deg) + "° " + ephemeris::RoundedText(m.Min, 1) + " ' ";
    arc.ArcStartName.clear();
    return d;
}

}  // namespace planner
