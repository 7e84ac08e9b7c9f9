// The headless simulator: whole matches with all four seats played by the computer strategy,
// through the same rule functions the game's windows call.
#pragma once

#include <cstdint>

#include "rules/gamestate.h"
#include "rules/random.h"
#include "rules/strategy.h"

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

// Plays one game of the match in `state` from the deal to the score; returns true when it
// was the match's last game (gameNumber is then back at 0).
bool playGame(GameState& state, const Rules& rules, Random& random, Listener& listener);

// Plays `matches` matches of ten games; returns the number of games played.
long playMatches(int matches, const Rules& rules, Random& random, Listener& listener);

}  // namespace plumet::sim
