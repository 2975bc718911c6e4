// Computed altitude and true azimuth from declination, latitude and local hour
// angle, and the great-circle angle between two points of a sphere.
#include "ephemeris/ephemeris.h"

namespace ephemeris {

void AltitudeAzimuth(double Dec, double Lat, double LHA, double& Hc, double& Zn) {
    Hc = ArcSin(SinD(Dec) * SinD(Lat) + CosD(Dec) * CosD(Lat) * CosD(LHA)) * kDegPerRad;
    // CosD never gives an exact 0, so the divisor is never 0; ArcCos clamps the
    // large quotients of a pole or a zenith body.
    const double q = (SinD(Dec) - SinD(Lat) * SinD(Hc)) / (CosD(Lat) * CosD(Hc));
    const double z = ArcCos(q) * kDegPerRad;
    // West of the meridian, the meridian itself included, the azimuth is 360 - Z.
    if (SinD(LHA) >= 0) {
        Zn = 360 - z;
    } else {
        Zn = z;
    }
}

void AngularDistance(double Lon1, double Lon2, double Lat1, double Lat2, double& Dist) {
    Dist =
        ArcCos(SinD(Lat1) * SinD(Lat2) + CosD(Lat1) * CosD(Lat2) * CosD(Lon2 - Lon1)) * kDegPerRad;
}

}  // namespace ephemeris
