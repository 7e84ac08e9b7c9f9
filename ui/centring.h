// SPDX-License-Identifier: GPL-3.0-or-later
// Places a top-level window (a dialog, the results, the TOP-10 table, the version box) in the
// middle of the main window, where the player is looking; in the middle of the screen while
// the main window is not shown (the title screen at start-up).
#pragma once

class QWidget;

namespace plumet {

// The window the others open over: the main window.
void setCentringWindow(QWidget* window);

// Centres `window` on the window it belongs to (its parent's window, else the one set with
// setCentringWindow) when that is shown, else on the screen; kept inside the available area
// of that window's screen.
void centreWindow(QWidget* window);

}  // namespace plumet
