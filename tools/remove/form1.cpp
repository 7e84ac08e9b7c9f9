// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "removal.h"

namespace plumetdel {

RemovalWindow::RemovalWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("カドリオの登録データ削除？V3.00"));

    auto* layout = new QVBoxLayout(this);
    auto* label1 = new QLabel(
        QStringLiteral(
            "カドリオ　for　Windows95のＶ３．ｘｘの名前、表示位置等のデータを削除します。"),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(
        QStringLiteral("（アンインストール時や初期設定に戻したいときに実行して下さい。）"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(label1);
    layout->addWidget(label2);

    Command1 = new QPushButton(QStringLiteral("全削除"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new QPushButton(QStringLiteral("ＴＯＰ１０の削除"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command2 = new QPushButton(QStringLiteral("キャンセル"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &RemovalWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &RemovalWindow::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    const QRect screenArea = screen()->geometry();
    move(screenArea.x() + (screenArea.width() - width()) / 2,
         screenArea.y() + (screenArea.height() - height()) / 2);
    QApplication::beep();
}

void RemovalWindow::Command1_Click() {
    const auto store = openStore();
    switch (deleteEverything(*store)) {
        case Outcome::Deleted:
            report(QStringLiteral("完了"), QStringLiteral("カドリオのデータを削除しました。"));
            break;
        case Outcome::NothingStored:
            report(QStringLiteral("データ無し"),
                   QStringLiteral("カドリオのデータがありませんでした。"));
            break;
        case Outcome::Failed:
            reportFailure(QStringLiteral("カドリオのデータを削除できませんでした。\n"
                                         "次のファイルを削除できません：\n%1")
                              .arg(store->fileName()));
            break;
    }
}

void RemovalWindow::Command3_Click() {
    const auto store = openStore();
    switch (deleteTop10(*store)) {
        case Outcome::Deleted:
            report(QStringLiteral("完了"), QStringLiteral("ＴＯＰ１０データを削除しました。"));
            break;
        case Outcome::NothingStored:
            report(QStringLiteral("データ無し"),
                   QStringLiteral("ＴＯＰ１０データがありませんでした。"));
            break;
        case Outcome::Failed:
            reportFailure(QStringLiteral("ＴＯＰ１０データを削除できませんでした。\n"
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

// A deletion that did not reach the store: the window stays, so that the player can try again
// once the file can be written.
void RemovalWindow::reportFailure(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("削除失敗"), text, QMessageBox::Ok, this);
    box.exec();
}

}  // namespace plumetdel
