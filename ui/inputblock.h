// SPDX-License-Identifier: GPL-3.0-or-later
// Input blocking that leaves every look as it is. The game keeps clicks, keys and menu
// commands out of its windows for the length of every move and while a dialog or the results
// window is open; QWidget::setEnabled(false) would do that too, but it also repaints: card
// pictures drawn greyed, the toolbar grey as if every option were off. A window (or a single
// control, such as a card picture) marked here as not accepting input gets no mouse, wheel,
// key or shortcut event, for itself and everything in it: its child windows on the main
// window's client area, its menu bar, the menus that drop from it and their shortcut keys.
// Nothing is repainted. Windows of their own (dialogs, the results window) keep their own mark
// even when their parent is blocked; a close request is never blocked.
//
// One event filter on the application does the blocking; it is installed the first time a
// widget is marked.
#pragma once

class QWidget;

namespace plumet {

// Marks `widget` as accepting input or not (the classic "enable" and "disable" of a form).
void setAcceptsInput(QWidget* widget, bool accepts);

// While one lives, every key, click, wheel turn and shortcut that reaches any window of the
// program is dropped, marked or not, except in a modal dialog opened meanwhile (the close
// question, asked when the main window is closed during a wait). The nested waits of a move (a
// frame of a card flight, a synchronous voice, the sound-off pause) run under one: they let the
// program repaint, run its timers and close, and the input of that moment is gone, never delivered
// after the wait (Qt's ExcludeUserInputEvents would keep it and hand it on when the wait is over,
// by then perhaps at the start of the human's turn).
class InputDiscarded {
  public:
    InputDiscarded();
    ~InputDiscarded();
    InputDiscarded(const InputDiscarded&) = delete;
    InputDiscarded& operator=(const InputDiscarded&) = delete;
};

// True when `widget` takes input now: it is enabled, and neither it nor any widget it lies in,
// up to its window (and from a popup menu on to the window the menu drops from), is marked as
// not accepting input.
bool acceptsInput(const QWidget* widget);

}  // namespace plumet
