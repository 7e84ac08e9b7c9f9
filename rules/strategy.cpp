// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/strategy.h"

#include <cmath>

#include "rules/board.h"
#include "rules/joker.h"
#include "rules/laying.h"

namespace plumet {

namespace {

// The end with the highest rating among endRatings[1..8]; ties go to the lowest end number.
// Leaves the best rating in endRatings[0]; 0 when no end is rated above 0.
int bestEnd(GameState& s) {
    int best = 0;
    s.endRatings[0] = 0;
    for (int e = 1; e <= 8; ++e) {
        if (s.endRatings[e] > s.endRatings[0]) {
            best = e;
            s.endRatings[0] = s.endRatings[e];
        }
    }
    return best;
}

void clearRatings(GameState& s) {
    for (int e = 1; e <= 8; ++e) s.endRatings[e] = 0;
}

// The cards `player` holds, one bit per card code.
std::uint64_t heldCards(const GameState& s, int player) {
    std::uint64_t held = 0;
    for (int j = 1; j <= s.handCount[player]; ++j) held |= std::uint64_t{1} << s.hand[player][j];
    return held;
}

bool holds(std::uint64_t held, int card) {
    return held >> card & 1;
}

// endRating for a hand given as heldCards.
int rateEnd(GameState& s, const Rules& rules, std::uint64_t held, int end) {
    const int first = s.rowEnd[end];
    const Run run = runOf(s, rules, end);
    s.endRatings[0] = 0;
    const int length = std::abs(run.lastRank - rankOf(first)) + 1;
    for (int k = 0; k < length; ++k) {
        const int card = first + run.step * k;
        if (s.onBoard[card] != 0) continue;
        ++s.endRatings[0];
        if (holds(held, card)) ++s.endRatings[end];
    }
    const double share = static_cast<double>(s.endRatings[end]) / s.endRatings[0] * 10000;
    s.endRatings[end] = static_cast<std::int16_t>(share);
    return s.endRatings[end];
}

// A card taken at once: the last card of its side of the row (the king on a high end or the
// ace on a low end; with the ace-king connection only while the suit's other end is open),
// a card that closes its end, or a card that frees another card of the same hand.
bool isImmediate(const GameState& s, const Rules& rules, int player, std::uint64_t held, int slot,
                 int end) {
    const int rank = rankOf(s.hand[player][slot]);
    if (rank == 13 && (!rules.aceKing || s.rowEnd[end - 1] != kClosedEnd)) return true;
    if (rank == 1 && (!rules.aceKing || s.rowEnd[end + 1] != kClosedEnd)) return true;
    const int beyond = cardBeyondEnd(s, rules, end);
    return beyond == kClosedEnd || holds(held, beyond);
}

// The joker attempt: the end whose freed card leads to the best-rated run, or 0 when the joker
// frees nothing. Fills jokerFreedSlots with the slot freed at each end.
int chooseJokerEnd(GameState& s, const Rules& rules, int player) {
    const int last = s.handCount[player];
    bool any = false;
    for (int i = 1; i < last && !any; ++i) any = jokerEnd(s, rules, player, i) > 0;
    if (!any) return 0;
    clearRatings(s);
    for (int e = 1; e <= 8; ++e) s.jokerFreedSlots[e] = 0;
    for (int i = 1; i < last; ++i) {
        const int e = jokerEnd(s, rules, player, i);
        if (e == 0) continue;
        s.jokerFreedSlots[e] = static_cast<std::int16_t>(i);
        rateEnd(s, rules, heldCards(s, player), e);
    }
    return bestEnd(s);
}

}  // namespace

int endRating(GameState& s, const Rules& rules, int player, int end) {
    return rateEnd(s, rules, heldCards(s, player), end);
}

int slotHolding(const GameState& s, int player, int slot, int card) {
    return s.hand[player][slot] == card ? slot : 0;
}

Decision classicDecision(GameState& s, const Rules& rules, int player, int passConstant,
                         Random& random) {
    Decision d;
    const int count = s.handCount[player];

    // 1. The joker attempt, likelier the fewer cards are held.
    d.jokerDraw = random.below(10) + 5;
    if (d.jokerDraw > count && s.hand[player][count] == kJoker) {
        if (const int end = chooseJokerEnd(s, rules, player); end != 0) {
            d.kind = Decision::Kind::Joker;
            d.end = end;
            d.slot = s.jokerFreedSlots[end];
            return d;
        }
    }

    // 2. A card taken at once, the first in slot order. Each end fits at most one card; the
    // slots that fit are remembered for the rating below.
    const std::uint64_t held = heldCards(s, player);
    std::array<int, 9> fittingSlot{};
    bool any = false;
    for (int i = 1; i <= count; ++i) {
        const int end = fittingEnd(s, player, i);
        if (end == 0) continue;
        if (isImmediate(s, rules, player, held, i, end)) {
            d.kind = Decision::Kind::Lay;
            d.slot = i;
            d.end = end;
            return d;
        }
        fittingSlot[end] = i;
        any = true;
    }

    // 3. A voluntary pass, drawn before it is known whether any card fits.
    d.passDrawn = true;
    d.passDraw = random.next() * 10;
    if (d.passDraw > (4 - s.passesLeft[player]) * 2 + passConstant) return d;

    // 4. Nothing fits: pass.
    if (!any) return d;

    // 5. The card at the end with the best-rated run.
    clearRatings(s);
    for (int end = 1; end <= 8; ++end) {
        if (fittingSlot[end] != 0) rateEnd(s, rules, held, end);
    }
    const int best = bestEnd(s);
    if (best == 0) return d;
    d.kind = Decision::Kind::Lay;
    d.slot = fittingSlot[best];
    d.end = best;
    return d;
}

}  // namespace plumet
