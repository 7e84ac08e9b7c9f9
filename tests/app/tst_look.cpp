// SPDX-License-Identifier: GPL-3.0-or-later
// The game's look in play, as a player sees it, with the game's own cards and window sizes:
// the windows look the same whether the human or a computer player is to move (input is
// blocked, nothing is greyed), blocked windows take no click, key or menu shortcut, and the
// status lines of the player windows fit their text and the windows at their default sizes.
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTest>

#include "app/japaneseui.h"
#include "common/modalanswers.h"
#include "gamefixture.h"
#include "rules/laying.h"

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
    for (int i = 1; i <= game.state().handCount[kHuman]; ++i)
        cards.append(picture(game.human().picture(i)));
    return cards;
}

}  // namespace

class TestLook : public QObject {
    Q_OBJECT

    QFont platformFont_;

  private slots:
    void initTestCase() {
        platformFont_ = QApplication::font();
        setUpJapaneseUi(*qApp);
    }
    void cleanup() { speeds::timing() = {0, 0, false}; }

    void computerTurnLooksAsHumanTurn();
    void blockedWindowsTakeNoInput();
    void statusLinesFit_data();
    void statusLinesFit();

  private:
    void statusLinesFitIn();
};

// The board, the hand's cards and the toolbar draw the same pixels during a computer player's
// turn as during the human's: red suits stay red, the toolbar keeps its colours. (The focus
// mark that the human's turn puts on one card shows whose turn it is, as the window's colour
// does; the card under it is compared without it.)
void TestLook::computerTurnLooksAsHumanTurn() {
    ShippedGame game;
    game.start(4);
    QVERIFY(game.waitForHuman(0) && game.humanToMove());
    const QImage board = picture(&game.session->board());
    const QImage toolbar = picture(game.main->toolbar());
    const int focus = game.human().focusSlot();
    QVERIFY(focus > 0);
    game.human().picture(focus)->setFocusMarked(false);
    const QList<QImage> hand = handCards(game);
    game.human().picture(focus)->setFocusMarked(true);

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
    QMdiSubWindow* board = game.main->boardFrame();
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
    for (int slot = 1; slot <= before.handCount[kHuman] + 1; ++slot) game.click(slot);
    QTest::keyClick(&game.human(), Qt::Key_Return);
    QTest::keyClick(game.main.get(), Qt::Key_F2);
    QTest::keyClick(game.main.get(), Qt::Key_G, Qt::AltModifier);
    QTest::mouseClick(game.main->toolButton(ToolButton::Start), Qt::LeftButton);  // START
    QTest::mouseClick(game.main->toolButton(ToolButton::End), Qt::LeftButton);    // END
    drag(board, {30, 20});
    QTest::qWait(20);
    QVERIFY2(answers.boxes.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    QVERIFY(!game.main->items().gameMenu->isVisible());
    QCOMPARE(game.state().hand, before.hand);
    QCOMPARE(game.state().passesLeft, before.passesLeft);
    QCOMPARE(game.state().gameNumber, before.gameNumber);
    QCOMPARE(game.state().selectedJokerSlot, before.selectedJokerSlot);
    QVERIFY(game.human().colour() != kTurnColour);
    QVERIFY(game.main->isVisible());
    QCOMPARE(board->pos(), place);
}

void TestLook::statusLinesFit_data() {
    QTest::addColumn<QString>("font");  // the UI font the windows are made in
    QTest::newRow("the game's Japanese UI font") << QString();
    QTest::newRow("the platform's font") << QStringLiteral("platform");
    QTest::newRow("Noto Sans CJK JP") << QStringLiteral("Noto Sans CJK JP");
}

// Every status line lies inside its window at the default window sizes and is as wide as its
// text, also once the game's end has written the new totals. Whatever the UI font, the lines
// are drawn in a size that fits.
void TestLook::statusLinesFit() {
    QFETCH(QString, font);
    const QFont game = QApplication::font();
    if (font == QLatin1String("platform")) {
        QApplication::setFont(platformFont_);
    } else if (!font.isEmpty()) {
        QFont other = game;
        other.setFamilies({font});
        QApplication::setFont(other);
    }
    const auto restore = qScopeGuard([game] { QApplication::setFont(game); });
    statusLinesFitIn();
}

void TestLook::statusLinesFitIn() {
    ShippedGame game;
    game.start(6);
    // The hand and the top window at the height the arrangement gives them at the least.
    for (int p : {1, 3}) QCOMPARE(game.session->window(p).height(), px(900));
    const auto verifyFit = [&game](const char* when) {
        for (int p = 1; p <= kPlayers; ++p) {
            const PlayerWindow& playerWindow = game.session->window(p);
            for (int k = 1; k <= 4; ++k) {
                const QLabel* label = playerWindow.statusLabel(static_cast<StatusLine>(k));
                const QString where = QStringLiteral("%1, %2 Label%3 \"%4\"")
                                          .arg(QLatin1String(when), playerWindow.objectName())
                                          .arg(k)
                                          .arg(label->text());
                QVERIFY2(playerWindow.rect().contains(label->geometry()), qPrintable(where));
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(where));
            }
        }
    };
    verifyFit("dealt");
    // The game played to its end: the totals change from " 0 点".
    GameState& s = game.state();
    while (game.gamesEnded == 0) {
        QVERIFY(game.waitForHuman(0));
        if (game.gamesEnded) break;
        int slot = s.handCount[kHuman] + 1;
        for (int i = 1; i <= s.handCount[kHuman]; ++i) {
            const int target = clickTarget(s, i);
            if (target >= 1 && target <= 8) {
                slot = i;
                break;
            }
        }
        game.click(slot);
    }
    QVERIFY(s.score[1] + s.score[2] + s.score[3] + s.score[4] > 0);
    verifyFit("scored");
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
