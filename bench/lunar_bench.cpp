// Cost of one lunar-distance clearing (ten iterations, each with the Sun,
// the Moon and the body at the clearing instant, plus the two fixed
// instants), beside one Sun-and-Moon place as the baseline of the same run.
// The sights come from the ring of bench/instants.h: each at its own date and
// time, seen from under the middle of the arc between the Moon and the body,
// with the distance the ephemeris gives at that time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "bench/instants.h"
#include "ephemeris/ephemeris.h"
#include "lunar/lunar.h"

namespace {

constexpr double kDegPerRad = 57.29577951308238;

// The sight of instant i of the ring, against the body of the LunarTargetIndex.
lunar::ClearingInput sightAt(std::size_t i, int body) {
    const bench::CalendarInstant c = bench::calendarInstant(i);
    lunar::ClearingInput in;
    in.Temperature = 18;
    in.Pressure = 1016;
    in.Year = c.Year;
    in.Month = c.Month;
    in.Day = c.Day;
    in.U = c.utHours();
    in.DeltaT = c.DeltaT;
    in.SelectedBody = body;
    const lunar::LunarPlaces p = lunar::lunarPlacesAt(in, in.U);
    ephemeris::AngularDistance(p.MoonGHA, p.BodyGHA, p.MoonDec, p.BodyDec, in.Distance);
    // The observer under the middle of the arc: both bodies well above the
    // horizon. Geographical positions have their longitude at -GHA.
    using ephemeris::CosD;
    using ephemeris::SinD;
    const double x = CosD(p.MoonDec) * CosD(p.MoonGHA) + CosD(p.BodyDec) * CosD(p.BodyGHA);
    const double y = -CosD(p.MoonDec) * SinD(p.MoonGHA) - CosD(p.BodyDec) * SinD(p.BodyGHA);
    const double z = SinD(p.MoonDec) + SinD(p.BodyDec);
    in.Lat = ephemeris::Atan2(z, std::hypot(x, y)) * kDegPerRad;
    in.Lon = ephemeris::Atan2(y, x) * kDegPerRad;
    return in;
}

void BM_SunAndMoonPlace(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const bench::CalendarInstant c = bench::calendarInstant(i++);
        const ephemeris::TimeArguments when =
            ephemeris::TimeArgumentsFor(c.Year, c.Month, c.Day, c.utHours(), c.DeltaT);
        const ephemeris::SunPlace sun = ephemeris::SunPlaceAt(when.JD, when.T_TT);
        double gha, dec, sd, hp, illum, dist, elong;
        ephemeris::MoonPosition(when.JD, when.T_TT, sun.SunAppLon, gha, dec, sd, hp, illum, dist,
                                elong);
        benchmark::DoNotOptimize(gha);
    }
}
BENCHMARK(BM_SunAndMoonPlace);

// Argument: the LunarTargetIndex (0 the Sun, 1 Venus, 20 a star).
void BM_ClearLunarDistance(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    // A geocentric distance taken as the measured one is up to a degree off;
    // where the distance changes slowly that puts the time found more than
    // 12 h away, and the clearing rightly refuses it: such a sight is left
    // out of the ring, so that every call times a whole clearing.
    std::vector<lunar::ClearingInput> sights;
    for (std::size_t k = 0; k < bench::kInstantCount; ++k) {
        const lunar::ClearingInput sight = sightAt(k, body);
        if (lunar::clearLunarDistance(sight).Failure.empty()) {
            sights.push_back(sight);
        }
    }
    if (sights.size() < bench::kInstantCount / 2) {
        state.SkipWithError("fewer than half the sights of the ring clear");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunar::clearLunarDistance(sights[i++ % sights.size()]));
    }
    state.counters["sights"] = static_cast<double>(sights.size());
}
BENCHMARK(BM_ClearLunarDistance)->Arg(0)->Arg(1)->Arg(20);

}  // namespace
