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
    // "実　行": runs the migration and tells how it went.
    void runMigration();
    void showMessage(const QString& title, const QString& text);
    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);

    QPushButton* runButton_;
    QPushButton* cancelButton_;
};

}  // namespace plume1to3
