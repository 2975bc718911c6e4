// Greenwich mean sidereal time (IAU 1982, from the UT Julian day) plus the
// equation of the equinoxes. Accuracy: the GHA of Aries misses the
// independent golden values (erfa's gst06a:
// tests/ephemeris/golden_positions_test.cpp) by at most 0.0047', 1900 to 2100.
#include "ephemeris/sidereal_time.h"

#include "ephemeris/ephemeris.h"

namespace ephemeris {

double ApparentSiderealTimeWith(double JD, double EquationOfEquinoxes) {
    const double t = (JD - 2451545) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;
    double gmst = 360.98564736629 * (JD - 2451545);
    gmst = gmst + 280.46061837;
    gmst = gmst + 0.000387933 * t2;
    gmst = gmst - t3 / 38710000;
    gmst = Normalize360(gmst);
    return Normalize360(gmst + EquationOfEquinoxes);
}

double ApparentSiderealTime(double JD, double DeltaPsi, double Epsilon) {
    return ApparentSiderealTimeWith(JD, DeltaPsi * CosD(Epsilon));
}

}  // namespace ephemeris
