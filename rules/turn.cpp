// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/turn.h"

namespace plumet {

int nextToMove(const GameState& s, int player) {
    if (s.cardsLeft <= 0) return 0;
    for (int i = 0, q = player; i < kPlayers; ++i) {
        q = nextPlayer(q);
        if (s.handCount[q] > 0) return q;
    }
    throw RuleFault("cards are left but no player holds any");
}

}  // namespace plumet
