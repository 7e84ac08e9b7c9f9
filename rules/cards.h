// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes, players and row ends: the arithmetic every rule works in.
//
// A card is a code 1..53: code = suit * 13 + rank with suit 0..3 ("s", "h", "c", "d") and
// rank 1..13 (ace .. king); 53 is the joker, which belongs to no suit. Players are 1..4,
// player 1 being the human. The board's eight row ends are numbered 1..8: end 2s + 1 is the
// low end of suit s (going down from its seven), end 2s + 2 the high end.
#pragma once

#include <string>

namespace plumet {

inline constexpr int kJoker = 53;     // card code of the joker
inline constexpr int kClosedEnd = 7;  // row end value of a closed end: the seven of suit 0
                                      // lies on the board from the deal on, so no hand holds it
inline constexpr int kPlayers = 4;
inline constexpr int kHuman = 1;
inline constexpr int kMaxHand = 15;  // slots a hand can ever fill

constexpr int suitOf(int card) {
    return (card - 1) / 13;
}
constexpr int rankOf(int card) {
    return (card - 1) % 13 + 1;
}
constexpr bool isSeven(int card) {
    return card % 13 == 7;
}
constexpr int cardCode(int suit, int rank) {
    return suit * 13 + rank;
}

// The row end on the card's own side of its seven: the low end for ranks below seven, the
// high end above. (A redirected end of the ace-king ring keeps its side's ranks, so this holds
// with the ace-king connection too.)
constexpr int sideEnd(int card) {
    return 2 * suitOf(card) + (rankOf(card) < 7 ? 1 : 2);
}
constexpr bool isHighEnd(int end) {
    return end % 2 == 0;
}

// Turn order 1 -> 2 -> 3 -> 4 -> 1.
constexpr int nextPlayer(int player) {
    return player % kPlayers + 1;
}

// File name of a card face inside a card image folder: "s1.bmp" is the ace of suit 0,
// "d13.bmp" the king of suit 3, the joker is "joker.bmp".
inline std::string cardFileName(int card) {
    if (card == kJoker) return "joker.bmp";
    static constexpr char kSuitLetters[] = "shcd";
    return kSuitLetters[suitOf(card)] + std::to_string(rankOf(card)) + ".bmp";
}

}  // namespace plumet
