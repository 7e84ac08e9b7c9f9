// The card pictures: faces, jokers, pass cards and backs. Every picture is designed on a
// 34 x 42 pixel card and drawn `scale` times larger, so each set holds pictures of one size.
#pragma once

#include <QImage>
#include <QPainter>

#include "suits.h"

namespace cardgen {

constexpr int kCardWidth = 34;
constexpr int kCardHeight = 42;

// The three card backs: "uray.bmp" (side windows), "urat.bmp" (top window), "uray2.bmp"
// (player 4's window).
enum class Back { Side, Top, Left };

// Paints a face on a painter whose coordinates span one 34 x 42 card (the icon reuses it).
void paintFace(QPainter& painter, Suit suit, int rank);

QImage faceImage(Suit suit, int rank, int scale);
// The joker; `selected` is the picture of a joker the player has picked up to lay.
QImage jokerImage(bool selected, int scale);
// The pass card showing `passleft` - 1 passes still allowed (passleft 1..4).
QImage passImage(int passleft, int scale);
QImage backImage(Back back, int scale);

}  // namespace cardgen
