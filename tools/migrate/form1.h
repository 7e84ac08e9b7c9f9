// SPDX-License-Identifier: GPL-3.0-or-later
// The migration window: explains what the program does and runs the migration on "実　行".
#pragma once

#include <QMessageBox>
#include <QWidget>

class QPushButton;

namespace plume1to3 {

class MigrationWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MigrationWindow(QWidget* parent = nullptr);

  private:
    void Command1_Click();
    void showMessage(const QString& title, const QString& text);
    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);

    QPushButton* Command1;
    QPushButton* Command2;
};

}  // namespace plume1to3
