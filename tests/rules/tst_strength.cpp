// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' strengths: the strong player sees only what its seat knows, every
// strength makes legal moves only under every rule combination, a seed replays its decisions,
// and the search keeps to what it is asked (the human's last pass, the stop flag).
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <functional>
#include <random>

#include "rules/deal.h"
#include "rules/invariants.h"
#include "rules/observation.h"
#include "rules/passing.h"
#include "rules/scoring.h"
#include "rules/strength.h"
#include "rules/turn.h"
#include "table.h"

using namespace plumet;
using plumet::test::card;
using plumet::test::Table;

Q_DECLARE_METATYPE(Strength)
Q_DECLARE_METATYPE(Rules)

namespace {

// Small searches keep the tests fast; the search plays the same way with any budget.
constexpr int kTestPlayouts = 48;

SearchLimits testLimits(int threads = 1) {
    SearchLimits limits;
    limits.playouts = kTestPlayouts;
    limits.threads = threads;
    return limits;
}

Rules ruleCombination(bool aceKing, JokerMode joker, int passes) {
    Rules rules;
    rules.aceKing = aceKing;
    rules.joker = joker;
    rules.passes = passes;
    return rules;
}

// One row per rule combination: ak on/off, joker none/once/reuse, 2 or 3 passes.
void addRuleCombinations(const std::function<void(const QString&, const Rules&)>& addRow) {
    for (bool ak : {false, true}) {
        for (JokerMode joker : {JokerMode::None, JokerMode::Once, JokerMode::Reused}) {
            for (int passes : {2, 3}) {
                static const char* const kJoker[] = {"none", "once", "reuse"};
                addRow(QString("ak %1, joker %2, %3 passes")
                           .arg(ak ? "on" : "off", kJoker[int(joker)])
                           .arg(passes),
                       ruleCombination(ak, joker, passes));
            }
        }
    }
}

bool sameMove(const Decision& a, const Decision& b) {
    return a.kind == b.kind && a.slot == b.slot && a.end == b.end;
}

QString moveText(const Decision& d) {
    static const char* const kKinds[] = {"joker", "lay", "pass"};
    return QString("%1 slot %2 end %3").arg(kKinds[int(d.kind)]).arg(d.slot).arg(d.end);
}

// Plays games with the four seats at `strengths` and checks, before every move, that it is one
// of legalMoves (the human's seat asking the search to refuse the last pass), and after every
// move the invariants. Returns the decisions in order, as text; stops at the first fault.
QStringList playChecked(const Rules& rules, const std::array<Strength, 5>& strengths, int games,
                        std::uint64_t seed, const SearchLimits& limits) {
    QStringList moves;
    Random random(seed);
    GameState s;
    for (int game = 0; game < games; ++game) {
        deal(s, rules, random);
        laySevens(s);
        int turns = 0;
        for (int p = s.handCount[s.firstPlayer] > 0 ? s.firstPlayer : nextToMove(s, s.firstPlayer);
             p != 0; p = nextToMove(s, p)) {
            if (++turns > 200) {
                QTest::qFail("a game that never ends", __FILE__, __LINE__);
                return moves;
            }
            // Only the strong search is asked to keep the human's rule of the last pass.
            SearchLimits seatLimits = limits;
            seatLimits.refuseLastPass = p == kHuman && strengths[p] == Strength::Strong;
            const std::vector<Decision> legal = legalMoves(s, rules, p, seatLimits.refuseLastPass);
            const Decision d = computerDecision(s, rules, p, strengths[p], random, seatLimits);
            const QString text =
                QString("game %1 player %2: %3").arg(s.gameNumber).arg(p).arg(moveText(d));
            if (std::none_of(legal.begin(), legal.end(),
                             [&](const Decision& m) { return sameMove(m, d); })) {
                QTest::qFail(qPrintable("not a legal move: " + text), __FILE__, __LINE__);
                return moves;
            }
            if (seatLimits.refuseLastPass && d.kind == Decision::Kind::Pass &&
                lastPassRefused(s, rules)) {
                QTest::qFail(qPrintable("a refused last pass: " + text), __FILE__, __LINE__);
                return moves;
            }
            moves << text;
            playDecision(s, rules, p, d);
            const std::string problem = checkInvariants(s, rules);
            if (!problem.empty()) {
                QTest::qFail(qPrintable(text + ": " + QString::fromStdString(problem)), __FILE__,
                             __LINE__);
                return moves;
            }
        }
        for (int c = 1; c <= 52; ++c) {
            if (s.onBoard[c] != 1) {
                QTest::qFail("a card left off the board", __FILE__, __LINE__);
                return moves;
            }
        }
        if (finishGame(s, rules)) s.gameNumber = 0;
    }
    return moves;
}

struct Position {
    GameState state;
    int toMove = 0;
};

// A position in the middle of a game: up to `turns` moves of classic players from a seeded deal,
// and the player to move next.
Position midGame(const Rules& rules, std::uint64_t seed, int turns) {
    Random random(seed);
    Position position;
    GameState& s = position.state;
    deal(s, rules, random);
    laySevens(s);
    int p = s.handCount[s.firstPlayer] > 0 ? s.firstPlayer : nextToMove(s, s.firstPlayer);
    for (int t = 0; t < turns; ++t) {
        GameState before = s;
        playDecision(s, rules, p, classicDecision(s, rules, p, passConstant(p), random));
        const int next = nextToMove(s, p);
        if (next == 0) {  // the game ended: the position before the last move
            s = before;
            break;
        }
        p = next;
    }
    position.toMove = p;
    return position;
}

void giveHand(GameState& s, int p, const QList<int>& cards) {
    s.hand[p].fill(0);
    for (int i = 0; i < cards.size(); ++i) s.hand[p][i + 1] = static_cast<std::int16_t>(cards[i]);
    s.handCount[p] = static_cast<std::int16_t>(cards.size());
}

// Deals the cards of every hand but `seat`'s anew among those hands (same sizes), leaving a
// joker whose holder the seat knows where it is. The true arrangement changes; what the seat
// sees does not.
GameState reshuffleHidden(const GameState& s, const Rules& rules, int seat, std::uint64_t seed) {
    const Observation seen = observe(s, rules, seat);
    GameState t = s;
    std::vector<int> cards;
    for (int p = 1; p <= kPlayers; ++p) {
        if (p == seat) continue;
        for (int i = 1; i <= s.handCount[p]; ++i) {
            const int c = s.hand[p][i];
            if (c != kJoker || p != seen.jokerHolder) cards.push_back(c);
        }
    }
    std::mt19937 engine(static_cast<std::uint32_t>(seed));
    std::shuffle(cards.begin(), cards.end(), engine);
    std::size_t next = 0;
    for (int p = 1; p <= kPlayers; ++p) {
        if (p == seat) continue;
        const int count = s.handCount[p];
        const bool keepsJoker = p == seen.jokerHolder;
        t.hand[p].fill(0);
        for (int i = 1; i <= (keepsJoker ? count - 1 : count); ++i)
            t.hand[p][i] = static_cast<std::int16_t>(cards[next++]);
        if (keepsJoker) t.hand[p][count] = kJoker;
        auto* const last = t.hand[p].begin() + count;
        auto* const joker = std::find(t.hand[p].begin() + 1, last, kJoker);
        if (joker != last) std::swap(*joker, *last);
        if (p == kHuman) std::sort(t.hand[p].begin() + 1, t.hand[p].begin() + 1 + count);
    }
    return t;
}

}  // namespace

class TestStrength : public QObject {
    Q_OBJECT

  private slots:
    void names_data();
    void names();
    void honesty_data();
    void honesty();
    void samplesAgreeWithTheObservation_data();
    void samplesAgreeWithTheObservation();
    void jokerHolderKnownAfterItsReturn();
    void legalMovesOnly_data();
    void legalMovesOnly();
    void replayBySeed_data();
    void replayBySeed();
    void clearChoices_data();
    void clearChoices();
    void lastPassRefused_data();
    void lastPassRefused();
    void stopFlag();
};

void TestStrength::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<Strength>("strength");
    QTest::newRow("weak") << "weak" << true << Strength::Weak;
    QTest::newRow("classic") << "classic" << true << Strength::Classic;
    QTest::newRow("strong") << "strong" << true << Strength::Strong;
    QTest::newRow("capitals") << "Strong" << false << Strength::Classic;
    QTest::newRow("empty") << "" << false << Strength::Classic;
}

void TestStrength::names() {
    QFETCH(QString, name);
    QFETCH(bool, known);
    QFETCH(Strength, strength);
    const std::optional<Strength> parsed = strengthFromName(name.toStdString());
    QCOMPARE(parsed.has_value(), known);
    if (known) {
        QCOMPARE(*parsed, strength);
        QCOMPARE(QString(strengthName(strength)), name);
    }
}

void TestStrength::honesty_data() {
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<int>("turns");
    addRuleCombinations([](const QString& name, const Rules& rules) {
        QTest::newRow(qPrintable(name + ", early")) << rules << 6;
        QTest::newRow(qPrintable(name + ", late")) << rules << 30;
    });
}

// Two states that differ only in how the unseen cards lie among the other hands: the same
// observation, and the same decision for the same seed.
void TestStrength::honesty() {
    QFETCH(Rules, rules);
    QFETCH(int, turns);
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        const Position position = midGame(rules, seed * 31 + turns, turns);
        const GameState& s = position.state;
        const int seat = position.toMove;
        const GameState t = reshuffleHidden(s, rules, seat, seed);
        QVERIFY2(checkInvariants(t, rules).empty(), checkInvariants(t, rules).c_str());
        QCOMPARE(observationHash(observe(t, rules, seat)),
                 observationHash(observe(s, rules, seat)));
        for (std::uint64_t searchSeed : {seed, seed + 100}) {
            Random a(searchSeed), b(searchSeed);
            const Decision da = strongDecision(s, rules, seat, a, testLimits());
            const Decision db = strongDecision(t, rules, seat, b, testLimits());
            QVERIFY2(sameMove(da, db), qPrintable(moveText(da) + " / " + moveText(db)));
        }
    }
}

void TestStrength::samplesAgreeWithTheObservation_data() {
    honesty_data();
}

// Every sampled deal is a whole, consistent game: the seat's own hand and the board as seen,
// the other hands of their true sizes, every card in one place.
void TestStrength::samplesAgreeWithTheObservation() {
    QFETCH(Rules, rules);
    QFETCH(int, turns);
    const Position position = midGame(rules, 77 + turns, turns);
    const GameState& s = position.state;
    const int seat = position.toMove;
    const Observation seen = observe(s, rules, seat);
    const Determinizer determinizer(seen);
    Random random(5);
    bool differs = false;
    for (int i = 0; i < 20; ++i) {
        GameState sample;
        determinizer.sample(random, sample);
        QVERIFY2(checkInvariants(sample, rules).empty(), checkInvariants(sample, rules).c_str());
        QCOMPARE(sample.hand[seat], s.hand[seat]);
        QCOMPARE(sample.handCount, s.handCount);
        QCOMPARE(sample.onBoard, s.onBoard);
        QCOMPARE(sample.rowEnd, s.rowEnd);
        QCOMPARE(sample.passesLeft, s.passesLeft);
        if (seen.jokerHolder > 0) {
            const int holder = seen.jokerHolder;
            QCOMPARE(sample.hand[holder][sample.handCount[holder]], std::int16_t(kJoker));
        }
        differs = differs || sample.hand != s.hand;
    }
    int otherHands = 0;
    for (int p = 1; p <= kPlayers; ++p) otherHands += p != seat && s.handCount[p] > 0;
    if (otherHands >= 2) QVERIFY(differs);  // the samples deal the unseen cards anew
}

// Under "再使用" the joker goes back to the holder of the card it stood for in front of everyone:
// the other seats know where it is, and their samples put it there.
void TestStrength::jokerHolderKnownAfterItsReturn() {
    Table t(ruleCombination(false, JokerMode::Reused, 3));
    t.hand(2, {card(0, 9), card(2, 1), kJoker})
        .hand(3, {card(0, 8), card(1, 2)})
        .hand(4, {card(3, 1), card(3, 2)})
        .hand(1, {card(1, 1), card(2, 2)});
    t.boardTheRest();
    GameState& s = t.state;
    QVERIFY2(checkInvariants(s, t.rules).empty(), checkInvariants(s, t.rules).c_str());
    QCOMPARE(observe(s, t.rules, 1).jokerHolder, Observation::kUnknownHolder);

    // Player 2 lays the joker for the 8 of spades that player 3 holds and frees the 9.
    playDecision(s, t.rules, 2, legalMoves(s, t.rules, 2, false)[0]);
    QCOMPARE(s.hand[3][s.handCount[3]], std::int16_t(kJoker));
    QCOMPARE(observe(s, t.rules, 1).jokerHolder, 3);
    QCOMPARE(observe(s, t.rules, 3).jokerHolder, 3);
    Random random(1);
    for (int i = 0; i < 10; ++i) {
        GameState sample;
        Determinizer(observe(s, t.rules, 4)).sample(random, sample);
        QCOMPARE(sample.hand[3][sample.handCount[3]], std::int16_t(kJoker));
    }
}

void TestStrength::legalMovesOnly_data() {
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<Strength>("strength");
    addRuleCombinations([](const QString& name, const Rules& rules) {
        QTest::newRow(qPrintable(name + ", weak")) << rules << Strength::Weak;
        QTest::newRow(qPrintable(name + ", strong")) << rules << Strength::Strong;
    });
}

// Whole games with the strength in three seats (the human's among them) and a classic player
// in the fourth: every move legal, the state consistent after every move.
void TestStrength::legalMovesOnly() {
    QFETCH(Rules, rules);
    QFETCH(Strength, strength);
    const std::array<Strength, 5> seats{Strength::Classic, strength, strength, Strength::Classic,
                                        strength};
    SearchLimits limits = testLimits();
    limits.playouts = 16;
    const int games = strength == Strength::Strong ? 4 : 10;
    try {
        const QStringList moves = playChecked(rules, seats, games, 9, limits);
        QVERIFY(moves.size() > games * 20);
    } catch (const RuleFault& fault) {
        QFAIL(fault.what());
    }
}

void TestStrength::replayBySeed_data() {
    QTest::addColumn<Strength>("strength");
    QTest::newRow("weak") << Strength::Weak;
    QTest::newRow("strong") << Strength::Strong;
}

// The same seed gives the same decisions, with one search thread or two; another seed others.
void TestStrength::replayBySeed() {
    QFETCH(Strength, strength);
    const Rules rules = ruleCombination(false, JokerMode::Reused, 3);
    const std::array<Strength, 5> seats{Strength::Classic, strength, Strength::Classic, strength,
                                        Strength::Classic};
    const QStringList first = playChecked(rules, seats, 2, 21, testLimits(1));
    QCOMPARE(playChecked(rules, seats, 2, 21, testLimits(2)), first);
    QVERIFY(playChecked(rules, seats, 2, 22, testLimits(1)) != first);
}

void TestStrength::clearChoices_data() {
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<int>("slot");

    // Player 2 holds the 5 and 4 of spades, player 3 a card of clubs; the 6 of spades fits.
    QTest::newRow("the last card goes out") << QList<int>{card(0, 6)} << 4 << 1;
    // The 8 of clubs would free player 3's 9 and 10: it waits, the run of hearts goes first.
    QTest::newRow("the run of the own hand before the card that frees others")
        << QList<int>{card(1, 1), card(1, 2), card(1, 3), card(1, 4),
                      card(1, 5), card(1, 6), card(2, 8)}
        << 4 << 6;
}

// Positions with one clearly best move: the search finds it whatever the seed.
void TestStrength::clearChoices() {
    QFETCH(QList<int>, hand);
    QFETCH(int, passesLeft);
    QFETCH(int, slot);
    Table t(ruleCombination(false, JokerMode::None, 3));
    t.hand(2, {card(0, 5), card(0, 4), card(3, 9)}).hand(3, {card(2, 9), card(2, 10)});
    t.hand(4, {card(3, 10), card(3, 11)});
    giveHand(t.state, 1, hand);
    t.passes(1, passesLeft);
    t.state.cardsLeft = 0;
    for (int p = 1; p <= kPlayers; ++p) t.state.cardsLeft += t.state.handCount[p];
    t.boardTheRest();
    const GameState& s = t.state;
    QVERIFY2(checkInvariants(s, t.rules).empty(), checkInvariants(s, t.rules).c_str());
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        Random random(seed);
        const Decision d = strongDecision(s, t.rules, 1, random, testLimits());
        QCOMPARE(d.kind, Decision::Kind::Lay);
        QCOMPARE(d.slot, slot);
    }
}

void TestStrength::lastPassRefused_data() {
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<QStringList>("moves");

    // The 9 of spades fits the high end; the joker frees the 9 of hearts (player 3 holds the 8).
    const QList<int> fits{card(0, 9), card(2, 1)};
    const QList<int> jokerOnly{card(1, 9), card(2, 1), kJoker};
    const QList<int> nothing{card(2, 1), card(3, 1)};
    QTest::newRow("passes to spare")
        << true << 3 << fits << QStringList{"lay slot 1 end 2", "pass slot 0 end 0"};
    QTest::newRow("the last pass, a card fits")
        << false << 1 << fits << QStringList{"lay slot 1 end 2"};
    QTest::newRow("the last pass, refused: a card fits")
        << true << 1 << fits << QStringList{"lay slot 1 end 2"};
    QTest::newRow("the last pass, only the joker: allowed")
        << false << 1 << jokerOnly << QStringList{"joker slot 1 end 4", "pass slot 0 end 0"};
    QTest::newRow("the last pass, only the joker: refused")
        << true << 1 << jokerOnly << QStringList{"joker slot 1 end 4"};
    QTest::newRow("the last pass, nothing to lay")
        << true << 1 << nothing << QStringList{"pass slot 0 end 0"};
}

// The moves the search chooses among: the drop-out only when no card fits, and for the human's
// seat only when no joker move exists either.
void TestStrength::lastPassRefused() {
    QFETCH(bool, refuse);
    QFETCH(int, passesLeft);
    QFETCH(QList<int>, hand);
    QFETCH(QStringList, moves);
    Table t(ruleCombination(false, JokerMode::Once, 3));
    t.ends(0, card(0, 6), card(0, 9)).board({card(0, 8)});
    t.hand(3, {card(1, 8), card(0, 10)}).hand(2, {card(3, 13)});
    giveHand(t.state, 1, hand);
    t.passes(1, passesLeft);
    QStringList found;
    for (const Decision& d : legalMoves(t.state, t.rules, 1, refuse)) found << moveText(d);
    QCOMPARE(found, moves);
}

// A search asked to stop returns one of the legal moves without playing its budget out.
void TestStrength::stopFlag() {
    const Rules rules = ruleCombination(false, JokerMode::Once, 3);
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Position position = midGame(rules, seed, 10);
        const GameState& s = position.state;
        const int seat = position.toMove;
        const std::atomic<bool> stop = true;
        SearchLimits limits;
        limits.playouts = 100'000'000;
        limits.stop = &stop;
        const SearchResult result = searchMoves(observe(s, rules, seat), seed, limits);
        const std::vector<Decision> legal = legalMoves(s, rules, seat, false);
        QVERIFY(std::any_of(legal.begin(), legal.end(),
                            [&](const Decision& m) { return sameMove(m, result.decision); }));
        QCOMPARE(result.stopped, legal.size() > 1);
    }
}

QTEST_APPLESS_MAIN(TestStrength)
#include "tst_strength.moc"
