// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the settings store's file: QSettings' INI format. The store writes that text
// itself, so that it holds every byte in hand before the file is replaced, and leaves the
// reading to QSettings.
//
// The text is what QSettings writes for the same keys: one "[section]" line a section (the
// keys outside any section under "[General]"), then "key=value" lines in key order, values
// escaped and quoted as QSettings does, Japanese text as UTF-8. Values that are not text
// (a hand-edited "@ByteArray(...)", a list "a, b", "@Invalid()") are written in the form
// they were read from, so QSettings reads the same values back.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>

namespace plumet::inifile {

// Every key of a file by its path "section/key", with its value as QSettings reads it.
using Entries = QMap<QString, QVariant>;

// The file text of the entries.
QByteArray format(const Entries& entries);

// What QSettings reads from the file; nothing when the file cannot be opened. The caller
// makes sure `file` is a plain file (QSettings would wait for a writer on a named pipe).
// QSettings keeps what it read of a file and reads it again only when its size or time
// changed: the store's writer gives every file it writes a later time than the one it
// replaces (wholefile::replace), so this never gives an earlier version.
std::optional<Entries> parse(const QString& file);

}  // namespace plumet::inifile
