// Records the argument of every sine and cosine the planner instants of the
// benchmark ring evaluate, in their order, for the bare cos() baseline of
// celnav_bench. This program is linked with sin, cos and sincos wrapped (as
// tests/ephemeris/trig_count is); the build runs it once and celnav_bench
// reads what it writes.
//
// Output, in this machine's byte order: for each instant of the ring, the
// number of arguments (a 64-bit unsigned integer) and the arguments (doubles);
// a fused sincos gives its argument twice, as it stands for two evaluations.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "bench/planner_instant.h"

namespace {

bool recording = false;
std::vector<double> arguments;

void record(double X, int evaluations) {
    if (recording) {
        arguments.insert(arguments.end(), evaluations, X);
    }
}

}  // namespace

extern "C" {
double __real_sin(double);
double __real_cos(double);
void __real_sincos(double, double*, double*);

double __wrap_sin(double X) {
    record(X, 1);
    return __real_sin(X);
}
double __wrap_cos(double X) {
    record(X, 1);
    return __real_cos(X);
}
void __wrap_sincos(double X, double* S, double* C) {
    record(X, 2);
    __real_sincos(X, S, C);
}
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const auto& ring = bench::instantRing();
    // A first round reads the star catalogue and leaves the caches as the
    // benchmark's steady state has them: holding the ring's previous instant.
    for (const ephemeris::TimeArguments& in : ring) {
        bench::plannerInstant(in);
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    for (const ephemeris::TimeArguments& in : ring) {
        arguments.clear();
        recording = true;
        bench::plannerInstant(in);
        recording = false;
        const std::uint64_t count = arguments.size();
        out.write(reinterpret_cast<const char*>(&count), sizeof count);
        out.write(reinterpret_cast<const char*>(arguments.data()),
                  static_cast<std::streamsize>(count * sizeof(double)));
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
