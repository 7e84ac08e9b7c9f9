// Carries the data of versions 2.xx and earlier into the current layout.
//
// The old application "plumet" kept the settings in "form2", the TOP-10 table in "form3",
// the player windows in "form4".."form7" and the main window with the group names ("gr" & j)
// in "mdiform1"; each group's TOP-10 table lived in a file "g1" & i & ".cfg". The current
// application "plumet2" keeps the live profile in "form2", group i's stashed profile in
// "form" & (i + 3) and the group names in "formm" under "grmdi" & j.
#pragma once

#include <QDir>
#include <QSettings>
#include <functional>

namespace plume1to3 {

class Migration {
  public:
    // `groupFolder` is where the old group files are looked for.
    Migration(QSettings& oldStore, QSettings& newStore, const QDir& groupFolder);

    // True when the old application holds data to migrate (its "form2" has "top").
    bool oldDataFound() const;

    // Writes the live profile and every group that has a group file (a folder of that name
    // is skipped like a missing file). A group file that is
    // damaged leaves that group without its TOP-10 table: `damaged` is called with the
    // group's number as the user knows it (1..10) and the migration goes on.
    void run(const std::function<void(int group)>& damaged);

    // Deletes the whole old application. The group files stay.
    void deleteOldData();

  private:
    void copyOptionalSections(const QString& target);
    void migrateGroup(int group, const std::function<void(int)>& damaged);

    QSettings& old_;
    QSettings& new_;
    QDir groupFolder_;
};

}  // namespace plume1to3
