#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The rules benchmark: median games/s of five runs of 10,000 matches on one core, Release build.
#   bench/sim-bench.sh [build folder]   (default: build-release, configured here if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target plumetsim >/dev/null
for run in 1 2 3 4 5; do
    taskset -c 0 "$build/bench/plumetsim" --matches 10000 --seed 1 | awk '/^games\/s:/ {print $2}'
done | sort -n | awk '{v[NR] = $1} END {printf "median games/s of %d runs: %s\n", NR, v[(NR + 1) / 2]}'
