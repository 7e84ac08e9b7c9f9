// SPDX-License-Identifier: GPL-3.0-or-later
// The human player's statistics, kept per group in the live profile (section "form2") beside
// the TOP-10 table, so that a group switch stashes and restores them with the rest of the
// group's profile.
//
// One record is kept for every scope a player may want to compare: all games, each computer
// strength, each rule combination (ＡＫ接続, the joker, the pass limit), and each strength under
// each rule combination. A game adds to the four records of its strength and rules; every
// record is its own sequence of games, so its runs and its recent matches are exact.
//
// Each record is one key whose value lists its fields by name:
//   seiseki                          all games
//   seiseki_classic                  one strength ("weak", "classic", "strong")
//   seiseki_ak0_jokerdo_ps3          one rule combination: ak0/ak1 (ＡＫ接続 off/on), the joker
//                                    under the name of its option key (jokernai, jokerdo,
//                                    jokersai), ps2/ps3 (the pass limit)
//   seiseki_classic_ak0_jokerdo_ps3  one strength under one rule combination
// for example
//   seiseki_classic_ak0_jokerdo_ps3="games=10 matches=1 places=3,2,4,1 wentout=8 droppedout=1
//       jokerleft=1 passes=14 points=212 bestgame=38 bestmatch=212 worstmatch=212 firstrun=0
//       longestfirstrun=2 abandoned=0 recent=212"
// (one line). A record that is absent has nothing counted yet. A record that cannot be read
// (not numbers, out of range, figures that contradict each other) is damaged: it is reset on
// its own, and nothing else of the profile is touched.
//
// The functions here return what the windows must show and never show anything themselves.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/gamestate.h"

namespace plumet {

class Store;

namespace statistics {

// The match totals a record keeps for the chart of recent matches.
inline constexpr int kRecentMatches = 20;

// The computer strengths a record is kept for, by name, weakest first.
inline constexpr std::array<const char*, 3> kStrengths = {"weak", "classic", "strong"};

// What one game brought the human player.
struct GameResult {
    int place = 0;  // 1..4
    Outcome outcome = Outcome::Playing;
    int passes = 0;  // passes used, the drop-out not counted
    int points = 0;  // the game's points
};

struct Record {
    std::int64_t games = 0;                // games finished
    std::int64_t matches = 0;              // matches played to their tenth game
    std::array<std::int64_t, 4> places{};  // games finished in places 1..4
    std::int64_t wentOut = 0;              // "あがり！"
    std::int64_t droppedOut = 0;           // "はきだし"
    std::int64_t jokerLeft = 0;            // "ばばもち"
    std::int64_t passes = 0;               // passes used
    std::int64_t points = 0;               // the game points of every game, added up
    std::int64_t bestGame = 0;             // the most points of one game (0 without games)
    std::int64_t bestMatch = 0;            // the highest match total (0 without matches)
    std::int64_t worstMatch = 0;           // the lowest match total (0 without matches)
    std::int64_t firstRun = 0;             // first places in a row up to the last game
    std::int64_t longestFirstRun = 0;      // the longest such run
    std::int64_t abandoned = 0;            // matches given up before their tenth game
    QList<int> recentMatches;              // the last match totals, oldest first

    // Mean game points, when there are games.
    std::optional<double> meanPoints() const;
    bool operator==(const Record&) const = default;
};

// A game without a place (none of 1..4) is not counted.
void addGame(Record& record, const GameResult& game);
void addMatch(Record& record, int total);
void addAbandoned(Record& record);

// The value of a record's key, and the record a value holds: nothing when it is damaged.
QString format(const Record& record);
std::optional<Record> parse(QStringView text);

// Which games a record counts: a strength's name or every strength (nullopt), a rule
// combination or every one.
struct Scope {
    std::optional<QString> strength;
    std::optional<Rules> rules;
};

// The twelve rule combinations, in the order the window lists them.
std::vector<Rules> ruleCombinations();
// The key of a scope's record.
QString key(const Scope& scope);
// What a scope counts, in the window's words: "全体", "ふつう",
// "ＡＫ接続なし・Ｊｏｋｅｒ使用・パス３回まで",
// "ふつう／ＡＫ接続なし・Ｊｏｋｅｒ使用・パス３回まで".
QString describe(const Scope& scope);
// A strength's name in the window: "よわい", "ふつう", "つよい".
QString strengthCaption(const QString& strength);
// A rule combination in the window: "ＡＫ接続なし・Ｊｏｋｅｒ使用・パス３回まで".
QString rulesCaption(const Rules& rules);
// True for a key of a statistics record.
bool isStatisticsKey(QStringView key);

// The record of a scope as stored; an absent key reads as an empty record. `damaged` is set
// when the stored value could not be read (the record is then empty).
Record read(const Store& store, const Scope& scope, bool* damaged = nullptr);

// The keys of the live profile whose records are damaged, each with its description.
struct Damage {
    QString key;
    QString what;
};
QList<Damage> damagedRecords(const Store& store);

// The end of a game played at `strength` under `rules`: the game, and the match when it was
// the tenth (`matchTotal`), added to the records of all games, of the strength (when it is
// one of kStrengths), of the rules and of both, in one write. A damaged record starts again
// from this game; what was reset is returned.
QList<Damage> recordGame(Store& store, const QString& strength, const Rules& rules,
                         const GameResult& game, std::optional<int> matchTotal);
// A match given up before its end, added the same way.
QList<Damage> recordAbandoned(Store& store, const QString& strength, const Rules& rules);

// Every damaged record deleted, in one write; what was reset is returned.
QList<Damage> repair(Store& store);
// Every record of the live profile deleted (the statistics of the group in use), in one write.
void reset(Store& store);

// The JSON form of a record: the same fields in every block, null where a figure has no
// value yet (meanPoints and bestGame without games, bestMatch and worstMatch without matches).
QJsonObject toJson(const Record& record);
// The statistics of the group in use as `plumet --stats-json` prints them:
//   {"group": N, "groupName": "...", "total": {...},
//    "levels": {"weak": {...}, "classic": {...}, "strong": {...}},
//    "rules": [{"aceKing": false, "joker": "none"|"once"|"reused", "passes": 3,
//               "name": "...", "total": {...}, "levels": {...}}, ... twelve]}
QJsonObject document(const Store& store, int group, const QString& groupName);

}  // namespace statistics
}  // namespace plumet
