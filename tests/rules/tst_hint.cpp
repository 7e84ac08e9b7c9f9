// SPDX-License-Identifier: GPL-3.0-or-later
// The human's hint: the strong search's move in the human's seat, never a pass the last-pass
// rule would refuse, decided without touching the game, the same each time for one position,
// and why a hinted pass is one.
#include <QtTest>

#include "rules/deal.h"
#include "rules/hint.h"
#include "rules/passing.h"
#include "rules/strength.h"
#include "rules/turn.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;
using plumet::test::Table;

Q_DECLARE_METATYPE(Hint::Kind)
Q_DECLARE_METATYPE(PassReason)

namespace {

// A small search keeps the tests fast.
SearchLimits testLimits() {
    SearchLimits limits;
    limits.playouts = 64;
    limits.threads = 1;
    return limits;
}

// A whole position for the strong hint: the human's hand and passes, player 3 holding the
// 8 of spades, player 2 the queen and king of diamonds, every other card on the board.
Table wholePosition(const QList<int>& hand, int passesLeft) {
    Table t;
    t.hand(3, {card(0, 8)}).hand(2, {card(3, 12), card(3, 13)}).hand(4, {card(3, 1)});
    t.state.hand[kHuman].fill(0);
    for (int i = 0; i < hand.size(); ++i)
        t.state.hand[kHuman][i + 1] = static_cast<std::int16_t>(hand[i]);
    t.state.handCount[kHuman] = static_cast<std::int16_t>(hand.size());
    t.state.cardsLeft = static_cast<std::int16_t>(t.state.cardsLeft + hand.size());
    t.boardTheRest().passes(kHuman, passesLeft);
    return t;
}

// Human positions from seeded games of classic players: the human to move, at turn `turns`.
QList<GameState> humanPositions(const Rules& rules, std::uint64_t seed, int count) {
    QList<GameState> positions;
    Random random(seed);
    GameState s;
    while (positions.size() < count) {
        deal(s, rules, random);
        laySevens(s);
        for (int p = s.handCount[s.firstPlayer] > 0 ? s.firstPlayer : nextToMove(s, s.firstPlayer);
             p != 0 && positions.size() < count; p = nextToMove(s, p)) {
            if (p == kHuman) positions << s;
            playDecision(s, rules, p, classicDecision(s, rules, p, passConstant(p), random));
        }
        s.gameNumber = 0;
    }
    return positions;
}

}  // namespace

class TestHint : public QObject {
    Q_OBJECT

  private slots:
    void strongHint_data();
    void strongHint();
    void strongHintSameForOnePosition();
    void strongHintPassReasons();
};

void TestHint::strongHint_data() {
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<Hint::Kind>("kind");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("jokerSlot");
    QTest::addColumn<PassReason>("reason");

    // The 9 and 10 of spades wait for player 3's 8; the 8 of clubs fits.
    QTest::newRow("the last card goes out")
        << QList<int>{card(2, 8)} << 4 << Hint::Kind::Lay << 1 << 0 << PassReason::NotAPass;
    QTest::newRow("nothing fits: the pass card")
        << QList<int>{card(0, 9), card(0, 10)} << 4 << Hint::Kind::Pass << 3 << 0
        << PassReason::NothingToLay;
    QTest::newRow("nothing fits on the last pass: the pass that drops out")
        << QList<int>{card(0, 9)} << 1 << Hint::Kind::Pass << 2 << 0 << PassReason::NothingToLay;
    QTest::newRow("the last pass refused: the card that fits")
        << QList<int>{card(0, 9), card(0, 10), card(2, 8)} << 1 << Hint::Kind::Lay << 3 << 0
        << PassReason::NotAPass;
    QTest::newRow("the last pass refused: the joker move")
        << QList<int>{card(0, 9), card(0, 10), kJoker} << 1 << Hint::Kind::Joker << 1 << 3
        << PassReason::NotAPass;
}

void TestHint::strongHint() {
    QFETCH(QList<int>, hand);
    QFETCH(int, passesLeft);
    QFETCH(Hint::Kind, kind);
    QFETCH(int, slot);
    QFETCH(int, jokerSlot);
    QFETCH(PassReason, reason);
    Table t = wholePosition(hand, passesLeft);
    t.state.endRatings.fill(-1);
    const GameState before = t.state;
    const StrongHint h = plumet::strongHint(t.state, t.rules, testLimits());
    QCOMPARE(h.hint.kind, kind);
    QCOMPARE(h.hint.slot, slot);
    QCOMPARE(h.hint.jokerSlot, jokerSlot);
    QCOMPARE(h.passReason, reason);
    QCOMPARE(t.state.endRatings, before.endRatings);
    QCOMPARE(t.state.hand, before.hand);
}

// Asked again for the same position, the strong hint is the same; and it depends only on what
// the human sees: the other hands dealt differently give the same hint.
void TestHint::strongHintSameForOnePosition() {
    Rules rules;
    rules.joker = JokerMode::Reused;
    int differentHands = 0;
    for (const GameState& s : humanPositions(rules, 8, 30)) {
        const StrongHint first = plumet::strongHint(s, rules, testLimits());
        const StrongHint again = plumet::strongHint(s, rules, testLimits());
        QCOMPARE(again.hint.kind, first.hint.kind);
        QCOMPARE(again.hint.slot, first.hint.slot);
        QCOMPARE(again.passReason, first.passReason);
        // Players 2 and 3 swap one card each (player 4's may hold the joker), when they can.
        if (s.handCount[2] == 0 || s.handCount[3] == 0) continue;
        GameState swapped = s;
        std::swap(swapped.hand[2][1], swapped.hand[3][1]);
        if (swapped.hand[2][1] == kJoker || swapped.hand[3][1] == kJoker) continue;
        ++differentHands;
        const StrongHint other = plumet::strongHint(swapped, rules, testLimits());
        QCOMPARE(other.hint.kind, first.hint.kind);
        QCOMPARE(other.hint.slot, first.hint.slot);
    }
    QVERIFY(differentHands > 10);
}

// A hinted pass says why: nothing to lay exactly when no card fits and the joker frees none;
// and the last pass is never hinted while something can be laid.
void TestHint::strongHintPassReasons() {
    Rules rules;
    rules.passes = 2;
    int passes = 0;
    for (const GameState& s : humanPositions(rules, 12, 60)) {
        const StrongHint h = plumet::strongHint(s, rules, testLimits());
        if (h.hint.kind != Hint::Kind::Pass) {
            QCOMPARE(h.passReason, PassReason::NotAPass);
            continue;
        }
        ++passes;
        QCOMPARE(h.hint.slot, s.handCount[kHuman] + 1);
        QVERIFY(!lastPassRefused(s, rules));
        const bool nothingToLay = legalMoves(s, rules, kHuman, true).size() == 1;
        QCOMPARE(h.passReason,
                 nothingToLay ? PassReason::NothingToLay : PassReason::PassingIsBetter);
    }
    QVERIFY(passes > 0);
}

QTEST_APPLESS_MAIN(TestHint)
#include "tst_hint.moc"
