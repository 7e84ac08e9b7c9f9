// SPDX-License-Identifier: GPL-3.0-or-later
// What the game windows (the board, the hand, the computer players) need from the program
// that holds them: the one game with its options, random generator and sounds, the other
// windows of the table, and the course of a game around their moves. The program implements
// it (app/Session) and hands it to every game window at construction.
#pragma once

#include <functional>

#include "data/options.h"
#include "rules/gamestate.h"
#include "rules/moveview.h"
#include "rules/random.h"

class QElapsedTimer;
class QString;
class QWidget;

namespace plumet {

class BoardWindow;
class NestedLoops;
class PlayerWindow;
class Sound;

class GameHost {
  public:
    virtual ~GameHost() = default;

    virtual GameState& state() = 0;
    virtual const Options& options() const = 0;
    Rules rules() const { return options().rules(); }
    virtual Random& random() = 0;
    virtual Sound& sound() = 0;
    // What the windows show of the moves the rules make (flights, labels, voices).
    virtual MoveView& view() = 0;
    virtual NestedLoops& loops() = 0;

    virtual BoardWindow& board() = 0;
    virtual PlayerWindow& window(int player) = 0;

    // Runs a move that an event started (a click, a timer): its rule calls with their
    // flights and voices. A move interrupted by the program's close stops where it is.
    virtual void play(const std::function<void()>& move) = 0;
    // `player`'s move is complete: the next player's turn, or the end of the game.
    virtual void handoff(int player) = 0;
    // The game has been scored: the results.
    virtual void showResults(bool matchOver) = 0;
    // The main window takes input (menus, toolbar) only during the human's turn, at whose
    // start it becomes the active window and gives the hand window the keyboard.
    virtual void setMainInput(bool enabled) = 0;
    virtual void activateMain() = 0;
    // "出せるカードを検出" can be chosen during the human's turn and between matches.
    virtual void setDetectionAvailable(bool available) = 0;
    // "ヒント" can be chosen only during the human's turn.
    virtual void setHintAvailable(bool available) = 0;
    // Says `notice` on the board's caption, after "－　場　－", until the caption timer puts
    // the plain caption back.
    virtual void showBoardNotice(const QString& notice) = 0;

    // Frame `frame` (1, 2, ...) of a card flight started at `clock`, the board's `card`
    // standing at k (1 .. flightFrames): waits for the frame's time, letting events through.
    virtual void flightFrame(const QWidget* card, double k, int frame,
                             const QElapsedTimer& clock) = 0;
};

}  // namespace plumet
