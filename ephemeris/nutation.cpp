// Nutation in longitude and obliquity from the low-precision series of 13 and
// 9 terms (arc seconds, time factors in centuries from 1900), and the true
// obliquity of the ecliptic on the IAU 1980 mean obliquity.
//
// Theory: the largest terms of the classical nutation series (coefficients
// with time factors in centuries from 1900) on the fundamental arguments of
// the Sun and the Moon; the IAU 1980 mean obliquity 84381.448" -
// 46.815" T - 0.00059" T^2 + 0.001813" T^3. Accuracy: through the sidereal
// time, the GHA of Aries misses the independent golden values (erfa's
// gst06a: tests/ephemeris/golden_positions_test.cpp) by at most 0.0047',
// 1900 to 2100.
#include "ephemeris/ephemeris.h"
#include "ephemeris/last_instant.h"

namespace ephemeris {

namespace {

struct NutationValues {
    double DeltaPsi = 0;
    double DeltaEps = 0;
};

NutationValues nutationSeries(double T) {
    NutationValues n;
    double& DeltaPsi = n.DeltaPsi;
    double& DeltaEps = n.DeltaEps;

    const double t1900 = T + 1;
    const double tau = 0.1 * T;

    const double t2 = T * T;
    const double t3 = t2 * T;
    const double t4 = t3 * T;
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    const double tau4 = tau3 * tau;
    const double tau5 = tau4 * tau;

    // Sun's mean longitude, Moon's mean longitude, Sun's and Moon's mean
    // anomalies and the longitude of the Moon's ascending node, in degrees.
    const double l = Normalize360(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau2 +
                                  tau3 / 49931 - tau4 / 15299 - tau5 / 1988000);
    const double lp = Normalize360(218.3164591 + 481267.88134236 * T - 0.0013268 * t2 +
                                   t3 / 538841 - t4 / 65194000);
    const double m = Normalize360(357.5291092 + 35999.0502909 * T - 0.0001536 * t2 + t3 / 24490000);
    const double mp =
        Normalize360(134.9634114 + 477198.8676313 * T + 0.008997 * t2 + t3 / 69699 - t4 / 14712000);
    const double om =
        Normalize360(125.044555 - 1934.1361849 * T + 0.0020762 * t2 + t3 / 467410 - t4 / 60616000);

    // Nutation in longitude, arc seconds.
    DeltaPsi = -(17.2327 + 0.01737 * t1900) * SinD(om);
    DeltaPsi = DeltaPsi - (1.2927 + 0.00013 * t1900) * SinD(2 * l);
    DeltaPsi = DeltaPsi + 0.2088 * SinD(2 * om);
    DeltaPsi = DeltaPsi - 0.2037 * SinD(2 * lp);
    DeltaPsi = DeltaPsi + (0.1261 - 0.00031 * t1900) * SinD(m);
    DeltaPsi = DeltaPsi + 0.0675 * SinD(mp);
    DeltaPsi = DeltaPsi - (0.0497 - 0.00012 * t1900) * SinD(2 * l + m);
    DeltaPsi = DeltaPsi - 0.0342 * SinD(2 * lp - om);
    DeltaPsi = DeltaPsi - 0.0261 * SinD(2 * lp + mp);
    DeltaPsi = DeltaPsi + 0.0214 * SinD(2 * l - m);
    DeltaPsi = DeltaPsi - 0.0149 * SinD(2 * l - 2 * lp + mp);
    DeltaPsi = DeltaPsi + 0.0124 * SinD(2 * l - om);
    DeltaPsi = DeltaPsi + 0.0114 * SinD(2 * lp - mp);

    // Nutation in obliquity, arc seconds.
    DeltaEps = (9.21 + 0.00091 * t1900) * CosD(om);
    DeltaEps = DeltaEps + (0.5522 - 0.00029 * t1900) * CosD(2 * l);
    DeltaEps = DeltaEps - 0.0904 * CosD(2 * om);
    DeltaEps = DeltaEps + 0.0884 * CosD(2 * lp);
    DeltaEps = DeltaEps + 0.0216 * CosD(2 * l + m);
    DeltaEps = DeltaEps + 0.0183 * CosD(2 * lp - om);
    DeltaEps = DeltaEps + 0.0113 * CosD(2 * lp + mp);
    DeltaEps = DeltaEps - 0.009 * CosD(2 * l - m);
    DeltaEps = DeltaEps - 0.0066 * CosD(2 * l - om);

    DeltaPsi = DeltaPsi / 3600;
    DeltaEps = DeltaEps / 3600;
    return n;
}

}  // namespace

// The Sun, the Moon, the planets and every star of one instant ask for the
// same T: the series runs once per instant.
void Nutation(double T, double& DeltaPsi, double& DeltaEps) {
    thread_local LastInstant<NutationValues> last;
    const NutationValues& n = last.get(T, nutationSeries);
    DeltaPsi = n.DeltaPsi;
    DeltaEps = n.DeltaEps;
}

double MeanObliquity(double T) {
    const double t2 = T * T;
    const double t3 = t2 * T;
    return (84381.448 - 46.815 * T - 0.00059 * t2 + 0.001813 * t3) / 3600;
}

void TrueObliquity(double T, double DeltaEps, double& Epsilon) {
    Epsilon = MeanObliquity(T) + DeltaEps;
}

}  // namespace ephemeris
