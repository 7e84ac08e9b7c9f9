// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game: points, the winner's streak, the totals and the match's progress.
#pragma once

#include "rules/gamestate.h"

namespace plumet {

// Points of the game just ended into gamePoints, the streak, and score += gamePoints.
void scoreGame(GameState& state);

// The state side of the game end: scores the game and moves the match on. Returns true when
// the tenth game has ended (the match is over; starter keeps its value); otherwise the winner
// becomes the starter of the next game.
bool finishGame(GameState& state, const Rules& rules);

inline constexpr int kGamesPerMatch = 10;

// The most points one player can score in one game, from the terms scoreGame adds up (each
// term of a game the rules produce; every term is 0 or more, so totals only grow):
//   18  the place: 18, 10, 4 or 0;
//   48  cards laid by choice: each puts a card other than a seven on the board for good;
//    9  the streak: it grows by one a game at most, from game 2 on;
//   49  the dumped cards: they leave the hands for good, and the hands never hold more than
//       the 49 cards dealt beyond the four sevens;
//   48  the cards the others held when the player went out: at most those 49 less the
//       player's last card;
//   11  the bonus for going out alone (5, 3 or 2 when more went out).
inline constexpr int kMaxGamePoints = 18 + 48 + 9 + 49 + 48 + 11;

}  // namespace plumet
