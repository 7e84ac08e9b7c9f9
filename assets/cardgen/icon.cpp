// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include <QPainterPath>

#include "cards.h"
#include "picture.h"

namespace cardgen {

namespace {

// One card: a 34 x 42 face `cardScale` times larger, turned by `angle` about `pivot`, its top
// edge `reach` units above the pivot, with a soft shadow to its right.
void paintCard(QPainter& painter, Suit suit, QPointF pivot, qreal angle, qreal cardScale,
               qreal reach) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(angle);
    painter.translate(-kCardWidth * cardScale / 2, -reach);
    painter.scale(cardScale, cardScale);
    painter.fillRect(QRectF(1.2, 0.8, kCardWidth, kCardHeight), QColor(0, 0, 0, 70));
    paintFace(painter, suit, 7);
    painter.restore();
}

void paintBaize(QPainter& painter) {
    QLinearGradient baize(0, 8, 0, 248);
    baize.setColorAt(0, QColor(20, 150, 60));
    baize.setColorAt(1, QColor(0, 95, 35));
    painter.setPen(QPen(QColor(0, 60, 20), 4));
    painter.setBrush(baize);
    painter.drawRoundedRect(QRectF(10, 10, 236, 236), 36, 36);
    painter.setBrush(Qt::NoBrush);  // else an SVG repeats the gradient at every change
}

}  // namespace

void paintIcon(QPainter& painter) {
    paintBaize(painter);
    // The four sevens fanned about a point below the fan.
    const Suit suits[] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    const qreal angles[] = {-36, -12, 12, 36};
    for (int i = 0; i < 4; ++i)
        paintCard(painter, suits[i], QPointF(128, 212), angles[i], 2.5, 130);
}

void paintSmallIcon(QPainter& painter) {
    paintBaize(painter);
    // Two sevens, large enough that their ranks and suits still read at 16 pixels.
    paintCard(painter, Suit::Spades, QPointF(128, 236), -13, 3.4, 196);
    paintCard(painter, Suit::Hearts, QPointF(128, 236), 13, 3.4, 196);
}

QImage appIcon(int size) {
    return rasterize(size <= kSmallIcon ? paintSmallIcon : paintIcon,
                     QSize(kIconDesign, kIconDesign), QSize(size, size),
                     QImage::Format_ARGB32_Premultiplied);
}

}  // namespace cardgen
