// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include <QFont>
#include <QTransform>

namespace cardgen {

QFont boldFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(100);  // large, so the outline keeps its detail when scaled down
    return font;
}

QPainterPath fittedText(const QString& text, const QRectF& box, bool alignLeft) {
    QPainterPath path;
    path.addText(0, 0, boldFont(), text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return path;

    qreal sy = box.height() / ink.height();
    qreal sx = sy;
    if (ink.width() * sx > box.width()) sx = box.width() / ink.width();  // squeeze "10"
    const qreal width = ink.width() * sx;
    const qreal left = alignLeft ? box.left() : box.center().x() - width / 2;

    QTransform transform;
    transform.translate(left, box.top());
    transform.scale(sx, sy);
    transform.translate(-ink.left(), -ink.top());
    return transform.map(path);
}

}  // namespace cardgen
