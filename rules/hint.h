// The hint for the human ("ヒント"): the move the computer strategy would make in the human's
// seat, decided by the same `classicDecision` the computer players run, on a copy of the game.
#pragma once

#include "rules/gamestate.h"
#include "rules/random.h"

namespace plumet {

struct Hint {
    enum class Kind { Lay, Joker, Pass };
    Kind kind = Kind::Pass;
    int slot = 0;       // Lay: the card's slot. Joker: the slot of the card the joker frees
    int jokerSlot = 0;  // Joker: the joker's slot (the last one)
};

// The human's hint: classicDecision for player 1 with the voluntary-pass constant of players 2 and
// 3, drawing from `random`. It runs on a copy of `state`, so the game (the strategy's scratch
// arrays included) stays as it is; only `random` moves on. A pass that the last-pass rule
// would refuse the human is never the hint: the first card that fits, else the joker move.
Hint hint(const GameState& state, const Rules& rules, Random& random);

}  // namespace plumet
