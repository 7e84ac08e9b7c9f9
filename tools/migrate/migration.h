// SPDX-License-Identifier: GPL-3.0-or-later
// Carries the data of versions 2.xx and earlier into the current layout.
//
// The old application "plumet" kept the settings in "form2", the TOP-10 table in "form3",
// the player windows in "form4".."form7" and the main window with the group names ("gr" & j)
// in "mdiform1"; each group's TOP-10 table lived in a file "g1" & i & ".cfg". The current
// application "plumet2" keeps the live profile in "form2", group i's stashed profile in
// "form" & (i + 3) and the group names in "formm" under "grmdi" & j.
//
// The old data is the player's only copy until the new store is on disk: the migration
// changes the new store in memory, `save` writes it whole (the file read back byte for byte
// and by QSettings before it takes the old file's place) or leaves the old file byte for byte,
// and only a saved store lets the old data go.
#pragma once

#include <QDir>
#include <functional>

#include "common/settingsfile.h"

namespace plume1to3 {

class Migration {
  public:
    // `groupFolder` is where the old group files are looked for.
    Migration(toolcommon::SettingsFile& oldStore, toolcommon::SettingsFile& newStore,
              const QDir& groupFolder);

    // True when the old application holds data to migrate (its "form2" has "top").
    bool oldDataFound() const;

    // Writes the live profile and every group that has a group file (a folder of that name
    // is skipped like a missing file). A group file that is
    // damaged leaves that group without its TOP-10 table: `damaged` is called with the
    // group's number as the user knows it (1..10) and the migration goes on.
    void run(const std::function<void(int group)>& damaged);

    // Writes the new store to disk. True only when the file holds exactly the store as the
    // migration left it (every key written, none deleted, every other key as it was); false
    // leaves the file byte for byte. The old data may be deleted only after true.
    bool save();
    // The new store's file, for the message when it could not be written.
    QString storeFile() const { return new_.fileName(); }

    // Deletes the whole old application (through a link: its target). The group files stay.
    // True when its file is gone.
    bool deleteOldData();

  private:
    void copySection(const QString& fromSection, const QString& toSection,
                     const QString& suffix = QString());
    void copyOptionalSections(const QString& target);
    void migrateGroup(int group, const std::function<void(int)>& damaged);
    toolcommon::SettingsFile& old_;
    toolcommon::SettingsFile& new_;
    QDir groupFolder_;
};

}  // namespace plume1to3
