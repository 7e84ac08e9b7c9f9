// One card picture: a card face, back, joker or pass card shown from its bitmap file, with a
// sunken or flat frame. The board, the human's hand and the computer windows all use it.
#pragma once

#include <QLabel>
#include <QString>

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

    // Size of an empty card, used when no bitmap could be read.
    static QSize emptyCardSize() { return {71, 96}; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void fit();

    QString file_;
    QPixmap image_;
    bool framed_ = true;
};

}  // namespace plumet
