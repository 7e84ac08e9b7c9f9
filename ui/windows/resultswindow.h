// SPDX-License-Identifier: GPL-3.0-or-later
// ResultsWindow: the results window after each game. This game's points and the match totals of
// the four players, the human player's record of every game so far, and the graph of the
// human's points per game or cumulative. Its buttons go on to the next game, save the match
// and return to the title screen (after games 1..9), or end the match (after game 10).
//
// The window shows the game state and writes only what it owns: humanGamePoints and humanGamePlaces
// of the game just ended, the graph choice "gurahu", and the saved match. What follows its buttons
// on the other windows (clearing the table, the next game, the title screen, the TOP-10 entry) is
// the receiver's of its signals, which come after the window has closed.
//
// Enter presses the proceed button, the default button (the next game, or the end of the match);
// Space presses the button that has the keyboard focus. Esc does nothing: the window has no cancel,
// and only its buttons close it.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "rules/gamestate.h"

class QFrame;
class QLabel;
class QPushButton;

namespace plumet {

class ScoreGraph;
class Store;

inline constexpr char kPerGameGraph[] = "各試合の得点グラフ";
inline constexpr char kCumulativeGraph[] = "累計の得点グラフ";

class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    // What the window reads of the other windows.
    struct Sources {
        std::function<QString(int player)> playerCaption;  // caption of player p's window
        std::function<QString()> humanPlace;  // human window: place label " / " status label
    };

    ResultsWindow(GameState& state, Store& store, Sources sources, QWidget* parent = nullptr);

    // The window after game gameNumber: captions set as the game end sets them, then loaded and
    // shown. The window deletes itself when one of its buttons closes it; nullptr when it
    // was gone before its load ended. `parent` is the main window: the results stay a window
    // of their own, but with the game's window.
    static ResultsWindow* open(GameState& state, Store& store, Sources sources, bool matchOver,
                               QWidget* parent = nullptr);

    // Builds and shows the window and draws the graph (the window's load).
    void load();

    // The controls, for the windows that set them up and for tests.
    // Rows 0 (the heads) and 1..4 (the players) of the scores.
    QLabel* nameLabel(int row) const { return nameLabels_.at(row); }
    QLabel* gamePointsLabel(int row) const { return gamePointsLabels_.at(row); }
    QLabel* totalLabel(int row) const { return totalLabels_.at(row); }
    // The human's record, game k + 1 in row k.
    QLabel* recordHeadLabel() const { return recordHeadLabel_; }
    QLabel* gameNumberLabel(int k) const { return gameNumberLabels_.at(k); }
    QLabel* recordPointsLabel(int k) const { return recordPointsLabels_.at(k); }
    QLabel* recordPlaceLabel(int k) const { return recordPlaceLabels_.at(k); }
    // "各試合の得点グラフ" or "累計の得点グラフ": the graph shown.
    QLabel* graphCaptionLabel() const { return graphCaptionLabel_; }
    ScoreGraph* graph() const { return graph_; }
    // The buttons, each under its classic object name "Command1".."Command3" (the number):
    // the next game (or the end of the match), "保存後タイトルへ", the other graph.
    enum class Button { Proceed = 1, SaveToTitle, SwitchGraph };
    QPushButton* button(Button which) const;

    // The button handlers.
    void proceed();
    void saveAndReturnToTitle();
    void switchGraph();

  signals:
    // The proceed button after games 1..9: the next game is to start.
    void nextGame();
    // The proceed button after game 10: gameNumber is 0 again; the TOP-10 entry is to run.
    void matchOver();
    // "保存後タイトルへ": the match is stored and gameNumber is 0; the title screen is to be
    // restored. When the store cannot be written the player is told and the window stays as it was.
    void saved();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fillScores();
    void fillRecord();

    GameState& state_;
    Store& store_;
    Sources sources_;
    std::array<QLabel*, 5> nameLabels_{}, gamePointsLabels_{}, totalLabels_{};
    std::array<QLabel*, 10> gameNumberLabels_{}, recordPointsLabels_{}, recordPlaceLabels_{};
    QLabel* recordHeadLabel_ = nullptr;
    QLabel* graphCaptionLabel_ = nullptr;
    ScoreGraph* graph_ = nullptr;
    QPushButton* proceedButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* graphButton_ = nullptr;
    std::array<QFrame*, 4> lines_{};
    bool closing_ = false;
};

// A number in a field of `width` characters, right-aligned, with the leading sign position
// of the labels (" 5", "-5"); a number longer than the field is shown whole.
QString numberField(int value, int width);

}  // namespace plumet
