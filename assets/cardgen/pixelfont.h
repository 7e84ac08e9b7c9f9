// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny bitmap font (capitals, a few digits and a double arrow, 7 pixels high) for labels
// that must stay sharp at a handful of pixels: the toolbar buttons and the joker's caption.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace cardgen {

constexpr int kPixelFontHeight = 7;

// Width in font pixels of `text` (one blank column between characters), before scaling.
int pixelTextWidth(const QString& text);

// Draws `text` with its top-left corner at (x, y), each font pixel a `scale` x `scale`
// square. Characters the font lacks are drawn as blanks.
void drawPixelText(QPainter& painter, int x, int y, const QString& text, int scale,
                   const QColor& color);

// The same text as one outline, each font pixel a unit square, the top-left corner at (0, 0):
// for pictures that are drawn as vectors too.
QPainterPath pixelTextPath(const QString& text);

}  // namespace cardgen
