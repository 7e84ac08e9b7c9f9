// SPDX-License-Identifier: GPL-3.0-or-later
// One card picture: a card face, back, joker or pass card shown from its bitmap file, with a
// sunken or flat frame. The board, the human's hand and the computer windows all use it.
// It shows the picture at its own size (the classic look) or drawn to a given height with its
// proportions kept (cards fitted to the window), always made at the device pixel size from the
// shared card image cache, so that it is sharp at any size and device pixel ratio.
// Two marks can be drawn over the picture, inside the card: the keyboard focus of the human's
// hand and the hint ("ヒント"), each a thick coloured band with a contrasting line inside it,
// so that both show on any card set, the empty card included, and at any card size.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QString>

class QPainter;

namespace plumet {

class CardPicture : public QLabel {
    Q_OBJECT
  public:
    explicit CardPicture(QWidget* parent = nullptr);

    // Shows the bitmap in `path`; a missing or unreadable file shows an empty card.
    void setImageFile(const QString& path);
    // Shows the picture another card picture shows (the hand closing up).
    void copyImage(const CardPicture& other);
    // Removes the picture (the slot holds no card).
    void clearImage();
    const QString& imageFile() const { return file_; }

    void setFramed(bool framed);
    bool framed() const { return framed_; }

    // The keyboard focus mark: an orange band with a black line inside it.
    void setFocusMarked(bool marked);
    bool focusMarked() const { return focusMarked_; }
    // The hint mark: a magenta band with a white line inside it (inside the focus band when
    // the card carries both).
    void setHintMarked(bool marked);
    bool hintMarked() const { return hintMarked_; }
    static const QColor& focusColour();
    static const QColor& hintColour();
    // Width in pixels of a mark's band on a card `size` large; `marks` is how many marks the
    // card carries (two share the room of about one, so that a small card stays readable).
    static int markWidth(QSize size, int marks = 1);
    // Width in pixels of the contrasting line inside a band.
    static int markLineWidth(QSize size);

    // Size of an empty card, used when no bitmap could be read.
    static QSize emptyCardSize() { return {71, 96}; }

    // Makes the card `height` pixels high, frame included, and as wide as the picture's own
    // proportions make it; the picture fills the card inside the frame, so a fitted card keeps
    // its size whether it is framed or not. 0 shows the picture at its own size with the frame
    // around it (the classic card).
    void setDrawnHeight(int height);
    int drawnHeight() const { return drawnHeight_; }
    // The picture's own size, without the frame (kept when the picture is removed).
    QSize naturalSize() const { return natural_; }
    // The card's size, frame included, at the drawn height `height` (0: the classic card).
    QSize sizeAt(int height) const;
    // Makes the picture to show for the size now, unless it is made already: a card is ready
    // before it flies, so that no frame of a flight renders.
    void prepare();
    // Whether a picture is shown (not removed), and the size in device pixels it is made at.
    bool hasPicture() const { return shown_; }
    QSize pixelSize() const;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void fit();
    void schedulePrepare();
    void drawMarks(QPainter& painter) const;

    QString file_;
    QSize natural_ = emptyCardSize();
    bool shown_ = false;  // a picture is shown (not removed)
    QPixmap pixmap_;      // the picture as made for the size it was last drawn at
    int drawnHeight_ = 0;
    bool framed_ = true;
    bool preparePending_ = false;
    bool focusMarked_ = false;
    bool hintMarked_ = false;
};

}  // namespace plumet
