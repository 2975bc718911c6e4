// The three-arm protractor's computation, output lines, plot and dragging.
#include "calculators/protractor.h"

#include <cmath>
#include <string>

#include "calculators/circle_of_position.h"
#include "calculators/panel_text.h"
#include "ephemeris/ephemeris.h"
#include "platform/input_check.h"
#include "platform/numtext.h"

namespace calculators {

namespace {

using platform::leadingNumber;
using platform::PrintItem;
using platform::PrintLine;
using Item = ProtractorSceneItem;

const std::string kDegreeSign = "\xC2\xB0";  // "°"

// AngleEntry: the typed signs are dropped, the option gives the side.
double entryValue(const ProtractorEntry::Position& p) {
    const double v = std::fabs(leadingNumber(p.Degrees)) + std::fabs(leadingNumber(p.Minutes)) / 60;
    return p.Negative ? -v : v;
}

double angleValue(const std::string& degrees, const std::string& minutes) {
    return std::fabs(leadingNumber(degrees)) + std::fabs(leadingNumber(minutes)) / 60;
}

PrintItem number(double x) {
    return PrintItem::Text(protractorNumberText(x));
}

PrintLine distanceLine(const char* text, double distance) {
    return {PrintItem::Text(text), PrintItem::Figure(ephemeris::RoundedText(distance, 2)),
            PrintItem::Text(" nmiles")};
}

Item line(double x1, double y1, double x2, double y2, ProtractorInk ink) {
    return {Item::Kind::Line, ink, x1, y1, x2, y2, 0, {}};
}

Item circle(double x, double y, double r, ProtractorInk ink) {
    return {Item::Kind::Circle, ink, x, y, 0, 0, r, {}};
}

Item text(double x, double y, const char* t) {
    return {Item::Kind::Text, ProtractorInk::Text, x, y, 0, 0, 0, t};
}

using platform::allFinite;

// The angle, degrees in -180..180, that the direction from (x, y) turns
// clockwise from point 1 to point 2: the horizontal angle between them as
// seen from there, positive when point 2 is on the right of point 1.
double turnedAngle(double x, double y, double x1, double y1, double x2, double y2) {
    const double bearing1 = std::atan2(x1 - x, y1 - y);
    const double bearing2 = std::atan2(x2 - x, y2 - y);
    double turned = (bearing2 - bearing1) * ephemeris::kDegPerRad;
    if (turned > 180) {
        turned -= 360;
    } else if (turned < -180) {
        turned += 360;
    }
    return turned;
}

// The angle, degrees 0..90, at which two circles through (x, y) cross there:
// the angle between their radii to that point, folded into a quarter turn.
double crossingAngle(double x, double y, double x1, double y1, double x2, double y2) {
    const double ux = x1 - x;
    const double uy = y1 - y;
    const double vx = x2 - x;
    const double vy = y2 - y;
    const double between =
        std::fabs(std::atan2(ux * vy - uy * vx, ux * vx + uy * vy)) * ephemeris::kDegPerRad;
    return between > 90 ? 180 - between : between;
}

std::string weakFixText(double crossing) {
    const double tenths = std::round(crossing * 10);
    const long whole = static_cast<long>(tenths / 10);
    const long tenth = static_cast<long>(tenths) % 10;
    return "Weak fix: circles cross at " + std::to_string(whole) + "." + std::to_string(tenth) +
           kDegreeSign + ", boat near the landmarks' circle";
}

}  // namespace

std::string protractorNumberText(double x) {
    return (x < 0 ? "-" : " ") + platform::generalText(std::fabs(x)) + " ";
}

PrintLine protractorFixLine(double FixLat, double FixLon) {
    const ephemeris::RoundedDegMin lat = ephemeris::RoundDegMin(FixLat, 2);
    const ephemeris::RoundedDegMin lon = ephemeris::RoundDegMin(FixLon, 2);
    const char* latLetter = lat.Sign >= 0 ? "N" : "S";
    const char* lonLetter = lon.Sign >= 0 ? "E" : "W";
    return {PrintItem::Text(std::string("Position Fix    ") + latLetter),
            number(lat.Deg),
            PrintItem::Text(kDegreeSign + " "),
            PrintItem::Figure(ephemeris::RoundedText(lat.Min, 2)),
            PrintItem::Text(std::string("'        ") + lonLetter),
            number(lon.Deg),
            PrintItem::Text(kDegreeSign + " "),
            PrintItem::Figure(ephemeris::RoundedText(lon.Min, 2)),
            PrintItem::Text("' ")};
}

ProtractorInput protractorInput(const ProtractorEntry& entry) {
    ProtractorInput in;
    in.LatA = entryValue(entry.Positions[0]);
    in.LonA = entryValue(entry.Positions[1]);
    in.LatB = entryValue(entry.Positions[2]);
    in.LonB = entryValue(entry.Positions[3]);
    in.LatC = entryValue(entry.Positions[4]);
    in.LonC = entryValue(entry.Positions[5]);
    in.AngleAB = angleValue(entry.AngleABDegrees, entry.AngleABMinutes);
    in.AngleBC = angleValue(entry.AngleBCDegrees, entry.AngleBCMinutes);
    in.Zoom = protractorZoom(entry.Zoom);
    return in;
}

double protractorZoom(const std::string& text) {
    const double zoom = leadingNumber(text);
    // A zoom of 0 or less (or not a number) reads as 1.
    return zoom > 0 ? zoom : 1;
}

platform::Problem protractorEntryProblem(const ProtractorEntry& entry) {
    static const char* const kRows[6] = {"Latitude #1",  "Longitude #1", "Latitude #2",
                                         "Longitude #2", "Latitude #3",  "Longitude #3"};
    // The typed signs are ignored, as the positions and angles ignore them.
    const auto angleText = [](const char* label, const std::string& degrees,
                              const std::string& minutes) {
        return angleTextProblem(label, AngleField{degrees, minutes, false});
    };
    // The texts first, row by row.
    for (int i = 0; i < 6; ++i) {
        const ProtractorEntry::Position& p = entry.Positions[i];
        if (const platform::Problem problem = angleText(kRows[i], p.Degrees, p.Minutes)) {
            return problem;
        }
    }
    if (const platform::Problem problem = platform::firstProblem({
            angleText("Angle between A and B", entry.AngleABDegrees, entry.AngleABMinutes),
            angleText("Angle between B and C", entry.AngleBCDegrees, entry.AngleBCMinutes),
        })) {
        return problem;
    }
    for (int i = 0; i < 6; ++i) {
        const double value = entryValue(entry.Positions[i]);
        if (const platform::Problem problem = i % 2 == 0
                                                  ? platform::latitudeProblem(kRows[i], value)
                                                  : platform::longitudeProblem(kRows[i], value)) {
            return problem;
        }
    }
    return std::nullopt;
}

ProtractorResult protractorCompute(const ProtractorInput& in, const ProtractorState& state,
                                   double PlotWidth, double PlotHeight) {
    ProtractorResult r;
    const auto refuse = [&r](ProtractorOutcome outcome, std::string_view message) {
        r.Outcome = outcome;
        r.PlotMessage = std::string(message);
        return r;
    };
    if (const platform::Problem problem = platform::firstProblem({
            platform::latitudeProblem("Latitude #1", in.LatA),
            platform::latitudeProblem("Latitude #2", in.LatB),
            platform::latitudeProblem("Latitude #3", in.LatC),
        })) {
        return refuse(ProtractorOutcome::LatitudeRefused, " " + *problem + ".");
    }
    if (in.AngleAB == 0 || in.AngleBC == 0) {
        return refuse(ProtractorOutcome::AnglesZero, kProtractorAnglesZeroText);
    }
    // The angle at the observer between two landmarks is less than a half
    // turn; 180 degrees would put the observer on the line between them.
    if (!(in.AngleAB < 180) || !(in.AngleBC < 180)) {
        return refuse(ProtractorOutcome::AngleTooLarge, kProtractorAngleTooLargeText);
    }
    double eB = 0, nB = 0, eC = 0, nC = 0;
    LandmarkOffset(in.LatA, in.LonA, in.LatB, in.LonB, eB, nB);
    LandmarkOffset(in.LatA, in.LonA, in.LatC, in.LonC, eC, nC);
    if (eB * eB + nB * nB == 0) {
        return refuse(ProtractorOutcome::SamePosition, kProtractorBAtAText);
    }
    if (eC * eC + nC * nC == 0) {
        return refuse(ProtractorOutcome::SamePosition, kProtractorCAtAText);
    }

    double eF = 0, nF = 0, FixLat = 0, FixLon = 0;
    const ThreePointStatus status =
        ThreePointFix(in.LatA, in.LonA, in.LatB, in.LonB, in.LatC, in.LonC, in.AngleAB, in.AngleBC,
                      eF, nF, FixLat, FixLon);
    const double toA = std::sqrt(eF * eF + nF * nF);
    const double toB = std::sqrt((eB - eF) * (eB - eF) + (nB - nF) * (nB - nF));
    const double toC = std::sqrt((eC - eF) * (eC - eF) + (nC - nF) * (nC - nF));
    // A fix beyond a pole is no position.
    if (status != ThreePointStatus::Fix || !allFinite({toA, toB, toC}) ||
        !(std::fabs(FixLat) <= 90)) {
        return refuse(ProtractorOutcome::NoFix, kProtractorNoFixText);
    }

    // Near the circle through the three landmarks the two circles of
    // position nearly coincide and the crossing found can lie far from the
    // boat: a point that does not show the measured angles is no fix.
    const double seenAB = turnedAngle(eF, nF, 0, 0, eB, nB);
    const double seenBC = turnedAngle(eF, nF, eB, nB, eC, nC);
    if (!(std::fabs(seenAB - in.AngleAB) <= kProtractorAngleTolerance) ||
        !(std::fabs(seenBC - in.AngleBC) <= kProtractorAngleTolerance)) {
        return refuse(ProtractorOutcome::Unreliable, kProtractorUnreliableText);
    }
    double eAB = 0, nAB = 0, rAB = 0;
    CircleOfPosition(in.LatA, in.LonA, in.LatB, in.LonB, in.AngleAB, eAB, nAB, rAB);
    double eBC = 0, nBC = 0, rBC = 0;
    CircleOfPosition(in.LatB, in.LonB, in.LatC, in.LonC, in.AngleBC, eBC, nBC, rBC);
    r.Crossing = crossingAngle(eF, nF, eAB, nAB, eB + eBC, nB + nBC);

    // Output lines.
    r.OutputLines = {
        protractorFixLine(FixLat, FixLon),
        distanceLine("Radial distance from Left Landmark ", toA),
        distanceLine("Radial distance from Middle Landmark ", toB),
        distanceLine("Radial distance from Right Landmark ", toC),
        {PrintItem::Text(std::string(kProtractorTicksText))},
    };
    if (r.Crossing < kProtractorWeakCrossing) {
        r.OutputLines.push_back({PrintItem::Text(weakFixText(r.Crossing))});
    }

    // The view: the span of A to C over the zoom, the height from the plot's
    // shape.
    const double spanAC = std::sqrt(eC * eC + nC * nC);
    const double w = spanAC / in.Zoom;
    const double aspect = PlotWidth / PlotHeight;
    const double h = (2 * w / aspect) / 2;
    if (!(2 * w >= kLeastViewWidth && 2 * w <= kGreatestViewWidth) || !std::isfinite(h) ||
        !(h > 0)) {
        r.Outcome = ProtractorOutcome::ViewOutOfRange;
        r.PlotMessage = std::string(kProtractorViewText);
        return r;
    }
    r.Outcome = ProtractorOutcome::Fix;
    r.SpanAC = spanAC;
    r.ViewHalfWidth = w;
    r.ViewHalfHeight = h;

    ProtractorScene& s = r.Scene;
    s.ScaleLeft = -w;
    s.ScaleTop = h;
    s.ScaleWidth = 2 * w;
    s.ScaleHeight = -2 * h;
    const double px = state.PanX;
    const double py = state.PanY;
    auto& items = s.Items;
    items.reserve(40);
    const ProtractorInk grid = ProtractorInk::Grid;
    items.push_back(line(px - 0.95 * w, py, px + 0.95 * w, py, grid));
    items.push_back(line(px, py - 0.95 * h, px, py + 0.95 * h, grid));
    // North arrow head.
    items.push_back(line(px - 0.03 * w, py + 0.85 * h, px, py + 0.95 * h, grid));
    items.push_back(line(px, py + 0.95 * h, px + 0.03 * w, py + 0.85 * h, grid));
    items.push_back(line(px + 0.03 * w, py + 0.85 * h, px - 0.03 * w, py + 0.85 * h, grid));
    // The letter N.
    items.push_back(line(px + 0.1 * w, py + 0.845 * h, px + 0.1 * w, py + 0.95 * h, grid));
    items.push_back(line(px + 0.1 * w, py + 0.95 * h, px + 0.15 * w, py + 0.85 * h, grid));
    items.push_back(line(px + 0.15 * w, py + 0.85 * h, px + 0.15 * w, py + 0.955 * h, grid));
    // One-mile ticks.
    for (int i = 1; i <= 5; ++i) {
        items.push_back(line(px + i, py - 0.02 * h, px + i, py + 0.02 * h, grid));
        items.push_back(line(px - i, py - 0.02 * h, px - i, py + 0.02 * h, grid));
        items.push_back(line(px - 0.02 * w, py + i, px + 0.02 * w, py + i, grid));
        items.push_back(line(px - 0.02 * w, py - i, px + 0.02 * w, py - i, grid));
    }

    const double ax = px - eF;
    const double ay = py - nF;
    const double bx = ax + eB;
    const double by = ay + nB;
    const double cx = ax + eC;
    const double cy = ay + nC;
    items.push_back(circle(px, py, 0.035 * w, ProtractorInk::Fix));
    items.push_back(text(px, py, " FIX"));
    items.push_back(line(ax, ay, px, py, ProtractorInk::SightLine));
    items.push_back(circle(ax, ay, 0.025 * w, ProtractorInk::Landmark));
    items.push_back(text(ax, ay, "  LEFT"));
    items.push_back(circle(bx, by, 0.025 * w, ProtractorInk::Landmark));
    items.push_back(line(bx, by, px, py, ProtractorInk::SightLine));
    items.push_back(circle(cx, cy, 0.025 * w, ProtractorInk::Landmark));
    items.push_back(text(cx, cy, "  RIGHT"));
    items.push_back(line(cx, cy, px, py, ProtractorInk::SightLine));

    items.push_back(circle(ax + eAB, ay + nAB, rAB, ProtractorInk::Circle));
    items.push_back(circle(ax + eB + eBC, ay + nB + nBC, rBC, ProtractorInk::Circle));
    return r;
}

namespace {

void startDrag(ProtractorState& state, double X, double Y) {
    state.DragX0 = static_cast<float>(X);
    state.DragY0 = static_cast<float>(Y);
    state.PanX0 = state.PanX;
    state.PanY0 = state.PanY;
    state.DragZoom0 = state.Zoom;
    state.DragHalfWidth0 = state.ViewHalfWidth;
    state.DragHalfHeight0 = state.ViewHalfHeight;
    state.DragStarted = true;
}

}  // namespace

void protractorMouseDown(ProtractorState& state, double X, double Y) {
    state.ButtonHeld = true;
    startDrag(state, X, Y);
}

void protractorMouseUp(ProtractorState& state) {
    state.ButtonHeld = false;
    state.DragStarted = false;
}

ProtractorDragStep protractorMouseMove(ProtractorState& state, int Button, double X, double Y) {
    ProtractorDragStep step;
    if (!state.ButtonHeld) {
        return step;
    }
    if (!state.DragStarted) {
        startDrag(state, X, Y);
    }
    const double w = state.ViewHalfWidth;
    if (Button == 2) {
        // The pointer's height in the plot's scale at the drag's start: the
        // zoom has changed the scale since.
        const double y = state.ViewHalfHeight > 0 && state.DragHalfHeight0 > 0
                             ? Y * (state.DragHalfHeight0 / state.ViewHalfHeight)
                             : Y;
        const double s = state.DragHalfWidth0;
        const double zoom = state.DragZoom0 * std::pow(2.0, (state.DragY0 - y) / s);
        // No view yet to measure the drag against: the zoom stays.
        if (s > 0 && !std::isnan(zoom)) {
            state.Zoom = zoom < 0.5 ? 0.5 : (zoom > 2 ? 2 : zoom);
            step.ZoomText = platform::generalText(ephemeris::FloorTo1(state.Zoom));
        }
    } else if (Button == 1) {
        state.PanX = state.PanX0 + (X - state.DragX0);
        state.PanY = state.PanY0 + (Y - state.DragY0);
        if (std::fabs(state.PanX) > w) {
            state.PanX = state.PanX < 0 ? -w : w;
        }
        if (std::fabs(state.PanY) > w) {
            state.PanY = state.PanY < 0 ? -w : w;
        }
    }
    step.Recompute = true;
    return step;
}

}  // namespace calculators
