// SPDX-License-Identifier: GPL-3.0-or-later
// Laying a card from a hand: the test where a card fits, the state side of `layFromHand`, and the
// plain move of a card chosen by its player.
#pragma once

#include "rules/gamestate.h"
#include "rules/moveview.h"

namespace plumet {

// The row end 1..8 at which the card in `slot` of `player`'s hand may be laid now, else 0
// (the joker never fits an end by itself).
int fittingEnd(const GameState& state, int player, int slot);

// The human's click test: like fittingEnd, but 53 when the slot holds the joker.
int clickTarget(const GameState& state, int slot);

// The state side of laying `card` from `slot` of `player`'s hand: the card goes on the board
// (the joker does not: it leaves the hand only), the hand closes up, and, unless the player is
// dropping out, the outcome: left with only the joker ("ばばもち": the joker leaves the game
// too, place 4 with the players below moved up one place) or no card left ("あがり！": the
// best free place, outBonus = the cards the others still hold). The view's beforeLay runs
// before any change (not for the joker), afterLay after all of them.
LayOutcome layFromHand(GameState& state, int player, int card, int slot,
                       MoveView& view = nullView());

// A card laid by its player's choice at the end where it fits: layFromHand, the end advanced,
// laidCount + 1, cardsLeft - 1. Returns false (and changes nothing) when the card fits no end.
bool layCard(GameState& state, const Rules& rules, int player, int slot,
             MoveView& view = nullView());

}  // namespace plumet
