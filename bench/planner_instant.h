// One planner instant: the Sun, the Moon, Venus, Mars, Jupiter, Saturn and the
// 58 stars for one UT instant, as a planner refresh computes them, and the
// ring of instants the benchmarks take it over. Shared by the benchmark, the
// recorder of its sine and cosine arguments and the count of them.
#pragma once

#include <array>
#include <cstddef>

#include "bench/instants.h"
#include "ephemeris/ephemeris.h"

namespace bench {

// Sine and cosine evaluations of one planner instant (a fused sincos counts
// two; tangents apart), worked in a fresh state: tests/ephemeris/trig_count
// counts them at the maths library for instants of their own.
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

// The planner instant's inputs over the ring of bench/instants.h.
inline const std::array<ephemeris::TimeArguments, kInstantCount>& instantRing() {
    static const std::array<ephemeris::TimeArguments, kInstantCount> ring = [] {
        std::array<ephemeris::TimeArguments, kInstantCount> r{};
        for (std::size_t i = 0; i < kInstantCount; ++i) {
            const CalendarInstant c = calendarInstant(i);
            r[i] = ephemeris::TimeArgumentsFor(c.Year, c.Month, c.Day, c.utHours(), c.DeltaT);
        }
        return r;
    }();
    return ring;
}

}  // namespace bench
