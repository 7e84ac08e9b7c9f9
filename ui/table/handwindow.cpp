// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table/handwindow.h"

#include <QDir>
#include <algorithm>
#include <cmath>

#include "rules/joker.h"
#include "rules/laying.h"
#include "ui/inputblock.h"
#include "ui/table/boardwindow.h"
#include "ui/twips.h"

namespace plumet {

HandWindow::HandWindow(GameHost& host, QWidget* parent) : PlayerWindow(host, kHuman, 16, parent) {
    setObjectName(QStringLiteral("Form4"));
    // The keys of the turn come here (the main window gives the hand the keyboard when the
    // turn arrives; a click on a card gives it too).
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 1; i <= pictureCount(); ++i)
        connect(picture(i), &CardPicture::clicked, this, [this, i] { clickSlot(i); });
}

QString HandWindow::faceFile(const QString& name) const {
    return QDir(QString::fromStdString(host_.state().handFaceFolder)).filePath(name);
}

QString HandWindow::passCardFile() const {
    return faceFile(QStringLiteral("ps%1.bmp").arg(host_.state().passesLeft[kHuman]));
}

double HandWindow::cardWidth() const {
    return tw(picture(1)->width());
}
double HandWindow::cardHeight() const {
    return tw(picture(1)->height());
}
double HandWindow::baseTop() const {
    return (scaleHeight() - cardHeight()) / 2 + cardHeight() * 0.1;
}

void HandWindow::setInput(bool enabled) {
    setAcceptsInput(this, enabled);
    host_.setMainInput(enabled);
    host_.setHintAvailable(enabled);
    // The focus mark shows while the human is to move.
    turn_ = enabled;
    setFocusSlot(focusSlot_);
}

void HandWindow::takeTurn() {
    if (host_.state().handCount[kHuman] <= 0) {
        host_.handoff(kHuman);
        return;
    }
    clearHint();
    focusSlot_ = legalFocus();
    setInput(true);
    host_.activateMain();
    setColour(kTurnColour);
    host_.setDetectionAvailable(true);
    if (host_.options().detection) liftPlayable();
}

void HandWindow::showHand() {
    const GameState& s = host_.state();
    const int count = s.handCount[kHuman];
    turn_ = false;
    setFocusSlot(1);
    clearHint();
    for (int i = 1; i <= count + 1; ++i) setAcceptsInput(picture(i), true);
    for (int i = 1; i <= count; ++i)
        picture(i)->setImageFile(faceFile(QString::fromStdString(cardFileName(s.hand[kHuman][i]))));
    picture(count + 1)->setImageFile(passCardFile());
    layoutSlots(true);
    for (int i = 1; i <= count + 1; ++i) {
        picture(i)->show();
        picture(i)->prepare();
    }
}

void HandWindow::reloadHand() {
    const GameState& s = host_.state();
    const int count = s.handCount[kHuman];
    picture(count + 1)->setImageFile(passCardFile());
    for (int i = count; i >= 1; --i)
        picture(i)->setImageFile(faceFile(QString::fromStdString(cardFileName(s.hand[kHuman][i]))));
}

void HandWindow::layoutSlots(bool spread) {
    const int count = host_.state().handCount[kHuman];
    const double w = cardWidth();
    const double room = labelRoom(picture(1)->size());
    const bool overflow = count > 0 && (count + 2) * w > scaleWidth() - room;
    for (int i = count + 1; i >= 1; --i) {
        CardPicture* card = picture(i);
        double left = tw(card->x());
        if (spread || overflow)
            left = room + (i - 1) * (scaleWidth() - room - w) / std::max(count, 1);
        card->move(pxPoint(left, baseTop()));
    }
}

bool HandWindow::holds(QSize inner, QSize card) const {
    // A lifted card's top, (SH - H) / 2 - 0.1 H, stays inside when the window is 1.2 card
    // heights high, to the pixel as the arrangement rounds that height.
    return inner.height() >= std::lround(1.2 * card.height()) &&
           tw(inner.width()) - labelRoom(card) >= tw(card.width());
}

void HandWindow::layoutHand() {
    relayout(false);
}

void HandWindow::cardsResized() {
    relayout(true);
}

void HandWindow::relayout(bool spread) {
    if (host_.state().gameNumber == 0) return;
    layoutLabels();
    layoutSlots(spread);
    if (host_.options().detection) {
        if (host_.state().selectedJokerSlot > 0)
            liftJokerTargets();
        else
            liftPlayable();
    }
}

void HandWindow::resizeEvent(QResizeEvent* event) {
    PlayerWindow::resizeEvent(event);
    if (fitCards())
        cardsResized();
    else
        layoutHand();
}

void HandWindow::lift(int slot) {
    CardPicture* card = picture(slot);
    card->move(card->x(), px(baseTop() - cardHeight() * 0.2));
}

void HandWindow::lowerAll() {
    for (int i = host_.state().handCount[kHuman] + 1; i >= 1; --i)
        picture(i)->move(picture(i)->x(), px(baseTop()));
}

void HandWindow::liftPlayable() {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    for (int i = 1; i <= s.handCount[kHuman]; ++i) {
        const int target = clickTarget(s, i);
        if ((target >= 1 && target <= 52) || (target == kJoker && jokerCanFree(s, rules, kHuman)))
            lift(i);
    }
}

void HandWindow::liftJokerTargets() {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int count = s.handCount[kHuman];
    for (int i = 1; i < count; ++i) {
        if (jokerEnd(s, rules, kHuman, i) > 0) lift(i);
    }
    lift(count);
}

QPointF HandWindow::flightStart(int slot) const {
    const CardPicture* card = picture(slot);
    return {tw(card->x()), tw(card->y()) + host_.board().outerHeight()};
}

void HandWindow::restoreAfterFlight(CardPicture* hand, QPoint start) {
    hand->move(start.x(), hand->y());  // the next lowerAll puts its height back
}

}  // namespace plumet
