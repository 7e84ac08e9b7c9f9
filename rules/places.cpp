// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/places.h"

#include "rules/turn.h"

namespace plumet {

namespace {

void assign(GameState& s, int place, int player) {
    s.finishOrder[place] = static_cast<std::int16_t>(player);
    s.place[player] = static_cast<std::int16_t>(place);
}

[[noreturn]] void noFreePlace() {
    throw RuleFault("no free place left for a finishing player");
}

}  // namespace

void takeBestPlace(GameState& s, int player) {
    for (int j = 1; j <= kPlayers; ++j) {
        if (s.finishOrder[j] == 0) return assign(s, j, player);
    }
    noFreePlace();
}

void takeWorstPlace(GameState& s, int player) {
    for (int j = kPlayers; j >= 1; --j) {
        if (s.finishOrder[j] == 0) return assign(s, j, player);
    }
    noFreePlace();
}

void takeLastPlace(GameState& s, int player) {
    if (s.finishOrder[kPlayers] != 0) {
        int free = kPlayers - 1;
        while (free >= 1 && s.finishOrder[free] != 0) --free;
        if (free < 1) noFreePlace();
        for (int j = free; j < kPlayers; ++j) assign(s, j, s.finishOrder[j + 1]);
    }
    assign(s, kPlayers, player);
}

}  // namespace plumet
