#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark of the game against a bare Qt window, in one X server (Xvfb):
#   bench/startup-bench.sh [build folder] [runs]   (defaults: build, 9 runs of each)
# Runs the bare window (bench/barewindow.cpp) and the game one after the other, `runs` times
# each, and prints for both the time from the process's start (its exec) to its first window
# painted, the medians, and their ratio: the game's title window against the bare window.
# Also the median time to the game's main window painted and the median peak resident memory
# of a game run (up to that paint). The game reports its paints through
# PLUMET_STARTUP_PROBE=exit and leaves after the main window's first paint. One unmeasured run
# of each first makes the settings store and reads the files, so the runs measure an ordinary
# start, not the first one. Each run starts half a second after the last one ended, when the
# X server has freed the last program's windows and the machine is quiet again, as it is when
# a player starts the game: back to back, a start waits for the last one's leaving and the
# times scatter over twice their range. The load of the machine is printed before and after:
# the ratio means most on an idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-9}

if [ -z "${PLUMET_BENCH_IN_X:-}" ]; then
    targets=(plumet plumet_assets plumetbarewindow)
    if [ ! -x "$build/app/plumet" ] || [ ! -x "$build/bench/plumetbarewindow" ]; then
        [ -f "$build/build.ninja" ] ||
            cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build "$build" --target "${targets[@]}" >/dev/null
    fi
    # The whole benchmark in one X server, so that no run waits for a server to start.
    exec env PLUMET_BENCH_IN_X=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

game=$(realpath "$build/app/plumet")
bare=$(realpath "$build/bench/plumetbarewindow")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/config" "$work/runtime"

# run PROGRAM: one start, its stamps in $work/out and its peak memory in $work/time.
run() {
    sleep 0.5
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" PLUMET_STARTUP_PROBE=exit \
        /usr/bin/time -v -o "$work/time" sh -c 'echo "started $(date +%s.%N)"; exec "$0"' \
        "$1" >"$work/out" 2>/dev/null
}

# elapsed LABEL: milliseconds from the start to the stamp LABEL of the last run.
elapsed() {
    awk -v label="$1" '$1 == "started" {s = $2} $1 == label {t = $2}
                       END {if (t == "") exit 1; printf "%.1f\n", (t - s) * 1000}' "$work/out"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min) on $(nproc) cores"
run "$bare"
run "$game"
for _ in $(seq "$runs"); do
    run "$bare"
    elapsed bare-painted >>"$work/bare"
    run "$game"
    elapsed title-painted >>"$work/title"
    elapsed main-painted >>"$work/main"
    awk -F: '/Maximum resident set size/ {print $2 + 0}' "$work/time" >>"$work/rss"
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

bare_median=$(median <"$work/bare")
title_median=$(median <"$work/title")
echo "runs: $runs of each, alternately, in one Xvfb (screen 1280x1024x24)"
echo "bare Qt window painted after (ms), each run:     $(tr '\n' ' ' <"$work/bare")"
echo "game's title window painted after (ms), each run: $(tr '\n' ' ' <"$work/title")"
echo "median time to bare window painted:  $bare_median ms"
echo "median time to title window painted: $title_median ms"
echo "median time to main window painted:  $(median <"$work/main") ms"
echo "title window against bare window: $(awk -v t="$title_median" -v b="$bare_median" \
    'BEGIN {printf "%.2f", t / b}') times as late (the medians)"
echo "median peak RSS of the game: $(median <"$work/rss") KiB"
