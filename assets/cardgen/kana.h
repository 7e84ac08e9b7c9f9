// SPDX-License-Identifier: GPL-3.0-or-later
// The word "パス" drawn as brush strokes, for the pass cards: it needs no Japanese font on
// the machine that builds the game.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace cardgen {

// Draws "パス" filling `box` (two square character cells side by side, centred).
void drawPassWord(QPainter& painter, const QRectF& box, const QColor& color);

}  // namespace cardgen
