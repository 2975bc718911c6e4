// The three-arm protractor: a coastal fix from three landmarks (A left, B
// middle, C right as seen from the boat) and the two horizontal angles
// measured between them, with its output lines and its local plot: axes,
// north arrow, 1 n.mi. ticks, the fix, the landmarks with their lines of
// sight and the two circles of position; and the arithmetic of panning and
// zooming the plot by dragging.
//
// Usage by the protractor window (every computation, also at each resize
// step and each pointer move of a drag):
//   ProtractorInput in = protractorInput(entry);        // texts of the boxes
//   state.Zoom = in.Zoom;
//   if (Problem p = protractorEntryProblem(entry)) {
//       clear both pictures; print " " + *p + "." on the plot; stop }
//   ProtractorResult r = protractorCompute(in, state, plotWidth, plotHeight);
//   clear the output picture; print r.OutputLines (none without a fix)
//   if (r.Outcome == ProtractorOutcome::Fix) {
//       state.SpanAC = r.SpanAC; state.ViewHalfWidth = r.ViewHalfWidth;
//       state.ViewHalfHeight = r.ViewHalfHeight;
//       set r.Scene's scale, clear, draw r.Scene.Items in order
//   } else { clear the plot; print r.PlotMessage at its top-left corner }
// Pointer events: at a button down the state's zoom is the zoom box's
// (protractorZoom); protractorMouseDown / Up / Move on the same state; a move
// that returns a zoom text writes it into the zoom box, and a move with a
// button held runs the computation again.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_check.h"
#include "platform/print_items.h"

namespace calculators {

inline constexpr std::string_view kProtractorAnglesZeroText = " Angles must be non-zero.";
inline constexpr std::string_view kProtractorAngleTooLargeText =
    " Angles must be less than 180 degrees.";
inline constexpr std::string_view kProtractorBAtAText =
    " Landmarks A and B are at the same position.";
inline constexpr std::string_view kProtractorCAtAText =
    " Landmarks A and C are at the same position.";
inline constexpr std::string_view kProtractorNoFixText =
    " No fix found for these landmarks and angles.";
inline constexpr std::string_view kProtractorUnreliableText =
    " No reliable fix: the boat is near the landmarks' circle.";
inline constexpr std::string_view kProtractorViewText = " Plot not drawn: view width out of range.";
inline constexpr std::string_view kProtractorTicksText =
    "Tic marks on plot are 1.0 nautical mile increments";

// A fix must show both measured angles to this (degrees) in the flat frame of
// the offsets; one whose circles of position cross there at less than
// kProtractorWeakCrossing (degrees) is said to be weak.
inline constexpr double kProtractorAngleTolerance = 0.1;
inline constexpr double kProtractorWeakCrossing = 10;

// The view's full width (n.mi.) that the plot can draw.
inline constexpr double kLeastViewWidth = 1e-6;
inline constexpr double kGreatestViewWidth = 1e6;

// The boxes and options as the window holds them.
struct ProtractorEntry {
    struct Position {
        std::string Degrees;
        std::string Minutes;
        bool Negative = false;  // the "S" or the "W" option is set
    };
    // Latitude and longitude of A, of B and of C, in this order.
    std::array<Position, 6> Positions;
    std::string AngleABDegrees;
    std::string AngleABMinutes;
    std::string AngleBCDegrees;
    std::string AngleBCMinutes;
    std::string Zoom;
};

// Decimal degrees, north and east positive; the zoom factor.
struct ProtractorInput {
    double LatA = 0, LonA = 0, LatB = 0, LonB = 0, LatC = 0, LonC = 0;
    double AngleAB = 0;
    double AngleBC = 0;
    // The zoom box's leading number; 0 or less reads as 1.
    double Zoom = 1;
};

// Reads the boxes: |degrees| + |minutes| / 60, negated by the "S" or "W"
// option; angles without sign; an empty or non-numeric box reads 0.
ProtractorInput protractorInput(const ProtractorEntry& entry);

// The zoom box's value: its leading number; 0 or less, or none, reads 1.
double protractorZoom(const std::string& text);

// The boxes of the positions and angles (not the zoom): each a number as a
// whole text (empty reads 0), minutes (their sign ignored) 0 to below 60,
// latitudes ("Latitude #1" to "#3") not above 90 and longitudes not above
// 180. The angles' own limits are protractorCompute's.
platform::Problem protractorEntryProblem(const ProtractorEntry& entry);

// The window's own state (0 and false when it is created).
struct ProtractorState {
    double PanX = 0;  // n.mi., where the fix is drawn east of the plot's centre
    double PanY = 0;  // n.mi., north of it
    double PanX0 = 0;
    double PanY0 = 0;
    float DragX0 = 0;  // plot units, at the first move of the drag
    float DragY0 = 0;
    bool ButtonHeld = false;
    bool DragStarted = false;
    double Zoom = 0;
    double SpanAC = 0;          // n.mi., A to C at the last computation that passed the check
    double ViewHalfWidth = 0;   // n.mi., SpanAC / Zoom
    double ViewHalfHeight = 0;  // n.mi., half the plot's height in its scale
    // At the first move of the drag: the zoom, and the view's half width and
    // half height (the plot's scale then).
    double DragZoom0 = 0;
    double DragHalfWidth0 = 0;
    double DragHalfHeight0 = 0;
};

// Colours of the plot.
enum class ProtractorInk {
    Grid,       // light grey (180, 180, 180): axes, north arrow, N, ticks
    Fix,        // red (250, 50, 50)
    SightLine,  // magenta (255, 0, 255)
    Landmark,   // black
    Circle,     // dark grey (50, 50, 50): the circles of position
    Text,       // the plot's text colour
};

struct ProtractorSceneItem {
    enum class Kind { Line, Circle, Text };
    Kind kind = Kind::Line;
    ProtractorInk ink = ProtractorInk::Grid;
    // Line: (x1, y1) to (x2, y2). Circle: centre (x1, y1), radius in
    // horizontal units. Text: top-left corner (x1, y1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double radius = 0;
    std::string text;
};

// The plot in user units (n.mi. east and north of the plot's centre), in
// drawing order: 28 grey lines (east-west axis, north-south axis, three
// strokes of the arrow head, three of the letter N, then for i = 1 to 5 the
// ticks at x = PanX + i, x = PanX - i, y = PanY + i, y = PanY - i); the fix
// circle and " FIX"; A's line of sight; A and "  LEFT"; B and its line; C,
// "  RIGHT" and its line; the circle of A and B; the circle of B and C.
struct ProtractorScene {
    double ScaleLeft = 0;
    double ScaleTop = 0;
    double ScaleWidth = 0;
    double ScaleHeight = 0;
    std::vector<ProtractorSceneItem> Items;
};

enum class ProtractorOutcome {
    Fix,              // output lines written and the plot drawn
    LatitudeRefused,  // a landmark's latitude is beyond 90 degrees
    AnglesZero,       // an angle of 0
    AngleTooLarge,    // an angle of 180 degrees or more
    SamePosition,     // B or C at A's position
    NoFix,            // the resection found no fix, or one beyond a pole
    Unreliable,       // the point found does not show the measured angles
    ViewOutOfRange,   // output lines written, the plot not drawn
};

struct ProtractorResult {
    ProtractorOutcome Outcome = ProtractorOutcome::AnglesZero;
    // The output picture is cleared and gets these five lines (Fix and
    // ViewOutOfRange), and a sixth saying the fix is weak when the circles
    // cross at less than kProtractorWeakCrossing; without a fix it stays
    // empty.
    std::vector<platform::PrintLine> OutputLines;
    // Fix and ViewOutOfRange: the angle (degrees, 0 to 90) at which the two
    // circles of position cross at the fix.
    double Crossing = 0;
    // Fix: the new SpanAC, ViewHalfWidth and ViewHalfHeight, and the plot.
    double SpanAC = 0;
    double ViewHalfWidth = 0;
    double ViewHalfHeight = 0;
    ProtractorScene Scene;
    // Any other outcome: the one line printed at the cleared plot's top-left
    // corner.
    std::string PlotMessage;
};

// One computation. PlotWidth and PlotHeight: the plot's outer size, twips
// (above 0). The state's pan is read, never written. Refused, in this order:
// a landmark's latitude beyond 90 degrees (named by its row, "Latitude #1" to
// "Latitude #3"), an angle of 0, an angle of 180 degrees or more, B or C at
// A's position; a resection without a fix or with one beyond a pole gives
// the no-fix line, and a point that does not show both measured angles within
// kProtractorAngleTolerance (the boat near the circle through the three
// landmarks) the unreliable-fix line.
ProtractorResult protractorCompute(const ProtractorInput& in, const ProtractorState& state,
                                   double PlotWidth, double PlotHeight);

// The first output line: the fix lettered N or S and E or W (N and E when it
// rounds to 0 or more), whole degrees and minutes rounded to hundredths with
// the carry, both without sign.
platform::PrintLine protractorFixLine(double FixLat, double FixLon);

// A number item of the output lines: a blank or "-", the general text of the
// magnitude (with its 0 before the point), and one blank.
std::string protractorNumberText(double x);

// --- Dragging on the plot ------------------------------------------------------

// Any button down on the plot at X, Y (plot units): a button is held and the
// drag starts there, from the pan, zoom and scale of then, so that the first
// move already pans or zooms by how far it went.
void protractorMouseDown(ProtractorState& state, double X, double Y);
// Any button up: neither.
void protractorMouseUp(ProtractorState& state);

struct ProtractorDragStep {
    // A button is held: the computation runs again.
    bool Recompute = false;
    // A right drag changed the zoom: the zoom box's new text, the zoom cut
    // to the tenth ("0.5", "1.3", "2"), which the computation reads back.
    std::optional<std::string> ZoomText;
};

// A pointer move with the buttons held (1 left, 2 right, 4 middle, summed)
// at X, Y in plot units. The left button alone pans, the right alone zooms:
// Zoom = Zoom0 2^((DragY0 - y) / s) within 0.5 to 2, with Zoom0 and s the
// zoom and the view's half width at the drag's start and y the pointer's
// height in the plot's scale of then, so that the zoom depends on how far
// the pointer went, not on how many moves it took.
ProtractorDragStep protractorMouseMove(ProtractorState& state, int Button, double X, double Y);

}  // namespace calculators
