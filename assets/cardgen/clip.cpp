// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip.h"

#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace cardgen {

QPainterPath clipCircle(const QPointF& center, qreal radius, const QRectF& box) {
    // Angles in radians, measured clockwise on the screen from three o'clock (y grows down).
    auto at = [&](qreal angle) {
        return center + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    };
    auto inside = [&](const QPointF& point) {
        return point.x() >= box.left() && point.x() <= box.right() && point.y() >= box.top() &&
               point.y() <= box.bottom();
    };

    // Where the circle crosses the lines of the four sides.
    std::vector<qreal> cuts;
    auto wrap = [](qreal angle) {
        angle = std::fmod(angle, 2 * M_PI);
        return angle < 0 ? angle + 2 * M_PI : angle;
    };
    for (const qreal x : {box.left(), box.right()}) {
        const qreal c = (x - center.x()) / radius;
        if (std::abs(c) < 1) {
            cuts.push_back(wrap(std::acos(c)));
            cuts.push_back(wrap(-std::acos(c)));
        }
    }
    for (const qreal y : {box.top(), box.bottom()}) {
        const qreal s = (y - center.y()) / radius;
        if (std::abs(s) < 1) {
            cuts.push_back(wrap(std::asin(s)));
            cuts.push_back(wrap(M_PI - std::asin(s)));
        }
    }

    QPainterPath path;
    const QRectF square(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    if (cuts.empty()) {
        if (inside(at(0))) path.addEllipse(center, radius, radius);
        return path;
    }
    std::sort(cuts.begin(), cuts.end());
    for (size_t i = 0; i < cuts.size(); ++i) {
        const qreal from = cuts[i];
        const qreal to = i + 1 < cuts.size() ? cuts[i + 1] : cuts[0] + 2 * M_PI;
        if (to - from < 1e-9 || !inside(at((from + to) / 2))) continue;
        // QPainterPath counts degrees anticlockwise on the screen, hence the signs.
        path.arcMoveTo(square, -qRadiansToDegrees(from));
        path.arcTo(square, -qRadiansToDegrees(from), -qRadiansToDegrees(to - from));
    }
    return path;
}

QPainterPath lineBand(const QLineF& line, qreal width) {
    const QLineF unit = line.unitVector();
    const QPointF along(unit.dx() * width / 2, unit.dy() * width / 2);
    const QPointF across(-along.y(), along.x());
    const QPointF start = line.p1() - along, end = line.p2() + along;
    QPainterPath band;
    band.addPolygon(QPolygonF{start + across, end + across, end - across, start - across});
    band.closeSubpath();
    return band;
}

}  // namespace cardgen
