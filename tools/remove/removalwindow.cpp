// SPDX-License-Identifier: GPL-3.0-or-later
// The removal window of plumetdel. The window, its labels and its buttons keep the classic
// object names (set below), by which the tests find them.
#include "removalwindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "removal.h"

namespace plumetdel {

namespace {

const QString kFailedTitle = QStringLiteral("削除失敗");
const QString kUnreadableTitle = QStringLiteral("読込失敗");

}  // namespace

RemovalWindow::RemovalWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("カドリオの登録データ削除？V3.00"));

    auto* layout = new QVBoxLayout(this);
    auto* what = new QLabel(
        QStringLiteral(
            "カドリオ　for　Windows95のＶ３．ｘｘの名前、表示位置等のデータを削除します。"),
        this);
    what->setObjectName(QStringLiteral("Label1"));
    auto* when = new QLabel(
        QStringLiteral("（アンインストール時や初期設定に戻したいときに実行して下さい。）"), this);
    when->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(what);
    layout->addWidget(when);

    deleteAllButton_ = new QPushButton(QStringLiteral("全削除"), this);
    deleteAllButton_->setObjectName(QStringLiteral("Command1"));
    deleteTop10Button_ = new QPushButton(QStringLiteral("ＴＯＰ１０の削除"), this);
    deleteTop10Button_->setObjectName(QStringLiteral("Command3"));
    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(deleteAllButton_);
    buttons->addWidget(deleteTop10Button_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(deleteAllButton_, &QPushButton::clicked, this, &RemovalWindow::deleteAllClicked);
    connect(deleteTop10Button_, &QPushButton::clicked, this, &RemovalWindow::deleteTop10Clicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    const QRect screenArea = screen()->geometry();
    move(screenArea.x() + (screenArea.width() - width()) / 2,
         screenArea.y() + (screenArea.height() - height()) / 2);
    QApplication::beep();
}

void RemovalWindow::deleteAllClicked() {
    const auto store = openStore();
    switch (deleteEverything(*store)) {
        case Outcome::Deleted:
            report(QStringLiteral("完了"), QStringLiteral("カドリオのデータを削除しました。"));
            break;
        case Outcome::NothingStored:
            report(QStringLiteral("データ無し"),
                   QStringLiteral("カドリオのデータがありませんでした。"));
            break;
        case Outcome::Unreadable:
            reportFailure(kUnreadableTitle,
                          QStringLiteral("カドリオのデータを読み込めませんでした。\n"
                                         "次のファイルを読み込めません：\n%1\n"
                                         "何も削除していません。")
                              .arg(store->fileName()));
            break;
        case Outcome::Failed:
            reportFailure(kFailedTitle, QStringLiteral("カドリオのデータを削除できませんでした。\n"
                                                       "次のファイルを削除できません：\n%1")
                                            .arg(store->fileName()));
            break;
    }
}

void RemovalWindow::deleteTop10Clicked() {
    const auto store = openStore();
    switch (deleteTop10(*store)) {
        case Outcome::Deleted:
            report(QStringLiteral("完了"), QStringLiteral("ＴＯＰ１０データを削除しました。"));
            break;
        case Outcome::NothingStored:
            report(QStringLiteral("データ無し"),
                   QStringLiteral("ＴＯＰ１０データがありませんでした。"));
            break;
        case Outcome::Unreadable:
            reportFailure(kUnreadableTitle,
                          QStringLiteral("ＴＯＰ１０データを読み込めませんでした。\n"
                                         "次のファイルを読み込めません：\n%1\n"
                                         "何も削除していません。")
                              .arg(store->fileName()));
            break;
        case Outcome::Failed:
            reportFailure(kFailedTitle, QStringLiteral("ＴＯＰ１０データを削除できませんでした。\n"
                                                       "次のファイルに書き込めません：\n%1")
                                            .arg(store->fileName()));
            break;
    }
}

// Tells what happened, then ends the program.
void RemovalWindow::report(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
    close();
}

// A store that could not be read, or a deletion that did not reach it: nothing is deleted, and
// the window stays, so that the player can try again once the file can be read and written.
void RemovalWindow::reportFailure(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.exec();
}

}  // namespace plumetdel
