// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plumet {

namespace {

using namespace std::chrono_literals;

// A copy writes its process id into the lock file the moment it makes it: a lock file whose
// owner cannot be read and that is older than this was left behind.
constexpr std::chrono::milliseconds kUnreadableOwnerGrace = 3s;

// Whether a process holds the file's own lock (flock), as QLockFile's owner does while it
// runs: the proof of a live owner on this machine.
bool heldByAProcess(const QByteArray& file) {
    const int fd = ::open(file.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // releases the shared lock, if it was taken
    return held;
}

}  // namespace

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
    // QLockFile itself takes over a lock whose process is gone (on this host).
    if (lock_->tryLock(0)) return true;
    if (lock_->error() != QLockFile::LockFailedError) return true;
    if (ownerMayRun()) return false;
    clearLeftLock();
    if (lock_->tryLock(0)) return true;
    if (lock_->error() != QLockFile::LockFailedError) return true;
    // Still something in the lock's place: a folder with files in it runs the game without
    // the lock; a lock file another copy made meanwhile refuses this one.
    return !QFileInfo(path_).isFile() || QFileInfo(path_).isSymLink();
}

bool SingleInstance::ownerMayRun() const {
    const QByteArray native = QFile::encodeName(path_);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) return false;  // gone meanwhile
    if (!S_ISREG(info.st_mode)) return false;  // a folder or a link is nobody's lock
    if (heldByAProcess(native)) return true;
    qint64 pid = 0;
    QString host;
    QString application;
    // An owner on this host that QLockFile did not take over is a process of the game's name
    // that runs (QLockFile checks both).
    if (lock_->getLockInfo(&pid, &host, &application) &&
        (host.isEmpty() || host == QSysInfo::machineHostName()))
        return true;
    const QDateTime modified = QFileInfo(path_).lastModified();
    return qAbs(modified.msecsTo(QDateTime::currentDateTime())) < kUnreadableOwnerGrace.count();
}

void SingleInstance::clearLeftLock() {
    const QFileInfo info(path_);
    if (info.isDir() && !info.isSymLink()) {
        QDir().rmdir(path_);  // only an empty one goes
        return;
    }
    // Removes the file only when it can take the file's own lock: nobody holds it.
    lock_->removeStaleLockFile();
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
