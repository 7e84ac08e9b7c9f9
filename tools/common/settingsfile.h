// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store as the game keeps it: one INI file per application,
// $XDG_CONFIG_HOME/plumet/<application>.ini ($XDG_CONFIG_HOME being ~/.config when unset).
// The companion programs open exactly that file with QSettings' fallbacks off, so a stray
// "plumet.ini" beside the folder or a system-wide copy is never read as the game's data.
#pragma once

#include <QMap>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace toolcommon {

// The file of an application ("plumet2" for the game, "plumet" for versions 2.xx).
QString settingsFilePath(const QString& application);

// That file as a QSettings in INI format, without fallbacks.
std::unique_ptr<QSettings> openSettingsFile(const QString& application);

// Deletes everything of the application the settings stand for, its file included. True when
// the file is gone afterwards.
bool removeSettingsFile(QSettings& settings);

// What a file must hold after a write: per "section/key" its value, or nothing for a key
// that must be absent.
using ExpectedKeys = QMap<QString, std::optional<QVariant>>;

// True when the file as it stands on disk now holds every expected key with its value and
// none of the keys expected absent; a missing file holds no key. The file is read through a
// fresh copy: QSettings objects of one file in one process share what they read and what
// they failed to write, so reopening the file itself could show writes that never reached
// the disk.
bool fileHolds(const QString& file, const ExpectedKeys& expected);

}  // namespace toolcommon
