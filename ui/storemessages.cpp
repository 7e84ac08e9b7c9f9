// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/storemessages.h"

#include <QDir>
#include <QMessageBox>

#include "data/store.h"

namespace plumet {

namespace {

void show(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString fileName(const Store& store) {
    return QDir::toNativeSeparators(Store::filePath(store.application()));
}

}  // namespace

void showUnsavedMessage(QWidget* parent, const Store& store) {
    const bool readable = store.readable();
    show(parent, QStringLiteral("保存できません"),
         (readable
              ? QStringLiteral("設定ファイルに書き込めませんでした。\n")
              : QStringLiteral("設定ファイルを読み込めなかったため、書き込みませんでした。\n")) +
             fileName(store) + QStringLiteral("\n\n今の変更は保存されていません。") +
             (readable ? QStringLiteral("\nフォルダに書き込めるか、ディスクに空きがあるか"
                                        "確かめて下さい。")
                       : QString()));
}

void showUnreadableMessage(QWidget* parent, const Store& store) {
    show(parent, QStringLiteral("設定を読み込めません"),
         QStringLiteral("設定ファイルを読み込めませんでした。\n") + fileName(store) +
             QStringLiteral("\n\n初期設定で起動します。このファイルには書き込みません。"));
}

}  // namespace plumet
