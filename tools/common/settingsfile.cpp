// SPDX-License-Identifier: GPL-3.0-or-later
// The store file of an application, opened exactly, and the check of what it holds on disk.
#include "common/settingsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace toolcommon {

QString settingsFilePath(const QString& application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/plumet/") + application + QStringLiteral(".ini");
}

std::unique_ptr<QSettings> openSettingsFile(const QString& application) {
    auto settings =
        std::make_unique<QSettings>(settingsFilePath(application), QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

bool removeSettingsFile(QSettings& settings) {
    settings.clear();
    settings.sync();
    const QString file = settings.fileName();
    QFile::remove(file);
    return !QFileInfo::exists(file) && !QFileInfo(file).isSymLink();
}

bool fileHolds(const QString& file, const ExpectedKeys& expected) {
    QTemporaryDir folder;
    if (!folder.isValid()) return false;
    const QString copy = folder.filePath(QStringLiteral("readback.ini"));
    if (QFileInfo::exists(file) || QFileInfo(file).isSymLink()) {
        if (!QFileInfo(file).isFile() || !QFile::copy(file, copy)) return false;
    }

    QSettings onDisk(copy, QSettings::IniFormat);
    onDisk.setFallbacksEnabled(false);
    if (onDisk.status() != QSettings::NoError) return false;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const std::optional<QVariant>& value = it.value();
        if (!value) {
            if (onDisk.contains(it.key())) return false;
        } else if (!onDisk.contains(it.key()) || onDisk.value(it.key()) != *value) {
            return false;
        }
    }
    return true;
}

}  // namespace toolcommon
