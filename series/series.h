// Heliocentric series of Venus, Mars, Jupiter and Saturn (VSOP87D, truncated).
// Each procedure takes tau, Julian millennia of dynamical time from J2000.0,
// and writes the six partial sums of tau^0 .. tau^5 (1e-8 rad or 1e-8 AU).
#pragma once

#include "ephemeris/series_terms.h"

namespace series {

void VenusSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5);
void VenusSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5);
void VenusSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                  double& S5);
void MarsSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                 double& S5);
void MarsSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                 double& S5);
void MarsSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                 double& S5);
void JupiterSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                    double& S5);
void JupiterSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                    double& S5);
void JupiterSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                    double& S5);
void SaturnSeriesL(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                   double& S5);
void SaturnSeriesB(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                   double& S5);
void SaturnSeriesR(double Tau, double& S0, double& S1, double& S2, double& S3, double& S4,
                   double& S5);

// The generated tables behind the procedures.
extern const ephemeris::CoordinateSeries kVenusL, kVenusB, kVenusR;
extern const ephemeris::CoordinateSeries kMarsL, kMarsB, kMarsR;
extern const ephemeris::CoordinateSeries kJupiterL, kJupiterB, kJupiterR;
extern const ephemeris::CoordinateSeries kSaturnL, kSaturnB, kSaturnR;

}  // namespace series
