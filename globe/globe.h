// The globe view: an orthographic globe with its graticule, the six
// coastline outlines and the circles of position of the last reduction.
//
// Frames: a point at latitude phi and east longitude lambda on a globe of
// radius R is the Earth-fixed vector R (cos phi cos lambda, cos phi sin lambda,
// sin phi), component 3 towards the North Pole. Its view vector is w = M v for
// the view matrix M = RotationMatrix(SpinAngle, TiltAngle, 0); the picture
// point is (w(2) - x0, w(3) - y0) with y up, and the point faces the viewer
// when w(1) is positive. Matrices and vectors are indexed from 1 to 3 (index 0
// is never read or written).
//
// The drawing procedures write into a GlobeScene, the globe picture as a list
// of drawing steps in order; the globe window draws the scene into its
// picture. Every redraw, as Form16 makes it:
//   GlobeScene scene;                     // kept between redraws
//   GlobeFrame frame = DrawGlobe(view, sights, pictureWidth, pictureHeight,
//                                nextRandom, scene);
//   set the picture's scale from frame, clear it, draw scene.steps in order;
//   keep frame.Radius and frame.InverseViewMatrix for the pointer read-out
//   (pointerReadout).
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/line_segment.h"
#include "reduction/sight_log.h"

namespace globe {

// ------------------------------------------------- rotation and matrices

using Matrix3 = std::array<std::array<double, 4>, 4>;  // (row, column), 1 to 3
using Vector3 = std::array<double, 4>;                 // 1 to 3

// Arccosine in radians, 0 to 3.14159265358979; 0 at x >= 1, pi at x <= -1.
double ArcCosClamped(double x);
// Arcsine in radians, +-1.570796326794895 at |x| >= 1.
double ArcSinClamped(double x);
// The angle (radians, above 3.14159 - 6.283185, at most 3.14159) whose sine
// and cosine are S and C: the reference angle from whichever is small in
// magnitude, the quadrant from their signs. When neither |S| nor |C| is at
// most 0.707107, A keeps the value it had on entry before the quadrant steps.
void AngleFromSinCos(double S, double C, double& A);

// Elementary rotations of the frame (rows 1 to 3).
void RotateXMatrix(double c, Matrix3& M);
void RotateYMatrix(double b, Matrix3& M);
void RotateZMatrix(double a, Matrix3& M);
// M = Rx(c) Ry(b) Rz(a).
void RotationMatrix(double a, double b, double c, Matrix3& M);
// C = A B for n x n matrices (C is a matrix of its own).
void MatMul(int n, const Matrix3& A, const Matrix3& B, Matrix3& C);
// w = M v (w is a vector of its own).
void MatVecMul(int n, const Matrix3& M, const Vector3& v, Vector3& w);
// B = the transpose of A (rows and columns 1 to n).
void MatTranspose(int n, const Matrix3& A, Matrix3& B);
// Largest and smallest of A(1) to A(n), strict tests; -1E+26 and 1E+26 when
// n < 1.
void ArrayMaxMin(int n, const std::array<double, reduction::kSightLogSize>& A, double& Max,
                 double& Min);

// ------------------------------------------------------------ the scene

struct SceneColor {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const SceneColor& o) const { return r == o.r && g == o.g && b == o.b; }
};

inline constexpr SceneColor kDiscColor{50, 50, 100};
inline constexpr SceneColor kGridColor{150, 150, 150};
inline constexpr SceneColor kPrimeColor{255, 0, 0};  // 0 degree meridian and equator
inline constexpr SceneColor kLimbStartColor{64, 64, 64};
inline constexpr SceneColor kLimbColor{0, 128, 128};
inline constexpr SceneColor kCopColor{250, 250, 67};
inline constexpr SceneColor kCoastColor{255, 255, 255};

// A straight segment in picture units.
using SceneSegment = platform::LineSegment;

// One drawing step.
struct SceneStep {
    enum class Kind {
        Disc,   // filled circle of radius `radius` at (x, y), fill and rim in `color`
        Lines,  // segments[first, first + count) in `color`, in order
        Point,  // a single point at (x, y) in `color`; the current drawing position
        Label   // `text` in the picture's text colour, top-left corner at (x, y)
    };
    Kind kind = Kind::Lines;
    SceneColor color;
    std::size_t first = 0;
    std::size_t count = 0;
    double x = 0;
    double y = 0;
    double radius = 0;
    std::string text;
};

// The globe picture as drawing steps in order. Consecutive segments of one
// colour share a step (each circle of position has its own), so the window
// draws them with few calls.
class GlobeScene {
  public:
    std::vector<SceneSegment> segments;
    std::vector<SceneStep> steps;

    // Empties the scene, keeping its storage.
    void clear();
    void disc(double x, double y, double radius, const SceneColor& color);
    void segment(double x1, double y1, double x2, double y2, const SceneColor& color);
    // The next segment starts a Lines step of its own (one step per circle of
    // position).
    void breakRun() { runBroken_ = true; }
    void point(double x, double y, const SceneColor& color);
    void label(double x, double y, std::string text);
    // The segments of a Lines step.
    const SceneSegment* segmentsOf(const SceneStep& step) const {
        return segments.data() + step.first;
    }

  private:
    bool runBroken_ = false;
};

// ------------------------------------------------ projection and drawing

// The disc, the meridians (36 from 80 N to 80 S) and parallels (17) and the
// limb (a polygon of ns sides), drawn as the globe window draws them.
void DrawGraticule(double R, int nm, int np, int ns, double x0, double y0, const Matrix3& M,
                   GlobeScene& scene);
// The circle of position of sight n: 361 points at the angular distance
// 90 - Ho degrees from the ground position (lon east, dec north, degrees),
// with the label "LOP# n" at the first visible point whose number from
// nextRandom exceeds 0.95. nextRandom is called once for every visible point.
void DrawCircleOfPosition(int n, double R, double x0, double y0, double lon, double dec, double Ho,
                          const Matrix3& M, const std::function<double()>& nextRandom,
                          GlobeScene& scene);
// Projects the point (lat, lon in radians) to (qx, qy) and, when idx > 1 and
// the point faces the viewer (w(1) > 0), draws the white segment from (px, py).
void PlotGlobePoint(int idx, double R, double x0, double y0, const Matrix3& M, double lat,
                    double lon, double px, double py, double& qx, double& qy, GlobeScene& scene);
// The inverse projection of the picture point (X, Y), which must lie strictly
// inside the disc of radius R: latitude and longitude (east) in radians.
void ScreenToLatLon(double R, double x0, double y0, double X, double Y, const Matrix3& Inverse,
                    double& lat, double& lon);

// ------------------------------------------------------------ coastlines

struct CoastPoint {
    double Lat;  // degrees, north positive
    double Lon;  // degrees, east positive, -180 to 180
};

struct CoastOutline {
    const char* Name;
    const CoastPoint* Points;
    int Count;
};

inline constexpr int kOutlineCount = 6;
// Antarctica, North America, South America, Australia, Africa, Eurasia: the
// order in which the globe draws them (globe/coastline_tables.cpp).
const std::array<CoastOutline, kOutlineCount>& coastlineOutlines();

// Walks the outline's points, each in degrees times 0.01745, through
// PlotGlobePoint: one closed white polyline on the visible hemisphere.
void DrawCoastline(const CoastOutline& outline, double R, double x0, double y0, const Matrix3& M,
                   GlobeScene& scene);

// The six outlines by name, each drawn by DrawCoastline; the globe draws
// them in this order.
void DrawAntarctica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene);
void DrawNorthAmerica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene);
void DrawSouthAmerica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene);
void DrawAustralia(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene);
void DrawAfrica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene);
void DrawEurasia(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene);

// ------------------------------------------------------------ the window

// The view: SpinAngle (radians, the east longitude at the centre), TiltAngle
// (radians, minus the latitude at the centre) and Zoom (the globe's radius in
// picture units, whose half-width is 1.5).
struct GlobeView {
    double SpinAngle = 0;
    double TiltAngle = 0;
    double Zoom = 1;
};

// What the globe reads of the sight log and the last reduction.
struct GlobeSights {
    int SightCount = 0;
    std::array<double, reduction::kSightLogSize> Included{};  // SightData(i, 2)
    std::array<double, reduction::kSightLogSize> CopGha{};    // degrees, westward
    std::array<double, reduction::kSightLogSize> CopDec{};    // degrees, north positive
    std::array<double, reduction::kSightLogSize> CopHo{};     // degrees
};

// The picture's user scale and the matrices of one redraw.
struct GlobeFrame {
    bool drawn = false;  // false: the picture had no area, nothing was drawn
    double Radius = 0;   // the globe's radius in picture units (Zoom)
    double ScaleLeft = 0;
    double ScaleTop = 0;
    double ScaleWidth = 0;
    double ScaleHeight = 0;
    Matrix3 ViewMatrix{};
    Matrix3 InverseViewMatrix{};
};

// The whole picture for the view: graticule, the six outlines and the circle
// of every included sight whose GP longitude and Ho are not 0. pictureWidth
// and pictureHeight are the picture's outer size (any unit); when either is
// not positive the scene stays empty and frame.drawn is false.
GlobeFrame DrawGlobe(const GlobeView& view, const GlobeSights& sights, double pictureWidth,
                     double pictureHeight, const std::function<double()>& nextRandom,
                     GlobeScene& scene);

// The first view: centred on the middle of the declination range of sights 1
// to SightCount and on the middle of the arc that holds their GHAs (the circle
// outside the largest gap between neighbouring GHAs, so sights on either side
// of GHA 0 are faced across it), zoom 1.
GlobeView initialView(const GlobeSights& sights);

// The drag state of the picture.
struct GlobeDrag {
    bool ButtonHeld = false;
    bool DragStarted = false;
    double DragX0 = 0;
    double DragY0 = 0;
    double SpinAngle0 = 0;
    double TiltAngle0 = 0;
    double Zoom0 = 1;  // the zoom at the drag's start
};

// The button pressed at X, Y: the drag starts there, from the view of then,
// so that the first move already turns or zooms by how far it went.
void dragStart(const GlobeView& view, GlobeDrag& drag, double X, double Y);

// A move with a button held: records the drag's start on its first move when
// the press was not seen,
// then a right drag (Button 2) zooms to Zoom0 x 10^((DragY0 - Y) / 1.5),
// kept within 0.5 to 100 (a pointer 1.5 units below the start zooms in ten
// times), a left drag (Button 1) turns the globe and any other button state
// leaves the view as it is.
void dragMove(GlobeView& view, GlobeDrag& drag, int Button, double X, double Y);

// The zoom box's text: the zoom cut to 0.1 ("1", "2.3", "100").
std::string zoomBoxText(double Zoom);

// The hover read-out of the pointer at (X, Y) on a globe drawn with radius R:
// empty `inside` when the pointer is not strictly inside its disc.
struct PointerReadout {
    bool inside = false;
    std::string Latitude;   // "Latitude = North 41° 23.7'"
    std::string Longitude;  // "Longitude = West 70° 5'"
};
PointerReadout pointerReadout(double R, double X, double Y, const Matrix3& InverseViewMatrix);

}  // namespace globe
