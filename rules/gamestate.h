// SPDX-License-Identifier: GPL-3.0-or-later
// The game state: every variable the game's windows and rules share, in one struct.
//
// Per-player arrays are indexed by the player number 1..4 (index 0 exists and stays unused),
// except `voices`, which is indexed by player - 1. Integers are 16-bit like the values the
// saved match and the TOP-10 table store. The windows show this state; the rule functions
// (deal, board, laying, passing, joker, scoring, strategy) are the only code that changes the
// game part of it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/cards.h"

namespace plumet {

// The joker option of the rules menu: "未使用", "使用", "再使用".
enum class JokerMode : std::uint8_t { None, Once, Reused };

// The rule options in force for a match, as the player chose them in the menus; the menus
// are locked while a match is under way, so they cannot change between its games.
struct Rules {
    bool aceKing = false;  // "ＡＫ接続": each suit row is a ring, king next to ace
    JokerMode joker = JokerMode::Once;
    int passes = 3;  // "パス３回まで" (3) or "パス２回まで" (2)

    bool jokerInPlay() const { return joker != JokerMode::None; }
    int deckSize() const { return jokerInPlay() ? 53 : 52; }
    int startPassesLeft() const { return passes + 1; }
};

// How a player's game ended so far; the status label shows its text.
enum class Outcome : std::uint8_t {
    Playing,     // "パス": still in the game
    WentOut,     // "あがり！": laid every card
    DroppedOut,  // "はきだし": needed one pass more than allowed and laid the hand out
    JokerLeft,   // "ばばもち": left holding only the joker
};

inline const char* outcomeText(Outcome outcome) {
    switch (outcome) {
        case Outcome::WentOut:
            return "あがり！";
        case Outcome::DroppedOut:
            return "はきだし";
        case Outcome::JokerLeft:
            return "ばばもち";
        case Outcome::Playing:
            break;
    }
    return "パス";
}

using PlayerInts = std::array<std::int16_t, kPlayers + 1>;

struct GameState {
    // --- the cards -----------------------------------------------------------------------
    // deck[k], k = 1..N: the card at deck position k after the shuffle (N = 52, or 53 with
    // the joker); 0 marks a free position. After a game the entries list the board pictures
    // still shown while the board is cleared in random order.
    std::array<std::int16_t, 54> deck{};
    // hand[p][i]: card in slot i of player p's hand, slots 1..handCount[p] filled, the rest 0.
    std::array<std::array<std::int16_t, 16>, kPlayers + 1> hand{};
    PlayerInts handCount{};                  // at most 15
    std::array<std::int16_t, 54> onBoard{};  // onBoard[c] = 1: card c lies on the board
    // rowEnd[e], e = 1..8: the card that may be laid at end e now; kClosedEnd = closed.
    std::array<std::int16_t, 9> rowEnd{};
    // Cards of the game not yet on the board. Outside a game the card image chooser uses it
    // for the set it edits: 1 board faces, 2 hand faces, 3 backs, 0 none.
    std::int16_t cardsLeft = 0;

    // --- the players' progress in this game ---------------------------------------------
    PlayerInts passesLeft{};   // passes still allowed plus one; 0 = dropped out
    PlayerInts finishOrder{};  // finishOrder[k] = player on place k, 0 = place still free
    PlayerInts place{};        // place 1..4 of player p, 0 = none yet
    PlayerInts laidCount{};    // cards player p laid by choice this game
    PlayerInts outBonus{};     // cards the other three still held when p went out
    std::array<Outcome, kPlayers + 1> outcome{};  // what the status label reads
    std::int16_t dumped = 0;       // cards put on the board by players who dropped out
    std::int16_t firstPlayer = 0;  // holder of the seven of suit 3 at the deal; moves first

    // --- the match ------------------------------------------------------------------------
    std::int16_t gameNumber = 0;  // number of the current game 1..10; 0 = no match under way
    std::int16_t starter = 1;     // player who receives the 53rd card
    std::int16_t streak = 0;      // games in a row the previous winner has won again
    PlayerInts score{};           // match totals
    PlayerInts gamePoints{};      // points of the game just ended
    std::array<std::int16_t, 11> humanGamePoints{};  // the human's points in game g = 1..10
    std::array<std::string, 11> humanGamePlaces{};   // the human's place and status in game g
    std::int16_t savedGameNumber = 0;  // game number of the saved match in the store, 0 = none

    // --- the human's hand and the joker exchange ------------------------------------------
    std::int16_t selectedJokerSlot = 0;  // hand slot of the selected joker, 0 = none
    std::int16_t gapHolder = 0;          // holder of the card the last joker move of this game
                                         // replaced; 0 before the game's first joker move
    std::int16_t gapHolderSlot = 0;      // and that card's slot in the holder's hand

    // --- the computer strategy's scratch arrays ---------------------------------------------
    // endRatings[e]: rating of end e; endRatings[0] counts missing cards inside a rating and then
    // holds the best rating found. jokerFreedSlots[e]: slot of the card the joker frees at end e.
    std::array<std::int16_t, 9> endRatings{};
    std::array<std::int16_t, 9> jokerFreedSlots{};

    // --- the TOP-10 table of the current group ---------------------------------------------
    std::int16_t newRank = 1;  // place the newest entry takes while its name is entered
    std::array<std::string, 11> topNames{};
    std::array<std::string, 11> topDates{};
    std::array<std::int16_t, 11> topScores{};
    std::int16_t group = 0;          // current player group 0..9
    std::int16_t previousGroup = 0;  // group current when the group dialog was opened

    // --- settings the windows apply ----------------------------------------------------------
    std::int16_t flightFrames = 64;  // frames of a card flight
    std::array<std::int16_t, kPlayers>
        voices{};                  // voice of player p at index p - 1: -1 male, 0 female
    std::string handFaceFolder;    // hand card faces
    std::string boardFaceFolder;   // board card faces
    std::string backFolder;        // card backs
    std::string dataFolder;        // the game's data folder
    std::int16_t arrangeStep = 0;  // window arrangement state
};

}  // namespace plumet
