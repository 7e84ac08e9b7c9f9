// SPDX-License-Identifier: GPL-3.0-or-later
// Clipping worked out on the shapes themselves instead of by the painter, so that a picture
// drawn with it is the same as a plain vector drawing (an SVG document with no clip paths) as
// it is as a bitmap.
#pragma once

#include <QLineF>
#include <QPainterPath>
#include <QRectF>

namespace cardgen {

// The arcs of the circle around `center` that lie inside `box`, as an open path to stroke
// (a closed circle when the whole circle is inside, empty when none of it is).
QPainterPath clipCircle(const QPointF& center, qreal radius, const QRectF& box);

// The outline a pen `width` wide with square caps covers along `line`, as a polygon: straight
// outlines like this one can be cut with QPainterPath::intersected exactly (curved ones would
// come back flattened into coarse polygons).
QPainterPath lineBand(const QLineF& line, qreal width);

}  // namespace cardgen
