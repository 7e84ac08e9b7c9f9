// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard and the hint: the focus mark of the human's hand and its keys
// (arrows, Home/End, Enter/Space, J, P, Esc) on tables set up in the middle of a game, whole
// games played with Enter alone through the real windows to the results window, keys that do
// nothing while the hand takes no input, and the hint ("ヒント", H), which marks the strategy's
// move and changes nothing else.
#include <QMenu>
#include <QTest>

#include "matchfixture.h"
#include "rules/hint.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "tablefixture.h"
#include "ui/table/backgroundsearch.h"

using namespace plumet;
using plumet::test::Game;
using plumet::test::Seat;

namespace {

constexpr int s(int rank) {
    return cardCode(0, rank);
}
constexpr int h(int rank) {
    return cardCode(1, rank);
}
constexpr int c(int rank) {
    return cardCode(2, rank);
}
constexpr int d(int rank) {
    return cardCode(3, rank);
}

// The other players of every table: player 2 holds the sixes of hearts, clubs and diamonds
// (those low ends wait for them), player 3 the 9 and 10 of spades, player 4 the 9 of diamonds.
// So the human's low hearts, clubs and diamonds fit nowhere, while the 5 of hearts can be freed
// by the joker; the 8 of spades or of diamonds fits its high end, a king fits when the cards
// before it lie on the board.
std::array<Seat, kPlayers + 1> table(const QList<int>& human, int passesLeft = 4) {
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = human;
    seats[1].passesLeft = passesLeft;
    seats[2].hand = {h(6), c(6), d(6)};
    seats[3].hand = {s(9), s(10)};
    seats[4].hand = {d(9)};
    return seats;
}

// Sets the table and gives the human the turn, as the hand-off does.
void humanTurn(Game& game, const QList<int>& human, int passesLeft = 4) {
    speeds::timing().paceMs = 1000000;  // no computer turn starts by itself
    plumet::test::setTable(game, JokerMode::Once, table(human, passesLeft));
    if (QTest::currentTestFailed()) return;
    game.human().takeTurn();
}

// The key goes where the keyboard is: the widget that has the focus.
void press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, "no widget has the keyboard");
    QTest::keyClick(focus, key);
}

// The slots whose pictures carry the focus mark, and those that carry the hint mark.
QList<int> focusMarks(const HandWindow& hand) {
    QList<int> marked;
    for (int i = 1; i <= hand.pictureCount(); ++i) {
        if (hand.picture(i)->focusMarked()) marked << i;
    }
    return marked;
}
QList<int> hintMarks(const HandWindow& hand) {
    QList<int> marked;
    for (int i = 1; i <= hand.pictureCount(); ++i) {
        if (hand.picture(i)->hintMarked()) marked << i;
    }
    return marked;
}

// What a move changes and a hint must not: the game's every variable, the strategy's scratch
// arrays included.
QString snapshot(const GameState& g) {
    QString text;
    const auto add = [&text](const char* name, const auto& values) {
        text += QLatin1String(name) + u':';
        for (auto v : values) text += QString::number(int(v)) + u',';
        text += u'\n';
    };
    for (int p = 1; p <= kPlayers; ++p) add("hand", g.hand[p]);
    add("handcount", g.handCount);
    add("onboard", g.onBoard);
    add("rowend", g.rowEnd);
    add("passleft", g.passesLeft);
    add("finishorder", g.finishOrder);
    add("place", g.place);
    add("laidcount", g.laidCount);
    add("outbonus", g.outBonus);
    add("score", g.score);
    add("gamepoints", g.gamePoints);
    add("endscore", g.endRatings);
    add("endslot", g.jokerFreedSlots);
    add("deck", g.deck);
    add("single", std::array<int, 6>{g.cardsLeft, g.dumped, g.selectedJokerSlot, g.gapHolder,
                                     g.gapHolderSlot, g.gameNumber});
    return text;
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT
  private slots:
    void startFocus_data();
    void startFocus();
    void arrowsMoveTheMark();
    void enterAndSpaceLay_data();
    void enterAndSpaceLay();
    void enterOnACardThatDoesNotFit();
    void jokerKeys();
    void enterAloneMakesTheJokerMove();
    void passKey();
    void lastPassRefused_data();
    void lastPassRefused();
    void keysIgnoredWhileBlocked();
    void keysIgnoredDuringAFlight();
    void hintMenuItem();
    void hint_data();
    void hint();
    void hintsChangeNothing();
    void wholeGamesWithEnterAlone();
};

void KeysTest::startFocus_data() {
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("slot");
    QTest::newRow("the first card that can be laid") << QList<int>{h(3), c(2), d(8)} << 3;
    QTest::newRow("a card before the joker move") << QList<int>{h(5), d(8), kJoker} << 2;
    QTest::newRow("only a joker move: the joker") << QList<int>{h(3), h(5), c(2), kJoker} << 4;
    QTest::newRow("nothing to lay: the pass card") << QList<int>{h(3), c(2)} << 3;
    QTest::newRow("the joker frees nothing: the pass card") << QList<int>{s(13), kJoker} << 3;
}

void KeysTest::startFocus() {
    QFETCH(QList<int>, hand);
    QFETCH(int, slot);
    Game game;
    humanTurn(game, hand);
    // The main window has given the hand the keyboard.
    QCOMPARE(QApplication::focusWidget(), &game.human());
    QCOMPARE(game.human().focusSlot(), slot);
    QCOMPARE(focusMarks(game.human()), QList<int>{slot});
}

void KeysTest::arrowsMoveTheMark() {
    Game game;
    humanTurn(game, {h(3), c(2), d(8)});
    HandWindow& hand = game.human();
    const struct {
        Qt::Key key;
        int slot;
    } steps[] = {{Qt::Key_Home, 1},  {Qt::Key_Left, 1}, {Qt::Key_Right, 2}, {Qt::Key_End, 4},
                 {Qt::Key_Right, 4}, {Qt::Key_Left, 3}, {Qt::Key_Home, 1}};
    const QString before = snapshot(game.state());
    for (const auto& step : steps) {
        press(step.key);
        QCOMPARE(hand.focusSlot(), step.slot);
        QCOMPARE(focusMarks(hand), QList<int>{step.slot});
    }
    QCOMPARE(snapshot(game.state()), before);
    QVERIFY(game.humanToMove());
}

void KeysTest::enterAndSpaceLay_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void KeysTest::enterAndSpaceLay() {
    QFETCH(int, key);
    const QList<int> hand{h(3), c(2), d(8)};
    // The same move by the mouse.
    Game byMouse;
    humanTurn(byMouse, hand);
    byMouse.click(3);
    QCOMPARE(byMouse.state().onBoard[d(8)], 1);

    Game byKey;
    humanTurn(byKey, hand);
    QCOMPARE(byKey.human().focusSlot(), 3);
    press(Qt::Key(key));
    QCOMPARE(snapshot(byKey.state()), snapshot(byMouse.state()));
    QVERIFY(!byKey.humanToMove());
    QCOMPARE(byKey.human().colour(), kIdleColour);
    QCOMPARE(byKey.session->board().picture(d(8))->pos(),
             byMouse.session->board().picture(d(8))->pos());
    // The mark goes with the turn.
    QCOMPARE(byKey.human().focusSlot(), 0);
    QVERIFY(focusMarks(byKey.human()).isEmpty());
}

void KeysTest::enterOnACardThatDoesNotFit() {
    Game game;
    humanTurn(game, {h(3), c(2), d(8)});
    const QString before = snapshot(game.state());
    press(Qt::Key_Home);
    press(Qt::Key_Return);
    QCOMPARE(snapshot(game.state()), before);
    QVERIFY(game.humanToMove());
    QCOMPARE(game.human().focusSlot(), 1);
}

void KeysTest::jokerKeys() {
    Game game;
    humanTurn(game, {h(3), h(5), c(2), kJoker});
    HandWindow& hand = game.human();
    GameState& st = game.state();
    QCOMPARE(hand.focusSlot(), 4);
    // J selects the joker; the mark goes to the card it frees.
    press(Qt::Key_J);
    QCOMPARE(st.selectedJokerSlot, 4);
    QVERIFY(hand.picture(4)->imageFile().endsWith(QStringLiteral("joker1.bmp")));
    QCOMPARE(hand.focusSlot(), 2);
    // Esc and J deselect it; Esc without a selection does nothing.
    press(Qt::Key_Escape);
    QCOMPARE(st.selectedJokerSlot, 0);
    QVERIFY(hand.picture(4)->imageFile().endsWith(QStringLiteral("joker.bmp")));
    QCOMPARE(hand.focusSlot(), 4);
    press(Qt::Key_Escape);
    QCOMPARE(st.selectedJokerSlot, 0);
    press(Qt::Key_J);
    QCOMPARE(st.selectedJokerSlot, 4);
    press(Qt::Key_J);
    QCOMPARE(st.selectedJokerSlot, 0);
    // Selected, Left/Right choose the card: one it cannot free changes nothing.
    press(Qt::Key_J);
    press(Qt::Key_Left);
    QCOMPARE(hand.focusSlot(), 1);
    const QString selected = snapshot(st);
    press(Qt::Key_Return);
    QCOMPARE(snapshot(st), selected);
    QVERIFY(game.humanToMove());
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    // The joker took the 6's place, the 5 lies beyond it, and player 2 lays the 6.
    QCOMPARE(st.onBoard[h(5)], 1);
    QTRY_COMPARE(st.onBoard[h(6)], 1);
    QCOMPARE(st.selectedJokerSlot, 0);
    QCOMPARE(st.handCount[kHuman], 2);
}

void KeysTest::enterAloneMakesTheJokerMove() {
    Game game;
    humanTurn(game, {h(3), h(5), c(2), kJoker});
    press(Qt::Key_Return);
    QCOMPARE(game.state().selectedJokerSlot, 4);
    QCOMPARE(game.human().focusSlot(), 2);
    press(Qt::Key_Return);
    QCOMPARE(game.state().onBoard[h(5)], 1);
    QTRY_COMPARE(game.state().onBoard[h(6)], 1);
}

void KeysTest::passKey() {
    for (Qt::Key key : {Qt::Key_P, Qt::Key_Return}) {
        Game game;
        humanTurn(game, {h(3), c(2)});
        if (key == Qt::Key_Return) QCOMPARE(game.human().focusSlot(), 3);
        press(key);
        QCOMPARE(game.state().passesLeft[kHuman], 3);
        QVERIFY(!game.humanToMove());
        QVERIFY(game.human().picture(3)->imageFile().endsWith(QStringLiteral("ps3.bmp")));
    }
}

void KeysTest::lastPassRefused_data() {
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<bool>("selected");  // the joker selected before the pass
    QTest::addColumn<int>("legal");      // where the focus goes after the refusal
    QTest::addColumn<int>("laid");       // the card Enter then lays
    QTest::newRow("a card fits") << QList<int>{h(3), d(8)} << false << 2 << d(8);
    QTest::newRow("only a joker move") << QList<int>{h(3), h(5), kJoker} << false << 3 << h(5);
    QTest::newRow("only a joker move, the joker selected")
        << QList<int>{h(3), h(5), kJoker} << true << 2 << h(5);
    // The joker frees nothing: Enter on it gives up the selection, then lays the card.
    QTest::newRow("a card fits, the joker selected")
        << QList<int>{d(8), s(13), kJoker} << true << 3 << d(8);
}

void KeysTest::lastPassRefused() {
    QFETCH(QList<int>, hand);
    QFETCH(bool, selected);
    QFETCH(int, legal);
    QFETCH(int, laid);
    for (Qt::Key pass : {Qt::Key_P, Qt::Key_Return}) {
        Game game;
        humanTurn(game, hand, 1);
        if (selected) press(Qt::Key_J);
        const int passCard = hand.size() + 1;
        press(Qt::Key_End);
        QCOMPARE(game.human().focusSlot(), passCard);
        const QString before = snapshot(game.state());
        press(pass);
        QCOMPARE(snapshot(game.state()), before);
        QVERIFY(game.humanToMove());
        QVERIFY(acceptsInput(game.human().picture(passCard)));
        QCOMPARE(game.human().focusSlot(), legal);
        // The board's caption says why.
        QCOMPARE(game.session->board().windowTitle(), QString::fromUtf8(kBoardCaption) +
                                                          QStringLiteral("   ") +
                                                          QString::fromUtf8(kLastPassRefused));
        QVERIFY(game.main->captionTimer().isActive());
        // Enter alone makes the move (the joker's takes two Enters, as does giving up a
        // selected joker that frees nothing before the card).
        press(Qt::Key_Return);
        if (game.state().onBoard[laid] == 0) press(Qt::Key_Return);
        QCOMPARE(game.state().onBoard[laid], 1);
        QCOMPARE(game.state().passesLeft[kHuman], 1);
    }
}

void KeysTest::keysIgnoredWhileBlocked() {
    Game game;
    humanTurn(game, {h(3), h(5), c(2), d(8), kJoker});
    HandWindow& hand = game.human();
    const QString before = snapshot(game.state());
    const int focus = hand.focusSlot();
    // A dialog opened over the main window keeps input from it and from the hand.
    setAcceptsInput(game.main.get(), false);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_P, Qt::Key_J, Qt::Key_Right,
                        Qt::Key_End, Qt::Key_H})
        QTest::keyClick(&hand, key);
    QCOMPARE(snapshot(game.state()), before);
    QCOMPARE(hand.focusSlot(), focus);
    QVERIFY(hintMarks(hand).isEmpty());
    setAcceptsInput(game.main.get(), true);

    // A computer player's turn: the hand takes no key, and there is no hint.
    press(Qt::Key_P);
    QVERIFY(!game.humanToMove());
    const QString passed = snapshot(game.state());
    QVERIFY(!game.main->items().hint->isEnabled());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_P, Qt::Key_J, Qt::Key_Left,
                        Qt::Key_Home, Qt::Key_H})
        QTest::keyClick(&hand, key);
    QCOMPARE(snapshot(game.state()), passed);
    QCOMPARE(hand.focusSlot(), 0);
    QVERIFY(focusMarks(hand).isEmpty());
    QVERIFY(hintMarks(hand).isEmpty());
}

void KeysTest::keysIgnoredDuringAFlight() {
    Game game;
    humanTurn(game, {h(3), c(2), d(8)});
    Session& session = *game.session;
    QStringList during;
    session.frameHook = [&session, &during](const QWidget*, double k) {
        if (k != 1) return;
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_P, Qt::Key_Home, Qt::Key_H}) {
            QTest::keyClick(&session.human(), key);
            during << QString::number(session.state().passesLeft[kHuman]);
        }
    };
    press(Qt::Key_Return);
    session.frameHook = nullptr;
    QCOMPARE(during.size(), 4);
    // One card laid and nothing else: no pass, no second move.
    QCOMPARE(game.state().passesLeft[kHuman], 4);
    QCOMPARE(game.state().handCount[kHuman], 2);
    QCOMPARE(game.state().onBoard[d(8)], 1);
    QVERIFY(hintMarks(game.human()).isEmpty());
}

void KeysTest::hintMenuItem() {
    Game game;
    QAction* item = game.main->items().hint;
    QCOMPARE(item->text(), QStringLiteral("ヒント"));
    QCOMPARE(item->objectName(), QStringLiteral("mnuhint"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_H));
    QVERIFY(game.main->items().gameMenu->actions().contains(item));
    QCOMPARE(game.main->items().newGame->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(game.main->items().helpTopics->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(!item->isEnabled());  // no match
    humanTurn(game, {h(3), c(2), d(8)});
    QVERIFY(item->isEnabled());
    press(Qt::Key_Return);
    QVERIFY(!item->isEnabled());  // the computer players' turn
    game.answerNextBox();
    game.main->items().backToInitialScreen->trigger();
    QVERIFY(!item->isEnabled());
}

// The slots the hint of "つよい" marks in the human's seat now.
QList<int> expectedMarks(Game& game) {
    const std::atomic<bool> never{false};
    const StrongHint found =
        strongHint(game.state(), game.session->rules(), gameSearchLimits(never));
    QList<int> marks{found.hint.slot};
    if (found.hint.kind == Hint::Kind::Joker) marks << found.hint.jokerSlot;
    std::sort(marks.begin(), marks.end());
    return marks;
}

// Presses H and waits until the hint's search has marked its move.
void askHint(Game& game) {
    press(Qt::Key_H);
    QTRY_VERIFY(!game.human().hintPending());
}

void KeysTest::hint_data() {
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("passesLeft");
    QTest::addColumn<QList<int>>("only");  // the one move there is; empty: the search chooses
    QTest::addColumn<QString>("caption");  // what the board's caption adds; empty: nothing
    // The king ends its side of the row (hearts 8 .. Q lie on the board); the 8 of spades
    // fits too.
    QTest::newRow("the king or the 8 of spades")
        << QList<int>{s(8), h(13)} << 4 << QList<int>{} << QString();
    QTest::newRow("the joker move or a pass")
        << QList<int>{h(3), h(5), c(2), kJoker} << 4 << QList<int>{} << QString();
    QTest::newRow("nothing to lay: the pass card")
        << QList<int>{h(3), c(2)} << 4 << QList<int>{3}
        << QStringLiteral("ヒント：パス（出せるカードがありません）");
    // Fourteen cards and no pass to spare: the human may not pass while the joker frees a card.
    QTest::newRow("the last pass refused: the joker move")
        << QList<int>{h(1), h(2), h(3), h(4), h(5), c(1), c(2),
                      c(3), c(4), d(1), d(2), d(3), d(4), kJoker}
        << 1 << QList<int>{5, 14} << QString();
}

void KeysTest::hint() {
    QFETCH(QList<int>, hand);
    QFETCH(int, passesLeft);
    QFETCH(QList<int>, only);
    QFETCH(QString, caption);
    Game game;
    humanTurn(game, hand, passesLeft);
    HandWindow& playerWindow = game.human();
    const QString before = snapshot(game.state());
    const Random draws = game.session->random();
    const int focus = playerWindow.focusSlot();
    const QList<int> marked = expectedMarks(game);
    if (!only.isEmpty()) QCOMPARE(marked, only);
    askHint(game);
    QCOMPARE(hintMarks(playerWindow), marked);
    const QString boardCaption = game.session->board().windowTitle();
    if (caption.isEmpty())
        QVERIFY2(!boardCaption.contains(QStringLiteral("ヒント")), qPrintable(boardCaption));
    else
        QVERIFY2(boardCaption.endsWith(caption), qPrintable(boardCaption));
    // One hint a position: asked again, the same move.
    askHint(game);
    QCOMPARE(hintMarks(playerWindow), marked);
    // Nothing else changed: the game, its draws, the focus.
    QCOMPARE(snapshot(game.state()), before);
    Random expected = draws;
    QCOMPARE(game.session->random().next(), expected.next());
    QCOMPARE(playerWindow.focusSlot(), focus);
    QVERIFY(game.humanToMove());
    // The marks and the caption's words go when the human moves.
    press(Qt::Key_End);
    press(Qt::Key_Return);
    if (game.humanToMove()) {  // the last pass was refused: the joker move
        press(Qt::Key_Return);
        press(Qt::Key_Return);
    }
    QVERIFY(!game.humanToMove());
    QVERIFY(hintMarks(playerWindow).isEmpty());
    QVERIFY(!game.session->board().windowTitle().contains(QStringLiteral("ヒント")));
}

void KeysTest::hintsChangeNothing() {
    // The same seeded game with Enter alone, once without hints and once with the hint asked
    // before every move: the same moves, the same game.
    const auto play = [](bool hints, QStringList& moves) {
        Game game;
        game.start(11);
        const int ended = game.gamesEnded;
        int hintsShown = 0;
        while (game.gamesEnded == ended) {
            if (!game.waitForHuman(ended)) {
                QFAIL("the game stalled");
                return;
            }
            if (game.gamesEnded > ended) break;
            moves << snapshot(game.state());
            QVERIFY2(moves.size() < 1000, "Enter alone makes no progress");
            if (hints) {
                askHint(game);
                if (!hintMarks(game.human()).isEmpty()) ++hintsShown;
            }
            press(Qt::Key_Return);
        }
        moves << snapshot(game.state());
        if (hints) QVERIFY(hintsShown > 0);
    };
    QStringList without, with;
    play(false, without);
    play(true, with);
    QVERIFY(without.size() > 5);
    QCOMPARE(with.size(), without.size());
    for (int i = 0; i < without.size(); ++i) QCOMPARE(with[i], without[i]);
}

void KeysTest::wholeGamesWithEnterAlone() {
    QTemporaryDir data;
    plumet::test::Program p(data.path());
    QVERIFY(p.started);
    p.main->setJoker(JokerMode::Reused);
    p.session->random().seed(5);
    p.items().newGame->trigger();
    GameState& st = p.state();
    int jokerSelections = 0, passes = 0, laid = 0;
    for (int game = 1; game <= 3; ++game) {
        ResultsWindow* results = nullptr;
        int enters = 0;
        for (int spin = 0; spin < 100000 && !results; ++spin) {
            results = plumet::test::shownWindow<ResultsWindow>();
            if (results) break;
            if (!p.humanToMove()) {
                QTest::qWait(1);
                continue;
            }
            // The main window is activated and has given the hand the keyboard (the
            // activation arrives from the window system).
            QTRY_COMPARE(QApplication::focusWidget(), &p.session->human());
            const QString before = snapshot(st);
            const int passesLeft = st.passesLeft[kHuman];
            const int cards = st.handCount[kHuman];
            QVERIFY2(++enters < 500, "Enter alone makes no progress");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            // Every Enter makes a legal move (the joker's selection is the first half of one).
            QVERIFY(snapshot(st) != before);
            if (st.selectedJokerSlot > 0)
                ++jokerSelections;
            else if (st.passesLeft[kHuman] < passesLeft)
                ++passes;
            else if (st.handCount[kHuman] < cards)
                ++laid;
        }
        QVERIFY2(results, "no results window");
        QCOMPARE(results->windowTitle(), signedLabel(game) + QStringLiteral(" 回戦終了"));
        // Esc leaves the results window open; Enter goes on to the next game.
        QTRY_VERIFY(acceptsInput(results));
        QPointer<ResultsWindow> window = results;
        QTest::keyClick(results, Qt::Key_Escape);
        QVERIFY(window && window->isVisible());
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == results ? focus : results, Qt::Key_Return);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(st.gameNumber, game + 1);
    }
    qInfo("Enter alone: %d cards laid, %d joker selections, %d passes", laid, jokerSelections,
          passes);
    QVERIFY(laid > 0);
    QVERIFY(passes > 0);
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
