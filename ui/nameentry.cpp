#include "ui/nameentry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/store.h"
#include "data/top10.h"
#include "ui/storemessages.h"
#include "ui/top10dialog.h"
#include "ui/twips.h"

namespace plumet {

NameEntry::NameEntry(GameState& state, Store& store, Top10Dialog& table)
    : QWidget(table.parentWidget(), Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      store_(store),
      table_(table) {
    setObjectName(QStringLiteral("Form9"));
    setAttribute(Qt::WA_DeleteOnClose);

    label1_ = new QLabel(QStringLiteral("名前を入力してください"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(pxRect(180, 105, 2430, 210));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(pxRect(570, 375, 2385, 285));
    command1_ = new QPushButton(QStringLiteral("登録"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(pxRect(2640, 780, 675, 285));
    command1_->setEnabled(false);
    command1_->setDefault(true);

    connect(text1_, &QLineEdit::textChanged, this, &NameEntry::text1Change);
    // Enter takes the name as the default button "登録" would in a dialog.
    connect(text1_, &QLineEdit::returnPressed, this, [this] {
        if (command1_->isEnabled()) command1Click();
    });
    connect(command1_, &QPushButton::clicked, this, &NameEntry::command1Click);
}

void NameEntry::load() {
    colourRow(QColor(255, 0, 0));
    const QRect table = table_.frameGeometry();
    const int frame = frameGeometry().width() - width();
    resize(std::max(table.width() - frame, px(3400)), px(1160));
    move(table.left(), table.top() + table.height());
    show();
    text1_->setFocus();
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

void NameEntry::text1Change(const QString& text) {
    if (state_.newRank >= 1 && state_.newRank <= top10::kPlaces) {
        state_.topNames[state_.newRank] = text.toStdString();
        table_.nameLabel(state_.newRank - 1)->setText(text);
    }
    command1_->setEnabled(true);
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
    table_.form9_ = nullptr;
    table_.done();
}

void NameEntry::command1Click() {
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
