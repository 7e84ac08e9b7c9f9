// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's JSON Lines trace: one object per event, in the order the events happen.
#pragma once

#include <ostream>

#include "bench/simulator.h"

namespace plumet::sim {

class TraceWriter : public Listener {
  public:
    explicit TraceWriter(std::ostream& out) : out_(out) {}

    void match(int number) override;
    void deal(const GameState& state) override;
    void turn(const GameState& state, const TurnInfo& info) override;
    void exchange(const GameState& state, int gapCard) override;
    void gameEnd(const GameState& state) override;

  private:
    void writeBoard(const GameState& state);

    std::ostream& out_;
};

}  // namespace plumet::sim
