// SPDX-License-Identifier: GPL-3.0-or-later
#include "kana.h"

#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace cardgen {
namespace {

// Strokes of one character in a unit cell, y downward; the pen is applied afterwards.
QPainterPath pa() {
    QPainterPath path;
    // ハ: a stroke falling to the left and one falling to the right.
    path.moveTo(0.36, 0.3);
    path.quadTo(0.3, 0.62, 0.06, 0.86);
    path.moveTo(0.58, 0.3);
    path.quadTo(0.72, 0.6, 0.94, 0.84);
    return path;
}

QPainterPath su() {
    QPainterPath path;
    // ス: the top bar turning into the long sweep, then the short kick at the right.
    path.moveTo(0.14, 0.16);
    path.lineTo(0.8, 0.16);
    path.quadTo(0.6, 0.66, 0.08, 0.92);
    path.moveTo(0.5, 0.6);
    path.lineTo(0.92, 0.9);
    return path;
}

}  // namespace

void drawPassWord(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal cell = qMin(box.height(), box.width() / 2.1);
    const qreal gap = cell * 0.1;
    const qreal left = box.center().x() - (2 * cell + gap) / 2;
    const qreal top = box.center().y() - cell / 2;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, cell * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    QTransform first;
    first.translate(left, top);
    first.scale(cell, cell);
    painter.drawPath(first.map(pa()));
    // The handakuten: a small ring at the top right of パ.
    pen.setWidthF(cell * 0.09);
    painter.setPen(pen);
    painter.drawEllipse(QPointF(left + cell * 0.84, top + cell * 0.13), cell * 0.11, cell * 0.11);

    pen.setWidthF(cell * 0.14);
    painter.setPen(pen);
    QTransform second;
    second.translate(left + cell + gap, top);
    second.scale(cell, cell);
    painter.drawPath(second.map(su()));
    painter.restore();
}

}  // namespace cardgen
