// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry from the profile brought back where a player can use it: a stored frame
// (hand-edited, or left from a larger screen) is given a usable size and moved inside the
// area it belongs to, the screen for the main window, the main window's client area for the
// board and the player windows.
#pragma once

#include <QRect>
#include <QSize>

#include "data/settings.h"

namespace plumet {

// The smallest frames, in twips, that still show a window's title and a row of cards, and
// for the main window the whole toolbar (its last button ends at 8510).
inline constexpr double kMinMainWidth = 8640, kMinMainHeight = 5400;
inline constexpr double kMinBoardWidth = 3000, kMinBoardHeight = 1500;
inline constexpr double kMinRowWidth = 3000, kMinRowHeight = 900;     // players 1 and 3
inline constexpr double kMinSideWidth = 1020, kMinSideHeight = 3000;  // players 2 and 4

// The smallest frames of the main window, the board and player p's window.
QSize minimumMainFrame();
QSize minimumBoardFrame();
QSize minimumPlayerFrame(int player);

// The stored frame in pixels as it stands; any stored number is taken, however large or
// small (held to a range no screen comes near).
QRect pixelRect(const Geometry& stored);

// The stored frame in pixels, at least `minimum` and at most `area` in size, and inside
// `area` (an empty area only gives the minimum).
QRect fitInto(const Geometry& stored, const QRect& area, QSize minimum);

}  // namespace plumet
