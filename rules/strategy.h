// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' strategy `classicDecision`: one decision per turn from the player's own
// hand, the public board and two random draws.
#pragma once

#include "rules/gamestate.h"
#include "rules/random.h"

namespace plumet {

// Pass constant B of the voluntary pass: 6 for players 2 and 3, 7 for player 4.
constexpr int passConstant(int player) {
    return player == 4 ? 7 : 6;
}

// Share (0..10000) of the still missing cards beyond `end` that `player` holds, walking from
// the card the end asks for to the end of its run. Also stored in endRatings[end], which must
// be 0 on entry; endRatings[0] is used as the counter of missing cards.
int endRating(GameState& state, const Rules& rules, int player, int end);

// `slot` when the card in `slot` of `player`'s hand is `card`, else 0.
int slotHolding(const GameState& state, int player, int slot, int card);

struct Decision {
    enum class Kind { Joker, Lay, Pass };
    Kind kind = Kind::Pass;
    int slot = 0;            // Lay: the card's slot. Joker: the slot of the card the joker frees
    int end = 0;             // Lay: the end the card goes to. Joker: the end the joker fills
    int jokerDraw = 0;       // the joker-attempt draw k, 5..14
    bool passDrawn = false;  // whether the voluntary-pass draw was taken
    double passDraw = 0;     // that draw x in [0, 10)
};

// Decides `player`'s move: the joker attempt (when the draw k exceeds the hand size and the
// joker is held), else the first card that ends its side of the row, closes its end or frees
// a card the player holds, else a voluntary pass with a chance set by the passes left and
// `passConstant`, else the card at the best-rated end (ties to the lowest end), else a pass.
// Writes the strategy's scratch arrays endRatings and jokerFreedSlots.
Decision classicDecision(GameState& state, const Rules& rules, int player, int passConstant,
                         Random& random);

}  // namespace plumet
