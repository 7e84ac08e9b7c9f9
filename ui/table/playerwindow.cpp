// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table/playerwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QMdiSubWindow>

#include "rules/joker.h"
#include "ui/cards/cardfit.h"
#include "ui/inputblock.h"
#include "ui/labeltext.h"
#include "ui/nestedloops.h"
#include "ui/sound.h"
#include "ui/speeds.h"
#include "ui/table/boardwindow.h"
#include "ui/twips.h"

namespace plumet {

PlayerWindow::PlayerWindow(GameHost& host, int player, int pictures, QWidget* parent)
    : ChildWindow(parent), host_(host), player_(player) {
    setAutoFillBackground(true);
    setColour(kIdleColour);
    pictures_.push_back(nullptr);  // hand slots count from 1
    for (int i = 1; i <= pictures; ++i) {
        auto* card = new CardPicture(this);
        card->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        card->hide();
        pictures_.push_back(card);
    }
    labels_.push_back(nullptr);
    const QFont font = statusFont(QWidget::font());
    for (int k = 1; k <= 4; ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(k));
        label->setStyleSheet(QStringLiteral("color: white;"));
        label->setFont(font);
        labels_.push_back(label);
    }
    setStatusText(StatusLine::Heading, QStringLiteral("得点"));
    setStatusText(StatusLine::Score, QString());
    setStatusText(StatusLine::Status, QStringLiteral("パス"));
    setStatusText(StatusLine::PassesOrPlace, QString());
    exchangeTimer_.setObjectName(QStringLiteral("Timer2"));
    exchangeTimer_.setInterval(speeds::kExchangeMs);
    connect(&exchangeTimer_, &QTimer::timeout, this, &PlayerWindow::exchangeTick);
}

QFont PlayerWindow::statusFont(const QFont& base) {
    // The four status lines stack at 100 + k x H twips (H the height of a line) and must fit
    // the 900-twip client height that the arrangement gives the hand and the top window at
    // least: a line may be 200 twips high. The largest pixel size whose line fits.
    const int line = static_cast<int>(kStatusLineTwips / kTwipsPerPixel);
    // Every text the lines show, measured as a label measures its text.
    const QString texts =
        QStringLiteral("得点 -0123456789 点 パス 残 回 位 あがり！ はきだし ばばもち");
    QFont font = base;
    for (int pixels = kStatusMaxPixels; pixels > kStatusMinPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const QRect box = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft, texts);
        if (std::max(metrics.height(), box.height()) <= line) return font;
    }
    font.setPixelSize(kStatusMinPixels);
    return font;
}

QFont PlayerWindow::fittedStatusFont(const QFont& base, QSize box) {
    // Every text the lines show, each measured on its own: one per line.
    static const QStringList texts{QStringLiteral("得点"),     QStringLiteral(" 1000 点"),
                                   QStringLiteral("パス"),     QStringLiteral("あがり！"),
                                   QStringLiteral("はきだし"), QStringLiteral("ばばもち"),
                                   QStringLiteral("残 3 回"),  QStringLiteral(" 4 位")};
    const QFont classic = statusFont(base);
    QFont font = base;
    for (int pixels = kFittedStatusMaxPixels; pixels > classic.pixelSize(); --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& text : texts) widest = std::max(widest, metrics.size(0, text).width());
        if (widest <= box.width() && 4 * metrics.height() <= box.height()) return font;
    }
    return classic;
}

double PlayerWindow::labelRoom(QSize card) const {
    return fitted_ ? std::max(1000.0, tw(card.width())) : 1000.0;
}

QSize PlayerWindow::labelBox() const {
    // The lines start 100 twips in from the corner and keep 100 twips from the first card
    // (and from the far edge of a window beside the board).
    const double room = labelRoom(pictures_[1]->size());
    if (handRunsDown()) return {px(scaleWidth() - 200), px(room - 200)};
    return {px(room - 200), px(scaleHeight() - 200)};
}

void PlayerWindow::setStatusText(StatusLine line, const QString& text) {
    QLabel* label = statusLabel(line);
    label->setText(text);
    label->adjustSize();
}

void PlayerWindow::setColour(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

QColor PlayerWindow::colour() const {
    return palette().color(QPalette::Window);
}

void PlayerWindow::prepareDeal() {
    const GameState& s = host_.state();
    for (int i = 1; i <= pictureCount(); ++i) {
        picture(i)->hide();
        setAcceptsInput(picture(i), true);
    }
    setStatusText(StatusLine::Score, signedLabel(s.score[player_]) + QStringLiteral(" 点"));
    showPassesLeft();
    setStatusText(StatusLine::Status, QStringLiteral("パス"));
    layoutLabels();
    setColour(kIdleColour);
    stopTimers();
}

int PlayerWindow::heldCardHeight(QSize inner) const {
    return largestFittingHeight(*pictures_[1],
                                [this, inner](QSize card) { return holds(inner, card); });
}

void PlayerWindow::setCardsFitted(bool fitted) {
    fitted_ = fitted;
    if (fitCards() && host_.state().gameNumber != 0) cardsResized();
}

bool PlayerWindow::fitCards() {
    const int height = fitted_ ? heldCardHeight(size()) : 0;
    if (pictures_[1]->drawnHeight() == height) return false;
    for (std::size_t i = 1; i < pictures_.size(); ++i) pictures_[i]->setDrawnHeight(height);
    return true;
}

void PlayerWindow::stopTimers() {
    exchangeTimer_.stop();
}

void PlayerWindow::layoutLabels() {
    // The classic lines keep their size; fitted ones grow with the cards.
    const QFont font =
        fitted_ ? fittedStatusFont(QWidget::font(), labelBox()) : statusFont(QWidget::font());
    for (QLabel* label : labels_) {
        if (!label) continue;
        label->setFont(font);
        label->adjustSize();
    }
    const double h = tw(labels_[1]->height());
    for (int k = 1; k <= 4; ++k) labels_[k]->move(pxPoint(100, 100 + (k - 1) * h));
}

void PlayerWindow::showPassesLeft() {
    setStatusText(StatusLine::PassesOrPlace,
                  QStringLiteral("残") + signedLabel(host_.state().passesLeft[player_] - 1) +
                      QStringLiteral(" 回"));
}

void PlayerWindow::showPlaceLabels() {
    // Places may have moved up (a player left with the joker takes place 4): every player
    // who is out shows the place held now.
    const GameState& s = host_.state();
    for (int q = 1; q <= kPlayers; ++q) {
        if (s.outcome[q] == Outcome::Playing) continue;
        host_.window(q).setStatusText(StatusLine::PassesOrPlace,
                                      signedLabel(s.place[q]) + QStringLiteral(" 位"));
    }
    setStatusText(StatusLine::Status, QString::fromUtf8(outcomeText(s.outcome[player_])));
}

QString PlayerWindow::voiceFile(const char* stem) const {
    return QString::fromLatin1(stem) + QString::number(player_) + QStringLiteral(".wav");
}

void PlayerWindow::fly(CardPicture* boardCard, CardPicture* handCard, QPointF start, QPointF target,
                       double step) {
    const int frames = host_.state().flightFrames;
    const QPoint handStart = handCard->pos();
    // Both pictures are made for their size before the first frame: no frame renders.
    boardCard->prepare();
    handCard->prepare();
    boardCard->move(pxPoint(start.x(), start.y()));
    boardCard->show();
    boardCard->raise();
    QElapsedTimer clock;
    clock.start();
    int frame = 0;
    for (double k = 1; k <= frames; k += step) {
        const QPointF moved = (target - start) * (k / frames);
        boardCard->move(pxPoint(start.x() + moved.x(), start.y() + moved.y()));
        handCard->move(handStart + pxPoint(moved.x(), moved.y()));
        host_.flightFrame(boardCard, k, ++frame, clock);
    }
    restoreAfterFlight(handCard, handStart);
    boardCard->move(pxPoint(target.x(), target.y()));
}

void PlayerWindow::cardFlight(int card, int slot) {
    const GameState& s = host_.state();
    // A dropped-out player's dump flies in about ten frames.
    const double step = s.passesLeft[player_] == 0 ? s.flightFrames / 10.0 : 1.0;
    if (s.passesLeft[player_] == 0) host_.loops().yield();
    fly(host_.board().picture(card), picture(slot), flightStart(slot), host_.board().cardPos(card),
        step);
}

void PlayerWindow::jokerFlight(int gapCard) {
    const int slot = host_.state().handCount[player_];
    fly(host_.board().picture(kJoker), picture(slot), flightStart(slot),
        host_.board().cardPos(gapCard), 1.0);
    host_.board().setJokerGap(gapCard);
}

void PlayerWindow::droppingOut() {
    host_.sound().play(voiceFile("hakidasi"), SoundMode::Sync, player_ - 1);
}

void PlayerWindow::droppedOut() {
    showPlaceLabels();
}

void PlayerWindow::beforeExchange() {
    host_.sound().voiceOrPause(voiceFile("babadas2"), player_ - 1);
}

void PlayerWindow::startExchange() {
    exchangeTimer_.start();
    host_.window(host_.state().gapHolder).setColour(kHolderColour);
}

void PlayerWindow::exchangeTick() {
    exchangeTimer_.stop();
    host_.play([this] {
        exchange(host_.state(), host_.rules(), player_, host_.view());
        host_.board().hideJoker();
        if (player_ == kHuman) setAcceptsInput(this, false);
        host_.handoff(player_);
    });
}

}  // namespace plumet
