// SPDX-License-Identifier: GPL-3.0-or-later
// The TOP-10 dialog's export and import of the table ("書出", "読込") and their file dialogs.
#include "ui/windows/top10dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "data/store.h"
#include "data/top10.h"
#include "data/topfile.h"
#include "ui/storemessages.h"

namespace plumet {

namespace {

const QString kFilter = QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.dat)");

// The folder the file dialogs open in: the one last used while the program runs, at first
// the player's documents folder (the home folder where there is none).
QString& lastFolder() {
    static QString folder;
    return folder;
}

QString startFolder() {
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir()) return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

}  // namespace

QString Top10Dialog::chooseFile(FileDialog kind) {
    if (hooks_.chooseFile) return hooks_.chooseFile(kind);
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setNameFilter(kFilter);
    dialog.setDirectory(startFolder());
    if (kind == FileDialog::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString file = dialog.selectedFiles().constFirst();
    lastFolder() = QFileInfo(file).absolutePath();
    return file;
}

void Top10Dialog::exportTable() {
    const QString file = chooseFile(FileDialog::Save);
    if (file.isEmpty()) return;
    // A file that cannot be written whole stays as it was, and the player is told.
    if (!topfile::exportTable(file, state_)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("書き出せません"),
                        QStringLiteral("ベスト１０データを書き出せませんでした。\n") +
                            QDir::toNativeSeparators(file) +
                            QStringLiteral("\n\nファイルは元のままです。\n"
                                           "フォルダに書き込めるか、ディスクに空きがあるか"
                                           "確かめて下さい。"),
                        QMessageBox::Ok, this);
        box.exec();
    }
}

void Top10Dialog::importTable() {
    QMessageBox ask(
        QMessageBox::Question, QStringLiteral("ベスト１０データの読み込み"),
        QStringLiteral("ベスト１０データを上書きします。\n（元のデータは消去されます。）\n"
                       "よろしいですか？"),
        QMessageBox::Ok | QMessageBox::Cancel, this);
    if (ask.exec() != QMessageBox::Ok) return;
    const QString file = chooseFile(FileDialog::Open);
    if (file.isEmpty()) return;
    const Store::Watch watch(store_);
    switch (topfile::importTable(file, store_, state_)) {
        case topfile::Load::Loaded:
            if (!watch.ok()) {
                // The table stays as it is stored.
                top10::readTable(store_, state_);
                showUnsavedMessage(this, store_);
            }
            fillRows();
            break;
        case topfile::Load::Refused:
            message(QStringLiteral("データ異常"),
                    QStringLiteral("データが異常です。\nベスト１０は更新されませんでした。"));
            break;
        case topfile::Load::Unreadable:
            break;
    }
}

}  // namespace plumet
