// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/simulator.h"

#include "rules/deal.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "rules/scoring.h"
#include "rules/turn.h"

namespace plumet::sim {

namespace {

// More turns than any game can take: each turn lays a card or uses up one of at most twelve
// passes, so a game has fewer than 53 + 12 turns.
constexpr int kTurnLimit = 1000;

TurnInfo playTurn(GameState& s, const Rules& rules, Random& random, int player,
                  const Seats& seats) {
    TurnInfo info;
    info.player = player;
    info.decision =
        computerDecision(s, rules, player, seats.strength[player], random, seats.search);
    const Decision& d = info.decision;
    switch (d.kind) {
        case Decision::Kind::Lay:
            info.card = s.hand[player][d.slot];
            layCard(s, rules, player, d.slot);
            break;
        case Decision::Kind::Joker:
            info.card = s.hand[player][d.slot];
            jokerMove(s, rules, player, s.handCount[player], d.slot, d.end);
            info.holder = s.gapHolder;
            info.holderSlot = s.gapHolderSlot;
            break;
        case Decision::Kind::Pass: {
            const auto hand = s.hand[player];
            const int count = s.handCount[player];
            info.droppedOut = passOrDropOut(s, player) == PassResult::DroppedOut;
            if (info.droppedOut) {
                info.dumped[0] = static_cast<std::int16_t>(count);
                for (int i = 1; i <= count; ++i) info.dumped[i] = hand[i];
            }
            break;
        }
    }
    return info;
}

}  // namespace

bool playGame(GameState& s, const Rules& rules, Random& random, Listener& listener,
              const Seats& seats) {
    deal(s, rules, random);
    listener.deal(s);
    laySevens(s);
    int turns = 0;
    for (int player = s.handCount[s.firstPlayer] > 0 ? s.firstPlayer : nextToMove(s, s.firstPlayer);
         player != 0; player = nextToMove(s, player)) {
        if (++turns > kTurnLimit) throw RuleFault("a game that never ends");
        const TurnInfo info = playTurn(s, rules, random, player, seats);
        listener.turn(s, info);
        if (info.decision.kind == Decision::Kind::Joker) {
            const int gapCard = s.hand[s.gapHolder][s.gapHolderSlot];
            exchange(s, rules, player);
            listener.exchange(s, gapCard);
        }
    }
    const bool matchOver = finishGame(s, rules);
    listener.gameEnd(s);
    if (matchOver) s.gameNumber = 0;
    return matchOver;
}

long playMatches(int matches, const Rules& rules, Random& random, Listener& listener,
                 const Seats& seats) {
    GameState state;
    long games = 0;
    for (int m = 1; m <= matches; ++m) {
        listener.match(m);
        do ++games;
        while (!playGame(state, rules, random, listener, seats));
    }
    return games;
}

}  // namespace plumet::sim
