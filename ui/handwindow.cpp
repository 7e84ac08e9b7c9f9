#include "ui/handwindow.h"

#include <QDir>
#include <QMdiSubWindow>

#include "ui/boardwindow.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "app/mainwindow.h"
#include "app/session.h"
#include "ui/twips.h"

namespace plumet {

Form4::Form4(Session& session, QWidget* parent) : PlayerForm(session, kHuman, 16, parent) {
    setObjectName(QStringLiteral("Form4"));
    for (int i = 1; i <= pictureCount(); ++i)
        connect(picture(i), &CardPicture::clicked, this, [this, i] { Picture1_Click(i); });
}

QString Form4::faceFile(const QString& name) const {
    return QDir(QString::fromStdString(session_.state.facedir)).filePath(name);
}

QString Form4::passCardFile() const {
    return faceFile(QStringLiteral("ps%1.bmp").arg(session_.state.passleft[kHuman]));
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
    setEnabled(enabled);
    session_.main->setEnabled(enabled);
}

void Form4::ccck() {
    if (session_.quitting()) return;
    if (session_.state.handcount[kHuman] <= 0) {
        session_.handoff(kHuman);
        return;
    }
    setInput(true);
    session_.main->activateWindow();
    setColour(kTurnColour);
    QAction* detect = session_.main->action("daseruka");
    detect->setEnabled(true);
    if (detect->isChecked()) picup();
}

void Form4::showHand() {
    const GameState& s = session_.state;
    const int count = s.handcount[kHuman];
    for (int i = 1; i <= count + 1; ++i) picture(i)->setEnabled(true);
    for (int i = 1; i <= count; ++i)
        picture(i)->setImageFile(faceFile(QString::fromStdString(cardFileName(s.hand[kHuman][i]))));
    picture(count + 1)->setImageFile(passCardFile());
    layoutSlots(true);
    for (int i = 1; i <= count + 1; ++i) picture(i)->show();
}

void Form4::reloadHand() {
    const GameState& s = session_.state;
    const int count = s.handcount[kHuman];
    picture(count + 1)->setImageFile(passCardFile());
    for (int i = count; i >= 1; --i)
        picture(i)->setImageFile(faceFile(QString::fromStdString(cardFileName(s.hand[kHuman][i]))));
}

void Form4::layoutSlots(bool spread) {
    const int count = session_.state.handcount[kHuman];
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

void Form4::risaizu() {
    if (session_.state.gameno == 0) return;
    layoutLabels();
    layoutSlots(false);
    if (session_.main->action("daseruka")->isChecked()) {
        if (session_.state.selslot > 0)
            picupj();
        else
            picup();
    }
}

void Form4::resizeEvent(QResizeEvent* event) {
    PlayerForm::resizeEvent(event);
    risaizu();
}

void Form4::lift(int slot) {
    CardPicture* card = picture(slot);
    card->move(card->x(), px(baseTop() - cardHeight() * 0.2));
}

void Form4::seiretu() {
    for (int i = session_.state.handcount[kHuman] + 1; i >= 1; --i)
        picture(i)->move(picture(i)->x(), px(baseTop()));
}

void Form4::picup() {
    const GameState& s = session_.state;
    const Rules rules = session_.rules();
    for (int i = 1; i <= s.handcount[kHuman]; ++i) {
        const int target = clickTarget(s, i);
        if ((target >= 1 && target <= 52) || (target == kJoker && jokerCanFree(s, rules, kHuman)))
            lift(i);
    }
}

void Form4::picupj() {
    const GameState& s = session_.state;
    const Rules rules = session_.rules();
    const int count = s.handcount[kHuman];
    for (int i = 1; i < count; ++i) {
        if (hanteij(s, rules, kHuman, i) > 0) lift(i);
    }
    lift(count);
}

void Form4::Picture1_Click(int i) {
    GameState& s = session_.state;
    if (session_.quitting() || i > s.handcount[kHuman] + 1) return;
    setInput(false);
    QAction* detect = session_.main->action("daseruka");
    if (i == s.handcount[kHuman] + 1) {
        picture(i)->setEnabled(false);
        detect->setEnabled(false);
        ps();
        return;
    }
    const int target = clickTarget(s, i);
    if (target == kJoker) {
        setInput(true);
        toggleJokerSelection(s, i);
        picture(i)->setImageFile(
            faceFile(s.selslot > 0 ? QStringLiteral("joker1.bmp") : QStringLiteral("joker.bmp")));
        seiretu();
        if (detect->isChecked()) {
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
    detect->setEnabled(false);
    layCard(s, session_.rules(), kHuman, i, session_.view());
    if (session_.quitting()) return;
    setInput(false);
    session_.handoff(kHuman);
}

void Form4::jokerMove(int slot) {
    GameState& s = session_.state;
    const Rules rules = session_.rules();
    const int end = hanteij(s, rules, kHuman, slot);
    if (end == 0) {
        setInput(true);
        return;
    }
    setInput(false);
    session_.main->action("daseruka")->setEnabled(false);
    plumet::jokerMove(s, rules, kHuman, s.selslot, slot, end, session_.view());
    if (session_.quitting()) return;
    session_.sound.voiceOrPause(voiceFile("babadasi"), kHuman - 1);
    jikan();
}

void Form4::ps() {
    GameState& s = session_.state;
    if (lastPassRefused(s, session_.rules())) {
        setInput(true);
        picture(s.handcount[kHuman] + 1)->setEnabled(true);
        return;
    }
    if (s.selslot > 0) picture(s.selslot)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    plumet::ps(s, kHuman, session_.view());
    if (session_.quitting()) return;
    setInput(false);
    setColour(kIdleColour);
    session_.handoff(kHuman);
    picture(s.handcount[kHuman] + 1)->setEnabled(true);
}

void Form4::passed() {
    if (session_.quitting()) return;
    seiretu();
    picture(session_.state.handcount[kHuman] + 1)->setImageFile(passCardFile());
    session_.sound.playsound(voiceFile("pass"), SoundMode::Sync, kHuman - 1);
    showPassesLeft();
}

void Form4::droppedOut() {
    if (session_.quitting()) return;
    picture(1)->hide();
    picture(1)->clearImage();
    PlayerForm::droppedOut();
}

QPointF Form4::flightStart(int slot) const {
    const CardPicture* card = picture(slot);
    return {tw(card->x()), tw(card->y()) + session_.board->outerHeight()};
}

void Form4::restoreAfterFlight(CardPicture* hand, QPoint start) {
    hand->move(start.x(), hand->y());  // the next seiretu puts its height back
}

void Form4::afterLay(int card, int slot, LayOutcome outcome) {
    Q_UNUSED(card);
    if (session_.quitting()) return;
    const GameState& s = session_.state;
    seiretu();
    // The hand closes up: each picture after the slot moves one slot left, the pass card too.
    const int before = outcome == LayOutcome::JokerLeft ? 2 : s.handcount[kHuman] + 1;
    for (int j = slot; j <= before; ++j) picture(j)->copyImage(*picture(j + 1));
    picture(before + 1)->hide();
    picture(before + 1)->clearImage();
    session_.sound.playsound(QStringLiteral("dasu.wav"), SoundMode::Async, kNoVoice);
    setColour(kIdleColour);
    layoutSlots(false);
    if (outcome == LayOutcome::JokerLeft) {
        session_.sound.playsound(voiceFile("babamoti"), SoundMode::Sync, kHuman - 1);
        picture(1)->setEnabled(false);
        picture(2)->setEnabled(false);
        showPlaceLabels();
    } else if (outcome == LayOutcome::WentOut) {
        picture(1)->hide();
        picture(1)->clearImage();
        showPlaceLabels();
        session_.sound.playsound(voiceFile("agari"), SoundMode::Sync, kHuman - 1);
    }
}

void Form4::jokerReturned() {
    if (session_.quitting()) return;
    const int n = session_.state.handcount[kHuman];
    picture(n + 1)->setImageFile(passCardFile());
    picture(n + 1)->move(picture(n)->x() + (picture(n)->x() - picture(std::max(n - 1, 1))->x()),
                         px(baseTop()));
    picture(n + 1)->show();
    picture(n)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    layoutSlots(false);
}

}  // namespace plumet
