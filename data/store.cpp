#include "data/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

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

}  // namespace

Store::Store(QStringView application)
    : application_(application.toString()),
      settings_(std::make_unique<QSettings>(filePath(application), QSettings::IniFormat)) {
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
    settings_->setValue(path(section, key), value);
    changed();
}

void Store::remove(QStringView section, QStringView key) {
    settings_->remove(path(section, key));
    changed();
}

void Store::removeSection(QStringView section) {
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

bool Store::ok() const {
    return settings_->status() != QSettings::AccessError;
}

void Store::changed() {
    if (batchDepth_ == 0) settings_->sync();
}

Store::Batch::Batch(Store& store) : store_(store) {
    ++store_.batchDepth_;
}

Store::Batch::~Batch() {
    if (--store_.batchDepth_ == 0) store_.settings_->sync();
}

}  // namespace plumet
