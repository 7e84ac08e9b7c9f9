// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards.h"

#include <QPainterPath>
#include <cmath>

#include "clip.h"
#include "kana.h"
#include "pixelfont.h"
#include "text.h"

namespace cardgen {
namespace {

const QColor kBorder(40, 40, 40);
const QColor kBlackInk(20, 20, 20);
const QColor kRedInk(205, 0, 0);

const QRectF kCard(0, 0, kCardWidth, kCardHeight);

// The card's one-unit border.
void paintBorder(QPainter& painter, const QColor& border = kBorder) {
    painter.fillRect(QRectF(0, 0, kCardWidth, 1), border);
    painter.fillRect(QRectF(0, kCardHeight - 1, kCardWidth, 1), border);
    painter.fillRect(QRectF(0, 0, 1, kCardHeight), border);
    painter.fillRect(QRectF(kCardWidth - 1, 0, 1, kCardHeight), border);
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

// Colour maps for the joker: the picked-up joker is the plain one with every colour inverted.
QColor plain(const QColor& color) {
    return color;
}

QColor inverted(const QColor& color) {
    return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
}

// The jester's cap of the joker, filling `box`; `tone` maps each colour before it is used.
void paintCap(QPainter& painter, const QRectF& box, QColor (*tone)(const QColor&)) {
    auto at = [&](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const QColor colors[] = {QColor(210, 20, 30), QColor(30, 90, 200), QColor(20, 150, 60)};
    const QPointF tips[] = {at(0.08, 0.18), at(0.5, 0.02), at(0.92, 0.18)};
    const QPointF bases[][2] = {{at(0.12, 0.78), at(0.4, 0.74)},
                                {at(0.34, 0.74), at(0.66, 0.74)},
                                {at(0.6, 0.74), at(0.88, 0.78)}};
    painter.setPen(QPen(tone(kBlackInk), 0.6));
    for (int i = 0; i < 3; ++i) {
        QPainterPath horn;
        horn.moveTo(bases[i][0]);
        horn.quadTo(at(0.5, 0.45), tips[i]);
        horn.quadTo(at(0.5, 0.55), bases[i][1]);
        horn.closeSubpath();
        painter.setBrush(tone(colors[i]));
        painter.drawPath(horn);
    }
    painter.setBrush(tone(QColor(250, 200, 0)));
    const qreal bell = box.width() * 0.09;
    for (const QPointF& tip : tips) painter.drawEllipse(tip, bell, bell);
    // The band of the cap.
    painter.drawRoundedRect(QRectF(at(0.1, 0.74), at(0.9, 0.92)), 1.5, 1.5);
}

// The left edge for something `width` units wide centred on the card, moved left onto the
// nearest whole device pixel so that pixel-font text stays sharp (the SVG has one pixel a
// unit).
qreal centredOnPixels(const QPainter& painter, qreal width) {
    const qreal pixels = painter.deviceTransform().m11();
    if (pixels <= 0) return (kCardWidth - width) / 2;
    return std::floor((kCardWidth - width) * pixels / 2) / pixels;
}

}  // namespace

void paintFace(QPainter& painter, Suit suit, int rank) {
    const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
    const QColor ink = red ? kRedInk : kBlackInk;

    painter.fillRect(kCard, Qt::white);
    paintBorder(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);

    // The index in the top-left corner: what stays visible when hand cards overlap.
    painter.drawPath(fittedText(rankText(rank), QRectF(2.5, 3, 16, 13), true));
    painter.drawPath(suitPath(suit, QRectF(2.5, 18.5, 10, 10)));

    if (rank >= 11) {
        // Court cards: the suit on a framed gold panel.
        const QRectF panel(14.5, 17.5, 17, 22);
        painter.setPen(QPen(ink, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(QColor(255, 226, 130));
        painter.drawRect(panel);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(suitPath(suit, panel.adjusted(2.5, 3, -2.5, -3)));
    } else {
        painter.drawPath(suitPath(suit, QRectF(14, 19, 18, 20)));
    }
}

void paintJoker(QPainter& painter, bool selected) {
    // Picked up: inverted colours inside a thick cyan frame, a colour no mark of the hand
    // uses (the focus is orange, the hint magenta).
    QColor (*tone)(const QColor&) = selected ? inverted : plain;
    painter.fillRect(kCard, tone(Qt::white));
    paintBorder(painter, tone(kBorder));

    const QString caption = QStringLiteral("JOKER");
    const qreal left = centredOnPixels(painter, pixelTextWidth(caption));
    painter.fillPath(pixelTextPath(caption).translated(left, 3), tone(QColor(120, 0, 140)));
    paintCap(painter, QRectF(3, 13, 28, 25), tone);

    if (selected) {
        const QColor frame(0, 210, 240);
        painter.fillRect(QRectF(0, 0, kCardWidth, 3), frame);
        painter.fillRect(QRectF(0, kCardHeight - 3, kCardWidth, 3), frame);
        painter.fillRect(QRectF(0, 0, 3, kCardHeight), frame);
        painter.fillRect(QRectF(kCardWidth - 3, 0, 3, kCardHeight), frame);
    }
}

void paintPass(QPainter& painter, int passesLeft) {
    // Calm colours while passes remain; the last card (no pass left: the next one drops the
    // player out) is a red warning with a striped edge.
    struct Look {
        QColor paper, ink;
    };
    const Look looks[] = {
        {QColor(225, 40, 30), Qt::white},              // passesLeft 1: 0 passes left
        {QColor(255, 225, 90), kBlackInk},             // 2: 1 left
        {QColor(200, 240, 200), QColor(0, 90, 30)},    // 3: 2 left
        {QColor(205, 228, 255), QColor(10, 50, 150)},  // 4: 3 left
    };
    const Look& look = looks[qBound(1, passesLeft, 4) - 1];

    painter.fillRect(kCard, look.paper);
    if (passesLeft <= 1) {
        // Yellow and black hazard stripes around the edge: diagonal bands cut to the edge.
        QPainterPath card, inside;
        card.addRect(kCard);
        inside.addRect(kCard.adjusted(3, 3, -3, -3));
        const QPainterPath edge = card.subtracted(inside);
        painter.fillPath(edge, QColor(255, 215, 0));
        QPainterPath stripes;
        for (int x = -kCardHeight; x < kCardWidth + kCardHeight; x += 6) {
            stripes.addPath(lineBand(QLineF(x, 0, x + kCardHeight, kCardHeight), 2.2));
        }
        painter.fillPath(stripes.intersected(edge), kBlackInk);
    }
    paintBorder(painter);
    drawPassWord(painter, QRectF(4, 5, 26, 12), look.ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.ink);
    painter.drawPath(
        fittedText(QString::number(qMax(0, passesLeft - 1)), QRectF(5, 20, 24, 17), false));
}

void paintBack(QPainter& painter, Back back) {
    painter.fillRect(kCard, Qt::white);
    paintBorder(painter);
    const QRectF inner(3, 3, kCardWidth - 6, kCardHeight - 6);
    // The light rim drawn last along the pattern's edge, one unit wide. The rings are cut at
    // its centre line, so that their cut ends lie under it; the lattice is cut exactly at the
    // inner edge and the check's lines end there square.
    const QRectF rim = inner.adjusted(0.5, 0.5, -0.5, -0.5);

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
    painter.setPen(QPen(line, 0.9, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    switch (back) {
        case Back::Side: {  // a lattice of diamonds: thin bands cut to the inner rectangle
            QPainterPath lattice;
            for (int x = -40; x < 80; x += 6) {
                lattice.addPath(lineBand(QLineF(x, 0, x + 42, 42 * 1.4), 0.9));
                lattice.addPath(lineBand(QLineF(x + 42, 0, x, 42 * 1.4), 0.9));
            }
            lattice.setFillRule(Qt::WindingFill);
            QPainterPath area;
            area.addRect(inner);
            painter.fillPath(lattice.intersected(area), line);
            break;
        }
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
                    const QPointF center(x, inner.top() + row * 4.5 + 1.5);
                    const QPainterPath ring = clipCircle(center, 2.2, rim);
                    if (!ring.isEmpty()) painter.drawPath(ring);
                }
            }
            break;
    }
    // A light inner rim keeps the pattern off the card's edge.
    painter.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rim);
}

QList<CardPicture> cardPictures() {
    QList<CardPicture> pictures;
    const struct {
        Suit suit;
        char letter;
    } suits[] = {
        {Suit::Spades, 's'}, {Suit::Hearts, 'h'}, {Suit::Clubs, 'c'}, {Suit::Diamonds, 'd'}};
    for (const auto& [suit, letter] : suits) {
        for (int rank = 1; rank <= 13; ++rank) {
            pictures.append({QStringLiteral("%1%2").arg(QChar(letter)).arg(rank),
                             [suit, rank](QPainter& p) { paintFace(p, suit, rank); }});
        }
    }
    pictures.append({QStringLiteral("joker"), [](QPainter& p) { paintJoker(p, false); }});
    pictures.append({QStringLiteral("joker1"), [](QPainter& p) { paintJoker(p, true); }});
    for (int passesLeft = 1; passesLeft <= 4; ++passesLeft) {
        pictures.append({QStringLiteral("ps%1").arg(passesLeft),
                         [passesLeft](QPainter& p) { paintPass(p, passesLeft); }});
    }
    pictures.append({QStringLiteral("uray"), [](QPainter& p) { paintBack(p, Back::Side); }});
    pictures.append({QStringLiteral("urat"), [](QPainter& p) { paintBack(p, Back::Top); }});
    pictures.append({QStringLiteral("uray2"), [](QPainter& p) { paintBack(p, Back::Left); }});
    return pictures;
}

}  // namespace cardgen
