// Trigonometry in degrees and the program's own inverse functions, all on the
// pi literal 3.14159265358979.
#include <cmath>

#include "ephemeris/ephemeris.h"

namespace ephemeris {

double SinD(double X) {
    return std::sin((X * kPi) / 180);
}

double CosD(double X) {
    return std::cos((X * kPi) / 180);
}

double TanD(double X) {
    return std::tan((X * kPi) / 180);
}

double ArcSin(double X) {
    if (X >= 1) {
        return kHalfPi;
    }
    if (X <= -1) {
        return -kHalfPi;
    }
    return std::atan(X / std::sqrt(1 - X * X));
}

double ArcCos(double X) {
    if (X >= 1) {
        return 0;
    }
    if (X <= -1) {
        return kPi;
    }
    return kHalfPi - std::atan(X / std::sqrt(1 - X * X));
}

void Atan2Into(double Y, double X, double& Angle) {
    if (Y == 0 && X == 0) {
        Angle = 0;
    } else if (X != 0) {
        double offset = 0;
        if (X < 0) {
            offset = Y >= 0 ? kPi : -kPi;
        }
        Angle = std::atan(Y / X) + offset;
    } else {
        Angle = Y > 0 ? kHalfPi : -kHalfPi;
    }
}

double Atan2(double Y, double X) {
    double angle = 0;
    Atan2Into(Y, X, angle);
    return angle;
}

double Normalize360(double X) {
    return 360 * (X / 360 - std::floor(X / 360));
}

double wrapLongitude(double Lon) {
    if (Lon > -180 && Lon <= 180) {
        return Lon;
    }
    return Lon + 360 * std::floor((180 - Lon) / 360);
}

double Normalize2Pi(double X) {
    const double q = (X * 0.5) / kPi;
    return kTwoPi * (q - std::floor(q));
}

}  // namespace ephemeris
