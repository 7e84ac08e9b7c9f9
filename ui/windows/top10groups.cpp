// SPDX-License-Identifier: GPL-3.0-or-later
// The TOP-10 dialog in its group use: switching to another group, confirming it, and renaming one.
#include "ui/windows/top10dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/groups.h"
#include "data/settings.h"
#include "data/store.h"
#include "data/top10.h"
#include "ui/storemessages.h"

namespace plumet {

void Top10Dialog::switchToGroup(int index) {
    if (filling_ || index < 0 || index == state_.group) return;
    // The group being left keeps its settings and the entered group takes over only when
    // both writes reach the disk; otherwise the group in use stays.
    const Store::Watch watch(store_);
    const int left = state_.group;
    if (hooks_.saveSettings) hooks_.saveSettings();
    const groups::Switch result =
        watch.ok() ? groups::switchGroup(store_, state_, index) : groups::Switch::Unchanged;
    if (!watch.ok()) {
        state_.group = static_cast<std::int16_t>(left);
        top10::readTable(store_, state_);
        fillNames();
        fillRows();
        showUnsavedMessage(this, store_);
        return;
    }
    switch (result) {
        case groups::Switch::Unchanged:
            return;
        case groups::Switch::Fresh:
            fillRows();
            break;
        case groups::Switch::Restored:
            fillNames();
            fillRows();
            break;
        case groups::Switch::Damaged:
            damaged(damagedTableText());
            return;
        case groups::Switch::MatchDamaged:
            damaged(damagedMatchText());
            return;
    }
    if (hooks_.loadSettings) hooks_.loadSettings();
}

void Top10Dialog::acceptGroup() {
    const int index = groupList_->currentIndex();
    const Store::Watch watch(store_);
    writeGroup(store_, index);
    if (!watch.ok()) {
        showUnsavedMessage(this, store_);  // the dialog stays for another try
        return;
    }
    state_.group = static_cast<std::int16_t>(index);
    done();
}

void Top10Dialog::startRename() {
    groupNameEdit_->setText(groupList_->currentText());
    renameOkButton_->setEnabled(!groupNameEdit_->text().isEmpty());
    groupNameEdit_->show();
    groupNameLabel_->show();
    renameOkButton_->show();
    renameCancelButton_->show();
    groupOkButton_->hide();
    renameButton_->hide();
    groupOkButton_->setDefault(false);
    renameOkButton_->setDefault(true);
    setHeight(kRenameHeight);
    groupList_->setEnabled(false);
    groupNameEdit_->setFocus();
}

void Top10Dialog::endRename() {
    groupList_->setEnabled(true);
    groupNameEdit_->hide();
    renameOkButton_->hide();
    renameCancelButton_->hide();
    groupOkButton_->show();
    renameButton_->show();
    renameOkButton_->setDefault(false);
    groupOkButton_->setDefault(true);
    setHeight(kHeight);
}

void Top10Dialog::acceptRename() {
    const QString name = groupNameEdit_->text();
    if (name.isEmpty()) return;
    const int index = groupList_->currentIndex();
    const Store::Watch watch(store_);
    groups::rename(store_, index, name);
    if (!watch.ok()) {
        showUnsavedMessage(this, store_);  // the new name stays in the box for another try
        return;
    }
    filling_ = true;
    groupList_->setItemText(index, name);
    filling_ = false;
    endRename();
    if (hooks_.groupRenamed) hooks_.groupRenamed(index, name);
}

void Top10Dialog::cancelRename() {
    endRename();
}

}  // namespace plumet
