// SPDX-License-Identifier: GPL-3.0-or-later
// StatisticsWindow: the window "成績", the human player's record in the group in use. Two lists
// choose what it counts: the computer players' strength ("すべて", "よわい", "ふつう", "つよい")
// and the rule combination ("すべて" or one of the twelve); the figures and the chart show the
// record of that choice. "リセット" clears every record of the group after the question
// "成績のリセット？" ("はい" / "いいえ"); "閉じる" closes.
//
// A dialog without a modal loop: the opener keeps input from the main window while it is open
// and takes closed() to give it back. Tab moves between the lists and the buttons, Enter
// presses "閉じる", Esc closes. The window lays its contents out for whatever size it is given,
// from its minimum up, and opens at a size that fits the screen. It deletes itself when it
// closes.
#pragma once

#include <QDialog>
#include <array>

#include "data/statistics.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace plumet {

class StatisticsChart;
class Store;

class StatisticsWindow : public QDialog {
    Q_OBJECT
  public:
    // The figures, each shown in a label under its name ("games", "matches", ...).
    enum class Figure {
        Games,
        Matches,
        Abandoned,
        Place1,
        Place2,
        Place3,
        Place4,
        WentOut,
        DroppedOut,
        JokerLeft,
        Passes,
        MeanPoints,
        BestGame,
        BestMatch,
        WorstMatch,
        LongestFirstRun,
    };
    static constexpr int kFigures = 16;

    // `groupName`: the group in use, named in the caption and in the question. The lists
    // start at "すべて": every game of the group.
    StatisticsWindow(Store& store, const QString& groupName, QWidget* parent = nullptr);

    // Shows the window centred on the screen, without a modal loop.
    void open() override;

    // The scope the lists choose, and choosing one.
    statistics::Scope scope() const;
    void setScope(const statistics::Scope& scope);
    // Reads the chosen record from the store again and shows it.
    void refresh();

    QComboBox* strengthList() const { return strengthList_; }
    QComboBox* rulesList() const { return rulesList_; }
    QLabel* figure(Figure which) const { return figures_.at(static_cast<int>(which)); }
    StatisticsChart* chart() const { return chart_; }
    QPushButton* resetButton() const { return resetButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    const statistics::Record& shown() const { return shown_; }

    // "リセット": the question, then every record of the group deleted.
    void resetStatistics();

  signals:
    void closed();

  private:
    void showRecord(const statistics::Record& record);

    Store& store_;
    QString groupName_;
    QComboBox* strengthList_ = nullptr;
    QComboBox* rulesList_ = nullptr;
    std::array<QLabel*, kFigures> figures_{};
    StatisticsChart* chart_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    statistics::Record shown_;
};

}  // namespace plumet
