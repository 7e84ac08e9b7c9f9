// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' strategy: ratings, the immediate choices, the voluntary pass and the
// joker attempt.
#include <QtTest>

#include "rules/strategy.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;
using plumet::test::Table;

namespace {

const int kJ = kJoker;

void giveHand(GameState& s, int p, const QList<int>& cards) {
    s.hand[p].fill(0);
    for (int i = 0; i < cards.size(); ++i) s.hand[p][i + 1] = static_cast<std::int16_t>(cards[i]);
    s.handCount[p] = static_cast<std::int16_t>(cards.size());
}

}  // namespace

class TestStrategy : public QObject {
    Q_OBJECT

  private slots:
    void endRating_data();
    void endRating();
    void immediateChoice_data();
    void immediateChoice();
    void bestEndTiesToTheLowest();
    void voluntaryPassRate_data();
    void voluntaryPassRate();
    void nothingFitsPasses();
    void jokerAttempt_data();
    void jokerAttempt();
};

void TestStrategy::endRating_data() {
    QTest::addColumn<bool>("aceKing");
    QTest::addColumn<QList<int>>("onBoard");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expected");

    // High end at 8: cards 8..13 missing (6); holding 8, 10 -> 2/6.
    QTest::newRow("share of the run")
        << false << QList<int>{} << 6 << 8 << QList<int>{card(0, 8), card(0, 10)} << 2 << 3333;
    QTest::newRow("dumped cards do not count")
        << false << QList<int>{card(0, 9), card(0, 11)} << 6 << 8
        << QList<int>{card(0, 8), card(0, 10)} << 2 << 5000;
    QTest::newRow("low end runs down to the ace")
        << false << QList<int>{} << 6 << 8 << QList<int>{card(0, 6), card(0, 1)} << 1 << 3333;
    QTest::newRow("whole run held")
        << false << QList<int>{} << 6 << 8
        << QList<int>{card(0, 1), card(0, 2), card(0, 3), card(0, 4), card(0, 5), card(0, 6)} << 1
        << 10000;
    QTest::newRow("ring, redirected low end runs up to the six")
        << true << QList<int>{card(0, 3),  card(0, 8),  card(0, 9), card(0, 10),
                              card(0, 11), card(0, 12), card(0, 13)}
        << 1 << 7 << QList<int>{card(0, 1), card(0, 6)} << 1 << 4000;
    QTest::newRow("ring, redirected high end runs down to the eight")
        << true
        << QList<int>{card(0, 1), card(0, 2), card(0, 3), card(0, 4), card(0, 5), card(0, 6)} << 7
        << 13 << QList<int>{card(0, 13)} << 2 << 1666;
}

void TestStrategy::endRating() {
    QFETCH(bool, aceKing);
    QFETCH(QList<int>, onBoard);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QList<int>, hand);
    QFETCH(int, end);
    QFETCH(int, expected);
    Rules rules;
    rules.aceKing = aceKing;
    Table t(rules);
    for (int c : onBoard) t.board({c});
    t.ends(0, low, high);
    giveHand(t.state, 2, hand);
    t.state.endRatings.fill(0);
    QCOMPARE(plumet::endRating(t.state, rules, 2, end), expected);
    QCOMPARE(t.state.endRatings[end], expected);
}

void TestStrategy::immediateChoice_data() {
    QTest::addColumn<bool>("aceKing");
    QTest::addColumn<QList<int>>("onBoard");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("slot");  // the slot taken at once, 0 = none

    const QList<int> eightToQueen{card(0, 8), card(0, 9), card(0, 10), card(0, 11), card(0, 12)};
    // Hearts 6 fits but frees nothing the player holds and does not close its end.
    QTest::newRow("a king is laid at once even when it frees nothing")
        << false << eightToQueen << 6 << 13 << QList<int>{card(1, 6), card(0, 13)} << 2;
    QTest::newRow("an earlier qualifying card comes first")
        << false << eightToQueen << 6 << 13 << QList<int>{card(1, 8), card(1, 9), card(0, 13)} << 1;
    QTest::newRow("an ace ends the low side")
        << false << QList<int>{card(0, 2), card(0, 3), card(0, 4), card(0, 5), card(0, 6)} << 1 << 8
        << QList<int>{card(1, 6), card(0, 1)} << 2;
    QTest::newRow("a card that closes its end")
        << false << QList<int>{card(0, 12), card(0, 13)} << 6 << 11
        << QList<int>{card(1, 6), card(0, 11)} << 2;
    QTest::newRow("nothing qualifies")
        << false << QList<int>{} << 6 << 8 << QList<int>{card(1, 6), card(0, 8)} << 0;
    QTest::newRow("ring: king with the low end open")
        << true << eightToQueen << 6 << 13 << QList<int>{card(1, 6), card(0, 13)} << 2;
    QTest::newRow("ring: king with the low end closed is judged like any card")
        << true
        << (QList<int>{card(0, 1), card(0, 2), card(0, 3), card(0, 4), card(0, 5), card(0, 6),
                       card(0, 8), card(0, 9), card(0, 10)})
        << 7 << 13 << QList<int>{card(1, 6), card(0, 13)} << 0;
}

void TestStrategy::immediateChoice() {
    QFETCH(bool, aceKing);
    QFETCH(QList<int>, onBoard);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QList<int>, hand);
    QFETCH(int, slot);
    Rules rules;
    rules.aceKing = aceKing;
    // Whatever the draws, the immediate choice comes before any pass: try many seeds.
    for (int seed = 1; seed <= 50; ++seed) {
        Table t(rules);
        for (int c : onBoard) t.board({c});
        t.ends(0, low, high);
        giveHand(t.state, 3, hand);
        Random random(seed);
        const Decision d = classicDecision(t.state, rules, 3, 6, random);
        if (slot != 0) {
            QCOMPARE(int(d.kind), int(Decision::Kind::Lay));
            QCOMPARE(d.slot, slot);
            QVERIFY(!d.passDrawn);
        } else {
            QVERIFY(d.passDrawn);
        }
    }
}

void TestStrategy::bestEndTiesToTheLowest() {
    // Hearts 6 (end 3) and clubs 8 (end 6) both rate 1/6: the lower end number wins.
    Table t;
    giveHand(t.state, 2, {card(2, 8), card(1, 6)});
    t.passes(2, 2);  // no voluntary pass with one pass left
    Random random(1);
    const Decision d = classicDecision(t.state, t.rules, 2, 6, random);
    QCOMPARE(int(d.kind), int(Decision::Kind::Lay));
    QCOMPARE(d.end, 3);
    QCOMPARE(d.slot, 2);
    QCOMPARE(t.state.endRatings[3], t.state.endRatings[6]);
}

void TestStrategy::voluntaryPassRate_data() {
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<int>("passConstant");
    QTest::addColumn<double>("rate");
    QTest::newRow("three passes left") << 4 << 6 << 0.4;
    QTest::newRow("three passes left, player 4") << 4 << 7 << 0.3;
    QTest::newRow("two passes left") << 3 << 6 << 0.2;
    QTest::newRow("two passes left, player 4") << 3 << 7 << 0.1;
    QTest::newRow("one pass left") << 2 << 6 << 0.0;
    QTest::newRow("no pass left") << 1 << 6 << 0.0;
}

void TestStrategy::voluntaryPassRate() {
    QFETCH(int, passesLeft);
    QFETCH(int, passConstant);
    QFETCH(double, rate);
    constexpr int kTurns = 4000;
    int passes = 0;
    Random random(11);
    for (int i = 0; i < kTurns; ++i) {
        Table t;
        giveHand(t.state, 4, {card(1, 6), card(3, 1)});  // fits, but nothing qualifies
        t.passes(4, passesLeft);
        const Decision d = classicDecision(t.state, t.rules, 4, passConstant, random);
        QVERIFY(d.passDrawn);
        if (d.kind == Decision::Kind::Pass) ++passes;
    }
    QVERIFY2(std::abs(double(passes) / kTurns - rate) < 0.03, qPrintable(QString::number(passes)));
}

void TestStrategy::nothingFitsPasses() {
    Table t;
    giveHand(t.state, 2, {card(1, 1), card(3, 12)});
    t.passes(2, 1);
    Random random(5);
    const Decision d = classicDecision(t.state, t.rules, 2, 6, random);
    QCOMPARE(int(d.kind), int(Decision::Kind::Pass));
    QVERIFY(d.passDrawn);
}

void TestStrategy::jokerAttempt_data() {
    QTest::addColumn<int>("handSize");  // cards held, the joker included
    QTest::addColumn<double>("rate");
    QTest::newRow("four cards: always") << 4 << 1.0;
    QTest::newRow("nine cards: half the time") << 9 << 0.5;
    QTest::newRow("fourteen cards: never") << 14 << 0.0;
}

void TestStrategy::jokerAttempt() {
    QFETCH(int, handSize);
    QFETCH(double, rate);
    // Spades 9 can be freed by the joker at the high end; filler cards fit nowhere.
    QList<int> hand{card(0, 9)};
    for (int i = 0; hand.size() < handSize - 1; ++i) hand << card(1 + i % 3, 1 + i / 3);
    hand << kJ;
    constexpr int kTurns = 2000;
    int attempts = 0;
    Random random(21);
    for (int i = 0; i < kTurns; ++i) {
        Table t;
        giveHand(t.state, 2, hand);
        t.state.hand[3][1] = static_cast<std::int16_t>(card(0, 8));
        t.state.handCount[3] = 1;
        const Decision d = classicDecision(t.state, t.rules, 2, 6, random);
        QVERIFY(d.jokerDraw >= 5 && d.jokerDraw <= 14);
        if (d.kind != Decision::Kind::Joker) continue;
        ++attempts;
        QCOMPARE(d.end, 2);
        QCOMPARE(d.slot, 1);
        QVERIFY(!d.passDrawn);
    }
    QVERIFY2(std::abs(double(attempts) / kTurns - rate) < 0.04,
             qPrintable(QString::number(attempts)));
}

QTEST_APPLESS_MAIN(TestStrategy)
#include "tst_strategy.moc"
