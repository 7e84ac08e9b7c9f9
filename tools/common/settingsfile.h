// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store as the game keeps it: one INI file per application,
// $XDG_CONFIG_HOME/plumet/<application>.ini ($XDG_CONFIG_HOME being ~/.config when unset).
// The companion programs read exactly that file (never a stray "plumet.ini" beside the folder
// or a system-wide copy) and write it as the game does: whole or not at all.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "common/inifile.h"
#include "common/wholefile.h"

namespace toolcommon {

// The file of an application ("plumet2" for the game, "plumet" for versions 2.xx).
QString settingsFilePath(const QString& application);

// One application's store file: read when made, changed in memory, written by save().
// Paths are "section/key", as QSettings names them.
class SettingsFile {
  public:
    explicit SettingsFile(const QString& application);

    const QString& fileName() const { return file_; }
    // False when the file is there but could not be read (no permission, a folder or a
    // named pipe in its place, a loop of links): it is then never written nor deleted.
    bool readable() const { return readable_; }

    // The value as QSettings reads it (with the changes not yet saved), `fallback` when the
    // key is absent.
    QVariant value(const QString& path, const QVariant& fallback = {}) const;
    bool contains(const QString& path) const;
    // The keys of a section itself (not of sections below it), by name.
    QStringList childKeys(const QString& section) const;

    void setValue(const QString& path, const QVariant& value);
    // Removes a key, and everything under it when it names a section, as QSettings does.
    void remove(const QString& path);

    // Writes the changes made since the file was read, on top of what the file holds now,
    // in the store's turn (its lock file). True only when the file on disk holds exactly the
    // keys and values meant: written to a temporary file, flushed, read back byte for byte
    // and read by QSettings to the same text, then put in place. False leaves the file byte
    // for byte (and the changes unsaved).
    bool save();

    // Deletes the file (through a link: its target; the link stays) and the temporary files
    // a crashed writer left beside it. True when no file is there afterwards. A file that
    // cannot be read, or that the player made read-only, is not deleted.
    bool removeFile();

    // Deletes the temporary files a crashed writer left beside the store file.
    void removeLeftovers();

  private:
    // Reads the file; false (and unreadable from now on) when it cannot be read.
    bool reload();
    inifile::Entries withChanges() const;

    QString file_;
    inifile::Entries stored_;
    std::optional<wholefile::Stamp> stamp_;
    bool readable_ = true;
    // The changes not yet saved, each key with its new value (nothing: removed).
    QMap<QString, std::optional<QVariant>> pending_;
};

}  // namespace toolcommon
