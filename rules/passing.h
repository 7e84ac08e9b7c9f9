// SPDX-License-Identifier: GPL-3.0-or-later
// Passing and dropping out ("はきだし").
#pragma once

#include "rules/gamestate.h"
#include "rules/moveview.h"

namespace plumet {

enum class PassResult { Passed, DroppedOut };

// `player` passes: one pass fewer. A player who had no pass left drops out: every card of the
// hand goes onto its own board position in slot order (no row end moves, so later plays skip
// over them; a held joker just leaves the game), the dump counts into `dumped`, and the
// player takes the worst free place with "はきだし".
PassResult passOrDropOut(GameState& state, int player, MoveView& view = nullView());

// The human may not use the last pass while a card can be laid: true when passesLeft[1] is 1
// and a card of the hand fits an end or, with the joker held, a joker move exists.
bool lastPassRefused(const GameState& state, const Rules& rules);

}  // namespace plumet
