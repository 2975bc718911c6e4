// The working of a planet's apparent place: the light-time passes, the
// geocentric ecliptic place and the annual aberration, beside the outputs of
// PlanetPosition (which reports only the outputs).
#pragma once

namespace ephemeris {

struct PlanetPlaceWork {
    double FirstDist = 0;  // Earth-planet distance of the first light-time pass, AU
    double LightTime = 0;  // light time the second pass uses, days
    double Dist = 0;       // distance of the second pass, AU
    double Lambda = 0;     // geocentric ecliptic longitude, degrees, (-180, 180]
    double Beta = 0;       // geocentric ecliptic latitude, degrees
    double DLambda = 0;    // annual aberration in longitude, degrees
    double DBeta = 0;      // annual aberration in latitude, degrees
    double GHA = 0;        // degrees, [0, 360)
    double Dec = 0;        // degrees
    double SHA = 0;        // degrees, (0, 360]
    double HP = 0;         // horizontal parallax, arc minutes
};

// PlanetCode 2 Venus, 4 Mars, 5 Jupiter, 6 Saturn; for any other code every
// field is 0. EarthL, EarthB, EarthR come from SunPosition for the same JD
// and T_TT.
PlanetPlaceWork PlanetPositionWork(double JD, double T_TT, int PlanetCode, double EarthL,
                                   double EarthB, double EarthR);

}  // namespace ephemeris
