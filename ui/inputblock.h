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

// True when `widget` takes input now: it is enabled, and neither it nor any widget it lies in,
// up to its window (and from a popup menu on to the window the menu drops from), is marked as
// not accepting input.
bool acceptsInput(const QWidget* widget);

}  // namespace plumet
