// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/speedbar.h"

#include <algorithm>
#include <cmath>

namespace plumet {

int flightFramesFromBar(int barValue) {
    const int v = std::clamp(barValue, kSpeedBarMin, kSpeedBarMax);
    return v * v;
}

int speedBarFromFlightFrames(int flightFrames) {
    if (flightFrames <= 0) return kSpeedBarMin;
    // The root of a whole number is never exactly halfway between two integers, so plain
    // rounding gives the nearest one.
    const auto root = std::lround(std::sqrt(static_cast<double>(flightFrames)));
    return static_cast<int>(std::clamp<long>(root, kSpeedBarMin, kSpeedBarMax));
}

}  // namespace plumet
