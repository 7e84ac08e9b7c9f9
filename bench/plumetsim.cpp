// SPDX-License-Identifier: GPL-3.0-or-later
// plumetsim: plays whole matches with four computer players, as a benchmark of the rules, as
// their strongest test, and as the measure of the computer players' strengths.
//
//   plumetsim --matches M --seed S [--ak] [--joker none|once|reuse] [--passes 2|3]
//             [--levels L1,L2,L3,L4] [--playouts N] [--threads T]
//             [--trace FILE] [--summary-json FILE]
//
// Without --trace it prints a short summary ending in "games/s: <number>"; with it, it writes
// one JSON object per event to FILE. --levels sets each seat's strength (weak, classic or
// strong; all classic by default, which plays exactly the classic matches); --summary-json
// writes the per-seat summary (first places, mean and standard deviation of the game points)
// as JSON as well.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/simcommand.h"
#include "bench/trace.h"
#include "rules/turn.h"

namespace {

using namespace plumet;

[[noreturn]] void usage(const std::string& problem) {
    std::fprintf(stderr, "plumetsim: %s\n%s", problem.c_str(), sim::usageText().c_str());
    std::exit(2);
}

void printSummary(const sim::Command& c, const sim::Summary& summary, double seconds) {
    std::printf("matches: %d  games: %ld  seed: %llu\n", c.matches, summary.games,
                static_cast<unsigned long long>(c.seed));
    const double games = static_cast<double>(summary.games);
    for (int p = 1; p <= kPlayers; ++p)
        std::printf("player %d: wins %ld  points per game %.2f\n", p, summary.firsts[p],
                    summary.pointSum[p] / games);
    for (int p = 1; p <= kPlayers; ++p)
        std::printf("seat %d: level %s  firsts %ld  mean_points %.4f  sd_points %.4f\n", p,
                    strengthName(c.seats.strength[p]), summary.firsts[p], summary.meanPoints(p),
                    summary.sdPoints(p));
    std::printf("seconds: %.3f\n", seconds);
    std::printf("games/s: %.0f\n", games / seconds);
}

void writeJson(const sim::Command& c, const sim::Summary& summary) {
    std::ofstream out(c.summaryJson, std::ios::binary);
    sim::writeSummaryJson(out, summary, c.seats);
    out.flush();
    if (!out) usage("cannot write " + c.summaryJson);
}

}  // namespace

int main(int argc, char** argv) {
    std::string problem;
    const std::optional<sim::Command> parsed =
        sim::parseCommand(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!parsed) usage(problem);
    const sim::Command& c = *parsed;
    Random random(c.seed);
    sim::Summary summary;
    try {
        if (!c.trace.empty()) {
            std::ofstream out(c.trace, std::ios::binary);
            if (!out) usage("cannot write " + c.trace);
            sim::TraceWriter writer(out);
            sim::BothListeners both(writer, summary);
            sim::playMatches(c.matches, c.rules, random, both, c.seats);
            out.flush();
            if (!out) usage("cannot write " + c.trace);
            if (!c.summaryJson.empty()) writeJson(c, summary);
            return 0;
        }
        const auto start = std::chrono::steady_clock::now();
        sim::playMatches(c.matches, c.rules, random, summary, c.seats);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        if (!c.summaryJson.empty()) writeJson(c, summary);
        printSummary(c, summary, seconds.count());
    } catch (const RuleFault& fault) {
        std::fprintf(stderr, "plumetsim: rule fault: %s\n", fault.what());
        return 1;
    }
    return 0;
}
