// SPDX-License-Identifier: GPL-3.0-or-later
// The three strengths of a computer player and the one call that decides a computer player's
// move at a strength: "weak" (a beginner can beat it), "classic" (the classic strategy,
// unchanged) and "strong" (a search over what the player's seat knows).
#pragma once

#include <optional>
#include <string_view>

#include "rules/gamestate.h"
#include "rules/random.h"
#include "rules/search.h"
#include "rules/strategy.h"

namespace plumet {

enum class Strength : std::uint8_t { Weak, Classic, Strong };

// "weak", "classic", "strong".
const char* strengthName(Strength strength);
// The strength named `name`, or nothing for any other text.
std::optional<Strength> strengthFromName(std::string_view name);

// The weak player: lays a card that fits, chosen at random, without looking ahead; with passes
// to spare it often passes instead; it lays the joker only now and then, freeing a card chosen
// at random. Draws from `random` only.
Decision weakDecision(const GameState& state, const Rules& rules, int player, Random& random);

// The move of computer player `player` at `strength`, drawing from the game's `random`:
//   Weak     weakDecision;
//   Classic  classicDecision(state, rules, player, passConstant(player), random), exactly;
//   Strong   strongDecision, seeded by one draw from `random` and limited by `limits`.
// Only the classic strategy writes the state (its scratch arrays endRatings and
// jokerFreedSlots); the other two read it. The move is not made: see playDecision.
Decision computerDecision(GameState& state, const Rules& rules, int player, Strength strength,
                          Random& random, const SearchLimits& limits = {});

}  // namespace plumet
