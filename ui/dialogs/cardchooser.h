// SPDX-License-Identifier: GPL-3.0-or-later
// CardChooser: the card image chooser ("場のカードの変更", "あなたのカードの変更",
// "裏面のカードの変更").
//
// One folder tree (directories only) from the root "/" down. A preview shows the set's
// test file ("d7.bmp" for faces, "urat.bmp" for backs) of the selected folder, and "Ｏ　　Ｋ"
// is enabled exactly when the selected folder holds that file. "Ｏ　　Ｋ" emits
// folderChosen() with the folder (no trailing separator; the root is "/"), "キャンセル"
// changes nothing; closed() follows either way (also after the close box or Esc). The
// dialog deletes itself when it closes.
//
// The opener keeps input from the main window while the dialog is open (ui/inputblock.h); the
// dialog, a window of its own, takes input all the same, with or without a parent.
#pragma once

#include <QDialog>

#include "ui/cards/cardfolders.h"

class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTimer;
class QTreeView;

namespace plumet {

class CardChooser : public QDialog {
    Q_OBJECT
  public:
    // mode: 1 board faces, 2 the human's faces, 3 backs (the chooser mode the main window
    // keeps in `cardsLeft`); folder: the set's current folder, where the tree opens.
    CardChooser(int mode, const QString& folder, QWidget* parent = nullptr);

    // Shows the dialog centred on the main window, without a modal loop.
    void open() override;

    int mode() const { return static_cast<int>(set_); }
    // The folder now selected in the tree ("" when none).
    QString selectedFolder() const;
    // Selects `folder` in the tree (or its nearest existing parent) and checks it.
    void selectFolder(const QString& folder);

  signals:
    void folderChosen(int mode, const QString& folder);
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void folderChanged(const QModelIndex& current);
    void showFolder(const QString& folder);
    void revealFolder(const QString& folder);
    void layoutControls();

    CardSet set_;
    QString wanted_;  // folder to keep in view while the tree is still loading
    QTimer* revealTimer_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace plumet
