// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <utility>

#include <sys/stat.h>

namespace plumet {

namespace {

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

// Which file a path names now: a write replaces the file by a new one (a temporary file
// renamed over it), so a changed identity is the proof that a write reached the disk.
std::optional<std::pair<quint64, quint64>> fileIdentity(const QString& file) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0) return std::nullopt;
    return std::pair<quint64, quint64>(info.st_dev, info.st_ino);
}

}  // namespace

Store::Store(QStringView application) : application_(application.toString()) {
    open();
    // A file that is there but cannot be opened: QSettings reports it at once.
    readable_ = !(QFileInfo::exists(filePath(application_)) &&
                  settings_->status() == QSettings::AccessError);
}

void Store::open() {
    settings_.reset();
    settings_ = std::make_unique<QSettings>(filePath(application_), QSettings::IniFormat);
    settings_->setFallbacksEnabled(false);
    settings_->setAtomicSyncRequired(true);
}

Store::~Store() = default;

QString Store::filePath(QStringView application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/plumet/") + application.toString() + QStringLiteral(".ini");
}

QString Store::get(QStringView section, QStringView key, const QString& fallback) const {
    const QVariant value = settings_->value(path(section, key));
    if (!value.isValid()) return fallback;
    return textOf(value).value_or(fallback);
}

bool Store::contains(QStringView section, QStringView key) const {
    return settings_->contains(path(section, key));
}

void Store::save(QStringView section, QStringView key, const QString& value) {
    const QString where = path(section, key);
    touch(where);
    settings_->setValue(where, value);
    changed();
}

void Store::remove(QStringView section, QStringView key) {
    const QString where = path(section, key);
    touch(where);
    settings_->remove(where);
    changed();
}

void Store::removeSection(QStringView section) {
    settings_->beginGroup(section.toString());
    const QStringList keys = settings_->allKeys();
    settings_->endGroup();
    for (const QString& key : keys) touch(section.toString() + u'/' + key);
    settings_->remove(section.toString());
    changed();
}

void Store::removeApplication() {
    settings_->clear();
    settings_->sync();
    QFile::remove(settings_->fileName());
}

KeyValues Store::list(QStringView section) const {
    KeyValues pairs;
    settings_->beginGroup(section.toString());
    const QStringList keys = settings_->childKeys();
    for (const QString& key : keys) {
        pairs.append({key, textOf(settings_->value(key)).value_or(QString())});
    }
    settings_->endGroup();
    return pairs;
}

void Store::touch(const QString& where) {
    // QSettings keeps the first error it met; a store that failed before starts each new
    // write with a fresh one, so that the write's own outcome is seen.
    if (before_.isEmpty() && readable_ && settings_->status() == QSettings::AccessError) open();
    if (!before_.contains(where)) before_.insert(where, settings_->value(where));
}

void Store::changed() {
    if (batchDepth_ == 0) write();
}

void Store::write() {
    bool written = false;
    if (readable_) {
        const QString file = filePath(application_);
        const auto before = fileIdentity(file);
        settings_->sync();
        // QSettings keeps only its first error: a file that did not parse cleanly hides a
        // failed write behind its format error, so the file itself is asked too.
        const auto after = fileIdentity(file);
        written = settings_->status() != QSettings::AccessError &&
                  (before_.isEmpty() || (after && after != before));
    }
    if (!written && !before_.isEmpty()) {
        // The file is as it was: so is the store.
        ++failedWrites_;
        for (auto it = before_.cbegin(); it != before_.cend(); ++it) {
            if (it.value().isValid())
                settings_->setValue(it.key(), it.value());
            else
                settings_->remove(it.key());
        }
    }
    before_.clear();
}

Store::Batch::Batch(Store& store) : store_(store) {
    ++store_.batchDepth_;
}

Store::Batch::~Batch() {
    if (--store_.batchDepth_ == 0) store_.write();
}

}  // namespace plumet
