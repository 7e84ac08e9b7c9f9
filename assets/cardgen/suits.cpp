// SPDX-License-Identifier: GPL-3.0-or-later
#include "suits.h"

#include <QPolygonF>
#include <QTransform>
#include <initializer_list>

namespace cardgen {
namespace {

// Every symbol is drawn in a unit square (0,0)-(1,1), y downward, as overlapping simple
// shapes that are joined by the non-zero fill rule rather than by path arithmetic: the
// arithmetic would turn the curves into coarse polygons, which show when a card is drawn
// large.

// Twice the signed area of the polygon that approximates `shape`.
qreal signedArea(const QPainterPath& shape) {
    const QPolygonF polygon = shape.toFillPolygon();
    qreal area = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area;
}

// The shapes as one path covering all of them: each is turned to run the same way round,
// so that under the non-zero rule overlaps stay filled.
QPainterPath joined(std::initializer_list<QPainterPath> shapes) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPainterPath& shape : shapes) {
        path.addPath(signedArea(shape) < 0 ? shape.toReversed() : shape);
    }
    return path;
}

QPainterPath circle(qreal x, qreal y, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(x, y), rx, ry);
    return path;
}

QPainterPath heart() {
    QPainterPath point;
    point.moveTo(0.035, 0.38);
    point.quadTo(0.2, 0.72, 0.5, 1.0);
    point.quadTo(0.8, 0.72, 0.965, 0.38);
    point.lineTo(0.5, 0.25);
    point.closeSubpath();
    return joined({circle(0.27, 0.29, 0.26, 0.26), circle(0.73, 0.29, 0.26, 0.26), point});
}

QPainterPath spade() {
    QPainterPath point;
    point.moveTo(0.04, 0.5);
    point.quadTo(0.22, 0.25, 0.5, 0.0);
    point.quadTo(0.78, 0.25, 0.96, 0.5);
    point.lineTo(0.5, 0.7);
    point.closeSubpath();
    QPainterPath stem;
    stem.moveTo(0.5, 0.6);
    stem.quadTo(0.48, 0.9, 0.3, 1.0);
    stem.lineTo(0.7, 1.0);
    stem.quadTo(0.52, 0.9, 0.5, 0.6);
    stem.closeSubpath();
    return joined({circle(0.27, 0.56, 0.24, 0.22), circle(0.73, 0.56, 0.24, 0.22), point, stem});
}

QPainterPath club() {
    QPainterPath stem;
    stem.moveTo(0.46, 0.5);
    stem.lineTo(0.54, 0.5);
    stem.quadTo(0.54, 0.9, 0.72, 1.0);
    stem.lineTo(0.28, 1.0);
    stem.quadTo(0.46, 0.9, 0.46, 0.5);
    stem.closeSubpath();
    return joined({circle(0.5, 0.24, 0.23, 0.23), circle(0.24, 0.6, 0.23, 0.23),
                   circle(0.76, 0.6, 0.23, 0.23), circle(0.5, 0.5, 0.12, 0.12), stem});
}

QPainterPath diamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.68, 0.3, 0.95, 0.5);
    path.quadTo(0.68, 0.7, 0.5, 1.0);
    path.quadTo(0.32, 0.7, 0.05, 0.5);
    path.quadTo(0.32, 0.3, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

}  // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
        case Suit::Spades:
            unit = spade();
            break;
        case Suit::Hearts:
            unit = heart();
            break;
        case Suit::Clubs:
            unit = club();
            break;
        case Suit::Diamonds:
            unit = diamond();
            break;
    }
    const qreal side = qMin(box.width(), box.height());
    QTransform transform;
    transform.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    transform.scale(side, side);
    return transform.map(unit);
}

}  // namespace cardgen
