// SPDX-License-Identifier: GPL-3.0-or-later
// TitleWindow: the title window shown at start-up, reused as the version box.
//
// As a title screen it has no caption and no OK button; its title timer runs from creation and,
// 3330 ms later, fires once: the window emits titleTimeUp() and closes, and the start-up
// shows the main window. When the time is up before the window was shown (start-up held up
// by a message the player left open), the window stays until it is shown and then closes at
// once, so the start-up still goes title window, then main window. As the version box (menu
// "ﾊﾞｰｼﾞｮﾝ情報(&A)") it carries the caption "カドリオのﾊﾞｰｼﾞｮﾝ情報" and the OK button, and its
// timer is stopped.
//
// The window deletes itself when it closes (Qt::WA_DeleteOnClose); closed() is emitted
// whichever way it closes (OK, Enter, the close box, Esc), so the opener can take input again.
//
// The opener keeps input from the main window while the dialog is open (ui/inputblock.h); the
// dialog, a window of its own, takes input all the same, with or without a parent.
#pragma once

#include <QFuture>
#include <QWidget>

#include "ui/windows/titlepictures.h"

class QLabel;
class QPushButton;
class QTimer;

namespace plumet {

class TitleWindow : public QWidget {
    Q_OBJECT
  public:
    // dataFolder: the game's data folder (icon "plumet.png" and the card set shown on the title).
    explicit TitleWindow(const QString& dataFolder, QWidget* parent = nullptr);
    // The same, with its pictures being made already (makeTitlePicturesLater): start-up starts
    // them before it sets up the fonts.
    TitleWindow(const QString& dataFolder, QFuture<TitlePictures> pictures,
                QWidget* parent = nullptr);

    // The version label's text, which the TOP-10 export writes into its files.
    QString versionText() const;

    // Shows the window as the title screen, centred, without caption.
    void showTitle();
    // Shows the window as the version box: caption, OK button, title timer stopped.
    void showVersionBox();

    bool isVersionBox() const { return versionBox_; }

  signals:
    void
    titleTimeUp();  // the title timer fired on the title screen (the window closes right after)
    void closed();  // the window has closed, by any means

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void titleTimeOver();
    void addIcon(const TitlePictures& pictures);
    void addCards(const TitlePictures& pictures);

    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QTimer* titleTimer_ = nullptr;
    bool versionBox_ = false;
    bool timeUp_ = false;  // the title timer fired before the title screen was shown
};

}  // namespace plumet
