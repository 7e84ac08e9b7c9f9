// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a match on the main window: the results window after each game, the saved
// match and its continuation, the TOP-10 entry at the end of a match, and the TOP-10 and
// group dialogs of the menus.
//
// MatchCourse wires itself into the main window and the session when it is made: the menu items
// "前回の続き" (continueMatch), "トップ１０(&R)" (showTop10), "成績(&S)" and "グループ変更"
// (changeGroup), the discarding of the saved match by "新規ゲーム(&N)...", the group name in the
// caption, the results window that the board's endGame opens, and the statistics that count
// every game's end and every match given up (MatchStatistics).
#pragma once

#include <QObject>
#include <functional>

#include "ui/windows/top10dialog.h"

namespace plumet {

class MainWindow;
class MatchStatistics;
class Session;
class Store;

class MatchCourse : public QObject {
    Q_OBJECT
  public:
    MatchCourse(Session& session, MainWindow& main, Store& store);

    // At start-up, after the main window was made: on the first run the check strings of the
    // TOP-10 table and the saved match, then the group in use ("group") and the check of the
    // saved match, which enables "前回の続き" or reports damage. False when the stored data was
    // damaged and the program ends (endAtOnce has been called).
    bool startUp();
    // The checks loadProfile runs on the profile it has read (at start-up and after a group
    // switch): the saved match, then the statistics, whose damaged records are reset and
    // reported. False when the saved match was inconsistent and the program ends.
    bool checkSavedMatch();

    // "前回の続き".
    void continueMatch();
    // "トップ１０(&R)" and "グループ変更": the dialog in its own layout or in group mode.
    void showTop10();
    void changeGroup();

    // The results window of the game just ended, after the game is counted.
    void showResults(bool matchOver);

    MatchStatistics& statistics() { return *statistics_; }

    // Damaged TOP-10 data: the program ends through the main window's close (whose query
    // finds "ckkc" = "9999" and asks nothing). Default: closes the main window.
    std::function<void()> endProgram;
    // An inconsistent saved match: the program ends at once, nothing more is written.
    // Default: every window hidden and the event loop left.
    std::function<void()> endAtOnce;
    // saveProfile and loadProfile around a group switch. Without a loadProfile the main
    // window's caption is brought up to date.
    std::function<void()> saveSettings;
    std::function<void()> loadSettings;
    // The file dialogs of export and import (tests replace them); empty: the platform's.
    std::function<QString(Top10Dialog::FileDialog)> chooseFile;

  private:
    Top10Dialog::Hooks dialogHooks();
    void setContinue(bool enabled);
    void nextGame();
    void matchOver();
    void savedToTitle();
    void message(const QString& text);

    Session& session_;
    MainWindow& main_;
    Store& store_;
    MatchStatistics* statistics_ = nullptr;  // a child of the main window
};

}  // namespace plumet
