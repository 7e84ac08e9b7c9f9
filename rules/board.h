// SPDX-License-Identifier: GPL-3.0-or-later
// The placement rule of the board: which card each row end asks for, and how an end moves
// on after a card (or the joker standing for it) has been laid there.
#pragma once

#include "rules/gamestate.h"

namespace plumet {

// Advances row end `end` (1..8) past the card just laid there: the end moves over every card
// already on the board to the first that is not, and closes after the king (upwards) or the
// ace (downwards). With the ace-king connection a suit row is a ring: the end that reaches
// the king or the ace while its partner is open closes, and the partner is sent round to ask
// for the ace (running up to the six) or the king (running down to the eight).
void advanceEnd(GameState& state, const Rules& rules, int end);

// The run of an open end: from the card it asks for, the direction it continues in (+1 up,
// -1 down) and the rank of its last card: up to the king or down to the ace, or, for an end
// the ace-king ring has sent round (its partner is closed), down to the eight or up to the six.
struct Run {
    int step;
    int lastRank;
};
Run runOf(const GameState& state, const Rules& rules, int end);

// The card that becomes layable at `end` when the joker fills the card `end` asks for now,
// or kClosedEnd when there is none (a closed end, or the end's last card of its run).
int cardBeyondEnd(const GameState& state, const Rules& rules, int end);

}  // namespace plumet
