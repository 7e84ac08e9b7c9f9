// SPDX-License-Identifier: GPL-3.0-or-later
// Input that arrives while the game takes none: keys and clicks that reach the program during a
// computer player's move (a synchronous voice, the sound-off pause, a card flight) are dropped
// in the wait they came in, never kept for later, when the human's turn may have begun. The input
// comes as the windowing system delivers it, queued for the event loop, not sent straight to a
// widget as QTest sends it.
#include <qpa/qwindowsysteminterface.h>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <functional>

#include "common/wavefile.h"
#include "data/store.h"
#include "tablefixture.h"

using namespace plumet;
using plumet::test::Game;
using plumet::test::Seat;

namespace {

constexpr int kGapCard = 8;  // the 8 of spades: player 2 holds it, player 4's joker takes its place

enum class Wait { Voice, Pause, Flight };
enum class Input { Enter, Click };

// Queues `input` for the main window as the windowing system would: the event loop delivers
// it when it next takes user input. A click goes to the middle of the human's first card.
void queue(Game& game, Input input) {
    QWindow* window = game.main->windowHandle();
    if (input == Input::Enter) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window, type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        }
        return;
    }
    const CardPicture* card = game.human().picture(1);
    const QPointF local = card->mapTo(game.main.get(), card->rect().center());
    const QPointF global = card->mapToGlobal(card->rect().center());
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

// Counts the keys and mouse buttons that reach a widget while `counting` says so.
class EventCounter : public QObject {
  public:
    EventCounter(std::function<bool()> counting, int& count)
        : counting_(std::move(counting)), count_(count) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched->isWidgetType() &&
            (type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
             type == QEvent::MouseButtonRelease) &&
            counting_())
            ++count_;
        return false;
    }

  private:
    std::function<bool()> counting_;
    int& count_;
};

}  // namespace

Q_DECLARE_METATYPE(Wait)
Q_DECLARE_METATYPE(Input)

class LateInputTest : public QObject {
    Q_OBJECT
  private slots:
    void droppedDuringComputerMove_data();
    void droppedDuringComputerMove();
    void closeQuestionDuringAWait();
};

void LateInputTest::droppedDuringComputerMove_data() {
    QTest::addColumn<Wait>("wait");
    QTest::addColumn<Input>("input");
    const struct {
        Wait wait;
        const char* name;
    } waits[] = {{Wait::Voice, "pass voice"},
                 {Wait::Pause, "sound-off pause"},
                 {Wait::Flight, "gap card's flight"}};
    for (const auto& w : waits) {
        QTest::addRow("Enter during the %s", w.name) << w.wait << Input::Enter;
        QTest::addRow("click during the %s", w.name) << w.wait << Input::Click;
    }
}

// The human holds the 9 of clubs, ready to be laid by Enter or by a click the moment the turn
// comes. Before it, a computer player moves, and the input comes while it waits:
// - voice: player 4 passes (sound on: its line is a synchronous voice), then the human's turn
//   starts at once;
// - pause and flight: player 4 has laid the joker in the place of the 8 of spades to free its
//   9; in the exchange player 2 lays the 8 (with sound off the exchange first pauses until the
//   clock's next second; then the 8 flies), then the human's turn starts.
// Nothing of the input may reach a window after the wait it came in: not the rest of the move,
// not the human's turn.
void LateInputTest::droppedDuringComputerMove() {
    QFETCH(Wait, wait);
    QFETCH(Input, input);
    const bool exchange = wait != Wait::Voice;
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = {cardCode(2, 9), cardCode(2, 12)};
    seats[2].hand = {kGapCard, cardCode(0, 12), cardCode(1, 13)};
    seats[3].hand = {cardCode(2, 10)};
    seats[4].hand = exchange ? QList<int>{9, 11, kJoker} : QList<int>{cardCode(0, 11)};
    Game game;
    if (wait == Wait::Voice) {
        // Player 4's line: "pass4.wav", or in a female voice "wass4.wav", each falling back
        // to the name without the player's digit.
        for (const char* file : {"pass.wav", "wass.wav"})
            plumet::test::writeWave(QDir(game.data.path()).filePath(QLatin1String(file)), 200);
    }
    speeds::timing().paceMs = 1000000;  // no computer turn starts by itself
    plumet::test::setTable(game, JokerMode::Once, seats);
    game.main->setSoundOn(wait == Wait::Voice);
    Session& session = *game.session;
    GameState& s = game.state();
    const int cards = s.handCount[kHuman];
    auto& mover = static_cast<ComputerWindow&>(session.window(4));
    if (exchange) {
        // Player 4's move: the joker and the 9; the exchange waits on its timer.
        mover.takeTurn();
        mover.thinkingDone();
        QCOMPARE(s.onBoard[9], 1);
        QVERIFY(mover.exchangeTimer().isActive());
    }

    // Input that reaches a window once the wait it came in is over.
    bool waitOver = false;
    int late = 0;
    EventCounter counter([&] { return waitOver || game.humanToMove(); }, late);
    int sent = 0;
    const auto send = [&game, &sent, input] {
        if (sent++ == 0) queue(game, input);
    };
    speeds::timing().secondPause = wait == Wait::Pause;
    QMetaObject::Connection during;
    if (wait == Wait::Flight) {
        session.frameHook = [&session, &send](const QWidget* card, double k) {
            if (k == 1 && card == session.board().picture(kGapCard)) send();
        };
    } else {
        during = QObject::connect(&session.loops(), &NestedLoops::waiting, send);
        // After the pause comes the 8's flight.
        session.frameHook = [&session, &waitOver](const QWidget* card, double) {
            if (card == session.board().picture(kGapCard)) waitOver = true;
        };
    }
    if (exchange) {
        QTRY_COMPARE(s.onBoard[kGapCard], 1);  // the exchange is over
    } else {
        mover.takeTurn();
        mover.thinkingDone();
        QCOMPARE(s.passesLeft[4], 3);
    }
    session.frameHook = nullptr;
    QObject::disconnect(during);
    QCOMPARE(sent, 1);
    QVERIFY(game.humanToMove());

    // The event loop takes user input again: nothing of what came during the move is left.
    QTest::qWait(50);
    QCOMPARE(s.onBoard[cardCode(2, 9)], 0);
    QCOMPARE(s.handCount[kHuman], cards);
    QCOMPARE(late, 0);
    QCOMPARE(s.passesLeft[kHuman], 4);
    QVERIFY(game.humanToMove());
    // And what the human does now counts.
    queue(game, input);
    QTRY_COMPARE(s.onBoard[cardCode(2, 9)], 1);
    QCOMPARE(s.handCount[kHuman], cards - 1);
}

// The main window closed during a wait (a voice) asks "終了？" as ever, and the player's click
// answers it: the question is the one window that takes input then.
void LateInputTest::closeQuestionDuringAWait() {
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = {cardCode(2, 9)};
    seats[2].hand = {kGapCard};
    seats[3].hand = {cardCode(2, 10)};
    seats[4].hand = {cardCode(0, 11)};
    Game game;
    for (const char* file : {"pass.wav", "wass.wav"})
        plumet::test::writeWave(QDir(game.data.path()).filePath(QLatin1String(file)), 300);
    Store store;
    game.main->setStore(&store);
    speeds::timing().paceMs = 1000000;
    plumet::test::setTable(game, JokerMode::Once, seats);
    game.main->setSoundOn(true);
    Session& session = *game.session;
    auto& mover = static_cast<ComputerWindow&>(session.window(4));

    // During player 4's pass voice the main window is closed; the question gets a click on
    // "キャンセル" (sent as a click, through the input filter).
    QString asked;
    bool clicked = false;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        asked = box->windowTitle();
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        QObject::connect(cancel, &QAbstractButton::clicked, [&clicked] { clicked = true; });
        QTest::mouseClick(cancel, Qt::LeftButton);
        if (box->isVisible()) box->reject();  // the click did not reach it
    });
    QMetaObject::Connection during =
        QObject::connect(&session.loops(), &NestedLoops::waiting, [&game, &answer] {
            answer.start();
            QTimer::singleShot(0, game.main.get(), [&game] { game.main->close(); });
        });
    mover.takeTurn();
    mover.thinkingDone();
    QObject::disconnect(during);
    QCOMPARE(asked, QStringLiteral("終了？"));
    QVERIFY(clicked);
    // Cancelled: the game goes on, the human to move.
    QVERIFY(game.main->isVisible());
    QVERIFY(!session.closing());
    QCOMPARE(game.state().passesLeft[4], 3);
    QVERIFY(game.humanToMove());
}

QTEST_MAIN(LateInputTest)
#include "tst_lateinput.moc"
