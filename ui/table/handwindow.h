// SPDX-License-Identifier: GPL-3.0-or-later
// HandWindow: the human player's hand, face up, with the pass card after the last card.
//
// The hand can be played from the keyboard as well as with the mouse: during the human's turn
// one card (or the pass card) carries the focus mark; Left/Right, Home/End move it; Enter or
// Space is a click on the focused card, J a click on the joker, P a click on the pass card and
// Esc, with the joker selected, a click on the joker again. Every key ends in the same click
// handler as the mouse. At the start of a turn the focus rests on a legal move, so that Enter
// alone always makes one. The hint ("ヒント") marks the move the computer strategy would make.
#pragma once

#include <optional>

#include "rules/hint.h"
#include "ui/table/backgroundsearch.h"
#include "ui/table/playerwindow.h"

namespace plumet {

// The board's caption when the last pass is refused: a card (or the joker) can be laid.
inline const char* const kLastPassRefused = "出せるカードがあるので、最後のパスはできません";

class HandWindow : public PlayerWindow {
    Q_OBJECT
  public:
    explicit HandWindow(GameHost& host, QWidget* parent = nullptr);

    void takeTurn() override;
    void layoutHand() override;
    void showHand() override;
    // Reads the hand's pictures and the pass card again from the face folder, leaving every
    // slot where it is (the card frame was switched during a match).
    void reloadHand();
    void afterLay(int card, int slot, LayOutcome outcome) override;
    void passed() override;
    void droppedOut() override;
    void jokerReturned() override;

    // The human clicks hand slot i (the pass card is slot handCount + 1).
    void clickSlot(int i);
    // Lifts the cards that can be laid now (and the joker when it can free a card).
    void liftPlayable();
    // With the joker selected: lifts the cards it can free, and the joker.
    void liftJokerTargets();
    // Puts every slot back at the base height.
    void lowerAll();
    // Pass or drop out.
    void pass();

    // The slot carrying the keyboard focus (1 .. handCount + 1), 0 outside the human's turn.
    int focusSlot() const { return turn_ ? focusSlot_ : 0; }
    // The slot the focus rests on at the start of a turn: the first card that can be laid,
    // else the joker when a joker move exists, else the pass card. With the joker selected:
    // the first card it can free.
    int legalFocus() const;
    // Marks the move "つよい" would make in the human's seat (only during the human's turn),
    // once its search, run on a worker thread, has found it; a hinted pass is also said on the
    // board's caption, with why. The same position always gets the same hint. The marks go
    // when the human moves.
    void showHint();
    void clearHint();
    // Whether the hint's search is still running.
    bool hintPending() const { return hintSearch_.running(); }

    // The hand's card stands inside the window's height with room to be lifted, and reaches
    // from the labels' room to the right edge.
    bool holds(QSize inner, QSize card) const override;

    double baseTop() const;
    double cardWidth() const;
    double cardHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void cardsResized() override;
    QPointF flightStart(int slot) const override;
    void restoreAfterFlight(CardPicture* hand, QPoint start) override;

  private:
    void markHint();
    void click(int i);
    void layoutSlots(bool spread);
    void relayout(bool spread);
    void lift(int slot);
    void jokerMove(int slot);
    void setInput(bool enabled);
    void setFocusSlot(int slot);
    // A key's click on `slot`, as the mouse would click it (nothing when the picture takes no
    // input).
    void keyClick(int slot);
    QString faceFile(const QString& name) const;
    QString passCardFile() const;

    int focusSlot_ = 0;
    bool turn_ = false;  // the human is to move: the hand takes input
    BackgroundSearch hintSearch_;
    StrongHint foundHint_;            // what the hint's search found
    std::optional<StrongHint> hint_;  // the hint of this turn, once found
};

// The board caption's words for a hinted pass: why passing is the move.
QString hintPassNote(PassReason reason);

}  // namespace plumet
