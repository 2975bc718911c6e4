// Heliocentric ecliptic longitude, latitude and radius vector of the Earth and
// the planets from the truncated VSOP87D series (mean ecliptic and equinox of
// date), and the evaluation rule shared by all fifteen series.
//
// Theory: VSOP87D (Bretagnon and Francou, 1988), heliocentric spherical
// variables referred to the mean ecliptic and equinox of date, truncated by
// amplitude (the Earth at 6.25 / 4^k, the planets at 25 / 4^k x 1e-8 in the
// tau^k block). Source: the published VSOP87D files in data/vsop87d/, turned
// into tables by scripts/generate_series_tables.py. Accuracy: the apparent
// places built on these series miss the independent golden values by at most
// 0.0155' (Saturn; see the files of the Sun and the planets).
#include <cmath>

#include "ephemeris/ephemeris.h"
#include "ephemeris/series_terms.h"
#include "series/series.h"

namespace ephemeris {

namespace {

// One partial sum: the first term is assigned, each further term added in
// order as A cos(B + C tau), C tau formed first. A constant term with B = 0
// gives A exactly (C tau is a zero, B + C tau is +0 and cos(+0) is 1).
double sumBlock(const SeriesBlock& Block, double Tau) {
    if (Block.Terms == nullptr || Block.Count <= 0) {
        return 0.0;
    }
    const SeriesTerm& first = Block.Terms[0];
    double sum = first.A * std::cos(first.B + first.C * Tau);
    for (int i = 1; i < Block.Count; ++i) {
        const SeriesTerm& term = Block.Terms[i];
        sum = sum + term.A * std::cos(term.B + term.C * Tau);
    }
    return sum;
}

}  // namespace

void EvaluateSeries(const CoordinateSeries& Series, double Tau, double& S0, double& S1, double& S2,
                    double& S3, double& S4, double& S5) {
    S0 = sumBlock(Series.Blocks[0], Tau);
    S1 = sumBlock(Series.Blocks[1], Tau);
    S2 = sumBlock(Series.Blocks[2], Tau);
    S3 = sumBlock(Series.Blocks[3], Tau);
    S4 = sumBlock(Series.Blocks[4], Tau);
    S5 = sumBlock(Series.Blocks[5], Tau);
}

void EarthSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5) {
    EvaluateSeries(kEarthL, Tau, S0, S1, S2, S3, S4, S5);
}

void EarthSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5) {
    EvaluateSeries(kEarthB, Tau, S0, S1, S2, S3, S4, S5);
}

void EarthSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5) {
    EvaluateSeries(kEarthR, Tau, S0, S1, S2, S3, S4, S5);
}

void PlanetHelio(int Code, double Tau, double& L, double& B, double& R) {
    const double tau2 = Tau * Tau;
    const double tau3 = tau2 * Tau;
    const double tau4 = tau3 * Tau;
    const double tau5 = tau4 * Tau;

    // Partial sums of L, B and R; they stay 0 when the code names no body.
    double l[6] = {0, 0, 0, 0, 0, 0};
    double b[6] = {0, 0, 0, 0, 0, 0};
    double r[6] = {0, 0, 0, 0, 0, 0};
    if (Code == 2) {
        series::VenusSeriesL(Tau, l[0], l[1], l[2], l[3], l[4], l[5]);
        series::VenusSeriesB(Tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        series::VenusSeriesR(Tau, r[0], r[1], r[2], r[3], r[4], r[5]);
    } else if (Code == 3) {
        EarthSeriesL(Tau, l[0], l[1], l[2], l[3], l[4], l[5]);
        EarthSeriesB(Tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        EarthSeriesR(Tau, r[0], r[1], r[2], r[3], r[4], r[5]);
    } else if (Code == 4) {
        series::MarsSeriesL(Tau, l[0], l[1], l[2], l[3], l[4], l[5]);
        series::MarsSeriesB(Tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        series::MarsSeriesR(Tau, r[0], r[1], r[2], r[3], r[4], r[5]);
    } else if (Code == 5) {
        series::JupiterSeriesL(Tau, l[0], l[1], l[2], l[3], l[4], l[5]);
        series::JupiterSeriesB(Tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        series::JupiterSeriesR(Tau, r[0], r[1], r[2], r[3], r[4], r[5]);
    } else if (Code == 6) {
        series::SaturnSeriesL(Tau, l[0], l[1], l[2], l[3], l[4], l[5]);
        series::SaturnSeriesB(Tau, b[0], b[1], b[2], b[3], b[4], b[5]);
        series::SaturnSeriesR(Tau, r[0], r[1], r[2], r[3], r[4], r[5]);
    }

    L = Normalize360(
        ((l[0] + l[1] * Tau + l[2] * tau2 + l[3] * tau3 + l[4] * tau4 + l[5] * tau5) * kDegPerRad) /
        100000000);
    B = ((b[0] + b[1] * Tau + b[2] * tau2 + b[3] * tau3 + b[4] * tau4 + b[5] * tau5) * kDegPerRad) /
        100000000;
    R = (r[0] + r[1] * Tau + r[2] * tau2 + r[3] * tau3 + r[4] * tau4 + r[5] * tau5) / 100000000;
}

}  // namespace ephemeris
