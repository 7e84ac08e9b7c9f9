// SPDX-License-Identifier: GPL-3.0-or-later
// Enter and Esc in the game's windows that are plain widgets rather than dialogs (the results
// window, the TOP-10 dialog, the version box). Qt's dialogs press their default button on
// Enter and close on Esc by themselves; these windows ask these helpers in their key handler.
#pragma once

class QKeyEvent;
class QPushButton;

namespace plumet {

// Enter or Return without Ctrl, Alt or Meta (the keypad's Enter included).
bool isEnterKey(const QKeyEvent* event);
// Esc without Ctrl, Alt or Meta.
bool isEscapeKey(const QKeyEvent* event);
// Clicks `button` when it is shown and enabled, as a click of the mouse would; true when it did.
bool pressButton(QPushButton* button);

}  // namespace plumet
