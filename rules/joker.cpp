#include "rules/joker.h"

#include "rules/board.h"
#include "rules/laying.h"
#include "rules/turn.h"

namespace plumet {

namespace {

bool holds(const GameState& s, int player, int card) {
    for (int j = 1; j <= s.handcount[player]; ++j) {
        if (s.hand[player][j] == card) return true;
    }
    return false;
}

}  // namespace

int hanteij(const GameState& s, const Rules& rules, int player, int slot) {
    const int card = s.hand[player][slot];
    const int end = sideEnd(card);
    if (card == beyondend(s, rules, end) && !holds(s, player, s.rowend[end])) return end;
    return 0;
}

bool jokerCanFree(const GameState& s, const Rules& rules, int player) {
    for (int slot = 1; slot <= s.handcount[player]; ++slot) {
        if (s.hand[player][slot] != kJoker && hanteij(s, rules, player, slot) > 0) return true;
    }
    return false;
}

int findHolder(const GameState& s, int mover, int card, int* slot) {
    for (int q = 1; q <= kPlayers; ++q) {
        if (q == mover) continue;
        for (int j = 1; j <= s.handcount[q]; ++j) {
            if (s.hand[q][j] != card) continue;
            if (slot) *slot = j;
            return q;
        }
    }
    return 0;
}

void jokerMove(GameState& s, const Rules& rules, int player, int jokerSlot, int freedSlot, int end,
               MoveView& view) {
    const int count = s.handcount[player];
    if (jokerSlot < 1 || jokerSlot > count || freedSlot < 1 || freedSlot > count ||
        freedSlot == jokerSlot || s.hand[player][jokerSlot] != kJoker ||
        hanteij(s, rules, player, freedSlot) != end)
        throw RuleFault("joker move that frees no card");
    int holderSlot = 0;
    const int gap = s.rowend[end];
    const int holder = findHolder(s, player, gap, &holderSlot);
    if (holder == 0) throw RuleFault("joker move whose gap card nobody holds");

    const int freed = s.hand[player][freedSlot];
    dasu(s, player, kJoker, jokerSlot, view);
    if (freedSlot > jokerSlot) --freedSlot;
    s.jokerplayer = static_cast<std::int16_t>(holder);
    s.jokerslot = static_cast<std::int16_t>(holderSlot);
    view.beforeJokerFlight(player, gap);
    dasu(s, player, freed, freedSlot, view);
    daseru(s, rules, end);  // the end moves past the freed card; the gap card is not laid yet
    s.cardsleft = static_cast<std::int16_t>(s.cardsleft - 2);
    ++s.laidcount[player];
}

void exchange(GameState& s, const Rules& rules, int mover, MoveView& view) {
    const int holder = s.jokerplayer;
    const int slot = s.jokerslot;
    if (rules.joker == JokerMode::Reused) {
        ++s.cardsleft;
        const int n = ++s.handcount[holder];
        s.hand[holder][n] = kJoker;  // at the end: the hand stays sorted
        view.jokerReturned(holder);
    }
    view.beforeExchange(holder);
    dasu(s, holder, s.hand[holder][slot], slot, view);
    --s.cardsleft;
    if (mover == kHuman) s.selslot = 0;
}

void toggleJokerSelection(GameState& s, int slot) {
    s.selslot = static_cast<std::int16_t>(s.selslot > 0 ? 0 : slot);
}

}  // namespace plumet
