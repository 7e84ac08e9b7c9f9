// Form4: the human player's hand, face up, with the pass card after the last card.
#pragma once

#include "ui/playerwindow.h"

namespace plumet {

class Form4 : public PlayerForm {
    Q_OBJECT
  public:
    explicit Form4(GameHost& host, QWidget* parent = nullptr);

    void ccck() override;
    void risaizu() override;
    void showHand() override;
    // Reads the hand's pictures and the pass card again from the face folder, leaving every
    // slot where it is (the card frame was switched during a match).
    void reloadHand();
    void afterLay(int card, int slot, LayOutcome outcome) override;
    void passed() override;
    void droppedOut() override;
    void jokerReturned() override;

    // The human clicks hand slot i (the pass card is slot handcount + 1).
    void Picture1_Click(int i);
    // Lifts the cards that can be laid now (and the joker when it can free a card).
    void picup();
    // With the joker selected: lifts the cards it can free, and the joker.
    void picupj();
    // Puts every slot back at the base height.
    void seiretu();
    // Pass or drop out.
    void ps();

    // The hand's card stands inside the window's height with room to be lifted, and reaches
    // from the labels' 1000 twips to the right edge.
    bool holds(QSize inner, QSize card) const override;

    double baseTop() const;
    double cardWidth() const;
    double cardHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void cardsResized() override;
    QPointF flightStart(int slot) const override;
    void restoreAfterFlight(CardPicture* hand, QPoint start) override;

  private:
    void click(int i);
    void layoutSlots(bool spread);
    void relayout(bool spread);
    void lift(int slot);
    void jokerMove(int slot);
    void setInput(bool enabled);
    QString faceFile(const QString& name) const;
    QString passCardFile() const;
};

}  // namespace plumet
