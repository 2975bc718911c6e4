// Greenwich apparent sidereal time, the one rule every position procedure uses.
#pragma once

namespace ephemeris {

// Mean sidereal time from the UT Julian day, plus the equation of the
// equinoxes DeltaPsi * cos(Epsilon) (both in degrees). Result in [0, 360).
double ApparentSiderealTime(double JD, double DeltaPsi, double Epsilon);

// The same from the equation of the equinoxes already formed (degrees), for
// callers that keep it for the instant.
double ApparentSiderealTimeWith(double JD, double EquationOfEquinoxes);

}  // namespace ephemeris
