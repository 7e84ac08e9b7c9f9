// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: the four sevens that open every game, fanned on green baize.
#pragma once

#include <QImage>
#include <QPainter>

namespace cardgen {

// The icon is designed on a square this many units wide.
constexpr int kIconDesign = 256;

// Icons this many pixels wide and smaller show the simpler design.
constexpr int kSmallIcon = 32;

// Each paints the icon on a painter whose coordinates span the 256-unit design square; the
// surround stays untouched (transparent on a transparent image). The full design fans all
// four sevens; the small one shows two, larger.
void paintIcon(QPainter& painter);
void paintSmallIcon(QPainter& painter);

// A square icon `size` pixels wide with a transparent surround, in the design for its size.
QImage appIcon(int size);

}  // namespace cardgen
