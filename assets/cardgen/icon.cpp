#include "icon.h"

#include <QPainter>
#include <QPainterPath>

#include "cards.h"

namespace cardgen {

QImage appIcon(int size) {
    // Drawn on a 256-unit square and scaled, so every size shows the same picture.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(size / 256.0, size / 256.0);

    QLinearGradient baize(0, 8, 0, 248);
    baize.setColorAt(0, QColor(20, 150, 60));
    baize.setColorAt(1, QColor(0, 95, 35));
    painter.setPen(QPen(QColor(0, 60, 20), 4));
    painter.setBrush(baize);
    painter.drawRoundedRect(QRectF(10, 10, 236, 236), 36, 36);

    // Each card is a 34 x 42 face scaled up, turned about a point below the fan.
    const Suit suits[] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    const qreal angles[] = {-36, -12, 12, 36};
    const qreal cardScale = 2.5;
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(128, 212);
        painter.rotate(angles[i]);
        painter.translate(-kCardWidth * cardScale / 2, -130);
        painter.scale(cardScale, cardScale);
        // A soft shadow to the right of each card.
        painter.fillRect(QRectF(1.2, 0.8, kCardWidth, kCardHeight), QColor(0, 0, 0, 70));
        paintFace(painter, suits[i], 7);
        painter.restore();
    }
    painter.end();
    return image;
}

}  // namespace cardgen
