// SPDX-License-Identifier: GPL-3.0-or-later
// Points of a game, the winner's streak and the match's progress.
#include <QtTest>

#include "rules/scoring.h"

using namespace plumet;

namespace {

// One game's end: places, outcomes, cards laid by choice and the out bonus per player 1..4.
struct GameEnd {
    QList<int> places;
    QList<int> outcomes;  // Outcome values
    QList<int> laid;
    QList<int> outBonus;
    int dumped = 0;
};

void apply(GameState& s, const GameEnd& e) {
    for (int p = 1; p <= kPlayers; ++p) {
        s.place[p] = static_cast<std::int16_t>(e.places[p - 1]);
        s.finishOrder[e.places[p - 1]] = static_cast<std::int16_t>(p);
        s.outcome[p] = Outcome(e.outcomes[p - 1]);
        s.laidCount[p] = static_cast<std::int16_t>(e.laid[p - 1]);
        s.outBonus[p] = static_cast<std::int16_t>(e.outBonus[p - 1]);
    }
    s.dumped = static_cast<std::int16_t>(e.dumped);
}

constexpr int kOut = int(Outcome::WentOut);
constexpr int kDropped = int(Outcome::DroppedOut);
constexpr int kBaba = int(Outcome::JokerLeft);

QList<int> points(const GameState& s) {
    return {s.gamePoints[1], s.gamePoints[2], s.gamePoints[3], s.gamePoints[4]};
}

}  // namespace

Q_DECLARE_METATYPE(GameEnd)

class TestScoring : public QObject {
    Q_OBJECT

  private slots:
    void gamePoints_data();
    void gamePoints();
    void streakOverAMatch();
    void matchOfTenGames();
};

void TestScoring::gamePoints_data() {
    QTest::addColumn<GameEnd>("end");
    QTest::addColumn<QList<int>>("expected");

    // places 18, 10, 4, 0; +1 per card laid; going out adds dumped + outBonus; bonus 2 each
    // when all four went out, else 11 / 5 / 3 for each of one / two / three who went out.
    QTest::newRow("all four out")
        << GameEnd{{1, 2, 3, 4}, {kOut, kOut, kOut, kOut}, {12, 12, 12, 13}, {30, 15, 5, 0}}
        << QList<int>{18 + 12 + 30 + 2, 10 + 12 + 15 + 2, 4 + 12 + 5 + 2, 0 + 13 + 0 + 2};
    QTest::newRow("three out, one dropped")
        << GameEnd{{1, 2, 4, 3}, {kOut, kOut, kDropped, kOut}, {12, 11, 5, 11}, {20, 9, 0, 2}, 8}
        << QList<int>{18 + 12 + 8 + 20 + 3, 10 + 11 + 8 + 9 + 3, 0 + 5, 4 + 11 + 8 + 2 + 3};
    QTest::newRow("two out, ばばもち and dropout")
        << GameEnd{{2, 1, 4, 3}, {kOut, kOut, kBaba, kDropped}, {12, 13, 9, 3}, {6, 20, 0, 0}, 9}
        << QList<int>{10 + 12 + 9 + 6 + 5, 18 + 13 + 9 + 20 + 5, 0 + 9, 4 + 3};
    QTest::newRow("only one out") << GameEnd{{1, 4, 3, 2},
                                             {kOut, kDropped, kDropped, kDropped},
                                             {10, 2, 2, 3},
                                             {0, 0, 0, 0},
                                             30}
                                  << QList<int>{18 + 10 + 30 + 11, 2, 4 + 2, 10 + 3};
    QTest::newRow("nobody out") << GameEnd{{4, 3, 2, 1},
                                           {kDropped, kDropped, kDropped, kDropped},
                                           {1, 2, 3, 4},
                                           {0, 0, 0, 0},
                                           40}
                                << QList<int>{1, 4 + 2, 10 + 3, 18 + 4};
}

void TestScoring::gamePoints() {
    QFETCH(GameEnd, end);
    QFETCH(QList<int>, expected);
    GameState s;
    s.gameNumber = 1;
    s.starter = 3;
    s.score = {0, 100, 0, 50, 7};
    apply(s, end);
    scoreGame(s);
    QCOMPARE(points(s), expected);
    QCOMPARE(s.streak, 0);
    QCOMPARE(s.score[1], 100 + expected[0]);
    QCOMPARE(s.score[4], 7 + expected[3]);
}

void TestScoring::streakOverAMatch() {
    // Player 2 wins games 1 to 4 and player 3 game 5: bonus 0 in game 1 even though player 2
    // started it, then 1, 2, 3, and the streak breaks in game 5.
    const GameEnd twoWins{{2, 1, 3, 4}, {kOut, kOut, kOut, kOut}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    const GameEnd threeWins{{2, 3, 1, 4}, {kOut, kOut, kOut, kOut}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    GameState s;
    s.starter = 2;
    const Rules rules;
    const QList<int> bonus{0, 1, 2, 3};
    for (int game = 1; game <= 4; ++game) {
        s.gameNumber = static_cast<std::int16_t>(game);
        apply(s, twoWins);
        QVERIFY(!finishGame(s, rules));
        QCOMPARE(s.gamePoints[2], 18 + 2 + bonus[game - 1]);
        QCOMPARE(s.streak, bonus[game - 1]);
        QCOMPARE(s.starter, 2);
        QCOMPARE(s.cardsLeft, 53);
    }
    s.gameNumber = 5;
    apply(s, threeWins);
    finishGame(s, rules);
    QCOMPARE(s.streak, 0);
    QCOMPARE(s.gamePoints[3], 18 + 2);
    QCOMPARE(s.starter, 3);
}

void TestScoring::matchOfTenGames() {
    const GameEnd oneWins{{1, 2, 3, 4}, {kOut, kOut, kOut, kOut}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    GameState s;
    s.starter = 4;
    Rules rules;
    rules.joker = JokerMode::None;
    for (int game = 1; game <= 9; ++game) {
        s.gameNumber = static_cast<std::int16_t>(game);
        apply(s, oneWins);
        QVERIFY(!finishGame(s, rules));
        QCOMPARE(s.cardsLeft, 52);
    }
    const int starter = s.starter;
    s.gameNumber = 10;
    apply(s, GameEnd{{2, 1, 3, 4}, {kOut, kOut, kOut, kOut}, {0, 0, 0, 0}, {0, 0, 0, 0}});
    QVERIFY(finishGame(s, rules));
    QCOMPARE(s.starter, starter);  // the match is over: no next game to start
}

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
