// Apparent place of Venus, Mars, Jupiter or Saturn: heliocentric series at the
// instant corrected for light time (two passes), minus the Earth's position
// from SunPosition, annual aberration, nutation in longitude, and the hour
// angle from the apparent sidereal time.
//
// Theory: each planet's VSOP87D series truncated to terms of at least
// 25 / 4^k x 1e-8 in the tau^k block (series/), the Earth's as for the Sun;
// aberration with the constant 20.495". Source: the published VSOP87D files
// (data/vsop87d/). Accuracy against the independent golden values (libastro's
// apparent places: tests/ephemeris/golden_positions_test.cpp), 1900 to 2100,
// largest miss in GHA x cos Dec / Dec: Venus 0.0108' / 0.0025', Mars
// 0.0092' / 0.0024', Jupiter 0.0106' / 0.0034', Saturn 0.0155' / 0.0086'
// (allowed 0.1').
#include "ephemeris/planet_position.h"

#include <cmath>

#include "ephemeris/ephemeris.h"
#include "ephemeris/sidereal_time.h"

namespace ephemeris {

namespace {

bool isPlanet(int PlanetCode) {
    return PlanetCode == 2 || PlanetCode == 4 || PlanetCode == 5 || PlanetCode == 6;
}

// Light time (days) the first pass starts from.
double startingLightTime(int PlanetCode) {
    switch (PlanetCode) {
        case 2:
            return 0.006;
        case 4:
            return 0.004;
        case 5:
            return 0.03;
        case 6:
            return 0.05;
        default:
            return 0;
    }
}

}  // namespace

PlanetPlaceWork PlanetPositionWork(double JD, double T_TT, int PlanetCode, double EarthL,
                                   double EarthB, double EarthR) {
    PlanetPlaceWork w;
    // Only the four planets have a place; the Earth (code 3) would stand at
    // zero distance from itself.
    if (!isPlanet(PlanetCode)) {
        return w;
    }

    double lightTime = startingLightTime(PlanetCode);

    // Universal time for the aberration constants and the sidereal time.
    const double tUt = (JD - 2451545) / 36525;
    const double tUt2 = tUt * tUt;

    double deltaPsi = 0;
    double deltaEps = 0;
    Nutation(T_TT, deltaPsi, deltaEps);
    double epsilon = 0;
    TrueObliquity(T_TT, deltaEps, epsilon);
    const double gast = ApparentSiderealTime(JD, deltaPsi, epsilon);

    // Two light-time passes, a fixed count: the first from the starting light
    // time, the second from the distance the first found.
    double x = 0;
    double y = 0;
    double z = 0;
    double dist = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const double tau = 0.1 * (T_TT - lightTime / 36525);
        double l = 0;
        double b = 0;
        double r = 0;
        PlanetHelio(PlanetCode, tau, l, b, r);
        x = r * CosD(b) * CosD(l) - EarthR * CosD(EarthB) * CosD(EarthL);
        y = r * CosD(b) * SinD(l) - EarthR * CosD(EarthB) * SinD(EarthL);
        z = r * SinD(b) - EarthR * SinD(EarthB);
        dist = std::sqrt(x * x + y * y + z * z);
        if (pass == 0) {
            w.FirstDist = dist;
        }
        lightTime = 0.0057755183 * dist;
        if (pass == 0) {
            w.LightTime = lightTime;
        }
    }
    w.Dist = dist;

    // Geocentric ecliptic place, degrees; the longitude is left in (-180, 180].
    const double lambda = kDegPerRad * Atan2(y, x);
    const double beta = kDegPerRad * Atan2(z, std::sqrt(x * x + y * y));
    w.Lambda = lambda;
    w.Beta = beta;

    // Annual aberration: eccentricity and perihelion of the Earth's orbit,
    // and the Sun's geometric longitude.
    const double kappa = 20.495 / 3600;
    const double e = 0.016708634 - 0.000042037 * tUt - 0.0000001267 * tUt2;
    const double perihelion = 102.93735 + 1.71946 * tUt + 0.00046 * tUt2;
    const double theta = EarthL + 180;
    const double dLambda =
        -kappa * (CosD(theta - lambda) - e * CosD(perihelion - lambda)) / CosD(beta);
    const double dBeta =
        -kappa * SinD(beta) * (SinD(theta - lambda) - e * SinD(perihelion - lambda));
    w.DLambda = dLambda;
    w.DBeta = dBeta;

    const double lambdaApp = lambda + dLambda + deltaPsi;
    const double betaApp = beta + dBeta;

    double raRadians = 0;
    Atan2Into(SinD(lambdaApp) * CosD(epsilon) - TanD(betaApp) * SinD(epsilon), CosD(lambdaApp),
              raRadians);
    double alpha = Normalize360(kDegPerRad * raRadians);
    // A right ascension a hair below zero reduces to exactly 360; it is 0, so
    // that SHA stays in (0, 360].
    if (alpha == 360) {
        alpha = 0;
    }

    w.SHA = 360 - alpha;
    w.Dec = kDegPerRad *
            ArcSin(SinD(betaApp) * CosD(epsilon) + CosD(betaApp) * SinD(epsilon) * SinD(lambdaApp));
    double gha = Normalize360(gast - alpha);
    if (gha == 360) {
        gha = 0;
    }
    w.GHA = gha;
    // The parallax is the ratio of the Earth's radius to the distance, taken
    // as an angle in radians.
    w.HP = 6371 / (149597870 * dist) * kDegPerRad * 60;
    return w;
}

void PlanetPosition(double JD, double T_TT, int PlanetCode, double EarthL, double EarthB,
                    double EarthR, double& GHA, double& Dec, double& SHA, double& HP,
                    double& Dist) {
    const PlanetPlaceWork w = PlanetPositionWork(JD, T_TT, PlanetCode, EarthL, EarthB, EarthR);
    GHA = w.GHA;
    Dec = w.Dec;
    SHA = w.SHA;
    HP = w.HP;
    Dist = w.Dist;
}

}  // namespace ephemeris
