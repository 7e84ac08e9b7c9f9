// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/board.h"

namespace plumet {

namespace {

// Moves end `end` step by step in direction `step` (+1 up, -1 down) past the card just laid:
// it stops on the first card not on the board, and closes when the card laid or the card it
// reaches has rank `lastRank`.
void advance(GameState& s, int end, int laidRank, int step, int lastRank) {
    auto& value = s.rowEnd[end];
    for (;;) {
        if (laidRank == lastRank || rankOf(value) == lastRank) {
            value = kClosedEnd;
            return;
        }
        value = static_cast<std::int16_t>(value + step);
        if (s.onBoard[value] != 1) return;
    }
}

// The ace-king ring: an end reaching `lastRank` closes and sends its open partner round to
// `partnerStart` (the ace or the king of the suit), from where the partner skips the cards
// already on the board in direction `partnerStep`.
void advanceInRing(GameState& s, int end, int laidRank, int step, int lastRank, int partner,
                   int partnerStart, int partnerStep) {
    auto& value = s.rowEnd[end];
    for (;;) {
        if (laidRank == lastRank || rankOf(value) == lastRank) {
            value = kClosedEnd;
            auto& other = s.rowEnd[partner];
            other = static_cast<std::int16_t>(partnerStart);
            while (s.onBoard[other] == 1) other = static_cast<std::int16_t>(other + partnerStep);
            return;
        }
        value = static_cast<std::int16_t>(value + step);
        if (s.onBoard[value] != 1) return;
    }
}

bool isOpen(const GameState& s, int end) {
    return rankOf(s.rowEnd[end]) != 7;
}

}  // namespace

void advanceEnd(GameState& s, const Rules& rules, int end) {
    const int laid = s.rowEnd[end];
    const int rank = rankOf(laid);
    const int suit = suitOf(laid);
    const bool high = rank > 7;

    if (!rules.aceKing) {
        if (high)
            advance(s, end, rank, +1, 13);
        else
            advance(s, end, rank, -1, 1);
        return;
    }
    if (high) {
        if (isOpen(s, end - 1))
            advanceInRing(s, end, rank, +1, 13, end - 1, cardCode(suit, 1), +1);
        else
            advance(s, end, rank, -1, 8);  // sent round to the king: runs down to the eight
    } else {
        if (isOpen(s, end + 1))
            advanceInRing(s, end, rank, -1, 1, end + 1, cardCode(suit, 13), -1);
        else
            advance(s, end, rank, +1, 6);  // sent round to the ace: runs up to the six
    }
}

Run runOf(const GameState& s, const Rules& rules, int end) {
    const bool high = rankOf(s.rowEnd[end]) > 7;
    if (rules.aceKing) {
        if (high && s.rowEnd[end - 1] == kClosedEnd) return {-1, 8};
        if (!high && s.rowEnd[end + 1] == kClosedEnd) return {+1, 6};
    }
    return high ? Run{+1, 13} : Run{-1, 1};
}

int cardBeyondEnd(const GameState& s, const Rules& rules, int end) {
    const int gap = s.rowEnd[end];
    if (gap == kClosedEnd) return kClosedEnd;
    const int rank = rankOf(gap);
    const Run run = runOf(s, rules, end);
    for (int i = 1;; ++i) {
        const int candidateRank = rank + run.step * i;
        if (run.step > 0 ? candidateRank > run.lastRank : candidateRank < run.lastRank)
            return kClosedEnd;
        const int card = gap + run.step * i;
        if (s.onBoard[card] != 1) return card;
    }
}

}  // namespace plumet
