// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/search.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <thread>

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "rules/scoring.h"
#include "rules/turn.h"

namespace plumet {

namespace {

// More turns than any game can take (each turn lays a card or uses up one of at most twelve
// passes).
constexpr int kTurnLimit = 1000;

// SplitMix64: a well-mixed 64-bit value from a seed and a stream number.
std::uint64_t mix(std::uint64_t seed, std::uint64_t stream) {
    std::uint64_t x = seed + 0x9e3779b97f4a7c15ULL * (stream + 1);
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// Plays the game in `s` to its end after `mover`'s move, every player (the seat too) by the
// classic strategy, and returns the seat's game points. (Measured against playing the seat
// without the classic random voluntary passes, the seat played as classic chose the better
// moves.)
int playOut(GameState& s, const Rules& rules, int seat, int mover, Random& random) {
    int turns = 0;
    for (int p = nextToMove(s, mover); p != 0; p = nextToMove(s, p)) {
        if (++turns > kTurnLimit) throw RuleFault("a playout that never ends");
        playDecision(s, rules, p, classicDecision(s, rules, p, passConstant(p), random));
    }
    scoreGame(s);
    return s.gamePoints[seat];
}

int threadCount(const SearchLimits& limits) {
    if (limits.threads > 0) return limits.threads;
    const unsigned machine = std::thread::hardware_concurrency();
    return machine >= 2 ? 2 : 1;
}

bool stopRequested(const SearchLimits& limits) {
    return limits.stop != nullptr && limits.stop->load(std::memory_order_relaxed);
}

// The successive halving: rounds in which every move still in the running is played out on the
// same new sampled deals, after which the better half goes on.
class Search {
  public:
    Search(const Observation& o, std::uint64_t seed, const SearchLimits& limits)
        : observation_(o), determinizer_(o), seed_(seed), limits_(limits) {}

    SearchResult run() {
        SearchResult result;
        // The moves depend on the seat's hand and the board only.
        const std::vector<Decision> moves =
            legalMoves(determinizer_.publicState(), observation_.rules, observation_.seat,
                       limits_.refuseLastPass);
        for (const Decision& m : moves) result.moves.push_back({m, 0, 0.0});
        result.decision = moves.front();
        if (moves.size() == 1) return result;

        moves_ = moves;
        sums_.assign(moves.size(), 0);
        std::vector<int> alive(moves.size());
        std::iota(alive.begin(), alive.end(), 0);
        int rounds = 0;
        while ((1 << rounds) < static_cast<int>(moves.size())) ++rounds;
        const int budget = std::max(limits_.playouts, 1);

        int dealt = 0;  // sampled deals every move still in the running was played on
        for (int round = 0; round < rounds && alive.size() > 1; ++round) {
            const int deals = std::max(1, budget / (rounds * static_cast<int>(alive.size())));
            if (!playRound(alive, dealt, dealt + deals)) {
                result.stopped = true;
                break;
            }
            dealt += deals;
            for (const int m : alive) result.moves[m].samples = dealt;
            std::stable_sort(alive.begin(), alive.end(),
                             [&](int a, int b) { return sums_[a] > sums_[b]; });
            alive.resize((alive.size() + 1) / 2);
        }
        for (std::size_t m = 0; m < moves.size(); ++m) {
            if (result.moves[m].samples > 0)
                result.moves[m].meanPoints =
                    static_cast<double>(sums_[m]) / result.moves[m].samples;
        }
        if (dealt > 0) {
            // The best of those played on the most deals; ties to the earlier move.
            int best = alive.front();
            for (const int m : alive) {
                if (sums_[m] > sums_[best] || (sums_[m] == sums_[best] && m < best)) best = m;
            }
            result.decision = moves[best];
        }
        return result;
    }

  private:
    // Plays every move in `alive` on the sampled deals from .. to - 1 and adds the points to
    // sums_. False when the stop flag cut the round short (sums_ then stay as they were). Each
    // thread sums whole points of its own deals, so the totals do not depend on the threads.
    bool playRound(const std::vector<int>& alive, int from, int to) {
        const int width = static_cast<int>(alive.size());
        const int threads = std::min(threadCount(limits_), to - from);
        std::vector<std::vector<std::int64_t>> threadSums(threads,
                                                          std::vector<std::int64_t>(width, 0));
        std::vector<std::exception_ptr> failures(threads);
        std::atomic<bool> stopped = false;

        const auto work = [&](int t) {
            try {
                GameState sample;
                GameState game;
                std::vector<std::int64_t>& sums = threadSums[t];
                const int seat = observation_.seat;
                for (int d = from + t; d < to; d += threads) {
                    // One generator a deal: it deals, and then every move's playout starts
                    // from a copy of it (so the copies share its block of draws made so far).
                    Random dealRandom(mix(seed_, static_cast<std::uint64_t>(d)));
                    determinizer_.sample(dealRandom, sample);
                    const Random playRandom = dealRandom;
                    for (int j = 0; j < width; ++j) {
                        if (stopRequested(limits_)) {
                            stopped = true;
                            return;
                        }
                        game = sample;
                        Random random = playRandom;
                        playDecision(game, observation_.rules, seat, moves_[alive[j]]);
                        sums[j] += playOut(game, observation_.rules, seat, seat, random);
                    }
                }
            } catch (...) {
                failures[t] = std::current_exception();
            }
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t) helpers.emplace_back(work, t);
        work(0);
        for (std::thread& helper : helpers) helper.join();
        for (const std::exception_ptr& failure : failures) {
            if (failure) std::rethrow_exception(failure);
        }
        if (stopped) return false;
        for (const std::vector<std::int64_t>& sums : threadSums) {
            for (int j = 0; j < width; ++j) sums_[alive[j]] += sums[j];
        }
        return true;
    }

    const Observation& observation_;
    const Determinizer determinizer_;
    const std::uint64_t seed_;
    const SearchLimits limits_;
    std::vector<Decision> moves_;
    std::vector<std::int64_t> sums_;  // the seat's points summed over the deals played
};

}  // namespace

std::vector<Decision> legalMoves(const GameState& s, const Rules& rules, int player,
                                 bool refuseLastPass) {
    std::vector<Decision> moves;
    const int count = s.handCount[player];
    for (int slot = 1; slot <= count; ++slot) {
        if (const int end = fittingEnd(s, player, slot); end > 0) {
            Decision d;
            d.kind = Decision::Kind::Lay;
            d.slot = slot;
            d.end = end;
            moves.push_back(d);
        }
    }
    if (count > 0 && s.hand[player][count] == kJoker) {
        for (int slot = 1; slot < count; ++slot) {
            if (const int end = jokerEnd(s, rules, player, slot); end > 0) {
                Decision d;
                d.kind = Decision::Kind::Joker;
                d.slot = slot;
                d.end = end;
                moves.push_back(d);
            }
        }
    }
    // The last pass drops out and dumps the hand on the board without moving any end, so it
    // is never made while a card fits (an end would then ask for a card on the board); the
    // human is also refused it while the joker can be laid.
    const bool lastPass = s.passesLeft[player] <= 1;
    bool passAllowed = true;
    if (lastPass && !moves.empty()) {
        const bool cardFits = moves.front().kind == Decision::Kind::Lay;
        passAllowed = !cardFits && !refuseLastPass;
    }
    if (passAllowed) moves.push_back(Decision{});
    return moves;
}

void playDecision(GameState& s, const Rules& rules, int player, const Decision& d) {
    switch (d.kind) {
        case Decision::Kind::Lay:
            if (!layCard(s, rules, player, d.slot))
                throw RuleFault("a card laid where it fits no end");
            break;
        case Decision::Kind::Joker:
            jokerMove(s, rules, player, s.handCount[player], d.slot, d.end);
            exchange(s, rules, player);
            break;
        case Decision::Kind::Pass:
            passOrDropOut(s, player);
            break;
    }
}

SearchResult searchMoves(const Observation& observation, std::uint64_t seed,
                         const SearchLimits& limits) {
    return Search(observation, seed, limits).run();
}

Decision strongDecision(const GameState& state, const Rules& rules, int player, Random& random,
                        const SearchLimits& limits) {
    const std::uint64_t seed = random.bits();
    return searchMoves(observe(state, rules, player), seed, limits).decision;
}

}  // namespace plumet
