// plumetsim: plays whole matches with four computer players, as a benchmark of the rules and
// as their strongest test.
//
//   plumetsim --matches M --seed S [--ak] [--joker none|once|reuse] [--passes 2|3]
//             [--trace FILE]
//
// Without --trace it prints a short summary ending in "games/s: <number>"; with it, it writes
// one JSON object per event to FILE.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/simulator.h"
#include "bench/trace.h"
#include "rules/turn.h"

namespace {

using namespace plumet;

struct Options {
    int matches = 1;
    std::uint64_t seed = 1;
    Rules rules;
    std::string trace;
};

[[noreturn]] void usage(const char* problem) {
    std::fprintf(stderr,
                 "plumetsim: %s\nusage: plumetsim --matches M --seed S [--ak] "
                 "[--joker none|once|reuse] [--passes 2|3] [--trace FILE]\n",
                 problem);
    std::exit(2);
}

long number(const char* text, long low, long high) {
    char* rest = nullptr;
    const long value = std::strtol(text, &rest, 10);
    if (*text == '\0' || *rest != '\0' || value < low || value > high) usage("bad number");
    return value;
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> const char* {
            if (i + 1 >= argc) usage(("missing value after " + arg).c_str());
            return argv[++i];
        };
        if (arg == "--matches") {
            o.matches = static_cast<int>(number(value(), 1, 100'000'000));
        } else if (arg == "--seed") {
            o.seed = static_cast<std::uint64_t>(number(value(), 0, 0x7fffffffffffffffL));
        } else if (arg == "--ak") {
            o.rules.aceKing = true;
        } else if (arg == "--joker") {
            const std::string mode = value();
            if (mode == "none")
                o.rules.joker = JokerMode::None;
            else if (mode == "once")
                o.rules.joker = JokerMode::Once;
            else if (mode == "reuse")
                o.rules.joker = JokerMode::Reused;
            else
                usage("--joker takes none, once or reuse");
        } else if (arg == "--passes") {
            o.rules.passes = static_cast<int>(number(value(), 2, 3));
        } else if (arg == "--trace") {
            o.trace = value();
        } else {
            usage(("unknown option " + arg).c_str());
        }
    }
    return o;
}

// Totals for the summary.
class Tally : public sim::Listener {
  public:
    void gameEnd(const GameState& s) override {
        ++wins[s.finishOrder[1]];
        for (int p = 1; p <= kPlayers; ++p) points[p] += s.gamePoints[p];
    }
    std::array<long, kPlayers + 1> wins{};
    std::array<long, kPlayers + 1> points{};
};

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    Random random(o.seed);
    try {
        if (!o.trace.empty()) {
            std::ofstream out(o.trace, std::ios::binary);
            if (!out) usage(("cannot write " + o.trace).c_str());
            sim::TraceWriter writer(out);
            sim::playMatches(o.matches, o.rules, random, writer);
            out.flush();
            if (!out) usage(("cannot write " + o.trace).c_str());
            return 0;
        }
        Tally tally;
        const auto start = std::chrono::steady_clock::now();
        const long games = sim::playMatches(o.matches, o.rules, random, tally);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        std::printf("matches: %d  games: %ld  seed: %llu\n", o.matches, games,
                    static_cast<unsigned long long>(o.seed));
        for (int p = 1; p <= kPlayers; ++p)
            std::printf("player %d: wins %ld  points per game %.2f\n", p, tally.wins[p],
                        static_cast<double>(tally.points[p]) / static_cast<double>(games));
        std::printf("seconds: %.3f\n", seconds.count());
        std::printf("games/s: %.0f\n", static_cast<double>(games) / seconds.count());
    } catch (const RuleFault& fault) {
        std::fprintf(stderr, "plumetsim: rule fault: %s\n", fault.what());
        return 1;
    }
    return 0;
}
