// SPDX-License-Identifier: GPL-3.0-or-later
// The TOP-10 table of the group in use: ten totals of the human player with a name, a date
// and a check string each, kept in the live profile (section "form2": "name1".."name10",
// "date1".."date10", "ten1".."ten10", "def1".."def10") with the marker "ckkc": "1968" check
// strings not made yet, "1234" made, "9999" table found damaged.
//
// The table in memory is GameState::topNames, topDates and topScores (places 1..10); the check
// strings travel beside it in a CheckStrings. The functions return what the windows must
// show and never show anything themselves.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "rules/gamestate.h"

namespace plumet {

class Store;

namespace top10 {

using CheckStrings = std::array<std::string, 11>;  // places 1..10, index 0 unused

inline constexpr int kPlaces = 10;
inline constexpr char kDefaultName[] = "ＲＯＫＥＮ";
inline constexpr char kDefaultDate[] = "1997-04-01";
inline constexpr QStringView kMarkerFresh = u"1968";
inline constexpr QStringView kMarkerMade = u"1234";
inline constexpr QStringView kMarkerDamaged = u"9999";

// The total of place i in the default table: 100, 90, ... 10.
std::int16_t defaultScore(int place);
// The default table ("ＲＯＫＥＮ", "1997-04-01", 100 .. 10) and its check strings.
void setDefaultTable(GameState& state);
CheckStrings defaultCheckStrings();

// The table from the live profile, every absent key by its default, into the state; returns
// the stored check strings (their defaults when absent).
CheckStrings readTable(const Store& store, GameState& state);
// Writes names, dates, totals and, when given, the check strings of places 1..10 in one go.
void writeTable(Store& store, const GameState& state, const CheckStrings* checks);

// "ckkc" as stored, "1968" when absent.
QString marker(const Store& store);

// True when every check string stands for its total. A check string that is not digit
// pairs does not.
bool tableSound(const GameState& state, const CheckStrings& checks);

// The reset of a damaged table: its keys deleted for every place, "ckkc" = "9999".
void resetDamagedTable(Store& store);

enum class Load {
    Sound,    // the table is in the state and may be shown
    Damaged,  // the table keys are deleted and "ckkc" is "9999": show "データが異常です。"
              // LF "ベスト１０を初期化後終了します。" LF "再起動して下さい。" titled
              // "データ異常" and end the program
    MatchDamaged,  // the saved match checked at the creation was inconsistent ("tp" reset):
                   // show "データが異常です。" CR "データ初期化後終了致します。" and end
};

// What the table window does when it loads: read the table; with "ckkc" at "1968" make the
// check strings (and the saved match's check digits), otherwise check the table.
Load loadTable(Store& store, GameState& state);

// The creation at "ckkc" = "1968": the check strings of the totals just read, "ckkc" =
// "1234", then the saved match's check digits.
Load createCheckStrings(Store& store, const GameState& state);

// The entry of a match total. Returns false when the total is below the tenth and nothing
// changes (the window shows "あかんかったねぇ " & total & "点"). Otherwise the total takes
// place 10 with an empty name and the given date, moves up past every total it equals or
// beats, newRank is its place, and the table is stored with its check strings.
bool enterTotal(Store& store, GameState& state, std::int16_t total, const QString& today);
// Today as the ten characters of a new entry's date ("yyyy-MM-dd").
QString todayText();

// "登録": names, dates and totals stored (the name of place newRank is topNames[newRank] as
// the name entry left it); the match totals are cleared.
void registerName(Store& store, GameState& state);

// The date-and-total text of place i in the table window: date, two blanks, the total
// right-aligned in three characters (longer totals in full), two blanks.
QString rowText(const GameState& state, int place);

}  // namespace top10
}  // namespace plumet
