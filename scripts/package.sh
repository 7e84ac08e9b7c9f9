#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the game: installs what is missing, builds a Release without
# the tests in build-package/ with Debian's hardening flags, and makes
# build-package/plumet_<version>_<architecture>.deb with CPack. Install it with
#   sudo apt-get install ./build-package/plumet_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/plumet_*.deb
