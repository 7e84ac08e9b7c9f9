// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/deal.h"

#include <algorithm>
#include <numeric>

#include "rules/laying.h"

namespace plumet {

namespace {

constexpr std::array<std::int16_t, 9> kOpeningEnds = {0, 6, 8, 19, 21, 32, 34, 45, 47};

// A uniformly random permutation of the cards 1..n into deck positions 1..n.
void shuffle(GameState& s, int n, Random& random) {
    s.deck.fill(0);
    std::iota(s.deck.begin() + 1, s.deck.begin() + 1 + n, std::int16_t{1});
    for (int i = n; i > 1; --i) std::swap(s.deck[i], s.deck[1 + random.below(i)]);
}

}  // namespace

void deal(GameState& s, const Rules& rules, Random& random) {
    if (s.gameNumber == 0) {  // a new match
        s.score.fill(0);
        s.starter = static_cast<std::int16_t>(random.below(kPlayers) + 1);
    }
    s.onBoard.fill(0);
    for (int p = 1; p <= kPlayers; ++p) {
        s.finishOrder[p] = 0;
        s.place[p] = 0;
        s.handCount[p] = 13;
        s.passesLeft[p] = static_cast<std::int16_t>(rules.startPassesLeft());
        s.laidCount[p] = 0;
        s.outBonus[p] = 0;
        s.outcome[p] = Outcome::Playing;
    }
    s.firstPlayer = 0;
    ++s.gameNumber;
    const int n = rules.deckSize();
    s.cardsLeft = static_cast<std::int16_t>(n);
    s.arrangeStep = 0;
    s.dumped = 0;
    s.selectedJokerSlot = 0;
    s.gapHolder = 0;  // no joker move yet in this game
    s.gapHolderSlot = 0;

    shuffle(s, n, random);
    for (auto& hand : s.hand) hand.fill(0);
    for (int p = 1, k = 1; p <= kPlayers; ++p)
        for (int j = 1; j <= 13; ++j) s.hand[p][j] = s.deck[k++];
    if (rules.jokerInPlay()) {
        s.hand[s.starter][14] = s.deck[53];
        s.handCount[s.starter] = 14;
    }

    // The human's hand in ascending code order: grouped by suit, the joker last.
    auto& human = s.hand[kHuman];
    std::sort(human.begin() + 1, human.begin() + 1 + s.handCount[kHuman]);
    // A computer hand keeps the deal order, except that the joker goes to the last slot.
    for (int p = 1; p <= kPlayers; ++p) {
        auto& hand = s.hand[p];
        auto* const last = hand.begin() + s.handCount[p];
        auto* const joker = std::find(hand.begin() + 1, last, kJoker);
        if (joker != last) std::swap(*joker, *last);
    }
    s.rowEnd = kOpeningEnds;
}

void laySevens(GameState& s, MoveView& view) {
    for (int p = 1; p <= kPlayers; ++p) {
        // The slot that receives the next card is examined again after each seven.
        for (int i = 1; i <= s.handCount[p];) {
            const int card = s.hand[p][i];
            if (!isSeven(card)) {
                ++i;
                continue;
            }
            --s.cardsLeft;
            if (suitOf(card) == 3) s.firstPlayer = static_cast<std::int16_t>(p);
            layFromHand(s, p, card, i, view);
        }
    }
}

}  // namespace plumet
