// Least-squares sums and fix of lines of position, worked here from the
// textbook formulas (p in degrees, Z the azimuth), for plot fixtures.
#pragma once

#include <cmath>

#include "reduction/sight_reduction.h"

namespace fixsums {

constexpr double kRad = 0.017453292519943278;

// Adds one line of position: intercept in n.mi., azimuth in degrees.
inline void addLineOfPosition(reduction::FixResult& f, double InterceptNm, double AzimuthDeg) {
    const double c = std::cos(AzimuthDeg * kRad);
    const double s = std::sin(AzimuthDeg * kRad);
    const double pd = InterceptNm / 60;
    f.SumCos2 += c * c;
    f.SumSinCos += c * s;
    f.SumSin2 += s * s;
    f.SumPCos += pd * c;
    f.SumPSin += pd * s;
    f.SumP2 += pd * pd;
}

// The fix from the sums, from an assumed position in degrees.
inline void solveFix(reduction::FixResult& f, double AssumedLat, double AssumedLon) {
    const double G = f.SumCos2 * f.SumSin2 - f.SumSinCos * f.SumSinCos;
    const double cosLat = std::cos(AssumedLat * kRad);
    f.FixDLat = (f.SumSin2 * f.SumPCos - f.SumSinCos * f.SumPSin) / G;
    f.FixDLon = (f.SumCos2 * f.SumPSin - f.SumSinCos * f.SumPCos) / (G * cosLat);
    f.FixLat = AssumedLat + f.FixDLat;
    f.FixLon = AssumedLon + f.FixDLon;
    f.FixDistance = 60 * std::sqrt(f.FixDLon * f.FixDLon * cosLat * cosLat + f.FixDLat * f.FixDLat);
}

}  // namespace fixsums
