// SPDX-License-Identifier: GPL-3.0-or-later
// Places 1..4 of a game: players who go out take the best free place, players who drop out
// the worst, and a player left with only the joker takes place 4.
#pragma once

#include "rules/gamestate.h"

namespace plumet {

void takeBestPlace(GameState& state, int player);
void takeWorstPlace(GameState& state, int player);
// Place 4; when it is taken, the players from the highest free place down move up one place.
void takeLastPlace(GameState& state, int player);

}  // namespace plumet
