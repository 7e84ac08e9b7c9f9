// SPDX-License-Identifier: GPL-3.0-or-later
// The migration window of plume1to3. The window, its labels and its buttons keep the classic
// object names (set below), by which the tests find them.
#include "migrationwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "migration.h"
#include "store.h"

namespace plume1to3 {

MigrationWindow::MigrationWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("カドリオデータ移行"));

    auto* layout = new QVBoxLayout(this);
    const QStringList lines = {
        QStringLiteral("カドリオforWindows95 V2.xx以前のデータを"),
        QStringLiteral("V3.00以降のデータに変換致します。"),
        QStringLiteral("注意：V3.00以降のデータがあっても"),
        QStringLiteral("V2.xx以前のデータを上書きします。"),
    };
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(lines[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        layout->addWidget(label);
    }

    runButton_ = new QPushButton(QStringLiteral("実　行"), this);
    runButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(runButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(runButton_, &QPushButton::clicked, this, &MigrationWindow::runMigration);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    const QRect screenArea = screen()->geometry();
    move(screenArea.x() + (screenArea.width() - width()) / 2,
         screenArea.y() + (screenArea.height() - height()) / 2);
}

void MigrationWindow::runMigration() {
    toolcommon::SettingsFile oldStore(kOldApplication);
    toolcommon::SettingsFile newStore(kNewApplication);
    Migration migration(oldStore, newStore, QDir::current());

    if (!migration.oldDataFound()) {
        showMessage(QStringLiteral("見つからない・・"),
                    QStringLiteral("旧バージョンが見つかりませんでした。"));
        return;
    }

    migration.run([this](int group) {
        showMessage(
            QStringLiteral("データ異常"),
            QStringLiteral("グループ%1のデータが異常です。\nグループ%1のデータ移行は行いません。")
                .arg(group));
    });
    if (!migration.save()) {
        showMessage(QMessageBox::Warning, QStringLiteral("データ移行失敗"),
                    QStringLiteral("データ移行に失敗しました。\n"
                                   "次のファイルに書き込めませんでした：\n%1\n"
                                   "V2.xx以前のデータは削除していません。")
                        .arg(migration.storeFile()));
        // The window stays, so that the player can run it again once the store is writable.
        return;
    }

    QMessageBox question(QMessageBox::Question, QStringLiteral("元データの削除？"),
                         QStringLiteral("データ移行が完了致しました。\n"
                                        "V2.xx以前のデータを削除しますか？"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() == QMessageBox::Yes) {
        if (migration.deleteOldData()) {
            showMessage(QStringLiteral("完了"),
                        QStringLiteral("V2.xx以前のデータを削除しました。"));
        } else {
            showMessage(QMessageBox::Warning, QStringLiteral("削除失敗"),
                        QStringLiteral("V2.xx以前のデータを削除できませんでした。\n"
                                       "次のファイルが残っています：\n%1")
                            .arg(oldStore.fileName()));
        }
    }
    close();
}

void MigrationWindow::showMessage(const QString& title, const QString& text) {
    showMessage(QMessageBox::NoIcon, title, text);
}

void MigrationWindow::showMessage(QMessageBox::Icon icon, const QString& title,
                                  const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    box.exec();
}

}  // namespace plume1to3
