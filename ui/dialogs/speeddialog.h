// SPDX-License-Identifier: GPL-3.0-or-later
// SpeedDialog: the card moving speed dialog "カードの移動速度".
//
// The speed bar runs from 1 ("高速", one frame per card flight) to 11 ("なめらか", 121
// frames); it opens at the value nearest to the square root of the current speed. "ＯＫ"
// emits flightFramesChosen() with value², "キャンセル" changes nothing; closed() follows either
// way (also after the close box or Esc). The dialog deletes itself when it closes.
//
// The opener keeps input from the main window while the dialog is open (ui/inputblock.h); the
// dialog, a window of its own, takes input all the same, with or without a parent.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

namespace plumet {

class SpeedDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SpeedDialog(int flightFrames, QWidget* parent = nullptr);

    // Shows the dialog centred on the main window, without a modal loop.
    void open() override;

  signals:
    void flightFramesChosen(int flightFrames);
    void closed();

  private:
    QScrollBar* speedBar_ = nullptr;
    QLabel* fastLabel_ = nullptr;
    QLabel* smoothLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace plumet
