// Whole matches of four computer players under every rule combination, with the state's
// consistency checked after every event, and the simulator's trace.
#include <QtTest>

#include <sstream>

#include "bench/simulator.h"
#include "bench/trace.h"
#include "rules/invariants.h"
#include "rules/turn.h"

using namespace plumet;

namespace {

// Checks the state after every event and counts what happened.
class Checker : public sim::Listener {
  public:
    explicit Checker(const Rules& rules) : rules_(rules) {}

    void deal(const GameState&) override { ++deals; }
    void turn(const GameState& s, const sim::TurnInfo& info) override {
        check(s, "turn");
        if (info.decision.kind == Decision::Kind::Joker) ++jokerMoves;
        if (info.droppedOut) ++dropouts;
    }
    void exchange(const GameState& s, int) override { check(s, "exchange"); }
    void gameEnd(const GameState& s) override {
        // Every card is on the board or out of the game, every player has a place.
        for (int p = 1; p <= kPlayers; ++p) QCOMPARE(s.handCount[p], 0);
        for (int c = 1; c <= 52; ++c) QCOMPARE(s.onBoard[c], 1);
        for (int k = 1; k <= kPlayers; ++k) {
            QVERIFY(s.finishOrder[k] != 0);
            if (s.outcome[s.finishOrder[k]] == Outcome::JokerLeft) ++jokerLeft;
        }
    }

    int deals = 0, jokerMoves = 0, dropouts = 0, jokerLeft = 0;
    QString failure;

  private:
    void check(const GameState& s, const char* when) {
        if (!failure.isEmpty()) return;
        const std::string problem = checkInvariants(s, rules_);
        if (!problem.empty())
            failure = QString("after a %1 of game %2: %3")
                          .arg(when)
                          .arg(s.gameNumber)
                          .arg(QString::fromStdString(problem));
    }

    Rules rules_;
};

std::string trace(std::uint64_t seed, const Rules& rules, int matches) {
    std::ostringstream out;
    sim::TraceWriter writer(out);
    Random random(seed);
    sim::playMatches(matches, rules, random, writer);
    return out.str();
}

}  // namespace

class TestSimulator : public QObject {
    Q_OBJECT

  private slots:
    void everyRuleCombination_data();
    void everyRuleCombination();
    void traceIsReproducible();
    void traceEvents();
};

void TestSimulator::everyRuleCombination_data() {
    QTest::addColumn<bool>("aceKing");
    QTest::addColumn<int>("joker");
    QTest::addColumn<int>("passes");
    for (bool ak : {false, true}) {
        for (JokerMode joker : {JokerMode::None, JokerMode::Once, JokerMode::Reused}) {
            for (int passes : {2, 3}) {
                const QString name = QString("ak %1, joker %2, %3 passes")
                                         .arg(ak ? "on" : "off")
                                         .arg(int(joker))
                                         .arg(passes);
                QTest::newRow(qPrintable(name)) << ak << int(joker) << passes;
            }
        }
    }
}

void TestSimulator::everyRuleCombination() {
    QFETCH(bool, aceKing);
    QFETCH(int, joker);
    QFETCH(int, passes);
    Rules rules;
    rules.aceKing = aceKing;
    rules.joker = JokerMode(joker);
    rules.passes = passes;
    Checker checker(rules);
    Random random(1000 + joker * 10 + passes + (aceKing ? 100 : 0));
    long games = 0;
    try {
        games = sim::playMatches(100, rules, random, checker);
    } catch (const RuleFault& fault) {
        QFAIL(fault.what());
    }
    QVERIFY2(checker.failure.isEmpty(), qPrintable(checker.failure));
    QCOMPARE(games, 1000L);
    QCOMPARE(checker.deals, 1000);
    QVERIFY(checker.dropouts > 0);
    if (rules.jokerInPlay()) {
        QVERIFY(checker.jokerMoves > 0);
        QVERIFY(checker.jokerLeft > 0);
    } else {
        QCOMPARE(checker.jokerMoves, 0);
    }
}

void TestSimulator::traceIsReproducible() {
    Rules rules;
    rules.joker = JokerMode::Reused;
    QCOMPARE(trace(42, rules, 2), trace(42, rules, 2));
    QVERIFY(trace(42, rules, 1) != trace(43, rules, 1));
}

void TestSimulator::traceEvents() {
    Rules rules;
    const QList<QByteArray> lines = QByteArray::fromStdString(trace(5, rules, 2)).split('\n');
    QCOMPARE(lines.last(), QByteArray());
    int matches = 0, games = 0;
    std::array<int, 5> totals{};
    QString previousEvent;
    for (const QByteArray& line : lines.first(lines.size() - 1)) {
        QJsonParseError error;
        const QJsonObject event = QJsonDocument::fromJson(line, &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, line.constData());
        const QString kind = event["e"].toString();
        if (kind == "match") {
            QCOMPARE(event["m"].toInt(), ++matches);
            totals.fill(0);
        } else if (kind == "deal") {
            ++games;
            QCOMPARE(event["deck"].toArray().size(), 53);
            QVERIFY(event["starter"].toInt() >= 1 && event["starter"].toInt() <= 4);
        } else if (kind == "turn" || kind == "exchange") {
            int held = 0;
            for (const QJsonValue v : event["handcount"].toArray()) held += v.toInt();
            QCOMPARE(event["cardsleft"].toInt(), held);
            QCOMPARE(event["rowend"].toArray().size(), 8);
            if (kind == "exchange") QCOMPARE(previousEvent, QString("joker"));
            if (kind == "turn") {
                const QString move = event["move"].toString();
                QVERIFY(QStringList({"lay", "joker", "pass", "dropout"}).contains(move));
                QVERIFY(event["k"].toInt() >= 5 && event["k"].toInt() <= 14);
                if (move == "joker") QVERIFY(event["x"].isNull());
                if (move == "pass") QVERIFY(event["x"].isDouble());
                previousEvent = move;
            }
        } else if (kind == "end") {
            QCOMPARE(event["status"].toArray().size(), 4);
            for (int p = 0; p < 4; ++p) {
                totals[p] += event["gamepoints"].toArray()[p].toInt();
                QCOMPARE(event["score"].toArray()[p].toInt(), totals[p]);
            }
            if (event["game"].toInt() < 10)
                QCOMPARE(event["starter"].toInt(), event["finishorder"].toArray()[0].toInt());
        } else {
            QFAIL(qPrintable("unknown event " + kind));
        }
    }
    QCOMPARE(matches, 2);
    QCOMPARE(games, 20);
}

QTEST_APPLESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
