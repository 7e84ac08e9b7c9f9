// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator program's command line and the summary it prints and writes: apart from its
// main() so that tests can check both.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/simulator.h"

namespace plumet::sim {

struct Command {
    int matches = 1;
    std::uint64_t seed = 1;
    Rules rules;
    Seats seats;
    std::string trace;        // --trace FILE: the JSON Lines trace of every event
    std::string summaryJson;  // --summary-json FILE: the summary as one JSON object
};

// The text that tells how to call the program.
std::string usageText();

// The strengths of the four seats from "L1,L2,L3,L4" (each weak, classic or strong), or
// nothing when the text is anything else.
std::optional<std::array<Strength, kPlayers + 1>> parseLevels(std::string_view text);

// The command line without the program's name; on a mistake, nothing, with what is wrong in
// `problem`.
std::optional<Command> parseCommand(const std::vector<std::string>& arguments,
                                    std::string& problem);

// Counts per seat what the summary shows: games, first places, the game points' mean and
// standard deviation (the streak bonus included).
class Summary : public Listener {
  public:
    void gameEnd(const GameState& state) override;

    long games = 0;
    std::array<long, kPlayers + 1> firsts{};
    std::array<double, kPlayers + 1> pointSum{};
    std::array<double, kPlayers + 1> pointSquares{};

    double meanPoints(int player) const;
    // The sample standard deviation of one game's points (0 with fewer than two games).
    double sdPoints(int player) const;
};

// {"games": N, "seats": [{"level": "strong", "firsts": K, "mean_points": X, "sd_points": Y},
// ...]}: the four seats in order, and a newline.
void writeSummaryJson(std::ostream& out, const Summary& summary, const Seats& seats);

// Passes every event on to two listeners.
class BothListeners : public Listener {
  public:
    BothListeners(Listener& first, Listener& second) : first_(first), second_(second) {}
    void match(int number) override;
    void deal(const GameState& state) override;
    void turn(const GameState& state, const TurnInfo& info) override;
    void exchange(const GameState& state, int gapCard) override;
    void gameEnd(const GameState& state) override;

  private:
    Listener& first_;
    Listener& second_;
};

}  // namespace plumet::sim
