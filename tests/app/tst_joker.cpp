// SPDX-License-Identifier: GPL-3.0-or-later
// The joker's way back under "再使用" and a player left holding only the joker ("ばばもち"),
// on tables set up in the middle of a game and played through the windows: what the holder's
// window shows when the joker returns, the places and labels when the joker is left over, and
// the joker's picture on the board in the gap whatever the board's layout does meanwhile.
#include <QTest>

#include "tablefixture.h"

using namespace plumet;
using plumet::test::Game;
using plumet::test::Seat;
using plumet::test::shownCards;

namespace {

// No computer turn starts by itself: each test moves the players it means to.
void holdComputerTurns() {
    speeds::timing().paceMs = 1000000;
}

// Gives `player` the turn and, for a computer, lets it think at once.
void move(Game& game, int player) {
    PlayerWindow* playerWindow = &game.session->window(player);
    playerWindow->takeTurn();
    if (player != kHuman) static_cast<ComputerWindow*>(playerWindow)->thinkingDone();
}

// What the holder's window shows at the moment the exchange makes it lay the gap card.
struct HolderView {
    bool seen = false;
    int shown = 0;
    QStringList files;  // images of slots 1..shown
    QList<QPoint> positions;
    int flyingSlot = 0;  // the 8's slot: its picture is in flight
};

void watchHolder(Game& game, int holder, int gapCard, HolderView& view) {
    Session& session = *game.session;
    session.frameHook = [&session, holder, gapCard, &view](const QWidget* card, double k) {
        if (view.seen || k != 1 || card != session.board().picture(gapCard)) return;
        view.seen = true;
        view.flyingSlot = session.state().gapHolderSlot;
        const PlayerWindow* playerWindow = &session.window(holder);
        view.shown = shownCards(*playerWindow);
        for (int i = 1; i <= view.shown; ++i) {
            view.files.append(QFileInfo(playerWindow->picture(i)->imageFile()).fileName());
            view.positions.append(playerWindow->picture(i)->pos());
        }
    };
}

}  // namespace

Q_DECLARE_METATYPE(JokerMode)

class JokerTest : public QObject {
    Q_OBJECT
  private slots:
    void jokerReturns_data();
    void jokerReturns();
    void leftWithJoker_data();
    void leftWithJoker();
    void jokerFollowsTheBoard_data();
    void jokerFollowsTheBoard();
};

void JokerTest::jokerReturns_data() {
    QTest::addColumn<int>("mover");   // lays the joker in the place of the 8 to free the 9
    QTest::addColumn<int>("holder");  // holds the 8
    QTest::addColumn<QList<int>>("holderHand");
    QTest::addColumn<JokerMode>("mode");
    for (JokerMode mode : {JokerMode::Reused, JokerMode::Once}) {
        const char* name = mode == JokerMode::Reused ? "再使用" : "使用";
        QTest::addRow("%s: human frees, player 2 holds", name)
            << 1 << 2 << QList<int>{8, 12, 26} << mode;
        QTest::addRow("%s: player 2 frees, human holds", name)
            << 2 << 1 << QList<int>{8, 12, 26} << mode;
        QTest::addRow("%s: player 3 frees, player 4 holds", name)
            << 3 << 4 << QList<int>{8, 12, 26} << mode;
        QTest::addRow("%s: player 4 frees, player 3 holds two", name)
            << 4 << 3 << QList<int>{8, 26} << mode;
        QTest::addRow("%s: the 8 is player 2's last card", name) << 1 << 2 << QList<int>{8} << mode;
        QTest::addRow("%s: the 8 is the human's last card", name)
            << 3 << 1 << QList<int>{8} << mode;
    }
}

void JokerTest::jokerReturns() {
    QFETCH(int, mover);
    QFETCH(int, holder);
    QFETCH(QList<int>, holderHand);
    QFETCH(JokerMode, mode);
    std::array<Seat, kPlayers + 1> seats;
    for (int p = 1; p <= kPlayers; ++p) seats[p].hand = {39 - p};  // a card each of suit 2
    seats[mover].hand = {9, 11, kJoker};
    seats[holder].hand = holderHand;
    Game game;
    plumet::test::setTable(game, mode, seats);
    holdComputerTurns();
    GameState& s = game.state();
    const int count = s.handCount[holder];
    const int cards = s.cardsLeft;
    HolderView atExchange;
    watchHolder(game, holder, 8, atExchange);

    if (mover == kHuman) {
        game.human().takeTurn();
        game.click(3);  // the joker
        game.click(1);  // the 9
    } else {
        move(game, mover);
    }
    QCOMPARE(s.onBoard[9], 1);
    QTRY_COMPARE(s.onBoard[8], 1);  // the exchange is over
    QVERIFY(!game.session->board().picture(kJoker)->isVisible());
    QVERIFY(atExchange.seen);

    // While the holder lays the 8: under "再使用" its window shows the joker back in it.
    const bool back = mode == JokerMode::Reused;
    const int held = count + (back ? 1 : 0);
    if (holder == kHuman) {
        QCOMPARE(atExchange.shown, held + 1);
        QCOMPARE(atExchange.files.last(), QStringLiteral("ps4.bmp"));
        if (back) QCOMPARE(atExchange.files[held - 1], QStringLiteral("joker.bmp"));
    } else {
        QCOMPARE(atExchange.shown, held);
        for (const QString& file : atExchange.files) QVERIFY(file.startsWith("ura"));
    }
    // Every picture has a place of its own, running the way the hand runs (the 8's picture,
    // in flight then, is back in its place now).
    PlayerWindow* playerWindow = &game.session->window(holder);
    atExchange.positions[atExchange.flyingSlot - 1] =
        playerWindow->picture(atExchange.flyingSlot)->pos();
    for (int i = 1; i < atExchange.positions.size(); ++i) {
        const QPoint step = atExchange.positions[i] - atExchange.positions[i - 1];
        QVERIFY2(step.x() > 0 || step.y() > 0,
                 qPrintable(QStringLiteral("slot %1 is not beyond slot %2").arg(i + 1).arg(i)));
    }

    // After the exchange.
    if (back && count == 1) {
        // The returned joker was all that was left: "ばばもち" at once.
        QCOMPARE(s.outcome[holder], Outcome::JokerLeft);
        QCOMPARE(s.handCount[holder], 0);
        QCOMPARE(s.place[holder], 4);
        QCOMPARE(playerWindow->statusLabel(StatusLine::Status)->text(), QStringLiteral("ばばもち"));
        QCOMPARE(playerWindow->statusLabel(StatusLine::PassesOrPlace)->text(),
                 QStringLiteral(" 4 位"));
        QVERIFY(!acceptsInput(playerWindow->picture(1)));
    } else if (count == 1) {
        QCOMPARE(s.outcome[holder], Outcome::WentOut);
        QCOMPARE(playerWindow->statusLabel(StatusLine::Status)->text(), QStringLiteral("あがり！"));
        QCOMPARE(playerWindow->statusLabel(StatusLine::PassesOrPlace)->text(),
                 QStringLiteral(" 1 位"));
    } else {
        QCOMPARE(s.handCount[holder], count - 1 + (back ? 1 : 0));
        QCOMPARE(s.hand[holder][s.handCount[holder]] == kJoker, back);
        const int n = s.handCount[holder];
        if (holder == kHuman) {
            QCOMPARE(shownCards(*playerWindow), n + 1);
            QVERIFY(playerWindow->picture(n + 1)->imageFile().endsWith("ps4.bmp"));
            QCOMPARE(playerWindow->picture(n)->imageFile().endsWith("joker.bmp"), back);
        } else {
            QCOMPARE(shownCards(*playerWindow), n);
        }
    }
    // The joker, the 9 and the 8 have left the hands; the joker came back unless it was all
    // the holder had left.
    QCOMPARE(s.cardsLeft, cards - (back && count > 1 ? 2 : 3));
}

void JokerTest::leftWithJoker_data() {
    QTest::addColumn<int>("mover");               // lays its K and keeps only the joker
    QTest::addColumn<QList<int>>("outBefore");    // player on places 1..4 (0: free)
    QTest::addColumn<QList<int>>("placesAfter");  // place of players 1..4 (0: none)
    QTest::newRow("nobody out yet") << 1 << QList<int>{0, 0, 0, 0} << QList<int>{4, 0, 0, 0};
    QTest::newRow("player 4 dropped out") << 1 << QList<int>{0, 0, 0, 4} << QList<int>{4, 0, 0, 3};
    QTest::newRow("players 4 and 3 dropped out")
        << 1 << QList<int>{0, 0, 3, 4} << QList<int>{4, 0, 2, 3};
    QTest::newRow("player 2 went out, player 4 dropped out")
        << 1 << QList<int>{2, 0, 0, 4} << QList<int>{4, 1, 0, 3};
    QTest::newRow("player 2 went out, nobody dropped out")
        << 1 << QList<int>{2, 0, 0, 0} << QList<int>{4, 1, 0, 0};
    QTest::newRow("player 2 left, the human dropped out")
        << 2 << QList<int>{0, 0, 0, 1} << QList<int>{3, 4, 0, 0};
    QTest::newRow("player 3 left, players 4 and 1 dropped out")
        << 3 << QList<int>{0, 0, 4, 1} << QList<int>{3, 0, 4, 2};
    QTest::newRow("player 3 left, player 2 went out, the human dropped out")
        << 3 << QList<int>{2, 0, 0, 1} << QList<int>{3, 1, 4, 0};
}

void JokerTest::leftWithJoker() {
    QFETCH(int, mover);
    QFETCH(QList<int>, outBefore);
    QFETCH(QList<int>, placesAfter);
    std::array<Seat, kPlayers + 1> seats;
    for (int p = 1; p <= kPlayers; ++p) seats[p].hand = {38 - p};  // a card each of suit 2
    seats[mover].hand = {13, kJoker};  // the K ends the first suit's row: laid at once
    // Places above the first free one were won by going out, the others by dropping out.
    const int firstFree = outBefore.indexOf(0) + 1;
    for (int place = 1; place <= kPlayers; ++place) {
        const int p = outBefore[place - 1];
        if (p == 0) continue;
        const bool wentOut = place < firstFree;
        seats[p] = {{}, wentOut ? 4 : 0, wentOut ? Outcome::WentOut : Outcome::DroppedOut, place};
    }
    Game game;
    plumet::test::setTable(game, JokerMode::Once, seats);
    holdComputerTurns();
    GameState& s = game.state();
    const int cards = s.cardsLeft;

    if (mover == kHuman) {
        game.human().takeTurn();
        QVERIFY(game.humanToMove());
        game.click(1);
    } else {
        move(game, mover);
    }
    QCOMPARE(s.onBoard[13], 1);
    QCOMPARE(s.outcome[mover], Outcome::JokerLeft);
    QCOMPARE(s.handCount[mover], 0);
    QCOMPARE(s.cardsLeft, cards - 2);  // the K and the joker
    QCOMPARE(s.outBonus[mover], 0);
    PlayerWindow* playerWindow = &game.session->window(mover);
    QCOMPARE(playerWindow->statusLabel(StatusLine::Status)->text(), QStringLiteral("ばばもち"));
    for (int p = 1; p <= kPlayers; ++p) {
        QCOMPARE(s.place[p], placesAfter[p - 1]);
        if (placesAfter[p - 1] == 0) continue;
        QCOMPARE(s.finishOrder[placesAfter[p - 1]], p);
        QCOMPARE(game.session->window(p).statusLabel(StatusLine::PassesOrPlace)->text(),
                 signedLabel(placesAfter[p - 1]) + QStringLiteral(" 位"));
    }
    // The joker stays in view, out of play.
    QVERIFY(!acceptsInput(playerWindow->picture(1)));
    if (mover == kHuman) {
        QVERIFY(!acceptsInput(playerWindow->picture(2)));
        QVERIFY(playerWindow->picture(1)->imageFile().endsWith("joker.bmp"));
    }
}

Q_DECLARE_METATYPE(std::function<void(MainWindow&)>)

void JokerTest::jokerFollowsTheBoard_data() {
    using Change = std::function<void(MainWindow&)>;
    QTest::addColumn<Change>("change");
    QTest::newRow("main window resized, arranged")
        << Change([](MainWindow& main) { main.resize(main.size() + QSize(240, 160)); });
    QTest::newRow("cards fitted to the windows")
        << Change([](MainWindow& main) { main.setFitCards(true); });
    QTest::newRow("board resized by the player") << Change([](MainWindow& main) {
        main.boardFrame()->resize(main.boardFrame()->size() + QSize(-60, 40));
    });
    QTest::newRow("arranged around the board") << Change([](MainWindow& main) {
        main.setAutoArrange(false);
        main.boardFrame()->move(main.boardFrame()->pos() + QPoint(40, 10));
        main.boardFrame()->resize(main.boardFrame()->size() + QSize(-80, -30));
        main.items().arrangeAroundBoard->trigger();
    });
}

// Between a joker move and its exchange the joker stands in the gap on the board; a new layout
// of the board meanwhile moves it with the 52 cards, to the gap's new place at the cards' new
// size.
void JokerTest::jokerFollowsTheBoard() {
    QFETCH(std::function<void(MainWindow&)>, change);
    std::array<Seat, kPlayers + 1> seats;
    for (int p = 1; p <= kPlayers; ++p) seats[p].hand = {39 - p};
    seats[1].hand = {9, 11, kJoker};
    seats[2].hand = {8, 12, 26};
    Game game;
    plumet::test::setTable(game, JokerMode::Once, seats);
    holdComputerTurns();
    GameState& s = game.state();
    BoardWindow& board = game.session->board();
    CardPicture* joker = board.picture(kJoker);

    game.human().takeTurn();
    game.click(3);  // the joker
    game.click(1);  // the 9
    QCOMPARE(s.onBoard[9], 1);
    // The exchange waits until the board has its new layout.
    game.human().exchangeTimer().stop();
    QVERIFY(joker->isVisible());
    const auto inGap = [&board] {
        const QPointF gap = board.cardPos(8);
        return pxPoint(gap.x(), gap.y());
    };
    QCOMPARE(joker->pos(), inGap());
    const QRect before = board.geometry();
    const QSize cardBefore = board.picture(9)->size();

    change(*game.main);
    QTRY_VERIFY(board.geometry() != before || board.picture(9)->size() != cardBefore);
    QTest::qWait(0);
    QCOMPARE(joker->pos(), inGap());
    QCOMPARE(joker->size(), board.picture(9)->size());
    QVERIFY(joker->isVisible());

    game.human().exchangeTimer().start();
    QTRY_COMPARE(s.onBoard[8], 1);
    QVERIFY(!joker->isVisible());
    QCOMPARE(board.picture(8)->pos(), inGap());
}

QTEST_MAIN(JokerTest)
#include "tst_joker.moc"
