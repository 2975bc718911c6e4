// Term tables of the truncated VSOP87D series and their evaluation rule.
#pragma once

namespace ephemeris {

// One term A cos(B + C tau): A in 1e-8 rad or 1e-8 AU, B in radians, C in
// radians per Julian millennium. A constant term has C = 0.
struct SeriesTerm {
    double A;
    double B;
    double C;
};

// The terms of one partial sum, in published order; may be empty.
struct SeriesBlock {
    const SeriesTerm* Terms;
    int Count;
};

// One coordinate of one body: the blocks of tau^0 .. tau^5.
struct CoordinateSeries {
    SeriesBlock Blocks[6];
};

// The first term of each block is assigned, the others added in order; an
// empty block gives 0.0. Writes all six sums.
void EvaluateSeries(const CoordinateSeries& Series, double Tau, double& S0, double& S1, double& S2,
                    double& S3, double& S4, double& S5);

// The Earth's tables (generated).
extern const CoordinateSeries kEarthL;
extern const CoordinateSeries kEarthB;
extern const CoordinateSeries kEarthR;

}  // namespace ephemeris
