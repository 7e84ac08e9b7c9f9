// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <chrono>

namespace plumet {

namespace {

using namespace std::chrono_literals;

// No store the game writes comes near this; a bigger file is not read (nor written).
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// A live writer holds the lock for the milliseconds of one write. A lock whose owner cannot
// be read (a writer killed between making the lock file and writing its process id into it)
// counts as left behind once it is this old; one whose process is gone, at once.
constexpr std::chrono::milliseconds kLeftLockAge = 1s;
// How long a write waits for the lock before it fails.
constexpr std::chrono::milliseconds kLockWait = 2s;

QString path(QStringView section, QStringView key) {
    return section.toString() + u'/' + key.toString();
}

// The text of a stored value. Hand-edited INI files can hold forms QSettings reads as
// something other than a string: "a, b" becomes a list, "@ByteArray(...)" bytes; those
// are given back as the text they stand for. Anything else has no text.
std::optional<QString> textOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString:
            return value.toString();
        case QMetaType::QStringList:
            return value.toStringList().join(u',');
        case QMetaType::QByteArray:
            return QString::fromUtf8(value.toByteArray());
        default:
            break;
    }
    if (value.isValid() && value.canConvert<QString>()) return value.toString();
    return std::nullopt;
}

// The turn of one writer at the store file: the lock file "<file>.lock", which QSettings
// takes too. QLockFile removes a lock left behind only when it can take that file's own
// lock (flock), which a live owner holds: a lock whose owner still runs is never taken.
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

}  // namespace

Store::Store(QStringView application)
    : application_(application.toString()), file_(filePath(application_)) {
    reload();
}

Store::~Store() = default;

QString Store::filePath(QStringView application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/plumet/") + application.toString() + QStringLiteral(".ini");
}

bool Store::reload() const {
    const wholefile::Contents contents = wholefile::read(file_, kMaxFileSize);
    if (contents.kind == wholefile::Contents::Kind::Absent) {
        stored_.clear();
        stamp_.reset();
        return true;
    }
    std::optional<inifile::Entries> entries;
    if (contents.kind == wholefile::Contents::Kind::File) entries = inifile::parse(file_);
    if (!entries) {
        // What was read before stays; the file is never written from now on.
        readable_ = false;
        return false;
    }
    stored_ = std::move(*entries);
    stamp_ = contents.stamp;
    return true;
}

void Store::refresh() const {
    if (readable_ && wholefile::stamp(file_) != stamp_) reload();
}

std::optional<QVariant> Store::lookup(const QString& where) const {
    refresh();
    if (const auto change = pending_.constFind(where); change != pending_.cend()) return *change;
    if (const auto value = stored_.constFind(where); value != stored_.cend()) return *value;
    return std::nullopt;
}

QString Store::get(QStringView section, QStringView key, const QString& fallback) const {
    const std::optional<QVariant> value = lookup(path(section, key));
    if (!value) return fallback;
    return textOf(*value).value_or(fallback);
}

bool Store::contains(QStringView section, QStringView key) const {
    return lookup(path(section, key)).has_value();
}

void Store::save(QStringView section, QStringView key, const QString& value) {
    pending_.insert(path(section, key), QVariant(value));
    changed();
}

void Store::remove(QStringView section, QStringView key) {
    pending_.insert(path(section, key), std::nullopt);
    changed();
}

void Store::removeSection(QStringView section) {
    refresh();
    const QString prefix = section.toString() + u'/';
    for (auto it = stored_.lowerBound(prefix); it != stored_.cend() && it.key().startsWith(prefix);
         ++it)
        pending_.insert(it.key(), std::nullopt);
    for (auto it = pending_.lowerBound(prefix); it != pending_.end() && it.key().startsWith(prefix);
         ++it)
        *it = std::nullopt;
    changed();
}

void Store::removeApplication() {
    pending_.clear();
    bool removed = false;
    if (readable_) {
        // Deleting needs no room: on a disk too full for the lock file it goes on without it
        // (no writer can be at work there either: a writer holds the lock).
        const WriteLock lock(file_);
        removed = !lock.busy() && wholefile::remove(file_);
        if (removed) wholefile::removeLeftovers(file_);
    }
    if (!removed) {
        ++failedWrites_;
        return;
    }
    stored_.clear();
    stamp_.reset();
}

KeyValues Store::list(QStringView section) const {
    refresh();
    const QString prefix = section.toString() + u'/';
    // The keys of the section itself (not of sections below it), by name.
    QMap<QString, std::optional<QVariant>> keys;
    const auto isChild = [&prefix](const QString& where) {
        return where.startsWith(prefix) && where.indexOf(u'/', prefix.size()) < 0;
    };
    for (auto it = stored_.lowerBound(prefix); it != stored_.cend() && it.key().startsWith(prefix);
         ++it) {
        if (isChild(it.key())) keys.insert(it.key().sliced(prefix.size()), *it);
    }
    for (auto it = pending_.lowerBound(prefix);
         it != pending_.cend() && it.key().startsWith(prefix); ++it) {
        if (isChild(it.key())) keys.insert(it.key().sliced(prefix.size()), *it);
    }
    KeyValues pairs;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (*it) pairs.append({it.key(), textOf(**it).value_or(QString())});
    }
    return pairs;
}

void Store::changed() {
    if (batchDepth_ == 0) write();
}

void Store::write() {
    if (pending_.isEmpty()) return;
    if (!writeChanges()) ++failedWrites_;
    // Written, or taken back: either way the store now reads what the file holds.
    pending_.clear();
}

bool Store::writeChanges() {
    if (!readable_ || !QDir().mkpath(QFileInfo(file_).path())) return false;
    const WriteLock lock(file_);
    if (!lock.locked()) return false;
    wholefile::removeLeftovers(file_);
    // Another program (or another store of this one) may have written the file since it was
    // read: the changes go on top of what it holds now.
    if (wholefile::stamp(file_) != stamp_ && !reload()) return false;
    inifile::Entries entries = stored_;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        if (*it)
            entries.insert(it.key(), **it);
        else
            entries.remove(it.key());
    }
    // Nothing changed: the file stays as it is (and a missing one missing).
    if (entries == stored_) return true;
    const QByteArray text = inifile::format(entries);
    const bool written = wholefile::replace(file_, text, [&text](const QString& written) {
        // QSettings reads the new file as the very keys and values meant.
        const std::optional<inifile::Entries> back = inifile::parse(written);
        return back && inifile::format(*back) == text;
    });
    if (!written) return false;
    stored_ = std::move(entries);
    stamp_ = wholefile::stamp(file_);
    return true;
}

Store::Batch::Batch(Store& store) : store_(store) {
    ++store_.batchDepth_;
}

Store::Batch::~Batch() {
    if (--store_.batchDepth_ == 0) store_.write();
}

}  // namespace plumet
