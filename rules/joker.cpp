// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/joker.h"

#include "rules/board.h"
#include "rules/laying.h"
#include "rules/turn.h"

namespace plumet {

namespace {

bool holds(const GameState& s, int player, int card) {
    for (int j = 1; j <= s.handCount[player]; ++j) {
        if (s.hand[player][j] == card) return true;
    }
    return false;
}

}  // namespace

int jokerEnd(const GameState& s, const Rules& rules, int player, int slot) {
    const int card = s.hand[player][slot];
    const int end = sideEnd(card);
    if (card == cardBeyondEnd(s, rules, end) && !holds(s, player, s.rowEnd[end])) return end;
    return 0;
}

bool jokerCanFree(const GameState& s, const Rules& rules, int player) {
    for (int slot = 1; slot <= s.handCount[player]; ++slot) {
        if (s.hand[player][slot] != kJoker && jokerEnd(s, rules, player, slot) > 0) return true;
    }
    return false;
}

int findHolder(const GameState& s, int mover, int card, int* slot) {
    for (int q = 1; q <= kPlayers; ++q) {
        if (q == mover) continue;
        for (int j = 1; j <= s.handCount[q]; ++j) {
            if (s.hand[q][j] != card) continue;
            if (slot) *slot = j;
            return q;
        }
    }
    return 0;
}

void jokerMove(GameState& s, const Rules& rules, int player, int jokerSlot, int freedSlot, int end,
               MoveView& view) {
    const int count = s.handCount[player];
    if (jokerSlot < 1 || jokerSlot > count || freedSlot < 1 || freedSlot > count ||
        freedSlot == jokerSlot || s.hand[player][jokerSlot] != kJoker ||
        jokerEnd(s, rules, player, freedSlot) != end)
        throw RuleFault("joker move that frees no card");
    int holderSlot = 0;
    const int gap = s.rowEnd[end];
    const int holder = findHolder(s, player, gap, &holderSlot);
    if (holder == 0) throw RuleFault("joker move whose gap card nobody holds");

    const int freed = s.hand[player][freedSlot];
    layFromHand(s, player, kJoker, jokerSlot, view);
    if (freedSlot > jokerSlot) --freedSlot;
    s.gapHolder = static_cast<std::int16_t>(holder);
    s.gapHolderSlot = static_cast<std::int16_t>(holderSlot);
    view.beforeJokerFlight(player, gap);
    layFromHand(s, player, freed, freedSlot, view);
    advanceEnd(s, rules, end);  // the end moves past the freed card; the gap card is not laid yet
    s.cardsLeft = static_cast<std::int16_t>(s.cardsLeft - 2);
    ++s.laidCount[player];
}

void exchange(GameState& s, const Rules& rules, int mover, MoveView& view) {
    const int holder = s.gapHolder;
    const int slot = s.gapHolderSlot;
    if (rules.joker == JokerMode::Reused) {
        ++s.cardsLeft;
        const int n = ++s.handCount[holder];
        s.hand[holder][n] = kJoker;  // at the end: the hand stays sorted
        view.jokerReturned(holder);
    }
    view.beforeExchange(holder);
    layFromHand(s, holder, s.hand[holder][slot], slot, view);
    --s.cardsLeft;
    if (mover == kHuman) s.selectedJokerSlot = 0;
}

void toggleJokerSelection(GameState& s, int slot) {
    s.selectedJokerSlot = static_cast<std::int16_t>(s.selectedJokerSlot > 0 ? 0 : slot);
}

}  // namespace plumet
