#include "suits.h"

#include <QTransform>

namespace cardgen {
namespace {

// Every symbol is drawn in a unit square (0,0)-(1,1), y downward.

QPainterPath heart() {
    QPainterPath lobes;
    lobes.addEllipse(QPointF(0.27, 0.29), 0.26, 0.26);
    lobes.addEllipse(QPointF(0.73, 0.29), 0.26, 0.26);
    QPainterPath point;
    point.moveTo(0.035, 0.38);
    point.quadTo(0.2, 0.72, 0.5, 1.0);
    point.quadTo(0.8, 0.72, 0.965, 0.38);
    point.lineTo(0.5, 0.25);
    point.closeSubpath();
    return lobes.united(point);
}

QPainterPath spade() {
    QPainterPath body;
    body.addEllipse(QPointF(0.27, 0.56), 0.24, 0.22);
    body.addEllipse(QPointF(0.73, 0.56), 0.24, 0.22);
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
    return body.united(point).united(stem);
}

QPainterPath club() {
    QPainterPath leaves;
    leaves.addEllipse(QPointF(0.5, 0.24), 0.23, 0.23);
    leaves.addEllipse(QPointF(0.24, 0.6), 0.23, 0.23);
    leaves.addEllipse(QPointF(0.76, 0.6), 0.23, 0.23);
    leaves.addEllipse(QPointF(0.5, 0.5), 0.12, 0.12);
    QPainterPath stem;
    stem.moveTo(0.46, 0.5);
    stem.lineTo(0.54, 0.5);
    stem.quadTo(0.54, 0.9, 0.72, 1.0);
    stem.lineTo(0.28, 1.0);
    stem.quadTo(0.46, 0.9, 0.46, 0.5);
    stem.closeSubpath();
    return leaves.united(stem);
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
