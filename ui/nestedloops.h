// SPDX-License-Identifier: GPL-3.0-or-later
// Every nested event loop of a move in one place.
//
// A move (the human's click, a computer's turn, the joker exchange, the deal) lets pending
// events run while it waits: at every frame of a card flight, during a synchronous voice, in
// the sound-off pause. What the user types or clicks meanwhile is dropped (InputDiscarded):
// the game takes no input during a move, and none is kept for later. The main window can be
// closed in any of these waits. Then every loop that
// runs ends at once, and the move must not go on over windows that are going away: yield()
// and run() throw MoveInterrupted once the program is closing, and the move unwinds to the
// event handler that started it (GameHost::play), which lets it go. No window checks for the
// close itself.
#pragma once

#include <QEventLoop>
#include <QObject>

namespace plumet {

// Thrown out of a nested event loop when the program began to close inside it.
struct MoveInterrupted {};

class NestedLoops : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Lets pending events run once; user input among them is dropped.
    void yield();
    // Runs `loop` until its own timer or signal quits it, or the program closes; user input
    // that arrives meanwhile is dropped.
    void run(QEventLoop& loop);

    // The program is closing: running loops end, and they and every later one throw.
    void close();
    bool closing() const { return closing_; }

  signals:
    void closed();
    // A wait of run() begins: what happens now happens during the wait (tests send their
    // input here).
    void waiting();

  private:
    void throwIfClosing() const;

    bool closing_ = false;
};

}  // namespace plumet
