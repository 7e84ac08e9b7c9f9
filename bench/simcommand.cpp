// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/simcommand.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace plumet::sim {

namespace {

bool number(const std::string& text, long low, long high, long& value) {
    char* rest = nullptr;
    value = std::strtol(text.c_str(), &rest, 10);
    return !text.empty() && *rest == '\0' && value >= low && value <= high;
}

}  // namespace

std::string usageText() {
    return "usage: plumetsim --matches M --seed S [--ak] [--joker none|once|reuse] "
           "[--passes 2|3]\n"
           "                 [--levels L1,L2,L3,L4] [--playouts N] [--threads T]\n"
           "                 [--trace FILE] [--summary-json FILE]\n"
           "  --levels        the strength of seats 1..4 (seat 1 is the human's seat in the "
           "game),\n"
           "                  each weak, classic or strong; default "
           "classic,classic,classic,classic\n"
           "  --playouts      playouts of one strong decision (default " +
           std::to_string(kStrongPlayouts) +
           ")\n"
           "  --threads       threads of one strong decision (default: up to 2)\n"
           "  --summary-json  also writes the summary (games, each seat's level, first places,\n"
           "                  mean and standard deviation of its game points) to FILE as JSON\n";
}

std::optional<std::array<Strength, kPlayers + 1>> parseLevels(std::string_view text) {
    std::array<Strength, kPlayers + 1> levels{};
    int seat = 1;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::optional<Strength> level = strengthFromName(text.substr(0, comma));
        if (!level || seat > kPlayers) return std::nullopt;
        levels[seat++] = *level;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (seat != kPlayers + 1) return std::nullopt;
    return levels;
}

std::optional<Command> parseCommand(const std::vector<std::string>& arguments,
                                    std::string& problem) {
    Command c;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto fail = [&](const std::string& what) -> std::optional<Command> {
            problem = what;
            return std::nullopt;
        };
        const bool takesValue = arg == "--matches" || arg == "--seed" || arg == "--joker" ||
                                arg == "--passes" || arg == "--trace" || arg == "--levels" ||
                                arg == "--playouts" || arg == "--threads" ||
                                arg == "--summary-json";
        if (takesValue && !hasValue) return fail("missing value after " + arg);
        const std::string value = takesValue ? arguments[++i] : std::string();
        long n = 0;
        if (arg == "--matches") {
            if (!number(value, 1, 100'000'000, n)) return fail("bad number");
            c.matches = static_cast<int>(n);
        } else if (arg == "--seed") {
            if (!number(value, 0, 0x7fffffffffffffffL, n)) return fail("bad number");
            c.seed = static_cast<std::uint64_t>(n);
        } else if (arg == "--ak") {
            c.rules.aceKing = true;
        } else if (arg == "--joker") {
            if (value == "none")
                c.rules.joker = JokerMode::None;
            else if (value == "once")
                c.rules.joker = JokerMode::Once;
            else if (value == "reuse")
                c.rules.joker = JokerMode::Reused;
            else
                return fail("--joker takes none, once or reuse");
        } else if (arg == "--passes") {
            if (!number(value, 2, 3, n)) return fail("bad number");
            c.rules.passes = static_cast<int>(n);
        } else if (arg == "--levels") {
            const auto levels = parseLevels(value);
            if (!levels)
                return fail("--levels takes four of weak, classic, strong, comma-separated");
            c.seats.strength = *levels;
        } else if (arg == "--playouts") {
            if (!number(value, 1, 10'000'000, n)) return fail("bad number");
            c.seats.search.playouts = static_cast<int>(n);
        } else if (arg == "--threads") {
            if (!number(value, 1, 64, n)) return fail("bad number");
            c.seats.search.threads = static_cast<int>(n);
        } else if (arg == "--trace") {
            c.trace = value;
        } else if (arg == "--summary-json") {
            c.summaryJson = value;
        } else {
            return fail("unknown option " + arg);
        }
    }
    return c;
}

void Summary::gameEnd(const GameState& s) {
    ++games;
    for (int p = 1; p <= kPlayers; ++p) {
        if (s.place[p] == 1) ++firsts[p];
        pointSum[p] += s.gamePoints[p];
        pointSquares[p] += static_cast<double>(s.gamePoints[p]) * s.gamePoints[p];
    }
}

double Summary::meanPoints(int p) const {
    return games > 0 ? pointSum[p] / static_cast<double>(games) : 0.0;
}

double Summary::sdPoints(int p) const {
    if (games < 2) return 0.0;
    const double n = static_cast<double>(games);
    const double variance = (pointSquares[p] - pointSum[p] * pointSum[p] / n) / (n - 1);
    return variance > 0 ? std::sqrt(variance) : 0.0;
}

void writeSummaryJson(std::ostream& out, const Summary& summary, const Seats& seats) {
    out << "{\"games\": " << summary.games << ", \"seats\": [";
    for (int p = 1; p <= kPlayers; ++p) {
        char numbers[96];
        std::snprintf(numbers, sizeof numbers, "\"mean_points\": %.4f, \"sd_points\": %.4f",
                      summary.meanPoints(p), summary.sdPoints(p));
        out << (p > 1 ? ", " : "") << "{\"level\": \"" << strengthName(seats.strength[p])
            << "\", \"firsts\": " << summary.firsts[p] << ", " << numbers << '}';
    }
    out << "]}\n";
}

void BothListeners::match(int number) {
    first_.match(number);
    second_.match(number);
}
void BothListeners::deal(const GameState& s) {
    first_.deal(s);
    second_.deal(s);
}
void BothListeners::turn(const GameState& s, const TurnInfo& info) {
    first_.turn(s, info);
    second_.turn(s, info);
}
void BothListeners::exchange(const GameState& s, int gapCard) {
    first_.exchange(s, gapCard);
    second_.exchange(s, gapCard);
}
void BothListeners::gameEnd(const GameState& s) {
    first_.gameEnd(s);
    second_.gameEnd(s);
}

}  // namespace plumet::sim
