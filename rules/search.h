// SPDX-License-Identifier: GPL-3.0-or-later
// The strong computer player: a search over what its seat knows. Each legal move is tried on
// many deals of the unseen cards (drawn from the seat's Observation only), and each such game is
// played to its end with the classic strategy for every player, the seat too; the move with the
// most game points on average (the streak bonus included) wins.
// Moves share their sampled deals and the draws of their playouts (common random numbers), and
// a successive halving spends the playouts on the moves still in the running.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "rules/gamestate.h"
#include "rules/observation.h"
#include "rules/strategy.h"

namespace plumet {

// The amount of search of one strong decision, fixed so that one seed replays one match.
inline constexpr int kStrongPlayouts = 4000;

struct SearchLimits {
    // Playouts in all for one decision, shared among the candidate moves.
    int playouts = kStrongPlayouts;
    // Threads that play them: 0 = as many as the machine has, at most 2. The result does not
    // depend on it.
    int threads = 0;
    // When it becomes true the search stops between playouts and returns a legal move at once
    // (the best so far, else the first legal move); the move then depends on timing.
    const std::atomic<bool>* stop = nullptr;
    // The human's seat: the last pass is no move while a card or the joker can be laid
    // (lastPassRefused).
    bool refuseLastPass = false;
};

// Every move `player` may make now, in a fixed order: each card that fits (slot order), each
// card the joker frees with the joker (slot order), then the pass. The pass is always allowed
// while a pass is left; the last pass, which drops out, only when no card fits and, with
// `refuseLastPass`, the joker can free no card either. A Joker decision names the freed card's
// slot; the joker is in the last slot.
std::vector<Decision> legalMoves(const GameState& state, const Rules& rules, int player,
                                 bool refuseLastPass);

// Carries out `decision` for `player` on `state`: the lay, the joker move and its exchange, or
// the pass (or drop-out).
void playDecision(GameState& state, const Rules& rules, int player, const Decision& decision);

struct MoveValue {
    Decision move;
    int samples = 0;          // playouts that tried it
    double meanPoints = 0.0;  // the seat's mean game points over them
};

struct SearchResult {
    Decision decision;
    std::vector<MoveValue> moves;  // every legal move, in legalMoves order
    bool stopped = false;          // the stop flag cut the search short
};

// The search for the Observation's seat, which must be the player to move. Draws from `seed`
// only: the same Observation, seed and playout count give the same result.
SearchResult searchMoves(const Observation& observation, std::uint64_t seed,
                         const SearchLimits& limits = {});

// The strong decision of `player` in `state`: one draw from `random` seeds the search, which
// sees only observe(state, rules, player). It is
//     searchMoves(observe(state, rules, player), random.bits(), limits).decision,
// so a caller that searches on a worker thread takes the Observation and the seed on the game's
// thread (keeping the game's draws in order) and runs searchMoves on the worker.
Decision strongDecision(const GameState& state, const Rules& rules, int player, Random& random,
                        const SearchLimits& limits = {});

}  // namespace plumet
