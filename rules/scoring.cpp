#include "rules/scoring.h"

namespace plumet {

void scoregame(GameState& s) {
    // Places give 18, 10, 4, 0; every card laid by choice adds one point.
    for (int p = 1; p <= kPlayers; ++p) {
        const int q = s.place[p];
        s.gamepoints[p] = static_cast<std::int16_t>((4 - q) * 6 + (q == 1 ? 2 : 0) +
                                                    (q == 4 ? 2 : 0) - 2 + s.laidcount[p]);
    }
    // The winner of the previous game won again: one more bonus point per game in a row.
    const int winner = s.finishorder[1];
    if (winner == s.starter && s.gameno > 1) {
        ++s.streak;
        s.gamepoints[winner] = static_cast<std::int16_t>(s.gamepoints[winner] + s.streak);
    } else {
        s.streak = 0;
    }
    // Going out collects the dumped cards and the cards the others held at that moment.
    int wentOut = 0;
    for (int p = 1; p <= kPlayers; ++p) {
        if (s.outcome[p] != Outcome::WentOut) continue;
        ++wentOut;
        s.gamepoints[p] = static_cast<std::int16_t>(s.gamepoints[p] + s.dumped + s.outbonus[p]);
    }
    // The fewer went out, the more each of them gets: 11, 5 or 3; 2 for all when all four did.
    if (wentOut == kPlayers) {
        for (int p = 1; p <= kPlayers; ++p) s.gamepoints[p] += 2;
    } else if (wentOut > 0) {
        constexpr int kBonus[] = {0, 11, 5, 3};  // 3 ^ (3 - n) + 2 for n players out
        for (int p = 1; p <= kPlayers; ++p) {
            if (s.outcome[p] == Outcome::WentOut)
                s.gamepoints[p] = static_cast<std::int16_t>(s.gamepoints[p] + kBonus[wentOut]);
        }
    }
    for (int p = 1; p <= kPlayers; ++p)
        s.score[p] = static_cast<std::int16_t>(s.score[p] + s.gamepoints[p]);
}

bool endgame(GameState& s, const Rules& rules) {
    scoregame(s);
    if (s.gameno >= kGamesPerMatch) return true;
    s.starter = s.finishorder[1];  // the winner gets the extra card next game
    s.cardsleft = static_cast<std::int16_t>(rules.deckSize());
    return false;
}

}  // namespace plumet
