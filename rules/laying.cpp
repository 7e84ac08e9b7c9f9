// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/laying.h"

#include "rules/board.h"
#include "rules/places.h"

namespace plumet {

int fittingEnd(const GameState& s, int player, int slot) {
    // An end only ever asks for a card of its own side of the seven (see checkInvariants), so
    // the one end to compare is the card's side end.
    const int card = s.hand[player][slot];
    if (card < 1 || card >= kJoker) return 0;
    const int end = sideEnd(card);
    return s.rowEnd[end] == card ? end : 0;
}

int clickTarget(const GameState& s, int slot) {
    return s.hand[kHuman][slot] == kJoker ? kJoker : fittingEnd(s, kHuman, slot);
}

LayOutcome layFromHand(GameState& s, int player, int card, int slot, MoveView& view) {
    if (card != kJoker) {
        view.beforeLay(player, card, slot);
        s.onBoard[card] = 1;
    }
    auto& hand = s.hand[player];
    auto& count = s.handCount[player];
    for (int j = slot; j < count; ++j) hand[j] = hand[j + 1];
    hand[count] = 0;
    --count;

    LayOutcome outcome = LayOutcome::None;
    if (s.passesLeft[player] > 0 && count == 1 && hand[1] == kJoker) {
        // Left with only the joker: it leaves the game with its holder on the last place.
        hand[1] = 0;
        count = 0;
        --s.cardsLeft;
        s.outBonus[player] = 0;
        takeLastPlace(s, player);
        s.outcome[player] = Outcome::JokerLeft;
        outcome = LayOutcome::JokerLeft;
    } else if (s.passesLeft[player] > 0 && count == 0) {
        int others = 0;
        for (int q = 1; q <= kPlayers; ++q) {
            if (q != player) others += s.handCount[q];
        }
        s.outBonus[player] = static_cast<std::int16_t>(others);
        takeBestPlace(s, player);
        s.outcome[player] = Outcome::WentOut;
        outcome = LayOutcome::WentOut;
    }
    view.afterLay(player, card, slot, outcome);
    return outcome;
}

bool layCard(GameState& s, const Rules& rules, int player, int slot, MoveView& view) {
    const int end = fittingEnd(s, player, slot);
    if (end == 0) return false;
    layFromHand(s, player, s.hand[player][slot], slot, view);
    advanceEnd(s, rules, end);
    ++s.laidCount[player];
    --s.cardsLeft;
    return true;
}

}  // namespace plumet
