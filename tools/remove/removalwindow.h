// SPDX-License-Identifier: GPL-3.0-or-later
// The removal window: offers to delete everything the game stored or only its TOP-10 table.
#pragma once

#include <QWidget>

class QPushButton;

namespace plumetdel {

class RemovalWindow : public QWidget {
    Q_OBJECT

  public:
    // Centres the window on the screen and sounds the system beep.
    explicit RemovalWindow(QWidget* parent = nullptr);

  private:
    // "全削除" and "ＴＯＰ１０の削除": delete and tell how it went.
    void deleteAllClicked();
    void deleteTop10Clicked();
    void report(const QString& title, const QString& text);
    void reportFailure(const QString& title, const QString& text);

    QPushButton* deleteAllButton_;
    QPushButton* cancelButton_;
    QPushButton* deleteTop10Button_;
};

}  // namespace plumetdel
