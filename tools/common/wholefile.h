// SPDX-License-Identifier: GPL-3.0-or-later
// The store files the companion programs write and delete: written whole or not at all, read
// only when they are plain files, never waited on.
//
// A write goes to a temporary file beside the file ("<name>.XXXXXX", six letters or digits,
// as QSaveFile names its own); every write and the flush to disk are checked, the file is
// read back and compared, and only then does it take the file's place. A disk that fills up
// midway, a folder that cannot be written, a file that is read-only or not a plain file:
// the write fails and the old file stays byte for byte. Through a symbolic link the link's
// target is written (and deleted); the link stays.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

#include <sys/types.h>

namespace toolcommon::wholefile {

// The file a path stands for: the end of its chain of symbolic links (a link pointing
// nowhere gives the path it points to), or the path itself.
QString resolve(const QString& path);

// Which version of a file is on disk: it changes with every write of this module (a new
// file with a later time) and with any other change of size or time.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modifiedNs = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
};

struct Contents {
    enum class Kind {
        Absent,      // no file (a link pointing nowhere included)
        File,        // a plain file, read whole: `bytes`
        NotAFile,    // a folder, a named pipe, a device...: not opened
        TooBig,      // a plain file larger than asked for: not read
        Unreadable,  // there, but it cannot be read (no permission, a loop of links...)
    };
    Kind kind = Kind::Absent;
    QByteArray bytes;
    std::optional<Stamp> stamp;  // of the file read
};

// Reads a plain file whole. Anything else is looked at (stat) but never opened, and the
// file is opened non-blocking as a second guard, so this never waits on a pipe or device.
Contents read(const QString& path, qint64 maxSize);

// The stamp of the file a path stands for now; nothing when there is none.
std::optional<Stamp> stamp(const QString& path);

// Replaces the file (a link's target) by `bytes`, or creates it; its folder must exist.
// `check`, when given, is asked about the temporary file once it holds the bytes, before it
// takes the file's place. False when anything failed: the file is then as it was (a file
// that was not there is still not there) and no temporary file is left.
bool replace(const QString& path, QByteArrayView bytes,
             const std::function<bool(const QString& written)>& check = {});

// Deletes the file (a link's target; the link stays). True when no file is there afterwards.
// A file that may not be written (read-only) is not deleted.
bool remove(const QString& path);

// Deletes the temporary files that writers killed midway left beside the file (a link's
// target): "<name>.XXXXXX", plain files only. Only for a caller that holds the file's write
// lock, so that no writer is in the middle of one.
void removeLeftovers(const QString& path);

}  // namespace toolcommon::wholefile
