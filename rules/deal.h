// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a game: the new-match reset, the per-game reset, the shuffle, the deal and the
// laying of the sevens.
#pragma once

#include "rules/gamestate.h"
#include "rules/moveview.h"
#include "rules/random.h"

namespace plumet {

// Starts the next game of the match (a new match when gameNumber is 0: totals cleared and a
// random starter drawn): per-game reset, gameNumber + 1, uniform shuffle into deck[1..N],
// thirteen cards a player in deck order, the 53rd card to the starter, the human's hand
// sorted, the joker moved to the last slot of every hand, and the row ends opened at the
// sixes and eights. The sevens are still in the hands; see laySevens.
void deal(GameState& state, const Rules& rules, Random& random);

// Lays the four sevens from the hands through `layFromHand` and sets firstPlayer, the holder of the
// seven of suit 3, who moves first.
void laySevens(GameState& state, MoveView& view = nullView());

}  // namespace plumet
