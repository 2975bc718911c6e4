// Circles of position from horizontal angles and the three-point resection.
#include "calculators/circle_of_position.h"

#include <cmath>

#include "ephemeris/ephemeris.h"

namespace calculators {

namespace {

ThreePointStatus noFix(ThreePointStatus Status, double& FixEast, double& FixNorth, double& FixLat,
                       double& FixLon) {
    FixEast = 0;
    FixNorth = 0;
    FixLat = 0;
    FixLon = 0;
    return Status;
}

}  // namespace

void LandmarkOffset(double Lat1, double Lon1, double Lat2, double Lon2, double& East,
                    double& North) {
    North = 60 * (Lat2 - Lat1);
    East = 60 * ephemeris::wrapLongitude(Lon2 - Lon1) * ephemeris::CosD(0.5 * (Lat1 + Lat2));
}

void CircleOfPosition(double Lat1, double Lon1, double Lat2, double Lon2, double Angle,
                      double& CentreEast, double& CentreNorth, double& Radius) {
    double x2 = 0;
    double y2 = 0;
    LandmarkOffset(Lat1, Lon1, Lat2, Lon2, x2, y2);
    const double D = std::sqrt(x2 * x2 + y2 * y2);
    double t = std::tan(0.5 * Angle * kCopRadPerDeg);
    if (t == 0) {
        t = 1e-06;
    }
    // h: from the chord's midpoint to the farthest point of the circle.
    const double h = 0.5 * D / t;
    Radius = 0.25 * D * (t + 1 / t);
    const double Mx = 0.5 * x2;
    const double My = 0.5 * y2;
    const double theta = ephemeris::Atan2(y2, x2);
    const double phi = kCopQuarterTurn - theta;
    // The centre lies R cos(Angle) to the right of the chord's direction.
    CentreEast = Mx + (h - Radius) * std::cos(phi);
    CentreNorth = My - (h - Radius) * std::sin(phi);
}

ThreePointStatus ThreePointFix(double Lat1, double Lon1, double Lat2, double Lon2, double Lat3,
                               double Lon3, double Angle12, double Angle23, double& FixEast,
                               double& FixNorth, double& FixLat, double& FixLon) {
    double x2 = 0;
    double y2 = 0;
    LandmarkOffset(Lat1, Lon1, Lat2, Lon2, x2, y2);

    double Xa = 0;
    double Ya = 0;
    double Ra = 0;
    CircleOfPosition(Lat1, Lon1, Lat2, Lon2, Angle12, Xa, Ya, Ra);
    double Xb = 0;
    double Yb = 0;
    double Rb = 0;
    CircleOfPosition(Lat2, Lon2, Lat3, Lon3, Angle23, Xb, Yb, Rb);
    Xb = Xb + x2;
    Yb = Yb + y2;

    if (Rb == 0) {
        return noFix(ThreePointStatus::ZeroRadius, FixEast, FixNorth, FixLat, FixLon);
    }
    if (Ya == Yb) {
        return noFix(ThreePointStatus::LevelCentres, FixEast, FixNorth, FixLat, FixLon);
    }

    // Radical line of the two circles, y = c - m x.
    const double K = Xa * Xa - Xb * Xb + Ya * Ya - Yb * Yb;
    const double c = (K - (Ra * Ra - Rb * Rb)) / (2 * (Ya - Yb));
    const double m = 2 * (Xa - Xb) / (2 * (Ya - Yb));

    // The line put into circle A: a x^2 + b x + k = 0.
    const double a = 1 + m * m;
    const double b = -2 * Xa - 2 * c * m + 2 * Ya * m;
    const double k = Xa * Xa + Ya * Ya + c * c - 2 * Ya * c - Ra * Ra;
    const double disc = b * b - 4 * a * k;
    if (disc < 0) {
        return noFix(ThreePointStatus::NoCrossing, FixEast, FixNorth, FixLat, FixLon);
    }

    // The four root-sign combinations in turn; one of the two crossings is
    // landmark 2 itself, which the e2 test turns away.
    double s1 = 1;
    double s2 = 1;
    bool accepted = false;
    for (int n = 1; n <= 4 && !accepted; ++n) {
        const double x = (-b + s1 * std::sqrt(disc)) / (2 * a);
        FixEast = x;
        const double bp = -2 * Ya;
        const double kp = (x - Xa) * (x - Xa) - Ra * Ra + Ya * Ya;
        const double discp = bp * bp - 4 * kp;
        if (discp >= 0) {
            const double y = (-bp + s2 * std::sqrt(discp)) / 2;
            FixNorth = y;
            const double e1 =
                std::fabs(((x - Xb) * (x - Xb) + (y - Yb) * (y - Yb)) / (Rb * Rb) - 1);
            const double e2 = ((x2 - x) * (x2 - x) + (y2 - y) * (y2 - y)) / (Rb * Rb);
            accepted = e1 < 0.01 && e2 > 0.01;
        }
        s2 = s2 * s1;
        s1 = -s1;
    }
    if (!accepted) {
        return noFix(ThreePointStatus::NoCandidate, FixEast, FixNorth, FixLat, FixLon);
    }

    double d = std::sqrt(FixEast * FixEast + FixNorth * FixNorth);
    if (d == 0) {
        d = 1;
    }
    const double theta = ephemeris::Atan2(FixEast, FixNorth);
    const double north = d * std::cos(theta);
    const double east =
        d * std::sin(theta) / std::cos((Lat1 + north / 120) * ephemeris::kRadPerDeg);
    FixLat = Lat1 + north / 60;
    FixLon = ephemeris::wrapLongitude(Lon1 + east / 60);
    if (!std::isfinite(FixLat) || !std::isfinite(FixLon)) {
        return noFix(ThreePointStatus::NoCandidate, FixEast, FixNorth, FixLat, FixLon);
    }
    return ThreePointStatus::Fix;
}

}  // namespace calculators
