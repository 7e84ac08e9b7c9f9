// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/invariants.h"

#include <string>

namespace plumet {

namespace {

std::string cardText(int card) {
    return "card " + std::to_string(card);
}

}  // namespace

std::string checkInvariants(const GameState& s, const Rules& rules) {
    std::array<int, 54> where{};  // how many places hold each card
    int inHands = 0;
    for (int p = 1; p <= kPlayers; ++p) {
        const int count = s.handCount[p];
        if (count < 0 || count > kMaxHand)
            return "player " + std::to_string(p) + " holds " + std::to_string(count) + " cards";
        for (int i = 1; i < static_cast<int>(s.hand[p].size()); ++i) {
            const int card = s.hand[p][i];
            if (i > count) {
                if (card != 0)
                    return "a slot past the hand of player " + std::to_string(p) + " holds " +
                           cardText(card);
                continue;
            }
            if (card < 1 || card > rules.deckSize())
                return "player " + std::to_string(p) + " holds " + cardText(card);
            if (card == kJoker && i != count)
                return "the joker is not in the last slot of player " + std::to_string(p);
            ++where[card];
        }
        inHands += count;
    }
    for (int card = 1; card <= 52; ++card) {
        where[card] += s.onBoard[card];
        if (where[card] != 1)
            return cardText(card) + " is in " + std::to_string(where[card]) + " places";
    }
    if (where[kJoker] > 1) return "the joker is in more than one hand";
    if (s.onBoard[kJoker] != 0) return "the joker is marked as on the board";
    if (s.cardsLeft != inHands)
        return "cardsleft is " + std::to_string(s.cardsLeft) + " but the hands hold " +
               std::to_string(inHands);

    for (int end = 1; end <= 8; ++end) {
        const int card = s.rowEnd[end];
        if (card == kClosedEnd) continue;
        const int suit = (end - 1) / 2;
        if (card < 1 || card > 52 || sideEnd(card) != end || isSeven(card))
            return "row end " + std::to_string(end) + " holds " + cardText(card);
        if (s.onBoard[card] != 0)
            return "row end " + std::to_string(end) + " asks for " + cardText(card) +
                   ", which is on the board";
        if (end % 2 == 0 && s.rowEnd[end - 1] == card)
            return "both ends of suit " + std::to_string(suit) + " ask for " + cardText(card);
    }

    std::array<bool, kPlayers + 1> placed{};
    for (int k = 1; k <= kPlayers; ++k) {
        const int p = s.finishOrder[k];
        if (p == 0) continue;
        if (p < 1 || p > kPlayers || placed[p])
            return "place " + std::to_string(k) + " holds player " + std::to_string(p);
        placed[p] = true;
        if (s.place[p] != k)
            return "player " + std::to_string(p) + " is on place " + std::to_string(k) +
                   " but has place " + std::to_string(s.place[p]);
    }
    return {};
}

}  // namespace plumet
