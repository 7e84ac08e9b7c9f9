// SPDX-License-Identifier: GPL-3.0-or-later
// The saved match: a match interrupted after one of games 1..9, kept in the live profile
// (section "form2") until it is continued or discarded.
//
// Keys: "sp" the number of games played (0 = no saved match), "p1".."p4" the totals, "tp"
// streak * 10 + starter, "right" the check digits of their sum, "tenka1".."tenka10" and
// "tenjun1".."tenjun10" the human's points and places per game, "gurahu" the graph the
// results window shows. The functions here return what the windows must show; they show
// nothing themselves.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "rules/gamestate.h"

namespace plumet {

class Store;

namespace savedmatch {

// What "sp", "p1".."p4" and "tp" hold.
struct Header {
    std::int16_t gameNumber = 0;
    PlayerInts score{};
    std::int16_t starter = 1;
    std::int16_t streak = 0;
};

Header readHeader(const Store& store);
// score(1) + gameNumber + score(2) + score(3) + score(4) + starter, without 16-bit overflow.
std::int32_t checkSum(const Header& header);
// The value of "right" for these values ("3249" for the sum 1).
std::string checkDigits(const Header& header);
// Test 1: a streak longer than the games played, or a starter above 4, is damage.
bool consistent(const Header& header);

enum class Check {
    NoMatch,       // "sp" holds no game number: continue disabled
    Ok,            // continue enabled
    Inconsistent,  // test 1 failed; "tp" is reset to "0". Show "データが異常です。" CR
                   // "データ初期化後終了致します。" titled "データ異常" and end the program
    BadCheckDigits  // test 2 failed: savedGameNumber = gameNumber = 0, continue disabled. Show
                    // "データが異常です。" CR "前回の続きが出来ません。" titled "データ異常".
                    // A match that could not be played on (game number above 9, starter
                    // below 1, a total the games left could carry past 16 bits) is refused
                    // the same way even when its digits agree
};

// The check at start-up (run by loadProfile): savedGameNumber = "sp"; with a saved match,
// gameNumber, score, starter and streak are read and both tests run; on Ok gameNumber is 0 again.
Check checkAtStart(Store& store, GameState& state);

// "前回の続き": reads the saved match into the state (gameNumber, score, starter, streak,
// humanGamePoints, humanGamePlaces), runs both tests and, when they pass, discards the match in the
// store (discard) and sets savedGameNumber = 0; startGame then plays game gameNumber + 1.
Check continueMatch(Store& store, GameState& state);

// "保存後タイトルへ": stores the match after game gameNumber in one write, with the graph caption
// of the results window; savedGameNumber = gameNumber, gameNumber = 0. False when the write did not
// reach the disk: nothing is stored and the state is unchanged.
bool saveMatch(Store& store, GameState& state, const QString& graphCaption);

// Discards the saved match: "0" into "sp" and "p1".."p4"; the other keys stay.
void discard(Store& store);

// Writes "right" afresh from the stored values, at the creation of the TOP-10 check strings.
// Inconsistent values of a saved match ("sp" above 0) reset "tp" to "0" and give Inconsistent
// (message and end, as above).
Check createCheckDigits(Store& store);

// The graph key of the results window ("累計の得点グラフ" when absent).
QString graphCaption(const Store& store);
void saveGraphCaption(Store& store, const QString& caption);

}  // namespace savedmatch
}  // namespace plumet
