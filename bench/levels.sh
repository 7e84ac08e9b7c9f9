#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the computer players' strengths: seat 1 (the human's seat in the game) at each level
# against three classic players, the same matches' seed for every level, and prints a table of
# first places and mean game points with 95 % confidence intervals (Wilson for the share of first
# places; the normal approximation, mean +- 1.96 sd / sqrt(games), for the points).
#
#   bench/levels.sh [--matches M] [--seed S] [--build DIR] [plumetsim rule options...]
#
# Defaults: 400 matches (4,000 games) a level, seed 1, the Release build in build-release
# (configured and built here if missing). Rule options (--ak, --joker ..., --passes ...) and
# --playouts / --threads go to plumetsim as they are. The strong level takes the longest
# (minutes); the runs are niced, one after the other.
set -euo pipefail
cd "$(dirname "$0")/.."

matches=400
seed=1
build=build-release
extra=()
while [ $# -gt 0 ]; do
    case "$1" in
        --matches) matches=$2; shift 2 ;;
        --seed) seed=$2; shift 2 ;;
        --build) build=$2; shift 2 ;;
        *) extra+=("$1"); shift ;;
    esac
done

[ -f "$build/build.ninja" ] || [ -f "$build/Makefile" ] ||
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLUMET_CORE_ONLY=ON >/dev/null
cmake --build "$build" --target plumetsim >/dev/null

echo "plumetsim --matches $matches --seed $seed --levels LEVEL,classic,classic,classic ${extra[*]}"
echo
echo "| level | games | first places, seat 1 (95 % CI) | mean game points, seat 1 (95 % CI) |"
echo "|---|---|---|---|"
for level in weak classic strong; do
    nice "$build/bench/plumetsim" --matches "$matches" --seed "$seed" \
        --levels "$level,classic,classic,classic" "${extra[@]}" |
        awk -v level="$level" '
            /^matches:/ { games = $4 }
            /^seat 1:/ { firsts = $6; mean = $8; sd = $10 }
            END {
                z = 1.96; n = games; p = firsts / n
                centre = (p + z * z / (2 * n)) / (1 + z * z / n)
                half = z * sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
                margin = z * sd / sqrt(n)
                printf "| %s | %d | %.1f %% (%.1f to %.1f) | %.2f (%.2f to %.2f) |\n", level, n,
                       100 * p, 100 * (centre - half), 100 * (centre + half), mean,
                       mean - margin, mean + margin
            }'
done
