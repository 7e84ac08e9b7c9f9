// SPDX-License-Identifier: GPL-3.0-or-later
// Moves: laying a card and its outcome, passing and dropping out, the joker move and its
// exchange, the human's last-pass refusal and the hand-off of the turn.
#include <QtTest>

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "rules/turn.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;
using plumet::test::Table;

namespace {

const int kJ = kJoker;

// Records the hooks a move calls, in order, as short texts.
class Recorder : public MoveView {
  public:
    void beforeLay(int p, int c, int slot) override { add("fly", p, c, slot); }
    void afterLay(int p, int c, int slot, LayOutcome) override { add("laid", p, c, slot); }
    void beforeJokerFlight(int p, int gap) override { add("joker", p, gap); }
    void passed(int p) override { add("pass", p); }
    void droppingOut(int p) override { add("dropping", p); }
    void droppedOut(int p) override { add("dropped", p); }
    void jokerReturned(int holder) override { add("returned", holder); }
    void beforeExchange(int holder) override { add("exchange", holder); }

    QStringList events;

  private:
    template <typename... Ints>
    void add(const char* what, Ints... values) {
        QString text = what;
        ((text += ' ' + QString::number(values)), ...);
        events << text;
    }
};

QList<int> handOf(const GameState& s, int p) {
    QList<int> cards;
    for (int i = 1; i <= s.handCount[p]; ++i) cards << s.hand[p][i];
    return cards;
}

QList<int> finishOrder(const GameState& s) {
    return {s.finishOrder[1], s.finishOrder[2], s.finishOrder[3], s.finishOrder[4]};
}

void setFinishOrder(GameState& s, const QList<int>& order) {
    for (int k = 1; k <= kPlayers; ++k) {
        s.finishOrder[k] = static_cast<std::int16_t>(order[k - 1]);
        if (order[k - 1] != 0) s.place[order[k - 1]] = static_cast<std::int16_t>(k);
    }
}

}  // namespace

class TestMoves : public QObject {
    Q_OBJECT

  private slots:
    void layingTheLastCard_data();
    void layingTheLastCard();
    void leftWithTheJoker_data();
    void leftWithTheJoker();
    void invalidLayChangesNothing();
    void passAndDropOut();
    void droppingOutWithTheJoker();
    void lastPassRefusal_data();
    void lastPassRefusal();
    void jokerEnd_data();
    void jokerEnd();
    void jokerMoveAndExchange_data();
    void jokerMoveAndExchange();
    void jokerSelection();
    void handOff_data();
    void handOff();
    void handOffWithNoCardsHeldIsAFault();
};

void TestMoves::layingTheLastCard_data() {
    QTest::addColumn<QList<int>>("finishBefore");
    QTest::addColumn<int>("expectedPlace");
    QTest::newRow("first out") << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("second out") << QList<int>{3, 0, 0, 0} << 2;
    QTest::newRow("best free place above a dropout") << QList<int>{3, 0, 0, 4} << 2;
}

void TestMoves::layingTheLastCard() {
    QFETCH(QList<int>, finishBefore);
    QFETCH(int, expectedPlace);
    Table t;
    t.hand(1, {card(1, 1), card(1, 2), card(1, 3)}).hand(2, {card(0, 6)});
    t.hand(3, {card(2, 1), card(2, 2)}).hand(4, {card(3, 1), card(3, 2), card(3, 3), card(3, 4)});
    GameState& s = t.state;
    setFinishOrder(s, finishBefore);
    Recorder view;

    QVERIFY(layCard(s, t.rules, 2, 1, view));
    QCOMPARE(s.handCount[2], 0);
    QCOMPARE(s.outcome[2], Outcome::WentOut);
    QCOMPARE(s.outBonus[2], 9);  // the cards the other three still hold
    QCOMPARE(s.place[2], expectedPlace);
    QCOMPARE(s.finishOrder[expectedPlace], 2);
    QCOMPARE(s.laidCount[2], 1);
    QCOMPARE(s.cardsLeft, 9);
    QCOMPARE(s.onBoard[card(0, 6)], 1);
    QCOMPARE(s.rowEnd[1], card(0, 5));
    QCOMPARE(view.events, (QStringList{"fly 2 6 1", "laid 2 6 1"}));
}

void TestMoves::leftWithTheJoker_data() {
    QTest::addColumn<QList<int>>("finishBefore");
    QTest::addColumn<QList<int>>("finishAfter");
    QTest::newRow("place 4 free") << QList<int>{2, 0, 0, 0} << QList<int>{2, 0, 0, 1};
    QTest::newRow("a dropout on place 4 moves up")
        << QList<int>{2, 0, 0, 3} << QList<int>{2, 0, 3, 1};
    QTest::newRow("two dropouts move up") << QList<int>{0, 0, 4, 3} << QList<int>{0, 4, 3, 1};
}

void TestMoves::leftWithTheJoker() {
    QFETCH(QList<int>, finishBefore);
    QFETCH(QList<int>, finishAfter);
    Table t;
    t.hand(1, {card(0, 6), kJ}).hand(2, {card(1, 1)}).hand(3, {card(2, 1)});
    t.hand(4, {card(3, 1)});
    GameState& s = t.state;
    setFinishOrder(s, finishBefore);

    QVERIFY(layCard(s, t.rules, 1, 1));
    QCOMPARE(s.outcome[1], Outcome::JokerLeft);
    QCOMPARE(s.handCount[1], 0);
    QCOMPARE(s.hand[1][1], 0);
    QCOMPARE(s.cardsLeft, 3);  // the card and the joker
    QCOMPARE(s.outBonus[1], 0);
    QCOMPARE(finishOrder(s), finishAfter);
    for (int k = 1; k <= kPlayers; ++k) {
        if (s.finishOrder[k] != 0) QCOMPARE(s.place[s.finishOrder[k]], k);
    }
}

void TestMoves::invalidLayChangesNothing() {
    Table t;
    t.hand(1, {card(0, 1), card(0, 9)});
    const GameState before = t.state;
    QVERIFY(!layCard(t.state, t.rules, 1, 1));
    QVERIFY(t.state.hand == before.hand);
    QCOMPARE(t.state.cardsLeft, before.cardsLeft);
    QVERIFY(t.state.rowEnd == before.rowEnd);
    QCOMPARE(clickTarget(t.state, 1), 0);
}

void TestMoves::passAndDropOut() {
    Table t;
    t.hand(1, {card(1, 1)}).hand(2, {card(0, 1), card(2, 12), card(0, 13)});
    t.hand(3, {card(1, 2)}).hand(4, {card(1, 3)});
    GameState& s = t.state;
    s.finishOrder[4] = 4;
    s.place[4] = 4;
    Recorder view;

    for (int left = 3; left >= 1; --left) {
        QCOMPARE(passOrDropOut(s, 2, view), PassResult::Passed);
        QCOMPARE(s.passesLeft[2], left);
    }
    QCOMPARE(view.events, (QStringList{"pass 2", "pass 2", "pass 2"}));
    view.events.clear();

    const auto ends = s.rowEnd;
    QCOMPARE(passOrDropOut(s, 2, view), PassResult::DroppedOut);
    QCOMPARE(s.passesLeft[2], 0);
    QCOMPARE(s.handCount[2], 0);
    QCOMPARE(s.dumped, 3);
    QCOMPARE(s.cardsLeft, 3);
    QCOMPARE(s.outcome[2], Outcome::DroppedOut);
    QCOMPARE(s.place[2], 3);  // the worst free place
    QCOMPARE(s.laidCount[2], 0);
    QVERIFY(s.rowEnd == ends);  // dumped cards move no end
    for (int c : {card(0, 1), card(2, 12), card(0, 13)}) QCOMPARE(s.onBoard[c], 1);
    QCOMPARE(view.events, (QStringList{"dropping 2", "fly 2 1 1", "laid 2 1 1", "fly 2 38 1",
                                       "laid 2 38 1", "fly 2 13 1", "laid 2 13 1", "dropped 2"}));
}

void TestMoves::droppingOutWithTheJoker() {
    Table t;
    t.hand(1, {card(1, 12), kJ}).hand(2, {card(1, 1)});
    GameState& s = t.state;
    s.selectedJokerSlot = 2;
    t.passes(1, 1);
    QCOMPARE(passOrDropOut(s, 1), PassResult::DroppedOut);
    QCOMPARE(s.selectedJokerSlot, 0);
    QCOMPARE(s.dumped, 2);
    QCOMPARE(s.cardsLeft, 1);  // the joker is counted out without lying on the board
    QCOMPARE(s.onBoard[kJ], 0);
    QCOMPARE(s.outcome[1], Outcome::DroppedOut);  // not "ばばもち": the player dropped out
    QCOMPARE(s.place[1], 4);
}

void TestMoves::lastPassRefusal_data() {
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a card fits") << 1 << QList<int>{card(1, 1), card(0, 8)} << true;
    QTest::newRow("only a joker move") << 1 << QList<int>{card(0, 9), kJ} << true;
    QTest::newRow("joker frees nothing") << 1 << QList<int>{card(0, 10), kJ} << false;
    QTest::newRow("nothing fits") << 1 << QList<int>{card(0, 1), card(1, 13)} << false;
    QTest::newRow("passes left") << 2 << QList<int>{card(0, 8)} << false;
}

void TestMoves::lastPassRefusal() {
    QFETCH(int, passesLeft);
    QFETCH(QList<int>, hand);
    QFETCH(bool, refused);
    Table t;
    t.hand(2, {card(0, 8)}).passes(1, passesLeft);
    GameState& s = t.state;
    s.handCount[1] = static_cast<std::int16_t>(hand.size());
    for (int i = 0; i < hand.size(); ++i) s.hand[1][i + 1] = static_cast<std::int16_t>(hand[i]);
    QCOMPARE(lastPassRefused(s, t.rules), refused);
}

void TestMoves::jokerEnd_data() {
    QTest::addColumn<QList<int>>("dumped");
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("expected");
    QTest::newRow("the card beyond the gap")
        << QList<int>{} << QList<int>{card(0, 9), kJ} << 1 << 2;
    QTest::newRow("below the gap") << QList<int>{} << QList<int>{card(1, 5), kJ} << 1 << 3;
    QTest::newRow("holds the gap card itself")
        << QList<int>{} << QList<int>{card(0, 8), card(0, 9), kJ} << 2 << 0;
    QTest::newRow("two beyond the gap") << QList<int>{} << QList<int>{card(0, 10), kJ} << 1 << 0;
    QTest::newRow("dumped card skipped")
        << QList<int>{card(0, 9)} << QList<int>{card(0, 10), kJ} << 1 << 2;
}

void TestMoves::jokerEnd() {
    QFETCH(QList<int>, dumped);
    QFETCH(QList<int>, hand);
    QFETCH(int, slot);
    QFETCH(int, expected);
    Table t;
    for (int c : dumped) t.board({c});
    GameState& s = t.state;
    s.handCount[1] = static_cast<std::int16_t>(hand.size());
    for (int i = 0; i < hand.size(); ++i) s.hand[1][i + 1] = static_cast<std::int16_t>(hand[i]);
    QCOMPARE(plumet::jokerEnd(s, t.rules, 1, slot), expected);
}

void TestMoves::jokerMoveAndExchange_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("holderHand");
    QTest::addColumn<QList<int>>("holderAfter");
    QTest::addColumn<int>("holderOutcome");
    QTest::addColumn<int>("cardsleftChange");

    const int once = int(JokerMode::Once), reused = int(JokerMode::Reused);
    const int playing = int(Outcome::Playing);
    QTest::newRow("used once") << once << QList<int>{card(3, 1), card(0, 8)}
                               << QList<int>{card(3, 1)} << playing << -3;
    QTest::newRow("reused: back to the holder's end")
        << reused << QList<int>{card(3, 1), card(0, 8)} << QList<int>{card(3, 1), kJ} << playing
        << -2;
    QTest::newRow("used once, the gap card was the holder's last")
        << once << QList<int>{card(0, 8)} << QList<int>{} << int(Outcome::WentOut) << -3;
    QTest::newRow("reused, the gap card was the holder's last: ばばもち")
        << reused << QList<int>{card(0, 8)} << QList<int>{} << int(Outcome::JokerLeft) << -3;
}

void TestMoves::jokerMoveAndExchange() {
    QFETCH(int, mode);
    QFETCH(QList<int>, holderHand);
    QFETCH(QList<int>, holderAfter);
    QFETCH(int, holderOutcome);
    QFETCH(int, cardsleftChange);

    Rules rules;
    rules.joker = JokerMode(mode);
    Table t(rules);
    t.hand(1, {card(1, 1)}).hand(2, {card(0, 9), card(2, 2), kJ}).hand(4, {card(1, 2)});
    GameState& s = t.state;
    s.handCount[3] = static_cast<std::int16_t>(holderHand.size());
    for (int i = 0; i < holderHand.size(); ++i)
        s.hand[3][i + 1] = static_cast<std::int16_t>(holderHand[i]);
    s.cardsLeft = static_cast<std::int16_t>(s.cardsLeft + holderHand.size());
    const int before = s.cardsLeft;
    Recorder view;

    QCOMPARE(plumet::jokerEnd(s, rules, 2, 1), 2);
    jokerMove(s, rules, 2, 3, 1, 2, view);
    QCOMPARE(handOf(s, 2), (QList<int>{card(2, 2)}));
    QCOMPARE(s.gapHolder, 3);
    QCOMPARE(s.hand[3][s.gapHolderSlot], card(0, 8));
    QCOMPARE(s.onBoard[card(0, 9)], 1);
    QCOMPARE(s.onBoard[card(0, 8)], 0);
    QCOMPARE(s.rowEnd[2], card(0, 10));  // past the freed card; the gap is not laid yet
    QCOMPARE(s.cardsLeft, before - 2);
    QCOMPARE(s.laidCount[2], 1);

    exchange(s, rules, 2, view);
    QCOMPARE(handOf(s, 3), holderAfter);
    QCOMPARE(int(s.outcome[3]), holderOutcome);
    QCOMPARE(s.onBoard[card(0, 8)], 1);
    QCOMPARE(s.onBoard[kJ], 0);
    QCOMPARE(s.rowEnd[2], card(0, 10));
    QCOMPARE(s.cardsLeft, before + cardsleftChange);
    QCOMPARE(s.laidCount[3], 0);
    int held = 0;
    for (int p = 1; p <= kPlayers; ++p) held += s.handCount[p];
    QCOMPARE(s.cardsLeft, held);

    QStringList expected{"laid 2 53 3", "joker 2 8", "fly 2 9 1", "laid 2 9 1"};
    if (rules.joker == JokerMode::Reused) expected << "returned 3";
    const int gapSlot = holderHand.indexOf(card(0, 8)) + 1;
    expected << "exchange 3" << QString("fly 3 8 %1").arg(gapSlot)
             << QString("laid 3 8 %1").arg(gapSlot);
    QCOMPARE(view.events, expected);
}

void TestMoves::jokerSelection() {
    Table t;
    t.hand(1, {card(0, 9), card(1, 13), kJ}).hand(3, {card(0, 8)});
    GameState& s = t.state;
    QCOMPARE(clickTarget(s, 3), kJoker);
    toggleJokerSelection(s, 3);
    QCOMPARE(s.selectedJokerSlot, 3);
    toggleJokerSelection(s, 3);
    QCOMPARE(s.selectedJokerSlot, 0);
    toggleJokerSelection(s, 3);

    // The human's joker move; the exchange after it clears the selection.
    jokerMove(s, t.rules, 1, s.selectedJokerSlot, 1, 2);
    QCOMPARE(handOf(s, 1), (QList<int>{card(1, 13)}));
    exchange(s, t.rules, 1);
    QCOMPARE(s.selectedJokerSlot, 0);
    QCOMPARE(s.outcome[3], Outcome::WentOut);

    // A joker move that frees nothing is refused before anything changes.
    Table u;
    u.hand(1, {card(0, 10), kJ}).hand(3, {card(0, 8)});
    const GameState before = u.state;
    QVERIFY_THROWS_EXCEPTION(RuleFault, jokerMove(u.state, u.rules, 1, 2, 1, 2));
    QVERIFY(u.state.hand == before.hand);
}

void TestMoves::handOff_data() {
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("mover");
    QTest::addColumn<int>("next");
    QTest::newRow("next in order") << QList<int>{3, 3, 3, 3} << 1 << 2;
    QTest::newRow("four hands on to one") << QList<int>{3, 3, 3, 3} << 4 << 1;
    QTest::newRow("players without cards skipped") << QList<int>{3, 0, 0, 3} << 1 << 4;
    QTest::newRow("only the human left") << QList<int>{3, 0, 0, 0} << 1 << 1;
    QTest::newRow("game over") << QList<int>{0, 0, 0, 0} << 2 << 0;
}

void TestMoves::handOff() {
    QFETCH(QList<int>, counts);
    QFETCH(int, mover);
    QFETCH(int, next);
    GameState s;
    for (int p = 1; p <= kPlayers; ++p) {
        s.handCount[p] = static_cast<std::int16_t>(counts[p - 1]);
        s.cardsLeft = static_cast<std::int16_t>(s.cardsLeft + counts[p - 1]);
    }
    QCOMPARE(nextToMove(s, mover), next);
}

void TestMoves::handOffWithNoCardsHeldIsAFault() {
    GameState s;
    s.cardsLeft = 2;
    QVERIFY_THROWS_EXCEPTION(RuleFault, nextToMove(s, 1));
}

QTEST_APPLESS_MAIN(TestMoves)
#include "tst_moves.moc"
