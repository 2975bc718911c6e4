// The series procedures of Venus, Mars, Jupiter and Saturn: each evaluates its
// generated table by the shared rule, writing all six partial sums.
//
// Theory: VSOP87D (Bretagnon and Francou, 1988), truncated to terms of at
// least 25 / 4^k x 1e-8 in the tau^k block. Source: the published files in
// data/vsop87d/, tables written by scripts/generate_series_tables.py.
// Accuracy against the independent golden values
// (tests/ephemeris/golden_positions_test.cpp), 1900 to 2100, of the apparent
// places built on them: Venus 0.0108', Mars 0.0092', Jupiter 0.0106', Saturn
// 0.0155' at most in GHA x cos Dec, 0.0086' at most in Dec.
#include "ephemeris/series_terms.h"
#include "series/series.h"

namespace series {

void VenusSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5) {
    ephemeris::EvaluateSeries(kVenusL, Tau, S0, S1, S2, S3, S4, S5);
}

void VenusSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5) {
    ephemeris::EvaluateSeries(kVenusB, Tau, S0, S1, S2, S3, S4, S5);
}

void VenusSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5) {
    ephemeris::EvaluateSeries(kVenusR, Tau, S0, S1, S2, S3, S4, S5);
}

void MarsSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                 double& S5) {
    ephemeris::EvaluateSeries(kMarsL, Tau, S0, S1, S2, S3, S4, S5);
}

void MarsSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                 double& S5) {
    ephemeris::EvaluateSeries(kMarsB, Tau, S0, S1, S2, S3, S4, S5);
}

void MarsSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                 double& S5) {
    ephemeris::EvaluateSeries(kMarsR, Tau, S0, S1, S2, S3, S4, S5);
}

void JupiterSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                    double& S5) {
    ephemeris::EvaluateSeries(kJupiterL, Tau, S0, S1, S2, S3, S4, S5);
}

void JupiterSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                    double& S5) {
    ephemeris::EvaluateSeries(kJupiterB, Tau, S0, S1, S2, S3, S4, S5);
}

void JupiterSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                    double& S5) {
    ephemeris::EvaluateSeries(kJupiterR, Tau, S0, S1, S2, S3, S4, S5);
}

void SaturnSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                   double& S5) {
    ephemeris::EvaluateSeries(kSaturnL, Tau, S0, S1, S2, S3, S4, S5);
}

void SaturnSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                   double& S5) {
    ephemeris::EvaluateSeries(kSaturnB, Tau, S0, S1, S2, S3, S4, S5);
}

void SaturnSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                   double& S5) {
    ephemeris::EvaluateSeries(kSaturnR, Tau, S0, S1, S2, S3, S4, S5);
}

}  // namespace series
