#!/usr/bin/env bash
# Start-up benchmark of the game under xvfb-run: the median over five runs of the time from
# the process's start (its exec) to the title window painted, and of the peak resident memory
# of a run up to the main window's first paint.
#   bench/startup-bench.sh [build folder]   (default: build, configured and built if missing)
# The program reports its paints through PLUMET_STARTUP_PROBE=exit and leaves after the main
# window's first paint. One unmeasured run first makes the settings store, so the five runs
# measure an ordinary start, not the first one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -x "$build/app/plumet" ]; then
    [ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --target plumet plumet_assets >/dev/null
fi
program=$(realpath "$build/app/plumet")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/config" "$work/runtime"

run() {
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" PLUMET_STARTUP_PROBE=exit \
        xvfb-run -a -s "-screen 0 1280x1024x24" \
        /usr/bin/time -v -o "$work/time" sh -c 'echo "started $(date +%s.%N)"; exec "$0"' \
        "$program" >"$work/out" 2>/dev/null
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

run
for n in 1 2 3 4 5; do
    run
    awk '$1 == "started" {s = $2} $1 == "title-painted" {t = $2} $1 == "main-painted" {m = $2}
         END {printf "%.1f %.1f\n", (t - s) * 1000, (m - s) * 1000}' "$work/out" >>"$work/times"
    awk -F: '/Maximum resident set size/ {print $2 + 0}' "$work/time" >>"$work/rss"
done
echo "runs: 5 under xvfb-run (screen 1280x1024x24), program $program"
echo "title window painted after (ms), each run: $(cut -d' ' -f1 "$work/times" | tr '\n' ' ')"
echo "median time to title window painted: $(cut -d' ' -f1 "$work/times" | median) ms"
echo "median time to main window painted:  $(cut -d' ' -f2 "$work/times" | median) ms"
echo "median peak RSS: $(median <"$work/rss") KiB"
