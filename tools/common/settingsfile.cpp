// SPDX-License-Identifier: GPL-3.0-or-later
// The store file of an application, read exactly, written whole or not at all.
#include "common/settingsfile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <chrono>

namespace toolcommon {

namespace {

using namespace std::chrono_literals;

// No store the game writes comes near this; a bigger file is not read (nor written).
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
// The game's writers hold the lock for the milliseconds of one write. A lock whose owner
// cannot be read (a writer killed between making the lock file and writing its process id)
// counts as left behind once it is this old; one whose process is gone, at once.
constexpr std::chrono::milliseconds kLeftLockAge = 1s;
// How long a write waits for the lock before it fails.
constexpr std::chrono::milliseconds kLockWait = 2s;

// The store's turn: its lock file "<file>.lock", which the game and QSettings take too.
// QLockFile removes a lock left behind only when it can take that file's own lock (flock),
// which a live owner holds: a lock whose owner still runs is never taken.
class WriteLock {
  public:
    explicit WriteLock(const QString& file) : lock_(file + QStringLiteral(".lock")) {
        lock_.setStaleLockTime(kLeftLockAge);
        const QDeadlineTimer deadline(kLockWait);
        while (!lock_.tryLock(0ms)) {
            if (lock_.error() != QLockFile::LockFailedError || deadline.hasExpired()) return;
            QThread::msleep(10);
        }
    }
    bool locked() const { return lock_.isLocked(); }
    // Another writer holds the lock: the file must be left to it. (A lock that could not be
    // made at all, on a full disk, means no other writer is at work.)
    bool busy() const { return !locked() && lock_.error() == QLockFile::LockFailedError; }

  private:
    QLockFile lock_;
};

bool isUnder(const QString& path, const QString& prefix) {
    return path.size() > prefix.size() && path.startsWith(prefix) && path[prefix.size()] == u'/';
}

}  // namespace

QString settingsFilePath(const QString& application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/plumet/") + application + QStringLiteral(".ini");
}

SettingsFile::SettingsFile(const QString& application) : file_(settingsFilePath(application)) {
    reload();
}

bool SettingsFile::reload() {
    const wholefile::Contents contents = wholefile::read(file_, kMaxFileSize);
    if (contents.kind == wholefile::Contents::Kind::Absent) {
        stored_.clear();
        stamp_.reset();
        return true;
    }
    std::optional<inifile::Entries> entries;
    if (contents.kind == wholefile::Contents::Kind::File) entries = inifile::parse(file_);
    if (!entries) {
        readable_ = false;
        return false;
    }
    stored_ = std::move(*entries);
    stamp_ = contents.stamp;
    return true;
}

inifile::Entries SettingsFile::withChanges() const {
    inifile::Entries entries = stored_;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        if (*it)
            entries.insert(it.key(), **it);
        else
            entries.remove(it.key());
    }
    return entries;
}

QVariant SettingsFile::value(const QString& path, const QVariant& fallback) const {
    if (const auto change = pending_.constFind(path); change != pending_.cend())
        return change->value_or(fallback);
    return stored_.value(path, fallback);
}

bool SettingsFile::contains(const QString& path) const {
    if (const auto change = pending_.constFind(path); change != pending_.cend())
        return change->has_value();
    return stored_.contains(path);
}

QStringList SettingsFile::childKeys(const QString& section) const {
    const inifile::Entries entries = withChanges();
    const QString prefix = section + u'/';
    QStringList keys;
    for (auto it = entries.lowerBound(prefix); it != entries.cend() && it.key().startsWith(prefix);
         ++it) {
        if (it.key().indexOf(u'/', prefix.size()) < 0) keys.append(it.key().sliced(prefix.size()));
    }
    return keys;
}

void SettingsFile::setValue(const QString& path, const QVariant& value) {
    pending_.insert(path, value);
}

void SettingsFile::remove(const QString& path) {
    for (const QString& key : withChanges().keys()) {
        if (key == path || isUnder(key, path)) pending_.insert(key, std::nullopt);
    }
}

bool SettingsFile::save() {
    if (pending_.isEmpty()) return true;
    if (!readable_ || !QDir().mkpath(QFileInfo(file_).path())) return false;
    const WriteLock lock(file_);
    if (!lock.locked()) return false;
    wholefile::removeLeftovers(file_);
    // The game may have written the file since it was read: the changes go on top of what
    // it holds now.
    if (wholefile::stamp(file_) != stamp_ && !reload()) return false;
    const inifile::Entries entries = withChanges();
    if (entries != stored_) {
        const QByteArray text = inifile::format(entries);
        const bool written = wholefile::replace(file_, text, [&text](const QString& written) {
            // QSettings reads the new file as the very keys and values meant.
            const std::optional<inifile::Entries> back = inifile::parse(written);
            return back && inifile::format(*back) == text;
        });
        if (!written) return false;
        stored_ = entries;
        stamp_ = wholefile::stamp(file_);
    }
    pending_.clear();
    return true;
}

bool SettingsFile::removeFile() {
    if (!readable_) return false;
    // Deleting needs no room: on a disk too full for the lock file it goes on without it (no
    // writer can be at work there either: a writer holds the lock).
    const WriteLock lock(file_);
    if (lock.busy() || !wholefile::remove(file_)) return false;
    wholefile::removeLeftovers(file_);
    if (wholefile::read(file_, kMaxFileSize).kind != wholefile::Contents::Kind::Absent)
        return false;
    stored_.clear();
    stamp_.reset();
    pending_.clear();
    return true;
}

void SettingsFile::removeLeftovers() {
    const WriteLock lock(file_);
    if (lock.locked()) wholefile::removeLeftovers(file_);
}

}  // namespace toolcommon
