// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting what the game has stored: everything of the application "plumet2", or only the
// TOP-10 table of its live profile (section "form2").
//
// Nothing is reported done that is not so on disk: the whole store counts as deleted only
// when its file is gone, the TOP-10 table only when the file, read back, holds every other key
// as it was and none of the table's. A store file that cannot be read is neither deleted nor
// written, and says so. Through a symbolic link the link's target is the store: it is deleted
// or written, the link stays. Temporary files a crashed writer left beside the store go first.
#pragma once

#include <memory>

#include "common/settingsfile.h"

namespace plumetdel {

// The game's store: $XDG_CONFIG_HOME/plumet/plumet2.ini and no other file.
std::unique_ptr<toolcommon::SettingsFile> openStore();

enum class Outcome {
    Deleted,        // "完了"
    NothingStored,  // "データ無し"
    Unreadable,     // the store file is there but cannot be read: nothing was deleted
    Failed,         // the deletion did not reach the store file, which keeps its data
};

// Deletes the whole application, its file included, when its live profile holds a TOP-10
// check string ("def1") or a window position ("top4"). A read-only file is not deleted.
Outcome deleteEverything(toolcommon::SettingsFile& store);

// Deletes the live profile's TOP-10 table ("def", "date", "name" and "ten" & 1..10) and the
// data marker "ckkc"; other sections and settings stay.
Outcome deleteTop10(toolcommon::SettingsFile& store);

}  // namespace plumetdel
