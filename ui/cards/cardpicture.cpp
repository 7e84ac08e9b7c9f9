// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cards/cardpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/cards/cardimages.h"

namespace plumet {

CardPicture::CardPicture(QWidget* parent) : QLabel(parent) {
    setFramed(true);
    setAlignment(Qt::AlignCenter);
}

void CardPicture::setImageFile(const QString& path) {
    file_ = path;
    shown_ = true;
    natural_ = CardImages::shared().naturalSize(path);
    pixmap_ = QPixmap();
    fit();
    schedulePrepare();
    update();
}

void CardPicture::copyImage(const CardPicture& other) {
    file_ = other.file_;
    shown_ = other.shown_;
    natural_ = other.natural_;
    pixmap_ = other.pixmap_;  // the same size in one window: made already
    fit();
    schedulePrepare();
    update();
}

void CardPicture::clearImage() {
    file_.clear();
    shown_ = false;
    pixmap_ = QPixmap();
    update();
}

void CardPicture::setFramed(bool framed) {
    framed_ = framed;
    if (framed) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    fit();
    // A fitted card keeps its size: the picture inside the frame changes.
    if (shown_) schedulePrepare();
    update();
}

void CardPicture::setDrawnHeight(int height) {
    height = std::max(height, 0);
    if (height == drawnHeight_) return;
    drawnHeight_ = height;
    fit();
    if (shown_) schedulePrepare();
}

QSize CardPicture::sizeAt(int height) const {
    if (height > 0) {
        const double aspect = double(natural_.width()) / std::max(natural_.height(), 1);
        return {std::max(1, static_cast<int>(std::lround(height * aspect))), height};
    }
    const int border = 2 * frameWidth();
    return natural_ + QSize(border, border);
}

void CardPicture::fit() {
    resize(sizeAt(drawnHeight_));
}

void CardPicture::schedulePrepare() {
    // Made once the sizes have settled (a resize of the main window moves and resizes every
    // window in several steps), or when first painted, whichever comes first; together with
    // every other card asking at the same time.
    if (preparePending_) return;
    preparePending_ = true;
    CardImages::shared().prepareLater(this);
}

QSize CardPicture::pixelSize() const {
    const qreal ratio = devicePixelRatioF();
    const QSize logical = contentsRect().size();
    return {static_cast<int>(std::lround(logical.width() * ratio)),
            static_cast<int>(std::lround(logical.height() * ratio))};
}

void CardPicture::prepare() {
    preparePending_ = false;
    if (!shown_) return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = pixelSize();
    if (!pixmap_.isNull() && pixmap_.size() == pixels && pixmap_.devicePixelRatio() == ratio)
        return;
    pixmap_ = CardImages::shared().pixmap(file_, pixels, ratio);
}

void CardPicture::setFocusMarked(bool marked) {
    if (marked == focusMarked_) return;
    focusMarked_ = marked;
    update();
}

void CardPicture::setHintMarked(bool marked) {
    if (marked == hintMarked_) return;
    hintMarked_ = marked;
    update();
}

const QColor& CardPicture::focusColour() {
    static const QColor colour(255, 140, 0);
    return colour;
}

const QColor& CardPicture::hintColour() {
    static const QColor colour(230, 0, 200);
    return colour;
}

int CardPicture::markWidth(QSize size, int marks) {
    // About a sixteenth of the card's narrow side: clear on a small classic card, not heavy
    // on a large fitted one.
    const int band =
        std::max(3, static_cast<int>(std::lround(std::min(size.width(), size.height()) / 16.0)));
    return marks > 1 ? std::max(2, (band + 1) / 2) : band;
}

int CardPicture::markLineWidth(QSize size) {
    return std::max(1, markWidth(size) / 3);
}

void CardPicture::drawMarks(QPainter& painter) const {
    const int band = markWidth(size(), focusMarked_ && hintMarked_ ? 2 : 1);
    const int line = markLineWidth(size());
    QRect outer = rect();
    // A ring `width` wide along the inside of `outer`, which then moves inside the ring.
    const auto ring = [&painter, &outer](int width, const QColor& colour) {
        const QRect r = outer;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
        outer = r.adjusted(width, width, -width, -width);
    };
    if (focusMarked_) {
        ring(band, focusColour());
        ring(line, Qt::black);
    }
    if (hintMarked_) {
        ring(band, hintColour());
        ring(line, Qt::white);
    }
}

void CardPicture::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    drawFrame(&painter);
    if (shown_) {
        // The first card painted after a change of size makes every card asking with it.
        if (preparePending_) CardImages::shared().prepareQueued();
        prepare();
        painter.drawPixmap(contentsRect(), pixmap_);
    }
    if (focusMarked_ || hintMarked_) drawMarks(painter);
}

void CardPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CardPicture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace plumet
