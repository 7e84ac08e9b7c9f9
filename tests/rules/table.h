// SPDX-License-Identifier: GPL-3.0-or-later
// A small builder for game states in the middle of a game: the sevens and any chosen cards on
// the board, chosen row ends and hands.
#pragma once

#include <array>
#include <initializer_list>

#include "rules/cards.h"
#include "rules/gamestate.h"

namespace plumet::test {

// Card of suit 0..3 ("s", "h", "c", "d") and rank 1..13.
constexpr int card(int suit, int rank) {
    return cardCode(suit, rank);
}

class Table {
  public:
    explicit Table(Rules rules = {}) : rules(rules) {
        state.rowEnd = {0, 6, 8, 19, 21, 32, 34, 45, 47};
        for (int suit = 0; suit < 4; ++suit) state.onBoard[card(suit, 7)] = 1;
        for (int p = 1; p <= kPlayers; ++p)
            state.passesLeft[p] = static_cast<std::int16_t>(rules.startPassesLeft());
        state.gameNumber = 1;
    }

    Table& board(std::initializer_list<int> cards) {
        for (int c : cards) state.onBoard[c] = 1;
        return *this;
    }
    // Sets the two ends of `suit`.
    Table& ends(int suit, int low, int high) {
        state.rowEnd[2 * suit + 1] = static_cast<std::int16_t>(low);
        state.rowEnd[2 * suit + 2] = static_cast<std::int16_t>(high);
        return *this;
    }
    // Gives `player` exactly these cards, in this slot order; cardsLeft follows the hands.
    Table& hand(int player, std::initializer_list<int> cards) {
        state.hand[player].fill(0);
        int slot = 0;
        for (int c : cards) state.hand[player][++slot] = static_cast<std::int16_t>(c);
        state.handCount[player] = static_cast<std::int16_t>(slot);
        state.cardsLeft = 0;
        for (int p = 1; p <= kPlayers; ++p) state.cardsLeft += state.handCount[p];
        return *this;
    }
    // A whole game position around the hands given so far: every card no hand holds goes on
    // the board, and each end asks for the first card off the board outward from its seven,
    // or is closed (no ace-king ring).
    Table& boardTheRest() {
        std::array<bool, 54> held{};
        for (int p = 1; p <= kPlayers; ++p) {
            for (int i = 1; i <= state.handCount[p]; ++i) held[state.hand[p][i]] = true;
        }
        for (int c = 1; c <= 52; ++c) state.onBoard[c] = held[c] ? 0 : 1;
        for (int end = 1; end <= 8; ++end) {
            const int suit = (end - 1) / 2;
            const int step = end % 2 == 0 ? 1 : -1;
            int asks = kClosedEnd;
            for (int r = 7 + step; r >= 1 && r <= 13; r += step) {
                if (!held[card(suit, r)]) continue;
                asks = card(suit, r);
                break;
            }
            state.rowEnd[end] = static_cast<std::int16_t>(asks);
        }
        return *this;
    }
    Table& passes(int player, int passesLeft) {
        state.passesLeft[player] = static_cast<std::int16_t>(passesLeft);
        return *this;
    }

    GameState state;
    Rules rules;
};

}  // namespace plumet::test
