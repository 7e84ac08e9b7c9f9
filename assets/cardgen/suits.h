// SPDX-License-Identifier: GPL-3.0-or-later
// The four suit symbols as outlines, so that they look the same whatever fonts the machine
// that builds the game has.
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace cardgen {

enum class Suit { Spades, Hearts, Clubs, Diamonds };  // card file letters "s", "h", "c", "d"

// The symbol of `suit`, filling `box` (centred, keeping its proportions).
QPainterPath suitPath(Suit suit, const QRectF& box);

}  // namespace cardgen
