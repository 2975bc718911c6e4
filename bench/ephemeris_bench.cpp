// Cost of the ephemeris per body and of the full set a sight planner needs.
#include <benchmark/benchmark.h>

#include <string>

#include "ephemeris/ephemeris.h"

namespace {

using namespace ephemeris;

TimeArguments sampleInstant() {
    return TimeArgumentsFor(2026, 12, 10, 14.5, 69.0);
}

void BM_SunPosition(benchmark::State& state) {
    const TimeArguments in = sampleInstant();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPlaceAt(in.JD, in.T_TT));
    }
}
BENCHMARK(BM_SunPosition);

void BM_MoonPosition(benchmark::State& state) {
    const TimeArguments in = sampleInstant();
    const SunPlace s = SunPlaceAt(in.JD, in.T_TT);
    for (auto _ : state) {
        double gha, dec, sd, hp, illum, dist, elong;
        MoonPosition(in.JD, in.T_TT, s.SunAppLon, gha, dec, sd, hp, illum, dist, elong);
        benchmark::DoNotOptimize(gha);
        benchmark::DoNotOptimize(elong);
    }
}
BENCHMARK(BM_MoonPosition);

void BM_PlanetPosition(benchmark::State& state) {
    const TimeArguments in = sampleInstant();
    const SunPlace s = SunPlaceAt(in.JD, in.T_TT);
    const int code = static_cast<int>(state.range(0));
    for (auto _ : state) {
        double gha, dec, sha, hp, dist;
        PlanetPosition(in.JD, in.T_TT, code, s.EarthL, s.EarthB, s.EarthR, gha, dec, sha, hp, dist);
        benchmark::DoNotOptimize(gha);
        benchmark::DoNotOptimize(dist);
    }
}
BENCHMARK(BM_PlanetPosition)->Arg(2)->Arg(4)->Arg(5)->Arg(6);

void BM_AllStarsOneInstant(benchmark::State& state) {
    const TimeArguments in = sampleInstant();
    const SunPlace s = SunPlaceAt(in.JD, in.T_TT);
    for (auto _ : state) {
        for (int i = 0; i < kStarCount; ++i) {
            double gha, dec, sha;
            StarPosition(in.T_TT, in.JD, i, s.SunGeoLon, gha, dec, sha);
            benchmark::DoNotOptimize(gha);
        }
    }
}
BENCHMARK(BM_AllStarsOneInstant);

// What one planner refresh computes: the Sun, the Moon, four planets, 58 stars.
void BM_PlannerSetOneInstant(benchmark::State& state) {
    const TimeArguments in = sampleInstant();
    for (auto _ : state) {
        const SunPlace s = SunPlaceAt(in.JD, in.T_TT);
        double gha, dec, sd, hp, illum, dist, elong, sha;
        MoonPosition(in.JD, in.T_TT, s.SunAppLon, gha, dec, sd, hp, illum, dist, elong);
        benchmark::DoNotOptimize(gha);
        for (int code : {2, 4, 5, 6}) {
            PlanetPosition(in.JD, in.T_TT, code, s.EarthL, s.EarthB, s.EarthR, gha, dec, sha, hp,
                           dist);
            benchmark::DoNotOptimize(gha);
        }
        for (int i = 0; i < kStarCount; ++i) {
            StarPosition(in.T_TT, in.JD, i, s.SunGeoLon, gha, dec, sha);
            benchmark::DoNotOptimize(gha);
        }
    }
}
BENCHMARK(BM_PlannerSetOneInstant);

template <bool Moon>
void BM_RiseSet(benchmark::State& state) {
    for (auto _ : state) {
        double transit, rise, set;
        std::string riseFlag, setFlag, transitFlag, message;
        if (Moon) {
            MoonRiseSet(2026, 12, 10, 41.5, -71.3, 69, transit, rise, set, riseFlag, setFlag,
                        transitFlag, message);
        } else {
            SunRiseSet(2026, 12, 10, 41.5, -71.3, 69, transit, rise, set, riseFlag, setFlag,
                       transitFlag, message);
        }
        benchmark::DoNotOptimize(rise);
    }
}
BENCHMARK(BM_RiseSet<false>)->Name("BM_SunRiseSet");
BENCHMARK(BM_RiseSet<true>)->Name("BM_MoonRiseSet");

}  // namespace
