// SPDX-License-Identifier: GPL-3.0-or-later
// The deal: shuffle, hands, the extra card, sorting, the joker's slot and the sevens.
#include <QtTest>

#include <algorithm>

#include "rules/deal.h"
#include "rules/invariants.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;

namespace {

Rules withJoker(bool joker) {
    Rules rules;
    rules.joker = joker ? JokerMode::Once : JokerMode::None;
    return rules;
}

// The first seed from `from` on whose deal puts `wanted` at deck position `position`.
std::uint64_t seedPutting(int wanted, int position, const Rules& rules) {
    for (std::uint64_t seed = 1;; ++seed) {
        GameState s;
        Random random(seed);
        deal(s, rules, random);
        if (s.deck[position] == wanted) return seed;
    }
}

}  // namespace

class TestDeal : public QObject {
    Q_OBJECT

  private slots:
    void handsAfterTheDeal_data();
    void handsAfterTheDeal();
    void sevenOfSuitThreeAsTheExtraCard();
    void adjacentSevensAreBothLaid();
    void matchStartAndLaterGames();
    void sameSeedSameDeal();
    void shuffleIsUniform();
};

void TestDeal::handsAfterTheDeal_data() {
    QTest::addColumn<bool>("joker");
    QTest::addColumn<int>("seeds");
    QTest::newRow("without the joker") << false << 200;
    QTest::newRow("with the joker") << true << 200;
}

void TestDeal::handsAfterTheDeal() {
    QFETCH(bool, joker);
    QFETCH(int, seeds);
    const Rules rules = withJoker(joker);
    for (int seed = 1; seed <= seeds; ++seed) {
        GameState s;
        Random random(seed);
        deal(s, rules, random);
        const int n = rules.deckSize();

        // The deck is a permutation of the cards, dealt in blocks of thirteen.
        std::array<int, 54> seen{};
        for (int k = 1; k <= n; ++k) ++seen[s.deck[k]];
        for (int c = 1; c <= n; ++c) QCOMPARE(seen[c], 1);
        QCOMPARE(s.cardsLeft, n);
        for (int p = 1; p <= kPlayers; ++p) {
            QCOMPARE(s.handCount[p], p == s.starter && joker ? 14 : 13);
            QCOMPARE(s.passesLeft[p], 4);
            auto dealt =
                std::vector<int>(s.deck.begin() + 1 + 13 * (p - 1), s.deck.begin() + 1 + 13 * p);
            if (p == s.starter && joker) dealt.push_back(s.deck[53]);
            auto held =
                std::vector<int>(s.hand[p].begin() + 1, s.hand[p].begin() + 1 + s.handCount[p]);
            if (p == kHuman) {
                std::sort(dealt.begin(), dealt.end());
                QCOMPARE(held, dealt);  // ascending, so the joker is last
            } else {
                // Deal order, except that the joker was swapped into the last slot.
                const auto jokerAt = std::find(dealt.begin(), dealt.end(), kJoker);
                if (jokerAt != dealt.end()) std::iter_swap(jokerAt, dealt.end() - 1);
                QCOMPARE(held, dealt);
            }
        }

        laySevens(s);
        QCOMPARE(s.cardsLeft, n - 4);
        QVERIFY(s.firstPlayer >= 1 && s.firstPlayer <= 4);
        QCOMPARE(s.onBoard[card(3, 7)], 1);
        for (int p = 1; p <= kPlayers; ++p) {
            for (int i = 1; i <= s.handCount[p]; ++i) {
                QVERIFY(!isSeven(s.hand[p][i]));
                QVERIFY(s.hand[p][i] != card(3, 7));
            }
        }
        const std::string problem = checkInvariants(s, rules);
        QVERIFY2(problem.empty(), problem.c_str());
    }
}

void TestDeal::sevenOfSuitThreeAsTheExtraCard() {
    const Rules rules = withJoker(true);
    const std::uint64_t seed = seedPutting(card(3, 7), 53, rules);
    GameState s;
    Random random(seed);
    deal(s, rules, random);
    laySevens(s);
    QCOMPARE(s.firstPlayer, s.starter);
}

void TestDeal::adjacentSevensAreBothLaid() {
    // A computer hand keeps the deal order: sevens in two neighbouring slots.
    test::Table table;
    GameState& s = table.hand(2, {3, card(0, 7), card(1, 7), 40}).state;
    laySevens(s);
    QCOMPARE(s.handCount[2], 2);
    QCOMPARE(s.hand[2][1], 3);
    QCOMPARE(s.hand[2][2], 40);
    QCOMPARE(s.hand[2][3], 0);
}

void TestDeal::matchStartAndLaterGames() {
    const Rules rules = withJoker(true);
    GameState s;
    s.score = {0, 12, 30, 4, 18};
    s.streak = 2;
    s.gameNumber = 3;
    s.starter = 2;
    Random random(7);
    deal(s, rules, random);  // the fourth game of a match keeps its totals and starter
    QCOMPARE(s.gameNumber, 4);
    QCOMPARE(s.score, (PlayerInts{0, 12, 30, 4, 18}));
    QCOMPARE(s.starter, 2);
    QCOMPARE(s.streak, 2);

    std::array<int, kPlayers + 1> starters{};
    for (int seed = 1; seed <= 400; ++seed) {
        GameState fresh;
        fresh.score = {0, 5, 5, 5, 5};
        Random r(seed);
        deal(fresh, rules, r);  // gameNumber 0: a new match
        QCOMPARE(fresh.gameNumber, 1);
        QCOMPARE(fresh.score, (PlayerInts{}));
        ++starters[fresh.starter];
    }
    for (int p = 1; p <= kPlayers; ++p) QVERIFY2(starters[p] > 50, "starter is not random");
}

void TestDeal::sameSeedSameDeal() {
    const Rules rules = withJoker(true);
    GameState a, b;
    Random ra(99), rb(99);
    deal(a, rules, ra);
    deal(b, rules, rb);
    QVERIFY(a.deck == b.deck);
    QVERIFY(a.hand == b.hand);
    QCOMPARE(a.starter, b.starter);
}

void TestDeal::shuffleIsUniform() {
    // Where card 1 and the joker land over many shuffles: about 1/53 of the deals each.
    const Rules rules = withJoker(true);
    constexpr int kDeals = 10600;
    std::array<int, 54> ace{}, joker{};
    Random random(3);
    for (int i = 0; i < kDeals; ++i) {
        GameState s;
        deal(s, rules, random);
        for (int k = 1; k <= 53; ++k) {
            if (s.deck[k] == 1) ++ace[k];
            if (s.deck[k] == kJoker) ++joker[k];
        }
    }
    for (int k = 1; k <= 53; ++k) {  // expected 200 at each position
        QVERIFY2(ace[k] > 130 && ace[k] < 270, qPrintable(QString::number(k)));
        QVERIFY2(joker[k] > 130 && joker[k] < 270, qPrintable(QString::number(k)));
    }
}

QTEST_APPLESS_MAIN(TestDeal)
#include "tst_deal.moc"
