// SPDX-License-Identifier: GPL-3.0-or-later
// What one seat knows of a game: its own hand, the board and what every player shows (cards
// held, passes left, places), and where the joker is when its moves have told. A search that
// sees only an Observation cannot look into the other hands: it deals the cards it cannot see
// anew for every sample, from the Observation alone.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/gamestate.h"
#include "rules/random.h"

namespace plumet {

struct Observation {
    Rules rules;
    int seat = 0;  // the player who observes

    // The seat's own hand in slot order, slots 1..handCount[seat].
    std::array<std::int16_t, 16> hand{};

    // The board and every player's public progress, as in GameState.
    std::array<std::int16_t, 54> onBoard{};
    std::array<std::int16_t, 9> rowEnd{};
    std::int16_t cardsLeft = 0;
    PlayerInts handCount{};
    PlayerInts passesLeft{};
    PlayerInts finishOrder{};
    PlayerInts place{};
    PlayerInts laidCount{};
    PlayerInts outBonus{};
    std::array<Outcome, kPlayers + 1> outcome{};
    std::int16_t dumped = 0;
    std::int16_t gameNumber = 0;
    std::int16_t starter = 1;
    std::int16_t streak = 0;

    // Where the joker is: kNoJoker when no hand holds it (not in play, or gone), the seat itself,
    // another player the joker went back to under "再使用" (everybody saw the exchange), or
    // kUnknownHolder when it lies somewhere among the other hands.
    static constexpr int kNoJoker = 0;
    static constexpr int kUnknownHolder = -1;
    int jokerHolder = kNoJoker;
};

// The Observation of `seat` in `state`: copies only what that seat can see.
Observation observe(const GameState& state, const Rules& rules, int seat);

// A 64-bit digest of everything in the Observation: equal Observations give equal digests.
std::uint64_t observationHash(const Observation& observation);

// Deals the cards an Observation does not show into the other hands, at random: every deal
// it makes agrees with the Observation (hand sizes, the joker's known holder) and every such
// deal is equally likely. It keeps no reference to the state the Observation came from.
class Determinizer {
  public:
    explicit Determinizer(const Observation& observation);

    // The cards the seat cannot see, in ascending order (the joker last when its holder is
    // unknown): the pool every sample deals from.
    const std::vector<int>& unseen() const { return unseen_; }

    // The Observation as a game state: the board, every player's public progress and the
    // seat's hand; the other hands empty.
    const GameState& publicState() const { return public_; }

    // Writes into `state` one full game state: the public part and the seat's hand from the
    // Observation, the unseen cards shuffled with `random` into the other hands (the joker in
    // a hand's last slot, the human's hand in ascending order, as the deal keeps them).
    void sample(Random& random, GameState& state) const;

  private:
    GameState public_;  // the Observation as a game state, the other hands empty
    std::vector<int> unseen_;
    int jokerHolder_ = Observation::kNoJoker;
    int seat_ = 0;
};

}  // namespace plumet
