#include "ui/boardwindow.h"

#include <QDir>
#include <QMdiSubWindow>

#include "rules/cards.h"
#include "rules/scoring.h"
#include "ui/cardfit.h"
#include "ui/gamehost.h"
#include "ui/labeltext.h"
#include "ui/playerwindow.h"
#include "ui/twips.h"

namespace plumet {

Form2::Form2(GameHost& host, QWidget* parent) : ChildForm(parent), host_(host) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(kBoardCaption));
    for (int c = 0; c <= kJoker; ++c) {
        auto* card = new CardPicture(this);
        card->setObjectName(QStringLiteral("Picture1_%1").arg(c));
        card->hide();
        pictures_[c] = card;
    }
}

QPointF Form2::cardPos(int card) const {
    const double w = tw(pictures_[0]->width());
    const double h = tw(pictures_[0]->height());
    return {((card - 1) % 13) * (scaleWidth() - w) / 12,
            ((card - 1) / 13) * (scaleHeight() - h) / 3};
}

void Form2::loadPictures() {
    const QDir dir(QString::fromStdString(host_.state().boarddir));
    pictures_[0]->setImageFile(dir.filePath(QStringLiteral("s1.bmp")));
    for (int c = 1; c <= kJoker; ++c)
        pictures_[c]->setImageFile(dir.filePath(QString::fromStdString(cardFileName(c))));
}

void Form2::layoutCards() {
    for (int c = 52; c >= 1; --c) {
        const QPointF pos = cardPos(c);
        pictures_[c]->move(pxPoint(pos.x(), pos.y()));
    }
}

void Form2::setFramed(bool framed) {
    for (CardPicture* card : pictures_) card->setFramed(framed);
}

bool Form2::holds(QSize inner, QSize card) {
    // Top = row x (SH - H) / 3 and Left = col x (SW - W) / 12 keep rows and columns apart
    // exactly when four rows and thirteen columns fit side by side.
    return 13 * card.width() <= inner.width() && 4 * card.height() <= inner.height();
}

int Form2::heldCardHeight(QSize inner) const {
    return largestFittingHeight(*pictures_[0], [inner](QSize card) { return holds(inner, card); });
}

void Form2::setCardsFitted(bool fitted) {
    fitted_ = fitted;
    if (fitCards() && host_.state().gameno != 0) layoutCards();
}

bool Form2::fitCards() {
    const int height = fitted_ ? heldCardHeight(size()) : 0;
    if (pictures_[0]->drawnHeight() == height) return false;
    for (CardPicture* card : pictures_) card->setDrawnHeight(height);
    return true;
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCards();
    if (host_.state().gameno != 0) layoutCards();
}

void Form2::syoki() {
    GameState& s = host_.state();
    const bool matchOver = endgame(s, host_.rules());
    for (int p = 1; p <= kPlayers; ++p)
        host_.window(p).setLabelText(2, signedLabel(s.score[p]) + QStringLiteral(" 点"));
    if (matchOver) host_.setDetectionAvailable(true);
    host_.setMainInput(false);
    host_.showResults(matchOver);
}

}  // namespace plumet
