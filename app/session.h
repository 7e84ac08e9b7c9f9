// SPDX-License-Identifier: GPL-3.0-or-later
// The one game of the program: its state, options, random generator and sounds, the windows
// that show it, and the course of a game between them (the deal, the turn's hand-off, the
// table cleared after a game). It is the GameHost of the game windows.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "data/options.h"
#include "rules/gamestate.h"
#include "rules/random.h"
#include "ui/nestedloops.h"
#include "ui/sound.h"
#include "ui/table/gamehost.h"

namespace plumet {

class MainWindow;
class BoardWindow;
class HandWindow;
class ComputerWindow;
class PlayerWindow;

class Session : public QObject, public GameHost {
    Q_OBJECT
  public:
    Session();
    ~Session() override;

    // The main window and the game windows it made, set once by the main window.
    void setWindows(MainWindow* main, BoardWindow* board, HandWindow* human,
                    std::array<ComputerWindow*, 3> computers);
    MainWindow& main() const { return *main_; }
    HandWindow& human() const { return *human_; }
    ComputerWindow& computer(int player) const { return *computers_.at(player - 2); }
    const std::array<ComputerWindow*, 3>& computers() const { return computers_; }

    // What the game windows get of the program.
    GameState& state() override { return state_; }
    const GameState& state() const { return state_; }
    const Options& options() const override { return options_; }
    Random& random() override { return random_; }
    Sound& sound() override { return sound_; }
    MoveView& view() override;
    NestedLoops& loops() override { return loops_; }
    BoardWindow& board() override { return *board_; }
    PlayerWindow& window(int player) override;
    // Every move runs here: a move the program's close interrupts stops where it is; a move
    // in which a rule throws RuleFault ends the game: a message, then back to the initial
    // screen as "初期画面に戻る" goes without its question. Nothing is written to the store.
    void play(const std::function<void()>& move) override;
    void handoff(int player) override;
    void showResults(bool matchOver) override;
    void setMainInput(bool enabled) override;
    void activateMain() override;
    void setDetectionAvailable(bool available) override;
    void setHintAvailable(bool available) override;
    void showBoardNotice(const QString& notice) override;
    void flightFrame(const QWidget* card, double k, int frame, const QElapsedTimer& clock) override;

    // The options as the menus and the toolbar change them.
    Options& editableOptions() { return options_; }

    // The game start: deal, pictures, the sevens, and the first player's turn.
    void startGame();
    // Hides the player windows, the board's cards in random order and the board, and stops
    // the computer players' timers (back to the table before a game).
    void clearTable();

    // The passes the human has made in the game under way (or the game just ended); the
    // drop-out is not one of them.
    int humanPasses() const { return humanPasses_; }

    // The main window is closing: every flight, wait and timer stops, no move goes on.
    void requestQuit();
    bool closing() const { return loops_.closing(); }

    // The results of the game just ended (the results window). Until one is installed the
    // main window takes input again so that the next game can be started from the menu.
    std::function<void(bool matchOver)> results;
    // Called at every frame of a card flight with the board picture in flight and the
    // frame's k (1 .. flightFrames), before the frame's wait: lets tests count the frames.
    std::function<void(const QWidget* card, double k)> frameHook;

  private:
    friend class WindowView;
    void abandonAfterFault(const QString& what);

    GameState state_;
    Options options_;
    Random random_;
    NestedLoops loops_;
    Sound sound_;
    std::unique_ptr<MoveView> view_;
    MainWindow* main_ = nullptr;
    BoardWindow* board_ = nullptr;
    HandWindow* human_ = nullptr;
    std::array<ComputerWindow*, 3> computers_{};  // players 2, 3, 4
    int moveDepth_ = 0;             // moves under way (one runs inside another's event loop)
    int humanPasses_ = 0;           // passes of the human in this game
    std::optional<QString> fault_;  // what a rule found wrong in the moves under way
};

}  // namespace plumet
