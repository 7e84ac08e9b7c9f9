// SPDX-License-Identifier: GPL-3.0-or-later
// Whole matches of four computer players under every rule combination, with the state's
// consistency checked after every event; the simulator's trace, its command line and its
// summary.
#include <QtTest>

#include <sstream>

#include "bench/simcommand.h"
#include "bench/simulator.h"
#include "bench/trace.h"
#include "rules/invariants.h"
#include "rules/turn.h"

using namespace plumet;

Q_DECLARE_METATYPE(Rules)

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

std::string trace(std::uint64_t seed, const Rules& rules, int matches,
                  const sim::Seats& seats = {}) {
    std::ostringstream out;
    sim::TraceWriter writer(out);
    Random random(seed);
    sim::playMatches(matches, rules, random, writer, seats);
    return out.str();
}

Rules ruleCombination(bool aceKing, JokerMode joker, int passes) {
    Rules rules;
    rules.aceKing = aceKing;
    rules.joker = joker;
    rules.passes = passes;
    return rules;
}

}  // namespace

class TestSimulator : public QObject {
    Q_OBJECT

  private slots:
    void everyRuleCombination_data();
    void everyRuleCombination();
    void traceIsReproducible();
    void traceEvents();
    void classicTraceUnchanged_data();
    void classicTraceUnchanged();
    void levels_data();
    void levels();
    void command_data();
    void command();
    void summary();
    void program_data();
    void program();
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

// The classic players play exactly the matches they always played: digests of whole traces.
void TestSimulator::classicTraceUnchanged_data() {
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QByteArray>("sha256");
    QTest::newRow("ak off, joker once, 3 passes")
        << ruleCombination(false, JokerMode::Once, 3)
        << QByteArray("7fc2cac7d0700675e993c2b3a74bda450754a3f7d3807aefd1733394ce07560d");
    QTest::newRow("ak on, joker reuse, 2 passes")
        << ruleCombination(true, JokerMode::Reused, 2)
        << QByteArray("f4f48c095f863b60c757d14465ee405be23cf6cd8222b1256e3335d8839f8ea4");
    QTest::newRow("ak off, joker none, 3 passes")
        << ruleCombination(false, JokerMode::None, 3)
        << QByteArray("64de32e2251bfc8006bc7e2c276a433e5a16226dfb805260cf46331d6460646b");
}

void TestSimulator::classicTraceUnchanged() {
    QFETCH(Rules, rules);
    QFETCH(QByteArray, sha256);
    const std::string text = trace(7, rules, 2);
    QCOMPARE(QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256)
                 .toHex(),
             sha256);
    sim::Seats classic;
    classic.strength = *sim::parseLevels("classic,classic,classic,classic");
    QCOMPARE(trace(7, rules, 2, classic), text);
}

void TestSimulator::levels_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("levels");  // the four levels' first letters, empty = refused
    QTest::newRow("all classic") << "classic,classic,classic,classic"
                                 << "cccc";
    QTest::newRow("mixed") << "strong,weak,classic,strong"
                           << "swcs";
    QTest::newRow("three") << "strong,classic,classic"
                           << "";
    QTest::newRow("five") << "strong,classic,classic,classic,classic"
                          << "";
    QTest::newRow("an empty level") << "strong,,classic,classic"
                                    << "";
    QTest::newRow("a trailing comma") << "strong,classic,classic,classic,"
                                      << "";
    QTest::newRow("an unknown level") << "strong,classic,expert,classic"
                                      << "";
    QTest::newRow("spaces") << "strong, classic, classic, classic"
                            << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSimulator::levels() {
    QFETCH(QString, text);
    QFETCH(QString, levels);
    const auto parsed = sim::parseLevels(text.toStdString());
    QCOMPARE(parsed.has_value(), !levels.isEmpty());
    if (!parsed) return;
    QString letters;
    for (int p = 1; p <= kPlayers; ++p) letters += strengthName((*parsed)[p])[0];
    QCOMPARE(letters, levels);
}

void TestSimulator::command_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");  // empty: accepted
    QTest::addColumn<QString>("levels");
    QTest::addColumn<int>("playouts");
    QTest::addColumn<QString>("summaryJson");

    QTest::newRow("the classic command")
        << QStringList{"--matches", "3", "--seed", "9", "--ak", "--joker", "reuse", "--passes", "2"}
        << ""
        << "cccc" << kStrongPlayouts << "";
    QTest::newRow("levels, playouts and the JSON summary")
        << QStringList{"--matches",  "3",  "--levels",       "strong,classic,weak,classic",
                       "--playouts", "64", "--summary-json", "out.json"}
        << ""
        << "scwc" << 64 << "out.json";
    QTest::newRow("bad levels") << QStringList{"--levels", "strong"}
                                << "--levels takes four of weak, classic, strong, comma-separated"
                                << "" << 0 << "";
    QTest::newRow("no file after --summary-json")
        << QStringList{"--matches", "3", "--summary-json"} << "missing value after --summary-json"
        << "" << 0 << "";
    QTest::newRow("no playouts") << QStringList{"--playouts", "0"} << "bad number"
                                 << "" << 0 << "";
    QTest::newRow("unknown option") << QStringList{"--level", "strong"} << "unknown option --level"
                                    << "" << 0 << "";
}

void TestSimulator::command() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    QFETCH(QString, levels);
    QFETCH(int, playouts);
    QFETCH(QString, summaryJson);
    std::vector<std::string> args;
    for (const QString& a : arguments) args.push_back(a.toStdString());
    std::string found;
    const std::optional<sim::Command> c = sim::parseCommand(args, found);
    QCOMPARE(QString::fromStdString(found), problem);
    QCOMPARE(c.has_value(), problem.isEmpty());
    if (!c) return;
    QString letters;
    for (int p = 1; p <= kPlayers; ++p) letters += strengthName(c->seats.strength[p])[0];
    QCOMPARE(letters, levels);
    QCOMPARE(c->seats.search.playouts, playouts);
    QCOMPARE(QString::fromStdString(c->summaryJson), summaryJson);
}

// The summary counts per seat and its JSON has the promised shape.
void TestSimulator::summary() {
    sim::Seats seats;
    seats.strength = *sim::parseLevels("weak,strong,classic,classic");
    seats.search.playouts = 16;
    sim::Summary summary;
    Random random(3);
    QCOMPARE(sim::playMatches(1, Rules{}, random, summary, seats), 10L);
    std::ostringstream out;
    sim::writeSummaryJson(out, summary, seats);
    QJsonParseError error;
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, out.str().c_str());
    QCOMPARE(json.keys(), QStringList({"games", "seats"}));
    QCOMPARE(json["games"].toInt(), 10);
    const QJsonArray seatList = json["seats"].toArray();
    QCOMPARE(seatList.size(), 4);
    int firsts = 0;
    const QStringList levels{"weak", "strong", "classic", "classic"};
    for (int p = 1; p <= kPlayers; ++p) {
        const QJsonObject seat = seatList[p - 1].toObject();
        QCOMPARE(seat.keys(), QStringList({"firsts", "level", "mean_points", "sd_points"}));
        QCOMPARE(seat["level"].toString(), levels[p - 1]);
        QCOMPARE(seat["firsts"].toInt(), int(summary.firsts[p]));
        QCOMPARE(seat["mean_points"].toDouble(), std::round(summary.meanPoints(p) * 1e4) / 1e4);
        QVERIFY(seat["sd_points"].toDouble() > 0);
        firsts += seat["firsts"].toInt();
    }
    QCOMPARE(firsts, 10);  // one winner a game
}

void TestSimulator::program_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // a line the program prints (stdout, else stderr)
    QTest::newRow("levels and the JSON summary")
        << QStringList{"--matches",  "1", "--seed", "4", "--levels", "classic,weak,strong,classic",
                       "--playouts", "16"}
        << 0 << "seat 3: level strong  firsts ";
    QTest::newRow("bad levels") << QStringList{"--levels", "strong,strong"} << 2
                                << "[--levels L1,L2,L3,L4]";
}

// The program itself: what it prints, the JSON file it writes, how it refuses bad levels.
void TestSimulator::program() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QTemporaryDir folder;
    const QString json = folder.filePath("summary.json");
    QProcess sim;
    sim.start(PLUMETSIM, arguments << "--summary-json" << json);
    QVERIFY(sim.waitForFinished(60'000));
    QCOMPARE(sim.exitCode(), exitCode);
    const QString printed =
        exitCode == 0 ? sim.readAllStandardOutput() : sim.readAllStandardError();
    QVERIFY2(printed.contains(output), qPrintable(printed));
    QFile file(json);
    QCOMPARE(file.open(QIODevice::ReadOnly), exitCode == 0);
    if (exitCode != 0) return;
    const QJsonObject summary = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(summary["games"].toInt(), 10);
    QCOMPARE(summary["seats"].toArray()[1].toObject()["level"].toString(), QString("weak"));
}

QTEST_APPLESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
