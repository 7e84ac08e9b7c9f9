// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/nameentry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/store.h"
#include "data/top10.h"
#include "ui/storemessages.h"
#include "ui/twips.h"
#include "ui/windows/top10dialog.h"

namespace plumet {

NameEntry::NameEntry(GameState& state, Store& store, Top10Dialog& table)
    : QWidget(table.parentWidget(), Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      store_(store),
      table_(table) {
    setObjectName(QStringLiteral("Form9"));
    setAttribute(Qt::WA_DeleteOnClose);

    promptLabel_ = new QLabel(QStringLiteral("名前を入力してください"), this);
    promptLabel_->setObjectName(QStringLiteral("Label1"));
    promptLabel_->setGeometry(pxRect(180, 105, 2430, 210));
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("Text1"));
    nameEdit_->setGeometry(pxRect(570, 375, 2385, 285));
    registerButton_ = new QPushButton(QStringLiteral("登録"), this);
    registerButton_->setObjectName(QStringLiteral("Command1"));
    registerButton_->setGeometry(pxRect(2640, 780, 675, 285));
    registerButton_->setEnabled(false);
    registerButton_->setDefault(true);

    connect(nameEdit_, &QLineEdit::textChanged, this, &NameEntry::nameEdited);
    // Enter takes the name as the default button "登録" would in a dialog.
    connect(nameEdit_, &QLineEdit::returnPressed, this, [this] {
        if (registerButton_->isEnabled()) registerClicked();
    });
    connect(registerButton_, &QPushButton::clicked, this, &NameEntry::registerClicked);
}

void NameEntry::load() {
    colourRow(QColor(255, 0, 0));
    const QRect table = table_.frameGeometry();
    const int frame = frameGeometry().width() - width();
    resize(std::max(table.width() - frame, px(3400)), px(1160));
    move(table.left(), table.top() + table.height());
    show();
    nameEdit_->setFocus();
}

void NameEntry::colourRow(const QColor& colour) {
    const int row = state_.newRank - 1;
    if (row < 0 || row >= top10::kPlaces) return;
    for (QLabel* label : {table_.nameLabel(row), table_.rowLabel(row)}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, colour);
        label->setPalette(colours);
    }
}

void NameEntry::nameEdited(const QString& text) {
    if (state_.newRank >= 1 && state_.newRank <= top10::kPlaces) {
        state_.topNames[state_.newRank] = text.toStdString();
        table_.showName(state_.newRank - 1, text);
    }
    registerButton_->setEnabled(true);
}

bool NameEntry::registerName() {
    if (registered_) return true;
    const Store::Watch watch(store_);
    top10::registerName(store_, state_);
    if (!watch.ok()) {
        refused_ = true;
        showUnsavedMessage(this, store_);
        return false;
    }
    finish();
    return true;
}

void NameEntry::finish() {
    registered_ = true;
    colourRow(palette().color(QPalette::ButtonText));
    table_.nameEntry_ = nullptr;
    table_.done();
}

void NameEntry::registerClicked() {
    // A name that could not be stored keeps the window open for another try.
    if (registerName()) close();
}

void NameEntry::closeEvent(QCloseEvent* event) {
    // Closing registers as "登録" does; after a refused registration (the player has been
    // told) it gives up, and the table keeps what the store holds.
    if (!registered_ && (refused_ || !registerName())) finish();
    event->accept();
}

}  // namespace plumet
