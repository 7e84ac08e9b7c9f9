#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running, testing and packaging the game
# need. Does nothing when they are all present already.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
    libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-ipafont-gothic fonts-noto-cjk fonts-dejavu-core qt6-translations-l10n
    xvfb xauth time
    appstream desktop-file-utils
    dpkg-dev file lintian
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
