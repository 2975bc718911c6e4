// Coastal fixing from horizontal angles between charted landmarks: the circle
// on which two landmarks are seen under a measured angle, and the three-point
// resection that intersects two such circles.
//
// Frame: a plane with its origin at landmark 1, x east and y north, in nautical
// miles. A point (Lat, Lon) lies at y = 60 (Lat - Lat1) and
// x = 60 dLon CosD((Lat1 + Lat) / 2), with dLon = Lon - Lon1 brought into
// -180..180 (ephemeris::wrapLongitude), so landmarks on both sides of the 180
// degree meridian sit side by side.
//
// Landmark order: as the observer faces them, left to right (two: left,
// right; three: left, middle, right). The observer stands on the right-hand
// side of the directed line from landmark 1 to landmark 2; the reverse order
// gives the mirror-image circle.
//
// Usage (coastal fix):
//   double eF, nF, FixLat, FixLon;
//   if (ThreePointFix(LatA, LonA, LatB, LonB, LatC, LonC, AngleAB, AngleBC,
//                     eF, nF, FixLat, FixLon) != ThreePointStatus::Fix) { no fix }
//   CircleOfPosition(LatA, LonA, LatB, LonB, AngleAB, east, north, radius);
//   // centre at (east, north) from landmark A, radius in n.mi.
#pragma once

namespace calculators {

// The shortened angle constants of this geometry: the half-angle tangent
// uses 0.01745329 radians per degree, the perpendicular 1.5707963; the fix
// conversion uses the program's own radians per degree (ephemeris::kRadPerDeg).
inline constexpr double kCopRadPerDeg = 0.01745329;
inline constexpr double kCopQuarterTurn = 1.5707963;

// Offset, nautical miles, of point 2 (Lat2, Lon2) from point 1 in point 1's
// frame: North = 60 (Lat2 - Lat1), East = 60 dLon CosD(0.5 (Lat1 + Lat2)).
void LandmarkOffset(double Lat1, double Lon1, double Lat2, double Lon2, double& East,
                    double& North);

// The circle through landmarks 1 and 2 on which they are seen under Angle
// (degrees). Outputs, nautical miles: the centre east (CentreEast) and north
// (CentreNorth) of landmark 1, and the radius. No failure: an angle of 0
// gives a very large circle (the half-angle tangent 0 is taken as 1e-06),
// coincident landmarks give radius 0 with the centre on landmark 1.
void CircleOfPosition(double Lat1, double Lon1, double Lat2, double Lon2, double Angle,
                      double& CentreEast, double& CentreNorth, double& Radius);

// How a three-point resection ended.
enum class ThreePointStatus {
    Fix,           // the fix was found
    LevelCentres,  // the two centres lie at the same northing
    ZeroRadius,    // the second circle has radius 0 (landmarks 2 and 3 coincide)
    NoCrossing,    // the circles do not cross (negative discriminant)
    NoCandidate,   // none of the four root-sign combinations was accepted
};

// Three-point resection from landmarks 1 (left), 2 (middle) and 3 (right) and
// the horizontal angles (degrees) between 1 and 2 and between 2 and 3.
// Outputs: the fix east (FixEast) and north (FixNorth) of landmark 1,
// nautical miles, and its latitude and longitude, degrees (longitude in
// -180..180). Every output is written on every call; on any status but Fix
// they are all 0 and mean nothing. Always ends: at most four candidates.
[[nodiscard]] ThreePointStatus ThreePointFix(double Lat1, double Lon1, double Lat2, double Lon2,
                                             double Lat3, double Lon3, double Angle12,
                                             double Angle23, double& FixEast, double& FixNorth,
                                             double& FixLat, double& FixLon);

}  // namespace calculators
