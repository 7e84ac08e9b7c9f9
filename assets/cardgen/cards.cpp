#include "cards.h"

#include <QPainterPath>

#include "kana.h"
#include "pixelfont.h"
#include "text.h"

namespace cardgen {
namespace {

const QColor kBorder(40, 40, 40);
const QColor kBlackInk(20, 20, 20);
const QColor kRedInk(205, 0, 0);

QImage blankCard(int scale) {
    QImage image(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void paintBorder(QPainter& painter, const QColor& color = kBorder) {
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0, 0, kCardWidth, 1), color);
    painter.fillRect(QRectF(0, kCardHeight - 1, kCardWidth, 1), color);
    painter.fillRect(QRectF(0, 0, 1, kCardHeight), color);
    painter.fillRect(QRectF(kCardWidth - 1, 0, 1, kCardHeight), color);
}

QString rankText(int rank) {
    switch (rank) {
        case 1:
            return QStringLiteral("A");
        case 11:
            return QStringLiteral("J");
        case 12:
            return QStringLiteral("Q");
        case 13:
            return QStringLiteral("K");
        default:
            return QString::number(rank);
    }
}

// Starts painting on `image` in card units (34 x 42 whatever the scale).
void begin(QPainter& painter, QImage& image, int scale) {
    painter.begin(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
}

// The jester's cap of the joker, filling `box`.
void paintCap(QPainter& painter, const QRectF& box) {
    auto at = [&](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const QColor colors[] = {QColor(210, 20, 30), QColor(30, 90, 200), QColor(20, 150, 60)};
    const QPointF tips[] = {at(0.08, 0.18), at(0.5, 0.02), at(0.92, 0.18)};
    const QPointF bases[][2] = {{at(0.12, 0.78), at(0.4, 0.74)},
                                {at(0.34, 0.74), at(0.66, 0.74)},
                                {at(0.6, 0.74), at(0.88, 0.78)}};
    painter.setPen(QPen(kBlackInk, 0.6));
    for (int i = 0; i < 3; ++i) {
        QPainterPath horn;
        horn.moveTo(bases[i][0]);
        horn.quadTo(at(0.5, 0.45), tips[i]);
        horn.quadTo(at(0.5, 0.55), bases[i][1]);
        horn.closeSubpath();
        painter.setBrush(colors[i]);
        painter.drawPath(horn);
    }
    painter.setBrush(QColor(250, 200, 0));
    const qreal bell = box.width() * 0.09;
    for (const QPointF& tip : tips) painter.drawEllipse(tip, bell, bell);
    // The band of the cap.
    painter.drawRoundedRect(QRectF(at(0.1, 0.74), at(0.9, 0.92)), 1.5, 1.5);
}

}  // namespace

void paintFace(QPainter& painter, Suit suit, int rank) {
    const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
    const QColor ink = red ? kRedInk : kBlackInk;

    painter.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), Qt::white);
    paintBorder(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);

    // The index in the top-left corner: what stays visible when hand cards overlap.
    painter.drawPath(fittedText(rankText(rank), QRectF(2.5, 3, 16, 13), true));
    painter.drawPath(suitPath(suit, QRectF(2.5, 18.5, 10, 10)));

    if (rank >= 11) {
        // Court cards: the suit on a framed gold panel.
        const QRectF panel(14.5, 17.5, 17, 22);
        painter.setPen(QPen(ink, 1));
        painter.setBrush(QColor(255, 226, 130));
        painter.drawRect(panel);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(suitPath(suit, panel.adjusted(2.5, 3, -2.5, -3)));
    } else {
        painter.drawPath(suitPath(suit, QRectF(14, 19, 18, 20)));
    }
}

QImage faceImage(Suit suit, int rank, int scale) {
    QImage image = blankCard(scale);
    QPainter painter;
    begin(painter, image, scale);
    paintFace(painter, suit, rank);
    painter.end();
    return image;
}

QImage jokerImage(bool selected, int scale) {
    QImage image = blankCard(scale);
    QPainter painter;
    begin(painter, image, scale);
    paintBorder(painter);
    const QString caption = QStringLiteral("JOKER");
    // Pixel text is drawn in whole device pixels, outside the card-unit scaling.
    painter.save();
    painter.resetTransform();
    drawPixelText(painter, (image.width() - pixelTextWidth(caption) * scale) / 2, 3 * scale,
                  caption, scale, QColor(120, 0, 140));
    painter.restore();
    paintCap(painter, QRectF(3, 13, 28, 25));
    painter.end();

    if (selected) {
        // Picked up: inverted colours inside a thick orange frame.
        image.invertPixels();
        painter.begin(&image);
        painter.scale(scale, scale);
        const QColor frame(255, 150, 0);
        painter.fillRect(QRectF(0, 0, kCardWidth, 3), frame);
        painter.fillRect(QRectF(0, kCardHeight - 3, kCardWidth, 3), frame);
        painter.fillRect(QRectF(0, 0, 3, kCardHeight), frame);
        painter.fillRect(QRectF(kCardWidth - 3, 0, 3, kCardHeight), frame);
        painter.end();
    }
    return image;
}

QImage passImage(int passleft, int scale) {
    // Calm colours while passes remain; the last card (no pass left: the next one drops the
    // player out) is a red warning with a striped edge.
    struct Look {
        QColor paper, ink;
    };
    const Look looks[] = {
        {QColor(225, 40, 30), Qt::white},              // passleft 1: 0 passes left
        {QColor(255, 225, 90), kBlackInk},             // 2: 1 left
        {QColor(200, 240, 200), QColor(0, 90, 30)},    // 3: 2 left
        {QColor(205, 228, 255), QColor(10, 50, 150)},  // 4: 3 left
    };
    const Look& look = looks[qBound(1, passleft, 4) - 1];

    QImage image = blankCard(scale);
    QPainter painter;
    begin(painter, image, scale);
    painter.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), look.paper);
    if (passleft <= 1) {
        // Yellow and black hazard stripes around the edge.
        painter.save();
        QPainterPath edge;
        edge.addRect(QRectF(0, 0, kCardWidth, kCardHeight));
        QPainterPath inside;
        inside.addRect(QRectF(3, 3, kCardWidth - 6, kCardHeight - 6));
        painter.setClipPath(edge.subtracted(inside));
        painter.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), QColor(255, 215, 0));
        painter.setPen(QPen(kBlackInk, 2.2));
        for (int x = -kCardHeight; x < kCardWidth + kCardHeight; x += 6) {
            painter.drawLine(QPointF(x, 0), QPointF(x + kCardHeight, kCardHeight));
        }
        painter.restore();
    }
    paintBorder(painter);
    drawPassWord(painter, QRectF(4, 5, 26, 12), look.ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.ink);
    painter.drawPath(
        fittedText(QString::number(qMax(0, passleft - 1)), QRectF(5, 20, 24, 17), false));
    painter.end();
    return image;
}

QImage backImage(Back back, int scale) {
    QImage image = blankCard(scale);
    QPainter painter;
    begin(painter, image, scale);
    paintBorder(painter);
    const QRectF inner(3, 3, kCardWidth - 6, kCardHeight - 6);

    QColor ground, line;
    switch (back) {
        case Back::Side:
            ground = QColor(30, 60, 170), line = QColor(140, 170, 255);
            break;
        case Back::Top:
            ground = QColor(170, 25, 40), line = QColor(255, 150, 150);
            break;
        case Back::Left:
            ground = QColor(15, 110, 60), line = QColor(150, 230, 170);
            break;
    }
    painter.fillRect(inner, ground);
    painter.save();
    painter.setClipRect(inner);
    painter.setPen(QPen(line, 0.9));
    painter.setBrush(Qt::NoBrush);
    switch (back) {
        case Back::Side:  // a lattice of diamonds
            for (int x = -40; x < 80; x += 6) {
                painter.drawLine(QPointF(x, 0), QPointF(x + 42, 42 * 1.4));
                painter.drawLine(QPointF(x + 42, 0), QPointF(x, 42 * 1.4));
            }
            break;
        case Back::Top:  // a check of squares with a dot in each
            for (qreal x = inner.left() + 1; x < inner.right(); x += 5) {
                painter.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));
            }
            for (qreal y = inner.top() + 1; y < inner.bottom(); y += 5) {
                painter.drawLine(QPointF(inner.left(), y), QPointF(inner.right(), y));
            }
            painter.setPen(Qt::NoPen);
            painter.setBrush(line);
            for (qreal x = inner.left() + 3.5; x < inner.right(); x += 5) {
                for (qreal y = inner.top() + 3.5; y < inner.bottom(); y += 5) {
                    painter.drawEllipse(QPointF(x, y), 0.8, 0.8);
                }
            }
            break;
        case Back::Left:  // rings in staggered rows
            for (int row = 0; row < 9; ++row) {
                for (int col = -1; col < 7; ++col) {
                    const qreal x = inner.left() + col * 6 + (row % 2) * 3 + 1.5;
                    painter.drawEllipse(QPointF(x, inner.top() + row * 4.5 + 1.5), 2.2, 2.2);
                }
            }
            break;
    }
    painter.restore();
    // A light inner rim keeps the pattern off the card's edge.
    painter.setPen(QPen(line, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.end();
    return image;
}

}  // namespace cardgen
