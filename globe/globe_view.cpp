// The globe window's computation: the redraw, the first view, the drags, the
// zoom box and the pointer read-out.
#include <algorithm>
#include <cmath>

#include "ephemeris/ephemeris.h"
#include "globe/globe.h"
#include "platform/numtext.h"
#include "reduction/lop_plot.h"

namespace globe {

namespace {

// Degrees to radians of the view angles.
constexpr double kViewRadPerDeg = 0.01745;
// Radians to degrees of the read-out.
constexpr double kReadoutDegPerRad = 57.29578;
// The view's half-width in picture units.
constexpr double kHalfWidth = 1.5;
// The graticule of every redraw.
constexpr int kMeridians = 36;
constexpr int kParallels = 17;
constexpr int kCircleSteps = 360;
// The zoom's range once dragged.
constexpr double kLeastZoom = 0.5;
constexpr double kGreatestZoom = 100;
// A zoom drag over the half-width (1.5 units) multiplies the zoom by this.
constexpr double kZoomBase = 10;
// A drag across the half-width turns the globe by this many degrees / Zoom.
constexpr double kDragDegrees = 90;

std::string angleText(const char* name, const char* positive, const char* negative,
                      double radians) {
    return reduction::readoutText(name, radians * kReadoutDegPerRad, positive, negative);
}

// The GHA the first view faces (degrees, 0 to 360): the middle of the arc
// that holds the GHAs of sights 1 to n, that is of the circle left outside the
// largest gap between neighbouring GHAs. The gap across 0/360 is taken first
// and a gap between neighbours replaces it only when strictly larger, so on a
// tie the gap across 0/360 wins (GHAs 0 and 180 face 90, the middle of their
// range) and then the first largest gap in increasing GHA. One sight, or
// GHAs that are all equal, face that GHA; no sight faces 0.
double middleGha(int n, const std::array<double, reduction::kSightLogSize>& Gha) {
    const int last = n < reduction::kSightLogSize - 1 ? n : reduction::kSightLogSize - 1;
    if (last < 1) {
        return 0;
    }
    std::array<double, reduction::kSightLogSize> sorted{};
    for (int i = 1; i <= last; ++i) {
        sorted[i - 1] = ephemeris::Normalize360(Gha[i]);
    }
    std::sort(sorted.begin(), sorted.begin() + last);
    const double lowest = sorted[0];
    const double highest = sorted[last - 1];
    double gap = lowest + 360 - highest;
    double middle = (highest + lowest) * 0.5;
    for (int k = 0; k + 1 < last; ++k) {
        const double between = sorted[k + 1] - sorted[k];
        if (between > gap) {
            gap = between;
            // The sights lie from sorted[k + 1] up across 360 to sorted[k].
            middle = ephemeris::Normalize360((sorted[k + 1] + sorted[k] + 360) * 0.5);
        }
    }
    return middle;
}

}  // namespace

GlobeFrame DrawGlobe(const GlobeView& view, const GlobeSights& sights, double pictureWidth,
                     double pictureHeight, const std::function<double()>& nextRandom,
                     GlobeScene& scene) {
    scene.clear();
    GlobeFrame frame;
    // The aspect in single precision, as the picture's size is kept.
    const float width = static_cast<float>(pictureWidth);
    const float height = static_cast<float>(pictureHeight);
    if (!(width > 0 && height > 0)) {
        return frame;  // no area to draw on
    }
    const double R = view.Zoom;
    const double W = kHalfWidth;
    const float aspect = width / height;
    const double H = W / aspect;
    frame.drawn = true;
    frame.Radius = R;
    frame.ScaleLeft = -W;
    frame.ScaleTop = H;
    frame.ScaleWidth = 2 * W;
    frame.ScaleHeight = -2 * H;

    RotationMatrix(view.SpinAngle, view.TiltAngle, 0, frame.ViewMatrix);
    MatTranspose(3, frame.ViewMatrix, frame.InverseViewMatrix);

    DrawGraticule(R, kMeridians, kParallels, kCircleSteps, 0, 0, frame.ViewMatrix, scene);
    DrawAntarctica(R, 0, 0, frame.ViewMatrix, scene);
    DrawNorthAmerica(R, 0, 0, frame.ViewMatrix, scene);
    DrawSouthAmerica(R, 0, 0, frame.ViewMatrix, scene);
    DrawAustralia(R, 0, 0, frame.ViewMatrix, scene);
    DrawAfrica(R, 0, 0, frame.ViewMatrix, scene);
    DrawEurasia(R, 0, 0, frame.ViewMatrix, scene);
    const int last = sights.SightCount < reduction::kSightLogSize - 1
                         ? sights.SightCount
                         : reduction::kSightLogSize - 1;
    for (int i = 1; i <= last; ++i) {
        if (sights.Included[i] != 1) {
            continue;
        }
        const double lon = -sights.CopGha[i];
        const double dec = sights.CopDec[i];
        const double Ho = sights.CopHo[i];
        if (lon != 0 && Ho != 0) {
            DrawCircleOfPosition(i, R, 0, 0, lon, dec, Ho, frame.ViewMatrix, nextRandom, scene);
        }
    }
    return frame;
}

GlobeView initialView(const GlobeSights& sights) {
    double DecMax = 0;
    double DecMin = 0;
    ArrayMaxMin(sights.SightCount, sights.CopDec, DecMax, DecMin);
    const double DecMid = (DecMax + DecMin) * 0.5;
    // Sights across 0/360 are faced from their side of the globe.
    const double LonMid = -middleGha(sights.SightCount, sights.CopGha);
    GlobeView view;
    view.Zoom = 1;
    view.SpinAngle = LonMid * kViewRadPerDeg;
    view.TiltAngle = kViewRadPerDeg * (-DecMid);
    return view;
}

void dragStart(const GlobeView& view, GlobeDrag& drag, double X, double Y) {
    drag.DragX0 = X;
    drag.DragY0 = Y;
    drag.SpinAngle0 = view.SpinAngle;
    drag.TiltAngle0 = view.TiltAngle;
    drag.Zoom0 = view.Zoom;
    drag.DragStarted = true;
}

void dragMove(GlobeView& view, GlobeDrag& drag, int Button, double X, double Y) {
    if (!drag.DragStarted) {
        dragStart(view, drag, X, Y);
    }
    if (Button == 2) {
        // A function of the pointer's height alone: the same drag gives the
        // same zoom however many moves report it. Below the start zooms in.
        const double zoom = drag.Zoom0 * std::pow(kZoomBase, (drag.DragY0 - Y) / kHalfWidth);
        view.Zoom = std::isnan(zoom) ? drag.Zoom0 : zoom;
        if (view.Zoom < kLeastZoom) {
            view.Zoom = kLeastZoom;
        }
        if (view.Zoom > kGreatestZoom) {
            view.Zoom = kGreatestZoom;
        }
    } else if (Button == 1) {
        view.SpinAngle = drag.SpinAngle0 -
                         kViewRadPerDeg * kDragDegrees * (X - drag.DragX0) / kHalfWidth / view.Zoom;
        view.TiltAngle = drag.TiltAngle0 -
                         kViewRadPerDeg * kDragDegrees * (drag.DragY0 - Y) / kHalfWidth / view.Zoom;
    }
}

std::string zoomBoxText(double Zoom) {
    return platform::generalText(ephemeris::FloorTo1(Zoom));
}

PointerReadout pointerReadout(double R, double X, double Y, const Matrix3& InverseViewMatrix) {
    PointerReadout out;
    if (!(R * R - X * X - Y * Y > 0)) {
        return out;
    }
    double lat = 0;
    double lon = 0;
    ScreenToLatLon(R, 0, 0, X, Y, InverseViewMatrix, lat, lon);
    out.inside = true;
    out.Latitude = angleText("Latitude = ", "North ", "South ", lat);
    out.Longitude = angleText("Longitude = ", "East ", "West ", lon);
    return out;
}

}  // namespace globe
