// The end of a game: points, the winner's streak, the totals and the match's progress.
#pragma once

#include "rules/gamestate.h"

namespace plumet {

// Points of the game just ended into gamepoints, the streak, and score += gamepoints.
void scoregame(GameState& state);

// The state side of the game end: scores the game and moves the match on. Returns true when
// the tenth game has ended (the match is over; starter keeps its value); otherwise the winner
// becomes the starter of the next game.
bool endgame(GameState& state, const Rules& rules);

inline constexpr int kGamesPerMatch = 10;

}  // namespace plumet
