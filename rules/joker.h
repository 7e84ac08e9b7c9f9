// SPDX-License-Identifier: GPL-3.0-or-later
// The joker: laid into the gap in front of a card its player wants to lay, after which the
// holder of the gap card must lay it; then the joker leaves the game ("使用") or goes back to
// that holder ("再使用").
#pragma once

#include "rules/gamestate.h"
#include "rules/moveview.h"

namespace plumet {

// The row end at which laying the joker lets the card in `slot` of `player`'s hand be laid
// with it, else 0: the card must be the one just beyond the gap at the end on its side, and
// the player must not hold the gap card itself. Never called for the joker's own slot.
int jokerEnd(const GameState& state, const Rules& rules, int player, int slot);

// True when some card of `player`'s hand (other than the joker) can be freed by the joker.
bool jokerCanFree(const GameState& state, const Rules& rules, int player);

// The player other than `mover` whose hand holds `card`, searching players 1..4 in order;
// 0 when nobody does.
int findHolder(const GameState& state, int mover, int card, int* slot = nullptr);

// The joker move of `player`: the joker leaves `jokerSlot`, the holder of the gap card at
// `end` is recorded in gapHolder/gapHolderSlot, the card in `freedSlot` is laid and the end
// advanced past it; cardsLeft - 2, laidCount + 1. The exchange follows (see exchange).
// `freedSlot` is a slot of the hand before the joker leaves it and must lie before the joker.
void jokerMove(GameState& state, const Rules& rules, int player, int jokerSlot, int freedSlot,
               int end, MoveView& view = nullView());

// The exchange after a joker move by `mover`: under "再使用" the joker goes back to the end of
// the holder's hand; the holder lays the gap card onto the joker's place (no end moves, no
// laidCount); cardsLeft - 1. The human's joker selection is cleared when the human moved.
void exchange(GameState& state, const Rules& rules, int mover, MoveView& view = nullView());

// The human clicks the joker: selects it, or deselects it when it is selected.
void toggleJokerSelection(GameState& state, int slot);

}  // namespace plumet
