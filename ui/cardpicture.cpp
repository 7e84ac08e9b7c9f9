#include "ui/cardpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/cardimages.h"

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

void CardPicture::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    drawFrame(&painter);
    if (!shown_) return;
    // The first card painted after a change of size makes every card asking with it.
    if (preparePending_) CardImages::shared().prepareQueued();
    prepare();
    painter.drawPixmap(contentsRect(), pixmap_);
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
