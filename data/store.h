// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: everything the game remembers between runs, addressed by application,
// section and key, every value a string. The only code of the game that touches its files.
//
// An application is one INI file, $XDG_CONFIG_HOME/plumet/<application>.ini: "plumet2" for
// the game, "plumet" for the older version's data. A section is an INI group. Keys and
// section names are case-sensitive and never contain "/" or "\". QSettings reads the file;
// the store writes it itself, in QSettings' form (inifile.h).
//
// Every change is written to disk at once, whole or not at all (wholefile.h): a temporary
// file beside the store file is written, flushed to disk, read back and compared byte for
// byte, read back by QSettings to the same text, and only then renamed over the old file.
// So a full disk, a process killed at any moment or a folder that cannot be written leaves
// the old file byte for byte. Several changes that belong together (a whole TOP-10 table, a
// saved match, a group switch) go into one write by holding a Store::Batch while making
// them. Writers take turns by the lock file "<file>.lock"; one left behind by a crash holds
// the next writer up for a second at most. Temporary files a crash left are deleted by the
// next write.
//
// A write that does not reach the disk leaves the file as it was, and the store takes its
// changes back, so that it reads what the file holds. An action that writes holds a
// Store::Watch and tells the player when its writes failed. A file that exists but cannot be
// read at all (no permission, a folder or a named pipe in its place) is never written nor
// deleted: the game runs on the defaults and every write fails. A read-only store file is
// kept as it is: every write fails. Through a symbolic link the store writes the link's
// target and keeps the link.
//
// The store reads the file again whenever it changed on disk (another program, or another
// Store of this one, wrote it); changes not written yet stay on top of what it reads.
#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <optional>

#include "data/inifile.h"
#include "data/wholefile.h"

namespace plumet {

inline constexpr QStringView kApplication = u"plumet2";
inline constexpr QStringView kOldApplication = u"plumet";

using KeyValues = QList<QPair<QString, QString>>;

class Store {
  public:
    explicit Store(QStringView application = kApplication);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // The INI file of an application.
    static QString filePath(QStringView application = kApplication);
    const QString& application() const { return application_; }

    // The stored text of section/key, or `fallback` when the key is absent or its stored form
    // cannot be read as text (a hand-edited "@Invalid()", say).
    QString get(QStringView section, QStringView key, const QString& fallback) const;
    bool contains(QStringView section, QStringView key) const;
    void save(QStringView section, QStringView key, const QString& value);
    void remove(QStringView section, QStringView key);
    void removeSection(QStringView section);
    // Deletes the application's file and everything in it (through a link: its target; the
    // link stays). Changes not yet written go with it.
    void removeApplication();
    // Every key of a section with its value, in the store's order.
    KeyValues list(QStringView section) const;

    // False when a write to disk has failed since the store was made (folder not writable,
    // disk full, ...). A file that does not parse cleanly is not an error: what it holds is
    // read as well as it can be.
    bool ok() const { return failedWrites_ == 0; }
    // False when the file exists but could not be read (a folder or a named pipe in its
    // place, no permission to read it). Such a file is left alone: every write to it fails.
    bool readable() const { return readable_; }

    // Notes whether the writes made while it lives all reached the disk.
    class Watch {
      public:
        explicit Watch(const Store& store) : store_(store), before_(store.failedWrites_) {}
        bool ok() const { return store_.failedWrites_ == before_; }

      private:
        const Store& store_;
        int before_;
    };

    // Holds back the writes to disk while it lives; the outermost batch writes everything
    // made meanwhile in one go when it ends.
    class Batch {
      public:
        explicit Batch(Store& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        Store& store_;
    };

  private:
    // The value of a path: a change not written yet, else what the file holds.
    std::optional<QVariant> lookup(const QString& path) const;
    // Reads the file again when it changed on disk since it was last read or written.
    void refresh() const;
    // Reads the file; false (and the store unreadable from now on) when it cannot be read.
    bool reload() const;
    void changed();
    void write();
    bool writeChanges();

    QString application_;
    QString file_;
    // What the file held when it was last read or written, and which version that was
    // (nothing: there was no file).
    mutable inifile::Entries stored_;
    mutable std::optional<wholefile::Stamp> stamp_;
    mutable bool readable_ = true;
    // The changes since the last write, each key with its new value (nothing: removed).
    QMap<QString, std::optional<QVariant>> pending_;
    int batchDepth_ = 0;
    int failedWrites_ = 0;
};

}  // namespace plumet
