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

Form4::Form4(GameHost& host, QWidget* parent) : PlayerForm(host, kHuman, 16, parent) {
    setObjectName(QStringLiteral("Form4"));
    // The keys of the turn come here (the main window gives the hand the keyboard when the
    // turn arrives; a click on a card gives it too).
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 1; i <= pictureCount(); ++i)
        connect(picture(i), &CardPicture::clicked, this, [this, i] { Picture1_Click(i); });
}

QString Form4::faceFile(const QString& name) const {
    return QDir(QString::fromStdString(host_.state().facedir)).filePath(name);
}

QString Form4::passCardFile() const {
    return faceFile(QStringLiteral("ps%1.bmp").arg(host_.state().passleft[kHuman]));
}

double Form4::cardWidth() const {
    return tw(picture(1)->width());
}
double Form4::cardHeight() const {
    return tw(picture(1)->height());
}
double Form4::baseTop() const {
    return (scaleHeight() - cardHeight()) / 2 + cardHeight() * 0.1;
}

void Form4::setInput(bool enabled) {
    setAcceptsInput(this, enabled);
    host_.setMainInput(enabled);
    host_.setHintAvailable(enabled);
    // The focus mark shows while the human is to move.
    turn_ = enabled;
    setFocusSlot(focusSlot_);
}

void Form4::setFocusSlot(int slot) {
    const int count = host_.state().handcount[kHuman];
    focusSlot_ = std::clamp(slot, 1, count + 1);
    for (int i = 1; i <= pictureCount(); ++i)
        picture(i)->setFocusMarked(turn_ && count > 0 && i == focusSlot_);
}

int Form4::legalFocus() const {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int count = s.handcount[kHuman];
    if (s.selslot > 0) {
        for (int i = 1; i < count; ++i) {
            if (hanteij(s, rules, kHuman, i) > 0) return i;
        }
        return s.selslot;
    }
    for (int i = 1; i <= count; ++i) {
        if (hantei1(s, kHuman, i) > 0) return i;
    }
    if (count > 0 && s.hand[kHuman][count] == kJoker && jokerCanFree(s, rules, kHuman))
        return count;
    return count + 1;
}

void Form4::showHint() {
    const GameState& s = host_.state();
    if (!turn_ || s.gameno == 0 || s.handcount[kHuman] <= 0) return;
    clearHint();
    const Hint h = hint(s, host_.rules(), host_.hintRandom());
    picture(h.slot)->setHintMarked(true);
    if (h.kind == Hint::Kind::Joker) picture(h.jokerSlot)->setHintMarked(true);
}

void Form4::clearHint() {
    for (int i = 1; i <= pictureCount(); ++i) picture(i)->setHintMarked(false);
}

void Form4::keyPressEvent(QKeyEvent* event) {
    const GameState& s = host_.state();
    const int count = s.handcount[kHuman];
    // Keys with Ctrl, Alt or Meta belong to the menus.
    if (!turn_ || count <= 0 || (event->modifiers() & ~Qt::KeypadModifier) != 0) {
        PlayerForm::keyPressEvent(event);
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
            if (s.selslot > 0) keyClick(s.selslot);
            break;
        default:
            PlayerForm::keyPressEvent(event);
            return;
    }
    event->accept();
}

void Form4::keyClick(int slot) {
    if (slot < 1 || slot > pictureCount() || !acceptsInput(picture(slot))) return;
    Picture1_Click(slot);
}

void Form4::ccck() {
    if (host_.state().handcount[kHuman] <= 0) {
        host_.handoff(kHuman);
        return;
    }
    clearHint();
    focusSlot_ = legalFocus();
    setInput(true);
    host_.activateMain();
    setColour(kTurnColour);
    host_.setDetectionAvailable(true);
    if (host_.options().detection) picup();
}

void Form4::showHand() {
    const GameState& s = host_.state();
    const int count = s.handcount[kHuman];
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

void Form4::reloadHand() {
    const GameState& s = host_.state();
    const int count = s.handcount[kHuman];
    picture(count + 1)->setImageFile(passCardFile());
    for (int i = count; i >= 1; --i)
        picture(i)->setImageFile(faceFile(QString::fromStdString(cardFileName(s.hand[kHuman][i]))));
}

void Form4::layoutSlots(bool spread) {
    const int count = host_.state().handcount[kHuman];
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

bool Form4::holds(QSize inner, QSize card) const {
    // A lifted card's top, (SH - H) / 2 - 0.1 H, stays inside when the window is 1.2 card
    // heights high, to the pixel as the arrangement rounds that height.
    return inner.height() >= std::lround(1.2 * card.height()) &&
           tw(inner.width()) - 1000 >= tw(card.width());
}

void Form4::risaizu() {
    relayout(false);
}

void Form4::cardsResized() {
    relayout(true);
}

void Form4::relayout(bool spread) {
    if (host_.state().gameno == 0) return;
    layoutLabels();
    layoutSlots(spread);
    if (host_.options().detection) {
        if (host_.state().selslot > 0)
            picupj();
        else
            picup();
    }
}

void Form4::resizeEvent(QResizeEvent* event) {
    PlayerForm::resizeEvent(event);
    if (fitCards())
        cardsResized();
    else
        risaizu();
}

void Form4::lift(int slot) {
    CardPicture* card = picture(slot);
    card->move(card->x(), px(baseTop() - cardHeight() * 0.2));
}

void Form4::seiretu() {
    for (int i = host_.state().handcount[kHuman] + 1; i >= 1; --i)
        picture(i)->move(picture(i)->x(), px(baseTop()));
}

void Form4::picup() {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    for (int i = 1; i <= s.handcount[kHuman]; ++i) {
        const int target = clickTarget(s, i);
        if ((target >= 1 && target <= 52) || (target == kJoker && jokerCanFree(s, rules, kHuman)))
            lift(i);
    }
}

void Form4::picupj() {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int count = s.handcount[kHuman];
    for (int i = 1; i < count; ++i) {
        if (hanteij(s, rules, kHuman, i) > 0) lift(i);
    }
    lift(count);
}

void Form4::Picture1_Click(int i) {
    host_.play([this, i] { click(i); });
}

void Form4::click(int i) {
    GameState& s = host_.state();
    if (i > s.handcount[kHuman] + 1) return;
    setInput(false);
    if (i == s.handcount[kHuman] + 1) {
        setAcceptsInput(picture(i), false);
        host_.setDetectionAvailable(false);
        ps();
        return;
    }
    const int target = clickTarget(s, i);
    if (target == kJoker) {
        setInput(true);
        toggleJokerSelection(s, i);
        picture(i)->setImageFile(
            faceFile(s.selslot > 0 ? QStringLiteral("joker1.bmp") : QStringLiteral("joker.bmp")));
        // Selected: the focus goes to the first card the joker frees, so that the next Enter
        // makes the joker move; deselected: onto the move that exists, as at the turn's start.
        setFocusSlot(legalFocus());
        seiretu();
        if (host_.options().detection) {
            if (s.selslot > 0)
                picupj();
            else
                picup();
        }
        return;
    }
    if (s.selslot > 0) {
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

void Form4::jokerMove(int slot) {
    GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int end = hanteij(s, rules, kHuman, slot);
    if (end == 0) {
        setInput(true);
        return;
    }
    setInput(false);
    host_.setDetectionAvailable(false);
    clearHint();
    plumet::jokerMove(s, rules, kHuman, s.selslot, slot, end, host_.view());
    host_.sound().voiceOrPause(voiceFile("babadasi"), kHuman - 1);
    jikan();
}

void Form4::ps() {
    GameState& s = host_.state();
    if (lastPassRefused(s, host_.rules())) {
        setInput(true);
        setAcceptsInput(picture(s.handcount[kHuman] + 1), true);
        // A move exists: the focus goes onto it, so that Enter makes it.
        setFocusSlot(legalFocus());
        return;
    }
    clearHint();
    if (s.selslot > 0) picture(s.selslot)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    plumet::ps(s, kHuman, host_.view());
    setInput(false);
    setColour(kIdleColour);
    host_.handoff(kHuman);
    setAcceptsInput(picture(s.handcount[kHuman] + 1), true);
}

void Form4::passed() {
    seiretu();
    picture(host_.state().handcount[kHuman] + 1)->setImageFile(passCardFile());
    host_.sound().playsound(voiceFile("pass"), SoundMode::Sync, kHuman - 1);
    showPassesLeft();
}

void Form4::droppedOut() {
    picture(1)->hide();
    picture(1)->clearImage();
    PlayerForm::droppedOut();
}

QPointF Form4::flightStart(int slot) const {
    const CardPicture* card = picture(slot);
    return {tw(card->x()), tw(card->y()) + host_.board().outerHeight()};
}

void Form4::restoreAfterFlight(CardPicture* hand, QPoint start) {
    hand->move(start.x(), hand->y());  // the next seiretu puts its height back
}

void Form4::afterLay(int card, int slot, LayOutcome outcome) {
    Q_UNUSED(card);
    const GameState& s = host_.state();
    seiretu();
    // The hand closes up: each picture after the slot moves one slot left, the pass card too.
    const int before = outcome == LayOutcome::JokerLeft ? 2 : s.handcount[kHuman] + 1;
    for (int j = slot; j <= before; ++j) picture(j)->copyImage(*picture(j + 1));
    picture(before + 1)->hide();
    picture(before + 1)->clearImage();
    host_.sound().playsound(QStringLiteral("dasu.wav"), SoundMode::Async, kNoVoice);
    setColour(kIdleColour);
    layoutSlots(false);
    if (outcome == LayOutcome::JokerLeft) {
        host_.sound().playsound(voiceFile("babamoti"), SoundMode::Sync, kHuman - 1);
        setAcceptsInput(picture(1), false);
        setAcceptsInput(picture(2), false);
        showPlaceLabels();
    } else if (outcome == LayOutcome::WentOut) {
        picture(1)->hide();
        picture(1)->clearImage();
        showPlaceLabels();
        host_.sound().playsound(voiceFile("agari"), SoundMode::Sync, kHuman - 1);
    }
}

void Form4::jokerReturned() {
    const int n = host_.state().handcount[kHuman];
    picture(n + 1)->setImageFile(passCardFile());
    picture(n + 1)->move(picture(n)->x() + (picture(n)->x() - picture(std::max(n - 1, 1))->x()),
                         px(baseTop()));
    picture(n + 1)->show();
    picture(n)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    layoutSlots(false);
}

}  // namespace plumet
