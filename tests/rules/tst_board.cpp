// SPDX-License-Identifier: GPL-3.0-or-later
// The placement rule: how a row end moves on after a lay, and which card the joker frees.
#include <QtTest>

#include "rules/board.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;
using plumet::test::Table;

namespace {

constexpr int kLow = 1;  // the ends of suit 0
constexpr int kHigh = 2;

QList<int> spades(int from, int to) {
    QList<int> cards;
    for (int rank = from; rank <= to; ++rank) cards << card(0, rank);
    return cards;
}

}  // namespace

class TestBoard : public QObject {
    Q_OBJECT

  private slots:
    // Cards are laid one after another at the given ends of suit 0; after each lay the two
    // ends of the suit must ask for the expected cards (7 = closed).
    void daseruAdvancesEnds_data();
    void daseruAdvancesEnds();
    void cardBeyondEnd_data();
    void cardBeyondEnd();
};

void TestBoard::daseruAdvancesEnds_data() {
    QTest::addColumn<bool>("aceKing");
    QTest::addColumn<QList<int>>("onBoard");  // besides the sevens
    QTest::addColumn<int>("low");             // the ends before the first lay
    QTest::addColumn<int>("high");
    QTest::addColumn<QList<int>>("lays");       // ends laid at, in order
    QTest::addColumn<QList<int>>("afterEach");  // low, high after each lay

    QTest::newRow("king closes the high end")
        << false << spades(8, 12) << 6 << 13 << QList<int>{kHigh} << QList<int>{6, 7};
    QTest::newRow("ace closes the low end")
        << false << spades(2, 6) << 1 << 8 << QList<int>{kLow} << QList<int>{7, 8};
    QTest::newRow("plain steps") << false << QList<int>{} << 6 << 8
                                 << QList<int>{kLow, kHigh, kHigh} << QList<int>{5, 8, 5, 9, 5, 10};
    QTest::newRow("dumped nine and ten skipped in one call")
        << false << QList<int>{card(0, 9), card(0, 10)} << 6 << 8 << QList<int>{kHigh}
        << QList<int>{6, 11};
    QTest::newRow("dumped cards up to the king: the end closes")
        << false << (QList<int>{card(0, 8), card(0, 9)} + spades(11, 13)) << 6 << 10
        << QList<int>{kHigh} << QList<int>{6, 7};
    QTest::newRow("king never steps into the next suit")
        << false << spades(8, 12) << 6 << 13 << QList<int>{kHigh} << QList<int>{6, 7};

    QTest::newRow("ring: queen then king sends the low end to the ace")
        << true << (spades(5, 6) + spades(8, 11)) << 4 << 12
        << QList<int>{kHigh, kHigh, kLow, kLow, kLow, kLow}
        << QList<int>{4, 13, 1, 7, 2, 7, 3, 7, 4, 7, 7, 7};
    QTest::newRow("ring: dumped king passed and redirected in the same call")
        << true << (QList<int>{card(0, 6)} + spades(8, 11) + QList<int>{card(0, 13)}) << 5 << 12
        << QList<int>{kHigh} << QList<int>{1, 7};
    QTest::newRow("ring: redirection skips dumped cards above the ace")
        << true << (QList<int>{card(0, 1), card(0, 2), card(0, 6)} + spades(8, 12)) << 5 << 13
        << QList<int>{kHigh} << QList<int>{3, 7};
    QTest::newRow("ring: ace sends the high end to the king, which skips down to the ten")
        << true << (spades(2, 6) + spades(8, 9) + spades(11, 13)) << 1 << 10 << QList<int>{kLow}
        << QList<int>{7, 10};
    QTest::newRow("ring: redirected high end runs down and closes at the eight")
        << true << (spades(2, 6) + spades(8, 11)) << 1 << 12 << QList<int>{kLow, kHigh, kHigh}
        << QList<int>{7, 13, 7, 12, 7, 7};
    QTest::newRow("ring: once one end is closed the other runs to its own end")
        << true << (spades(2, 6) + spades(8, 12)) << 1 << 13 << QList<int>{kHigh, kLow}
        << QList<int>{1, 7, 7, 7};
}

void TestBoard::daseruAdvancesEnds() {
    QFETCH(bool, aceKing);
    QFETCH(QList<int>, onBoard);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QList<int>, lays);
    QFETCH(QList<int>, afterEach);

    Rules rules;
    rules.aceKing = aceKing;
    Table table(rules);
    for (int c : onBoard) table.board({c});
    table.ends(0, low, high);
    GameState& s = table.state;
    for (int i = 0; i < lays.size(); ++i) {
        const int end = lays[i];
        s.onBoard[s.rowEnd[end]] = 1;  // what laying the card did
        advanceEnd(s, rules, end);
        QCOMPARE(s.rowEnd[kLow], afterEach[2 * i]);
        QCOMPARE(s.rowEnd[kHigh], afterEach[2 * i + 1]);
    }
    for (int end = 3; end <= 8; ++end) QCOMPARE(s.rowEnd[end], table.state.rowEnd[end]);
}

void TestBoard::cardBeyondEnd_data() {
    QTest::addColumn<bool>("aceKing");
    QTest::addColumn<QList<int>>("onBoard");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expected");

    const int none = kClosedEnd;
    QTest::newRow("next card up") << false << QList<int>{} << 6 << 8 << kHigh << card(0, 9);
    QTest::newRow("next card down") << false << QList<int>{} << 6 << 8 << kLow << card(0, 5);
    QTest::newRow("dumped card skipped")
        << false << QList<int>{card(0, 9)} << 6 << 8 << kHigh << card(0, 10);
    QTest::newRow("king is the last of the high side")
        << false << spades(8, 12) << 6 << 13 << kHigh << none;
    QTest::newRow("ace is the last of the low side")
        << false << spades(2, 6) << 1 << 8 << kLow << none;
    QTest::newRow("everything beyond dumped")
        << false << spades(11, 13) << 6 << 10 << kHigh << none;
    QTest::newRow("closed end") << false << spades(8, 13) << 6 << 7 << kHigh << none;
    QTest::newRow("ring, partner open: king still the last")
        << true << spades(8, 12) << 6 << 13 << kHigh << none;
    QTest::newRow("ring, partner open: up as without the ring")
        << true << spades(8, 10) << 6 << 11 << kHigh << card(0, 12);
    QTest::newRow("ring, redirected high end runs down")
        << true << (spades(1, 6) + spades(8, 9)) << 7 << 13 << kHigh << card(0, 12);
    QTest::newRow("ring, redirected high end: nothing below the nine")
        << true << (spades(1, 6) + spades(10, 13) + QList<int>{card(0, 8)}) << 7 << 9 << kHigh
        << none;
    QTest::newRow("ring, redirected low end runs up")
        << true << (spades(4, 6) + spades(8, 13)) << 1 << 7 << kLow << card(0, 2);
    QTest::newRow("ring, redirected low end: the six is the last")
        << true << (spades(1, 5) + spades(8, 13)) << 6 << 7 << kLow << none;
}

void TestBoard::cardBeyondEnd() {
    QFETCH(bool, aceKing);
    QFETCH(QList<int>, onBoard);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, end);
    QFETCH(int, expected);

    Rules rules;
    rules.aceKing = aceKing;
    Table table(rules);
    for (int c : onBoard) table.board({c});
    table.ends(0, low, high);
    QCOMPARE(plumet::cardBeyondEnd(table.state, rules, end), expected);
}

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
