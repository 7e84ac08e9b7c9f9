// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace plumet {

SingleInstance::SingleInstance(const QString& folder)
    : path_(QDir(folder).filePath(QStringLiteral("plumet.lock"))),
      lock_(std::make_unique<QLockFile>(path_)) {
    // The lock lives as long as the game runs, so its age says nothing: only a lock whose
    // process is gone counts as stale.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (lock_->isLocked()) return true;
    if (lock_->tryLock(0)) return true;
    return lock_->error() != QLockFile::LockFailedError;
}

bool SingleInstance::holdsLock() const {
    return lock_->isLocked();
}

QString SingleInstance::defaultLockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return runtime;
    return QDir::tempPath();
}

void showAlreadyRunning(QWidget* parent) {
    QMessageBox::warning(parent, QStringLiteral("カドリオ For Windows95"),
                         QStringLiteral("すでに起動しています。二重起動は出来ません。"));
}

}  // namespace plumet
