// Periodic terms of the Moon's truncated lunar theory and the sums built from
// them: longitude and distance (Table A), latitude (Table B).
#pragma once

#include <array>

namespace ephemeris {

// Multipliers of D (mean elongation), M (the Sun's mean anomaly), M' (the
// Moon's mean anomaly) and F (argument of latitude), a longitude coefficient
// in 1e-6 degree and a distance coefficient in 1e-3 km.
struct MoonLonDistTerm {
    int D;
    int M;
    int Mp;
    int F;
    double Lon;
    double Dist;
};

// The same multipliers and a latitude coefficient in 1e-6 degree.
struct MoonLatTerm {
    int D;
    int M;
    int Mp;
    int F;
    double Lat;
};

constexpr int kMoonTermRows = 60;

// Rows in the order in which they are summed.
extern const std::array<MoonLonDistTerm, kMoonTermRows> kMoonLonDistTerms;
extern const std::array<MoonLatTerm, kMoonTermRows> kMoonLatTerms;

// Fundamental arguments in degrees, each reduced to [0, 360).
struct MoonArguments {
    double D;   // mean elongation
    double F;   // argument of latitude
    double Lp;  // mean longitude L'
    double M;   // the Sun's mean anomaly
    double Mp;  // the Moon's mean anomaly M'
};

// Periodic sums with the additive terms included: longitude and latitude in
// 1e-6 degree, distance in 1e-3 km.
struct MoonSums {
    double Lon;
    double Dist;
    double Lat;
};

// T is Julian centuries of dynamical time from J2000.0.
MoonArguments MoonFundamentalArguments(double T);

// Eccentricity factor of the Earth's orbit, E = 1 - 0.002516 T - 0.0000074 T^2.
double MoonEccentricityFactor(double T);

// Sums both tables row by row and adds the three additive terms.
MoonSums MoonPeriodicSums(const MoonArguments& Args, double T);

}  // namespace ephemeris
