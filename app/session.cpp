#include "app/session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QTimer>

#include "rules/deal.h"
#include "ui/boardwindow.h"
#include "ui/computerwindow.h"
#include "ui/handwindow.h"
#include "rules/turn.h"
#include "app/mainwindow.h"
#include "ui/speeds.h"

namespace plumet {

namespace {

// Shows the moves the rules make on the windows of the players who make them.
class WindowView : public MoveView {
  public:
    explicit WindowView(Session& session) : s_(session) {}
    void beforeLay(int player, int card, int slot) override {
        s_.window(player)->cardFlight(card, slot);
    }
    void afterLay(int player, int card, int slot, LayOutcome outcome) override {
        s_.window(player)->afterLay(card, slot, outcome);
    }
    void beforeJokerFlight(int player, int gapCard) override {
        s_.window(player)->jokerFlight(gapCard);
    }
    void passed(int player) override { s_.window(player)->passed(); }
    void droppingOut(int player) override { s_.window(player)->droppingOut(); }
    void droppedOut(int player) override { s_.window(player)->droppedOut(); }
    void jokerReturned(int holder) override { s_.window(holder)->jokerReturned(); }
    void beforeExchange(int holder) override { s_.window(holder)->beforeExchange(); }

  private:
    Session& s_;
};

}  // namespace

QString signedText(int value) {
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}

Session::Session()
    : random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())),
      sound(state, [this] { return main && main->action("otoon")->isChecked(); }),
      view_(std::make_unique<WindowView>(*this)) {}

Session::~Session() = default;

PlayerForm* Session::window(int player) const {
    if (player == kHuman) return human;
    return computers.at(player - 2);
}

Rules Session::rules() const {
    return main->rules();
}

MoveView& Session::view() {
    return *view_;
}

void Session::startgame() {
    GameState& s = state;
    deal(s, rules(), random);
    for (int c = 1; c <= kJoker; ++c) board->picture(c)->hide();
    for (int p = 1; p <= kPlayers; ++p) window(p)->prepareDeal();
    for (int form : {5, 6, 7, 4, 2}) main->child(form)->show();
    main->setEnabled(false);
    human->setEnabled(false);
    main->setWindowTitle(QStringLiteral("カドリオ   －") + signedText(s.gameno) +
                         QStringLiteral(" 回戦 － （ ") + main->groupName() +
                         QStringLiteral(" ）"));
    board->layoutCards();
    for (int p = 1; p <= kPlayers; ++p) window(p)->showHand();
    laySevens(s, view());
    if (quitting_) return;
    main->show();
    main->timer1().start();
    board->setWindowTitle(board->windowTitle() + QStringLiteral("   ") +
                          window(s.firstplayer)->windowTitle() + QStringLiteral(" からスタート"));
    window(s.firstplayer)->ccck();
}

void Session::handoff(int player) {
    if (quitting_) return;
    // nextToMove also ends the game when a dropped-out player's dump laid the last card.
    const int next = nextToMove(state, player);
    if (next == 0)
        board->syoki();
    else
        window(next)->ccck();
}

void Session::clearTable() {
    for (int form : {4, 5, 6, 7}) main->child(form)->hide();
    // The board's cards go one at a time in random order; deck lists those still shown.
    std::vector<int> shown;
    for (int r = 1; r <= 52; ++r) {
        if (state.deck[r] != 0) shown.push_back(r);
    }
    while (!shown.empty()) {
        const int i = random.below(static_cast<int>(shown.size()));
        board->picture(shown[i])->hide();
        state.deck[shown[i]] = 0;
        shown.erase(shown.begin() + i);
    }
    main->child(2)->hide();
    for (ComputerForm* form : computers) form->timer1().stop();
}

void Session::frameWait(int frame, const QElapsedTimer& clock) {
    if (quitting_) return;
    const int interval = speeds::timing().frameMs;
    const qint64 wait = qint64(frame) * interval - clock.elapsed();
    if (interval <= 0 || wait <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(this, &Session::quitRequested, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(wait));
    loop.exec();
}

void Session::requestQuit() {
    if (quitting_) return;
    quitting_ = true;
    for (int p = 1; p <= kPlayers; ++p) window(p)->stopTimers();
    if (main) main->timer1().stop();
    sound.abort();
    emit quitRequested();
}

}  // namespace plumet
