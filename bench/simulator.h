// SPDX-License-Identifier: GPL-3.0-or-later
// The headless simulator: whole matches with all four seats played by computer players of a
// chosen strength each (the classic strategy unless told otherwise), through the same rule
// functions the game's windows call.
#pragma once

#include <cstdint>

#include "rules/gamestate.h"
#include "rules/random.h"
#include "rules/strategy.h"
#include "rules/strength.h"

namespace plumet::sim {

// What happened in a turn besides the decision, for those who watch the simulation.
struct TurnInfo {
    int player = 0;
    Decision decision;
    int card = 0;                           // Lay: the card laid. Joker: the card the joker freed
    int holder = 0;                         // Joker: the holder of the gap card
    int holderSlot = 0;                     // and its slot
    std::array<std::int16_t, 16> dumped{};  // Dropout: the dumped cards in order (count first)
    bool droppedOut = false;
};

// Receives every event of a simulation, with the state as it is after the event.
class Listener {
  public:
    virtual ~Listener() = default;
    virtual void match(int /*number*/) {}
    virtual void deal(const GameState&) {}
    virtual void turn(const GameState&, const TurnInfo&) {}
    virtual void exchange(const GameState&, int /*gapCard*/) {}
    virtual void gameEnd(const GameState&) {}
};

// Who plays the four seats: a strength per player 1..4 (index 0 unused), and the search
// limits of the strong ones. Seat 1 is the human's seat in the game; here a computer plays it
// like the others (at classic with the pass constant of players 2 and 3, and never refused
// its last pass).
struct Seats {
    std::array<Strength, kPlayers + 1> strength{Strength::Classic, Strength::Classic,
                                                Strength::Classic, Strength::Classic,
                                                Strength::Classic};
    SearchLimits search;
};

// Plays one game of the match in `state` from the deal to the score; returns true when it
// was the match's last game (gameNumber is then back at 0).
bool playGame(GameState& state, const Rules& rules, Random& random, Listener& listener,
              const Seats& seats = {});

// Plays `matches` matches of ten games; returns the number of games played.
long playMatches(int matches, const Rules& rules, Random& random, Listener& listener,
                 const Seats& seats = {});

}  // namespace plumet::sim
