// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/scoring.h"

namespace plumet {

void scoreGame(GameState& s) {
    // Places give 18, 10, 4, 0; every card laid by choice adds one point.
    for (int p = 1; p <= kPlayers; ++p) {
        const int q = s.place[p];
        s.gamePoints[p] = static_cast<std::int16_t>((4 - q) * 6 + (q == 1 ? 2 : 0) +
                                                    (q == 4 ? 2 : 0) - 2 + s.laidCount[p]);
    }
    // The winner of the previous game won again: one more bonus point per game in a row.
    const int winner = s.finishOrder[1];
    if (winner == s.starter && s.gameNumber > 1) {
        ++s.streak;
        s.gamePoints[winner] = static_cast<std::int16_t>(s.gamePoints[winner] + s.streak);
    } else {
        s.streak = 0;
    }
    // Going out collects the dumped cards and the cards the others held at that moment.
    int wentOut = 0;
    for (int p = 1; p <= kPlayers; ++p) {
        if (s.outcome[p] != Outcome::WentOut) continue;
        ++wentOut;
        s.gamePoints[p] = static_cast<std::int16_t>(s.gamePoints[p] + s.dumped + s.outBonus[p]);
    }
    // The fewer went out, the more each of them gets: 11, 5 or 3; 2 for all when all four did.
    if (wentOut == kPlayers) {
        for (int p = 1; p <= kPlayers; ++p) s.gamePoints[p] += 2;
    } else if (wentOut > 0) {
        constexpr int kBonus[] = {0, 11, 5, 3};  // 3 ^ (3 - n) + 2 for n players out
        for (int p = 1; p <= kPlayers; ++p) {
            if (s.outcome[p] == Outcome::WentOut)
                s.gamePoints[p] = static_cast<std::int16_t>(s.gamePoints[p] + kBonus[wentOut]);
        }
    }
    for (int p = 1; p <= kPlayers; ++p)
        s.score[p] = static_cast<std::int16_t>(s.score[p] + s.gamePoints[p]);
}

bool finishGame(GameState& s, const Rules& rules) {
    scoreGame(s);
    if (s.gameNumber >= kGamesPerMatch) return true;
    s.starter = s.finishOrder[1];  // the winner gets the extra card next game
    s.cardsLeft = static_cast<std::int16_t>(rules.deckSize());
    return false;
}

}  // namespace plumet
