// SPDX-License-Identifier: GPL-3.0-or-later
// The human player's statistics on the main window: every game's end and every match given up
// counted in the live profile of the group in use, damaged records reported and reset, and the
// window "成績" (menu "ｹﾞｰﾑ(&G)" and the toolbar's STATS button).
//
// What counts as a match given up ("中断したマッチ"): the match under way left by
// "初期画面に戻る", by "新規ゲーム" or by closing the program, and a saved match thrown away by
// "新規ゲーム". A match saved by "保存後タイトルへ" is not given up: continued later, its games go
// on counting, and it counts as played when its tenth game ends. A match the program itself
// had to stop (a rule fault) counts neither way.
//
// Games and matches count under the strength (strengthInUse) and the rules in force when they
// end; a match given up counts under those in force when it is given up.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "data/statistics.h"
#include "ui/windows/statisticswindow.h"

namespace plumet {

class MainWindow;
class Session;
class Store;

// The name of the computer players' strength in use, under which games and matches are
// counted: "weak", "classic" or "strong". Every game is played by the classic strategy until
// the strength option comes; then this returns the name of the option's strength.
QString strengthInUse(const Session& session);

class MatchStatistics : public QObject {
    Q_OBJECT
  public:
    MatchStatistics(Session& session, MainWindow& main, Store& store);

    // The game just ended, its results not shown yet: the game counted, and the match after
    // its tenth game, in one write. A damaged record is reported, a failed write too.
    void gameEnded(bool matchOver);
    // The match is over and its results window closed: there is no match to give up.
    void matchClosed();
    // The match under way, or the saved match when none is under way, is given up. Called
    // inside the action's store watch, which reports a failed write.
    void matchAbandoned();
    // The records of the live profile checked (at start-up and after a group switch): the
    // damaged ones are reset and named in one message.
    void checkStored();

    // "成績": the window over the main window, which takes no input while it is open.
    StatisticsWindow* showWindow();
    StatisticsWindow* window() const { return window_; }

  private:
    void reportDamage(const QList<statistics::Damage>& damaged);
    void refreshWindow();

    Session& session_;
    MainWindow& main_;
    Store& store_;
    bool matchCounted_ = false;  // the match's tenth game is counted: nothing left to give up
    QPointer<StatisticsWindow> window_;
};

// The text of the message about damaged records: what was reset, one line each.
QString damagedStatisticsText(const QList<statistics::Damage>& damaged);

}  // namespace plumet
