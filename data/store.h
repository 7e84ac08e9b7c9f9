// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: everything the game remembers between runs, addressed by application,
// section and key, every value a string. The only code of the game that touches QSettings.
//
// An application is one INI file, $XDG_CONFIG_HOME/plumet/<application>.ini: "plumet2" for
// the game, "plumet" for the older version's data. A section is an INI group. Keys and
// section names are case-sensitive and never contain "/" or "\".
//
// Every change is written to disk at once, through a temporary file renamed over the old one,
// so a process killed at any moment leaves the old file or the new one. Several changes that
// belong together (a whole TOP-10 table, a saved match, a group switch) go into one write by
// holding a Store::Batch while making them.
//
// A write that does not reach the disk (folder not writable, disk full, a folder in the
// file's place) leaves the file as it was, and the store takes its changes back, so that it
// reads what the file holds. An action that writes holds a Store::Watch and tells the player
// when its writes failed. A file that exists but cannot be read at all is never written: the
// game runs on the defaults and every write fails.
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

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
    // Deletes the application's file and everything in it.
    void removeApplication();
    // Every key of a section with its value, in the store's order.
    KeyValues list(QStringView section) const;

    // False when a write to disk has failed since the store was made (folder not writable,
    // disk full, ...). A file that does not parse cleanly is not an error: what it holds is
    // read as well as it can be.
    bool ok() const { return failedWrites_ == 0; }
    // False when the file exists but could not be read (a folder in its place, no permission
    // to read it). Such a file is left alone: every write to it fails.
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
    void open();
    // Notes the value a key had before its first change since the last write.
    void touch(const QString& path);
    void changed();
    void write();

    QString application_;
    std::unique_ptr<QSettings> settings_;
    int batchDepth_ = 0;
    bool readable_ = true;
    int failedWrites_ = 0;
    // The keys changed since the last write, each with its value before (invalid: absent),
    // to take a failed write back.
    QHash<QString, QVariant> before_;
};

}  // namespace plumet
