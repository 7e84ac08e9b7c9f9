// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>

#include "app/mainwindow.h"
#include "rules/deal.h"
#include "rules/turn.h"
#include "ui/inputblock.h"
#include "ui/labeltext.h"
#include "ui/speeds.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"

namespace plumet {

// Shows the moves the rules make on the windows of the players who make them, and counts the
// human's passes.
class WindowView : public MoveView {
  public:
    explicit WindowView(Session& session) : s_(session) {}
    void beforeLay(int player, int card, int slot) override {
        s_.window(player).cardFlight(card, slot);
    }
    void afterLay(int player, int card, int slot, LayOutcome outcome) override {
        s_.window(player).afterLay(card, slot, outcome);
    }
    void beforeJokerFlight(int player, int gapCard) override {
        s_.window(player).jokerFlight(gapCard);
    }
    void passed(int player) override {
        if (player == kHuman) ++s_.humanPasses_;
        s_.window(player).passed();
    }
    void droppingOut(int player) override { s_.window(player).droppingOut(); }
    void droppedOut(int player) override { s_.window(player).droppedOut(); }
    void jokerReturned(int holder) override { s_.window(holder).jokerReturned(); }
    void beforeExchange(int holder) override { s_.window(holder).beforeExchange(); }

  private:
    Session& s_;
};

Session::Session()
    : random_(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())),
      sound_(
          state_, [this] { return options_.sound; }, loops_),
      view_(std::make_unique<WindowView>(*this)) {}

Session::~Session() = default;

void Session::setWindows(MainWindow* main, BoardWindow* board, HandWindow* human,
                         std::array<ComputerWindow*, 3> computers) {
    main_ = main;
    board_ = board;
    human_ = human;
    computers_ = computers;
}

PlayerWindow& Session::window(int player) {
    if (player == kHuman) return *human_;
    return *computers_.at(player - 2);
}

MoveView& Session::view() {
    return *view_;
}

void Session::play(const std::function<void()>& move) {
    if (closing()) return;
    ++moveDepth_;
    try {
        move();
    } catch (const MoveInterrupted&) {
        // The program is closing: the move stops where it is; nothing of it is kept.
    } catch (const RuleFault& fault) {
        // A rule found the game in a state the rules never produce: the game cannot go on.
        if (!fault_) fault_ = QString::fromUtf8(fault.what());
    }
    --moveDepth_;
    // A move run from inside another's event loop leaves the game to the outermost one.
    if (moveDepth_ == 0 && fault_ && !closing()) {
        const QString what = *fault_;
        fault_.reset();
        abandonAfterFault(what);
    }
}

void Session::abandonAfterFault(const QString& what) {
    // Nothing moves on while the player reads the message.
    for (int p = 1; p <= kPlayers; ++p) window(p).stopTimers();
    for (ComputerWindow* playerWindow : computers_) playerWindow->thinkTimer().stop();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ゲームの中断"),
                    QStringLiteral("ゲームの進行に矛盾が見つかったため、\n"
                                   "このゲームを中止して初期画面に戻ります。\n"
                                   "保存されているデータは変わりません。"),
                    QMessageBox::Ok, main_);
    box.setDetailedText(what);
    box.exec();
    clearTable();
    main_->abandonMatch();
}

void Session::startGame() {
    play([this] {
        GameState& s = state_;
        deal(s, rules(), random_);
        humanPasses_ = 0;
        for (int c = 1; c <= kJoker; ++c) board_->picture(c)->hide();
        for (int p = 1; p <= kPlayers; ++p) window(p).prepareDeal();
        for (int p : {2, 3, 4, 1}) main_->playerFrame(p)->show();
        main_->boardFrame()->show();
        setAcceptsInput(main_, false);
        setAcceptsInput(human_, false);
        setHintAvailable(false);
        main_->setWindowTitle(QStringLiteral("カドリオ   －") + signedLabel(s.gameNumber) +
                              QStringLiteral(" 回戦 － （ ") + main_->groupName() +
                              QStringLiteral(" ）   コンピュータ：") +
                              strengthCaption(options_.strength));
        board_->layoutCards();
        for (int p = 1; p <= kPlayers; ++p) window(p).showHand();
        laySevens(s, view());
        main_->show();
        main_->captionTimer().start();
        board_->setWindowTitle(board_->windowTitle() + QStringLiteral("   ") +
                               window(s.firstPlayer).windowTitle() +
                               QStringLiteral(" からスタート"));
        window(s.firstPlayer).takeTurn();
    });
}

void Session::handoff(int player) {
    // nextToMove also ends the game when a dropped-out player's dump laid the last card.
    const int next = nextToMove(state_, player);
    if (next == 0)
        board_->endGame();
    else
        window(next).takeTurn();
}

void Session::showResults(bool matchOver) {
    if (results) results(matchOver);
}

void Session::setMainInput(bool enabled) {
    setAcceptsInput(main_, enabled);
}

void Session::activateMain() {
    main_->activateWindow();
    // The keys of the turn (arrows, Enter, J, P, Esc) go to the hand.
    human_->setFocus(Qt::OtherFocusReason);
}

void Session::setDetectionAvailable(bool available) {
    main_->items().detection->setEnabled(available);
}

void Session::setHintAvailable(bool available) {
    main_->items().hint->setEnabled(available);
}

void Session::showBoardNotice(const QString& notice) {
    board_->setWindowTitle(QString::fromUtf8(kBoardCaption) + QStringLiteral("   ") + notice);
    main_->captionTimer().start();
}

void Session::clearTable() {
    for (int p = 1; p <= kPlayers; ++p) main_->playerFrame(p)->hide();
    // The board's cards go one at a time in random order; deck lists those still shown.
    std::vector<int> shown;
    for (int r = 1; r <= 52; ++r) {
        if (state_.deck[r] != 0) shown.push_back(r);
    }
    while (!shown.empty()) {
        const int i = random_.below(static_cast<int>(shown.size()));
        board_->picture(shown[i])->hide();
        state_.deck[shown[i]] = 0;
        shown.erase(shown.begin() + i);
    }
    main_->boardFrame()->hide();
    for (ComputerWindow* playerWindow : computers_) playerWindow->thinkTimer().stop();
}

void Session::flightFrame(const QWidget* card, double k, int frame, const QElapsedTimer& clock) {
    if (frameHook) frameHook(card, k);
    const int interval = speeds::timing().frameMs;
    const qint64 wait = qint64(frame) * interval - clock.elapsed();
    if (interval <= 0 || wait <= 0) {
        loops_.yield();
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(wait));
    loops_.run(loop);
}

void Session::requestQuit() {
    if (closing()) return;
    for (int p = 1; p <= kPlayers; ++p) window(p).stopTimers();
    if (main_) main_->captionTimer().stop();
    loops_.close();
}

}  // namespace plumet
