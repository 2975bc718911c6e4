#include "reduction/lop_plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ephemeris/ephemeris.h"
#include "platform/numtext.h"
#include "reduction/detailed_output.h"

namespace reduction {

namespace {

using platform::PrintItem;
using platform::PrintLine;

// Picture sizes (twips) are taken within these bounds, so that the ratio
// W / H and the label offset stay finite and positive.
constexpr double kLeastPictureSize = 1;
constexpr double kLargestPictureSize = 1e9;

double positiveSize(double twips) {
    if (!std::isfinite(twips) || twips < kLeastPictureSize) {
        return kLeastPictureSize;
    }
    return twips > kLargestPictureSize ? kLargestPictureSize : twips;
}

// A double rounded to single precision; beyond the single range it becomes
// an infinity of its sign (the conversion itself is undefined there).
float toSingle(double x) {
    if (x > std::numeric_limits<float>::max()) {
        return std::numeric_limits<float>::infinity();
    }
    if (x < -std::numeric_limits<float>::max()) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(x);
}

bool finite(double v) {
    return std::isfinite(v);
}

double sinDeg(double degrees) {
    return std::sin(degrees * ephemeris::kRadPerDeg);
}

double cosDeg(double degrees) {
    return std::cos(degrees * ephemeris::kRadPerDeg);
}

// The four segments of one tick step: at x = k and x = -k across the
// horizontal axis, at y = k and y = -k across the vertical axis.
void addTicks(std::vector<PlotSegment>& ticks, double k, double halfX, double halfY) {
    ticks.push_back({{k, -halfY}, {k, halfY}});
    ticks.push_back({{-k, -halfY}, {-k, halfY}});
    ticks.push_back({{-halfX, k}, {halfX, k}});
    ticks.push_back({{-halfX, -k}, {halfX, -k}});
}

// A printed text's extent in user units (y grows upward).
struct TextExtent {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

bool overlap(const TextExtent& a, const TextExtent& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// Where a label may go on its line: the fraction of S from the line's foot
// toward one end, and that end's direction.
struct LabelSpot {
    double fraction = 0;
    double sinDir = 0;
    double cosDir = 0;
};

// The drawn label's place first, then places further along the same side in
// steps of a tenth, then the same on the other side.
std::vector<LabelSpot> labelSpots(double f, double Z) {
    std::vector<LabelSpot> spots;
    const double sides[2][2] = {{sinDeg(Z - 90), cosDeg(Z - 90)}, {sinDeg(Z + 90), cosDeg(Z + 90)}};
    for (const auto& side : sides) {
        spots.push_back({f, side[0], side[1]});
        for (int k = 1; k <= 8; ++k) {
            for (const double t : {f + 0.1 * k, f - 0.1 * k}) {
                if (t > 0.05 && t < 0.95) {
                    spots.push_back({t, side[0], side[1]});
                }
            }
        }
    }
    return spots;
}

}  // namespace

ErrorEllipse errorEllipse(const FixResult& fix) {
    ErrorEllipse none;
    const double n = fix.IncludedCount;
    if (!(n >= 3)) {
        return none;
    }
    const double A = fix.SumCos2;
    const double B = fix.SumSinCos;
    const double C = fix.SumSin2;
    const double Rs = fix.SumP2 - fix.FixDLat * fix.SumPCos -
                      std::cos(fix.FixLat * ephemeris::kRadPerDeg) * fix.FixDLon * fix.SumPSin;
    if (!(Rs > 0) || !finite(Rs)) {
        return none;
    }
    const double sigma = 60 * std::sqrt(Rs / (n - 2));
    double theta = 0;
    double q = 0;
    if (B == 0) {
        // Diagonal normal matrix: the axes lie north-south and east-west.
        theta = 0;
        q = (A - C) / 2;
    } else if (A == C) {
        // The principal directions lie at 45 degrees, on the side of B.
        theta = (B > 0 ? 45 : -45) * ephemeris::kRadPerDeg;
        q = B / std::sin(2 * theta);
    } else {
        theta = 0.5 * std::atan(2 * B / (A - C));
        q = B / std::sin(2 * theta);
    }
    const double larger = n / 2 + q;
    const double smaller = n / 2 - q;
    if (!(larger > 0) || !(smaller > 0) || !finite(larger) || !finite(smaller)) {
        return none;
    }
    const double a = 2.4 * sigma / std::sqrt(larger);
    const double b = 2.4 * sigma / std::sqrt(smaller);
    if (!finite(sigma) || !finite(theta) || !finite(a) || !finite(b)) {
        return none;
    }
    return {true, a, b, theta};
}

LopPlot lopPlotGeometry(const LopPlotInput& in) {
    LopPlot plot;
    const double W = positiveSize(in.PictureWidth);
    const double H = positiveSize(in.PictureHeight);
    const double S = in.Fix.PlotScale;

    if (!(S > 0) || !finite(S)) {
        plot.chart = false;
        plot.scaleLeft = 0;
        plot.scaleTop = 0;
        plot.scaleWidth = W;
        plot.scaleHeight = H;
        plot.texts.push_back({{0, 0}, {PrintItem::Text(std::string(kPlotScaleMissingText))}});
        return plot;
    }

    // 1, 2: the user scale, one unit one n.mi. both ways.
    const float r = toSingle(W / H);
    const double T = S / r;
    plot.scaleLeft = -S;
    plot.scaleTop = T;
    plot.scaleWidth = 2 * S;
    plot.scaleHeight = -2 * T;

    // 3: axes.
    plot.verticalAxis = {{0, T}, {0, -T}};
    plot.horizontalAxis = {{-S, 0}, {S, 0}};

    // 4: ten-mile ticks up to the first multiple of 10 not less than S.
    {
        const double estimate = std::floor(S / 10) + 1;
        plot.tenMileTicks.reserve(4 * static_cast<std::size_t>(estimate < kMaxTenMileTickSteps
                                                                   ? estimate
                                                                   : kMaxTenMileTickSteps));
        int steps = 0;
        double k = 0;
        while (k < S && steps < kMaxTenMileTickSteps) {
            k = k + 10;
            ++steps;
            addTicks(plot.tenMileTicks, k, 0.05 * S, 0.05 * T);
        }
    }

    // 5: one-mile ticks at 1 to 9.
    plot.oneMileTicks.reserve(36);
    {
        double k = 0;
        while (k < 9) {
            k = k + 1;
            addTicks(plot.oneMileTicks, k, 0.02 * S, 0.02 * T);
        }
    }

    // 6: lines of position, advanced along the course by their runs.
    const double Crs = in.Fix.Course;
    const int count = reducibleSightCount(in.SightCount);
    const double d = 200 * S / W;
    plot.lops.reserve(static_cast<std::size_t>(count));
    struct LabelLine {
        double x0, y0, Z, f;
    };
    std::vector<LabelLine> labelLines;
    for (int i = 1; i <= count; ++i) {
        if (in.Included[i] != 1) {
            continue;
        }
        const double R = in.LopRun[i];
        const double p = in.LopIntercept[i];
        const double Z = in.LopAzimuth[i];
        const double x0 = R * sinDeg(Crs) + p * sinDeg(Z);
        const double y0 = R * cosDeg(Crs) + p * cosDeg(Z);
        const double sinLeft = sinDeg(Z - 90);
        const double cosLeft = cosDeg(Z - 90);
        LopLine lop;
        lop.sight = i;
        lop.segment = {{x0 + S * sinLeft, y0 + S * cosLeft},
                       {x0 + S * sinDeg(Z + 90), y0 + S * cosDeg(Z + 90)}};
        const double u = in.nextRandom ? in.nextRandom() : 0;
        const double f = 0.3 + 0.4 * u;
        lop.label.at = {x0 + S * f * sinLeft - d, y0 + S * f * cosLeft + d};
        lop.label.line = {PrintItem::Text("LOP# " + std::to_string(i))};
        plot.lops.push_back(std::move(lop));
        labelLines.push_back({x0, y0, Z, f});
    }

    // 7: the fix mark, departure at the middle latitude; without a fix the
    // assumed position's mark instead.
    const FixResult& fix = in.Fix;
    const double yf = 60 * fix.FixDLat;
    const double xf = 60 * fix.FixDLon * cosDeg(in.AssumedLat + fix.FixDLat / 2);
    if (in.Status == FixStatus::Fix) {
        plot.fixCentre = {xf, yf};
        plot.fixRadius = 0.5;
    } else {
        const double arm = kApMarkTwips * 2 * S / W;
        plot.apMark = {{{-arm, 0}, {arm, 0}}, {{0, -arm}, {0, arm}}};
        // Right of the mark, just below the horizontal axis.
        plot.apLabel = {{arm, -0.5 * arm}, {PrintItem::Text(std::string(kApLabel))}};
    }

    // 8: the error ellipse around the fix.
    const ErrorEllipse e = errorEllipse(fix);
    if (e.drawn && in.Status == FixStatus::Fix && finite(xf) && finite(yf)) {
        plot.ellipse.reserve(37);
        const double sinTheta = std::sin(e.theta);
        const double cosTheta = std::cos(e.theta);
        for (int k = 0; k <= 36; ++k) {
            const double t = 10 * k * ephemeris::kRadPerDeg;
            const double X = xf + e.a * std::cos(t) * sinTheta - e.b * std::sin(t) * cosTheta;
            const double Y = yf + e.a * std::cos(t) * cosTheta + e.b * std::sin(t) * sinTheta;
            plot.ellipse.push_back({X, Y});
        }
    }

    // 9: the texts.
    plot.texts.push_back(
        {{0, T},
         {PrintItem::Text("LONa "),
          PrintItem::Figure(ephemeris::RoundedText(
              wrappedLongitude(in.AssumedLon).value_or(std::numeric_limits<double>::quiet_NaN()),
              3))}});
    plot.texts.push_back(
        {{-S, 0},
         {PrintItem::Text("LATa "), PrintItem::Figure(ephemeris::RoundedText(in.AssumedLat, 3))}});
    // Each fix text at least one printed line below the one above it.
    const bool metrics = in.TextHeight > 0 && finite(in.TextHeight) && in.TextWidth != nullptr;
    const double lineHeight = metrics ? in.TextHeight * 2 * T / H : 0;
    double y = 0.95 * T;
    const auto below = [&](double standard) {
        y = standard < y - lineHeight ? standard : y - lineHeight;
        return y;
    };
    // The fix lines at 0.95 T, 0.9 T and 0.8 T; no fix: its reason at 0.95 T.
    const double standard[3] = {0.95 * T, 0.9 * T, 0.8 * T};
    const std::vector<PrintLine> statement = fixStatement(fix, in.Status);
    for (std::size_t k = 0; k < statement.size() && k < 3; ++k) {
        plot.texts.push_back({{-S, k == 0 ? y : below(standard[k])}, statement[k]});
    }
    // A weak fix says so below its distance.
    const std::string weak = weakFixText(fix, in.Status);
    if (!weak.empty()) {
        plot.texts.push_back({{-S, below(0.75 * T)}, {PrintItem::Text(weak)}});
    }
    if (fix.FixDistance > 20) {
        plot.texts.push_back({{-S, below(weak.empty() ? 0.75 * T : 0.7 * T)},
                              {PrintItem::Text(std::string(kPlotRecommendText))}});
    }

    // 10: each LOP label off the texts and the labels before it, where its
    // line allows.
    if (metrics) {
        const double unitsPerTwip = 2 * S / W;
        const auto widthOf = [&](const PlotText& text) {
            return in.TextWidth(platform::printLineText(text.line)) * unitsPerTwip;
        };
        const auto extent = [&](const PlotPoint& at, double width) {
            return TextExtent{at.x, at.x + width, at.y, at.y - lineHeight};
        };
        std::vector<TextExtent> taken;
        taken.reserve(plot.texts.size() + plot.lops.size() + 1);
        for (const PlotText& text : plot.texts) {
            taken.push_back(extent(text.at, widthOf(text)));
        }
        if (!plot.apMark.empty()) {
            taken.push_back(extent(plot.apLabel.at, widthOf(plot.apLabel)));
        }
        for (std::size_t k = 0; k < plot.lops.size(); ++k) {
            PlotText& label = plot.lops[k].label;
            const LabelLine& line = labelLines[k];
            const double width = widthOf(label);
            for (const LabelSpot& spot : labelSpots(line.f, line.Z)) {
                const PlotPoint at = {line.x0 + S * spot.fraction * spot.sinDir - d,
                                      line.y0 + S * spot.fraction * spot.cosDir + d};
                const TextExtent e = extent(at, width);
                const bool free =
                    std::none_of(taken.begin(), taken.end(),
                                 [&](const TextExtent& other) { return overlap(e, other); });
                if (free) {
                    label.at = at;
                    break;
                }
            }
            taken.push_back(extent(label.at, width));
        }
    }
    return plot;
}

std::string readoutText(const std::string& title, double value, const char* positive,
                        const char* negative) {
    const ephemeris::RoundedDegMin shown = ephemeris::RoundDegMin(value, 1);
    const std::string letter = shown.Sign >= 0 ? positive : negative;
    return title + letter + platform::generalText(shown.Deg) + "° " +
           platform::generalText(shown.Min) + "'";
}

PointerReadout pointerReadout(double AssumedLat, double AssumedLon, double X, double Y) {
    const float northing = toSingle(Y) / 60.0f;
    const double latitude = AssumedLat + northing;
    // Read round the Earth: a pointer far east of 180 E reads west.
    const std::optional<double> longitude =
        wrappedLongitude(AssumedLon + X / (60 * ephemeris::CosD(AssumedLat)));
    if (!finite(latitude) || !longitude) {
        return {};  // nothing to read
    }
    return {readoutText("Latitude ", latitude, "N", "S"),
            readoutText("Longitude ", *longitude, "E", "W")};
}

}  // namespace reduction
