// SPDX-License-Identifier: GPL-3.0-or-later
// plumetdecisionbench: how long the strong computer player takes for one decision. Plays seeded
// games in which player 1 is strong and the others classic, cycling through the twelve rule
// combinations, and times every strong decision that has more than one legal move (a forced
// move is returned without a search).
//
//   plumetdecisionbench [--decisions N] [--seed S] [--playouts P] [--threads T]
//
// Prints the number of decisions timed and the median, 90th percentile and worst time in ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "rules/deal.h"
#include "rules/scoring.h"
#include "rules/search.h"
#include "rules/strength.h"
#include "rules/turn.h"

namespace {

using namespace plumet;

long argument(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == name) return std::strtol(argv[i + 1], nullptr, 10);
    }
    return fallback;
}

Rules ruleCombination(int n) {
    Rules rules;
    rules.aceKing = n % 2 == 1;
    rules.joker = static_cast<JokerMode>(n / 2 % 3);
    rules.passes = n / 6 % 2 == 0 ? 3 : 2;
    return rules;
}

double percentile(const std::vector<double>& sorted, double share) {
    const auto index = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1));
    return sorted[index];
}

}  // namespace

int main(int argc, char** argv) {
    const long wanted = argument(argc, argv, "--decisions", 1000);
    Random random(static_cast<std::uint64_t>(argument(argc, argv, "--seed", 1)));
    SearchLimits limits;
    limits.playouts = static_cast<int>(argument(argc, argv, "--playouts", kStrongPlayouts));
    limits.threads = static_cast<int>(argument(argc, argv, "--threads", 0));
    if (wanted < 1 || limits.playouts < 1 || limits.threads < 0) {
        std::fprintf(stderr,
                     "usage: plumetdecisionbench [--decisions N] [--seed S] [--playouts P] "
                     "[--threads T]\n");
        return 2;
    }

    std::vector<double> ms;
    long forced = 0;
    for (int game = 0; static_cast<long>(ms.size()) < wanted; ++game) {
        const Rules rules = ruleCombination(game);
        GameState s;
        deal(s, rules, random);
        laySevens(s);
        int player = s.handCount[s.firstPlayer] > 0 ? s.firstPlayer : nextToMove(s, s.firstPlayer);
        for (; player != 0 && static_cast<long>(ms.size()) < wanted;
             player = nextToMove(s, player)) {
            Decision d;
            if (player == kHuman) {
                const bool searched = legalMoves(s, rules, player, false).size() > 1;
                const auto start = std::chrono::steady_clock::now();
                d = computerDecision(s, rules, player, Strength::Strong, random, limits);
                const std::chrono::duration<double, std::milli> took =
                    std::chrono::steady_clock::now() - start;
                if (searched)
                    ms.push_back(took.count());
                else
                    ++forced;
            } else {
                d = computerDecision(s, rules, player, Strength::Classic, random);
            }
            playDecision(s, rules, player, d);
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("decisions timed: %zu (forced moves not timed: %ld)  playouts: %d\n", ms.size(),
                forced, limits.playouts);
    std::printf("median ms: %.2f\n", percentile(ms, 0.5));
    std::printf("90th percentile ms: %.2f\n", percentile(ms, 0.9));
    std::printf("worst ms: %.2f\n", ms.back());
    return 0;
}
