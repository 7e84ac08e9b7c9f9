// SPDX-License-Identifier: GPL-3.0-or-later
// The card pictures: faces, jokers, pass cards and backs. Every picture is designed on a
// 34 x 42 unit card and painted in those units, as pure vectors: the same painting makes the
// bitmap sets (one or two pixels a unit) and the SVG set.
#pragma once

#include <QList>
#include <QPainter>
#include <QString>

#include "picture.h"
#include "suits.h"

namespace cardgen {

constexpr int kCardWidth = 34;
constexpr int kCardHeight = 42;

// The three card backs: "uray" (side windows), "urat" (top window), "uray2" (player 4's
// window).
enum class Back { Side, Top, Left };

// Each paints one card on a painter whose coordinates span one 34 x 42 card.
void paintFace(QPainter& painter, Suit suit, int rank);
// The joker; `selected` is the picture of a joker the player has picked up to lay.
void paintJoker(QPainter& painter, bool selected);
// The pass card showing `passesLeft` - 1 passes still allowed (passesLeft 1..4).
void paintPass(QPainter& painter, int passesLeft);
void paintBack(QPainter& painter, Back back);

// One picture of the card set: the base name of its files ("s1", "joker", "uray", ...).
struct CardPicture {
    QString name;
    Painting paint;
};

// The 61 pictures of a card set: s1..s13, h1.., c1.., d1..d13, joker, joker1, ps1..ps4,
// uray, urat, uray2.
QList<CardPicture> cardPictures();

}  // namespace cardgen
