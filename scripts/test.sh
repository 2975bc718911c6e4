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

echo "All tests passed in both builds."
