// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: four suit rows of thirteen places, one card picture per card code, the
// joker's picture, and the end of a game (`endGame`).
#pragma once

#include <QPointF>
#include <QWidget>
#include <array>

#include "ui/cards/cardpicture.h"
#include "ui/table/childwindow.h"

class QMdiSubWindow;

namespace plumet {

class GameHost;

inline const char* const kBoardCaption = "－　場　－";

class BoardWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit BoardWindow(GameHost& host, QWidget* parent = nullptr);

    CardPicture* picture(int c) const {
        return pictures_.at(c);
    }  // card code c, 0 and 53 the joker

    // The board position of card c (1..52) in twips: rows by suit, columns by rank.
    QPointF cardPos(int card) const;
    // Reads board pictures 1..53 from the board folder.
    void loadPictures();
    // Lays out the 52 cards for the window's size (only during a match), and the joker with
    // them while it stands in a gap.
    void layoutCards();
    // The joker has been laid in the place of `gapCard`: it stays there, whatever the layout
    // does, until hideJoker() (the exchange is over).
    void setJokerGap(int gapCard);
    void hideJoker();
    void setFramed(bool framed);

    // Whether a board `inner` pixels inside holds its thirteen columns and four rows of cards
    // `card` large (frame included) without overlapping.
    static bool holds(QSize inner, QSize card);
    // The largest card height the board holds when it is `inner` pixels inside.
    int heldCardHeight(QSize inner) const;
    // Cards fitted to the board: drawn at the largest height the board holds, fitted again
    // whenever the board is resized; off shows every picture at its own size (the classic
    // board).
    void setCardsFitted(bool fitted);
    bool cardsFitted() const { return fitted_; }

    // The game has ended: it is scored and the results are shown.
    void endGame();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Gives every picture the height fitted to the board now; true when it changed.
    bool fitCards();

    GameHost& host_;
    bool fitted_ = false;
    int jokerGap_ = 0;  // the card whose place the joker holds on the board, 0 none
    std::array<CardPicture*, 54> pictures_{};
};

}  // namespace plumet
