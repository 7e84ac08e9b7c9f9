// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/passing.h"

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/places.h"

namespace plumet {

PassResult passOrDropOut(GameState& s, int player, MoveView& view) {
    if (player == kHuman) s.selectedJokerSlot = 0;  // a selected joker goes back into the hand
    if (--s.passesLeft[player] != 0) {
        view.passed(player);
        return PassResult::Passed;
    }
    view.droppingOut(player);
    s.dumped = static_cast<std::int16_t>(s.dumped + s.handCount[player]);
    // Always the first card; a held joker is last and leaves the game without a place.
    while (s.handCount[player] > 0) {
        layFromHand(s, player, s.hand[player][1], 1, view);
        --s.cardsLeft;
    }
    s.outBonus[player] = 0;
    takeWorstPlace(s, player);
    s.outcome[player] = Outcome::DroppedOut;
    view.droppedOut(player);
    return PassResult::DroppedOut;
}

bool lastPassRefused(const GameState& s, const Rules& rules) {
    if (s.passesLeft[kHuman] != 1) return false;
    for (int slot = 1; slot <= s.handCount[kHuman]; ++slot) {
        if (fittingEnd(s, kHuman, slot) > 0) return true;
    }
    const int count = s.handCount[kHuman];
    return count > 0 && s.hand[kHuman][count] == kJoker && jokerCanFree(s, rules, kHuman);
}

}  // namespace plumet
