#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
if [ -x build/shell/plumet ]; then
    exec build/shell/plumet "$@"
fi
# Until the game window exists: one match of four computer players, traced.
build/bench/plumetsim --matches 1 --seed "$(date +%s)" --trace /dev/stdout
