#include "planner/moon_phase.h"

#include <cmath>

#include "ephemeris/ephemeris.h"

namespace planner {

MoonPhase moonPhase(double Phase, double width, double height) {
    MoonPhase m;
    const float r = static_cast<float>(width) / static_cast<float>(height > 0 ? height : 1);
    m.scaleLeft = -1;
    m.scaleTop = 1 / r;
    m.scaleWidth = 2;
    m.scaleHeight = -2 / r;
    const double R = m.Radius;
    const double Cx = m.CentreX;
    const double Cy = m.CentreY;

    // Waxing: the left half dark; waning: the right half.
    const bool leftDark = Phase < 180;
    m.corner1 = {leftDark ? Cx - R : Cx + R, Cy - R};
    m.corner2 = {Cx, Cy + R};
    // A crescent has a dark ellipse, a gibbous Moon a lit one.
    const bool gibbous = Phase >= 90 && Phase < 270;
    m.ellipseColor = gibbous ? kMoonLit : kMoonDark;

    double phi = Phase;
    if (phi == 90) {
        phi = 89;
    } else if (phi == 270) {
        phi = 271;
    }
    double k = std::fabs(1 / ephemeris::CosD(phi));
    if (!(k <= kMaxTerminatorAspect)) {
        k = kMaxTerminatorAspect;
    }
    m.aspect = k;
    return m;
}

}  // namespace planner
