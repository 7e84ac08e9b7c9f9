// SPDX-License-Identifier: GPL-3.0-or-later
// The 30 toolbar button pictures image1.bmp .. image30.bmp: 32 x 20 pixels, 16 colours at most,
// a short label in capitals on a coloured button face; and the same drawing as vectors
// (image1.svg .. image30.svg, viewBox 0 0 32 20), from which the game draws the buttons on a
// scaled screen.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

namespace cardgen {

constexpr int kToolbarWidth = 32;
constexpr int kToolbarHeight = 20;
constexpr int kToolbarImages = 30;

// Blue: a command that can be used or an option that is on; grey: an option that is off or
// a command that is unavailable; red: the joker re-used.
enum class ButtonColor { Blue, Grey, Red };

struct ToolbarButton {
    QString label;
    ButtonColor color;
};

// The label and colour of Image`n`, n = 1..30.
ToolbarButton toolbarButton(int n);
// Paints the button on a painter whose coordinates span 32 x 20 units.
void paintToolbarButton(QPainter& painter, const ToolbarButton& button);
QImage toolbarImage(const ToolbarButton& button);

}  // namespace cardgen
