// The lines-of-position plot as geometry: a local chart in nautical miles
// centred on the assumed position (north up, east right), with the axes and
// their 1 and 10 n.mi. ticks, each included sight's line of position advanced
// to the fix time with its label, the fix mark, the error ellipse and the
// texts. The plot window draws it; the pointer read-out turns a chart point
// back into latitude and longitude.
//
// Usage by PlotLOPs:
//   LopPlotInput in = ...;                     // results of the last reduction
//   in.PictureWidth = Picture1.width(); in.PictureHeight = Picture1.height();
//   in.nextRandom = [&] { return app.random().next(); };
//   in.TextHeight = ...; in.TextWidth = ...;   // the picture's text metrics
//   LopPlot plot = lopPlotGeometry(in);
//   set the scale, clear, background; then draw plot.* in member order.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print_items.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"

namespace reduction {

// Shown alone, instead of the chart, when the plotting scale is not a number
// above 0.
inline constexpr std::string_view kPlotScaleMissingText =
    "Set a plotting scale above 0 in the main window";
inline constexpr std::string_view kPlotRecommendText =
    "Recommend redo calculation with best fix as the new assumed position";

// The assumed position's mark when there is no fix: a "+" whose arms reach
// this far from the origin, drawn kApMarkPixels wide so that it stands out
// on the axes, and labelled kApLabel.
inline constexpr double kApMarkTwips = 105;
inline constexpr int kApMarkPixels = 3;
inline constexpr std::string_view kApLabel = "AP";

// Ten-mile ticks stop after this many steps (10 800 n.mi., half the Earth's
// circumference), so that an absurd plotting scale cannot flood the picture.
inline constexpr int kMaxTenMileTickSteps = 1080;

// Everything the chart is drawn from.
struct LopPlotInput {
    FixResult Fix;  // PlotParams(1 to 14)
    FixStatus Status = FixStatus::Fix;
    // The sight log's SightCount (0 to 25) and each sight's include flag
    // SightData(i, 2) at [i] (1 = included).
    int SightCount = 0;
    std::array<double, kSightLogSize> Included{};
    // Per sight i at [i]: intercept (n.mi., toward the body), true azimuth
    // (degrees) and run to the fix time (n.mi. along the course).
    std::array<double, kSightLogSize> LopIntercept{};
    std::array<double, kSightLogSize> LopAzimuth{};
    std::array<double, kSightLogSize> LopRun{};
    double AssumedLat = 0;  // degrees, north positive
    double AssumedLon = 0;  // degrees, east positive
    // The picture's outer size in twips.
    double PictureWidth = 0;
    double PictureHeight = 0;
    // The next number of the program's generator, in [0, 1); drawn once per
    // included sight, in sight order. When empty, 0 is used.
    std::function<double()> nextRandom;
    // The picture's text metrics in twips: the height of one printed line and
    // the width of a text. With them the texts are kept apart: each fix text
    // at least a line below the one above it, and each LOP label moved along
    // its line off every other text. Without them every text stands at its
    // standard place.
    double TextHeight = 0;
    std::function<double(const std::string&)> TextWidth;
};

struct PlotPoint {
    double x = 0;
    double y = 0;
};

struct PlotSegment {
    PlotPoint from;
    PlotPoint to;
};

// One print statement with its top-left corner.
struct PlotText {
    PlotPoint at;
    platform::PrintLine line;
};

// An included sight's advanced line of position (red) and its label.
struct LopLine {
    int sight = 0;  // number in the sight log
    PlotSegment segment;
    PlotText label;  // the one text "LOP# " followed by the number
};

// The chart in user units (n.mi. east and north of the assumed position).
struct LopPlot {
    // false: the plotting scale is unusable; only the background and
    // texts[0] (kPlotScaleMissingText) are drawn, on a twips scale from the
    // top-left corner. Every chart member below is then empty or 0.
    bool chart = true;
    // User scale of the picture.
    double scaleLeft = 0;
    double scaleTop = 0;
    double scaleWidth = 0;
    double scaleHeight = 0;
    // Black: the axes, the ten-mile ticks (four per step: at x = k, x = -k,
    // y = k, y = -k) and the one-mile ticks (the same for k = 1 to 9).
    PlotSegment verticalAxis;
    PlotSegment horizontalAxis;
    std::vector<PlotSegment> tenMileTicks;
    std::vector<PlotSegment> oneMileTicks;
    // Red, with labels in the picture's text colour.
    std::vector<LopLine> lops;
    // Green circle of the fix; with no fix, none (fixRadius 0).
    PlotPoint fixCentre;
    double fixRadius = 0;
    // Black, with no fix only: the "+" on the assumed position (two
    // segments) and its label kApLabel; otherwise empty.
    std::vector<PlotSegment> apMark;
    PlotText apLabel;
    // Blue: a point at [0], then a line to each following point; 37 points
    // closing the curve, or none.
    std::vector<PlotPoint> ellipse;
    // The texts in printing order, in the picture's text colour: "LONa",
    // "LATa", the fix's lines (or the no-fix line), the weak-fix line and
    // the recommendation, each when it applies.
    std::vector<PlotText> texts;
};

LopPlot lopPlotGeometry(const LopPlotInput& in);

// The error ellipse alone: its semi-axes (n.mi.) and the bearing of the
// first axis (radians). Empty when it is not drawn.
struct ErrorEllipse {
    bool drawn = false;
    double a = 0;
    double b = 0;
    double theta = 0;
};
ErrorEllipse errorEllipse(const FixResult& fix);

// A position read-out: "<title><letter><degrees>° <minutes>'", the angle in
// whole degrees and minutes rounded to 0.1 with the carry (59.96' is the next
// degree and 0'), both unsigned, the letter the positive one unless the
// rounded angle is below zero (e.g. "Latitude N41° 30.5'").
std::string readoutText(const std::string& title, double value, const char* positive,
                        const char* negative);

// The pointer read-out under the chart: Label2 and Label3 for the pointer at
// X, Y (user units), e.g. "Latitude N41° 30.5'" and "Longitude W70° 12.3'";
// both empty when the position is not a finite number.
struct PointerReadout {
    std::string Label2;
    std::string Label3;
};
PointerReadout pointerReadout(double AssumedLat, double AssumedLon, double X, double Y);

}  // namespace reduction
