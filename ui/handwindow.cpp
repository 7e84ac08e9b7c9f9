#include "ui/handwindow.h"

#include <QDir>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <algorithm>

#include "rules/hint.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "ui/boardwindow.h"
#include "ui/inputblock.h"
#include "ui/sound.h"
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

void HandWindow::setFocusSlot(int slot) {
    const int count = host_.state().handCount[kHuman];
    focusSlot_ = std::clamp(slot, 1, count + 1);
    for (int i = 1; i <= pictureCount(); ++i)
        picture(i)->setFocusMarked(turn_ && count > 0 && i == focusSlot_);
}

int HandWindow::legalFocus() const {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int count = s.handCount[kHuman];
    if (s.selectedJokerSlot > 0) {
        for (int i = 1; i < count; ++i) {
            if (jokerEnd(s, rules, kHuman, i) > 0) return i;
        }
        return s.selectedJokerSlot;
    }
    for (int i = 1; i <= count; ++i) {
        if (fittingEnd(s, kHuman, i) > 0) return i;
    }
    if (count > 0 && s.hand[kHuman][count] == kJoker && jokerCanFree(s, rules, kHuman))
        return count;
    return count + 1;
}

void HandWindow::showHint() {
    const GameState& s = host_.state();
    if (!turn_ || s.gameNumber == 0 || s.handCount[kHuman] <= 0) return;
    clearHint();
    const Hint h = hint(s, host_.rules(), host_.hintRandom());
    picture(h.slot)->setHintMarked(true);
    if (h.kind == Hint::Kind::Joker) picture(h.jokerSlot)->setHintMarked(true);
}

void HandWindow::clearHint() {
    for (int i = 1; i <= pictureCount(); ++i) picture(i)->setHintMarked(false);
}

void HandWindow::keyPressEvent(QKeyEvent* event) {
    const GameState& s = host_.state();
    const int count = s.handCount[kHuman];
    // Keys with Ctrl, Alt or Meta belong to the menus.
    if (!turn_ || count <= 0 || (event->modifiers() & ~Qt::KeypadModifier) != 0) {
        PlayerWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            setFocusSlot(focusSlot_ - 1);
            break;
        case Qt::Key_Right:
            setFocusSlot(focusSlot_ + 1);
            break;
        case Qt::Key_Home:
            setFocusSlot(1);
            break;
        case Qt::Key_End:
            setFocusSlot(count + 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            keyClick(focusSlot_);
            break;
        case Qt::Key_J:
            if (s.hand[kHuman][count] == kJoker) keyClick(count);
            break;
        case Qt::Key_P:
            keyClick(count + 1);
            break;
        case Qt::Key_Escape:
            if (s.selectedJokerSlot > 0) keyClick(s.selectedJokerSlot);
            break;
        default:
            PlayerWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

void HandWindow::keyClick(int slot) {
    if (slot < 1 || slot > pictureCount() || !acceptsInput(picture(slot))) return;
    clickSlot(slot);
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
    const bool overflow = count > 0 && (count + 2) * w > scaleWidth() - 1000;
    for (int i = count + 1; i >= 1; --i) {
        CardPicture* card = picture(i);
        double left = tw(card->x());
        if (spread || overflow)
            left = 1000 + (i - 1) * (scaleWidth() - 1000 - w) / std::max(count, 1);
        card->move(pxPoint(left, baseTop()));
    }
}

bool HandWindow::holds(QSize inner, QSize card) const {
    // A lifted card's top, (SH - H) / 2 - 0.1 H, stays inside when the window is 1.2 card
    // heights high, to the pixel as the arrangement rounds that height.
    return inner.height() >= std::lround(1.2 * card.height()) &&
           tw(inner.width()) - 1000 >= tw(card.width());
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

void HandWindow::clickSlot(int i) {
    host_.play([this, i] { click(i); });
}

void HandWindow::click(int i) {
    GameState& s = host_.state();
    if (i > s.handCount[kHuman] + 1) return;
    setInput(false);
    if (i == s.handCount[kHuman] + 1) {
        setAcceptsInput(picture(i), false);
        host_.setDetectionAvailable(false);
        pass();
        return;
    }
    const int target = clickTarget(s, i);
    if (target == kJoker) {
        setInput(true);
        toggleJokerSelection(s, i);
        picture(i)->setImageFile(faceFile(s.selectedJokerSlot > 0 ? QStringLiteral("joker1.bmp")
                                                                  : QStringLiteral("joker.bmp")));
        // Selected: the focus goes to the first card the joker frees, so that the next Enter
        // makes the joker move; deselected: onto the move that exists, as at the turn's start.
        setFocusSlot(legalFocus());
        lowerAll();
        if (host_.options().detection) {
            if (s.selectedJokerSlot > 0)
                liftJokerTargets();
            else
                liftPlayable();
        }
        return;
    }
    if (s.selectedJokerSlot > 0) {
        jokerMove(i);
        return;
    }
    if (target == 0) {
        setInput(true);
        return;
    }
    host_.setDetectionAvailable(false);
    clearHint();
    layCard(s, host_.rules(), kHuman, i, host_.view());
    setInput(false);
    host_.handoff(kHuman);
}

void HandWindow::jokerMove(int slot) {
    GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int end = jokerEnd(s, rules, kHuman, slot);
    if (end == 0) {
        setInput(true);
        return;
    }
    setInput(false);
    host_.setDetectionAvailable(false);
    clearHint();
    plumet::jokerMove(s, rules, kHuman, s.selectedJokerSlot, slot, end, host_.view());
    host_.sound().voiceOrPause(voiceFile("babadasi"), kHuman - 1);
    startExchange();
}

void HandWindow::pass() {
    GameState& s = host_.state();
    if (lastPassRefused(s, host_.rules())) {
        setInput(true);
        setAcceptsInput(picture(s.handCount[kHuman] + 1), true);
        // A move exists: the focus goes onto it, so that Enter makes it.
        setFocusSlot(legalFocus());
        return;
    }
    clearHint();
    if (s.selectedJokerSlot > 0)
        picture(s.selectedJokerSlot)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    plumet::passOrDropOut(s, kHuman, host_.view());
    setInput(false);
    setColour(kIdleColour);
    host_.handoff(kHuman);
    setAcceptsInput(picture(s.handCount[kHuman] + 1), true);
}

void HandWindow::passed() {
    lowerAll();
    picture(host_.state().handCount[kHuman] + 1)->setImageFile(passCardFile());
    host_.sound().play(voiceFile("pass"), SoundMode::Sync, kHuman - 1);
    showPassesLeft();
}

void HandWindow::droppedOut() {
    picture(1)->hide();
    picture(1)->clearImage();
    PlayerWindow::droppedOut();
}

QPointF HandWindow::flightStart(int slot) const {
    const CardPicture* card = picture(slot);
    return {tw(card->x()), tw(card->y()) + host_.board().outerHeight()};
}

void HandWindow::restoreAfterFlight(CardPicture* hand, QPoint start) {
    hand->move(start.x(), hand->y());  // the next lowerAll puts its height back
}

void HandWindow::afterLay(int card, int slot, LayOutcome outcome) {
    Q_UNUSED(card);
    const GameState& s = host_.state();
    lowerAll();
    // The hand closes up: each picture after the slot moves one slot left, the pass card too.
    const int before = outcome == LayOutcome::JokerLeft ? 2 : s.handCount[kHuman] + 1;
    for (int j = slot; j <= before; ++j) picture(j)->copyImage(*picture(j + 1));
    picture(before + 1)->hide();
    picture(before + 1)->clearImage();
    host_.sound().play(QStringLiteral("dasu.wav"), SoundMode::Async, kNoVoice);
    setColour(kIdleColour);
    layoutSlots(false);
    if (outcome == LayOutcome::JokerLeft) {
        host_.sound().play(voiceFile("babamoti"), SoundMode::Sync, kHuman - 1);
        setAcceptsInput(picture(1), false);
        setAcceptsInput(picture(2), false);
        showPlaceLabels();
    } else if (outcome == LayOutcome::WentOut) {
        picture(1)->hide();
        picture(1)->clearImage();
        showPlaceLabels();
        host_.sound().play(voiceFile("agari"), SoundMode::Sync, kHuman - 1);
    }
}

void HandWindow::jokerReturned() {
    const int n = host_.state().handCount[kHuman];
    picture(n + 1)->setImageFile(passCardFile());
    picture(n + 1)->move(picture(n)->x() + (picture(n)->x() - picture(std::max(n - 1, 1))->x()),
                         px(baseTop()));
    picture(n + 1)->show();
    picture(n)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    layoutSlots(false);
}

}  // namespace plumet
