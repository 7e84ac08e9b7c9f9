// SPDX-License-Identifier: GPL-3.0-or-later
// Card flights counted frame by frame (never timed): a card laid by choice and the joker fly
// in flightFrames frames, a dropped-out player's card in about ten (step flightFrames / 10), and a
// flight of flightFrames 1 has exactly one frame. Each flight ends with the card exactly on its
// board position.
#include <QTest>

#include "tablefixture.h"

using namespace plumet;
using plumet::test::Game;
using plumet::test::Seat;

namespace {

struct Flight {
    int card = 0;
    QList<double> ks;
};

// Collects the frames of every flight through the session's frame hook.
struct Recorder {
    QList<Flight> flights;
    explicit Recorder(Session& session) {
        session.frameHook = [this, &session](const QWidget* picture, double k) {
            int card = 0;
            for (int c = 1; c <= kJoker && !card; ++c) {
                if (session.board().picture(c) == picture) card = c;
            }
            if (flights.isEmpty() || flights.last().card != card || k <= flights.last().ks.last())
                flights.append(Flight{card, {}});
            flights.last().ks.append(k);
        };
    }
};

// The frames of a flight of flightFrames `m` with step `step`: k = 1, 1 + step, ... while k <= m.
QList<double> expectedFrames(int m, double step, int count) {
    QList<double> ks;
    for (int i = 0; i < count; ++i) ks.append(1 + i * step);
    Q_ASSERT(ks.last() <= m && ks.last() + step > m);
    return ks;
}

void compareFrames(const QList<double>& actual, const QList<double>& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (std::abs(actual[i] - expected[i]) > 1e-9)
            QFAIL(qPrintable(QStringLiteral("frame %1 at k = %2, expected %3")
                                 .arg(i + 1)
                                 .arg(actual[i])
                                 .arg(expected[i])));
    }
}

void verifyOnBoard(const Game& game, int card) {
    const QPointF pos = game.session->board().cardPos(card);
    QCOMPARE(game.session->board().picture(card)->pos(), pxPoint(pos.x(), pos.y()));
    QVERIFY(game.session->board().picture(card)->isVisible());
}

// The human holds 9 and 11 of the first suit and the joker; the 8 before them is player 2's.
std::array<Seat, kPlayers + 1> jokerTable() {
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = {9, 11, kJoker};
    seats[2].hand = {8, 12};
    seats[3].hand = {13, 1};
    seats[4].hand = {10, 2};
    return seats;
}

enum class Kind { Lay, Dump, Joker };

}  // namespace

Q_DECLARE_METATYPE(Kind)

class FlightTest : public QObject {
    Q_OBJECT
  private slots:
    void frames_data();
    void frames();
    void sevensAtTheDeal();
    void layByClick();
    void jokerMoveAndExchange();
    void dumps_data();
    void dumps();
};

void FlightTest::frames_data() {
    QTest::addColumn<int>("flightFrames");
    QTest::addColumn<int>("player");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("frames");
    QTest::addColumn<double>("step");
    for (int p = 1; p <= kPlayers; ++p) {
        QTest::addRow("64, lay, player %d", p) << 64 << p << Kind::Lay << 64 << 1.0;
        QTest::addRow("64, dump, player %d", p) << 64 << p << Kind::Dump << 10 << 6.4;
        QTest::addRow("1, lay, player %d", p) << 1 << p << Kind::Lay << 1 << 1.0;
        QTest::addRow("1, dump, player %d", p) << 1 << p << Kind::Dump << 1 << 0.1;
    }
    QTest::newRow("64, joker") << 64 << 1 << Kind::Joker << 64 << 1.0;
    QTest::newRow("1, joker") << 1 << 1 << Kind::Joker << 1 << 1.0;
    // Every speed the dialog offers (bar value squared) flies its dump in at most ten frames.
    QTest::newRow("4, dump") << 4 << 3 << Kind::Dump << 8 << 0.4;
    QTest::newRow("9, dump") << 9 << 2 << Kind::Dump << 9 << 0.9;
    QTest::newRow("16, dump") << 16 << 4 << Kind::Dump << 10 << 1.6;
    QTest::newRow("121, dump") << 121 << 1 << Kind::Dump << 10 << 12.1;
    QTest::newRow("121, lay") << 121 << 2 << Kind::Lay << 121 << 1.0;
}

void FlightTest::frames() {
    QFETCH(int, flightFrames);
    QFETCH(int, player);
    QFETCH(Kind, kind);
    QFETCH(int, frames);
    QFETCH(double, step);
    Game game;
    plumet::test::setTable(game, JokerMode::Once, jokerTable());
    GameState& s = game.state();
    s.flightFrames = static_cast<std::int16_t>(flightFrames);
    if (kind == Kind::Dump) s.passesLeft[player] = 0;
    Recorder recorder(*game.session);
    PlayerWindow* playerWindow = &game.session->window(player);
    const int card = kind == Kind::Joker ? kJoker : s.hand[player][1];
    if (kind == Kind::Joker)
        playerWindow->jokerFlight(8);
    else
        playerWindow->cardFlight(card, 1);
    QCOMPARE(recorder.flights.size(), 1);
    QCOMPARE(recorder.flights[0].card, card);
    compareFrames(recorder.flights[0].ks, expectedFrames(flightFrames, step, frames));
    // The card, or the joker in the place of the 8, exactly where it belongs.
    const QPointF target = game.session->board().cardPos(kind == Kind::Joker ? 8 : card);
    QCOMPARE(game.session->board().picture(card)->pos(), pxPoint(target.x(), target.y()));
    QVERIFY(game.session->board().picture(card)->isVisible());
}

void FlightTest::sevensAtTheDeal() {
    Game game;
    game.state().flightFrames = 64;
    Recorder recorder(*game.session);
    game.start(3);
    QCOMPARE(recorder.flights.size(), 4);
    QList<int> cards;
    for (const Flight& flight : recorder.flights) {
        cards.append(flight.card);
        compareFrames(flight.ks, expectedFrames(64, 1, 64));
        verifyOnBoard(game, flight.card);
    }
    std::sort(cards.begin(), cards.end());
    QCOMPARE(cards, (QList<int>{7, 20, 33, 46}));
}

void FlightTest::layByClick() {
    Game game;
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = {6, 11};
    seats[2].hand = {8, 12};
    seats[3].hand = {13, 1};
    seats[4].hand = {10, 2};
    plumet::test::setTable(game, JokerMode::Once, seats);
    game.state().flightFrames = 64;
    game.human().takeTurn();
    QVERIFY(game.humanToMove());
    Recorder recorder(*game.session);
    game.click(1);
    QCOMPARE(game.state().onBoard[6], 1);
    QCOMPARE(recorder.flights.size(), 1);
    QCOMPARE(recorder.flights[0].card, 6);
    compareFrames(recorder.flights[0].ks, expectedFrames(64, 1, 64));
    verifyOnBoard(game, 6);
}

void FlightTest::jokerMoveAndExchange() {
    Game game;
    plumet::test::setTable(game, JokerMode::Once, jokerTable());
    game.state().flightFrames = 64;
    game.human().takeTurn();
    QVERIFY(game.humanToMove());
    Recorder recorder(*game.session);
    game.click(3);  // select the joker
    game.click(1);  // the 9, freed by the joker in the place of player 2's 8
    QTRY_COMPARE(game.state().onBoard[8], 1);  // the exchange is over
    QVERIFY(recorder.flights.size() >= 3);
    QCOMPARE(recorder.flights[0].card, kJoker);
    QCOMPARE(recorder.flights[1].card, 9);
    QCOMPARE(recorder.flights[2].card, 8);  // the exchange: player 2 lays the 8
    for (const Flight& flight : recorder.flights)
        compareFrames(flight.ks, expectedFrames(64, 1, 64));
    verifyOnBoard(game, 9);
    verifyOnBoard(game, 8);
}

void FlightTest::dumps_data() {
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("flightFrames");
    QTest::addColumn<int>("frames");
    QTest::addColumn<double>("step");
    QTest::newRow("human, 64") << 1 << 64 << 10 << 6.4;
    QTest::newRow("human, 1") << 1 << 1 << 1 << 0.1;
    QTest::newRow("player 3, 64") << 3 << 64 << 10 << 6.4;
    QTest::newRow("player 3, 1") << 3 << 1 << 1 << 0.1;
}

void FlightTest::dumps() {
    QFETCH(int, player);
    QFETCH(int, flightFrames);
    QFETCH(int, frames);
    QFETCH(double, step);
    // Nobody can lay at the first suit's down end but player 2, who holds its 5; the dropping
    // player holds two cards below it and has only the last pass left.
    Game game;
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = {12, 13};
    seats[2].hand = {5, 9};
    seats[3].hand = {26, 39};
    seats[4].hand = {8, 10};
    seats[player].hand = {3, 4};
    seats[player].passesLeft = 1;
    seats[1].passesLeft = player == 1 ? 1 : 4;
    if (player != 1) seats[1].hand = {11, 40};
    plumet::test::setTable(game, JokerMode::Once, seats);
    GameState& s = game.state();
    s.flightFrames = static_cast<std::int16_t>(flightFrames);
    Recorder recorder(*game.session);
    if (player == kHuman) {
        game.human().takeTurn();
        QVERIFY(game.humanToMove());
        game.click(3);  // the pass card
    } else {
        game.session->window(player).takeTurn();
    }
    QTRY_COMPARE(s.passesLeft[player], 0);
    QCOMPARE(s.outcome[player], Outcome::DroppedOut);
    QVERIFY(recorder.flights.size() >= 2);
    QCOMPARE(recorder.flights[0].card, 3);
    QCOMPARE(recorder.flights[1].card, 4);
    for (int i = 0; i < 2; ++i)
        compareFrames(recorder.flights[i].ks, expectedFrames(flightFrames, step, frames));
    verifyOnBoard(game, 3);
    verifyOnBoard(game, 4);
}

QTEST_MAIN(FlightTest)
#include "tst_flight.moc"
