// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/top10dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "data/groups.h"
#include "data/store.h"
#include "data/top10.h"
#include "data/values.h"
#include "ui/centring.h"
#include "ui/dialogkeys.h"
#include "ui/labeltext.h"
#include "ui/storemessages.h"
#include "ui/twips.h"
#include "ui/windows/nameentry.h"

namespace plumet {

namespace {

constexpr int kWidth = 3900;
// The window heights count the title bar; the client area is this much smaller.
constexpr int kTitleBar = 360;
constexpr int kButtonHeight = 330;

}  // namespace

QString damagedTableText() {
    return QStringLiteral(
        "データが異常です。\nベスト１０を初期化後終了します。\n再起動して下さい。");
}
QString damagedMatchText() {
    return QStringLiteral("データが異常です。\nデータ初期化後終了致します。");
}

Top10Dialog::Top10Dialog(GameState& state, Store& store, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      store_(store),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("トップ１０ランキング"));

    headingLabel_ = new QLabel(QStringLiteral("名前　 　　　　　　　日付  　   得点"), this);
    headingLabel_->setObjectName(QStringLiteral("Label11"));
    headingLabel_->setGeometry(pxRect(210, 120, 3240, 240));
    for (int i = 0; i < top10::kPlaces; ++i) {
        nameLabels_[i] = new QLabel(this);
        nameLabels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        rowLabels_[i] = new QLabel(this);
        rowLabels_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }

    const auto button = [this](QPushButton*& made, Button which, const QString& caption,
                               QRect where) {
        made = new QPushButton(caption, this);
        made->setObjectName(QStringLiteral("Command%1").arg(static_cast<int>(which)));
        made->setGeometry(where);
        return made;
    };
    connect(button(exportButton_, Button::Export, QStringLiteral("書出"),
                   pxRect(135, 2895, 700, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::exportTable);
    connect(button(importButton_, Button::Import, QStringLiteral("読込"),
                   pxRect(870, 2895, 700, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::importTable);
    connect(button(okButton_, Button::Ok, QStringLiteral("ＯＫ"),
                   pxRect(2895, 2895, 700, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::acceptTable);

    groupList_ = new QComboBox(this);
    groupList_->setObjectName(QStringLiteral("Combo1"));
    groupList_->setGeometry(pxRect(90, 2865, 1785, 360));
    groupList_->hide();
    connect(groupList_, &QComboBox::currentIndexChanged, this, &Top10Dialog::switchToGroup);
    connect(button(renameButton_, Button::Rename, QStringLiteral("名前変更"),
                   pxRect(1950, 2895, 900, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::startRename);
    connect(button(groupOkButton_, Button::GroupOk, QStringLiteral("ＯＫ"),
                   pxRect(2895, 2895, 700, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::acceptGroup);
    groupOkButton_->hide();
    renameButton_->hide();
    okButton_->setDefault(true);

    groupNameLabel_ = new QLabel(QStringLiteral("グループ名"), this);
    groupNameLabel_->setObjectName(QStringLiteral("Label3"));
    groupNameLabel_->setGeometry(pxRect(90, 3405, 950, 240));
    groupNameEdit_ = new QLineEdit(this);
    groupNameEdit_->setObjectName(QStringLiteral("Text1"));
    groupNameEdit_->setGeometry(pxRect(1065, 3375, 2415, 300));
    groupNameEdit_->hide();
    connect(groupNameEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { renameOkButton_->setEnabled(!text.isEmpty()); });
    connect(button(renameCancelButton_, Button::RenameCancel, QStringLiteral("ｷｬﾝｾﾙ"),
                   pxRect(1935, 3720, 830, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::cancelRename);
    connect(button(renameOkButton_, Button::RenameOk, QStringLiteral("ＯＫ"),
                   pxRect(2805, 3720, 700, kButtonHeight)),
            &QPushButton::clicked, this, &Top10Dialog::acceptRename);
    renameOkButton_->hide();
    renameCancelButton_->hide();
}

QPushButton* Top10Dialog::button(Button which) const {
    switch (which) {
        case Button::Ok:
            return okButton_;
        case Button::Export:
            return exportButton_;
        case Button::Import:
            return importButton_;
        case Button::GroupOk:
            return groupOkButton_;
        case Button::Rename:
            return renameButton_;
        case Button::RenameOk:
            return renameOkButton_;
        case Button::RenameCancel:
            break;
    }
    return renameCancelButton_;
}

void Top10Dialog::setHeight(int twips) {
    setFixedSize(px(kWidth), px(twips - kTitleBar));
}

bool Top10Dialog::initialiseData(GameState& state, Store& store, Hooks hooks) {
    if (values::toInt16(top10::marker(store)) != values::toInt16(top10::kMarkerFresh)) return true;
    Top10Dialog dialog(state, store, std::move(hooks));
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    return dialog.load();
}

bool Top10Dialog::load() {
    setHeight(kHeight);
    centreWindow(this);
    const top10::Load load = top10::loadTable(store_, state_);
    fillNames();
    if (load == top10::Load::Damaged) {
        damaged(damagedTableText());
        return false;
    }
    if (load == top10::Load::MatchDamaged) {
        damaged(damagedMatchText());
        return false;
    }
    fillRows();
    return true;
}

void Top10Dialog::fillNames() {
    filling_ = true;
    groupList_->clear();
    groupList_->addItems(groups::names(store_));
    groupList_->setCurrentIndex(state_.group);
    filling_ = false;
}

void Top10Dialog::fillRows() {
    for (int i = 1; i <= top10::kPlaces; ++i) {
        const int top = 360 + 250 * (i - 1);
        nameLabels_[i - 1]->setGeometry(pxRect(120, top, 1950, 240));
        rowLabels_[i - 1]->setGeometry(pxRect(2100, top, 1740, 240));
        showName(i - 1, QString::fromStdString(state_.topNames[i]));
        rowLabels_[i - 1]->setText(top10::rowText(state_, i));
    }
}

void Top10Dialog::showName(int index, const QString& name) {
    QLabel* label = nameLabels_.at(index);
    const QString shown = label->fontMetrics().elidedText(name, Qt::ElideRight, label->width());
    label->setText(shown);
    label->setToolTip(shown == name ? QString() : name);
}

void Top10Dialog::setMode(Mode mode) {
    const bool group = mode == Mode::Group;
    if (group) setWindowTitle(QStringLiteral("グループ変更＆ＴＯＰ１０"));
    for (QPushButton* button : {okButton_, exportButton_, importButton_})
        button->setVisible(!group);
    groupList_->setVisible(group);
    groupOkButton_->setVisible(group);
    renameButton_->setVisible(group);
    groupOkButton_->setDefault(group);
    okButton_->setDefault(!group);
    if (group) {
        filling_ = true;
        groupList_->setCurrentIndex(state_.group);
        filling_ = false;
    }
}

Top10Dialog* Top10Dialog::open(GameState& state, Store& store, Hooks hooks, Mode mode,
                               QWidget* parent) {
    auto* window = new Top10Dialog(state, store, std::move(hooks), parent);
    if (!window->load()) {
        window->deleteLater();
        return nullptr;
    }
    window->setMode(mode);
    window->show();
    return window;
}

Top10Dialog* Top10Dialog::matchEnd(GameState& state, Store& store, Hooks hooks, QWidget* parent) {
    const std::int16_t total = state.score[1];
    const Store::Watch watch(store);
    const bool entered = top10::enterTotal(store, state, total, top10::todayText());
    // The load reads the table back from the store: a new entry that could not be stored is
    // not in it.
    auto* window = new Top10Dialog(state, store, std::move(hooks), parent);
    if (!window->load()) {
        window->deleteLater();
        return nullptr;
    }
    window->exportButton_->hide();
    window->importButton_->hide();
    if (!watch.ok()) {
        // The table as it is stored, with its "ＯＫ", and the player told why the total is
        // not in it.
        const QPointer<Top10Dialog> shown = window;
        window->show();
        showUnsavedMessage(window, store);
        return shown;
    }
    if (!entered) {
        window->setWindowTitle(QStringLiteral("あかんかったねぇ ") + QString::number(total) +
                               QStringLiteral("点"));
        window->show();
        return window;
    }
    window->okButton_->hide();
    window->show();
    window->nameEntry_ = new NameEntry(state, store, *window);
    window->nameEntry_->setWindowTitle(QStringLiteral("おめでとう") + signedLabel(state.newRank) +
                                       QStringLiteral(" 位です"));
    window->nameEntry_->load();
    return window;
}

void Top10Dialog::done() {
    if (!done_) {
        done_ = true;
        if (hooks_.enableMain) hooks_.enableMain();
    }
    close();
}

void Top10Dialog::message(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void Top10Dialog::damaged(const QString& text) {
    done_ = true;  // the program ends: the main window stays as it is
    message(QStringLiteral("データ異常"), text);
    if (hooks_.endProgram) hooks_.endProgram();
}

void Top10Dialog::acceptTable() {
    done();
}

void Top10Dialog::keyPressEvent(QKeyEvent* event) {
    const bool renaming = groupNameEdit_->isVisible();
    if (isEnterKey(event)) {
        if (renaming)
            pressButton(renameOkButton_);
        else if (groupOkButton_->isVisible())
            pressButton(groupOkButton_);
        else
            pressButton(okButton_);
        return;
    }
    if (isEscapeKey(event)) {
        if (renaming)
            pressButton(renameCancelButton_);
        else if (!nameEntry_)
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Top10Dialog::closeEvent(QCloseEvent* event) {
    // The close box ends the dialog like its "ＯＫ"; while a new entry's name is being
    // entered, it registers the entry.
    if (nameEntry_) {
        NameEntry* entry = nameEntry_;
        nameEntry_ = nullptr;
        entry->close();
    }
    if (!done_) {
        done_ = true;
        if (hooks_.enableMain) hooks_.enableMain();
    }
    event->accept();
}

}  // namespace plumet
