// Apparent place of the Sun from the Earth's heliocentric series, with
// nutation and annual aberration, and the GHA of Aries for the same instant.
//
// Theory: the Earth's VSOP87D series truncated to terms of at least
// 6.25 / 4^k x 1e-8 in the tau^k block (ephemeris/earth_series_terms.cpp),
// the geocentric Sun opposite the Earth, nutation in longitude from the
// 13-term series, aberration -20.4898" / R, the true obliquity on the IAU
// 1980 mean obliquity, and the apparent sidereal time from the UT Julian day.
// Source: the published VSOP87D file of the Earth (data/vsop87d/).
// Accuracy against the independent golden values (erfa, the IAU SOFA
// routines: tests/ephemeris/golden_positions_test.cpp), 1900 to 2100:
// largest miss 0.0025' in GHA x cos Dec and 0.0031' in Dec (allowed 0.05');
// the GHA of Aries 0.0047' (allowed 0.01').
#include "ephemeris/ephemeris.h"
#include "ephemeris/sidereal_time.h"

namespace ephemeris {

void SunPosition(double JD, double T_TT, double& GHA, double& Dec, double& SD, double& SHA,
                 double& GHAAries, double& EarthL, double& EarthB, double& EarthR,
                 double& SunAppLon, double& SunGeoLon) {
    const double tau = 0.1 * T_TT;

    PlanetHelio(3, tau, EarthL, EarthB, EarthR);
    EarthL = Normalize360(EarthL);
    EarthB = Normalize360(EarthB);

    double deltaPsi = 0;
    double deltaEps = 0;
    Nutation(T_TT, deltaPsi, deltaEps);
    double epsilon = 0;
    TrueObliquity(T_TT, deltaEps, epsilon);

    // Sidereal time runs on UT (JD); T_TT reaches it only through the nutation.
    const double gast = ApparentSiderealTime(JD, deltaPsi, epsilon);
    GHAAries = gast;

    // Geocentric: opposite the Earth in longitude and latitude.
    SunGeoLon = Normalize360(EarthL + 180);
    const double beta = Normalize360(-EarthB);

    // Nutation in longitude and annual aberration.
    SunAppLon = Normalize360(SunGeoLon + deltaPsi - 0.0056916 / EarthR);
    const double lambda = SunAppLon;

    double raRadians = 0;
    Atan2Into(SinD(lambda) * CosD(epsilon) - TanD(beta) * SinD(epsilon), CosD(lambda), raRadians);
    double alpha = Normalize360(kDegPerRad * raRadians);
    // A right ascension a hair below zero reduces to exactly 360; it is 0, so
    // that SHA stays in (0, 360].
    if (alpha == 360) {
        alpha = 0;
    }

    SHA = 360 - alpha;
    Dec =
        kDegPerRad * ArcSin(SinD(beta) * CosD(epsilon) + CosD(beta) * SinD(epsilon) * SinD(lambda));
    GHA = Normalize360(gast - alpha);
    SD = (959.63 / EarthR) / 60;
}

SunPlace SunPlaceAt(double JD, double T_TT) {
    SunPlace s;
    SunPosition(JD, T_TT, s.GHA, s.Dec, s.SD, s.SHA, s.GHAAries, s.EarthL, s.EarthB, s.EarthR,
                s.SunAppLon, s.SunGeoLon);
    return s;
}

double SunHorizontalParallax(double EarthR) {
    return 0.1466 / EarthR;
}

}  // namespace ephemeris
