// SPDX-License-Identifier: GPL-3.0-or-later
// The one random generator the rules draw from. The game seeds it from the clock; tests and
// the simulator seed it with a number, so that the same seed always gives the same deals and
// the same computer decisions.
#pragma once

#include <cstdint>
#include <random>

namespace plumet {

class Random {
  public:
    explicit Random(std::uint64_t seed = 1) : engine_(seed) {}

    void seed(std::uint64_t seed) { engine_.seed(seed); }

    // Uniform in [0, 1), from the top 53 bits of one draw.
    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Integer part of next() * n: uniform in 0 .. n - 1.
    int below(int n) { return static_cast<int>(next() * n); }

    // One whole 64-bit draw: the seed of a computer player's search.
    std::uint64_t bits() { return engine_(); }

  private:
    std::mt19937_64 engine_;
};

}  // namespace plumet
