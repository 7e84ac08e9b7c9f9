// SPDX-License-Identifier: GPL-3.0-or-later
// Bold text as an outline fitted into a box, so that a rank reads the same size whatever
// font the building machine falls back to.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace cardgen {

// The font used for ranks and digits: DejaVu Sans Bold where installed, else the nearest
// bold sans-serif font.
QFont boldFont();

// `text` in the bold font, scaled so that its ink is exactly `box` high and no wider than
// `box`. With `alignLeft` the ink starts at the box's left edge, otherwise it is centred.
QPainterPath fittedText(const QString& text, const QRectF& box, bool alignLeft);

}  // namespace cardgen
