// SPDX-License-Identifier: GPL-3.0-or-later
// The human's statistics: what a sequence of games, matches and abandoned matches adds up to,
// the stored form read back and refused when damaged, the records a game writes (in one
// write, never half), their trip through a group switch, the reset, and the JSON form.
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "common/readonlyfolder.h"
#include "common/tempstore.h"
#include "data/groups.h"
#include "data/statistics.h"
#include "data/store.h"
#include "data/top10.h"

using namespace plumet;
using namespace plumet::statistics;

namespace {

// One thing that happened to the statistics: a game, the end of a match with its total, or a
// match given up.
struct Event {
    enum Kind { Game, Match, Abandon } kind = Game;
    GameResult game;
    int total = 0;
};
using Events = QList<Event>;

Event game(int place, Outcome outcome, int passes, int points) {
    return {Event::Game, {place, outcome, passes, points}, 0};
}
Event match(int total) {
    return {Event::Match, {}, total};
}
const Event abandon{Event::Abandon, {}, 0};

constexpr Outcome kOut = Outcome::WentOut;

Record apply(const Events& events) {
    Record record;
    for (const Event& e : events) {
        switch (e.kind) {
            case Event::Game:
                addGame(record, e.game);
                break;
            case Event::Match:
                addMatch(record, e.total);
                break;
            case Event::Abandon:
                addAbandoned(record);
                break;
        }
    }
    return record;
}

// A record with a few of every figure, as the stored text's starting point.
Record sample() {
    return apply({game(1, kOut, 1, 30), game(4, Outcome::DroppedOut, 3, 0),
                  game(2, Outcome::JokerLeft, 0, 12), match(42), abandon});
}

// The stored text of sample() with one field's value replaced.
QString with(const char* field, const QString& value) {
    QString text = format(sample());
    text.replace(QRegularExpression(QStringLiteral("\\b%1=\\S*").arg(QLatin1String(field))),
                 QLatin1String(field) + u'=' + value);
    return text;
}

const Rules kClassicRules{false, JokerMode::Once, 3};
const Rules kAceKingNoJoker{true, JokerMode::None, 2};

QStringList statisticsKeys(const Store& store) {
    QStringList keys;
    for (const auto& [key, value] : store.list(u"form2")) {
        if (isStatisticsKey(key)) keys.append(key);
    }
    keys.sort();
    return keys;
}

}  // namespace

Q_DECLARE_METATYPE(Events)
Q_DECLARE_METATYPE(Record)

class TestStatistics : public QObject {
    Q_OBJECT

  private slots:
    void counting_data();
    void counting();
    void storedFormReadsBack();
    void damagedText_data();
    void damagedText();
    void gameWritesItsFourRecords();
    void damagedRecordIsResetAlone();
    void failedWriteLeavesEveryRecord();
    void groupSwitchCarriesTheRecords();
    void resetRemovesOnlyTheRecords();
    void scopeNames();
    void json();
};

void TestStatistics::counting_data() {
    QTest::addColumn<Events>("events");
    QTest::addColumn<Record>("expected");

    Record r;
    r = {};
    r.games = 1;
    r.places = {1, 0, 0, 0};
    r.wentOut = 1;
    r.passes = 2;
    r.points = 30;
    r.bestGame = 30;
    r.firstRun = r.longestFirstRun = 1;
    QTest::newRow("a first place") << Events{game(1, kOut, 2, 30)} << r;

    r = {};
    r.games = 1;
    r.places = {0, 0, 0, 1};
    r.droppedOut = 1;
    r.passes = 3;
    QTest::newRow("dropped out") << Events{game(4, Outcome::DroppedOut, 3, 0)} << r;

    r = {};
    r.games = 1;
    r.places = {0, 0, 0, 1};
    r.jokerLeft = 1;
    r.passes = 1;
    r.points = 5;
    r.bestGame = 5;
    QTest::newRow("left holding the joker") << Events{game(4, Outcome::JokerLeft, 1, 5)} << r;

    // Still holding cards when the others went out: a place, no outcome.
    r = {};
    r.games = 1;
    r.places = {0, 0, 1, 0};
    r.points = 4;
    r.bestGame = 4;
    QTest::newRow("third, still playing") << Events{game(3, Outcome::Playing, 0, 4)} << r;
    QTest::newRow("a game without a place is not counted")
        << Events{game(3, Outcome::Playing, 0, 4), game(0, kOut, 1, 9)} << r;

    r = {};
    r.games = 5;
    r.places = {3, 1, 1, 0};
    r.wentOut = 5;
    r.points = 20 + 25 + 10 + 22 + 4;
    r.bestGame = 25;
    r.firstRun = 0;
    r.longestFirstRun = 2;
    QTest::newRow("a run of first places broken")
        << Events{game(1, kOut, 0, 20), game(1, kOut, 0, 25), game(2, kOut, 0, 10),
                  game(1, kOut, 0, 22), game(3, kOut, 0, 4)}
        << r;

    r = {};
    r.games = 2;
    r.places = {1, 1, 0, 0};
    r.wentOut = 2;
    r.points = 28;
    r.bestGame = 18;
    r.firstRun = r.longestFirstRun = 1;
    r.matches = 1;
    r.bestMatch = r.worstMatch = 135;
    r.recentMatches = {135};
    QTest::newRow("a match ends") << Events{game(2, kOut, 0, 10), game(1, kOut, 0, 18), match(135)}
                                  << r;

    r = {};
    r.games = 1;
    r.places = {0, 1, 0, 0};
    r.wentOut = 1;
    r.passes = 2;
    r.points = 10;
    r.bestGame = 10;
    r.abandoned = 2;
    QTest::newRow("matches abandoned, one before its first game ended")
        << Events{abandon, game(2, kOut, 2, 10), abandon} << r;

    // 22 matches: the last twenty totals are kept, the best and the worst of all.
    Events many;
    r = {};
    for (int m = 1; m <= 22; ++m) {
        many.append(game(2, kOut, 0, 10));
        many.append(match(m == 2 ? 50 : 100 + m));
    }
    r.games = 22;
    r.places = {0, 22, 0, 0};
    r.wentOut = 22;
    r.points = 220;
    r.bestGame = 10;
    r.matches = 22;
    r.bestMatch = 122;
    r.worstMatch = 50;
    for (int m = 3; m <= 22; ++m) r.recentMatches.append(100 + m);
    QTest::newRow("twenty recent matches kept") << many << r;
}

void TestStatistics::counting() {
    QFETCH(Events, events);
    QFETCH(Record, expected);
    const Record record = apply(events);
    QCOMPARE(format(record), format(expected));
    QVERIFY(record == expected);
    // The places add up to the games.
    QCOMPARE(record.places[0] + record.places[1] + record.places[2] + record.places[3],
             record.games);
    // Stored and read back as it was.
    QVERIFY(parse(format(record)) == record);
}

void TestStatistics::storedFormReadsBack() {
    const Record record = sample();
    const QString text = format(record);
    QCOMPARE(text,
             QStringLiteral("games=3 matches=1 places=1,1,0,1 wentout=1 droppedout=1 jokerleft=1 "
                            "passes=4 points=42 bestgame=30 bestmatch=42 worstmatch=42 "
                            "firstrun=0 longestfirstrun=1 abandoned=1 recent=42"));
    QCOMPARE(format(Record{}),
             QStringLiteral("games=0 matches=0 places=0,0,0,0 wentout=0 droppedout=0 jokerleft=0 "
                            "passes=0 points=0 bestgame=0 bestmatch=0 worstmatch=0 firstrun=0 "
                            "longestfirstrun=0 abandoned=0 recent="));
    QVERIFY(parse(format(Record{})) == Record{});
    // Another order, more blanks, and a field a later version may add: the same record.
    QStringList fields = text.split(u' ');
    std::reverse(fields.begin(), fields.end());
    QVERIFY(parse(QStringLiteral("  ") + fields.join(QStringLiteral("  ")) +
                  QStringLiteral(" later=7 ")) == record);
    // A negative match total is a total all the same.
    Record negative;
    addGame(negative, {4, Outcome::DroppedOut, 3, 0});
    addMatch(negative, -5);
    QVERIFY(parse(format(negative)) == negative);
}

void TestStatistics::damagedText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("not a record") << QStringLiteral("hello");
    QTest::newRow("a field missing") << format(sample()).remove(QStringLiteral("passes=4 "));
    QTest::newRow("a field twice") << format(sample()) + QStringLiteral(" games=3");
    QTest::newRow("a word for a number") << with("games", QStringLiteral("three"));
    QTest::newRow("a fraction") << with("points", QStringLiteral("42.5"));
    QTest::newRow("a plus sign") << with("passes", QStringLiteral("+4"));
    QTest::newRow("an empty count") << with("abandoned", QString());
    QTest::newRow("a negative count") << with("abandoned", QStringLiteral("-1"));
    QTest::newRow("beyond any count") << with("passes", QStringLiteral("99999999999"));
    QTest::newRow("three places") << with("places", QStringLiteral("1,1,1"));
    QTest::newRow("places not adding up to the games") << with("places", QStringLiteral("1,1,1,1"));
    QTest::newRow("more outcomes than games") << with("wentout", QStringLiteral("2"));
    QTest::newRow("more points than the best game allows") << with("points", QStringLiteral("91"));
    QTest::newRow("a best game no game reaches") << with("bestgame", QStringLiteral("999"));
    QTest::newRow("a run longer than the first places")
        << with("longestfirstrun", QStringLiteral("2"));
    QTest::newRow("the current run longer than the longest")
        << with("firstrun", QStringLiteral("2"));
    QTest::newRow("the worst match above the best") << with("worstmatch", QStringLiteral("50"));
    QTest::newRow("a recent total beyond the best") << with("recent", QStringLiteral("43"));
    QTest::newRow("more recent totals than matches") << with("recent", QStringLiteral("42,42"));
    QTest::newRow("a match total beyond 16 bits")
        << with("bestmatch", QStringLiteral("40000"))
               .replace(QStringLiteral("recent=42"), QStringLiteral("recent=40000"));
    QTest::newRow("a best match without matches")
        << format(Record{}).replace(QStringLiteral("bestmatch=0"), QStringLiteral("bestmatch=5"));
}

void TestStatistics::damagedText() {
    QFETCH(QString, text);
    QVERIFY(!parse(text));
}

void TestStatistics::gameWritesItsFourRecords() {
    TempStore temp;
    Store store;
    const Store::Watch watch(store);
    QVERIFY(
        recordGame(store, QStringLiteral("classic"), kClassicRules, {1, kOut, 1, 25}, std::nullopt)
            .isEmpty());
    QVERIFY(watch.ok());
    QCOMPARE(statisticsKeys(Store()),
             (QStringList{"seiseki", "seiseki_ak0_jokerdo_ps3", "seiseki_classic",
                          "seiseki_classic_ak0_jokerdo_ps3"}));
    // The tenth game adds the match to the same records, another strength and rules to others.
    recordGame(store, QStringLiteral("classic"), kClassicRules, {2, kOut, 0, 10}, 140);
    recordGame(store, QStringLiteral("strong"), kAceKingNoJoker, {4, Outcome::DroppedOut, 2, 0},
               std::nullopt);
    recordAbandoned(store, QStringLiteral("strong"), kAceKingNoJoker);

    const Store reread;
    const Record total = read(reread, {});
    QCOMPARE(total.games, std::int64_t{3});
    QCOMPARE(total.matches, std::int64_t{1});
    QCOMPARE(total.abandoned, std::int64_t{1});
    QCOMPARE(total.places, (std::array<std::int64_t, 4>{1, 1, 0, 1}));
    const Record classic = read(reread, {QStringLiteral("classic"), kClassicRules});
    QCOMPARE(classic.games, std::int64_t{2});
    QCOMPARE(classic.matches, std::int64_t{1});
    QCOMPARE(classic.recentMatches, QList<int>{140});
    QCOMPARE(read(reread, {QStringLiteral("classic"), std::nullopt}), classic);
    const Record strong = read(reread, {std::nullopt, kAceKingNoJoker});
    QCOMPARE(strong.games, std::int64_t{1});
    QCOMPARE(strong.droppedOut, std::int64_t{1});
    QCOMPARE(strong.abandoned, std::int64_t{1});
    QCOMPARE(read(reread, {QStringLiteral("weak"), std::nullopt}), Record{});

    // A strength of no known name counts in all games and its rules only.
    TempStore other;
    Store fresh;
    recordGame(fresh, QStringLiteral("mixed"), kClassicRules, {1, kOut, 0, 20}, std::nullopt);
    QCOMPARE(statisticsKeys(Store()), (QStringList{"seiseki", "seiseki_ak0_jokerdo_ps3"}));
}

void TestStatistics::damagedRecordIsResetAlone() {
    TempStore temp;
    GameState state;
    Store store;
    QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
    QVERIFY(top10::enterTotal(store, state, 150, QStringLiteral("2024-05-05")));
    recordGame(store, QStringLiteral("classic"), kClassicRules, {1, kOut, 0, 30}, std::nullopt);
    recordGame(store, QStringLiteral("weak"), kClassicRules, {2, kOut, 0, 12}, std::nullopt);
    TempStore::store("seiseki_classic", QStringLiteral("games=lots"));
    TempStore::store("seiseki_weak_ak0_jokerdo_ps3", QStringLiteral("games=1 matches=-3"));
    const KeyValues table = [] {
        KeyValues pairs;
        for (const auto& pair : Store().list(u"form2")) {
            if (!isStatisticsKey(pair.first)) pairs.append(pair);
        }
        return pairs;
    }();

    Store edited;
    const QList<Damage> damaged = damagedRecords(edited);
    QCOMPARE(damaged.size(), 2);
    QCOMPARE(damaged[0].key, QStringLiteral("seiseki_classic"));
    QCOMPARE(damaged[0].what, QStringLiteral("ふつう"));
    QCOMPARE(damaged[1].key, QStringLiteral("seiseki_weak_ak0_jokerdo_ps3"));
    QCOMPARE(damaged[1].what, QStringLiteral("よわい／ＡＫ接続なし・Ｊｏｋｅｒ使用・パス３回まで"));

    // The next game starts the damaged record again and leaves the others as they were.
    const QList<Damage> reset =
        recordGame(edited, QStringLiteral("classic"), kClassicRules, {3, kOut, 0, 4}, std::nullopt);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(reset[0].key, QStringLiteral("seiseki_classic"));
    QCOMPARE(read(edited, {QStringLiteral("classic"), std::nullopt}).games, std::int64_t{1});
    QCOMPARE(read(edited, {QStringLiteral("classic"), kClassicRules}).games, std::int64_t{2});
    QCOMPARE(read(edited, {}).games, std::int64_t{3});

    // The repair deletes what is still damaged, and nothing else: the TOP-10 table stays.
    QCOMPARE(repair(edited).size(), 1);
    QVERIFY(damagedRecords(Store()).isEmpty());
    QVERIFY(!Store().contains(u"form2", u"seiseki_weak_ak0_jokerdo_ps3"));
    QCOMPARE(read(Store(), {QStringLiteral("weak"), std::nullopt}).games, std::int64_t{1});
    KeyValues after;
    for (const auto& pair : Store().list(u"form2")) {
        if (!isStatisticsKey(pair.first)) after.append(pair);
    }
    QCOMPARE(after, table);
    GameState check;
    QCOMPARE(top10::loadTable(edited, check), top10::Load::Sound);
    QCOMPARE(check.topScores[1], 150);
}

void TestStatistics::failedWriteLeavesEveryRecord() {
    TempStore temp;
    {
        Store store;
        recordGame(store, QStringLiteral("classic"), kClassicRules, {1, kOut, 0, 30}, std::nullopt);
    }
    const QByteArray before = TempStore::fileBytes();
    const QString folder = QFileInfo(Store::filePath()).path();
    {
        ReadOnlyFolder readOnly(folder, temp.path());
        QVERIFY(readOnly.inForce());
        Store store;
        const Store::Watch watch(store);
        recordGame(store, QStringLiteral("classic"), kClassicRules, {2, kOut, 0, 10}, 120);
        QVERIFY(!watch.ok());
        // Nothing of the game is kept, in the file or in the store.
        QCOMPARE(read(store, {}).games, std::int64_t{1});
        QCOMPARE(read(store, {QStringLiteral("classic"), kClassicRules}).games, std::int64_t{1});
    }
    QCOMPARE(TempStore::fileBytes(), before);
}

void TestStatistics::groupSwitchCarriesTheRecords() {
    TempStore temp;
    Store store;
    GameState state;
    QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
    for (int g = 1; g <= 10; ++g) {
        recordGame(store, QStringLiteral("classic"), kClassicRules, {g % 4 + 1, kOut, 1, 10 + g},
                   g == 10 ? std::optional<int>(165) : std::nullopt);
    }
    recordAbandoned(store, QStringLiteral("classic"), kClassicRules);
    const QJsonObject groupZero = document(store, 0, {});

    // A fresh group has none of them, and keeps its own.
    QCOMPARE(groups::switchGroup(store, state, 4), groups::Switch::Fresh);
    QVERIFY(statisticsKeys(store).isEmpty());
    QCOMPARE(read(store, {}), Record{});
    recordGame(store, QStringLiteral("weak"), kAceKingNoJoker, {1, kOut, 0, 40}, std::nullopt);
    const QJsonObject groupFour = document(store, 4, {});

    QCOMPARE(groups::switchGroup(store, state, 0), groups::Switch::Restored);
    QCOMPARE(document(Store(), 0, {}), groupZero);
    QCOMPARE(read(store, {QStringLiteral("classic"), kClassicRules}).games, std::int64_t{10});
    QCOMPARE(read(store, {QStringLiteral("classic"), kClassicRules}).matches, std::int64_t{1});
    QCOMPARE(groups::switchGroup(store, state, 4), groups::Switch::Restored);
    QCOMPARE(document(Store(), 4, {}), groupFour);
}

void TestStatistics::resetRemovesOnlyTheRecords() {
    TempStore temp;
    Store store;
    GameState state;
    QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
    store.save(u"form2", u"ruruak", QStringLiteral("True"));
    store.save(u"form3", u"seiseki", format(sample()));  // another group's, stashed
    recordGame(store, QStringLiteral("strong"), kClassicRules, {1, kOut, 0, 30}, std::nullopt);
    const int keys = store.list(u"form2").size();
    reset(store);
    const Store reread;
    QVERIFY(statisticsKeys(reread).isEmpty());
    QCOMPARE(reread.list(u"form2").size(), keys - 4);
    QCOMPARE(reread.get(u"form2", u"ruruak", {}), QStringLiteral("True"));
    QCOMPARE(reread.get(u"form3", u"seiseki", {}), format(sample()));
    QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
}

void TestStatistics::scopeNames() {
    const auto combinations = ruleCombinations();
    QCOMPARE(combinations.size(), std::size_t{12});
    QSet<QString> keys;
    for (const Rules& rules : combinations) {
        keys.insert(key({std::nullopt, rules}));
        for (const char* strength : kStrengths) keys.insert(key({QString(strength), rules}));
    }
    QCOMPARE(keys.size(), 48);
    QCOMPARE(key({}), QStringLiteral("seiseki"));
    QCOMPARE(key({QStringLiteral("weak"), kAceKingNoJoker}),
             QStringLiteral("seiseki_weak_ak1_jokernai_ps2"));
    QCOMPARE(key({std::nullopt, Rules{false, JokerMode::Reused, 3}}),
             QStringLiteral("seiseki_ak0_jokersai_ps3"));
    QCOMPARE(describe({}), QStringLiteral("全体"));
    QCOMPARE(describe({QStringLiteral("strong"), std::nullopt}), QStringLiteral("つよい"));
    QCOMPARE(describe({std::nullopt, kAceKingNoJoker}),
             QStringLiteral("ＡＫ接続あり・Ｊｏｋｅｒ未使用・パス２回まで"));
    for (const char* name : {"seiseki", "seiseki_classic", "seiseki_ak1_jokernai_ps2"})
        QVERIFY(isStatisticsKey(QString::fromLatin1(name)));
    for (const char* name : {"seisekix", "sp", "ten1", "gurahu"})
        QVERIFY(!isStatisticsKey(QString::fromLatin1(name)));
}

void TestStatistics::json() {
    TempStore temp;
    Store store;
    for (int g = 1; g <= 10; ++g) {
        recordGame(store, QStringLiteral("classic"), kClassicRules,
                   {g <= 3 ? 1 : 2, g == 5 ? Outcome::JokerLeft : kOut, 1, 20},
                   g == 10 ? std::optional<int>(200) : std::nullopt);
    }
    const QJsonObject doc = document(store, 2, QStringLiteral("家族"));
    QCOMPARE(doc.value("group").toInt(), 2);
    QCOMPARE(doc.value("groupName").toString(), QStringLiteral("家族"));
    const QJsonObject total = doc.value("total").toObject();
    QCOMPARE(total.value("games").toInt(), 10);
    QCOMPARE(total.value("matches").toInt(), 1);
    QCOMPARE(total.value("places").toArray(), (QJsonArray{3, 7, 0, 0}));
    QCOMPARE(total.value("jokerLeft").toInt(), 1);
    QCOMPARE(total.value("meanPoints").toDouble(), 20.0);
    QCOMPARE(total.value("longestFirstRun").toInt(), 3);
    QCOMPARE(total.value("recentMatches").toArray(), QJsonArray{200});
    const QJsonObject levels = doc.value("levels").toObject();
    QCOMPARE(levels.keys(), (QStringList{"classic", "strong", "weak"}));
    QCOMPARE(levels.value("classic").toObject(), total);
    // A block without games: its figures are 0, and null where there is no figure yet.
    const QJsonObject weak = levels.value("weak").toObject();
    QCOMPARE(weak.keys(), total.keys());
    QCOMPARE(weak.value("games").toInt(-1), 0);
    for (const char* none : {"meanPoints", "bestGame", "bestMatch", "worstMatch"})
        QVERIFY2(weak.value(QLatin1String(none)).isNull(), none);

    const QJsonArray rules = doc.value("rules").toArray();
    QCOMPARE(rules.size(), 12);
    int played = 0;
    for (const QJsonValue& each : rules) {
        const QJsonObject combination = each.toObject();
        QCOMPARE(combination.value("total").toObject().keys(), total.keys());
        QCOMPARE(combination.value("levels").toObject().keys(), levels.keys());
        if (combination.value("total").toObject().value("games").toInt() == 0) continue;
        ++played;
        QCOMPARE(combination.value("aceKing").toBool(true), false);
        QCOMPARE(combination.value("joker").toString(), QStringLiteral("once"));
        QCOMPARE(combination.value("passes").toInt(), 3);
        QCOMPARE(combination.value("name").toString(),
                 QStringLiteral("ＡＫ接続なし・Ｊｏｋｅｒ使用・パス３回まで"));
        QCOMPARE(combination.value("levels").toObject().value("classic").toObject(), total);
    }
    QCOMPARE(played, 1);
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
