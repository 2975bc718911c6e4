// Cost of the ephemeris per body and of the full set a sight planner needs,
// each over a ring of instants that changes every iteration (a repeated
// instant trains the branch predictor and flatters the figure).
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "bench/planner_instant.h"
#include "ephemeris/ephemeris.h"

namespace {

using namespace ephemeris;

using bench::kInstantCount;

const std::array<TimeArguments, kInstantCount>& instants() {
    return bench::instantRing();
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
}
BENCHMARK(BM_PlannerInstant);

// The arguments of every sine and cosine of each instant of the ring, in the
// instants' order, as celnav_cos_record found them at the maths library.
struct RecordedArguments {
    std::vector<double> Arguments;
    std::array<std::size_t, kInstantCount + 1> Begin{};  // of each instant
    bool Ok = false;
};

const RecordedArguments& recordedArguments() {
    static const RecordedArguments recorded = [] {
        RecordedArguments r;
        std::ifstream in(CELNAV_COS_ARGUMENTS_FILE, std::ios::binary);
        for (std::size_t k = 0; k < kInstantCount; ++k) {
            std::uint64_t count = 0;
            if (!in.read(reinterpret_cast<char*>(&count), sizeof count) || count > 1000000) {
                return r;
            }
            r.Begin[k] = r.Arguments.size();
            r.Arguments.resize(r.Arguments.size() + count);
            if (!in.read(reinterpret_cast<char*>(r.Arguments.data() + r.Begin[k]),
                         static_cast<std::streamsize>(count * sizeof(double)))) {
                return r;
            }
        }
        r.Begin[kInstantCount] = r.Arguments.size();
        r.Ok = in.peek() == std::ifstream::traits_type::eof();
        return r;
    }();
    return recorded;
}

// The floor under the planner instant: one bare cos() call for each sine and
// cosine the instant of the iteration evaluates, on its very arguments, in
// the ring's order.
void BM_BareCosOfPlannerInstant(benchmark::State& state) {
    const RecordedArguments& recorded = recordedArguments();
    if (!recorded.Ok) {
        state.SkipWithError("cannot read " CELNAV_COS_ARGUMENTS_FILE
                            " (build celnav_cos_arguments)");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ % kInstantCount;
        const double* x = recorded.Arguments.data();
        double sum = 0;
        for (std::size_t j = recorded.Begin[k]; j < recorded.Begin[k + 1]; ++j) {
            sum += std::cos(x[j]);
        }
        benchmark::DoNotOptimize(sum);
    }
    // Calls per iteration, the mean over the ring.
    state.counters["cos"] = static_cast<double>(recorded.Arguments.size()) / kInstantCount;
}
BENCHMARK(BM_BareCosOfPlannerInstant);

template <bool Moon>
void BM_RiseSet(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        // Dates from 1990 to 2050 and places from 60 S to 60 N all round.
        const double year = static_cast<double>(1990 + (i * 7) % 61);
        const double month = static_cast<double>(1 + (i * 5) % 12);
        const double day = static_cast<double>(1 + (i * 11) % 28);
        const double lat = -60 + static_cast<double>((i * 13) % 121);
        const double lon = -180 + static_cast<double>((i * 47) % 360);
        ++i;
        double transit, rise, set;
        std::string riseFlag, setFlag, transitFlag, message;
        if (Moon) {
            MoonRiseSet(year, month, day, lat, lon, 69, transit, rise, set, riseFlag, setFlag,
                        transitFlag, message);
        } else {
            SunRiseSet(year, month, day, lat, lon, 69, transit, rise, set, riseFlag, setFlag,
                       transitFlag, message);
        }
        benchmark::DoNotOptimize(rise);
    }
}
BENCHMARK(BM_RiseSet<false>)->Name("BM_SunRiseSet");
BENCHMARK(BM_RiseSet<true>)->Name("BM_MoonRiseSet");

}  // namespace
