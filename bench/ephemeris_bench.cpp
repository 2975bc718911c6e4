// Cost of the ephemeris per body and of the full set a sight planner needs,
// each over a ring of instants that changes every iteration (a repeated
// instant trains the branch predictor and flatters the figure).
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/planner_instant.h"
#include "ephemeris/ephemeris.h"

namespace {

using namespace ephemeris;

constexpr std::size_t kInstantCount = 64;

// Instants from 1990 to 2052, at hours and days that differ from one to the next.
const std::array<TimeArguments, kInstantCount>& instants() {
    static const std::array<TimeArguments, kInstantCount> ring = [] {
        std::array<TimeArguments, kInstantCount> r{};
        for (std::size_t i = 0; i < kInstantCount; ++i) {
            const double k = static_cast<double>(i);
            r[i] = TimeArgumentsFor(1990 + k, 1 + (i * 5) % 12, 1 + (i * 7) % 28,
                                    (i * 37) % 24 + 0.25 * (i % 4), 57 + k * 0.4);
        }
        return r;
    }();
    return ring;
}

// The instant of an iteration, and the Sun's place for it (computed outside
// the timed work where the body needs it as input).
struct Sample {
    TimeArguments In;
    SunPlace Sun;
};

const std::array<Sample, kInstantCount>& samples() {
    static const std::array<Sample, kInstantCount> ring = [] {
        std::array<Sample, kInstantCount> r{};
        for (std::size_t i = 0; i < kInstantCount; ++i) {
            r[i].In = instants()[i];
            r[i].Sun = SunPlaceAt(r[i].In.JD, r[i].In.T_TT);
        }
        return r;
    }();
    return ring;
}

void BM_SunPosition(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TimeArguments& in = instants()[i++ % kInstantCount];
        benchmark::DoNotOptimize(SunPlaceAt(in.JD, in.T_TT));
    }
}
BENCHMARK(BM_SunPosition);

void BM_MoonPosition(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = samples()[i++ % kInstantCount];
        double gha, dec, sd, hp, illum, dist, elong;
        MoonPosition(s.In.JD, s.In.T_TT, s.Sun.SunAppLon, gha, dec, sd, hp, illum, dist, elong);
        benchmark::DoNotOptimize(gha);
        benchmark::DoNotOptimize(elong);
    }
}
BENCHMARK(BM_MoonPosition);

void BM_PlanetPosition(benchmark::State& state) {
    const int code = static_cast<int>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = samples()[i++ % kInstantCount];
        double gha, dec, sha, hp, dist;
        PlanetPosition(s.In.JD, s.In.T_TT, code, s.Sun.EarthL, s.Sun.EarthB, s.Sun.EarthR, gha, dec,
                       sha, hp, dist);
        benchmark::DoNotOptimize(gha);
        benchmark::DoNotOptimize(dist);
    }
}
BENCHMARK(BM_PlanetPosition)->Arg(2)->Arg(4)->Arg(5)->Arg(6);

void BM_AllStarsOneInstant(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = samples()[i++ % kInstantCount];
        for (int star = 0; star < kStarCount; ++star) {
            double gha, dec, sha;
            StarPosition(s.In.T_TT, s.In.JD, star, s.Sun.SunGeoLon, gha, dec, sha);
            benchmark::DoNotOptimize(gha);
        }
    }
}
BENCHMARK(BM_AllStarsOneInstant);

// What one planner refresh computes: the Sun, the Moon, four planets, 58 stars.
void BM_PlannerInstant(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::plannerInstant(instants()[i++ % kInstantCount]));
    }
    state.counters["sin_cos"] = bench::kPlannerInstantTrigEvaluations;
}
BENCHMARK(BM_PlannerInstant);

// Arguments for the bare cos() calls, spread like the instant's own (median
// 14 rad, nine in ten below 170 rad, the largest a few thousand): log-uniform
// over 0.3 .. 1000 rad from a fixed pseudo-random sequence, so that the branch
// predictor can learn the quadrants of neither. A steady step instead halves
// the figure.
const std::vector<double>& cosArguments() {
    static const std::vector<double> arguments = [] {
        std::vector<double> a(bench::kPlannerInstantTrigEvaluations);
        std::uint64_t state = 12345;
        const double span = std::log(1000 / 0.3);
        for (double& x : a) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const double u = static_cast<double>(state >> 11) / 9007199254740992.0;
            x = 0.3 * std::exp(u * span);
        }
        return a;
    }();
    return arguments;
}

// The floor under the planner instant: as many bare cos() calls as it makes
// sine and cosine evaluations, shifted every iteration.
void BM_BareCosOfPlannerInstant(benchmark::State& state) {
    const std::vector<double>& arguments = cosArguments();
    double shift = 0;
    for (auto _ : state) {
        double sum = 0;
        for (const double x : arguments) {
            sum += std::cos(x + shift);
        }
        benchmark::DoNotOptimize(sum);
        shift = shift + 0.37;
        if (shift > 100) {
            shift = 0;
        }
    }
    state.counters["cos"] = bench::kPlannerInstantTrigEvaluations;
}
BENCHMARK(BM_BareCosOfPlannerInstant);

template <bool Moon>
void BM_RiseSet(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const double day = static_cast<double>(1 + i % 28);
        const double lat = -60 + static_cast<double>((i * 13) % 121);
        ++i;
        double transit, rise, set;
        std::string riseFlag, setFlag, transitFlag, message;
        if (Moon) {
            MoonRiseSet(2026, 12, day, lat, -71.3, 69, transit, rise, set, riseFlag, setFlag,
                        transitFlag, message);
        } else {
            SunRiseSet(2026, 12, day, lat, -71.3, 69, transit, rise, set, riseFlag, setFlag,
                       transitFlag, message);
        }
        benchmark::DoNotOptimize(rise);
    }
}
BENCHMARK(BM_RiseSet<false>)->Name("BM_SunRiseSet");
BENCHMARK(BM_RiseSet<true>)->Name("BM_MoonRiseSet");

}  // namespace
