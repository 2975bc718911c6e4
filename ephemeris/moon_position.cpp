// Apparent place of the Moon from the main terms of the truncated lunar
// theory: hour angle, declination, semi-diameter, horizontal parallax and
// distance, with the illuminated fraction and elongation from the Sun's
// apparent longitude.
//
// Theory: the ELP-2000/82 main problem as truncated to 60 terms in longitude
// and distance and 60 in latitude (ephemeris/moon_terms.cpp), with the
// additive terms of Venus, Jupiter and the Earth's flattening and the
// eccentricity factor E; nutation in longitude only, no aberration or light
// time. Source: the published periodic terms of that truncation (Chapront,
// as tabulated in Meeus, Astronomical Algorithms, 2nd ed., chapter 47).
// Accuracy against the golden values (tests/ephemeris/golden_positions_test.cpp),
// 1900 to 2100, largest miss in GHA x cos Dec / Dec (allowed 0.3'): against
// Swiss Ephemeris with the JPL DE431 files, 0.2809' / 0.1299' at the
// truncation's worst instants (rms 0.0426' / 0.0206' over 1023 spread ones);
// against erfa's moon98 with light time, the same series, 0.0167' / 0.0104',
// the arithmetic.
#include <cstdlib>

#include "ephemeris/ephemeris.h"
#include "ephemeris/moon_terms.h"
#include "ephemeris/sidereal_time.h"

namespace ephemeris {

namespace {

// E for a term whose multiplier of M is +-1, E^2 for +-2, else 1.
double eccentricityFor(int M, double E, double E2) {
    const int m = std::abs(M);
    if (m == 1) {
        return E;
    }
    if (m == 2) {
        return E2;
    }
    return 1;
}

// Normalize360 returns 360 for a tiny negative angle; the outputs stay in [0, 360).
double wrapFullTurn(double X) {
    return X >= 360 ? 0.0 : X;
}

}  // namespace

MoonArguments MoonFundamentalArguments(double T) {
    const double t2 = T * T;
    const double t3 = t2 * T;
    const double t4 = t3 * T;
    MoonArguments a{};
    a.D = Normalize360(297.8502042 + 445267.1115168 * T - 0.00163 * t2 + t3 / 545868 -
                       t4 / 113065000);
    a.F = Normalize360(93.2720993 + 483202.0175273 * T - 0.0034029 * t2 - t3 / 3526000 +
                       t4 / 863310000);
    a.Lp = Normalize360(218.3164591 + 481267.88134236 * T - 0.0013268 * t2 + t3 / 538841 -
                        t4 / 65194000);
    a.M = Normalize360(357.5291092 + 35999.0502909 * T - 0.0001536 * t2 + t3 / 24490000);
    a.Mp =
        Normalize360(134.9634114 + 477198.8676313 * T + 0.008997 * t2 + t3 / 69699 - t4 / 14712000);
    return a;
}

double MoonEccentricityFactor(double T) {
    const double t2 = T * T;
    return 1 - 0.002516 * T - 0.0000074 * t2;
}

MoonSums MoonPeriodicSums(const MoonArguments& Args, double T) {
    const double a1 = Normalize360(119.75 + 131.849 * T);
    const double a2 = Normalize360(53.09 + 479264.290 * T);
    const double a3 = Normalize360(313.45 + 481266.484 * T);

    const double e = MoonEccentricityFactor(T);
    const double e2 = e * e;

    MoonSums s{0, 0, 0};
    for (int k = 0; k < kMoonTermRows; ++k) {
        const MoonLonDistTerm& ld = kMoonLonDistTerms[k];
        const double theta = ld.D * Args.D + ld.M * Args.M + ld.Mp * Args.Mp + ld.F * Args.F;
        const double fl = eccentricityFor(ld.M, e, e2);
        s.Lon = s.Lon + fl * (ld.Lon * SinD(theta));
        s.Dist = s.Dist + fl * (ld.Dist * CosD(theta));

        const MoonLatTerm& b = kMoonLatTerms[k];
        const double phi = b.D * Args.D + b.M * Args.M + b.Mp * Args.Mp + b.F * Args.F;
        const double fb = eccentricityFor(b.M, e, e2);
        s.Lat = s.Lat + fb * (b.Lat * SinD(phi));
    }

    // Additive terms: Venus (A1), Jupiter (A2) and the Earth's flattening.
    s.Lon = s.Lon + 3958 * SinD(a1) + 1962 * SinD(Args.Lp - Args.F) + 318 * SinD(a2);
    s.Lat = s.Lat - 2235 * SinD(Args.Lp) + 382 * SinD(a3) + 175 * SinD(a1 - Args.F) +
            175 * SinD(a1 + Args.F) + 127 * SinD(Args.Lp - Args.Mp) - 115 * SinD(Args.Lp + Args.Mp);
    return s;
}

void MoonPosition(double JD, double T_TT, double SunAppLon, double& GHA, double& Dec, double& SD,
                  double& HP, double& Illum, double& DistKm, double& Elong) {
    const double t = T_TT;

    const MoonArguments args = MoonFundamentalArguments(t);

    // Nutation and the true obliquity.
    double deltaPsi = 0;
    double deltaEps = 0;
    Nutation(t, deltaPsi, deltaEps);
    double eps = 0;
    TrueObliquity(t, deltaEps, eps);

    // Apparent sidereal time from the UT Julian day.
    const double gast = ApparentSiderealTime(JD, deltaPsi, eps);

    const MoonSums sums = MoonPeriodicSums(args, t);

    // Geocentric ecliptic coordinates and distance.
    const double lambda = Normalize360(args.Lp + sums.Lon / 1000000);
    const double beta = sums.Lat / 1000000;
    DistKm = 385000.56 + sums.Dist / 1000;

    // Apparent longitude: nutation only; no aberration or light time.
    const double lambdaApp = lambda + deltaPsi;

    // Right ascension in (-180, 180], left unreduced.
    double alphaRad = 0;
    Atan2Into(SinD(lambdaApp) * CosD(eps) - TanD(beta) * SinD(eps), CosD(lambdaApp), alphaRad);
    const double alpha = kDegPerRad * alphaRad;

    Dec = kDegPerRad * ArcSin(SinD(beta) * CosD(eps) + CosD(beta) * SinD(eps) * SinD(lambdaApp));
    GHA = wrapFullTurn(Normalize360(gast - alpha));

    // Equatorial radius 6378.14 km, lunar radius 1738 km.
    HP = 60 * ArcSin(6378.14 / DistKm) * kDegPerRad;
    SD = 60 * ArcSin(1738 / DistKm) * kDegPerRad;

    // Phase from the difference of the longitudes alone, cut to 0.1 percent.
    Illum = FloorTo1(MoonIlluminatedPercent(lambdaApp - SunAppLon));
    Elong = wrapFullTurn(Normalize360(lambdaApp - SunAppLon));
}

double MoonIlluminatedPercent(double Elong) {
    return 100 * (1 - CosD(Elong)) / 2;
}

}  // namespace ephemeris
