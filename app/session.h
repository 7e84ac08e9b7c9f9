// The one game of the program: its state, its random generator, its sounds, and the windows
// that show it. Every window holds a reference to it; nothing else is shared.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "rules/gamestate.h"
#include "rules/random.h"
#include "rules/moveview.h"
#include "ui/sound.h"

class QWidget;

namespace plumet {

class MDIForm1;
class Form2;
class Form4;
class ComputerForm;
class PlayerForm;

class Session : public QObject {
    Q_OBJECT
  public:
    Session();
    ~Session() override;

    GameState state;
    Random random;
    Sound sound;

    // The windows, set once by the main window that creates them.
    MDIForm1* main = nullptr;
    Form2* board = nullptr;
    Form4* human = nullptr;
    std::array<ComputerForm*, 3> computers{};  // Form5, Form6, Form7
    PlayerForm* window(int player) const;

    // The rule options as the menu check marks show them now.
    Rules rules() const;
    // What the windows show of a move (flights, labels, voices).
    MoveView& view();

    // The game start: deal, pictures, the sevens, and the first player's turn.
    void startgame();
    // The turn moves on after `player`'s completed move, or the game ends.
    void handoff(int player);
    // Hides the player windows, the board's cards in random order and the board, and stops
    // the computer players' timers (back to the table before a game).
    void clearTable();

    // Flight pacing: waits for frame `frame` (1, 2, ...) of a flight started at `clock`,
    // letting pending events through.
    void frameWait(int frame, const QElapsedTimer& clock);

    // Called at every frame of a card flight with the board picture in flight and the
    // frame's k (1 .. movespeed), before the frame's wait: lets tests count the frames.
    std::function<void(const QWidget* card, double k)> flightFrame;

    // The main window is closing: every flight, wait and timer stops, no turn moves on.
    void requestQuit();
    bool quitting() const { return quitting_; }

    // Shows the game's results (the results window). Until one is installed the main window
    // is enabled again so that the next game can be started from the menu.
    std::function<void(bool matchOver)> showResults;

  signals:
    void quitRequested();

  private:
    std::unique_ptr<MoveView> view_;
    bool quitting_ = false;
};

// Str() of a number as labels show it: a blank before a value of 0 or more.
QString signedText(int value);

}  // namespace plumet
