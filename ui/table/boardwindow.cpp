// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table/boardwindow.h"

#include <QDir>
#include <QMdiSubWindow>

#include "rules/cards.h"
#include "rules/scoring.h"
#include "ui/cards/cardfit.h"
#include "ui/labeltext.h"
#include "ui/table/gamehost.h"
#include "ui/table/playerwindow.h"
#include "ui/twips.h"

namespace plumet {

BoardWindow::BoardWindow(GameHost& host, QWidget* parent) : ChildWindow(parent), host_(host) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(kBoardCaption));
    for (int c = 0; c <= kJoker; ++c) {
        auto* card = new CardPicture(this);
        card->setObjectName(QStringLiteral("Picture1_%1").arg(c));
        card->hide();
        pictures_[c] = card;
    }
}

QPointF BoardWindow::cardPos(int card) const {
    const double w = tw(pictures_[0]->width());
    const double h = tw(pictures_[0]->height());
    return {((card - 1) % 13) * (scaleWidth() - w) / 12,
            ((card - 1) / 13) * (scaleHeight() - h) / 3};
}

void BoardWindow::loadPictures() {
    const QDir dir(QString::fromStdString(host_.state().boardFaceFolder));
    pictures_[0]->setImageFile(dir.filePath(QStringLiteral("s1.bmp")));
    for (int c = 1; c <= kJoker; ++c)
        pictures_[c]->setImageFile(dir.filePath(QString::fromStdString(cardFileName(c))));
}

void BoardWindow::layoutCards() {
    for (int c = 52; c >= 1; --c) {
        const QPointF pos = cardPos(c);
        pictures_[c]->move(pxPoint(pos.x(), pos.y()));
    }
    if (jokerGap_ != 0 && !pictures_[kJoker]->isHidden()) {
        const QPointF pos = cardPos(jokerGap_);
        pictures_[kJoker]->move(pxPoint(pos.x(), pos.y()));
    }
}

void BoardWindow::setJokerGap(int gapCard) {
    jokerGap_ = gapCard;
}

void BoardWindow::hideJoker() {
    pictures_[kJoker]->hide();
    jokerGap_ = 0;
}

void BoardWindow::setFramed(bool framed) {
    for (CardPicture* card : pictures_) card->setFramed(framed);
}

bool BoardWindow::holds(QSize inner, QSize card) {
    // Top = row x (SH - H) / 3 and Left = col x (SW - W) / 12 keep rows and columns apart
    // exactly when four rows and thirteen columns fit side by side.
    return 13 * card.width() <= inner.width() && 4 * card.height() <= inner.height();
}

int BoardWindow::heldCardHeight(QSize inner) const {
    return largestFittingHeight(*pictures_[0], [inner](QSize card) { return holds(inner, card); });
}

void BoardWindow::setCardsFitted(bool fitted) {
    fitted_ = fitted;
    if (fitCards() && host_.state().gameNumber != 0) layoutCards();
}

bool BoardWindow::fitCards() {
    const int height = fitted_ ? heldCardHeight(size()) : 0;
    if (pictures_[0]->drawnHeight() == height) return false;
    for (CardPicture* card : pictures_) card->setDrawnHeight(height);
    return true;
}

void BoardWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCards();
    if (host_.state().gameNumber != 0) layoutCards();
}

void BoardWindow::endGame() {
    GameState& s = host_.state();
    const bool matchOver = finishGame(s, host_.rules());
    for (int p = 1; p <= kPlayers; ++p)
        host_.window(p).setStatusText(StatusLine::Score,
                                      signedLabel(s.score[p]) + QStringLiteral(" 点"));
    if (matchOver) host_.setDetectionAvailable(true);
    host_.setMainInput(false);
    host_.showResults(matchOver);
}

}  // namespace plumet
