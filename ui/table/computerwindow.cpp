// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table/computerwindow.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/observation.h"
#include "rules/passing.h"
#include "rules/search.h"
#include "rules/strength.h"
#include "ui/inputblock.h"
#include "ui/sound.h"
#include "ui/speeds.h"
#include "ui/table/boardwindow.h"
#include "ui/twips.h"

namespace plumet {

ComputerWindow::ComputerWindow(GameHost& host, int player, QWidget* parent)
    : PlayerWindow(host, player, kMaxHand, parent) {
    setObjectName(QStringLiteral("Form%1").arg(player + 3));
    thinkTimer_.setObjectName(QStringLiteral("Timer1"));
    thinkTimer_.setInterval(speeds::kPaceNormalMs);
    connect(&thinkTimer_, &QTimer::timeout, this, &ComputerWindow::thinkingDone);
    statusLabel(StatusLine::Status)->installEventFilter(this);
}

QString ComputerWindow::backFile() const {
    const QDir dir(QString::fromStdString(host_.state().backFolder));
    if (player() == 3) return dir.filePath(QStringLiteral("urat.bmp"));
    if (player() == 4 && QFileInfo::exists(dir.filePath(QStringLiteral("uray2.bmp"))))
        return dir.filePath(QStringLiteral("uray2.bmp"));
    return dir.filePath(QStringLiteral("uray.bmp"));
}

double ComputerWindow::cardWidth() const {
    return tw(picture(1)->width());
}
double ComputerWindow::cardHeight() const {
    return tw(picture(1)->height());
}

void ComputerWindow::stopTimers() {
    PlayerWindow::stopTimers();
    thinkTimer_.stop();
    search_.cancel();
    paceOver_ = false;
}

bool ComputerWindow::eventFilter(QObject* watched, QEvent* event) {
    // Player 3's hidden control: a double click on "パス" gives the human all three passes back.
    if (player() == 3 && watched == statusLabel(StatusLine::Status) &&
        event->type() == QEvent::MouseButtonDblClick)
        host_.state().passesLeft[kHuman] = 4;
    return PlayerWindow::eventFilter(watched, event);
}

void ComputerWindow::takeTurn() {
    if (host_.state().handCount[player()] <= 0) {
        host_.handoff(player());
        return;
    }
    setColour(kTurnColour);
    if (host_.options().strength == Strength::Strong) startSearch();
    const int pace = speeds::timing().paceMs;
    if (pace >= 0) thinkTimer_.setInterval(pace);
    thinkTimer_.start();
}

void ComputerWindow::startSearch() {
    // The one draw of the game's generator that the strong decision takes seeds the search,
    // which sees only what this player knows.
    const std::uint64_t seed = host_.random().bits();
    const Observation seen = observe(host_.state(), host_.rules(), player());
    search_.start(
        [this, seen, seed](const std::atomic<bool>& stop) {
            searched_ = searchMoves(seen, seed, gameSearchLimits(stop)).decision;
        },
        [this] {
            if (paceOver_) moveNow();
        });
}

void ComputerWindow::thinkingDone() {
    thinkTimer_.stop();
    if (search_.running()) {
        paceOver_ = true;
        return;
    }
    moveNow();
}

void ComputerWindow::moveNow() {
    paceOver_ = false;
    host_.play([this] { decideAndMove(); });
}

void ComputerWindow::decideAndMove() {
    GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int p = player();
    const Strength strength = host_.options().strength;
    const Decision d = strength == Strength::Strong
                           ? searched_
                           : computerDecision(s, rules, p, strength, host_.random());
    switch (d.kind) {
        case Decision::Kind::Joker:
            plumet::jokerMove(s, rules, p, s.handCount[p], d.slot, d.end, host_.view());
            host_.sound().voiceOrPause(voiceFile("babadasi"), p - 1);
            startExchange();
            return;
        case Decision::Kind::Lay:
            layCard(s, rules, p, d.slot, host_.view());
            host_.handoff(p);
            return;
        case Decision::Kind::Pass:
            pass();
            return;
    }
}

void ComputerWindow::pass() {
    plumet::passOrDropOut(host_.state(), player(), host_.view());
    setColour(kIdleColour);
    host_.handoff(player());
}

void ComputerWindow::showHand() {
    const int count = host_.state().handCount[player()];
    for (int i = 1; i <= count; ++i) picture(i)->setImageFile(backFile());
    layoutSlots(true);
    for (int i = count; i >= 1; --i) {
        picture(i)->show();
        picture(i)->prepare();
    }
}

bool ComputerWindow::holds(QSize inner, QSize card) const {
    const double room = labelRoom(card);
    if (runsDown())
        return card.width() <= inner.width() && tw(inner.height()) - room >= tw(card.height());
    return card.height() <= inner.height() && tw(inner.width()) - room >= tw(card.width());
}

void ComputerWindow::layoutSlots(bool spread) {
    const int count = host_.state().handCount[player()];
    const double w = cardWidth();
    const double h = cardHeight();
    const double length = runsDown() ? scaleHeight() : scaleWidth();
    const double card = runsDown() ? h : w;
    const double room = labelRoom(picture(1)->size());
    const bool overflow = count >= 2 && (count + 1) * card > length - room;
    for (int i = count; i >= 1; --i) {
        CardPicture* pic = picture(i);
        double along = tw(runsDown() ? pic->y() : pic->x());
        if ((spread || overflow) && count >= 2)
            along = room + (i - 1) * (length - room - card) / (count - 1);
        if (runsDown())
            pic->move(pxPoint((scaleWidth() - w) / 2, along));
        else
            pic->move(pxPoint(along, (scaleHeight() - h) / 2));
    }
}

void ComputerWindow::layoutHand() {
    if (host_.state().gameNumber == 0) return;
    layoutLabels();
    layoutSlots(false);
}

void ComputerWindow::cardsResized() {
    if (host_.state().gameNumber == 0) return;
    layoutLabels();
    layoutSlots(true);
}

void ComputerWindow::resizeEvent(QResizeEvent* event) {
    PlayerWindow::resizeEvent(event);
    if (fitCards())
        cardsResized();
    else
        layoutHand();
}

QPointF ComputerWindow::flightStart(int slot) const {
    const CardPicture* card = picture(slot);
    const double left = tw(card->x());
    const double top = tw(card->y()) - host_.window(3).outerHeight();
    switch (player()) {
        case 2:
            return {left + host_.board().outerWidth(), top};
        case 4:
            return {left - host_.window(4).outerWidth(), top};
        default:
            return {left, top};
    }
}

void ComputerWindow::restoreAfterFlight(CardPicture* hand, QPoint start) {
    // Every back looks the same, so the card goes back to its slot's place entirely.
    hand->move(start);
}

void ComputerWindow::afterLay(int card, int slot, LayOutcome outcome) {
    Q_UNUSED(card);
    Q_UNUSED(slot);
    const GameState& s = host_.state();
    const int before = outcome == LayOutcome::JokerLeft ? 2 : s.handCount[player()] + 1;
    picture(before)->hide();
    picture(before)->clearImage();
    host_.sound().play(QStringLiteral("dasu.wav"), SoundMode::Async, kNoVoice);
    setColour(kIdleColour);
    layoutSlots(false);
    if (outcome == LayOutcome::JokerLeft) {
        host_.sound().play(voiceFile("babamoti"), SoundMode::Sync, player() - 1);
        setAcceptsInput(picture(1), false);
        showPlaceLabels();
    } else if (outcome == LayOutcome::WentOut) {
        host_.sound().play(voiceFile("agari"), SoundMode::Sync, player() - 1);
        showPlaceLabels();
    }
}

void ComputerWindow::passed() {
    host_.sound().play(voiceFile("pass"), SoundMode::Sync, player() - 1);
    showPassesLeft();
}

void ComputerWindow::jokerReturned() {
    const int n = host_.state().handCount[player()];
    if (n >= 2) {
        picture(n)->copyImage(*picture(n - 1));
        // One step beyond the card before it; beside the holder's only card the step is one
        // card along the run, so that the returned joker does not hide behind that card.
        const QPoint step = n >= 3       ? picture(n - 1)->pos() - picture(n - 2)->pos()
                            : runsDown() ? QPoint(0, picture(1)->height())
                                         : QPoint(picture(1)->width(), 0);
        picture(n)->move(picture(n - 1)->pos() + step);
    } else {
        picture(n)->setImageFile(backFile());
    }
    picture(n)->show();
    layoutSlots(false);
}

}  // namespace plumet
