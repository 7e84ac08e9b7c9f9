// The game's look in play, as a player sees it, with the game's own cards and window sizes:
// the windows look the same whether the human or a computer player is to move (input is
// blocked, nothing is greyed), and blocked windows take no click, key or menu shortcut.
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "common/modalanswers.h"
#include "gamefixture.h"

using namespace plumet;
using plumet::test::Game;

namespace {

// A game on the game's own data folder, silent.
struct ShippedGame : Game {
    ShippedGame() : Game(QStringLiteral(PLUMET_BUILD_DATA_DIR)) { main->setSoundOn(false); }
};

// Drags a child window by its title bar.
void drag(QMdiSubWindow* window, QPoint by) {
    const QPoint title(window->width() / 2, window->contentsMargins().top() / 2);
    QTest::mouseMove(window, title);  // the frame learns what lies under the pointer
    QTest::mousePress(window, Qt::LeftButton, {}, title);
    QTest::mouseMove(window, title + by);
    QTest::mouseRelease(window, Qt::LeftButton, {}, title + by);
}

QImage picture(QWidget* widget) {
    return widget->grab().toImage();
}

// The cards of the hand as they are drawn, pass card excluded.
QList<QImage> handCards(Game& game) {
    QList<QImage> cards;
    for (int i = 1; i <= game.state().handcount[kHuman]; ++i)
        cards.append(picture(game.human().picture(i)));
    return cards;
}

}  // namespace

class TestLook : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { speeds::timing() = {0, 0, false}; }

    void computerTurnLooksAsHumanTurn();
    void blockedWindowsTakeNoInput();
};

// The board, the hand's cards and the toolbar draw the same pixels during a computer player's
// turn as during the human's: red suits stay red, the toolbar keeps its colours.
void TestLook::computerTurnLooksAsHumanTurn() {
    ShippedGame game;
    game.start(4);
    QVERIFY(game.waitForHuman(0) && game.humanToMove());
    const QImage board = picture(&game.session->board());
    const QImage toolbar = picture(game.main->toolbar());
    const QList<QImage> hand = handCards(game);

    QVERIFY(game.toComputerTurn());
    QVERIFY(!acceptsInput(game.main.get()));
    QVERIFY(!acceptsInput(&game.human()));
    QCOMPARE(picture(&game.session->board()), board);
    QCOMPARE(picture(game.main->toolbar()), toolbar);
    QCOMPARE(handCards(game), hand);
}

// During a computer player's turn a click on the hand, a key, the toolbar, F2 and a drag of a
// child window's frame do nothing; during the human's turn F2 asks for a new game and the
// frame moves.
void TestLook::blockedWindowsTakeNoInput() {
    ShippedGame game;
    game.start(4);
    QVERIFY(game.waitForHuman(0) && game.humanToMove());
    QVERIFY(QTest::qWaitForWindowActive(game.main.get()));
    QMdiSubWindow* board = game.main->child(2);
    const QPoint place = board->pos();
    drag(board, {30, 20});
    QVERIFY(board->pos() != place);
    board->move(place);
    {
        ModalAnswers answers;
        answers.box(QMessageBox::Cancel);
        QTest::keyClick(game.main.get(), Qt::Key_F2);
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("新規ゲーム？"));
    }

    QVERIFY(game.toComputerTurn());
    const GameState before = game.state();
    ModalAnswers answers;  // any message box would be a fault
    for (int slot = 1; slot <= before.handcount[kHuman] + 1; ++slot) game.click(slot);
    QTest::keyClick(&game.human(), Qt::Key_Return);
    QTest::keyClick(game.main.get(), Qt::Key_F2);
    QTest::keyClick(game.main.get(), Qt::Key_G, Qt::AltModifier);
    QTest::mouseClick(game.main->image(1), Qt::LeftButton);  // START
    QTest::mouseClick(game.main->image(7), Qt::LeftButton);  // END
    drag(board, {30, 20});
    QTest::qWait(20);
    QVERIFY2(answers.boxes.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    QVERIFY(!game.main->items().mnugame->isVisible());
    QCOMPARE(game.state().hand, before.hand);
    QCOMPARE(game.state().passleft, before.passleft);
    QCOMPARE(game.state().gameno, before.gameno);
    QCOMPARE(game.state().selslot, before.selslot);
    QVERIFY(game.human().colour() != kTurnColour);
    QVERIFY(game.main->isVisible());
    QCOMPARE(board->pos(), place);
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
