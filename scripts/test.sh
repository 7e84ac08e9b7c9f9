#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the full suite, then the rules and
# the records codec again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLUMET_SANITIZE=ON \
    -DPLUMET_CORE_ONLY=ON
cmake --build build-asan -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$jobs"
