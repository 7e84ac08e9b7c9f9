// SPDX-License-Identifier: GPL-3.0-or-later
// The close request, as the window manager sends it, in the middle of a move: the program
// ends cleanly, every wait returns, no timer stays armed and no turn moves on.
#include <QCloseEvent>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>

#include "common/wavefile.h"
#include "gamefixture.h"

using namespace plumet;
using plumet::test::Game;

namespace {

void requestClose(QWidget* window, int afterMs) {
    QTimer::singleShot(afterMs, window, [window] {
        QCoreApplication::postEvent(window->windowHandle(), new QCloseEvent);
    });
}

// Runs the application until it quits; a watchdog ends a hang with 99.
int runToQuit() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    return QCoreApplication::exec();
}

void verifyQuiet(Game& game) {
    QVERIFY(game.session->closing());
    QVERIFY(!game.main->isVisible());
    QVERIFY(!game.main->captionTimer().isActive());
    for (int p = 1; p <= kPlayers; ++p)
        QVERIFY(!game.session->window(p).exchangeTimer().isActive());
    for (ComputerWindow* playerWindow : game.session->computers())
        QVERIFY(!playerWindow->thinkTimer().isActive());
}

}  // namespace

class ClosingTest : public QObject {
    Q_OBJECT
  private slots:
    void duringCardFlight();
    void duringSynchronousVoice();
    void whileComputerTimerArmed();
};

void ClosingTest::duringCardFlight() {
    Game game;
    speeds::timing().frameMs = 20;
    game.state().flightFrames = 121;  // each seven flies for about 2.4 seconds
    QTimer::singleShot(0, game.main.get(), [&game] { game.start(5); });
    requestClose(game.main.get(), 300);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(runToQuit(), 0);
    QVERIFY(clock.elapsed() < 2000);
    verifyQuiet(game);
    QVERIFY(game.human().colour() != kTurnColour);  // no turn began
}

void ClosingTest::duringSynchronousVoice() {
    QTemporaryDir data;
    test::writeWave(data.filePath("pass1.wav"), 3000);
    test::writeWave(data.filePath("wass1.wav"), 3000);
    Game game(data.path());
    game.start(2);
    QVERIFY(game.waitForHuman(0));
    const int passes = game.state().passesLeft[kHuman];
    const auto counts = game.state().handCount;
    QTimer::singleShot(0, game.main.get(),
                       [&game] { game.click(game.state().handCount[kHuman] + 1); });
    requestClose(game.main.get(), 300);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(runToQuit(), 0);
    QVERIFY(clock.elapsed() < 2000);  // the voice's wait ended at once
    QCOMPARE(game.state().passesLeft[kHuman], passes - 1);
    QCOMPARE(game.state().handCount, counts);  // the voice held the turn until the close
    verifyQuiet(game);
    for (ComputerWindow* playerWindow : game.session->computers())
        QCOMPARE(playerWindow->colour(), kIdleColour);
}

void ClosingTest::whileComputerTimerArmed() {
    Game game;
    speeds::timing().paceMs = 5000;
    game.start(4);
    for (int spin = 0; spin < 100 && !game.session->computers()[0]->thinkTimer().isActive() &&
                       !game.session->computers()[1]->thinkTimer().isActive() &&
                       !game.session->computers()[2]->thinkTimer().isActive();
         ++spin) {
        if (game.humanToMove()) {
            // Pass, so that a computer player's turn comes.
            game.click(game.state().handCount[kHuman] + 1);
        }
        QTest::qWait(5);
    }
    const auto before = game.state().hand;
    requestClose(game.main.get(), 0);
    QCOMPARE(runToQuit(), 0);
    verifyQuiet(game);
    QCOMPARE(game.state().hand, before);  // no computer move after the close
}

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
