#include "ui/cardpicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace plumet {

namespace {

QPixmap emptyCard() {
    QPixmap card(CardPicture::emptyCardSize());
    card.fill(Qt::white);
    QPainter painter(&card);
    painter.setPen(Qt::gray);
    painter.drawRect(card.rect().adjusted(0, 0, -1, -1));
    return card;
}

}  // namespace

CardPicture::CardPicture(QWidget* parent) : QLabel(parent) {
    setFramed(true);
    setAlignment(Qt::AlignCenter);
}

void CardPicture::setImageFile(const QString& path) {
    file_ = path;
    QPixmap image(path);
    image_ = image.isNull() ? emptyCard() : image;
    setPixmap(image_);
    fit();
}

void CardPicture::copyImage(const CardPicture& other) {
    file_ = other.file_;
    image_ = other.image_;
    if (image_.isNull()) {
        clear();
    } else {
        setPixmap(image_);
    }
    fit();
}

void CardPicture::clearImage() {
    file_.clear();
    image_ = QPixmap();
    clear();
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
}

void CardPicture::fit() {
    const QSize picture = image_.isNull() ? emptyCardSize() : image_.size();
    const int border = 2 * frameWidth();
    resize(picture.width() + border, picture.height() + border);
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
