// The human's hint: the strategy's move in the human's seat, never a pass the last-pass rule
// would refuse, decided without touching the game.
#include <QtTest>

#include "rules/hint.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;
using plumet::test::Table;

Q_DECLARE_METATYPE(Hint::Kind)

namespace {

// Twelve cards that fit no end and that the joker frees nowhere (ranks 1..4 of suits 1..3,
// while every low end waits for its six).
QList<int> stuckCards() {
    QList<int> cards;
    for (int suit = 1; suit <= 3; ++suit) {
        for (int rank = 1; rank <= 4; ++rank) cards << card(suit, rank);
    }
    return cards;
}

}  // namespace

class TestHint : public QObject {
    Q_OBJECT

  private slots:
    void hint_data();
    void hint();
};

void TestHint::hint_data() {
    QTest::addColumn<QList<int>>("onBoard");
    QTest::addColumn<int>("high0");  // the high end of suit 0
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<Hint::Kind>("kind");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("jokerSlot");

    const QList<int> eightToQueen{card(0, 8), card(0, 9), card(0, 10), card(0, 11), card(0, 12)};
    QTest::newRow("the king the high end waits for")
        << eightToQueen << card(0, 13) << QList<int>{card(1, 6), card(0, 13)} << 4
        << Hint::Kind::Lay << 2 << 0;
    // Player 3 holds the 8 of spades: the joker in its place frees the 9.
    QTest::newRow("the joker with three cards left")
        << QList<int>{} << card(0, 8) << QList<int>{card(2, 1), card(0, 9), kJoker} << 4
        << Hint::Kind::Joker << 2 << 3;
    QTest::newRow("nothing fits: the pass card")
        << QList<int>{} << card(0, 8) << QList<int>{card(2, 1), card(3, 13)} << 4
        << Hint::Kind::Pass << 3 << 0;
    QTest::newRow("nothing fits on the last pass: the pass that drops out")
        << QList<int>{} << card(0, 8) << QList<int>{card(2, 1)} << 1 << Hint::Kind::Pass << 2 << 0;
    // Fourteen cards: no joker attempt, so the strategy passes; the human may not.
    QTest::newRow("the last pass refused: the joker move instead")
        << QList<int>{} << card(0, 8) << (QList<int>{card(0, 9)} << stuckCards() << kJoker) << 1
        << Hint::Kind::Joker << 1 << 14;
}

void TestHint::hint() {
    QFETCH(QList<int>, onBoard);
    QFETCH(int, high0);
    QFETCH(QList<int>, hand);
    QFETCH(int, passesLeft);
    QFETCH(Hint::Kind, kind);
    QFETCH(int, slot);
    QFETCH(int, jokerSlot);

    Table t;
    for (int c : onBoard) t.state.onBoard[c] = 1;
    t.ends(0, card(0, 6), high0);
    t.state.hand[kHuman].fill(0);
    for (int i = 0; i < hand.size(); ++i)
        t.state.hand[kHuman][i + 1] = static_cast<std::int16_t>(hand[i]);
    t.state.handCount[kHuman] = static_cast<std::int16_t>(hand.size());
    t.state.hand[3][1] = static_cast<std::int16_t>(card(0, 8));
    t.state.handCount[3] = 1;
    t.passes(kHuman, passesLeft);
    t.state.endRatings.fill(-1);
    t.state.jokerFreedSlots.fill(-1);
    const GameState before = t.state;

    // The same answer whatever the draws.
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        Random random(seed);
        const Hint h = plumet::hint(t.state, t.rules, random);
        QCOMPARE(h.kind, kind);
        QCOMPARE(h.slot, slot);
        QCOMPARE(h.jokerSlot, jokerSlot);
    }
    // The strategy thought on a copy: its scratch arrays are as they were.
    QCOMPARE(t.state.endRatings, before.endRatings);
    QCOMPARE(t.state.jokerFreedSlots, before.jokerFreedSlots);
}

QTEST_APPLESS_MAIN(TestHint)
#include "tst_hint.moc"
