#!/usr/bin/env bash
# Builds everything and runs every test twice: an optimised build and a build
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/setup.sh

jobs="$(nproc)"

run_suite() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "=== Optimised build ==="
run_suite build/release

echo "=== Sanitizer build ==="
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite build/sanitize -DCELNAV_SANITIZE=ON -DCELNAV_BENCH=OFF

shopt -s nullglob
fuzz_sources=(fuzz/*_fuzz.cpp)
if [ ${#fuzz_sources[@]} -gt 0 ]; then
    echo "=== Fuzz targets ==="
    CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCELNAV_FUZZ=ON
    cmake --build build/fuzz -j "$jobs"
    for src in "${fuzz_sources[@]}"; do
        name="$(basename "$src" .cpp)"
        corpus="$(mktemp -d)"
        if [ -d "fuzz/corpus/$name" ]; then
            cp -r "fuzz/corpus/$name/." "$corpus/"
        fi
        echo "--- $name ---"
        log="build/fuzz/$name.log"
        if ! "build/fuzz/$name" -max_total_time="${CELNAV_FUZZ_SECONDS:-60}" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 "$corpus" >"$log" 2>&1; then
            tail -n 60 "$log"
            echo "Fuzz target $name failed."
            exit 1
        fi
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
        rm -rf "$corpus"
    done
fi

echo "All tests passed in both builds."
