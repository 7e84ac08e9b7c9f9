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
    void Command1_Click();
    void Command3_Click();
    void report(const QString& title, const QString& text);
    void reportFailure(const QString& text);

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};

}  // namespace plumetdel
