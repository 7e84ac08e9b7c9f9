#include "rules/passing.h"

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/places.h"

namespace plumet {

PassResult ps(GameState& s, int player, MoveView& view) {
    if (player == kHuman) s.selslot = 0;  // a selected joker goes back into the hand
    if (--s.passleft[player] != 0) {
        view.passed(player);
        return PassResult::Passed;
    }
    view.droppingOut(player);
    s.dumped = static_cast<std::int16_t>(s.dumped + s.handcount[player]);
    // Always the first card; a held joker is last and leaves the game without a place.
    while (s.handcount[player] > 0) {
        dasu(s, player, s.hand[player][1], 1, view);
        --s.cardsleft;
    }
    s.outbonus[player] = 0;
    takeWorstPlace(s, player);
    s.outcome[player] = Outcome::DroppedOut;
    view.droppedOut(player);
    return PassResult::DroppedOut;
}

bool lastPassRefused(const GameState& s, const Rules& rules) {
    if (s.passleft[kHuman] != 1) return false;
    for (int slot = 1; slot <= s.handcount[kHuman]; ++slot) {
        if (hantei1(s, kHuman, slot) > 0) return true;
    }
    const int count = s.handcount[kHuman];
    return count > 0 && s.hand[kHuman][count] == kJoker && jokerCanFree(s, rules, kHuman);
}

}  // namespace plumet
