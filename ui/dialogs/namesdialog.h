// SPDX-License-Identifier: GPL-3.0-or-later
// NamesDialog: the names dialog "名前の変更", the four players' names and the voice of each.
//
// Opened with the current captions of the four player windows and the `voices` array; "ＯＫ"
// emits namesAccepted() with the new names and voices (the caller shows them on the windows
// and stores them with storeNames() of data/storenames.h); "キャンセル" changes nothing.
// closed() follows either way, also when the dialog is closed by its close box or Esc, so
// the caller can give the main window its input back. The dialog deletes itself when it closes.
//
// The opener keeps input from the main window while the dialog is open (ui/inputblock.h); the
// dialog, a window of its own, takes input all the same, with or without a parent.
#pragma once

#include <QDialog>
#include <array>

#include "data/playernames.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plumet {

class NamesDialog : public QDialog {
    Q_OBJECT
  public:
    NamesDialog(const PlayerNameArray& captions, const PlayerVoiceArray& voices,
                QWidget* parent = nullptr);

    // Shows the dialog centred on the main window, without a modal loop.
    void open() override;

  signals:
    void namesAccepted(const plumet::PlayerNameArray& names,
                       const plumet::PlayerVoiceArray& voices);
    void closed();

  private:
    void acceptNames();

    std::array<QLabel*, 4> playerLabels_{};
    std::array<QLineEdit*, 4> nameEdits_{};
    std::array<QGroupBox*, 4> voiceBoxes_{};
    std::array<QRadioButton*, 4> maleButtons_{};
    std::array<QRadioButton*, 4> femaleButtons_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace plumet
