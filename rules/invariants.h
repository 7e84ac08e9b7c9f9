// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency the game state keeps between moves. Tests and the simulator check it after
// every event; a violation is a fault of the rules.
#pragma once

#include <string>

#include "rules/gamestate.h"

namespace plumet {

// Empty when the state is consistent, else a description of the first violation found:
// every card is in exactly one place (one hand slot, the board, or out of the game), slots
// past a hand's count are empty, cardsLeft counts the cards in the hands, every open row end
// names a card not on the board and two ends of a suit never name the same card, closed ends
// hold kClosedEnd, an open end asks for a card of its own suit and side of the seven (below
// the seven for a low end, above it for a high end), and the places taken are distinct players
// with place[finishOrder[k]] = k.
std::string checkInvariants(const GameState& state, const Rules& rules);

}  // namespace plumet
