// SPDX-License-Identifier: GPL-3.0-or-later
// The saved match on the real store: its keys, check digits, the two tests and their
// outcomes, continuing, discarding and the check digits made at the first run.
#include <QTest>

#include "common/tempstore.h"
#include "data/savedgame.h"
#include "data/store.h"
#include "rules/scoring.h"

using namespace plumet;
using savedmatch::Check;

Q_DECLARE_METATYPE(savedmatch::Check)

namespace {

// The match of the worked example: after game 3, totals 12, 30, 4, 18, starter 2, streak 1.
GameState exampleMatch() {
    GameState state;
    state.gameNumber = 3;
    state.score = {0, 12, 30, 4, 18};
    state.starter = 2;
    state.streak = 1;
    for (int g = 1; g <= 3; ++g) {
        state.humanGamePoints[g] = static_cast<std::int16_t>(g * 4);
        state.humanGamePlaces[g] = std::to_string(g) + " 位 / あがり！";
    }
    return state;
}

}  // namespace

class TestSavedMatch : public QObject {
    Q_OBJECT

  private slots:
    void checkDigits_data() {
        QTest::addColumn<int>("gameNumber");
        QTest::addColumn<int>("s1");
        QTest::addColumn<int>("s2");
        QTest::addColumn<int>("s3");
        QTest::addColumn<int>("s4");
        QTest::addColumn<int>("starter");
        QTest::addColumn<QString>("right");
        QTest::newRow("no match: sum 1") << 0 << 0 << 0 << 0 << 0 << 1 << "3249";
        QTest::newRow("example: sum 69") << 3 << 12 << 30 << 4 << 18 << 2 << "325457";
        QTest::newRow("sum 123") << 5 << 50 << 30 << 20 << 15 << 3 << "32495051";
        QTest::newRow("negative sum") << 1 << -40 << 0 << 0 << 0 << 1 << "455156";  // -38
        QTest::newRow("beyond 16 bits")
            << 9 << 32767 << 32767 << 0 << 0 << 4 << "325453535255";  // 65547
    }
    void checkDigits() {
        QFETCH(int, gameNumber);
        QFETCH(int, s1);
        QFETCH(int, s2);
        QFETCH(int, s3);
        QFETCH(int, s4);
        QFETCH(int, starter);
        QFETCH(QString, right);
        savedmatch::Header header;
        header.gameNumber = static_cast<std::int16_t>(gameNumber);
        header.score = {0, static_cast<std::int16_t>(s1), static_cast<std::int16_t>(s2),
                        static_cast<std::int16_t>(s3), static_cast<std::int16_t>(s4)};
        header.starter = static_cast<std::int16_t>(starter);
        QCOMPARE(QString::fromStdString(savedmatch::checkDigits(header)), right);
    }

    void saveWritesEveryKey() {
        TempStore temp;
        Store store;
        GameState state = exampleMatch();
        savedmatch::saveMatch(store, state, QStringLiteral("各試合の得点グラフ"));
        QCOMPARE(state.savedGameNumber, std::int16_t{3});
        QCOMPARE(state.gameNumber, std::int16_t{0});

        Store disk;
        const auto get = [&](const char* key) { return disk.get(u"form2", QString(key), "-"); };
        QCOMPARE(get("sp"), QStringLiteral("3"));
        QCOMPARE(get("p1"), QStringLiteral("12"));
        QCOMPARE(get("p2"), QStringLiteral("30"));
        QCOMPARE(get("p3"), QStringLiteral("4"));
        QCOMPARE(get("p4"), QStringLiteral("18"));
        QCOMPARE(get("tp"), QStringLiteral("12"));
        QCOMPARE(get("right"), QStringLiteral("325457"));
        QCOMPARE(get("tenka2"), QStringLiteral("8"));
        QCOMPARE(get("tenka10"), QStringLiteral("0"));
        QCOMPARE(get("tenjun3"), QStringLiteral("3 位 / あがり！"));
        QCOMPARE(get("tenjun4"), QString());
        QCOMPARE(get("gurahu"), QStringLiteral("各試合の得点グラフ"));
    }

    // The start-up check of a match saved by the game and then changed by hand.
    void checkAtStart_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // "(deleted)" deletes the key
        QTest::addColumn<Check>("expected");
        QTest::addColumn<QString>("tpAfter");
        QTest::newRow("as saved") << ""
                                  << "" << Check::Ok << "12";
        QTest::newRow("odd digit added to right") << "right"
                                                  << "3254575" << Check::Ok << "12";
        QTest::newRow("total changed") << "p2"
                                       << "31" << Check::BadCheckDigits << "12";
        QTest::newRow("right deleted") << "right"
                                       << "(deleted)" << Check::BadCheckDigits << "12";
        QTest::newRow("right not digits") << "right"
                                          << "32545x" << Check::BadCheckDigits << "12";
        QTest::newRow("starter 9") << "tp"
                                   << "59" << Check::Inconsistent << "0";
        QTest::newRow("streak above games") << "tp"
                                            << "42" << Check::Inconsistent << "0";
        QTest::newRow("no game number") << "sp"
                                        << "abc" << Check::NoMatch << "12";
        QTest::newRow("game zero") << "sp"
                                   << "0" << Check::NoMatch << "12";
        QTest::newRow("negative game") << "sp"
                                       << "-2" << Check::NoMatch << "12";
        QTest::newRow("total beyond 16 bits") << "p1"
                                              << "99999" << Check::BadCheckDigits << "12";
    }
    void checkAtStart() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(Check, expected);
        QFETCH(QString, tpAfter);
        TempStore temp;
        Store store;
        GameState saved = exampleMatch();
        savedmatch::saveMatch(store, saved, QStringLiteral("累計の得点グラフ"));
        if (value == "(deleted)") {
            store.remove(u"form2", key);
        } else if (!key.isEmpty()) {
            store.save(u"form2", key, value);
        }

        GameState state;
        state.savedGameNumber = 7;
        QCOMPARE(savedmatch::checkAtStart(store, state), expected);
        QCOMPARE(Store().get(u"form2", u"tp", {}), tpAfter);
        if (expected == Check::Ok) {
            QCOMPARE(state.savedGameNumber, std::int16_t{3});
            QCOMPARE(state.gameNumber, std::int16_t{0});
            QCOMPARE(state.score, exampleMatch().score);
            QCOMPARE(state.starter, std::int16_t{2});
            QCOMPARE(state.streak, std::int16_t{1});
        }
        if (expected == Check::BadCheckDigits || expected == Check::NoMatch) {
            QCOMPARE(state.savedGameNumber, std::int16_t{0});
            QCOMPARE(state.gameNumber, std::int16_t{0});
        }
    }

    // Matches whose digits agree but that cannot be played on are refused, not continued.
    void unplayableMatchIsRefused_data() {
        QTest::addColumn<int>("gameNumber");
        QTest::addColumn<int>("streakAndStarter");
        QTest::newRow("game 10") << 10 << 12;
        QTest::newRow("starter 0") << 3 << 10;
        QTest::newRow("negative starter") << 3 << -3;
    }
    void unplayableMatchIsRefused() {
        QFETCH(int, gameNumber);
        QFETCH(int, streakAndStarter);
        TempStore temp;
        Store store;
        savedmatch::Header header;
        header.gameNumber = static_cast<std::int16_t>(gameNumber);
        header.starter = static_cast<std::int16_t>(streakAndStarter % 10);
        store.save(u"form2", u"sp", QString::number(gameNumber));
        store.save(u"form2", u"tp", QString::number(streakAndStarter));
        store.save(u"form2", u"right", QString::fromStdString(savedmatch::checkDigits(header)));
        GameState state;
        QCOMPARE(savedmatch::checkAtStart(store, state), Check::BadCheckDigits);
        QCOMPARE(savedmatch::continueMatch(store, state), Check::BadCheckDigits);
        QCOMPARE(state.gameNumber, std::int16_t{0});
    }

    // Totals whose digits agree but that the games left could carry past 16 bits cannot come
    // from play: refused like bad check digits. A total at the bound is played on.
    void totalsThatCouldOverflowAreRefused_data() {
        QTest::addColumn<int>("gameNumber");
        QTest::addColumn<int>("total");  // of every player
        QTest::addColumn<bool>("refused");
        QTest::newRow("32767 after game 3") << 3 << 32767 << true;
        QTest::newRow("after game 9, at the bound") << 9 << 32767 - kMaxGamePoints << false;
        QTest::newRow("after game 9, above") << 9 << 32767 - kMaxGamePoints + 1 << true;
        QTest::newRow("after game 1, at the bound") << 1 << 32767 - 9 * kMaxGamePoints << false;
        QTest::newRow("after game 1, above") << 1 << 32767 - 9 * kMaxGamePoints + 1 << true;
    }
    void totalsThatCouldOverflowAreRefused() {
        QFETCH(int, gameNumber);
        QFETCH(int, total);
        QFETCH(bool, refused);
        TempStore temp;
        Store store;
        GameState saved;
        saved.gameNumber = static_cast<std::int16_t>(gameNumber);
        saved.score = {0, static_cast<std::int16_t>(total), static_cast<std::int16_t>(total),
                       static_cast<std::int16_t>(total), static_cast<std::int16_t>(total)};
        saved.starter = 1;
        QVERIFY(savedmatch::saveMatch(store, saved, {}));
        const Check expected = refused ? Check::BadCheckDigits : Check::Ok;
        GameState state;
        QCOMPARE(savedmatch::checkAtStart(store, state), expected);
        QCOMPARE(savedmatch::continueMatch(store, state), expected);
        QCOMPARE(state.gameNumber, std::int16_t(refused ? 0 : gameNumber));
    }

    // After an inconsistent "tp" was reset, the next start passes test 1 and the check
    // digits decide.
    void resetTpLetsTheCheckDigitsDecide() {
        TempStore temp;
        Store store;
        GameState saved = exampleMatch();
        savedmatch::saveMatch(store, saved, {});
        store.save(u"form2", u"tp", QStringLiteral("59"));
        GameState state;
        QCOMPARE(savedmatch::checkAtStart(store, state), Check::Inconsistent);
        QCOMPARE(savedmatch::checkAtStart(store, state), Check::BadCheckDigits);
    }

    void continueRestoresTheMatchAndDiscardsIt() {
        TempStore temp;
        Store store;
        GameState saved = exampleMatch();
        savedmatch::saveMatch(store, saved, {});

        GameState state;
        state.savedGameNumber = 3;
        QCOMPARE(savedmatch::continueMatch(store, state), Check::Ok);
        QCOMPARE(state.gameNumber, std::int16_t{3});
        QCOMPARE(state.score, exampleMatch().score);
        QCOMPARE(state.starter, std::int16_t{2});
        QCOMPARE(state.streak, std::int16_t{1});
        QCOMPARE(state.humanGamePoints, exampleMatch().humanGamePoints);
        QCOMPARE(state.humanGamePlaces, exampleMatch().humanGamePlaces);
        QCOMPARE(state.savedGameNumber, std::int16_t{0});

        Store disk;
        for (const char* key : {"sp", "p1", "p2", "p3", "p4"}) {
            QCOMPARE(disk.get(u"form2", QString(key), {}), QStringLiteral("0"));
        }
        QCOMPARE(disk.get(u"form2", u"tp", {}), QStringLiteral("12"));  // left as it was
        QCOMPARE(disk.get(u"form2", u"tenka1", {}), QStringLiteral("4"));
        GameState next;
        QCOMPARE(savedmatch::checkAtStart(disk, next), Check::NoMatch);
    }

    void continueOfADamagedMatchUsesNothing() {
        TempStore temp;
        Store store;
        GameState saved = exampleMatch();
        savedmatch::saveMatch(store, saved, {});
        store.save(u"form2", u"p4", QStringLiteral("80"));
        GameState state;
        QCOMPARE(savedmatch::continueMatch(store, state), Check::BadCheckDigits);
        QCOMPARE(state.gameNumber, std::int16_t{0});
        QCOMPARE(state.savedGameNumber, std::int16_t{0});
        QCOMPARE(state.humanGamePoints, GameState().humanGamePoints);
        QCOMPARE(store.get(u"form2", u"sp", {}), QStringLiteral("3"));  // not discarded
    }

    void tudukidelZeroesOnlyTheGameAndTotals() {
        TempStore temp;
        Store store;
        GameState saved = exampleMatch();
        savedmatch::saveMatch(store, saved, QStringLiteral("g"));
        savedmatch::discard(store);
        const KeyValues pairs = Store().list(u"form2");
        for (const auto& [key, value] : pairs) {
            const bool zeroed = QStringList{"sp", "p1", "p2", "p3", "p4"}.contains(key);
            if (zeroed) QCOMPARE(value, QStringLiteral("0"));
        }
        QCOMPARE(store.get(u"form2", u"right", {}), QStringLiteral("325457"));
        QCOMPARE(store.get(u"form2", u"gurahu", {}), QStringLiteral("g"));
    }

    void checkDigitsMadeAtTheFirstRun() {
        TempStore temp;
        Store store;
        QCOMPARE(savedmatch::createCheckDigits(store), Check::Ok);
        QCOMPARE(Store().get(u"form2", u"right", {}), QStringLiteral("3249"));
        GameState state;
        QCOMPARE(savedmatch::checkAtStart(store, state), Check::NoMatch);

        // A continued match leaves its "tp" behind: no saved match, nothing inconsistent.
        store.save(u"form2", u"tp", QStringLiteral("12"));
        QCOMPARE(savedmatch::createCheckDigits(store), Check::Ok);
        QCOMPARE(store.get(u"form2", u"tp", {}), QStringLiteral("12"));

        store.save(u"form2", u"sp", QStringLiteral("2"));
        store.save(u"form2", u"tp", QStringLiteral("31"));  // streak 3 after 2 games
        QCOMPARE(savedmatch::createCheckDigits(store), Check::Inconsistent);
        QCOMPARE(store.get(u"form2", u"tp", {}), QStringLiteral("0"));
    }

    void graphCaptionDefault() {
        TempStore temp;
        Store store;
        QCOMPARE(savedmatch::graphCaption(store), QStringLiteral("累計の得点グラフ"));
        savedmatch::saveGraphCaption(store, QStringLiteral("各試合の得点グラフ"));
        QCOMPARE(savedmatch::graphCaption(Store()), QStringLiteral("各試合の得点グラフ"));
    }
};

QTEST_GUILESS_MAIN(TestSavedMatch)
#include "tst_savedmatch.moc"
