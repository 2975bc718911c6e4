#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/setup.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target celnav

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "The program is built; start it under a virtual display:" >&2
    echo "    xvfb-run -a build/release/celnav    (xvfb-run: apt-get install -y xvfb)" >&2
    exit 2
fi

exec build/release/celnav "$@"
