#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the installed game and of its two companion programs, for the README: the game
# installed under a prefix and run from another directory with a fresh settings folder, under
# Xvfb (1280 x 1024) in the programs' own Japanese look, driven by keys as a player would.
#   docs/installed-shots.sh [build folder] [prefix]   (defaults: build, /tmp/inst)
# Writes into docs/:
#   installed-title.png   the title window at start
#   installed-game.png    the main window after "新規ゲーム" (F2), once the deal is laid and
#                         the computer players before you have moved (the deal is random)
#   installed-help.png    the help window (F1)
#   plume1to3.png         plume1to3's window, and its question after a migration of old data
#   plumetdel.png         plumetdel's window
# Needs xvfb-run, xdotool and ImageMagick (import, convert). Xvfb runs no window manager, so
# the windows have no title bars.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
    build=${1:-build}
    prefix=${2:-/tmp/inst}
    cmake --build "$build" --target plumet plume1to3 plumetdel plumet_sound plumet_assets \
        plumet_docs plumet_man_pages >/dev/null
    cmake --install "$build" --prefix "$prefix" >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$(realpath "$prefix")" \
        "$(realpath docs)"
fi
prefix=$2
docs=$3

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/config" "$work/runtime" "$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
cd "$work/run"

# start PROGRAM: runs it in the background; its process id in $pid.
start() {
    "$prefix/games/$1" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
}
# window NAME: waits for a shown window of the program whose title matches NAME (any title
# when NAME is empty); its id in $window.
window() {
    local found
    for _ in $(seq 300); do
        for found in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            if [[ "$(xdotool getwindowname "$found")" =~ $1 ]]; then
                window=$found
                return
            fi
        done
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    exit 1
}
# shot FILE: the window $window as the screen shows it, once it has painted.
shot() {
    sleep 1
    import -window "$window" "$1"
}
# key KEY...: keys typed into the window $window.
key() {
    xdotool windowfocus --sync "$window"
    xdotool key "$@"
}
# stop: ends the program started last.
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# The game: its title window, then the main window.
start plumet
window ''
sleep 0.5
import -window "$window" "$docs/installed-title.png"
window '^カドリオ'
sleep 1
key F2
# The sevens are laid and the computer players before you move; then the game waits for you.
sleep 10
shot "$docs/installed-game.png"
key F1
window '^カドリオ ヘルプ$'
shot "$docs/installed-help.png"
stop

# plume1to3 with data of an old version to migrate: its window, then "実　行" (Space on the
# focused button) and its question whether to delete the old data, answered "いいえ".
mkdir -p "$XDG_CONFIG_HOME/plumet"
printf '[form2]\ntop=1200\nleft=1500\n' >"$XDG_CONFIG_HOME/plumet/plumet.ini"
start plume1to3
window '^カドリオデータ移行$'
shot "$work/form.png"
key space
window '^元データの削除？$'
shot "$work/question.png"
key n
stop
convert "$work/form.png" "$work/question.png" -bordercolor black -border 20 -background black \
    -gravity center -append "$docs/plume1to3.png"

start plumetdel
window '^カドリオの登録データ削除'
shot "$work/form.png"
stop
convert "$work/form.png" -bordercolor black -border 20 "$docs/plumetdel.png"
