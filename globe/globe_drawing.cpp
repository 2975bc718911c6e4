// The orthographic projection of the globe, its inverse, and the drawing of
// the graticule, the circles of position and the coastlines into a scene.
#include <cmath>
#include <vector>

#include "ephemeris/ephemeris.h"
#include "globe/globe.h"
#include "platform/numtext.h"

namespace globe {

namespace {

using ephemeris::kHalfPi;
using ephemeris::kPi;

// Degrees to radians along a circle of position, and for the outlines.
constexpr double kCopRadPerDeg = 0.017453293;
constexpr double kOutlineRadPerDeg = 0.01745;
// The first and last point of a meridian that is drawn to (80 N and 80 S
// with 360 steps).
constexpr int kMeridianFirstDrawn = 21;
constexpr int kMeridianLastDrawn = 340;
// A circle of position's points, k = 0 to 360.
constexpr int kCopSteps = 360;
// Labels go where the generator's number exceeds this.
constexpr float kLabelChance = 0.95f;

// w = M v (as MatVecMul with n = 3) and the picture point.
struct Projected {
    double depth;  // w(1): positive towards the viewer
    double x;
    double y;
};

inline Projected project(const Matrix3& M, double v1, double v2, double v3, double x0, double y0) {
    const double w1 = M[1][1] * v1 + M[1][2] * v2 + M[1][3] * v3;
    const double w2 = M[2][1] * v1 + M[2][2] * v2 + M[2][3] * v3;
    const double w3 = M[3][1] * v1 + M[3][2] * v2 + M[3][3] * v3;
    return {w1, w2 - x0, w3 - y0};
}

// Cosines and sines of angle(j) for j = 0 to n.
struct AngleTable {
    std::vector<double> cosines;
    std::vector<double> sines;
};

template <class Angle>
AngleTable angleTable(int n, Angle angle) {
    AngleTable t;
    t.cosines.resize(static_cast<std::size_t>(n) + 1);
    t.sines.resize(static_cast<std::size_t>(n) + 1);
    for (int j = 0; j <= n; ++j) {
        const double a = angle(j);
        t.cosines[j] = std::cos(a);
        t.sines[j] = std::sin(a);
    }
    return t;
}

}  // namespace

// ------------------------------------------------------------------ scene

void GlobeScene::clear() {
    segments.clear();
    steps.clear();
    runBroken_ = false;
}

void GlobeScene::disc(double x, double y, double radius, const SceneColor& color) {
    SceneStep step;
    step.kind = SceneStep::Kind::Disc;
    step.color = color;
    step.x = x;
    step.y = y;
    step.radius = radius;
    steps.push_back(std::move(step));
}

void GlobeScene::segment(double x1, double y1, double x2, double y2, const SceneColor& color) {
    if (runBroken_ || steps.empty() || steps.back().kind != SceneStep::Kind::Lines ||
        !(steps.back().color == color)) {
        runBroken_ = false;
        SceneStep step;
        step.kind = SceneStep::Kind::Lines;
        step.color = color;
        step.first = segments.size();
        steps.push_back(std::move(step));
    }
    segments.push_back({x1, y1, x2, y2});
    ++steps.back().count;
}

void GlobeScene::point(double x, double y, const SceneColor& color) {
    SceneStep step;
    step.kind = SceneStep::Kind::Point;
    step.color = color;
    step.x = x;
    step.y = y;
    steps.push_back(std::move(step));
}

void GlobeScene::label(double x, double y, std::string text) {
    SceneStep step;
    step.kind = SceneStep::Kind::Label;
    step.x = x;
    step.y = y;
    step.text = std::move(text);
    steps.push_back(std::move(step));
}

// -------------------------------------------------------------- graticule

void DrawGraticule(double R, int nm, int np, int ns, double x0, double y0, const Matrix3& M,
                   GlobeScene& scene) {
    // Disc.
    scene.disc(0, 0, R, kDiscColor);

    // Meridians, each from north to south; only 80 N to 80 S is drawn.
    const AngleTable along = angleTable(ns, [&](int j) { return kHalfPi - kPi * j / ns; });
    for (int i = 1; i <= nm; ++i) {
        const double lambda = 2 * kPi * (i - 1) / nm;
        const double cosLambda = std::cos(lambda);
        const double sinLambda = std::sin(lambda);
        const SceneColor& color = i == 1 ? kPrimeColor : kGridColor;
        double px = 0;
        double py = 0;
        for (int j = 0; j <= ns; ++j) {
            const double cosPhi = along.cosines[j];
            const Projected p = project(M, R * cosPhi * cosLambda, R * cosPhi * sinLambda,
                                        R * along.sines[j], x0, y0);
            if (!(p.depth < 0 || j < kMeridianFirstDrawn || j > kMeridianLastDrawn)) {
                scene.segment(px, py, p.x, p.y, color);
            }
            px = p.x;
            py = p.y;
        }
    }

    // Parallels, from south to north, each eastward from longitude 0.
    const int ie = np / 2 + 1;  // the equator
    const AngleTable around = angleTable(ns, [&](int j) { return 2 * kPi * j / ns; });
    for (int i = 1; i <= np; ++i) {
        const double phi = kPi * (i - ie) / (np + 1);
        const double cosPhi = std::cos(phi);
        const double z = R * std::sin(phi);
        const SceneColor& color = i == ie ? kPrimeColor : kGridColor;
        double px = 0;
        double py = 0;
        for (int j = 0; j <= ns; ++j) {
            const Projected p =
                project(M, R * cosPhi * around.cosines[j], R * cosPhi * around.sines[j], z, x0, y0);
            if (!(p.depth < 0 || j == 0)) {
                scene.segment(px, py, p.x, p.y, color);
            }
            px = p.x;
            py = p.y;
        }
    }

    // Limb: a polygon of ns sides from its starting point.
    double cx = R - x0;
    double cy = -y0;
    scene.point(cx, cy, kLimbStartColor);
    for (int i = 1; i <= ns; ++i) {
        const double x = R * around.cosines[i] - x0;
        const double y = R * around.sines[i] - y0;
        scene.segment(cx, cy, x, y, kLimbColor);
        cx = x;
        cy = y;
    }
}

// ------------------------------------------------------ circle of position

void DrawCircleOfPosition(int n, double R, double x0, double y0, double lon, double dec, double Ho,
                          const Matrix3& M, const std::function<double()>& nextRandom,
                          GlobeScene& scene) {
    using ephemeris::CosD;
    using ephemeris::SinD;
    const double cd = CosD(dec);
    const double sd = SinD(dec);
    const double cl = CosD(lon);
    const double sl = SinD(lon);
    const double a = R * CosD(Ho);
    const double b = R * SinD(Ho);

    // The same 361 angles for every circle.
    static const AngleTable steps = angleTable(kCopSteps, [](int k) { return k * kCopRadPerDeg; });

    scene.breakRun();
    bool labelled = false;
    double px = 0;
    double py = 0;
    for (int k = 0; k <= kCopSteps; ++k) {
        const double s = a * steps.sines[k];
        const double c = a * steps.cosines[k];
        const double v1 = b * cd * cl - cl * sd * s - sl * c;
        const double v2 = b * cd * sl + cl * c - sl * sd * s;
        const double v3 = b * sd + cd * s;
        const Projected p = project(M, v1, v2, v3, x0, y0);
        if (k == 0) {
            px = p.x;
            py = p.y;
        }
        if (p.depth < 0) {
            px = p.x;
            py = p.y;
            continue;
        }
        scene.segment(px, py, p.x, p.y, kCopColor);
        px = p.x;
        py = p.y;
        const double u = nextRandom();
        if (static_cast<float>(u) > kLabelChance && !labelled) {
            scene.label(p.x, p.y, "LOP# " + platform::generalText(n));
            labelled = true;
        }
    }
}

// --------------------------------------------------------------- outlines

void PlotGlobePoint(int idx, double R, double x0, double y0, const Matrix3& M, double lat,
                    double lon, double px, double py, double& qx, double& qy, GlobeScene& scene) {
    const double cosLat = std::cos(lat);
    const Projected p = project(M, R * cosLat * std::cos(lon), R * cosLat * std::sin(lon),
                                R * std::sin(lat), x0, y0);
    qx = p.x;
    qy = p.y;
    if (idx > 1 && p.depth > 0) {
        scene.segment(px, py, qx, qy, kCoastColor);
    }
}

void DrawCoastline(const CoastOutline& outline, double R, double x0, double y0, const Matrix3& M,
                   GlobeScene& scene) {
    double px = 0;
    double py = 0;
    for (int i = 1; i <= outline.Count; ++i) {
        const CoastPoint& point = outline.Points[i - 1];
        const double lat = point.Lat * kOutlineRadPerDeg;
        const double lon = point.Lon * kOutlineRadPerDeg;
        double qx = 0;
        double qy = 0;
        PlotGlobePoint(i, R, x0, y0, M, lat, lon, px, py, qx, qy, scene);
        px = qx;
        py = qy;
    }
}

// The outlines in the order of coastlineOutlines().
void DrawAntarctica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene) {
    DrawCoastline(coastlineOutlines()[0], R, x0, y0, M, scene);
}

void DrawNorthAmerica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene) {
    DrawCoastline(coastlineOutlines()[1], R, x0, y0, M, scene);
}

void DrawSouthAmerica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene) {
    DrawCoastline(coastlineOutlines()[2], R, x0, y0, M, scene);
}

void DrawAustralia(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene) {
    DrawCoastline(coastlineOutlines()[3], R, x0, y0, M, scene);
}

void DrawAfrica(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene) {
    DrawCoastline(coastlineOutlines()[4], R, x0, y0, M, scene);
}

void DrawEurasia(double R, double x0, double y0, const Matrix3& M, GlobeScene& scene) {
    DrawCoastline(coastlineOutlines()[5], R, x0, y0, M, scene);
}

// ------------------------------------------------------ inverse projection

void ScreenToLatLon(double R, double x0, double y0, double X, double Y, const Matrix3& Inverse,
                    double& lat, double& lon) {
    Vector3 b{};
    b[2] = X + x0;
    b[3] = Y + y0;
    b[1] = std::sqrt(R * R - b[2] * b[2] - b[3] * b[3]);
    Vector3 e{};
    MatVecMul(3, Inverse, b, e);
    lat = ArcSinClamped(e[3] / R);
    const double sine = e[2] / (R * std::cos(lat));
    const double cosine = e[1] / (R * std::cos(lat));
    AngleFromSinCos(sine, cosine, lon);
}

}  // namespace globe
