// SPDX-License-Identifier: GPL-3.0-or-later
// What the four player windows share: the hand pictures, the four status labels, the turn
// colour, the joker exchange timer, and the showing side of laying a card, passing
// and the joker.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "rules/moveview.h"
#include "ui/cards/cardpicture.h"
#include "ui/table/childwindow.h"
#include "ui/table/gamehost.h"

class QMdiSubWindow;

namespace plumet {

inline const QColor kIdleColour(0, 128, 0);
inline const QColor kTurnColour(0, 0, 255);
inline const QColor kHolderColour(255, 0, 0);

// The four status lines in a player window's corner, top to bottom: "得点", the match total,
// "パス" or how the game ended for the player, the passes left or the place.
enum class StatusLine { Heading = 1, Score, Status, PassesOrPlace };

class PlayerWindow : public ChildWindow {
    Q_OBJECT
  public:
    PlayerWindow(GameHost& host, int player, int pictures, QWidget* parent = nullptr);

    int player() const { return player_; }
    CardPicture* picture(int i) const { return pictures_.at(i); }  // hand slot i >= 1
    int pictureCount() const { return static_cast<int>(pictures_.size()) - 1; }
    QLabel* statusLabel(StatusLine line) const { return labels_.at(static_cast<int>(line)); }
    // Sets a status line's text and sizes its label to it.
    void setStatusText(StatusLine line, const QString& text);
    // The status lines' font: `base` at the largest pixel size (up to kStatusMaxPixels) whose
    // four lines fit the smallest client height the arrangement gives a player window.
    static QFont statusFont(const QFont& base);
    static constexpr double kStatusLineTwips = 200;
    static constexpr int kStatusMaxPixels = 12;
    static constexpr int kStatusMinPixels = 8;
    // With the cards fitted the status lines grow with them: `base` at the largest pixel size
    // (from statusFont's up to kFittedStatusMaxPixels) at which every text the lines show fits
    // `box` (pixels) four lines high, one above the other.
    static QFont fittedStatusFont(const QFont& base, QSize box);
    static constexpr int kFittedStatusMaxPixels = 64;
    // The room the status lines have before the first card along the run of the hand, in
    // twips, for cards `card` large: the classic 1000; with the cards fitted, at least a
    // card's width, so that the lines grow with the cards.
    double labelRoom(QSize card) const;
    // The status lines' box in pixels, from the window's corner: beside the hand in the
    // windows whose hand runs across, above it in those beside the board.
    QSize labelBox() const;
    // Players 2 and 4, beside the board, hold their hands running down.
    bool handRunsDown() const { return player_ == 2 || player_ == 4; }
    QTimer& exchangeTimer() { return exchangeTimer_; }

    void setColour(const QColor& colour);
    QColor colour() const;

    // The turn arrives at this window.
    virtual void takeTurn() = 0;
    // Lays out the labels and the hand for the window's size (only during a match).
    virtual void layoutHand() = 0;
    // Game start: labels, colour, pictures hidden, timers stopped.
    virtual void prepareDeal();
    // Game start: the hand's pictures from the dealt hand, placed and shown.
    virtual void showHand() = 0;
    virtual void stopTimers();

    // The showing side of the move rules (see MoveView).
    void cardFlight(int card, int slot);
    virtual void afterLay(int card, int slot, LayOutcome outcome) = 0;
    void jokerFlight(int gapCard);
    virtual void passed() = 0;
    void droppingOut();
    virtual void droppedOut();
    virtual void jokerReturned() = 0;
    void beforeExchange();

    // Starts the joker exchange: the exchange timer armed, the holder's window red.
    void startExchange();

    // Whether the window, `inner` pixels inside, holds its hand of cards `card` large (frame
    // included) by its layout rules.
    virtual bool holds(QSize inner, QSize card) const = 0;
    // The largest card height the window holds when it is `inner` pixels inside.
    int heldCardHeight(QSize inner) const;
    // Cards fitted to the window: drawn at the largest height the window holds, fitted again
    // whenever the window is resized; off shows every picture at its own size (the classic
    // window).
    void setCardsFitted(bool fitted);
    bool cardsFitted() const { return fitted_; }

  protected:
    // Gives every picture the height fitted to the window now; true when it changed.
    bool fitCards();
    // The cards have changed size during a game: the hand is laid out again as the deal lays
    // it out.
    virtual void cardsResized() = 0;
    // Where this window's card flights start, in board coordinates (twips), for `slot`.
    virtual QPointF flightStart(int slot) const = 0;
    // After a flight: the hand card goes back where it started.
    virtual void restoreAfterFlight(CardPicture* hand, QPoint start) = 0;
    void fly(CardPicture* boardCard, CardPicture* handCard, QPointF start, QPointF target,
             double step);
    void layoutLabels();
    void showPlaceLabels();
    void showPassesLeft();
    void exchangeTick();
    QString voiceFile(const char* stem) const;

    GameHost& host_;

  private:
    int player_;
    bool fitted_ = false;
    std::vector<CardPicture*> pictures_;
    std::vector<QLabel*> labels_;
    QTimer exchangeTimer_;
};

}  // namespace plumet
