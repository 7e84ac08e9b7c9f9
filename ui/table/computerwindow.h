// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' windows (players 2, 3, 4), each showing its
// hand face down. One class; the three instances differ in their player number, where they
// stand beside the board and which way their hand runs.
#pragma once

#include <QTimer>

#include "rules/strategy.h"
#include "ui/table/backgroundsearch.h"
#include "ui/table/playerwindow.h"

namespace plumet {

class ComputerWindow : public PlayerWindow {
    Q_OBJECT
  public:
    // player 2 (right of the board), 3 (above it) or 4 (left of it).
    ComputerWindow(GameHost& host, int player, QWidget* parent = nullptr);

    QTimer& thinkTimer() { return thinkTimer_; }

    void takeTurn() override;
    void layoutHand() override;
    void showHand() override;
    void stopTimers() override;
    void afterLay(int card, int slot, LayOutcome outcome) override;
    void passed() override;
    void jokerReturned() override;

    // The think timer's tick: the turn's thinking time is over. The move follows at once, or,
    // at "つよい", as soon as the search started with the turn has ended.
    void thinkingDone();
    // Decides and carries out this turn's move.
    void decideAndMove();
    // Whether the strong player's search of this turn is still running.
    bool searching() const { return search_.running(); }
    // Pass or drop out.
    void pass();

    // The hand's card stands across the window and runs from the labels' room to the far
    // edge.
    bool holds(QSize inner, QSize card) const override;

    // The card back this window shows.
    QString backFile() const;
    double cardWidth() const;
    double cardHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void cardsResized() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QPointF flightStart(int slot) const override;
    void restoreAfterFlight(CardPicture* hand, QPoint start) override;

  private:
    bool runsDown() const { return player() != 3; }
    void layoutSlots(bool spread);

    // At "つよい" the search starts when the turn arrives and runs while the pace timer does.
    void startSearch();
    void moveNow();

    QTimer thinkTimer_;
    BackgroundSearch search_;
    Decision searched_;      // what the search of this turn decided
    bool paceOver_ = false;  // the pace timer fired while the search was still running
};

}  // namespace plumet
