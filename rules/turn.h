// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off of the turn: 1 -> 2 -> 3 -> 4 -> 1, skipping players who hold no cards.
#pragma once

#include <stdexcept>

#include "rules/gamestate.h"

namespace plumet {

// A rule function found the state in a condition the rules never produce.
class RuleFault : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// The player to move after `player`'s completed move: the next player in turn order who
// holds cards, or 0 when the game is over (cardsLeft is 0). Throws RuleFault when cards are
// left but no hand holds any, which would hand the turn round for ever.
int nextToMove(const GameState& state, int player);

}  // namespace plumet
