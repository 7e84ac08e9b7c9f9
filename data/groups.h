// SPDX-License-Identifier: GPL-3.0-or-later
// Player groups: ten groups 0..9, each with a display name (section "formm", key "grmdi" & N)
// and a whole profile of its own. The group in use keeps its profile in the live section
// "form2"; every other group's profile waits in its stash section "form" & (N + 3).
#pragma once

#include <QString>
#include <QStringList>

#include "rules/gamestate.h"

namespace plumet {

class Store;

namespace groups {

inline constexpr int kGroups = 10;

// "form3" for group 0 .. "form12" for group 9.
QString profileSection(int group);

// The display name of a group: "グループ１" .. "グループ１０" when none is stored.
QString name(const Store& store, int group);
// The names of groups 0..9, list index = group number.
QStringList names(const Store& store);
// The rename: stores the new display name.
void rename(Store& store, int group, const QString& newName);

enum class Switch {
    Unchanged,     // the group chosen is the group in use (or no group): nothing happened
    Fresh,         // a group never used: the default table and no other settings
    Restored,      // the group's stashed profile is live again and its table is sound
    Damaged,       // the restored table failed its check and was reset ("ckkc" = "9999"):
                   // show the damaged-table message and end the program
    MatchDamaged,  // the restored profile needed its check strings made and its saved match
                   // was inconsistent ("tp" reset): show that message and end the program
};

// The group switch on the store, run after saveProfile has written the group being left:
// the live profile is stashed in the left group's section (replacing what was there); a
// group whose section holds no "def1" starts fresh with the default table and "ckkc" =
// "1234", any other gets its stashed profile back and checked. The state's table and
// `group` follow; "group" in the new live profile names the group entered. The store
// changes in one write. Afterwards the caller runs loadProfile.
Switch switchGroup(Store& store, GameState& state, int newGroup);

}  // namespace groups
}  // namespace plumet
