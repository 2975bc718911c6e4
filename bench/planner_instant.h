// One planner instant: the Sun, the Moon, Venus, Mars, Jupiter, Saturn and the
// 58 stars for one UT instant, as a planner refresh computes them. Shared by
// the benchmark and the count of its sine and cosine evaluations.
#pragma once

#include "ephemeris/ephemeris.h"

namespace bench {

// Sine and cosine evaluations of one planner instant (a fused sincos counts
// two; tangents apart), as tests/ephemeris/trig_count counts them at the
// maths library; the benchmark times as many bare cos() calls beside it.
constexpr int kPlannerInstantTrigEvaluations = 7676;

// The sum of every output, so that nothing can be left out by the optimiser.
inline double plannerInstant(const ephemeris::TimeArguments& In) {
    using namespace ephemeris;
    const SunPlace s = SunPlaceAt(In.JD, In.T_TT);
    double sum = s.GHA + s.Dec + s.SD + s.SHA + s.GHAAries;
    double gha = 0, dec = 0, sd = 0, hp = 0, illum = 0, dist = 0, elong = 0, sha = 0;
    MoonPosition(In.JD, In.T_TT, s.SunAppLon, gha, dec, sd, hp, illum, dist, elong);
    sum += gha + dec + sd + hp + illum + dist + elong;
    for (int code : {2, 4, 5, 6}) {
        PlanetPosition(In.JD, In.T_TT, code, s.EarthL, s.EarthB, s.EarthR, gha, dec, sha, hp, dist);
        sum += gha + dec + sha + hp + dist;
    }
    for (int i = 0; i < kStarCount; ++i) {
        StarPosition(In.T_TT, In.JD, i, s.SunGeoLon, gha, dec, sha);
        sum += gha + dec + sha;
    }
    return sum;
}

}  // namespace bench
